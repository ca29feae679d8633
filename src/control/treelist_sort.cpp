// Sorting children by text (without regard to case) or by the caller's comparison,
// and the sorted insertion walk of TVI_SORT. While a sort runs, insertion and
// deletion are refused, so the handles in the work table stay alive.
#include <cwchar>
#include <utility>
#include <vector>

#include "treelist_data.h"

namespace treelist
{

namespace
{

// Orders two items; callback texts are held in the two text buffers at once.
class Comparer
{
public:
    Comparer(TreeListData* d, const TVSORTCB* callback) : d_(d), callback_(callback) {}

    // Once the window is being destroyed the parent may have freed what the items'
    // lParams point at: the comparison stops asking and the sort runs out.
    int operator()(UINT a, UINT b) const
    {
        if (d_->destroying)
            return 0;
        return callback_ ? ByCallback(a, b) : ByText(a, b);
    }

private:
    const wchar_t* StoredText(UINT h, int buffer) const
    {
        const TreeListItem* item = d_->items[h];
        if (item->callbacks & kCbText)
            return d_->text[buffer];
        return item->text ? item->text : L"";
    }

    int ByText(UINT a, UINT b) const
    {
        int length;
        if (d_->items[a]->callbacks & kCbText)
            DisplayText(d_, a, 0, 0, &length);
        if (d_->items[b]->callbacks & kCbText)
            DisplayText(d_, b, 0, 1, &length);
        return _wcsicmp(StoredText(a, 0), StoredText(b, 1));
    }

    int ByCallback(UINT a, UINT b) const
    {
        const LPARAM first = d_->items[a]->lParam, second = d_->items[b]->lParam;
        // The caller's function may send messages back to the window.
        Unlock(d_);
        const int result = callback_->lpfnCompare(first, second, callback_->lParam);
        Lock(d_);
        return result;
    }

    TreeListData* d_;
    const TVSORTCB* callback_;
};

// Iterative quicksort: the middle element is the pivot, the smaller part goes first.
void QuickSort(std::vector<UINT>& table, const Comparer& compare)
{
    std::vector<std::pair<size_t, size_t>> stack;
    size_t low = 0, high = table.size();
    for (;;)
    {
        while (high - low > 1)
        {
            std::swap(table[low], table[low + (high - low) / 2]);
            const UINT pivot = table[low];
            size_t last = low;
            for (size_t i = low + 1; i < high; ++i)
            {
                if (compare(table[i], pivot) < 0)
                    std::swap(table[++last], table[i]);
            }
            std::swap(table[low], table[last]);
            // Parts [low, last) and [last + 1, high): keep the larger one for later.
            if (last - low < high - last - 1)
            {
                stack.emplace_back(last + 1, high);
                high = last;
            }
            else
            {
                stack.emplace_back(low, last);
                low = last + 1;
            }
        }
        if (stack.empty())
            return;
        low = stack.back().first;
        high = stack.back().second;
        stack.pop_back();
    }
}

void SortLevel(TreeListData* d, UINT parent, const Comparer& compare)
{
    std::vector<UINT> table;
    table.reserve(128);
    for (UINT h = FirstChild(d, parent); h; h = d->items[h]->nextSibling)
        table.push_back(h);
    if (table.size() < 2)
        return;
    QuickSort(table, compare);
    if (d->destroying)
        return;
    UINT previous = 0;
    for (UINT h : table)
    {
        d->items[h]->prevSibling = previous;
        if (previous)
            d->items[previous]->nextSibling = h;
        previous = h;
    }
    d->items[previous]->nextSibling = 0;
    FirstChildSlot(d, parent) = table.front();
    if (TreeListItem* p = ItemOf(d, parent))
        p->lastChild = table.back();
    else
        d->lastRoot = table.back();
}

// Every item of the subtree below `parent` in pre-order.
std::vector<UINT> Subtree(const TreeListData* d, UINT parent)
{
    std::vector<UINT> items;
    std::vector<UINT> pending;
    for (UINT h = FirstChild(d, parent); h; h = d->items[h]->nextSibling)
        pending.push_back(h);
    while (!pending.empty())
    {
        const UINT h = pending.back();
        pending.pop_back();
        items.push_back(h);
        for (UINT c = d->items[h]->firstChild; c; c = d->items[c]->nextSibling)
            pending.push_back(c);
    }
    return items;
}

}   // namespace

LRESULT SortChildren(TreeListData* d, HTREEITEM parentHandle, bool recurse, const TVSORTCB* callback)
{
    if (d->sorting)
        return 0;
    UINT parent = 0;
    if (!IsRootMarker(parentHandle))
    {
        parent = HandleOf(parentHandle);
        if (!ItemOf(d, parent))
            return 0;
    }
    if (callback && !callback->lpfnCompare)
        return 0;
    if (!FirstChild(d, parent))
        return 0;   // nothing to sort
    const Comparer compare(d, callback);
    d->sorting = true;
    if (recurse)
    {
        // Children before their parents: a reversed pre-order visits every subtree first.
        const std::vector<UINT> below = Subtree(d, parent);
        for (auto it = below.rbegin(); it != below.rend() && !d->destroying; ++it)
        {
            if (d->items[*it]->firstChild)
                SortLevel(d, *it, compare);
        }
    }
    if (!d->destroying)
        SortLevel(d, parent, compare);
    d->sorting = false;
    if (d->destroying)
        return 0;
    if (parent == 0)
        RowsChangedAt(d, 0);
    else if (IsShown(d, parent) && (d->items[parent]->state & TVIS_EXPANDED))
        RowsChangedAfter(d, parent);
    return 1;
}

UINT SortedInsertAfter(TreeListData* d, UINT parent, const wchar_t* text)
{
    UINT previous = 0;
    for (UINT h = FirstChild(d, parent); h && !d->destroying; h = d->items[h]->nextSibling)
    {
        int length;
        const wchar_t* childText = DisplayText(d, h, 0, 0, &length);
        if (!ItemOf(d, h) || _wcsicmp(childText, text) > 0)
            return previous;
        previous = h;
    }
    return previous;
}

}   // namespace treelist
