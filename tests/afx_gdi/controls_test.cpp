// The control wrappers against real controls, where the wrapper adds logic.
#include <gtest/gtest.h>

#include "afxcmn.h"
#include "afxdtctl.h"
#include "cstring_printer.h"
#include "qvtest.h"

namespace {

const CRect kBox(10, 10, 300, 200);

class ControlsTest : public ::testing::Test
{
protected:
    qvtest::HostWindow host;
    CWnd* Parent() { return CWnd::FromHandle(host.hwnd()); }
};

TEST_F(ControlsTest, ComboBoxStringsSelectionAndData)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, kBox, Parent(), 1001));
    EXPECT_EQ(combo.AddString(L"甲"), 0);
    EXPECT_EQ(combo.AddString(L"乙二"), 1);
    EXPECT_EQ(combo.InsertString(0, L"Alpha"), 0);
    EXPECT_EQ(combo.AddString(L"alphabet"), 3);
    EXPECT_EQ(combo.GetCount(), 4);

    CString text;
    combo.GetLBText(2, text);
    EXPECT_EQ(text, CString(L"乙二"));
    EXPECT_EQ(combo.GetLBTextLen(2), 2);
    combo.GetLBText(9, text);
    EXPECT_TRUE(text.IsEmpty()) << "an index out of range reads as empty";
    EXPECT_EQ(combo.GetLBTextLen(-5), CB_ERR);

    // Prefix and whole-text searches, case-insensitive, wrapping around.
    EXPECT_EQ(combo.FindString(-1, L"alpha"), 0);
    EXPECT_EQ(combo.FindString(0, L"alpha"), 3);
    EXPECT_EQ(combo.FindString(3, L"alpha"), 0);
    EXPECT_EQ(combo.FindStringExact(-1, L"ALPHABET"), 3);
    EXPECT_EQ(combo.FindStringExact(-1, L"alph"), CB_ERR);

    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.SelectString(-1, L"乙"), 2);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.SetCurSel(0), 0);
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);

    EXPECT_NE(combo.SetItemData(1, 0x1234), CB_ERR);
    EXPECT_EQ(combo.GetItemData(1), 0x1234u);
    int value = 7;
    combo.SetItemDataPtr(2, &value);
    EXPECT_EQ(combo.GetItemDataPtr(2), &value);

    EXPECT_EQ(combo.DeleteString(0), 3);
    combo.GetLBText(0, text);
    EXPECT_EQ(text, CString(L"甲"));
    EXPECT_NE(combo.SetDroppedWidth(400), CB_ERR);
    EXPECT_EQ(combo.GetDroppedWidth(), 400);
    CRect dropped;
    combo.GetDroppedControlRect(&dropped);
    EXPECT_GT(dropped.Height(), 0);
    EXPECT_FALSE(combo.GetDroppedState());
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ControlsTest, ListBoxTextAndHitTest)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, kBox, Parent(), 1002));
    list.AddString(L"第一");
    list.AddString(L"second");
    CString text;
    list.GetText(1, text);
    EXPECT_EQ(text, CString(L"second"));
    list.GetText(5, text);
    EXPECT_TRUE(text.IsEmpty());

    CRect item;
    ASSERT_NE(list.GetItemRect(1, &item), LB_ERR);
    BOOL outside = TRUE;
    EXPECT_EQ(list.ItemFromPoint(CPoint(item.left + 2, item.top + 1), outside), 1u);
    EXPECT_FALSE(outside);
    list.ItemFromPoint(CPoint(2, 180), outside);
    EXPECT_TRUE(outside);
}

