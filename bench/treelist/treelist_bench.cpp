// Speed of the "TreeList" window against the platform's tree view, driven by the same
// messages in the same run. Prints one line per step:
//   tree <step> n=<items> ours=<seconds> treeview=<seconds> ratio=<ours/treeview>
// Arguments: item counts to run (default 100000 200000, to show linear growth);
// "--ours" leaves the platform's tree out (treeview=0) for a quick look at our figures.
// Wine's tree view is quadratic in some steps (appending 20,000 roots takes it minutes),
// so in those steps, above kTreeViewCap items, it runs at kTreeViewCap and its time is
// scaled up in proportion: a lower bound on its real time, which grows at least linearly.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "qvctrl.h"

namespace
{

using bench::Now;
using bench::Pump;

// Both trees are filled through the framework's classes: ours through CTreeListCtrl,
// the platform's through CTreeCtrl, with the same inherited calls.
CTreeCtrl* MakeTree(HWND parent, bool ours)
{
    CTreeCtrl* tree = ours ? new CTreeListCtrl : new CTreeCtrl;
    const DWORD style = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES;
    const BOOL made =
        ours ? static_cast<CTreeListCtrl*>(tree)->Create(style, CRect(0, 0, 400, 300), CWnd::FromHandle(parent), 1)
             : tree->Create(style, CRect(0, 0, 400, 300), CWnd::FromHandle(parent), 1);
    if (!made)
    {
        std::fprintf(stderr, "cannot create a %s\n", ours ? "tree list" : "tree view");
        std::exit(1);
    }
    return tree;
}

// The steps; each returns its time in seconds on a fresh tree of one kind.
constexpr int kTreeViewCap = 5000;

struct Steps
{
    HWND frame;
    int n;
    bool withTreeView;

    double Timed(bool ours, int n, void (*prepare)(CTreeCtrl&, int), void (*measured)(CTreeCtrl&, int)) const
    {
        CTreeCtrl* tree = MakeTree(frame, ours);
        prepare(*tree, n);
        Pump();
        const double start = Now();
        measured(*tree, n);
        const double seconds = Now() - start;
        tree->DeleteAllItems();
        tree->DestroyWindow();
        delete tree;
        Pump();
        return seconds;
    }
};

std::vector<HTREEITEM> g_parents;
std::vector<HTREEITEM> g_items;   // every item of the last InsertCollapsed

void Nothing(CTreeCtrl&, int) {}

void InsertCollapsed(CTreeCtrl& tree, int n)
{
    g_parents.clear();
    g_items.clear();
    const int parents = n / 100;
    wchar_t text[32];
    for (int p = 0; p < parents; ++p)
    {
        swprintf(text, 32, L"parent %d", p);
        HTREEITEM parent = tree.InsertItem(text);
        g_parents.push_back(parent);
        g_items.push_back(parent);
        for (int c = 0; c < 99; ++c)
        {
            swprintf(text, 32, L"child %d.%d", p, c);
            g_items.push_back(tree.InsertItem(text, parent));
        }
    }
}

void ExpandAll(CTreeCtrl& tree, int)
{
    for (HTREEITEM parent : g_parents)
        tree.Expand(parent, TVE_EXPAND);
}

void AppendRoots(CTreeCtrl& tree, int n)
{
    wchar_t text[32];
    for (int i = 0; i < n; ++i)
    {
        swprintf(text, 32, L"root %d", i);
        tree.InsertItem(text);
    }
}

void ReadTexts(CTreeCtrl& tree, int)
{
    wchar_t buffer[64];
    long long total = 0;
    for (HTREEITEM item : g_items)
    {
        TVITEMW query = {};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = buffer;
        query.cchTextMax = 64;
        tree.GetItem(&query);
        total += buffer[0];
    }
    if (total == 42)
        std::puts("");
}

constexpr int kKeySteps = 3000;

void SelectFirst(CTreeCtrl& tree, int n)
{
    AppendRoots(tree, n);
    tree.SelectItem(tree.GetRootItem());
    tree.SetFocus();
}

void KeyDown(CTreeCtrl& tree, int)
{
    for (int i = 0; i < kKeySteps; ++i)
        tree.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
}

HTREEITEM g_sortParent;

void FillSortParent(CTreeCtrl& tree, int)
{
    g_sortParent = tree.InsertItem(L"parent");
    wchar_t text[32];
    srand(7);
    for (int i = 0; i < 10000; ++i)
    {
        swprintf(text, 32, L"item %05d", rand() % 100000);
        tree.InsertItem(text, g_sortParent);
    }
}

void SortParent(CTreeCtrl& tree, int)
{
    tree.SortChildren(g_sortParent);
}

void DeleteAll(CTreeCtrl& tree, int)
{
    tree.DeleteAllItems();
}

void Report(const char* step, int n, double ours, double theirs)
{
    std::printf("tree %s n=%d ours=%.3f treeview=%.3f ratio=%.2f\n", step, n, ours, theirs,
                theirs > 0 ? ours / theirs : 0.0);
    std::fflush(stdout);
}

// `capped`: the tree view runs this step at kTreeViewCap items at the most.
void Run(const Steps& s, const char* step, int n, bool capped, void (*prepare)(CTreeCtrl&, int),
         void (*measured)(CTreeCtrl&, int))
{
    const double ours = s.Timed(true, s.n, prepare, measured);
    const int theirsN = capped && s.n > kTreeViewCap ? kTreeViewCap : s.n;
    const double theirs = s.withTreeView ? s.Timed(false, theirsN, prepare, measured) * s.n / theirsN : 0.0;
    Report(step, n, ours, theirs);
}

}   // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!TreeListRegister())
        return 1;
    HWND frame = CreateWindowExW(0, L"STATIC", L"tree bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 420, 340, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    std::vector<int> sizes;
    bool withTreeView = true;
    for (int i = 1; i < argc; ++i)
    {
        if (std::string(argv[i]) == "--ours")
            withTreeView = false;
        else
            sizes.push_back(std::atoi(argv[i]));
    }
    if (sizes.empty())
        sizes = {100000, 200000};
    std::printf("# tree view: expand_all, append_roots and select_keys above n=%d are its time at n=%d "
                "scaled by n/%d\n",
                kTreeViewCap, kTreeViewCap, kTreeViewCap);
    for (int n : sizes)
    {
        const Steps s = {frame, n, withTreeView};
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
