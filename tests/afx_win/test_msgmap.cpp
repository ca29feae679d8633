// Message maps: handlers get their messages with the arguments cracked,
// commands and notifications find their entries, and reflected messages stop
// at the control unless it passes them on. Every handler writes what it saw
// to one call log, so each case states the calls it expects.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <sstream>
#include "afxwin.h"
#include "qvtest.h"

namespace
{

std::vector<std::string> g_calls;

template <class... Args> void Log(const Args&... args)
{
    std::ostringstream line;
    ((line << ' ' << args), ...);
    g_calls.push_back(line.str().substr(1));
}

const UINT WM_APP_PING = WM_APP + 1;
const UINT ID_FILE_SAVE = 40001;
const UINT ID_COLOR_FIRST = 40010;
const UINT ID_COLOR_LAST = 40019;
const UINT IDC_CHILD = 601;
const UINT IDC_PLAIN = 705;

class CParentWnd : public CWnd
{
public:
    BOOL saveEnabled = TRUE;
    HDC eraseDC = nullptr;

protected:
    // A window argument by its control id, or "self".
    std::string Who(CWnd* pWnd) { return pWnd == this ? "self" : std::to_string(pWnd->GetDlgCtrlID()); }
    int OnCreate(LPCREATESTRUCT cs)
    {
        Log("create", cs->cx);
        return CWnd::OnCreate(cs);
    }
    void OnDestroy()
    {
        Log("destroy");
        CWnd::OnDestroy();
    }
    void PostNcDestroy() override { Log("postncdestroy"); }
    void OnSize(UINT nType, int cx, int cy) { Log("size", nType, cx, cy); }
    void OnLButtonDown(UINT nFlags, CPoint point) { Log("lbuttondown", nFlags, point.x, point.y); }
    void OnTimer(UINT_PTR nIDEvent)
    {
        Log("timer", nIDEvent);
        KillTimer(nIDEvent);
    }
    BOOL OnEraseBkgnd(CDC* pDC)
    {
        Log("erase", pDC->GetSafeHdc() == eraseDC);
        return TRUE;
    }
    void OnContextMenu(CWnd* pWnd, CPoint pos) { Log("contextmenu", Who(pWnd), pos.x, pos.y); }
    void OnSettingChange(UINT, LPCTSTR lpszSection) { Log("settingchange", qvtest::Utf8(lpszSection)); }
    LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        Log("ping", wParam, lParam);
        return 1234;
    }
    // The ones a control may take through reflection.
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        Log("ctlcolor", Who(pWnd), nCtlColor);
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        Log("hscroll", nSBCode, nPos, Who(reinterpret_cast<CWnd*>(pScrollBar)));
        CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
    }
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        Log("draw", nIDCtl);
        CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
    }
    // Commands and notifications.
    void OnFileSave() { Log("save"); }
    void OnColor(UINT nID) { Log("color", nID); }
    void OnUpdateFileSave(CCmdUI* pCmdUI) { pCmdUI->Enable(saveEnabled); }
    void OnChildButton() { Log("clicked"); }
    void OnChildClick(NMHDR*, LRESULT*) { Log("click"); }
    void OnChildDoubleClick(NMHDR*, LRESULT*) { Log("dblclk"); }
    BOOL OnExClick(UINT id, NMHDR*, LRESULT*)
    {
        Log("ex", id);
        return FALSE;
    }
    void OnRangeClick(UINT id, NMHDR*, LRESULT* pResult)
    {
        Log("range", id);
        *pResult = 3;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_ERASEBKGND()
    ON_WM_CONTEXTMENU()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_APP_PING, OnPing)
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_DRAWITEM()
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND_RANGE(ID_COLOR_FIRST, ID_COLOR_LAST, OnColor)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
    ON_BN_CLICKED(IDC_PLAIN, OnChildButton)
    ON_BN_CLICKED(IDC_CHILD, OnChildButton)
    ON_NOTIFY(NM_CLICK, IDC_CHILD, OnChildClick)
    ON_NOTIFY(NM_DBLCLK, IDC_CHILD, OnChildDoubleClick)
    ON_NOTIFY_EX(NM_RCLICK, IDC_CHILD, OnExClick)
    ON_NOTIFY_RANGE(NM_RCLICK, 700, 710, OnRangeClick)
END_MESSAGE_MAP()

class CReflectChild : public CWnd
{
public:
    BOOL passOn = FALSE;
    HBRUSH brush = nullptr;

protected:
    void OnClickReflect(NMHDR* pNMHDR, LRESULT* pResult)
    {
        Log("child click", pNMHDR->hwndFrom == m_hWnd);
        *pResult = 11;
    }
    BOOL OnDoubleClickReflect(NMHDR*, LRESULT*)
    {
        Log("child dblclk");
        return !passOn;
    }
    void OnClickedReflect() { Log("child clicked"); }
    HBRUSH CtlColor(CDC*, UINT nCtlColor)
    {
        Log("child ctlcolor", nCtlColor);
        return brush;
    }
    void HScroll(UINT nSBCode, UINT) { Log("child hscroll", nSBCode); }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { Log("child draw", lpDrawItemStruct->CtlID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectChild, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClickReflect)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDoubleClickReflect)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClickedReflect)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

