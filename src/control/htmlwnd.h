// CHTMLWnd: a frame window that shows an HTML file in the system's web
// browser control, hosted as an OLE control in the frame's client area;
// PreviewHTMLFile shows a report in one.
#pragma once

#include <exdisp.h>
#include "afxframe.h"
#include "olecontrolsite.h"
#include "qvapi.h"

class QVCTRL_API CHTMLWnd : public CFrameWnd
{
public:
    CHTMLWnd();
    ~CHTMLWnd() override;

    // Makes the frame over rect (menu 180 of the resource context when it
    // has one) and the browser control in it. FALSE, with neither left,
    // when the browser control or its IWebBrowser2 is not to be had.
    BOOL Create(const RECT& rect, CWnd* pParentWnd = nullptr);
    // Asks the browser to show the file; nothing without a browser.
    void Navigate(LPCTSTR pszFileName);
    // Pumps this thread's messages until the browser reports a document
    // complete (1) or the frame's window is gone (0).
    int WaitForDocument();

    // How many documents the browser has reported complete.
    int GetDocumentCompleteCount() const { return m_nDocumentComplete; }
    IWebBrowser2* GetBrowser() const { return m_pBrowser; }
    // Set: the object deletes itself after its window's last message.
    void SetAutoDelete(int bAutoDelete) { m_bAutoDelete = bAutoDelete; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;

protected:
    void PostNcDestroy() override;
    afx_msg void OnDestroy();
    // The browser's DocumentComplete: the address becomes the frame's title.
    void OnDocumentComplete(DISPPARAMS* pParams);

    int m_bAutoDelete;             // delete this object after the last message
    IWebBrowser2* m_pBrowser;      // null when the control could not be made
    int m_nDocumentComplete;       // documents reported complete so far
    COleControlWnd m_wndBrowser;   // the browser control's window

    DECLARE_MESSAGE_MAP()
};

// Shows the file in a new CHTMLWnd at (100, 50)-(600, 400) and waits until
// the browser has shown it; the frame then lives on its own and deletes
// itself when it is closed. Nothing is shown when the browser control
// cannot be made.
QVCTRL_API void PreviewHTMLFile(LPCTSTR pszFileName);
