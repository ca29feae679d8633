// Seeing and answering message boxes, so that no test ever waits for a click.
#pragma once
#include <windows.h>

#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qvtest
{

// One message box shown on the test thread.
struct CapturedMessageBox
{
    std::wstring text;
    std::wstring caption;
    // MB_* flags. Exact when seen at the MessageBoxW/ExW/IndirectW call (styleFromCall);
    // otherwise read off the dialog: buttons, default button, help button and icon.
    UINT style = 0;
    bool styleFromCall = false;
    bool shown = false;   // a dialog appeared (false when, say, there is no display)
    int answer = 0;       // the button id the capture pressed
    int result = 0;       // what the call returned; 0 when the call was not seen
};

void PrintTo(const CapturedMessageBox& box, std::ostream* os);

// While alive, records every message box shown on the creating thread, by any module
// of the process, and answers it. Answers are chosen in this order: the first rule of
// answerWhen() whose text part the box's text contains, then the next queued answer
// of answerNext(), then OK when the box has an OK button, else the box's default
// button (what Enter would press).
// Captures nest: the innermost one records and answers. Outside every capture of a
// test, a guard capture answers boxes the same way and fails the test for each one.
class MessageBoxCapture
{
public:
    MessageBoxCapture();
    ~MessageBoxCapture();
    MessageBoxCapture(const MessageBoxCapture&) = delete;
    MessageBoxCapture& operator=(const MessageBoxCapture&) = delete;

    void answerNext(int button) { queued_.push_back(button); }
    void answerWhen(const std::wstring& textPart, int button) { rules_.push_back({textPart, button}); }

    size_t count() const { return boxes_.size(); }
    const CapturedMessageBox& at(size_t i) const { return boxes_.at(i); }
    const CapturedMessageBox& last() const { return boxes_.back(); }
    const std::vector<CapturedMessageBox>& boxes() const { return boxes_; }
    std::vector<std::wstring> texts() const;
    // Forgets the boxes seen so far (answers and rules stay).
    void clear() { boxes_.clear(); }

private:
    friend class MessageBoxWatch;
    friend class UnexpectedBoxGuard;
    struct GuardTag
    {
    };
    explicit MessageBoxCapture(GuardTag);
    void recorded(const CapturedMessageBox& box) const;
    struct Rule
    {
        std::wstring textPart;
        int button;
    };
    int chooseAnswer(const std::wstring& text, const std::vector<int>& buttons, int defaultButton);

    std::vector<CapturedMessageBox> boxes_;
    std::deque<int> queued_;
    std::vector<Rule> rules_;
    bool guard_ = false;
};

// "The capture saw exactly these texts, in this order."
::testing::AssertionResult ShowedMessageBoxes(const MessageBoxCapture& capture,
                                              const std::vector<std::wstring>& expected);

// A fixture whose tests run with a capture (`boxes`) alive.
class MessageBoxTest : public ::testing::Test
{
protected:
    MessageBoxCapture boxes;
};

}   // namespace qvtest

// EXPECT_MESSAGE_BOXES(boxes, L"first text", L"second text"); EXPECT_MESSAGE_BOXES(boxes) for none.
#define EXPECT_MESSAGE_BOXES(capture, ...)                                                                             \
    EXPECT_TRUE(::qvtest::ShowedMessageBoxes((capture), std::vector<std::wstring>{__VA_ARGS__}))
#define ASSERT_MESSAGE_BOXES(capture, ...)                                                                             \
    ASSERT_TRUE(::qvtest::ShowedMessageBoxes((capture), std::vector<std::wstring>{__VA_ARGS__}))
