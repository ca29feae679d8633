// CFrameWnd: a top-level window whose client area is one view (the pane with
// id AFX_IDW_PANE_FIRST). Commands go to the active view first, then to the
// frame. A frame and its views are made with new and delete themselves when
// their windows are destroyed.
#pragma once

#include "afxwin.h"

#ifndef AFX_IDW_PANE_FIRST
#define AFX_IDW_PANE_FIRST 0xE900
#endif
// Standard printing commands.
#ifndef ID_FILE_PRINT_SETUP
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#endif

class CView;
class CFrameWnd;

// What a frame is asked to create in its client area.
struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = nullptr;   // the view class OnCreateClient makes
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    // Lets the system place and size the window.
    static const CRect rectDefault;

    CFrameWnd() = default;

    // pContext is handed to OnCreateClient during WM_CREATE.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    // Sizes the pane window to the whole client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // A view of pContext->m_pNewViewClass as a visible child with id nID.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    // Creates the client area's view; FALSE makes creation fail.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnClose();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    CView* m_pViewActive = nullptr;

    DECLARE_MESSAGE_MAP()
};
