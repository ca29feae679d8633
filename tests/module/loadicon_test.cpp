// CLoadIcon puts the host's icons on dialog items from a caller's table.
#include <windows.h>

#include <gtest/gtest.h>

#include "assert_counter.h"
#include "message_box_capture.h"
#include "module_ids.h"
#include "qvctrl.h"

namespace {

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// The test program's icon dialog, wrapped in a CWnd while it lives.
class IconDialog
{
public:
    IconDialog()
    {
        HWND hwnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ICON_DIALOG), nullptr,
                                         PassiveDialogProc, 0);
        if (hwnd != nullptr)
            m_wnd.Attach(hwnd);
    }
    ~IconDialog()
    {
        HWND hwnd = m_wnd.Detach();
        if (hwnd != nullptr)
            ::DestroyWindow(hwnd);
    }
    CWnd* wnd() { return &m_wnd; }
    HWND hwnd() const { return m_wnd.GetSafeHwnd(); }
    HICON StaticIcon(int id) const
    {
        return reinterpret_cast<HICON>(::SendDlgItemMessageW(hwnd(), id, STM_GETICON, 0, 0));
    }
    HICON ButtonIcon(int id) const
    {
        return reinterpret_cast<HICON>(::SendDlgItemMessageW(hwnd(), id, BM_GETIMAGE, IMAGE_ICON, 0));
    }

private:
    CWnd m_wnd;
};

HICON HostIcon(int id)
{
    return ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

TEST(IconMap, SetsMappedIconsSkipsAbsentItemsAndReportsMissingIcons)
{
    qvtest::MessageBoxCapture boxes;
    IconDialog dialog;
    ASSERT_NE(nullptr, dialog.hwnd());
    ASSERT_NE(nullptr, HostIcon(IDI_PATIENT));
    HICON before = dialog.StaticIcon(IDC_ICON_SECOND);

    CdIconMap map[] = {
        {IDC_ICON_STATIC, IDI_PATIENT},
        {IDC_ABSENT, IDI_RECORD},        // no such item: skipped without a word
        {IDC_ICON_SECOND, IDI_MISSING},  // no such icon: reported, loop goes on
        {IDC_ICON_BUTTON, IDI_RECORD},
    };
    CLoadIcon loader;
    loader.InitIcons(dialog.wnd(), map, 4);

    EXPECT_MESSAGE_BOXES(boxes, L"Can not load Icon (ID = 399)");
    EXPECT_EQ(HostIcon(IDI_PATIENT), dialog.StaticIcon(IDC_ICON_STATIC));
    EXPECT_EQ(HostIcon(IDI_RECORD), dialog.ButtonIcon(IDC_ICON_BUTTON));
    EXPECT_EQ(before, dialog.StaticIcon(IDC_ICON_SECOND));
}

TEST(IconMap, EveryMissingIconIsReportedOnceInTableOrder)
{
    qvtest::MessageBoxCapture boxes;
    IconDialog dialog;
    CdIconMap map[] = {
        {IDC_ICON_STATIC, 398},
        {IDC_ICON_BUTTON, IDI_MISSING},
        {IDC_ICON_SECOND, IDI_RECORD},
    };
    CLoadIcon loader;
    loader.SetIconMap(map, 3);
    loader.SetIcons(dialog.wnd());
    EXPECT_MESSAGE_BOXES(boxes, L"Can not load Icon (ID = 398)", L"Can not load Icon (ID = 399)");
    EXPECT_EQ(HostIcon(IDI_RECORD), dialog.StaticIcon(IDC_ICON_SECOND));
}

TEST(IconMap, NoTableOrNoEntriesDoNothing)
{
    qvtest::MessageBoxCapture boxes;
    IconDialog dialog;
    HICON before = dialog.StaticIcon(IDC_ICON_STATIC);
    CdIconMap map[] = {{IDC_ICON_STATIC, IDI_PATIENT}};

    CLoadIcon unset;
    unset.SetIcons(dialog.wnd());
    CLoadIcon empty;
    empty.InitIcons(dialog.wnd(), map, 0);
    CLoadIcon negative;
    negative.InitIcons(dialog.wnd(), map, -5);
    CLoadIcon nullTable;
    nullTable.InitIcons(dialog.wnd(), nullptr, 3);

    EXPECT_MESSAGE_BOXES(boxes);
    EXPECT_EQ(before, dialog.StaticIcon(IDC_ICON_STATIC));
}

TEST(IconMap, CopiesShareTheCallersTable)
{
    qvtest::MessageBoxCapture boxes;
    IconDialog dialog;
    CdIconMap map[] = {{IDC_ICON_STATIC, IDI_PATIENT}};
    CLoadIcon original;
    original.SetIconMap(map, 1);
    CLoadIcon copy(original);
    CLoadIcon assigned;
    assigned = original;

    map[0].nIconID = IDI_RECORD;   // the copies see the change: the table is not copied
    copy.SetIcons(dialog.wnd());
    EXPECT_EQ(HostIcon(IDI_RECORD), dialog.StaticIcon(IDC_ICON_STATIC));
    map[0].nIconID = IDI_PATIENT;
    assigned.SetIcons(dialog.wnd());
    EXPECT_EQ(HostIcon(IDI_PATIENT), dialog.StaticIcon(IDC_ICON_STATIC));
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST(IconMap, NullWindowIsACallerErrorThatIsAssertedAndSurvived)
{
    qvtest::MessageBoxCapture boxes;
    AssertCounter asserts;
    CdIconMap map[] = {{IDC_ICON_STATIC, IDI_PATIENT}};
    CLoadIcon loader;
    loader.InitIcons(nullptr, map, 1);
    CWnd noWindow;
    loader.SetIcons(&noWindow);
    EXPECT_EQ(2, asserts.count());
    EXPECT_MESSAGE_BOXES(boxes);
}

}  // namespace
