// The demo's patient list printing and day report dialog.
#include "print_demo.h"
#include "control/dlgprintdlg.h"
#include "control/listprint.h"
#include "control/printframe.h"
#include "output_path.h"
#include "print_demo_ids.h"
#include "resource.h"
#include "printed_pdf.h"
#include "tour.h"

#include <cstddef>
#include <string>

namespace
{

#pragma pack(push, 1)
struct PrintedPatient
{
    wchar_t chartNo[10];
    wchar_t name[8];
    wchar_t city[8];
    wchar_t phone[16];
    wchar_t note[16];
    int age;
    double fee;
    int insured;
};
#pragma pack(pop)

struct PatientText
{
    const wchar_t* chartNo;
    const wchar_t* name;
    const wchar_t* city;
    const wchar_t* phone;
    const wchar_t* note;
    int age;
};
const PatientText kPatients[] = {
    {L"A00125", L"王小明", L"台北市", L"02-2511-3344", L"高血壓 複診", 42},
    {L"A00131", L"李美玲", L"台北市", L"02-2717-0021", L"初診", 35},
    {L"A00207", L"陳志豪", L"台北市", L"02-2363-9090", L"糖尿病 追蹤", 58},
    {L"B01002", L"林怡君", L"新竹市", L"03-571-2121", L"", 29},
    {L"B01017", L"黃建國", L"新竹市", L"03-532-8800", L"術後 換藥", 67},
    {L"C02210", L"張淑芬", L"台中市", L"04-2258-1234", L"過敏", 51},
    {L"C02245", L"吳俊傑", L"台中市", L"04-2328-7766", L"預防注射", 8},
    {L"E03301", L"蔡雅婷", L"高雄市", L"07-281-5566", L"", 44},
    {L"E03388", L"鄭文雄", L"高雄市", L"07-556-3030", L"慢性病 處方", 73},
};
const long kSampleCount = static_cast<long>(std::size(kPatients));
// The list repeats the sample patients to fill two pages.
const long kPrintedRows = 45;
// The body font: the list printer's size number 10.
const int kBodyFontSize = 10;
const int kNoDecimals = 0;
const int kTwoLineText = 1;
const int kFeeChild = 50, kFeeAdult = 150;
const int kChildAge = 12, kSeniorAge = 64;

// The address caption stands over the city (a group caption: its heading value
// is its width); the note prints in two lines of a half-height font.
CfField g_listFields[] = {
    {10, L"病歷號", offsetof(PrintedPatient, chartNo), FIELD_TEXT, 0, 0, 0},
    {8, L"姓名", offsetof(PrintedPatient, name), FIELD_TEXT, 0, 0, 0},
    {8, L"地址", -1, FIELD_TEXT, 0, 0, 8},
    {8, L"縣市", offsetof(PrintedPatient, city), FIELD_TEXT, 0, 0, 1},
    {14, L"電話", offsetof(PrintedPatient, phone), FIELD_TEXT, 0, 0, 0},
    {10, L"備註", offsetof(PrintedPatient, note), FIELD_TEXT, kTwoLineText, 0, 0},
    {6, L"年齡", offsetof(PrintedPatient, age), FIELD_INT, 0, 0, 0},
    {8, L"掛號費", offsetof(PrintedPatient, fee), FIELD_DOUBLE, kNoDecimals, 0, 0},
    {6, L"健保", offsetof(PrintedPatient, insured), FIELD_YESNO, 0, 0, 0},
};
const int kListFields = static_cast<int>(std::size(g_listFields));

CString PatientItemText(long nRow, int nField)
{
    const PatientText& p = kPatients[nRow % kSampleCount];
    CString text;
    switch (nField)
    {
    case 0:
        text.Format(L"%s%02ld", p.chartNo, nRow / kSampleCount);
        break;
    case 1:
        text = p.name;
        break;
    case 3:
        text = p.city;
        break;
    case 4:
        text = p.phone;
        break;
    case 5:
        text = p.note;
        break;
    case 6:
        text.Format(L"%d", p.age);
        break;
    case 7:
        text.Format(L"%d", p.age < kChildAge || p.age > kSeniorAge ? kFeeChild : kFeeAdult);
        break;
    case 8:
        text = nRow % 3 ? L"是" : L"否";
        break;
    default:
        break;
    }
    return text;
}

// A body font in the Ming face with the Big5 character set, so that the
// printer driver embeds the face for the Chinese text.
void SelectBodyFont(CDC* pDC, CFont& font, int nHeight)
{
    font.DeleteObject();
    font.CreateFont(-nHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
    pDC->SelectObject(&font);
}

class CPatientListPrint : public CListPrint
{
public:
    CPatientListPrint()
    {
        SetPrintField(g_listFields, kListFields);
        m_strTitle = L"病患清單";
    }
    long GetRecordCount() override { return kPrintedRows; }
    long GetRecordLength() override { return sizeof(PrintedPatient); }
    CString GetItemText(long nRow, int nField) override { return PatientItemText(nRow, nField); }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        SelectBodyFont(pDC, m_font, GetRealFontHeight(pDC, kBodyFontSize));
        CListPrint::OnBeginPrinting(pDC, pInfo);
    }

private:
    CFont m_font;
};

// The view that runs the list's print job; its frame exists for the job only.
class CPatientListView : public CView
{
public:
    CPatientListView(BOOL bDirect, CString strDocName) : m_bDirect(bDirect), m_strDocName(std::move(strDocName)) {}
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->m_bDirect = m_bDirect;
        pInfo->m_strDocName = m_strDocName;
        return m_print.OnPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override { m_print.OnBeginPrinting(pDC, pInfo); }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override { m_print.OnPrint(pDC, pInfo); }
    void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView) override
    {
        CView::OnEndPrintPreview(pDC, pInfo, point, pView);
        GetParentFrame()->DestroyWindow();
    }
    using CView::OnFilePrint;
    using CView::OnFilePrintPreview;

private:
    CPatientListPrint m_print;
    BOOL m_bDirect;
    CString m_strDocName;
};

