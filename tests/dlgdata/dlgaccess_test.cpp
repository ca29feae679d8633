// IDlgAccess: a patient record moved into a real dialog and back, every kind
// with its format and checks, the exact messages, and bad tables and texts.
#include <gtest/gtest.h>
#include <climits>
#include <cmath>
#include <string>

#include "control/dlgaccess.h"
#include "dlgdata_ids.h"
#include "form_dialog.h"
#include "qvtest.h"

using namespace formtest;

namespace
{

// The patient record: packed, so every value lies at an odd offset.
enum Offset : int
{
    kCount = 1,       // int32
    kFee = 5,         // double
    kInsured = 13,    // int32
    kVisit = 17,      // int32 yyyymmdd
    kWeight = 21,     // double
    kCity = 29,       // 6 characters
    kAdmitted = 41,   // TIMESTAMP_STRUCT
    kName = 57,       // 5 characters with the terminator
    kNote = 67,       // 20 characters
    kRecordSize = 107,
};

CdDataMap kPatientMap[] = {
    {IDC_COUNT, kCount, DLGACCESS_INT},
    {IDC_FEE, kFee, DLGACCESS_DOUBLE},
    {IDC_INSURED, kInsured, DLGACCESS_CHECK},
    {IDC_VISIT, kVisit, DLGACCESS_YMD},
    {IDC_WEIGHT, kWeight, DLGACCESS_WHOLE},
    {IDC_CITY, kCity, DLGACCESS_COMBO},
    {IDC_ADMITTED, kAdmitted, DLGACCESS_STAMP},
    {IDC_NAME, kName, 5},
    {IDC_NOTE, kNote, 20},
};
const int kPatientCount = int(sizeof kPatientMap / sizeof kPatientMap[0]);

const wchar_t kCutCodeText[] = L"輸入的資料超過欄位長度，超出的部分沒有存入。";
const wchar_t kCutText[] = L"字符串數據長度錯誤";

class DlgAccessTest : public qvtest::MessageBoxTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.created);
        for (const wchar_t* city : {L"台北", L"新北", L"台中", L"高雄"})
            ::SendMessageW(form.item(IDC_CITY), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(city));
        access.SetDataMap(kPatientMap, kPatientCount);
    }

    void FillSample(Record& record)
    {
        record.put<int32_t>(kCount, -42);
        record.put<double>(kFee, 1234.5);
        record.put<int32_t>(kInsured, 1);
        record.put<int32_t>(kVisit, 20210305);
        record.put<double>(kWeight, 12.6);
        record.putText(kCity, L"台中");
        record.put(kAdmitted, Stamp(2021, 3, 5, 10, 20, 30));
        record.putText(kName, L"ABCD");
        record.putText(kNote, L"過敏：盤尼西林");
    }

    FormDialog form{IDD_RECORD};
    IDlgAccess access;
};

