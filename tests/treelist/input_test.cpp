// Selection and input: the select step, cells, several items, mouse and keys, and the
// in-place editor.
#include <optional>

#include "treelist_fixture.h"

namespace treelist_test
{
namespace
{

TEST_F(TreeListTest, SelectsWithNotificationsAndVeto)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM a = Insert(TVI_ROOT, L"a"), b = Insert(TVI_ROOT, L"b");
    ASSERT_TRUE(Select(a));
    host->clear();
    ASSERT_TRUE(Select(b));
    const NMTREEVIEWW nm = host->notifications(TVN_SELCHANGINGW).at(0).as<NMTREEVIEWW>();
    EXPECT_EQ(0u, nm.action);   // by a message
    EXPECT_EQ((std::vector<HTREEITEM>{b, a}), (std::vector<HTREEITEM>{nm.itemNew.hItem, nm.itemOld.hItem}));
    EXPECT_EQ(0x801Cu, nm.itemNew.mask);
    EXPECT_EQ(0, nm.itemNew.cChildren);   // the column
    EXPECT_EQ(1u, host->countNotify(TVN_SELCHANGEDW));
    EXPECT_FALSE(State(a) & TVIS_SELECTED);
    host->clear();
    EXPECT_TRUE(Select(b));   // the same again: nothing is sent
    EXPECT_EQ(0u, host->notifications().size());
    host->answerNotify(TVN_SELCHANGINGW, 1);
    EXPECT_FALSE(Select(a));
    EXPECT_EQ(b, Selected());
    EXPECT_EQ(0u, host->countNotify(TVN_SELCHANGEDW));
    host->answerNotify(TVN_SELCHANGINGW, 0);
    // An item inserted with TVIS_SELECTED becomes the selection.
    HTREEITEM c = InsertWith(TVI_ROOT, TVI_LAST, {TVIF_STATE, nullptr, TVIS_SELECTED, TVIS_SELECTED});
    EXPECT_EQ(c, Selected());
    // Cells are selected only with cell selection on; without it the column is 0.
    for (const wchar_t* caption : {L"a", L"b", L"c"})
        AddColumn(caption, 100);
    EXPECT_EQ(1, Send(TVM_SELECTSUBITEM, 2, (LPARAM)c));
    EXPECT_EQ(0, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));
    Send(TVM_SETEXTENDEDSTYLE, TLX_SUBSELECT, TLX_SUBSELECT);
    host->clear();
    EXPECT_EQ(1, Send(TVM_SELECTSUBITEM, 2, (LPARAM)c));
    EXPECT_EQ(2, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));
    EXPECT_EQ(2, host->notifications(TVN_SELCHANGINGW).at(0).as<NMTREEVIEWW>().itemNew.cChildren);
    EXPECT_TRUE(Get(c, TVIF_STATE, 2).state & TVIS_SELECTED);
    EXPECT_EQ(0, Send(TVM_SELECTSUBITEM, 3, (LPARAM)c));   // no such column
}

TEST_F(TreeListTest, SelectsSeveralItemsAndReplacesThem)
{
    ASSERT_TRUE(Make(0));
    Send(TVM_SETEXTENDEDSTYLE, TLX_MULTISELECT, TLX_MULTISELECT);
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 5; ++i)
        items.push_back(Insert(TVI_ROOT, std::to_wstring(i).c_str()));
    // TVM_SETITEMW adds to the selection and moves the caret; a click with Ctrl adds too.
    for (int i : {1, 3})
        SetState(items[i], TVIS_SELECTED, TVIS_SELECTED);
    Click(LabelPoint(items[4]), WM_LBUTTONDOWN, MK_CONTROL);
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1], items[3], items[4]));
    SetState(items[3], 0, TVIS_SELECTED);   // clearing the bit unselects that item only
    // Ctrl+click on a selected item unselects it and leaves the caret empty.
    Click(LabelPoint(items[4]), WM_LBUTTONDOWN, MK_CONTROL);
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1]));
    EXPECT_EQ(nullptr, Selected());
    EXPECT_EQ(items[4], Next(nullptr, TVGN_FOCUS));
    // Shift with the arrows extends a range from the anchor.
    Click(LabelPoint(items[1]));
    SetKeyDown(VK_SHIFT, true);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1], items[2], items[3]));
    for (int i = 0; i < 3; ++i)
        Key(VK_UP);   // back across the anchor: the rows left behind are unselected
    EXPECT_THAT(SelectedItems(), ElementsAre(items[0], items[1]));
    SetKeyDown(VK_SHIFT, false);
    Key(VK_END);   // without Shift the selection is replaced
    EXPECT_THAT(SelectedItems(), ElementsAre(items[4]));
}

