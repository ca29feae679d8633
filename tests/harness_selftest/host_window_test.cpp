// The host window records what real child controls tell their parent.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "qvtest.h"

namespace
{

using qvtest::HostWindow;

// A host with a tree view (id 77) holding two root items.
class TreeHost : public ::testing::Test
{
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&init);
        tree = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASLINES, 0, 0, 200, 200, host,
                               reinterpret_cast<HMENU>(77), GetModuleHandleW(nullptr), nullptr);
        first = AddItem(L"病歷一");
        second = AddItem(L"病歷二");
        host.clear();
    }
    HTREEITEM AddItem(const wchar_t* text)
    {
        TVINSERTSTRUCTW insert{TVI_ROOT, TVI_LAST, {}};
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<wchar_t*>(text);
        return TreeView_InsertItem(tree, &insert);
    }
    // Whether notification `earlier` reached the host before `later`.
    bool CameBefore(UINT earlier, UINT later) const
    {
        auto codes = host.notifyCodes();
        auto at = [&](UINT code) { return std::find(codes.begin(), codes.end(), code); };
        return at(later) != codes.end() && at(earlier) < at(later);
    }
    HostWindow host;
    HWND tree = nullptr;
    HTREEITEM first = nullptr;
    HTREEITEM second = nullptr;
};

TEST_F(TreeHost, RecordsNotificationsInOrderWithACopyOfTheirStructure)
{
    TreeView_SelectItem(tree, second);
    ASSERT_EQ(host.countNotify(TVN_SELCHANGINGW), 1u);
    ASSERT_EQ(host.countNotify(TVN_SELCHANGEDW), 1u);
    EXPECT_TRUE(CameBefore(TVN_SELCHANGINGW, TVN_SELCHANGEDW));
    const auto notify = host.notifications(TVN_SELCHANGEDW).front();
    EXPECT_EQ(notify.idFrom, 77u);
    ASSERT_GE(notify.data.size(), sizeof(NMTREEVIEWW));
    EXPECT_EQ(notify.as<NMTREEVIEWW>().itemNew.hItem, second);
}

TEST_F(TreeHost, AnswersNotificationsAsTold)
{
    host.answerNotify(TVN_SELCHANGINGW, TRUE);   // TRUE forbids the change
    TreeView_SelectItem(tree, second);
    EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
    EXPECT_EQ(host.notifications(TVN_SELCHANGINGW).front().answer, TRUE);
    EXPECT_EQ(host.countNotify(TVN_SELCHANGEDW), 0u);
}

TEST_F(TreeHost, AHandlerActsInsideTheNotification)
{
    int calls = 0;
    host.onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (!m.isNotify() || m.notifyCode != UINT(TVN_SELCHANGINGW))
                return std::nullopt;
            ++calls;
            // The sender's structure is still alive here.
            EXPECT_EQ(reinterpret_cast<const NMTREEVIEWW*>(m.lParam)->itemNew.hItem, second);
            TreeView_DeleteItem(tree, first);
            return FALSE;
        });
    TreeView_SelectItem(tree, second);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(TreeView_GetCount(tree), 1u);
    // The deletion inside the handler reached the host after the notification it came from.
    EXPECT_TRUE(CameBefore(TVN_SELCHANGINGW, TVN_DELETEITEMW));
}

TEST(HostWindow, RecordsCommandsAndPrivateMessagesAndPumpsUntilTheyArrive)
{
    HostWindow host;
    HWND button = CreateWindowExW(0, L"BUTTON", L"確定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, host,
                                  reinterpret_cast<HMENU>(1234), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, BM_CLICK, 0, 0);
    host.answer(WM_USER + 5, 42);
    EXPECT_EQ(SendMessageW(host, WM_USER + 5, 1, 2), 42);
    EXPECT_FALSE(qvtest::PumpUntil([] { return false; }, 150));
    PostMessageW(host, WM_APP + 1, 5, 6);
    ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(qvtest::PumpUntil([&] { return host.countMessage(WM_APP + 1) == 1; }, 2000));
    EXPECT_LT(GetTickCount64() - start, 1000u);   // woken by the message, not by the timeout
    ASSERT_EQ(host.messages().size(), 3u);
    const auto& command = host.messages()[0];
    EXPECT_EQ(command.commandId, 1234u);
    EXPECT_EQ(command.commandWindow, button);
    const auto& answered = host.messages()[1];
    EXPECT_EQ((std::vector<LONG_PTR>{LONG_PTR(WM_USER + 5), 1, 2, 42}),
              (std::vector<LONG_PTR>{LONG_PTR(answered.message), LONG_PTR(answered.wParam), answered.lParam,
                                     answered.answer}));
    EXPECT_EQ(host.messagesOf(WM_APP + 1).front().lParam, 6);
}

}   // namespace
