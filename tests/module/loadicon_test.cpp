// CLoadIcon puts the host's icons on dialog items from a caller's table.
#include <windows.h>
#include <gtest/gtest.h>
#include "assert_counter.h"
#include "message_box_capture.h"
#include "module_ids.h"
#include "qvctrl.h"

namespace
{

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

HICON HostIcon(int id)
{
    return ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

// The test program's icon dialog, wrapped in a CWnd while it lives, with a capture of boxes.
class IconMap : public qvtest::MessageBoxTest
{
protected:
    void SetUp() override
    {
        HWND hwnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ICON_DIALOG), nullptr,
                                         PassiveDialogProc, 0);
        ASSERT_NE(nullptr, hwnd);
        dialog.Attach(hwnd);
    }
    void TearDown() override { ::DestroyWindow(dialog.Detach()); }
    HICON StaticIcon(int id) { return reinterpret_cast<HICON>(dialog.SendDlgItemMessage(id, STM_GETICON, 0, 0)); }
    HICON ButtonIcon(int id)
    {
        return reinterpret_cast<HICON>(dialog.SendDlgItemMessage(id, BM_GETIMAGE, IMAGE_ICON, 0));
    }
    CWnd dialog;
};

TEST_F(IconMap, SetsMappedIconsSkipsAbsentItemsAndReportsEachMissingIconInOrder)
{
    ASSERT_NE(nullptr, HostIcon(IDI_PATIENT));
    HICON before = StaticIcon(IDC_ICON_SECOND);
    CdIconMap map[] = {
        {IDC_ICON_STATIC, IDI_PATIENT},
        {IDC_ABSENT, IDI_RECORD},         // no such item: skipped without a word
        {IDC_ICON_SECOND, IDI_MISSING},   // no such icon: reported, the loop goes on
        {IDC_ICON_BUTTON, IDI_RECORD},
    };
    CLoadIcon loader;
    loader.InitIcons(&dialog, map, 4);
    EXPECT_MESSAGE_BOXES(boxes, L"Can not load Icon (ID = 399)");
    EXPECT_EQ(HostIcon(IDI_PATIENT), StaticIcon(IDC_ICON_STATIC));
    EXPECT_EQ(HostIcon(IDI_RECORD), ButtonIcon(IDC_ICON_BUTTON));
    EXPECT_EQ(before, StaticIcon(IDC_ICON_SECOND));
    boxes.clear();
    CdIconMap twoMissing[] = {{IDC_ICON_STATIC, 398}, {IDC_ICON_BUTTON, IDI_MISSING}, {IDC_ICON_SECOND, IDI_RECORD}};
    CLoadIcon second;
    second.SetIconMap(twoMissing, 3);
    second.SetIcons(&dialog);
    EXPECT_MESSAGE_BOXES(boxes, L"Can not load Icon (ID = 398)", L"Can not load Icon (ID = 399)");
    EXPECT_EQ(HostIcon(IDI_RECORD), StaticIcon(IDC_ICON_SECOND));
}

TEST_F(IconMap, NoTableNoEntriesAndNoWindowDoNothing)
{
    HICON before = StaticIcon(IDC_ICON_STATIC);
    CdIconMap map[] = {{IDC_ICON_STATIC, IDI_PATIENT}};
    CLoadIcon().SetIcons(&dialog);
    CLoadIcon().InitIcons(&dialog, map, -5);
    CLoadIcon().InitIcons(&dialog, nullptr, 3);
    EXPECT_EQ(before, StaticIcon(IDC_ICON_STATIC));
    // A missing window is a caller error: asserted and survived.
    AssertCounter asserts;
    CLoadIcon loader;
    loader.InitIcons(nullptr, map, 1);
    CWnd noWindow;
    loader.SetIcons(&noWindow);
    EXPECT_EQ(2, asserts.count());
    EXPECT_MESSAGE_BOXES(boxes);
}

}   // namespace
