// CDateTimeCtrl: the wrapper of the "SysDateTimePick32" date-time picker.
//
// GetTime returns the picker's GDT_* status in every form: GDT_VALID (0)
// with the value written, GDT_NONE when a DTS_SHOWNONE picker is unchecked
// (a COleDateTime then gets status null; a CTime and a SYSTEMTIME are left
// as they were), GDT_ERROR otherwise. SetTime from a null value (a null
// pointer or a COleDateTime of status null) unchecks the picker, which only
// a DTS_SHOWNONE picker can be.
#pragma once

#include "afxwin.h"
#include "afxdisp.h"
#include "afxtime.h"

class CMonthCalCtrl;

class CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    DWORD GetTime(COleDateTime& timeDest) const;
    DWORD GetTime(CTime& timeDest) const;
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const;
    BOOL SetTime(const COleDateTime& timeNew);
    BOOL SetTime(const CTime* pTimeNew);
    BOOL SetTime(const CTime& timeNew) { return SetTime(&timeNew); }
    BOOL SetTime(LPSYSTEMTIME pTimeNew = nullptr);

    // Format strings as DTM_SETFORMAT ("yyyy/MM/dd"); null restores the default.
    BOOL SetFormat(LPCTSTR pstrFormat)
    {
        return static_cast<BOOL>(::SendMessage(m_hWnd, DTM_SETFORMAT, 0, reinterpret_cast<LPARAM>(pstrFormat)));
    }

    // The range: GDTR_MIN and GDTR_MAX tell which limits are set; a limit not
    // set gives a COleDateTime of status null and leaves a CTime as it was.
    DWORD GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const;
    DWORD GetRange(CTime* pMinRange, CTime* pMaxRange) const;
    // A null (or not valid) limit is no limit.
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    BOOL SetRange(const CTime* pMinRange, const CTime* pMaxRange);

    // iColor: MCSC_BACKGROUND, MCSC_TEXT, MCSC_TITLEBK, ...
    COLORREF GetMonthCalColor(int iColor) const
    {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, DTM_GETMCCOLOR, iColor, 0));
    }
    COLORREF SetMonthCalColor(int iColor, COLORREF ref)
    {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, DTM_SETMCCOLOR, iColor, ref));
    }
    // Windows makes the calendar only while it is dropped down (null
    // otherwise); Wine keeps one all the time.
    CMonthCalCtrl* GetMonthCalCtrl() const;
    CFont* GetMonthCalFont() const
    {
        return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessage(m_hWnd, DTM_GETMCFONT, 0, 0)));
    }
    void SetMonthCalFont(HFONT hFont, BOOL bRedraw = TRUE)
    {
        ::SendMessage(m_hWnd, DTM_SETMCFONT, reinterpret_cast<WPARAM>(hFont), MAKELPARAM(bRedraw, 0));
    }
};
