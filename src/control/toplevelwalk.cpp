#include "control/toplevelwalk.h"

namespace
{

// Windows can be created and destroyed while the walk goes on, so a changing
// z-order could keep it going for ever: no desktop has this many windows.
const int kMaxSteps = 65536;

}   // namespace

CTopLevelWalk::CTopLevelWalk()
    : m_hFirst(::GetWindow(::GetDesktopWindow(), GW_CHILD)), m_hCurrent(m_hFirst), m_nSteps(0)
{
}

HWND CTopLevelWalk::After(HWND hWnd) const
{
    if (hWnd == nullptr)
        return nullptr;
    HWND hNext = ::GetWindow(hWnd, GW_HWNDNEXT);
    return hNext == m_hFirst ? nullptr : hNext;
}

HWND CTopLevelWalk::GoOnAfter(HWND hWnd, HWND hNext) const
{
    if (hNext == nullptr || ::IsWindow(hNext) || !::IsWindow(hWnd))
        return hNext;
    return After(hWnd);
}

void CTopLevelWalk::MoveTo(HWND hWnd)
{
    m_hCurrent = ++m_nSteps < kMaxSteps ? hWnd : nullptr;
}

DWORD WindowProcessId(HWND hWnd)
{
    DWORD nProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &nProcessId);
    return nProcessId;
}

DWORD ResolveProcessId(UINT nProcessID)
{
    return nProcessID == 0 ? ::GetCurrentProcessId() : nProcessID;
}
