// CDlgUtility: its table kinds in a real dialog, the length check with its
// message, text limits, button icons and enabling.
#include <gtest/gtest.h>
#include <string>

#include "control/dlgutility.h"
#include "dlgdata_ids.h"
#include "form_dialog.h"
#include "qvtest.h"

using namespace formtest;

namespace
{

enum Offset : int
{
    kCount = 3,       // int32
    kInsured = 7,     // int32
    kFee = 11,        // double
    kRoom = 19,       // 6 characters with the terminator
    kAdmitted = 31,   // TIMESTAMP_STRUCT
    kRecordSize = 47,
};

const CdDlgItem kItems[] = {
    {IDC_COUNT, DLGITEM_INT, kCount, 0, 0},         {IDC_INSURED, DLGITEM_LONG, kInsured, 0, 0},
    {IDC_FEE, DLGITEM_DOUBLE, kFee, 3, 0},          {IDC_ROOM, DLGITEM_TEXT, kRoom, 6, 0},
    {IDC_ADMITTED, DLGITEM_STAMP, kAdmitted, 0, 0},
};
const unsigned long kItemCount = sizeof kItems / sizeof kItems[0];

class DlgUtilityTest : public qvtest::MessageBoxTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.created);
        utility.SetDlgItemMap(kItems, kItemCount);
    }
    FormDialog form{IDD_UTILITY};
    CDlgUtility utility;
};

