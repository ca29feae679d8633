// CTextIconMenu in a window that forwards its painting and mouse messages to
// it, as a program's start page does; CMenuTemplate's table look-ups.
#include <windows.h>
#include <gtest/gtest.h>
#include <vector>
#include "../module/assert_counter.h"
#include "buttons_ids.h"
#include "message_box_capture.h"
#include "message_pump.h"
#include "qvctrl.h"
#include "window_capture.h"

namespace
{

const int kClientWidth = 640;
const int kClientHeight = 480;

// Opens the protected item filling to the test.
class OpenMenu : public CTextIconMenu
{
public:
    using CTextIconMenu::FillItems;
};

// A top-level window whose client area is the panel.
class PanelWindow
{
public:
    explicit PanelWindow(CTextIconMenu& menu) : m_menu(menu)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = L"QVTestMenuPanel";
        ::RegisterClassW(&wc);
        RECT rc{0, 0, kClientWidth, kClientHeight};
        ::AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
        m_hwnd = ::CreateWindowW(L"QVTestMenuPanel", L"選單面板", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                 rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, wc.hInstance, this);
        ::UpdateWindow(m_hwnd);
        qvtest::PumpMessages(30);
    }
    ~PanelWindow() { ::DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }
    std::vector<std::pair<WPARAM, LPARAM>> commands;

