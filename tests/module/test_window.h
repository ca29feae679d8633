// Top-level windows of the test process with a chosen class, title and style,
// answering chosen messages and recording what they receive.
#pragma once
#include <windows.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

class TestWindow
{
public:
    // The class is registered on first use; the window is put on top of the z-order and
    // answers the given messages with the given results (others go to DefWindowProc).
    TestWindow(const std::wstring& className, const std::wstring& title, DWORD style,
               std::map<UINT, LRESULT> answers = {}, HWND owner = nullptr);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND hwnd() const { return m_hwnd; }
    void BringToTop() const;
    // Messages received, in order (WM_COMMAND, WM_CLOSE and WM_USER and above).
    const std::vector<std::pair<UINT, WPARAM>>& received() const { return m_received; }
    bool destroyed() const { return m_hwnd == nullptr; }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hwnd = nullptr;
    std::map<UINT, LRESULT> m_answers;
    std::vector<std::pair<UINT, WPARAM>> m_received;
};
