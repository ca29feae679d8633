// CBrowseForFolder: the system folder browser with an initial selection and
// a status line. Derived classes react to the browser's events by overriding
// OnInit and OnSelChanged.
#pragma once

#include <windows.h>
#include <shlobj.h>
#include "afxwin.h"
#include "qvapi.h"

class QVCTRL_API CBrowseForFolder
{
public:
    // The title as a string identifier of the program or as text.
    CBrowseForFolder(HWND hParent = nullptr, LPITEMIDLIST pidlRoot = nullptr, int nTitleID = 0);
    CBrowseForFolder(HWND hParent, LPITEMIDLIST pidlRoot, const CString& strTitle);
    virtual ~CBrowseForFolder();
    CBrowseForFolder(const CBrowseForFolder&) = delete;
    CBrowseForFolder& operator=(const CBrowseForFolder&) = delete;

    // Called while the browser is open.
    virtual void OnInit() const;
    virtual void OnSelChanged(LPITEMIDLIST pidl) const;

    void SetOwner(HWND hOwner);
    void SetRoot(LPITEMIDLIST pidl);
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(const CString& strTitle);
    // FALSE when the program has no string nTitleID.
    bool SetTitle(int nTitleID);
    void SetFlags(UINT ulFlags);
    UINT GetFlags() const { return m_bi.ulFlags; }
    int GetImage() const { return m_bi.iImage; }
    void SetInitialSelection(const CString& strPath);
    CString GetSelectedFolder() const { return m_strPath; }

    // Shows the browser: true with the chosen path when the user picks a folder.
    bool SelectFolder();

protected:
    // Each does nothing unless the browser is open.
    void EnableOK(bool bEnable) const;
    void SetSelection(LPITEMIDLIST pidl) const;
    void SetSelection(const CString& strPath) const;
    void SetStatusText(const CString& strText) const;

    // The browser while it is open, else null.
    HWND GetBrowserWindow() const { return m_hWnd; }

private:
    static int CALLBACK BrowseCallbackProc(HWND hWnd, UINT nMessage, LPARAM lParam, LPARAM lpData);
    void InitDescription(HWND hParent, LPITEMIDLIST pidlRoot);

    CString m_strInitialSelection;
    BROWSEINFOW m_bi = {};
    wchar_t m_szDisplayName[MAX_PATH] = L"";
    CString m_strPath;
    CString m_strTitle;
    HWND m_hWnd = nullptr;
};
