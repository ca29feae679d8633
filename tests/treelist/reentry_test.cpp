// The parent acting inside notifications: deleting the item, or every item, and sending
// messages back to the window. The window must stop the step and survive.
#include <functional>
#include <memory>
#include <optional>

#include "treelist_fixture.h"

namespace treelist_test
{
namespace
{

class ReentryTest : public TreeListTest
{
protected:
    // Deletes `target` (TVI_ROOT: everything) when `code` next arrives, once.
    void DeleteOn(UINT code, HTREEITEM target)
    {
        auto done = std::make_shared<bool>(false);
        host->onMessage(
            [this, code, target, done](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
            {
                if (m.notifyCode != code || *done)
                    return std::nullopt;
                *done = true;
                Send(TVM_DELETEITEM, 0, (LPARAM)target);
                return std::nullopt;
            });
    }
};

TEST_F(ReentryTest, DeletingInsideAStepsNotificationStopsTheStep)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_EDITLABELS));
    auto sending = [this](UINT msg, WPARAM wp)
    { return [this, msg, wp](HTREEITEM h) { return Send(msg, wp, (LPARAM)h); }; };
    const struct
    {
        const char* name;
        UINT code, completed;
        std::function<LRESULT(HTREEITEM)> step;
    } steps[] = {
        {"select", TVN_SELCHANGINGW, TVN_SELCHANGEDW, sending(TVM_SELECTITEM, TVGN_CARET)},
        {"expand", TVN_ITEMEXPANDINGW, TVN_ITEMEXPANDEDW, sending(TVM_EXPAND, TVE_EXPAND)},
        {"edit", TVN_BEGINLABELEDITW, 0, sending(TVM_EDITLABELW, 0)},
        {"ensure visible", TVN_ITEMEXPANDINGW, TVN_ITEMEXPANDEDW,
         [this](HTREEITEM h) { return Send(TVM_ENSUREVISIBLE, 0, (LPARAM)Next(h, TVGN_CHILD)); }},
    };
    for (const auto& s : steps)
    {
        for (bool everything : {false, true})
        {
            SCOPED_TRACE(std::string(s.name) + (everything ? ", deleting everything" : ", deleting the item"));
            Send(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
            HTREEITEM kept = Insert(TVI_ROOT, L"kept");
            HTREEITEM target = FillTwoLevels(1, 2)[0];
            Select(kept);
            host->clear();
            DeleteOn(s.code, everything ? TVI_ROOT : target);
            EXPECT_EQ(0, s.step(target));
            EXPECT_EQ(0u, host->countNotify(s.completed));
            EXPECT_EQ(everything ? 0 : 1, Send(TVM_GETCOUNT));
            EXPECT_EQ(everything ? nullptr : kept, ItemAt(0));
            if (s.code == TVN_SELCHANGINGW)
            {
                EXPECT_EQ(everything ? nullptr : kept, Selected());
            }
            HWND editor = (HWND)Send(TVM_GETEDITCONTROL);
            EXPECT_TRUE(!editor || !IsWindowVisible(editor));
        }
    }
}

TEST_F(ReentryTest, DeletingInsideACallbackWhilePainting)
{
    ASSERT_TRUE(Make(TVS_HASLINES | TVS_HASBUTTONS));
    AddColumn(L"a", 150);
    AddColumn(L"b", 150);
    for (int i = 0; i < 20; ++i)
        SetCellText(Insert(TVI_ROOT, LPSTR_TEXTCALLBACKW), 1, LPSTR_TEXTCALLBACKW);
    int answers = 0;
    std::wstring huge(100000, L'w');   // cut to the buffer
    host->onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.notifyCode != TVN_GETDISPINFOW)
                return std::nullopt;
            NMTVDISPINFOW* info = (NMTVDISPINFOW*)m.lParam;
            if (++answers == 3)
                Send(TVM_DELETEITEM, 0, (LPARAM)info->item.hItem);
            if (answers == 7)
                Send(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
            if (info->item.mask & TVIF_TEXT)
                info->item.pszText = huge.data();
            return 0;
        });
    qvtest::MemoryCanvas canvas(400, 300);
    Send(WM_PAINT, (WPARAM)canvas.dc());
    EXPECT_GE(answers, 7);
    EXPECT_EQ(0, Send(TVM_GETCOUNT));
    HTREEITEM again = Insert(TVI_ROOT, L"again");   // the window still works afterwards
    EXPECT_EQ(again, ItemAt(0));
}

TEST_F(ReentryTest, MessagesSentBackDuringNotificationsAreServed)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    const auto roots = FillTwoLevels(2, 2);
    LRESULT countInside = -1, rowInside = -2;
    host->onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.notifyCode == TVN_ITEMEXPANDINGW)
            {
                countInside = Send(TVM_GETCOUNT);
                rowInside = RowOf(roots[1]);
                Insert(roots[0], L"added", TVI_FIRST);
            }
            if (m.notifyCode == TVN_SELCHANGEDW)
                Expand(roots[0], TVE_COLLAPSE);
            return std::nullopt;
        });
    ASSERT_TRUE(Expand(roots[0]));
    EXPECT_EQ(6, countInside);
    EXPECT_EQ(1, rowInside);
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"added", L"0.0", L"0.1", L"1"));
    // The parent collapses the branch inside TVN_SELCHANGEDW: the selection moves up.
    ASSERT_TRUE(Select(Next(roots[0], TVGN_CHILD)));
    EXPECT_EQ(roots[0], Selected());
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"1"));
}

TEST_F(ReentryTest, DestroyingTheWindowInsideANotification)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    const auto roots = FillTwoLevels(3, 3);
    host->onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.notifyCode == TVN_ITEMEXPANDINGW && IsWindow(tree))
                DestroyWindow(tree);
            return std::nullopt;
        });
    Expand(roots[1]);
    EXPECT_FALSE(IsWindow(tree));
    EXPECT_EQ(9u + 3u, host->countNotify(TVN_DELETEITEMW));
}

}   // namespace
}   // namespace treelist_test
