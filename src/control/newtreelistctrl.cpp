// CNewTreeListCtrl: columns, items and their records, mouse and keys.
#include "control/newtreelistctrl.h"

#include <algorithm>

#include "control/treelisthost.h"

namespace
{

const int kFormatRight = 1;
const int kFormatCenter = 2;
const int kNoWidth = -1;
// Where a click selects the item: its label, icon, state icon, indent or the row right of it.
const UINT kSelectingHits = TVHT_ONITEM | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT;
// What CopyItem reads and carries over to the copy.
const UINT kCopiedFields =
    TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM | TVIF_CHILDREN;
// NM_CLICK goes out in a block this large: the header, then zeros.
const size_t kClickBlockSize = 32;

}   // namespace

IMPLEMENT_DYNAMIC(CNewTreeListCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(CNewTreeListCtrl, CTreeCtrl)
    ON_WM_PAINT()
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_DESTROY()
    ON_MESSAGE(TVM_DELETEITEM, OnDeleteItemMessage)
END_MESSAGE_MAP()

CNewTreeListCtrl::~CNewTreeListCtrl()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    // Destroyed here, while this class still answers WM_DESTROY and frees the records.
    if (::IsWindow(m_hWnd))
        DestroyWindow();
    if (m_imgHeader.GetSafeHandle() != nullptr)
        m_imgHeader.DeleteImageList();
}

// ---- columns ----

int CNewTreeListCtrl::InsertColumn(int nCol, LPCWSTR lpszText, int nFormat, int nWidth, int /*nSubItem*/)
{
    if (!::IsWindow(m_wndHeader.GetSafeHwnd()))
        return -1;
    HDITEM item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = const_cast<LPWSTR>(lpszText != nullptr ? lpszText : L"");
    item.fmt = HDF_OWNERDRAW | (nFormat == kFormatRight ? HDF_RIGHT : nFormat == kFormatCenter ? HDF_CENTER : HDF_LEFT);
    if (nWidth != kNoWidth)
    {
        item.mask |= HDI_WIDTH;
        item.cxy = nWidth;
    }
    const int nResult = m_wndHeader.InsertItem(nCol, &item);
    if (nResult >= 0 && ++m_nColumns == 1)
        m_wndHeader.SetSortState(nResult, CNewHeaderCtrl::kSortAscending);
    RecalcColumnsWidth();
    return nResult;
}

int CNewTreeListCtrl::GetColumnWidth(int nCol) const
{
    HDITEM item{};
    item.mask = HDI_WIDTH;
    if (!::IsWindow(m_wndHeader.GetSafeHwnd()) || !m_wndHeader.GetItem(nCol, &item))
        return 0;
    return item.cxy;
}

int CNewTreeListCtrl::GetColumnAlign(int nCol) const
{
    HDITEM item{};
    item.mask = HDI_FORMAT;
    if (!::IsWindow(m_wndHeader.GetSafeHwnd()) || !m_wndHeader.GetItem(nCol, &item))
        return 0;
    switch (item.fmt & HDF_JUSTIFYMASK)
    {
    case HDF_RIGHT:
        return kFormatRight;
    case HDF_CENTER:
        return kFormatCenter;
    default:
        return 0;
    }
}

void CNewTreeListCtrl::RecalcColumnsWidth()
{
    int nTotal = 0;
    for (int nCol = 0; nCol < m_nColumns; ++nCol)
        nTotal += GetColumnWidth(nCol);
    m_nColumnsWidth = nTotal;
}

// ---- items and their records ----

NewTreeItemInfo* CNewTreeListCtrl::GetItemInfo(HTREEITEM hItem) const
{
    if (hItem == nullptr || hItem == TVI_ROOT)
        return nullptr;
    TVITEM item{};
    item.mask = TVIF_HANDLE | TVIF_PARAM;
    item.hItem = hItem;
    if (!GetItem(&item))
        return nullptr;
    return reinterpret_cast<NewTreeItemInfo*>(item.lParam);
}

BOOL CNewTreeListCtrl::StoreInfo(HTREEITEM hItem, NewTreeItemInfo* pInfo)
{
    return CTreeCtrl::SetItem(hItem, TVIF_HANDLE | TVIF_PARAM, nullptr, 0, 0, 0, 0, reinterpret_cast<LPARAM>(pInfo));
}

