// A modeless dialog built from a template of the test program, shown, with
// the controls a form test reads and sets; and a record of bytes with guard
// bytes around it, whose values lie at odd offsets as in packed records.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <sqltypes.h>

#include <cstring>
#include <string>
#include <vector>

#include "afxwin.h"
#include "cmninit.h"
#include "message_pump.h"
#include "wide_text.h"

namespace formtest
{

class FormDialog
{
public:
    explicit FormDialog(UINT nTemplate)
    {
        AfxInitCommonControl(ICC_DATE_CLASSES | ICC_UPDOWN_CLASS);
        created = dialog.Create(nTemplate) != FALSE;
        if (created)
        {
            ::SetForegroundWindow(dialog.m_hWnd);
            qvtest::PumpMessages(10);
        }
    }
    ~FormDialog()
    {
        if (::IsWindow(dialog.m_hWnd))
            dialog.DestroyWindow();
    }
    FormDialog(const FormDialog&) = delete;
    FormDialog& operator=(const FormDialog&) = delete;

    HWND hwnd() const { return dialog.m_hWnd; }
    HWND item(int id) const { return ::GetDlgItem(dialog.m_hWnd, id); }
    std::wstring text(int id) const
    {
        wchar_t buffer[512] = L"";
        ::GetDlgItemTextW(dialog.m_hWnd, id, buffer, 512);
        return buffer;
    }
    void setText(int id, const std::wstring& value) { ::SetDlgItemTextW(dialog.m_hWnd, id, value.c_str()); }
    int check(int id) const { return int(::SendMessageW(item(id), BM_GETCHECK, 0, 0)); }
    void setCheck(int id, int state) { ::SendMessageW(item(id), BM_SETCHECK, WPARAM(state), 0); }
    bool hasFocus(int id) const { return ::GetFocus() == item(id); }
    void focus(int id) { ::SetFocus(item(id)); }

    // A picker's value, or GDT_NONE when its date is cleared.
    DWORD pickerTime(int id, SYSTEMTIME& st) const
    {
        return DWORD(::SendMessageW(item(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)));
    }
    void setPicker(int id, WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0)
    {
        SYSTEMTIME st = {year, month, 0, day, hour, minute, second, 0};
        ::SendMessageW(item(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    }
    // GDT_NONE ignores the time, but Wine wants a pointer all the same.
    void clearPicker(int id)
    {
        SYSTEMTIME ignored = {};
        ::SendMessageW(item(id), DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&ignored));
    }

    CDialog dialog;
    bool created = false;
};

// kSize bytes of record between two runs of guard bytes, on the heap at its
// exact size, so that the heap check sees any write outside it.
class Record
{
public:
    static constexpr unsigned char kFill = 0xAB;
    static constexpr int kGuard = 16;

    explicit Record(int nSize) : m_size(nSize), m_bytes(new unsigned char[size_t(nSize + 2 * kGuard)])
    {
        memset(m_bytes, kFill, size_t(nSize + 2 * kGuard));
    }
    ~Record() { delete[] m_bytes; }
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;

    void* data() { return m_bytes + kGuard; }
    template <class T> void put(int offset, const T& value) { memcpy(m_bytes + kGuard + offset, &value, sizeof value); }
    template <class T> T get(int offset) const
    {
        T value;
        memcpy(&value, m_bytes + kGuard + offset, sizeof value);
        return value;
    }
    // A text with its terminator (or without, to make it run over its field).
    void putText(int offset, const std::wstring& text, bool terminate = true)
    {
        memcpy(m_bytes + kGuard + offset, text.c_str(), (text.size() + (terminate ? 1 : 0)) * sizeof(wchar_t));
    }
    std::wstring text(int offset, int maxChars) const
    {
        std::wstring value;
        for (int i = 0; i < maxChars; ++i)
        {
            wchar_t ch = get<wchar_t>(offset + i * int(sizeof(wchar_t)));
            if (ch == L'\0')
                break;
            value.push_back(ch);
        }
        return value;
    }
    // No byte outside the record changed.
    bool guardsIntact() const
    {
        for (int i = 0; i < kGuard; ++i)
            if (m_bytes[i] != kFill || m_bytes[kGuard + m_size + i] != kFill)
                return false;
        return true;
    }
    std::vector<unsigned char> bytes() const
    {
        return std::vector<unsigned char>(m_bytes, m_bytes + m_size + 2 * kGuard);
    }

private:
    int m_size;
    unsigned char* m_bytes;
};

inline TIMESTAMP_STRUCT Stamp(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    TIMESTAMP_STRUCT stamp = {};
    stamp.year = SQLSMALLINT(y);
    stamp.month = SQLUSMALLINT(mo);
    stamp.day = SQLUSMALLINT(d);
    stamp.hour = SQLUSMALLINT(h);
    stamp.minute = SQLUSMALLINT(mi);
    stamp.second = SQLUSMALLINT(s);
    return stamp;
}

inline bool SameStamp(const TIMESTAMP_STRUCT& a, const TIMESTAMP_STRUCT& b)
{
    return memcmp(&a, &b, sizeof a) == 0;
}

}   // namespace formtest
