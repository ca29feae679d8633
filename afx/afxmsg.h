// Message maps: tables that route window messages, commands and
// notifications to member functions.
//
// Each entry names a message, a notification code, a control id range, a
// signature tag and the handler. The handler is stored in the union member
// of its signature (AfxMessageMapFunctions), so a handler of the wrong type
// does not compile and the dispatcher reads back exactly what was stored.
// All signature cracking lives in msgdispatch.cpp.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CScrollBar;
class CMenu;
class CPoint;

#ifndef afx_msg
#define afx_msg
#endif

// Reflected messages arrive at the child as WM_REFLECT_BASE + message.
#define WM_REFLECT_BASE 0xBC00
// The obsolete WM_CTLCOLOR stands for the WM_CTLCOLOR* family in maps.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

enum AfxSig : UINT
{
    AfxSig_end = 0,
    // window messages
    AfxSig_v_v,            // void ()
    AfxSig_i_pCS,          // int (LPCREATESTRUCT)
    AfxSig_b_pDC,          // BOOL (CDC*)
    AfxSig_v_u_i_i,        // void (UINT, int, int)
    AfxSig_v_i_i,          // void (int, int)
    AfxSig_v_u_u_pSB,      // void (UINT, UINT, CScrollBar*)
    AfxSig_b_u_s_pt,       // BOOL (UINT, short, CPoint)
    AfxSig_v_u_pt,         // void (UINT, CPoint)
    AfxSig_b_pW_u_u,       // BOOL (CWnd*, UINT, UINT)
    AfxSig_v_u_u_u,        // void (UINT, UINT, UINT)
    AfxSig_u_v,            // UINT ()
    AfxSig_v_pW,           // void (CWnd*) from wParam
    AfxSig_v_pWl,          // void (CWnd*) from lParam
    AfxSig_v_up,           // void (UINT_PTR)
    AfxSig_hbr_pDC_pW_u,   // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_v_i_pDIS,       // void (int, LPDRAWITEMSTRUCT)
    AfxSig_v_i_pMIS,       // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_v_pW_pt,        // void (CWnd*, CPoint)
    AfxSig_v_b_u,          // void (BOOL, UINT)
    AfxSig_v_u_pW_b,       // void (UINT, CWnd*, BOOL)
    AfxSig_l_pt,           // LRESULT (CPoint)
    AfxSig_v_u_psz,        // void (UINT, LPCTSTR)
    AfxSig_v_pM_u_b,       // void (CMenu*, UINT, BOOL)
    AfxSig_v_pMMI,         // void (MINMAXINFO*)
    AfxSig_l_w_l,          // LRESULT (WPARAM, LPARAM)
    // reflected to the child
    AfxSig_hbr_pDC_u,   // HBRUSH (CDC*, UINT)
    AfxSig_v_pDIS,      // void (LPDRAWITEMSTRUCT)
    AfxSig_v_pMIS,      // void (LPMEASUREITEMSTRUCT)
    AfxSig_v_u_u,       // void (UINT, UINT)
    // commands and notifications
    AfxSigCmd_v,          // void ()
    AfxSigCmd_b,          // BOOL ()
    AfxSigCmd_RANGE,      // void (UINT)
    AfxSigCmd_EX,         // BOOL (UINT)
    AfxSigCmdUI,          // void (CCmdUI*)
    AfxSigNotify_v,       // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,       // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE,   // void (UINT, NMHDR*, LRESULT*)
    AfxSigNotify_EX,      // BOOL (UINT, NMHDR*, LRESULT*)
};

typedef void (CCmdTarget::*AFX_PMSG)();

