// CNewListCtrl: painting the grid (back layer, rows, cells).
#include "common/listctrl.h"

#include <cstdlib>
#include <cwchar>

#include "common/listfont.h"

namespace
{

const int kBackPatternRows = 20;   // fewer rows than this show bitmap 129 behind them
const UINT kBackPatternBitmap = 129;
const int kEnlargedWeight = 100;   // the two-line rows of enlarged mode use a light face

// Bitmaps behind the grid belong to the host program.
HBITMAP LoadHostBitmap(UINT nBitmapID)
{
    return ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nBitmapID));
}

}   // namespace

CNewListCtrl::SavedColours::SavedColours(CDC* pDC)
    : m_pDC(pDC), m_crText(pDC->GetTextColor()), m_crBack(pDC->GetBkColor())
{
}

CNewListCtrl::SavedColours::~SavedColours()
{
    m_pDC->SetTextColor(m_crText);
    m_pDC->SetBkColor(m_crBack);
}

void CNewListCtrl::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

BOOL CNewListCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;   // OnDraw paints every pixel of the update region
}

LRESULT CNewListCtrl::OnPrintClient(WPARAM wParam, LPARAM)
{
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam)))
        OnDraw(pDC);
    return 0;
}

// The clip box; a device context that reports none (a metafile being
// recorded) is taken to cover the client area.
CRect CNewListCtrl::PaintBox(CDC* pDC)
{
    CRect rcClip;
    if (pDC->GetClipBox(&rcClip) <= NULLREGION || rcClip.IsRectEmpty())
        GetClientRect(&rcClip);
    return rcClip;
}

void CNewListCtrl::OnDraw(CDC* pDC)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    OnDrawBack(pDC);

    const int nHorz = GetScrollPos(SB_HORZ);
    const int nVert = GetScrollPos(SB_VERT);
    if (m_pHeadWnd->GetSafeHwnd())
    {
        // The header scrolls sideways with the columns.
        CRect rcHeader;
        m_pHeadWnd->GetWindowRect(&rcHeader);
        ScreenToClient(&rcHeader);
        if (rcHeader.left != -nHorz || rcHeader.top != 0)
            m_pHeadWnd->SetWindowPos(nullptr, -nHorz, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    const CRect rcClip = PaintBox(pDC);
    CRect rcRows = rcClip;
    rcRows.OffsetRect(nHorz, nVert);
    int nFirst = 0, nLast = 0;
    RectLPtoRowRange(rcRows, nFirst, nLast, 1);

    if (m_nRowCount < kBackPatternRows)
    {
        CBitmap pattern;
        if (pattern.Attach(LoadHostBitmap(kBackPatternBitmap)))
        {
            CBrush brush(&pattern);
            pDC->FillRect(&rcClip, &brush);
        }
    }

    CFont font;
    CFont* pOldFont = nullptr;
    const int nWeight = m_nEnlarged && m_nLinesPerRow > 1 ? kEnlargedWeight : 0;
    if (CreateListFont(pDC, font, m_nFontHeight, nWeight))
        pOldFont = pDC->SelectObject(&font);

    const bool bOwnerDraw = (GetStyle() & LVS_OWNERDRAWFIXED) != 0;
    for (int nRow = nFirst; nRow <= nLast && nRow < m_nRowCount; ++nRow)
    {
        if (bOwnerDraw)
            SendOwnerDraw(pDC, nRow);
        else
            OnDrawRow(pDC, nRow);
    }

    if (pOldFont)
        pDC->SelectObject(pOldFont);
}

void CNewListCtrl::SendOwnerDraw(CDC* pDC, int nRow)
{
    CWnd* pParent = GetParent();
    if (!pParent)
        return;
    DRAWITEMSTRUCT drawItem{};
    drawItem.CtlType = ODT_LISTVIEW;
    drawItem.CtlID = UINT(GetDlgCtrlID());
    drawItem.itemID = UINT(nRow);
    drawItem.itemAction = ODA_DRAWENTIRE;
    drawItem.hwndItem = m_hWnd;
    drawItem.hDC = pDC->GetSafeHdc();
    drawItem.rcItem = RowToWndRect(pDC, nRow);
    pParent->SendMessage(WM_DRAWITEM, drawItem.CtlID, reinterpret_cast<LPARAM>(&drawItem));
}

void CNewListCtrl::OnDrawBack(CDC* pDC)
{
    const CRect rcClip = PaintBox(pDC);
    CBitmap back;
    if (m_nBackBmp == 0 || !back.Attach(LoadHostBitmap(UINT(m_nBackBmp))))
    {
        pDC->FillSolidRect(&rcClip, m_crList);
        return;
    }
    BITMAP info{};
    back.GetBitmap(&info);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    for (int x = 0; x < rcClient.right; x += info.bmWidth)
        for (int y = 0; y < rcClient.bottom; y += info.bmHeight)
            pDC->DrawState(CPoint(x, y), CSize(info.bmWidth, info.bmHeight), &back, DSS_NORMAL, nullptr);
}

void CNewListCtrl::OnDrawRow(CDC* pDC, int nRow)
{
    if (nRow < 0 || nRow >= m_nRowCount)
        return;
    CRect rcBand;
    GetClientRect(&rcBand);
    rcBand.top = RowToYPos(nRow) - GetScrollPos(SB_VERT);
    rcBand.bottom = rcBand.top + m_nRowHeight + 1;
    pDC->FillSolidRect(&rcBand, m_crList);
    for (int nColumn = 0; nColumn < m_pHeadWnd->GetItemCount(); ++nColumn)
        OnDrawItem(pDC, nColumn, nRow);
}

void CNewListCtrl::DrawRect(CDC* pDC, const CRect& rect)
{
    CPen pen(m_nGridStyle, 1, m_crGrid);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.right, rect.top);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->LineTo(rect.left, rect.bottom);
    pDC->LineTo(rect.left, rect.top);
    pDC->SelectObject(pOldPen);
}

