// CTextIconMenu: a menu drawn as a panel of large text buttons inside a window
// of the program. The items are the first submenu of a menu resource, the
// title the string with the same identifier. The host window forwards its
// painting (DrawMenu) and mouse messages; a click on an item sends the item's
// command to the window as WM_COMMAND.
#pragma once

#include "afxwin.h"
#include "qvapi.h"

class QVCTRL_API CTextIconMenu
{
public:
    enum
    {
        MAX_ITEMS = 60
    };

    struct CdMenuItem
    {
        CRect rect;   // the button, laid out by DrawMenu
        CString strText;
        UINT nID;       // command identifier
        int nEnabled;   // 0 draws the item grey and ignores clicks on it
    };

    CTextIconMenu();
    virtual ~CTextIconMenu();
    CTextIconMenu(const CTextIconMenu&) = delete;
    CTextIconMenu& operator=(const CTextIconMenu&) = delete;

    // Loads the title string nMenuID and the items of menu nMenuID.
    void SetMenuID(long nMenuID);
    void PrepareMenu();

    void DrawMenu(CDC* pDC);
    void DrawMenuTitle(CDC* pDC);
    // nState: 0 raised, 1 pressed.
    void DrawButtonFrame(CDC* pDC, const CRect& rect, int nState);
    void DrawTextW(CDC* pDC, int nItem, int nState);
    // The face font: the DC's current font with nHeight and the face "新細明體".
    void CreateFontW(CDC* pDC, int nHeight);

    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);

    int Hit(CPoint point) const;
    // Enables (nEnable non-zero) or disables the first item with command nID.
    void EnableMenu(int nID, int nEnable);
    int GetMaxRight(int n) const;
    int GetLastID() const { return m_nLastID; }

    // Read access for the window that hosts the panel.
    int GetItemCount() const { return m_nItem; }
    const CdMenuItem* GetItem(int nItem) const;
    const CString& GetTitle() const { return m_strTitle; }
    // The window DrawMenu last painted on (a temporary wrapper), or null.
    CWnd* GetOwner() const;
    int GetPressedItem() const { return m_nPressed; }

protected:
    // Fills the items from hSubMenu: "菜單為空" for a null handle, "菜單跨越dll"
    // for a handle that is not a menu; either leaves the items as they were.
    void FillItems(HMENU hSubMenu);

    long m_nMenuID = 0;
    int m_nItem = 0;
    CdMenuItem m_item[MAX_ITEMS];
    CFont m_font;
    CString m_strTitle;
    HWND m_hOwner = nullptr;   // the window DrawMenu last painted on
    int m_nPressed = -1;
    int m_nLastID = 0;
    int m_nHover = -1;   // the item under the mouse, drawn highlighted

private:
    void CloseColumn(int nFirst, int nLast, int& nPreviousWidth, CRect& running);
    // Draws one item in its current look on the owner window.
    void RedrawItem(int nItem, int nState);
};

// One pair of a caller's table: a document template's or dialog's resource
// identifier and the command that opens it.
struct CdMenuTemplate
{
    UINT nTemplateID;
    UINT nCommandID;
};

class CMultiDocTemplate;

// Maps commands to document templates or dialogs through a caller's table;
// programs derive from it and supply the objects.
class QVCTRL_API CMenuTemplate
{
public:
    CMenuTemplate() = default;
    virtual ~CMenuTemplate() = default;
    virtual CMultiDocTemplate* GetTemplate(UINT nCommandID) const;
    virtual CDialog* GetDialog(int nIndex);
    virtual long DoCommand(int nCommandID);
    // The table is borrowed.
    virtual void SetTemplate(CdMenuTemplate* pTemplate, int nCount);

    int GetDialogCount() const { return m_nDialog; }

protected:
    // Index of the first entry with that command, or -1.
    int FindCommand(UINT nCommandID) const;
    // That entry's template identifier, or the command itself without one.
    UINT GetTemplateID(UINT nCommandID) const;
    void SetDialogCount(int nCount);

    int m_nDialog = 0;
    CdMenuTemplate* m_pTemplate = nullptr;
    int m_nTemplate = 0;
};
