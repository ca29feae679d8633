// CNewTreeListCtrl painting: the tree's own lines, buttons and images in
// column 0, the column texts of every visible row in the header's layout.
#include "control/newtreelistctrl.h"

namespace
{

const int kFormatCenter = 2;
const int kTextPadding = 2;   // on each side of a cell's text
const wchar_t kEllipsis[] = L"...";

UINT AlignFlag(int nAlign)
{
    if (nAlign == 0)
        return DT_LEFT;
    return nAlign == kFormatCenter ? DT_CENTER : DT_RIGHT;
}

// The longest start of strText that fits nRoom pixels with "..." after it; empty when none does.
CString CutWithEllipsis(CDC* pDC, const CString& strText, int nRoom)
{
    const CString strDots(kEllipsis);
    const int nDots = pDC->GetTextExtent(strDots).cx;
    int nFit = 0;
    SIZE size{};
    if (nRoom > nDots)
        ::GetTextExtentExPointW(pDC->GetSafeHdc(), strText.GetString(), strText.GetLength(), nRoom - nDots, &nFit,
                                nullptr, &size);
    for (int nKeep = nFit < strText.GetLength() ? nFit : strText.GetLength() - 1; nKeep > 0; --nKeep)
    {
        const CString strCut = strText.Left(nKeep) + strDots;
        if (pDC->GetTextExtent(strCut).cx <= nRoom)
            return strCut;
    }
    return CString();
}

}   // namespace

void CNewTreeListCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    // Drawn off screen, then copied at once: the tree part and the texts do not flicker.
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height()))
    {
        OnDraw(&dc);
        return;
    }
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    OnDraw(&memDC);
    dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOldBitmap);
}

void CNewTreeListCtrl::DrawBack(CDC* pDC, COLORREF crBack)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, crBack);
}

std::vector<CNewTreeListCtrl::ColumnCell> CNewTreeListCtrl::CollectColumns(int nClientWidth) const
{
    std::vector<ColumnCell> cells;
    if (m_nColumns == 0)
    {
        // No header columns: column 0 is the whole row.
        cells.push_back(ColumnCell{m_nOffset, nClientWidth, 0});
        return cells;
    }
    int nLeft = m_nOffset;
    for (int nCol = 0; nCol < m_nColumns; ++nCol)
    {
        const int nWidth = GetColumnWidth(nCol);
        cells.push_back(ColumnCell{nLeft, nWidth, GetColumnAlign(nCol)});
        nLeft += nWidth;
    }
    return cells;
}

void CNewTreeListCtrl::OnDraw(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    DrawBack(pDC, ::GetSysColor(COLOR_WINDOW));
    const std::vector<ColumnCell> cells = CollectColumns(rcClient.Width());
    DrawTreePart(pDC, rcClient, cells[0].nWidth);

    CFont* pFont = GetFont();
    if (pFont == nullptr)
        pFont = CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    LOGFONT logFont{};
    CFont boldFont;
    if (pFont->GetLogFont(&logFont) != 0)
    {
        logFont.lfWeight = FW_BOLD;
        boldFont.CreateFontIndirect(&logFont);
    }
    const int nSaved = pDC->SaveDC();
    pDC->SelectObject(pFont);
    pDC->SetBkMode(TRANSPARENT);
    for (HTREEITEM hItem = GetFirstVisibleItem(); hItem != nullptr; hItem = GetNextVisibleItem(hItem))
    {
        CRect rcRow;
        if (!GetItemRect(hItem, &rcRow, FALSE) || rcRow.top >= rcClient.bottom)
            break;
        DrawRow(pDC, hItem, cells, rcClient.Width(), boldFont.GetSafeHandle() != nullptr ? &boldFont : pFont);
        pDC->SelectObject(pFont);
    }
    pDC->RestoreDC(nSaved);
}

void CNewTreeListCtrl::DrawTreePart(CDC* pDC, const CRect& rcClient, int nFirstWidth)
{
    CDC treeDC;
    CBitmap bitmap;
    if (!treeDC.CreateCompatibleDC(pDC) || !bitmap.CreateCompatibleBitmap(pDC, rcClient.Width(), rcClient.Height()))
        return;
    CBitmap* pOldBitmap = treeDC.SelectObject(&bitmap);
    // The tree control paints into the given device context: lines, buttons, images, its labels.
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(treeDC.GetSafeHdc()), 0);
    const int nWidth = nFirstWidth < rcClient.Width() ? nFirstWidth : rcClient.Width();
    if (nWidth > 0)
        pDC->BitBlt(m_nOffset, 0, nWidth, rcClient.Height(), &treeDC, 0, 0, SRCCOPY);
    treeDC.SelectObject(pOldBitmap);
}

void CNewTreeListCtrl::DrawRow(CDC* pDC, HTREEITEM hItem, const std::vector<ColumnCell>& cells, int nClientWidth,
                               CFont* pBold)
{
    const NewTreeItemInfo* pInfo = GetItemInfo(hItem);
    if (pInfo == nullptr)
        return;   // an item of the base class: the tree drew its own label
    CRect rcRow;
    CRect rcLabel;
    GetItemRect(hItem, &rcRow, FALSE);
    GetItemRect(hItem, &rcLabel, TRUE);
    const bool bSelected = (GetItemState(hItem, TVIS_SELECTED) & TVIS_SELECTED) != 0;
    const COLORREF crBack = ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    pDC->SetTextColor(bSelected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : pInfo->m_crText);
    if (pInfo->m_bBold)
        pDC->SelectObject(pBold);

    // Column 0: the text from the tree's label position to the column's end.
    const CRect rcFirst(rcLabel.left + m_nOffset, rcRow.top, cells[0].nLeft + cells[0].nWidth, rcRow.bottom);
    if (rcFirst.right > rcFirst.left)
    {
        pDC->FillSolidRect(&rcFirst, crBack);
        DrawItemText(pDC, pInfo->GetColumnText(0), rcFirst, rcFirst.Width(), cells[0].nAlign);
    }
    for (size_t nCol = 1; nCol < cells.size(); ++nCol)
    {
        const ColumnCell& cell = cells[nCol];
        if (cell.nLeft >= nClientWidth || cell.nLeft + cell.nWidth <= 0)
            continue;
        const CRect rcCell(cell.nLeft, rcRow.top, cell.nLeft + cell.nWidth, rcRow.bottom);
        if (bSelected)
            pDC->FillSolidRect(&rcCell, crBack);
        DrawItemText(pDC, pInfo->GetColumnText(int(nCol)), rcCell, cell.nWidth, cell.nAlign);
    }
}

void CNewTreeListCtrl::DrawItemText(CDC* pDC, CString strText, CRect rect, int nWidth, int nAlign)
{
    if (rect.IsRectEmpty() || strText.IsEmpty())
        return;
    const int nRoom = nWidth - 2 * kTextPadding;
    if (pDC->GetTextExtent(strText).cx > nRoom)
    {
        strText = CutWithEllipsis(pDC, strText, nRoom);
        if (strText.IsEmpty())
            return;
    }
    rect.DeflateRect(kTextPadding, 0);
    pDC->DrawText(strText, &rect, DT_VCENTER | DT_SINGLELINE | AlignFlag(nAlign));
}
