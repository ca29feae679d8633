// Dialogs from templates: modal runs with a real loop, modeless windows,
// and dialog items subclassed by wrappers.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "afx_win_res.h"
#include "qvtest.h"

namespace
{

// Once running, a timer types a name and presses OK.
class CTimedDialog : public CDialog
{
public:
    explicit CTimedDialog(UINT nIDTemplate, CWnd* pParent = nullptr) : CDialog(nIDTemplate, pParent) {}
    std::vector<BOOL> exchanges;   // m_bSaveAndValidate of each DoDataExchange
    CString name = L"initial name";
    BOOL ownerEnabledDuringRun = TRUE;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetTimer(1, 20);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        exchanges.push_back(pDX->m_bSaveAndValidate);
        if (pDX->m_bSaveAndValidate)
            GetDlgItemText(IDC_NAME_EDIT, name);
        else
            SetDlgItemText(IDC_NAME_EDIT, name);
    }
    void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        ownerEnabledDuringRun = GetOwner() != nullptr && GetOwner()->IsWindowEnabled();
        SetDlgItemText(IDC_NAME_EDIT, L"王小明");
        PostMessage(WM_COMMAND, IDOK);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimedDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(Dialog, ModalRunsDisableTheOwnerAndExchangeDataOnInitAndOk)
{
    CWnd owner;
    ASSERT_TRUE(
        owner.CreateEx(0, nullptr, L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
    HRSRC hResource = ::FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_AFXTEST), RT_DIALOG);
    ASSERT_NE(hResource, nullptr);
    CTimedDialog fromMemory(0);
    ASSERT_TRUE(fromMemory.InitModalIndirect(
        static_cast<LPCDLGTEMPLATE>(::LockResource(::LoadResource(nullptr, hResource))), &owner));
    EXPECT_EQ(fromMemory.DoModal(), IDOK);
    EXPECT_EQ(fromMemory.exchanges, (std::vector<BOOL>{FALSE, TRUE})) << "filled on init, read back on OK";
    EXPECT_FALSE(fromMemory.ownerEnabledDuringRun);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(fromMemory.m_hWnd, nullptr);
    EXPECT_STREQ(fromMemory.name, L"王小明");
    owner.DestroyWindow();
    CDialog missing(IDD_MISSING);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_FALSE(missing.Create(IDD_MISSING));
    EXPECT_EQ(missing.m_hWnd, nullptr);
}

// A wrapper on a dialog item: its map sees the item's characters.
class CNameEdit : public CWnd
{
public:
    CString seen;

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        seen.AppendChar(static_cast<wchar_t>(nChar));
        CWnd::OnChar(nChar, nRepCnt, nFlags);   // the edit control still types it
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNameEdit, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

class CModelessDialog : public CDialog
{
public:
    int postNcDestroys = 0;
    CNameEdit nameEdit;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        EXPECT_TRUE(nameEdit.SubclassDlgItem(IDC_NAME_EDIT, this));
        return TRUE;
    }
    void PostNcDestroy() override { ++postNcDestroys; }
};

TEST(Dialog, ModelessDialogWithASubclassedItem)
{
    CModelessDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_AFXTEST));
    EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_hWnd), &dialog);
    dialog.ShowWindow(SW_SHOW);
    HWND hEdit = ::GetDlgItem(dialog.m_hWnd, IDC_NAME_EDIT);
    EXPECT_EQ(dialog.GetDlgItem(IDC_NAME_EDIT), &dialog.nameEdit);
    ::SendMessageW(hEdit, WM_CHAR, L'Q', 1);
    EXPECT_STREQ(dialog.nameEdit.seen, L"Q");
    CString typed;
    dialog.nameEdit.GetWindowText(typed);
    EXPECT_STREQ(typed, L"Q");
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.postNcDestroys, 1);
    EXPECT_EQ(dialog.nameEdit.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
}

}   // namespace
