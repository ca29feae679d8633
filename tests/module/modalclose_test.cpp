// CancelModalDialogs asks the windows of the process, through three private
// messages, to cancel their modal dialogs and close their frames.
#include <windows.h>
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include "message_box_capture.h"
#include "module_ids.h"
#include "qvctrl.h"
#include "test_window.h"

namespace
{

using Received = std::vector<std::pair<UINT, WPARAM>>;

// The three questions: cancel your modal dialog? close your frame? stop the walk here?
const UINT kCancelModal = 0x0446, kCloseFrame = 0x0447, kStopWalk = 0x0490;

TEST(CancelModalDialogs, WindowsThatTakePartAreCancelledClosedOrStopTheWalk)
{
    qvtest::MessageBoxCapture boxes;
    // Created bottom first: each new window goes on top of the z-order.
    TestWindow beyond(L"QVTestDialog", L"停止之後", WS_POPUP, {{kCancelModal, 1}});
    TestWindow stopper(L"QVTestDialog", L"停止", WS_POPUP, {{kStopWalk, 1}});
    TestWindow frame(L"QVTestFrame", L"可關閉的框架", WS_POPUP | WS_VISIBLE, {{kCloseFrame, 1}});
    TestWindow dialog(L"QVTestDialog", L"對話框", WS_POPUP, {{kCancelModal, 1}});
    TestWindow untitled(L"QVTestDialog", L"", WS_POPUP, {{kCancelModal, 1}});
    TestWindow shownOverlapped(L"QVTestFrame", L"顯示中的主框架", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               {{kCancelModal, 1}});
    EXPECT_EQ(0, CancelModalDialogs(0));
    // A modal dialog gets command 6 and is not asked further.
    EXPECT_EQ((Received{{kCancelModal, 0}, {WM_COMMAND, 6}}), dialog.received());
    // A closeable frame gets 0xE103 and then WM_CLOSE, which destroys it.
    EXPECT_EQ((Received{{kCancelModal, 0}, {kCloseFrame, 0}, {WM_COMMAND, 0xE103}, {WM_CLOSE, 0}}), frame.received());
    EXPECT_TRUE(frame.destroyed());
    // The stopper is asked all three questions; the walk ends with it.
    EXPECT_EQ((Received{{kCancelModal, 0}, {kCloseFrame, 0}, {kStopWalk, 0}}), stopper.received());
    EXPECT_TRUE(beyond.received().empty());
    // Untitled windows and shown windows that are not pop-ups do not take part.
    EXPECT_TRUE(untitled.received().empty());
    EXPECT_TRUE(shownOverlapped.received().empty());
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST(CancelModalDialogs, WithoutAStopperTheWalkEndsWithOne)
{
    TestWindow dialog(L"QVTestDialog", L"對話框", WS_POPUP, {{kCancelModal, 1}});
    TestWindow bystander(L"QVTestDialog", L"不參與", WS_POPUP);                       // answers 0 to every question
    TestWindow notStopping(L"QVTestDialog", L"回答二", WS_POPUP, {{kStopWalk, 2}});   // only 1 stops the walk
    EXPECT_EQ(1, CancelModalDialogs(0));
    EXPECT_EQ((Received{{kCancelModal, 0}, {WM_COMMAND, 6}}), dialog.received());
    EXPECT_EQ((Received{{kCancelModal, 0}, {kCloseFrame, 0}, {kStopWalk, 0}}), bystander.received());
    EXPECT_EQ((Received{{kCancelModal, 0}, {kCloseFrame, 0}, {kStopWalk, 0}}), notStopping.received());
    // Windows of another process are left alone.
    TestWindow other(L"QVTestDialog", L"另一個", WS_POPUP, {{kCancelModal, 1}});
    EXPECT_EQ(1, CancelModalDialogs(0xFFFFFFF0u));
    EXPECT_TRUE(other.received().empty());
}

// Closing a dialog may take the window after it along (or another process may close
// that one meanwhile): the walk still reaches the windows further down.
TEST(CancelModalDialogs, GoesOnWhenTheNextWindowWentAway)
{
    static TestWindow* s_closedAlong;
    static WNDPROC s_baseProc;
    TestWindow bottom(L"QVTestDialog", L"底下", WS_POPUP, {{kCancelModal, 1}});
    s_closedAlong = new TestWindow(L"QVTestDialog", L"一起關閉", WS_POPUP);
    TestWindow top(L"QVTestDialog", L"上面", WS_POPUP, {{kCancelModal, 1}});
    WNDPROC closing = [](HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT
    {
        if (message == WM_COMMAND && wParam == 6)
        {
            delete s_closedAlong;
            s_closedAlong = nullptr;
        }
        return CallWindowProcW(s_baseProc, hWnd, message, wParam, lParam);
    };
    s_baseProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(top.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(closing)));
    EXPECT_EQ(1, CancelModalDialogs(0));
    EXPECT_EQ(nullptr, s_closedAlong);
    EXPECT_EQ((Received{{kCancelModal, 0}, {WM_COMMAND, 6}}), top.received());
    EXPECT_EQ((Received{{kCancelModal, 0}, {WM_COMMAND, 6}}), bottom.received());
}

// A real modal dialog that answers kCancelModal and ends on command 6.
INT_PTR CALLBACK CancellableDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message)
    {
    case WM_INITDIALOG:
        ::SetTimer(dialog, 1, 50, nullptr);
        return TRUE;
    case WM_TIMER:
        ::KillTimer(dialog, 1);
        // Another part of the program closes all modal dialogs.
        ::SetWindowLongPtrW(dialog, DWLP_USER, CancelModalDialogs(0));
        return TRUE;
    case kCancelModal:
        ::SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == 6)
            ::EndDialog(dialog, 600 + static_cast<INT_PTR>(::GetWindowLongPtrW(dialog, DWLP_USER)));
        return TRUE;
    }
    return FALSE;
}

TEST(CancelModalDialogs, EndsARunningModalDialog)
{
    // The program's icon dialog: a pop-up with a caption, so it takes part.
    INT_PTR result = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ICON_DIALOG), nullptr,
                                       CancellableDialogProc, 0);
    // The timer runs before CancelModalDialogs has returned, so DWLP_USER is still 0
    // when command 6 arrives: 600 says the dialog ended through command 6.
    EXPECT_EQ(600, result);
}

}   // namespace
