// The list grid against the platform's list view and against a floor: the
// same work on a plain array of rows of std::wstring sorted with std::sort.
// Steps: build n rows x 8 text columns, read every cell in order, read n
// cells at random, sort by a column of distinct keys, sort by a column of
// two keys, scroll to the middle and paint (not for the floor), delete all
// rows. Then the grid in use: 3,000 Down keys with the editor open, Page Down
// to the end, a sort by a header double click, FindItem over every row. Wine's
// list view needs minutes to fill, so it runs at n = 20,000 only. First of
// all, a long random sequence of ordinary calls (random_sequence.cpp).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "print_client.h"
#include "random_sequence.h"
#include "qvctrl.h"
#include "common/listctrl.h"

namespace
{

const int kColumns = 8;
const int kPaintRepeats = 10;   // one paint is too short to time alone
const int kDownKeys = 3000;

// ---- texts: the same for every subject --------------------------------------

// Column 0 holds distinct keys in a scrambled order, column 1 two keys, the
// others plain texts.
void CellText(int row, int column, int rows, wchar_t* out)
{
    if (column == 0)
    {
        const unsigned long long scrambled = (unsigned long long)row * 7919ULL % (unsigned long long)rows;
        swprintf(out, 32, L"K%09llu", scrambled);
    }
    else if (column == 1)
        wcscpy(out, row % 2 ? L"乙組病人" : L"甲組病人");
    else
        swprintf(out, 32, L"R%07dC%d", row, column);
}

// A fixed sequence of (row, column) pairs for the random reads.
struct RandomCells
{
    explicit RandomCells(int rows) : m_rows(rows) {}
    std::pair<int, int> Next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return {int((m_state >> 33) % (unsigned long long)m_rows), int((m_state >> 20) % kColumns)};
    }
    int m_rows;
    unsigned long long m_state = 12345;
};

using bench::Seconds;

// Committed private memory of the process, summed over its address space
// (Wine does not report PrivateUsage through GetProcessMemoryInfo).
long long PrivateBytes()
{
    long long total = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (const char* address = nullptr; ::VirtualQuery(address, &info, sizeof(info)) == sizeof(info);
         address = static_cast<const char*>(info.BaseAddress) + info.RegionSize)
    {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += (long long)info.RegionSize;
        if (info.RegionSize == 0)
            break;
    }
    return total;
}

// ---- subjects -----------------------------------------------------------------

// What each subject does in each step; paint is empty for the floor.
struct Subject
{
    std::function<void(int)> build;
    std::function<size_t(int, int)> readCell;   // the length of one cell's text, read as a copy
    std::function<void(int)> sortColumn;
    std::function<void(int)> scrollAndPaint;
    std::function<void()> deleteAll;
    std::function<void()> keysDown;     // kDownKeys Down keys from row 0
    std::function<int()> pageToEnd;     // Page Down until the last row; answers the keys
    std::function<void()> headerSort;   // a header double click on column 2
    std::function<int(int)> findLast;   // the row of the last row's key, searched from row 0
};

// Posts a key to the window with the focus and runs the loop as a program's
// loop runs it: the windows' PreTranslateMessage first.
void PressKey(HWND fallback, UINT vk)
{
    HWND target = ::GetFocus() ? ::GetFocus() : fallback;
    ::PostMessageW(target, WM_KEYDOWN, vk, 1);
    bench::Pump([](MSG* msg) { return CWnd::WalkPreTranslateTree(nullptr, msg); });
}

size_t ReadAll(const Subject& s, int rows)
{
    size_t total = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kColumns; ++c)
            total += s.readCell(r, c);
    return total;
}

size_t ReadRandom(const Subject& s, int rows)
{
    size_t total = 0;
    RandomCells cells(rows);
    for (int i = 0; i < rows; ++i)
    {
        const auto [r, c] = cells.Next();
        total += s.readCell(r, c);
    }
    return total;
}

class Window
{
public:
    Window()
    {
        m_hWnd = ::CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 820, 620, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    }
    ~Window() { ::DestroyWindow(m_hWnd); }
    HWND m_hWnd;
};

