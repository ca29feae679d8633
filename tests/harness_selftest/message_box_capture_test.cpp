// The message-box capture sees every box on the test thread and answers it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "qvmessage.h"
#include "qvtest.h"

namespace
{

using qvtest::MessageBoxCapture;

// MessageBoxW reached without the import table, as code that looks it up itself
// would: the capture must read such a box off the dialog.
int UnpatchedMessageBoxW(const wchar_t* text, const wchar_t* caption, UINT style)
{
    using Fn = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);
    auto real =
        reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "MessageBoxW")));
    return real(nullptr, text, caption, style);
}

// What a recorded box should say; the caption is skipped when null.
struct ExpectedBox
{
    const wchar_t* text;
    const wchar_t* caption;
    UINT style;
    bool styleFromCall;
    int answer;
};

void ExpectBoxes(const MessageBoxCapture& boxes, std::initializer_list<ExpectedBox> expected)
{
    ASSERT_EQ(boxes.count(), expected.size());
    size_t i = 0;
    for (const ExpectedBox& want : expected)
    {
        const qvtest::CapturedMessageBox& box = boxes.at(i++);
        SCOPED_TRACE(qvtest::Utf8(want.text));
        EXPECT_EQ(box.text, want.text);
        if (want.caption)
        {
            EXPECT_EQ(box.caption, want.caption);
        }
        EXPECT_FALSE(box.caption.empty());   // a null caption is recorded as shown
        EXPECT_EQ(box.style, want.style);
        EXPECT_EQ(box.styleFromCall, want.styleFromCall);
        EXPECT_TRUE(box.shown);
        EXPECT_EQ(box.answer, want.answer);
        EXPECT_EQ(box.result, want.styleFromCall ? want.answer : 0);
    }
}

TEST(MessageBoxCapture, RecordsEveryWayOfShowingABoxWithItsExactStyle)
{
    MessageBoxCapture boxes;
    boxes.answerNext(IDNO);
    MessageBoxW(nullptr, L"病歷號碼錯誤，要重新輸入嗎?", L"病歷", MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION);
    MessageBoxW(nullptr, L"no caption", nullptr, MB_OK);
    MSGBOXPARAMSW params{};
    params.cbSize = sizeof params;
    params.lpszText = L"Indirect 文字";
    params.lpszCaption = L"Indirect";
    params.dwStyle = MB_YESNOCANCEL | MB_DEFBUTTON3 | MB_ICONWARNING;
    MessageBoxIndirectW(&params);
    WarningBox(L"身分證號碼錯誤");   // from the companion DLL, whose import is redirected too
    boxes.answerNext(IDNO);
    EXPECT_EQ(UnpatchedMessageBoxW(L"直接呼叫", L"標題", MB_YESNOCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION), IDNO);
    ExpectBoxes(boxes,
                {
                    {L"病歷號碼錯誤，要重新輸入嗎?", L"病歷", MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION, true, IDNO},
                    {L"no caption", nullptr, MB_OK, true, IDOK},
                    {L"Indirect 文字", L"Indirect", MB_YESNOCANCEL | MB_DEFBUTTON3 | MB_ICONWARNING, true, IDCANCEL},
                    {L"身分證號碼錯誤", L"警告", MB_OK | MB_ICONWARNING, true, IDOK},
                    {L"直接呼叫", L"標題", MB_YESNOCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION, false, IDNO},
                });
}

