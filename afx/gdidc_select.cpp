// CDC::SelectObject: selects into both DCs and hands back the wrapper of the
// object that was selected before.
#include "afxgdi.h"

namespace
{

// Selects hObject into the output DC and, when it is another one, into the
// attribute DC; returns the handle previously selected in the attribute DC.
HGDIOBJ SelectIntoBoth(HDC hDC, HDC hAttribDC, HGDIOBJ hObject)
{
    HGDIOBJ hOld = nullptr;
    if (hDC != nullptr && hDC != hAttribDC)
        hOld = ::SelectObject(hDC, hObject);
    if (hAttribDC != nullptr)
        hOld = ::SelectObject(hAttribDC, hObject);
    return hOld;
}

}   // namespace

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (pObject == nullptr || pObject->m_hObject == nullptr)
        return nullptr;
    return CGdiObject::FromHandle(SelectIntoBoth(m_hDC, m_hAttribDC, pObject->m_hObject));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont)));
}

int CDC::SelectObject(CRgn* pRgn)
{
    if (pRgn == nullptr || pRgn->m_hObject == nullptr)
        return ERROR;
    // For a region SelectObject returns the region type, not a handle.
    return static_cast<int>(reinterpret_cast<INT_PTR>(SelectIntoBoth(m_hDC, m_hAttribDC, pRgn->m_hObject)));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    if (hObject == nullptr)
        return nullptr;
    return CGdiObject::FromHandle(SelectIntoBoth(m_hDC, m_hAttribDC, hObject));
}
