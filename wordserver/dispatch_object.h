// The base of every automation object of the server: IDispatch with calls routed
// by dispatch id, arguments read the way Word reads them, errors as exceptions.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

// A failure that the call reports to its caller as Word does: DISP_E_EXCEPTION
// with the description in the exception information.
struct WordError
{
    HRESULT code;
    std::wstring description;
};

[[noreturn]] void ThrowWordError(const std::wstring& description, HRESULT code = E_FAIL);

// The arguments and result slot of one Invoke.
class CallArgs
{
public:
    CallArgs(WORD flags, DISPPARAMS* params, VARIANT* result) : flags_(flags), params_(params), result_(result) {}

    bool IsGet() const { return (flags_ & DISPATCH_PROPERTYGET) != 0; }
    bool IsPut() const { return (flags_ & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }
    bool IsMethod() const { return (flags_ & DISPATCH_METHOD) != 0; }

    // Positional argument i (0 = first), by-reference variants followed; null when
    // it was not given or was passed as "missing".
    const VARIANT* Arg(UINT i) const;
    // The value of a property put.
    const VARIANT* PutValue() const;
    std::wstring String(UINT i, const std::wstring& fallback = std::wstring()) const;
    long Long(UINT i, long fallback) const;
    bool Bool(UINT i, bool fallback) const;
    IDispatch* Dispatch(UINT i) const;

    static std::wstring ToString(const VARIANT* v);
    static long ToLong(const VARIANT* v);

    void Return(long value);
    void Return(bool value);
    void Return(const std::wstring& value);
    void Return(IDispatch* value);   // takes over the reference
    void Return(IUnknown* value);

private:
    WORD flags_;
    DISPPARAMS* params_;
    VARIANT* result_;
};

// Name and dispatch id of one member, for GetIDsOfNames.
struct MemberName
{
    const wchar_t* name;
    DISPID id;
};

// Private interface through which the server recognises its own objects when a
// caller hands them back as arguments (a range given to Hyperlinks.Add).
// {6A1C2F0E-5B7D-4C1E-9A3B-0D2E4F6A8B01}
extern const IID IID_IWordServerObject;

class DispatchObject : public IDispatch
{
public:
    DispatchObject();
    virtual ~DispatchObject();
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                        UINT* argError) override;

    // An object of this server behind the dispatch pointer, or null.
    static DispatchObject* FromDispatch(IDispatch* dispatch);

protected:
    // Runs the member; false when this object has no member of that id and kind.
    virtual bool Call(DISPID id, CallArgs& args) = 0;
    virtual const MemberName* Names() const = 0;

private:
    LONG refs_ = 1;
};

// Ends the server's wait in wWinMain: the last object is gone or Quit was called.
void RequestServerExit();
HANDLE ServerExitEvent();

// Counts every call that reaches the server (read through the application's
// private property).
long long& ServerCallCount();
