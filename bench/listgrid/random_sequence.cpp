// The random call sequence: columns added and removed (groups and lower
// items among them), texts set (up to 70,000 characters), rows appended,
// enlarged mode with sizes and header heights a program may pass, scrolling
// and painting. The list view gets the same calls where it has them (a font
// of the same height for enlarging; nothing for the header height).
#include "random_sequence.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

#include "bench_clock.h"
#include "print_client.h"
#include "qvctrl.h"
#include "common/listctrl.h"

namespace gridbench
{
namespace
{

const unsigned kSeed = 20261207;
const int kSteps = 600;
const int kMaxColumns = 24;
const int kLongText = 70000;
const int kSubjectWidth = 600;
const int kSubjectHeight = 480;

enum Operation
{
    kAddColumn,
    kDeleteColumn,
    kSetText,
    kAppendRows,
    kEnlarge,
    kHeadHeight,
    kScroll,
    kPaint,
    kPrintClient,
    kOperationCount
};

const char* const kOperationNames[kOperationCount] = {"add-column",  "delete-column", "set-text",
                                                      "append-rows", "enlarge",       "head-height",
                                                      "scroll",      "paint",         "print-client"};

// One call drawn from the generator, with everything both subjects need.
struct Step
{
    Operation operation = kPaint;
    int column = 0;
    int row = 0;
    int width = 0;
    int level = HEADLEVEL_FULL;
    int size = 0;   // enlarged size, header height, rows to append or scroll offset
    std::wstring text;
};

class StepSource
{
public:
    Step Next(int columns, int rows)
    {
        Step step;
        step.operation = Operation(Pick(0, kOperationCount - 1));
        step.column = Pick(0, std::max(columns - 1, 0));
        step.row = Pick(0, std::max(rows - 1, 0));
        switch (step.operation)
        {
        case kAddColumn:
            step.width = Pick(0, 600);
            step.level = Pick(0, 5) == 0 ? HEADLEVEL_LOWER : Pick(0, 5) == 0 ? Pick(HEADLEVEL_GROUP, 400) : 0;
            break;
        case kSetText:
            step.text = Text(Pick(0, 3) == 0 ? kLongText : Pick(0, 40));
            break;
        case kAppendRows:
            step.size = Pick(1, 60);
            break;
        case kEnlarge:
            step.size = Pick(1, 700);
            break;
        case kHeadHeight:
            step.size = Pick(0, 4) == 0 ? Pick(2000, 200000) : Pick(0, 400);
            break;
        case kScroll:
            step.size = Pick(0, 20000);
            break;
        default:
            break;
        }
        return step;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    // Chinese characters, Latin letters and digits in a random mix.
    std::wstring Text(int length)
    {
        std::wstring text(size_t(length), L' ');
        for (wchar_t& c : text)
            c = Pick(0, 2) ? wchar_t(Pick(0x4E00, 0x9FA5)) : wchar_t(Pick(L'0', L'z'));
        return text;
    }
    std::mt19937 m_random{kSeed};
};

// Paints a window and its children on the screen at once, as a program's
// UpdateWindow after an invalidation does.
void PaintNow(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

class GridCalls
{
public:
    explicit GridCalls(HWND parent)
    {
        m_grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kSubjectWidth, kSubjectHeight), CWnd::FromHandle(parent), 2);
    }
    int Columns() { return m_grid.GetHeadWnd()->GetItemCount(); }
    int Rows() { return m_grid.GetItemCount(); }
    void Run(const Step& step)
    {
        switch (step.operation)
        {
        case kAddColumn:
        {
            LVCOLUMN column{LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, LVCFMT_LEFT, step.width, const_cast<LPWSTR>(L"欄位")};
            column.iOrder = step.level;
            m_grid.InsertColumn(step.column, &column);
            break;
        }
        case kDeleteColumn:
            m_grid.DeleteColumn(step.column);
            break;
        case kSetText:
            m_grid.SetItemText(step.row, step.column, step.text.c_str());
            break;
        case kAppendRows:
            m_grid.AppendBlank(step.size);
            break;
        case kEnlarge:
            m_grid.SendMessage(UM_ENLARGE, 0, step.size);
            break;
        case kHeadHeight:
            m_grid.SetHeadHeight(step.size);
            break;
        case kScroll:
            m_grid.EnsureVisible(step.row, FALSE);
            m_grid.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, step.size % 0x8000), 0);
            break;
        case kPaint:
            PaintNow(m_grid.GetSafeHwnd());
            break;
        case kPrintClient:
            bench::PrintClient(m_grid.GetSafeHwnd());
            bench::PrintClient(m_grid.GetHeadWnd()->GetSafeHwnd());
            break;
        default:
            break;
        }
    }

private:
    CNewListCtrl m_grid;
};

