// The framework layer's core: diagnostics (ASSERT, VERIFY, TRACE), CObject
// with run-time class information, CFile and AfxMessageBox.
//
// Diagnostics. In the diagnostic build (_DEBUG) a failed ASSERT never shows
// a dialog: it goes to the assert hook when one is installed, otherwise it
// writes "file(line): ASSERT failed: expr" to OutputDebugStringW and stderr,
// and the program goes on. afx is linked into every module, so each module
// has its own copy of this code; the hook and the failure count live in one
// place per process that every copy reaches: a named file mapping
// "Local\QVAfxProcess.<process id>" (see afxprocess.h). A hook installed by
// the program therefore also sees assertions that fire inside a DLL.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <cstddef>
#include "afxstr.h"
#include "afxtime.h"
#include "atltypes.h"

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif

// ---- diagnostics ----------------------------------------------------------

typedef void (*AFX_ASSERT_HOOK)(const char* file, int line, const char* expr);

// Installs the process-wide hook (null removes it); returns the previous one.
AFX_ASSERT_HOOK AfxSetAssertHook(AFX_ASSERT_HOOK hook);
// Failed assertions of every module of the process since it started.
LONG AfxGetAssertFailureCount();
// Reports one failed assertion; returns normally in every case.
void AfxAssertFailedLine(const char* file, int line, const char* expr);
// TRACE output: formatted as CString::Format does, to OutputDebugStringW.
void AFX_CDECL AfxTrace(const wchar_t* format, ...);

class CObject;
void AfxAssertValidObject(const CObject* object, const char* file, int line);

// The assertion macros stay on one line each.
// clang-format off
#ifdef _DEBUG
#define ASSERT(f) do { if (!(f)) AfxAssertFailedLine(__FILE__, __LINE__, #f); } while (0)
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(p) AfxAssertValidObject(p, __FILE__, __LINE__)
#define TRACE AfxTrace
#define DEBUG_ONLY(f) (f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)0)
#define TRACE(...) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#endif
// clang-format on
#define TRACE0(sz) TRACE(L"%s", sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define ASSERT_POINTER(p, type) ASSERT((p) != nullptr)

// Source written for MFC redefines new as DEBUG_NEW; here it is plain new.
#define DEBUG_NEW new

// ---- run-time class information --------------------------------------------

struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();   // null for classes that are not DYNCREATE
    const CRuntimeClass* m_pBaseClass;

    // A new object of this class, or null when the class cannot be created.
    CObject* CreateObject() const;
    // Also true across modules: each module has its own copy of a class's
    // CRuntimeClass, so classes match by pointer or by name.
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

// The runtime-class macros stay as written: they read best that way.
// clang-format off
#define RUNTIME_CLASS(class_name) \
    (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name) \
public: \
    static const CRuntimeClass class##class_name; \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew) \
    const CRuntimeClass class_name::class##class_name = { \
        #class_name, static_cast<int>(sizeof(class class_name)), 0xFFFF, pfnNew, \
        RUNTIME_CLASS(base_class_name) }; \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() { return new class_name; } \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)

#define DYNAMIC_DOWNCAST(class_name, object) \
    static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
// clang-format on

class CObject
{
public:
    static const CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    // Diagnostic checks of the object's own invariants; derived classes add theirs.
    virtual void AssertValid() const;

    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

protected:
    CObject() = default;
};

// The object when it is of the class (or derived), else null.
CObject* AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* pObject);

// ---- files ----------------------------------------------------------------

// A file on disk through a Win32 handle. Nothing throws: Open returns FALSE,
// Read returns the bytes it read (0 on failure or at the end), Write returns
// FALSE unless every byte was written, Seek returns (ULONGLONG)-1 on failure;
// GetLastError() tells the reason in each case.
class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition
    {
        begin = 0x0,
        current = 0x1,
        end = 0x2
    };
    static const HANDLE hFileNull;

    HANDLE m_hFile;

    CFile();
    explicit CFile(HANDLE hFile);
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual BOOL Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    ULONGLONG SeekToEnd();
    void SeekToBegin();
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual BOOL SetLength(ULONGLONG dwNewLen);
    virtual void Flush();
    virtual void Close();
    virtual CString GetFilePath() const;
    virtual CString GetFileName() const;
    BOOL IsOpen() const { return m_hFile != hFileNull; }
    operator HANDLE() const { return m_hFile; }

    static BOOL PASCAL Remove(LPCTSTR lpszFileName);
    static BOOL PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);

protected:
    CString m_strFileName;
    BOOL m_bCloseOnDelete;
};

// ---- message boxes ----------------------------------------------------------

// Every message box of the library goes through here (MessageBoxW). The owner
// is the thread's active window, else the application's main window; the
// caption is the application's name, else the current module's file name
// without its extension.
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is string resource nIDPrompt of the current resource module.
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
