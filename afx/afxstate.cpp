// Module states: this module's own, and which one is current on each thread.
#include "afxstate.h"
#include "afxprocess.h"
#include "afxwin.h"

namespace
{

// The module that holds this copy of afx: the one this function lives in.
HINSTANCE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

// A module's file name without folder and extension, into a static buffer.
LPCWSTR ModuleBaseName(HINSTANCE module, wchar_t* buffer, DWORD size)
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
    {
        buffer[0] = 0;
        return buffer;
    }
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p; ++p)
    {
        if (*p == L'\\' || *p == L'/')
            name = p + 1;
    }
    lstrcpynW(buffer, name, static_cast<int>(size));
    if (wchar_t* dot = wcsrchr(buffer, L'.'))
        *dot = 0;
    return buffer;
}

AFX_MODULE_STATE MakeState(HINSTANCE module, wchar_t* nameBuffer, DWORD nameSize)
{
    AFX_MODULE_STATE state = {};
    state.m_hCurrentInstanceHandle = module;
    state.m_hCurrentResourceHandle = module;
    state.m_lpszCurrentAppName = ModuleBaseName(module, nameBuffer, nameSize);
    state.m_bDLL = module != GetModuleHandleW(nullptr);
    return state;
}

// Used by a DLL when the program does not link afx: the program's context.
AFX_MODULE_STATE* ProgramContextFallback()
{
    static wchar_t name[MAX_PATH];
    static AFX_MODULE_STATE state = MakeState(GetModuleHandleW(nullptr), name, MAX_PATH);
    return &state;
}

// The program's own state is every thread's default: publish it at start-up.
[[maybe_unused]] AFX_MODULE_STATE* const g_publishedAtStartup = AfxGetStaticModuleState();

}   // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState()
{
    static wchar_t name[MAX_PATH];
    static AFX_MODULE_STATE state = []
    {
        AFX_MODULE_STATE made = MakeState(ThisModule(), name, MAX_PATH);
        if (!made.m_bDLL)
            AfxGetProcessShared()->programState = &state;
        return made;
    }();
    return &state;
}

AFX_MODULE_STATE* AfxGetModuleState()
{
    AFX_PROCESS_SHARED* shared = AfxGetProcessShared();
    if (auto* current = static_cast<AFX_MODULE_STATE*>(TlsGetValue(shared->tlsCurrentModuleState)))
        return current;
    if (shared->programState != nullptr)
        return shared->programState;
    return ProgramContextFallback();
}

AFX_MAINTAIN_STATE::AFX_MAINTAIN_STATE(AFX_MODULE_STATE* pNewState)
{
    DWORD slot = AfxGetProcessShared()->tlsCurrentModuleState;
    m_pPrevModuleState = static_cast<AFX_MODULE_STATE*>(TlsGetValue(slot));
    TlsSetValue(slot, pNewState);
}

AFX_MAINTAIN_STATE::~AFX_MAINTAIN_STATE()
{
    TlsSetValue(AfxGetProcessShared()->tlsCurrentModuleState, m_pPrevModuleState);
}

HINSTANCE AfxGetInstanceHandle()
{
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    ASSERT(hInstResource != nullptr);
    if (hInstResource != nullptr)
        AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType)
{
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (FindResourceW(state->m_hCurrentResourceHandle, lpszName, lpszType) != nullptr)
        return state->m_hCurrentResourceHandle;
    if (FindResourceW(state->m_hCurrentInstanceHandle, lpszName, lpszType) != nullptr)
        return state->m_hCurrentInstanceHandle;
    return state->m_hCurrentResourceHandle;
}

CWinApp* AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

CWnd* AfxGetMainWnd()
{
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pMainWnd : nullptr;
}

LPCWSTR AfxGetAppName()
{
    LPCWSTR name = AfxGetModuleState()->m_lpszCurrentAppName;
    return name != nullptr ? name : L"";
}
