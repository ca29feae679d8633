// CNewHeaderCtrl: the owner-drawn header item.
#include "control/newheaderctrl.h"

namespace
{

const UINT kCaptionFlags = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX | DT_END_ELLIPSIS;
const int kCaptionBuffer = 256;   // 255 characters are read

}   // namespace

IMPLEMENT_DYNAMIC(CNewHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CNewHeaderCtrl, CHeaderCtrl)
END_MESSAGE_MAP()

void CNewHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC dc;
    if (!dc.Attach(lpDrawItemStruct->hDC))
        return;
    const int nSaved = dc.SaveDC();
    CRect rect(lpDrawItemStruct->rcItem);
    const int nMargin = 2 * dc.GetTextExtent(L" ", 1).cx;

    wchar_t szCaption[kCaptionBuffer] = L"";
    HDITEM item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = szCaption;
    item.cchTextMax = kCaptionBuffer - 1;
    GetItem(int(lpDrawItemStruct->itemID), &item);
    szCaption[kCaptionBuffer - 1] = L'\0';
    const CString strCaption(szCaption);

    UINT nFlags = kCaptionFlags;
    const int nJustify = item.fmt & HDF_JUSTIFYMASK;
    if (nJustify == HDF_CENTER)
        nFlags |= DT_CENTER;
    else if (nJustify == HDF_RIGHT)
        nFlags |= DT_RIGHT;
    const bool bRight = nJustify == HDF_RIGHT;

    if (lpDrawItemStruct->itemState == ODS_SELECTED)
    {
        // Pressed: the caption moves one pixel right and two down.
        rect.OffsetRect(1, 0);
        rect.top += 2;
    }
    rect.left += nMargin;
    rect.right -= nMargin;

    if (!bRight)
        DrawCaption(&dc, strCaption, rect, nFlags);
    DrawImage(&dc, item, strCaption, rect, nMargin, bRight);
    if (bRight)
        DrawCaption(&dc, strCaption, rect, nFlags);

    dc.RestoreDC(nSaved);
    dc.Detach();
}

void CNewHeaderCtrl::DrawCaption(CDC* pDC, const CString& strCaption, CRect& rect, UINT nFlags)
{
    if (rect.left < rect.right)
        pDC->DrawText(strCaption, &rect, nFlags);
}

void CNewHeaderCtrl::DrawImage(CDC* pDC, const HDITEM& item, const CString& strCaption, CRect& rect, int nMargin,
                               bool bRight)
{
    if (!m_pImageList || !m_pImageList->GetSafeHandle() || !(item.fmt & HDF_IMAGE) || item.iImage == -1)
        return;
    const int y = nMargin / 3;
    CPoint ptImage(rect.left + nMargin, y);
    if (bRight)
    {
        const int nFirstChar = strCaption.IsEmpty() ? 0 : pDC->GetTextExtent(strCaption, 1).cx;
        ptImage.x = rect.right - 2 * nFirstChar;
    }
    m_pImageList->Draw(pDC, item.iImage, ptImage, ILD_TRANSPARENT);
    IMAGEINFO info{};
    if (m_pImageList->GetImageInfo(item.iImage, &info))
        rect.left += nMargin / 2 + (info.rcImage.right - info.rcImage.left);
}
