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
    LONG idleCalls = 0;
    LONG highestIdleCount = -1;

    BOOL OnIdle(LONG lCount) override
    {
        ++idleCalls;
        if (lCount > highestIdleCount)
            highestIdleCount = lCount;
        return CWinApp::OnIdle(lCount);
    }
};

CTestApp theTestApp;

// ---- run-time classes --------------------------------------------------

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
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(circle.IsKindOf(nullptr));
    EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");

    CShape shape;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CCircle, &shape), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, &circle), &circle);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, static_cast<CObject*>(nullptr)), nullptr);

    CObject* made = RUNTIME_CLASS(CShape)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CShape)));
    delete made;
    EXPECT_EQ(RUNTIME_CLASS(CCircle)->CreateObject(), nullptr);  // not DYNCREATE

    CDialog dialog;
    EXPECT_TRUE(dialog.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(dialog.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
}

// ---- files ---------------------------------------------------------------

CString TempPath(LPCWSTR name)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    CString path = folder;
    path += name;
    return path;
}

TEST(File, RoundTripSeekLengthRenameRemove)
{
    CString path = TempPath(L"afx_win_file.bin");
    CString moved = TempPath(L"afx_win_file_moved.bin");
    CFile::Remove(path);
    CFile::Remove(moved);

    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary));
    EXPECT_EQ(file.GetFilePath().CompareNoCase(path), 0);
    EXPECT_STREQ(file.GetFileName(), L"afx_win_file.bin");
    const char data[] = "0123456789";
    EXPECT_TRUE(file.Write(data, 10));
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.Seek(-4, CFile::end), 6u);
    char tail[8] = {};
    EXPECT_EQ(file.Read(tail, sizeof tail), 4u);
    EXPECT_STREQ(tail, "6789");
    EXPECT_EQ(file.Read(tail, sizeof tail), 0u);  // at the end
    file.SeekToBegin();
    EXPECT_EQ(file.GetPosition(), 0u);
    EXPECT_TRUE(file.SetLength(3));
    EXPECT_EQ(file.GetLength(), 3u);
    EXPECT_EQ(file.SeekToEnd(), 3u);
    file.Flush();
    file.Close();
    EXPECT_FALSE(file.IsOpen());

    // modeNoTruncate keeps what is there.
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeRead));
    char head[4] = {};
    EXPECT_EQ(file.Read(head, 3), 3u);
    EXPECT_STREQ(head, "012");
    file.Close();

    EXPECT_TRUE(CFile::Rename(path, moved));
    EXPECT_FALSE(CFile(path, CFile::modeRead).IsOpen());
    EXPECT_TRUE(CFile::Remove(moved));
    EXPECT_FALSE(CFile::Remove(moved));
}

TEST(File, FailuresReturnValuesInsteadOfThrowing)
{
    CFile file;
    EXPECT_FALSE(file.Open(TempPath(L"no_such_folder_afx\\missing.txt"), CFile::modeRead));
    EXPECT_FALSE(file.Open(nullptr, CFile::modeRead));
    EXPECT_FALSE(file.Open(L"", CFile::modeRead));
    char buffer[4];
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
    EXPECT_FALSE(file.Write(buffer, sizeof buffer));
    EXPECT_EQ(file.Seek(0, CFile::begin), static_cast<ULONGLONG>(-1));
    EXPECT_EQ(file.GetLength(), 0u);
    EXPECT_FALSE(file.SetLength(5));
    EXPECT_FALSE(CFile::Rename(nullptr, L"x"));

    // Writing to a file opened for reading fails and says so.
    CString path = TempPath(L"afx_win_readonly.txt");
    {
        CFile writer(path, CFile::modeCreate | CFile::modeWrite);
        ASSERT_TRUE(writer.IsOpen());
        EXPECT_TRUE(writer.Write("abc", 3));
    }
    ASSERT_TRUE(file.Open(path, CFile::modeRead | CFile::shareDenyNone));
    EXPECT_FALSE(file.Write("x", 1));
    EXPECT_EQ(file.Read(nullptr, 3), 0u);
    file.Close();
    CFile::Remove(path);
}

// ---- message boxes -------------------------------------------------------

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
    EXPECT_EQ(boxes.count(), 5u);
}

// ---- the application object ----------------------------------------------

