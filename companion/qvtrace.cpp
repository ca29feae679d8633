// Trace points appended to QVTrace.log beside the host program, one UTF-8 line each:
//   2026-01-05 14:03:07.123<TAB>build Jan 20 2020<TAB>d:\src\listctrl.cpp(812)<TAB>CNewListCtrl::SetImageList
#include "qvtrace.h"

#include "progpath.h"

namespace
{

void AppendUtf8Line(const CString& strFile, const CString& strLine)
{
    HANDLE hFile = ::CreateFileW(strFile, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return;   // tracing never disturbs the caller
    int nBytes = ::WideCharToMultiByte(CP_UTF8, 0, strLine, strLine.GetLength(), nullptr, 0, nullptr, nullptr);
    if (nBytes > 0)
    {
        char* pBytes = new char[nBytes];
        ::WideCharToMultiByte(CP_UTF8, 0, strLine, strLine.GetLength(), pBytes, nBytes, nullptr, nullptr);
        DWORD nWritten = 0;
        ::WriteFile(hFile, pBytes, static_cast<DWORD>(nBytes), &nWritten, nullptr);
        delete[] pBytes;
    }
    ::CloseHandle(hFile);
}

}   // namespace

void ErrorFunctionReport(const CString& strBuildDate, const CString& strSource, int nLine, const CString& strFunction)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CString strLine;
    strLine.Format(L"%04u-%02u-%02u %02u:%02u:%02u.%03u\tbuild %s\t%s(%d)\t%s\r\n", now.wYear, now.wMonth, now.wDay,
                   now.wHour, now.wMinute, now.wSecond, now.wMilliseconds, strBuildDate.GetString(),
                   strSource.GetString(), nLine, strFunction.GetString());
    AppendUtf8Line(ProgramFolderFile(L"QVTrace.log"), strLine);
}
