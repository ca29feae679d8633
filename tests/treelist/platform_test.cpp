// Where the window answers as the platform's tree view does: lazy loading under the
// editor, opening collapsed branches, scroll messages from a program, sorted callback
// texts, expanding childless items, the numpad keys, context menus, the editor's text.
#include <optional>

#include "treelist_fixture.h"

namespace treelist_test
{
namespace
{

class PlatformTest : public TreeListTest
{
protected:
    // Root "root" (collapsed) > "mid" > "leaf"; returns {root, mid, leaf}.
    std::vector<HTREEITEM> Chain3()
    {
        HTREEITEM root = Insert(TVI_ROOT, L"root");
        HTREEITEM mid = Insert(root, L"mid");
        return {root, mid, Insert(mid, L"leaf")};
    }
    UINT FirstVisibleRow() const { return (UINT)RowOf(Next(nullptr, TVGN_FIRSTVISIBLE)); }
};

TEST_F(PlatformTest, EditingAnItemWhoseBranchTheParentReloadsOnExpanding)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_EDITLABELS));
    for (bool refill : {false, true})
    {
        SCOPED_TRACE(refill ? "children refilled" : "children deleted");
        Send(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
        HTREEITEM root = Insert(TVI_ROOT, L"root");
        HTREEITEM child = Insert(root, L"child");
        host->onMessage(
            [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
            {
                if (m.notifyCode != TVN_ITEMEXPANDINGW)
                    return std::nullopt;
                Send(TVM_EXPAND, TVE_COLLAPSE | TVE_COLLAPSERESET, (LPARAM)root);   // the lazy loader's reset
                Send(TVM_DELETEITEM, 0, (LPARAM)child);
                if (refill)
                    Insert(root, L"loaded");
                return 0;
            });
        EXPECT_EQ(0, Send(TVM_EDITLABELW, 0, (LPARAM)child));
        host->onMessage(nullptr);
        HWND editor = (HWND)Send(TVM_GETEDITCONTROL);
        EXPECT_TRUE(!editor || !IsWindowVisible(editor));
        if (refill)
            EXPECT_THAT(RowTexts(), ElementsAre(L"root", L"loaded"));
        else
            EXPECT_THAT(RowTexts(), ElementsAre(L"root"));
    }
    // A loader that keeps the item: the editor opens on it, its branch now open.
    Send(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
    HTREEITEM root = Insert(TVI_ROOT, L"root");
    HTREEITEM child = Insert(root, L"child");
    host->onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.notifyCode == TVN_ITEMEXPANDINGW)
                Insert(root, L"sibling");
            return std::nullopt;
        });
    HWND editor = (HWND)Send(TVM_EDITLABELW, 0, (LPARAM)child);
    ASSERT_NE(nullptr, editor);
    EXPECT_THAT(RowTexts(), ElementsAre(L"root", L"child", L"sibling"));
    EXPECT_EQ(259, SendMessageW(editor, EM_GETLIMITTEXT, 0, 0));
    SendMessageW(editor, WM_KEYDOWN, VK_ESCAPE, 1);
}

TEST_F(PlatformTest, TheItemAskedForEndsSelectedAndShown)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    auto items = Chain3();
    ASSERT_TRUE(Select(items[2]));   // hidden two levels down
    EXPECT_EQ(0, Send(TVM_ENSUREVISIBLE, 0, (LPARAM)items[2]));
    EXPECT_EQ(items[2], Selected());
    EXPECT_EQ(2, RowOf(items[2]));
    EXPECT_EQ(1, Send(TVM_ENSUREVISIBLE, 0, (LPARAM)items[2]));   // shown already
    DestroyWindow(tree);

    // Single-expand: the child of a collapsed root, with another branch open.
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_SINGLEEXPAND));
    const auto roots = FillTwoLevels(2, 2);
    ASSERT_TRUE(Select(roots[0]));
    EXPECT_TRUE(State(roots[0]) & TVIS_EXPANDED);
    HTREEITEM child = Next(roots[1], TVGN_CHILD);
    ASSERT_TRUE(Select(child));
    EXPECT_EQ(child, Selected());
    EXPECT_TRUE(State(child) & TVIS_SELECTED);
    EXPECT_FALSE(State(roots[1]) & TVIS_SELECTED);
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"1", L"1.0", L"1.1"));
}

