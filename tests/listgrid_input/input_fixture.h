// A grid of patients in a recording host window, driven as a person drives
// it: mouse and key messages are posted and go through a message loop that
// offers them to PreTranslateMessage first, as the program's own loop does.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qvctrl.h"
#include "qvtest.h"

namespace inputtest
{

const COLORREF kWhite = RGB(255, 255, 255);
using Codes = std::vector<UINT>;

// The grid with its protected members that the tests look at.
class TestGrid : public CNewListCtrl
{
public:
    using CNewListCtrl::m_pEdit;
};

// Dispatches what is queued, offering each message to the windows' PreTranslateMessage.
inline void Pump()
{
    for (int round = 0; round < 3; ++round)
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }
}

class InputTest : public ::testing::Test
{
protected:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 260;
    static constexpr int kColumnWidth = 90;

    // Four columns of 90 pixels and `rows` rows "r<row>c<column>".
    void create(DWORD style, int rows = 6)
    {
        ASSERT_TRUE(
            grid.Create(WS_CHILD | WS_VISIBLE | style, CRect(0, 0, kWidth, kHeight), CWnd::FromHandle(host), 100));
        for (int c = 0; c < 4; ++c)
            grid.InsertColumn(c, (L"C" + std::to_wstring(c)).c_str(), LVCFMT_LEFT, kColumnWidth);
        for (int r = 0; r < rows; ++r)
        {
            const int row = grid.AppendBlank(1);
            for (int c = 0; c < 4; ++c)
                grid.SetItemText(row, c, (L"r" + std::to_wstring(r) + L"c" + std::to_wstring(c)).c_str());
        }
        ::SetForegroundWindow(host);
        ::SetFocus(grid.GetSafeHwnd());
        Pump();
        host.clear();
    }

    // The centre of a cell in the grid's client coordinates.
    CPoint cellPoint(int row, int column)
    {
        return CPoint(column * kColumnWidth + kColumnWidth / 2 - grid.GetScrollPos(SB_HORZ),
                      grid.RowToYPos(row) + grid.GetRowHeight() / 2 - grid.GetScrollPos(SB_VERT));
    }
    void post(UINT message, CPoint point, WPARAM keys = MK_LBUTTON)
    {
        ::PostMessageW(grid.GetSafeHwnd(), message, keys, MAKELPARAM(point.x, point.y));
    }
    void click(int row, int column)
    {
        const CPoint point = cellPoint(row, column);
        post(WM_LBUTTONDOWN, point);
        post(WM_LBUTTONUP, point, 0);
        Pump();
    }
    // A key goes to the window with the focus, as the keyboard sends it.
    void key(UINT vk)
    {
        HWND target = ::GetFocus() ? ::GetFocus() : grid.GetSafeHwnd();
        ::PostMessageW(target, WM_KEYDOWN, vk, 1);
        ::PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
        Pump();
    }
    void type(const std::wstring& text)
    {
        for (wchar_t ch : text)
            ::PostMessageW(::GetFocus(), WM_CHAR, ch, 1);
        Pump();
    }

    bool editorShows() { return grid.m_pEdit && grid.m_pEdit->GetSafeHwnd() && grid.m_pEdit->IsWindowVisible(); }
    // The editor's rectangle in the grid's client coordinates.
    CRect editorRect()
    {
        CRect rc;
        grid.m_pEdit->GetWindowRect(&rc);
        grid.ScreenToClient(&rc);
        return rc;
    }
    CString editorText()
    {
        CString text;
        grid.m_pEdit->GetWindowText(text);
        return text;
    }
    // The cell's rectangle in client coordinates, as the editor covers it.
    CRect cellRect(int row, int column)
    {
        CRect rc;
        grid.ColRowToRect(CPoint(column, row), rc);
        return rc;
    }

    // The codes of the notifications and the numbers of the private messages, in order.
    std::vector<UINT> received()
    {
        std::vector<UINT> seen;
        for (const auto& m : host.messages())
            if (m.message < 0xC000)   // not the framework's registered messages
                seen.push_back(m.isNotify() ? m.notifyCode : m.message);
        return seen;
    }

    qvtest::MessageBoxCapture boxes;
    qvtest::HostWindow host{L"list grid input", 600, 400};
    TestGrid grid;
};

}   // namespace inputtest
