// CTreeListCtrl: each operation is one message to the "TreeList" window.
#include "control/treelistctrl.h"

namespace
{

constexpr int kOfferedText = 256;            // cchTextMax given with a text to store
constexpr int kColumnShift = 24;             // column in the high byte of wParam
constexpr UINT kListInsertStates = 0xFF13;   // state bits a new list row may take
constexpr UINT kListSetStates = TVIS_FOCUSED | TVIS_SELECTED | TVIS_BOLD;

HTREEITEM AsItem(LRESULT result)
{
    return reinterpret_cast<HTREEITEM>(result);
}
WPARAM ItemAndColumn(HTREEITEM hItem, int nCol)
{
    return reinterpret_cast<WPARAM>(hItem) | (static_cast<WPARAM>(static_cast<UINT>(nCol)) << kColumnShift);
}
WPARAM EditCode(int nCol, int bWide)
{
    return (static_cast<UINT>(nCol) & TVLE_COLUMNMASK) | (bWide ? TVLE_WIDE : 0u);
}

}   // namespace

IMPLEMENT_DYNAMIC(CTreeListCtrl, CTreeCtrl)

LRESULT CTreeListCtrl::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CTreeListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return TreeListRegister() && CWnd::Create(TREELIST_CLASSNAME, nullptr, dwStyle, rect, pParentWnd, nID);
}

void* CTreeListCtrl::GetUserData(HTREEITEM hItem) const
{
    return reinterpret_cast<void*>(Send(TVM_GETUSERDATA, 0, reinterpret_cast<LPARAM>(hItem)));
}

int CTreeListCtrl::GetUserDataSize() const
{
    return static_cast<int>(Send(TVM_GETUSERDATASIZE));
}

BOOL CTreeListCtrl::SetUserDataSize(int nSize)
{
    return nSize >= 0 && Send(TVM_SETUSERDATASIZE, static_cast<WPARAM>(nSize)) != 0;
}

BOOL CTreeListCtrl::GetColumn(int nCol, LVCOLUMNW* pColumn) const
{
    return Send(TVM_GETCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn)) != 0;
}

BOOL CTreeListCtrl::SetColumn(int nCol, const LVCOLUMNW* pColumn)
{
    return Send(TVM_SETCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn)) != 0;
}

int CTreeListCtrl::InsertColumn(int nCol, const LVCOLUMNW* pColumn)
{
    return static_cast<int>(Send(TVM_INSERTCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn)));
}

int CTreeListCtrl::InsertColumn(int nCol, LPCWSTR lpszText, int nFormat, int nWidth)
{
    LVCOLUMNW column = {};
    if (lpszText)
    {
        column.mask |= LVCF_TEXT;
        column.pszText = const_cast<LPWSTR>(lpszText);
        column.cchTextMax = kOfferedText;
    }
    if (nFormat >= 0)
    {
        column.mask |= LVCF_FMT;
        column.fmt = nFormat;
    }
    if (nWidth >= 0)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    return InsertColumn(nCol, &column);
}

BOOL CTreeListCtrl::DeleteColumn(int nCol)
{
    return Send(TVM_DELETECOLUMN, nCol) != 0;
}

int CTreeListCtrl::GetColumnWidth(int nCol) const
{
    return static_cast<int>(Send(TVM_GETCOLUMNWIDTH, nCol));
}

BOOL CTreeListCtrl::SetColumnWidth(int nCol, int cx)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = cx;
    return SetColumn(nCol, &column);
}

CHeaderCtrl* CTreeListCtrl::GetHeaderCtrl() const
{
    return static_cast<CHeaderCtrl*>(CWnd::FromHandle(reinterpret_cast<HWND>(Send(TVM_GETHEADER))));
}

BOOL CTreeListCtrl::SortChildren(HTREEITEM hItem, int bRecurse)
{
    return Send(TVM_SORTCHILDREN, bRecurse, reinterpret_cast<LPARAM>(hItem)) != 0;
}

