// Finding the main top-level window of a process.
#include "control/wndutil.h"
#include "control/toplevelwalk.h"

namespace
{

const int kMaxTitle = 500;
const int kMaxClass = 200;

CString ReadWindowText(HWND hWnd, int nMaxChars)
{
    CString strText;
    int nLength = ::GetWindowTextW(hWnd, strText.GetBuffer(nMaxChars), nMaxChars + 1);
    strText.ReleaseBuffer(nLength > 0 ? nLength : 0);
    return strText;
}

CString ReadClassName(HWND hWnd, int nMaxChars)
{
    CString strClass;
    int nLength = ::GetClassNameW(hWnd, strClass.GetBuffer(nMaxChars), nMaxChars + 1);
    strClass.ReleaseBuffer(nLength > 0 ? nLength : 0);
    return strClass;
}

bool StartsWith(const CString& strText, const wchar_t* pszPrefix)
{
    int nLength = static_cast<int>(wcslen(pszPrefix));
    return strText.GetLength() >= nLength && strText.Left(nLength) == pszPrefix;
}

// Shell and system windows are never a program's main window.
bool IsSystemClass(const CString& strClass)
{
    return strClass == L"NativeHWNDHost" || StartsWith(strClass, L"Microsoft");
}

}   // namespace

HWND GetProcessTopWindow(UINT nProcessID)
{
    DWORD nProcessId = ResolveProcessId(nProcessID);
    for (CTopLevelWalk walk; walk.Current() != nullptr; walk.Next())
    {
        HWND hWnd = walk.Current();
        if (WindowProcessId(hWnd) != nProcessId || ::GetParent(hWnd) != nullptr)
            continue;
        CString strTitle = ReadWindowText(hWnd, kMaxTitle);
        if (strTitle.IsEmpty())
            continue;
        CString strClass = ReadClassName(hWnd, kMaxClass);
        if (IsSystemClass(strClass))
            continue;
        if (StartsWith(strClass, L"Afx"))
            return hWnd;

        CString strQuestion;
        strQuestion.Format(L"發現不合理窗口\n窗口名稱:%s\n窗口類型:%s\n繼續找下一個?", strTitle.GetString(),
                           strClass.GetString());
        if (AfxMessageBox(strQuestion, MB_YESNO | MB_DEFBUTTON2) != IDYES)
            return hWnd;
    }
    return nullptr;
}

HWND GetProgramTopWindow()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hMainWnd = pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr;
    if (hMainWnd != nullptr)
    {
        HWND hTop = ::GetAncestor(hMainWnd, GA_ROOTOWNER);
        if (hTop != nullptr)
            return hTop;
    }
    return GetProcessTopWindow(0);
}
