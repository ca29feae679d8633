// CHTMLWnd: the browser frame, its document-complete counter and wait.
#include "control/htmlwnd.h"

#include <exdispid.h>

namespace
{

const UINT kMenuId = 180;
// Popup, visible, caption, system menu, minimise and maximise boxes.
const DWORD kFrameStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
const UINT kBrowserId = AFX_IDW_PANE_FIRST;
// DocumentComplete(pDisp, URL): arguments come last first.
const UINT kDocumentCompleteArgs = 2;
const UINT kAddressArg = 0;

// The text of an event argument that is a string, directly or by reference.
const wchar_t* StringArgument(const VARIANT& arg)
{
    const VARIANT* pValue = &arg;
    if (V_VT(pValue) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(pValue) != nullptr)
        pValue = V_VARIANTREF(pValue);
    if (V_VT(pValue) == VT_BSTR)
        return V_BSTR(pValue) != nullptr ? V_BSTR(pValue) : L"";
    if (V_VT(pValue) == (VT_BSTR | VT_BYREF) && V_BSTRREF(pValue) != nullptr)
        return *V_BSTRREF(pValue) != nullptr ? *V_BSTRREF(pValue) : L"";
    return nullptr;
}

}   // namespace

BEGIN_MESSAGE_MAP(CHTMLWnd, CFrameWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CHTMLWnd::CHTMLWnd() : m_bAutoDelete(0), m_pBrowser(nullptr), m_nDocumentComplete(0) {}

CHTMLWnd::~CHTMLWnd()
{
    // A frame deleted while its window is still up takes the browser down first.
    if (m_pBrowser != nullptr)
    {
        m_pBrowser->Release();
        m_pBrowser = nullptr;
    }
    m_wndBrowser.DestroyWindow();
}

BOOL CHTMLWnd::Create(const RECT& rect, CWnd* pParentWnd)
{
    HMENU hMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kMenuId));
    if (!CreateEx(0, nullptr, nullptr, kFrameStyle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                  pParentWnd->GetSafeHwnd(), hMenu))
    {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_wndBrowser.CreateControl(CLSID_WebBrowser, nullptr, WS_CHILD | WS_VISIBLE, rcClient, this, kBrowserId))
    {
        IUnknown* pUnknown = m_wndBrowser.GetControlUnknown();
        if (FAILED(pUnknown->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&m_pBrowser))))
            m_pBrowser = nullptr;
    }
    if (m_pBrowser == nullptr)
    {
        m_wndBrowser.DestroyWindow();
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

void CHTMLWnd::Navigate(LPCTSTR pszFileName)
{
    if (m_pBrowser == nullptr || pszFileName == nullptr)
        return;
    BSTR bstrAddress = ::SysAllocString(pszFileName);
    VARIANT vEmpty;
    ::VariantInit(&vEmpty);
    m_pBrowser->Navigate(bstrAddress, &vEmpty, &vEmpty, &vEmpty, &vEmpty);
    ::SysFreeString(bstrAddress);
}

int CHTMLWnd::WaitForDocument()
{
    const HWND hWnd = m_hWnd;
    const int nCountBefore = m_nDocumentComplete;
    MSG msg;
    // The object may be deleted with its window, so the window is checked first.
    while (::IsWindow(hWnd))
    {
        if (m_nDocumentComplete != nCountBefore)
            return 1;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            ::WaitMessage();
            continue;
        }
        if (!::GetMessageW(&msg, nullptr, 0, 0))
        {
            // Leave the quit message for the loop that owns it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return 0;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

BOOL CHTMLWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (static_cast<UINT>(nCode) == CN_EVENT && nID == kBrowserId && pExtra != nullptr)
    {
        auto* pEvent = static_cast<AFX_EVENT*>(pExtra);
        if (pEvent->m_dispid == DISPID_DOCUMENTCOMPLETE)
            OnDocumentComplete(pEvent->m_pDispParams);
        return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CHTMLWnd::OnDocumentComplete(DISPPARAMS* pParams)
{
    if (pParams == nullptr || pParams->cArgs != kDocumentCompleteArgs)
        return;
    const wchar_t* pszAddress = StringArgument(pParams->rgvarg[kAddressArg]);
    if (pszAddress == nullptr)
        return;
    SetWindowText(pszAddress);
    ++m_nDocumentComplete;
}

void CHTMLWnd::RecalcLayout(BOOL /*bNotify*/)
{
    if (m_wndBrowser.GetControlUnknown() == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    m_wndBrowser.SetControlRect(rcClient);
}

void CHTMLWnd::OnDestroy()
{
    if (m_pBrowser != nullptr)
    {
        m_pBrowser->Release();
        m_pBrowser = nullptr;
    }
    m_wndBrowser.DestroyWindow();
    CFrameWnd::OnDestroy();
}

void CHTMLWnd::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}
