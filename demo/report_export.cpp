// The demo's report and text exports.
#include "report_export.h"

#include <cstddef>

#include "patient_list_page.h"
#include "qvctrl.h"
#include "report_ids.h"
#include "output_path.h"

namespace
{

// The record the report template is filled from. The visit time lies at
// byte 16, where the fillers read the year of FIELD_TEXT_YEAR values.
struct ReportRecord
{
    wchar_t szChart[8];
    __time64_t tVisit;
    wchar_t szName[16];
    wchar_t szCity[8];
    wchar_t szStreet[32];
    wchar_t szPhone[16];
    int nAge;
};
static_assert(offsetof(ReportRecord, tVisit) == 16, "the fillers read the year at byte 16");

CfField g_reportFields[] = {
    {10, L"病歷號", offsetof(ReportRecord, szChart), FIELD_TEXT_YEAR, 0, 0, 0},
    {10, L"姓名", offsetof(ReportRecord, szName), FIELD_TEXT, 0, 0, 0},
    {4, L"年齡", offsetof(ReportRecord, nAge), FIELD_INT, 0, 0, 0},
    {6, L"縣市", offsetof(ReportRecord, szCity), FIELD_TEXT, 0, 0, 0},
    {20, L"街道", offsetof(ReportRecord, szStreet), FIELD_TEXT, 0, 0, 0},
    {12, L"電話", offsetof(ReportRecord, szPhone), FIELD_TEXT, 0, 0, 0},
    {10, L"就診日期", offsetof(ReportRecord, tVisit), FIELD_DATE_SLASH, 0, 0, 0},
};
const int kReportFieldCount = int(sizeof g_reportFields / sizeof g_reportFields[0]);

const wchar_t kTemplateName[] = L"report_template.htm";
const wchar_t kReportName[] = L"report.htm";
const DWORD kChromiumWaitMs = 60000;
const wchar_t kChromium[] = L"/usr/bin/chromium";
const int kPictureWidth = 800;
const int kPictureHeight = 600;
const wchar_t kReportPicture[] = L"report";

template <size_t N> void CopyText(wchar_t (&target)[N], const CString& strText)
{
    wcsncpy(target, strText, N - 1);
    target[N - 1] = 0;
}

ReportRecord MakeRecord(const PatientRowTexts& row)
{
    ReportRecord record = {};
    CopyText(record.szChart, row.strChartNo);
    CopyText(record.szName, row.strName);
    CopyText(record.szCity, row.strCity);
    CopyText(record.szStreet, row.strStreet);
    CopyText(record.szPhone, row.strPhone);
    record.nAge = _wtoi(row.strAge);
    record.tVisit = CTime(2026, 12, 7, 9, 30, 0).GetTime();
    return record;
}

CString OutputFile(const wchar_t* pszName)
{
    return CString(qvtest::OutputDir().c_str()) + L"\\" + pszName;
}

// The template travels inside the program; it is written out as a file,
// which is what the filler reads.
CString WriteTemplateFile()
{
    HRSRC hInfo = ::FindResourceW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_REPORT_TEMPLATE), RT_RCDATA);
    HGLOBAL hData = hInfo != nullptr ? ::LoadResource(AfxGetResourceHandle(), hInfo) : nullptr;
    if (hData == nullptr)
        return L"";
    CString strPath = OutputFile(kTemplateName);
    CFile file;
    if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite))
        return L"";
    file.Write(::LockResource(hData), ::SizeofResource(AfxGetResourceHandle(), hInfo));
    file.Close();
    return strPath;
}

// The Linux path of a file, as Wine maps it; empty outside Wine.
CString UnixPath(const CString& strPath)
{
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    auto pfnUnixName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* pszUnix = pfnUnixName != nullptr ? pfnUnixName(strPath) : nullptr;
    if (pszUnix == nullptr)
        return "";
    wchar_t szUnix[MAX_PATH * 2] = L"";
    ::MultiByteToWideChar(CP_UTF8, 0, pszUnix, -1, szUnix, MAX_PATH * 2 - 1);
    ::HeapFree(::GetProcessHeap(), 0, pszUnix);
    return szUnix;
}

