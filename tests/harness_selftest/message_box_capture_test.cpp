// The message-box capture sees every box on the test thread and answers it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <vector>

#include "import_patch.h"
#include "qvtest.h"

namespace {

using qvtest::MessageBoxCapture;

// MessageBoxW reached without the import table, as code that looks it up itself
// would: the capture must read such a box off the dialog.
int UnpatchedMessageBoxW(const wchar_t* text, const wchar_t* caption, UINT style) {
    using Fn = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);
    auto real = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "MessageBoxW")));
    return real(nullptr, text, caption, style);
}

TEST(MessageBoxCapture, RecordsTextCaptionExactStyleAndReturnsTheChosenAnswer) {
    MessageBoxCapture boxes;
    boxes.answerNext(IDNO);
    int result = MessageBoxW(nullptr, L"病歷號碼錯誤，要重新輸入嗎?", L"病歷", MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION);
    EXPECT_EQ(result, IDNO);
    ASSERT_EQ(boxes.count(), 1u);
    const auto& box = boxes.at(0);
    EXPECT_EQ(box.text, L"病歷號碼錯誤，要重新輸入嗎?");
    EXPECT_EQ(box.caption, L"病歷");
    EXPECT_EQ(box.style, UINT(MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION));
    EXPECT_TRUE(box.styleFromCall);
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.answer, IDNO);
    EXPECT_EQ(box.result, IDNO);
}