HTREEITEM CNewTreeListCtrl::InsertWithInfo(TVINSERTSTRUCT& insert, NewTreeItemInfo* pInfo)
{
    ASSERT(::IsWindow(m_hWnd));
    insert.item.mask |= TVIF_PARAM;
    insert.item.lParam = reinterpret_cast<LPARAM>(pInfo);
    ++m_nItems;
    ResetScrollBar();
    HTREEITEM hItem = CTreeCtrl::InsertItem(&insert);
    if (hItem == nullptr)
    {
        // The tree refused (a parent that is not its item, say): nothing is kept.
        --m_nItems;
        delete pInfo;
    }
    return hItem;
}

HTREEITEM CNewTreeListCtrl::InsertItem(LPCWSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    auto* pInfo = new NewTreeItemInfo;
    pInfo->m_strText = lpszItem;
    TVINSERTSTRUCT insert{};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPWSTR>(pInfo->m_strText.GetString());
    return InsertWithInfo(insert, pInfo);
}

HTREEITEM CNewTreeListCtrl::InsertItem(LPCWSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                       HTREEITEM hInsertAfter)
{
    auto* pInfo = new NewTreeItemInfo;
    pInfo->m_strText = lpszItem;
    TVINSERTSTRUCT insert{};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<LPWSTR>(L"");
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    return InsertWithInfo(insert, pInfo);
}

HTREEITEM CNewTreeListCtrl::InsertItem(UINT nMask, LPCWSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                       UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    auto* pInfo = new NewTreeItemInfo;
    pInfo->m_strText = lpszItem;
    pInfo->m_dwData = static_cast<DWORD>(lParam);
    TVINSERTSTRUCT insert{};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = nMask;
    insert.item.pszText = const_cast<LPWSTR>(L"");
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    insert.item.state = nState;
    insert.item.stateMask = nStateMask;
    return InsertWithInfo(insert, pInfo);
}

BOOL CNewTreeListCtrl::SetItemText(HTREEITEM hItem, int nCol, LPCWSTR lpszText)
{
    NewTreeItemInfo* pInfo = GetItemInfo(hItem);
    if (pInfo == nullptr || !pInfo->SetColumnText(nCol, lpszText))
        return FALSE;
    return StoreInfo(hItem, pInfo);
}

CString CNewTreeListCtrl::GetItemText(HTREEITEM hItem, int nCol) const
{
    const NewTreeItemInfo* pInfo = GetItemInfo(hItem);
    return pInfo != nullptr ? pInfo->GetColumnText(nCol) : CString();
}

BOOL CNewTreeListCtrl::SetItemData(HTREEITEM hItem, DWORD dwData)
{
    NewTreeItemInfo* pInfo = GetItemInfo(hItem);
    if (pInfo == nullptr)
        return FALSE;
    pInfo->m_dwData = dwData;
    return TRUE;
}

DWORD CNewTreeListCtrl::GetItemData(HTREEITEM hItem) const
{
    const NewTreeItemInfo* pInfo = GetItemInfo(hItem);
    return pInfo != nullptr ? pInfo->m_dwData : 0;
}

BOOL CNewTreeListCtrl::SetItemColor(HTREEITEM hItem, COLORREF crText, BOOL bRepaint)
{
    NewTreeItemInfo* pInfo = GetItemInfo(hItem);
    if (pInfo == nullptr)
        return FALSE;
    pInfo->m_crText = crText;
    if (!StoreInfo(hItem, pInfo))
        return FALSE;
    if (bRepaint)
        Invalidate();
    return TRUE;
}

BOOL CNewTreeListCtrl::SetItemBold(HTREEITEM hItem, BOOL bBold, BOOL bRepaint)
{
    NewTreeItemInfo* pInfo = GetItemInfo(hItem);
    if (pInfo == nullptr)
        return FALSE;
    pInfo->m_bBold = bBold;
    if (!StoreInfo(hItem, pInfo))
        return FALSE;
    if (bRepaint)
        Invalidate();
    return TRUE;
}

