// Modules: each has its own handle maps and resources; the assert hook,
// the current module state and reflection reach across them.
#include <gtest/gtest.h>
#include <stdexcept>
#include "afxwin.h"
#include "probe/probe.h"
#include "qvtest.h"

namespace
{

HINSTANCE Program()
{
    return GetModuleHandleW(nullptr);
}

TEST(HandleMap, WindowsKnownPermanentlyOnlyWhileAttached)
{
    HWND raw = ::CreateWindowExW(0, L"STATIC", L"raw", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* temp = CWnd::FromHandle(raw);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    CWnd::DeleteTempMap();
    CWnd attached;
    EXPECT_TRUE(attached.Attach(raw));
    EXPECT_EQ(CWnd::FromHandle(raw), &attached);
    CWnd second;
    const LONG asserts = AfxGetAssertFailureCount();
    EXPECT_FALSE(second.Attach(raw)) << "a second wrapper for one window is a caller error";
    EXPECT_EQ(AfxGetAssertFailureCount(), asserts + 1);
    EXPECT_EQ(attached.Detach(), raw);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    EXPECT_TRUE(::IsWindow(raw)) << "detaching leaves the window alone";
    ::DestroyWindow(raw);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(nullptr)->GetSafeHwnd(), nullptr) << "safe through a null pointer, as in MFC";
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

TEST(HandleMap, ADllWrapperLivesInTheDllsMapAndStillGetsReflectionAndKeys)
{
    CHostParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    EXPECT_FALSE(ProbeHasPermanentWnd(parent.m_hWnd));
    HWND dllChild = ProbeCreateReflectingChild(parent.m_hWnd, 900);
    ASSERT_NE(dllChild, nullptr);
    EXPECT_TRUE(ProbeHasPermanentWnd(dllChild));
    EXPECT_EQ(CWnd::FromHandlePermanent(dllChild), nullptr);
    NMHDR header = {dllChild, 900, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 900, reinterpret_cast<LPARAM>(&header)), 7);
    EXPECT_EQ(ProbeReflectedClicks(), 1);
    EXPECT_EQ(parent.parentClicks, 0);
    // The host's message loop offers keys to the DLL control's PreTranslateMessage.
    MSG f2 = {dllChild, WM_KEYDOWN, VK_F2, 0, 0, {}};
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &f2));
    MSG f3 = {dllChild, WM_KEYDOWN, VK_F3, 0, 0, {}};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &f3));
    EXPECT_EQ(ProbePreTranslatedKeys(), 1);
    ProbeDestroyChild();
    parent.DestroyWindow();
}

TEST(ModuleState, ResourcesComeFromTheHostUnlessTheDllSwitches)
{
    HINSTANCE dll = ::GetModuleHandleW(L"afx_win_probe.dll");
    ASSERT_NE(dll, nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), Program());
    // Code called back from inside the DLL's scope works in the DLL's context.
    struct Seen
    {
        HINSTANCE resource = nullptr;
        CString text;
    } seen;
    ProbeCallManaged(
        [](void* context)
        {
            auto* s = static_cast<Seen*>(context);
            s->resource = AfxGetResourceHandle();
            s->text.LoadString(PROBE_IDS_NAME);
        },
        &seen);
    EXPECT_EQ(seen.resource, dll);
    EXPECT_STREQ(seen.text, L"probe string");
    EXPECT_EQ(AfxGetResourceHandle(), Program());
}

TEST(ModuleState, ManageStateRestoresOnEveryWayOut)
{
    AFX_MODULE_STATE other = *AfxGetStaticModuleState();
    other.m_hCurrentResourceHandle = reinterpret_cast<HINSTANCE>(0x7000);
    AFX_MODULE_STATE inner = other;
    inner.m_hCurrentResourceHandle = reinterpret_cast<HINSTANCE>(0x8000);
    auto nested = [&]()
    {
        AFX_MANAGE_STATE(&other);
        {
            AFX_MANAGE_STATE(&inner);
            EXPECT_EQ(AfxGetResourceHandle(), inner.m_hCurrentResourceHandle);
            AfxSetResourceHandle(reinterpret_cast<HINSTANCE>(0x9000));
        }
        return AfxGetResourceHandle();
    };
    EXPECT_EQ(nested(), other.m_hCurrentResourceHandle) << "the nested scope did not give the state back";
    EXPECT_EQ(AfxGetResourceHandle(), Program());
    EXPECT_EQ(inner.m_hCurrentResourceHandle, reinterpret_cast<HINSTANCE>(0x9000));
    try
    {
        AFX_MANAGE_STATE(&other);
        throw std::runtime_error("leave by exception");
    }
    catch (const std::runtime_error&)
    {
    }
    EXPECT_EQ(AfxGetResourceHandle(), Program());
}

// Each failed assertion as "expression in file".
std::vector<std::string> g_asserts;

void RecordingHook(const char* file, int, const char* expr)
{
    const std::string path = file;
    g_asserts.push_back(std::string(expr) + " in " + path.substr(path.find_last_of("\\/") + 1));
}

TEST(AssertHook, SeesAssertionsOfEveryModule)
{
    g_asserts.clear();
    AFX_ASSERT_HOOK previous = AfxSetAssertHook(&RecordingHook);
    const LONG before = AfxGetAssertFailureCount();
    ProbeFireAssert();
    int value = 3;
    ASSERT(value == 4);
    VERIFY(value == 3);
    EXPECT_EQ(g_asserts, (std::vector<std::string>{"nothing == 1 in probe.cpp", "value == 4 in test_modules.cpp"}));
    EXPECT_EQ(AfxGetAssertFailureCount(), before + 2);
    EXPECT_EQ(AfxSetAssertHook(nullptr), &RecordingHook);
    // Without a hook the failure is counted and the program goes on.
    ProbeFireAssert();
    EXPECT_EQ(AfxGetAssertFailureCount(), before + 3);
    EXPECT_EQ(g_asserts.size(), 2u);
    AfxSetAssertHook(previous);
}

}   // namespace
