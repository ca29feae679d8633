// The library's own resources: two bitmaps and four dialog templates in QVCtrl.dll.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_reading.h"
#include "qvctrl.h"

namespace {

HMODULE LibraryModule()
{
    return ::GetModuleHandleW(L"QVCtrl.dll");
}

// The bitmap's pixels as 0x00RRGGBB, rows top to bottom.
struct Pixels
{
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<COLORREF> rgb;
    COLORREF at(int x, int y) const { return rgb[y * width + x]; }
};

Pixels ReadLibraryBitmap(int id)
{
    Pixels pixels;
    HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageW(LibraryModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP,
                                                       0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr)
        return pixels;
    DIBSECTION dib{};
    ::GetObjectW(bitmap, sizeof dib, &dib);
    pixels.width = dib.dsBm.bmWidth;
    pixels.height = dib.dsBm.bmHeight;
    pixels.bitsPerPixel = dib.dsBm.bmBitsPixel;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> bgra(static_cast<size_t>(pixels.width * pixels.height));
    HDC dc = ::GetDC(nullptr);
    ::GetDIBits(dc, bitmap, 0, pixels.height, bgra.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, dc);
    ::DeleteObject(bitmap);
    for (DWORD value : bgra)
        pixels.rgb.push_back(RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF));
    return pixels;
}

int CountInCell(const Pixels& pixels, int left, COLORREF colour)
{
    int count = 0;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = left; x < left + 16; ++x)
            count += pixels.at(x, y) == colour;
    return count;
}

// Pixels of one row of a cell that differ from the background.
int InkInRow(const Pixels& pixels, int left, int y, COLORREF background)
{
    int count = 0;
    for (int x = left; x < left + 16; ++x)
        count += pixels.at(x, y) != background;
    return count;
}

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

struct LibraryDialog
{
    explicit LibraryDialog(int id)
    {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&init);
        hwnd = ::CreateDialogParamW(LibraryModule(), MAKEINTRESOURCEW(id), nullptr, PassiveDialogProc, 0);
    }
    ~LibraryDialog()
    {
        if (hwnd != nullptr)
            ::DestroyWindow(hwnd);
    }
    std::wstring ClassOf(int id) const
    {
        wchar_t name[64] = L"";
        ::GetClassNameW(::GetDlgItem(hwnd, id), name, 64);
        return name;
    }
    std::wstring TextOf(int id) const { return qvtest::DialogItemText(hwnd, id); }
    // Texts of the static controls, in tab order.
    std::vector<std::wstring> Labels() const
    {
        std::vector<std::wstring> labels;
        for (HWND child = ::GetWindow(hwnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[64] = L"";
            ::GetClassNameW(child, name, 64);
            if (::lstrcmpiW(name, L"Static") == 0)
                labels.push_back(qvtest::WindowText(child));
        }
        return labels;
    }
    std::wstring FontFace() const
    {
        HFONT font = reinterpret_cast<HFONT>(::SendMessageW(hwnd, WM_GETFONT, 0, 0));
        LOGFONTW logFont{};
        ::GetObjectW(font, sizeof logFont, &logFont);
        return logFont.lfFaceName;
    }
    HWND hwnd = nullptr;
};

TEST(LibraryResources, CheckBoxBitmapHoldsAnEmptyAndATickedBoxOnRed)
{
    Pixels boxes = ReadLibraryBitmap(200);
    ASSERT_EQ(32, boxes.width);
    ASSERT_EQ(16, boxes.height);
    EXPECT_EQ(4, boxes.bitsPerPixel);
    EXPECT_EQ(RGB(255, 0, 0), boxes.at(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), boxes.at(16, 0));
    // Both boxes have a white inside; only the second carries black ink in it.
    EXPECT_EQ(RGB(255, 255, 255), boxes.at(8, 8));
    EXPECT_GT(CountInCell(boxes, 0, RGB(255, 255, 255)), 80);
    EXPECT_GT(CountInCell(boxes, 16, RGB(255, 255, 255)), 50);
    int emptyInk = CountInCell(boxes, 0, RGB(0, 0, 0));
    int tickedInk = CountInCell(boxes, 16, RGB(0, 0, 0));
    EXPECT_GE(tickedInk, emptyInk + 15) << "the tick is drawn in black";
}

