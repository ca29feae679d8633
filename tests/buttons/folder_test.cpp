// Folder browsing: the library's folder dialog walked with real double clicks,
// and the system folder browser answered from a hook.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "buttons_ids.h"
#include "dialog_script.h"
#include "qvctrl.h"
#include "window_capture.h"

namespace
{

const int kList = 1200;
const int kPathEdit = 4002;
const int kGo = 4004;

// A folder tree of its own under the temporary folder: a\b, a\c, d and a file.
class FolderTree
{
public:
    FolderTree()
    {
        wchar_t temp[MAX_PATH] = L"";
        ::GetTempPathW(MAX_PATH, temp);
        root = std::wstring(temp) + L"qvfolders_" + std::to_wstring(::GetCurrentProcessId());
        for (const wchar_t* sub : {L"", L"\\a", L"\\a\\b", L"\\a\\c", L"\\d"})
            ::CreateDirectoryW((root + sub).c_str(), nullptr);
        HANDLE file =
            ::CreateFileW((root + L"\\readme.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(file);
    }
    ~FolderTree()
    {
        for (const wchar_t* sub : {L"\\a\\b", L"\\a\\c", L"\\a", L"\\d"})
            ::RemoveDirectoryW((root + sub).c_str());
        ::DeleteFileW((root + L"\\readme.txt").c_str());
        ::RemoveDirectoryW(root.c_str());
    }
    std::wstring root;
};

std::vector<std::wstring> ListNames(HWND dialog)
{
    HWND list = ::GetDlgItem(dialog, kList);
    std::vector<std::wstring> names;
    const int n = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i)
    {
        wchar_t text[MAX_PATH] = L"";
        LVITEMW item{};
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        ::SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
        names.push_back(text);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A real double click on the list item with that name.
void DoubleClickItem(HWND dialog, const std::wstring& name)
{
    HWND list = ::GetDlgItem(dialog, kList);
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = name.c_str();
    const int index =
        static_cast<int>(::SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    RECT rc{};
    rc.left = LVIR_LABEL;
    ::SendMessageW(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc));
    const LPARAM at = MAKELPARAM(rc.left + 4, (rc.top + rc.bottom) / 2);
    ::SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(list, WM_LBUTTONUP, 0, at);
    ::SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::SendMessageW(list, WM_LBUTTONUP, 0, at);
}

TEST(FindFolder, DoubleClicksWalkDownAndOkReturnsTheFullPath)
{
    FolderTree tree;
    std::vector<std::wstring> top, inA;
    std::wstring column;
    DialogScript script(L"選擇目錄",
                        {
                            [&](HWND dlg)
                            {
                                top = ListNames(dlg);
                                wchar_t text[32] = L"";
                                LVCOLUMNW col{};
                                col.mask = LVCF_TEXT;
                                col.pszText = text;
                                col.cchTextMax = 32;
                                ::SendMessageW(::GetDlgItem(dlg, kList), LVM_GETCOLUMNW, 0,
                                               reinterpret_cast<LPARAM>(&col));
                                column = text;
                                DoubleClickItem(dlg, L"a");
                            },
                            [&](HWND dlg)
                            {
                                inA = ListNames(dlg);
                                qvtest::SaveWindowPng(dlg, L"buttons-folder-dialog");
                                DoubleClickItem(dlg, L"c");
                            },
                            [](HWND dlg) { ClickButton(dlg, IDOK); },
                        });
    const CString chosen = FindFolder(CString(tree.root.c_str()));
    EXPECT_EQ(3u, script.ran());
    EXPECT_EQ(L"名称", column);
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"d"}), top) << "folders only, no dot entries";
    EXPECT_EQ((std::vector<std::wstring>{L"b", L"c"}), inA);
    EXPECT_EQ(CString((tree.root + L"\\a\\c").c_str()), chosen);
}

TEST(FindFolder, EmptyPathListsTheCurrentFolderAndASelectedItemExtendsTheResult)
{
    FolderTree tree;
    wchar_t saved[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, saved);
    ::SetCurrentDirectoryW(tree.root.c_str());
    std::vector<std::wstring> names;
    DialogScript script(L"選擇目錄",
                        {
                            [&](HWND dlg)
                            {
                                names = ListNames(dlg);
                                HWND list = ::GetDlgItem(dlg, kList);
                                LVITEMW state{};
                                state.stateMask = LVIS_SELECTED;
                                state.state = LVIS_SELECTED;
                                LVFINDINFOW find{LVFI_STRING, L"d"};
                                const int d = static_cast<int>(::SendMessageW(
                                    list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
                                ::SendMessageW(list, LVM_SETITEMSTATE, d, reinterpret_cast<LPARAM>(&state));
                            },
                            [](HWND dlg) { ClickButton(dlg, IDOK); },
                        });
    const CString chosen = FindFolder(CString());
    ::SetCurrentDirectoryW(saved);
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"d"}), names);
    EXPECT_EQ(CString(L"d"), chosen) << "relative to the current folder";
}