class GridSubject
{
public:
    explicit GridSubject(HWND parent)
    {
        m_grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 800, 600), CWnd::FromHandle(parent), 1);
        for (int c = 0; c < kColumns; ++c)
        {
            const std::wstring caption = L"欄" + std::to_wstring(c);
            m_grid.InsertColumn(c, caption.c_str(), LVCFMT_LEFT, 100);
        }
    }
    Subject Steps()
    {
        Subject s;
        s.build = [this](int rows)
        {
            m_grid.AppendBlank(rows);
            wchar_t text[32];
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < kColumns; ++c)
                {
                    CellText(r, c, rows, text);
                    m_grid.SetItemText(r, c, text);
                }
        };
        s.readCell = [this](int r, int c) { return size_t(m_grid.GetItemText(r, c).GetLength()); };
        s.sortColumn = [this](int column) { m_grid.Sort(column, false); };
        s.scrollAndPaint = [this](int rows)
        {
            m_grid.EnsureVisible(rows / 2, FALSE);
            bench::PrintClient(m_grid.GetSafeHwnd(), kPaintRepeats);
        };
        s.deleteAll = [this] { m_grid.DeleteAllItems(); };
        s.keysDown = [this]
        {
            m_grid.ModifyStyle(0, LVS_EDITLABELS);
            m_grid.EditLabel(0, 1);
            for (int i = 0; i < kDownKeys; ++i)
                PressKey(m_grid.GetSafeHwnd(), VK_DOWN);
            m_grid.ModifyStyle(LVS_EDITLABELS, 0);
            m_grid.HideEditWnd();
        };
        s.pageToEnd = [this]
        {
            m_grid.EnsureVisible(0, FALSE);
            m_grid.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
            m_grid.SetFocus();
            int keys = 0;
            while (m_grid.GetSelectedItem() < m_grid.GetItemCount() - 1)
            {
                PressKey(m_grid.GetSafeHwnd(), VK_NEXT);
                ++keys;
            }
            return keys;
        };
        s.headerSort = [this]
        {
            HWND header = m_grid.GetHeadWnd()->GetSafeHwnd();
            ::SendMessageW(header, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2 * 100 + 50, 5));
        };
        s.findLast = [this](int rows)
        {
            long start = 0;
            return int(FindItem(m_grid, 0, m_grid.GetItemText(rows - 1, 0), start, 0));
        };
        return s;
    }
    // A page of rows painted at a given first row (the scroll range stops
    // short of the middle of big grids, so this paints there directly).
    double PageAt(int firstRow)
    {
        CClientDC dc(&m_grid);
        return Seconds(
            [&]
            {
                for (int i = 0; i < kPaintRepeats; ++i)
                    for (int r = firstRow; r < firstRow + 30; ++r)
                        m_grid.OnDrawRow(&dc, r);
            });
    }

private:
    CNewListCtrl m_grid;
};

class ListViewSubject
{
public:
    explicit ListViewSubject(HWND parent)
    {
        m_hWnd = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 800, 600, parent,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
        for (int c = 0; c < kColumns; ++c)
        {
            std::wstring caption = L"欄" + std::to_wstring(c);
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = 100;
            column.pszText = caption.data();
            ListView_InsertColumn(m_hWnd, c, &column);
        }
    }
    ~ListViewSubject() { ::DestroyWindow(m_hWnd); }

