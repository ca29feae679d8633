// CPrintFrame and CPrintView: the temporary frame and view through which a
// CDlgPrintDlg prints or previews. The frame is the application's main window
// while it lives (the old one comes back when it is destroyed); the view
// relays the print cycle's steps to the dialog as private messages and
// closes the frame when a direct job ends, when the preview is closed, or
// when preparation is cancelled.
#pragma once

#include "afxwin.h"
#include "qvapi.h"

class CDlgPrintDlg;
class CPrintView;

class QVCTRL_API CPrintFrame : public CFrameWnd
{
public:
    CPrintFrame();
    ~CPrintFrame() override;

    // The preview shown in the frame, or null.
    CPreviewView* GetPreview() const;

    CPrintView* m_pView = nullptr;
    CDlgPrintDlg* m_pOwnerDialog = nullptr;
    CWnd* m_pOldMainWnd = nullptr;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    afx_msg void OnDestroy();
    void RestoreMainWindow();

    DECLARE_MESSAGE_MAP()
};

class QVCTRL_API CPrintView : public CView
{
public:
    CPrintView();

    // Shows the frame minimised and prints (the print dialog first).
    void StartPrinting();
    // Shows the frame maximised with the preview of the job.
    void StartPreview();

    int m_bCloseAfterPrinting;

protected:
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView) override;

private:
    CPrintFrame* Frame() const;
    CDlgPrintDlg* OwnerDialog() const;
    void DestroyFrame();
};
