// Message maps: every handler family receives its message with the
// arguments cracked as MFC does, commands and notifications find their
// entries, and reflected notifications stop at the control.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "qvtest.h"

namespace {

const UINT WM_APP_PING = WM_APP + 1;
const UINT WM_REGISTERED_PING = RegisterWindowMessageW(L"AfxWinTestPing");

class CMessageWnd : public CWnd
{
public:
    int created = 0;
    int destroyed = 0;
    int postNcDestroyed = 0;
    UINT sizeType = 99;
    int sizeCx = -1, sizeCy = -1;
    int moveX = 0, moveY = 0;
    CPoint lastClick;
    UINT lastClickFlags = 0;
    int rightClicks = 0;
    short wheelDelta = 0;
    CPoint wheelPoint;
    UINT keyChar = 0, keyRepeat = 0, keyFlags = 0;
    UINT_PTR timerId = 0;
    HDC eraseDC = nullptr;
    UINT ctlColorKind = 99;
    HWND ctlColorWnd = nullptr;
    HWND contextWnd = nullptr;
    CPoint contextPoint;
    HWND captureGainer = nullptr;
    CString settingSection;
    LONG minTrackX = 0;
    BOOL shown = FALSE;
    WPARAM pingW = 0;
    LPARAM pingL = 0;
    int registeredPings = 0;
    UINT scrollCode = 0, scrollPos = 0;
    HWND scrollBar = nullptr;

protected:
    int OnCreate(LPCREATESTRUCT cs)
    {
        ++created;
        EXPECT_NE(cs, nullptr);
        return CWnd::OnCreate(cs);
    }
    void OnDestroy() { ++destroyed; CWnd::OnDestroy(); }
    void PostNcDestroy() override { ++postNcDestroyed; }
    void OnSize(UINT nType, int cx, int cy) { sizeType = nType; sizeCx = cx; sizeCy = cy; }
    void OnMove(int x, int y) { moveX = x; moveY = y; }
    void OnLButtonDown(UINT nFlags, CPoint point) { lastClickFlags = nFlags; lastClick = point; }
    void OnRButtonUp(UINT, CPoint) { ++rightClicks; }
    BOOL OnMouseWheel(UINT, short zDelta, CPoint pt) { wheelDelta = zDelta; wheelPoint = pt; return TRUE; }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { keyChar = nChar; keyRepeat = nRepCnt; keyFlags = nFlags; }
    void OnTimer(UINT_PTR nIDEvent) { timerId = nIDEvent; KillTimer(nIDEvent); }
    BOOL OnEraseBkgnd(CDC* pDC) { eraseDC = pDC->GetSafeHdc(); return TRUE; }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        ctlColorKind = nCtlColor;
        ctlColorWnd = pWnd->GetSafeHwnd();
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    void OnContextMenu(CWnd* pWnd, CPoint pos) { contextWnd = pWnd->GetSafeHwnd(); contextPoint = pos; }
    void OnCaptureChanged(CWnd* pWnd) { captureGainer = pWnd->GetSafeHwnd(); }
    void OnSettingChange(UINT, LPCTSTR lpszSection) { settingSection = lpszSection; }
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI) { minTrackX = lpMMI->ptMinTrackSize.x; }
    void OnShowWindow(BOOL bShow, UINT) { shown = bShow; }
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        scrollCode = nSBCode;
        scrollPos = nPos;
        scrollBar = reinterpret_cast<CWnd*>(pScrollBar)->GetSafeHwnd();
    }
    LRESULT OnPing(WPARAM wParam, LPARAM lParam) { pingW = wParam; pingL = lParam; return 1234; }
    LRESULT OnRegisteredPing(WPARAM, LPARAM) { ++registeredPings; return 55; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMessageWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_TIMER()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_CONTEXTMENU()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETTINGCHANGE()
    ON_WM_GETMINMAXINFO()
    ON_WM_SHOWWINDOW()
    ON_WM_HSCROLL()
    ON_MESSAGE(WM_APP_PING, OnPing)
    ON_REGISTERED_MESSAGE(WM_REGISTERED_PING, OnRegisteredPing)
END_MESSAGE_MAP()

BOOL CreateTopLevel(CWnd& wnd, LPCWSTR title = L"afx_win test")
{
    return wnd.CreateEx(0, nullptr, title, WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr);
}

TEST(MessageMap, WindowMessagesReachTheirHandlersWithCrackedArguments)
{
    CMessageWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    // WM_NCCREATE/WM_CREATE already went through the map during CreateWindowEx.
    EXPECT_EQ(wnd.created, 1);
    EXPECT_GT(wnd.minTrackX, 0);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);

    wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
    EXPECT_EQ(wnd.sizeType, static_cast<UINT>(SIZE_MAXIMIZED));
    EXPECT_EQ(wnd.sizeCx, 640);
    EXPECT_EQ(wnd.sizeCy, 480);

    wnd.SendMessage(WM_MOVE, 0, MAKELPARAM(-20, 35));
    EXPECT_EQ(wnd.moveX, -20);
    EXPECT_EQ(wnd.moveY, 35);

    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(12, 34));
    EXPECT_EQ(wnd.lastClickFlags, static_cast<UINT>(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(wnd.lastClick, CPoint(12, 34));
    wnd.SendMessage(WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(wnd.rightClicks, 1);

    EXPECT_EQ(wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -240), MAKELPARAM(100, 200)), TRUE);
    EXPECT_EQ(wnd.wheelDelta, -240);
    EXPECT_EQ(wnd.wheelPoint, CPoint(100, 200));

    wnd.SendMessage(WM_KEYDOWN, VK_F5, MAKELPARAM(3, 0x3F));
    EXPECT_EQ(wnd.keyChar, static_cast<UINT>(VK_F5));
    EXPECT_EQ(wnd.keyRepeat, 3u);
    EXPECT_EQ(wnd.keyFlags, 0x3Fu);

    wnd.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd.m_hWnd), MAKELPARAM(5, 6));
    EXPECT_EQ(wnd.contextWnd, wnd.m_hWnd);
    EXPECT_EQ(wnd.contextPoint, CPoint(5, 6));

    // The window gaining capture comes in lParam.
    wnd.SendMessage(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(wnd.m_hWnd));
    EXPECT_EQ(wnd.captureGainer, wnd.m_hWnd);

    wnd.SendMessage(WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    EXPECT_STREQ(wnd.settingSection, L"intl");

    EXPECT_EQ(wnd.SendMessage(WM_APP_PING, 7, 8), 1234);
    EXPECT_EQ(wnd.pingW, 7u);
    EXPECT_EQ(wnd.pingL, 8);
    EXPECT_EQ(wnd.SendMessage(WM_REGISTERED_PING), 55);
    EXPECT_EQ(wnd.registeredPings, 1);

    wnd.ShowWindow(SW_SHOW);
    EXPECT_TRUE(wnd.shown);

    // A real device context arrives as a CDC wrapper of the same handle.
    HDC hdc = ::GetDC(wnd.m_hWnd);
    wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc));
    EXPECT_EQ(wnd.eraseDC, hdc);
    ::ReleaseDC(wnd.m_hWnd, hdc);

    wnd.SetTimer(77, 10);
    EXPECT_TRUE(qvtest::PumpUntil([&] { return wnd.timerId == 77; }, 3000));

    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.destroyed, 1);
    EXPECT_EQ(wnd.postNcDestroyed, 1);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(MessageMap, ChildMessagesNameTheChild)
{
    CMessageWnd parent;
    ASSERT_TRUE(CreateTopLevel(parent));
    HWND label = ::CreateWindowExW(0, L"STATIC", L"label", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(11), nullptr, nullptr);
    HWND bar = ::CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, 30, 100, 16,
                                 parent.m_hWnd, reinterpret_cast<HMENU>(12), nullptr, nullptr);
    ASSERT_NE(label, nullptr);
    HDC hdc = ::GetDC(label);
    parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(parent.ctlColorKind, static_cast<UINT>(CTLCOLOR_STATIC));
    EXPECT_EQ(parent.ctlColorWnd, label);
    ::ReleaseDC(label, hdc);

    parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 42), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(parent.scrollCode, static_cast<UINT>(SB_THUMBTRACK));
    EXPECT_EQ(parent.scrollPos, 42u);
    EXPECT_EQ(parent.scrollBar, bar);
    parent.DestroyWindow();
}