    Subject Steps()
    {
        Subject s;
        s.build = [this](int rows)
        {
            wchar_t text[32];
            for (int r = 0; r < rows; ++r)
            {
                CellText(r, 0, rows, text);
                LVITEMW item{};
                item.mask = LVIF_TEXT;
                item.iItem = r;
                item.pszText = text;
                ListView_InsertItem(m_hWnd, &item);
                for (int c = 1; c < kColumns; ++c)
                {
                    CellText(r, c, rows, text);
                    ListView_SetItemText(m_hWnd, r, c, text);
                }
            }
        };
        s.readCell = [this](int r, int c) { return Read(r, c).size(); };
        s.sortColumn = [this](int column)
        {
            m_sortColumn = column;
            ListView_SortItemsEx(m_hWnd, &ListViewSubject::Compare, reinterpret_cast<LPARAM>(this));
        };
        s.scrollAndPaint = [this](int rows)
        {
            ListView_EnsureVisible(m_hWnd, rows / 2, FALSE);
            bench::PrintClient(m_hWnd, kPaintRepeats);
        };
        s.deleteAll = [this] { ListView_DeleteAllItems(m_hWnd); };
        s.keysDown = [this]
        {
            ListView_SetItemState(m_hWnd, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ::SetFocus(m_hWnd);
            for (int i = 0; i < kDownKeys; ++i)
                PressKey(m_hWnd, VK_DOWN);
        };
        s.pageToEnd = [this]
        {
            ListView_SetItemState(m_hWnd, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ListView_EnsureVisible(m_hWnd, 0, FALSE);
            ::SetFocus(m_hWnd);
            const int last = ListView_GetItemCount(m_hWnd) - 1;
            int keys = 0;
            while (ListView_GetNextItem(m_hWnd, -1, LVNI_FOCUSED) < last && keys < last)
            {
                PressKey(m_hWnd, VK_NEXT);
                ++keys;
            }
            return keys;
        };
        // The list view leaves sorting on a header click to the program.
        s.headerSort = [this]
        {
            m_sortColumn = 2;
            ListView_SortItemsEx(m_hWnd, &ListViewSubject::Compare, reinterpret_cast<LPARAM>(this));
        };
        s.findLast = [this](int rows)
        {
            const std::wstring key = Read(rows - 1, 0);
            LVFINDINFOW find{};
            find.flags = LVFI_STRING;
            find.psz = key.c_str();
            return ListView_FindItem(m_hWnd, -1, &find);
        };
        return s;
    }

private:
    // A copy of the cell's text, as GetItemText gives the grid's callers.
    std::wstring Read(int row, int column)
    {
        wchar_t buffer[64] = L"";
        ListView_GetItemText(m_hWnd, row, column, buffer, 64);
        return buffer;
    }
    static int CALLBACK Compare(LPARAM index1, LPARAM index2, LPARAM self)
    {
        auto* subject = reinterpret_cast<ListViewSubject*>(self);
        wchar_t a[64] = L"", b[64] = L"";
        ListView_GetItemText(subject->m_hWnd, int(index1), subject->m_sortColumn, a, 64);
        ListView_GetItemText(subject->m_hWnd, int(index2), subject->m_sortColumn, b, 64);
        return wcscmp(a, b);
    }

    HWND m_hWnd;
    int m_sortColumn = 0;
};

class FloorSubject
{
public:
    Subject Steps()
    {
        Subject s;
        s.build = [this](int rows)
        {
            wchar_t text[32];
            m_rows.reserve(size_t(rows));
            for (int r = 0; r < rows; ++r)
            {
                std::vector<std::wstring> row;
                row.reserve(kColumns);
                for (int c = 0; c < kColumns; ++c)
                {
                    CellText(r, c, rows, text);
                    row.emplace_back(text);
                }
                m_rows.push_back(std::move(row));
            }
        };
        s.readCell = [this](int r, int c)
        {
            const std::wstring copy = m_rows[size_t(r)][size_t(c)];
            return copy.size();
        };
        s.sortColumn = [this](int column)
        {
            std::sort(m_rows.begin(), m_rows.end(),
                      [column](const auto& a, const auto& b) { return a[size_t(column)] < b[size_t(column)]; });
        };
        s.deleteAll = [this]
        {
            m_rows.clear();
            m_rows.shrink_to_fit();
        };
        return s;
    }

private:
    std::vector<std::vector<std::wstring>> m_rows;
};

// ---- the run ------------------------------------------------------------------

struct StepTimes
{
    double ours = 0, listview = -1, floor = 0;
};

void PrintStep(const char* step, int rows, const StepTimes& t, bool hasFloor)
{
    char listview[32] = "-", vsListview[32] = "-", floor[32] = "-", vsFloor[32] = "-";
    if (t.listview >= 0)
    {
        snprintf(listview, sizeof listview, "%.4f", t.listview);
        snprintf(vsListview, sizeof vsListview, "%.3f", t.ours / std::max(t.listview, 1e-6));
    }
    if (hasFloor)
    {
        snprintf(floor, sizeof floor, "%.4f", t.floor);
        snprintf(vsFloor, sizeof vsFloor, "%.3f", t.ours / std::max(t.floor, 1e-6));
    }
    printf("grid %s n=%d ours=%.4f listview=%s floor=%s vs-listview=%s vs-floor=%s\n", step, rows, t.ours, listview,
           floor, vsListview, vsFloor);
    fflush(stdout);
}

void PrintInUse(const char* step, int rows, double ours, double listview)
{
    StepTimes t;
    t.ours = ours;
    t.listview = listview;
    PrintStep(step, rows, t, false);
}

// The grid in use; the list view's figures where it runs. Answers the
// grid's seconds per Down key.
double RunInUse(int rows, const Subject& ours, const Subject* view)
{
    double listview = -1;
    const double down = Seconds([&] { ours.keysDown(); });
    if (view)
        listview = Seconds([&] { view->keysDown(); });
    PrintInUse("keys-down-editor", rows, down, listview);

    int pages = 0;
    const double paging = Seconds([&] { pages = ours.pageToEnd(); });
    if (view)
        listview = Seconds([&] { view->pageToEnd(); });
    PrintInUse("page-down-to-end", rows, paging, listview);
    printf("grid page-down-keys n=%d keys=%d per-key=%.6f\n", rows, pages, paging / std::max(pages, 1));

    const double sort = Seconds([&] { ours.headerSort(); });
    if (view)
        listview = Seconds([&] { view->headerSort(); });
    PrintInUse("header-sort", rows, sort, listview);

    int found = -1, foundView = -1;
    const double find = Seconds([&] { found = ours.findLast(rows); });
    if (view)
        listview = Seconds([&] { foundView = view->findLast(rows); });
    PrintInUse("find-item", rows, find, listview);
    if (found != rows - 1 || (view && foundView != rows - 1))
        printf("grid find-item found the wrong rows: %d %d\n", found, foundView);
    return down / kDownKeys;
}

struct Memory
{
    double ours = 0, listview = -1, floor = 0;
    double downPerKey = 0;
};

void RunSize(int rows, bool withListView, Memory& memory, HWND parent)
{
    GridSubject grid(parent);
    FloorSubject floorRows;
    Subject ours = grid.Steps(), floor = floorRows.Steps();
    ListViewSubject* listView = withListView ? new ListViewSubject(parent) : nullptr;
    Subject view = listView ? listView->Steps() : Subject{};
    const double cells = double(rows) * kColumns;
    size_t checksum = 0;

    StepTimes t;
    long long before = PrivateBytes();
    t.ours = Seconds([&] { ours.build(rows); });
    memory.ours = double(PrivateBytes() - before) / cells;
    before = PrivateBytes();
    t.floor = Seconds([&] { floor.build(rows); });
    memory.floor = double(PrivateBytes() - before) / cells;
    if (listView)
    {
        before = PrivateBytes();
        t.listview = Seconds([&] { view.build(rows); });
        memory.listview = double(PrivateBytes() - before) / cells;
    }
    PrintStep("build", rows, t, true);

    t.ours = Seconds([&] { checksum += ReadAll(ours, rows); });
    t.floor = Seconds([&] { checksum += ReadAll(floor, rows); });
    if (listView)
        t.listview = Seconds([&] { checksum += ReadAll(view, rows); });
    PrintStep("read-all", rows, t, true);

    t.ours = Seconds([&] { checksum += ReadRandom(ours, rows); });
    t.floor = Seconds([&] { checksum += ReadRandom(floor, rows); });
    if (listView)
        t.listview = Seconds([&] { checksum += ReadRandom(view, rows); });
    PrintStep("read-random", rows, t, true);

    for (int column : {0, 1})
    {
        t.ours = Seconds([&] { ours.sortColumn(column); });
        t.floor = Seconds([&] { floor.sortColumn(column); });
        if (listView)
            t.listview = Seconds([&] { view.sortColumn(column); });
        PrintStep(column == 0 ? "sort-distinct" : "sort-two-keys", rows, t, true);
    }

    t.ours = Seconds([&] { ours.scrollAndPaint(rows); });
    if (listView)
        t.listview = Seconds([&] { view.scrollAndPaint(rows); });
    PrintStep("scroll-paint", rows, t, false);

    const double atTop = grid.PageAt(10), atMiddle = grid.PageAt(rows / 2);
    printf("grid page-paint n=%d row10=%.4f middle=%.4f middle-vs-row10=%.3f\n", rows, atTop, atMiddle,
           atMiddle / std::max(atTop, 1e-6));

    memory.downPerKey = RunInUse(rows, ours, listView ? &view : nullptr);

    t.ours = Seconds([&] { ours.deleteAll(); });
    t.floor = Seconds([&] { floor.deleteAll(); });
    if (listView)
        t.listview = Seconds([&] { view.deleteAll(); });
    PrintStep("delete-all", rows, t, true);
    delete listView;
    if (checksum == 0)
        printf("grid no texts were read\n");
}

}   // namespace

// With the argument "random-sequence" only the random call sequence runs.
int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&init);
    Window parent;
    gridbench::RunRandomSequence();
    if (argc > 1 && strcmp(argv[1], "random-sequence") == 0)
        return 0;
    Memory atListViewSize, atLargest;
    for (int rows : {20000, 100000, 200000})
    {
        Memory memory;
        RunSize(rows, rows == 20000, memory, parent.m_hWnd);
        if (rows == 20000)
            atListViewSize = memory;
        atLargest = memory;
    }
    printf("grid memory-per-cell n=20000 ours=%.1f listview=%.1f floor=%.1f bytes\n", atListViewSize.ours,
           atListViewSize.listview, atListViewSize.floor);
    printf("grid memory-per-cell n=200000 ours=%.1f floor=%.1f bytes\n", atLargest.ours, atLargest.floor);
    printf("grid key-cost down-with-editor n=20000 per-key=%.6f n=200000 per-key=%.6f ratio=%.3f\n",
           atListViewSize.downPerKey, atLargest.downPerKey,
           atLargest.downPerKey / std::max(atListViewSize.downPerKey, 1e-9));
    return 0;
}
