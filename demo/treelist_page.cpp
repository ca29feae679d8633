// The ward page of the demo: a container window that holds a tree list (CTreeListCtrl)
// with wards, rooms and beds, and starts the editor on a double-clicked cell.
#include "treelist_page.h"

#include "qvctrl.h"

namespace
{

const wchar_t kPageClass[] = L"QVDemoWardTreePage";
constexpr int kTreeId = 100;

struct Bed
{
    const wchar_t* bed;
    const wchar_t* patient;
    const wchar_t* admitted;
    const wchar_t* fee;
};

struct Room
{
    const wchar_t* name;
    Bed beds[3];
};

struct Ward
{
    const wchar_t* name;
    Room rooms[2];
};

const Ward kWards[] = {
    {L"內科病房",
     {{L"301 室",
       {{L"1 床", L"陳大文", L"2024-03-01", L"12,800"},
        {L"2 床", L"林美玲", L"2024-03-05", L"9,600"},
        {L"3 床", L"", L"", L""}}},
      {L"302 室",
       {{L"1 床", L"王小明", L"2024-02-27", L"15,200"},
        {L"2 床", L"張志強", L"2024-03-08", L"4,300"},
        {L"3 床", L"黃淑芬", L"2024-03-09", L"3,100"}}}}},
    {L"外科病房",
     {{L"401 室",
       {{L"1 床", L"李建國", L"2024-03-02", L"21,450"},
        {L"2 床", L"", L"", L""},
        {L"3 床", L"吳佩君", L"2024-03-07", L"8,900"}}},
      {L"402 室",
       {{L"1 床", L"劉家豪", L"2024-03-03", L"17,300"},
        {L"2 床", L"蔡雅婷", L"2024-03-06", L"6,750"},
        {L"3 床", L"", L"", L""}}}}},
};

// What the page owns: the tree list and the font it shows.
struct WardPage
{
    CTreeListCtrl tree;
    HFONT font = nullptr;
};

WardPage* PageOf(HWND page)
{
    return (WardPage*)GetWindowLongPtrW(page, GWLP_USERDATA);
}

void Fill(CTreeListCtrl& tree)
{
    tree.InsertColumn(0, L"病床", LVCFMT_LEFT, 170);
    tree.InsertColumn(1, L"病人", LVCFMT_LEFT, 110);
    tree.InsertColumn(2, L"入院日期", LVCFMT_CENTER, 110);
    tree.InsertColumn(3, L"費用", LVCFMT_RIGHT, 90);
    for (const Ward& ward : kWards)
    {
        HTREEITEM wardItem = tree.InsertItem(ward.name);
        tree.SetItemBkColor(wardItem, 0, RGB(255, 244, 214));
        for (const Room& room : ward.rooms)
        {
            HTREEITEM roomItem = tree.InsertItem(room.name, wardItem);
            for (const Bed& bed : room.beds)
            {
                HTREEITEM bedItem = tree.InsertItem(bed.bed, roomItem);
                tree.SetItemText(bedItem, bed.patient, 1);
                tree.SetItemText(bedItem, bed.admitted, 2);
                tree.SetItemText(bedItem, bed.fee, 3);
                if (!*bed.patient)
                    tree.SetItemTextColor(bedItem, 0, RGB(0, 128, 0));   // a free bed
            }
            tree.Expand(roomItem, TVE_EXPAND);
        }
        tree.Expand(wardItem, TVE_EXPAND);
    }
}

// A double click on a bed's cell opens the editor there.
void EditHitCell(CTreeListCtrl& tree, const NMTREEVIEWW* click)
{
    UINT flags = 0;
    HTREEITEM item = tree.HitTest(CPoint(click->ptDrag), &flags);
    const int column = TVHT_COLUMN(flags);
    if (item && column > 0)
        tree.EditLabel(item, column, FALSE);
}

LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    WardPage* page = PageOf(hwnd);
    switch (msg)
    {
    case WM_SIZE:
        if (page && page->tree.m_hWnd)
            page->tree.MoveWindow(0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_NOTIFY:
    {
        const NMHDR* header = (const NMHDR*)lp;
        if (page && header->idFrom == kTreeId && header->code == NM_DBLCLK)
            EditHitCell(page->tree, (const NMTREEVIEWW*)lp);
        return 0;   // TVN_ENDLABELEDITW: 0 keeps the edited text
    }
    case WM_NCDESTROY:   // the tree went before
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (page && page->font)
            DeleteObject(page->font);
        delete page;
        return DefWindowProcW(hwnd, msg, wp, lp);
    default:
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}   // namespace

HWND CreateWardTreePage(HWND parent, const RECT& rc)
{
    WNDCLASSEXW wc = {sizeof(wc)};
    wc.lpfnWndProc = PageProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kPageClass;
    RegisterClassExW(&wc);
    HWND hwnd =
        CreateWindowExW(0, kPageClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc.left, rc.top,
                        rc.right - rc.left, rc.bottom - rc.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd)
        return nullptr;
    WardPage* page = new WardPage;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, (LONG_PTR)page);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                        TVS_CHECKBOXES | TVS_EDITLABELS | TVS_SHOWSELALWAYS;
    const CRect area(0, 0, rc.right - rc.left, rc.bottom - rc.top);
    if (!page->tree.Create(style, area, CWnd::FromHandle(hwnd), kTreeId))
    {
        DestroyWindow(hwnd);
        return nullptr;
    }
    page->font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
    page->tree.SetFont(CFont::FromHandle(page->font), FALSE);
    page->tree.SetItemHeight(-1);
    page->tree.SetExtendedStyle(TLX_GRIDLINES | TLX_ALTERNATE | TLX_SUBSELECT);
    Fill(page->tree);
    return hwnd;
}