TEST_F(PlatformTest, ThumbPositionsSentByAProgramScroll)
{
    ASSERT_TRUE(Make(0, 300, 200));
    AddColumn(L"a", 400);
    AddColumn(L"b", 400);
    for (int i = 0; i < 100; ++i)
        Insert(TVI_ROOT, std::to_wstring(i).c_str());
    const int full = (int)Send(TVM_GETVISIBLECOUNT);
    const struct
    {
        WORD code;
        int position;
        UINT top;
    } vertical[] = {
        {SB_THUMBPOSITION, 10, 10u},
        {SB_THUMBTRACK, 40, 40u},
        {SB_THUMBPOSITION, 0, 0u},
        {SB_THUMBTRACK, 5000, (UINT)(100 + 1 - full)},   // clamped as other scrolling is
    };
    for (const auto& v : vertical)
    {
        SCOPED_TRACE(v.position);
        Send(WM_VSCROLL, MAKEWPARAM(v.code, v.position));
        EXPECT_EQ(v.top, FirstVisibleRow());
    }
    HTREEITEM first = ItemAt(0);
    Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0));
    const RECT cell = CellRect(first, 1);
    Send(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 30));
    EXPECT_EQ(cell.left - 30, CellRect(first, 1).left);
    Send(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 9000));
    RECT client;
    GetClientRect(tree, &client);
    const int highest = cell.right - 2 * (client.right / 2);   // content width less two half pages
    EXPECT_EQ(cell.left - highest, CellRect(first, 1).left);
}

TEST_F(PlatformTest, SortedInsertionAsksForTheNewItemsCallbackText)
{
    ASSERT_TRUE(Make(0));
    Insert(TVI_ROOT, L"bravo");
    Insert(TVI_ROOT, L"delta");
    host->onMessage(
        [](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.notifyCode != TVN_GETDISPINFOW)
                return std::nullopt;
            NMTVDISPINFOW* info = (NMTVDISPINFOW*)m.lParam;
            if (info->item.lParam == 7 && (info->item.mask & TVIF_TEXT))
                wcscpy(info->item.pszText, L"Charlie");
            return 0;
        });
    HTREEITEM made = Insert(TVI_ROOT, LPSTR_TEXTCALLBACKW, TVI_SORT, 7);
    ASSERT_NE(nullptr, made);
    EXPECT_THAT(Chain(Next(nullptr, TVGN_ROOT), TVGN_NEXT), ElementsAre(Next(nullptr, TVGN_ROOT), made, ItemAt(2)));
    EXPECT_EQ(1, RowOf(made));
}

