#include "afxprocess.h"
#include <cwchar>

namespace
{

AFX_PROCESS_SHARED* OpenSharedPage()
{
    wchar_t name[64];
    swprintf(name, 64, L"Local\\QVAfxProcess.%lu", GetCurrentProcessId());
    // The handle stays open for the life of the process: the page must
    // outlive every module that looks at it.
    HANDLE mapping =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(AFX_PROCESS_SHARED), name);
    if (mapping == nullptr)
        return nullptr;
    void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(AFX_PROCESS_SHARED));
    return static_cast<AFX_PROCESS_SHARED*>(view);
}

void InitializeOnce(AFX_PROCESS_SHARED* shared)
{
    if (InterlockedCompareExchange(&shared->initState, 1, 0) == 0)
    {
        shared->tlsCurrentModuleState = TlsAlloc();
        InterlockedExchange(&shared->initState, 2);
        return;
    }
    while (shared->initState != 2)
        Sleep(0);
}

}   // namespace

AFX_PROCESS_SHARED* AfxGetProcessShared()
{
    static AFX_PROCESS_SHARED* const shared = []
    {
        AFX_PROCESS_SHARED* page = OpenSharedPage();
        if (page == nullptr)
        {
            static AFX_PROCESS_SHARED privatePage = {};
            page = &privatePage;
        }
        InitializeOnce(page);
        return page;
    }();
    return shared;
}
