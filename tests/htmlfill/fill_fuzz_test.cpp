// Generated templates, fixed seed: every filler keeps within its blocks (the
// heap check runs this suite) and keeps its promises about lengths.
#include <gtest/gtest.h>

#include <random>

#include "document_block.h"
#include "patient_record.h"
#include "qvtest.h"

namespace {

const wchar_t* const kPieces[] = {
    L"[", L"]", L"<", L">", L".", L"...", L"Code", L"code", L"姓名", L"姓", L"名", L"Note", L"病歷號",
    L" ", L"\x01", L"<b>", L"</b>", L"x", L"&", L"\u00FF\u00FE", L"Unstored", L"{", L"}", L"\n",
};

std::wstring RandomTemplate(std::mt19937& random)
{
    std::uniform_int_distribution<int> count(0, 120);
    std::uniform_int_distribution<size_t> piece(0, sizeof kPieces / sizeof kPieces[0] - 1);
    std::wstring text;
    for (int n = count(random); n > 0; --n)
        text += kPieces[piece(random)];
    return text;
}

TEST(FillFuzz, GeneratedTemplatesFillWithinTheirBlocks)
{
    std::mt19937 random(20261207);
    int nCount = 0;
    CfField* pFields = PatientFields(nCount);
    PatientRecord record = MakePatient();
    record.tVisit = 0;
    char* pRecord = reinterpret_cast<char*>(&record);
    const wchar_t brackets[][2] = {{L'[', L']'}, {L'{', L'}'}, {L'<', L'>'}};
    for (int i = 0; i < 3000; ++i) {
        std::wstring text = RandomTemplate(random);
        const wchar_t* pair = brackets[i % 3];
        CFillHtml filler;
        HGLOBAL filled = filler.FillInformation(MakeDocument(text), pFields, nCount, pRecord, pair[0], pair[1]);
        ASSERT_NE(nullptr, filled) << i;
        std::wstring result = DocumentText(filled);
        if (pair[0] == L'<') {
            ASSERT_EQ(text.size(), result.size()) << "in place keeps the length: " << i;
        } else {
            ASSERT_EQ(int(result.size() * sizeof(wchar_t)), filler.GetDocumentLength()) << i;
        }
        if (text.find(pair[0]) == std::wstring::npos) {
            ASSERT_EQ(text, result) << "nothing to fill: " << i;
        }
        ::GlobalFree(filled);

        HGLOBAL unchanged = filler.FillInformation(MakeDocument(text), nullptr, 0, pRecord, pair[0], pair[1]);
        ASSERT_NE(nullptr, unchanged);
        ASSERT_EQ(text, DocumentText(unchanged)) << "no fields, no change: " << i;
        ::GlobalFree(unchanged);

        HGLOBAL flagged = MakeDocument(text);
        ASSERT_EQ(1, filler.FillUnicodeInformation(flagged, pFields, nCount, pRecord));
        ASSERT_EQ(text.size(), DocumentText(flagged).size()) << i;
        ::GlobalFree(flagged);
    }
}

}  // namespace