const wchar_t kListFrameTitle[] = L"病患清單 - 預覽列印";

CPatientListView* CreateListFrame(BOOL bDirect, LPCTSTR lpszDocName, DWORD dwStyle)
{
    auto* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, kListFrameTitle, dwStyle, CRect(60, 40, 900, 760)))
    {
        if (pFrame->m_hWnd == nullptr)
            delete pFrame;
        return nullptr;
    }
    auto* pView = new CPatientListView(bDirect, lpszDocName);
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, AFX_IDW_PANE_FIRST))
    {
        if (pView->m_hWnd == nullptr)
            delete pView;
        pFrame->DestroyWindow();
        return nullptr;
    }
    pFrame->SetActiveView(pView);
    pFrame->RecalcLayout();
    return pView;
}

class CDayReportDlg : public CDlgPrintDlg
{
public:
    explicit CDayReportDlg(CWnd* pParent) : CDlgPrintDlg(pParent)
    {
        SetPrintField(g_listFields, kListFields);
        SetRecordLength(sizeof(PrintedPatient));
    }
    long GetRecordCount() override { return kPrintedRows; }
    CString GetItemText(long nRow, int nField) override { return PatientItemText(nRow, nField); }

protected:
    // The job's font, chosen when the page model is set up.
    afx_msg LRESULT OnBeginPrinting(WPARAM wParam, LPARAM lParam)
    {
        if (auto* pDC = reinterpret_cast<CDC*>(wParam))
        {
            CListPrint sizes;
            SelectBodyFont(pDC, m_font, sizes.GetRealFontHeight(pDC, kBodyFontSize));
        }
        return CDlgPrintDlg::OnBeginPrinting(wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()

private:
    CFont m_font;
};

BEGIN_MESSAGE_MAP(CDayReportDlg, CDlgPrintDlg)
    ON_MESSAGE(WM_DLGPRINT_BEGINPRINTING, OnBeginPrinting)
END_MESSAGE_MAP()

// Saves a screenshot of the preview frame with that title, then closes it.
void SavePreviewAndClose(const wchar_t* pszTitle, const wchar_t* pszScreenshot)
{
    HWND hFrame = ::FindWindowW(nullptr, pszTitle);
    if (hFrame == nullptr)
        return;
    ::UpdateWindow(hFrame);
    SaveDemoScreenshot(hFrame, pszScreenshot);
    ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
}

const int kPagePngDpi = 60;

}   // namespace

void PrintPatientList(BOOL bDirect, LPCTSTR lpszDocName)
{
    CPatientListView* pView = CreateListFrame(bDirect, lpszDocName, WS_OVERLAPPEDWINDOW);
    if (pView == nullptr)
        return;
    CFrameWnd* pFrame = pView->GetParentFrame();
    pView->OnFilePrint();
    pFrame->DestroyWindow();
}

void PreviewPatientList()
{
    // CListPrint clears the preview flag, so the print dialog would come up: a
    // preview asks for no printer, it shows the default one's pages.
    if (CPatientListView* pView = CreateListFrame(TRUE, L"QVDemo_patients", WS_OVERLAPPEDWINDOW | WS_VISIBLE))
        pView->OnFilePrintPreview();
}

void ShowDayReport(CWnd* pParent)
{
    CDayReportDlg dialog(pParent);
    dialog.DoModal();
}

void RunPrintCommand(CWnd* pParent, UINT nID)
{
    switch (nID)
    {
    case ID_FILE_PRINT:
        PrintPatientList(FALSE, L"QVDemo_patients");
        break;
    case ID_FILE_PRINT_PREVIEW:
        PreviewPatientList();
        break;
    case ID_FILE_DAY_REPORT:
        ShowDayReport(pParent);
        break;
    default:
        break;
    }
}

bool RunPrintTour()
{
    const std::wstring jobName = qvtest::UniqueJobName(L"QVDemo_patients");
    PrintPatientList(TRUE, jobName.c_str());
    const std::wstring pdf = qvtest::WaitForPrintedPdf(jobName);
    if (!pdf.empty())
    {
        ::CopyFileW(pdf.c_str(), (qvtest::OutputDir() + L"\\demo-patients.pdf").c_str(), FALSE);
        qvtest::PdfPageToPng(pdf, 1, kPagePngDpi, qvtest::OutputSubdir(L"screens") + L"\\demo-print-page1.png");
    }

    PreviewPatientList();
    SavePreviewAndClose(kListFrameTitle, L"demo-print-preview");

    // The day report's preview, as the dialog's preview button opens it.
    CDayReportDlg dialog(AfxGetMainWnd());
    if (dialog.Create(IDD_DAY_REPORT, AfxGetMainWnd()))
    {
        dialog.SendMessage(WM_COMMAND, IDC_DAY_REPORT_PREVIEW);
        SavePreviewAndClose(L"Curve Print Preview", L"demo-dayreport-preview");
        dialog.DestroyWindow();
    }
    return !pdf.empty();
}