TEST(MessageMap, MessagesCommandsAndNotificationsReachTheirEntries)
{
    CParentWnd wnd;
    g_calls.clear();
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"afx_win test", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr));
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "create 300"), 1) << "WM_CREATE went through the map";
    CReflectChild child;
    ASSERT_TRUE(child.Create(nullptr, L"child", WS_VISIBLE, CRect(0, 0, 40, 40), &wnd, IDC_CHILD));

    CWnd plain;   // a real button without reflection entries
    ASSERT_TRUE(plain.Create(L"BUTTON", L"OK", WS_VISIBLE | BS_PUSHBUTTON, CRect(50, 0, 90, 40), &wnd, IDC_PLAIN));
    HWND bar = ::CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_HORZ, 0, 50, 100, 16, wnd.m_hWnd,
                                 reinterpret_cast<HMENU>(12), nullptr, nullptr);
    HDC hdc = ::GetDC(nullptr);
    wnd.eraseDC = hdc;
    const HBRUSH black = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    DRAWITEMSTRUCT drawChild = {ODT_BUTTON, IDC_CHILD, 0, 0, 0, child.m_hWnd};
    auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) { return wnd.SendMessage(message, wParam, lParam); };
    auto from = [](const void* pointer) { return reinterpret_cast<LPARAM>(pointer); };
    auto notify = [&](CWnd& control, UINT code)
    {
        NMHDR header = {control.m_hWnd, static_cast<UINT_PTR>(control.GetDlgCtrlID()), code};
        return send(WM_NOTIFY, header.idFrom, from(&header));
    };
    const WPARAM self = reinterpret_cast<WPARAM>(wnd.m_hWnd);
    const WPARAM dc = reinterpret_cast<WPARAM>(hdc);
    struct Case
    {
        const char* name;
        std::function<LRESULT()> run;
        LRESULT result;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"size", [&] { return send(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480)); }, 0, {"size 2 640 480"}},
        {"mouse",
         [&] { return send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(12, -34)); },
         0,
         {"lbuttondown 5 12 -34"}},
        {"erase", [&] { return send(WM_ERASEBKGND, dc, 0); }, TRUE, {"erase 1"}},
        {"context menu", [&] { return send(WM_CONTEXTMENU, self, MAKELPARAM(5, 6)); }, 0, {"contextmenu self 5 6"}},
        {"setting", [&] { return send(WM_SETTINGCHANGE, 0, from(L"intl")); }, 0, {"settingchange intl"}},
        {"private", [&] { return send(WM_APP_PING, 7, 8); }, 1234, {"ping 7 8"}},
        {"menu command", [&] { return send(WM_COMMAND, ID_FILE_SAVE, 0); }, 0, {"save"}},
        {"command range", [&] { return send(WM_COMMAND, ID_COLOR_FIRST + 3, 0); }, 0, {"color 40013"}},
        {"outside the range", [&] { return send(WM_COMMAND, ID_COLOR_LAST + 1, 0); }, 0, {}},
        {"real button", [&] { return plain.SendMessage(BM_CLICK); }, 0, {"clicked"}},
        {"reflected command",
         [&] { return send(WM_COMMAND, MAKEWPARAM(IDC_CHILD, BN_CLICKED), from(child.m_hWnd)); },
         0,
         {"child clicked"}},
        {"reflected notify", [&] { return notify(child, NM_CLICK); }, 11, {"child click 1"}},
        {"_EX passed on",
         [&]
         {
             child.passOn = TRUE;
             return notify(child, NM_DBLCLK);
         },
         0,
         {"child dblclk", "dblclk"}},
        {"parent's range", [&] { return notify(plain, NM_RCLICK); }, 3, {"range 705"}},
        {"parent's _EX", [&] { return notify(child, NM_RCLICK); }, 0, {"ex 601"}},
        {"reflected brush",
         [&]
         {
             child.brush = black;
             return send(WM_CTLCOLORSTATIC, dc, from(child.m_hWnd));
         },
         reinterpret_cast<LRESULT>(black),
         {"ctlcolor 601 6", "child ctlcolor 6"}},
        {"scroll bar",
         [&] { return send(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 42), from(bar)); },
         0,
         {"hscroll 5 42 12"}},
        {"reflected scroll",
         [&] { return send(WM_HSCROLL, SB_LINERIGHT, from(child.m_hWnd)); },
         0,
         {"hscroll 1 0 601", "child hscroll 1"}},
        {"draw", [&] { return send(WM_DRAWITEM, IDC_CHILD, from(&drawChild)); }, TRUE, {"draw 601", "child draw 601"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        g_calls.clear();
        EXPECT_EQ(c.run(), c.result);
        EXPECT_EQ(g_calls, c.calls);
    }
    ::ReleaseDC(nullptr, hdc);
    // Update handlers through CCmdUI.
    CCmdUI state;
    state.m_nID = ID_FILE_SAVE;
    state.m_pOther = &plain;
    wnd.saveEnabled = FALSE;
    EXPECT_TRUE(state.DoUpdate(&wnd));
    EXPECT_FALSE(plain.IsWindowEnabled());
    state.m_nID = ID_COLOR_FIRST;   // no update handler
    EXPECT_FALSE(state.DoUpdate(&wnd));
    wnd.SetTimer(77, 10);
    EXPECT_TRUE(qvtest::PumpUntil([] { return std::count(g_calls.begin(), g_calls.end(), "timer 77") == 1; }, 3000));
    HWND hWnd = wnd.m_hWnd;
    g_calls.clear();
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(g_calls, (std::vector<std::string>{"destroy", "postncdestroy"}));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

}   // namespace
