// COleDispatchDriver: typed IDispatch::Invoke calls, and the exceptions they throw.
#include "afxdispdriver.h"

#include <cstring>
#include <vector>

// ---- exceptions -------------------------------------------------------------

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    CString text = GetErrorText();
    if (!lpszError || nMaxError == 0)
        return FALSE;
    lstrcpynW(lpszError, text.GetString(), static_cast<int>(nMaxError));
    return !text.IsEmpty();
}

// The system's text for a status, without the line break it ends with.
static CString StatusText(SCODE sc)
{
    wchar_t* buffer = nullptr;
    DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(sc), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    CString text;
    if (n && buffer)
    {
        while (n && (buffer[n - 1] == L'\r' || buffer[n - 1] == L'\n' || buffer[n - 1] == L' '))
            --n;
        text = CString(buffer, static_cast<int>(n));
    }
    LocalFree(buffer);
    if (text.IsEmpty())
        text.Format(L"Automation error 0x%08X", static_cast<unsigned>(sc));
    return text;
}

CString COleException::GetErrorText() const
{
    return StatusText(m_sc);
}

SCODE COleException::Process(const CException* pException)
{
    if (auto* ole = dynamic_cast<const COleException*>(pException))
        return ole->m_sc;
    if (auto* dispatch = dynamic_cast<const COleDispatchException*>(pException))
        return dispatch->m_scError;
    return E_UNEXPECTED;
}

COleDispatchException::COleDispatchException(LPCTSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode), m_scError(wCode ? S_OK : DISP_E_EXCEPTION), m_strDescription(lpszDescription),
      m_dwHelpContext(nHelpID)
{
}

BOOL AFXAPI AfxOleInit()
{
    HRESULT hr = OleInitialize(nullptr);
    return SUCCEEDED(hr);
}

void AFXAPI AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}

void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCTSTR lpszDescription, UINT nHelpID)
{
    throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}

// A failed Invoke as a dispatch exception: the server's own report when it gave one.
[[noreturn]] static void ThrowInvokeFailure(HRESULT hr, EXCEPINFO& info)
{
    if (hr == DISP_E_EXCEPTION && info.pfnDeferredFillIn)
        info.pfnDeferredFillIn(&info);
    CString description = info.bstrDescription ? CString(info.bstrDescription) : StatusText(hr);
    auto* e = new COleDispatchException(description, info.dwHelpContext, info.wCode);
    e->m_scError = hr != DISP_E_EXCEPTION ? hr : (info.scode ? info.scode : DISP_E_EXCEPTION);
    if (info.bstrSource)
        e->m_strSource = info.bstrSource;
    if (info.bstrHelpFile)
        e->m_strHelpFile = info.bstrHelpFile;
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    throw e;
}

[[noreturn]] static void ThrowStatus(HRESULT hr)
{
    EXCEPINFO info = {};
    ThrowInvokeFailure(hr, info);
}

// ---- the driver ---------------------------------------------------------------

COleDispatchDriver::COleDispatchDriver(const COleDispatchDriver& source)
    : m_lpDispatch(source.m_lpDispatch), m_bAutoRelease(TRUE)
{
    if (m_lpDispatch)
        m_lpDispatch->AddRef();
}

const COleDispatchDriver& COleDispatchDriver::operator=(const COleDispatchDriver& source)
{
    if (this != &source)
    {
        if (source.m_lpDispatch)
            source.m_lpDispatch->AddRef();
        ReleaseDispatch();
        m_lpDispatch = source.m_lpDispatch;
        m_bAutoRelease = TRUE;
    }
    return *this;
}

const COleDispatchDriver& COleDispatchDriver::operator=(LPDISPATCH lpDispatch)
{
    AttachDispatch(lpDispatch, TRUE);
    return *this;
}

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid, COleException* pError)
{
    LPUNKNOWN unknown = nullptr;
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&unknown));
    LPDISPATCH dispatch = nullptr;
    if (SUCCEEDED(hr))
    {
        // A local server may not be ready for calls the moment it was started.
        OleRun(unknown);
        hr = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
        unknown->Release();
    }
    if (FAILED(hr))
    {
        if (pError)
            pError->m_sc = hr;
        return FALSE;
    }
    AttachDispatch(dispatch, TRUE);
    return TRUE;
}

