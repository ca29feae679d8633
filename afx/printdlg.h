// CPrintDialog: the platform's print dialog (PrintDlgW) and the printer it
// chose. The dialog owns the DEVMODE and DEVNAMES blocks it was given or that
// the platform returned; the printer DC belongs to whoever takes it
// (CPrintInfo deletes it at the end of a job).
#pragma once

#include "afxwin.h"
#include <commdlg.h>

class CPrintDialog : public CObject
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    PRINTDLGW m_pd;

    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;

    // Shows the dialog: IDOK when the user chose a printer (the DC is in
    // m_pd.hDC when PD_RETURNDC is set), IDCANCEL when cancelled or failed.
    virtual INT_PTR DoModal();
    // The default printer without a dialog; FALSE when there is none.
    BOOL GetDefaults();
    // A DC for the chosen printer (replacing m_pd.hDC), or null.
    HDC CreatePrinterDC();
    HDC GetPrinterDC() const { return m_pd.hDC; }

    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    int GetCopies() const;
    BOOL PrintAll() const { return (m_pd.Flags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    int GetFromPage() const { return m_pd.nFromPage; }
    int GetToPage() const { return m_pd.nToPage; }

    // Takes copies of DEVNAMES/DEVMODE blocks (either may be null): the
    // printer that GetDefaults, CreatePrinterDC and the dialog start from.
    void SetPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode);

private:
    CString DevNamesString(int which) const;
    void FreeDevBlocks();
};
