// A plain model of a tree for checking tree controls against: items by
// handle, each with its parent, its children in order and its column texts.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace qvtest
{

struct TreeModelItem
{
    HTREEITEM parent = TVI_ROOT;
    std::vector<HTREEITEM> children;
    std::vector<std::wstring> cells;   // column 0 is the label
};

class TreeModel
{
public:
    std::vector<HTREEITEM>& ChildrenOf(HTREEITEM parent)
    {
        return parent == TVI_ROOT ? m_roots : m_items.at(parent).children;
    }
    void Add(HTREEITEM item, HTREEITEM parent, size_t position, const std::wstring& label)
    {
        std::vector<HTREEITEM>& siblings = ChildrenOf(parent);
        siblings.insert(siblings.begin() + std::min(position, siblings.size()), item);
        m_items[item] = TreeModelItem{parent, {}, {label}};
    }
    void Remove(HTREEITEM item)
    {
        std::vector<HTREEITEM>& siblings = ChildrenOf(m_items.at(item).parent);
        siblings.erase(std::find(siblings.begin(), siblings.end(), item));
        RemoveBranch(item);
    }
    std::wstring Cell(HTREEITEM item, int column) const
    {
        const std::vector<std::wstring>& cells = m_items.at(item).cells;
        return size_t(column) < cells.size() ? cells[size_t(column)] : std::wstring();
    }
    void SetCell(HTREEITEM item, int column, const std::wstring& text)
    {
        std::vector<std::wstring>& cells = m_items.at(item).cells;
        if (cells.size() <= size_t(column))
            cells.resize(size_t(column) + 1);
        cells[size_t(column)] = text;
    }
    void Clear()
    {
        m_items.clear();
        m_roots.clear();
    }
    // Where a new child of parent goes, drawn at random: first, last, or after
    // one of its children; with the position that the child then takes.
    struct Place
    {
        HTREEITEM after;
        size_t position;
    };
    Place PickPlace(HTREEITEM parent, std::mt19937& engine)
    {
        const std::vector<HTREEITEM>& siblings = ChildrenOf(parent);
        const int where = std::uniform_int_distribution<int>(0, 2)(engine);
        if (where == 0)
            return {TVI_FIRST, 0};
        if (where == 1 && !siblings.empty())
        {
            const size_t index = std::uniform_int_distribution<size_t>(0, siblings.size() - 1)(engine);
            return {siblings[index], index + 1};
        }
        return {TVI_LAST, siblings.size()};
    }
    // Takes the order a sort gave parent's children; false (and nothing
    // taken) when the order does not hold exactly the same children.
    bool AdoptOrder(HTREEITEM parent, const std::vector<HTREEITEM>& order)
    {
        std::vector<HTREEITEM> had = ChildrenOf(parent), got = order;
        std::sort(had.begin(), had.end());
        std::sort(got.begin(), got.end());
        if (had != got)
            return false;
        ChildrenOf(parent) = order;
        return true;
    }
    size_t Count() const { return m_items.size(); }
    bool Contains(HTREEITEM item) const { return m_items.count(item) != 0; }
    // As TVGN_PARENT answers: no item for a root.
    HTREEITEM ParentOf(HTREEITEM item) const
    {
        const HTREEITEM parent = m_items.at(item).parent;
        return parent == TVI_ROOT ? nullptr : parent;
    }
    // Any item, or TVI_ROOT when there is none (or by chance).
    HTREEITEM AnyItem(std::mt19937& engine, bool rootAllowed) const
    {
        const size_t choices = m_items.size() + (rootAllowed ? 1 : 0);
        if (choices == 0)
            return TVI_ROOT;
        size_t index = std::uniform_int_distribution<size_t>(0, choices - 1)(engine);
        if (index == m_items.size())
            return TVI_ROOT;
        auto it = m_items.begin();
        std::advance(it, index);
        return it->first;
    }

private:
    void RemoveBranch(HTREEITEM item)
    {
        for (HTREEITEM child : m_items.at(item).children)
            RemoveBranch(child);
        m_items.erase(item);
    }
    std::map<HTREEITEM, TreeModelItem> m_items;
    std::vector<HTREEITEM> m_roots;
};

// A label or cell text, now and then long (up to 200 characters, within what
// the tests read back): Chinese characters mixed with those from first to last.
inline std::wstring RandomLabel(std::mt19937& engine, wchar_t first, wchar_t last)
{
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    std::wstring text(size_t(pick(0, 4) == 0 ? pick(20, 200) : pick(1, 6)), L' ');
    for (wchar_t& c : text)
        c = pick(0, 1) ? wchar_t(pick(0x4E00, 0x9FA5)) : wchar_t(pick(first, last));
    return text;
}

}   // namespace qvtest
