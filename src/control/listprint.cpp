// CListPrint: the page model, layouts and the pages of a list.
#include "listprint.h"
#include "common/printlayout.h"
#include "common/printpage.h"
#include <algorithm>

namespace
{

const int kDefaultLeftMargin = 50;
const int kDefaultTextScale = 10;
// The body font's size number, and its line spacing of 7/4.
const int kBodyFontSize = 10;
const int kMarginChars = 5;
// Lines kept free of rows: title, heading band and foot.
const int kReservedLines = 8;
const int kSpareRows = 4;
const int kMaxPages = 0xFFFE;   // the print info counts pages in 16 bits

// Character heights of the font size numbers, in millimetres.
const double kSizeMillimetres[] = {14.8, 12.7, 9.17, 8.47, 7.76, 6.35, 5.64, 5.29,
                                   4.94, 4.23, 3.7,  3.17, 2.65, 2.29, 1.94, 1.76};
const double kMillimetresPerInch = 25.4;

}   // namespace

CListPrint::CListPrint()
    : m_nScreenResX(0), m_nScreenResY(0), m_nPrinterResX(0), m_nPrinterResY(0), m_pTitleField(nullptr),
      m_nTitleField(0), m_pTailField(nullptr), m_nTailField(0), m_nRowsPerPage(0), m_nTextScale(kDefaultTextScale)
{
    m_nLeftMargin = kDefaultLeftMargin;
    m_pField = nullptr;
    m_nDocLength = 0;
}

CListPrint::~CListPrint() = default;

void CListPrint::SetPrintField(CfField* pField, int nCount)
{
    m_pField = pField;
    m_nField = nCount;
    qvprint::NumberPositions(pField, nCount, 0, true);
}

void CListPrint::SetPrintTitleField(CfField* pField, int nCount)
{
    m_pTitleField = pField;
    m_nTitleField = nCount;
    qvprint::NumberPositions(pField, nCount, 0, false);
}

void CListPrint::SetPrintTailField(CfField* pField, int nCount, int nFirst)
{
    m_pTailField = pField;
    m_nTailField = nCount;
    qvprint::NumberPositions(pField, nCount, nFirst, false);
}

BOOL CListPrint::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->m_bPreview = FALSE;
    return AfxDoPreparePrinting(pInfo, nullptr);
}

int CListPrint::GetRealFontHeight(CDC* pDC, int nSize)
{
    if (m_nPrinterResY < 1)
        m_nPrinterResY = pDC->GetDeviceCaps(LOGPIXELSY);
    const double mm = (nSize >= 0 && nSize < static_cast<int>(std::size(kSizeMillimetres)))
                          ? kSizeMillimetres[nSize]
                          : kSizeMillimetres[kBodyFontSize];
    return static_cast<int>(m_nPrinterResY * mm / kMillimetresPerInch);
}

void CListPrint::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    m_nPrinterResX = pDC->GetDeviceCaps(LOGPIXELSX);
    m_nPrinterResY = pDC->GetDeviceCaps(LOGPIXELSY);
    const int h = GetRealFontHeight(pDC, kBodyFontSize);
    m_nLeftMargin = kMarginChars * tm.tmAveCharWidth;
    m_nLineHeight = (7 * h) / 4;
    m_nRowsPerPage = m_nLineHeight > 0
                         ? (pDC->GetDeviceCaps(VERTRES) - kReservedLines * m_nLineHeight) / m_nLineHeight - kSpareRows
                         : 0;
    if (m_nRowsPerPage < 1)
    {
        AfxMessageBox(L"Paper is too short!");
        pInfo->SetMaxPage(0);
        return;
    }
    const long nPages = (GetRecordCount() - 1 + m_nRowsPerPage) / m_nRowsPerPage;
    pInfo->SetMaxPage(static_cast<UINT>(std::clamp(nPages, 0L, static_cast<long>(kMaxPages))));
    pInfo->m_nCurPage = 1;
}

void CListPrint::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    int y = 0;
    PrintTitle(pDC, y);
    PrintHead(pDC, y);
    m_nCurrentY = y;
    PrintBody(pDC, pInfo);
}

void CListPrint::PrintHead(CDC* pDC, int& y)
{
    qvprint::PrintHeadingBand(pDC, m_pField, m_nField, m_nLeftMargin, y,
                              [this](CDC* pDrawDC, const CString& strText, CRect rect, UINT nFormat)
                              { Draw(pDrawDC, strText, rect, nFormat); });
}

void CListPrint::PrintTail(CDC* /*pDC*/, int& /*y*/, int /*nUnused*/) {}

void CListPrint::PrintBody(CDC* pDC, CPrintInfo* pInfo)
{
    qvprint::PrintPageBody(*this, pDC, pInfo, m_pField, m_nField);
}

void CListPrint::ScreenToPrinter(CRect& rect)
{
    if (m_nScreenResX == 0 || m_nScreenResY == 0 || m_nPrinterResX == 0 || m_nPrinterResY == 0)
        return;
    rect.left = rect.left * m_nPrinterResX / m_nScreenResX;
    rect.right = rect.right * m_nPrinterResX / m_nScreenResX;
    rect.top = rect.top * m_nPrinterResY / m_nScreenResY;
    rect.bottom = rect.bottom * m_nPrinterResY / m_nScreenResY;
}