union AfxMessageMapFunctions
{
    AFX_PMSG pfn;
    void (CWnd::*pfn_v_v)();
    int (CWnd::*pfn_i_pCS)(LPCREATESTRUCT);
    BOOL (CWnd::*pfn_b_pDC)(CDC*);
    void (CWnd::*pfn_v_u_i_i)(UINT, int, int);
    void (CWnd::*pfn_v_i_i)(int, int);
    void (CWnd::*pfn_v_u_u_pSB)(UINT, UINT, CScrollBar*);
    BOOL (CWnd::*pfn_b_u_s_pt)(UINT, short, CPoint);
    void (CWnd::*pfn_v_u_pt)(UINT, CPoint);
    BOOL (CWnd::*pfn_b_pW_u_u)(CWnd*, UINT, UINT);
    void (CWnd::*pfn_v_u_u_u)(UINT, UINT, UINT);
    UINT (CWnd::*pfn_u_v)();
    void (CWnd::*pfn_v_pW)(CWnd*);
    void (CWnd::*pfn_v_pWl)(CWnd*);
    void (CWnd::*pfn_v_up)(UINT_PTR);
    HBRUSH (CWnd::*pfn_hbr_pDC_pW_u)(CDC*, CWnd*, UINT);
    void (CWnd::*pfn_v_i_pDIS)(int, LPDRAWITEMSTRUCT);
    void (CWnd::*pfn_v_i_pMIS)(int, LPMEASUREITEMSTRUCT);
    void (CWnd::*pfn_v_pW_pt)(CWnd*, CPoint);
    void (CWnd::*pfn_v_b_u)(BOOL, UINT);
    void (CWnd::*pfn_v_u_pW_b)(UINT, CWnd*, BOOL);
    LRESULT (CWnd::*pfn_l_pt)(CPoint);
    void (CWnd::*pfn_v_u_psz)(UINT, LPCTSTR);
    void (CWnd::*pfn_v_pM_u_b)(CMenu*, UINT, BOOL);
    void (CWnd::*pfn_v_pMMI)(MINMAXINFO*);
    LRESULT (CWnd::*pfn_l_w_l)(WPARAM, LPARAM);
    HBRUSH (CWnd::*pfn_hbr_pDC_u)(CDC*, UINT);
    void (CWnd::*pfn_v_pDIS)(LPDRAWITEMSTRUCT);
    void (CWnd::*pfn_v_pMIS)(LPMEASUREITEMSTRUCT);
    void (CWnd::*pfn_v_u_u)(UINT, UINT);
    void (CCmdTarget::*pfnCmd_v)();
    BOOL (CCmdTarget::*pfnCmd_b)();
    void (CCmdTarget::*pfnCmd_RANGE)(UINT);
    BOOL (CCmdTarget::*pfnCmd_EX)(UINT);
    void (CCmdTarget::*pfnCmdUI)(CCmdUI*);
    void (CCmdTarget::*pfnNotify_v)(NMHDR*, LRESULT*);
    BOOL (CCmdTarget::*pfnNotify_b)(NMHDR*, LRESULT*);
    void (CCmdTarget::*pfnNotify_RANGE)(UINT, NMHDR*, LRESULT*);
    BOOL (CCmdTarget::*pfnNotify_EX)(UINT, NMHDR*, LRESULT*);
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message, or 0xC000 for a registered one
    UINT nCode;      // notification code (low 16 bits) for commands and notifications
    UINT nID;        // first control id
    UINT nLastID;    // last control id
    AfxSig nSig;
    const UINT* pRegisteredMessage;   // ON_REGISTERED_MESSAGE: the variable holding the message
    AfxMessageMapFunctions pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The extra data of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// Finds the first entry for (message, code, id) in a map and its bases.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);

// The message-map macros stay as written: they read best that way.
// clang-format off
#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        using ThisClass [[maybe_unused]] = theClass; \
        using TheBaseClass = baseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, nullptr, { .pfn = nullptr } } }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    }

// One entry; the handler is converted to the union member of its signature.
#define AFX_MSG_ENTRY(msg, code, id, lastId, sig, fn) \
    { msg, code, id, lastId, AfxSig##sig, nullptr, \
      { .pfn##sig = static_cast<decltype(AfxMessageMapFunctions::pfn##sig)>(fn) } },

// ---- window messages -------------------------------------------------------
#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, 0, 0, 0, _i_pCS, &ThisClass::OnCreate)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, 0, 0, 0, _v_v, &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, 0, 0, 0, _v_v, &ThisClass::OnNcDestroy)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, 0, 0, 0, _v_v, &ThisClass::OnPaint)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, 0, 0, 0, _b_pDC, &ThisClass::OnEraseBkgnd)
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, 0, 0, 0, _v_u_i_i, &ThisClass::OnSize)
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, 0, 0, 0, _v_i_i, &ThisClass::OnMove)
#define ON_WM_HSCROLL() AFX_MSG_ENTRY(WM_HSCROLL, 0, 0, 0, _v_u_u_pSB, &ThisClass::OnHScroll)
#define ON_WM_VSCROLL() AFX_MSG_ENTRY(WM_VSCROLL, 0, 0, 0, _v_u_u_pSB, &ThisClass::OnVScroll)
#define ON_WM_MOUSEWHEEL() AFX_MSG_ENTRY(WM_MOUSEWHEEL, 0, 0, 0, _b_u_s_pt, &ThisClass::OnMouseWheel)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, _v_u_pt, &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, 0, 0, 0, _v_u_pt, &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, 0, 0, 0, _v_u_pt, &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, 0, 0, 0, _v_u_pt, &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, 0, 0, 0, _v_u_pt, &ThisClass::OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MSG_ENTRY(WM_RBUTTONDBLCLK, 0, 0, 0, _v_u_pt, &ThisClass::OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MSG_ENTRY(WM_MBUTTONDOWN, 0, 0, 0, _v_u_pt, &ThisClass::OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MSG_ENTRY(WM_MBUTTONUP, 0, 0, 0, _v_u_pt, &ThisClass::OnMButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, 0, 0, 0, _v_u_pt, &ThisClass::OnMouseMove)
#define ON_WM_SETCURSOR() AFX_MSG_ENTRY(WM_SETCURSOR, 0, 0, 0, _b_pW_u_u, &ThisClass::OnSetCursor)
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, 0, 0, 0, _v_u_u_u, &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, 0, 0, 0, _v_u_u_u, &ThisClass::OnKeyUp)
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, 0, 0, 0, _v_u_u_u, &ThisClass::OnChar)
#define ON_WM_SYSKEYDOWN() AFX_MSG_ENTRY(WM_SYSKEYDOWN, 0, 0, 0, _v_u_u_u, &ThisClass::OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_MSG_ENTRY(WM_SYSKEYUP, 0, 0, 0, _v_u_u_u, &ThisClass::OnSysKeyUp)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, 0, 0, 0, _u_v, &ThisClass::OnGetDlgCode)
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, 0, 0, 0, _v_pW, &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, 0, 0, 0, _v_pW, &ThisClass::OnKillFocus)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, 0, 0, 0, _v_up, &ThisClass::OnTimer)
#define ON_WM_CTLCOLOR() AFX_MSG_ENTRY(WM_CTLCOLOR, 0, 0, 0, _hbr_pDC_pW_u, &ThisClass::OnCtlColor)
#define ON_WM_DRAWITEM() AFX_MSG_ENTRY(WM_DRAWITEM, 0, 0, 0, _v_i_pDIS, &ThisClass::OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_MSG_ENTRY(WM_MEASUREITEM, 0, 0, 0, _v_i_pMIS, &ThisClass::OnMeasureItem)
#define ON_WM_CONTEXTMENU() AFX_MSG_ENTRY(WM_CONTEXTMENU, 0, 0, 0, _v_pW_pt, &ThisClass::OnContextMenu)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, 0, 0, 0, _v_v, &ThisClass::OnClose)
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, 0, 0, 0, _v_b_u, &ThisClass::OnShowWindow)
#define ON_WM_ACTIVATE() AFX_MSG_ENTRY(WM_ACTIVATE, 0, 0, 0, _v_u_pW_b, &ThisClass::OnActivate)
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, 0, 0, 0, _v_v, &ThisClass::OnSysColorChange)
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, 0, 0, 0, _l_pt, &ThisClass::OnNcHitTest)
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, 0, 0, 0, _v_pWl, &ThisClass::OnCaptureChanged)
#define ON_WM_SETTINGCHANGE() AFX_MSG_ENTRY(WM_SETTINGCHANGE, 0, 0, 0, _v_u_psz, &ThisClass::OnSettingChange)
#define ON_WM_INITMENUPOPUP() AFX_MSG_ENTRY(WM_INITMENUPOPUP, 0, 0, 0, _v_pM_u_b, &ThisClass::OnInitMenuPopup)
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, 0, 0, 0, _v_pMMI, &ThisClass::OnGetMinMaxInfo)

