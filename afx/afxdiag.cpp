// ASSERT and TRACE reporting: never a dialog, always file and line.
#include "afx.h"
#include "afxprocess.h"
#include <cstdio>

AFX_ASSERT_HOOK AfxSetAssertHook(AFX_ASSERT_HOOK hook)
{
    AFX_PROCESS_SHARED* shared = AfxGetProcessShared();
    void* previous = InterlockedExchangePointer(reinterpret_cast<void* volatile*>(&shared->assertHook),
                                                reinterpret_cast<void*>(hook));
    return reinterpret_cast<AFX_ASSERT_HOOK>(previous);
}

LONG AfxGetAssertFailureCount()
{
    return AfxGetProcessShared()->assertFailures;
}

void AfxAssertFailedLine(const char* file, int line, const char* expr)
{
    AFX_PROCESS_SHARED* shared = AfxGetProcessShared();
    InterlockedIncrement(&shared->assertFailures);
    if (file == nullptr)
        file = "?";
    if (expr == nullptr)
        expr = "";
    if (AFX_ASSERT_HOOK hook = shared->assertHook)
    {
        hook(file, line, expr);
        return;
    }
    char text[1024];
    snprintf(text, sizeof text, "%s(%d): ASSERT failed: %s\n", file, line, expr);
    wchar_t wide[1024];
    if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 1024) > 0)
        OutputDebugStringW(wide);
    fputs(text, stderr);
    fflush(stderr);
}

void AFX_CDECL AfxTrace(const wchar_t* format, ...)
{
    if (format == nullptr)
        return;
    va_list args;
    va_start(args, format);
    CString text;
    text.FormatV(format, args);
    va_end(args);
    OutputDebugStringW(text);
}

void AfxAssertValidObject(const CObject* object, const char* file, int line)
{
    if (object == nullptr)
    {
        AfxAssertFailedLine(file, line, "object != nullptr");
        return;
    }
    object->AssertValid();
}
