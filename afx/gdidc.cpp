// CDC: ownership of the DC handle and this module's map of DC wrappers.
#include "afxgdi.h"
#include "afxhandlemap.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace
{

// A temporary DC wrapper draws and measures on the same DC.
CDC* NewDCWrapper(HDC hDC)
{
    CDC* dc = new CDC;
    dc->m_hAttribDC = hDC;
    return dc;
}

CHandleMap<HDC, CDC>& DCMap()
{
    static CHandleMap<HDC, CDC> map(&CDC::m_hDC, &NewDCWrapper);
    return map;
}

// Wine fills in its list of printers when winspool.drv loads; a program that
// has not touched the spooler yet would otherwise find no printer by name.
void LoadPrinterList()
{
    static const HMODULE hSpooler = ::LoadLibraryW(L"winspool.drv");
    (void)hSpooler;
}

}   // namespace

CDC::~CDC()
{
    DeleteDC();
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return DCMap().FromHandle(hDC);
}

CDC* PASCAL CDC::FromHandlePermanent(HDC hDC)
{
    return DCMap().LookupPermanent(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    DCMap().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    ASSERT(m_hDC == nullptr);
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = hDC;
    m_hAttribDC = hDC;
    DCMap().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr && DCMap().LookupPermanent(hDC) == this)
        DCMap().RemoveHandle(hDC);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

HDC CDC::GetSafeHdc() const
{
    const CDC* self = AfxOpaquePointer(this);
    return self != nullptr ? self->m_hDC : nullptr;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    if (lpszDeviceName != nullptr)
        LoadPrinterList();
    return AttachCreated(
        ::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    if (lpszDeviceName != nullptr)
        LoadPrinterList();
    return AttachCreated(
        ::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return AttachCreated(::CreateCompatibleDC(AfxHdcOf(pDC)));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

BOOL CDC::AttachCreated(HDC hDC)
{
    if (Attach(hDC))
        return TRUE;
    if (hDC != nullptr)
        ::DeleteDC(hDC);
    return FALSE;
}

int CDC::SaveDC()
{
    int nSaved = 0;
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        nSaved = ::SaveDC(m_hAttribDC);
    if (m_hDC != nullptr)
        nSaved = ::SaveDC(m_hDC);
    return nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bResult = TRUE;
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        bResult = ::RestoreDC(m_hAttribDC, nSavedDC);
    if (m_hDC != nullptr)
        bResult = ::RestoreDC(m_hDC, nSavedDC) && bResult;
    return bResult;
}