class ListViewCalls
{
public:
    explicit ListViewCalls(HWND parent)
    {
        m_hWnd =
            ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, kSubjectWidth + 10, 0,
                              kSubjectWidth, kSubjectHeight, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    ~ListViewCalls()
    {
        ::DestroyWindow(m_hWnd);
        if (m_font)
            ::DeleteObject(m_font);
    }
    void Run(const Step& step)
    {
        switch (step.operation)
        {
        case kAddColumn:
        {
            LVCOLUMNW column{LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, LVCFMT_LEFT, step.width, const_cast<LPWSTR>(L"欄位")};
            ListView_InsertColumn(m_hWnd, step.column, &column);
            break;
        }
        case kDeleteColumn:
            ListView_DeleteColumn(m_hWnd, step.column);
            break;
        case kSetText:
            ListView_SetItemText(m_hWnd, step.row, step.column, const_cast<LPWSTR>(step.text.c_str()));
            break;
        case kAppendRows:
            for (int i = 0; i < step.size; ++i)
            {
                LVITEMW item{LVIF_TEXT};
                item.iItem = ListView_GetItemCount(m_hWnd);
                item.pszText = const_cast<LPWSTR>(L"");
                ListView_InsertItem(m_hWnd, &item);
            }
            break;
        case kEnlarge:
            SetFontHeight(step.size * 16 / 10);
            break;
        case kScroll:
            ListView_EnsureVisible(m_hWnd, step.row, FALSE);
            ListView_Scroll(m_hWnd, step.size % 0x8000, 0);
            break;
        case kPaint:
            PaintNow(m_hWnd);
            break;
        case kPrintClient:
            bench::PrintClient(m_hWnd);
            bench::PrintClient(ListView_GetHeader(m_hWnd));
            break;
        default:
            break;
        }
    }

private:
    void SetFontHeight(int height)
    {
        LOGFONTW logFont{};
        logFont.lfHeight = height;
        wcscpy_s(logFont.lfFaceName, L"新細明體");
        HFONT font = ::CreateFontIndirectW(&logFont);
        ::SendMessageW(m_hWnd, WM_SETFONT, WPARAM(font), TRUE);
        if (m_font)
            ::DeleteObject(m_font);
        m_font = font;
    }
    HWND m_hWnd;
    HFONT m_font = nullptr;
};

struct Worst
{
    double seconds = 0;
    int step = -1;
};

void RunOn(HWND parent)
{
    GridCalls grid(parent);
    ListViewCalls view(parent);
    StepSource source;
    Worst ours[kOperationCount], listview[kOperationCount];
    double oursTotal = 0, listviewTotal = 0;
    for (int i = 0; i < kSteps; ++i)
    {
        Step step = source.Next(grid.Columns(), grid.Rows());
        if (step.operation == kAddColumn && grid.Columns() >= kMaxColumns)
            step.operation = kDeleteColumn;
        const double a = bench::Seconds([&] { grid.Run(step); });
        const double b = bench::Seconds([&] { view.Run(step); });
        oursTotal += a;
        listviewTotal += b;
        Worst& o = ours[step.operation];
        if (a > o.seconds)
            o = Worst{a, i};
        Worst& v = listview[step.operation];
        if (b > v.seconds)
            v = Worst{b, i};
    }
    for (int k = 0; k < kOperationCount; ++k)
        printf("grid random-sequence worst-%s ours=%.4f (step %d) listview=%.4f (step %d) vs-listview=%.3f\n",
               kOperationNames[k], ours[k].seconds, ours[k].step, listview[k].seconds, listview[k].step,
               ours[k].seconds / std::max(listview[k].seconds, 1e-6));
    printf("grid random-sequence steps=%d seed=%u ours=%.4f listview=%.4f vs-listview=%.3f\n", kSteps, kSeed, oursTotal,
           listviewTotal, oursTotal / std::max(listviewTotal, 1e-6));
    fflush(stdout);
}

}   // namespace

void RunRandomSequence()
{
    // Both subjects side by side in a shown window, so that painting is real.
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"random sequence", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                    2 * kSubjectWidth + 40, kSubjectHeight + 60, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    RunOn(parent);
    ::DestroyWindow(parent);
}

}   // namespace gridbench
