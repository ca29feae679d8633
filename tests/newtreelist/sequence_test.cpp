// A long fixed-seed sequence of ordinary calls on the owner-drawn tree list
// (items inserted in every place, deleted with their branches, copied and
// moved, column texts written, branches sorted, expanded and collapsed,
// clicks, keys and painting), checked after every step against a plain model
// of the tree; the suite also runs under the heap check, so every record
// freed twice or never shows there.
#include "newtreelist_fixture.h"

#include <algorithm>
#include <random>

#include "tree_model.h"

using newtree::NewTreeListTest;

namespace
{
const unsigned kSeed = 3;
const int kSteps = 2500;
const int kColumns = 4;
const UINT kKeys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_PRIOR, VK_NEXT};
}   // namespace

TEST_F(NewTreeListTest, ALongRandomSequenceOfCallsKeepsTheTreeAsTheModelSays)
{
    addColumns({120, 80, 80, 100});
    std::mt19937 engine(kSeed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    auto text = [&] { return qvtest::RandomLabel(engine, L'0', L'9'); };
    auto children = [&](HTREEITEM parent)
    {
        std::vector<HTREEITEM> items;
        for (HTREEITEM h = parent == TVI_ROOT ? tree.GetRootItem() : tree.GetChildItem(parent); h;
             h = tree.GetNextSiblingItem(h))
            items.push_back(h);
        return items;
    };
    qvtest::TreeModel model;
    qvtest::MemoryCanvas canvas(400, 300);
    size_t largest = 0;

    for (int step = 0; step < kSteps; ++step)
    {
        switch (pick(0, 11))
        {
        case 0:
        case 1:
        case 2:
        {
            const HTREEITEM parent = model.AnyItem(engine, true);
            const auto [after, position] = model.PickPlace(parent, engine);
            const std::wstring label = text();
            const HTREEITEM item = tree.InsertItem(label.c_str(), parent, after);
            ASSERT_NE(item, nullptr) << "step " << step;
            model.Add(item, parent, position, label);
            break;
        }
        case 3:
            if (model.Count() > 0 && pick(0, 2) == 0)   // a branch goes with its item: seldom
            {
                const HTREEITEM item = model.AnyItem(engine, false);
                ASSERT_TRUE(tree.DeleteItem(item)) << "step " << step;
                model.Remove(item);
            }
            break;
        case 4:
        case 5:
            if (model.Count() > 0)
            {
                const HTREEITEM item = model.AnyItem(engine, false);
                const int column = pick(0, kColumns - 1);
                const std::wstring t = text();
                ASSERT_TRUE(tree.SetItemText(item, column, t.c_str())) << "step " << step;
                model.SetCell(item, column, t);
            }
            break;
        case 6:
        {
            // Copying and moving take childless items only, never under themselves.
            const HTREEITEM item = model.AnyItem(engine, false);
            const HTREEITEM parent = model.AnyItem(engine, true);
            if (item == TVI_ROOT || item == parent || !model.ChildrenOf(item).empty())
                break;
            const bool move = pick(0, 1) == 1;
            const HTREEITEM copy = move ? tree.MoveItem(item, parent) : tree.CopyItem(item, parent);
            ASSERT_NE(copy, nullptr) << "step " << step;
            model.Add(copy, parent, model.ChildrenOf(parent).size(), model.Cell(item, 0));
            for (int column = 1; column < kColumns; ++column)
                model.SetCell(copy, column, model.Cell(item, column));
            if (move)
                model.Remove(item);
            break;
        }
        case 7:
        {
            // Sorting reorders the children of one parent: the same children.
            const HTREEITEM parent = model.AnyItem(engine, true);
            tree.SortItems(pick(0, kColumns - 1), pick(0, 1), parent);
            ASSERT_TRUE(model.AdoptOrder(parent, children(parent))) << "step " << step;
            break;
        }
        case 8:
        {
            const HTREEITEM item = model.AnyItem(engine, false);
            if (item != TVI_ROOT)
                tree.Expand(item, pick(0, 1) ? TVE_EXPAND : TVE_COLLAPSE);
            break;
        }
        case 9:
        {
            const CPoint point(pick(0, 399), pick(0, 299));
            tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
            tree.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
            break;
        }
        case 10:
            tree.SendMessage(WM_KEYDOWN, kKeys[pick(0, int(std::size(kKeys)) - 1)], 1);
            break;
        default:
            if (pick(0, 10) == 0)
                tree.SendMessage(WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT | PRF_ERASEBKGND);
            else if (pick(0, 50) == 0)
            {
                ASSERT_TRUE(tree.DeleteAllItems());
                model.Clear();
            }
            break;
        }
        ASSERT_EQ(size_t(tree.GetItemCount()), model.Count()) << "step " << step;
        ASSERT_EQ(size_t(tree.GetCount()), model.Count()) << "step " << step;
        largest = std::max(largest, model.Count());
        const HTREEITEM parent = model.AnyItem(engine, true);
        ASSERT_EQ(children(parent), model.ChildrenOf(parent)) << "step " << step;
        if (parent != TVI_ROOT)
        {
            const int column = pick(0, kColumns - 1);
            ASSERT_EQ(std::wstring(tree.GetItemText(parent, column)), model.Cell(parent, column))
                << "step " << step << " column " << column;
            ASSERT_EQ(tree.GetParentItem(parent), model.ParentOf(parent)) << "step " << step;
        }
    }
    EXPECT_GT(largest, 100u) << "the sequence built a tree worth checking";
}
