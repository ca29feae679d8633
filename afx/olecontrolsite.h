// Hosting OLE controls (ActiveX controls such as the system's web browser)
// as child windows.
//
// COleControlWnd::CreateControl makes the control with CoCreateInstance,
// gives it a COleControlSite as its client site, activates it in place
// inside the parent window and attaches the wrapper to the control's own
// window. The control's events (its default outgoing dispatch interface)
// reach the parent through OnCmdMsg(nID, CN_EVENT, AFX_EVENT*, nullptr).
#pragma once

#include <ole2.h>
#include <olectl.h>
#include "afxwin.h"

// The code of OnCmdMsg for an event of an OLE control; pExtra is an AFX_EVENT.
#ifndef CN_EVENT
#define CN_EVENT ((UINT)(-2))
#endif

// One event fired by a control, as its container receives it.
struct AFX_EVENT
{
    DISPID m_dispid;             // the event's dispatch id in the control's event interface
    DISPPARAMS* m_pDispParams;   // its arguments, last argument first
    HRESULT m_hResult;           // what the control gets back from its sink
};

class COleControlSite;

class COleControlWnd : public CWnd
{
public:
    COleControlWnd() = default;
    // Closes and releases a control that is still there.
    ~COleControlWnd() override;

    // Creates the control of clsid as a child of pParentWnd with id nID,
    // activated in place over rect; WS_VISIBLE in dwStyle shows it. FALSE
    // (and nothing left behind) when the control cannot be created,
    // activated or has no window.
    BOOL CreateControl(REFCLSID clsid, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       UINT nID);
    // The control's IUnknown (not AddRef'd), null when there is none.
    IUnknown* GetControlUnknown() const;
    // Moves the control over rect (in the parent's client coordinates).
    void SetControlRect(const RECT& rect);
    // Closes the control, which destroys its window.
    BOOL DestroyWindow() override;

private:
    COleControlSite* m_pCtrlSite = nullptr;
    void CloseControl();
};

// The container side of one control: client site, in-place site and frame,
// control site and the ambient-property dispatch. Reference counted: the
// control keeps references of its own until it is closed.
class COleControlSite : public IOleClientSite,
                        public IOleInPlaceSite,
                        public IOleInPlaceFrame,
                        public IOleControlSite,
                        public IDispatch
{
public:
    // pContainer: the window that holds the control and receives its events.
    COleControlSite(CWnd* pContainer, UINT nID);

    // Creates, activates and connects the control; S_OK or the failing result.
    HRESULT CreateControl(REFCLSID clsid, const RECT& rect, BOOL bVisible);
    // Unadvises, deactivates and closes the control, and lets it go.
    void DestroyControl();
    IUnknown* GetControlUnknown() const { return m_pObject; }
    HWND GetControlWindow() const { return m_hWndCtrl; }
    // Tells the control its new place in the container.
    void SetRect(const RECT& rect);
    // Hands an event of the control to the container; called by the sink.
    HRESULT FireEvent(DISPID dispid, DISPPARAMS* pParams);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    STDMETHODIMP GetContainer(IOleContainer** ppContainer) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL fShow) override;
    STDMETHODIMP RequestNewObjectLayout() override;
    // IOleWindow (both the in-place site and the frame answer with the container)
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) override;
    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                  LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHODIMP Scroll(SIZE scrollExtant) override;
    STDMETHODIMP OnUIDeactivate(BOOL fUndoable) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(LPCRECT lprcPosRect) override;
    // IOleInPlaceUIWindow and IOleInPlaceFrame
    STDMETHODIMP GetBorder(LPRECT lprectBorder) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR pszObjName) override;
    STDMETHODIMP InsertMenus(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) override;
    STDMETHODIMP SetMenu(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) override;
    STDMETHODIMP RemoveMenus(HMENU hmenuShared) override;
    STDMETHODIMP SetStatusText(LPCOLESTR pszStatusText) override;
    STDMETHODIMP EnableModeless(BOOL fEnable) override;
    STDMETHODIMP TranslateAccelerator(LPMSG lpmsg, WORD wID) override;
    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() override;
    STDMETHODIMP LockInPlaceActive(BOOL fLock) override;
    STDMETHODIMP GetExtendedControl(IDispatch** ppDisp) override;
    STDMETHODIMP TransformCoords(POINTL* pPtlHimetric, POINTF* pPtfContainer, DWORD dwFlags) override;
    STDMETHODIMP TranslateAccelerator(LPMSG pMsg, DWORD grfModifiers) override;
    STDMETHODIMP OnFocus(BOOL fGotFocus) override;
    STDMETHODIMP ShowPropertyFrame() override;
    // IDispatch: the ambient properties; none is set, so the control uses its defaults.
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

private:
    virtual ~COleControlSite();
    HRESULT ConnectEvents();
    void DisconnectEvents();

    LONG m_cRef = 1;
    CWnd* m_pContainer;
    UINT m_nID;
    RECT m_rect = {};
    IOleObject* m_pObject = nullptr;
    IOleInPlaceObject* m_pInPlaceObject = nullptr;
    HWND m_hWndCtrl = nullptr;
    IConnectionPoint* m_pEventPoint = nullptr;   // the control's default source
    DWORD m_dwEventCookie = 0;
    IDispatch* m_pEventSink = nullptr;
};
