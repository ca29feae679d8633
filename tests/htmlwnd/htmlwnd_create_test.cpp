// Creating the browser frame where the browser control cannot be had, and
// where the program has no menu for it.
#include <gtest/gtest.h>

#include "browser_fixture.h"
#include "control/htmlwnd.h"
#include "qvctrl.h"
#include "qvtest.h"

using htmlwndtest::BrowserTest;

namespace
{

int ThreadWindows()
{
    int count = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(), [](HWND, LPARAM lParam) { return ++*reinterpret_cast<int*>(lParam), TRUE; },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Stands in for the browser's class while registered: what it makes is
// either nothing (a failure result) or an object that is no OLE control.
class BrowserClassStandIn : public IClassFactory
{
public:
    explicit BrowserClassStandIn(HRESULT hrCreate) : m_hrCreate(hrCreate)
    {
        m_hrRegister = ::CoRegisterClassObject(CLSID_WebBrowser, static_cast<IClassFactory*>(this),
                                               CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_dwCookie);
    }
    ~BrowserClassStandIn()
    {
        if (SUCCEEDED(m_hrRegister))
            ::CoRevokeClassObject(m_dwCookie);
    }
    bool Registered() const { return SUCCEEDED(m_hrRegister); }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (riid == IID_IClassFactory || riid == IID_IUnknown)
            *ppv = static_cast<IClassFactory*>(this);
        return *ppv != nullptr ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown*, REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (FAILED(m_hrCreate))
            return m_hrCreate;
        // An object that answers nothing but IUnknown: no OLE control.
        if (riid != IID_IUnknown)
            return E_NOINTERFACE;
        *ppv = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

private:
    HRESULT m_hrCreate;
    HRESULT m_hrRegister = E_FAIL;
    DWORD m_dwCookie = 0;
};

}   // namespace

// Where the browser control cannot be had, the frame is not made, no window
// is left and the preview shows nothing.
TEST_F(BrowserTest, WithoutABrowserControlNothingIsMadeOrShown)
{
    qvtest::MessageBoxCapture boxes;
    const HRESULT results[] = {REGDB_E_CLASSNOTREG, E_OUTOFMEMORY, S_OK};
    for (HRESULT hrCreate : results)
    {
        BrowserClassStandIn standIn(hrCreate);
        ASSERT_TRUE(standIn.Registered());
        {
            CHTMLWnd wnd;
            EXPECT_FALSE(wnd.Create(CRect(100, 50, 600, 400))) << std::hex << hrCreate;
            EXPECT_EQ(nullptr, wnd.GetBrowser());
            EXPECT_EQ(nullptr, wnd.GetSafeHwnd());
            EXPECT_EQ(0, ThreadWindows());
        }
        PreviewHTMLFile(L"C:\\no_browser_report.htm");
        EXPECT_EQ(0, ThreadWindows()) << std::hex << hrCreate;
    }
    EXPECT_MESSAGE_BOXES(boxes);
}

// Menu 180 comes from the resource context in force: the program's has it,
// the library's has none, and the frame is made without a menu then.
TEST_F(BrowserTest, TheMenuComesFromTheResourceContext)
{
    qvtest::MessageBoxCapture boxes;
    const HINSTANCE hProgram = AfxGetResourceHandle();
    struct Case
    {
        const wchar_t* module;
        bool hasMenu;
    };
    const Case cases[] = {{nullptr, true}, {L"QVCtrl.dll", false}};
    for (const Case& c : cases)
    {
        AfxSetResourceHandle(c.module == nullptr ? hProgram : ::GetModuleHandleW(c.module));
        CHTMLWnd wnd;
        const BOOL created = wnd.Create(CRect(100, 50, 600, 400));
        AfxSetResourceHandle(hProgram);
        ASSERT_TRUE(created);
        EXPECT_EQ(c.hasMenu, ::GetMenu(wnd.GetSafeHwnd()) != nullptr);
        wnd.DestroyWindow();
    }
    EXPECT_MESSAGE_BOXES(boxes);
}
