// CHTMLWnd: the frame, the browser control in its OLE site, the
// document-complete counter and the wait.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "browser_fixture.h"
#include "control/htmlwnd.h"
#include "qvctrl.h"
#include "qvtest.h"

using htmlwndtest::BrowserTest;

namespace
{

const DWORD kFrameStyle = 0x90CB0000;
const int kBrowserId = 0xE900;

std::wstring MenuText(HMENU hMenu, UINT nPos)
{
    wchar_t text[128] = L"";
    ::GetMenuStringW(hMenu, nPos, text, 128, MF_BYPOSITION);
    return text;
}

}   // namespace

TEST_F(BrowserTest, TheFrameHoldsTheBrowserControlAsItsPane)
{
    qvtest::MessageBoxCapture boxes;
    CHTMLWnd wnd;
    ASSERT_TRUE(wnd.Create(CRect(100, 50, 600, 400)));
    HWND hFrame = wnd.GetSafeHwnd();
    EXPECT_EQ(kFrameStyle, static_cast<DWORD>(::GetWindowLongPtrW(hFrame, GWL_STYLE)) & kFrameStyle);
    CRect rc;
    ::GetWindowRect(hFrame, &rc);
    EXPECT_EQ(CRect(100, 50, 600, 400), rc);
    // The menu comes from the program's resources.
    HMENU hMenu = ::GetMenu(hFrame);
    ASSERT_NE(nullptr, hMenu);
    EXPECT_EQ(L"檔案(&F)", MenuText(hMenu, 0));

    ASSERT_NE(nullptr, wnd.GetBrowser());
    HWND hPane = ::GetDlgItem(hFrame, kBrowserId);
    ASSERT_NE(nullptr, hPane);
    EXPECT_TRUE(::IsWindowVisible(hPane));
    EXPECT_EQ(hFrame, ::GetParent(hPane));
    // The pane covers the client area, also after the frame is resized.
    CRect rcClient, rcPane;
    ::GetClientRect(hFrame, &rcClient);
    ::GetClientRect(hPane, &rcPane);
    EXPECT_EQ(rcClient.Size(), rcPane.Size());
    ::SetWindowPos(hFrame, nullptr, 0, 0, 700, 520, SWP_NOMOVE | SWP_NOZORDER);
    ::GetClientRect(hFrame, &rcClient);
    ::GetClientRect(hPane, &rcPane);
    EXPECT_EQ(rcClient.Size(), rcPane.Size());
    EXPECT_EQ(0, wnd.GetDocumentCompleteCount());
    wnd.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hPane));
    EXPECT_MESSAGE_BOXES(boxes);
}
