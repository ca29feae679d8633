// CHeadWnd: the item list (insertion, deletion, lookup, widths, hit tests).
#include "common/headwnd.h"

#include <algorithm>
#include <cwchar>

namespace
{

wchar_t* CopyCaption(const wchar_t* pszText)
{
    if (!pszText)
        pszText = L"";
    const size_t nLength = wcslen(pszText);
    wchar_t* pszCopy = new wchar_t[nLength + 1];
    wmemcpy(pszCopy, pszText, nLength + 1);
    return pszCopy;
}

void FreeNode(CxHeadItemIndex* pNode)
{
    delete[] pNode->pszText;
    delete pNode;
}

}   // namespace

CxHeadItemIndex* CHeadWnd::NodeAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    for (CxHeadItemIndex* pNode = m_pHead; pNode; pNode = pNode->pNext)
        if (pNode->nIndex == nIndex)
            return pNode;
    return nullptr;
}

CxHeadItemIndex* CHeadWnd::LastNode() const
{
    CxHeadItemIndex* pNode = m_pHead;
    while (pNode && pNode->pNext)
        pNode = pNode->pNext;
    return pNode;
}

// Where the item after pNode starts: right of it, or under it for a group caption.
int CHeadWnd::LeftAfter(const CxHeadItemIndex* pNode)
{
    if (!pNode)
        return 0;
    return pNode->nLevel < HEADLEVEL_GROUP ? pNode->nLeft + pNode->nWidth : pNode->nLeft;
}

int CHeadWnd::InsertItem(int nIndex, const CxHeadItem& item)
{
    if (nIndex < 0 || nIndex > m_nCount)
        nIndex = m_nCount;
    ++m_nCount;

    CxHeadItemIndex* pNew = new CxHeadItemIndex{};
    pNew->pszText = CopyCaption(item.pszText);
    pNew->nIndex = nIndex;
    pNew->nFormat = item.nFormat;
    pNew->nWidth = item.nWidth;
    pNew->nLevel = item.nLevel;
    pNew->nMask = item.nMask;

    CxHeadItemIndex* pLastVisited = nullptr;
    CxHeadItemIndex* pStop = m_pHead;
    while (pStop && pStop->nIndex < nIndex)
    {
        pLastVisited = pStop;
        pStop = pStop->pNext;
    }

    if (!pStop)
    {
        // Append after the tail (or start the list).
        if (!pLastVisited)
            m_pHead = pNew;
        else
        {
            pNew->nLeft = LeftAfter(pLastVisited);
            pNew->pPrevious = pLastVisited;
            pLastVisited->pNext = pNew;
        }
    }
    else
    {
        CxHeadItemIndex* pBefore = pStop->pPrevious;
        pNew->nLeft = LeftAfter(pBefore);
        pNew->pPrevious = pBefore;
        pNew->pNext = pStop;
        pStop->pPrevious = pNew;
        if (pBefore)
            pBefore->pNext = pNew;
        else
            m_pHead = pNew;
        for (CxHeadItemIndex* pNode = pStop; pNode; pNode = pNode->pNext)
        {
            pNode->nLeft += pNew->nWidth;
            ++pNode->nIndex;
        }
    }

    if (pNew->nLevel > HEADLEVEL_FULL)
        m_nTotalHeight = 2 * m_nRowHeight;
    ReportNewWidth(pNew->nLeft);
    return nIndex;
}