TEST(MessageBoxCapture, AnswersFromRulesThenTheQueueThenOkOrTheDefaultButton)
{
    MessageBoxCapture boxes;
    boxes.answerWhen(L"覆蓋", IDYES);
    boxes.answerNext(IDCANCEL);
    boxes.answerNext(IDRETRY);
    const struct
    {
        const wchar_t* text;
        UINT style;
        int answer;
    } kBoxes[] = {
        {L"檔案已存在，要覆蓋嗎?", MB_YESNO | MB_DEFBUTTON2, IDYES},
        {L"第一", MB_OKCANCEL, IDCANCEL},
        {L"第二", MB_RETRYCANCEL, IDRETRY},
        {L"第三", MB_OKCANCEL, IDOK},
        {L"刪除?", MB_YESNO | MB_DEFBUTTON2, IDNO},
        {L"再覆蓋一次?", MB_YESNO | MB_DEFBUTTON2, IDYES},
    };
    for (const auto& box : kBoxes)
        EXPECT_EQ(MessageBoxW(nullptr, box.text, L"t", box.style), box.answer) << qvtest::Utf8(box.text);
    EXPECT_MESSAGE_BOXES(boxes, L"檔案已存在，要覆蓋嗎?", L"第一", L"第二", L"第三", L"刪除?", L"再覆蓋一次?");
    EXPECT_FALSE(qvtest::ShowedMessageBoxes(
        boxes, {L"檔案已存在，要覆蓋嗎?", L"第二", L"第一", L"第三", L"刪除?", L"再覆蓋一次?"}));
    EXPECT_FALSE(qvtest::ShowedMessageBoxes(boxes, {L"檔案已存在，要覆蓋嗎?"}));
}

TEST(MessageBoxCapture, TheInnermostCaptureRecords)
{
    MessageBoxCapture outer;
    {
        MessageBoxCapture inner;
        inner.answerNext(IDCANCEL);
        EXPECT_EQ(MessageBoxW(nullptr, L"inner", L"t", MB_OKCANCEL), IDCANCEL);
        EXPECT_MESSAGE_BOXES(inner, L"inner");
    }
    EXPECT_EQ(MessageBoxW(nullptr, L"outer", L"t", MB_OKCANCEL), IDOK);
    EXPECT_MESSAGE_BOXES(outer, L"outer");
}

TEST(MessageBoxGuard, ABoxWithoutACaptureFailsTheTestButIsAnswered)
{
    static int result = 0;
    EXPECT_NONFATAL_FAILURE(result = MessageBoxW(nullptr, L"沒有人在等的訊息", L"t", MB_OKCANCEL),
                            "no MessageBoxCapture alive");
    EXPECT_EQ(result, IDOK);
}

// A control of a dialog made by hand: class, text, style and id.
struct Control
{
    const wchar_t* windowClass;
    const wchar_t* text;
    DWORD style;
    int id;
};

// A dialog window ("#32770") with the given controls, activated once they all exist.
HWND ShowDialog(std::initializer_list<Control> controls)
{
    HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"", WS_POPUP | WS_CAPTION, 40, 40, 300, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    int x = 5;
    for (const Control& control : controls)
    {
        CreateWindowExW(0, control.windowClass, control.text, WS_CHILD | WS_VISIBLE | control.style, x, 5, 80, 20,
                        dialog, reinterpret_cast<HMENU>(INT_PTR(control.id)), GetModuleHandleW(nullptr), nullptr);
        x += 90;
    }
    ShowWindow(dialog, SW_SHOW);
    return dialog;
}

// An edit control makes a dialog no message box; a label (IDC_STATIC is 0xFFFF,
// the id of a box's text) with OK and Cancel only resembles one.
TEST(MessageBoxCapture, LeavesOrdinaryDialogsAndLookAlikesAlone)
{
    for (bool lookAlike : {false, true})
    {
        MessageBoxCapture boxes;
        HWND dialog = lookAlike ? ShowDialog({{L"STATIC", L"label", SS_LEFT, 0xFFFF},
                                              {L"BUTTON", L"OK", BS_DEFPUSHBUTTON, IDOK},
                                              {L"BUTTON", L"Cancel", BS_PUSHBUTTON, IDCANCEL}})
                                : ShowDialog({{L"EDIT", L"", WS_BORDER, 100}});
        ASSERT_TRUE(dialog);
        EXPECT_EQ(qvtest::DialogItemText(dialog, 0xFFFF), lookAlike ? L"label" : L"");
        qvtest::PumpMessages(100);
        EXPECT_TRUE(IsWindow(dialog)) << "look-alike " << lookAlike;
        EXPECT_MESSAGE_BOXES(boxes);
        DestroyWindow(dialog);
    }
}

}   // namespace
