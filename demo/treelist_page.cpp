// The ward page of the demo: a container window that holds a "TreeList" window with
// wards, rooms and beds, and starts the editor on a double-clicked cell.
#include "treelist_page.h"

#include <commctrl.h>

#include <string>

#include "control/treelist.h"

namespace {

const wchar_t kPageClass[] = L"QVDemoWardTreePage";
constexpr int kTreeId = 100;

struct Bed {
    const wchar_t* bed;
    const wchar_t* patient;
    const wchar_t* admitted;
    const wchar_t* fee;
};

struct Room {
    const wchar_t* name;
    Bed beds[3];
};

struct Ward {
    const wchar_t* name;
    Room rooms[2];
};

const Ward kWards[] = {
    {L"內科病房", {{L"301 室", {{L"1 床", L"陳大文", L"2024-03-01", L"12,800"},
                                {L"2 床", L"林美玲", L"2024-03-05", L"9,600"},
                                {L"3 床", L"", L"", L""}}},
                   {L"302 室", {{L"1 床", L"王小明", L"2024-02-27", L"15,200"},
                                {L"2 床", L"張志強", L"2024-03-08", L"4,300"},
                                {L"3 床", L"黃淑芬", L"2024-03-09", L"3,100"}}}}},
    {L"外科病房", {{L"401 室", {{L"1 床", L"李建國", L"2024-03-02", L"21,450"},
                                {L"2 床", L"", L"", L""},
                                {L"3 床", L"吳佩君", L"2024-03-07", L"8,900"}}},
                   {L"402 室", {{L"1 床", L"劉家豪", L"2024-03-03", L"17,300"},
                                {L"2 床", L"蔡雅婷", L"2024-03-06", L"6,750"},
                                {L"3 床", L"", L"", L""}}}}},
};

HTREEITEM Insert(HWND tree, HTREEITEM parent, const wchar_t* text)
{
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text);
    return (HTREEITEM)SendMessageW(tree, TVM_INSERTITEMW, 0, (LPARAM)&insert);
}

void SetCell(HWND tree, HTREEITEM item, int column, const wchar_t* text)
{
    TVITEMW cell = {};
    cell.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_SUBITEM;
    cell.hItem = item;
    cell.cChildren = column;
    cell.pszText = const_cast<wchar_t*>(text);
    SendMessageW(tree, TVM_SETITEMW, 0, (LPARAM)&cell);
}

void AddColumn(HWND tree, const wchar_t* caption, int width, int format)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = const_cast<wchar_t*>(caption);
    column.cx = width;
    column.fmt = format;
    SendMessageW(tree, TVM_INSERTCOLUMN, SendMessageW(tree, TVM_GETCOLUMNCOUNT, 0, 0), (LPARAM)&column);
}

void Fill(HWND tree)
{
    AddColumn(tree, L"病床", 170, LVCFMT_LEFT);
    AddColumn(tree, L"病人", 110, LVCFMT_LEFT);
    AddColumn(tree, L"入院日期", 110, LVCFMT_CENTER);
    AddColumn(tree, L"費用", 90, LVCFMT_RIGHT);
    for (const Ward& ward : kWards) {
        HTREEITEM wardItem = Insert(tree, TVI_ROOT, ward.name);
        for (const Room& room : ward.rooms) {
            HTREEITEM roomItem = Insert(tree, wardItem, room.name);
            for (const Bed& bed : room.beds) {
                HTREEITEM bedItem = Insert(tree, roomItem, bed.bed);
                SetCell(tree, bedItem, 1, bed.patient);
                SetCell(tree, bedItem, 2, bed.admitted);
                SetCell(tree, bedItem, 3, bed.fee);
            }
            SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, (LPARAM)roomItem);
        }
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, (LPARAM)wardItem);
    }
}

// A double click on a bed's cell opens the editor there.
void EditHitCell(HWND tree, const NMTREEVIEWW* click)
{
    TVHITTESTINFO hit = {};
    hit.pt = click->ptDrag;
    HTREEITEM item = (HTREEITEM)SendMessageW(tree, TVM_HITTEST, 0, (LPARAM)&hit);
    const int column = TVHT_COLUMN(hit.flags);
    if (item && column > 0) SendMessageW(tree, TVM_EDITLABELW, (WPARAM)column, (LPARAM)item);
}

LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SIZE:
        MoveWindow(GetDlgItem(hwnd, kTreeId), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_NOTIFY: {
        const NMHDR* header = (const NMHDR*)lp;
        if (header->idFrom == kTreeId && header->code == NM_DBLCLK)
            EditHitCell(header->hwndFrom, (const NMTREEVIEWW*)lp);
        return 0;  // TVN_ENDLABELEDITW: 0 keeps the edited text
    }
    case WM_DESTROY:
        if (HFONT font = (HFONT)GetPropW(hwnd, L"font")) DeleteObject(font);
        RemovePropW(hwnd, L"font");
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace

HWND CreateWardTreePage(HWND parent, const RECT& rc)
{
    if (!TreeListRegister()) return nullptr;
    WNDCLASSEXW wc = {sizeof(wc)};
    wc.lpfnWndProc = PageProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kPageClass;
    RegisterClassExW(&wc);
    HWND page = CreateWindowExW(0, kPageClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc.left, rc.top,
                                rc.right - rc.left, rc.bottom - rc.top, parent, nullptr, GetModuleHandleW(nullptr),
                                nullptr);
    if (!page) return nullptr;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                        TVS_CHECKBOXES | TVS_EDITLABELS | TVS_SHOWSELALWAYS;
    HWND tree = CreateWindowExW(0, TREELIST_CLASSNAME, L"", style, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                                page, (HMENU)(INT_PTR)kTreeId, GetModuleHandleW(nullptr), nullptr);
    if (!tree) {
        DestroyWindow(page);
        return nullptr;
    }
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
    SetPropW(page, L"font", font);
    SendMessageW(tree, WM_SETFONT, (WPARAM)font, FALSE);
    SendMessageW(tree, TVM_SETITEMHEIGHT, (WPARAM)-1, 0);
    SendMessageW(tree, TVM_SETEXTENDEDSTYLE, 0, TLX_GRIDLINES | TLX_ALTERNATE | TLX_SUBSELECT);
    Fill(tree);
    return page;
}
