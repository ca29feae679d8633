// The in-place editor: its three kinds, begin and end notifications, Return and Escape,
// and texts from the parent.
#include <optional>

#include "treelist_fixture.h"

namespace treelist_test {
namespace {

class EditTest : public TreeListTest {
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
    EXPECT_EQ(TVLE_ID, GetDlgCtrlID(editor));
    EXPECT_EQ(editor, GetFocus());
    EXPECT_EQ(0x801Du, Note(TVN_BEGINLABELEDITW).item.mask);
    EXPECT_EQ(item, Selected());  // the edited item is selected
    DWORD start = 1, end = 0;
    SendMessageW(editor, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ((std::vector<DWORD>{0, 8}), (std::vector<DWORD>{start, end}));  // all the text is selected
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
    EXPECT_EQ(tree, GetFocus());  // a combo box gives the focus back
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
    host->onMessage([&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT> {
        NMTVDISPINFOW* info = (NMTVDISPINFOW*)m.lParam;
        if (m.notifyCode == TVN_GETDISPINFOW && (info->item.mask & TVIF_TEXT)) info->item.pszText = huge.data();
        if (m.notifyCode == TVN_SETDISPINFOW) stored = info->item.pszText;
        return std::nullopt;
    });
    HWND editor = Edit(item, 0);
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(259, GetWindowTextLengthW(editor));
    Type(editor, std::wstring(1000, L'z').c_str(), VK_RETURN);
    EXPECT_EQ(259u, stored.size());
    EXPECT_EQ(0x801Du, Note(TVN_SETDISPINFOW).item.mask);
    EXPECT_EQ(L"<callback>", Text(item));  // nothing stored in the window
}

}  // namespace
}  // namespace treelist_test
