// COleControlSite: receiving a control's events through its default source
// interface and handing them to the container window.
#include "olecontrolsite.h"

namespace
{

// The sink the control calls; it answers for the control's event interface
// and IDispatch, and passes every call to the site.
class CEventSink : public IDispatch
{
public:
    CEventSink(COleControlSite* pSite, REFIID iidEvents) : m_pSite(pSite), m_iidEvents(iidEvents) {}

    // The site outlives the connection, except that it unadvises first.
    void Disconnect() { m_pSite = nullptr; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IDispatch && riid != m_iidEvents)
            return E_NOINTERFACE;
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_cRef)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG cRef = ::InterlockedDecrement(&m_cRef);
        if (cRef == 0)
            delete this;
        return static_cast<ULONG>(cRef);
    }
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override
    {
        if (pctinfo == nullptr)
            return E_POINTER;
        *pctinfo = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override
    {
        if (ppTInfo != nullptr)
            *ppTInfo = nullptr;
        return DISP_E_BADINDEX;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* pParams, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return m_pSite != nullptr ? m_pSite->FireEvent(dispid, pParams) : S_OK;
    }

private:
    virtual ~CEventSink() = default;
    LONG m_cRef = 1;
    COleControlSite* m_pSite;
    IID m_iidEvents;
};

// The control's default outgoing dispatch interface, as its class information says.
HRESULT DefaultSourceIID(IUnknown* pControl, IID* piid)
{
    IProvideClassInfo2* pInfo = nullptr;
    HRESULT hr = pControl->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&pInfo));
    if (FAILED(hr))
        return hr;
    hr = pInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, piid);
    pInfo->Release();
    return hr;
}

}   // namespace

HRESULT COleControlSite::ConnectEvents()
{
    IID iidEvents;
    HRESULT hr = DefaultSourceIID(m_pObject, &iidEvents);
    if (FAILED(hr))
        return hr;
    IConnectionPointContainer* pContainer = nullptr;
    hr = m_pObject->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&pContainer));
    if (FAILED(hr))
        return hr;
    hr = pContainer->FindConnectionPoint(iidEvents, &m_pEventPoint);
    pContainer->Release();
    if (FAILED(hr))
    {
        m_pEventPoint = nullptr;
        return hr;
    }
    auto* pSink = new CEventSink(this, iidEvents);
    hr = m_pEventPoint->Advise(pSink, &m_dwEventCookie);
    if (FAILED(hr))
    {
        pSink->Release();
        m_pEventPoint->Release();
        m_pEventPoint = nullptr;
        return hr;
    }
    m_pEventSink = pSink;
    return S_OK;
}

void COleControlSite::DisconnectEvents()
{
    if (m_pEventPoint != nullptr)
    {
        m_pEventPoint->Unadvise(m_dwEventCookie);
        m_pEventPoint->Release();
        m_pEventPoint = nullptr;
    }
    if (m_pEventSink != nullptr)
    {
        // A control that still holds the sink after unadvising calls nobody.
        static_cast<CEventSink*>(m_pEventSink)->Disconnect();
        m_pEventSink->Release();
        m_pEventSink = nullptr;
    }
}
