// CMyBitmapButton: a dialog push button turned owner-drawn, showing a bitmap,
// one or two icons, a plain text face or a radio-like text face inside its own
// bevelled frame. Bitmaps and icons are the calling program's resources.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"
#include "qvapi.h"

// What the face of a CMyBitmapButton shows.
enum
{
    FACE_BITMAP = 0,        // the stored bitmap beside the text
    FACE_ICON = 1,          // one icon beside the text
    FACE_FLASH_ICON = 2,    // the flashing face with one icon
    FACE_FLASH_ICONS = 3,   // the flashing face with two icons
    FACE_SINGLE_TEXT = 4,   // text alone
    FACE_RADIO_TEXT = 5,    // a radio mark and text
};

class QVCTRL_API CMyBitmapButton : public CButton
{
public:
    CMyBitmapButton() = default;
    ~CMyBitmapButton() override;

    // Subclasses dialog item nID of pParent with a bitmap face (bitmap
    // nBitmapID, or nID when it is 0); 0 when the item cannot be subclassed.
    int Attach(UINT nID, CWnd* pParent, int nBitmapID = 0);
    int AttachRadioTextType(UINT nID, CWnd* pParent);
    // 0 for identifiers below 1; otherwise a bitmap face with that bitmap.
    int SetBitmap(int nBitmapID);
    virtual void SetIconID(int nIconID);
    void SetFlashIconID(int nIconID, int nIconID2 = 0);
    // 1: a bitmap face whose text is drawn in a bold face of its own height;
    // anything else: the single-text face.
    virtual void SetSingleTextType(int nSingle);
    virtual void SetFilledRectColor(COLORREF crFill);
    void SetRectangle(int nRectangle);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // Drawing primitives.
    // |nLevel| rings inside rect: raised for nLevel > 0, sunken for nLevel < 0.
    void DrawFrame(CDC* pDC, CRect rect, int nLevel);
    void DrawLine(CDC* pDC, CRect rect, COLORREF color);   // from the top-left to the bottom-right corner
    void DrawLine(CDC* pDC, long x1, long y1, long x2, long y2, COLORREF color);
    void DrawFilledRect(CDC* pDC, CRect rect, COLORREF color);
    void DrawRect(CDC* pDC, CRect rect, COLORREF color);   // a one-pixel outline
    void DrawRectangleFrame(CDC* pDC, CRect rect);         // white above and left, black below and right
    void DrawRectangleInvertFrame(CDC* pDC, CRect rect);   // the same shades swapped
    // Chooses the face by face type; nState 1 draws it pressed.
    void DrawButtonText(CDC* pDC, CRect rect, const CString& strText, COLORREF color, int nState);
    void DrawIconButton(CDC* pDC, CRect rect);
    void DrawIconButtonText(CDC* pDC, CRect rect, const CString& strText, COLORREF color, int nState);
    void DrawIconSingleText(CDC* pDC, CRect rect, const CString& strText, COLORREF color, int nState);
    void DrawRadioText(CDC* pDC, CRect rect, const CString& strText, COLORREF color, int nState);
    // One line of text in rect with a transparent background.
    void DrawTextW(CDC* pDC, CRect rect, const CString& strText, COLORREF color, UINT nFormat);
    // Character heights in device pixels from the table of sizes in millimetres.
    int GetRealFontHeight(CDC* pDC, int nIndex);
    int GetNearFontHeight(CDC* pDC, double dMillimetres);

    // Members, public as callers set the flags directly.
    COLORREF m_crText = 0;   // face text in the normal state
    CBitmap m_bitmap;        // face bitmap of FACE_BITMAP
    int m_nFocus = 0;        // 1 draws the focused look without the focus
    int m_nIconID = 0;       // the first icon's resource identifier
    HICON m_hIcon = nullptr;
    HICON m_hIcon2 = nullptr;
    int m_nFaceType = FACE_BITMAP;
    int m_nFlash = 0;   // 1: the next flashing face shows the second icon first
    int m_nSingleText = 0;
    COLORREF m_crFill = RGB(191, 192, 192);   // the filled face rectangle
    int m_nRectangle = 1;                     // 1 fills the face rectangle before drawing
    int m_nReserved = 0;

    // The bitmap face's picture, kept for ReLoadBmp.
    int GetBitmapID() const { return m_nBitmapID; }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    // The button has no owner-drawn children: passes the message on as CWnd does.
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);

private:
    void AddOwnerDraw();
    void Redraw();
    void DrawBitmapFace(CDC* pDC, CRect rect, const CString& strText, COLORREF color);
    // A font of the DC's current description with the face "新細明體" and
    // nHeight; FALSE with "不能讀字模參數" shown when it cannot be read.
    BOOL MakeFaceFont(CDC* pDC, CFont& font, int nHeight, int nWeight, BYTE nPitchAndFamily);
    // strText in the face font (nHeight, and the weight and family when not 0),
    // the DC's font restored after; FALSE when the DC's font cannot be read.
    BOOL DrawFaceText(CDC* pDC, CRect rect, const CString& strText, COLORREF color, UINT nFormat, int nHeight,
                      int nWeight = 0, BYTE nPitchAndFamily = 0);
    int m_nBitmapID = 0;

    DECLARE_MESSAGE_MAP()
};