// Only column 0 of the selected row shows the selection, and not while editing.
BOOL CNewListCtrl::IsHighlighted(int nColumn, int nFirstRow, int nLastRow)
{
    if (nColumn != 0 || m_nSelectedRow < nFirstRow || m_nSelectedRow > nLastRow)
        return FALSE;
    return !(m_pEdit && m_pEdit->GetSafeHwnd() && m_pEdit->IsWindowVisible());
}

// The frame of a cell box and its background: the selection colours when
// highlighted, else crBack with the cell's colour (if any) as text colour.
// Answers the inside of the frame. The caller keeps the DC's colours.
CRect CNewListCtrl::PaintCellBox(CDC* pDC, const CRect& rcBox, bool bHighlight, COLORREF crBack,
                                 const CxColumnIndex* pCell)
{
    DrawRect(pDC, rcBox);
    const CRect rcInner(rcBox.left + 1, rcBox.top + 1, rcBox.right, rcBox.bottom);
    if (bHighlight)
    {
        crBack = ::GetSysColor(COLOR_HIGHLIGHT);
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    else if (pCell && pCell->crColor)
        pDC->SetTextColor(pCell->crColor);
    pDC->FillSolidRect(&rcInner, crBack);
    pDC->SetBkColor(crBack);
    return rcInner;
}

void CNewListCtrl::OnDrawItem(CDC* pDC, int nColumn, int nRow)
{
    if (nRow < 0 || nRow >= m_nRowCount)
        return;
    CxColumnIndex* pCell = GetColumnIndex(nColumn, nRow);
    if (pCell && pCell->nCombine > COMBINE_NONE)
    {
        DrawCombine(pDC, nColumn, nRow);
        return;
    }
    const int y = RowToYPos(nRow) - GetScrollPos(SB_VERT);
    CRect rcHeader;
    if (!GetHeaderRect(nColumn, rcHeader) || rcHeader.Width() == 0)
        return;

    CRect rcCell;
    rcCell.left = rcHeader.left - GetScrollPos(SB_HORZ);
    rcCell.right = rcCell.left + rcHeader.Width();
    rcCell.top = y;
    rcCell.bottom = y + m_nRowHeight;
    const SavedColours saved(pDC);
    CRect rcInner = PaintCellBox(pDC, rcCell, IsHighlighted(nColumn, nRow, nRow), GetBkColor(nRow, nColumn), pCell);

    const CxHeadItemIndex* pNode = m_pHeadWnd->GetHeadParam(nColumn);
    const int nFormat = pNode ? pNode->nFormat : 0;
    DrawImage(pDC, nColumn, nRow, rcInner);
    const wchar_t* pszText = CellText(pCell);
    if (pNode && (pNode->nMask & LVCF_IMAGE))
        DrawBoolState(pDC, rcInner, _wtoi(pszText));
    else
        DrawCellText(pDC, rcInner, y, pszText, nFormat);

    if (pCell)
        DrawStateOverlay(pDC, pCell, rcCell);
    DrawRect(pDC, rcCell);
}

// The text of a cell: one line, or split over the lines of a row.
void CNewListCtrl::DrawCellText(CDC* pDC, const CRect& rcInner, int y, LPCTSTR lpszText, int nFormat)
{
    // The column keeps its alignment as a DrawText code already (see
    // InsertColumn); GetDTAlign is for list-view format codes.
    const int nStored = nFormat & HEADFMT_ALIGNMASK;
    const UINT nAlign = nStored == DT_RIGHT ? DT_RIGHT : nStored == DT_LEFT ? DT_LEFT : DT_CENTER;
    const UINT nFlags = nAlign | DT_VCENTER | DT_SINGLELINE;
    CRect rcText = rcInner;
    if (nAlign == DT_LEFT)
        rcText.left += 2;
    rcText.right -= 1;

    if (m_nLinesPerRow <= 1 || m_nEnlarged)
    {
        pDC->DrawText(lpszText, -1, &rcText, nFlags);
        return;
    }
    TEXTMETRICW metrics{};
    pDC->GetTextMetrics(&metrics);
    const int nPerLine = std::max<int>(1, rcText.Width() / (metrics.tmAveCharWidth + 1));
    const int nLineHeight = m_nRowHeight / m_nLinesPerRow;
    if (int(wcslen(lpszText)) < nPerLine)
    {
        pDC->DrawText(lpszText, -1, &rcText, nFlags);
        return;
    }
    CString strRest = lpszText;
    for (int nLine = 0; nLine < m_nLinesPerRow; ++nLine)
    {
        CString strLine, strAfter;
        if (nLine + 1 < m_nLinesPerRow)
            OneLineToTwo(strRest, strLine, strAfter, nPerLine);
        else
            strLine = strRest;
        CRect rcLine(rcText.left, y + nLine * nLineHeight, rcText.right, y + (nLine + 1) * nLineHeight);
        pDC->DrawText(strLine, &rcLine, nFlags);
        strRest = strAfter;
    }
}

// A cell with an image shows the state image of its image index, centred.
void CNewListCtrl::DrawStateOverlay(CDC* pDC, const CxColumnIndex* pCell, const CRect& rcCell)
{
    if (!(pCell->nFlags & CELL_HASIMAGE) || !m_pStateImages || !m_pStateImages->GetSafeHandle() || rcCell.Width() <= 0)
        return;
    const CPoint ptCentre = rcCell.CenterPoint();
    m_pStateImages->Draw(pDC, pCell->nImage, CPoint(ptCentre.x - 8, ptCentre.y - 8), ILD_TRANSPARENT);
}