TEST_F(DlgUtilityTest, SetAndGetEveryKind)
{
    Record record(kRecordSize);
    record.put<int32_t>(kCount, -2147483647 - 1);
    record.put<int32_t>(kInsured, 7);   // any non-zero value checks the box
    record.put<double>(kFee, 2.0 / 3.0);
    record.putText(kRoom, L"A-301");
    record.put(kAdmitted, Stamp(2021, 3, 5, 8, 9, 10));
    EXPECT_EQ(1, utility.SetDlgItemData(&form.dialog, record.data()));
    EXPECT_EQ(L"-2147483648", form.text(IDC_COUNT));
    EXPECT_EQ(BST_CHECKED, form.check(IDC_INSURED));
    EXPECT_EQ(L"0.667", form.text(IDC_FEE));
    EXPECT_EQ(L"A-301", form.text(IDC_ROOM));
    SYSTEMTIME st = {};
    ASSERT_EQ(DWORD(GDT_VALID), form.pickerTime(IDC_ADMITTED, st));
    EXPECT_EQ((std::vector<int>{2021, 3, 5, 8, 9, 10}),
              (std::vector<int>{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond}));

    // A stamp of year 0 leaves the picker as it was.
    record.put(kAdmitted, Stamp(0, 0, 0));
    utility.SetDlgItemData(&form.dialog, record.data());
    ASSERT_EQ(DWORD(GDT_VALID), form.pickerTime(IDC_ADMITTED, st));
    EXPECT_EQ(2021, st.wYear);

    Record back(kRecordSize);
    form.setText(IDC_FEE, L"12.5abc");   // read without a check
    EXPECT_EQ(1, utility.GetDlgItemData(&form.dialog, back.data()));
    EXPECT_EQ(-2147483647 - 1, back.get<int32_t>(kCount));
    EXPECT_EQ(1, back.get<int32_t>(kInsured)) << "a check box gives its state";
    EXPECT_EQ(12.5, back.get<double>(kFee));
    EXPECT_EQ(L"A-301", back.text(kRoom, 6));
    EXPECT_TRUE(SameStamp(Stamp(2021, 3, 5, 8, 9, 10), back.get<TIMESTAMP_STRUCT>(kAdmitted)));
    EXPECT_TRUE(back.guardsIntact());
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(DlgUtilityTest, TooLongTextStopsWithItsMessageAndFocus)
{
    Record record(kRecordSize);
    form.setText(IDC_COUNT, L"5");
    form.setText(IDC_ROOM, L"B-1234");   // six characters: one too many
    form.focus(IDC_COUNT);
    EXPECT_EQ(0, utility.GetDlgItemData(&form.dialog, record.data()));
    EXPECT_MESSAGE_BOXES(boxes, L"數據超長,限制長度 6 發生在ID = 1010 ");
    EXPECT_TRUE(form.hasFocus(IDC_ROOM));
    EXPECT_EQ(5, record.get<int32_t>(kCount)) << "stored before the failure";
    EXPECT_EQ(Record::kFill, record.get<unsigned char>(kRoom));
    EXPECT_EQ(Record::kFill, record.get<unsigned char>(kAdmitted)) << "not reached";

    // A null record only checks.
    boxes.clear();
    EXPECT_EQ(0, utility.GetDlgItemData(&form.dialog, nullptr));
    EXPECT_MESSAGE_BOXES(boxes, L"數據超長,限制長度 6 發生在ID = 1010 ");
    boxes.clear();
    form.setText(IDC_ROOM, std::wstring(200000, L'x'));
    EXPECT_EQ(0, utility.GetDlgItemData(&form.dialog, nullptr));
    boxes.clear();
    form.setText(IDC_ROOM, L"B-123");
    EXPECT_EQ(1, utility.GetDlgItemData(&form.dialog, nullptr));
    EXPECT_MESSAGE_BOXES(boxes);
    EXPECT_TRUE(record.guardsIntact());
}

TEST_F(DlgUtilityTest, LimitsIconsAndEnabling)
{
    const CdListItem limits[] = {{IDC_ROOM, 4}, {IDC_PLAIN, 0}};
    EXPECT_EQ(1, utility.CheckData(IDC_ROOM, L"anything")) << "no limit table yet";
    utility.SetListItemMap(limits, 2);
    struct Case
    {
        int id;
        const wchar_t* text;
        int result;
    } cases[] = {
        {IDC_ROOM, L"abc", 1},
        {IDC_ROOM, L"abcd", 0},
        {IDC_ROOM, L"", 1},
        {IDC_PLAIN, L"", 0},
        {IDC_COUNT, L"a text of any length at all", 1},
        {0, L"", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, utility.CheckData(c.id, c.text)) << c.id << " " << qvtest::Utf8(c.text);

    // The button whose identifier names an icon of this program shows it.
    EXPECT_EQ(0, utility.SetIcons(&form.dialog));
    HICON shown = reinterpret_cast<HICON>(::SendMessageW(form.item(IDC_ICONBUTTON), BM_GETIMAGE, IMAGE_ICON, 0));
    EXPECT_NE(nullptr, shown);
    EXPECT_EQ(nullptr, reinterpret_cast<HICON>(::SendMessageW(form.item(IDC_BAREBUTTON), BM_GETIMAGE, IMAGE_ICON, 0)));
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(shown, &info));
    BITMAP bitmap = {};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    EXPECT_EQ(32, bitmap.bmWidth);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);

    // Enabling reaches the table's controls only.
    EXPECT_EQ(0, utility.DisableAllItem(&form.dialog, FALSE));
    for (const CdDlgItem& item : kItems)
        EXPECT_FALSE(::IsWindowEnabled(form.item(int(item.nID)))) << item.nID;
    EXPECT_TRUE(::IsWindowEnabled(form.item(IDC_PLAIN)));
    EXPECT_TRUE(::IsWindowEnabled(form.item(IDOK)));
    utility.DisableAllItem(&form.dialog, TRUE);
    for (const CdDlgItem& item : kItems)
        EXPECT_TRUE(::IsWindowEnabled(form.item(int(item.nID)))) << item.nID;
    qvtest::SaveWindowPng(form.hwnd(), L"dlgdata-utility-form");
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(DlgUtilityTest, OtherKindsMissingControlsAndClearedPickersAreHarmless)
{
    const CdDlgItem items[] = {
        {4242, DLGITEM_INT, 0, 0, 0},
        {IDC_COUNT, 7, 4, 0, 0},
        {IDC_FEE, DLGITEM_DOUBLE, 8, -5, 0},
        {IDC_ROOM, DLGITEM_TEXT, 16, 0, 0},
        {IDC_ADMITTED, DLGITEM_STAMP, 20, 0, 0},
        {IDC_PLAIN, DLGITEM_DOUBLE, 36, 1000, 0},
    };
    utility.SetDlgItemMap(items, 6);
    Record record(44);
    record.put<double>(8, 2.75);
    record.put<wchar_t>(16, L'\0');
    record.put<double>(36, 1.0);
    form.setText(IDC_COUNT, L"kept");
    EXPECT_EQ(1, utility.SetDlgItemData(&form.dialog, record.data()));
    EXPECT_EQ(L"kept", form.text(IDC_COUNT)) << "a kind of no meaning is skipped";
    EXPECT_EQ(L"3", form.text(IDC_FEE)) << "negative decimals read as none";
    EXPECT_EQ(L"1." + std::wstring(99, L'0'), form.text(IDC_PLAIN)) << "at most 99 decimals";
    // A limit of 0 leaves no room for any text, not even the empty one.
    EXPECT_EQ(0, utility.GetDlgItemData(&form.dialog, record.data()));
    EXPECT_MESSAGE_BOXES(boxes, L"數據超長,限制長度 0 發生在ID = 1010 ");
    boxes.clear();

    const CdDlgItem stampOnly[] = {{IDC_ADMITTED, DLGITEM_STAMP, 20, 0, 0}};
    utility.SetDlgItemMap(stampOnly, 1);
    form.clearPicker(IDC_ADMITTED);
    record.put(20, Stamp(2021, 1, 1));
    EXPECT_EQ(1, utility.GetDlgItemData(&form.dialog, record.data()));
    EXPECT_TRUE(SameStamp(Stamp(0, 0, 0), record.get<TIMESTAMP_STRUCT>(20))) << "a cleared date is no value";
    EXPECT_EQ(Record::kFill, record.get<unsigned char>(0));
    EXPECT_TRUE(record.guardsIntact());
    CDlgUtility none;
    EXPECT_EQ(1, none.GetDlgItemData(&form.dialog, record.data()));
    EXPECT_EQ(1, none.SetDlgItemData(&form.dialog, record.data()));
    EXPECT_MESSAGE_BOXES(boxes);
}

}   // namespace
