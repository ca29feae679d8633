// A long fixed-seed sequence of ordinary messages (items inserted in every
// place, deleted with their branches, cells written, columns added, branches
// expanded, collapsed, sorted and selected, scrolling and painting), checked
// after every step against a plain model of the tree and by the window's own
// item-table check.
#include "treelist_fixture.h"

#include <algorithm>
#include <random>

#include "tree_model.h"

using namespace treelist_test;

namespace
{

const unsigned kSeed = 11;
const int kSteps = 2500;
const int kMaxColumns = 8;

}   // namespace

TEST_F(TreeListTest, ALongRandomSequenceOfMessagesKeepsTheTreeAsTheModelSays)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS));
    std::mt19937 engine(kSeed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    auto text = [&] { return qvtest::RandomLabel(engine, L'a', L'z'); };
    qvtest::TreeModel model;
    int columns = 0;
    AddColumn(L"名稱", 150);
    ++columns;
    qvtest::MemoryCanvas canvas(400, 300);
    size_t largest = 0;

    for (int step = 0; step < kSteps; ++step)
    {
        switch (pick(0, 10))
        {
        case 0:
        case 1:
        case 2:
        {
            // Insert first, last or after a sibling.
            const HTREEITEM parent = model.AnyItem(engine, true);
            const auto [after, position] = model.PickPlace(parent, engine);
            const std::wstring label = text();
            const HTREEITEM item = Insert(parent, label.c_str(), after);
            ASSERT_NE(item, nullptr) << "step " << step;
            model.Add(item, parent, position, label);
            break;
        }
        case 3:
            if (model.Count() > 0 && pick(0, 2) == 0)   // a branch goes with its item: seldom
            {
                const HTREEITEM item = model.AnyItem(engine, false);
                ASSERT_TRUE(Send(TVM_DELETEITEM, 0, (LPARAM)item)) << "step " << step;
                model.Remove(item);
            }
            break;
        case 4:
        case 5:
            if (model.Count() > 0)
            {
                const HTREEITEM item = model.AnyItem(engine, false);
                const int column = pick(0, columns - 1);
                const std::wstring t = text();
                ASSERT_TRUE(SetCellText(item, column, t.c_str())) << "step " << step;
                model.SetCell(item, column, t);
            }
            break;
        case 6:
            if (columns < kMaxColumns)
            {
                ASSERT_EQ(AddColumn(L"欄", pick(-1, 200)), columns) << "step " << step;
                ++columns;
            }
            break;
        case 7:
        {
            const HTREEITEM item = model.AnyItem(engine, false);
            if (item != TVI_ROOT)
                Expand(item, pick(0, 2) == 0 ? TVE_COLLAPSE : pick(0, 1) ? TVE_EXPAND : TVE_TOGGLE);
            break;
        }
        case 8:
        {
            // Sorting keeps each child and its branch; the model takes the new order.
            const HTREEITEM parent = model.AnyItem(engine, true);
            Send(TVM_SORTCHILDREN, FALSE, (LPARAM)parent);
            ASSERT_TRUE(model.AdoptOrder(parent, ChildItems(parent))) << "step " << step;
            break;
        }
        case 9:
        {
            const HTREEITEM item = model.AnyItem(engine, false);
            if (item != TVI_ROOT)
            {
                Select(item);
                Send(TVM_ENSUREVISIBLE, 0, (LPARAM)item);
            }
            break;
        }
        default:
            if (pick(0, 15) == 0)
                Send(WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT | PRF_ERASEBKGND);
            else if (pick(0, 60) == 0)
            {
                ASSERT_TRUE(Send(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT));
                model.Clear();
            }
            break;
        }
        ASSERT_EQ(0, TreeListCheck(tree)) << "step " << step;
        ASSERT_EQ(size_t(Send(TVM_GETCOUNT)), model.Count()) << "step " << step;
        largest = std::max(largest, model.Count());
        const HTREEITEM parent = model.AnyItem(engine, true);
        ASSERT_EQ(ChildItems(parent), model.ChildrenOf(parent)) << "step " << step;
        if (parent != TVI_ROOT)
        {
            const int column = pick(0, columns - 1);
            ASSERT_EQ(Text(parent, column), model.Cell(parent, column)) << "step " << step << " column " << column;
            ASSERT_EQ(Next(parent, TVGN_PARENT), model.ParentOf(parent)) << "step " << step;
        }
    }
    EXPECT_GT(largest, 100u) << "the sequence built a tree worth checking";
}

