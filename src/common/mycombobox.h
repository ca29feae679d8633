// The drop-down combo boxes that the list grid lays over the active cell in
// place of its editor: CMyComboBox is one box bound to a column, IMyComboBox
// the set of them that the grid carries.
#pragma once

#include "afxwin.h"
#include "afxtempl.h"
#include "ctlcombo.h"
#include "qvapi.h"

// Combo box -> grid (wParam 0, lParam the selection index) and grid -> parent
// (wParam the active column, the same lParam).
#define UM_COMBOSELECTION (WM_USER + 100)

// Added to the key flags of a double click that a combo box hands to its parent.
#define COMBO_DBLCLK_FLAG 0x8000

class QVCTRL_API CMyComboBox : public CComboBox
{
    DECLARE_DYNAMIC(CMyComboBox)
public:
    CMyComboBox() = default;

    int GetColumn() const { return m_nColumn; }
    void SetColumn(int nColumn) { m_nColumn = nColumn; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnSelchange();
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    int m_nColumn = -1;   // the grid column the box is bound to
};

class QVCTRL_API IMyComboBox
{
public:
    IMyComboBox() = default;
    virtual ~IMyComboBox();
    // The boxes are owned: two sets must not share them.
    IMyComboBox(const IMyComboBox&) = delete;
    IMyComboBox& operator=(const IMyComboBox&) = delete;

    int GetComboBoxCount() const { return m_nBoxCount; }
    // Index of the box bound to the column, -1 when none.
    int GetBoxIndex(int nColumn) const;
    CMyComboBox* GetComboBox(int nColumn) const;
    void HideComboBox();
    void FreeComboBox();
    void SetBoxParentWnd(CWnd* pParent) { m_pBoxParent = pParent; }
    CWnd* GetBoxParentWnd() const { return m_pBoxParent; }

protected:
    CMyComboBox* BoxAt(int nIndex) const;
    void AddBox(CMyComboBox* pBox);

    CArray<CMyComboBox*, CMyComboBox*>* m_pBoxes = nullptr;   // null until the first box
    int m_nBoxCount = 0;
    CWnd* m_pBoxParent = nullptr;   // the window the boxes are created in; null: the grid
};
