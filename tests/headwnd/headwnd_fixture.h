// A CHeadWnd created as a child of a recording host window.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "qvctrl.h"
#include "common/headwnd.h"
#include "qvtest.h"

namespace headtest
{

// nLeft is set to a value the header must ignore.
inline CxHeadItem Item(const wchar_t* text, int width, int level = HEADLEVEL_FULL, int format = 0)
{
    return CxHeadItem{width, const_cast<LPWSTR>(text), format, 77, 0, LVCF_TEXT | LVCF_WIDTH, level, 0};
}

class HeadWndTest : public ::testing::Test
{
protected:
    static constexpr int kHeaderId = 9000;

    void SetUp() override
    {
        ASSERT_TRUE(head.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 24), CWnd::FromHandle(host), kHeaderId));
        host.clear();
    }
    void append(std::initializer_list<CxHeadItem> items)
    {
        for (const CxHeadItem& item : items)
            head.InsertItem(-1, item);
    }
    // 病歷號 | the group 住址 (groupSpan wide) over 縣市 and 街道 | 電話.
    void appendGroupHeader(int groupSpan = 150)
    {
        append({Item(L"病歷號", 100), Item(L"住址", 0, groupSpan), Item(L"縣市", 70, HEADLEVEL_LOWER),
                Item(L"街道", 80, HEADLEVEL_LOWER), Item(L"電話", 50)});
    }
    LRESULT send(UINT message, int x, int y, WPARAM keys = 0)
    {
        return ::SendMessageW(head.GetSafeHwnd(), message, keys, MAKELPARAM(x, y));
    }
    // Both paint through WM_PRINTCLIENT, as the grid's own printing does.
    void paintInto(qvtest::MemoryCanvas& canvas)
    {
        ::SendMessageW(head.GetSafeHwnd(), WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
    }
    void record(qvtest::MetafileRecorder& recorder)
    {
        ASSERT_TRUE(recorder.recordPrintClient(head.GetSafeHwnd(), PRF_CLIENT));
    }
    // The left edges and the captions of all items, in order.
    std::vector<int> lefts()
    {
        std::vector<int> result;
        for (int i = 0; i < head.GetItemCount(); ++i)
            result.push_back(head.GetHeadParam(i)->nLeft);
        return result;
    }
    std::vector<std::wstring> captions()
    {
        std::vector<std::wstring> result;
        for (int i = 0; i < head.GetItemCount(); ++i)
            result.push_back(head.GetHeadParam(i)->pszText);
        return result;
    }
    int width(int index) { return head.GetHeadParam(index)->nWidth; }
    qvtest::MessageBoxCapture boxes;
    qvtest::HostWindow host;
    CHeadWnd head;
};

}   // namespace headtest
