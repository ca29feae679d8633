#include "button_dialog.h"

#include "buttons_ids.h"
#include "message_pump.h"

ButtonDialog::ButtonDialog()
{
    Create(IDD_BUTTONS, nullptr);
    ::SetWindowPos(m_hWnd, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(m_hWnd);
    settle();
}

ButtonDialog::~ButtonDialog()
{
    DestroyWindow();
}

void ButtonDialog::settle() const
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    qvtest::PumpMessages(30);
}