TEST(FindFolder, AFolderThatDisappearsShowsAnEmptyListAndCancelReturnsNothing)
{
    FolderTree tree;
    std::vector<std::wstring> afterGo, afterVanish;
    {
        DialogScript script(L"選擇目錄",
                            {
                                [&](HWND dlg)
                                {
                                    ::SetDlgItemTextW(dlg, kPathEdit, (tree.root + L"\\a").c_str());
                                    ClickButton(dlg, kGo);
                                },
                                [&](HWND dlg)
                                {
                                    afterGo = ListNames(dlg);
                                    ::RemoveDirectoryW((tree.root + L"\\a\\b").c_str());
                                    DoubleClickItem(dlg, L"b");   // the folder is gone meanwhile
                                    afterVanish = ListNames(dlg);
                                },
                                [](HWND dlg) { ClickButton(dlg, IDCANCEL); },
                            });
        EXPECT_TRUE(FindFolder(CString(tree.root.c_str())).IsEmpty());
    }
    EXPECT_EQ((std::vector<std::wstring>{L"b", L"c"}), afterGo);
    EXPECT_TRUE(afterVanish.empty());

    // OK in the vanished folder returns the folder the user ended on.
    DialogScript again(L"選擇目錄",
                       {
                           [&](HWND dlg)
                           {
                               ::SetDlgItemTextW(dlg, kPathEdit, (tree.root + L"\\a\\b").c_str());
                               ClickButton(dlg, kGo);
                           },
                           [&](HWND dlg)
                           {
                               afterVanish = ListNames(dlg);
                               ClickButton(dlg, IDOK);
                           },
                       });
    EXPECT_EQ(CString((tree.root + L"\\a\\b").c_str()), FindFolder(CString(tree.root.c_str())));
    EXPECT_TRUE(afterVanish.empty());
}

// Counts the browser's events and shows its own status text.
class CountingBrowser : public CBrowseForFolder
{
public:
    using CBrowseForFolder::CBrowseForFolder;
    using CBrowseForFolder::EnableOK;
    using CBrowseForFolder::SetStatusText;
    void OnInit() const override
    {
        ++inits;
        CBrowseForFolder::OnInit();
    }
    void OnSelChanged(LPITEMIDLIST pidl) const override
    {
        ++changes;
        CBrowseForFolder::OnSelChanged(pidl);
        wchar_t path[MAX_PATH] = L"";
        // The user presses OK once the browser shows the folder to choose.
        if (!okWhenSelected.empty() && ::SHGetPathFromIDListW(pidl, path) &&
            _wcsicmp(okWhenSelected.c_str(), path) == 0)
            ::PostMessageW(GetBrowserWindow(), WM_COMMAND, IDOK, 0);
    }
    std::wstring okWhenSelected;
    mutable int inits = 0;
    mutable int changes = 0;
};

TEST(BrowseForFolder, CancelGivesFalseAndOkGivesTrue)
{
    FolderTree tree;
    CountingBrowser cancelled(nullptr, nullptr, CString(L"選擇匯出目錄"));
    EXPECT_EQ(CString(L"選擇匯出目錄"), cancelled.GetTitle());
    cancelled.EnableOK(false);   // closed: nothing happens
    cancelled.SetStatusText(CString(L"x"));
    HWND browser = nullptr;
    {
        // The browser is found by its class whatever its caption.
        HHOOK hook = nullptr;
        static HWND* seen = nullptr;
        seen = &browser;
        hook = ::SetWindowsHookExW(
            WH_CBT,
            [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT
            {
                if (code == HCBT_ACTIVATE && *seen == nullptr)
                {
                    wchar_t cls[16] = L"";
                    ::GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 16);
                    if (wcscmp(cls, L"#32770") == 0)
                    {
                        *seen = reinterpret_cast<HWND>(wParam);
                        ::PostMessageW(*seen, WM_COMMAND, IDCANCEL, 0);
                    }
                }
                return ::CallNextHookEx(nullptr, code, wParam, lParam);
            },
            nullptr, ::GetCurrentThreadId());
        EXPECT_FALSE(cancelled.SelectFolder());
        ::UnhookWindowsHookEx(hook);
    }
    EXPECT_NE(nullptr, browser);
    EXPECT_TRUE(cancelled.GetSelectedFolder().IsEmpty());
    EXPECT_EQ(1, cancelled.inits);

    CountingBrowser chosen(nullptr, nullptr, IDR_CLINIC_MENU);
    EXPECT_EQ(CString(L"門診作業"), chosen.GetTitle()) << "the title from the program's strings";
    EXPECT_FALSE(chosen.SetTitle(9999));
    chosen.SetFlags(BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT);
    EXPECT_EQ(static_cast<UINT>(BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT), chosen.GetFlags());
    chosen.SetInitialSelection(CString((tree.root + L"\\d").c_str()));
    chosen.okWhenSelected = tree.root + L"\\d";   // OK as soon as it shows, else after a moment
    browser = nullptr;
    {
        static HWND* seen = nullptr;
        static UINT_PTR giveUp = 0;
        seen = &browser;
        HHOOK hook = ::SetWindowsHookExW(
            WH_CBT,
            [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT
            {
                if (code == HCBT_ACTIVATE && *seen == nullptr)
                {
                    *seen = reinterpret_cast<HWND>(wParam);
                    // The user presses OK a moment after the browser shows.
                    giveUp = ::SetTimer(nullptr, 0, 1500,
                                        [](HWND, UINT, UINT_PTR, DWORD)
                                        {
                                            if (::IsWindow(*seen))
                                                ::PostMessageW(*seen, WM_COMMAND, IDOK, 0);
                                        });
                }
                return ::CallNextHookEx(nullptr, code, wParam, lParam);
            },
            nullptr, ::GetCurrentThreadId());
        EXPECT_TRUE(chosen.SelectFolder());
        ::KillTimer(nullptr, giveUp);
        ::UnhookWindowsHookEx(hook);
    }
    EXPECT_EQ(1, chosen.inits);
    EXPECT_NE(nullptr, browser);
}

}   // namespace
