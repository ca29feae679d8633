// The demo's start page: its commands as a CTextIconMenu panel.
#include "button_tools.h"
#include "button_tools_ids.h"

namespace
{

class CStartMenuPage : public CWnd
{
public:
    BOOL CreatePage(CWnd* pParent, const RECT& rect, UINT nID);
    CTextIconMenu& Menu() { return m_menu; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()

private:
    void ChooseExportFolder();
    CTextIconMenu m_menu;
    CString m_strFolder;
};

BEGIN_MESSAGE_MAP(CStartMenuPage, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

BOOL CStartMenuPage::CreatePage(CWnd* pParent, const RECT& rect, UINT nID)
{
    m_menu.SetMenuID(IDR_START_MENU);
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_HAND), ::GetSysColorBrush(COLOR_WINDOW));
    return CreateEx(0, cls, L"首頁", WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, nID);
}

void CStartMenuPage::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(250, 250, 245));
    m_menu.DrawMenu(&dc);
    if (!m_strFolder.IsEmpty())
    {
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(100, client.bottom - 60, L"匯出資料夾：" + m_strFolder);
    }
}

void CStartMenuPage::OnMouseMove(UINT nFlags, CPoint point)
{
    m_menu.OnMouseMove(nFlags, point);
}

void CStartMenuPage::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_menu.OnLButtonDown(nFlags, point);
}

void CStartMenuPage::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_menu.OnLButtonUp(nFlags, point);
}

void CStartMenuPage::ChooseExportFolder()
{
    CString strExport = GetLocalPath()->GetExportFileName(L"x");
    strExport = strExport.Left(strExport.ReverseFind(L'\\'));
    const CString strChosen = FindFolder(strExport);
    if (strChosen.IsEmpty())
        return;
    m_strFolder = strChosen;
    Invalidate();
}

BOOL CStartMenuPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam))
    {
    case ID_TOOLS_SCAN:
    {
        CScanDemoDlg dialog(this);
        dialog.DoModal();
        return TRUE;
    }
    case ID_TOOLS_FOLDER:
        ChooseExportFolder();
        return TRUE;
    }
    // View and patient commands belong to the main window; it may replace this page.
    if (lParam == 0 && GetParent() != nullptr)
    {
        GetParent()->PostMessage(WM_COMMAND, wParam, 0);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

}   // namespace

CWnd* CreateStartMenuPage(CWnd* pParent, const RECT& rect, UINT nID)
{
    auto* pPage = new CStartMenuPage;
    if (!pPage->CreatePage(pParent, rect, nID))
    {
        delete pPage;
        return nullptr;
    }
    return pPage;
}
