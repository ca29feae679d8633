// The one place per process that every module's copy of afx reaches.
//
// afx is a static library, so the program and each DLL run their own copy of
// its code and data. What must be shared (the assert hook and count, the
// thread's current module state, the temporary-map sweepers of all modules)
// sits in a page of a named file mapping, "Local\QVAfxProcess.<process id>":
// the first copy creates it, later copies open the same page. The name holds
// the process id, so child processes never see their parent's page.
#pragma once

#include <windows.h>
#include "afx.h"

struct AFX_MODULE_STATE;

struct AFX_PROCESS_SHARED
{
    static const int kMaxModules = 32;

    volatile LONG initState;   // 0 new, 1 being set up, 2 ready
    AFX_ASSERT_HOOK assertHook;
    volatile LONG assertFailures;
    DWORD tlsCurrentModuleState;             // TLS slot: this thread's current AFX_MODULE_STATE*
    AFX_MODULE_STATE* programState;          // the program's own state, when it links afx
    void (*deleteTempMaps[kMaxModules])();   // one sweeper per module copy
};

// The shared page; never null (a private page stands in if the mapping fails).
AFX_PROCESS_SHARED* AfxGetProcessShared();