TEST(MessageBoxCapture, AnswersOkByDefault) {
    MessageBoxCapture boxes;
    EXPECT_EQ(MessageBoxW(nullptr, L"存檔完成", L"提示", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBoxW(nullptr, L"OK only", L"hint", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(boxes.count(), 2u);
}

TEST(MessageBoxCapture, WithoutAnOkButtonPressesTheDefaultButton) {
    MessageBoxCapture boxes;
    EXPECT_EQ(MessageBoxW(nullptr, L"刪除這筆資料?", L"刪除", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, L"刪除這筆資料?", L"刪除", MB_YESNO), IDYES);
}

TEST(MessageBoxCapture, CountsBoxesInSequenceAndAnswersFromTheQueue) {
    MessageBoxCapture boxes;
    boxes.answerNext(IDCANCEL);
    boxes.answerNext(IDRETRY);
    std::vector<int> results;
    results.push_back(MessageBoxW(nullptr, L"第一", L"t", MB_OKCANCEL));
    results.push_back(MessageBoxW(nullptr, L"第二", L"t", MB_RETRYCANCEL));
    results.push_back(MessageBoxW(nullptr, L"第三", L"t", MB_OK));
    EXPECT_EQ(results, (std::vector<int>{IDCANCEL, IDRETRY, IDOK}));
    EXPECT_EQ(boxes.count(), 3u);
    EXPECT_MESSAGE_BOXES(boxes, L"第一", L"第二", L"第三");
    EXPECT_FALSE(qvtest::ShowedMessageBoxes(boxes, {L"第一", L"第三", L"第二"}));
    EXPECT_FALSE(qvtest::ShowedMessageBoxes(boxes, {L"第一", L"第二"}));
}

TEST(MessageBoxCapture, TextRulesComeBeforeTheQueue) {
    MessageBoxCapture boxes;
    boxes.answerWhen(L"覆蓋", IDYES);
    boxes.answerNext(IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, L"檔案已存在，要覆蓋嗎?", L"t", MB_YESNO | MB_DEFBUTTON2), IDYES);
    EXPECT_EQ(MessageBoxW(nullptr, L"要存檔嗎?", L"t", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, L"再覆蓋一次?", L"t", MB_YESNO | MB_DEFBUTTON2), IDYES);
}

TEST(MessageBoxCapture, SeesMessageBoxExAndIndirect) {
    MessageBoxCapture boxes;
    boxes.answerNext(IDABORT);
    EXPECT_EQ(MessageBoxExW(nullptr, L"Ex 文字", L"Ex", MB_ABORTRETRYIGNORE | MB_ICONSTOP, 0), IDABORT);

    MSGBOXPARAMSW params{};
    params.cbSize = sizeof params;
    params.lpszText = L"Indirect 文字";
    params.lpszCaption = L"Indirect";
    params.dwStyle = MB_YESNOCANCEL | MB_DEFBUTTON3 | MB_ICONWARNING;
    EXPECT_EQ(MessageBoxIndirectW(&params), IDCANCEL);

    ASSERT_EQ(boxes.count(), 2u);
    EXPECT_EQ(boxes.at(0).style, UINT(MB_ABORTRETRYIGNORE | MB_ICONSTOP));
    EXPECT_EQ(boxes.at(1).text, L"Indirect 文字");
    EXPECT_EQ(boxes.at(1).caption, L"Indirect");
    EXPECT_EQ(boxes.at(1).style, UINT(MB_YESNOCANCEL | MB_DEFBUTTON3 | MB_ICONWARNING));
}

TEST(MessageBoxCapture, ReadsBoxesThatBypassTheImportTableOffTheDialog) {
    MessageBoxCapture boxes;
    boxes.answerNext(IDNO);
    EXPECT_EQ(UnpatchedMessageBoxW(L"直接呼叫", L"標題", MB_YESNOCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(UnpatchedMessageBoxW(L"second", L"cap", MB_OKCANCEL | MB_ICONERROR), IDOK);
    ASSERT_EQ(boxes.count(), 2u);
    const auto& box = boxes.at(0);
    EXPECT_FALSE(box.styleFromCall);
    EXPECT_EQ(box.text, L"直接呼叫");
    EXPECT_EQ(box.caption, L"標題");
    EXPECT_EQ(box.style, UINT(MB_YESNOCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION));
    EXPECT_EQ(box.answer, IDNO);
    EXPECT_EQ(boxes.at(1).style, UINT(MB_OKCANCEL | MB_ICONERROR));
}

TEST(MessageBoxCapture, ANullCaptionIsRecordedAsShown) {
    MessageBoxCapture boxes;
    MessageBoxW(nullptr, L"no caption", nullptr, MB_OK);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_FALSE(boxes.at(0).caption.empty());
}

TEST(MessageBoxCapture, RedirectsThisProgramsImportOfMessageBoxW) {
    void* real = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "MessageBoxW"));
    MessageBoxCapture boxes;
    // Through dllimport, &MessageBoxW reads this program's import slot.
    EXPECT_NE(reinterpret_cast<void*>(&MessageBoxW), real);
}

DWORD WINAPI FakeProcessId() {
    return 4242;
}

TEST(ImportPatch, RedirectsImportsWhileAliveAndRestoresThem) {
    void* real = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetCurrentProcessId"));
    const DWORD id = GetCurrentProcessId();
    {
        qvtest::ImportPatch patch(real, reinterpret_cast<void*>(FakeProcessId));
        EXPECT_GE(patch.patchedSlots(), 1u);
        EXPECT_EQ(GetCurrentProcessId(), 4242u);
    }
    EXPECT_EQ(GetCurrentProcessId(), id);
    EXPECT_EQ(reinterpret_cast<void*>(&GetCurrentProcessId), real);
}

TEST(MessageBoxCapture, TheInnermostCaptureRecords) {
    MessageBoxCapture outer;
    {
        MessageBoxCapture inner;
        inner.answerNext(IDCANCEL);
        EXPECT_EQ(MessageBoxW(nullptr, L"inner", L"t", MB_OKCANCEL), IDCANCEL);
        EXPECT_EQ(inner.count(), 1u);
    }
    EXPECT_EQ(MessageBoxW(nullptr, L"outer", L"t", MB_OKCANCEL), IDOK);
    EXPECT_MESSAGE_BOXES(outer, L"outer");
}

// A dialog template in memory: one edit control, so that it is no message box.
struct EditDialogTemplate {
    alignas(4) BYTE bytes[256] = {};
    EditDialogTemplate() {
        auto dialog = reinterpret_cast<DLGTEMPLATE*>(bytes);
        dialog->style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
        dialog->cdit = 1;
        dialog->cx = 120;
        dialog->cy = 60;
        auto words = reinterpret_cast<WORD*>(dialog + 1);
        *words++ = 0;  // no menu
        *words++ = 0;  // default class
        *words++ = 0;  // no title
        words = reinterpret_cast<WORD*>((reinterpret_cast<UINT_PTR>(words) + 3) & ~UINT_PTR(3));
        auto item = reinterpret_cast<DLGITEMTEMPLATE*>(words);
        item->style = WS_CHILD | WS_VISIBLE | WS_BORDER;
        item->x = 5;
        item->y = 5;
        item->cx = 100;
        item->cy = 12;
        item->id = 100;
        words = reinterpret_cast<WORD*>(item + 1);
        *words++ = 0xFFFF;
        *words++ = 0x0081;  // Edit
        *words++ = 0;       // no text
        *words++ = 0;       // no creation data
    }
};

// A dialog template that resembles a message box: a label (IDC_STATIC, 0xFFFF) and
// OK and Cancel buttons.
struct LabelDialogTemplate {
    alignas(4) BYTE bytes[512] = {};
    WORD* at = nullptr;
    void item(DWORD style, short x, short id, WORD atom, const wchar_t* text) {
        at = reinterpret_cast<WORD*>((reinterpret_cast<UINT_PTR>(at) + 3) & ~UINT_PTR(3));
        auto entry = reinterpret_cast<DLGITEMTEMPLATE*>(at);
        entry->style = style | WS_CHILD | WS_VISIBLE;
        entry->x = x;
        entry->y = 5;
        entry->cx = 40;
        entry->cy = 12;
        entry->id = WORD(id);
        at = reinterpret_cast<WORD*>(entry + 1);
        *at++ = 0xFFFF;
        *at++ = atom;
        for (const wchar_t* c = text; *c; ++c) *at++ = WORD(*c);
        *at++ = 0;
        *at++ = 0;  // no creation data
    }
    LabelDialogTemplate() {
        auto dialog = reinterpret_cast<DLGTEMPLATE*>(bytes);
        dialog->style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
        dialog->cdit = 3;
        dialog->cx = 150;
        dialog->cy = 40;
        at = reinterpret_cast<WORD*>(dialog + 1);
        *at++ = 0;
        *at++ = 0;
        *at++ = 0;
        item(SS_LEFT, 5, -1, 0x0082, L"label");
        item(BS_DEFPUSHBUTTON, 50, IDOK, 0x0080, L"OK");
        item(BS_PUSHBUTTON, 95, IDCANCEL, 0x0080, L"Cancel");
    }
};

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

TEST(MessageBoxCapture, LeavesOrdinaryDialogsAlone) {
    MessageBoxCapture boxes;
    EditDialogTemplate dialogTemplate;
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<DLGTEMPLATE*>(dialogTemplate.bytes), nullptr,
                                             QuietDialogProc, 0);
    ASSERT_TRUE(dialog);
    qvtest::PumpMessages(100);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_MESSAGE_BOXES(boxes);
    DestroyWindow(dialog);
}

TEST(MessageBoxGuard, ABoxWithoutACaptureFailsTheTestButIsAnswered) {
    static int result = 0;
    EXPECT_NONFATAL_FAILURE(result = MessageBoxW(nullptr, L"沒有人在等的訊息", L"t", MB_OKCANCEL),
                            "no MessageBoxCapture alive");
    EXPECT_EQ(result, IDOK);
}

TEST(MessageBoxCapture, LeavesDialogsThatOnlyResembleABoxAlone) {
    MessageBoxCapture boxes;
    LabelDialogTemplate dialogTemplate;
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<DLGTEMPLATE*>(dialogTemplate.bytes), nullptr,
                                             QuietDialogProc, 0);
    ASSERT_TRUE(dialog);
    ASSERT_EQ(qvtest::DialogItemText(dialog, 0xFFFF), L"label");
    qvtest::PumpMessages(100);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_MESSAGE_BOXES(boxes);
    DestroyWindow(dialog);
}

class MessageBoxFixture : public qvtest::MessageBoxTest {};

TEST_F(MessageBoxFixture, TheFixtureCaptures) {
    boxes.answerNext(IDYES);
    EXPECT_EQ(MessageBoxW(nullptr, L"fixture", L"t", MB_YESNO), IDYES);
    EXPECT_MESSAGE_BOXES(boxes, L"fixture");
}

}  // namespace