TEST_F(TreeListTest, ButtonsCheckBoxesAndClicks)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_LINESATROOT | TVS_CHECKBOXES));
    const auto roots = FillTwoLevels(2, 2);
    const int y = Centre(ItemRect(roots[0])).y;
    for (UINT expanded : {(UINT)TVIS_EXPANDED, 0u})
    {
        Click({7, y});   // the button
        EXPECT_EQ(expanded, State(roots[0]) & TVIS_EXPANDED);
    }
    for (UINT image : {2u, 1u})
    {
        Click({19 + 8, y});   // the check box
        EXPECT_EQ(INDEXTOSTATEIMAGEMASK(image), State(roots[0]) & TVIS_STATEIMAGEMASK);
    }
    host->clear();
    const POINT label = LabelPoint(roots[1]);
    Click(label);
    EXPECT_EQ(roots[1], Selected());
    EXPECT_EQ(1u, host->notifications(TVN_SELCHANGINGW).at(0).as<NMTREEVIEWW>().action);   // by mouse
    ASSERT_EQ(1u, host->countNotify(NM_CLICK));
    const NMTREEVIEWW click = host->notifications(NM_CLICK)[0].as<NMTREEVIEWW>();
    EXPECT_EQ(0x401Cu, click.itemNew.mask);
    EXPECT_EQ(label.x, click.ptDrag.x);
    Click(label, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(State(roots[1]) & TVIS_EXPANDED);
    EXPECT_EQ(1u, host->countNotify(NM_DBLCLK));
    Click(label, WM_RBUTTONDOWN);
    EXPECT_EQ(1u, host->countNotify(NM_RCLICK));
    // A drag starts on a move with the button still down.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(label.x, label.y));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(label.x + 10, label.y));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(label.x + 20, label.y));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(label.x + 20, label.y));
    ASSERT_EQ(1u, host->countNotify(TVN_BEGINDRAGW));
    const NMTREEVIEWW drag = host->notifications(TVN_BEGINDRAGW)[0].as<NMTREEVIEWW>();
    EXPECT_EQ(1u, drag.action);   // expanded
    EXPECT_EQ(label.x + 10, drag.ptDrag.x);
    // Disabled: no input at all.
    EnableWindow(tree, FALSE);
    host->clear();
    Click(label, WM_LBUTTONDBLCLK);
    Key(VK_UP);
    EXPECT_EQ(0u, host->notifications().size());
}

TEST_F(TreeListTest, ArrowKeysMoveExpandAndCollapse)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_CHECKBOXES));
    const auto roots = FillTwoLevels(3, 2);
    Key(VK_DOWN);
    EXPECT_EQ(roots[0], Selected());
    // Right opens, then steps in; Left steps out of a collapsed child, then collapses.
    const struct
    {
        WPARAM key;
        HTREEITEM selected;
        bool rootOneOpen;
    } steps[] = {
        {VK_DOWN, roots[1], false}, {VK_RIGHT, roots[1], true}, {VK_RIGHT, Next(roots[1], TVGN_CHILD), true},
        {VK_LEFT, roots[1], true},  {VK_LEFT, roots[1], false}, {VK_HOME, roots[0], false},
    };
    for (const auto& s : steps)
    {
        Key(s.key);
        EXPECT_EQ(s.selected, Selected()) << "key " << s.key;
        EXPECT_EQ(s.rootOneOpen, (State(roots[1]) & TVIS_EXPANDED) != 0) << "key " << s.key;
    }
    EXPECT_EQ(2u, host->notifications(TVN_SELCHANGINGW).back().as<NMTREEVIEWW>().action);   // by keyboard
    Key(VK_SPACE);   // check box of the selected item
    EXPECT_EQ((UINT)INDEXTOSTATEIMAGEMASK(2), State(roots[0]) & TVIS_STATEIMAGEMASK);
    host->clear();
    Key(VK_RETURN);   // the parent hears of Return, not of it as a key
    EXPECT_EQ(1u, host->countNotify(NM_RETURN));
    EXPECT_EQ(0u, host->countNotify(TVN_KEYDOWN));
    Key(VK_UP);
    EXPECT_EQ(1u, host->countNotify(TVN_KEYDOWN));
}

class EditTest : public TreeListTest
{
protected:
    HWND Edit(HTREEITEM item, int column, WPARAM kind = TVLE_EDIT) const
    {
        return (HWND)Send(TVM_EDITLABELW, (WPARAM)column | kind, (LPARAM)item);
    }
    // Puts `text` into the editor and ends with `key`.
    static void Type(HWND editor, const wchar_t* text, WPARAM key)
    {
        SetWindowTextW(editor, text);
        SendMessageW(editor, WM_KEYDOWN, key, 1);
    }
    NMTVDISPINFOW Note(UINT code) const { return host->notifications(code).at(0).as<NMTVDISPINFOW>(); }
};