BOOL CTreeListCtrl::SortChildrenCB(LPTVSORTCB pSort, int bRecurse)
{
    return Send(TVM_SORTCHILDRENCB, bRecurse, reinterpret_cast<LPARAM>(pSort)) != 0;
}

HTREEITEM CTreeListCtrl::GetItemOfRow(int nRow) const
{
    return AsItem(Send(TVM_GETITEMOFROW, 0, nRow));
}

int CTreeListCtrl::GetRowOfItem(HTREEITEM hItem) const
{
    return static_cast<int>(Send(TVM_GETROWOFITEM, 0, reinterpret_cast<LPARAM>(hItem)));
}

DWORD CTreeListCtrl::GetExtendedStyle() const
{
    return static_cast<DWORD>(Send(TVM_GETEXTENDEDSTYLE));
}

DWORD CTreeListCtrl::SetExtendedStyle(DWORD dwStyle)
{
    return SetExtendedStyle(dwStyle, 0);
}

DWORD CTreeListCtrl::SetExtendedStyle(DWORD dwStyle, DWORD dwMask)
{
    return static_cast<DWORD>(Send(TVM_SETEXTENDEDSTYLE, dwMask, dwStyle));
}

COLORREF CTreeListCtrl::GetColor(int nIndex) const
{
    return static_cast<COLORREF>(Send(TVM_GETBKCOLOR, nIndex));
}

COLORREF CTreeListCtrl::SetColor(int nIndex, COLORREF clr)
{
    return static_cast<COLORREF>(Send(TVM_SETBKCOLOR, nIndex, static_cast<LPARAM>(static_cast<int>(clr))));
}

COLORREF CTreeListCtrl::GetItemBkColor(HTREEITEM hItem, int nCol) const
{
    return static_cast<COLORREF>(Send(TVM_GETITEMBKCOLOR, reinterpret_cast<WPARAM>(hItem), nCol));
}

COLORREF CTreeListCtrl::SetItemBkColor(HTREEITEM hItem, int nCol, COLORREF clr)
{
    return static_cast<COLORREF>(Send(TVM_SETITEMBKCOLOR, ItemAndColumn(hItem, nCol), clr));
}

COLORREF CTreeListCtrl::GetItemTextColor(HTREEITEM hItem, int nCol) const
{
    return static_cast<COLORREF>(Send(TVM_GETITEMTEXTCOLOR, reinterpret_cast<WPARAM>(hItem), nCol));
}

COLORREF CTreeListCtrl::SetItemTextColor(HTREEITEM hItem, int nCol, COLORREF clr)
{
    return static_cast<COLORREF>(Send(TVM_SETITEMTEXTCOLOR, ItemAndColumn(hItem, nCol), clr));
}

int CTreeListCtrl::EnsureVisible(HTREEITEM hItem, int nCol)
{
    return static_cast<int>(Send(TVM_ENSUREVISIBLE, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(hItem)));
}

int CTreeListCtrl::EnsureVisible(HTREEITEM hItem)
{
    return EnsureVisible(hItem, -1);
}

BOOL CTreeListCtrl::SelectDropTarget(HTREEITEM hItem, int nCol)
{
    return Send(TVM_SELECTDROP, nCol, reinterpret_cast<LPARAM>(hItem)) != 0;
}

BOOL CTreeListCtrl::SelectItem(HTREEITEM hItem, int nCol)
{
    return Send(TVM_SELECTSUBITEM, nCol, reinterpret_cast<LPARAM>(hItem)) != 0;
}

BOOL CTreeListCtrl::GetItemRect(HTREEITEM hItem, int nCol, RECT* pRect, int nCode)
{
    if (!pRect)
        return FALSE;
    *reinterpret_cast<HTREEITEM*>(pRect) = hItem;   // the window reads the item from the rectangle
    const WPARAM code = static_cast<UINT>(nCode) | (static_cast<WPARAM>(static_cast<UINT>(nCol)) << kColumnShift);
    return Send(TVM_GETITEMRECT, code, reinterpret_cast<LPARAM>(pRect)) != 0;
}

