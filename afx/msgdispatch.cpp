// The one place that turns (message, wParam, lParam) into handler arguments.
#include "wndinternal.h"
#include <windowsx.h>

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry)
        {
            UINT entryMessage = pEntry->nMessage;
            if (pEntry->pRegisteredMessage != nullptr)
                entryMessage = *pEntry->pRegisteredMessage;
            if (entryMessage == nMessage && pEntry->nCode == nCode && nID >= pEntry->nID && nID <= pEntry->nLastID)
                return pEntry;
        }
    }
    return nullptr;
}

static CPoint PointOf(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

static UINT CtlColorOf(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC ? message - WM_CTLCOLORMSGBOX : 0;
}

static CScrollBar* ScrollBarOf(LPARAM lParam)
{
    // Scroll-bar wrappers add no data to CWnd, as in MFC.
    return reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)));
}

void AfxDispatchWndMsg(CWnd* pWnd, const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT* pResult)
{
    const AfxMessageMapFunctions& f = pEntry->pfn;
    HWND hWndW = reinterpret_cast<HWND>(wParam);
    HWND hWndL = reinterpret_cast<HWND>(lParam);
    HDC hDC = reinterpret_cast<HDC>(wParam);
    LRESULT lResult = 0;
    switch (pEntry->nSig)
    {
    case AfxSig_v_v:
        (pWnd->*f.pfn_v_v)();
        break;
    case AfxSig_i_pCS:
        lResult = (pWnd->*f.pfn_i_pCS)(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_b_pDC:
        lResult = (pWnd->*f.pfn_b_pDC)(CDC::FromHandle(hDC));
        break;
    case AfxSig_v_u_i_i:
        (pWnd->*f.pfn_v_u_i_i)(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),
                               static_cast<short>(HIWORD(lParam)));
        break;
    case AfxSig_v_i_i:
        (pWnd->*f.pfn_v_i_i)(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        break;
    case AfxSig_v_u_u_pSB:
        (pWnd->*f.pfn_v_u_u_pSB)(LOWORD(wParam), static_cast<UINT>(static_cast<short>(HIWORD(wParam))),
                                 ScrollBarOf(lParam));
        break;
    case AfxSig_b_u_s_pt:
        lResult = (pWnd->*f.pfn_b_u_s_pt)(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), PointOf(lParam));
        break;
    case AfxSig_v_u_pt:
        (pWnd->*f.pfn_v_u_pt)(static_cast<UINT>(wParam), PointOf(lParam));
        break;
    case AfxSig_b_pW_u_u:
        lResult = (pWnd->*f.pfn_b_pW_u_u)(CWnd::FromHandle(hWndW), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_u_u_u:
        (pWnd->*f.pfn_v_u_u_u)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_u_v:
        lResult = (pWnd->*f.pfn_u_v)();
        break;
    case AfxSig_v_pW:
        (pWnd->*f.pfn_v_pW)(CWnd::FromHandle(hWndW));
        break;
    case AfxSig_v_pWl:
        (pWnd->*f.pfn_v_pWl)(CWnd::FromHandle(hWndL));
        break;
    case AfxSig_v_up:
        (pWnd->*f.pfn_v_up)(static_cast<UINT_PTR>(wParam));
        break;
    case AfxSig_hbr_pDC_pW_u:
        lResult = reinterpret_cast<LRESULT>(
            (pWnd->*f.pfn_hbr_pDC_pW_u)(CDC::FromHandle(hDC), CWnd::FromHandle(hWndL), CtlColorOf(message)));
        break;
    case AfxSig_v_i_pDIS:
        (pWnd->*f.pfn_v_i_pDIS)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_v_i_pMIS:
        (pWnd->*f.pfn_v_i_pMIS)(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_v_pW_pt:
        (pWnd->*f.pfn_v_pW_pt)(CWnd::FromHandle(hWndW), PointOf(lParam));
        break;
    case AfxSig_v_b_u:
        (pWnd->*f.pfn_v_b_u)(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        break;
    case AfxSig_v_u_pW_b:
        (pWnd->*f.pfn_v_u_pW_b)(LOWORD(wParam), CWnd::FromHandle(hWndL), HIWORD(wParam));
        break;
    case AfxSig_l_pt:
        lResult = (pWnd->*f.pfn_l_pt)(PointOf(lParam));
        break;
    case AfxSig_v_u_psz:
        (pWnd->*f.pfn_v_u_psz)(static_cast<UINT>(wParam), reinterpret_cast<LPCTSTR>(lParam));
        break;
    case AfxSig_v_pM_u_b:
        (pWnd->*f.pfn_v_pM_u_b)(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_pMMI:
        (pWnd->*f.pfn_v_pMMI)(reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case AfxSig_l_w_l:
        lResult = (pWnd->*f.pfn_l_w_l)(wParam, lParam);
        break;
    case AfxSig_hbr_pDC_u:
        lResult = reinterpret_cast<LRESULT>((pWnd->*f.pfn_hbr_pDC_u)(CDC::FromHandle(hDC), CtlColorOf(message)));
        break;
    case AfxSig_v_pDIS:
        (pWnd->*f.pfn_v_pDIS)(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_v_pMIS:
        (pWnd->*f.pfn_v_pMIS)(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_v_u_u:
        (pWnd->*f.pfn_v_u_u)(LOWORD(wParam), static_cast<UINT>(static_cast<short>(HIWORD(wParam))));
        break;
    default:
        ASSERT(!"window message entry with a command signature");
        break;
    }
    if (pResult != nullptr)
        *pResult = lResult;
}

BOOL AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, const AFX_MSGMAP_ENTRY* pEntry, void* pExtra)
{
    const AfxMessageMapFunctions& f = pEntry->pfn;
    auto* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
    switch (pEntry->nSig)
    {
    case AfxSigCmd_v:
        (pTarget->*f.pfnCmd_v)();
        return TRUE;
    case AfxSigCmd_b:
        return (pTarget->*f.pfnCmd_b)();
    case AfxSigCmd_RANGE:
        (pTarget->*f.pfnCmd_RANGE)(nID);
        return TRUE;
    case AfxSigCmd_EX:
        return (pTarget->*f.pfnCmd_EX)(nID);
    case AfxSigCmdUI:
        if (pExtra == nullptr)
            return FALSE;
        (pTarget->*f.pfnCmdUI)(static_cast<CCmdUI*>(pExtra));
        return TRUE;
    case AfxSigNotify_v:
        if (pNotify == nullptr)
            return FALSE;
        (pTarget->*f.pfnNotify_v)(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_b:
        return pNotify != nullptr && (pTarget->*f.pfnNotify_b)(pNotify->pNMHDR, pNotify->pResult);
    case AfxSigNotify_RANGE:
        if (pNotify == nullptr)
            return FALSE;
        (pTarget->*f.pfnNotify_RANGE)(nID, pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_EX:
        return pNotify != nullptr && (pTarget->*f.pfnNotify_EX)(nID, pNotify->pNMHDR, pNotify->pResult);
    default:
        ASSERT(!"command entry with a window-message signature");
        return FALSE;
    }
}

// ---- CCmdTarget -------------------------------------------------------------

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr, {.pfn = nullptr}}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT message = WM_COMMAND;
    UINT code = static_cast<WORD>(nCode);
    if (static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI && HIWORD(nCode) != 0)
        message = HIWORD(nCode);
    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), message, code, nID);
    if (pEntry == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr)
    {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = pEntry->pfn.pfn;
        return TRUE;
    }
    return AfxDispatchCmdMsg(this, nID, pEntry, pExtra);
}
