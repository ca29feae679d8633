// Modules: each has its own handle maps and resources; the assert hook,
// the current module state and reflection reach across them.
#include <gtest/gtest.h>
#include <stdexcept>
#include "afxwin.h"
#include "probe/probe.h"
#include "qvtest.h"

namespace {

HINSTANCE Program()
{
    return GetModuleHandleW(nullptr);
}

TEST(HandleMap, TemporaryWrappersLastUntilTheSweep)
{
    struct Counted
    {
        HWND h = nullptr;
        static int& Alive() { static int alive = 0; return alive; }
    };
    CHandleMap<HWND, Counted> map([](HWND h) { ++Counted::Alive(); auto* p = new Counted; p->h = h; return p; },
                                  [](Counted* p) { --Counted::Alive(); delete p; });
    HWND first = reinterpret_cast<HWND>(0x1000);
    HWND second = reinterpret_cast<HWND>(0x2000);
    Counted* temp = map.FromHandle(first);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->h, first);
    EXPECT_EQ(map.FromHandle(first), temp);  // the same temporary until the sweep
    EXPECT_EQ(map.LookupPermanent(first), nullptr);
    EXPECT_EQ(map.FromHandle(nullptr), nullptr);

    Counted permanent;
    map.SetPermanent(second, &permanent);
    EXPECT_EQ(map.FromHandle(second), &permanent);
    EXPECT_EQ(Counted::Alive(), 1);

    // The module-wide sweep reaches this map too.
    AfxDeleteTempMap();
    EXPECT_EQ(Counted::Alive(), 0);
    EXPECT_EQ(map.LookupTemporary(first), nullptr);
    EXPECT_EQ(map.LookupPermanent(second), &permanent);
    map.RemoveHandle(second);
    EXPECT_EQ(map.GetPermanentCount(), 0u);
}

TEST(HandleMap, WindowsKnownPermanentlyOnlyWhenAttached)
{
    HWND raw = ::CreateWindowExW(0, L"STATIC", L"raw", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    CWnd* temp = CWnd::FromHandle(raw);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hWnd, raw);
    EXPECT_EQ(CWnd::FromHandle(raw), temp);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    CWnd::DeleteTempMap();

    CWnd attached;
    EXPECT_TRUE(attached.Attach(raw));
    EXPECT_EQ(CWnd::FromHandle(raw), &attached);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), &attached);
    // A second wrapper for the same window is a caller error.
    CWnd second;
    LONG asserts = AfxGetAssertFailureCount();
    EXPECT_FALSE(second.Attach(raw));
    EXPECT_GT(AfxGetAssertFailureCount(), asserts);
    EXPECT_EQ(attached.Detach(), raw);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    EXPECT_TRUE(::IsWindow(raw));  // detaching leaves the window alone
    ::DestroyWindow(raw);

    // A subclassed control keeps working once its wrapper lets go.
    HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr, nullptr, nullptr);
    CWnd editWrapper;
    ASSERT_TRUE(editWrapper.SubclassWindow(edit));
    EXPECT_EQ(editWrapper.Detach(), edit);
    ::SendMessageW(edit, WM_CHAR, L'A', 1);
    wchar_t typed[8] = {};
    ::GetWindowTextW(edit, typed, 8);
    EXPECT_STREQ(typed, L"A");
    ::DestroyWindow(edit);

    // Null and stale handles are harmless.
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    CWnd* noWindow = CWnd::FromHandlePermanent(nullptr);
    EXPECT_EQ(noWindow->GetSafeHwnd(), nullptr);  // safe through a null pointer, as in MFC
}

TEST(HandleMap, EachModuleHasItsOwnMap)
{
    CWnd hostWnd;
    ASSERT_TRUE(hostWnd.CreateEx(0, nullptr, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    EXPECT_NE(CWnd::FromHandlePermanent(hostWnd.m_hWnd), nullptr);
    EXPECT_FALSE(ProbeHasPermanentWnd(hostWnd.m_hWnd));

    HWND dllChild = ProbeCreateReflectingChild(hostWnd.m_hWnd, 900);
    ASSERT_NE(dllChild, nullptr);
    EXPECT_TRUE(ProbeHasPermanentWnd(dllChild));
    EXPECT_EQ(CWnd::FromHandlePermanent(dllChild), nullptr);
    ProbeDestroyChild();
    hostWnd.DestroyWindow();
}

class CHostParent : public CWnd
{
public:
    int parentClicks = 0;

protected:
    void OnClick(NMHDR*, LRESULT*) { ++parentClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostParent, CWnd)
    ON_NOTIFY(NM_CLICK, 900, OnClick)
END_MESSAGE_MAP()

TEST(HandleMap, ReflectionAndPreTranslationReachAControlWhoseWrapperLivesInADll)
{
    CHostParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    HWND dllChild = ProbeCreateReflectingChild(parent.m_hWnd, 900);
    ASSERT_NE(dllChild, nullptr);
    NMHDR header = { dllChild, 900, static_cast<UINT>(NM_CLICK) };
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 900, reinterpret_cast<LPARAM>(&header)), 7);
    EXPECT_EQ(ProbeReflectedClicks(), 1);
    EXPECT_EQ(parent.parentClicks, 0);

    // The host's message loop offers keys to the DLL control's PreTranslateMessage.
    MSG f2 = { dllChild, WM_KEYDOWN, VK_F2, 0, 0, {} };
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &f2));
    MSG f3 = { dllChild, WM_KEYDOWN, VK_F3, 0, 0, {} };
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &f3));
    EXPECT_EQ(ProbePreTranslatedKeys(), 1);
    ProbeDestroyChild();
    parent.DestroyWindow();
}

