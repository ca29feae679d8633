#include "message_box_capture.h"

#include <algorithm>
#include <memory>
#include <ostream>

#include "dialog_reading.h"
#include "import_patch.h"
#include "wide_text.h"

namespace qvtest
{

// The thread hook and the import patches shared by all live captures. It exists
// while at least one capture does.
class MessageBoxWatch
{
public:
    static void Push(MessageBoxCapture* capture);
    static void Pop(MessageBoxCapture* capture);

    // Called by the patched MessageBox* functions around the real call.
    template <class Show> static int RecordCall(LPCWSTR text, LPCWSTR caption, UINT style, Show show);

private:
    struct PendingCall
    {
        MessageBoxCapture* capture;
        size_t index;
        bool bound;
    };

    MessageBoxWatch();
    ~MessageBoxWatch();
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    bool alive(const MessageBoxCapture* capture) const;
    void onActivate(HWND dialog);
    PendingCall* unboundCall();

    DWORD thread_;
    HHOOK hook_ = nullptr;
    std::vector<std::unique_ptr<ImportPatch>> patches_;
    std::vector<MessageBoxCapture*> captures_;
    std::vector<PendingCall> calls_;
    std::vector<HWND> answered_;
    HWND lastFocus_ = nullptr;

    static MessageBoxWatch* instance_;
};

MessageBoxWatch* MessageBoxWatch::instance_ = nullptr;

namespace
{

HMODULE User32()
{
    return GetModuleHandleW(L"user32.dll");
}

// The export itself, whatever the import slots hold.
template <class F> F RealFunction(const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(User32(), name)));
}

auto RealMessageBoxW()
{
    return RealFunction<decltype(&MessageBoxW)>("MessageBoxW");
}
auto RealMessageBoxExW()
{
    return RealFunction<decltype(&MessageBoxExW)>("MessageBoxExW");
}
auto RealMessageBoxIndirectW()
{
    return RealFunction<decltype(&MessageBoxIndirectW)>("MessageBoxIndirectW");
}

// MessageBoxIndirect takes texts or string resource ids.
std::wstring ResourceOrText(HINSTANCE module, LPCWSTR textOrId)
{
    if (!IS_INTRESOURCE(textOrId))
        return textOrId;
    const wchar_t* resource = nullptr;
    int length =
        LoadStringW(module, UINT(reinterpret_cast<UINT_PTR>(textOrId)), reinterpret_cast<LPWSTR>(&resource), 0);
    return length > 0 ? std::wstring(resource, size_t(length)) : std::wstring();
}

int WINAPI RecordingMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style)
{
    return MessageBoxWatch::RecordCall(text, caption, style,
                                       [&] { return RealMessageBoxW()(owner, text, caption, style); });
}

int WINAPI RecordingMessageBoxExW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style, WORD language)
{
    return MessageBoxWatch::RecordCall(text, caption, style,
                                       [&] { return RealMessageBoxExW()(owner, text, caption, style, language); });
}

int WINAPI RecordingMessageBoxIndirectW(const MSGBOXPARAMSW* params)
{
    std::wstring text = ResourceOrText(params->hInstance, params->lpszText);
    std::wstring caption = ResourceOrText(params->hInstance, params->lpszCaption);
    return MessageBoxWatch::RecordCall(params->lpszText ? text.c_str() : nullptr,
                                       params->lpszCaption ? caption.c_str() : nullptr, params->dwStyle,
                                       [&] { return RealMessageBoxIndirectW()(params); });
}

void* Address(auto function)
{
    return reinterpret_cast<void*>(function);
}

}   // namespace

MessageBoxWatch::MessageBoxWatch() : thread_(GetCurrentThreadId())
{
    hook_ = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, thread_);
    patches_.push_back(std::make_unique<ImportPatch>(Address(RealMessageBoxW()), Address(RecordingMessageBoxW)));
    patches_.push_back(std::make_unique<ImportPatch>(Address(RealMessageBoxExW()), Address(RecordingMessageBoxExW)));
    patches_.push_back(
        std::make_unique<ImportPatch>(Address(RealMessageBoxIndirectW()), Address(RecordingMessageBoxIndirectW)));
}

MessageBoxWatch::~MessageBoxWatch()
{
    patches_.clear();
    if (hook_)
        UnhookWindowsHookEx(hook_);
}

void MessageBoxWatch::Push(MessageBoxCapture* capture)
{
    if (!instance_)
        instance_ = new MessageBoxWatch;
    instance_->captures_.push_back(capture);
}

void MessageBoxWatch::Pop(MessageBoxCapture* capture)
{
    if (!instance_)
        return;
    auto& captures = instance_->captures_;
    captures.erase(std::remove(captures.begin(), captures.end(), capture), captures.end());
    if (captures.empty())
    {
        delete instance_;
        instance_ = nullptr;
    }
}

bool MessageBoxWatch::alive(const MessageBoxCapture* capture) const
{
    return std::find(captures_.begin(), captures_.end(), capture) != captures_.end();
}

template <class Show> int MessageBoxWatch::RecordCall(LPCWSTR text, LPCWSTR caption, UINT style, Show show)
{
    if (!instance_ || GetCurrentThreadId() != instance_->thread_)
        return show();

    MessageBoxCapture* capture = instance_->captures_.back();
    CapturedMessageBox box;
    box.text = text ? text : L"";
    box.caption = caption ? caption : L"";
    box.style = style;
    box.styleFromCall = true;
    capture->boxes_.push_back(box);
    const size_t index = capture->boxes_.size() - 1;
    instance_->calls_.push_back({capture, index, false});
    capture->recorded(box);

    const int result = show();

    // The capture (or every capture) may have ended while the box was up.
    if (instance_)
    {
        instance_->calls_.pop_back();
        if (instance_->alive(capture) && index < capture->boxes_.size())
            capture->boxes_[index].result = result;
    }
    return result;
}

