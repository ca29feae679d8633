// CDateEdit: typing over a fixed "yyyy/mm/dd" layout.
#include "control/dateedit.h"

#include "common/datescan.h"

namespace
{

const int kDateLength = 10;
const int kFirstSlash = 4;
const int kSecondSlash = 7;
const int kMonthAt = 5;
const int kDayAt = 8;

CString EmptyLayout()
{
    CString text;
    text.Format(L"    %c  %c  ", L'/', L'/');
    return text;
}

bool OnSlash(int nPos)
{
    return nPos == kFirstSlash || nPos == kSecondSlash;
}

}   // namespace

BEGIN_MESSAGE_MAP(CDateEdit, CEdit)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CDateEdit::CDateEdit() : m_bKeyMessage(0) {}

void CDateEdit::Initial()
{
    ASSERT(::IsWindow(m_hWnd));
    LimitText(kDateLength);
    SetWindowText(EmptyLayout());
}

int CDateEdit::CaretPos() const
{
    return LOWORD(GetSel());
}

void CDateEdit::SetTextAndCaret(const CString& strText, int nCaret)
{
    SetWindowText(strText);
    SetSel(nCaret, nCaret);
}

// The keys reach the edit's own handling through DefWindowProc with the
// message rebuilt from its parts (repeat count low, flags high).
void CDateEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const LPARAM lParam = MAKELPARAM(nRepCnt, nFlags);
    int p = CaretPos();
    CString text;
    GetWindowText(text);
    if (text.Find(L'/') < 0)
        text = EmptyLayout();

    if (nChar >= L'0' && nChar <= L'9')
    {
        bool bOverSlash = OnSlash(p);
        if (bOverSlash)
            ++p;   // the digit lands after the slash
        text.Delete(p, 1);
        SetTextAndCaret(text, p);
        DefWindowProc(WM_CHAR, nChar, lParam);
        int nCaret = CaretPos();
        if (!bOverSlash && OnSlash(nCaret))
            SetSel(nCaret + 1, nCaret + 1);
        return;
    }
    if (nChar == VK_BACK)
    {
        if (p == kMonthAt || p == kDayAt)
        {
            SetSel(p - 1, p - 1);   // just after a slash: step over it
        }
        else if (p > 0)
        {
            // A blank in place of the character Backspace removes keeps the length.
            text.Insert(p, L' ');
            SetTextAndCaret(text, p);
            DefWindowProc(WM_CHAR, nChar, lParam);
        }
    }
    // Every other character is ignored.
}

void CDateEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const LPARAM lParam = MAKELPARAM(nRepCnt, nFlags);
    if (nChar != VK_DELETE)
    {
        DefWindowProc(WM_KEYDOWN, nChar, lParam);
        return;
    }
    int p = CaretPos();
    if (OnSlash(p))
        return;
    DefWindowProc(WM_KEYDOWN, nChar, lParam);
    CString text;
    GetWindowText(text);
    if (p < kSecondSlash)
    {
        // A blank before the next slash moves it back to its place; the day part closes up.
        int nSlash = text.Find(L'/', p);
        if (nSlash >= 0)
            text.Insert(nSlash, L' ');
    }
    SetTextAndCaret(text, p);
}

long CDateEdit::GetLong()
{
    ASSERT(::IsWindow(m_hWnd));
    CString text;
    GetWindowText(text);
    const wchar_t* s = text.GetString();
    long year = qvscan::NumberAt(s, 0, kFirstSlash);
    long month = qvscan::NumberAt(s, kMonthAt, 2);
    long day = qvscan::NumberAt(s, kDayAt, 2);
    return year * 10000 + month * 100 + day;
}

void CDateEdit::GetDate(TIMESTAMP_STRUCT* pStamp)
{
    ASSERT(pStamp != nullptr);
    if (pStamp == nullptr)
        return;
    long n = GetLong();
    *pStamp = TIMESTAMP_STRUCT{};
    pStamp->year = SQLSMALLINT(n / 10000);
    pStamp->month = SQLUSMALLINT(n % 10000 / 100);
    pStamp->day = SQLUSMALLINT(n % 100);
}

BOOL CDateEdit::PreTranslateMessage(MSG* pMsg)
{
    m_bKeyMessage = pMsg != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST ? 1 : 0;
    return CEdit::PreTranslateMessage(pMsg);
}
