// The invariants of a TreeList window's item table: links between parents and
// siblings, levels, counts, the valid part of the row table and the handles the
// window remembers. Diagnostic builds check them after every message that runs
// under the lock (notifications let the parent change the tree in the middle of
// a step); TreeListCheck() reports the first rule found broken.
#include <vector>

#include "treelist_data.h"

namespace treelist
{

namespace
{

bool Live(const TreeListData* d, UINT h)
{
    return h == 0 || ItemOf(d, h) != nullptr;
}

// The siblings under `parent`: their links both ways, parent and level.
TableRule CheckChildren(const TreeListData* d, UINT parent, UINT* reached)
{
    const TreeListItem* p = ItemOf(d, parent);
    const UINT first = p ? p->firstChild : d->firstRoot, last = p ? p->lastChild : d->lastRoot;
    const UINT level = p ? p->level + 1 : 0;
    UINT previous = 0;
    for (UINT h = first; h; h = d->items[h]->nextSibling)
    {
        const TreeListItem* item = ItemOf(d, h);
        if (!item || ++*reached > d->itemCount)
            return TableRule::kSiblingChain;
        if (item->parent != parent || item->level != level)
            return TableRule::kParentAndLevel;
        if (item->prevSibling != previous)
            return TableRule::kSiblingChain;
        previous = h;
    }
    return previous == last ? TableRule::kHolds : TableRule::kSiblingChain;
}

// Every item reached once from the roots, children after their parent.
TableRule CheckLinks(const TreeListData* d)
{
    UINT reached = 0;
    std::vector<UINT> parents = {0};
    while (!parents.empty())
    {
        const UINT parent = parents.back();
        parents.pop_back();
        const TableRule rule = CheckChildren(d, parent, &reached);
        if (rule != TableRule::kHolds)
            return rule;
        for (UINT h = parent ? d->items[parent]->firstChild : d->firstRoot; h; h = d->items[h]->nextSibling)
            if (d->items[h]->firstChild)
                parents.push_back(h);
    }
    return reached == d->itemCount ? TableRule::kHolds : TableRule::kItemCount;
}

// The shown items in pre-order, as the row table must list them.
std::vector<UINT> ShownOrder(const TreeListData* d)
{
    std::vector<UINT> shown;
    std::vector<UINT> pending;
    for (UINT h = d->lastRoot; h; h = d->items[h]->prevSibling)
        pending.push_back(h);
    while (!pending.empty())
    {
        const UINT h = pending.back();
        pending.pop_back();
        shown.push_back(h);
        const TreeListItem* item = d->items[h];
        if (!(item->state & TVIS_EXPANDED))
            continue;
        for (UINT c = item->lastChild; c; c = d->items[c]->prevSibling)
            pending.push_back(c);
    }
    return shown;
}

TableRule CheckRows(const TreeListData* d)
{
    const std::vector<UINT> shown = ShownOrder(d);
    if (shown.size() != d->rowCount)
        return TableRule::kRowCount;
    if (d->rowsValid > shown.size())
        return TableRule::kRowTable;
    for (UINT r = 0; r < d->rowsValid; ++r)
    {
        if (d->rows[r] != shown[r] || d->items[shown[r]]->row != r + 1)
            return TableRule::kRowTable;
    }
    return TableRule::kHolds;
}

TableRule CheckRemembered(const TreeListData* d)
{
    for (UINT h : {d->sel.item, d->sel.dropItem, d->sel.focusItem, d->sel.insertMark, d->edit.item, d->sel.anchor})
    {
        if (!Live(d, h))
            return TableRule::kRememberedHandle;
    }
    UINT selected = 0, count = 0;
    for (UINT h = 1; h <= d->capacity; ++h)
    {
        if (!d->items[h])
            continue;
        ++count;
        selected += (d->items[h]->state & TVIS_SELECTED) != 0;
    }
    if (count != d->itemCount)
        return TableRule::kItemCount;
    return selected == d->sel.count ? TableRule::kHolds : TableRule::kSelectedCount;
}

}   // namespace

TableRule CheckTable(const TreeListData* d)
{
    if (!d->items)
        return TableRule::kHolds;
    TableRule rule = CheckRemembered(d);
    if (rule == TableRule::kHolds)
        rule = CheckLinks(d);
    if (rule == TableRule::kHolds)
        rule = CheckRows(d);
    return rule;
}

}   // namespace treelist
