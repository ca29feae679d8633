#include "print_dialog_answer.h"

#include <dlgs.h>

namespace qvtest
{

PrintDialogAnswer* PrintDialogAnswer::instance_ = nullptr;

PrintDialogAnswer::PrintDialogAnswer(int button) : button_(button)
{
    instance_ = this;
    hook_ = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

PrintDialogAnswer::~PrintDialogAnswer()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    instance_ = nullptr;
}

LRESULT CALLBACK PrintDialogAnswer::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && instance_)
    {
        HWND dialog = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(dialog, className, 16);
        // The print dialog's printer list is the combo box cmb4.
        if (lstrcmpW(className, L"#32770") == 0 && GetDlgItem(dialog, cmb4) != nullptr && dialog != instance_->last_)
        {
            instance_->last_ = dialog;
            ++instance_->shown_;
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(instance_->button_, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, instance_->button_)));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}   // namespace qvtest
