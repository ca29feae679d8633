// The parent acting inside notifications: deleting the item, or every item, and
// sending messages back to the window. The window must stop the step and survive.
#include <optional>

#include "treelist_fixture.h"

namespace treelist_test {
namespace {

class ReentryTest : public TreeListTest {
protected:
    // Deletes `target` (TVI_ROOT: everything) when `code` arrives, once.
    void DeleteOn(UINT code, HTREEITEM target)
    {
        host->onMessage([this, code, target](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT> {
            if (m.notifyCode != code || done) return std::nullopt;
            done = true;
            SendMessageW(tree, TVM_DELETEITEM, 0, (LPARAM)target);
            return std::nullopt;
        });
    }
    bool done = false;
};

TEST_F(ReentryTest, DeletingDuringSelectionChangeStopsTheStep)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    HTREEITEM a = Insert(TVI_ROOT, L"a"), b = Insert(TVI_ROOT, L"b");
    Select(a);
    host->clear();
    DeleteOn(TVN_SELCHANGINGW, b);
    EXPECT_FALSE(Select(b));
    EXPECT_EQ(a, Selected());
    EXPECT_EQ(0u, host->countNotify(TVN_SELCHANGEDW));
    EXPECT_EQ(1, Send(TVM_GETCOUNT));

    done = false;
    HTREEITEM c = Insert(TVI_ROOT, L"c");
    DeleteOn(TVN_SELCHANGINGW, TVI_ROOT);
    EXPECT_FALSE(Select(c));
    EXPECT_EQ(nullptr, Selected());
    EXPECT_EQ(0, Send(TVM_GETCOUNT));
}

TEST_F(ReentryTest, DeletingDuringExpansionStopsTheStep)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(2, 3, &roots);
    DeleteOn(TVN_ITEMEXPANDINGW, roots[0]);
    EXPECT_FALSE(Expand(roots[0]));
    EXPECT_EQ(0u, host->countNotify(TVN_ITEMEXPANDEDW));
    EXPECT_EQ(L"1", Text(ItemAt(0)));
    EXPECT_EQ(nullptr, ItemAt(1));

