// CDlgPrintDlg: its commands, the relayed print steps and its page scheme.
#include "dlgprintdlg.h"
#include "printframe.h"
#include "common/printlayout.h"
#include "common/printpage.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CDlgPrintDlg, CDialog)
    ON_COMMAND(ID_DLGPRINT_PREVIEW, OnPrintPreview)
    ON_COMMAND(ID_DLGPRINT_WORKPRINT, OnWorkPrint)
    ON_MESSAGE(WM_DLGPRINT_BEGINPRINTING, OnBeginPrinting)
    ON_MESSAGE(WM_DLGPRINT_PRINTPAGE, OnMyPrint)
    ON_MESSAGE(WM_DLGPRINT_ENDPRINTING, OnEndPrinting)
END_MESSAGE_MAP()

namespace
{

const int kDefaultLeftMargin = 50;
const int kMarginChars = 5;
const int kReservedLines = 8;
const int kSpareRows = 1;
const int kMaxPages = 0xFFFE;

}   // namespace

CDlgPrintDlg::CDlgPrintDlg(CWnd* pParentWnd) : CDialog(IDD_DLGPRINTDLG, pParentWnd)
{
    Init();
}

CDlgPrintDlg::CDlgPrintDlg(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd)
{
    Init();
}

void CDlgPrintDlg::Init()
{
    m_nPrinterResX = m_nPrinterResY = 0;
    m_nRowsPerPage = 0;
    m_nLineHeight = 0;
    m_nLeftMargin = kDefaultLeftMargin;
    m_pPrintField = nullptr;
    m_nPrintField = 0;
    m_pTailField = nullptr;
    m_nTailField = 0;
    m_nCurrentY = 0;
    m_nRecordLength = 0;
}

CPrintFrame* CDlgPrintDlg::OpenFrame()
{
    auto* pFrame = new CPrintFrame;
    pFrame->m_pOwnerDialog = this;
    if (!pFrame->Create(nullptr, L"Curve Print Preview", WS_OVERLAPPEDWINDOW, CRect(0, 0, 0, 0)))
    {
        // A frame whose window never existed is not deleted by its window.
        if (pFrame->m_hWnd == nullptr && !::IsWindow(pFrame->GetSafeHwnd()))
            delete pFrame;
        return nullptr;
    }
    return pFrame;
}

void CDlgPrintDlg::OnPrintPreview()
{
    if (CPrintFrame* pFrame = OpenFrame(); pFrame != nullptr && pFrame->m_pView != nullptr)
        pFrame->m_pView->StartPreview();
}

void CDlgPrintDlg::OnWorkPrint()
{
    if (CPrintFrame* pFrame = OpenFrame(); pFrame != nullptr && pFrame->m_pView != nullptr)
        pFrame->m_pView->StartPrinting();
}

LRESULT CDlgPrintDlg::OnBeginPrinting(WPARAM wParam, LPARAM lParam)
{
    auto* pDC = reinterpret_cast<CDC*>(wParam);
    auto* pInfo = reinterpret_cast<CPrintInfo*>(lParam);
    if (pDC == nullptr || pInfo == nullptr)
        return 1;
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    m_nLeftMargin = kMarginChars * tm.tmAveCharWidth;
    m_nLineHeight = (7 * tm.tmHeight) / 4;
    m_nRowsPerPage = m_nLineHeight > 0
                         ? (pDC->GetDeviceCaps(VERTRES) - kReservedLines * m_nLineHeight) / m_nLineHeight - kSpareRows
                         : 0;
    m_nPrinterResX = pDC->GetDeviceCaps(LOGPIXELSX);
    m_nPrinterResY = pDC->GetDeviceCaps(LOGPIXELSY);
    const long nCount = GetRecordCount();
    if (m_nRowsPerPage < 1)
    {
        // Not one row fits: as the list printer says, nothing is printed.
        AfxMessageBox(L"Paper is too short!");
        pInfo->SetMaxPage(0);
    }
    else if (nCount < 1)
    {
        pInfo->SetMaxPage(0);
    }
    else
    {
        const long nPages = (nCount - 1 + m_nRowsPerPage) / m_nRowsPerPage;
        pInfo->SetMaxPage(static_cast<UINT>(std::min(nPages, static_cast<long>(kMaxPages))));
        pInfo->m_nCurPage = 1;
    }
    return 1;
}

