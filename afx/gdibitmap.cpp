// CBitmap members that need the module state or a CDC.
#include "afxgdi.h"
#include "afxstate.h"

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    return AttachCreated(::LoadBitmap(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return AttachCreated(::CreateCompatibleBitmap(AfxHdcOf(pDC), nWidth, nHeight));
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size = {};
    ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
    return size;
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
    SIZE size = {};
    ::SetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), nWidth, nHeight, &size);
    return size;
}
