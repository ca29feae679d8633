// Ownership checks: the library looks handles up in its own module's maps, so
// objects that this test program wraps are foreign to it.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include "message_box_capture.h"
#include "qvctrl.h"

namespace
{

class OwnershipChecks : public qvtest::MessageBoxTest
{
};

// The report of a check made at a line of this file.
std::wstring AtSourceLine(const wchar_t* text, int line, const wchar_t* separator = L"\n ")
{
    CString message;
    message.Format(L"%s%s%s %d", text, separator, CString(__FILE__).GetString(), line);
    return message.GetString();
}

TEST_F(OwnershipChecks, ImageListsOfTheProgramAreNotTheLibrarys)
{
    CImageList programList;
    ASSERT_TRUE(programList.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    // This program's own map knows the list, the library's does not.
    ASSERT_EQ(&programList, CImageList::FromHandlePermanent(programList.GetSafeHandle()));
    const int line = __LINE__ + 1;
    EXPECT_FALSE(QV_CHECK_LIBRARY_IMAGELIST(&programList));
    EXPECT_MESSAGE_BOXES(boxes, AtSourceLine(L"The ImageList is not the dll", line));
    // A stored handle that maps to another object is out of the library too.
    boxes.clear();
    const int storedLine = __LINE__ + 1;
    EXPECT_FALSE(QV_CHECK_STORED_IMAGELIST(programList.GetSafeHandle(), &programList));
    EXPECT_MESSAGE_BOXES(boxes, AtSourceLine(L"ImageList outof dll", storedLine));
    // No list, or a list without a handle, is not an ownership question.
    boxes.clear();
    CImageList empty;
    EXPECT_FALSE(QV_CHECK_LIBRARY_IMAGELIST(&empty));
    EXPECT_FALSE(QV_CHECK_LIBRARY_IMAGELIST(nullptr));
    EXPECT_TRUE(QV_CHECK_STORED_IMAGELIST(nullptr, &programList));
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(OwnershipChecks, ImageListsThatCouldNotBeMade)
{
    const int line = __LINE__ + 1;
    QV_REPORT_STATE_IMAGE_FAILURE();
    ReportHeaderImageFailure();
    EXPECT_MESSAGE_BOXES(boxes, AtSourceLine(L"不能創建狀態ICON", line, L" "),
                         L"不能創建ImageList 可能IDB_HEADER找不到或被占用");
}

TEST_F(OwnershipChecks, MenusAndWindowsMustBeTheLibrarysOwn)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(CheckMenuHandle(menu.GetSafeHmenu()));
    EXPECT_MESSAGE_BOXES(boxes);
    EXPECT_FALSE(CheckMenuHandle(nullptr));
    EXPECT_FALSE(CheckMenuHandle(reinterpret_cast<HMENU>(static_cast<INT_PTR>(0x7ABC))));
    EXPECT_MESSAGE_BOXES(boxes, L"菜單為空", L"菜單跨越dll");
    // The program's window has no window object of the library.
    boxes.clear();
    CWnd programWindow;
    ASSERT_TRUE(programWindow.CreateEx(0, L"Static", L"主程式窗口", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    ASSERT_EQ(&programWindow, CWnd::FromHandlePermanent(programWindow.GetSafeHwnd()));
    EXPECT_EQ(nullptr, GetLibraryWindow(programWindow.GetSafeHwnd()));
    EXPECT_EQ(nullptr, GetLibraryWindow(nullptr));
    EXPECT_MESSAGE_BOXES(boxes, L"父窗口不同一個dll", L"父窗口不同一個dll");
    programWindow.DestroyWindow();
}

}   // namespace