TEST_F(ControlsTest, EditLinesAreTerminatedAndCutToTheBuffer)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, kBox, Parent(), 1003));
    ::SetWindowTextW(edit.m_hWnd, L"第一行\r\nsecond line\r\n");
    EXPECT_EQ(edit.GetLineCount(), 3);

    wchar_t buffer[32];
    wmemset(buffer, L'#', 32);
    EXPECT_EQ(edit.GetLine(1, buffer, 32), 11);
    EXPECT_STREQ(buffer, L"second line");
    wmemset(buffer, L'#', 32);
    EXPECT_EQ(edit.GetLine(0, buffer, 2), 2);
    EXPECT_EQ(buffer[0], L'第');
    EXPECT_EQ(buffer[1], L'一');
    EXPECT_EQ(buffer[2], L'#') << "wrote past the buffer";
    wmemset(buffer, L'#', 32);
    EXPECT_EQ(edit.GetLine(2, buffer, 32), 0);
    EXPECT_STREQ(buffer, L"") << "an empty line must not read as the size word";
    EXPECT_EQ(edit.GetLine(0, nullptr, 10), 0);
    EXPECT_EQ(edit.GetLine(0, buffer, 0), 0);

    // The size-in-first-character form.
    buffer[0] = 4;
    EXPECT_EQ(edit.GetLine(0, buffer), 3);
    EXPECT_STREQ(buffer, L"第一行");

    edit.SetSel(2, 3);
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(2, 3)));
    edit.ReplaceSel(L"X");
    wmemset(buffer, 0, 32);
    edit.GetLine(0, buffer, 32);
    EXPECT_STREQ(buffer, L"第一X");

    edit.SetMargins(3, 7);
    EXPECT_EQ(edit.GetMargins(), static_cast<DWORD>(MAKELONG(3, 7)));
    const CPoint where = edit.PosFromChar(0);
    EXPECT_EQ(LOWORD(edit.CharFromPos(CPoint(where.x + 1, where.y + 1))), 0);
    edit.SetLimitText(5);
    EXPECT_EQ(edit.GetLimitText(), 5u);
}

TEST_F(ControlsTest, ScrollBarLimitLeavesRoomForThePage)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 200, 16), Parent(), 1004));
    SCROLLINFO info = {};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 10;
    info.nPos = 95;
    EXPECT_TRUE(bar.SetScrollInfo(&info));
    EXPECT_EQ(bar.GetScrollLimit(), 90);
    EXPECT_EQ(bar.GetScrollPos(), 90);
    SCROLLINFO read = {};
    ASSERT_TRUE(bar.GetScrollInfo(&read));
    EXPECT_EQ(read.nMax, 99);
    EXPECT_EQ(read.nPage, 10u);

    bar.SetScrollRange(0, 50);
    info.fMask = SIF_PAGE;
    info.nPage = 0;
    bar.SetScrollInfo(&info);
    EXPECT_EQ(bar.GetScrollLimit(), 50);
    bar.SetScrollPos(20);
    EXPECT_EQ(bar.GetScrollPos(), 20);
    int low = -1;
    int high = -1;
    bar.GetScrollRange(&low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 50);
    EXPECT_FALSE(bar.GetScrollInfo(nullptr));
}

int CALLBACK ByDataDescending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return static_cast<int>(lParam2 - lParam1);
}

