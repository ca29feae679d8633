// Columns without record data (offset -1): a form that stores every
// descriptor's text writes nothing for them, and shows nothing from them.
#include <gtest/gtest.h>
#include <cstring>
#include "../date/which_box.h"
#include "field_bytes.h"

using namespace datetest;

namespace
{

class FieldUnstored : public qvtest::MessageBoxTest
{
};

TEST_F(FieldUnstored, EveryDescriptorStoredInTurnLeavesUnstoredColumnsAlone)
{
    CfField fields[] = {
        {10, L"姓名", 0, FIELD_TEXT, 0, 0, 0},          {6, L"年齡", -1, FIELD_INT, 0, 0, 0},
        {8, L"費用", 8, FIELD_DOUBLE, 2, 0, 0},         {4, L"備註", -1, FIELD_TEXT, 0, 0, 0},
        {8, L"就診日", 16, FIELD_YMD_NUMBER2, 0, 0, 0}, {4, L"小計", -1, FIELD_TS_DATE_SLASH, 0, 0, 0},
        {4, L"旗標", -1, FIELD_FLAG_BIT, 3, 0, 0},      {4, L"不明", -1, 4, 0, 0, 0},
    };
    CField set;
    set.SetField(fields, 8);
    const wchar_t* const texts[] = {L"王",         L"42",         L"12.5", L"一段很長的備註文字",
                                    L"2021/03/05", L"2021/03/05", L"是",   L"x"};

    // The record lies 32 bytes into its buffer; the bytes before it stand for
    // whatever the caller keeps there.
    const int kBefore = 32, kRecord = 20;
    unsigned char buffer[kBefore + kRecord];
    memset(buffer, 0xAB, sizeof buffer);
    void* pRecord = buffer + kBefore;
    int count = 0;
    CfField* pFields = set.GetField(count);
    for (int i = 0; i < count; ++i)
        CField::TextToRecord(texts[i], pFields[i].nType, pFields[i].nOffset, pRecord);
    for (int i = 0; i < kBefore; ++i)
        ASSERT_EQ(0xAB, buffer[i]) << "byte " << i << " before the record";
    EXPECT_TRUE(Showed(boxes, kNoBox)) << "not even for a code of no meaning";

    EXPECT_STREQ(L"王", set.GetString(reinterpret_cast<char*>(pRecord), 0).GetString());
    EXPECT_STREQ(L"12.50", set.GetString(reinterpret_cast<char*>(pRecord), 2).GetString());
    EXPECT_STREQ(L"", set.GetString(reinterpret_cast<char*>(pRecord), 1).GetString());
    int32_t visit;
    memcpy(&visit, buffer + kBefore + 16, sizeof visit);
    EXPECT_EQ(20210305, visit);
    // Any negative offset would write before the record: none does.
    fieldtest::GuardedRecord record;
    for (int offset : {-1, -2, -13, -1000000})
        CField::TextToRecord(L"2021/03/05", FIELD_TS_DATE_SLASH, offset,
                             record.bytes + fieldtest::GuardedRecord::kOffset);
    EXPECT_TRUE(record.FillOutside(0));
}

}   // namespace