LRESULT CDlgPrintDlg::OnMyPrint(WPARAM wParam, LPARAM lParam)
{
    auto* pDC = reinterpret_cast<CDC*>(wParam);
    auto* pInfo = reinterpret_cast<CPrintInfo*>(lParam);
    if (pDC == nullptr || pInfo == nullptr)
        return 1;
    int y = 0;
    PrintTitle(pDC, y);
    PrintHead(pDC, y);
    m_nCurrentY = y;
    PrintBody(pDC, pInfo);
    return 1;
}

LRESULT CDlgPrintDlg::OnEndPrinting(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return 1;
}

void CDlgPrintDlg::PrintTitle(CDC* pDC, int& y)
{
    if (m_pPrintField == nullptr || m_nPrintField < 1)
        return;
    CString strTitle = m_strTitle;
    if (strTitle.IsEmpty() && m_hWnd != nullptr)
        GetWindowText(strTitle);
    const CTime now = CTime::GetCurrentTime();
    CString strDate;
    strDate.Format(L"打印日期：%04d年%02d月%02d日", now.GetYear(), now.GetMonth(), now.GetDay());
    qvprint::PrintTitleBlock(pDC, m_pPrintField, m_nPrintField, m_nLeftMargin, strTitle, strDate, y);
}

void CDlgPrintDlg::PrintHead(CDC* pDC, int& y)
{
    qvprint::PrintHeadingBand(pDC, m_pPrintField, m_nPrintField, m_nLeftMargin, y,
                              [this](CDC* pDrawDC, const CString& strText, CRect rect, UINT nFormat)
                              { Draw(pDrawDC, strText, rect, nFormat); });
}

void CDlgPrintDlg::PrintBody(CDC* pDC, CPrintInfo* pInfo)
{
    qvprint::PrintPageBody(*this, pDC, pInfo, m_pPrintField, m_nPrintField);
}

void CDlgPrintDlg::PrintRecord(CDC* pDC, long nRow, int /*nUnused*/)
{
    qvprint::PrintRecordRow(*this, pDC, nRow, m_pPrintField, m_nPrintField);
}

void CDlgPrintDlg::PrintTail(CDC* /*pDC*/, int& /*y*/, int /*nUnused*/) {}

void CDlgPrintDlg::DrawData(CDC* pDC, CRect rect, int nType, void* pValue, int nFormat)
{
    const CString strText = CField::GetFieldString(static_cast<char*>(pValue), nType, nFormat);
    UINT nAlign = DT_LEFT;
    switch (nType)
    {
    case FIELD_FLOAT:
    case FIELD_DOUBLE:
    case FIELD_INT:
    case FIELD_LONG:
    case FIELD_DOUBLE_TRIM:
        nAlign = DT_RIGHT;
        break;
    case FIELD_TEXT_IN:
        nAlign = DT_CENTER;
        break;
    default:
        break;
    }
    Draw(pDC, strText, rect, nAlign);
}

void CDlgPrintDlg::Draw(CDC* pDC, const CString& strText, CRect rect, UINT nFormat)
{
    pDC->MoveTo(rect.right, rect.top);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->DrawText(strText, &rect, nFormat | DT_VCENTER | DT_SINGLELINE);
}

long CDlgPrintDlg::GetRecordCount()
{
    return 0;
}

long CDlgPrintDlg::GetRecordLength()
{
    return m_nRecordLength;
}

void CDlgPrintDlg::SetRecordLength(int nLength)
{
    m_nRecordLength = nLength;
}

CString CDlgPrintDlg::GetItemText(long /*nRow*/, int /*nField*/)
{
    return CString();
}

int CDlgPrintDlg::GetRecord(long nRow, char* pRecord)
{
    if (nRow < 0 || nRow >= GetRecordCount() || pRecord == nullptr)
        return 0;
    const long nLength = GetRecordLength();
    for (int i = 0; i < m_nPrintField && m_pPrintField != nullptr; ++i)
    {
        const CfField& f = m_pPrintField[i];
        // Values that would start outside the record are not stored.
        if (f.nOffset < 0 || f.nOffset >= nLength)
            continue;
        CField::TextToRecord(GetItemText(nRow, i), f.nType, f.nOffset, pRecord);
    }
    return 1;
}

void CDlgPrintDlg::SetPrintField(CfField* pField, int nCount)
{
    m_pPrintField = pField;
    m_nPrintField = nCount;
    qvprint::NumberPositions(pField, nCount, 0, true);
}

void CDlgPrintDlg::SetPrintTailField(CfField* pField, int nCount, int nFirst)
{
    m_pTailField = pField;
    m_nTailField = nCount;
    qvprint::NumberPositions(pField, nCount, nFirst, false);
}
