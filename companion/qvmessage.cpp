// WarningBox and QVMessageBox: plain modal message boxes over the active window.
#include "qvmessage.h"

namespace
{

struct MessageText
{
    const wchar_t* pszCode;
    const wchar_t* pszText;
};

// The messages that callers ask for by code.
const MessageText kMessages[] = {
    {L"106", L"輸入的資料超過欄位長度，超出的部分沒有存入。"},
};

}   // namespace

void WarningBox(const wchar_t* pszText)
{
    ::MessageBoxW(::GetActiveWindow(), pszText ? pszText : L"", L"警告", MB_OK | MB_ICONWARNING);
}

void QVMessageBox(const CString& strCode)
{
    CString strText;
    for (const MessageText& message : kMessages)
    {
        if (strCode == message.pszCode)
        {
            strText = message.pszText;
            break;
        }
    }
    if (strText.IsEmpty())
        strText = L"未定義的訊息代碼：" + strCode;
    ::MessageBoxW(::GetActiveWindow(), strText, L"訊息", MB_OK | MB_ICONINFORMATION);
}
