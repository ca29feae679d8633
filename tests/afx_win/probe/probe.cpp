#define AFX_WIN_PROBE_BUILD
#include "probe.h"
#include "afxwin.h"

namespace
{

class CProbeApp : public CWinApp
{
};

CProbeApp theProbeApp;

class CReflectingChild : public CWnd
{
public:
    int m_nClicks = 0;
    int m_nPreTranslated = 0;

    // Takes F2 before it is dispatched.
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_F2)
            return FALSE;
        ++m_nPreTranslated;
        return TRUE;
    }

protected:
    void OnReflectedClick(NMHDR*, LRESULT* pResult)
    {
        ++m_nClicks;
        *pResult = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedClick)
END_MESSAGE_MAP()

CReflectingChild* g_pChild = nullptr;

}   // namespace

BOOL ProbeHasPermanentWnd(HWND hWnd)
{
    return CWnd::FromHandlePermanent(hWnd) != nullptr;
}

HWND ProbeCreateReflectingChild(HWND hWndParent, int nID)
{
    ProbeDestroyChild();
    g_pChild = new CReflectingChild;
    if (!g_pChild->CreateEx(0, nullptr, L"probe child", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, hWndParent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID))))
        return nullptr;
    return g_pChild->m_hWnd;
}

int ProbeReflectedClicks()
{
    return g_pChild != nullptr ? g_pChild->m_nClicks : -1;
}
int ProbePreTranslatedKeys()
{
    return g_pChild != nullptr ? g_pChild->m_nPreTranslated : -1;
}

void ProbeDestroyChild()
{
    delete g_pChild;
    g_pChild = nullptr;
}

void ProbeFireAssert()
{
    int nothing = 0;
    ASSERT(nothing == 1);
}

void ProbeCallManaged(void (*callback)(void* context), void* context)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    callback(context);
}

int ProbeMessageBoxDefault(LPCWSTR text)
{
    return AfxMessageBox(text);
}

int ProbeMessageBoxManaged(LPCWSTR text)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return AfxMessageBox(text, MB_OKCANCEL);
}
