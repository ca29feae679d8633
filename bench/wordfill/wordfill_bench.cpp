// Filling a Word template of n markers through the stand-in server and saving
// it: the seconds it takes and the automation calls per marker.
//   wordfill_bench.exe [marker counts...]   (default 100 1000)
// Prints "word fill markers=<n> ours=<s> calls=<calls per marker>".
#include <windows.h>

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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
    auto start = std::chrono::steady_clock::now();
    bool ok = word.FillWordInformation(templatePath.c_str(), kFields, 2, reinterpret_cast<char*>(&record)) &&
              word.SaveDocumentAs(filledPath.c_str());
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    long calls = CallCount(word) - before - 1;
    word.Clear();
    if (!ok)
    {
        std::printf("word fill markers=%d failed\n", markers);
        return;
    }
    std::printf("word fill markers=%d ours=%.2f calls=%.1f\n", markers, seconds, double(calls) / markers);
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
