// COleControlSite: the container's interfaces for one in-place OLE control.
#include "olecontrolsite.h"

COleControlSite::COleControlSite(CWnd* pContainer, UINT nID) : m_pContainer(pContainer), m_nID(nID) {}

COleControlSite::~COleControlSite()
{
    ASSERT(m_pObject == nullptr);
}

HRESULT COleControlSite::CreateControl(REFCLSID clsid, const RECT& rect, BOOL bVisible)
{
    ASSERT(m_pObject == nullptr && ::IsWindow(m_pContainer->GetSafeHwnd()));
    m_rect = rect;
    HRESULT hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&m_pObject));
    if (FAILED(hr))
        return hr;
    hr = m_pObject->SetClientSite(this);
    // Controls that ask for a persistent state start from a new, empty one.
    IPersistStreamInit* pInit = nullptr;
    if (SUCCEEDED(hr) && SUCCEEDED(m_pObject->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&pInit))))
    {
        pInit->InitNew();
        pInit->Release();
    }
    if (SUCCEEDED(hr))
        hr = m_pObject->DoVerb(bVisible ? OLEIVERB_SHOW : OLEIVERB_INPLACEACTIVATE, nullptr, this, 0,
                               m_pContainer->m_hWnd, &m_rect);
    if (SUCCEEDED(hr))
        hr = m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&m_pInPlaceObject));
    if (SUCCEEDED(hr))
        hr = m_pInPlaceObject->GetWindow(&m_hWndCtrl);
    if (SUCCEEDED(hr) && !::IsWindow(m_hWndCtrl))
        hr = E_FAIL;
    if (FAILED(hr))
    {
        DestroyControl();
        return hr;
    }
    m_pInPlaceObject->SetObjectRects(&m_rect, &m_rect);
    // A control without events is still a control; its events are only lost.
    ConnectEvents();
    return S_OK;
}

void COleControlSite::DestroyControl()
{
    DisconnectEvents();
    if (m_pInPlaceObject != nullptr)
    {
        m_pInPlaceObject->InPlaceDeactivate();
        m_pInPlaceObject->Release();
        m_pInPlaceObject = nullptr;
    }
    if (m_pObject != nullptr)
    {
        m_pObject->Close(OLECLOSE_NOSAVE);
        m_pObject->SetClientSite(nullptr);
        m_pObject->Release();
        m_pObject = nullptr;
    }
    // A control that left its window behind does not keep it.
    if (::IsWindow(m_hWndCtrl))
        ::DestroyWindow(m_hWndCtrl);
    m_hWndCtrl = nullptr;
}

void COleControlSite::SetRect(const RECT& rect)
{
    m_rect = rect;
    if (m_pInPlaceObject != nullptr)
        m_pInPlaceObject->SetObjectRects(&m_rect, &m_rect);
}

HRESULT COleControlSite::FireEvent(DISPID dispid, DISPPARAMS* pParams)
{
    if (!::IsWindow(m_pContainer->GetSafeHwnd()))
        return S_OK;
    AFX_EVENT event = {dispid, pParams, S_OK};
    m_pContainer->OnCmdMsg(m_nID, static_cast<int>(CN_EVENT), &event, nullptr);
    return event.m_hResult;
}

// ---- IUnknown --------------------------------------------------------------

STDMETHODIMP COleControlSite::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *ppv = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
        *ppv = static_cast<IOleInPlaceSite*>(this);
    else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
        *ppv = static_cast<IOleInPlaceFrame*>(this);
    else if (riid == IID_IOleControlSite)
        *ppv = static_cast<IOleControlSite*>(this);
    else if (riid == IID_IDispatch)
        *ppv = static_cast<IDispatch*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleControlSite::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_cRef));
}

STDMETHODIMP_(ULONG) COleControlSite::Release()
{
    const LONG cRef = ::InterlockedDecrement(&m_cRef);
    if (cRef == 0)
        delete this;
    return static_cast<ULONG>(cRef);
}

// ---- IOleClientSite: no container document to save or name -----------------

