// Speed of CNewTreeListCtrl, inside its host window CTreeList, against the
// platform's tree view doing the same work in the same run. One line per step:
//   tree <step> n=<items> ours=<seconds> treeview=<seconds> ratio=<ours/treeview>
// Arguments: item counts (default 20000 100000). Items are parents of 100
// children; ours also get a second column text. Steps: insert (collapsed),
// expand_all, sort_children (a parent of 10,000 children: ours by column 0 with
// CompareFunc, the tree view by its texts), paint (50 full repaints of the
// expanded tree) and delete_all.
// Both trees have the same size, and the bulk steps run with redrawing turned off,
// as a program fills a large tree: with a scroll bar showing, Wine's tree view
// redraws the bar at every insertion, about 10 ms each, whoever inserts.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_clock.h"
#include "qvctrl.h"

namespace
{

constexpr int kChildren = 100;
constexpr int kSortChildren = 10000;
constexpr int kRepaints = 50;
constexpr UINT kHostId = 5;

using bench::Now;
using bench::Pump;

// One kind of tree: what each step does to it.
class Subject
{
public:
    virtual ~Subject() = default;
    virtual HWND Window() const = 0;
    virtual HTREEITEM Insert(HTREEITEM hParent, const wchar_t* text, const wchar_t* second) = 0;
    virtual void Sort(HTREEITEM hParent) = 0;
    virtual void DeleteAll() = 0;
    void SetRedraw(bool on) { SendMessageW(Window(), WM_SETREDRAW, on, 0); }
    RECT Place() const
    {
        RECT rect;
        GetWindowRect(Window(), &rect);
        MapWindowPoints(nullptr, GetParent(Window()), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
};

class PlainTree : public Subject
{
public:
    PlainTree(HWND hFrame, const RECT& place)
    {
        m_hTree =
            CreateWindowExW(0, WC_TREEVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            place.left, place.top, place.right - place.left, place.bottom - place.top, hFrame, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    }
    ~PlainTree() override { DestroyWindow(m_hTree); }
    HWND Window() const override { return m_hTree; }
    HTREEITEM Insert(HTREEITEM hParent, const wchar_t* text, const wchar_t*) override
    {
        TVINSERTSTRUCTW insert = {};
        insert.hParent = hParent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<wchar_t*>(text);
        return HTREEITEM(SendMessageW(m_hTree, TVM_INSERTITEMW, 0, LPARAM(&insert)));
    }
    void Sort(HTREEITEM hParent) override { SendMessageW(m_hTree, TVM_SORTCHILDREN, 0, LPARAM(hParent)); }
    void DeleteAll() override { SendMessageW(m_hTree, TVM_DELETEITEM, 0, LPARAM(TVI_ROOT)); }

private:
    HWND m_hTree = nullptr;
};

class OurTree : public Subject
{
public:
    explicit OurTree(HWND hFrame)
    {
        CreateWindowExW(0, CTreeList::kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 600, 400, hFrame,
                        HMENU(UINT_PTR(kHostId)), GetModuleHandleW(nullptr), nullptr);
        m_list.SubclassDlgItem(kHostId, CWnd::FromHandle(hFrame));
        m_list.m_wndTree.InsertColumn(0, L"名稱", 0, 260);
        m_list.m_wndTree.InsertColumn(1, L"編號", 1, 200);
        m_list.m_wndTree.InsertColumn(2, L"備註", 0, 300);
    }
    ~OurTree() override { m_list.DestroyWindow(); }
    HWND Window() const override { return m_list.m_wndTree.GetSafeHwnd(); }
    HTREEITEM Insert(HTREEITEM hParent, const wchar_t* text, const wchar_t* second) override
    {
        HTREEITEM hItem = m_list.m_wndTree.InsertItem(text, hParent);
        m_list.m_wndTree.SetItemText(hItem, 1, second);
        return hItem;
    }
    void Sort(HTREEITEM hParent) override { m_list.m_wndTree.SortItems(0, TRUE, hParent); }
    void DeleteAll() override { m_list.m_wndTree.DeleteAllItems(); }

private:
    CTreeList m_list;
};

std::vector<HTREEITEM> InsertCollapsed(Subject& tree, int n)
{
    std::vector<HTREEITEM> parents;
    wchar_t text[32];
    wchar_t second[16];
    for (int p = 0; p < n / kChildren; ++p)
    {
        swprintf(text, 32, L"parent %d", p);
        swprintf(second, 16, L"%d", p);
        HTREEITEM hParent = tree.Insert(TVI_ROOT, text, second);
        parents.push_back(hParent);
        for (int c = 0; c < kChildren - 1; ++c)
        {
            swprintf(text, 32, L"child %d.%d", p, c);
            swprintf(second, 16, L"%d", c);
            tree.Insert(hParent, text, second);
        }
    }
    return parents;
}

struct Times
{
    double insert = 0, expand = 0, sort = 0, paint = 0, remove = 0;
};

Times Measure(Subject& tree, int n)
{
    Times times;
    tree.SetRedraw(false);
    double start = Now();
    const std::vector<HTREEITEM> parents = InsertCollapsed(tree, n);
    times.insert = Now() - start;

    start = Now();
    for (HTREEITEM hParent : parents)
        SendMessageW(tree.Window(), TVM_EXPAND, TVE_EXPAND, LPARAM(hParent));
    times.expand = Now() - start;
    tree.SetRedraw(true);
    Pump();

    start = Now();
    for (int i = 0; i < kRepaints; ++i)
        RedrawWindow(tree.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    times.paint = Now() - start;

    tree.SetRedraw(false);
    start = Now();
    tree.DeleteAll();
    times.remove = Now() - start;
    Pump();

    HTREEITEM hSortParent = tree.Insert(TVI_ROOT, L"parent", L"0");
    wchar_t text[32];
    srand(7);
    for (int i = 0; i < kSortChildren; ++i)
    {
        swprintf(text, 32, L"item %05d", rand() % 100000);
        tree.Insert(hSortParent, text, L"1");
    }
    start = Now();
    tree.Sort(hSortParent);
    times.sort = Now() - start;
    tree.DeleteAll();
    tree.SetRedraw(true);
    Pump();
    return times;
}

void Report(const char* step, int n, double ours, double theirs)
{
    std::printf("tree %s n=%d ours=%.3f treeview=%.3f ratio=%.2f\n", step, n, ours, theirs,
                theirs > 0 ? ours / theirs : 0.0);
    std::fflush(stdout);
}

}   // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!CTreeList::RegisterClass())
        return 1;
    HWND hFrame = CreateWindowExW(0, L"STATIC", L"newtreelist bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 460,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {20000, 100000};
    for (int n : sizes)
    {
        Times ours;
        RECT place;
        {
            OurTree tree(hFrame);
            place = tree.Place();
            ours = Measure(tree, n);
        }
        Times theirs;
        {
            PlainTree tree(hFrame, place);
            theirs = Measure(tree, n);
        }
        Report("insert", n, ours.insert, theirs.insert);
        Report("expand_all", n, ours.expand, theirs.expand);
        Report("sort_children", kSortChildren, ours.sort, theirs.sort);
        Report("paint", kRepaints, ours.paint, theirs.paint);
        Report("delete_all", n, ours.remove, theirs.remove);
    }
    DestroyWindow(hFrame);
    return 0;
}
