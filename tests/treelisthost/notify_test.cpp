// CTreeList: what reaches the host's parent (notifications with the host as
// their sender, the context menu), a parent that deletes items while it is
// told, and a library whose sort-mark bitmap cannot be loaded.
#include "treelisthost_fixture.h"

#include "import_patch.h"

using hosttest::TreeListHostTest;

namespace
{

class HostNotifyTest : public TreeListHostTest
{
protected:
    void SetUp() override
    {
        TreeListHostTest::SetUp();
        addColumns({150, 100});
        department = add({L"內科", L"3"});
        add({L"王醫師", L"1"}, department);
        other = add({L"外科", L"2"});
        dialog.notes.clear();
    }
    void clickLabel(HTREEITEM item, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP)
    {
        RECT rc{};
        tree().GetItemRect(item, &rc, TRUE);
        const LPARAM point = MAKELPARAM(rc.left + 2, (rc.top + rc.bottom) / 2);
        ::PostMessageW(tree().GetSafeHwnd(), up, 0, point);
        ::SendMessageW(tree().GetSafeHwnd(), down, 0, point);
        qvtest::PumpMessages(50);
    }
    HTREEITEM department = nullptr;
    HTREEITEM other = nullptr;
};

HIMAGELIST WINAPI NoImageList(HINSTANCE, LPCWSTR, int, int, COLORREF, UINT, UINT)
{
    return nullptr;
}

}   // namespace

TEST_F(HostNotifyTest, TheTreesNotificationsReachTheParentFromTheHost)
{
    clickLabel(other);
    ASSERT_EQ(dialog.count(NM_CLICK), 1u);
    EXPECT_GE(dialog.count(TVN_SELCHANGEDW), 1u);
    for (const hosttest::Note& note : dialog.notes)
    {
        EXPECT_EQ(note.hwndFrom, list.GetSafeHwnd()) << int(note.code);
        EXPECT_EQ(note.idFrom, UINT_PTR(IDC_DEPARTMENTS));
        EXPECT_EQ(note.wParam, WPARAM(IDC_DEPARTMENTS));
    }
    EXPECT_EQ(tree().GetSelectedItem(), other);

    // Header clicks stay with the host: they sort.
    dialog.notes.clear();
    RECT rc{};
    header().GetItemRect(1, &rc);
    const LPARAM centre = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::SendMessageW(header().GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ::SendMessageW(header().GetSafeHwnd(), WM_LBUTTONUP, 0, centre);
    EXPECT_EQ(dialog.count(HDN_ITEMCLICKW), 0u);
    EXPECT_EQ(texts(TVI_ROOT, 1), (std::vector<std::wstring>{L"2", L"3"}));
}

TEST_F(HostNotifyTest, TheContextMenuGoesToTheParentNamingTheClickedWindow)
{
    clickLabel(other, WM_RBUTTONDOWN, WM_RBUTTONUP);
    ASSERT_EQ(dialog.contextMenus.size(), 1u);
    EXPECT_EQ(dialog.contextMenus[0].first, WPARAM(tree().GetSafeHwnd()));
    EXPECT_EQ(dialog.contextMenus[0].second, 0);
    EXPECT_EQ(dialog.count(NM_RCLICK), 1u);

    ::SendMessageW(list.GetSafeHwnd(), WM_CONTEXTMENU, WPARAM(list.GetSafeHwnd()), MAKELPARAM(30, 40));
    ASSERT_EQ(dialog.contextMenus.size(), 2u);
    EXPECT_EQ(dialog.contextMenus[1].first, WPARAM(list.GetSafeHwnd()));
    EXPECT_EQ(dialog.contextMenus[1].second, 0);
}

TEST_F(HostNotifyTest, AParentThatDeletesItemsInAnyNotificationBreaksNothing)
{
    for (UINT code : {UINT(NM_CLICK), UINT(TVN_SELCHANGINGW), UINT(TVN_SELCHANGEDW), UINT(NM_SETFOCUS)})
    {
        tree().DeleteAllItems();
        department = add({L"內科", L"3"});
        add({L"王醫師", L"1"}, department);
        other = add({L"外科", L"2"});
        tree().SelectItem(department);
        ::SetFocus(dialog.GetSafeHwnd());
        int calls = 0;
        dialog.onNotify = [&](UINT seen)
        {
            if (seen == code && calls++ == 0)
                tree().DeleteItem(other);
        };
        clickLabel(other);
        dialog.onNotify = nullptr;
        EXPECT_GE(calls, 1) << int(code);
        EXPECT_EQ(tree().GetItemCount(), 2) << int(code);
        EXPECT_EQ(texts(TVI_ROOT, 0), std::vector<std::wstring>{L"內科"}) << int(code);
        ::UpdateWindow(tree().GetSafeHwnd());
    }
}

TEST_F(TreeListHostTest, WithoutTheMarkBitmapTheHostSaysSoOnceAndTheTreeStillWorks)
{
    qvtest::MessageBoxCapture boxes;
    hosttest::RecordingDialog second;
    CTreeList bare;
    {
        qvtest::ImportPatch patch(reinterpret_cast<void*>(&::ImageList_LoadImageW),
                                  reinterpret_cast<void*>(&NoImageList));
        ASSERT_GT(patch.patchedSlots(), 0u);
        ASSERT_TRUE(second.Create(IDD_DEPARTMENTS, nullptr));
        ASSERT_TRUE(bare.SubclassDlgItem(IDC_DEPARTMENTS, &second));
    }
    EXPECT_MESSAGE_BOXES(boxes, L"不能創建ImageList 可能IDB_HEADER找不到或被占用");
    EXPECT_EQ(bare.m_wndTree.m_wndHeader.m_pImageList, nullptr);
    EXPECT_EQ(bare.m_wndTree.m_imgHeader.GetSafeHandle(), nullptr);

    CNewTreeListCtrl& bareTree = bare.m_wndTree;
    bareTree.InsertColumn(0, L"科別", 0, 120);
    bareTree.InsertColumn(1, L"人數", 1, 60);
    HTREEITEM b = bareTree.InsertItem(L"B");
    HTREEITEM a = bareTree.InsertItem(L"A");
    bareTree.SetItemText(b, 1, L"1");
    bareTree.SetItemText(a, 1, L"2");
    second.ShowWindow(SW_SHOW);
    RECT rc{};
    bareTree.m_wndHeader.GetItemRect(0, &rc);
    const LPARAM centre = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::SendMessageW(bareTree.m_wndHeader.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ::SendMessageW(bareTree.m_wndHeader.GetSafeHwnd(), WM_LBUTTONUP, 0, centre);
    EXPECT_EQ(bareTree.GetRootItem(), b) << "column 0 was ascending: the click sorts descending";
    EXPECT_EQ(bareTree.m_wndHeader.GetSortState(0), 1);
    ::UpdateWindow(second.GetSafeHwnd());
    EXPECT_EQ(boxes.count(), 1u);
    bare.DestroyWindow();
    second.DestroyWindow();
}
