// The demo's Word output through CWordOffice.
#include "word_output.h"

#include <cstddef>
#include <string>

#include "output_path.h"
#include "qvctrl.h"
#include "common/wordoffice.h"

namespace
{

// The first patient of the list, as a record the filler reads through fields.
struct PatientRecord
{
    wchar_t chart[8];
    __int64 visit;   // byte 16: the year of the chart number's prefix
    wchar_t name[16];
    wchar_t city[8];
    wchar_t street[24];
    wchar_t phone[16];
    int age;
};

CfField kFields[] = {
    {8, L"病歷號", static_cast<int>(offsetof(PatientRecord, chart)), FIELD_TEXT_YEAR, 0, 0, 0},
    {10, L"就診日", static_cast<int>(offsetof(PatientRecord, visit)), FIELD_DATE_CHINESE, 0, 0, 0},
    {10, L"姓名", static_cast<int>(offsetof(PatientRecord, name)), FIELD_TEXT, 0, 0, 0},
    {6, L"縣市", static_cast<int>(offsetof(PatientRecord, city)), FIELD_TEXT, 0, 0, 0},
    {20, L"街道", static_cast<int>(offsetof(PatientRecord, street)), FIELD_TEXT, 0, 0, 0},
    {12, L"電話", static_cast<int>(offsetof(PatientRecord, phone)), FIELD_TEXT, 0, 0, 0},
    {4, L"年齡", static_cast<int>(offsetof(PatientRecord, age)), FIELD_INT, 0, 0, 0},
};
const int kFieldCount = sizeof(kFields) / sizeof(kFields[0]);

const wchar_t* const kTemplateLines[] = {
    L"病患資料單",
    L"病歷號：<病歷號>　　就診日：<就診日>",
    L"姓名：< 姓名 >　　年齡：<年齡> 歲",
    L"住址：<縣市><街道>",
    L"電話：<電話>",
    L"列印日期：<CurrentTime>",
};

// The letter template, written through the writer itself.
bool WriteTemplate(const std::wstring& path)
{
    CWordOffice word;
    if (!word.Create())
        return false;
    for (size_t i = 0; i < sizeof(kTemplateLines) / sizeof(kTemplateLines[0]); ++i)
    {
        if (i > 0)
            word.NewLine();
        word.WriteText(kTemplateLines[i]);
    }
    bool saved = word.SaveDocumentAs(path.c_str());
    word.Clear();
    return saved;
}

// The newest job of the PDF queue named after the document.
std::wstring PrintedPdf(const std::wstring& documentName, FILETIME after)
{
    std::wstring found;
    FILETIME newest = after;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(L"Z:\\root\\PDF\\*.pdf", &data);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data))
    {
        if (wcsstr(data.cFileName, documentName.c_str()) && CompareFileTime(&data.ftLastWriteTime, &newest) > 0)
        {
            newest = data.ftLastWriteTime;
            found = std::wstring(L"Z:\\root\\PDF\\") + data.cFileName;
        }
    }
    if (find != INVALID_HANDLE_VALUE)
        FindClose(find);
    return found;
}

std::wstring UnixPath(std::wstring path)
{
    if (path.size() > 2 && path[1] == L':')
        path = path.substr(2);
    for (wchar_t& c : path)
        if (c == L'\\')
            c = L'/';
    return path;
}

// The page as a PNG, by poppler's pdftoppm (a Unix program Wine starts).
void RenderPage(const std::wstring& pdf, const std::wstring& pngBase)
{
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION process = {};
    std::wstring line = L"Z:\\usr\\bin\\pdftoppm -r 60 -png -singlefile " + UnixPath(pdf) + L" " + UnixPath(pngBase);
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}   // namespace

bool WritePatientDocument()
{
    std::wstring folder = qvtest::OutputDir();
    std::wstring templatePath = folder + L"\\patient-template.docx";
    std::wstring documentPath = folder + L"\\patient.docx";
    if (!WriteTemplate(templatePath))
        return false;
    PatientRecord record = {};
    wcscpy(record.chart, L"A00125");
    record.visit = CTime(2026, 12, 1, 10, 30, 0).GetTime();
    wcscpy(record.name, L"王小明");
    wcscpy(record.city, L"台北市");
    wcscpy(record.street, L"中山北路二段45號");
    wcscpy(record.phone, L"02-2511-3344");
    record.age = 42;

    CWordOffice word;
    if (!word.DeleteFileW(documentPath.c_str()) ||
        !word.FillWordInformation(templatePath.c_str(), kFields, kFieldCount, reinterpret_cast<char*>(&record)) ||
        !word.SaveDocumentAs(documentPath.c_str()))
    {
        word.Clear();
        return false;
    }
    FILETIME started;
    GetSystemTimeAsFileTime(&started);
    bool printed = word.PrintToPDF();
    word.CloseFile();
    if (!printed)
        return false;
    std::wstring pdf;
    for (int i = 0; i < 100 && pdf.empty(); ++i)
    {
        pdf = PrintedPdf(L"patient.docx", started);
        if (pdf.empty())
            Sleep(200);
    }
    if (pdf.empty() || !CopyFileW(pdf.c_str(), (folder + L"\\patient.pdf").c_str(), FALSE))
        return false;
    RenderPage(folder + L"\\patient.pdf", qvtest::OutputSubdir(L"screens") + L"\\demo-patient-pdf");
    return true;
}