// A person's input in random order (clicks with and without Shift and Ctrl,
// keys, editors of every kind opened, answered or left open) mixed with the
// program's insertions, deletions and style changes: the item table stays
// sound, the tree keeps the model's shape, and the selection holds only live
// items.
TEST_F(TreeListTest, ALongRandomSequenceOfInputKeepsTheTreeSound)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS | TVS_CHECKBOXES));
    AddColumn(L"名稱", 120);
    AddColumn(L"數值", 100, LVCFMT_RIGHT);
    AddColumn(L"備註", 100);
    const UINT keys[] = {VK_UP,   VK_DOWN, VK_LEFT,     VK_RIGHT,    VK_HOME,  VK_END,   VK_PRIOR,
                         VK_NEXT, VK_ADD,  VK_SUBTRACT, VK_MULTIPLY, VK_SPACE, VK_RETURN};
    const WPARAM kinds[] = {TVLE_EDIT, TVLE_COMBO, TVLE_DROPLIST};
    const DWORD extended[] = {0, TLX_SUBSELECT, TLX_MULTISELECT, TLX_SUBSELECT | TLX_FULLROWMARK};
    std::mt19937 engine(kSeed + 1);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    qvtest::TreeModel model;
    auto insert = [&]
    {
        const HTREEITEM parent = model.AnyItem(engine, true);
        const std::wstring label = L"項" + std::to_wstring(pick(0, 999));
        const HTREEITEM item = Insert(parent, label.c_str());
        ASSERT_NE(item, nullptr);
        model.Add(item, parent, model.ChildrenOf(parent).size(), label);
    };
    for (int i = 0; i < 60; ++i)
        insert();
    int editors = 0;

    for (int step = 0; step < 800; ++step)
    {
        switch (pick(0, 9))
        {
        case 0:
        case 1:
        {
            SetKeyDown(VK_SHIFT, pick(0, 4) == 0);
            SetKeyDown(VK_CONTROL, pick(0, 4) == 0);
            Click(POINT{pick(0, 399), pick(0, 299)}, pick(0, 5) == 0 ? WM_RBUTTONDOWN : WM_LBUTTONDOWN);
            SetKeyDown(VK_SHIFT, false);
            SetKeyDown(VK_CONTROL, false);
            break;
        }
        case 2:
        case 3:
            Key(keys[pick(0, int(std::size(keys)) - 1)]);
            break;
        case 4:
        {
            const HTREEITEM item = model.AnyItem(engine, false);
            if (item == TVI_ROOT)
                break;
            HWND editor = (HWND)Send(TVM_EDITLABELW, WPARAM(pick(0, 3)) | kinds[pick(0, 2)], (LPARAM)item);
            editors += editor ? 1 : 0;
            if (editor && pick(0, 2))
            {
                SetWindowTextW(editor, L"改");
                HWND target = GetWindow(editor, GW_CHILD) ? GetWindow(editor, GW_CHILD) : editor;
                SendMessageW(target, WM_KEYDOWN, pick(0, 1) ? VK_RETURN : VK_ESCAPE, 1);
            }
            break;
        }
        case 5:
            if (model.Count() > 0 && pick(0, 1))
            {
                const HTREEITEM item = model.AnyItem(engine, false);
                ASSERT_TRUE(Send(TVM_DELETEITEM, 0, (LPARAM)item)) << "step " << step;
                model.Remove(item);
            }
            break;
        case 6:
            insert();
            break;
        case 7:
            Send(TVM_SETEXTENDEDSTYLE, TLX_SUBSELECT | TLX_MULTISELECT | TLX_FULLROWMARK,
                 extended[pick(0, int(std::size(extended)) - 1)]);
            break;
        case 8:
        {
            const HTREEITEM item = model.AnyItem(engine, false);
            if (item != TVI_ROOT)
                Expand(item, pick(0, 1) ? TVE_EXPAND : TVE_COLLAPSE);
            break;
        }
        default:
            SetFocus(pick(0, 1) ? tree : HWND(*host));
            break;
        }
        ASSERT_EQ(0, TreeListCheck(tree)) << "step " << step;
        ASSERT_EQ(size_t(Send(TVM_GETCOUNT)), model.Count()) << "step " << step;
        const HTREEITEM parent = model.AnyItem(engine, true);
        ASSERT_EQ(ChildItems(parent), model.ChildrenOf(parent)) << "step " << step;
        if (const HTREEITEM caret = Selected())
        {
            ASSERT_TRUE(model.Contains(caret)) << "step " << step;
        }
        for (HTREEITEM selected : SelectedItems())
            ASSERT_TRUE(model.Contains(selected)) << "step " << step;
    }
    EXPECT_GT(model.Count(), 10u) << "the sequence kept a tree worth checking";
    EXPECT_GT(editors, 50) << "editors were opened often enough to be checked";
}