TEST_F(DlgAccessTest, SetShowsEveryKindInItsFormat)
{
    Record record(kRecordSize);
    FillSample(record);
    access.SetTextData(&form.dialog, record.data());
    EXPECT_MESSAGE_BOXES(boxes);
    EXPECT_EQ(L"-42", form.text(IDC_COUNT));
    EXPECT_EQ(L"1234.50", form.text(IDC_FEE));
    EXPECT_EQ(BST_CHECKED, form.check(IDC_INSURED));
    EXPECT_EQ(L"2021/03/05", form.text(IDC_VISIT));
    EXPECT_EQ(L"13", form.text(IDC_WEIGHT));
    EXPECT_EQ(2, ::SendMessageW(form.item(IDC_CITY), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(L"台中", form.text(IDC_CITY));
    SYSTEMTIME st = {};
    ASSERT_EQ(DWORD(GDT_VALID), form.pickerTime(IDC_ADMITTED, st));
    EXPECT_EQ((std::vector<int>{2021, 3, 5, 10, 20, 30}),
              (std::vector<int>{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond}));
    EXPECT_EQ(L"ABCD", form.text(IDC_NAME));
    EXPECT_EQ(L"過敏：盤尼西林", form.text(IDC_NOTE));
    qvtest::SaveWindowPng(form.hwnd(), L"dlgdata-patient-form");

    // "No value" forms: no date, no weight, a stamp of year 0 (now), a city
    // that no item has (the selection stays, the text is the record's).
    record.put<int32_t>(kVisit, 0);
    record.put<double>(kWeight, -3);
    record.put(kAdmitted, Stamp(0, 0, 0));
    record.putText(kCity, L"台東");
    record.put<double>(kFee, 0);
    SYSTEMTIME before;
    ::GetLocalTime(&before);
    access.SetTextData(&form.dialog, record.data());
    EXPECT_EQ(L"", form.text(IDC_VISIT));
    EXPECT_EQ(L"", form.text(IDC_WEIGHT));
    EXPECT_EQ(L"0.00", form.text(IDC_FEE));
    EXPECT_EQ(2, ::SendMessageW(form.item(IDC_CITY), CB_GETCURSEL, 0, 0));
    ASSERT_EQ(DWORD(GDT_VALID), form.pickerTime(IDC_ADMITTED, st));
    EXPECT_EQ(before.wYear, st.wYear);
    EXPECT_EQ(before.wDay, st.wDay);
    EXPECT_TRUE(record.guardsIntact());
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(DlgAccessTest, WholeNumbersRoundAndCombosMatchCaseExactly)
{
    ::SendMessageW(form.item(IDC_CITY), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Taipei"));
    ::SendMessageW(form.item(IDC_CITY), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"TAIPEI"));
    CdDataMap map[] = {{IDC_WEIGHT, 0, DLGACCESS_WHOLE}, {IDC_CITY, 8, DLGACCESS_COMBO}};
    access.SetDataMap(map, 2);
    Record record(40);
    struct Case
    {
        double weight;
        const wchar_t* shown;
    } cases[] = {
        {12.6, L"13"}, {12.4, L"12"}, {0, L""}, {1e15, L"1000000000000000"}, {-0.1, L""},
    };
    for (const Case& c : cases)
    {
        record.put<double>(0, c.weight);
        record.putText(8, L"TAIPEI");
        access.SetTextData(&form.dialog, record.data());
        EXPECT_EQ(c.shown, form.text(IDC_WEIGHT)) << c.weight;
        wchar_t item[16] = L"";
        int sel = int(::SendMessageW(form.item(IDC_CITY), CB_GETCURSEL, 0, 0));
        ::SendMessageW(form.item(IDC_CITY), CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ(L"TAIPEI", item);
    }
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(DlgAccessTest, GetStoresEveryKindExactly)
{
    Record record(kRecordSize);
    form.setText(IDC_COUNT, L"  -17xyz");
    form.setText(IDC_FEE, L"  -12.5");
    form.setCheck(IDC_INSURED, BST_CHECKED);
    form.setText(IDC_VISIT, L"2021/3/5");
    form.setText(IDC_WEIGHT, L"+61.");
    ::SendMessageW(form.item(IDC_CITY), CB_SETCURSEL, 3, 0);
    form.setPicker(IDC_ADMITTED, 2026, 11, 1, 1, 30, 15);
    form.setText(IDC_NAME, L"王小明");
    form.setText(IDC_NOTE, L"");
    EXPECT_EQ(1, access.GetTextData(&form.dialog, record.data()));
    EXPECT_MESSAGE_BOXES(boxes);
    EXPECT_EQ(-17, record.get<int32_t>(kCount));
    EXPECT_EQ(-12.5, record.get<double>(kFee));
    EXPECT_EQ(1, record.get<int32_t>(kInsured));
    EXPECT_EQ(2021 * 10000 + 3 * 100 + 5, record.get<int32_t>(kVisit));
    EXPECT_EQ(61.0, record.get<double>(kWeight));
    EXPECT_EQ(L"高雄", record.text(kCity, 6));
    EXPECT_TRUE(SameStamp(Stamp(2026, 11, 1, 1, 30, 15), record.get<TIMESTAMP_STRUCT>(kAdmitted)));
    EXPECT_EQ(L"王小明", record.text(kName, 5));
    EXPECT_EQ(0, record.get<wchar_t>(kNote));
    EXPECT_TRUE(record.guardsIntact());

    // Empty texts are "no value"; an unselected combo box leaves its field alone.
    form.setText(IDC_VISIT, L"");
    form.setText(IDC_FEE, L"");
    ::SendMessageW(form.item(IDC_CITY), CB_SETCURSEL, WPARAM(-1), 0);
    EXPECT_EQ(1, access.GetTextData(&form.dialog, record.data()));
    EXPECT_EQ(0, record.get<int32_t>(kVisit));
    EXPECT_EQ(0.0, record.get<double>(kFee));
    EXPECT_EQ(L"高雄", record.text(kCity, 6));
    EXPECT_MESSAGE_BOXES(boxes);
}

// Each bad text: its message once, 0, the focus on its control, the entries
// before it stored and its own field and those after it untouched.
TEST_F(DlgAccessTest, ChecksStopAtTheFirstBadControl)
{
    struct Case
    {
        int id;
        std::wstring text;
        const wchar_t* message;
    } cases[] = {
        {IDC_VISIT, L"2021/03", L"時間格式錯誤, yyyy/MM/dd"},
        {IDC_VISIT, L"/2021/03", L"時間格式錯誤, yyyy/MM/dd"},
        {IDC_VISIT, L"20210305", L"時間格式錯誤, yyyy/MM/dd"},
        {IDC_VISIT, L"3001/01/01", L"時間格式錯誤,年份錯誤 yyyy/MM/dd"},
        {IDC_VISIT, L"0/01/01", L"時間格式錯誤,年份錯誤 yyyy/MM/dd"},
        {IDC_VISIT, L"abc/01/01", L"時間格式錯誤,年份錯誤 yyyy/MM/dd"},
        {IDC_FEE, L"1.2.3", L"不能出現2個小數點"},
        {IDC_FEE, L"12-", L"符號必須在最前面"},
        {IDC_WEIGHT, L"1e5", L"數字錯誤"},
        {IDC_WEIGHT, L"12 ", L"數字錯誤"},
        {IDC_NAME, L"ABCDE", L"輸入數據太長"},
        {IDC_NOTE, std::wstring(100000, L'長'), L"輸入數據太長"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(qvtest::Utf8(c.text.substr(0, 12)));
        Record record(kRecordSize);
        form.setText(IDC_COUNT, L"7");
        form.setText(IDC_FEE, L"1");
        form.setText(IDC_VISIT, L"2021/03/05");
        form.setText(IDC_WEIGHT, L"60");
        form.setText(IDC_NAME, L"林");
        form.setText(IDC_NOTE, L"");
        form.setText(c.id, c.text);
        form.focus(IDC_COUNT);
        EXPECT_EQ(0, access.GetTextData(&form.dialog, record.data()));
        EXPECT_MESSAGE_BOXES(boxes, c.message);
        boxes.clear();
        EXPECT_TRUE(form.hasFocus(c.id));
        EXPECT_EQ(7, record.get<int32_t>(kCount)) << "stored before the failure";
        int failing = 0;
        while (int(kPatientMap[failing].nID) != c.id)
            ++failing;
        for (int i = failing; i < kPatientCount; ++i)
        {
            int offset = kPatientMap[i].nOffset;
            EXPECT_EQ(Record::kFill, record.get<unsigned char>(offset)) << "entry " << i << " untouched";
        }
        EXPECT_TRUE(record.guardsIntact());
    }
}

TEST_F(DlgAccessTest, IsFloatAcceptsSignedDecimalsOnly)
{
    struct Case
    {
        const wchar_t* text;
        int result;
        const wchar_t* message;
    } cases[] = {
        {L"  -12.5", 1, nullptr},
        {L"", 1, nullptr},
        {L"   ", 1, nullptr},
        {L"+.5", 1, nullptr},
        {L"\t7", 1, nullptr},
        {L"-", 1, nullptr},
        {L"1.2.3", 0, L"不能出現2個小數點"},
        {L"..", 0, L"不能出現2個小數點"},
        {L"12-", 0, L"符號必須在最前面"},
        {L"+-1", 0, L"符號必須在最前面"},
        {L"1e5", 0, L"數字錯誤"},
        {L"1,000", 0, L"數字錯誤"},
        {L"１２", 0, L"數字錯誤"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(qvtest::Utf8(c.text));
        EXPECT_EQ(c.result, IDlgAccess::IsFloat(c.text));
        if (c.message)
            EXPECT_MESSAGE_BOXES(boxes, c.message);
        else
            EXPECT_MESSAGE_BOXES(boxes);
        boxes.clear();
    }
}

TEST_F(DlgAccessTest, TextsTooLongAreCutAndReportedOnceAfterAllEntries)
{
    Record record(kRecordSize);
    FillSample(record);
    // "ABCDEFG" runs from the name field into the note; the note has no
    // terminator within its 20 characters.
    record.putText(kName, L"ABCDEFG");
    record.putText(kNote, std::wstring(20, L'注'), false);
    access.SetTextData(&form.dialog, record.data());
    EXPECT_MESSAGE_BOXES(boxes, kCutCodeText, kCutText);
    EXPECT_EQ(L"ABCD", form.text(IDC_NAME));
    EXPECT_EQ(std::wstring(19, L'注'), form.text(IDC_NOTE));
    EXPECT_EQ(L"2021/03/05", form.text(IDC_VISIT)) << "the entries are all shown before the report";
    EXPECT_TRUE(record.guardsIntact());
    // A text of exactly four characters fits a field of five.
    boxes.clear();
    record.putText(kName, L"WXYZ");
    record.putText(kNote, L"");
    access.SetTextData(&form.dialog, record.data());
    EXPECT_MESSAGE_BOXES(boxes);
    EXPECT_EQ(L"WXYZ", form.text(IDC_NAME));
}

TEST_F(DlgAccessTest, BadTablesAndRecordsNeverTouchWhatTheyShouldNot)
{
    // Controls the dialog lacks, kinds this table does not know, and a
    // cleared picker (no value: a null stamp).
    CdDataMap map[] = {
        {4242, 0, DLGACCESS_INT}, {IDC_COUNT, 4, DLGACCESS_INT},       {IDC_FEE, 8, 0},         {IDC_WEIGHT, 12, -8},
        {4343, 16, 30},           {IDC_ADMITTED, 20, DLGACCESS_STAMP}, {IDC_NAME, 36, INT_MIN},
    };
    access.SetDataMap(map, 7);
    Record record(40);
    record.put<int32_t>(4, 99);
    record.put(20, Stamp(2021, 3, 5));
    form.setText(IDC_FEE, L"untouched");
    form.setText(IDC_WEIGHT, L"also");
    access.SetTextData(&form.dialog, record.data());
    EXPECT_EQ(L"99", form.text(IDC_COUNT));
    EXPECT_EQ(L"untouched", form.text(IDC_FEE));
    EXPECT_EQ(L"also", form.text(IDC_WEIGHT));

    form.setText(IDC_COUNT, std::wstring(5000, L'9'));   // saturates
    form.clearPicker(IDC_ADMITTED);
    std::vector<unsigned char> before = record.bytes();
    EXPECT_EQ(1, access.GetTextData(&form.dialog, record.data()));
    EXPECT_EQ(INT_MAX, record.get<int32_t>(4));
    EXPECT_TRUE(SameStamp(Stamp(0, 0, 0), record.get<TIMESTAMP_STRUCT>(20)));
    for (int i : {0, 8, 12, 16, 36})
        EXPECT_EQ(before[size_t(Record::kGuard + i)], record.bytes()[size_t(Record::kGuard + i)]) << "offset " << i;
    EXPECT_TRUE(record.guardsIntact());
    EXPECT_MESSAGE_BOXES(boxes);

    // A null record only checks; no table at all stores nothing and succeeds.
    access.SetDataMap(kPatientMap, kPatientCount);
    form.setText(IDC_FEE, L"1");
    form.setText(IDC_WEIGHT, L"");
    form.setText(IDC_VISIT, L"2021/03/05");
    EXPECT_EQ(1, access.GetTextData(&form.dialog, nullptr));
    form.setText(IDC_VISIT, L"2021-03-05");
    EXPECT_EQ(0, access.GetTextData(&form.dialog, nullptr));
    EXPECT_MESSAGE_BOXES(boxes, L"時間格式錯誤, yyyy/MM/dd");
    EXPECT_TRUE(form.hasFocus(IDC_VISIT));
    IDlgAccess empty;
    EXPECT_EQ(1, empty.GetTextData(&form.dialog, record.data()));
    EXPECT_EQ(1, empty.GetTextData(nullptr, record.data()));
}

TEST_F(DlgAccessTest, TypedTextsGoThroughTheMessageLoop)
{
    // The user types a date and a fee into the real edits.
    auto type = [&](int id, const std::wstring& keys)
    {
        form.setText(id, L"");
        form.focus(id);
        for (wchar_t ch : keys)
            ::PostMessageW(form.item(id), WM_CHAR, ch, 1);
        qvtest::PumpMessages(20);
    };
    type(IDC_VISIT, L"2021/12/31");
    type(IDC_FEE, L"350.75");
    Record record(kRecordSize);
    ASSERT_EQ(1, access.GetTextData(&form.dialog, record.data()));
    EXPECT_EQ(20211231, record.get<int32_t>(kVisit));
    EXPECT_EQ(350.75, record.get<double>(kFee));
    type(IDC_VISIT, L"2021.12.31");
    EXPECT_EQ(0, access.GetTextData(&form.dialog, record.data()));
    EXPECT_MESSAGE_BOXES(boxes, L"時間格式錯誤, yyyy/MM/dd");
}

}   // namespace
