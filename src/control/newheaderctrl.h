// CNewHeaderCtrl: an owner-drawn system header ("SysHeader32") that draws its
// captions with margins, a pressed offset, optional images and ellipsis.
#pragma once

#include <map>

#include "afxcmn.h"
#include "qvapi.h"

class QVCTRL_API CNewHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNAMIC(CNewHeaderCtrl)
public:
    CNewHeaderCtrl() = default;
    ~CNewHeaderCtrl() override = default;

    // Items must carry HDF_OWNERDRAW to be drawn here.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // The images that items with HDF_IMAGE show (not owned).
    CImageList* m_pImageList = nullptr;

    // Sort marks per column: a column shows image 0 (ascending) or 1
    // (descending) of m_pImageList; a column never set has no mark.
    enum SortState
    {
        kSortNone = -1,
        kSortAscending = 0,
        kSortDescending = 1
    };
    int GetSortState(int nCol) const;
    void SetSortState(int nCol, int nState);
    // Every column back to no mark.
    void ClearSortStates();

protected:
    DECLARE_MESSAGE_MAP()

private:
    std::map<int, int> m_sortStates;

    void DrawCaption(CDC* pDC, const CString& strCaption, CRect& rect, UINT nFlags);
    void DrawImage(CDC* pDC, const HDITEM& item, const CString& strCaption, CRect& rect, int nMargin, bool bRight);
};
