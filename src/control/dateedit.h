// CDateEdit: an edit control with the fixed layout "yyyy/mm/dd" that the
// user types over. Digits replace the character under the caret and skip the
// slashes; Backspace and Delete blank a place instead of closing it up, so
// the slashes keep their places.
#pragma once

#include <windows.h>
#include <sqltypes.h>
#include "afxwin.h"
#include "ctledit.h"
#include "qvapi.h"

class QVCTRL_API CDateEdit : public CEdit
{
public:
    CDateEdit();

    // Limits the text to ten characters and shows the empty layout "    /  /  ".
    void Initial();
    // year * 10000 + month * 100 + day as the text shows them.
    long GetLong();
    // The same three numbers into a stamp whose other members are 0.
    void GetDate(TIMESTAMP_STRUCT* pStamp);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    // 1 while the last message PreTranslateMessage saw was a key message.
    int m_bKeyMessage;

    DECLARE_MESSAGE_MAP()

private:
    int CaretPos() const;
    void SetTextAndCaret(const CString& strText, int nCaret);
};
