// A long fixed-seed sequence of mouse input on the header (presses, drags and
// releases on borders and items, double clicks) while the program inserts,
// deletes and renames items, also from inside its UM_HEADSIZE handler: the
// items stay the ones the program made, in its order, and nothing is read
// after it was freed (the suite also runs under the heap check).
#include "headwnd_fixture.h"

#include <random>

using headtest::HeadWndTest;
using headtest::Item;

TEST_F(HeadWndTest, ALongRandomSequenceOfDragsAndChangesKeepsTheItems)
{
    std::mt19937 engine(17);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    std::vector<std::wstring> model;
    int serial = 0;
    // The header reports its new width from inside InsertItem and DeleteItem
    // too; the handler changes it only while the mouse drags.
    bool changing = false;
    int dragReports = 0;
    auto insert = [&]
    {
        const std::wstring caption = L"欄" + std::to_wstring(serial++);
        const int at = pick(-1, int(model.size()));
        changing = true;
        const int index = head.InsertItem(at, Item(caption.c_str(), pick(0, 150)));
        changing = false;
        ASSERT_GE(index, 0);
        ASSERT_LE(index, int(model.size()));
        model.insert(model.begin() + index, caption);
    };
    auto remove = [&]
    {
        if (model.empty())
            return;
        const int at = pick(0, int(model.size()) - 1);
        changing = true;
        const BOOL deleted = head.DeleteItem(at);
        changing = false;
        ASSERT_TRUE(deleted);
        model.erase(model.begin() + at);
    };
    host.onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.message == UM_HEADSIZE && !changing)
            {
                ++dragReports;
                switch (pick(0, 3))
                {
                case 0:
                    remove();
                    break;
                case 1:
                    insert();
                    break;
                default:
                    break;
                }
            }
            return std::nullopt;
        });
    for (int i = 0; i < 6; ++i)
        insert();

    qvtest::MemoryCanvas canvas(400, 24);
    for (int step = 0; step < 3000; ++step)
    {
        const int x = pick(0, head.GetWidth() + 40), y = pick(0, 23);
        switch (pick(0, 7))
        {
        case 0:
            if (!model.empty() && pick(0, 3))
            {
                // On an item's right border, where a drag starts.
                const CxHeadItemIndex* pNode = head.GetHeadParam(pick(0, int(model.size()) - 1));
                send(WM_LBUTTONDOWN, pNode->nLeft + pNode->nWidth - 1 + pick(0, 2), y, MK_LBUTTON);
            }
            else
                send(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
            break;
        case 1:
        case 2:
            send(WM_MOUSEMOVE, x, y, MK_LBUTTON);
            break;
        case 3:
            send(WM_LBUTTONUP, x, y);
            break;
        case 4:
            send(WM_LBUTTONDBLCLK, x, y, MK_LBUTTON);
            break;
        case 5:
            if (model.size() < 12)
                insert();
            break;
        case 6:
            remove();
            break;
        default:
            if (!model.empty())
            {
                const int at = pick(0, int(model.size()) - 1);
                model[size_t(at)] += L"'";
                head.SetItemText(at, CString(model[size_t(at)].c_str()));
            }
            if (pick(0, 10) == 0)
                paintInto(canvas);
            break;
        }
        ASSERT_EQ(captions(), model) << "step " << step;
        for (int i = 0; i < head.GetItemCount(); ++i)
            ASSERT_GE(width(i), 0) << "step " << step << " item " << i;
    }
    send(WM_LBUTTONUP, 0, 0);
    EXPECT_GT(dragReports, 30) << "border drags were reported often enough to be checked";
    EXPECT_MESSAGE_BOXES(boxes);
}
