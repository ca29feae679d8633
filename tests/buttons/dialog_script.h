// Answers a modal dialog from inside its own modal loop: a CBT hook notes the
// dialog with the given caption when it is activated, and a thread timer then
// runs the steps one by one, as a user would act, until the dialog closes.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

class DialogScript
{
public:
    using Step = std::function<void(HWND dialog)>;
    DialogScript(std::wstring caption, std::vector<Step> steps);
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;
    // How many steps ran.
    size_t ran() const { return m_next; }
    bool sawDialog() const { return m_dialog != nullptr; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    std::wstring m_caption;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    HWND m_dialog = nullptr;
    HHOOK m_hook = nullptr;
    UINT_PTR m_timer = 0;
};

// Helpers for steps.
void ClickButton(HWND dialog, int id);   // a press and release at the button's centre
void PressEnter(HWND dialog);            // a key press to the focused control
std::wstring ItemText(HWND dialog, int id);