BOOL COleDispatchDriver::CreateDispatch(LPCTSTR lpszProgID, COleException* pError)
{
    CLSID clsid;
    HRESULT hr = lpszProgID ? CLSIDFromProgID(lpszProgID, &clsid) : E_INVALIDARG;
    if (FAILED(hr))
    {
        if (pError)
            pError->m_sc = hr;
        return FALSE;
    }
    return CreateDispatch(clsid, pError);
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease)
{
    if (lpDispatch == m_lpDispatch)
    {
        // Attaching the held object again hands over the caller's reference.
        if (lpDispatch && bAutoRelease && m_bAutoRelease)
            lpDispatch->Release();
        m_bAutoRelease = m_bAutoRelease || bAutoRelease;
        return;
    }
    ReleaseDispatch();
    m_lpDispatch = lpDispatch;
    m_bAutoRelease = bAutoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch()
{
    LPDISPATCH dispatch = m_lpDispatch;
    m_lpDispatch = nullptr;
    return dispatch;
}

void COleDispatchDriver::ReleaseDispatch()
{
    if (m_lpDispatch && m_bAutoRelease)
        m_lpDispatch->Release();
    m_lpDispatch = nullptr;
}

void AFX_CDECL COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                                const BYTE* pbParamInfo, ...)
{
    va_list args;
    va_start(args, pbParamInfo);
    try
    {
        InvokeHelperV(dwDispID, wFlags, vtRet, pvRet, pbParamInfo, args);
    }
    catch (...)
    {
        va_end(args);
        throw;
    }
    va_end(args);
}

// One argument of the type byte, read from the argument list into a VARIANT.
// Strings are copied into new BSTRs, which the caller frees.
static HRESULT ReadArgument(BYTE type, va_list& args, VARIANT& v)
{
    VariantInit(&v);
    if (type & VT_MFCBYREF)
    {
        VARTYPE base = static_cast<VARTYPE>(type & ~VT_MFCBYREF);
        v.vt = static_cast<VARTYPE>(VT_BYREF | base);
        v.byref = va_arg(args, void*);
        return S_OK;
    }
    switch (type)
    {
    case VT_I2:
        v.vt = VT_I2;
        v.iVal = static_cast<SHORT>(va_arg(args, int));
        break;
    case VT_I4:
        v.vt = VT_I4;
        v.lVal = va_arg(args, long);
        break;
    case VT_R4:
        v.vt = VT_R4;
        v.fltVal = static_cast<float>(va_arg(args, double));
        break;
    case VT_R8:
        v.vt = VT_R8;
        v.dblVal = va_arg(args, double);
        break;
    case VT_BOOL:
        v.vt = VT_BOOL;
        v.boolVal = va_arg(args, BOOL) ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_BSTR:
    {
        const wchar_t* text = va_arg(args, const wchar_t*);
        v.vt = VT_BSTR;
        v.bstrVal = SysAllocString(text ? text : L"");
        if (!v.bstrVal)
            return E_OUTOFMEMORY;
        break;
    }
    case VT_DISPATCH:
        v.vt = VT_DISPATCH;
        v.pdispVal = va_arg(args, LPDISPATCH);
        break;
    case VT_UNKNOWN:
        v.vt = VT_UNKNOWN;
        v.punkVal = va_arg(args, LPUNKNOWN);
        break;
    case VT_VARIANT:
    {
        const VARIANT* source = va_arg(args, const VARIANT*);
        if (source)
            v = *source;   // shallow: the caller keeps ownership
        break;
    }
    default:
        return DISP_E_BADVARTYPE;
    }
    return S_OK;
}