TEST(WinApp, ModuleObjectAndLoop)
{
    EXPECT_EQ(AfxGetApp(), &theTestApp);
    EXPECT_EQ(theTestApp.m_hInstance, GetModuleHandleW(nullptr));
    EXPECT_STREQ(theTestApp.m_pszAppName, L"AfxWinTests");
    EXPECT_STREQ(theTestApp.m_pszExeName, L"afx_win");
    EXPECT_STREQ(AfxGetAppName(), L"AfxWinTests");
    EXPECT_NE(theTestApp.LoadStandardIcon(IDI_APPLICATION), nullptr);
    EXPECT_EQ(theTestApp.LoadIcon(12345u), nullptr);  // the program has no such icon

    // Run: idle work happens (temporary wrappers are swept), WM_QUIT ends it.
    struct Counted
    {
        static int& Alive() { static int alive = 0; return alive; }
    };
    static CHandleMap<HWND, Counted> map([](HWND) { ++Counted::Alive(); return new Counted; },
                                         [](Counted* p) { --Counted::Alive(); delete p; });
    map.FromHandle(reinterpret_cast<HWND>(0x4242));
    EXPECT_EQ(Counted::Alive(), 1);

    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, L"main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    theTestApp.m_pMainWnd = &main;
    // Closing the main window from a timer, after the loop went idle, ends the
    // loop as closing it does in a program.
    main.SetTimer(1, 30, [](HWND hWnd, UINT, UINT_PTR nID, DWORD) {
        ::KillTimer(hWnd, nID);
        ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(theTestApp.Run(), 0);
    EXPECT_EQ(theTestApp.m_pMainWnd, nullptr);
    EXPECT_GE(theTestApp.idleCalls, 1);
    EXPECT_EQ(Counted::Alive(), 0);
}

TEST(WinApp, ProfileInIniFileAndRegistry)
{
    CString ini = TempPath(L"afx_win_profile.ini");
    ::DeleteFileW(ini);
    LPCTSTR savedProfile = theTestApp.m_pszProfileName;
    theTestApp.m_pszProfileName = ini;
    EXPECT_TRUE(theTestApp.WriteProfileString(L"Window", L"Title", L"記錄"));
    EXPECT_TRUE(theTestApp.WriteProfileInt(L"Window", L"Width", -320));
    EXPECT_STREQ(theTestApp.GetProfileString(L"Window", L"Title"), L"記錄");
    EXPECT_EQ(static_cast<int>(theTestApp.GetProfileInt(L"Window", L"Width", 0)), -320);
    EXPECT_STREQ(theTestApp.GetProfileString(L"Window", L"Missing", L"fallback"), L"fallback");
    EXPECT_EQ(theTestApp.GetProfileInt(L"Window", L"Missing", 9), 9u);
    theTestApp.m_pszProfileName = savedProfile;
    ::DeleteFileW(ini);

    theTestApp.SetRegistryKey(L"QVCtrlTests");
    EXPECT_TRUE(theTestApp.WriteProfileString(L"Window", L"Title", L"登記"));
    EXPECT_TRUE(theTestApp.WriteProfileInt(L"Window", L"Height", 240));
    EXPECT_STREQ(theTestApp.GetProfileString(L"Window", L"Title"), L"登記");
    EXPECT_EQ(theTestApp.GetProfileInt(L"Window", L"Height", 0), 240u);
    EXPECT_EQ(theTestApp.GetProfileInt(L"Other", L"Height", 5), 5u);
    EXPECT_TRUE(theTestApp.WriteProfileString(L"Window", L"Title", nullptr));
    EXPECT_STREQ(theTestApp.GetProfileString(L"Window", L"Title", L"gone"), L"gone");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QVCtrlTests");
    theTestApp.SetRegistryKey(nullptr);
}

}  // namespace

namespace {

TEST(WinApp, ProgramRunsThroughAfxWinMain)
{
    wchar_t path[MAX_PATH];
    DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    ASSERT_GT(length, 0u);
    CString program = path;
    program = program.Left(program.ReverseFind(L'\\') + 1) + L"afx_win_program.exe";
    CString commandLine = L"\"" + program + L"\" 42";
    STARTUPINFOW startup = { sizeof startup };
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(::CreateProcessW(program, commandLine.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process));
    commandLine.ReleaseBuffer();
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 42u);  // InitInstance, Run until the main window closed, ExitInstance
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

}  // namespace