#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, 0, 0, 0, _l_w_l, &ThisClass::memberFxn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { 0xC000, 0, 0, 0, AfxSig_l_w_l, &(nMessageVariable), \
      { .pfn_l_w_l = static_cast<decltype(AfxMessageMapFunctions::pfn_l_w_l)>(&ThisClass::memberFxn) } },

// ---- commands and control notifications ----------------------------------
#define AFX_CODE(code) static_cast<UINT>(static_cast<WORD>(static_cast<int>(code)))

#define ON_COMMAND(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, Cmd_v, &ThisClass::memberFxn)
#define ON_COMMAND_EX(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, Cmd_EX, &ThisClass::memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, Cmd_RANGE, &ThisClass::memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, AFX_CODE(CN_UPDATE_COMMAND_UI), id, id, CmdUI, &ThisClass::memberFxn)
#define ON_CONTROL(code, id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, AFX_CODE(code), id, id, Cmd_v, &ThisClass::memberFxn)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, AFX_CODE(code), id, idLast, Cmd_RANGE, &ThisClass::memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)

#define ON_NOTIFY(code, id, memberFxn) AFX_MSG_ENTRY(WM_NOTIFY, AFX_CODE(code), id, id, Notify_v, &ThisClass::memberFxn)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, AFX_CODE(code), id, idLast, Notify_RANGE, &ThisClass::memberFxn)
#define ON_NOTIFY_EX(code, id, memberFxn) AFX_MSG_ENTRY(WM_NOTIFY, AFX_CODE(code), id, id, Notify_EX, &ThisClass::memberFxn)
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, AFX_CODE(code), id, idLast, Notify_EX, &ThisClass::memberFxn)

// ---- reflected to the control that sent them ----------------------------
#define ON_NOTIFY_REFLECT(code, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, AFX_CODE(code), 0, 0, Notify_v, &ThisClass::memberFxn)
#define ON_NOTIFY_REFLECT_EX(code, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, AFX_CODE(code), 0, 0, Notify_b, &ThisClass::memberFxn)
#define ON_CONTROL_REFLECT(code, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, AFX_CODE(code), 0, 0, Cmd_v, &ThisClass::memberFxn)
#define ON_CONTROL_REFLECT_EX(code, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, AFX_CODE(code), 0, 0, Cmd_b, &ThisClass::memberFxn)
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, _hbr_pDC_u, &ThisClass::CtlColor)
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, 0, 0, 0, _v_pDIS, &ThisClass::DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, 0, _v_pMIS, &ThisClass::MeasureItem)
#define ON_WM_HSCROLL_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, 0, 0, 0, _v_u_u, &ThisClass::HScroll)
#define ON_WM_VSCROLL_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, 0, 0, 0, _v_u_u, &ThisClass::VScroll)

// clang-format on