    // A real click: the press and the release arrive through the message queue.
    void Click(POINT down, POINT up)
    {
        ::PostMessageW(m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
        ::PostMessageW(m_hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.x, up.y));
        ::PostMessageW(m_hwnd, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
        qvtest::PumpMessages(30);
    }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<PanelWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self == nullptr)
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
        const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        switch (message)
        {
        case WM_PAINT:
        {
            PAINTSTRUCT ps;
            HDC hdc = ::BeginPaint(hwnd, &ps);
            self->m_menu.DrawMenu(CDC::FromHandle(hdc));
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_MOUSEMOVE:
            self->m_menu.OnMouseMove(static_cast<UINT>(wParam), point);
            return 0;
        case WM_LBUTTONDOWN:
            self->m_menu.OnLButtonDown(static_cast<UINT>(wParam), point);
            return 0;
        case WM_LBUTTONUP:
            self->m_menu.OnLButtonUp(static_cast<UINT>(wParam), point);
            return 0;
        case WM_COMMAND:
            self->commands.emplace_back(wParam, lParam);
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    CTextIconMenu& m_menu;
    HWND m_hwnd = nullptr;
};

// The width of a text in the panel's face: the window DC's font with height
// 30 and the face "新細明體".
int FaceTextWidth(HWND hwnd, const wchar_t* text)
{
    HDC hdc = ::GetDC(hwnd);
    LOGFONTW lf{};
    ::GetObjectW(::GetCurrentObject(hdc, OBJ_FONT), sizeof lf, &lf);
    lf.lfHeight = 30;
    lf.lfWidth = 0;
    wcscpy_s(lf.lfFaceName, L"新細明體");
    HFONT font = ::CreateFontIndirectW(&lf);
    HGDIOBJ old = ::SelectObject(hdc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(hdc, text, static_cast<int>(wcslen(text)), &size);
    ::SelectObject(hdc, old);
    ::DeleteObject(font);
    ::ReleaseDC(hwnd, hdc);
    return size.cx;
}

POINT Centre(const CRect& rc)
{
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

TEST(TextIconMenu, LaysOutEqualWidthColumnsBelowTheTitle)
{
    CTextIconMenu menu;
    menu.SetMenuID(IDR_CLINIC_MENU);
    ASSERT_EQ(7, menu.GetItemCount());
    EXPECT_EQ(CString(L"門診作業"), menu.GetTitle());
    EXPECT_EQ(CString(L"收費結帳"), menu.GetItem(3)->strText);
    EXPECT_EQ(static_cast<UINT>(ID_CLINIC_FIRST + 6), menu.GetItem(6)->nID);

    PanelWindow panel(menu);
    ASSERT_EQ(panel.hwnd(), menu.GetOwner()->GetSafeHwnd());
    // Client bottom 480: a column closes once the next button would reach below
    // 380, so three buttons (tops 200, 255, 310) make a column.
    const wchar_t* texts[] = {L"掛號", L"門診病歷", L"檢驗報告", L"收費結帳", L"藥品庫存", L"病患清單", L"系統設定"};
    int left = 100, previousWidth = 0;
    for (int column = 0; column < 3; ++column)
    {
        const int first = column * 3, last = column == 2 ? 6 : first + 2;
        int width = 0;
        for (int i = first; i <= last; ++i)
            width = std::max(width, 20 + FaceTextWidth(panel.hwnd(), texts[i]));
        width = std::max(width, previousWidth);
        for (int i = first; i <= last; ++i)
        {
            const CRect& rc = menu.GetItem(i)->rect;
            EXPECT_EQ(CRect(left, 200 + 55 * (i - first), left + width, 245 + 55 * (i - first)), rc) << i;
        }
        previousWidth = width;
        left += width + 30;
    }
    EXPECT_EQ(menu.GetItem(6)->rect.right, menu.GetMaxRight(7));
    EXPECT_EQ(menu.GetItem(2)->rect.right, menu.GetMaxRight(3));
    EXPECT_EQ(0, menu.GetMaxRight(0));

    // Hit testing: inside a button, between two buttons, outside all.
    EXPECT_EQ(1, menu.Hit(Centre(menu.GetItem(1)->rect)));
    EXPECT_EQ(-1, menu.Hit(CPoint(120, 250)));
    EXPECT_EQ(-1, menu.Hit(CPoint(5, 5)));
    EXPECT_EQ(0, menu.Hit(CPoint(100, 200))) << "the top-left corner belongs to the button";

    qvtest::PixelImage shot = qvtest::CaptureWindow(panel.hwnd());
    qvtest::SaveWindowPng(panel.hwnd(), L"buttons-menu-panel");
    RECT client{};
    ::GetClientRect(panel.hwnd(), &client);
    POINT origin{0, 0};
    ::ClientToScreen(panel.hwnd(), &origin);
    RECT window{};
    ::GetWindowRect(panel.hwnd(), &window);
    const int dx = origin.x - window.left, dy = origin.y - window.top;
    const CRect& item = menu.GetItem(4)->rect;
    EXPECT_EQ(RGB(255, 255, 255), shot.pixel(dx + item.left + 5, dy + item.top)) << "raised: light above";
    EXPECT_EQ(RGB(64, 64, 64), shot.pixel(dx + item.left + 5, dy + item.bottom - 1)) << "dark below";
}

TEST(TextIconMenu, ACommandGoesToTheOwnerOnlyWhenReleasedOnThePressedItem)
{
    CTextIconMenu menu;
    menu.SetMenuID(IDR_CLINIC_MENU);
    PanelWindow panel(menu);
    const POINT first = Centre(menu.GetItem(0)->rect), second = Centre(menu.GetItem(1)->rect);

    ::PostMessageW(panel.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x, first.y));
    qvtest::PumpMessages(20);
    EXPECT_EQ(0, menu.GetPressedItem());
    panel.Click(first, second);
    EXPECT_TRUE(panel.commands.empty());
    EXPECT_EQ(-1, menu.GetPressedItem());

    const POINT fifth = Centre(menu.GetItem(4)->rect);
    panel.Click(fifth, fifth);
    ASSERT_EQ(1u, panel.commands.size());
    EXPECT_EQ(static_cast<WPARAM>(ID_CLINIC_FIRST + 4), panel.commands[0].first);
    EXPECT_EQ(0, panel.commands[0].second);
    EXPECT_EQ(ID_CLINIC_FIRST + 4, menu.GetLastID());

    // A click beside every button sends nothing.
    panel.Click(POINT{20, 20}, POINT{20, 20});
    EXPECT_EQ(1u, panel.commands.size());

    // A disabled item neither presses nor sends; an unknown command changes nothing.
    menu.EnableMenu(ID_CLINIC_FIRST + 1, 0);
    menu.EnableMenu(9999, 0);
    for (int i = 0; i < menu.GetItemCount(); ++i)
        EXPECT_EQ(i == 1 ? 0 : 1, menu.GetItem(i)->nEnabled) << i;
    panel.Click(second, second);
    EXPECT_EQ(1u, panel.commands.size());
    menu.EnableMenu(ID_CLINIC_FIRST + 1, 1);
    panel.Click(second, second);
    ASSERT_EQ(2u, panel.commands.size());
    EXPECT_EQ(static_cast<WPARAM>(ID_CLINIC_FIRST + 1), panel.commands[1].first);
}

TEST(TextIconMenu, BadMenusLeaveThePanelAsItWas)
{
    qvtest::MessageBoxCapture boxes;
    {
        AssertCounter asserts;
        CTextIconMenu large;
        large.SetMenuID(IDR_LARGE_MENU);
        EXPECT_EQ(1, asserts.count()) << "more items than the panel holds";
        ASSERT_EQ(CTextIconMenu::MAX_ITEMS, large.GetItemCount());
        EXPECT_EQ(static_cast<UINT>(ID_LARGE_FIRST + 59), large.GetItem(59)->nID);
        EXPECT_EQ(nullptr, large.GetItem(60));
        PanelWindow panel(large);
        EXPECT_EQ(ID_LARGE_FIRST + 59, static_cast<int>(large.GetItem(59)->nID));
        EXPECT_FALSE(large.GetItem(59)->rect.IsRectEmpty());
    }

    CTextIconMenu flat, absent;
    flat.SetMenuID(IDR_FLAT_MENU);
    absent.SetMenuID(IDR_ABSENT_MENU);
    EXPECT_EQ(0, flat.GetItemCount());
    EXPECT_EQ(0, absent.GetItemCount());
    EXPECT_TRUE(absent.GetTitle().IsEmpty());
    {
        PanelWindow panel(absent);   // nothing to paint, nothing to hit
        panel.Click(POINT{150, 220}, POINT{150, 220});
        EXPECT_TRUE(panel.commands.empty());
    }
    EXPECT_MESSAGE_BOXES(boxes);

    OpenMenu menu;
    menu.SetMenuID(IDR_CLINIC_MENU);
    menu.FillItems(nullptr);
    HMENU gone = ::CreatePopupMenu();
    ::DestroyMenu(gone);
    menu.FillItems(gone);
    EXPECT_MESSAGE_BOXES(boxes, L"菜單為空", L"菜單跨越dll");
    EXPECT_EQ(7, menu.GetItemCount());
}

class OpenTemplate : public CMenuTemplate
{
public:
    using CMenuTemplate::FindCommand;
    using CMenuTemplate::GetTemplateID;
    using CMenuTemplate::SetDialogCount;
};

TEST(MenuTemplate, LooksCommandsUpInTheCallersTable)
{
    CdMenuTemplate table[] = {{501, 7101}, {502, 7102}, {503, 7101}};
    OpenTemplate map;
    EXPECT_EQ(-1, map.FindCommand(7101));
    EXPECT_EQ(7101u, map.GetTemplateID(7101));
    map.SetTemplate(table, 3);
    EXPECT_EQ(0, map.FindCommand(7101)) << "the first entry";
    EXPECT_EQ(1, map.FindCommand(7102));
    EXPECT_EQ(-1, map.FindCommand(7109));
    EXPECT_EQ(502u, map.GetTemplateID(7102));
    EXPECT_EQ(7109u, map.GetTemplateID(7109));
    map.SetDialogCount(4);
    EXPECT_EQ(4, map.GetDialogCount());
    EXPECT_EQ(nullptr, map.GetTemplate(7101));
    EXPECT_EQ(nullptr, map.GetDialog(0));
    EXPECT_EQ(0, map.DoCommand(7101));
    map.SetTemplate(nullptr, 5);
    EXPECT_EQ(-1, map.FindCommand(7101));
}

}   // namespace
