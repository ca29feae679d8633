// CDlgPrintDlg: a dialog that owns the data to print and prints it, or shows
// a print preview, without being a document/view program. Its commands open
// a temporary CPrintFrame whose CPrintView runs the framework's print or
// preview cycle and relays each step back to the dialog as a private
// message; the dialog prints through its own virtual operations, on the page
// scheme of the list printer.
#pragma once

#include "afxwin.h"
#include "common/field.h"
#include "qvapi.h"

// The dialog's commands and the view's private messages.
#define ID_DLGPRINT_PREVIEW 33013        // open the preview frame and start a preview
#define ID_DLGPRINT_WORKPRINT 32963      // open the frame minimised and print
#define WM_DLGPRINT_PRINTPAGE 2027       // wParam: CDC*, lParam: CPrintInfo*; print one page
#define WM_DLGPRINT_BEGINPRINTING 2028   // wParam: CDC*, lParam: CPrintInfo*; set up the page model
#define WM_DLGPRINT_ENDPRINTING 2029     // the job is over
// The application's dialog template of the default constructor.
#define IDD_DLGPRINTDLG 327

class QVCTRL_API CDlgPrintDlg : public CDialog
{
public:
    explicit CDlgPrintDlg(CWnd* pParentWnd = nullptr);
    CDlgPrintDlg(UINT nIDTemplate, CWnd* pParentWnd);

    // The title (or the dialog's caption) and "打印日期：yyyy年mm月dd日".
    virtual void PrintTitle(CDC* pDC, int& y);
    virtual void PrintHead(CDC* pDC, int& y);
    virtual void PrintBody(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintRecord(CDC* pDC, long nRow, int nUnused);
    // The closing block; this class draws none.
    virtual void PrintTail(CDC* pDC, int& y, int nUnused);
    // A value's text through the field-text conversion, aligned by type.
    virtual void DrawData(CDC* pDC, CRect rect, int nType, void* pValue, int nFormat);
    virtual void Draw(CDC* pDC, const CString& strText, CRect rect, UINT nFormat);
    virtual long GetRecordCount();
    virtual long GetRecordLength();
    // Row nRow rebuilt from its texts with CField::TextToRecord; 1, or 0 for a
    // row out of range or a null buffer.
    virtual int GetRecord(long nRow, char* pRecord);
    virtual CString GetItemText(long nRow, int nField);
    virtual void SetPrintField(CfField* pField, int nCount);
    virtual void SetPrintTailField(CfField* pField, int nCount, int nFirst);
    virtual void SetRecordLength(int nLength);

    int m_nPrinterResX;
    int m_nPrinterResY;
    int m_nRowsPerPage;
    int m_nLineHeight;
    int m_nLeftMargin;
    CfField* m_pPrintField;
    int m_nPrintField;
    CfField* m_pTailField;
    int m_nTailField;
    CString m_strTitle;   // empty: the dialog's caption is printed
    int m_nCurrentY;
    int m_nRecordLength;

protected:
    afx_msg void OnPrintPreview();
    afx_msg void OnWorkPrint();
    afx_msg LRESULT OnBeginPrinting(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMyPrint(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEndPrinting(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void Init();
    // The frame with its view, owned by this dialog for the job; null on failure.
    class CPrintFrame* OpenFrame();
};
