// CWordOffice: files held by other programs, deleting, and printing to PDF.
#include "wordoffice.h"

#include <ctime>

#include "wordoffice_internal.h"

static const wchar_t kPdfPrinter[] = L"Adobe PDF";
// How long the printer gets to take the job before the printer is put back.
static const clock_t kPrintWaitTicks = 8000;
// PrintOut's copies.
static const short kOneCopy = 1;

int CWordOffice::FileAvailable(const CString& strPath)
{
    if (GetFileAttributesW(strPath) == INVALID_FILE_ATTRIBUTES)
        return 1;
    // Opening without sharing fails only while another program has the file open.
    HANDLE file = CreateFileW(strPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
    {
        CloseHandle(file);
        return 1;
    }
    if (GetLastError() != ERROR_SHARING_VIOLATION)
        return 1;
    int slash = strPath.ReverseFind(L'\\');
    CString text;
    text.Format(L"Please close %s on Office word and retry", strPath.Mid(slash + 1));
    wordoffice::ShowMessage(text);
    return 0;
}

int CWordOffice::DeleteFileW(const CString& strPath)
{
    if (GetFileAttributesW(strPath) == INVALID_FILE_ATTRIBUTES)
        return 1;
    if (::DeleteFileW(strPath))
        return 1;
    CString text;
    text.Format(L"Please close the file %s then and retry", strPath);
    wordoffice::ShowMessage(text);
    return 0;
}

// Waits the given clock ticks, keeping the thread's windows answering.
static void WaitPumping(clock_t ticks)
{
    clock_t start = clock();
    while (clock() - start < ticks)
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

int CWordOffice::PrintToPDF()
{
    if (!m_wdApp.m_lpDispatch)
        return 0;
    CString printer;
    if (!Guarded(
            [this, &printer]
            {
                printer = m_wdApp.GetActivePrinter();
                m_wdApp.SetActivePrinter(kPdfPrinter);
                return 1;
            }))
        return 0;
    int printed = Guarded(
        [this]
        {
            VARIANT copies;
            VariantInit(&copies);
            copies.vt = VT_I2;
            copies.iVal = kOneCopy;
            VARIANT* o = &m_vOptional;
            m_wdApp.PrintOut(&m_vTrue, o, o, o, o, o, o, &copies, o, o, &m_vFalse, o, o, o, o, o, o, o, o);
            return 1;
        });
    if (printed)
        WaitPumping(kPrintWaitTicks);
    if (!m_wdApp.m_lpDispatch)
        return 0;
    // With no printer to go back to, "Adobe PDF" stays.
    if (printer.IsEmpty())
        return printed;
    int restored = Guarded(
        [this, &printer]
        {
            m_wdApp.SetActivePrinter(printer);
            return 1;
        });
    return printed && restored;
}
