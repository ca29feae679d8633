// IDispatch plumbing shared by the server's objects; each object's life holds
// the server process (CoAddRefServerProcess), which ends when the last is released.
#include "dispatch_object.h"

#include <cstring>
#include <mutex>

const IID IID_IWordServerObject = {0x6a1c2f0e, 0x5b7d, 0x4c1e, {0x9a, 0x3b, 0x0d, 0x2e, 0x4f, 0x6a, 0x8b, 0x01}};

void ThrowWordError(const std::wstring& description, HRESULT code)
{
    throw WordError{code, description};
}

HANDLE ServerExitEvent()
{
    static HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    return event;
}

void RequestServerExit()
{
    SetEvent(ServerExitEvent());
}

// Calls arrive on the threads of the multithreaded apartment; the document
// model is used by one call at a time.
static std::mutex& ModelLock()
{
    static std::mutex lock;
    return lock;
}

long long& ServerCallCount()
{
    static long long count = 0;
    return count;
}

// ---- arguments ----------------------------------------------------------------

const VARIANT* CallArgs::Arg(UINT i) const
{
    if (!params_ || i >= params_->cArgs - params_->cNamedArgs)
        return nullptr;
    const VARIANT* v = &params_->rgvarg[params_->cArgs - 1 - i];
    while (v && v->vt == (VT_BYREF | VT_VARIANT))
        v = v->pvarVal;
    if (!v || v->vt == VT_EMPTY || (v->vt == VT_ERROR && v->scode == DISP_E_PARAMNOTFOUND))
        return nullptr;
    return v;
}

const VARIANT* CallArgs::PutValue() const
{
    if (!params_ || params_->cArgs < 1 || params_->cNamedArgs < 1 ||
        params_->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
        return nullptr;
    const VARIANT* v = &params_->rgvarg[0];
    while (v && v->vt == (VT_BYREF | VT_VARIANT))
        v = v->pvarVal;
    return v;
}

std::wstring CallArgs::ToString(const VARIANT* v)
{
    if (!v)
        ThrowWordError(L"A required argument is missing.", DISP_E_PARAMNOTFOUND);
    VARIANT copy;
    VariantInit(&copy);
    if (FAILED(VariantChangeType(&copy, const_cast<VARIANT*>(v), 0, VT_BSTR)))
        ThrowWordError(L"Type mismatch: a text was expected.", DISP_E_TYPEMISMATCH);
    std::wstring text(copy.bstrVal ? copy.bstrVal : L"", SysStringLen(copy.bstrVal));
    VariantClear(&copy);
    return text;
}

long CallArgs::ToLong(const VARIANT* v)
{
    if (!v)
        ThrowWordError(L"A required argument is missing.", DISP_E_PARAMNOTFOUND);
    VARIANT copy;
    VariantInit(&copy);
    if (FAILED(VariantChangeType(&copy, const_cast<VARIANT*>(v), 0, VT_I4)))
        ThrowWordError(L"Type mismatch: a number was expected.", DISP_E_TYPEMISMATCH);
    return copy.lVal;
}

std::wstring CallArgs::String(UINT i, const std::wstring& fallback) const
{
    const VARIANT* v = Arg(i);
    return v ? ToString(v) : fallback;
}

long CallArgs::Long(UINT i, long fallback) const
{
    const VARIANT* v = Arg(i);
    return v ? ToLong(v) : fallback;
}

bool CallArgs::Bool(UINT i, bool fallback) const
{
    const VARIANT* v = Arg(i);
    return v ? ToLong(v) != 0 : fallback;
}

IDispatch* CallArgs::Dispatch(UINT i) const
{
    const VARIANT* v = Arg(i);
    if (v && v->vt == VT_DISPATCH)
        return v->pdispVal;
    if (v && v->vt == (VT_BYREF | VT_DISPATCH) && v->ppdispVal)
        return *v->ppdispVal;
    return nullptr;
}

void CallArgs::Return(long value)
{
    if (result_)
    {
        result_->vt = VT_I4;
        result_->lVal = value;
    }
}

void CallArgs::Return(bool value)
{
    if (result_)
    {
        result_->vt = VT_BOOL;
        result_->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
}

void CallArgs::Return(const std::wstring& value)
{
    if (result_)
    {
        result_->vt = VT_BSTR;
        result_->bstrVal = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    }
}

void CallArgs::Return(IDispatch* value)
{
    if (result_)
    {
        result_->vt = VT_DISPATCH;
        result_->pdispVal = value;
    }
    else if (value)
        value->Release();
}

void CallArgs::Return(IUnknown* value)
{
    if (result_)
    {
        result_->vt = VT_UNKNOWN;
        result_->punkVal = value;
    }
    else if (value)
        value->Release();
}

// ---- the object ---------------------------------------------------------------

DispatchObject::DispatchObject()
{
    CoAddRefServerProcess();
}

DispatchObject::~DispatchObject()
{
    if (CoReleaseServerProcess() == 0)
        RequestServerExit();
}

STDMETHODIMP DispatchObject::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IWordServerObject)
    {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) DispatchObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

STDMETHODIMP_(ULONG) DispatchObject::Release()
{
    LONG n = InterlockedDecrement(&refs_);
    if (n == 0)
        delete this;
    return static_cast<ULONG>(n);
}

STDMETHODIMP DispatchObject::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    for (const MemberName* m = Names(); m->name; ++m)
        if (names[0] && _wcsicmp(m->name, names[0]) == 0)
            ids[0] = m->id;
    if (ids[0] == DISPID_UNKNOWN)
        hr = DISP_E_UNKNOWNNAME;
    return hr;
}

STDMETHODIMP DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                    EXCEPINFO* info, UINT* argError)
{
    std::lock_guard<std::mutex> hold(ModelLock());
    ++ServerCallCount();
    if (result)
        VariantInit(result);
    if (argError)
        *argError = 0;
    CallArgs args(flags, params, result);
    try
    {
        return Call(id, args) ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
    catch (const WordError& e)
    {
        if (result)
            VariantClear(result);
        if (info)
        {
            memset(info, 0, sizeof(*info));
            info->bstrSource = SysAllocString(L"Word.Application");
            info->bstrDescription = SysAllocString(e.description.c_str());
            info->scode = e.code;
        }
        return DISP_E_EXCEPTION;
    }
}

DispatchObject* DispatchObject::FromDispatch(IDispatch* dispatch)
{
    void* object = nullptr;
    if (!dispatch || FAILED(dispatch->QueryInterface(IID_IWordServerObject, &object)) || !object)
        return nullptr;
    auto* ours = static_cast<DispatchObject*>(static_cast<IDispatch*>(object));
    ours->Release();
    return ours;
}
