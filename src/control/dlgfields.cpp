#include "control/dlgfields.h"

#include <climits>
#include <cstring>
#include <commctrl.h>

#include "afx.h"
#include "control/pickers.h"
#include "control/timestamp.h"

namespace qvdlg
{

namespace
{

wchar_t CharAt(const char* pField, int nIndex)
{
    // The record may be packed: copy the character out, never cast.
    wchar_t ch;
    memcpy(&ch, pField + size_t(nIndex) * sizeof(wchar_t), sizeof ch);
    return ch;
}

}   // namespace

CString RecordText(const char* pField, int nMaxChars)
{
    if (pField == nullptr || nMaxChars <= 0)
        return CString();
    int nLength = 0;
    while (nLength < nMaxChars && CharAt(pField, nLength) != L'\0')
        ++nLength;
    CString text;
    wchar_t* pBuffer = text.GetBuffer(nLength);
    memcpy(pBuffer, pField, size_t(nLength) * sizeof(wchar_t));
    text.ReleaseBuffer(nLength);
    return text;
}

CString RecordText(const char* pField)
{
    return RecordText(pField, INT_MAX);
}

void StoreText(char* pField, const CString& strText)
{
    memcpy(pField, strText.GetString(), (size_t(strText.GetLength()) + 1) * sizeof(wchar_t));
}

CString WindowText(HWND hWnd)
{
    CString text;
    int nLength = ::GetWindowTextLengthW(hWnd);
    if (nLength > 0)
    {
        int nCopied = ::GetWindowTextW(hWnd, text.GetBuffer(nLength + 1), nLength + 1);
        text.ReleaseBuffer(nCopied > 0 ? nCopied : 0);
    }
    return text;
}

bool IsButton(HWND hWnd)
{
    wchar_t szClass[16] = L"";
    ::GetClassNameW(hWnd, szClass, 16);
    return ::lstrcmpiW(szClass, L"Button") == 0;
}

TIMESTAMP_STRUCT ReadPickerStamp(HWND hPicker)
{
    TIMESTAMP_STRUCT stamp = {};
    COleDateTime t;
    if (qvpick::ReadPicker(hPicker, t))
        CTimeStamp(t).GetTime(stamp);
    return stamp;
}

bool ShowStampInPicker(HWND hPicker, const TIMESTAMP_STRUCT& stamp)
{
    SYSTEMTIME st = {};
    st.wYear = WORD(stamp.year);
    st.wMonth = stamp.month;
    st.wDay = stamp.day;
    st.wHour = stamp.hour;
    st.wMinute = stamp.minute;
    st.wSecond = stamp.second;
    // A real date, with its weekday, or nothing: the picker keeps what it showed.
    FILETIME ft;
    if (stamp.year <= 0 || !::SystemTimeToFileTime(&st, &ft) || !::FileTimeToSystemTime(&ft, &st))
        return false;
    return ::SendMessageW(hPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)) != 0;
}

void Tell(const wchar_t* pszText)
{
    AfxMessageBox(pszText, MB_OK, 0);
}

int FocusFailed(HWND hCtrl)
{
    ::SetFocus(hCtrl);
    return 0;
}

}   // namespace qvdlg