    done = false;
    DeleteOn(TVN_ITEMEXPANDINGW, TVI_ROOT);
    EXPECT_FALSE(Expand(roots[1]));
    EXPECT_EQ(0, Send(TVM_GETCOUNT));
    EXPECT_EQ(nullptr, ItemAt(0));
    // Ensure-visible expanding ancestors whose notification deletes them.
    FillTwoLevels(1, 1, &roots);
    done = false;
    DeleteOn(TVN_ITEMEXPANDINGW, TVI_ROOT);
    EXPECT_EQ(0, Send(TVM_ENSUREVISIBLE, 0, (LPARAM)Next(roots.back(), TVGN_CHILD)));
    EXPECT_EQ(0, Send(TVM_GETCOUNT));
}

TEST_F(ReentryTest, DeletingWhileAnEditBeginsCancelsIt)
{
    ASSERT_TRUE(Make(TVS_EDITLABELS));
    HTREEITEM a = Insert(TVI_ROOT, L"a");
    DeleteOn(TVN_BEGINLABELEDITW, a);
    EXPECT_EQ(0, Send(TVM_EDITLABELW, 0, (LPARAM)a));
    EXPECT_EQ(0, Send(TVM_GETCOUNT));
    HWND editor = (HWND)Send(TVM_GETEDITCONTROL);
    EXPECT_TRUE(!editor || !IsWindowVisible(editor));

    done = false;
    HTREEITEM b = Insert(TVI_ROOT, L"b");
    DeleteOn(TVN_BEGINLABELEDITW, TVI_ROOT);
    EXPECT_EQ(0, Send(TVM_EDITLABELW, 0, (LPARAM)b));
    EXPECT_EQ(0, Send(TVM_GETCOUNT));
}

TEST_F(ReentryTest, DeletingInsideACallbackWhilePainting)
{
    ASSERT_TRUE(Make(TVS_HASLINES | TVS_HASBUTTONS));
    AddColumn(L"a", 150);
    AddColumn(L"b", 150);
    for (int i = 0; i < 20; ++i) {
        TVITEMW fields = {};
        fields.mask = TVIF_TEXT;
        fields.pszText = LPSTR_TEXTCALLBACKW;
        HTREEITEM item = InsertWith(TVI_ROOT, TVI_LAST, fields);
        TVITEMW cell = {};
        cell.mask = TVIF_TEXT | TVIF_SUBITEM;
        cell.hItem = item;
        cell.cChildren = 1;
        cell.pszText = LPSTR_TEXTCALLBACKW;
        Send(TVM_SETITEMW, 0, (LPARAM)&cell);
    }
    int answers = 0;
    host->onMessage([&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT> {
        if (m.notifyCode != TVN_GETDISPINFOW) return std::nullopt;
        NMTVDISPINFOW* info = (NMTVDISPINFOW*)m.lParam;
        ++answers;
        if (answers == 3) SendMessageW(tree, TVM_DELETEITEM, 0, (LPARAM)info->item.hItem);
        if (answers == 7) SendMessageW(tree, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
        // A 100,000-character answer is cut to the buffer.
        static std::wstring huge(100000, L'w');
        if (info->item.mask & TVIF_TEXT) info->item.pszText = huge.data();
        return 0;
    });
    qvtest::MemoryCanvas canvas(400, 300);
    Send(WM_PAINT, (WPARAM)canvas.dc());
    EXPECT_GE(answers, 7);
    EXPECT_EQ(0, Send(TVM_GETCOUNT));
    // The window still works afterwards.
    HTREEITEM again = Insert(TVI_ROOT, L"again");
    EXPECT_EQ(again, ItemAt(0));
}

TEST_F(ReentryTest, MessagesSentBackDuringNotificationsAreServed)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(2, 2, &roots);
    LRESULT countInside = -1, rowInside = -2;
    HTREEITEM inserted = nullptr;
    host->onMessage([&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT> {
        if (m.notifyCode == TVN_ITEMEXPANDINGW) {
            countInside = SendMessageW(tree, TVM_GETCOUNT, 0, 0);
            rowInside = SendMessageW(tree, TVM_GETROWOFITEM, 0, (LPARAM)roots[1]);
            TVINSERTSTRUCTW insert = {};
            insert.hParent = roots[0];
            insert.hInsertAfter = TVI_FIRST;
            insert.item.mask = TVIF_TEXT;
            insert.item.pszText = const_cast<wchar_t*>(L"added");
            inserted = (HTREEITEM)SendMessageW(tree, TVM_INSERTITEMW, 0, (LPARAM)&insert);
        }
        if (m.notifyCode == TVN_SELCHANGEDW) SendMessageW(tree, TVM_EXPAND, TVE_COLLAPSE, (LPARAM)roots[0]);
        return std::nullopt;
    });
    ASSERT_TRUE(Expand(roots[0]));
    EXPECT_EQ(6, countInside);
    EXPECT_EQ(1, rowInside);
    ASSERT_NE(nullptr, inserted);
    EXPECT_EQ(L"added", Text(ItemAt(1)));
    EXPECT_EQ(L"1", Text(ItemAt(4)));
    ASSERT_TRUE(Select(Next(roots[0], TVGN_CHILD)));
    // The parent collapsed the branch inside TVN_SELCHANGEDW: the selection moved up.
    EXPECT_EQ(roots[0], Selected());
    EXPECT_EQ(2, (int)RowTexts().size());
}

TEST_F(ReentryTest, DestroyingTheWindowInsideANotification)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(3, 3, &roots);
    host->onMessage([&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT> {
        if (m.notifyCode == TVN_ITEMEXPANDINGW && IsWindow(tree)) DestroyWindow(tree);
        return std::nullopt;
    });
    Expand(roots[1]);
    EXPECT_FALSE(IsWindow(tree));
    EXPECT_EQ(9u + 3u, host->countNotify(TVN_DELETEITEMW));
}

}  // namespace
}  // namespace treelist_test
