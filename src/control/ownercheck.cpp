#include "control/ownercheck.h"

void ReportAtSourceLine(const wchar_t* pszFormat, const char* pszFile, int nLine)
{
    // Source paths are plain ASCII from the compiler.
    CString strFile(pszFile != nullptr ? pszFile : "");
    CString strMessage;
    strMessage.Format(pszFormat, strFile.GetString(), nLine);
    AfxMessageBox(strMessage);
}

BOOL CheckLibraryImageList(CImageList* pImageList, const char* pszFile, int nLine)
{
    HIMAGELIST hImageList = pImageList != nullptr ? pImageList->GetSafeHandle() : nullptr;
    if (hImageList == nullptr)
        return FALSE;
    if (CImageList::FromHandlePermanent(hImageList) != nullptr)
        return TRUE;
    ReportAtSourceLine(L"The ImageList is not the dll\n %s %d", pszFile, nLine);
    return FALSE;
}

BOOL CheckStoredImageList(HIMAGELIST hImageList, CImageList* pStored, const char* pszFile, int nLine)
{
    if (hImageList == nullptr || CImageList::FromHandlePermanent(hImageList) == pStored)
        return TRUE;
    ReportAtSourceLine(L"ImageList outof dll\n %s %d", pszFile, nLine);
    return FALSE;
}

BOOL CheckMenuHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
    {
        AfxMessageBox(L"菜單為空");
        return FALSE;
    }
    if (!::IsMenu(hMenu))
    {
        AfxMessageBox(L"菜單跨越dll");
        return FALSE;
    }
    return TRUE;
}

CWnd* GetLibraryWindow(HWND hWnd)
{
    CWnd* pWnd = hWnd != nullptr ? CWnd::FromHandlePermanent(hWnd) : nullptr;
    if (pWnd == nullptr)
        AfxMessageBox(L"父窗口不同一個dll");
    return pWnd;
}

void ReportStateImageFailure(const char* pszFile, int nLine)
{
    ReportAtSourceLine(L"不能創建狀態ICON %s %d", pszFile, nLine);
}

void ReportHeaderImageFailure()
{
    AfxMessageBox(L"不能創建ImageList 可能IDB_HEADER找不到或被占用");
}