HTREEITEM CNewTreeListCtrl::CopyItem(HTREEITEM hItem, HTREEITEM hNewParent, HTREEITEM hAfter)
{
    ASSERT(::IsWindow(m_hWnd));
    const CString strTreeText = CTreeCtrl::GetItemText(hItem);
    TVINSERTSTRUCT insert{};
    insert.item.mask = kCopiedFields;
    insert.item.hItem = hItem;
    insert.item.stateMask = ~0u;
    if (hItem == nullptr || !GetItem(&insert.item) || insert.item.cChildren != 0 || insert.item.lParam == 0)
        return nullptr;
    auto* pCopy = new NewTreeItemInfo(*reinterpret_cast<const NewTreeItemInfo*>(insert.item.lParam));
    insert.hParent = hNewParent;
    insert.hInsertAfter = hAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    insert.item.hItem = nullptr;
    insert.item.pszText = const_cast<LPWSTR>(strTreeText.GetString());
    return InsertWithInfo(insert, pCopy);
}

HTREEITEM CNewTreeListCtrl::MoveItem(HTREEITEM hItem, HTREEITEM hNewParent, HTREEITEM hAfter)
{
    HTREEITEM hNew = CopyItem(hItem, hNewParent, hAfter);
    if (hNew != nullptr)
        DeleteItem(hItem);
    return hNew;
}

int CNewTreeListCtrl::FreeInfo(HTREEITEM hItem)
{
    NewTreeItemInfo* pInfo = GetItemInfo(hItem);
    if (pInfo == nullptr)
        return 0;
    // Cleared before the record goes: nobody sees a freed record through the item.
    StoreInfo(hItem, nullptr);
    delete pInfo;
    return 1;
}

int CNewTreeListCtrl::FreeSubtree(HTREEITEM hItem)
{
    int nFreed = FreeInfo(hItem);
    for (HTREEITEM hChild = GetChildItem(hItem); hChild != nullptr; hChild = GetNextSiblingItem(hChild))
        nFreed += FreeSubtree(hChild);
    return nFreed;
}

void CNewTreeListCtrl::MemDeleteAllItems(HTREEITEM hItem)
{
    for (; hItem != nullptr; hItem = GetNextSiblingItem(hItem))
    {
        FreeInfo(hItem);
        if (ItemHasChildren(hItem))
            MemDeleteAllItems(GetChildItem(hItem));
    }
}

BOOL CNewTreeListCtrl::DeleteItem(HTREEITEM hItem)
{
    ASSERT(::IsWindow(m_hWnd));
    if (GetItemInfo(hItem) == nullptr)
        return FALSE;
    m_nItems -= FreeSubtree(hItem);
    return DeleteTreeItem(hItem);
}

BOOL CNewTreeListCtrl::DeleteItem(int nIndex)
{
    return DeleteItem(GetTreeItem(nIndex));
}

BOOL CNewTreeListCtrl::DeleteAllItems()
{
    ASSERT(::IsWindow(m_hWnd));
    MemDeleteAllItems(GetRootItem());
    m_nItems = 0;
    return DeleteTreeItem(TVI_ROOT);
}

LRESULT CNewTreeListCtrl::OnDeleteItemMessage(WPARAM /*wParam*/, LPARAM lParam)
{
    auto hItem = reinterpret_cast<HTREEITEM>(lParam);
    if (hItem == nullptr || hItem == TVI_ROOT)
    {
        MemDeleteAllItems(GetRootItem());
        return DeleteTreeItem(TVI_ROOT);
    }
    FreeSubtree(hItem);
    return DeleteTreeItem(hItem);
}

BOOL CNewTreeListCtrl::DeleteTreeItem(HTREEITEM hItem)
{
    if (m_nTreeDepth > 0)
    {
        // The tree goes on with its items after the notification that asked for this.
        m_pendingDeletions.push_back(hItem);
        return TRUE;
    }
    // Straight to the tree: the records are gone already.
    return BOOL(DefWindowProc(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hItem)));
}

void CNewTreeListCtrl::RunPendingDeletions()
{
    std::vector<HTREEITEM> pending;
    pending.swap(m_pendingDeletions);
    const bool bAll = std::find(pending.begin(), pending.end(), TVI_ROOT) != pending.end();
    if (!::IsWindow(m_hWnd))
        return;
    // Items inserted under them meanwhile go too: their records are freed here.
    if (bAll)
    {
        MemDeleteAllItems(GetRootItem());
        m_nItems = 0;
        DeleteTreeItem(TVI_ROOT);
        return;
    }
    // The tree refuses an item that went with an earlier one.
    for (HTREEITEM hItem : pending)
    {
        m_nItems -= FreeSubtree(hItem);
        DeleteTreeItem(hItem);
    }
}