// After an insertion: tells the parent the new size, resizes and repaints.
void CHeadWnd::ReportNewWidth(int nLeftOfNewItem)
{
    int nWidth = GetWidth();
    const int nHeight = m_nTotalHeight;
    if (!GetSafeHwnd())
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    nWidth = std::max<int>(nWidth, rcClient.Width());
    if (CWnd* pParent = GetParent())
    {
        CRect rcParent;
        pParent->GetClientRect(&rcParent);
        nWidth = std::max<int>(nWidth, rcParent.Width());
        pParent->SendMessage(UM_HEADSIZE, 0, MAKELONG(nWidth, nHeight));
    }
    SetWindowPos(nullptr, 0, 0, nWidth, nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcNew(nLeftOfNewItem, 0, nWidth, nHeight);
    InvalidateRect(&rcNew, TRUE);
}

BOOL CHeadWnd::DeleteItem(int nIndex)
{
    CxHeadItemIndex* pNode = NodeAt(nIndex);
    if (!pNode)
        return FALSE;
    if (pNode->pPrevious)
        pNode->pPrevious->pNext = pNode->pNext;
    else
        m_pHead = pNode->pNext;
    if (pNode->pNext)
        pNode->pNext->pPrevious = pNode->pPrevious;
    for (CxHeadItemIndex* pFollowing = pNode->pNext; pFollowing; pFollowing = pFollowing->pNext)
        --pFollowing->nIndex;
    --m_nCount;
    FreeNode(pNode);
    return TRUE;
}

CxHeadItemIndex* CHeadWnd::GetHeadParam(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CxHeadItemIndex* pNode = NodeAt(nIndex);
    if (!pNode)
        AfxMessageBox(L"基類軟件錯誤 CHeadCtrl::GetHeadParam()");
    return pNode;
}

BOOL CHeadWnd::GetItem(int nIndex, HD_ITEM* pItem)
{
    CxHeadItemIndex* pNode = NodeAt(nIndex);
    if (!pNode || !pItem)
        return FALSE;
    switch (pNode->nFormat & HEADFMT_ALIGNMASK)
    {
    case DT_CENTER:
        pItem->fmt = HDF_CENTER;
        break;
    case DT_RIGHT:
        pItem->fmt = HDF_RIGHT;
        break;
    default:
        pItem->fmt = HDF_LEFT;
        break;
    }
    pItem->cxy = pNode->nWidth;
    pItem->mask = UINT(pNode->nMask);
    return TRUE;
}

BOOL CHeadWnd::SetItem(int nIndex, HD_ITEM* pItem)
{
    CxHeadItemIndex* pNode = NodeAt(nIndex);
    if (!pNode || !pItem)
        return FALSE;
    // The mask carries the list-view column bits, not the HDI_* ones.
    if (pItem->mask & LVCF_WIDTH)
    {
        pNode->nWidth = pItem->cxy;
        for (CxHeadItemIndex* pFollowing = pNode->pNext; pFollowing; pFollowing = pFollowing->pNext)
            pFollowing->nLeft = pFollowing->pPrevious->nLeft + pFollowing->pPrevious->nWidth;
    }
    if (pItem->mask & LVCF_TEXT)
    {
        delete[] pNode->pszText;
        pNode->pszText = CopyCaption(pItem->pszText);
    }
    if (GetSafeHwnd())
        Invalidate(TRUE);
    return TRUE;
}

void CHeadWnd::SetItemText(int nIndex, const CString& strText)
{
    CxHeadItemIndex* pNode = NodeAt(nIndex);
    if (!pNode)
        return;
    delete[] pNode->pszText;
    pNode->pszText = CopyCaption(strText);
    if (GetSafeHwnd())
        Invalidate(TRUE);
}

BOOL CHeadWnd::SetFormat(int nIndex, int nFormat)
{
    CxHeadItemIndex* pNode = NodeAt(nIndex);
    if (!pNode)
        return FALSE;
    pNode->nFormat = nFormat;
    return TRUE;
}

bool CHeadWnd::IsDigit(int nIndex)
{
    const CxHeadItemIndex* pNode = NodeAt(nIndex);
    return pNode && (pNode->nFormat & HEADFMT_DIGIT) != 0;
}

void CHeadWnd::Free()
{
    CxHeadItemIndex* pNode = m_pHead;
    while (pNode)
    {
        CxHeadItemIndex* pNext = pNode->pNext;
        FreeNode(pNode);
        pNode = pNext;
    }
    m_pHead = nullptr;
    m_nCount = 0;
}

int CHeadWnd::GetWidth() const
{
    const CxHeadItemIndex* pLast = LastNode();
    return pLast ? pLast->nLeft + pLast->nWidth : 0;
}

long CHeadWnd::GetItemPos(int nIndex) const
{
    long nPos = 0;
    for (const CxHeadItemIndex* pNode = m_pHead; pNode && pNode->nIndex < nIndex; pNode = pNode->pNext)
        nPos += pNode->nWidth;
    return nPos;
}

long CHeadWnd::GetItemWidth(int nIndex) const
{
    if (nIndex < 0)
        return 0;
    const CxHeadItemIndex* pNode = m_pHead;
    while (pNode && pNode->nIndex != nIndex && pNode->pNext)
        pNode = pNode->pNext;
    return pNode ? pNode->nWidth : 0;
}

BOOL CHeadWnd::GetItemRect(int nIndex, RECT* pRect)
{
    if (!pRect || nIndex < 0 || nIndex >= m_nCount)
        return FALSE;
    CRect rect(0, 0, 0, m_nTotalHeight);
    if (GetSafeHwnd())
        GetClientRect(&rect);
    rect.left = GetItemPos(nIndex);
    rect.right = rect.left + GetItemWidth(nIndex);
    *pRect = rect;
    return TRUE;
}

int CHeadWnd::XToItem(int x) const
{
    if (x < 0)
        return -1;
    int nItem = 0;
    for (const CxHeadItemIndex* pNode = m_pHead; pNode && pNode->nLeft + pNode->nWidth <= x; pNode = pNode->pNext)
        ++nItem;
    return nItem;
}

int CHeadWnd::HitTest(CPoint point) const
{
    return XToItem(point.x);
}

int CHeadWnd::IsEdge(CPoint point) const
{
    const CxHeadItemIndex* pNode = m_pHead;
    while (pNode && pNode->nLeft + pNode->nWidth <= point.x)
        pNode = pNode->pNext;
    if (!pNode)
        return 0;
    // The two pixels left of the border grab it; the border pixel itself does not.
    return pNode->nLeft + pNode->nWidth - point.x <= 2 ? pNode->nIndex + 1 : 0;
}