TEST_F(ControlsTest, ListControlItemsTextsSelectionAndSorting)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, kBox, Parent(), 1005));
    EXPECT_EQ(list.InsertColumn(0, L"姓名", LVCFMT_LEFT, 80), 0);
    EXPECT_EQ(list.InsertColumn(1, L"Birthday", LVCFMT_RIGHT, 120, 1), 1);
    EXPECT_EQ(list.GetColumnWidth(1), 120);
    EXPECT_TRUE(list.SetColumnWidth(1, 90));
    EXPECT_EQ(list.GetColumnWidth(1), 90);
    LVCOLUMN column = {};
    column.mask = LVCF_FMT;
    ASSERT_TRUE(list.GetColumn(1, &column));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);

    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->GetItemCount(), 2);
    int order[2] = {-1, -1};
    EXPECT_TRUE(list.GetColumnOrderArray(order));
    EXPECT_EQ(order[0], 0);
    EXPECT_EQ(order[1], 1);

    EXPECT_EQ(list.InsertItem(0, L"王小明"), 0);
    EXPECT_EQ(list.InsertItem(1, L"李大同"), 1);
    EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM, 2, L"陳美玲", 0, 0, 0, 30), 2);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_TRUE(list.SetItemText(0, 1, L"1990/01/02"));
    EXPECT_EQ(list.GetItemText(0, 0), CString(L"王小明"));
    EXPECT_EQ(list.GetItemText(0, 1), CString(L"1990/01/02"));
    EXPECT_TRUE(list.GetItemText(1, 1).IsEmpty());
    EXPECT_TRUE(list.GetItemText(7, 0).IsEmpty());

    // Texts longer than the first buffer come back whole.
    CString longText;
    for (int i = 0; i < 700; ++i)
        longText.AppendChar(static_cast<wchar_t>(L'A' + i % 26));
    EXPECT_TRUE(list.SetItemText(1, 1, longText));
    EXPECT_EQ(list.GetItemText(1, 1), longText);
    wchar_t small[5];
    wmemset(small, L'#', 5);
    EXPECT_EQ(list.GetItemText(1, 1, small, 4), 3);
    EXPECT_STREQ(small, L"ABC");
    EXPECT_EQ(small[4], L'#');

    EXPECT_TRUE(list.SetItemData(0, 10));
    EXPECT_TRUE(list.SetItemData(1, 20));
    EXPECT_EQ(list.GetItemData(2), 30u);
    EXPECT_EQ(list.GetItemData(9), 0u);

    // Selection: the POSITION walk visits the selected items in order.
    POSITION none = list.GetFirstSelectedItemPosition();
    EXPECT_EQ(none, nullptr);
    EXPECT_TRUE(list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED | LVIS_FOCUSED), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != nullptr;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{0, 2}));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
    EXPECT_TRUE(list.SetItemState(-1, 0, LVIS_SELECTED));
    EXPECT_EQ(list.GetSelectedCount(), 0u);

    // Rectangles and hit tests agree.
    CRect row;
    ASSERT_TRUE(list.GetItemRect(1, &row, LVIR_BOUNDS));
    CRect cell;
    ASSERT_TRUE(list.GetSubItemRect(1, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(cell.left, 80);
    EXPECT_EQ(cell.top, row.top);
    UINT flags = 0;
    EXPECT_EQ(list.HitTest(CPoint(row.left + 5, row.top + 2), &flags), 1);
    EXPECT_TRUE(flags & LVHT_ONITEM);
    LVHITTESTINFO hit = {};
    hit.pt = CPoint(cell.left + 5, cell.top + 2);
    EXPECT_EQ(list.SubItemHitTest(&hit), 1);
    EXPECT_EQ(hit.iSubItem, 1);
    EXPECT_EQ(list.HitTest(CPoint(5, 190)), -1);
    EXPECT_FALSE(list.GetItemRect(1, nullptr, LVIR_BOUNDS));

    // Sorting by item data; extended styles and colours.
    EXPECT_TRUE(list.SortItems(ByDataDescending, 0));
    EXPECT_EQ(list.GetItemText(0, 0), CString(L"陳美玲"));
    EXPECT_EQ(list.GetItemText(2, 0), CString(L"王小明"));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(list.GetExtendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
              static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    EXPECT_TRUE(list.SetTextColor(RGB(1, 2, 3)));
    EXPECT_EQ(list.GetTextColor(), RGB(1, 2, 3));
    EXPECT_TRUE(list.SetBkColor(RGB(4, 5, 6)));
    EXPECT_EQ(list.GetBkColor(), RGB(4, 5, 6));
    EXPECT_TRUE(list.SetTextBkColor(RGB(7, 8, 9)));
    EXPECT_EQ(list.GetTextBkColor(), RGB(7, 8, 9));
    EXPECT_EQ(list.GetTopIndex(), 0);
    EXPECT_GT(list.GetCountPerPage(), 3);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_TRUE(list.DeleteColumn(1));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    CWnd::DeleteTempMap();
}

TEST_F(ControlsTest, ListControlImageListsAreFoundThroughThisModulesMap)
{
    CListCtrl list;
    // The control must not destroy the lists: their owners do.
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT | LVS_SHAREIMAGELISTS, kBox, Parent(), 1006));
    CImageList small;
    ASSERT_TRUE(small.Create(16, 16, ILC_COLOR24, 1, 1));
    EXPECT_EQ(list.SetImageList(&small, LVSIL_SMALL), nullptr);
    EXPECT_EQ(list.GetImageList(LVSIL_SMALL), &small);
    // A list the program never wrapped comes back as a temporary wrapper.
    HIMAGELIST hRaw = ImageList_Create(8, 8, ILC_COLOR24, 1, 1);
    list.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(hRaw));
    CImageList* temporary = list.GetImageList(LVSIL_STATE);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->GetSafeHandle(), hRaw);
    EXPECT_EQ(CImageList::FromHandlePermanent(hRaw), nullptr);
    CImageList::DeleteTempMap();
    EXPECT_EQ(list.SetImageList(nullptr, LVSIL_SMALL), &small);
    list.DestroyWindow();
    ImageList_Destroy(hRaw);
}