TEST_F(PlatformTest, ExpandingAnItemWithoutChildrenChangesNothing)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    HTREEITEM plain = Insert(TVI_ROOT, L"plain");   // decided by its children: none
    HTREEITEM noButton = InsertWith(
        TVI_ROOT, TVI_LAST, {TVIF_TEXT | TVIF_CHILDREN, nullptr, 0, 0, const_cast<wchar_t*>(L"none"), 0, 0, 0, 0});
    HTREEITEM lazy = InsertWith(TVI_ROOT, TVI_LAST,
                                {TVIF_TEXT | TVIF_CHILDREN, nullptr, 0, 0, const_cast<wchar_t*>(L"lazy"), 0, 0, 0, 1});
    HTREEITEM asked = InsertWith(
        TVI_ROOT, TVI_LAST,
        {TVIF_TEXT | TVIF_CHILDREN, nullptr, 0, 0, const_cast<wchar_t*>(L"asked"), 0, 0, 0, I_CHILDRENCALLBACK});
    host->onMessage(
        [](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.notifyCode == TVN_GETDISPINFOW)
                ((NMTVDISPINFOW*)m.lParam)->item.cChildren = 0;
            return std::nullopt;
        });
    for (HTREEITEM h : {plain, noButton, asked})
    {
        for (UINT code : {TVE_EXPAND, TVE_TOGGLE, TVE_COLLAPSE})
        {
            SCOPED_TRACE(Text(h) + L" " + std::to_wstring(code));
            const UINT before = State(h);
            host->clear();
            EXPECT_EQ(0, Send(TVM_EXPAND, code, (LPARAM)h));
            EXPECT_EQ(before, State(h));
            EXPECT_EQ(0u, host->countNotify(TVN_ITEMEXPANDINGW));
            EXPECT_EQ(0u, host->countNotify(TVN_ITEMEXPANDEDW));
        }
    }
    host->clear();
    EXPECT_EQ(1, Send(TVM_EXPAND, TVE_EXPAND, (LPARAM)lazy));   // the button promises children
    EXPECT_TRUE(State(lazy) & TVIS_EXPANDED);
    EXPECT_EQ(1u, host->countNotify(TVN_ITEMEXPANDINGW));
    // TVIF_CHILDREN reads whether there are children; a callback count stays one.
    EXPECT_EQ(0, Get(lazy, TVIF_CHILDREN).cChildren);
    Insert(lazy, L"child");
    EXPECT_EQ(1, Get(lazy, TVIF_CHILDREN).cChildren);
    EXPECT_EQ(I_CHILDRENCALLBACK, Get(asked, TVIF_CHILDREN).cChildren);
}

TEST_F(PlatformTest, NumpadKeysExpandCollapseAndOpenTheWholeBranch)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    auto items = Chain3();
    Insert(TVI_ROOT, L"other");
    ASSERT_TRUE(Select(items[0]));
    Key(VK_ADD);
    EXPECT_THAT(RowTexts(), ElementsAre(L"root", L"mid", L"other"));
    Key(VK_SUBTRACT);
    EXPECT_THAT(RowTexts(), ElementsAre(L"root", L"other"));
    Key(VK_MULTIPLY);
    EXPECT_THAT(RowTexts(), ElementsAre(L"root", L"mid", L"leaf", L"other"));
    EXPECT_EQ(items[0], Selected());
    EXPECT_EQ(3u, host->countNotify(TVN_KEYDOWN));
}

TEST_F(PlatformTest, AnUnhandledRightClickBringsTheParentsContextMenu)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM item = Insert(TVI_ROOT, L"item");
    const POINT at = LabelPoint(item);
    Click(at, WM_RBUTTONDOWN);
    ASSERT_EQ(1u, host->countNotify(NM_RCLICK));
    const auto menus = host->messagesOf(WM_CONTEXTMENU);
    ASSERT_EQ(1u, menus.size());
    POINT screen = at;
    ClientToScreen(tree, &screen);
    EXPECT_EQ(tree, (HWND)menus[0].wParam);
    EXPECT_EQ(screen.x, (short)LOWORD(menus[0].lParam));
    EXPECT_EQ(screen.y, (short)HIWORD(menus[0].lParam));
    host->clear();
    host->answerNotify(NM_RCLICK, 1);   // the parent showed its own menu
    Click(at, WM_RBUTTONDOWN);
    EXPECT_EQ(0u, host->countMessage(WM_CONTEXTMENU));
}

TEST_F(PlatformTest, EndingAnEditTakesTheTextWhereTheParentPointsIt)
{
    ASSERT_TRUE(Make(TVS_EDITLABELS));
    HTREEITEM item = Insert(TVI_ROOT, L"old");
    static wchar_t parentsText[] = L"from the parent";
    host->onMessage(
        [](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.notifyCode == TVN_ENDLABELEDITW)
                ((NMTVDISPINFOW*)m.lParam)->item.pszText = parentsText;
            return std::nullopt;
        });
    HWND editor = (HWND)Send(TVM_EDITLABELW, 0, (LPARAM)item);
    ASSERT_NE(nullptr, editor);
    SetWindowTextW(editor, std::wstring(400, L'x').c_str());
    SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(L"from the parent", Text(item));
}

