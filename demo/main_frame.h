// The demo's main window: a record-keeping program's frame with a menu.
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
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnClose();
    afx_msg void OnFileExit();
    afx_msg void OnHelpAbout();
    void PostNcDestroy() override;

private:
    void RunTourStep();

    CFont m_titleFont;
    CFont m_textFont;
    int m_tourStep = 0;

    DECLARE_MESSAGE_MAP()
};
