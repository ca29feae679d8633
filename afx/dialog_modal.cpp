// CDialog::DoModal: a modeless dialog run in a modal loop with its owner disabled.
#include "wndinternal.h"

HWND CDialog::FindModalOwner() const
{
    HWND hWndOwner = m_pParentWnd->GetSafeHwnd();
    if (hWndOwner == nullptr)
        hWndOwner = ::GetActiveWindow();
    if (hWndOwner == nullptr)
        hWndOwner = AfxGetMainWnd()->GetSafeHwnd();
    if (hWndOwner != nullptr)
        hWndOwner = ::GetAncestor(hWndOwner, GA_ROOT);
    return hWndOwner;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    if (m_lpszTemplateName != nullptr)
        lpTemplate = AfxLoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (lpTemplate == nullptr)
        return -1;

    HWND hWndOwner = FindModalOwner();
    bool ownerDisabled = false;
    if (hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner))
    {
        ::EnableWindow(hWndOwner, FALSE);
        ownerDisabled = true;
    }

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    if (CreateDlgIndirect(lpTemplate, hWndOwner, hInst))
    {
        if (m_nFlags & WF_CONTINUEMODAL)
        {
            ShowWindow(SW_SHOWNORMAL);
            RunModalLoop();
        }
        if (m_hWnd != nullptr)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~WF_CONTINUEMODAL;

    if (ownerDisabled)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    return m_nModalResult;
}
