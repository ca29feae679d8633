// CNewHeaderCtrl: an owner-drawn system header ("SysHeader32") that draws its
// captions with margins, a pressed offset, optional images and ellipsis.
#pragma once

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

protected:
    DECLARE_MESSAGE_MAP()

private:
    void DrawCaption(CDC* pDC, const CString& strCaption, CRect& rect, UINT nFlags);
    void DrawImage(CDC* pDC, const HDITEM& item, const CString& strCaption, CRect& rect, int nMargin, bool bRight);
};
