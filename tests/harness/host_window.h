// A real top-level parent window for controls under test: it records what its
// children tell it and answers as the test says.
#pragma once
#include <windows.h>

#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qvtest
{

// One message that reached the host window.
struct ReceivedMessage
{
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;   // for WM_NOTIFY a pointer that is only valid during the call

    // WM_NOTIFY: the header, and a copy of the structure (up to 512 bytes) it starts.
    UINT notifyCode = 0;
    UINT_PTR idFrom = 0;
    HWND hwndFrom = nullptr;
    std::vector<BYTE> data;

    // WM_COMMAND: control id, notification code, control window.
    UINT commandId = 0;
    UINT commandCode = 0;
    HWND commandWindow = nullptr;

    LRESULT answer = 0;   // what the host returned

    bool isNotify() const { return message == WM_NOTIFY; }
    // A copy of the notification structure as T; bytes past the copied ones are zero.
    template <class T> T as() const
    {
        T value{};
        std::memcpy(&value, data.data(), data.size() < sizeof(T) ? data.size() : sizeof(T));
        return value;
    }
};

class HostWindow
{
public:
    // A handler sees each recorded message while it is being sent (for WM_NOTIFY,
    // lParam still points at the sender's structure); returning a value answers it.
    using Handler = std::function<std::optional<LRESULT>(const ReceivedMessage&)>;

    explicit HostWindow(const std::wstring& title = L"QVCtrl test host", int width = 640, int height = 480);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    operator HWND() const { return hwnd_; }

    // Everything recorded, in order of arrival: WM_NOTIFY, WM_COMMAND, WM_CONTEXTMENU and messages
    // from WM_USER up (private and registered messages).
    const std::vector<ReceivedMessage>& messages() const { return messages_; }
    std::vector<ReceivedMessage> notifications() const;
    std::vector<ReceivedMessage> notifications(UINT code) const;
    std::vector<ReceivedMessage> commands() const;
    std::vector<ReceivedMessage> messagesOf(UINT message) const;
    size_t countNotify(UINT code) const;
    size_t countMessage(UINT message) const;
    // The notification codes in order of arrival.
    std::vector<UINT> notifyCodes() const;
    void clear() { messages_.clear(); }

    // Fixed answers: to a message number (private messages, WM_COMMAND) and to a
    // notification code. Without one the host answers 0.
    void answer(UINT message, LRESULT result) { messageAnswers_[message] = result; }
    void answerNotify(UINT code, LRESULT result) { notifyAnswers_[code] = result; }
    // Called for every recorded message before the fixed answers; may act (delete an
    // item during TVN_SELCHANGINGW, …) and may answer.
    void onMessage(Handler handler) { handler_ = std::move(handler); }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    static bool Records(UINT message);
    LRESULT receive(UINT message, WPARAM wParam, LPARAM lParam);
    std::vector<ReceivedMessage> select(const std::function<bool(const ReceivedMessage&)>& wanted) const;

    HWND hwnd_ = nullptr;
    std::vector<ReceivedMessage> messages_;
    std::map<UINT, LRESULT> messageAnswers_;
    std::map<UINT, LRESULT> notifyAnswers_;
    Handler handler_;
};

}   // namespace qvtest
