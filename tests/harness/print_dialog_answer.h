// Answering the platform's print dialog (PrintDlgW) while alive: a CBT hook on
// the test thread sees the dialog activate (it has the printer-name combo box)
// and presses OK or Cancel.
#pragma once
#include <windows.h>

namespace qvtest
{

class PrintDialogAnswer
{
public:
    explicit PrintDialogAnswer(int button = IDOK);
    ~PrintDialogAnswer();
    PrintDialogAnswer(const PrintDialogAnswer&) = delete;
    PrintDialogAnswer& operator=(const PrintDialogAnswer&) = delete;

    // How many print dialogs were shown and answered.
    int shown() const { return shown_; }
    void answerWith(int button) { button_ = button; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static PrintDialogAnswer* instance_;
    HHOOK hook_ = nullptr;
    int button_;
    int shown_ = 0;
    HWND last_ = nullptr;
};

}   // namespace qvtest
