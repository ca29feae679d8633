// Dialogs from templates: modal runs with a real loop, modeless windows,
// and dialog items subclassed by wrappers.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "afx_win_res.h"
#include "qvtest.h"

namespace {

const UINT_PTR TIMER_END = 1;

class CTimedDialog : public CDialog
{
public:
    explicit CTimedDialog(CWnd* pParent = nullptr) : CDialog(IDD_AFXTEST, pParent) {}

    int initCalls = 0;
    int exchanges = 0;
    BOOL lastExchangeSaved = -1;
    int endWith = 42;
    BOOL ownerEnabledDuringRun = TRUE;
    HWND owner = nullptr;
    CString nameOnInit = L"initial name";
    CString nameRead;
    bool pressOk = false;

protected:
    BOOL OnInitDialog() override
    {
        ++initCalls;
        CDialog::OnInitDialog();
        SetTimer(TIMER_END, 20);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        ++exchanges;
        lastExchangeSaved = pDX->m_bSaveAndValidate;
        if (pDX->m_bSaveAndValidate)
            GetDlgItemText(IDC_NAME_EDIT, nameRead);
        else
            SetDlgItemText(IDC_NAME_EDIT, nameOnInit);
    }
    void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        if (owner != nullptr)
            ownerEnabledDuringRun = ::IsWindowEnabled(owner);
        if (pressOk)
            PostMessage(WM_COMMAND, IDOK);
        else
            EndDialog(endWith);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimedDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(Dialog, ModalFromTemplateEndsFromATimerAndFreesItsOwner)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr));
    CTimedDialog dialog(&owner);
    dialog.owner = owner.m_hWnd;
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.initCalls, 1);
    EXPECT_FALSE(dialog.ownerEnabledDuringRun);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    // OnInitDialog filled the controls: UpdateData(FALSE).
    EXPECT_EQ(dialog.exchanges, 1);
    EXPECT_FALSE(dialog.lastExchangeSaved);

    // IDOK runs OnOK: UpdateData(TRUE) reads the controls, then IDOK.
    CTimedDialog okDialog(&owner);
    okDialog.pressOk = true;
    okDialog.nameOnInit = L"王小明";
    EXPECT_EQ(okDialog.DoModal(), IDOK);
    EXPECT_TRUE(okDialog.lastExchangeSaved);
    EXPECT_STREQ(okDialog.nameRead, L"王小明");
    owner.DestroyWindow();
}

TEST(Dialog, MissingTemplateFailsWithoutAWindow)
{
    CDialog dialog(IDD_MISSING);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create(IDD_MISSING));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

// A template built in memory: one dialog with one OK button.
struct InMemoryTemplate
{
    alignas(4) WORD words[64] = {};
    LPCDLGTEMPLATE Build()
    {
        auto* dlg = reinterpret_cast<DLGTEMPLATE*>(words);
        dlg->style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        dlg->cdit = 1;
        dlg->cx = 120;
        dlg->cy = 60;
        WORD* p = reinterpret_cast<WORD*>(dlg + 1);
        *p++ = 0;  // no menu
        *p++ = 0;  // default class
        for (const wchar_t* c = L"Memory"; *c; ++c)
            *p++ = *c;
        *p++ = 0;
        if (reinterpret_cast<ULONG_PTR>(p) & 2)
            ++p;
        auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(p);
        item->style = WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON;
        item->x = 10;
        item->y = 10;
        item->cx = 50;
        item->cy = 14;
        item->id = IDOK;
        p = reinterpret_cast<WORD*>(item + 1);
        *p++ = 0xFFFF;
        *p++ = 0x0080;  // button
        for (const wchar_t* c = L"OK"; *c; ++c)
            *p++ = *c;
        *p++ = 0;
        *p++ = 0;  // no creation data
        return dlg;
    }
};

class CClosingDialog : public CDialog
{
protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(WM_COMMAND, IDCANCEL);
        return TRUE;
    }
};

TEST(Dialog, ModalFromAnInMemoryTemplate)
{
    InMemoryTemplate memory;
    CClosingDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(memory.Build()));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// A wrapper on a dialog item: its map sees the item's messages.
class CNameEdit : public CWnd
{
public:
    int charsSeen = 0;
    UINT lastChar = 0;
    int focusGained = 0;

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++charsSeen;
        lastChar = nChar;
        CWnd::OnChar(nChar, nRepCnt, nFlags);  // the edit control still types it
    }
    void OnSetFocus(CWnd* pOldWnd)
    {
        ++focusGained;
        CWnd::OnSetFocus(pOldWnd);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNameEdit, CWnd)
    ON_WM_CHAR()
    ON_WM_SETFOCUS()
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
    ASSERT_NE(dialog.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_hWnd), &dialog);
    CString caption;
    dialog.GetWindowText(caption);
    EXPECT_STREQ(caption, L"Afx test dialog");
    dialog.ShowWindow(SW_SHOW);

    // The subclassed item is known to the map and gets its messages.
    HWND hEdit = ::GetDlgItem(dialog.m_hWnd, IDC_NAME_EDIT);
    EXPECT_EQ(dialog.nameEdit.m_hWnd, hEdit);
    EXPECT_EQ(dialog.GetDlgItem(IDC_NAME_EDIT), &dialog.nameEdit);
    ::SendMessageW(hEdit, WM_CHAR, L'Q', 1);
    EXPECT_EQ(dialog.nameEdit.charsSeen, 1);
    EXPECT_EQ(dialog.nameEdit.lastChar, static_cast<UINT>(L'Q'));
    CString typed;
    dialog.nameEdit.GetWindowText(typed);
    EXPECT_STREQ(typed, L"Q");

    // Moving through the controls.
    dialog.GotoDlgCtrl(&dialog.nameEdit);
    EXPECT_EQ(::GetFocus(), hEdit);
    EXPECT_GE(dialog.nameEdit.focusGained, 1);
    dialog.NextDlgCtrl();
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog.m_hWnd, IDC_AGE_EDIT));
    dialog.PrevDlgCtrl();
    EXPECT_EQ(::GetFocus(), hEdit);
    dialog.SetDefID(IDC_APPLY_BUTTON);
    EXPECT_EQ(LOWORD(dialog.GetDefID()), IDC_APPLY_BUTTON);

    // Keyboard messages go through IsDialogMessage: Tab moves the focus.
    MSG tab = { hEdit, WM_KEYDOWN, VK_TAB, 0, 0, {} };
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(dialog.m_hWnd, &tab));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog.m_hWnd, IDC_AGE_EDIT));

    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.postNcDestroys, 1);
    EXPECT_EQ(dialog.nameEdit.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
}

}  // namespace
