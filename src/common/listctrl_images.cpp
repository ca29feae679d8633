// CNewListCtrl: the four image-list slots (normal, small, state, bool).
#include "common/listctrl.h"

#include "qvtrace.h"
#include "control/imagelist.h"
#include "control/ownercheck.h"
#include "res/resource.h"

namespace
{

void ReportSetImageList(int nLine)
{
    ErrorFunctionReport(CString(__DATE__), CString(__FILE__), nLine, CString(L"CNewListCtrl::SetImageList"));
}

}   // namespace

void CNewListCtrl::InitImageList()
{
    m_pNormalImages = m_pSmallImages = m_pStateImages = m_pBoolImages = nullptr;
    m_hOwnedStateImages = nullptr;
}

void CNewListCtrl::ReleaseImageList()
{
    if (!m_hOwnedStateImages)
        return;
    if (m_pStateImages == m_pOwnStateImages)
        m_pStateImages = nullptr;
    delete m_pOwnStateImages;   // destroys the loaded list with it
    m_pOwnStateImages = nullptr;
    m_hOwnedStateImages = nullptr;
}

CImageList* CNewListCtrl::SetImageList(CImageList* pImageList, int nSlot)
{
    if (!pImageList || !pImageList->GetSafeHandle())
    {
        AfxMessageBox(L"Image List is not not created");
        return nullptr;
    }
    // A list of another module is reported, and used all the same.
    QV_CHECK_LIBRARY_IMAGELIST(pImageList);
    switch (nSlot)
    {
    case LISTIMAGE_NORMAL:
        m_pNormalImages = pImageList;
        break;
    case LISTIMAGE_SMALL:
        m_pSmallImages = pImageList;
        break;
    case LISTIMAGE_STATE:
        m_pStateImages = pImageList;
        break;
    case LISTIMAGE_BOOL:
        m_pBoolImages = pImageList;
        break;
    default:
        return nullptr;
    }
    return pImageList;
}

CImageList* CNewListCtrl::SetImageList(int nSlot)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    ReportSetImageList(__LINE__);
    switch (nSlot)
    {
    case LISTIMAGE_NORMAL:
        m_pNormalImages = nullptr;
        break;
    case LISTIMAGE_SMALL:
        m_pSmallImages = nullptr;
        break;
    case LISTIMAGE_BOOL:
        m_pBoolImages = nullptr;
        break;
    case LISTIMAGE_STATE:
        if (!m_hOwnedStateImages)
        {
            ReportSetImageList(__LINE__);
            HIMAGELIST hImages = LoadImageList(IDB_CHECKBOX);
            if (!hImages)
            {
                QV_REPORT_STATE_IMAGE_FAILURE();
                ReportSetImageList(__LINE__);
                return nullptr;
            }
            m_pOwnStateImages = new CImageList;
            m_pOwnStateImages->Attach(hImages);
            m_hOwnedStateImages = hImages;
        }
        m_pStateImages = m_pOwnStateImages;
        break;
    default:
        break;
    }
    ReportSetImageList(__LINE__);
    return nSlot == LISTIMAGE_STATE ? m_pStateImages : nullptr;
}

CImageList* CNewListCtrl::GetImageList(int nSlot) const
{
    switch (nSlot)
    {
    case LISTIMAGE_NORMAL:
        return m_pNormalImages;
    case LISTIMAGE_SMALL:
        return m_pSmallImages;
    case LISTIMAGE_STATE:
        return m_pStateImages;
    case LISTIMAGE_BOOL:
        return m_pBoolImages;
    default:
        return nullptr;
    }
}

LRESULT CNewListCtrl::OnSetImageList(WPARAM, LPARAM)
{
    return 0;
}
