#include "dialog_script.h"

namespace
{
DialogScript* g_active = nullptr;   // one script at a time on the test thread
const UINT kStepMs = 40;
}   // namespace

DialogScript::DialogScript(std::wstring caption, std::vector<Step> steps)
    : m_caption(std::move(caption)), m_steps(std::move(steps))
{
    g_active = this;
    m_hook = ::SetWindowsHookExW(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
    m_timer = ::SetTimer(nullptr, 0, kStepMs, TimerProc);
}

DialogScript::~DialogScript()
{
    ::KillTimer(nullptr, m_timer);
    ::UnhookWindowsHookEx(m_hook);
    g_active = nullptr;
}

LRESULT CALLBACK DialogScript::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && g_active != nullptr && g_active->m_dialog == nullptr)
    {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        wchar_t cls[16] = L"", title[128] = L"";
        ::GetClassNameW(hwnd, cls, 16);
        ::GetWindowTextW(hwnd, title, 128);
        if (wcscmp(cls, L"#32770") == 0 && g_active->m_caption == title)
            g_active->m_dialog = hwnd;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogScript::TimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    DialogScript* self = g_active;
    if (self == nullptr || self->m_dialog == nullptr || !::IsWindow(self->m_dialog) ||
        self->m_next >= self->m_steps.size())
        return;
    const Step& step = self->m_steps[self->m_next++];
    step(self->m_dialog);
}

void ClickButton(HWND dialog, int id)
{
    HWND button = ::GetDlgItem(dialog, id);
    RECT rc{};
    ::GetClientRect(button, &rc);
    const LPARAM centre = MAKELPARAM(rc.right / 2, rc.bottom / 2);
    ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ::PostMessageW(button, WM_LBUTTONUP, 0, centre);
}

void PressEnter(HWND /*dialog*/)
{
    HWND focus = ::GetFocus();
    ::PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ::PostMessageW(focus, WM_KEYUP, VK_RETURN, 0xC01C0001);
}

std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[512] = L"";
    ::GetDlgItemTextW(dialog, id, text, 512);
    return text;
}
