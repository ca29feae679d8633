// Closing the modal dialogs and closeable frames of a process through the
// private messages that its windows answer.
#include "control/wndutil.h"
#include "control/toplevelwalk.h"

namespace
{

const int kMaxTitle = 50;
const UINT kCancelCommand = 6;
const UINT kCloseFrameCommand = 0xE103;

// Hidden windows and visible pop-ups with a title take part.
bool TakesPart(HWND hWnd)
{
    bool bHidden = !::IsWindowVisible(hWnd);
    bool bPopup = (::GetWindowLongW(hWnd, GWL_STYLE) & WS_POPUP) != 0;
    if (!bHidden && !bPopup)
        return false;
    wchar_t szTitle[kMaxTitle + 1] = L"";
    return ::GetWindowTextW(hWnd, szTitle, kMaxTitle + 1) > 0;
}

}   // namespace

int CancelModalDialogs(UINT nProcessID)
{
    DWORD nProcessId = ResolveProcessId(nProcessID);
    CTopLevelWalk walk;
    while (HWND hWnd = walk.Current())
    {
        // The window may go away when it is closed: remember where to go on.
        HWND hNext = walk.After(hWnd);
        if (WindowProcessId(hWnd) == nProcessId && TakesPart(hWnd))
        {
            if (::SendMessageW(hWnd, WM_QV_QUERYCANCELDIALOG, 0, 0) != 0)
            {
                ::SendMessageW(hWnd, WM_COMMAND, kCancelCommand, 0);
            }
            else if (::SendMessageW(hWnd, WM_QV_QUERYCLOSEFRAME, 0, 0) != 0)
            {
                ::SendMessageW(hWnd, WM_COMMAND, kCloseFrameCommand, 0);
                ::SendMessageW(hWnd, WM_CLOSE, 0, 0);
            }
            else if (::SendMessageW(hWnd, WM_QV_QUERYSTOPCANCEL, 0, 0) == 1)
            {
                return 0;
            }
        }
        walk.MoveTo(walk.GoOnAfter(hWnd, hNext));
    }
    return 1;
}