// ---- commands ----------------------------------------------------------

const UINT ID_FILE_SAVE = 40001;
const UINT ID_COLOR_FIRST = 40010;
const UINT ID_COLOR_LAST = 40019;
const UINT IDC_OK_BUTTON = 501;
const UINT IDC_TEXT_EDIT = 502;

class CCommandWnd : public CWnd
{
public:
    int saves = 0;
    UINT lastColor = 0;
    int buttonClicks = 0;
    int editChanges = 0;
    BOOL saveEnabled = TRUE;

protected:
    void OnFileSave() { ++saves; }
    void OnColor(UINT nID) { lastColor = nID; }
    void OnButton() { ++buttonClicks; }
    void OnEditChange() { ++editChanges; }
    void OnUpdateFileSave(CCmdUI* pCmdUI) { pCmdUI->Enable(saveEnabled); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND_RANGE(ID_COLOR_FIRST, ID_COLOR_LAST, OnColor)
    ON_BN_CLICKED(IDC_OK_BUTTON, OnButton)
    ON_EN_CHANGE(IDC_TEXT_EDIT, OnEditChange)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
END_MESSAGE_MAP()

TEST(MessageMap, CommandsFromMenusAndControls)
{
    CCommandWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    wnd.SendMessage(WM_COMMAND, ID_FILE_SAVE, 0);
    EXPECT_EQ(wnd.saves, 1);
    wnd.SendMessage(WM_COMMAND, ID_COLOR_FIRST + 3, 0);
    EXPECT_EQ(wnd.lastColor, ID_COLOR_FIRST + 3);
    wnd.SendMessage(WM_COMMAND, ID_COLOR_LAST + 1, 0);  // outside the range
    EXPECT_EQ(wnd.lastColor, ID_COLOR_FIRST + 3);

    // Real controls send real notifications.
    CWnd button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"OK", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 60, 20), &wnd, IDC_OK_BUTTON));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(wnd.buttonClicks, 1);
    CWnd edit;
    ASSERT_TRUE(edit.Create(L"EDIT", L"", WS_VISIBLE | WS_BORDER, CRect(0, 30, 100, 50), &wnd, IDC_TEXT_EDIT));
    edit.SetWindowText(L"typed");
    EXPECT_EQ(wnd.editChanges, 1);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, L"typed");

    // Update handlers through CCmdUI.
    CCmdUI state;
    state.m_nID = ID_FILE_SAVE;
    state.m_pOther = &button;
    wnd.saveEnabled = FALSE;
    EXPECT_TRUE(state.DoUpdate(&wnd));
    EXPECT_FALSE(button.IsWindowEnabled());
    state.m_nID = ID_COLOR_FIRST;  // no update handler
    EXPECT_FALSE(state.DoUpdate(&wnd));
    wnd.DestroyWindow();
}

