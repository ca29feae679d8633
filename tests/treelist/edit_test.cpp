// The in-place editor: its three kinds, begin and end notifications, Return and
// Escape, texts from the parent, and the drag image.
#include <optional>

#include "treelist_fixture.h"

namespace treelist_test {
namespace {

class EditTest : public TreeListTest {
protected:
    HWND Edit(HTREEITEM item, int column, WPARAM kind = TVLE_EDIT)
    {
        return (HWND)Send(TVM_EDITLABELW, (WPARAM)column | kind, (LPARAM)item);
    }
    void TypeKey(HWND window, WPARAM key) { SendMessageW(window, WM_KEYDOWN, key, 1); }
};

TEST_F(EditTest, EditsAnItemAndKeepsTheTextOnReturn)
{
    ASSERT_TRUE(Make(TVS_EDITLABELS));
    HTREEITEM item = Insert(TVI_ROOT, L"old text");
    HWND editor = Edit(item, 0);
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(editor, (HWND)Send(TVM_GETEDITCONTROL));
    EXPECT_EQ(3, GetDlgCtrlID(editor));
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(editor, GetFocus());
    wchar_t className[16];
    GetClassNameW(editor, className, 16);
    EXPECT_STREQ(L"Edit", className);
    EXPECT_EQ(DLGC_WANTALLKEYS, SendMessageW(editor, WM_GETDLGCODE, 0, 0));
    const NMTVDISPINFOW begin = host->notifications(TVN_BEGINLABELEDITW)[0].as<NMTVDISPINFOW>();
    EXPECT_EQ(0x801Du, begin.item.mask);
    EXPECT_EQ(item, begin.item.hItem);
    EXPECT_EQ(item, Selected());  // the edited item is selected
    DWORD start = 0, end = 0;
    SendMessageW(editor, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(0u, start);
    EXPECT_EQ(8u, end);

    SetWindowTextW(editor, L"new text");
    TypeKey(editor, VK_RETURN);
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(L"new text", Text(item));
    const NMTVDISPINFOW endNote = host->notifications(TVN_ENDLABELEDITW)[0].as<NMTVDISPINFOW>();
    EXPECT_EQ(259, endNote.item.cchTextMax);
    EXPECT_EQ(0, endNote.item.cChildren);
}

TEST_F(EditTest, EscapeAndVetoLeaveTheText)
{
    ASSERT_TRUE(Make(TVS_EDITLABELS));
    HTREEITEM item = Insert(TVI_ROOT, L"keep");
    HWND editor = Edit(item, 0);
    ASSERT_NE(nullptr, editor);
    SetWindowTextW(editor, L"lost");
    TypeKey(editor, VK_ESCAPE);
    EXPECT_EQ(L"keep", Text(item));
    const NMTVDISPINFOW cancelled = host->notifications(TVN_ENDLABELEDITW)[0].as<NMTVDISPINFOW>();
    EXPECT_EQ(nullptr, cancelled.item.pszText);
    EXPECT_EQ(0, cancelled.item.cchTextMax);

    host->answerNotify(TVN_ENDLABELEDITW, 1);
    editor = Edit(item, 0);
    SetWindowTextW(editor, L"refused");
    TypeKey(editor, VK_RETURN);
    EXPECT_EQ(L"keep", Text(item));

    host->answerNotify(TVN_BEGINLABELEDITW, 1);
    EXPECT_EQ(nullptr, Edit(item, 0));

    // Without TVS_EDITLABELS, on a dead item or a missing column there is no editor.
    SetWindowLongPtrW(tree, GWL_STYLE, GetWindowLongPtrW(tree, GWL_STYLE) & ~TVS_EDITLABELS);
    host->answerNotify(TVN_BEGINLABELEDITW, 0);
    EXPECT_EQ(nullptr, Edit(item, 0));
    SetWindowLongPtrW(tree, GWL_STYLE, GetWindowLongPtrW(tree, GWL_STYLE) | TVS_EDITLABELS);
    EXPECT_EQ(nullptr, Edit(H(500), 0));
    EXPECT_EQ(nullptr, Edit(item, 2));
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
    wchar_t className[16];
    GetClassNameW(combo, className, 16);
    EXPECT_STREQ(L"ComboBox", className);
    EXPECT_EQ(1, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));
    const NMTVDISPINFOW begin = host->notifications(TVN_BEGINLABELEDITW)[0].as<NMTVDISPINFOW>();
    EXPECT_EQ(1, begin.item.cChildren);
    SetWindowTextW(combo, L"changed");
    // Return in the combo box's own edit child goes up through the combo box.
    HWND inner = GetWindow(combo, GW_CHILD);
    ASSERT_NE(nullptr, inner);
    TypeKey(inner, VK_RETURN);
    EXPECT_EQ(L"changed", Text(item, 1));
    EXPECT_EQ(tree, GetFocus());  // a combo box gives the focus back

    // Another kind replaces the editor; losing the focus ends the edit keeping the text.
    HWND list = Edit(item, 1, TVLE_DROPLIST);
    ASSERT_NE(nullptr, list);
    EXPECT_FALSE(IsWindow(combo));
    EXPECT_EQ(3, (int)(GetWindowLongPtrW(list, GWL_STYLE) & 3));  // CBS_DROPDOWNLIST
    HWND edit = Edit(item, 0, TVLE_EDIT);
    SetWindowTextW(edit, L"by focus");
    SetFocus(tree);
    EXPECT_EQ(L"by focus", Text(item));
}

TEST_F(EditTest, CallbackTextsAreCappedAndGoBackThroughSetDispInfo)
{
    ASSERT_TRUE(Make(TVS_EDITLABELS));
    TVITEMW fields = {};
    fields.mask = TVIF_TEXT;
    fields.pszText = LPSTR_TEXTCALLBACKW;
    HTREEITEM item = InsertWith(TVI_ROOT, TVI_LAST, fields);
    std::wstring huge(100000, L'q');
    std::wstring stored;
    host->onMessage([&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT> {
        NMTVDISPINFOW* info = (NMTVDISPINFOW*)m.lParam;
        if (m.notifyCode == TVN_GETDISPINFOW && (info->item.mask & TVIF_TEXT)) info->item.pszText = huge.data();
        if (m.notifyCode == TVN_SETDISPINFOW) stored = info->item.pszText;
        return std::nullopt;
    });
    HWND editor = Edit(item, 0);
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(259, GetWindowTextLengthW(editor));
    SetWindowTextW(editor, std::wstring(1000, L'z').c_str());
    TypeKey(editor, VK_RETURN);
    EXPECT_EQ(259u, stored.size());
    const NMTVDISPINFOW set = host->notifications(TVN_SETDISPINFOW)[0].as<NMTVDISPINFOW>();
    EXPECT_EQ(0x801Du, set.item.mask);
    EXPECT_EQ(0xFFFFFF1Du, set.item.stateMask);
    EXPECT_EQ(L"<callback>", Text(item));  // nothing stored in the window
}

TEST_F(EditTest, DragImageOfAnItemAndACell)
{
    ASSERT_TRUE(Make(0));
    AddColumn(L"a", 100);
    AddColumn(L"b", 100);
    HTREEITEM item = Insert(TVI_ROOT, L"drag me");
    UpdateWindow(tree);
    HIMAGELIST image = (HIMAGELIST)Send(TVM_CREATEDRAGIMAGE, 0, (LPARAM)item);
    ASSERT_NE(nullptr, image);
    int width = 0, height = 0;
    ImageList_GetIconSize(image, &width, &height);
    EXPECT_GT(width, 20);
    EXPECT_LE(height, 32);
    EXPECT_EQ(1, ImageList_GetImageCount(image));
    ImageList_Destroy(image);
    // A missing cell shows "????" four font heights wide.
    image = (HIMAGELIST)Send(TVM_CREATEDRAGIMAGE, 1, (LPARAM)item);
    ASSERT_NE(nullptr, image);
    ImageList_GetIconSize(image, &width, &height);
    EXPECT_EQ(4 * height, width);
    ImageList_Destroy(image);
    EXPECT_EQ(0, Send(TVM_CREATEDRAGIMAGE, 2, (LPARAM)item));
    EXPECT_EQ(0, Send(TVM_CREATEDRAGIMAGE, 0, (LPARAM)H(77)));
    std::wstring longText(500, L'm');
    SetCellText(item, 1, longText.c_str());
    UpdateWindow(tree);
    InvalidateRect(tree, nullptr, TRUE);
    UpdateWindow(tree);
    image = (HIMAGELIST)Send(TVM_CREATEDRAGIMAGE, 1, (LPARAM)item);
    ImageList_GetIconSize(image, &width, &height);
    EXPECT_EQ(240, width);  // capped
    ImageList_Destroy(image);
}

}  // namespace
}  // namespace treelist_test