TEST_F(PlatformTest, SmallAnswersAsThePlatformGivesThem)
{
    ASSERT_TRUE(Make(0));
    EXPECT_EQ(0, Send(TVM_SORTCHILDREN, 0, (LPARAM)TVI_ROOT));   // empty tree
    HTREEITEM first = Insert(TVI_ROOT, L"b");
    Insert(TVI_ROOT, L"a");
    EXPECT_EQ(first, Next(nullptr, TVGN_CHILD));
    EXPECT_EQ(0, Send(TVM_SORTCHILDREN, 0, (LPARAM)first));   // no children
    EXPECT_EQ(1, Send(TVM_SORTCHILDREN, 0, (LPARAM)TVI_ROOT));
    EXPECT_THAT(RowTexts(), ElementsAre(L"a", L"b"));
    // Check boxes turned on later: every item gets the unchecked box.
    SetWindowLongPtrW(tree, GWL_STYLE, GetWindowLongPtrW(tree, GWL_STYLE) | TVS_CHECKBOXES);
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(1), State(first) & TVIS_STATEIMAGEMASK);
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(1), State(ItemAt(0)) & TVIS_STATEIMAGEMASK);
    EXPECT_NE(nullptr, (HIMAGELIST)Send(TVM_GETIMAGELIST, TVSIL_STATE));
    // A new font repaints even when the caller did not ask for it.
    UpdateWindow(tree);
    Send(WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    RECT pending = {};
    EXPECT_TRUE(GetUpdateRect(tree, &pending, FALSE));
}

struct SortProbe
{
    HWND tree;
    int calls;
    LRESULT markDuringSort;
    bool destroy;
};

int CALLBACK ProbeCompare(LPARAM a, LPARAM b, LPARAM context)
{
    SortProbe* probe = (SortProbe*)context;
    if (probe->calls++ == 0)
    {
        if (probe->destroy)
            DestroyWindow(probe->tree);
        else
            probe->markDuringSort = SendMessageW(probe->tree, TVM_SETINSERTMARK, 0, (LPARAM)1);
    }
    return (int)(a - b);
}

TEST_F(PlatformTest, InsertMarkAndDestructionWhileASortRuns)
{
    ASSERT_TRUE(Make(TVS_CHECKBOXES));
    for (int i = 0; i < 6; ++i)
        Insert(TVI_ROOT, std::to_wstring(i).c_str(), TVI_LAST, 10 - i);
    HTREEITEM mark = (HTREEITEM)Send(TVM_SETINSERTMARK, 1, (LPARAM)ItemAt(2));
    ASSERT_NE(nullptr, mark);
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(1), State(mark) & TVIS_STATEIMAGEMASK);   // an item as others
    SortProbe probe = {tree, 0, -1, false};
    TVSORTCB sort = {TVI_ROOT, ProbeCompare, (LPARAM)&probe};
    ASSERT_EQ(1, Send(TVM_SORTCHILDRENCB, 0, (LPARAM)&sort));
    EXPECT_EQ(0, probe.markDuringSort);   // the old row could not go: the mark stays
    EXPECT_EQ(7, Send(TVM_GETCOUNT));
    EXPECT_EQ(1, Send(TVM_SETINSERTMARK, 0, 0));   // removed now
    EXPECT_EQ(6, Send(TVM_GETCOUNT));
    EXPECT_EQ(0, Send(TVM_GETITEMSTATE, 0, (LPARAM)mark));

    // The parent destroys the window from its comparison: it hears of every item.
    Insert(ItemAt(0), L"child");
    host->clear();
    probe = {tree, 0, -1, true};
    Send(TVM_SORTCHILDRENCB, 0, (LPARAM)&sort);
    EXPECT_FALSE(IsWindow(tree));
    EXPECT_EQ(7u, host->countNotify(TVN_DELETEITEMW));
    EXPECT_EQ(1, probe.calls);   // not asked again once the window went
}

}   // namespace
}   // namespace treelist_test
