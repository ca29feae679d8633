// The control wrappers against real controls, where the wrapper adds logic:
// texts into CStrings and buffers, selection walks, date states.
#include <gtest/gtest.h>
#include "afxcmn.h"
#include "afxdtctl.h"
#include "qvtest.h"

namespace
{

const CRect kBox(10, 10, 300, 200);

class ControlsTest : public ::testing::Test
{
protected:
    qvtest::HostWindow host;
    CWnd* Parent() { return CWnd::FromHandle(host.hwnd()); }
};

TEST_F(ControlsTest, EditLinesAreTerminatedAndCutToTheBuffer)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, kBox, Parent(), 1003));
    ::SetWindowTextW(edit.m_hWnd, L"第一行\r\nsecond line\r\n");
    wchar_t buffer[32];
    wmemset(buffer, L'#', 32);
    EXPECT_EQ(edit.GetLine(1, buffer, 32), 11);
    EXPECT_STREQ(buffer, L"second line");
    wmemset(buffer, L'#', 32);
    EXPECT_EQ(edit.GetLine(0, buffer, 2), 2);
    EXPECT_EQ(std::wstring(buffer, 3), L"第一#") << "wrote past the buffer";
    wmemset(buffer, L'#', 32);
    EXPECT_EQ(edit.GetLine(2, buffer, 32), 0);
    EXPECT_STREQ(buffer, L"") << "an empty line must not read as the size word";
    EXPECT_EQ(edit.GetLine(0, nullptr, 10), 0);
    EXPECT_EQ(edit.GetLine(0, buffer, 0), 0);
    EXPECT_EQ(edit.GetLine(0, nullptr), 0);
    buffer[0] = 4;   // the size-in-first-character form
    EXPECT_EQ(edit.GetLine(0, buffer), 3);
    EXPECT_STREQ(buffer, L"第一行");
}

TEST_F(ControlsTest, ListControlTextsAndSelectionWalk)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, kBox, Parent(), 1005));
    list.InsertColumn(0, L"姓名", LVCFMT_LEFT, 80);
    list.InsertColumn(1, L"Birthday", LVCFMT_RIGHT, 120, 1);
    for (int i = 0; i < 3; ++i)
        list.InsertItem(i, L"王小明");
    // Texts longer than the first buffer come back whole; a small buffer is cut and terminated.
    const CString longText(L'字', 700);
    EXPECT_TRUE(list.SetItemText(1, 1, longText));
    EXPECT_STREQ(list.GetItemText(1, 1), longText);
    EXPECT_TRUE(list.GetItemText(-1, 0).IsEmpty());
    wchar_t small[5];
    wmemset(small, L'#', 5);
    EXPECT_EQ(list.GetItemText(1, 1, small, 4), 3);
    EXPECT_EQ(std::wstring(small, 5), std::wstring(L"字字字\0#", 5));
    EXPECT_EQ(list.GetItemText(1, 1, nullptr, 4), 0);
    // The POSITION walk visits the selected items in order.
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != nullptr;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{0, 2}));
    EXPECT_FALSE(list.GetItemRect(1, nullptr, LVIR_BOUNDS));
    CWnd::DeleteTempMap();
}

TEST_F(ControlsTest, TreeControlTextsAndNullItems)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, kBox, Parent(), 1007));
    HTREEITEM root = tree.InsertItem(L"病人");
    HTREEITEM first = tree.InsertItem(L"門診", root);
    EXPECT_TRUE(tree.ItemHasChildren(root));
    CString longText(L'字', 600);
    EXPECT_TRUE(tree.SetItemText(first, longText));
    EXPECT_STREQ(tree.GetItemText(first), longText);
    // A null item reads as nothing.
    EXPECT_FALSE(tree.ItemHasChildren(nullptr));
    EXPECT_TRUE(tree.GetItemText(nullptr).IsEmpty());
}

TEST_F(ControlsTest, DateTimePickerNoDateStateAndUnsetRangeLimits)
{
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHOWNONE, CRect(0, 0, 150, 24), Parent(), 1010));
    const CTime visit(2020, 6, 1, 8, 0, 0);
    EXPECT_TRUE(picker.SetTime(&visit));
    COleDateTime read;
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(read, COleDateTime(2020, 6, 1, 8, 0, 0));
    // "No date": a COleDateTime reads as null, a CTime is left untouched.
    EXPECT_TRUE(picker.SetTime(static_cast<LPSYSTEMTIME>(nullptr)));
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_NONE));
    EXPECT_EQ(read.GetStatus(), COleDateTime::null);
    CTime untouched = visit;
    EXPECT_EQ(picker.GetTime(untouched), static_cast<DWORD>(GDT_NONE));
    EXPECT_EQ(untouched, visit);
    EXPECT_EQ(picker.GetTime(static_cast<LPSYSTEMTIME>(nullptr)), static_cast<DWORD>(GDT_ERROR));
    EXPECT_TRUE(picker.SetTime(COleDateTime(1985, 3, 14, 9, 30, 0)));
    EXPECT_EQ(picker.GetTime(untouched), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(untouched, CTime(1985, 3, 14, 9, 30, 0));
    COleDateTime nothing;
    nothing.SetStatus(COleDateTime::null);
    EXPECT_TRUE(picker.SetTime(nothing));
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_NONE));
    // Without DTS_SHOWNONE a picker always has a date.
    CDateTimeCtrl plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 150, 54), Parent(), 1011));
    EXPECT_FALSE(plain.SetTime(static_cast<const CTime*>(nullptr)));
    EXPECT_FALSE(plain.SetTime(nothing));
    // An unset range limit leaves a CTime untouched.
    EXPECT_TRUE(plain.SetRange(static_cast<const CTime*>(nullptr), &visit));
    CTime lowTime = untouched;
    CTime highTime;
    EXPECT_EQ(plain.GetRange(&lowTime, &highTime), static_cast<DWORD>(GDTR_MAX));
    EXPECT_EQ(lowTime, untouched);
    EXPECT_EQ(highTime, visit);
}

}   // namespace