// ---- module state and resources ----------------------------------------

TEST(ModuleState, ResourcesComeFromTheHostUnlessTheDllSwitches)
{
    HINSTANCE dll = ProbeModuleHandle();
    ASSERT_NE(dll, nullptr);
    EXPECT_NE(dll, Program());
    EXPECT_EQ(AfxGetStaticModuleState()->m_hCurrentInstanceHandle, Program());
    EXPECT_EQ(AfxGetResourceHandle(), Program());
    EXPECT_EQ(ProbeResourceHandleDefault(), Program());
    EXPECT_EQ(ProbeResourceHandleManaged(), dll);
    EXPECT_EQ(AfxGetResourceHandle(), Program());

    // Code called back from inside the DLL's scope works in the DLL's context.
    struct Seen
    {
        HINSTANCE resource = nullptr;
        CString text;
    } seen;
    ProbeCallManaged(
        [](void* context) {
            auto* s = static_cast<Seen*>(context);
            s->resource = AfxGetResourceHandle();
            s->text.LoadString(PROBE_IDS_NAME);
        },
        &seen);
    EXPECT_EQ(seen.resource, dll);
    EXPECT_STREQ(seen.text, L"probe string");
    EXPECT_EQ(AfxGetResourceHandle(), Program());

    // The DLL's application object got the DLL's handle and file name.
    EXPECT_EQ(ProbeAppInstance(), dll);
    EXPECT_STREQ(ProbeAppName(), L"afx_win_probe");
}

TEST(ModuleState, ManageStateRestoresOnEveryWayOut)
{
    AFX_MODULE_STATE other = *AfxGetStaticModuleState();
    other.m_hCurrentResourceHandle = reinterpret_cast<HINSTANCE>(0x7000);
    AFX_MODULE_STATE inner = other;
    inner.m_hCurrentResourceHandle = reinterpret_cast<HINSTANCE>(0x8000);

    auto earlyReturn = [&](bool leave) {
        AFX_MANAGE_STATE(&other);
        if (leave)
            return AfxGetResourceHandle();
        {
            AFX_MANAGE_STATE(&inner);
            EXPECT_EQ(AfxGetResourceHandle(), inner.m_hCurrentResourceHandle);
        }
        return AfxGetResourceHandle();
    };
    EXPECT_EQ(earlyReturn(true), other.m_hCurrentResourceHandle);
    EXPECT_EQ(AfxGetResourceHandle(), Program());
    EXPECT_EQ(earlyReturn(false), other.m_hCurrentResourceHandle);  // the nested scope gave it back
    EXPECT_EQ(AfxGetResourceHandle(), Program());

    try {
        AFX_MANAGE_STATE(&other);
        throw std::runtime_error("leave by exception");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(AfxGetResourceHandle(), Program());

    // Changing the resource handle inside a scope changes that state only.
    {
        AFX_MANAGE_STATE(&other);
        AfxSetResourceHandle(reinterpret_cast<HINSTANCE>(0x9000));
        EXPECT_EQ(AfxGetResourceHandle(), reinterpret_cast<HINSTANCE>(0x9000));
    }
    EXPECT_EQ(AfxGetResourceHandle(), Program());
}

// ---- the assert hook ---------------------------------------------------

struct HookRecord
{
    int calls = 0;
    std::string file;
    int line = 0;
    std::string expr;
};
HookRecord g_hookRecord;

void RecordingHook(const char* file, int line, const char* expr)
{
    ++g_hookRecord.calls;
    g_hookRecord.file = file;
    g_hookRecord.line = line;
    g_hookRecord.expr = expr;
}

TEST(AssertHook, SeesAssertionsOfEveryModule)
{
    g_hookRecord = {};
    AFX_ASSERT_HOOK previous = AfxSetAssertHook(&RecordingHook);
    LONG before = AfxGetAssertFailureCount();

    ProbeFireAssert();
    EXPECT_EQ(g_hookRecord.calls, 1);
    EXPECT_NE(g_hookRecord.file.find("probe.cpp"), std::string::npos);
    EXPECT_GT(g_hookRecord.line, 0);
    EXPECT_EQ(g_hookRecord.expr, "nothing == 1");
    EXPECT_EQ(AfxGetAssertFailureCount(), before + 1);

    int value = 3;
    ASSERT(value == 4);
    VERIFY(value == 3);
    EXPECT_EQ(g_hookRecord.calls, 2);
    EXPECT_NE(g_hookRecord.file.find("test_modules.cpp"), std::string::npos);
    EXPECT_EQ(AfxGetAssertFailureCount(), before + 2);

    EXPECT_EQ(AfxSetAssertHook(previous), &RecordingHook);
    // Without a hook the failure is counted and the program goes on.
    AFX_ASSERT_HOOK saved = AfxSetAssertHook(nullptr);
    ProbeFireAssert();
    EXPECT_EQ(AfxGetAssertFailureCount(), before + 3);
    EXPECT_EQ(g_hookRecord.calls, 2);
    AfxSetAssertHook(saved);
}

}  // namespace
