// CTreeList: the window class, attaching to a dialog control, building the
// header, the sort marks, the tree and the scroll bar.
#include "control/treelisthost.h"

#include "res/resource.h"

namespace
{

const UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
const DWORD kHeaderStyle = WS_CHILD | WS_VISIBLE | HDS_BUTTONS;
const DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
const DWORD kScrollStyle = WS_CHILD | WS_VISIBLE | WS_DISABLED | SBS_HORZ | SBS_TOPALIGN;
const int kMarkWidth = 16;
const int kMarkGrow = 10;
const COLORREF kMarkMask = RGB(0, 0, 0);
const wchar_t kNoImageListMessage[] = L"不能創建ImageList 可能IDB_HEADER找不到或被占用";

LRESULT CALLBACK DummyWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

}   // namespace

const wchar_t CTreeList::kClassName[] = L"VORNELTREELISTCTRL";

IMPLEMENT_DYNAMIC(CTreeList, CWnd)

BEGIN_MESSAGE_MAP(CTreeList, CWnd)
    ON_WM_CREATE()
    ON_WM_HSCROLL()
    ON_WM_CONTEXTMENU()
    ON_WM_SIZE()
    ON_WM_MOVE()
END_MESSAGE_MAP()

CTreeList::~CTreeList()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    // The children go first, while their wrappers still know their classes.
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CTreeList::RegisterClass()
{
    WNDCLASS wc{};
    wc.style = kClassStyle;
    wc.lpfnWndProc = DummyWndProc;
    wc.hInstance = AfxGetStaticModuleState()->m_hCurrentInstanceHandle;
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kClassName;
    const BOOL bRegistered = ::RegisterClass(&wc) != 0;
    ASSERT(bRegistered);
    return bRegistered;
}

BOOL CTreeList::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (!CWnd::SubclassDlgItem(nID, pParent))
        return FALSE;
    Initialize();
    return TRUE;
}

int CTreeList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    Initialize();
    return 0;
}

int CTreeList::HeaderHeight() const
{
    CRect rc;
    m_wndTree.m_wndHeader.GetWindowRect(&rc);
    return rc.Height();
}

void CTreeList::Initialize()
{
    CRect rcClient;
    GetClientRect(&rcClient);

    // The header, in the parent's font, as high as that font's "A" and 4 pixels.
    CNewHeaderCtrl& header = m_wndTree.m_wndHeader;
    header.Create(kHeaderStyle, CRect(-1, -1, rcClient.Width() - 1, 20), this, IDC_TREELIST_HEADER);
    CWnd* pParent = GetParent();
    CFont* pFont = pParent != nullptr ? pParent->GetFont() : nullptr;
    if (pFont != nullptr)
        header.SetFont(pFont);
    int nHeaderHeight = 0;
    {
        CClientDC dc(&header);
        CFont* pOldFont = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
        nHeaderHeight = dc.GetTextExtent(L"A", 1).cy + 4;
        if (pOldFont != nullptr)
            dc.SelectObject(pOldFont);
    }
    header.SetWindowPos(nullptr, -1, -1, rcClient.Width(), nHeaderHeight, SWP_NOZORDER | SWP_SHOWWINDOW);

    // The sort marks: up (ascending) and down (descending) from the library's bitmap.
    if (m_wndTree.m_imgHeader.GetSafeHandle() == nullptr &&
        !m_wndTree.m_imgHeader.Create(IDB_HEADER, kMarkWidth, kMarkGrow, kMarkMask))
        AfxMessageBox(kNoImageListMessage);
    if (m_wndTree.m_imgHeader.GetSafeHandle() != nullptr)
        header.m_pImageList = &m_wndTree.m_imgHeader;

    const int nHeaderBottom = nHeaderHeight - 1;
    const int cyScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    const int nTreeTop = nHeaderBottom + 4;
    m_wndTree.Create(
        kTreeStyle,
        CRect(0, nTreeTop, rcClient.Width() - 5, nTreeTop + rcClient.Height() - nHeaderHeight - cyScroll - 4), this,
        IDC_TREELIST_TREE);
    if (pFont != nullptr)
        m_wndTree.SetFont(pFont);
    m_wndScroll.Create(
        kScrollStyle,
        CRect(0, rcClient.bottom - cyScroll, rcClient.Width() - ::GetSystemMetrics(SM_CXVSCROLL), rcClient.bottom),
        this, IDC_TREELIST_SCROLL);

    SortTree(0, TRUE, m_wndTree.GetRootItem());
}

BOOL CTreeList::VerticalScrollVisible() const
{
    int nMin = 0;
    int nMax = 0;
    m_wndTree.GetScrollRange(SB_VERT, &nMin, &nMax);
    return nMax != 0;
}

BOOL CTreeList::HorizontalScrollVisible() const
{
    int nMin = 0;
    int nMax = 0;
    m_wndScroll.GetScrollRange(&nMin, &nMax);
    return nMax != 0;
}

void CTreeList::SortTree(int nCol, BOOL bAscending, HTREEITEM hItem)
{
    for (; hItem != nullptr; hItem = m_wndTree.GetNextSiblingItem(hItem))
    {
        if (!m_wndTree.ItemHasChildren(hItem))
            continue;
        m_wndTree.SortItems(nCol, bAscending, hItem);
        SortTree(nCol, bAscending, m_wndTree.GetChildItem(hItem));
    }
}

HTREEITEM CTreeList::HitTest(CPoint pt, UINT* pFlags) const
{
    ASSERT(::IsWindow(m_wndTree.m_hWnd));
    return m_wndTree.HitTest(pt, pFlags);
}

BOOL CTreeList::ItemHasChildren(HTREEITEM hItem) const
{
    ASSERT(::IsWindow(m_wndTree.m_hWnd));
    return m_wndTree.ItemHasChildren(hItem);
}

HTREEITEM CTreeList::GetSelectedItem()
{
    ASSERT(::IsWindow(m_wndTree.m_hWnd));
    return m_wndTree.GetSelectedItem();
}

void CTreeList::Expand(HTREEITEM hItem, UINT nCode)
{
    ASSERT(::IsWindow(m_wndTree.m_hWnd));
    if (hItem == nullptr || hItem == TVI_ROOT)
        return;
    HTREEITEM hParent = m_wndTree.GetParentItem(hItem);
    if (hParent != nullptr)
        Expand(hParent, nCode);
    m_wndTree.Expand(hItem, nCode);
}

void CTreeList::OnContextMenu(CWnd* pWnd, CPoint /*pos*/)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
}
