// CImageList: the wrapper of a common-control image list, with its own
// per-module map from handle to wrapper. A list made by another module has
// no permanent wrapper here: FromHandlePermanent returns null for it, which
// is how the library tells that an image list is not its own.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include "afx.h"
#include "afxgdi.h"

class CWnd;
class CImageList;
// The handle of a wrapper that may be null.
// A new wrapper that owns hImageList (the caller deletes it), or null for a
// null handle: what the CreateDragImage members hand back.
CImageList* AfxNewImageList(HIMAGELIST hImageList);

inline HIMAGELIST AfxImageListHandleOf(const CImageList* pImageList);

class CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)
public:
    HIMAGELIST m_hImageList = nullptr;

    CImageList() noexcept = default;
    ~CImageList() override;

    // The permanent wrapper in this module, else a temporary one; null for null.
    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
    // Only the permanent wrapper made in this module, or null.
    static CImageList* PASCAL FromHandlePermanent(HIMAGELIST hImageList);
    static void PASCAL DeleteTempMap();

    // Each Create fails (FALSE) when this wrapper already holds a list.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
    {
        return AttachCreated(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
    }
    // Bitmap resources come from the current resource module.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
    {
        return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
    }
    BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    // Image nImage2 of the second list drawn over image nImage1 of the first.
    BOOL Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx, int dy)
    {
        return AttachCreated(
            ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
    }
    // A copy of another list.
    BOOL Create(CImageList* pImageList) { return AttachCreated(ImageList_Duplicate(AfxImageListHandleOf(pImageList))); }

    // FALSE when hImageList is null or this wrapper already holds a list.
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();
    // Safe to call through a null pointer, as in MFC.
    HIMAGELIST GetSafeHandle() const;
    operator HIMAGELIST() const { return GetSafeHandle(); }

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL SetImageCount(UINT uNewCount) { return ImageList_SetImageCount(m_hImageList, uNewCount); }
    BOOL GetIconSize(int* cx, int* cy) const { return ImageList_GetIconSize(m_hImageList, cx, cy); }
    // Removes every image as well.
    BOOL SetIconSize(int cx, int cy) { return ImageList_SetIconSize(m_hImageList, cx, cy); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
    {
        return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
    }
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }

    // Each Add returns the index of the first new image, or -1.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask)
    {
        return ImageList_Add(m_hImageList, static_cast<HBITMAP>(AfxGdiHandleOf(pbmImage)),
                             static_cast<HBITMAP>(AfxGdiHandleOf(pbmMask)));
    }
    int Add(CBitmap* pbmImage, COLORREF crMask)
    {
        return ImageList_AddMasked(m_hImageList, static_cast<HBITMAP>(AfxGdiHandleOf(pbmImage)), crMask);
    }
    int Add(HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
    {
        return ImageList_Replace(m_hImageList, nImage, static_cast<HBITMAP>(AfxGdiHandleOf(pbmImage)),
                                 static_cast<HBITMAP>(AfxGdiHandleOf(pbmMask)));
    }
    int Replace(int nImage, HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
    // -1 removes every image.
    BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
    // The caller destroys the icon.
    HICON ExtractIcon(int nImage) { return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }
    BOOL SetOverlayImage(int nImage, int nOverlay) { return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay); }

    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
    {
        return ImageList_Draw(m_hImageList, nImage, AfxHdcOf(pDC), pt.x, pt.y, nStyle);
    }
    BOOL DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
    {
        return ImageList_DrawEx(m_hImageList, nImage, AfxHdcOf(pDC), pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg, nStyle);
    }

    // Dragging: one drag image per thread, so most of these are static.
    BOOL BeginDrag(int nImage, CPoint ptHotSpot)
    {
        return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
    }
    BOOL SetDragCursorImage(int nDrag, CPoint ptHotSpot)
    {
        return ImageList_SetDragCursorImage(m_hImageList, nDrag, ptHotSpot.x, ptHotSpot.y);
    }
    static BOOL PASCAL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL PASCAL DragLeave(CWnd* pWndLock);
    static BOOL PASCAL DragMove(CPoint pt) { return ImageList_DragMove(pt.x, pt.y); }
    static BOOL PASCAL DragShowNolock(BOOL bShow) { return ImageList_DragShowNolock(bShow); }
    static void PASCAL EndDrag() { ImageList_EndDrag(); }
    static CImageList* PASCAL GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot)
    {
        return FromHandle(ImageList_GetDragImage(lpPoint, lpPointHotSpot));
    }

protected:
    // Attaches a list that a Create call just made; destroys it when it cannot
    // be attached so that nothing leaks.
    BOOL AttachCreated(HIMAGELIST hImageList);
};

// A new wrapper that owns hImageList (the caller deletes it), or null for a
// null handle: what the CreateDragImage members hand back.
CImageList* AfxNewImageList(HIMAGELIST hImageList);

inline HIMAGELIST AfxImageListHandleOf(const CImageList* pImageList)
{
    return pImageList != nullptr ? pImageList->m_hImageList : nullptr;
}
