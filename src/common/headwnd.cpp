// CHeadWnd: construction, the window's life, size and move, image list.
#include "common/headwnd.h"

#include "control/ownercheck.h"

IMPLEMENT_DYNAMIC(CHeadWnd, CWnd)

BEGIN_MESSAGE_MAP(CHeadWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CHeadWnd::CHeadWnd() : m_crBack(::GetSysColor(COLOR_BTNFACE)), m_crText(::GetSysColor(COLOR_BTNTEXT))
{
    // Copies of the system cursors, so that the destructor may destroy them.
    m_hNormalCursor = HCURSOR(::CopyIcon(HICON(::LoadCursorW(nullptr, IDC_ARROW))));
    m_hEdgeCursor = HCURSOR(::CopyIcon(HICON(::LoadCursorW(nullptr, IDC_CROSS))));
}

CHeadWnd::~CHeadWnd()
{
    if (m_hNormalCursor)
        ::DestroyCursor(m_hNormalCursor);
    if (m_hEdgeCursor)
        ::DestroyCursor(m_hEdgeCursor);
    Free();
}

BOOL CHeadWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    return CWnd::PreCreateWindow(cs);
}

BOOL CHeadWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_nRowHeight = rect.bottom - rect.top;
    return CWnd::Create(nullptr, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CHeadWnd::SetHeight(int nRowHeight)
{
    m_nRowHeight = nRowHeight;
}

void CHeadWnd::DrawItem(LPDRAWITEMSTRUCT)
{
    // The header paints itself in OnDraw; owner-draw requests draw nothing.
}

void CHeadWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    m_nWindowWidth = cx;
    m_nTotalHeight = cy;
}

void CHeadWnd::OnMove(int x, int y)
{
    CWnd::OnMove(x, y);
    if (m_nCount == 0)
        return;
    int nWidth = GetWidth();
    if (CWnd* pParent = GetParent())
    {
        CRect rcParent;
        pParent->GetClientRect(&rcParent);
        nWidth = rcParent.Width() - x;
    }
    SetWindowPos(nullptr, 0, 0, nWidth, m_nTotalHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
}

void CHeadWnd::OnDestroy()
{
    CWnd::OnDestroy();
    Free();
}

CImageList* CHeadWnd::SetImageList(CImageList* pImageList)
{
    m_pImageList = pImageList;
    return pImageList;
}

CImageList* CHeadWnd::GetImageList()
{
    if (!m_pImageList)
        return nullptr;
    QV_CHECK_STORED_IMAGELIST(m_pImageList->GetSafeHandle(), m_pImageList);
    return m_pImageList;
}

void CHeadWnd::AssertValid() const
{
    CWnd::AssertValid();
#ifdef _DEBUG
    int nIndex = 0;
    const CxHeadItemIndex* pPrevious = nullptr;
    for (const CxHeadItemIndex* pNode = m_pHead; pNode; pNode = pNode->pNext, ++nIndex)
    {
        ASSERT(pNode->nIndex == nIndex);
        ASSERT(pNode->pPrevious == pPrevious);
        pPrevious = pNode;
    }
    ASSERT(nIndex == m_nCount);
#endif
}
