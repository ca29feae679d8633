// CDateEdit: typing over "yyyy/mm/dd" with real keys through the message
// loop: digits skip the slashes, Backspace and Delete keep the layout.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "../dlgdata/form_dialog.h"
#include "control/dateedit.h"
#include "dateentry_ids.h"
#include "qvtest.h"

using formtest::FormDialog;

namespace
{

class DateEditTest : public qvtest::MessageBoxTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.created);
        ASSERT_TRUE(edit.SubclassDlgItem(IDC_DATE, &form.dialog));
        edit.Initial();
        form.focus(IDC_DATE);
    }

    // A key goes down and up; the loop's translation makes its character.
    void press(UINT vk)
    {
        ::PostMessageW(edit.m_hWnd, WM_KEYDOWN, vk, 1);
        ::PostMessageW(edit.m_hWnd, WM_KEYUP, vk, LPARAM(0xC0000001));
        qvtest::PumpMessages(5);
    }
    void typeChar(wchar_t ch)
    {
        ::PostMessageW(edit.m_hWnd, WM_CHAR, ch, 1);
        qvtest::PumpMessages(5);
    }
    // Digits as key presses; the caret after each.
    std::vector<int> typeDigits(const std::wstring& digits)
    {
        std::vector<int> carets;
        for (wchar_t ch : digits)
        {
            press(UINT(ch));
            carets.push_back(caret());
        }
        return carets;
    }
    int caret() const { return LOWORD(::SendMessageW(edit.m_hWnd, EM_GETSEL, 0, 0)); }
    void putCaret(int p) { ::SendMessageW(edit.m_hWnd, EM_SETSEL, p, p); }
    std::wstring text() const { return form.text(IDC_DATE); }
    void show(const wchar_t* value) { ::SetWindowTextW(edit.m_hWnd, value); }

    FormDialog form{IDD_DATEEDIT};
    CDateEdit edit;
};

TEST_F(DateEditTest, DigitsFillTheLayoutAndSkipBothSlashes)
{
    EXPECT_EQ(L"    /  /  ", text());
    putCaret(0);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 5, 6, 8, 9, 10}), typeDigits(L"20210305"));
    EXPECT_EQ(L"2021/03/05", text());
    EXPECT_EQ(20210305L, edit.GetLong());
    TIMESTAMP_STRUCT stamp;
    memset(&stamp, 0x5A, sizeof stamp);
    edit.GetDate(&stamp);
    EXPECT_TRUE(formtest::SameStamp(formtest::Stamp(2021, 3, 5), stamp));
    qvtest::SaveWindowPng(form.hwnd(), L"dateentry-dateedit");

    // Over a full date: the digit replaces; on a slash it lands after it.
    putCaret(2);
    EXPECT_EQ((std::vector<int>{3, 5}), typeDigits(L"99"));
    EXPECT_EQ(L"2099/03/05", text());
    putCaret(7);
    typeDigits(L"1");
    EXPECT_EQ(L"2099/03/15", text());
    EXPECT_EQ(9, caret());
    // The text is full: a digit at the end has no place.
    putCaret(10);
    typeDigits(L"7");
    EXPECT_EQ(L"2099/03/15", text());
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(DateEditTest, BackspaceBlanksAndStepsOverSlashes)
{
    show(L"2021/03/05");
    struct Case
    {
        int from;
        const wchar_t* text;
        int caret;
    } cases[] = {
        {8, L"2021/03/05", 7},                           // just after the second slash: only the caret moves
        {5, L"2021/03/05", 4},  {0, L"2021/03/05", 0},   // nothing before the caret
        {10, L"2021/03/0 ", 9}, {6, L"2021/ 3/0 ", 5}, {3, L"20 1/ 3/0 ", 2},
    };
    for (const Case& c : cases)
    {
        putCaret(c.from);
        press(VK_BACK);
        EXPECT_EQ(c.text, text()) << "from " << c.from;
        EXPECT_EQ(c.caret, caret()) << "from " << c.from;
    }
    EXPECT_EQ(20L * 10000 + 3 * 100, edit.GetLong()) << "a blank ends a number";
}

TEST_F(DateEditTest, DeleteKeepsBothSlashesInPlace)
{
    struct Case
    {
        int at;
        const wchar_t* text;
    } cases[] = {
        {4, L"2021/03/05"},                                                               // on a slash: nothing
        {7, L"2021/03/05"},  {2, L"201 /03/05"}, {5, L"2021/3 /05"}, {8, L"2021/03/5"},   // the day part closes up
        {10, L"2021/03/05"},                                                              // nothing after the caret
    };
    for (const Case& c : cases)
    {
        show(L"2021/03/05");
        putCaret(c.at);
        press(VK_DELETE);
        EXPECT_EQ(c.text, text()) << "at " << c.at;
        EXPECT_EQ(c.at, caret()) << "at " << c.at;
    }
    // Other keys keep their own meaning: Home moves the caret.
    show(L"2021/03/05");
    putCaret(6);
    press(VK_HOME);
    EXPECT_EQ(0, caret());
}

TEST_F(DateEditTest, OtherCharactersAreIgnoredAndAMissingLayoutComesBack)
{
    show(L"2021/03/05");
    putCaret(3);
    for (wchar_t ch : {L'a', L'-', L'/', L' ', L'日', L'\r'})
        typeChar(ch);
    EXPECT_EQ(L"2021/03/05", text());
    EXPECT_EQ(3, caret());

    show(L"");
    typeDigits(L"7");
    EXPECT_EQ(L"7   /  /  ", text());
    EXPECT_EQ(1, caret());
    show(L"abc");   // no slash: typed over the empty layout
    putCaret(1);
    typeDigits(L"5");
    EXPECT_EQ(L" 5  /  /  ", text());
    EXPECT_EQ(50000L, edit.GetLong());
    show(L"");
    EXPECT_EQ(0L, edit.GetLong());
    EXPECT_MESSAGE_BOXES(boxes);
}

}   // namespace
