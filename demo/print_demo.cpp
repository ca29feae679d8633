// The demo's patient list printing and day report dialog.
#include "print_demo.h"
#include "control/dlgprintdlg.h"
#include "control/listprint.h"
#include "control/printframe.h"
#include "tour.h"

#include <cstddef>
#include <string>

namespace {

#pragma pack(push, 1)
struct PrintedPatient
{
    wchar_t chartNo[8];
    wchar_t name[8];
    wchar_t city[8];
    wchar_t phone[16];
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
    int age;
};
const PatientText kPatients[] = {
    { L"A00125", L"王小明", L"台北市", L"02-2511-3344", 42 }, { L"A00131", L"李美玲", L"台北市", L"02-2717-0021", 35 },
    { L"A00207", L"陳志豪", L"台北市", L"02-2363-9090", 58 }, { L"B01002", L"林怡君", L"新竹市", L"03-571-2121", 29 },
    { L"B01017", L"黃建國", L"新竹市", L"03-532-8800", 67 }, { L"C02210", L"張淑芬", L"台中市", L"04-2258-1234", 51 },
    { L"C02245", L"吳俊傑", L"台中市", L"04-2328-7766", 8 },  { L"E03301", L"蔡雅婷", L"高雄市", L"07-281-5566", 44 },
    { L"E03388", L"鄭文雄", L"高雄市", L"07-556-3030", 73 },
};
// The list repeats the sample patients to fill two pages.
const long kPrintedRows = 45;

CfField g_listFields[] = {
    { 8, L"病歷號", offsetof(PrintedPatient, chartNo), FIELD_TEXT, 0, 0, 0 },
    { 8, L"姓名", offsetof(PrintedPatient, name), FIELD_TEXT, 0, 0, 0 },
    { 8, L"縣市", offsetof(PrintedPatient, city), FIELD_TEXT, 0, 0, 0 },
    { 14, L"電話", offsetof(PrintedPatient, phone), FIELD_TEXT, 0, 0, 0 },
    { 6, L"年齡", offsetof(PrintedPatient, age), FIELD_INT, 0, 0, 0 },
    { 10, L"掛號費", offsetof(PrintedPatient, fee), FIELD_DOUBLE, 0, 0, 0 },
    { 6, L"健保", offsetof(PrintedPatient, insured), FIELD_YESNO, 0, 0, 0 },
};
const int kListFields = static_cast<int>(std::size(g_listFields));

CString PatientItemText(long nRow, int nField)
{
    const PatientText& p = kPatients[nRow % std::size(kPatients)];
    CString text;
    switch (nField) {
    case 0: text.Format(L"%s%02ld", p.chartNo, nRow / static_cast<long>(std::size(kPatients))); break;
    case 1: text = p.name; break;
    case 2: text = p.city; break;
    case 3: text = p.phone; break;
    case 4: text.Format(L"%d", p.age); break;
    case 5: text = p.age < 12 || p.age > 64 ? L"50" : L"150"; break;
    case 6: text = nRow % 3 ? L"是" : L"否"; break;
    default: break;
    }
    return text;
}

// A body font of the list printer's size 10 in the Ming face (Big5, so that
// the printer driver embeds the face for the Chinese text).
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
        SelectBodyFont(pDC, m_font, GetRealFontHeight(pDC, 10));
        CListPrint::OnBeginPrinting(pDC, pInfo);
    }

private:
    CFont m_font;
};

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
        GetParentFrame()->DestroyWindow();  // the frame was made for the preview
    }
    using CView::OnFilePrint;
    using CView::OnFilePrintPreview;

private:
    CPatientListPrint m_print;
    BOOL m_bDirect;
    CString m_strDocName;
};

CPatientListView* CreateListFrame(BOOL bDirect, LPCTSTR lpszDocName, DWORD dwStyle)
{
    auto* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, L"病患清單 - 預覽列印", dwStyle, CRect(60, 40, 900, 760))) {
        delete pFrame;
        return nullptr;
    }
    auto* pView = new CPatientListView(bDirect, lpszDocName);
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, AFX_IDW_PANE_FIRST)) {
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
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DLGPRINT_BEGINPRINTING && wParam != 0) {
            auto* pDC = reinterpret_cast<CDC*>(wParam);
            SelectBodyFont(pDC, m_font, static_cast<int>(pDC->GetDeviceCaps(LOGPIXELSY) * 3.7 / 25.4));
        }
        return CDlgPrintDlg::WindowProc(message, wParam, lParam);
    }

