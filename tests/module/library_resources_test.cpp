// The library's own resources: two bitmaps and four dialog templates in QVCtrl.dll.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "dialog_reading.h"
#include "pixel_image.h"
#include "qvctrl.h"

namespace
{

HMODULE LibraryModule()
{
    return ::GetModuleHandleW(L"QVCtrl.dll");
}

// The pixels of one of the library's bitmaps, and its colour depth.
qvtest::PixelImage ReadLibraryBitmap(int id, int* bitsPerPixel)
{
    HBITMAP bitmap = static_cast<HBITMAP>(
        ::LoadImageW(LibraryModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    *bitsPerPixel = info.bmBitsPixel;
    qvtest::PixelImage image = bitmap != nullptr ? qvtest::ReadBitmapPixels(bitmap) : qvtest::PixelImage();
    ::DeleteObject(bitmap);
    return image;
}

// How many pixels of the area have the colour (or, with bOther, any other colour).
int Count(const qvtest::PixelImage& image, RECT area, COLORREF colour, bool bOther = false)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += (image.pixel(x, y) == colour) != bOther;
    return count;
}

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// One of the library's dialog templates, made into a window while it lives.
struct LibraryDialog
{
    explicit LibraryDialog(int id)
    {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&init);
        hwnd = ::CreateDialogParamW(LibraryModule(), MAKEINTRESOURCEW(id), nullptr, PassiveDialogProc, 0);
    }
    ~LibraryDialog() { ::DestroyWindow(hwnd); }
    HWND hwnd = nullptr;
};

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    return name;
}

TEST(LibraryResources, CheckBoxAndSortBitmaps)
{
    int bits = 0;
    qvtest::PixelImage boxes = ReadLibraryBitmap(200, &bits);
    ASSERT_EQ(32, boxes.width);
    ASSERT_EQ(16, boxes.height);
    EXPECT_EQ(4, bits);
    // An empty and a ticked box on red; only the second carries black ink inside.
    const RECT empty{0, 0, 16, 16}, ticked{16, 0, 32, 16};
    EXPECT_EQ(RGB(255, 0, 0), boxes.pixel(16, 0));
    EXPECT_EQ(RGB(255, 255, 255), boxes.pixel(8, 8));
    EXPECT_GE(Count(boxes, ticked, RGB(0, 0, 0)), Count(boxes, empty, RGB(0, 0, 0)) + 15) << "the tick is black";
    // The sort bitmap holds an up and a down triangle on light grey.
    qvtest::PixelImage arrows = ReadLibraryBitmap(343, &bits);
    ASSERT_EQ(32, arrows.width);
    ASSERT_EQ(15, arrows.height);
    const COLORREF grey = RGB(192, 192, 192);
    EXPECT_EQ(grey, arrows.pixel(0, 0));
    // No black: the header's image list masks black.
    EXPECT_EQ(0, Count(arrows, RECT{0, 0, 32, 15}, RGB(0, 0, 0)));
    // The left arrow points up (its rows widen downwards), the right one down.
    struct Arrow
    {
        int left;
        bool pointsUp;
    } kArrows[] = {{0, true}, {16, false}};
    for (const Arrow& a : kArrows)
    {
        std::vector<int> rows;   // ink of each row that has some
        for (int y = 0; y < 15; ++y)
            if (int ink = Count(arrows, RECT{a.left, y, a.left + 16, y + 1}, grey, true))
                rows.push_back(ink);
        ASSERT_GE(rows.size(), 4u) << a.left;
        EXPECT_EQ(a.pointsUp, rows.front() < rows.back()) << a.left;
        EXPECT_NE(rows.front(), rows.back()) << a.left;
    }
}

TEST(LibraryResources, DialogTemplates)
{
    struct Item
    {
        int id;
        std::wstring className, text;
    };   // an empty text is not compared
    struct Case
    {
        int id;
        std::wstring title;
        std::vector<Item> items;
    } cases[] = {
        {154, L"排序條件設定", {{IDOK, L"Button", L"確定"}}},
        {176, L"查找", {{1002, L"ComboBox", L""}, {1286, L"Edit", L""}, {IDCANCEL, L"Button", L"取消"}}},
        {1232, L"列表", {{1200, L"SysListView32", L""}, {IDOK, L"Button", L"OK"}}},
        {4000, L"選擇目錄", {{4002, L"Edit", L""}, {4004, L"Button", L"...."}, {IDCANCEL, L"Button", L"Cancel"}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "dialog " << c.id);
        LibraryDialog dialog(c.id);
        ASSERT_NE(nullptr, dialog.hwnd);
        EXPECT_EQ(c.title, qvtest::WindowText(dialog.hwnd));
        for (const Item& item : c.items)
        {
            EXPECT_EQ(item.className, ClassOf(::GetDlgItem(dialog.hwnd, item.id))) << item.id;
            if (!item.text.empty())
            {
                EXPECT_EQ(item.text, qvtest::DialogItemText(dialog.hwnd, item.id)) << item.id;
            }
        }
    }
    // The search dialog's labels, in order.
    LibraryDialog search(176);
    std::vector<std::wstring> labels;
    for (HWND child = ::GetWindow(search.hwnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::lstrcmpiW(ClassOf(child).c_str(), L"Static") == 0)
            labels.push_back(qvtest::WindowText(child));
    EXPECT_EQ((std::vector<std::wstring>{L"名稱", L"數值"}), labels);
    LibraryDialog chooser(1232);
    EXPECT_EQ(LVS_REPORT, ::GetWindowLongW(::GetDlgItem(chooser.hwnd, 1200), GWL_STYLE) & LVS_TYPEMASK);
    LibraryDialog sort(154);
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(sort.hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(L"新細明體", font.lfFaceName);
}

}   // namespace
