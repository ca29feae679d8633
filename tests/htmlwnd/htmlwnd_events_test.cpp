// CHTMLWnd's answer to the browser's DocumentComplete event, as the control
// site hands it over: only a string address counts.
#include <gtest/gtest.h>

#include <exdispid.h>

#include <string>

#include "browser_fixture.h"
#include "control/htmlwnd.h"
#include "qvctrl.h"
#include "qvtest.h"

using htmlwndtest::BrowserTest;

namespace
{

const UINT kBrowserId = 0xE900;

std::wstring WindowText(HWND hWnd)
{
    wchar_t text[512] = L"";
    ::GetWindowTextW(hWnd, text, 512);
    return text;
}

// Fires DocumentComplete(pDisp, address) at the frame as its control site does.
void FireDocumentComplete(CHTMLWnd& wnd, VARIANT address, UINT cArgs = 2)
{
    VARIANT args[2];
    args[0] = address;   // arguments come last first
    ::VariantInit(&args[1]);
    V_VT(&args[1]) = VT_DISPATCH;
    V_DISPATCH(&args[1]) = nullptr;
    DISPPARAMS params = {args, nullptr, cArgs, 0};
    AFX_EVENT event = {DISPID_DOCUMENTCOMPLETE, &params, S_OK};
    wnd.OnCmdMsg(kBrowserId, static_cast<int>(CN_EVENT), &event, nullptr);
}

}   // namespace

TEST_F(BrowserTest, DocumentCompleteCountsOnlyStringAddresses)
{
    qvtest::MessageBoxCapture boxes;
    CHTMLWnd wnd;
    ASSERT_TRUE(wnd.Create(CRect(100, 50, 600, 400)));
    const std::wstring before = WindowText(wnd.GetSafeHwnd());

    BSTR bstrAddress = ::SysAllocString(L"file:///C:/報表/report.htm");
    VARIANT byValue;
    V_VT(&byValue) = VT_BSTR;
    V_BSTR(&byValue) = bstrAddress;
    VARIANT byRef;
    V_VT(&byRef) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&byRef) = &byValue;
    VARIANT number;
    V_VT(&number) = VT_I4;
    V_I4(&number) = 42;
    VARIANT empty;
    ::VariantInit(&empty);

    struct Case
    {
        const char* what;
        VARIANT address;
        UINT cArgs;
        int countAfter;
        std::wstring titleAfter;
    };
    const Case cases[] = {
        {"a number is no address", number, 2, 0, before},
        {"an empty argument is no address", empty, 2, 0, before},
        {"one argument is not the event's form", byValue, 1, 0, before},
        {"a string counts and becomes the title", byValue, 2, 1, L"file:///C:/報表/report.htm"},
        {"a string by reference counts too", byRef, 2, 2, L"file:///C:/報表/report.htm"},
    };
    for (const Case& c : cases)
    {
        FireDocumentComplete(wnd, c.address, c.cArgs);
        EXPECT_EQ(c.countAfter, wnd.GetDocumentCompleteCount()) << c.what;
        EXPECT_EQ(c.titleAfter, WindowText(wnd.GetSafeHwnd())) << c.what;
    }
    ::SysFreeString(bstrAddress);
    wnd.DestroyWindow();
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(BrowserTest, WaitForDocumentEndsWithTheCounterOrTheWindow)
{
    qvtest::MessageBoxCapture boxes;
    // A document completes while the frame waits: 1.
    {
        CHTMLWnd wnd;
        ASSERT_TRUE(wnd.Create(CRect(100, 50, 600, 400)));
        static CHTMLWnd* s_pWnd;
        s_pWnd = &wnd;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 50,
                                          [](HWND, UINT, UINT_PTR id, DWORD)
                                          {
                                              ::KillTimer(nullptr, id);
                                              BSTR bstr = ::SysAllocString(L"about:blank");
                                              VARIANT address;
                                              V_VT(&address) = VT_BSTR;
                                              V_BSTR(&address) = bstr;
                                              FireDocumentComplete(*s_pWnd, address);
                                              ::SysFreeString(bstr);
                                          });
        ASSERT_NE(0u, timer);
        EXPECT_EQ(1, wnd.WaitForDocument());
        EXPECT_EQ(1, wnd.GetDocumentCompleteCount());
        EXPECT_TRUE(::IsWindow(wnd.GetSafeHwnd()));
        wnd.DestroyWindow();
    }
    // The frame is closed before any document completes: 0.
    {
        CHTMLWnd wnd;
        ASSERT_TRUE(wnd.Create(CRect(100, 50, 600, 400)));
        HWND hFrame = wnd.GetSafeHwnd();
        ::PostMessageW(hFrame, WM_CLOSE, 0, 0);
        EXPECT_EQ(0, wnd.WaitForDocument());
        EXPECT_FALSE(::IsWindow(hFrame));
        EXPECT_EQ(0, wnd.GetDocumentCompleteCount());
    }
    EXPECT_MESSAGE_BOXES(boxes);
}
