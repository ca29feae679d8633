// CNewHeaderCtrl: the sort marks of the columns.
#include "control/newheaderctrl.h"

int CNewHeaderCtrl::GetSortState(int nCol) const
{
    const auto found = m_sortStates.find(nCol);
    return found != m_sortStates.end() ? found->second : kSortNone;
}

void CNewHeaderCtrl::SetSortState(int nCol, int nState)
{
    ASSERT(::IsWindow(m_hWnd));
    HDITEM item{};
    item.mask = HDI_FORMAT;
    if (!GetItem(nCol, &item))
        return;
    m_sortStates[nCol] = nState;
    // The mark is the item's image, which DrawItem draws from m_pImageList.
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt |= HDF_OWNERDRAW;
    if (nState == kSortAscending || nState == kSortDescending)
    {
        item.fmt |= HDF_IMAGE;
        item.iImage = nState;
    }
    else
    {
        item.fmt &= ~HDF_IMAGE;
        item.iImage = -1;
    }
    SetItem(nCol, &item);
    Invalidate();
}

void CNewHeaderCtrl::ClearSortStates()
{
    for (int nCol = 0; nCol < GetItemCount(); ++nCol)
        SetSortState(nCol, kSortNone);
}