// ---- notifications and reflection --------------------------------------

const UINT IDC_CHILD = 601;
const UINT IDC_CHILD_EX = 602;

class CReflectChild : public CWnd
{
public:
    UINT measuredId = 0;
    int clicks = 0;
    int doubleClicks = 0;
    BOOL passOn = FALSE;
    int buttonClicks = 0;
    HBRUSH brush = nullptr;
    UINT hscrollCode = 0;
    int drawn = 0;

protected:
    void OnClickReflect(NMHDR* pNMHDR, LRESULT* pResult)
    {
        EXPECT_EQ(pNMHDR->hwndFrom, m_hWnd);
        ++clicks;
        *pResult = 11;
    }
    BOOL OnDoubleClickReflect(NMHDR*, LRESULT*)
    {
        ++doubleClicks;
        return !passOn;
    }
    void OnClickedReflect() { ++buttonClicks; }
    HBRUSH CtlColor(CDC*, UINT) { return brush; }
    void HScroll(UINT nSBCode, UINT) { hscrollCode = nSBCode; }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        measuredId = lpMeasureItemStruct->CtlID;
        lpMeasureItemStruct->itemHeight = 33;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectChild, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClickReflect)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDoubleClickReflect)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClickedReflect)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_HSCROLL_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

class CNotifyParent : public CWnd
{
public:
    int parentClicks = 0;
    int parentDoubleClicks = 0;
    int rangeHits = 0;
    UINT rangeId = 0;
    int exHits = 0;
    int parentButtonClicks = 0;

protected:
    void OnChildClick(NMHDR*, LRESULT*) { ++parentClicks; }
    void OnChildDoubleClick(NMHDR*, LRESULT*) { ++parentDoubleClicks; }
    void OnRangeClick(UINT id, NMHDR*, LRESULT* pResult) { ++rangeHits; rangeId = id; *pResult = 3; }
    BOOL OnExClick(UINT, NMHDR*, LRESULT*) { ++exHits; return FALSE; }
    void OnChildButton() { ++parentButtonClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyParent, CWnd)
    ON_NOTIFY(NM_CLICK, IDC_CHILD, OnChildClick)
    ON_NOTIFY(NM_DBLCLK, IDC_CHILD, OnChildDoubleClick)
    ON_NOTIFY_EX(NM_RCLICK, IDC_CHILD, OnExClick)
    ON_NOTIFY_RANGE(NM_RCLICK, 700, 710, OnRangeClick)
    ON_BN_CLICKED(IDC_CHILD, OnChildButton)
END_MESSAGE_MAP()

LRESULT SendNotify(CWnd& parent, HWND hWndFrom, UINT_PTR id, UINT code)
{
    NMHDR header = { hWndFrom, id, code };
    return parent.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

TEST(MessageMap, ReflectedNotificationsStopAtTheControlUnlessPassedOn)
{
    CNotifyParent parent;
    ASSERT_TRUE(CreateTopLevel(parent));
    CReflectChild child;
    ASSERT_TRUE(child.Create(nullptr, L"child", WS_VISIBLE, CRect(0, 0, 40, 40), &parent, IDC_CHILD));

    // Plain reflection: the control handles it, the parent never sees it.
    EXPECT_EQ(SendNotify(parent, child.m_hWnd, IDC_CHILD, NM_CLICK), 11);
    EXPECT_EQ(child.clicks, 1);
    EXPECT_EQ(parent.parentClicks, 0);

    // _EX reflection: TRUE keeps it, FALSE passes it on to the parent's map.
    SendNotify(parent, child.m_hWnd, IDC_CHILD, NM_DBLCLK);
    EXPECT_EQ(child.doubleClicks, 1);
    EXPECT_EQ(parent.parentDoubleClicks, 0);
    child.passOn = TRUE;
    SendNotify(parent, child.m_hWnd, IDC_CHILD, NM_DBLCLK);
    EXPECT_EQ(child.doubleClicks, 2);
    EXPECT_EQ(parent.parentDoubleClicks, 1);

    // Control notifications reflect the same way.
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHILD, BN_CLICKED), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(child.buttonClicks, 1);
    EXPECT_EQ(parent.parentButtonClicks, 0);

    // A control without reflection entries leaves everything to the parent.
    CWnd plain;
    ASSERT_TRUE(plain.Create(nullptr, L"plain", WS_VISIBLE, CRect(50, 0, 90, 40), &parent, 705));
    EXPECT_EQ(SendNotify(parent, plain.m_hWnd, 705, NM_RCLICK), 3);
    EXPECT_EQ(parent.rangeHits, 1);
    EXPECT_EQ(parent.rangeId, 705u);
    // ON_NOTIFY_EX answering FALSE lets later entries run.
    SendNotify(parent, child.m_hWnd, IDC_CHILD, NM_RCLICK);
    EXPECT_EQ(parent.exHits, 1);

    // Colours: a reflected brush wins; a null one leaves the parent's answer.
    HDC hdc = ::GetDC(child.m_hWnd);
    child.brush = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(child.m_hWnd)),
              reinterpret_cast<LRESULT>(child.brush));
    child.brush = nullptr;
    EXPECT_NE(parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(child.m_hWnd)),
              reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH)));
    ::ReleaseDC(child.m_hWnd, hdc);

    parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(child.hscrollCode, static_cast<UINT>(SB_LINERIGHT));

    // WM_MEASUREITEM names the control by id; the map entry of the control answers.
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_LISTBOX;
    mis.CtlID = IDC_CHILD;
    EXPECT_EQ(parent.SendMessage(WM_MEASUREITEM, IDC_CHILD, reinterpret_cast<LPARAM>(&mis)), TRUE);
    EXPECT_EQ(child.measuredId, IDC_CHILD);
    EXPECT_EQ(mis.itemHeight, 33u);
    parent.DestroyWindow();
}

