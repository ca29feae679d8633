// CPrintDialog: PrintDlgW and the printer DC of its choice.
#include "afxframe.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CObject)

namespace
{

// A copy of a global memory block, or null.
HGLOBAL CopyGlobal(HGLOBAL hSource)
{
    if (hSource == nullptr)
        return nullptr;
    const SIZE_T size = ::GlobalSize(hSource);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (hCopy == nullptr)
        return nullptr;
    void* pSource = ::GlobalLock(hSource);
    void* pCopy = ::GlobalLock(hCopy);
    if (pSource != nullptr && pCopy != nullptr)
        memcpy(pCopy, pSource, size);
    ::GlobalUnlock(hCopy);
    ::GlobalUnlock(hSource);
    return hCopy;
}

enum DevNamesPart
{
    devDriver,
    devDevice,
    devPort
};

}   // namespace

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
{
    memset(&m_pd, 0, sizeof m_pd);
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags | PD_RETURNDC;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    m_pd.hwndOwner = pParentWnd->GetSafeHwnd();
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    FreeDevBlocks();
}

void CPrintDialog::FreeDevBlocks()
{
    if (m_pd.hDevMode != nullptr)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != nullptr)
        ::GlobalFree(m_pd.hDevNames);
    m_pd.hDevMode = nullptr;
    m_pd.hDevNames = nullptr;
}

void CPrintDialog::SetPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    FreeDevBlocks();
    m_pd.hDevNames = CopyGlobal(hDevNames);
    m_pd.hDevMode = CopyGlobal(hDevMode);
}

INT_PTR CPrintDialog::DoModal()
{
    if (m_pd.hwndOwner == nullptr)
    {
        HWND hOwner = ::GetActiveWindow();
        if (hOwner == nullptr)
            hOwner = AfxGetMainWnd()->GetSafeHwnd();
        m_pd.hwndOwner = hOwner;
    }
    return ::PrintDlgW(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    // A printer already chosen (SetPrinter) is kept: only its DC is made.
    if (m_pd.hDevNames != nullptr)
        return CreatePrinterDC() != nullptr;
    const DWORD dwFlags = m_pd.Flags;
    m_pd.Flags |= PD_RETURNDEFAULT;
    const BOOL bResult = ::PrintDlgW(&m_pd);
    m_pd.Flags = dwFlags;
    return bResult;
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDC != nullptr)
    {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    if (m_pd.hDevNames == nullptr)
        return nullptr;
    const CString strDriver = GetDriverName();
    const CString strDevice = GetDeviceName();
    const auto* pDevMode = m_pd.hDevMode ? static_cast<const DEVMODEW*>(::GlobalLock(m_pd.hDevMode)) : nullptr;
    m_pd.hDC =
        ::CreateDCW(strDriver.IsEmpty() ? nullptr : strDriver.GetString(), strDevice.GetString(), nullptr, pDevMode);
    if (m_pd.hDevMode != nullptr)
        ::GlobalUnlock(m_pd.hDevMode);
    return m_pd.hDC;
}

CString CPrintDialog::DevNamesString(int which) const
{
    if (m_pd.hDevNames == nullptr)
        return CString();
    const auto* pNames = static_cast<const DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
    if (pNames == nullptr)
        return CString();
    const WORD offsets[] = {pNames->wDriverOffset, pNames->wDeviceOffset, pNames->wOutputOffset};
    CString strResult(reinterpret_cast<const wchar_t*>(pNames) + offsets[which]);
    ::GlobalUnlock(m_pd.hDevNames);
    return strResult;
}

CString CPrintDialog::GetDriverName() const
{
    return DevNamesString(devDriver);
}
CString CPrintDialog::GetDeviceName() const
{
    return DevNamesString(devDevice);
}
CString CPrintDialog::GetPortName() const
{
    return DevNamesString(devPort);
}

int CPrintDialog::GetCopies() const
{
    if (m_pd.hDevMode != nullptr && (m_pd.Flags & PD_USEDEVMODECOPIES))
    {
        const auto* pDevMode = static_cast<const DEVMODEW*>(::GlobalLock(m_pd.hDevMode));
        const int nCopies = pDevMode ? pDevMode->dmCopies : 1;
        ::GlobalUnlock(m_pd.hDevMode);
        return nCopies;
    }
    return m_pd.nCopies;
}