TEST_F(EditTest, ReturnKeepsTheTextEscapeAndVetoDoNot)
{
    ASSERT_TRUE(Make(TVS_EDITLABELS));
    HTREEITEM item = Insert(TVI_ROOT, L"old text");
    HWND editor = Edit(item, 0);
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(editor, GetFocus());
    EXPECT_EQ(0x801Du, Note(TVN_BEGINLABELEDITW).item.mask);
    EXPECT_EQ(item, Selected());   // the edited item is selected
    Type(editor, L"new text", VK_RETURN);
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(L"new text", Text(item));
    EXPECT_EQ(259, Note(TVN_ENDLABELEDITW).item.cchTextMax);
    host->clear();
    Type(Edit(item, 0), L"lost", VK_ESCAPE);
    EXPECT_EQ(L"new text", Text(item));
    EXPECT_EQ(nullptr, Note(TVN_ENDLABELEDITW).item.pszText);
    host->answerNotify(TVN_ENDLABELEDITW, 1);
    Type(Edit(item, 0), L"refused", VK_RETURN);
    EXPECT_EQ(L"new text", Text(item));
    host->answerNotify(TVN_BEGINLABELEDITW, 1);
    EXPECT_EQ(nullptr, Edit(item, 0));
    // Without TVS_EDITLABELS or on a missing column there is no editor.
    host->answerNotify(TVN_BEGINLABELEDITW, 0);
    EXPECT_EQ(nullptr, Edit(item, 2));
    SetWindowLongPtrW(tree, GWL_STYLE, GetWindowLongPtrW(tree, GWL_STYLE) & ~TVS_EDITLABELS);
    EXPECT_EQ(nullptr, Edit(item, 0));
}

TEST_F(EditTest, EditsCellsWithComboBoxesAndLosesFocus)
{
    ASSERT_TRUE(Make(TVS_EDITLABELS));
    AddColumn(L"name", 120);
    AddColumn(L"value", 120, LVCFMT_RIGHT);
    Send(TVM_SETEXTENDEDSTYLE, TLX_SUBSELECT, TLX_SUBSELECT);
    HTREEITEM item = Insert(TVI_ROOT, L"row");
    SetCellText(item, 1, L"cell");
    HWND combo = Edit(item, 1, TVLE_COMBO);
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ(CBS_DROPDOWN, GetWindowLongPtrW(combo, GWL_STYLE) & 3);
    EXPECT_EQ(1, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));
    EXPECT_EQ(1, Note(TVN_BEGINLABELEDITW).item.cChildren);
    // Return in the combo box's own edit child goes up through the combo box.
    HWND inner = GetWindow(combo, GW_CHILD);
    ASSERT_NE(nullptr, inner);
    SetWindowTextW(combo, L"changed");
    SendMessageW(inner, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(L"changed", Text(item, 1));
    EXPECT_EQ(tree, GetFocus());   // a combo box gives the focus back
    // Another kind replaces the editor; losing the focus ends the edit keeping the text.
    HWND list = Edit(item, 1, TVLE_DROPLIST);
    ASSERT_NE(nullptr, list);
    EXPECT_FALSE(IsWindow(combo));
    EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongPtrW(list, GWL_STYLE) & 3);
    SetWindowTextW(Edit(item, 0, TVLE_EDIT), L"by focus");
    SetFocus(tree);
    EXPECT_EQ(L"by focus", Text(item));
}

TEST_F(EditTest, CallbackTextsAreCappedAndGoBackThroughSetDispInfo)
{
    ASSERT_TRUE(Make(TVS_EDITLABELS));
    HTREEITEM item = Insert(TVI_ROOT, LPSTR_TEXTCALLBACKW);
    std::wstring huge(100000, L'q'), stored;
    host->onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            NMTVDISPINFOW* info = (NMTVDISPINFOW*)m.lParam;
            if (m.notifyCode == TVN_GETDISPINFOW && (info->item.mask & TVIF_TEXT))
                info->item.pszText = huge.data();
            if (m.notifyCode == TVN_SETDISPINFOW)
                stored = info->item.pszText;
            return std::nullopt;
        });
    HWND editor = Edit(item, 0);
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(259, GetWindowTextLengthW(editor));
    Type(editor, std::wstring(1000, L'z').c_str(), VK_RETURN);
    EXPECT_EQ(259u, stored.size());
    EXPECT_EQ(L"<callback>", Text(item));   // nothing stored in the window
}

}   // namespace
}   // namespace treelist_test
