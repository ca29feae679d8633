#include "test_window.h"

#include <set>

namespace {

void RegisterOnce(const std::wstring& className, WNDPROC proc)
{
    static std::set<std::wstring> registered;
    if (!registered.insert(className).second)
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className.c_str();
    ::RegisterClassExW(&wc);
}

}  // namespace

TestWindow::TestWindow(const std::wstring& className, const std::wstring& title, DWORD style, HWND owner)
{
    RegisterOnce(className, &WindowProc);
    m_hwnd = ::CreateWindowExW(0, className.c_str(), title.c_str(), style, 10, 10, 200, 120, owner, nullptr,
                               ::GetModuleHandleW(nullptr), this);
    BringToTop();
}

TestWindow::~TestWindow()
{
    if (m_hwnd != nullptr)
        ::DestroyWindow(m_hwnd);
}

void TestWindow::BringToTop() const
{
    ::SetWindowPos(m_hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CALLBACK TestWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_COMMAND || message == WM_CLOSE || message >= WM_USER)
        self->m_received.emplace_back(message, wParam);
    if (message == WM_NCDESTROY) {
        self->m_hwnd = nullptr;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    auto answer = self->m_answers.find(message);
    if (answer != self->m_answers.end())
        return answer->second;
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}
