// The in-place fillers: <Name> markers overwritten inside the document.
#include <gtest/gtest.h>

#include "document_block.h"
#include "patient_record.h"
#include "qvtest.h"

namespace {

struct InPlaceResult {
    int result;
    std::wstring text;
    SIZE_T size;
};

// Runs one of the in-place fillers over a block made from the text.
template <class Fill>
InPlaceResult FillInPlace(const std::wstring& text, Fill fill)
{
    int nCount = 0;
    CfField* pFields = PatientFields(nCount);
    PatientRecord record = MakePatient();
    CFillHtml filler;
    HGLOBAL document = MakeDocument(text);
    InPlaceResult r;
    r.result = fill(filler, document, pFields, nCount, reinterpret_cast<char*>(&record));
    r.text = DocumentText(document);
    r.size = ::GlobalSize(document);
    ::GlobalFree(document);
    return r;
}

int FillAngles(CFillHtml& f, HGLOBAL h, CfField* p, int n, char* r) { return f.FillInformation(h, p, n, r); }
int FillUnicode(CFillHtml& f, HGLOBAL h, CfField* p, int n, char* r) { return f.FillUnicodeInformation(h, p, n, r); }

TEST(InPlaceFill, AngleMarkersAreBlankedAndOverwrittenWithoutGrowing)
{
    const struct {
        const wchar_t* what;
        std::wstring templ;
        std::wstring expected;
    } cases[] = {
        {L"value padded with spaces to the marker", L"<p><Code></p>", L"<p>abc   </p>"},
        {L"case is ignored", L"<CODE>|", L"abc   |"},
        {L"a longer value is cut at the marker", L"<Note>|after", L"A&B <o|after"},
        {L"a CJK caption", L"<td><姓名></td>", L"<td>陳大文 </td>"},
        {L"a space ends the name; the rest stays", L"<Code id=1>", L"abc   id=1>"},
        {L"tags are not markers unless named", L"<table border=1><tr>", L"<table border=1><tr>"},
    };
    for (const auto& c : cases) {
        HGLOBAL fresh = MakeDocument(c.templ);
        SIZE_T size = ::GlobalSize(fresh);
        ::GlobalFree(fresh);
        InPlaceResult r = FillInPlace(c.templ, FillAngles);
        EXPECT_EQ(1, r.result) << qvtest::Utf8(c.what);
        EXPECT_EQ(c.expected, r.text) << qvtest::Utf8(c.what);
        EXPECT_EQ(size, r.size) << qvtest::Utf8(c.what);
    }
}

TEST(InPlaceFill, UnicodeFlaggedDocumentsMatchCaptionsExactly)
{
    const std::wstring flag = L"\u00FF\u00FE";
    const struct {
        const wchar_t* what;
        std::wstring templ;
        std::wstring expected;
    } cases[] = {
        {L"exact case picks the lower-case caption", L"<code><Code><CODE>", L"A-0017abc   <CODE>"},
        {L"a control character spoils the marker", L"<Co\x01" L"de><Code>", L"<Co\x01" L"de>abc   "},
        {L"a name of 51 characters is no marker", L"<" + std::wstring(51, L'x') + L"><Code>",
         L"<" + std::wstring(51, L'x') + L">abc   "},
        {L"a longer value is cut at the marker", L"<Note>|", L"A&B <o|"},
        {L"a marker that never closes", L"x<Code", L"x<Code"},
    };
    for (const auto& c : cases) {
        // Through the general filler, which hands flagged documents over ...
        InPlaceResult r = FillInPlace(flag + c.templ, FillAngles);
        EXPECT_EQ(1, r.result) << qvtest::Utf8(c.what);
        EXPECT_EQ(flag + c.expected, r.text) << qvtest::Utf8(c.what);
        // ... and directly.
        r = FillInPlace(c.templ, FillUnicode);
        EXPECT_EQ(1, r.result) << qvtest::Utf8(c.what);
        EXPECT_EQ(c.expected, r.text) << qvtest::Utf8(c.what);
    }
}

TEST(InPlaceFill, MissingDocumentOrRecordAnswersZeroAndChangesNothing)
{
    int nCount = 0;
    CfField* pFields = PatientFields(nCount);
    PatientRecord record = MakePatient();
    CFillHtml filler;
    EXPECT_EQ(0, filler.FillUnicodeInformation(nullptr, pFields, nCount, reinterpret_cast<char*>(&record)));
    HGLOBAL document = MakeDocument(L"<Code>");
    EXPECT_EQ(0, filler.FillUnicodeInformation(document, pFields, nCount, nullptr));
    EXPECT_EQ(0, filler.FillInformation(document, pFields, nCount, nullptr));
    EXPECT_EQ(L"<Code>", DocumentText(document));
    ::GlobalFree(document);
}

}  // namespace