int CALLBACK ByTextLength(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return static_cast<int>(lParam1 - lParam2);
}

TEST_F(ControlsTest, TreeControlItemsNavigationAndAttributes)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS,
                            kBox, Parent(), 1007));
    HTREEITEM root = tree.InsertItem(L"病人");
    ASSERT_NE(root, nullptr);
    HTREEITEM first = tree.InsertItem(L"門診", root);
    HTREEITEM second = tree.InsertItem(L"住院", 1, 2, root);
    HTREEITEM grandChild = tree.InsertItem(TVIF_TEXT | TVIF_PARAM, L"檢驗", 0, 0, 0, 0, 300, second, TVI_LAST);
    HTREEITEM other = tree.InsertItem(L"Other root");
    EXPECT_EQ(tree.GetCount(), 5u);

    EXPECT_EQ(tree.GetRootItem(), root);
    EXPECT_EQ(tree.GetChildItem(root), first);
    EXPECT_EQ(tree.GetNextSiblingItem(first), second);
    EXPECT_EQ(tree.GetPrevSiblingItem(second), first);
    EXPECT_EQ(tree.GetParentItem(grandChild), second);
    EXPECT_EQ(tree.GetNextSiblingItem(root), other);
    EXPECT_EQ(tree.GetNextSiblingItem(other), nullptr);
    EXPECT_TRUE(tree.ItemHasChildren(root));
    EXPECT_FALSE(tree.ItemHasChildren(first));
    EXPECT_FALSE(tree.ItemHasChildren(nullptr));

    EXPECT_EQ(tree.GetItemText(second), CString(L"住院"));
    EXPECT_TRUE(tree.GetItemText(nullptr).IsEmpty());
    CString longText(L'字', 600);
    EXPECT_TRUE(tree.SetItemText(first, longText));
    EXPECT_EQ(tree.GetItemText(first), longText);
    EXPECT_EQ(tree.GetItemData(grandChild), 300u);
    EXPECT_TRUE(tree.SetItemData(first, 42));
    EXPECT_EQ(tree.GetItemData(first), 42u);
    EXPECT_EQ(tree.GetItemData(nullptr), 0u);
    int image = -1;
    int selectedImage = -1;
    ASSERT_TRUE(tree.GetItemImage(second, image, selectedImage));
    EXPECT_EQ(image, 1);
    EXPECT_EQ(selectedImage, 2);
    EXPECT_TRUE(tree.SetItemImage(second, 3, 4));
    ASSERT_TRUE(tree.GetItemImage(second, image, selectedImage));
    EXPECT_EQ(image, 3);
    EXPECT_EQ(selectedImage, 4);
    EXPECT_FALSE(tree.GetItemImage(nullptr, image, selectedImage));
    TVITEM item = {};
    item.hItem = grandChild;
    item.mask = TVIF_PARAM;
    ASSERT_TRUE(tree.GetItem(&item));
    EXPECT_EQ(item.lParam, 300);

    // Expansion, visibility and selection.
    EXPECT_TRUE(tree.Expand(root, TVE_EXPAND));
    EXPECT_TRUE(tree.GetItemState(root, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(tree.GetFirstVisibleItem(), root);
    EXPECT_EQ(tree.GetNextVisibleItem(root), first);
    EXPECT_EQ(tree.GetNextVisibleItem(second), other) << "collapsed children are not visible";
    EXPECT_EQ(tree.GetPrevVisibleItem(first), root);
    tree.EnsureVisible(grandChild);  // its result tells whether it scrolled, not whether it worked
    EXPECT_TRUE(tree.GetItemState(second, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(tree.SelectItem(second));
    EXPECT_EQ(tree.GetSelectedItem(), second);
    EXPECT_TRUE(tree.SetItemState(other, TVIS_BOLD, TVIS_BOLD));
    EXPECT_EQ(tree.GetItemState(other, TVIS_BOLD), static_cast<UINT>(TVIS_BOLD));
    EXPECT_GT(tree.GetVisibleCount(), 3u);

    // Geometry: the item's rectangle hits the item.
    CRect text;
    ASSERT_TRUE(tree.GetItemRect(second, &text, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(text.CenterPoint(), &flags), second);
    EXPECT_TRUE(flags & TVHT_ONITEMLABEL);
    EXPECT_FALSE(tree.GetItemRect(second, nullptr, TRUE));
    tree.SetIndent(30);
    EXPECT_EQ(tree.GetIndent(), 30u);
    tree.SetItemHeight(24);
    EXPECT_EQ(tree.GetItemHeight(), 24);
    tree.SetBkColor(RGB(1, 1, 1));
    EXPECT_EQ(tree.GetBkColor(), RGB(1, 1, 1));
    EXPECT_EQ(tree.SetTextColor(RGB(2, 2, 2)), CLR_NONE);
    EXPECT_EQ(tree.GetTextColor(), RGB(2, 2, 2));
    tree.SetLineColor(RGB(3, 3, 3));
    EXPECT_EQ(tree.GetLineColor(), RGB(3, 3, 3));

    // Sorting children: by text, then by data through a callback.
    HTREEITEM b = tree.InsertItem(TVIF_TEXT | TVIF_PARAM, L"b", 0, 0, 0, 0, 1, other, TVI_LAST);
    HTREEITEM a = tree.InsertItem(TVIF_TEXT | TVIF_PARAM, L"a", 0, 0, 0, 0, 2, other, TVI_LAST);
    EXPECT_TRUE(tree.SortChildren(other));
    EXPECT_EQ(tree.GetChildItem(other), a);
    TVSORTCB sort = {other, ByTextLength, 0};
    EXPECT_TRUE(tree.SortChildrenCB(&sort));
    EXPECT_EQ(tree.GetChildItem(other), b);

    // Label editing hands back the edit control.
    tree.SetFocus();
    CEdit* edit = tree.EditLabel(first);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(tree.GetEditControl(), edit);
    tree.SendMessage(TVM_ENDEDITLABELNOW, TRUE, 0);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 1, 1));
    tree.SetImageList(&images, TVSIL_NORMAL);
    CImageList* drag = tree.CreateDragImage(second);
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(CImageList::FromHandlePermanent(drag->GetSafeHandle()), drag);
    delete drag;
    tree.SetImageList(nullptr, TVSIL_NORMAL);

    EXPECT_TRUE(tree.DeleteItem(second));
    EXPECT_EQ(tree.GetCount(), 5u);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
    CWnd::DeleteTempMap();
}

TEST_F(ControlsTest, SpinButtonRangePositionAndBuddy)
{
    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), Parent(), 1008));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT, CRect(60, 0, 76, 20), Parent(), 1009));
    EXPECT_EQ(spin.SetBuddy(&buddy), nullptr);
    EXPECT_EQ(spin.GetBuddy(), &buddy);

    spin.SetRange(1, 12);
    EXPECT_EQ(spin.GetRange(), static_cast<DWORD>(MAKELONG(12, 1)));
    spin.SetRange32(-5, 100000);
    int lower = 0;
    int upper = 0;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, -5);
    EXPECT_EQ(upper, 100000);
    spin.SetPos32(70000);
    EXPECT_EQ(spin.GetPos32(), 70000);
    spin.SetPos(7);
    EXPECT_EQ(LOWORD(spin.GetPos()), 7);
    EXPECT_EQ(HIWORD(spin.GetPos()), 0);
    // The position is read back from the buddy's text.
    ::SetWindowTextW(buddy.m_hWnd, L"9");
    EXPECT_EQ(spin.GetPos32(), 9);
    ::SetWindowTextW(buddy.m_hWnd, L"abc");
    BOOL error = FALSE;
    spin.GetPos32(&error);
    EXPECT_TRUE(error);

    EXPECT_EQ(spin.SetBase(16), 10);
    EXPECT_EQ(spin.GetBase(), 16u);
    UDACCEL accel[2] = {{0, 1}, {2, 10}};
    EXPECT_TRUE(spin.SetAccel(2, accel));
    UDACCEL read[4] = {};
    EXPECT_EQ(spin.GetAccel(4, read), 2u);
    EXPECT_EQ(read[1].nInc, 10u);
}

