// The general filler: [Name] markers replaced by padded values in a new block.
#include <gtest/gtest.h>

#include "document_block.h"
#include "patient_record.h"
#include "qvtest.h"

namespace {

const std::wstring kNbsp = L"&nbsp;";

// Fills the text's [Name] markers from the record and answers the result.
std::wstring FillBrackets(const std::wstring& text, PatientRecord record, int* pLength = nullptr)
{
    int nCount = 0;
    CfField* pFields = PatientFields(nCount);
    CFillHtml filler;
    HGLOBAL filled = filler.FillInformation(MakeDocument(text), pFields, nCount,
                                            reinterpret_cast<char*>(&record), L'[', L']');
    if (filled == nullptr)
        return L"<null>";
    std::wstring result = DocumentText(filled);
    if (pLength)
        *pLength = filler.GetDocumentLength();
    ::GlobalFree(filled);
    return result;
}

struct FillCase {
    const wchar_t* what;
    std::wstring templ;
    std::wstring expected;
};

TEST(GeneralFill, ReplacesMarkersByTheRulesOfNamesDotsAndTags)
{
    const FillCase cases[] = {
        {L"three dots widen a four-letter marker to 9", L"<td>[Code]...</td>",
         L"<td>abc" + Repeat(kNbsp, 6) + L"</td>"},
        {L"unknown names stay, with their dots", L"[Nope]... [Code]", L"[Nope]... abc" + Repeat(kNbsp, 3)},
        {L"case is ignored; the first caption wins", L"[cODE]", L"abc" + Repeat(kNbsp, 3)},
        {L"a space ends the name", L"[Code x]", L"abc" + Repeat(kNbsp, 3) + L" x]"},
        {L"tags inside the name are skipped", L"[Co<b>d</b>e]!", L"abc" + Repeat(kNbsp, 3) + L"!"},
        {L"a tag before the dots goes with them", L"<b>[Code]</b>..<i>", L"<b>abc" + Repeat(kNbsp, 5) + L"<i>"},
        {L"tags between dots go, the tag after the last stays", L"[Code].<br>.</td>",
         L"abc" + Repeat(kNbsp, 5) + L"</td>"},
        {L"a tag not followed by a dot stays", L"[Code]</b> x", L"abc" + Repeat(kNbsp, 3) + L"</b> x"},
        {L"CJK caption split by tags", L"[姓<span>名</span>]", L"陳大文" + kNbsp},
        {L"values are HTML text", L"[Note]", L"A&amp;B &lt;ok&gt;"},
        {L"a marker that never closes ends with the text", L"x[Code", L"xabc" + Repeat(kNbsp, 3)},
        {L"a field not in the record is blank", L"[Unstored]", Repeat(kNbsp, 10)},
        {L"year-prefixed text", L"[病歷號]", L"26-A-0017"},
        {L"a second start inside a name hides the marker", L"[[Code]", L"[[Code]"},
        {L"no markers at all", L"<html>plain</html>", L"<html>plain</html>"},
        {L"empty name", L"[]", L"[]"},
    };
    for (const FillCase& c : cases)
        EXPECT_EQ(c.expected, FillBrackets(c.templ, MakePatient())) << qvtest::Utf8(c.what);
}

TEST(GeneralFill, LongNamesAndValuesAreCutAndPaddingStaysBelow200)
{
    // A name of 10,000 characters is cut after 99 and matches nothing: the text stays.
    std::wstring longName = L"[" + std::wstring(10000, L'a') + L"] [Code]";
    EXPECT_EQ(longName.substr(0, 10003) + L"abc" + Repeat(kNbsp, 3), FillBrackets(longName, MakePatient()));
    PatientRecord record = MakePatient();
    std::wstring value(250, L'n');
    wcscpy(record.szNote, value.c_str());
    EXPECT_EQ(value.substr(0, 99), FillBrackets(L"[Note]", record)) << "200 characters or more are cut to 99";

    value.assign(150, L'm');
    wcscpy(record.szNote, value.c_str());
    int nLength = 0;
    EXPECT_EQ(L"<" + value + L">", FillBrackets(L"<[Note]>", record, &nLength)) << "longer than the marker: grows";
    EXPECT_EQ(int(152 * sizeof(wchar_t)), nLength);

    value.assign(190, L'p');
    wcscpy(record.szNote, value.c_str());
    std::wstring dotted = L"[Note]" + std::wstring(300, L'.');
    EXPECT_EQ(value + kNbsp, FillBrackets(dotted, record)) << "one entity keeps it at 196; two would pass 200";
}

TEST(GeneralFill, TheYearPrefixNeedsATimeInTheRecord)
{
    PatientRecord record = MakePatient();
    record.tVisit = CTime(1999, 12, 31, 23, 0, 0).GetTime();
    EXPECT_EQ(L"99-A-0017", FillBrackets(L"[病歷號]", record));
    record.tVisit = 0;
    EXPECT_EQ(L"A-0017", FillBrackets(L"[病歷號]", record));
    record.tVisit = -5;
    EXPECT_EQ(L"A-0017", FillBrackets(L"[病歷號]", record));
}

TEST(GeneralFill, TheFilledTextIsANewBlockAndTheOldOneIsFreed)
{
    int nCount = 0;
    CfField* pFields = PatientFields(nCount);
    PatientRecord record = MakePatient();
    CFillHtml filler;
    HGLOBAL document = MakeDocument(L"<p>[Code]</p>");
    HGLOBAL filled = filler.FillInformation(document, pFields, nCount, reinterpret_cast<char*>(&record), L'[', L']');
    ASSERT_NE(nullptr, filled);
    EXPECT_NE(document, filled);
    EXPECT_EQ(0u, ::GlobalSize(document)) << "the old block is freed";
    std::wstring expected = L"<p>abc" + Repeat(kNbsp, 3) + L"</p>";
    EXPECT_EQ(expected, DocumentText(filled));
    EXPECT_EQ(int(expected.size() * sizeof(wchar_t)), filler.GetDocumentLength());
    // The new block ends in zero bytes, as loaded documents do.
    std::string bytes = DocumentBytes(filled);
    ASSERT_GE(bytes.size(), expected.size() * 2 + 100);
    EXPECT_EQ(std::string(bytes.size() - expected.size() * 2, '\0'), bytes.substr(expected.size() * 2));
    ::GlobalFree(filled);
}

TEST(GeneralFill, AMissingDocumentOrRecordFillsNothing)
{
    int nCount = 0;
    CfField* pFields = PatientFields(nCount);
    PatientRecord record = MakePatient();
    CFillHtml filler;
    EXPECT_EQ(nullptr, filler.FillInformation(nullptr, pFields, nCount, reinterpret_cast<char*>(&record), L'[', L']'));
    EXPECT_EQ(0, filler.FillInformation(HGLOBAL(nullptr), pFields, nCount, reinterpret_cast<char*>(&record)));

    HGLOBAL document = MakeDocument(L"[Code]");
    EXPECT_EQ(nullptr, filler.FillInformation(document, pFields, nCount, nullptr, L'[', L']'));
    EXPECT_EQ(L"[Code]", DocumentText(document)) << "the caller's block is untouched";
    EXPECT_EQ(0, filler.GetDocumentLength());

    // No fields: nothing matches, the text comes back as it was.
    HGLOBAL same = filler.FillInformation(document, nullptr, 5, reinterpret_cast<char*>(&record), L'[', L']');
    ASSERT_NE(nullptr, same);
    EXPECT_EQ(L"[Code]", DocumentText(same));
    ::GlobalFree(same);

    // A discarded block cannot be locked.
    HGLOBAL discarded = ::GlobalAlloc(GMEM_MOVEABLE, 64);
    ASSERT_NE(nullptr, discarded);
    discarded = ::GlobalReAlloc(discarded, 0, GMEM_MOVEABLE);
    ASSERT_NE(nullptr, discarded);
    ASSERT_EQ(nullptr, ::GlobalLock(discarded));
    EXPECT_EQ(nullptr, filler.FillInformation(discarded, pFields, nCount, reinterpret_cast<char*>(&record), L'[', L']'));
    EXPECT_EQ(0, filler.FillInformation(discarded, pFields, nCount, reinterpret_cast<char*>(&record)));
    ::GlobalFree(discarded);
}

}  // namespace
