#include "host_window.h"

#include <algorithm>
#include <iterator>

namespace qvtest
{
namespace
{

const wchar_t kClassName[] = L"QVTestHostWindow";
constexpr size_t kNotifyCopyLimit = 512;

void RegisterHostClass(WNDPROC windowProc)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    registered = RegisterClassExW(&wc) != 0;
}

// How many bytes from `start` can be read, up to `limit`: a notification structure's
// size is not known, and reading past the end of its memory region would fault.
size_t ReadableBytes(const void* start, size_t limit)
{
    size_t readable = 0;
    auto at = static_cast<const BYTE*>(start);
    while (readable < limit)
    {
        MEMORY_BASIC_INFORMATION info{};
        if (!VirtualQuery(at + readable, &info, sizeof info) || info.State != MEM_COMMIT)
            break;
        const DWORD readableProtections = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                                          PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
        if (!(info.Protect & readableProtections) || (info.Protect & PAGE_GUARD))
            break;
        auto regionEnd = static_cast<const BYTE*>(info.BaseAddress) + info.RegionSize;
        readable = size_t(regionEnd - at);
    }
    return std::min(readable, limit);
}

}   // namespace

HostWindow::HostWindow(const std::wstring& title, int width, int height)
{
    RegisterHostClass(&HostWindow::WindowProc);
    hwnd_ = CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40,
                            width, height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    UpdateWindow(hwnd_);
}

HostWindow::~HostWindow()
{
    if (IsWindow(hwnd_))
    {
        // Children may still notify while they are destroyed; nothing is recorded then.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

LRESULT CALLBACK HostWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && Records(message))
        return self->receive(message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool HostWindow::Records(UINT message)
{
    return message == WM_NOTIFY || message == WM_COMMAND || message == WM_CONTEXTMENU || message >= WM_USER;
}

LRESULT HostWindow::receive(UINT message, WPARAM wParam, LPARAM lParam)
{
    ReceivedMessage received;
    received.message = message;
    received.wParam = wParam;
    received.lParam = lParam;
    if (message == WM_NOTIFY && lParam)
    {
        auto header = reinterpret_cast<const NMHDR*>(lParam);
        received.notifyCode = header->code;
        received.idFrom = header->idFrom;
        received.hwndFrom = header->hwndFrom;
        auto bytes = reinterpret_cast<const BYTE*>(lParam);
        received.data.assign(bytes, bytes + ReadableBytes(bytes, kNotifyCopyLimit));
    }
    else if (message == WM_COMMAND)
    {
        received.commandId = LOWORD(wParam);
        received.commandCode = HIWORD(wParam);
        received.commandWindow = reinterpret_cast<HWND>(lParam);
    }

    // Recorded before the handler runs, so that messages sent from inside the
    // handler come after this one.
    const size_t index = messages_.size();
    messages_.push_back(received);

    LRESULT result = 0;
    std::optional<LRESULT> handled = handler_ ? handler_(received) : std::nullopt;
    if (handled)
    {
        result = *handled;
    }
    else if (auto n = notifyAnswers_.find(received.notifyCode); message == WM_NOTIFY && n != notifyAnswers_.end())
    {
        result = n->second;
    }
    else if (auto m = messageAnswers_.find(message); m != messageAnswers_.end())
    {
        result = m->second;
    }
    if (index < messages_.size())
        messages_[index].answer = result;   // a handler may clear()
    return result;
}

std::vector<ReceivedMessage> HostWindow::select(const std::function<bool(const ReceivedMessage&)>& wanted) const
{
    std::vector<ReceivedMessage> found;
    std::copy_if(messages_.begin(), messages_.end(), std::back_inserter(found), wanted);
    return found;
}

std::vector<ReceivedMessage> HostWindow::notifications() const
{
    return messagesOf(WM_NOTIFY);
}

std::vector<ReceivedMessage> HostWindow::notifications(UINT code) const
{
    return select([code](const ReceivedMessage& m) { return m.isNotify() && m.notifyCode == code; });
}

std::vector<ReceivedMessage> HostWindow::commands() const
{
    return messagesOf(WM_COMMAND);
}

std::vector<ReceivedMessage> HostWindow::messagesOf(UINT message) const
{
    return select([message](const ReceivedMessage& m) { return m.message == message; });
}

size_t HostWindow::countNotify(UINT code) const
{
    return notifications(code).size();
}

size_t HostWindow::countMessage(UINT message) const
{
    return messagesOf(message).size();
}

std::vector<UINT> HostWindow::notifyCodes() const
{
    std::vector<UINT> codes;
    for (const auto& m : messages_)
        if (m.isNotify())
            codes.push_back(m.notifyCode);
    return codes;
}

}   // namespace qvtest
