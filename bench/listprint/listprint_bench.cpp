// Printing a list of records with CListPrint on the PDF queue, from the start
// of the job to the PDF on disk, against a floor: the same texts drawn with
// plain TextOut calls at the same places on the same printer DC.
//   listprint_bench.exe [record counts...]   (default 1000 10000)
#include "bench_clock.h"
#include "qvctrl.h"
#include "control/listprint.h"
#include "printed_pdf.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

const unsigned kPdfTimeoutMs = 600000;
const int kFields = 8;
const int kDateField = 4;

#pragma pack(push, 1)
struct BenchRecord
{
    wchar_t name[12];
    wchar_t idCard[12];
    wchar_t phone[12];
    wchar_t city[8];
    __time64_t birth;
    double fee;
    int visits;
    int insured;
};
#pragma pack(pop)

CfField g_fields[kFields] = {
    {10, L"姓名", offsetof(BenchRecord, name), FIELD_TEXT, 0, 0, 0},
    {11, L"身分證", offsetof(BenchRecord, idCard), FIELD_TEXT, 0, 0, 0},
    {11, L"電話", offsetof(BenchRecord, phone), FIELD_TEXT, 0, 0, 0},
    {7, L"縣市", offsetof(BenchRecord, city), FIELD_TEXT, 0, 0, 0},
    {10, L"生日", offsetof(BenchRecord, birth), FIELD_DATE_SLASH, 0, 0, 0},
    {9, L"費用", offsetof(BenchRecord, fee), FIELD_DOUBLE, 2, 0, 0},
    {5, L"次數", offsetof(BenchRecord, visits), FIELD_INT, 0, 0, 0},
    {5, L"健保", offsetof(BenchRecord, insured), FIELD_YESNO, 0, 0, 0},
};

CString ItemText(long nRow, int nField)
{
    static const wchar_t* const cities[] = {L"台北市", L"新北市", L"台中市", L"高雄市"};
    CString text;
    switch (nField)
    {
    case 0:
        text.Format(L"病患%05ld", nRow + 1);
        break;
    case 1:
        text.Format(L"A1%08ld", nRow + 1);
        break;
    case 2:
        text.Format(L"02-2%07ld", nRow);
        break;
    case 3:
        text = cities[nRow % 4];
        break;
    case kDateField:
        text.Format(L"%04ld/%02ld/15", 1971 + nRow % 50, 1 + nRow % 12);
        break;
    case 5:
        text.Format(L"%ld.50", 100 + nRow % 900);
        break;
    case 6:
        text.Format(L"%ld", 1 + nRow % 9);
        break;
    case 7:
        text = nRow % 2 ? L"是" : L"否";
        break;
    default:
        break;
    }
    return text;
}

// The text the list printer draws for a cell: dates come out compact.
CString PrintedText(long nRow, int nField)
{
    CString text = ItemText(nRow, nField);
    if (nField == kDateField)
        text.Remove(L'/');
    return text;
}

class CBenchPrint : public CListPrint
{
public:
    explicit CBenchPrint(long nRecords) : m_nRecords(nRecords)
    {
        SetPrintField(g_fields, kFields);
        m_strTitle = L"病患清單";
    }
    long GetRecordCount() override { return m_nRecords; }
    long GetRecordLength() override { return sizeof(BenchRecord); }
    CString GetItemText(long nRow, int nField) override { return ItemText(nRow, nField); }
    using CPrintCommon::m_nLeftMargin;

private:
    long m_nRecords;
};

struct JobResult
{
    double total = 0;
    double firstPage = 0;
    UINT pages = 0;
};

// One job on the PDF printer: pagePrinter(dc, info) draws each page.
template <class Begin, class Page> JobResult RunJob(const std::wstring& jobName, Begin begin, Page page)
{
    JobResult result;
    const double start = bench::Now();
    CDC dc;
    dc.Attach(::CreateDCW(nullptr, L"PDF", nullptr, nullptr));
    if (dc.m_hDC == nullptr)
        return result;
    CFont font;
    font.CreateFont(-static_cast<int>(dc.GetDeviceCaps(LOGPIXELSY) * 3.7 / 25.4), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                    CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
    CFont* pOld = dc.SelectObject(&font);
    CPrintInfo info;
    begin(dc, info);
    result.pages = info.GetMaxPage();
    DOCINFOW doc = {sizeof doc, jobName.c_str()};
    dc.StartDoc(&doc);
    for (UINT p = 1; p <= result.pages; ++p)
    {
        info.m_nCurPage = p;
        dc.StartPage();
        page(dc, info);
        dc.EndPage();
        if (p == 1)
            result.firstPage = bench::Now() - start;
    }
    dc.EndDoc();
    dc.SelectObject(pOld);
    // Spooling is part of the job: it ends with the PDF complete on disk.
    qvtest::WaitForPrintedPdf(jobName, kPdfTimeoutMs);
    result.total = bench::Now() - start;
    return result;
}

}   // namespace

int main(int argc, char** argv)
{
    std::vector<long> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(atol(argv[i]));
    if (counts.empty())
        counts = {1000, 10000};
    for (long n : counts)
    {
        const std::wstring stamp = std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(n) + L"_" +
                                   std::to_wstring(GetTickCount64() % 1000000);
        CBenchPrint print(n);
        const JobResult ours = RunJob(
            L"qvbench_listprint_ours_" + stamp, [&](CDC& dc, CPrintInfo& info) { print.OnBeginPrinting(&dc, &info); },
            [&](CDC& dc, CPrintInfo& info) { print.OnPrint(&dc, &info); });

        // The floor: every cell's text at its cell's place, nothing else.
        CBenchPrint layout(n);
        int W = 0, firstY = 0;
        const JobResult floor = RunJob(
            L"qvbench_listprint_floor_" + stamp,
            [&](CDC& dc, CPrintInfo& info)
            {
                layout.OnBeginPrinting(&dc, &info);
                TEXTMETRIC tm;
                dc.GetTextMetrics(&tm);
                W = tm.tmAveCharWidth;
                firstY = 6 * layout.m_nLineHeight;
            },
            [&](CDC& dc, CPrintInfo& info)
            {
                const long first = static_cast<long>(info.m_nCurPage - 1) * layout.m_nRowsPerPage;
                int y = firstY;
                for (long r = first; r < first + layout.m_nRowsPerPage && r < n; ++r, y += layout.m_nLineHeight)
                    for (int f = 0; f < kFields; ++f)
                        dc.TextOut(g_fields[f].nPos * W + layout.m_nLeftMargin, y, PrintedText(r, f));
            });
        std::printf("print records=%ld pages=%u ours=%.2f floor=%.2f vs-floor=%.2f first-page=%.3f\n", n, ours.pages,
                    ours.total, floor.total, floor.total > 0 ? ours.total / floor.total : 0.0, ours.firstPage);
        std::fflush(stdout);
    }
    return 0;
}