// Runs chromium on the report. chromium is a program of the Linux side:
// Wine's start runs it by its Unix path. A profile folder of its own keeps
// it apart from other chromium runs.
bool StartChromium(const CString& strOptions, const CString& strReport, bool bWait)
{
    CString strUnixReport = UnixPath(strReport);
    if (strUnixReport.IsEmpty())
        return false;
    CString strCommand;
    strCommand.Format(L"start.exe %s/unix %s --no-sandbox --user-data-dir=/tmp/qvdemo-chromium-%lu ",
                      bWait ? L"/wait " : L"", kChromium, ::GetCurrentProcessId());
    strCommand += strOptions + L" file://" + strUnixReport;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    BOOL bStarted = ::CreateProcessW(nullptr, strCommand.GetBuffer(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                                     nullptr, nullptr, &startup, &process);
    strCommand.ReleaseBuffer();
    if (!bStarted)
        return false;
    if (bWait)
        ::WaitForSingleObject(process.hProcess, kChromiumWaitMs);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

}   // namespace

CString ExportPatientReport(CWnd* pPatientList)
{
    PatientRowTexts row;
    if (!GetPatientRow(pPatientList, GetSelectedPatientRow(pPatientList), row))
    {
        AfxMessageBox(L"沒有可匯出的病患", MB_OK | MB_ICONWARNING);
        return L"";
    }
    CString strTemplate = WriteTemplateFile();
    ReportRecord record = MakeRecord(row);
    CFillHtml filler;
    CString strExported = strTemplate.IsEmpty() ? CString()
                                                : filler.FillInformation(strTemplate, g_reportFields, kReportFieldCount,
                                                                         reinterpret_cast<char*>(&record));
    CString strReport = OutputFile(kReportName);
    if (strExported.IsEmpty() || !::CopyFileW(strExported, strReport, FALSE))
    {
        AfxMessageBox(L"病患報表無法匯出", MB_OK | MB_ICONWARNING);
        return L"";
    }
    return strReport;
}

bool RenderReportPicture(const CString& strReport, const wchar_t* pszName)
{
    CString strPicture = CString(qvtest::OutputSubdir(L"screens").c_str()) + L"\\" + pszName + L".png";
    CString strUnixPicture = UnixPath(strPicture);
    if (strUnixPicture.IsEmpty())
        return false;
    ::DeleteFileW(strPicture);
    CString strOptions;
    strOptions.Format(L"--headless --disable-gpu --hide-scrollbars --window-size=%d,%d --screenshot=", kPictureWidth,
                      kPictureHeight);
    return StartChromium(strOptions + strUnixPicture, strReport, true) &&
           ::GetFileAttributesW(strPicture) != INVALID_FILE_ATTRIBUTES;
}

bool ShowReportInChromium(const CString& strReport)
{
    return StartChromium(L"--new-window", strReport, false);
}

bool ExportPatientText(CWnd* pPatientList)
{
    struct Export
    {
        const wchar_t* pszName;
        int bUTF8;
    };
    const Export exports[] = {{L"patients-utf8.txt", 1}, {L"patients-utf16.txt", 0}};
    for (const Export& target : exports)
    {
        CTextFile file;
        if (!file.Open(OutputFile(target.pszName), CFile::modeCreate | CFile::modeWrite, target.bUTF8))
        {
            AfxMessageBox(L"病患清單無法匯出", MB_OK | MB_ICONWARNING);
            return false;
        }
        // A UTF-16 text file says so with its own byte-order mark.
        if (!target.bUTF8)
            file.PutString(L"\xFEFF");
        file.PutString(L"病歷號\t姓名\t縣市\t街道\t電話\t年齡\r\n");
        PatientRowTexts row;
        for (int nRow = 0; GetPatientRow(pPatientList, nRow, row); ++nRow)
            file.PutString(row.strChartNo + L"\t" + row.strName + L"\t" + row.strCity + L"\t" + row.strStreet + L"\t" +
                           row.strPhone + L"\t" + row.strAge + L"\r\n");
        file.Close();
    }
    return true;
}

void RunReportCommand(UINT nID, CWnd* pPatientList)
{
    if (nID == ID_FILE_TEXT_EXPORT)
    {
        if (ExportPatientText(pPatientList))
            AfxMessageBox(L"病患清單已匯出為 UTF-8 及 UTF-16 文字檔", MB_OK | MB_ICONINFORMATION);
        return;
    }
    CString strReport = ExportPatientReport(pPatientList);
    if (strReport.IsEmpty())
        return;
    RenderReportPicture(strReport, kReportPicture);
    if (!ShowReportInChromium(strReport))
        AfxMessageBox(L"無法啟動 chromium 顯示報表", MB_OK | MB_ICONWARNING);
}

void ExportReportSample(CWnd* pPatientList)
{
    CString strReport = ExportPatientReport(pPatientList);
    if (!strReport.IsEmpty())
        RenderReportPicture(strReport, kReportPicture);
    ExportPatientText(pPatientList);
}
