// Speed of the "TreeList" window against the platform's tree view, driven by the same
// messages in the same run. Prints one line per step:
//   tree <step> n=<items> ours=<seconds> treeview=<seconds> ratio=<ours/treeview>
// Arguments: item counts to run (default 100000 200000, to show linear growth).
// Wine's tree view is quadratic in some steps (appending 20,000 roots takes it minutes),
// so in those steps, above kTreeViewCap items, it runs at kTreeViewCap and its time is
// scaled up in proportion: a lower bound on its real time, which grows at least linearly.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "control/treelist.h"

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)frequency.QuadPart;
}

HWND MakeTree(HWND parent, const wchar_t* className)
{
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, 0, 0, 400, 300,
                           parent, (HMENU)1, GetModuleHandleW(nullptr), nullptr);
}

HTREEITEM Insert(HWND tree, HTREEITEM parent, const wchar_t* text, HTREEITEM after = TVI_LAST)
{
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text);
    return (HTREEITEM)SendMessageW(tree, TVM_INSERTITEMW, 0, (LPARAM)&insert);
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// The steps; each returns its time in seconds on a fresh tree of one kind.
constexpr int kTreeViewCap = 5000;

struct Steps {
    HWND frame;
    int n;

    double Timed(const wchar_t* className, int n, void (*prepare)(HWND, int), void (*measured)(HWND, int)) const
    {
        HWND tree = MakeTree(frame, className);
        prepare(tree, n);
        Pump();
        const double start = Now();
        measured(tree, n);
        const double seconds = Now() - start;
        SendMessageW(tree, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
        DestroyWindow(tree);
        Pump();
        return seconds;
    }
};

std::vector<HTREEITEM> g_parents;
std::vector<HTREEITEM> g_items;  // every item of the last InsertCollapsed

void Nothing(HWND, int) {}

void InsertCollapsed(HWND tree, int n)
{
    g_parents.clear();
    g_items.clear();
    const int parents = n / 100;
    wchar_t text[32];
    for (int p = 0; p < parents; ++p) {
        swprintf(text, 32, L"parent %d", p);
        HTREEITEM parent = Insert(tree, TVI_ROOT, text);
        g_parents.push_back(parent);
        g_items.push_back(parent);
        for (int c = 0; c < 99; ++c) {
            swprintf(text, 32, L"child %d.%d", p, c);
            g_items.push_back(Insert(tree, parent, text));
        }
    }
}

void ExpandAll(HWND tree, int)
{
    for (HTREEITEM parent : g_parents) SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, (LPARAM)parent);
}

void AppendRoots(HWND tree, int n)
{
    wchar_t text[32];
    for (int i = 0; i < n; ++i) {
        swprintf(text, 32, L"root %d", i);
        Insert(tree, TVI_ROOT, text);
    }
}

void ReadTexts(HWND tree, int)
{
    wchar_t buffer[64];
    long long total = 0;
    for (HTREEITEM item : g_items) {
        TVITEMW query = {};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = buffer;
        query.cchTextMax = 64;
        SendMessageW(tree, TVM_GETITEMW, 0, (LPARAM)&query);
        total += buffer[0];
    }
    if (total == 42) std::puts("");
}

constexpr int kKeySteps = 3000;

void SelectFirst(HWND tree, int n)
{
    AppendRoots(tree, n);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    SetFocus(tree);
}

void KeyDown(HWND tree, int)
{
    for (int i = 0; i < kKeySteps; ++i) SendMessageW(tree, WM_KEYDOWN, VK_DOWN, 1);
}

HTREEITEM g_sortParent;

void FillSortParent(HWND tree, int)
{
    g_sortParent = Insert(tree, TVI_ROOT, L"parent");
    wchar_t text[32];
    srand(7);
    for (int i = 0; i < 10000; ++i) {
        swprintf(text, 32, L"item %05d", rand() % 100000);
        Insert(tree, g_sortParent, text);
    }
}

void SortParent(HWND tree, int) { SendMessageW(tree, TVM_SORTCHILDREN, 0, (LPARAM)g_sortParent); }

void DeleteAll(HWND tree, int) { SendMessageW(tree, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT); }

void Report(const char* step, int n, double ours, double theirs)
{
    std::printf("tree %s n=%d ours=%.3f treeview=%.3f ratio=%.2f\n", step, n, ours, theirs,
                theirs > 0 ? ours / theirs : 0.0);
    std::fflush(stdout);
}

// `capped`: the tree view runs this step at kTreeViewCap items at the most.
void Run(const Steps& s, const char* step, int n, bool capped, void (*prepare)(HWND, int),
         void (*measured)(HWND, int))
{
    const double ours = s.Timed(TREELIST_CLASSNAME, s.n, prepare, measured);
    const int theirsN = capped && s.n > kTreeViewCap ? kTreeViewCap : s.n;
    const double theirs = s.Timed(WC_TREEVIEWW, theirsN, prepare, measured) * s.n / theirsN;
    Report(step, n, ours, theirs);
}

}  // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!TreeListRegister()) return 1;
    HWND frame = CreateWindowExW(0, L"STATIC", L"tree bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 420, 340,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {100000, 200000};
    std::printf("# tree view: expand_all, append_roots and select_keys above n=%d are its time at n=%d "
                "scaled by n/%d\n", kTreeViewCap, kTreeViewCap, kTreeViewCap);
    for (int n : sizes) {
        const Steps s = {frame, n};
        Run(s, "insert_collapsed", n, false, Nothing, InsertCollapsed);
        Run(s, "expand_all", n, true, InsertCollapsed, ExpandAll);
        Run(s, "append_roots", n, true, Nothing, AppendRoots);
        Run(s, "read_text", n, false, InsertCollapsed, ReadTexts);
        Run(s, "select_keys", kKeySteps, true, SelectFirst, KeyDown);
        Run(s, "sort_children", 10000, false, FillSortParent, SortParent);
        Run(s, "delete_all", n, false, InsertCollapsed, DeleteAll);
    }
    DestroyWindow(frame);
    return 0;
}