MessageBoxWatch::PendingCall* MessageBoxWatch::unboundCall()
{
    for (auto call = calls_.rbegin(); call != calls_.rend(); ++call)
        if (!call->bound && alive(call->capture) && call->index < call->capture->boxes_.size())
            return &*call;
    return nullptr;
}

LRESULT CALLBACK MessageBoxWatch::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (instance_)
    {
        // A message box focuses its default button before it is activated.
        if (code == HCBT_SETFOCUS)
            instance_->lastFocus_ = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE)
            instance_->onActivate(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxWatch::onActivate(HWND dialog)
{
    // Closing a window can activate one of another program on the same desktop from
    // this thread: only this thread's boxes are ours.
    if (!IsDialogWindow(dialog) || GetWindowThreadProcessId(dialog, nullptr) != thread_)
        return;
    // A box is activated again whenever it gets the focus back: answer it once.
    answered_.erase(std::remove_if(answered_.begin(), answered_.end(), [](HWND h) { return !IsWindow(h); }),
                    answered_.end());
    if (std::find(answered_.begin(), answered_.end(), dialog) != answered_.end())
        return;

    const std::wstring text = DialogItemText(dialog, kMessageBoxTextId);
    const bool looksLikeBox = LooksLikeMessageBox(dialog);
    PendingCall* call = unboundCall();
    if (call && !(looksLikeBox || call->capture->boxes_[call->index].text == text))
        call = nullptr;
    if (!call && !looksLikeBox)
        return;   // an ordinary dialog: not ours to answer

    MessageBoxCapture* capture = call ? call->capture : captures_.back();
    if (!call)
    {
        CapturedMessageBox box;
        box.text = text;
        box.caption = WindowText(dialog);
        box.style = MessageBoxStyleOf(dialog, lastFocus_);
        capture->boxes_.push_back(box);
        capture->recorded(box);
    }
    CapturedMessageBox& box = call ? capture->boxes_[call->index] : capture->boxes_.back();
    if (call)
    {
        call->bound = true;
        // A null caption shows the platform's own title.
        if (box.caption.empty())
            box.caption = WindowText(dialog);
    }

    const std::vector<int> buttons = MessageBoxButtons(dialog);
    const size_t defaultIndex = (box.style & MB_DEFMASK) >> 8;
    const int defaultButton = defaultIndex < buttons.size() ? buttons[defaultIndex]
                              : buttons.empty()             ? IDOK
                                                            : buttons.front();
    box.answer = capture->chooseAnswer(box.text, buttons, defaultButton);
    box.shown = true;
    answered_.push_back(dialog);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(box.answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, box.answer)));
}

MessageBoxCapture::MessageBoxCapture()
{
    MessageBoxWatch::Push(this);
}

MessageBoxCapture::MessageBoxCapture(GuardTag) : guard_(true)
{
    MessageBoxWatch::Push(this);
}

MessageBoxCapture::~MessageBoxCapture()
{
    MessageBoxWatch::Pop(this);
}

void MessageBoxCapture::recorded(const CapturedMessageBox& box) const
{
    if (guard_)
        ADD_FAILURE() << "a message box was shown with no MessageBoxCapture alive: " << ::testing::PrintToString(box);
}

// Runs every test inside a guard capture, so that a box that no test expected is
// answered (the test goes on) and reported instead of waiting for a click.
class UnexpectedBoxGuard : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override
    {
        guard_.reset(new MessageBoxCapture(MessageBoxCapture::GuardTag{}));
    }
    void OnTestEnd(const ::testing::TestInfo&) override { guard_.reset(); }

    std::unique_ptr<MessageBoxCapture> guard_;
};

namespace
{
const bool guardListening = []
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new UnexpectedBoxGuard);
    return true;
}();
}   // namespace

}   // namespace qvtest

// Referenced from the link line of every suite, so that the guard above is linked in
// even by suites that use nothing else of this file.
extern "C" const bool qvtest_unexpected_box_guard = qvtest::guardListening;

namespace qvtest
{

int MessageBoxCapture::chooseAnswer(const std::wstring& text, const std::vector<int>& buttons, int defaultButton)
{
    for (const Rule& rule : rules_)
        if (text.find(rule.textPart) != std::wstring::npos)
            return rule.button;
    if (!queued_.empty())
    {
        int button = queued_.front();
        queued_.pop_front();
        return button;
    }
    if (std::find(buttons.begin(), buttons.end(), IDOK) != buttons.end())
        return IDOK;
    return defaultButton;
}

std::vector<std::wstring> MessageBoxCapture::texts() const
{
    std::vector<std::wstring> all;
    for (const auto& box : boxes_)
        all.push_back(box.text);
    return all;
}

void PrintTo(const CapturedMessageBox& box, std::ostream* os)
{
    *os << "{text \"" << Utf8(box.text) << "\", caption \"" << Utf8(box.caption) << "\", style 0x" << std::hex
        << box.style << std::dec << (box.styleFromCall ? "" : " (read off the dialog)") << ", answer " << box.answer
        << ", result " << box.result << "}";
}

::testing::AssertionResult ShowedMessageBoxes(const MessageBoxCapture& capture,
                                              const std::vector<std::wstring>& expected)
{
    const std::vector<std::wstring> seen = capture.texts();
    if (seen == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "message boxes shown: " << QuotedList(seen) << "\n"
                                         << "           expected: " << QuotedList(expected);
}

}   // namespace qvtest
