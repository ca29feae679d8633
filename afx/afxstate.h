// Module state: which module's resources and application object the code of
// the framework layer works with.
//
// Every module that links afx (the program, QVCtrl.dll, QVXml10U.dll) has one
// static module state of its own, AfxGetStaticModuleState(): its instance
// handle, its resources, its CWinApp. Which state is current is kept per
// thread and shared by all modules of the process (a TLS slot published
// through the process rendezvous, afxprocess.h), as in MFC:
//   - by default the current state is the program's: code in a DLL loads
//     resources from the host program (GetModuleHandleW(nullptr)) and
//     AfxGetApp() is the program's application object;
//   - AFX_MANAGE_STATE(AfxGetStaticModuleState()) at the top of a DLL
//     function makes the DLL's own state current until the scope ends.
#pragma once

#include <windows.h>

class CWinApp;
class CWnd;

struct AFX_MODULE_STATE
{
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
    LPCWSTR m_lpszCurrentAppName;
    CWinApp* m_pCurrentWinApp;
    BOOL m_bDLL;
};

// The state of the module whose copy of afx is running.
AFX_MODULE_STATE* AfxGetStaticModuleState();
// The state current on this thread.
AFX_MODULE_STATE* AfxGetModuleState();

// Makes a module state current for the rest of a scope; the previous one
// comes back however the scope is left.
class AFX_MAINTAIN_STATE
{
public:
    explicit AFX_MAINTAIN_STATE(AFX_MODULE_STATE* pNewState);
    ~AFX_MAINTAIN_STATE();
    AFX_MAINTAIN_STATE(const AFX_MAINTAIN_STATE&) = delete;
    AFX_MAINTAIN_STATE& operator=(const AFX_MAINTAIN_STATE&) = delete;

private:
    AFX_MODULE_STATE* m_pPrevModuleState;
};

#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE _ctlState(p)

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds the resource: the current resource module when it
// has it, else the current instance, else the current resource module.
HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCWSTR AfxGetAppName();
