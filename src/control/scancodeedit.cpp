#include "control/scancodeedit.h"

IMPLEMENT_DYNAMIC(CScancodeEdit, CEdit)

BEGIN_MESSAGE_MAP(CScancodeEdit, CEdit)
    ON_MESSAGE(WM_SCANCODE, OnScancode)
END_MESSAGE_MAP()

namespace
{

// The scanner's 8-bit text in the current code page as UTF-16.
CString ScanText(const char* pszScan)
{
    CString strText;
    const int nLength = ::MultiByteToWideChar(CP_ACP, 0, pszScan, -1, nullptr, 0);
    if (nLength <= 1)
        return strText;
    wchar_t* pBuffer = strText.GetBuffer(nLength);
    ::MultiByteToWideChar(CP_ACP, 0, pszScan, -1, pBuffer, nLength);
    strText.ReleaseBuffer();
    return strText;
}

}   // namespace

CRuntimeClass* PASCAL CScancodeEdit::GetThisClass()
{
    return RUNTIME_CLASS(CScancodeEdit);
}

LRESULT CScancodeEdit::OnScancode(WPARAM /*wParam*/, LPARAM lParam)
{
    ASSERT(::IsWindow(m_hWnd));
    const char* pszScan = reinterpret_cast<const char*>(lParam);
    if (pszScan == nullptr || !::IsWindow(m_hWnd))
        return 0;
    CString strText = ScanText(pszScan);
    // A web address read off a document is not a code.
    if (strText.Find(L"http") >= 0)
        return 0;
    // A scanner ends its line with a carriage return and a line feed: both go.
    const int nLineFeed = strText.Find(L'\n');
    if (nLineFeed > 0)
        strText = strText.Left(nLineFeed - 1);
    SetWindowText(strText);

    HWND hParent = ::GetParent(m_hWnd);
    if (hParent == nullptr)
        return 0;
    const LRESULT nAnswer = ::SendMessageW(hParent, WM_SCANCODE_NOTIFY, 0, 0);
    if (nAnswer != 0)
        return nAnswer;
    // A dialog inside a property page: the page's sheet answers.
    HWND hGrandparent = ::GetParent(hParent);
    return hGrandparent != nullptr ? ::SendMessageW(hGrandparent, WM_SCANCODE_NOTIFY, 0, 0) : 0;
}

BOOL CScancodeEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg != nullptr && pMsg->message == WM_SCANCODE && pMsg->hwnd == m_hWnd)
    {
        if (OnScancode(pMsg->wParam, pMsg->lParam) != 0)
            return TRUE;
    }
    return CEdit::PreTranslateMessage(pMsg);
}