// Owner-draw through the virtual hook, as the button and header wrappers use it.
class COwnerDrawButton : public CWnd
{
public:
    int drawn = 0;
    UINT drawnId = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++drawn;
        drawnId = lpDrawItemStruct->CtlID;
        ::FillRect(lpDrawItemStruct->hDC, &lpDrawItemStruct->rcItem, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
};

class CDrawParent : public CWnd
{
public:
    int parentDraws = 0;

protected:
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        ++parentDraws;
        CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDrawParent, CWnd)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

TEST(MessageMap, OwnerDrawReachesTheControlsDrawItem)
{
    CDrawParent parent;
    ASSERT_TRUE(CreateTopLevel(parent));
    parent.ShowWindow(SW_SHOW);
    HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 40, 20,
                                     parent.m_hWnd, reinterpret_cast<HMENU>(801), nullptr, nullptr);
    COwnerDrawButton button;
    ASSERT_TRUE(button.SubclassWindow(hButton));
    button.Invalidate();
    button.UpdateWindow();
    qvtest::PumpMessages(50);
    EXPECT_GE(button.drawn, 1);
    EXPECT_EQ(button.drawnId, 801u);
    EXPECT_GE(parent.parentDraws, 1);

    // The pixels of the button are what DrawItem painted.
    HDC hdc = ::GetDC(hButton);
    EXPECT_EQ(::GetPixel(hdc, 5, 5), RGB(0, 0, 0));
    ::ReleaseDC(hButton, hdc);

    // A wrapper without an override leaves the drawing to the parent's default.
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = 802;
    CWnd plain;
    ASSERT_TRUE(plain.Create(nullptr, L"", WS_VISIBLE, CRect(50, 0, 60, 10), &parent, 802));
    dis.hwndItem = plain.m_hWnd;
    int before = parent.parentDraws;
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, 802, reinterpret_cast<LPARAM>(&dis)), TRUE);
    EXPECT_EQ(parent.parentDraws, before + 1);
    EXPECT_EQ(button.UnsubclassWindow(), hButton);
    parent.DestroyWindow();
}

}  // namespace
