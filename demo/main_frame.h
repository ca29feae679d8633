// The demo's main window: a record-keeping program's frame with a menu; the
// View menu switches the page shown below the banner.
#pragma once

#include "afxall.h"

class CMainFrame : public CWnd
{
public:
    BOOL CreateFrame();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnClose();
    afx_msg void OnFileExit();
    afx_msg void OnFileReport(UINT nID);
    afx_msg void OnFileWord();
    afx_msg void OnHelpAbout();
    afx_msg void OnViewPage(UINT nID);
    afx_msg void OnPatientDialog(UINT nID);
    afx_msg void OnPatientChooser();
    afx_msg void OnPrintCommand(UINT nID);
    void PostNcDestroy() override;

private:
    CRect PageRect() const;
    void ShowPage(UINT nID);
    void RunTourStep();

    CFont m_titleFont;
    CFont m_textFont;
    HWND m_hPage = nullptr;
    UINT m_nPage = 0;
    int m_tourStep = 0;
    CString m_strPatientSort;   // the sort list in force on the patient list

    DECLARE_MESSAGE_MAP()
};