TEST_F(ControlsTest, DateTimePickerStatusWithAndWithoutShowNone)
{
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT | DTS_SHOWNONE, CRect(0, 0, 150, 24),
                              Parent(), 1010));
    EXPECT_TRUE(picker.SetFormat(L"yyyy/MM/dd"));
    const COleDateTime birthday(1985, 3, 14, 9, 30, 0);
    EXPECT_TRUE(picker.SetTime(birthday));

    COleDateTime read;
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(read.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(read.GetYear(), 1985);
    EXPECT_EQ(read.GetMonth(), 3);
    EXPECT_EQ(read.GetDay(), 14);
    CTime asCTime;
    EXPECT_EQ(picker.GetTime(asCTime), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(asCTime.GetYear(), 1985);
    EXPECT_EQ(asCTime.GetDay(), 14);

    // Unchecked: "no date".
    EXPECT_TRUE(picker.SetTime(static_cast<LPSYSTEMTIME>(nullptr)));
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_NONE));
    EXPECT_EQ(read.GetStatus(), COleDateTime::null);
    CTime untouched(2001, 2, 3, 4, 5, 6);
    EXPECT_EQ(picker.GetTime(untouched), static_cast<DWORD>(GDT_NONE));
    EXPECT_EQ(untouched, CTime(2001, 2, 3, 4, 5, 6));
    SYSTEMTIME st = {};
    EXPECT_EQ(picker.GetTime(&st), static_cast<DWORD>(GDT_NONE));
    EXPECT_EQ(picker.GetTime(static_cast<LPSYSTEMTIME>(nullptr)), static_cast<DWORD>(GDT_ERROR));

    // A CTime, then a null COleDateTime unchecks again.
    const CTime visit(2020, 6, 1, 8, 0, 0);
    EXPECT_TRUE(picker.SetTime(&visit));
    EXPECT_EQ(picker.GetTime(&st), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(st.wYear, 2020);
    EXPECT_EQ(st.wMonth, 6);
    COleDateTime nothing;
    nothing.SetStatus(COleDateTime::null);
    EXPECT_TRUE(picker.SetTime(nothing));
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_NONE));
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(picker.SetTime(invalid));

    // Without DTS_SHOWNONE a picker always has a date.
    CDateTimeCtrl plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 150, 54), Parent(), 1011));
    EXPECT_FALSE(plain.SetTime(static_cast<const CTime*>(nullptr)));
    EXPECT_FALSE(plain.SetTime(nothing));
    EXPECT_EQ(plain.GetTime(read), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(read.GetStatus(), COleDateTime::valid);
}

