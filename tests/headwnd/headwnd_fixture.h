// A CHeadWnd created as a child of a recording host window.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "qvctrl.h"
#include "common/headwnd.h"
#include "qvtest.h"

namespace headtest {

inline CxHeadItem Item(const wchar_t* text, int width, int level = HEADLEVEL_FULL, int format = 0)
{
    CxHeadItem item{};
    item.pszText = const_cast<LPWSTR>(text);
    item.nWidth = width;
    item.nLevel = level;
    item.nFormat = format;
    item.nMask = LVCF_TEXT | LVCF_WIDTH;
    item.nLeft = 77;   // the header ignores the caller's value
    return item;
}

class HeadWndTest : public ::testing::Test {
protected:
    static constexpr int kHeaderId = 9000;

    void SetUp() override
    {
        ASSERT_TRUE(head.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 24), CWnd::FromHandle(host), kHeaderId));
        host.clear();
    }

    LRESULT send(UINT message, int x, int y, WPARAM keys = 0)
    {
        return ::SendMessageW(head.GetSafeHwnd(), message, keys, MAKELPARAM(x, y));
    }

    int lefts(int index) { return head.GetHeadParam(index)->nLeft; }
    int widths(int index) { return head.GetHeadParam(index)->nWidth; }

    int hostClientWidth()
    {
        RECT rc{};
        ::GetClientRect(host, &rc);
        return rc.right - rc.left;
    }

    qvtest::MessageBoxCapture boxes;
    qvtest::HostWindow host;
    CHeadWnd head;
};

// Paints a header into a memory canvas the size of its client area.
inline void PaintInto(CHeadWnd& head, qvtest::MemoryCanvas& canvas)
{
    CDC dc;
    dc.Attach(canvas.dc());
    head.OnDraw(&dc);
    dc.Detach();
}

}  // namespace headtest
