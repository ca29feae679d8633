// The host window records what real child controls tell their parent.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "qvtest.h"

namespace {

using qvtest::HostWindow;

HWND CreateTree(HWND parent) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    return CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASLINES, 0, 0, 200, 200, parent,
                           reinterpret_cast<HMENU>(77), GetModuleHandleW(nullptr), nullptr);
}

HTREEITEM AddItem(HWND tree, const wchar_t* text) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text);
    return TreeView_InsertItem(tree, &insert);
}

TEST(HostWindow, IsAVisibleTopLevelWindow) {
    HostWindow host(L"宿主視窗");
    ASSERT_TRUE(IsWindow(host));
    EXPECT_TRUE(IsWindowVisible(host));
    EXPECT_EQ(GetParent(host), nullptr);
    wchar_t title[32] = {};
    GetWindowTextW(host, title, 32);
    EXPECT_STREQ(title, L"宿主視窗");
}

TEST(HostWindow, RecordsNotificationsOfARealTreeView) {
    HostWindow host;
    HWND tree = CreateTree(host);
    HTREEITEM first = AddItem(tree, L"病歷一");
    HTREEITEM second = AddItem(tree, L"病歷二");
    host.clear();

    TreeView_SelectItem(tree, second);

    ASSERT_EQ(host.countNotify(TVN_SELCHANGINGW), 1u);
    ASSERT_EQ(host.countNotify(TVN_SELCHANGEDW), 1u);
    auto codes = host.notifyCodes();
    auto changing = std::find(codes.begin(), codes.end(), UINT(TVN_SELCHANGINGW));
    auto changed = std::find(codes.begin(), codes.end(), UINT(TVN_SELCHANGEDW));
    EXPECT_LT(changing, changed);

    const auto notify = host.notifications(TVN_SELCHANGEDW).front();
    EXPECT_EQ(notify.idFrom, 77u);
    EXPECT_EQ(notify.hwndFrom, tree);
    ASSERT_GE(notify.data.size(), sizeof(NMTREEVIEWW));
    auto view = notify.as<NMTREEVIEWW>();
    EXPECT_EQ(view.itemNew.hItem, second);
    EXPECT_NE(first, second);
}

TEST(HostWindow, AnswersNotificationsAsTold) {
    HostWindow host;
    HWND tree = CreateTree(host);
    AddItem(tree, L"一");
    HTREEITEM second = AddItem(tree, L"二");
    host.answerNotify(TVN_SELCHANGINGW, TRUE);  // TRUE forbids the change

    TreeView_SelectItem(tree, second);

    EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
    ASSERT_EQ(host.countNotify(TVN_SELCHANGINGW), 1u);
    EXPECT_EQ(host.notifications(TVN_SELCHANGINGW).front().answer, TRUE);
    EXPECT_EQ(host.countNotify(TVN_SELCHANGEDW), 0u);
}

TEST(HostWindow, AHandlerActsInsideTheNotification) {
    HostWindow host;
    HWND tree = CreateTree(host);
    HTREEITEM first = AddItem(tree, L"一");
    HTREEITEM second = AddItem(tree, L"二");
    int calls = 0;
    host.onMessage([&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT> {
        if (m.isNotify() && m.notifyCode == UINT(TVN_SELCHANGINGW)) {
            ++calls;
            // The sender's structure is still alive here.
            auto view = reinterpret_cast<const NMTREEVIEWW*>(m.lParam);
            EXPECT_EQ(view->itemNew.hItem, second);
            TreeView_DeleteItem(tree, first);
            return FALSE;
        }
        return std::nullopt;
    });

    TreeView_SelectItem(tree, second);

    EXPECT_EQ(calls, 1);
    EXPECT_EQ(TreeView_GetCount(tree), 1u);
    // The deletion inside the handler reached the host after the notification it came from.
    auto codes = host.notifyCodes();
    auto changing = std::find(codes.begin(), codes.end(), UINT(TVN_SELCHANGINGW));
    auto deleted = std::find(codes.begin(), codes.end(), UINT(TVN_DELETEITEMW));
    ASSERT_NE(deleted, codes.end());
    EXPECT_LT(changing, deleted);
}

TEST(HostWindow, RecordsCommandsOfARealButton) {
    HostWindow host;
    HWND button = CreateWindowExW(0, L"BUTTON", L"確定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24,
                                  host, reinterpret_cast<HMENU>(1234), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, BM_CLICK, 0, 0);
    auto commands = host.commands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].commandId, 1234u);
    EXPECT_EQ(commands[0].commandCode, UINT(BN_CLICKED));
    EXPECT_EQ(commands[0].commandWindow, button);
}

TEST(HostWindow, RecordsAndAnswersPrivateAndRegisteredMessages) {
    HostWindow host;
    const UINT registered = RegisterWindowMessageW(L"QVTestRegisteredMessage");
    host.answer(WM_USER + 5, 42);
    EXPECT_EQ(SendMessageW(host, WM_USER + 5, 1, 2), 42);
    EXPECT_EQ(SendMessageW(host, registered, 3, 4), 0);
    PostMessageW(host, WM_APP + 1, 5, 6);
    ASSERT_TRUE(qvtest::PumpUntil([&] { return host.countMessage(WM_APP + 1) == 1; }, 2000));

    ASSERT_EQ(host.messages().size(), 3u);
    EXPECT_EQ(host.messages()[0].message, UINT(WM_USER + 5));
    EXPECT_EQ(host.messages()[0].wParam, 1u);
    EXPECT_EQ(host.messages()[0].lParam, 2);
    EXPECT_EQ(host.messages()[0].answer, 42);
    EXPECT_EQ(host.messages()[1].message, registered);
    EXPECT_EQ(host.messagesOf(WM_APP + 1).front().lParam, 6);
}

TEST(MessagePump, PumpUntilStopsWhenTheConditionHoldsOrTimesOut) {
    HostWindow host;
    ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(qvtest::PumpUntil([] { return false; }, 150));
    EXPECT_GE(GetTickCount64() - start, 140u);
    PostMessageW(host, WM_USER + 9, 0, 0);
    start = GetTickCount64();
    EXPECT_TRUE(qvtest::PumpUntil([&] { return host.countMessage(WM_USER + 9) > 0; }, 2000));
    EXPECT_LT(GetTickCount64() - start, 1000u);
}

}  // namespace
