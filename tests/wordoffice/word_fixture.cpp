#include "word_fixture.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstddef>

namespace wordtest
{

namespace
{
const wchar_t kServerExe[] = L"wordserver.exe";
const wchar_t kClassKey[] = L"CLSID\\{000209FF-0000-0000-C000-000000000046}";
const wchar_t kProgId[] = L"Word.Application";
const wchar_t kClassId[] = L"{000209FF-0000-0000-C000-000000000046}";
const wchar_t kPdfFolder[] = L"Z:\\root\\PDF";
}   // namespace

std::vector<DWORD> ServerProcesses()
{
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {sizeof(entry)};
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, kServerExe) == 0)
            ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

bool WaitForNoServer(unsigned timeoutMs)
{
    return qvtest::PumpUntil([] { return ServerProcesses().empty(); }, timeoutMs);
}

std::wstring OutputFile(const std::wstring& name)
{
    return qvtest::OutputSubdir(L"word") + L"\\" + name;
}

std::string UnixPath(const std::wstring& windowsPath)
{
    std::wstring path = windowsPath;
    if (path.size() >= 2 && (path[0] == L'Z' || path[0] == L'z') && path[1] == L':')
        path = path.substr(2);
    std::replace(path.begin(), path.end(), L'\\', L'/');
    int n = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

std::string ReadUtf8File(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty())
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

std::wstring Utf8ToWide(const std::string& text)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

bool RunUnix(const std::wstring& commandLine, const std::wstring& resultPath, unsigned timeoutMs)
{
    DeleteFileW(resultPath.c_str());
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION process = {};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Wine does not wait for a Unix program through its handle: the result file,
    // renamed into place when complete, tells that it is done.
    return qvtest::PumpUntil([&] { return GetFileAttributesW(resultPath.c_str()) != INVALID_FILE_ATTRIBUTES; },
                             timeoutMs);
}

static std::wstring Wide(const std::string& text)
{
    return Utf8ToWide(text);
}

std::wstring DocxAsText(const std::wstring& docxPath)
{
    std::wstring result = docxPath + L".txt";
    // The script sits in the source tree beside this suite (QV_ROOT, a Unix path).
    wchar_t root[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"QV_ROOT", root, MAX_PATH);
    RunUnix(L"Z:\\usr\\bin\\python3 " + std::wstring(root) + L"/tests/wordoffice/read_docx.py " +
                Wide(UnixPath(docxPath)) + L" " + Wide(UnixPath(result)),
            result);
    return Utf8ToWide(ReadUtf8File(result));
}

std::wstring PdfAsText(const std::wstring& pdfPath)
{
    std::wstring result = OutputFile(L"pdftext.txt");
    std::wstring target = Wide(UnixPath(result));
    RunUnix(L"Z:\\bin\\sh -c \"pdftotext '" + Wide(UnixPath(pdfPath)) + L"' " + target + L".part && mv " + target +
                L".part " + target + L"\"",
            result);
    return Utf8ToWide(ReadUtf8File(result));
}

std::wstring FindPrintedPdf(const std::wstring& namePart, FILETIME after, unsigned timeoutMs)
{
    std::wstring found;
    qvtest::PumpUntil(
        [&]
        {
            WIN32_FIND_DATAW data;
            FILETIME newest = after;
            HANDLE find = FindFirstFileW((std::wstring(kPdfFolder) + L"\\*.pdf").c_str(), &data);
            for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data))
            {
                if (wcsstr(data.cFileName, namePart.c_str()) && data.nFileSizeLow > 0 &&
                    CompareFileTime(&data.ftLastWriteTime, &newest) > 0)
                {
                    newest = data.ftLastWriteTime;
                    found = std::wstring(kPdfFolder) + L"\\" + data.cFileName;
                }
            }
            if (find != INVALID_HANDLE_VALUE)
                FindClose(find);
            return !found.empty();
        },
        timeoutMs);
    return found;
}

CfField kPatientFields[] = {
    {10, L"Name", static_cast<int>(offsetof(PatientRecord, name)), FIELD_TEXT, 0, 0, 0},
    {4, L"Age", static_cast<int>(offsetof(PatientRecord, age)), FIELD_INT, 0, 0, 0},
    {8, L"Fee", static_cast<int>(offsetof(PatientRecord, fee)), FIELD_DOUBLE_TRIM, 2, 0, 0},
    {10, L"Visit", static_cast<int>(offsetof(PatientRecord, visit)), FIELD_DATE_SLASH, 0, 0, 0},
    {10, L"Chart", static_cast<int>(offsetof(PatientRecord, chart)), FIELD_TEXT_YEAR, 0, 0, 0},
    {10, L"Note", static_cast<int>(offsetof(PatientRecord, note)), FIELD_TEXT, 0, 0, 0},
};
const int kPatientFieldCount = sizeof(kPatientFields) / sizeof(kPatientFields[0]);

PatientRecord SamplePatient()
{
    static_assert(offsetof(PatientRecord, visit) == 16, "the filler reads the visit time at byte 16");
    PatientRecord record = {};
    wcscpy(record.chart, L"A123");
    record.visit = CTime(2021, 3, 5, 12, 0, 0).GetTime();
    wcscpy(record.name, L"王小明");
    record.age = 42;
    record.fee = 12.5;
    return record;
}

std::wstring TodayText()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[32];
    swprintf(text, 32, L"%04d年%02d月%02d日", now.wYear, now.wMonth, now.wDay);
    return text;
}

// ---- registration ---------------------------------------------------------------

static std::wstring ReadDefault(const std::wstring& key)
{
    wchar_t value[MAX_PATH * 2] = L"";
    LONG size = sizeof(value);
    RegQueryValueW(HKEY_CLASSES_ROOT, key.c_str(), value, &size);
    return value;
}

static void WriteDefault(const std::wstring& key, const std::wstring& value)
{
    RegSetValueW(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(),
                 static_cast<DWORD>(value.size() * sizeof(wchar_t)));
}

RegistrationChange::RegistrationChange() : serverPath_(ReadDefault(std::wstring(kClassKey) + L"\\LocalServer32")) {}

RegistrationChange::~RegistrationChange()
{
    WriteDefault(std::wstring(kProgId) + L"\\CLSID", kClassId);
    WriteDefault(std::wstring(kClassKey) + L"\\LocalServer32", serverPath_);
}

void RegistrationChange::RemoveProgId()
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
}

void RegistrationChange::SetServerPath(const std::wstring& path)
{
    WriteDefault(std::wstring(kClassKey) + L"\\LocalServer32", path);
}

void WordTest::SetUp()
{
    AfxOleInit();
    ASSERT_TRUE(WaitForNoServer()) << "a Word stand-in from an earlier test is still running";
}

}   // namespace wordtest
