// CDlgStringItem: texts between a record and a real dialog, its table given
// as rows of three numbers, and the silent stop at a text too long.
#include <gtest/gtest.h>
#include <string>

#include "control/dlgstringitem.h"
#include "dlgdata_ids.h"
#include "form_dialog.h"
#include "qvtest.h"

using namespace formtest;

namespace
{

class DlgStringItemTest : public qvtest::MessageBoxTest
{
protected:
    void SetUp() override { ASSERT_TRUE(form.created); }
    FormDialog form{IDD_STRINGS};
};

TEST_F(DlgStringItemTest, TextsBothWaysAndTheLastLongOffset)
{
    // As callers declare it: identifier, offset, maximum with the terminator.
    int rows[][3] = {{IDC_FIRST, 1, 4}, {IDC_SECOND, 9, 8}, {IDC_THIRD, 25, 3}};
    CDlgStringItem strings;
    EXPECT_EQ(-1, strings.GetLastLongOffset());
    strings.SetItemMap(reinterpret_cast<CdDlgItem*>(rows), 3);
    Record record(31);
    record.putText(1, L"王小明");
    record.putText(9, L"台北市");
    record.putText(25, L"AB");
    EXPECT_EQ(1, strings.SetData(record.data(), &form.dialog));
    EXPECT_EQ(L"王小明", form.text(IDC_FIRST));
    EXPECT_EQ(L"台北市", form.text(IDC_SECOND));
    EXPECT_EQ(L"AB", form.text(IDC_THIRD));

    Record back(31);
    form.setText(IDC_FIRST, L"李四");
    EXPECT_EQ(1, strings.GetData(back.data(), &form.dialog));
    EXPECT_EQ(L"李四", back.text(1, 4));
    EXPECT_EQ(L"台北市", back.text(9, 8));
    EXPECT_EQ(L"AB", back.text(25, 3));

    // Too long: 0 with no message; earlier texts stored, later ones not.
    Record third(31);
    form.setText(IDC_SECOND, L"新北市板橋區");   // 6 characters fit 8
    form.setText(IDC_THIRD, L"ABC");
    EXPECT_EQ(0, strings.GetData(third.data(), &form.dialog));
    EXPECT_EQ(25, strings.GetLastLongOffset());
    EXPECT_EQ(L"新北市板橋區", third.text(9, 8));
    EXPECT_EQ(Record::kFill, third.get<unsigned char>(25));
    form.setText(IDC_FIRST, std::wstring(100000, L'長'));
    EXPECT_EQ(0, strings.GetData(nullptr, &form.dialog)) << "a null record only checks";
    EXPECT_EQ(1, strings.GetLastLongOffset());
    EXPECT_TRUE(third.guardsIntact());
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(DlgStringItemTest, FieldsWithoutTerminatorsNullDialogsAndMissingControls)
{
    CdStringItem items[] = {{IDC_FIRST, 0, 4}, {4242, 8, 10}, {IDC_SECOND, 8, 0}};
    CDlgStringItem strings;
    strings.SetItemMap(items, 3);
    Record record(16);
    record.putText(0, L"ABCDEFGH", false);   // no terminator in the whole record
    EXPECT_EQ(1, strings.SetData(record.data(), &form.dialog));
    EXPECT_EQ(L"ABC", form.text(IDC_FIRST)) << "what fits its field";
    EXPECT_EQ(L"", form.text(IDC_SECOND));
    EXPECT_EQ(0, strings.SetData(record.data(), nullptr));
    EXPECT_EQ(0, strings.GetData(record.data(), nullptr));
    EXPECT_EQ(0, strings.SetData(nullptr, &form.dialog));
    form.setText(IDC_FIRST, L"XY");
    EXPECT_EQ(0, strings.GetData(record.data(), &form.dialog)) << "a maximum of 0 takes no text";
    EXPECT_EQ(8, strings.GetLastLongOffset());
    EXPECT_EQ(L"XY", record.text(0, 4));
    EXPECT_TRUE(record.guardsIntact());
    CDlgStringItem empty;
    EXPECT_EQ(1, empty.GetData(record.data(), &form.dialog));
    EXPECT_MESSAGE_BOXES(boxes);
}

}   // namespace
