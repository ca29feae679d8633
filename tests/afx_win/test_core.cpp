// Message boxes and the application object.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "afx_win_res.h"
#include "probe/probe.h"
#include "qvtest.h"

namespace
{

// The program's application object, as an MFC program has one.
class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(L"AfxWinTests") {}
};

CTestApp theTestApp;

CString TempPath(LPCWSTR name)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    return CString(folder) + name;
}

TEST(AfxMessageBoxPath, TextCaptionAndCountThroughTheOnePath)
{
    qvtest::MessageBoxCapture boxes;
    boxes.answerNext(IDNO);
    EXPECT_EQ(AfxMessageBox(L"列表窗口不存在 file.cpp 12", MB_YESNO), IDNO);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, L"列表窗口不存在 file.cpp 12");
    EXPECT_EQ(boxes.last().caption, L"AfxWinTests");
    EXPECT_EQ(boxes.last().style & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    // By resource id, from the current resource module.
    AfxMessageBox(IDS_GREETING);
    ASSERT_EQ(boxes.count(), 2u);
    EXPECT_EQ(boxes.last().text, L"Greetings from the resources");
    // From the DLL: the caller's application by default, its own inside its state.
    ProbeMessageBoxDefault(L"from the dll");
    ASSERT_EQ(boxes.count(), 3u);
    EXPECT_EQ(boxes.last().caption, L"AfxWinTests");
    EXPECT_EQ(ProbeMessageBoxManaged(L"dll context"), IDOK);
    ASSERT_EQ(boxes.count(), 4u);
    EXPECT_EQ(boxes.last().text, L"dll context");
    EXPECT_EQ(boxes.last().caption, L"afx_win_probe");
    // Null text shows an empty box rather than crashing.
    AfxMessageBox(static_cast<LPCTSTR>(nullptr));
    ASSERT_EQ(boxes.count(), 5u);
    EXPECT_EQ(boxes.last().text, L"");
}

// A map of its own whose wrappers count themselves, to see the module-wide sweep.
struct Counted
{
    HWND h = nullptr;
    bool temporary = false;
    ~Counted() { Alive() -= temporary; }
    static int& Alive()
    {
        static int alive = 0;
        return alive;
    }
};

CHandleMap<HWND, Counted>& CountedMap()
{
    static CHandleMap<HWND, Counted> map(&Counted::h,
                                         [](HWND)
                                         {
                                             ++Counted::Alive();
                                             auto* p = new Counted;
                                             p->temporary = true;
                                             return p;
                                         });
    return map;
}

TEST(WinApp, RunIdlesSweepingTemporaryWrappersUntilTheMainWindowCloses)
{
    EXPECT_EQ(AfxGetApp(), &theTestApp);
    EXPECT_EQ(theTestApp.m_hInstance, GetModuleHandleW(nullptr));
    EXPECT_STREQ(theTestApp.m_pszExeName, L"afx_win");
    CountedMap().FromHandle(reinterpret_cast<HWND>(0x4242));
    ASSERT_EQ(Counted::Alive(), 1);
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, L"main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    theTestApp.m_pMainWnd = &main;
    // Closed from a timer, after the loop went idle, as a user closes it.
    main.SetTimer(1, 30,
                  [](HWND hWnd, UINT, UINT_PTR nID, DWORD)
                  {
                      ::KillTimer(hWnd, nID);
                      ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
                  });
    EXPECT_EQ(theTestApp.Run(), 0);
    EXPECT_EQ(theTestApp.m_pMainWnd, nullptr);
    EXPECT_EQ(Counted::Alive(), 0) << "idle time did not sweep the temporary wrappers";
}

TEST(WinApp, ProfileInIniFileAndRegistry)
{
    const CString ini = TempPath(L"afx_win_profile.ini");
    ::DeleteFileW(ini);
    LPCTSTR savedProfile = theTestApp.m_pszProfileName;
    for (bool registry : {false, true})
    {
        SCOPED_TRACE(registry ? "registry" : "ini file");
        if (registry)
            theTestApp.SetRegistryKey(L"QVCtrlTests");
        else
            theTestApp.m_pszProfileName = ini;
        EXPECT_TRUE(theTestApp.WriteProfileString(L"Window", L"Title", L"記錄"));
        EXPECT_TRUE(theTestApp.WriteProfileInt(L"Window", L"Width", -320));
        EXPECT_STREQ(theTestApp.GetProfileString(L"Window", L"Title"), L"記錄");
        EXPECT_EQ(static_cast<int>(theTestApp.GetProfileInt(L"Window", L"Width", 0)), -320);
        EXPECT_STREQ(theTestApp.GetProfileString(L"Window", L"Missing", L"fallback"), L"fallback");
        EXPECT_TRUE(theTestApp.WriteProfileString(L"Window", L"Title", nullptr));
        EXPECT_STREQ(theTestApp.GetProfileString(L"Window", L"Title", L"gone"), L"gone");
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QVCtrlTests");
    theTestApp.SetRegistryKey(nullptr);
    theTestApp.m_pszProfileName = savedProfile;
    ::DeleteFileW(ini);
}

}   // namespace
