// Finding the main top-level window of a process.
#include <windows.h>
#include <gtest/gtest.h>
#include "message_box_capture.h"
#include "qvctrl.h"
#include "test_window.h"

namespace
{

std::wstring Question(const std::wstring& title, const std::wstring& className)
{
    return L"發現不合理窗口\n窗口名稱:" + title + L"\n窗口類型:" + className + L"\n繼續找下一個?";
}

// Every test has a framework frame window of the process to find.
class ProcessTopWindow : public qvtest::MessageBoxTest
{
protected:
    TestWindow frame{L"AfxFrameOrView140su", L"病歷主窗口", WS_OVERLAPPEDWINDOW};
};

TEST_F(ProcessTopWindow, AnAfxWindowIsTakenAndUntitledOwnedAndSystemWindowsArePassedOver)
{
    EXPECT_EQ(frame.hwnd(), GetProcessTopWindow(0));
    EXPECT_EQ(frame.hwnd(), GetProgramTopWindow());
    EXPECT_EQ(nullptr, GetProcessTopWindow(0xFFFFFFF0u));   // a process without windows
    TestWindow untitled(L"QVTestPlain", L"", WS_OVERLAPPEDWINDOW);
    TestWindow owned(L"QVTestPlain", L"屬於主窗口的彈出窗", WS_POPUP, {}, frame.hwnd());
    TestWindow microsoft(L"MicrosoftTestBar", L"工具列", WS_POPUP);
    EXPECT_EQ(frame.hwnd(), GetProcessTopWindow(0));
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(ProcessTopWindow, TheProgramsMainWindowComesFirst)
{
    TestWindow mainWindow(L"QVTestMain", L"主視窗", WS_OVERLAPPEDWINDOW);
    TestWindow child(L"QVTestMain", L"子視窗", WS_CHILD, {}, mainWindow.hwnd());
    frame.BringToTop();
    CWinApp* app = AfxGetApp();
    ASSERT_NE(nullptr, app);
    CWnd mainWnd;
    mainWnd.Attach(child.hwnd());   // even a child as main window leads to its top-level parent
    app->m_pMainWnd = &mainWnd;
    EXPECT_EQ(mainWindow.hwnd(), GetProgramTopWindow());
    app->m_pMainWnd = nullptr;
    mainWnd.Detach();
    EXPECT_EQ(frame.hwnd(), GetProgramTopWindow());
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(ProcessTopWindow, AnyOtherWindowIsQuestionedAndNoKeepsIt)
{
    TestWindow other(L"QVTestOther", L"其他視窗", WS_OVERLAPPEDWINDOW);
    // No is the default button: pressing Enter keeps the window found.
    EXPECT_EQ(other.hwnd(), GetProcessTopWindow(0));
    ASSERT_MESSAGE_BOXES(boxes, Question(L"其他視窗", L"QVTestOther"));
    EXPECT_EQ(UINT(MB_YESNO), boxes.last().style & MB_TYPEMASK);
    EXPECT_EQ(UINT(MB_DEFBUTTON2), boxes.last().style & MB_DEFMASK);
    // Yes goes on to the next window.
    boxes.clear();
    boxes.answerNext(IDYES);
    EXPECT_EQ(frame.hwnd(), GetProcessTopWindow(0));
    EXPECT_MESSAGE_BOXES(boxes, Question(L"其他視窗", L"QVTestOther"));
    // Title and class are read only up to their limits (class names hold up to 255).
    boxes.clear();
    std::wstring longTitle(3000, L'病'), longClass = L"QVTestLongClass" + std::wstring(230, L'x');
    TestWindow longNamed(longClass, longTitle, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(nullptr, longNamed.hwnd());
    boxes.answerNext(IDNO);
    EXPECT_EQ(longNamed.hwnd(), GetProcessTopWindow(0));
    EXPECT_MESSAGE_BOXES(boxes, Question(longTitle.substr(0, 500), longClass.substr(0, 200)));
}

}   // namespace
