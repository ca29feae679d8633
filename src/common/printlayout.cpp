// The shared page scheme of the printing classes.
#include "printlayout.h"
#include "printfont.h"
#include <algorithm>
#include <cwchar>

namespace qvprint
{

namespace
{

const int kTextTwoLine = 1;
const int kSmallFont = 2;
const int kTwoLineChars = 49;
const UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const int kTitlePitchAndFamily = VARIABLE_PITCH | FF_SWISS;
const UINT kLeft = DT_LEFT;

bool IsSmallFontCell(const CfField& f)
{
    return f.nFormat == kSmallFont &&
           (f.nType == FIELD_TEXT || f.nType == FIELD_DATE_IN || f.nType == FIELD_DATE_VARIABLE);
}

bool IsTwoLineCell(const CfField& f)
{
    return f.nType == FIELD_TEXT && f.nFormat == kTextTwoLine;
}

TEXTMETRIC MetricsOf(CDC* pDC)
{
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    return tm;
}

// A group caption: its width equals its heading value.
bool IsGroupCaption(const CfField& f)
{
    return f.nWidth == f.nHead;
}

void DrawTwoLineCell(CDC* pDC, const CRect& cell, const void* pValue, int H, const DrawFn& draw)
{
    DerivedFont half(pDC, H / 2);
    wchar_t text[kTwoLineChars + 1] = {};
    wcsncpy(text, static_cast<const wchar_t*>(pValue), kTwoLineChars);
    const CString strText(text);
    const int nSpace = strText.Find(L' ');
    const int nSplit = nSpace >= 0 ? nSpace : strText.GetLength() / 2;
    CRect upper = cell, lower = cell;
    upper.bottom -= cell.Height() / 2;
    lower.top += cell.Height() / 2;
    draw(pDC, strText.Left(nSplit), upper, kLeft);
    draw(pDC, strText.Mid(nSplit), lower, kLeft);
}

}   // namespace

void NumberPositions(CfField* pField, int nCount, int nFirst, bool bSkipUnstored)
{
    int nPos = 0;
    for (int i = std::max(nFirst, 0); i < nCount && pField != nullptr; ++i)
    {
        pField[i].nPos = nPos;
        if (!bSkipUnstored || pField[i].nOffset != -1)
            nPos += pField[i].nWidth;
    }
}

void DrawCellBorder(CDC* pDC, const CRect& rect)
{
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->LineTo(rect.right, rect.top);
    pDC->LineTo(rect.left, rect.top);
}

void PrintTitleBlock(CDC* pDC, const CfField* pField, int nCount, int nLeftMargin, const CString& strTitle,
                     const CString& strDateLine, int& y)
{
    if (pField == nullptr || nCount < 1)
        return;
    const TEXTMETRIC tm = MetricsOf(pDC);
    const int H = tm.tmHeight, W = tm.tmAveCharWidth;
    const CfField& last = pField[nCount - 1];
    CRect rect(CellLeft(pField[0], W, nLeftMargin), y, (last.nWidth + last.nPos) * W + nLeftMargin, y + 2 * H);
    y = rect.bottom + H / 2;
    {
        DerivedFont titleFont(pDC, H + (2 * H) / 3, kTitlePitchAndFamily);
        pDC->DrawText(strTitle, &rect, kCentredLine);
    }
    pDC->TextOut((rect.left + rect.right) / 2, y, strDateLine);
    y += H;
}

void PrintHeadingBand(CDC* pDC, const CfField* pField, int nCount, int nLeftMargin, int& y, const DrawFn& draw)
{
    ASSERT(pField != nullptr && nCount >= 1);
    if (pField == nullptr || nCount < 1)
        return;
    const TEXTMETRIC tm = MetricsOf(pDC);
    const int H = tm.tmHeight, W = tm.tmAveCharWidth;
    int nBottom = y;
    for (int i = 0; i < nCount; ++i)
    {
        const CfField& f = pField[i];
        const int g = f.nHead;
        const int nLines = g == 0 ? 2 : 1;
        const int top = IsGroupCaption(f) ? y : y + g * H;
        nBottom = top + nLines * H;
        const CRect cell(CellLeft(f, W, nLeftMargin), top, CellRight(f, W, nLeftMargin), nBottom);
        draw(pDC, f.pszName, cell, kCentredLine);
        if (IsGroupCaption(f) && i + 1 < nCount && pField[i + 1].nWidth == f.nWidth)
        {
            // Open at the bottom: the cell below continues it.
            pDC->MoveTo(cell.left, cell.bottom);
            pDC->LineTo(cell.left, cell.top);
            pDC->LineTo(cell.right, cell.top);
            pDC->LineTo(cell.right, cell.bottom);
        }
        else
        {
            pDC->MoveTo(cell.left, cell.top);
            pDC->LineTo(cell.left, cell.bottom);
            pDC->LineTo(cell.right, cell.bottom);
            pDC->LineTo(cell.right, cell.top);
            const bool bUnderGroup = i > 0 && IsGroupCaption(pField[i - 1]) && pField[i - 1].nWidth == f.nWidth;
            if (!bUnderGroup)
                pDC->LineTo(cell.left, cell.top);
        }
    }
    y = nBottom;
}

void PrintRowCells(CDC* pDC, const CfField* pField, int nCount, int nLeftMargin, const char* pRecord, long nLength,
                   int top, int bottom, bool bVariants, const DrawDataFn& drawData, const DrawFn& draw)
{
    const TEXTMETRIC tm = MetricsOf(pDC);
    const int H = tm.tmHeight, W = tm.tmAveCharWidth;
    for (int i = 0; i < nCount; ++i)
    {
        const CfField& f = pField[i];
        if (f.nOffset == -1)
            continue;
        const CRect cell(CellLeft(f, W, nLeftMargin), top, CellRight(f, W, nLeftMargin), bottom);
        // A value past the record's end is not read: the cell stays empty.
        if (f.nOffset >= 0 && f.nOffset < nLength)
        {
            void* pValue = const_cast<char*>(pRecord) + f.nOffset;
            if (bVariants && IsSmallFontCell(f))
            {
                DerivedFont small(pDC, (2 * H) / 3);
                drawData(pDC, cell, f.nType, pValue, f.nFormat);
            }
            else if (bVariants && IsTwoLineCell(f))
            {
                DrawTwoLineCell(pDC, cell, pValue, H, draw);
            }
            else
            {
                drawData(pDC, cell, f.nType, pValue, f.nFormat);
            }
        }
        DrawCellBorder(pDC, cell);
    }
}

void PrintPageNumber(CDC* pDC, const CfField& last, UINT nPage, int y)
{
    const TEXTMETRIC tm = MetricsOf(pDC);
    CString strPage;
    strPage.Format(L"第%d頁", nPage);
    pDC->TextOut((last.nPos + last.nWidth - strPage.GetLength()) * tm.tmAveCharWidth, y, strPage);
}

}   // namespace qvprint
