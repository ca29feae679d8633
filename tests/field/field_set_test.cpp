// CField: owned copies of descriptors and captions, column positions, lookups
// and the record buffer.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "../module/assert_counter.h"
#include "field_ids.h"
#include "qvctrl.h"
#include "../module/cstring_print.h"

namespace
{

struct Patient
{
    wchar_t szName[10];   // 0
    int nAge;             // 20
    double dFee;          // 24
};

CfField kPatientFields[] = {
    {10, L"姓名", 0, FIELD_TEXT, 0, 0, 0},
    {8, L"備註", -1, FIELD_RIGHT, 0, 0, 6},
    {6, L"年齡", 20, FIELD_INT, 0, 0, 0},
};

// The positions the set gives its fields, in order.
std::vector<int> PositionsOf(CField& fields)
{
    int count = 0;
    CfField* all = fields.GetField(count);
    std::vector<int> positions;
    for (int i = 0; i < count; ++i)
        positions.push_back(all[i].nPos);
    return positions;
}

TEST(FieldSet, PositionsSkipFieldsNotStoredInTheRecord)
{
    CField fields;
    fields.SetField(kPatientFields, 3);
    EXPECT_EQ(3, fields.GetFieldCount());
    EXPECT_EQ((std::vector<int>{0, 10, 10}), PositionsOf(fields));
    // The caller's array is not touched; the rest is copied as it stands.
    int count = 0;
    EXPECT_EQ(0, kPatientFields[2].nPos);
    EXPECT_EQ(6, fields.GetField(count)[1].nHead);
    // Appending numbers the new field after the others.
    CfField fee = {7, L"掛號費", 24, FIELD_DOUBLE, 2, 99, 0};
    EXPECT_EQ(4, fields.AppendField(fee));
    EXPECT_EQ((std::vector<int>{0, 10, 10, 16}), PositionsOf(fields));
}

TEST(FieldSet, CaptionsAreOwnedCopiesOfAnyLength)
{
    wchar_t caption[] = L"姓名";
    std::wstring longCaption(5000, L'欄');
    CfField source[] = {{10, caption, 0, FIELD_TEXT, 0, 0, 0}, {4, nullptr, 20, FIELD_INT, 0, 0, 0}};
    CfField wide = {12, longCaption.c_str(), 0, FIELD_TEXT, 0, 0, 0};
    CField fields;
    fields.SetField(source, 2);
    fields.AppendField(wide);
    caption[0] = L'X';
    longCaption[0] = L'X';
    EXPECT_EQ(CString(L"姓名"), fields.GetFieldName(0));
    EXPECT_EQ(CString(std::wstring(5000, L'欄').c_str()), fields.GetFieldName(2));
    int count = 0;
    EXPECT_EQ(nullptr, fields.GetField(count)[1].pszName);   // a null caption stays null
    EXPECT_TRUE(fields.GetFieldName(1).IsEmpty());
}

TEST(FieldSet, SettingAgainReplacesTheOldDescriptors)
{
    CField fields;
    fields.SetField(kPatientFields, 3);
    // A set may be set from its own array.
    int count = 0;
    CfField* own = fields.GetField(count);
    fields.SetField(own, count);
    EXPECT_EQ(3, fields.GetFieldCount());
    EXPECT_EQ(CString(L"年齡"), fields.GetFieldName(2));
    EXPECT_EQ((std::vector<int>{0, 10, 10}), PositionsOf(fields));
    fields.FreeField();
    EXPECT_EQ(0, fields.GetFieldCount());
    EXPECT_EQ(nullptr, fields.GetField(count));
}

TEST(FieldSet, OffsetsAndLineEnds)
{
    // Two fields share offset 8: the first one is found.
    CfField shared[] = {
        {4, L"甲", 8, FIELD_INT, 0, 0, 0}, {4, L"乙", 12, FIELD_INT, 0, 0, 0}, {4, L"丙", 8, FIELD_LONG, 0, 0, 0}};
    CField fields, empty;
    fields.SetField(shared, 3);
    EXPECT_EQ((std::vector<int>{0, 1, -1}),
              (std::vector<int>{fields.OffsetToPos(8), fields.OffsetToPos(12), fields.OffsetToPos(16)}));
    EXPECT_EQ((std::vector<int>{1, 0, 0}),
              (std::vector<int>{fields.IsNeedNewLine(3), fields.IsNeedNewLine(2), fields.IsNeedNewLine(-1)}));
    EXPECT_EQ(-1, empty.OffsetToPos(0));
    EXPECT_EQ(1, empty.IsNeedNewLine(0));
}

TEST(FieldSet, ArrayOfPointersKeepsTheirPositions)
{
    CfField a = {10, L"甲", 0, FIELD_TEXT, 0, 33, 0};
    CfField b = {6, L"乙", 20, FIELD_INT, 0, 77, 0};
    CArray<void*, void*> pointers;
    pointers.Add(&b);
    pointers.Add(&a);
    CField fields;
    fields.SetField(&pointers);
    EXPECT_EQ(CString(L"乙"), fields.GetFieldName(0));
    EXPECT_EQ((std::vector<int>{77, 33}), PositionsOf(fields));
    // Pointers into the set's own array: a subset of its fields.
    int count = 0;
    CArray<void*, void*> subset;
    subset.Add(&fields.GetField(count)[1]);
    fields.SetField(&subset);
    EXPECT_EQ(1, fields.GetFieldCount());
    EXPECT_EQ(CString(L"甲"), fields.GetFieldName(0));
}

TEST(FieldSet, CaptionsFromTheProgramsStringTable)
{
    CrField table[] = {
        {10, IDS_NAME, 0, FIELD_TEXT, 0, 0, 0},
        {8, IDS_BIRTHDAY, -1, FIELD_DATE, 0, 0, 0},
        {6, IDS_MISSING, 24, FIELD_DOUBLE, 2, 0, 0},
        {6, 0, 32, FIELD_INT, 0, 0, 0},
    };
    CField fields;
    fields.SetField(table, 4);
    ASSERT_EQ(4, fields.GetFieldCount());
    EXPECT_EQ(CString(L"姓名"), fields.GetFieldName(0));
    // A string the program lacks gives an empty caption; identifier 0 none at all.
    int count = 0;
    CfField* copy = fields.GetField(count);
    ASSERT_NE(nullptr, copy[2].pszName);
    EXPECT_STREQ(L"", copy[2].pszName);
    EXPECT_EQ(nullptr, copy[3].pszName);
    EXPECT_EQ((std::vector<int>{0, 10, 10, 16}), PositionsOf(fields));
}

TEST(FieldSet, RecordBufferAndValues)
{
    CField fields;
    EXPECT_EQ(0, fields.GetRecordLength());
    char* record = fields.SetRecordLength(sizeof(Patient));
    ASSERT_NE(nullptr, record);
    std::memset(record, 0x5A, sizeof(Patient));
    fields.SetField(kPatientFields, 3);   // setting fields leaves the record alone
    EXPECT_EQ(static_cast<long>(sizeof(Patient)), fields.GetRecordLength());
    EXPECT_EQ(nullptr, fields.SetRecordLength(-8));
    EXPECT_EQ(0, fields.GetRecordLength());
    // GetString converts the field's value where the record holds it.
    Patient patient = {L"王小明", 42, 150.5};
    CfField layout[] = {
        {10, L"姓名", 0, FIELD_TEXT, 0, 0, 0},
        {8, L"備註", -1, FIELD_TEXT, 0, 0, 0},
        {6, L"年齡", 20, FIELD_INT, 0, 0, 0},
        {8, L"掛號費", 24, FIELD_DOUBLE, 1, 0, 0},
    };
    fields.SetField(layout, 4);
    char* bytes = reinterpret_cast<char*>(&patient);
    EXPECT_EQ(CString(L"王小明"), fields.GetString(bytes, 0));
    EXPECT_TRUE(fields.GetString(bytes, 1).IsEmpty());   // a column without record data has no value
    EXPECT_EQ(CString(L"150.5"), fields.GetString(bytes, 3));
}

TEST(FieldSet, CallerErrorsAreAssertedAndLeaveAnEmptySet)
{
    AssertCounter asserts;
    CField fields;
    fields.SetField(kPatientFields, 3);
    fields.SetField(static_cast<CfField*>(nullptr), 3);
    EXPECT_EQ(0, fields.GetFieldCount());
    fields.SetField(kPatientFields, -2);
    fields.SetField(static_cast<CrField*>(nullptr), 1);
    fields.SetField(static_cast<CArray<void*, void*>*>(nullptr));
    EXPECT_EQ(0, fields.GetFieldCount());
    EXPECT_EQ(4, asserts.count());
    fields.SetField(kPatientFields, 0);   // an empty table is no error
    EXPECT_EQ(0, fields.GetFieldCount());
    EXPECT_EQ(4, asserts.count());
    // Indexes outside the set, and null entries of a pointer array.
    fields.SetField(kPatientFields, 3);
    EXPECT_TRUE(fields.GetFieldName(-1).IsEmpty());
    char record[64] = {};
    EXPECT_TRUE(fields.GetString(record, 7).IsEmpty());
    EXPECT_TRUE(fields.GetString(nullptr, 0).IsEmpty());
    CArray<void*, void*> withHole;
    withHole.Add(&kPatientFields[0]);
    withHole.Add(nullptr);
    fields.SetField(&withHole);
    EXPECT_EQ(1, fields.GetFieldCount());
    EXPECT_EQ(8, asserts.count());
}

}   // namespace