HTREEITEM CTreeListCtrl::GetNextSelectedChild(HTREEITEM hItem)
{
    return AsItem(Send(TVM_GETNEXTITEM, TVGN_NEXTSELCHILD, reinterpret_cast<LPARAM>(hItem)));
}

HTREEITEM CTreeListCtrl::GetNextSelected(HTREEITEM hItem)
{
    return AsItem(Send(TVM_GETNEXTITEM, TVGN_NEXTSELECTED, reinterpret_cast<LPARAM>(hItem)));
}

HTREEITEM CTreeListCtrl::GetFocus()
{
    return AsItem(Send(TVM_GETNEXTITEM, TVGN_FOCUS));
}

int CTreeListCtrl::GetFocusColumn()
{
    return static_cast<int>(Send(TVM_GETNEXTITEM, TVGN_FOCUSSUB));
}

int CTreeListCtrl::GetSelectionColumn()
{
    return static_cast<int>(Send(TVM_GETNEXTITEM, TVGN_CARETSUB));
}

int CTreeListCtrl::GetDropHilightColumn()
{
    return static_cast<int>(Send(TVM_GETNEXTITEM, TVGN_DROPHILITESUB));
}

CEdit* CTreeListCtrl::EditLabel(HTREEITEM hItem, int nCol, int bWide)
{
    const LRESULT editor = Send(TVM_EDITLABELW, EditCode(nCol, bWide), reinterpret_cast<LPARAM>(hItem));
    return static_cast<CEdit*>(CWnd::FromHandle(reinterpret_cast<HWND>(editor)));
}

CComboBox* CTreeListCtrl::EditLabelCb(HTREEITEM hItem, int nCol, int bWide, int bDropList)
{
    const WPARAM code = EditCode(nCol, bWide) | (bDropList ? TVLE_DROPLIST : TVLE_COMBO);
    const LRESULT editor = Send(TVM_EDITLABELW, code, reinterpret_cast<LPARAM>(hItem));
    return static_cast<CComboBox*>(CWnd::FromHandle(reinterpret_cast<HWND>(editor)));
}

CImageList* CTreeListCtrl::CreateDragImage(HTREEITEM hItem, int nCol)
{
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(Send(TVM_CREATEDRAGIMAGE, nCol, reinterpret_cast<LPARAM>(hItem))));
}

BOOL CTreeListCtrl::SetItem(TVITEMW* pItem)
{
    return Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(pItem)) != 0;
}

