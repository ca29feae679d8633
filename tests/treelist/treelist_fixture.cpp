#include "treelist_fixture.h"

namespace treelist_test {

void TreeListTest::SetUp()
{
    ASSERT_TRUE(TreeListRegister());
    host = new qvtest::HostWindow(L"TreeList test", 640, 480);
}

void TreeListTest::TearDown()
{
    SetKeyDown(VK_SHIFT, false);
    SetKeyDown(VK_CONTROL, false);
    if (tree && IsWindow(tree)) DestroyWindow(tree);
    delete host;
}

HWND TreeListTest::Make(DWORD style, int width, int height)
{
    tree = CreateWindowExW(0, TREELIST_CLASSNAME, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, width, height, *host,
                           (HMENU)100, GetModuleHandleW(nullptr), nullptr);
    return tree;
}

HTREEITEM TreeListTest::InsertWith(HTREEITEM parent, HTREEITEM after, const TVITEMW& fields)
{
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item = fields;
    return (HTREEITEM)Send(TVM_INSERTITEMW, 0, (LPARAM)&insert);
}

HTREEITEM TreeListTest::Insert(HTREEITEM parent, const wchar_t* text, HTREEITEM after)
{
    TVITEMW fields = {};
    fields.mask = TVIF_TEXT;
    fields.pszText = const_cast<wchar_t*>(text);
    return InsertWith(parent, after, fields);
}

int TreeListTest::AddColumn(const wchar_t* caption, int width, int format)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<wchar_t*>(caption);
    column.fmt = format;
    if (width >= 0) {
        column.mask |= LVCF_WIDTH;
        column.cx = width;
    }
    const int count = (int)Send(TVM_GETCOLUMNCOUNT);
    return (int)Send(TVM_INSERTCOLUMN, count, (LPARAM)&column);
}

bool TreeListTest::SetCellText(HTREEITEM item, int column, const wchar_t* text)
{
    TVITEMW change = {};
    change.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_SUBITEM;
    change.hItem = item;
    change.cChildren = column;
    change.pszText = const_cast<wchar_t*>(text);
    return Send(TVM_SETITEMW, 0, (LPARAM)&change) != 0;
}

std::wstring TreeListTest::Text(HTREEITEM item, int column) const
{
    wchar_t buffer[300] = L"<unset>";
    TVITEMW query = {};
    query.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_SUBITEM;
    query.hItem = item;
    query.cChildren = column;
    query.pszText = buffer;
    query.cchTextMax = 300;
    if (!Send(TVM_GETITEMW, 0, (LPARAM)&query)) return L"<failed>";
    if (query.pszText == LPSTR_TEXTCALLBACKW) return L"<callback>";
    return query.pszText;
}

RECT TreeListTest::ItemRect(HTREEITEM item, WPARAM code) const
{
    RECT r = {};
    *(HTREEITEM*)&r = item;
    if (!Send(TVM_GETITEMRECT, code, (LPARAM)&r)) return RECT{-1, -1, -1, -1};
    return r;
}

RECT TreeListTest::CellRect(HTREEITEM item, int column, bool textOnly) const
{
    return ItemRect(item, (textOnly ? TVIR_CELLTEXT : TVIR_CELL) | ((WPARAM)column << 24));
}

UINT TreeListTest::HitFlags(int x, int y, HTREEITEM* item) const
{
    TVHITTESTINFO info = {};
    info.pt = {x, y};
    HTREEITEM hit = (HTREEITEM)Send(TVM_HITTEST, 0, (LPARAM)&info);
    if (item) *item = hit;
    return info.flags;
}

std::vector<std::wstring> TreeListTest::RowTexts() const
{
    std::vector<std::wstring> texts;
    for (int row = 0;; ++row) {
        HTREEITEM item = ItemAt(row);
        if (!item) break;
        texts.push_back(Text(item));
    }
    return texts;
}

void TreeListTest::Click(int x, int y, UINT msg, WPARAM keys) const
{
    Send(msg, keys, MAKELPARAM(x, y));
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK) Send(WM_RBUTTONUP, 0, MAKELPARAM(x, y));
}

void TreeListTest::Key(WPARAM key) const { Send(WM_KEYDOWN, key, 1); }

void TreeListTest::SetKeyDown(int key, bool down) const
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[key] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

void TreeListTest::FillTwoLevels(int roots, int children, std::vector<HTREEITEM>* rootItems)
{
    for (int i = 0; i < roots; ++i) {
        const std::wstring name = std::to_wstring(i);
        HTREEITEM root = Insert(TVI_ROOT, name.c_str());
        if (rootItems) rootItems->push_back(root);
        for (int j = 0; j < children; ++j) Insert(root, (name + L"." + std::to_wstring(j)).c_str());
    }
}

}  // namespace treelist_test
