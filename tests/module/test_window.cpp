#include "test_window.h"

TestWindow::TestWindow(const std::wstring& className, const std::wstring& title, DWORD style,
                       std::map<UINT, LRESULT> answers, HWND owner)
    : m_answers(std::move(answers))
{
    // Registering a class a second time fails harmlessly.
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = className.c_str();
    ::RegisterClassExW(&wc);
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
    if (message == WM_NCCREATE)
    {
        auto create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_COMMAND || message == WM_CLOSE || message >= WM_USER)
        self->m_received.emplace_back(message, wParam);
    if (message == WM_NCDESTROY)
    {
        self->m_hwnd = nullptr;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    auto answer = self->m_answers.find(message);
    return answer != self->m_answers.end() ? answer->second : ::DefWindowProcW(hwnd, message, wParam, lParam);
}