TEST_F(ControlsTest, DateTimePickerRangeAndCalendarLook)
{
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 24), Parent(), 1012));
    COleDateTime low;
    COleDateTime high;
    EXPECT_EQ(picker.GetRange(&low, &high), 0u);
    EXPECT_EQ(low.GetStatus(), COleDateTime::null);
    EXPECT_EQ(high.GetStatus(), COleDateTime::null);

    const COleDateTime from(2000, 1, 1, 0, 0, 0);
    EXPECT_TRUE(picker.SetRange(&from, nullptr));
    EXPECT_EQ(picker.GetRange(&low, &high), static_cast<DWORD>(GDTR_MIN));
    EXPECT_EQ(low.GetYear(), 2000);
    EXPECT_EQ(high.GetStatus(), COleDateTime::null);

    const CTime to(2030, 12, 31, 0, 0, 0);
    EXPECT_TRUE(picker.SetRange(static_cast<const CTime*>(nullptr), &to));
    CTime lowTime(1999, 9, 9, 9, 9, 9);
    CTime highTime;
    EXPECT_EQ(picker.GetRange(&lowTime, &highTime), static_cast<DWORD>(GDTR_MAX));
    EXPECT_EQ(lowTime, CTime(1999, 9, 9, 9, 9, 9));
    EXPECT_EQ(highTime.GetYear(), 2030);

    picker.SetMonthCalColor(MCSC_TITLEBK, RGB(10, 20, 30));
    EXPECT_EQ(picker.GetMonthCalColor(MCSC_TITLEBK), RGB(10, 20, 30));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, L"新細明體"));
    picker.SetMonthCalFont(font);
    EXPECT_EQ(picker.GetMonthCalFont(), &font);
    // Windows makes the calendar only while it is dropped down; Wine keeps one.
    CMonthCalCtrl* calendar = picker.GetMonthCalCtrl();
    if (calendar != nullptr) {
        wchar_t className[32] = {};
        ::GetClassNameW(calendar->m_hWnd, className, 32);
        EXPECT_STREQ(className, MONTHCAL_CLASS);
    }
}

}  // namespace
