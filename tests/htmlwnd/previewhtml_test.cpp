// PreviewHTMLFile: a browser frame of its own over (100, 50)-(600, 400),
// waiting for the document, gone again when the user closes it.
#include <gtest/gtest.h>

#include <string>

#include "browser_fixture.h"
#include "control/htmlwnd.h"
#include "qvctrl.h"
#include "qvtest.h"

using htmlwndtest::BrowserTest;

namespace
{

const DWORD kFrameStyle = 0x90CB0000;
const int kBrowserId = 0xE900;

// What the test saw of the preview frame while PreviewHTMLFile waited.
struct PreviewSeen
{
    HWND hFrame = nullptr;
    CRect rect;
    DWORD style = 0;
    bool browserPane = false;
    int ticks = 0;
};
PreviewSeen g_seen;

BOOL CALLBACK FindFrame(HWND hWnd, LPARAM)
{
    if (::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, kBrowserId) != nullptr)
    {
        g_seen.hFrame = hWnd;
        return FALSE;
    }
    return TRUE;
}

// Looks at the frame while the preview waits, then closes it as a user would.
void CALLBACK LookThenClose(HWND, UINT, UINT_PTR id, DWORD)
{
    if (++g_seen.ticks < 10)
        return;   // a moment for the browser to begin
    ::KillTimer(nullptr, id);
    ::EnumThreadWindows(::GetCurrentThreadId(), FindFrame, 0);
    if (g_seen.hFrame == nullptr)
        return;
    ::GetWindowRect(g_seen.hFrame, &g_seen.rect);
    g_seen.style = static_cast<DWORD>(::GetWindowLongPtrW(g_seen.hFrame, GWL_STYLE));
    wchar_t cls[64] = L"";
    ::GetClassNameW(::GetDlgItem(g_seen.hFrame, kBrowserId), cls, 64);
    g_seen.browserPane = std::wstring(cls) == L"Shell Embedding";
    ::PostMessageW(g_seen.hFrame, WM_CLOSE, 0, 0);
}

}   // namespace

TEST_F(BrowserTest, PreviewShowsTheFileInAFrameOfItsOwn)
{
    qvtest::MessageBoxCapture boxes;
    const std::wstring report = htmlwndtest::WriteReport(
        L"preview.htm", "<html><body><h1>\xE9\x96\x80\xE8\xA8\xBA\xE7\xB4\x80\xE9\x8C\x84</h1></body></html>");
    ASSERT_FALSE(report.empty());
    g_seen = PreviewSeen();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, LookThenClose);
    ASSERT_NE(0u, timer);
    PreviewHTMLFile(report.c_str());
    ::KillTimer(nullptr, timer);

    HWND hFrame = g_seen.hFrame;
    if (hFrame != nullptr)
        EXPECT_TRUE(g_seen.browserPane);
    else
    {
        // The browser reported the document before the timer looked: the
        // frame lives on, titled with the document's address.
        ::EnumThreadWindows(::GetCurrentThreadId(), FindFrame, 0);
        hFrame = g_seen.hFrame;
        ASSERT_NE(nullptr, hFrame);
        ::GetWindowRect(hFrame, &g_seen.rect);
        g_seen.style = static_cast<DWORD>(::GetWindowLongPtrW(hFrame, GWL_STYLE));
        ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(CRect(100, 50, 600, 400), g_seen.rect);
    EXPECT_EQ(kFrameStyle, g_seen.style & kFrameStyle);
    // Closed, the frame is gone with its browser and nothing of it is left.
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(0, htmlwndtest::VisibleThreadWindows());
    EXPECT_MESSAGE_BOXES(boxes);
}