LRESULT CNewTreeListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TVM_DELETEITEM)
        return CTreeCtrl::WindowProc(message, wParam, lParam);
    ++m_nTreeDepth;
    const LRESULT lResult = CTreeCtrl::WindowProc(message, wParam, lParam);
    if (--m_nTreeDepth == 0 && !m_pendingDeletions.empty())
        RunPendingDeletions();
    return lResult;
}

void CNewTreeListCtrl::OnDestroy()
{
    MemDeleteAllItems(GetRootItem());
    CTreeCtrl::OnDestroy();
}

HTREEITEM CNewTreeListCtrl::GetTreeItem(int nIndex) const
{
    if (nIndex < 0)
        return nullptr;
    HTREEITEM hItem = GetRootItem();
    for (; hItem != nullptr && nIndex > 0; --nIndex)
        hItem = GetNextSiblingItem(hItem);
    return hItem;
}

int CNewTreeListCtrl::GetListItem(HTREEITEM hItem) const
{
    int nIndex = 0;
    for (HTREEITEM hRoot = GetRootItem(); hRoot != nullptr; hRoot = GetNextSiblingItem(hRoot), ++nIndex)
        if (hRoot == hItem)
            return nIndex;
    return -1;
}

// ---- geometry, notifications, the host ----

CSize CNewTreeListCtrl::GetSize() const
{
    CRect rc;
    GetClientRect(&rc);
    return rc.Size();
}

LRESULT CNewTreeListCtrl::SendNotify(int nCode)
{
    ASSERT(::IsWindow(m_hWnd));
    // A zero-padded block: the host passes on the first 32 bytes of what it gets.
    BYTE block[kClickBlockSize] = {};
    auto* pHeader = reinterpret_cast<NMHDR*>(block);
    pHeader->hwndFrom = m_hWnd;
    pHeader->idFrom = UINT_PTR(GetDlgCtrlID());
    pHeader->code = UINT(nCode);
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent == nullptr)
        return 0;
    return ::SendMessage(hParent, WM_NOTIFY, pHeader->idFrom, reinterpret_cast<LPARAM>(block));
}

LRESULT CNewTreeListCtrl::SendNMClick()
{
    return SendNotify(NM_CLICK);
}

void CNewTreeListCtrl::ResetScrollBar()
{
    auto* pHost = dynamic_cast<CTreeList*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    if (pHost != nullptr && pHost->m_dwHostTag == CTreeList::kHostTag)
        pHost->ResetScrollBar();
}

void CNewTreeListCtrl::ResetVertScrollBar()
{
    // The tree's vertical bar takes width from the columns: the host fits its bar again.
    ResetScrollBar();
}

// ---- mouse and keys ----

bool CNewTreeListCtrl::IsRightOfFirstColumn(CPoint point) const
{
    return m_nColumns > 0 && point.x >= m_nOffset + GetColumnWidth(0);
}

int CNewTreeListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CTreeCtrl::OnCreate(lpCreateStruct);
}

void CNewTreeListCtrl::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    UINT nHit = 0;
    HTREEITEM hItem = HitTest(point, &nHit);
    if (hItem != nullptr && (nHit & kSelectingHits) != 0)
        SelectItem(hItem);
    if (!IsRightOfFirstColumn(point))
    {
        // The tree's own parts lie shifted by the offset; the handle is looked up
        // again, since the parent may have deleted items when the selection changed.
        hItem = HitTest(CPoint(point.x - m_nOffset, point.y), &nHit);
        if (hItem != nullptr && (nHit & TVHT_ONITEMBUTTON) != 0)
            Expand(hItem, TVE_TOGGLE);
    }
    Invalidate(FALSE);
    SetFocus();
    ResetVertScrollBar();
    SendNMClick();
}

void CNewTreeListCtrl::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    if (IsRightOfFirstColumn(point))
    {
        SetFocus();
        return;
    }
    Default();
    Invalidate(FALSE);
    ResetVertScrollBar();
    SetFocus();
}

void CNewTreeListCtrl::OnKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    Default();
    // The tree repaints only the labels it knows of; the other columns follow the selection too.
    Invalidate(FALSE);
    ResetVertScrollBar();
}
