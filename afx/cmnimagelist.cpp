// CImageList: ownership of the list and this module's map of image-list wrappers.
#include "afxcmn.h"
#include "afxhandlemap.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace
{

CHandleMap<HIMAGELIST, CImageList>& ImageListMap()
{
    static CHandleMap<HIMAGELIST, CImageList> map(&CImageList::m_hImageList);
    return map;
}

}   // namespace

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    return ImageListMap().FromHandle(hImageList);
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
    return ImageListMap().LookupPermanent(hImageList);
}

void PASCAL CImageList::DeleteTempMap()
{
    ImageListMap().DeleteTemp();
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return AttachCreated(ImageList_LoadImage(AfxGetResourceHandle(), lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, 0));
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    ASSERT(m_hImageList == nullptr);
    if (hImageList == nullptr || m_hImageList != nullptr)
        return FALSE;
    m_hImageList = hImageList;
    ImageListMap().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr && ImageListMap().LookupPermanent(hImageList) == this)
        ImageListMap().RemoveHandle(hImageList);
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}

HIMAGELIST CImageList::GetSafeHandle() const
{
    const CImageList* self = AfxOpaquePointer(this);
    return self != nullptr ? self->m_hImageList : nullptr;
}

BOOL CImageList::AttachCreated(HIMAGELIST hImageList)
{
    if (Attach(hImageList))
        return TRUE;
    if (hImageList != nullptr)
        ImageList_Destroy(hImageList);
    return FALSE;
}

BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ImageList_DragEnter(pWndLock->GetSafeHwnd(), point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock)
{
    return ImageList_DragLeave(pWndLock->GetSafeHwnd());
}

CImageList* AfxNewImageList(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return nullptr;
    CImageList* imageList = new CImageList;
    imageList->Attach(hImageList);
    return imageList;
}