private:
    CFont m_font;
};

std::wstring OutputFolder()
{
    wchar_t unixPath[MAX_PATH] = L"";
    if (GetEnvironmentVariableW(L"QV_OUT", unixPath, MAX_PATH) == 0)
        return L".";
    std::wstring path = unixPath;
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path.size() > 1 && path[1] == L':' ? path : L"Z:" + path;
}

// The Unix path of a Windows path on drive Z:.
std::wstring UnixPath(std::wstring path)
{
    if (path.size() > 2 && path[1] == L':')
        path = path.substr(2);
    for (wchar_t& c : path)
        if (c == L'\\') c = L'/';
    return path;
}

// The newest complete PDF of the job in the queue's folder, or empty.
std::wstring WaitForPdf(const std::wstring& jobName)
{
    wchar_t unixFolder[MAX_PATH] = L"/root/PDF";
    GetEnvironmentVariableW(L"QV_PDF_DIR", unixFolder, MAX_PATH);
    std::wstring folder = L"Z:" + std::wstring(unixFolder);
    for (wchar_t& c : folder)
        if (c == L'/') c = L'\\';
    for (int i = 0; i < 600; ++i) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + L"\\*" + jobName + L"*.pdf").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            FindClose(find);
            const std::wstring path = folder + L"\\" + data.cFileName;
            CFile file;
            if (file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone) && file.GetLength() > 32) {
                char tail[33] = {};
                file.Seek(-32, CFile::end);
                file.Read(tail, 32);
                if (strstr(tail, "%%EOF") != nullptr)
                    return path;
            }
        }
        Sleep(100);
    }
    return {};
}

// Renders page 1 of the PDF to a PNG with poppler's pdftoppm (a Unix program).
void WritePagePng(const std::wstring& pdf, const std::wstring& png)
{
    std::wstring root = UnixPath(png);
    root.resize(root.size() - 4);  // pdftoppm adds ".png"
    std::wstring command = L"/usr/bin/pdftoppm -png -singlefile -r 60 -f 1 -l 1 \"" + UnixPath(pdf) + L"\" \"" + root + L"\"";
    STARTUPINFOW si = { sizeof si };
    PROCESS_INFORMATION pi = {};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        for (int i = 0; i < 100 && GetFileAttributesW(png.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
            Sleep(100);
    }
}

}  // namespace

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
    if (CPatientListView* pView = CreateListFrame(FALSE, L"QVDemo_patients", WS_OVERLAPPEDWINDOW | WS_VISIBLE))
        pView->OnFilePrintPreview();
}

void ShowDayReport(CWnd* pParent)
{
    CDayReportDlg dialog(pParent);
    dialog.DoModal();
}

bool RunPrintTour()
{
    const std::wstring jobName = L"QVDemo_patients_" + std::to_wstring(GetTickCount64() % 1000000);
    PrintPatientList(TRUE, jobName.c_str());
    const std::wstring pdf = WaitForPdf(jobName);
    const std::wstring out = OutputFolder();
    if (!pdf.empty()) {
        CopyFileW(pdf.c_str(), (out + L"\\demo-patients.pdf").c_str(), FALSE);
        CreateDirectoryW((out + L"\\screens").c_str(), nullptr);
        WritePagePng(pdf, out + L"\\screens\\demo-print-page1.png");
    }
    // The day report's preview, as the dialog's preview button opens it.
    CDayReportDlg dialog(AfxGetMainWnd());
    if (dialog.Create(IDD_DLGPRINTDLG, AfxGetMainWnd())) {
        dialog.SendMessage(WM_COMMAND, ID_DLGPRINT_PREVIEW);
        if (HWND hFrame = ::FindWindowW(nullptr, L"Curve Print Preview")) {
            ::UpdateWindow(hFrame);
            SaveDemoScreenshot(hFrame, L"demo-print-preview");
            ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
        }
        dialog.DestroyWindow();
    }
    return !pdf.empty();
}
