#include "printed_pdf.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "wide_text.h"

namespace qvtest
{

namespace
{

std::wstring PdfFolderUnix()
{
    wchar_t buffer[MAX_PATH * 2];
    DWORD n = GetEnvironmentVariableW(L"QV_PDF_DIR", buffer, MAX_PATH * 2);
    if (n > 0 && n < MAX_PATH * 2)
        return buffer;
    return L"/root/PDF";
}

std::string ReadFileBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char chunk[65536];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

// The newest PDF in the folder whose name contains the job name.
std::wstring FindPdf(const std::wstring& jobName)
{
    const std::wstring folder = UnixToWindowsPath(PdfFolderUnix());
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*" + jobName + L"*.pdf").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return {};
    std::wstring best;
    FILETIME bestTime{};
    do
    {
        if (best.empty() || CompareFileTime(&data.ftLastWriteTime, &bestTime) > 0)
        {
            best = folder + L"\\" + data.cFileName;
            bestTime = data.ftLastWriteTime;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return best;
}

// A PDF is complete when it ends with its end-of-file marker.
bool LooksComplete(const std::string& bytes)
{
    size_t end = bytes.find_last_not_of(" \r\n");
    return end != std::string::npos && end >= 4 && bytes.compare(end - 4, 5, "%%EOF") == 0;
}

std::wstring TempFile(const wchar_t* extension)
{
    static std::atomic<int> counter{0};
    // Under /tmp, which the Unix programs reach by the same name.
    return std::wstring(L"Z:\\tmp\\qvpdf_") + std::to_wstring(GetCurrentProcessId()) + L"_" +
           std::to_wstring(++counter) + extension;
}

}   // namespace

std::wstring UniqueJobName(const std::wstring& prefix)
{
    static std::atomic<int> counter{0};
    return prefix + L"_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter) + L"_" +
           std::to_wstring(GetTickCount64() % 1000000);
}

std::wstring UnixToWindowsPath(const std::wstring& unixPath)
{
    if (unixPath.size() >= 2 && unixPath[1] == L':')
        return unixPath;
    std::wstring path = unixPath;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return L"Z:" + path;
}

std::wstring WindowsToUnixPath(const std::wstring& windowsPath)
{
    wchar_t full[MAX_PATH * 2];
    DWORD n = GetFullPathNameW(windowsPath.c_str(), MAX_PATH * 2, full, nullptr);
    std::wstring path = (n > 0 && n < MAX_PATH * 2) ? full : windowsPath;
    if (path.size() >= 2 && (path[0] == L'Z' || path[0] == L'z') && path[1] == L':')
        path = path.substr(2);
    std::replace(path.begin(), path.end(), L'\\', L'/');
    return path;
}

bool PrintedPdfExists(const std::wstring& jobName)
{
    return !FindPdf(jobName).empty();
}

std::wstring WaitForPrintedPdf(const std::wstring& jobName, unsigned timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do
    {
        std::wstring path = FindPdf(jobName);
        if (!path.empty() && LooksComplete(ReadFileBytes(path)))
            return path;
        Sleep(200);
    } while (GetTickCount64() < deadline);
    return {};
}

bool StartUnixProgram(const std::wstring& commandLine)
{
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

bool RunUnixProgramFor(const std::wstring& commandLine, const std::wstring& outputFile, unsigned timeoutMs)
{
    DeleteFileW(outputFile.c_str());
    if (!StartUnixProgram(commandLine))
        return false;
    // A Unix child's handle cannot be waited for: the output file tells when it is done.
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetFileAttributesW(outputFile.c_str()) == INVALID_FILE_ATTRIBUTES)
    {
        if (GetTickCount64() > deadline)
            return false;
        Sleep(50);
    }
    return true;
}

std::vector<std::wstring> PdfPageTexts(const std::wstring& pdfPath)
{
    const std::wstring textFile = TempFile(L".txt");
    const std::wstring unixText = WindowsToUnixPath(textFile);
    // Written under another name and renamed, so the file appears complete.
    const std::wstring command = L"/bin/sh -c \"/usr/bin/pdftotext -layout -enc UTF-8 '" + WindowsToUnixPath(pdfPath) +
                                 L"' '" + unixText + L".part' && mv '" + unixText + L".part' '" + unixText + L"'\"";
    std::vector<std::wstring> pages;
    if (!RunUnixProgramFor(command, textFile))
        return pages;
    const std::wstring text = FromUtf8(ReadFileBytes(textFile));
    DeleteFileW(textFile.c_str());
    // pdftotext ends every page with a form feed.
    size_t start = 0;
    for (size_t ff = text.find(L'\f'); ff != std::wstring::npos; ff = text.find(L'\f', start))
    {
        pages.push_back(text.substr(start, ff - start));
        start = ff + 1;
    }
    if (start < text.size() && text.find_first_not_of(L" \r\n", start) != std::wstring::npos)
        pages.push_back(text.substr(start));
    return pages;
}

bool PdfPageToPng(const std::wstring& pdfPath, int nPage, int dpi, const std::wstring& pngPath)
{
    // pdftoppm appends ".png" to the root name it is given.
    std::wstring root = WindowsToUnixPath(pngPath);
    if (root.size() > 4 && root.compare(root.size() - 4, 4, L".png") == 0)
        root.resize(root.size() - 4);
    const std::wstring page = std::to_wstring(nPage);
    DeleteFileW(pngPath.c_str());
    const std::wstring command = L"/bin/sh -c \"/usr/bin/pdftoppm -png -singlefile -r " + std::to_wstring(dpi) +
                                 L" -f " + page + L" -l " + page + L" '" + WindowsToUnixPath(pdfPath) + L"' '" + root +
                                 L".part' && mv '" + root + L".part.png' '" + root + L".png'\"";
    return RunUnixProgramFor(command, pngPath);
}

}   // namespace qvtest
