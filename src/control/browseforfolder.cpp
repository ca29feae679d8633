#include "control/browseforfolder.h"

CBrowseForFolder::CBrowseForFolder(HWND hParent, LPITEMIDLIST pidlRoot, int nTitleID)
{
    InitDescription(hParent, pidlRoot);
    if (nTitleID > 0)
        SetTitle(nTitleID);
}

CBrowseForFolder::CBrowseForFolder(HWND hParent, LPITEMIDLIST pidlRoot, const CString& strTitle)
{
    InitDescription(hParent, pidlRoot);
    SetTitle(strTitle);
}

CBrowseForFolder::~CBrowseForFolder() = default;

void CBrowseForFolder::InitDescription(HWND hParent, LPITEMIDLIST pidlRoot)
{
    m_bi.hwndOwner = hParent;
    m_bi.pidlRoot = pidlRoot;
    m_bi.pszDisplayName = m_szDisplayName;
    m_bi.lpszTitle = nullptr;
    m_bi.ulFlags = 0;
    m_bi.lpfn = BrowseCallbackProc;
    m_bi.lParam = reinterpret_cast<LPARAM>(this);
    m_bi.iImage = 0;
}

void CBrowseForFolder::SetOwner(HWND hOwner)
{
    m_bi.hwndOwner = hOwner;
}

void CBrowseForFolder::SetRoot(LPITEMIDLIST pidl)
{
    m_bi.pidlRoot = pidl;
}

void CBrowseForFolder::SetTitle(const CString& strTitle)
{
    m_strTitle = strTitle;
    m_bi.lpszTitle = m_strTitle.GetString();
}

bool CBrowseForFolder::SetTitle(int nTitleID)
{
    CString strTitle;
    if (nTitleID <= 0 || !strTitle.LoadString(static_cast<UINT>(nTitleID)))
        return false;
    SetTitle(strTitle);
    return true;
}

void CBrowseForFolder::SetFlags(UINT ulFlags)
{
    m_bi.ulFlags = ulFlags;
}

void CBrowseForFolder::SetInitialSelection(const CString& strPath)
{
    m_strInitialSelection = strPath;
}

bool CBrowseForFolder::SelectFolder()
{
    m_strPath.Empty();
    m_bi.lpszTitle = m_strTitle.IsEmpty() ? nullptr : m_strTitle.GetString();
    LPITEMIDLIST pidl = ::SHBrowseForFolderW(&m_bi);
    m_hWnd = nullptr;
    if (pidl == nullptr)
        return false;
    wchar_t szPath[MAX_PATH] = L"";
    if (::SHGetPathFromIDListW(pidl, szPath))
        m_strPath = szPath;
    ::CoTaskMemFree(pidl);
    return true;
}

void CBrowseForFolder::EnableOK(bool bEnable) const
{
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, BFFM_ENABLEOK, 0, bEnable ? 1 : 0);
}

void CBrowseForFolder::SetSelection(LPITEMIDLIST pidl) const
{
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(pidl));
}

void CBrowseForFolder::SetSelection(const CString& strPath) const
{
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(strPath.GetString()));
}

void CBrowseForFolder::SetStatusText(const CString& strText) const
{
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(strText.GetString()));
}

void CBrowseForFolder::OnInit() const
{
    SetSelection(m_strInitialSelection);
    SetStatusText(m_strInitialSelection);
}

void CBrowseForFolder::OnSelChanged(LPITEMIDLIST pidl) const
{
    wchar_t szPath[MAX_PATH] = L"";
    if (pidl == nullptr || !::SHGetPathFromIDListW(pidl, szPath))
        szPath[0] = L'\0';
    SetStatusText(szPath);
}

int CALLBACK CBrowseForFolder::BrowseCallbackProc(HWND hWnd, UINT nMessage, LPARAM lParam, LPARAM lpData)
{
    auto* pThis = reinterpret_cast<CBrowseForFolder*>(lpData);
    if (pThis == nullptr)
        return 0;
    pThis->m_hWnd = hWnd;
    if (nMessage == BFFM_INITIALIZED)
        pThis->OnInit();
    else if (nMessage == BFFM_SELCHANGED)
        pThis->OnSelChanged(reinterpret_cast<LPITEMIDLIST>(lParam));
    return 0;
}