STDMETHODIMP COleControlSite::SaveObject()
{
    return S_OK;
}

STDMETHODIMP COleControlSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer != nullptr)
        *ppContainer = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP COleControlSite::ShowObject()
{
    return S_OK;
}
STDMETHODIMP COleControlSite::OnShowWindow(BOOL)
{
    return S_OK;
}
STDMETHODIMP COleControlSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

// ---- IOleWindow ------------------------------------------------------------

STDMETHODIMP COleControlSite::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    *phwnd = m_pContainer->GetSafeHwnd();
    return *phwnd != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP COleControlSite::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

// ---- IOleInPlaceSite -------------------------------------------------------

STDMETHODIMP COleControlSite::CanInPlaceActivate()
{
    return S_OK;
}
STDMETHODIMP COleControlSite::OnInPlaceActivate()
{
    return S_OK;
}
STDMETHODIMP COleControlSite::OnUIActivate()
{
    return S_OK;
}

STDMETHODIMP COleControlSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                               LPRECT lprcPosRect, LPRECT lprcClipRect,
                                               LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (ppFrame == nullptr || ppDoc == nullptr || lprcPosRect == nullptr || lprcClipRect == nullptr ||
        lpFrameInfo == nullptr)
        return E_POINTER;
    *ppFrame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *ppDoc = nullptr;
    *lprcPosRect = m_rect;
    *lprcClipRect = m_rect;
    lpFrameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = m_pContainer->GetSafeHwnd();
    lpFrameInfo->haccel = nullptr;
    lpFrameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP COleControlSite::Scroll(SIZE)
{
    return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::OnUIDeactivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::OnInPlaceDeactivate()
{
    return S_OK;
}

STDMETHODIMP COleControlSite::DiscardUndoState()
{
    return S_OK;
}
STDMETHODIMP COleControlSite::DeactivateAndUndo()
{
    return S_OK;
}

STDMETHODIMP COleControlSite::OnPosRectChange(LPCRECT lprcPosRect)
{
    if (lprcPosRect == nullptr)
        return E_POINTER;
    SetRect(*lprcPosRect);
    return S_OK;
}

// ---- IOleInPlaceUIWindow, IOleInPlaceFrame: no tool space, menus or status bar

STDMETHODIMP COleControlSite::GetBorder(LPRECT)
{
    return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP COleControlSite::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP COleControlSite::SetBorderSpace(LPCBORDERWIDTHS)
{
    return OLE_E_INVALIDRECT;
}
STDMETHODIMP COleControlSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR)
{
    return S_OK;
}
STDMETHODIMP COleControlSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}
STDMETHODIMP COleControlSite::RemoveMenus(HMENU)
{
    return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::SetStatusText(LPCOLESTR)
{
    return S_OK;
}
STDMETHODIMP COleControlSite::EnableModeless(BOOL)
{
    return S_OK;
}
STDMETHODIMP COleControlSite::TranslateAccelerator(LPMSG, WORD)
{
    return S_FALSE;
}

// ---- IOleControlSite -------------------------------------------------------

STDMETHODIMP COleControlSite::OnControlInfoChanged()
{
    return S_OK;
}
STDMETHODIMP COleControlSite::LockInPlaceActive(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::GetExtendedControl(IDispatch** ppDisp)
{
    if (ppDisp != nullptr)
        *ppDisp = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::TransformCoords(POINTL*, POINTF*, DWORD)
{
    return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::TranslateAccelerator(LPMSG, DWORD)
{
    return S_FALSE;
}
STDMETHODIMP COleControlSite::OnFocus(BOOL)
{
    return S_OK;
}
STDMETHODIMP COleControlSite::ShowPropertyFrame()
{
    return E_NOTIMPL;
}

// ---- IDispatch: ambient properties -----------------------------------------

STDMETHODIMP COleControlSite::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP COleControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo != nullptr)
        *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP COleControlSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP COleControlSite::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return DISP_E_MEMBERNOTFOUND;
}
