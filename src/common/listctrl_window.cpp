// CNewListCtrl: construction, the window's life, its header, enlarged mode.
#include "common/listctrl.h"

#include <algorithm>

#include "common/listfont.h"

namespace
{

const int kBaseFontHeight = 16;         // widths are given for this font height
const long long kMaxExtent = 1 << 20;   // no column or group span grows past this many pixels

// A width or span grown in proportion to the font: computed wide and kept
// in bounds, so that repeated enlargement never overflows.
int ScaledToFont(int nPixels, int nFontHeight)
{
    return int(std::min<long long>((long long)nPixels * nFontHeight / kBaseFontHeight, kMaxExtent));
}

}   // namespace

IMPLEMENT_DYNAMIC(CNewListCtrl, CWnd)

BEGIN_MESSAGE_MAP(CNewListCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(UM_ENLARGE, OnEnlarge)
    ON_MESSAGE(UM_HEADSIZE, OnHeadSize)
    ON_MESSAGE(LVM_SETIMAGELIST, OnSetImageList)
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
    ON_EN_KILLFOCUS(LIST_EDIT_ID, OnKillfocusEdit)
    ON_MESSAGE(UM_COMBOSELECTION, OnListSelchangedComboBox)
    ON_MESSAGE(LVM_HITTEST, OnHittest)
    ON_NOTIFY(HDN_ITEMCLICKW, LIST_HEADER_ID, OnHeadItemClick)
    ON_NOTIFY(HDN_ITEMDBLCLICKW, LIST_HEADER_ID, OnHeadItemDblClick)
    // Tools flagged TTF_IDISHWND carry a window handle as their id: any id.
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFFFFFFu, OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFFFFFFu, OnToolTipText)
END_MESSAGE_MAP()

CNewListCtrl::CNewListCtrl() : m_pHeadWnd(new CHeadWnd), m_crList(::GetSysColor(COLOR_WINDOW))
{
    InitImageList();
}

CNewListCtrl::~CNewListCtrl()
{
    ReleaseImageList();
    delete m_pOwnBoolImages;
    if (m_pEdit)
    {
        m_pEdit->DestroyWindow();
        delete m_pEdit;
    }
    Free();
    delete m_pHeadWnd;
}

BOOL CNewListCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    // Painting the rows must not paint over the header and the editor.
    cs.style |= LVS_REPORT | WS_CLIPCHILDREN;
    return CWnd::PreCreateWindow(cs);
}

BOOL CNewListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CWnd::Create(nullptr, L"", dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CNewListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                            CCreateContext*)
{
    return CWnd::CreateEx(dwExStyle, nullptr, L"", dwStyle, rect, pParentWnd, nID);
}

int CNewListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_dwStyle = DWORD(lpCreateStruct->style);
    if ((m_dwStyle & LVS_REPORT) && !m_pHeadWnd->GetSafeHwnd())
    {
        CRect rcHeader(0, 0, 600, 24);
        if (m_nEnlarged && m_pHeadWnd->GetHeight() != 24)
            rcHeader.bottom = m_pHeadWnd->GetHeight();
        m_pHeadWnd->Create(WS_CHILD | WS_VISIBLE, rcHeader, this, LIST_HEADER_ID);
    }
    return 0;
}

BOOL CNewListCtrl::DestroyWindow()
{
    HideEditWnd();
    return CWnd::DestroyWindow();
}

void CNewListCtrl::OnDestroy()
{
    if (m_pHeadWnd->GetSafeHwnd())
        m_pHeadWnd->DestroyWindow();
    CWnd::OnDestroy();
}

void CNewListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_pHeadWnd->GetSafeHwnd())
        m_pHeadWnd->SetWindowPos(nullptr, 0, 0, cx, m_pHeadWnd->GetHeight(),
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!m_nInLayout)
        UpdateScrollSizes();
}

// A column border was dragged: the editor stays over its cell.
LRESULT CNewListCtrl::OnHeadSize(WPARAM, LPARAM lParam)
{
    m_nRowWidth = LOWORD(lParam);
    int nColumn = -1, nRow = -1;
    CString strText;
    const bool bFollow =
        IsEditLabels() && HasEditWindow() && m_pEdit->IsWindowVisible() && GetEditText(nColumn, nRow, strText);
    UpdateScrollSizes();
    if (bFollow)
    {
        MoveEditWindow(nColumn, nRow);
        if (HasEditWindow())
            m_pEdit->SetWindowText(strText);
    }
    return 1;
}

LRESULT CNewListCtrl::OnEnlarge(WPARAM, LPARAM lParam)
{
    // A size that gives no font leaves the grid as it is.
    const long long nFontHeight = (long long)lParam * kBaseFontHeight / 10;
    if (nFontHeight <= 0)
        return 0;
    m_nFontHeight = int(std::min<long long>(nFontHeight, kMaxListFontHeight));
    m_nEnlarged = 1;
    m_nLinesPerRow = 2;
    m_nEnlargedFont = 1;
    SetHeadHeight(m_nFontHeight + 12);

    // Columns and group spans grow with the font; lefts run on without group placement.
    int nLeft = 0;
    for (int nColumn = 0; nColumn < m_pHeadWnd->GetItemCount(); ++nColumn)
    {
        CxHeadItemIndex* pNode = m_pHeadWnd->GetHeadParam(nColumn);
        if (!pNode)
            continue;
        if (pNode->nWidth > 0)
            pNode->nWidth = ScaledToFont(pNode->nWidth, m_nFontHeight);
        if (pNode->nLevel >= HEADLEVEL_GROUP)
            pNode->nLevel = std::max(HEADLEVEL_GROUP, ScaledToFont(pNode->nLevel, m_nFontHeight));
        pNode->nLeft = nLeft;
        nLeft += pNode->nWidth;
    }
    if (m_pHeadWnd->GetSafeHwnd())
        m_pHeadWnd->SetWindowPos(nullptr, 0, 0, m_pHeadWnd->GetWidth(), m_pHeadWnd->GetHeight(),
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateScrollSizes();
    // The editor and the boxes take the larger font.
    m_cellFont.DeleteObject();
    if (HasEditWindow())
        ApplyCellFont(m_pEdit);
    for (int i = 0; i < m_nBoxCount; ++i)
        if (CMyComboBox* pBox = GetSelBox(i); pBox && pBox->GetSafeHwnd())
            ApplyCellFont(pBox);
    Invalidate();
    return 1;
}

void CNewListCtrl::SetHeadHeight(int nHeight)
{
    if (!m_nEnlarged)
        return;
    // Heights stay within the extents that columns keep, so two rows never overflow.
    nHeight = std::clamp(nHeight, 0, int(kMaxExtent));
    // A two-row header keeps its two rows at the new row height.
    const bool bTwoRows = m_pHeadWnd->GetHeight() > m_pHeadWnd->GetRowHeight();
    m_pHeadWnd->SetHeight(nHeight);
    m_pHeadWnd->SetTotalHeight(bTwoRows ? 2 * nHeight : nHeight);
    m_pHeadWnd->SetOwnFont(1);
}
