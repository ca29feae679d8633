// Creating, subclassing and destroying the window of a wrapper.
#include "wndinternal.h"
#include <cwchar>
#include <set>
#include <string>

namespace
{

thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hHookCreate = nullptr;

// Windows the system makes on the side (input method windows) are not ours.
bool IsSystemHelperWindow(HWND hWnd)
{
    wchar_t className[32] = {};
    GetClassNameW(hWnd, className, 32);
    return lstrcmpiW(className, L"IME") == 0 || lstrcmpiW(className, L"MSCTFIME UI") == 0;
}

// Attaches the wrapper and puts AfxWndProc in front of the class procedure.
BOOL AttachAndSubclass(CWnd* pWnd, HWND hWnd, WNDPROC* ppfnSuper)
{
    if (!pWnd->Attach(hWnd))
        return FALSE;
    pWnd->PreSubclassWindow();
    auto oldProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (oldProc == nullptr)
    {
        pWnd->Detach();
        return FALSE;
    }
    if (oldProc != &AfxWndProc)
        *ppfnSuper = oldProc;
    return TRUE;
}

}   // namespace

// Reaches the wrapper's protected super-procedure slot.
class CWndCreateHook
{
public:
    static BOOL Attach(CWnd* pWnd, HWND hWnd) { return AttachAndSubclass(pWnd, hWnd, &pWnd->m_pfnSuper); }
};

namespace
{

LRESULT CALLBACK CreateWindowHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pWndInit != nullptr)
    {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (!IsSystemHelperWindow(hWnd))
        {
            CWnd* pWnd = t_pWndInit;
            t_pWndInit = nullptr;
            CWndCreateHook::Attach(pWnd, hWnd);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}   // namespace

void AfxHookWindowCreate(CWnd* pWnd)
{
    if (t_hHookCreate == nullptr)
        t_hHookCreate = SetWindowsHookExW(WH_CBT, &CreateWindowHook, nullptr, GetCurrentThreadId());
    t_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    if (t_hHookCreate != nullptr)
    {
        UnhookWindowsHookEx(t_hHookCreate);
        t_hHookCreate = nullptr;
    }
    if (t_pWndInit != nullptr)
    {
        t_pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::wstring> registered;
    HINSTANCE hInstance = AfxGetStaticModuleState()->m_hCurrentInstanceHandle;
    wchar_t name[128];
    swprintf(name, 128, L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInstance), nClassStyle, static_cast<void*>(hCursor),
             static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    auto found = registered.find(name);
    if (found != registered.end())
        return found->c_str();
    WNDCLASSW wc = {};
    // Global, so windows of this class can be made whatever instance the
    // current module state names; the module handle in the name keeps the
    // classes of different modules apart.
    wc.style = nClassStyle | CS_GLOBALCLASS;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInstance;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name;
    if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    return registered.insert(name).first->c_str();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return cs.lpszClass != nullptr;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    ASSERT(m_hWnd == nullptr);
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    // Never attached: no WM_NCDESTROY will come to clean up.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    return CWndCreateHook::Attach(this, hWnd);
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID));
    ASSERT(hWndControl != nullptr);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    // Detach puts the original window procedure back.
    return Detach();
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return FALSE;
    bool wasPermanent = FromHandlePermanent(hWnd) == this;
    BOOL destroyed = ::DestroyWindow(hWnd);
    // A wrapper that only attached (no subclass) never saw WM_NCDESTROY.
    if (destroyed && wasPermanent && FromHandlePermanent(hWnd) == this)
        Detach();
    return destroyed;
}