TEST(LibraryResources, SortBitmapHoldsAnUpAndADownTriangleOnLightGrey)
{
    Pixels arrows = ReadLibraryBitmap(343);
    ASSERT_EQ(32, arrows.width);
    ASSERT_EQ(15, arrows.height);
    const COLORREF grey = RGB(192, 192, 192);
    EXPECT_EQ(grey, arrows.at(0, 0));
    EXPECT_EQ(grey, arrows.at(31, 14));
    // No black: the header's image list masks black.
    EXPECT_EQ(0, CountInCell(arrows, 0, RGB(0, 0, 0)));
    EXPECT_EQ(0, CountInCell(arrows, 16, RGB(0, 0, 0)));
    // The upward triangle widens downwards, the downward one narrows.
    std::vector<int> upRows, downRows;
    for (int y = 0; y < 15; ++y) {
        if (int ink = InkInRow(arrows, 0, y, grey))
            upRows.push_back(ink);
        if (int ink = InkInRow(arrows, 16, y, grey))
            downRows.push_back(ink);
    }
    ASSERT_GE(upRows.size(), 4u);
    ASSERT_GE(downRows.size(), 4u);
    EXPECT_LT(upRows.front(), upRows.back());
    EXPECT_GT(downRows.front(), downRows.back());
}

TEST(LibraryResources, SortDialog154)
{
    LibraryDialog dialog(154);
    ASSERT_NE(nullptr, dialog.hwnd);
    EXPECT_EQ(L"排序條件設定", qvtest::WindowText(dialog.hwnd));
    EXPECT_EQ(L"確定", dialog.TextOf(IDOK));
    EXPECT_EQ(L"取消", dialog.TextOf(IDCANCEL));
    EXPECT_EQ(L"新細明體", dialog.FontFace());
}

TEST(LibraryResources, SearchDialog176)
{
    LibraryDialog dialog(176);
    ASSERT_NE(nullptr, dialog.hwnd);
    EXPECT_EQ(L"查找", qvtest::WindowText(dialog.hwnd));
    EXPECT_EQ(L"ComboBox", dialog.ClassOf(1002));
    EXPECT_EQ(L"Edit", dialog.ClassOf(1286));
    EXPECT_EQ((std::vector<std::wstring>{L"名稱", L"數值"}), dialog.Labels());
    EXPECT_EQ(L"確定", dialog.TextOf(IDOK));
    EXPECT_EQ(L"取消", dialog.TextOf(IDCANCEL));
}

TEST(LibraryResources, FieldChooserDialog1232)
{
    LibraryDialog dialog(1232);
    ASSERT_NE(nullptr, dialog.hwnd);
    EXPECT_EQ(L"列表", qvtest::WindowText(dialog.hwnd));
    EXPECT_EQ(L"SysListView32", dialog.ClassOf(1200));
    LONG style = ::GetWindowLongW(::GetDlgItem(dialog.hwnd, 1200), GWL_STYLE);
    EXPECT_EQ(LVS_REPORT, style & LVS_TYPEMASK);
    EXPECT_EQ(L"OK", dialog.TextOf(IDOK));
    EXPECT_EQ(L"Cancel", dialog.TextOf(IDCANCEL));
}

TEST(LibraryResources, FolderDialog4000)
{
    LibraryDialog dialog(4000);
    ASSERT_NE(nullptr, dialog.hwnd);
    EXPECT_EQ(L"選擇目錄", qvtest::WindowText(dialog.hwnd));
    EXPECT_EQ((std::vector<std::wstring>{L"目錄"}), dialog.Labels());
    EXPECT_EQ(L"Edit", dialog.ClassOf(4002));
    EXPECT_EQ(L"Button", dialog.ClassOf(4004));
    EXPECT_EQ(L"....", dialog.TextOf(4004));
    EXPECT_EQ(L"SysListView32", dialog.ClassOf(1200));
    EXPECT_EQ(L"OK", dialog.TextOf(IDOK));
    EXPECT_EQ(L"Cancel", dialog.TextOf(IDCANCEL));
}

}  // namespace
