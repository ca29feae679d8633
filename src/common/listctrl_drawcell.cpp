// CNewListCtrl: the parts of a cell (images, check boxes, combined blocks, split texts).
#include "common/listctrl.h"

#include <cwchar>

namespace
{

const int kImageStep = 20;     // the text moves this far right per image
const int kLineBuffer = 400;   // OneLineToTwo: the whole text, terminator included
const int kPartBuffer = 200;   // OneLineToTwo: each part, terminator included
const COLORREF kMaskRed = RGB(255, 0, 0);

}   // namespace

int CNewListCtrl::GetDTAlign(int nFormat)
{
    switch (nFormat & HEADFMT_ALIGNMASK)
    {
    case 0:
        return DT_LEFT;
    case 1:
        return DT_RIGHT;
    default:
        return DT_CENTER;
    }
}

void CNewListCtrl::OneLineToTwo(LPCTSTR lpszText, CString& strFirst, CString& strSecond, int n)
{
    wchar_t szLine[kLineBuffer] = L"";
    wchar_t szFirst[kPartBuffer] = L"";
    wchar_t szSecond[kPartBuffer] = L"";
    if (lpszText)
        wcsncpy_s(szLine, lpszText, _TRUNCATE);
    const int nLength = int(wcslen(szLine));
    if (n <= 0)
        n = nLength / 2;
    if (n > nLength)
        n = nLength;
    wcsncpy_s(szFirst, kPartBuffer, szLine, size_t(std::min(n, kPartBuffer - 1)));
    wcsncpy_s(szSecond, szLine + n, _TRUNCATE);
    strFirst = szFirst;
    strSecond = szSecond;
}

void CNewListCtrl::DrawImage(CDC* pDC, int nColumn, int nRow, CRect& rect)
{
    if (nColumn != 0)
        return;
    const CxRowIndex* pRow = RowAt(nRow);
    if (!pRow)
        return;
    int y = rect.top + 2;
    if (m_nLinesPerRow == 2 && m_pStateImages)
        y = rect.top + (rect.Height() - kImageStep) / 2;
    if (m_pStateImages)
    {
        if (!m_pStateImages->GetSafeHandle())
        {
            AfxMessageBox(L"State Image List had not been created");
            return;
        }
        const int nStateImage = int((pRow->nState & LVIS_STATEIMAGEMASK) >> 12);
        if (nStateImage)
            m_pStateImages->Draw(pDC, nStateImage - 1, CPoint(rect.left, y), ILD_TRANSPARENT);
        rect.left += kImageStep;
    }
    if (m_pSmallImages && m_pSmallImages->GetSafeHandle())
    {
        m_pSmallImages->Draw(pDC, pRow->nImage, CPoint(rect.left, y), ILD_TRANSPARENT);
        rect.left += kImageStep;
    }
}

void CNewListCtrl::DrawBoolState(CDC* pDC, const CRect& rect, int nValue)
{
    const CPoint ptCentre = rect.CenterPoint();
    const CPoint ptBox(ptCentre.x - 8, ptCentre.y - 8);
    if (m_pBoolImages && m_pBoolImages->GetSafeHandle())
    {
        m_pBoolImages->Draw(pDC, nValue, ptBox, ILD_TRANSPARENT);
        return;
    }
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int l = ptBox.x, t = ptBox.y;
    pDC->MoveTo(l, t);
    pDC->LineTo(l + 16, t);
    pDC->LineTo(l + 16, t + 16);
    pDC->LineTo(l, t + 16);
    pDC->LineTo(l, t);
    if (nValue == 1)
    {
        pDC->MoveTo(l + 4, t + 8);
        pDC->LineTo(l + 7, t + 12);
        pDC->LineTo(l + 12, t + 4);
    }
    pDC->SelectObject(pOldPen);
}

void CNewListCtrl::CreateBoolImage(CDC* pDC)
{
    if (m_pBoolImages)
        return;
    if (m_pOwnBoolImages)
    {
        m_pBoolImages = m_pOwnBoolImages;
        return;
    }
    CImageList* pImages = new CImageList;
    // Red is the mask colour: the box's corners show the cell behind them.
    if (!pImages->Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 2))
    {
        delete pImages;
        return;
    }
    CDC memDC;
    memDC.CreateCompatibleDC(pDC);
    for (int nChecked = 0; nChecked < 2; ++nChecked)
    {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(pDC, 16, 16);
        CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
        memDC.FillSolidRect(CRect(0, 0, 15, 15), kMaskRed);
        memDC.FillSolidRect(CRect(1, 1, 14, 14), RGB(0, 0, 0));
        memDC.FillSolidRect(CRect(2, 2, 13, 13), RGB(255, 255, 255));
        if (nChecked)
        {
            CPen pen(PS_SOLID, 2, RGB(0, 0, 0));
            CPen* pOldPen = memDC.SelectObject(&pen);
            memDC.MoveTo(4, 6);
            memDC.LineTo(7, 10);
            memDC.LineTo(12, 4);
            memDC.SelectObject(pOldPen);
        }
        memDC.SelectObject(pOldBitmap);
        pImages->Add(&bitmap, kMaskRed);
    }
    m_pOwnBoolImages = pImages;
    m_pBoolImages = pImages;
}

void CNewListCtrl::DrawCombine(CDC* pDC, int nColumn, int nRow)
{
    if (nRow < 0 || nRow >= m_nRowCount)
        return;
    int nFirst = nRow, nLast = nRow;
    GetRowRange(nColumn, nRow, nFirst, nLast);
    CRect rcHeader;
    if (!GetHeaderRect(nColumn, rcHeader) || rcHeader.Width() == 0)
        return;

    CRect rcBlock;
    rcBlock.top = RowToYPos(nFirst) - GetScrollPos(SB_VERT);
    rcBlock.bottom = rcBlock.top + (nLast - nFirst + 1) * m_nRowHeight;
    rcBlock.left = rcHeader.left - GetScrollPos(SB_HORZ);
    rcBlock.right = rcBlock.left + rcHeader.Width();
    const SavedColours saved(pDC);
    const CxRowIndex* pRow = RowAt(nRow);
    const COLORREF crBack = pRow && pRow->crColor ? pRow->crColor : m_crList;
    CRect rcInner = PaintCellBox(pDC, rcBlock, IsHighlighted(nColumn, nFirst, nLast), crBack, FindCell(pRow, nColumn));

    const CxHeadItemIndex* pNode = m_pHeadWnd->GetHeadParam(nColumn);
    const UINT nAlign = pNode ? UINT(pNode->nFormat & HEADFMT_ALIGNMASK) : DT_LEFT;
    pDC->DrawText(CellText(FindCell(pRow, nColumn)), -1, &rcInner, nAlign | DT_VCENTER | DT_SINGLELINE);
}
