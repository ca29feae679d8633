// Filling a large report template from a record: CFillHtml's general filler
// against a floor, one pass that copies the template into a new buffer and
// puts a value of the marker's own length in place of each marker.
//   html fill bytes=<n> ours=<s> floor=<s> vs-floor=<ratio>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "qvctrl.h"

namespace
{

struct VisitRecord
{
    wchar_t szCode[8];
    __time64_t tVisit;
    wchar_t szName[20];
    double dFee;
    int nAge;
    wchar_t szChart[12];
};

CfField g_fields[] = {
    {8, L"Code", offsetof(VisitRecord, szCode), FIELD_TEXT, 0, 0, 0},
    {10, L"姓名", offsetof(VisitRecord, szName), FIELD_TEXT, 0, 0, 0},
    {10, L"Visit", offsetof(VisitRecord, tVisit), FIELD_DATE_SLASH, 0, 0, 0},
    {8, L"Fee", offsetof(VisitRecord, dFee), FIELD_DOUBLE, 1, 0, 0},
    {4, L"年齡", offsetof(VisitRecord, nAge), FIELD_INT, 0, 0, 0},
};
const int kFieldCount = int(sizeof g_fields / sizeof g_fields[0]);

// One table row of the template: five markers and the text around them.
const wchar_t kRow[] = L"<tr><td class=\"code\">[Code]</td><td class=\"name\">[姓名]</td><td>[Visit]</td>"
                       L"<td align=\"right\">[Fee]</td><td>[年齡]</td></tr>\r\n";
const int kMarkersPerRow = 5;
const wchar_t kMarkerStart = L'[';
const wchar_t kMarkerEnd = L']';
const int kMegabyte = 1024 * 1024;
const int kMarkersPer5MB = 20000;

// A template of about nBytes (UTF-16) holding nMarkers markers: rows, each
// followed by plain text so that the markers are spread over the whole.
std::wstring MakeTemplate(int nBytes, int nMarkers)
{
    const int nRows = nMarkers / kMarkersPerRow;
    const size_t nChars = size_t(nBytes) / sizeof(wchar_t);
    const size_t nRowChars = wcslen(kRow);
    const size_t nFillPerRow = nChars / size_t(nRows) > nRowChars ? nChars / size_t(nRows) - nRowChars : 0;
    std::wstring filler(nFillPerRow, L'x');
    std::wstring text;
    text.reserve(nChars + 64);
    for (int i = 0; i < nRows; ++i)
    {
        text += kRow;
        text += filler;
    }
    return text;
}

HGLOBAL MakeDocument(const std::wstring& text)
{
    const size_t nBytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL hDocument = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (hDocument == nullptr)
        return nullptr;
    std::memcpy(::GlobalLock(hDocument), text.c_str(), nBytes);
    ::GlobalUnlock(hDocument);
    return hDocument;
}

// The floor: one pass into a new block, each marker replaced by as many
// characters of a value as the marker has. Answers the markers replaced.
int FloorFill(const std::wstring& text, std::vector<wchar_t>& out)
{
    static const wchar_t kValue[] = L"0123456789012345678901234567890123456789";
    out.resize(text.size() + 1);
    int nMarkers = 0;
    size_t o = 0;
    for (size_t i = 0; i < text.size();)
    {
        if (text[i] != kMarkerStart)
        {
            out[o++] = text[i++];
            continue;
        }
        const size_t end = text.find(kMarkerEnd, i);
        if (end == std::wstring::npos)
        {
            out[o++] = text[i++];
            continue;
        }
        for (size_t k = 0; k <= end - i; ++k)
            out[o++] = kValue[k % 40];
        ++nMarkers;
        i = end + 1;
    }
    out[o] = 0;
    return nMarkers;
}

bool RunOnce(int nBytes, int nMarkers)
{
    VisitRecord record = {};
    wcscpy(record.szCode, L"A1234");
    wcscpy(record.szName, L"陳大文");
    record.tVisit = CTime(2026, 3, 5, 9, 30, 0).GetTime();
    record.dFee = 1250.5;
    record.nAge = 42;

    const std::wstring text = MakeTemplate(nBytes, nMarkers);
    HGLOBAL hDocument = MakeDocument(text);
    if (hDocument == nullptr)
        return false;
    CFillHtml filler;
    HGLOBAL hFilled = nullptr;
    const double ours = bench::Seconds(
        [&]
        {
            hFilled = filler.FillInformation(hDocument, g_fields, kFieldCount, reinterpret_cast<char*>(&record),
                                             kMarkerStart, kMarkerEnd);
        });
    if (hFilled == nullptr)
        return false;
    ::GlobalFree(hFilled);

    std::vector<wchar_t> out;
    int nReplaced = 0;
    const double floor = bench::Seconds([&] { nReplaced = FloorFill(text, out); });
    if (nReplaced != nMarkers)
        return false;
    std::printf("html fill bytes=%zu ours=%.4f floor=%.4f vs-floor=%.1f\n", text.size() * sizeof(wchar_t), ours, floor,
                floor > 0 ? ours / floor : 0.0);
    std::fflush(stdout);
    return true;
}

}   // namespace

int main()
{
    // Markers in proportion to the size: 20,000 in 5 MB.
    const int sizes[] = {1, 5};
    for (int nMB : sizes)
    {
        if (!RunOnce(nMB * kMegabyte, kMarkersPer5MB * nMB / 5))
        {
            std::printf("html fill bytes=%d failed\n", nMB * kMegabyte);
            return 1;
        }
    }
    return 0;
}
