// Filling a Word template of n markers through the stand-in server and saving
// it: the seconds it takes and the automation calls per marker, against a floor
// that does the same work in this process without automation: the template's
// package read with the stand-in's own reader, one pass over the document's text
// putting each marker's value in its place, and the package written.
//   wordfill_bench.exe [marker counts...]   (default 100 1000)
// Prints "word fill markers=<n> ours=<s> calls=<calls per marker>
// floor=<s> vs-floor=<ours/floor> floor-is=docx-read-replace-write".
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "docx_file.h"
#include "qvctrl.h"
#include "common/wordoffice.h"

namespace
{

// The server's own property: calls it has answered so far.
const DISPID kDispServerCallCount = 0x4000;
const int kMarkersPerParagraph = 10;

struct Record
{
    wchar_t code[8];
    __int64 visit;
    wchar_t name[16];
    int age;
};

CfField kFields[] = {
    {10, L"Name", static_cast<int>(offsetof(Record, name)), FIELD_TEXT, 0, 0, 0},
    {4, L"Age", static_cast<int>(offsetof(Record, age)), FIELD_INT, 0, 0, 0},
};

std::wstring Folder()
{
    wchar_t path[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, path);
    return std::wstring(path, n);
}

// A marker's value as the writer puts it: the field named (in any case) by the
// trimmed name, and a space for an empty value.
std::wstring MarkerValue(const std::wstring& marker, char* pRecord)
{
    CString name(marker.c_str());
    name.Trim(L' ');
    CString value;
    for (const CfField& field : kFields)
        if (name.CompareNoCase(field.pszName) == 0)
            value = CField::GetFieldString(pRecord + field.nOffset, field.nType, field.nFormat);
    return value.IsEmpty() ? std::wstring(L" ") : std::wstring(value.GetString());
}

// The floor's fill: the text with each "<name>" (the last '<' before a '>')
// replaced by its value, in one pass.
std::wstring FilledText(const std::wstring& text, char* pRecord)
{
    std::wstring out;
    out.reserve(text.size() * 2);
    size_t copied = 0;
    for (size_t open = text.find(L'<'); open != std::wstring::npos; open = text.find(L'<', copied))
    {
        const size_t next = text.find_first_of(L"<>", open + 1);
        if (next == std::wstring::npos)
            break;
        out.append(text, copied, open - copied);
        if (text[next] == L'<')
        {
            copied = next;
            out.append(text, open, next - open);
            continue;
        }
        out += MarkerValue(text.substr(open + 1, next - open - 1), pRecord);
        copied = next + 1;
    }
    out.append(text, copied, std::wstring::npos);
    return out;
}

// The floor: read, fill, write; false when the package could not be read or written.
bool FloorFill(const std::wstring& templatePath, const std::wstring& outPath, char* pRecord)
{
    WordDocument doc;
    std::wstring error;
    if (!LoadDocumentFile(templatePath, doc, error))
        return false;
    const std::wstring filled = FilledText(doc.Text(), pRecord);
    doc.Replace(0, doc.Length() - 1, filled.substr(0, filled.size() - 1));   // the final mark stays
    return SaveDocx(outPath, doc, error);
}

// The text of a saved document, read back with the same reader.
std::wstring SavedText(const std::wstring& path)
{
    WordDocument doc;
    std::wstring error;
    return LoadDocumentFile(path, doc, error) ? doc.Text() : std::wstring();
}

long CallCount(CWordOffice& word)
{
    long calls = 0;
    word.m_wdApp.GetProperty(kDispServerCallCount, VT_I4, &calls);
    return calls;
}

// A template of n markers, ten to a paragraph, typed through the writer.
bool WriteTemplate(const std::wstring& path, int markers)
{
    CWordOffice word;
    if (!word.Create())
        return false;
    for (int i = 0; i < markers; i += kMarkersPerParagraph)
    {
        std::wstring line;
        for (int j = i; j < markers && j < i + kMarkersPerParagraph; ++j)
            line += (j % 2 ? L"年齡<Age>，" : L"病患<Name>，");
        if (i > 0)
            word.NewLine();
        word.WriteText(line.c_str());
    }
    bool saved = word.SaveDocumentAs(path.c_str());
    word.Clear();
    return saved;
}

void Run(int markers)
{
    std::wstring templatePath = Folder() + L"wordfill-template-" + std::to_wstring(markers) + L".docx";
    std::wstring filledPath = Folder() + L"wordfill-filled-" + std::to_wstring(markers) + L".docx";
    std::wstring floorPath = Folder() + L"wordfill-floor-" + std::to_wstring(markers) + L".docx";
    if (!WriteTemplate(templatePath, markers))
    {
        std::printf("word fill markers=%d failed: the template could not be written\n", markers);
        return;
    }
    Record record = {};
    wcscpy(record.name, L"王小明");
    record.age = 42;
    CWordOffice word;
    if (!word.CreateApp())
        return;
    long before = CallCount(word);
    bool ok = false;
    const double seconds = bench::Seconds(
        [&]
        {
            ok = word.FillWordInformation(templatePath.c_str(), kFields, 2, reinterpret_cast<char*>(&record)) &&
                 word.SaveDocumentAs(filledPath.c_str());
        });
    long calls = CallCount(word) - before - 1;
    word.Clear();
    if (!ok)
    {
        std::printf("word fill markers=%d failed\n", markers);
        return;
    }
    bool floorOk = false;
    const double floor =
        bench::Seconds([&] { floorOk = FloorFill(templatePath, floorPath, reinterpret_cast<char*>(&record)); });
    // Both must have written the same document, or the floor did other work.
    const std::wstring floorText = SavedText(floorPath);
    if (!floorOk || floorText.empty() || floorText != SavedText(filledPath))
    {
        std::printf("word fill markers=%d floor failed: its document differs from ours\n", markers);
        return;
    }
    std::printf("word fill markers=%d ours=%.2f calls=%.1f floor=%.4f vs-floor=%.0f floor-is=docx-read-replace-write\n",
                markers, seconds, double(calls) / markers, floor, seconds / std::max(floor, 1e-6));
    std::fflush(stdout);
}

}   // namespace

int main(int argc, char** argv)
{
    AfxOleInit();
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(std::atoi(argv[i]));
    if (counts.empty())
        counts = {100, 1000};
    for (int n : counts)
        if (n > 0)
            Run(n);
    return 0;
}
