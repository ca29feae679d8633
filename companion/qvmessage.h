// The companion library's two message boxes.
#pragma once

#include "afxstr.h"
#include "qvxml.h"

// A modal warning (caption "警告") with the given text; null shows an empty text.
QVXML_API void WarningBox(const wchar_t* pszText);

// Shows the message that belongs to a message code (caption "訊息"). Known:
//   "106"  "輸入的資料超過欄位長度，超出的部分沒有存入。"
// Any other code shows "未定義的訊息代碼：<code>".
QVXML_API void QVMessageBox(const CString& strCode);