BOOL CTreeListCtrl::SetItem(HTREEITEM hItem, int nCol, UINT nMask, LPCWSTR lpszItem, int nImage, int nSelectedImage,
                            UINT nState, UINT nStateMask, LPARAM lParam)
{
    TVITEMW item = {};
    item.mask = nMask | TVIF_SUBITEM;
    item.hItem = hItem;
    item.cChildren = nCol;
    item.pszText = const_cast<LPWSTR>(lpszItem);
    item.cchTextMax = lpszItem ? kOfferedText : 0;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL CTreeListCtrl::SetItemText(HTREEITEM hItem, LPCWSTR lpszItem, int nCol)
{
    return SetItem(hItem, nCol, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
}

const wchar_t* CTreeListCtrl::GetItemText(HTREEITEM hItem, int nCol) const
{
    TVITEMW item = {};
    item.mask = TVIF_TEXT | TVIF_SUBITEM | TVIF_TEXTPTR;
    item.hItem = hItem;
    item.cChildren = nCol;
    return Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? item.pszText : nullptr;
}

int CTreeListCtrl::GetItemText(HTREEITEM hItem, wchar_t* pBuffer, int nMax, int nCol) const
{
    if (nMax < 1 || !pBuffer)
        return 0;
    pBuffer[0] = 0;
    TVITEMW item = {};
    item.mask = TVIF_TEXT | TVIF_SUBITEM;
    item.hItem = hItem;
    item.cChildren = nCol;
    item.pszText = pBuffer;
    item.cchTextMax = nMax;
    return static_cast<int>(Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

UINT CTreeListCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask, int nCol) const
{
    TVITEMW item = {};
    item.mask = TVIF_STATE | TVIF_HANDLE | TVIF_SUBITEM;
    item.hItem = hItem;
    item.stateMask = nStateMask;
    item.cChildren = nCol;
    return Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? item.state : 0;
}

BOOL CTreeListCtrl::SetItemState(HTREEITEM hItem, int nCol, UINT nState, UINT nStateMask)
{
    return SetItem(hItem, nCol, TVIF_STATE | TVIF_HANDLE, nullptr, 0, 0, nState, nStateMask, 0);
}

int CTreeListCtrl::ListInsertItem(int nRow, LPCWSTR lpszItem, int nImage, int nState, int nStateMask)
{
    TVINSERTSTRUCTW insert = {};
    insert.hParent = TVI_ROOT;
    const HTREEITEM hBefore = GetItemOfRow(nRow);
    const HTREEITEM hPrevious = hBefore ? GetPrevSiblingItem(hBefore) : nullptr;
    insert.hInsertAfter = !hBefore ? TVI_LAST : (hPrevious ? hPrevious : TVI_FIRST);
    TVITEMW& item = insert.item;
    if (lpszItem)
    {
        item.mask |= TVIF_TEXT;
        item.pszText = const_cast<LPWSTR>(lpszItem);
        item.cchTextMax = kOfferedText;
    }
    if (nImage >= 0)
    {
        item.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        item.iImage = item.iSelectedImage = nImage;
    }
    if (nState >= 0)
    {
        item.mask |= TVIF_STATE;
        item.state = static_cast<UINT>(nState);
        item.stateMask = static_cast<UINT>(nStateMask) & kListInsertStates;
    }
    const HTREEITEM hItem = AsItem(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    return hItem ? GetRowOfItem(hItem) : -1;
}

BOOL CTreeListCtrl::ListSetItem(int nRow, int nCol, LPCWSTR lpszItem, int nImage, int nState, int nStateMask)
{
    const HTREEITEM hItem = GetItemOfRow(nRow);
    if (!hItem)
        return FALSE;
    UINT nMask = TVIF_HANDLE;
    if (lpszItem)
        nMask |= TVIF_TEXT;
    if (nImage >= 0)
        nMask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    if (nState >= 0)
        nMask |= TVIF_STATE;
    const UINT nMaskBits = static_cast<UINT>(nStateMask) & kListSetStates;
    return SetItem(hItem, nCol, nMask, lpszItem, nImage, nImage, static_cast<UINT>(nState), nMaskBits, 0);
}

BOOL CTreeListCtrl::ListSetItem(int nRow, LPCWSTR lpszItem, int nImage, int nState, int nStateMask)
{
    return ListSetItem(nRow, 0, lpszItem, nImage, nState, nStateMask);
}

BOOL CTreeListCtrl::ListDeleteItem(int nRow)
{
    const HTREEITEM hItem = GetItemOfRow(nRow);
    return hItem && DeleteItem(hItem);
}

BOOL CTreeListCtrl::ListSetColor(int nRow, int nCol, COLORREF clrBack, COLORREF clrText)
{
    const HTREEITEM hItem = GetItemOfRow(nRow);
    if (!hItem)
        return FALSE;
    SetItemBkColor(hItem, nCol, clrBack);
    SetItemTextColor(hItem, nCol, clrText);
    return TRUE;
}

BOOL CTreeListCtrl::ListGetColor(int nRow, int nCol, COLORREF& clrBack, COLORREF& clrText)
{
    const HTREEITEM hItem = GetItemOfRow(nRow);
    if (!hItem)
    {
        clrBack = clrText = static_cast<COLORREF>(-1);
        return FALSE;
    }
    clrBack = GetItemBkColor(hItem, nCol);
    clrText = GetItemTextColor(hItem, nCol);
    return TRUE;
}
