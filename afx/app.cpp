// CWinApp: the module's application object, its icons and its start-up.
#include "afxwin.h"
#include <cwchar>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

static LPWSTR CopyText(LPCWSTR text)
{
    size_t length = wcslen(text);
    auto* copy = new wchar_t[length + 1];
    wmemcpy(copy, text, length + 1);
    return copy;
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    AFX_MODULE_STATE* pState = AfxGetStaticModuleState();
    ASSERT(pState->m_pCurrentWinApp == nullptr);   // one application object per module
    pState->m_pCurrentWinApp = this;
    m_hInstance = pState->m_hCurrentInstanceHandle;
    // The module state starts out named after the module's file.
    m_pszExeName = CopyText(pState->m_lpszCurrentAppName != nullptr ? pState->m_lpszCurrentAppName : L"");
    m_pszAppName = CopyText(lpszAppName != nullptr ? lpszAppName : m_pszExeName);
    CString profile = m_pszExeName;
    profile += L".INI";
    m_pszProfileName = CopyText(profile);
    m_pszModuleName = pState->m_lpszCurrentAppName;
    pState->m_lpszCurrentAppName = m_pszAppName;
}

CWinApp::~CWinApp()
{
    AFX_MODULE_STATE* pState = AfxGetStaticModuleState();
    if (pState->m_pCurrentWinApp == this)
    {
        pState->m_pCurrentWinApp = nullptr;
        pState->m_lpszCurrentAppName = m_pszModuleName;
    }
    SelectPrinter(nullptr, nullptr);
    delete[] m_pszAppName;
    delete[] m_pszExeName;
    delete[] m_pszProfileName;
    delete[] m_pszRegistryKey;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEW(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconW(nullptr, lpszIconName);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEW(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorW(nullptr, lpszCursorName);
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    delete[] m_pszRegistryKey;
    m_pszRegistryKey = lpszRegistryKey != nullptr ? CopyText(lpszRegistryKey) : nullptr;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    ASSERT(pApp != nullptr);   // the program defines one global CWinApp
    if (pApp == nullptr)
        return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&controls);
    if (!pApp->InitApplication() || !pApp->InitInstance())
    {
        if (pApp->m_pMainWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
