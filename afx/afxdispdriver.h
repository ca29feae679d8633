// Late-bound automation: COleDispatchDriver holds one IDispatch pointer and
// makes typed IDispatch::Invoke calls through it; failures are thrown as
// pointers to COleDispatchException (catch them by pointer and Delete()).
#pragma once

#include <windows.h>
#include <oleauto.h>
#include "afx.h"

// Parameter-type bytes of InvokeHelper's type string.
#define VTS_NONE ""
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R4 "\x04"
#define VTS_R8 "\x05"
#define VTS_BSTR "\x08"   // a wide-character string pointer
#define VTS_DISPATCH "\x09"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"   // a VARIANT passed by value (as const VARIANT*)
#define VTS_UNKNOWN "\x0D"
#define VTS_PVARIANT "\x4C"   // a VARIANT passed by reference (VARIANT*)
// The by-reference flag of a type byte.
#define VT_MFCBYREF 0x40

class CException : public CObject
{
public:
    // Exceptions are thrown as pointers; the catcher deletes them.
    void Delete() { delete this; }
    // The text of the failure, copied into the caller's buffer; FALSE when there is none.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;
    virtual CString GetErrorText() const { return CString(); }
};

// A failing COM status.
class COleException : public CException
{
public:
    explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}
    CString GetErrorText() const override;
    static SCODE Process(const CException* pException);

    SCODE m_sc;
};

// A failing automation call: the server's description when it gave one, else the
// system's text for the status.
class COleDispatchException : public CException
{
public:
    COleDispatchException(LPCTSTR lpszDescription, UINT nHelpID, WORD wCode);
    CString GetErrorText() const override { return m_strDescription; }

    WORD m_wCode;
    SCODE m_scError;
    CString m_strSource;
    CString m_strDescription;
    CString m_strHelpFile;
    DWORD m_dwHelpContext;
};

// Initializes COM and OLE for the calling thread; FALSE when that fails.
BOOL AFXAPI AfxOleInit();

void AFXAPI AfxThrowOleException(SCODE sc);
void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCTSTR lpszDescription, UINT nHelpID = 0);

class COleDispatchDriver
{
public:
    COleDispatchDriver() : m_lpDispatch(nullptr), m_bAutoRelease(TRUE) {}
    COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE)
        : m_lpDispatch(lpDispatch), m_bAutoRelease(bAutoRelease)
    {
    }
    // Copies share the object: the copy holds its own reference.
    COleDispatchDriver(const COleDispatchDriver& source);
    const COleDispatchDriver& operator=(const COleDispatchDriver& source);
    const COleDispatchDriver& operator=(LPDISPATCH lpDispatch);
    virtual ~COleDispatchDriver() { ReleaseDispatch(); }

    // Starts or attaches to the server; FALSE with the status in *pError on failure.
    BOOL CreateDispatch(REFCLSID clsid, COleException* pError = nullptr);
    BOOL CreateDispatch(LPCTSTR lpszProgID, COleException* pError = nullptr);
    void AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    LPDISPATCH DetachDispatch();
    void ReleaseDispatch();
    operator LPDISPATCH() const { return m_lpDispatch; }

    // One IDispatch::Invoke. pbParamInfo holds one VTS_ byte per argument that
    // follows; vtRet names what pvRet points to (VT_EMPTY: no result):
    // VT_I2 short, VT_I4 long, VT_R4 float, VT_R8 double, VT_BOOL BOOL,
    // VT_BSTR CString, VT_DISPATCH LPDISPATCH, VT_UNKNOWN LPUNKNOWN, VT_VARIANT VARIANT.
    void AFX_CDECL InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo, ...);
    void InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo,
                       va_list argList);
    void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const;
    void AFX_CDECL SetProperty(DISPID dwDispID, VARTYPE vtProp, ...);

    LPDISPATCH m_lpDispatch;
    BOOL m_bAutoRelease;
};
