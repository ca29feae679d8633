// The core: run-time classes, files, message boxes and the application object.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "afx_win_res.h"
#include "probe/probe.h"
#include "qvtest.h"

namespace {

// The program's application object, as an MFC program has one.
class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(L"AfxWinTests") {}
};

CTestApp theTestApp;

class CShape : public CObject
{
    DECLARE_DYNCREATE(CShape)
};
IMPLEMENT_DYNCREATE(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNAMIC(CCircle)
};
IMPLEMENT_DYNAMIC(CCircle, CShape)

TEST(RuntimeClass, KindsDowncastsAndCreation)
{
    CCircle circle;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, &circle), &circle);
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(circle.IsKindOf(nullptr));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, static_cast<CObject*>(nullptr)), nullptr);
    CObject* made = RUNTIME_CLASS(CShape)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CCircle, made), nullptr);
    delete made;
    EXPECT_EQ(RUNTIME_CLASS(CCircle)->CreateObject(), nullptr) << "not DYNCREATE";
}

CString TempPath(LPCWSTR name)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    return CString(folder) + name;
}

TEST(File, RoundTripAndFailuresThatReturnInsteadOfThrowing)
{
    const CString path = TempPath(L"afx_win_file.bin");
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_STREQ(file.GetFileName(), L"afx_win_file.bin");
    EXPECT_TRUE(file.Write("0123456789", 10));
    EXPECT_EQ(file.Seek(-4, CFile::end), 6u);
    char tail[8] = {};
    EXPECT_EQ(file.Read(tail, sizeof tail), 4u);
    EXPECT_STREQ(tail, "6789");
    EXPECT_TRUE(file.SetLength(3));
    EXPECT_EQ(file.GetPosition(), 3u) << "the position follows a shorter end";
    file.Close();
    // modeNoTruncate keeps what is there; writing to a file opened for reading fails.
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeRead));
    char head[4] = {};
    EXPECT_EQ(file.Read(head, 3), 3u);
    EXPECT_STREQ(head, "012");
    EXPECT_FALSE(file.Write("x", 1));
    EXPECT_EQ(file.Read(nullptr, 3), 0u);
    file.Close();
    EXPECT_TRUE(CFile::Remove(path));
    EXPECT_FALSE(CFile(path, CFile::modeRead).IsOpen());
    // A closed file and bad names answer without touching anything.
    EXPECT_FALSE(file.Open(nullptr, CFile::modeRead));
    EXPECT_FALSE(file.Open(L"", CFile::modeRead));
    EXPECT_EQ(file.Read(tail, sizeof tail), 0u);
    EXPECT_FALSE(file.Write(tail, sizeof tail));
    EXPECT_EQ(file.Seek(0, CFile::begin), static_cast<ULONGLONG>(-1));
    EXPECT_EQ(file.GetLength(), 0u);
    EXPECT_FALSE(file.SetLength(5));
    EXPECT_FALSE(CFile::Rename(nullptr, L"x"));
    EXPECT_FALSE(CFile::Remove(nullptr));
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
    static int& Alive() { static int alive = 0; return alive; }
};

CHandleMap<HWND, Counted>& CountedMap()
{
    static CHandleMap<HWND, Counted> map(&Counted::h, [](HWND) {
        ++Counted::Alive();
        auto* p = new Counted;
        p->temporary = true;
        return p;
    });
    return map;
}

TEST(HandleMap, TemporaryWrappersLastUntilTheModuleWideSweep)
{
    CHandleMap<HWND, Counted>& map = CountedMap();
    const HWND first = reinterpret_cast<HWND>(0x1000);
    const HWND second = reinterpret_cast<HWND>(0x2000);
    Counted* temp = map.FromHandle(first);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(map.FromHandle(first), temp);
    EXPECT_EQ(map.FromHandle(nullptr), nullptr);
    Counted permanent;
    map.SetPermanent(second, &permanent);
    EXPECT_EQ(map.FromHandle(second), &permanent);
    EXPECT_EQ(Counted::Alive(), 1);
    AfxDeleteTempMap();
    EXPECT_EQ(Counted::Alive(), 0);
    EXPECT_EQ(map.LookupPermanent(second), &permanent);
    map.RemoveHandle(second);
    EXPECT_EQ(map.GetPermanentCount(), 0u);
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
    main.SetTimer(1, 30, [](HWND hWnd, UINT, UINT_PTR nID, DWORD) {
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
    for (bool registry : {false, true}) {
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
        EXPECT_EQ(theTestApp.GetProfileInt(L"Other", L"Width", 9), 9u);
        EXPECT_TRUE(theTestApp.WriteProfileString(L"Window", L"Title", nullptr));
        EXPECT_STREQ(theTestApp.GetProfileString(L"Window", L"Title", L"gone"), L"gone");
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QVCtrlTests");
    theTestApp.SetRegistryKey(nullptr);
    theTestApp.m_pszProfileName = savedProfile;
    ::DeleteFileW(ini);
}

TEST(WinApp, ProgramRunsThroughAfxWinMain)
{
    wchar_t path[MAX_PATH];
    ASSERT_GT(::GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    CString program = path;
    program = program.Left(program.ReverseFind(L'\\') + 1) + L"afx_win_program.exe";
    CString commandLine = L"\"" + program + L"\" 42";
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(::CreateProcessW(program, commandLine.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process));
    commandLine.ReleaseBuffer();
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 42u) << "InitInstance, Run until the main window closed, ExitInstance";
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

}  // namespace