// Moves the result into the caller's slot of type vtRet.
static void StoreResult(VARIANT& result, VARTYPE vtRet, void* pvRet)
{
    if (vtRet == VT_VARIANT)
    {
        *static_cast<VARIANT*>(pvRet) = result;
        return;
    }
    if (result.vt != vtRet)
    {
        HRESULT hr = VariantChangeType(&result, &result, 0, vtRet);
        if (FAILED(hr))
        {
            VariantClear(&result);
            ThrowStatus(hr);
        }
    }
    switch (vtRet)
    {
    case VT_I2:
        *static_cast<short*>(pvRet) = result.iVal;
        break;
    case VT_I4:
        *static_cast<long*>(pvRet) = result.lVal;
        break;
    case VT_R4:
        *static_cast<float*>(pvRet) = result.fltVal;
        break;
    case VT_R8:
        *static_cast<double*>(pvRet) = result.dblVal;
        break;
    case VT_BOOL:
        *static_cast<BOOL*>(pvRet) = result.boolVal != VARIANT_FALSE;
        break;
    case VT_BSTR:
        *static_cast<CString*>(pvRet) =
            CString(result.bstrVal ? result.bstrVal : L"", static_cast<int>(SysStringLen(result.bstrVal)));
        VariantClear(&result);
        break;
    case VT_DISPATCH:
        *static_cast<LPDISPATCH*>(pvRet) = result.pdispVal;
        break;   // the caller's reference
    case VT_UNKNOWN:
        *static_cast<LPUNKNOWN*>(pvRet) = result.punkVal;
        break;
    default:
        VariantClear(&result);
        ThrowStatus(DISP_E_BADVARTYPE);
    }
}

void COleDispatchDriver::InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                       const BYTE* pbParamInfo, va_list argList)
{
    if (!m_lpDispatch)
        ThrowStatus(E_POINTER);
    size_t count = pbParamInfo ? strlen(reinterpret_cast<const char*>(pbParamInfo)) : 0;
    // Invoke takes the arguments last first.
    std::vector<VARIANT> values(count);
    HRESULT hr = S_OK;
    size_t read = 0;
    for (; read < count && SUCCEEDED(hr); ++read)
        hr = ReadArgument(pbParamInfo[read], argList, values[count - 1 - read]);
    auto freeStrings = [&]
    {
        for (size_t i = 0; i < read; ++i)
            if (values[count - 1 - i].vt == VT_BSTR)
                VariantClear(&values[count - 1 - i]);
    };
    if (FAILED(hr))
    {
        freeStrings();
        ThrowStatus(hr);
    }

    DISPPARAMS params = {};
    DISPID putId = DISPID_PROPERTYPUT;
    params.cArgs = static_cast<UINT>(count);
    params.rgvarg = count ? values.data() : nullptr;
    if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
    {
        params.cNamedArgs = 1;
        params.rgdispidNamedArgs = &putId;
    }
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info = {};
    UINT badArg = 0;
    hr = m_lpDispatch->Invoke(dwDispID, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params,
                              vtRet != VT_EMPTY ? &result : nullptr, &info, &badArg);
    freeStrings();
    if (FAILED(hr))
    {
        VariantClear(&result);
        ThrowInvokeFailure(hr, info);
    }
    if (vtRet != VT_EMPTY && pvRet)
        StoreResult(result, vtRet, pvRet);
    else
        VariantClear(&result);
}

void COleDispatchDriver::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const
{
    const_cast<COleDispatchDriver*>(this)->InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp,
                                                        reinterpret_cast<const BYTE*>(VTS_NONE));
}

void AFX_CDECL COleDispatchDriver::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...)
{
    va_list args;
    va_start(args, vtProp);
    BYTE types[2] = {static_cast<BYTE>(vtProp), 0};
    WORD flags = vtProp == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    try
    {
        InvokeHelperV(dwDispID, flags, VT_EMPTY, nullptr, types, args);
    }
    catch (...)
    {
        va_end(args);
        throw;
    }
    va_end(args);
}
