// CNewEdit: the in-place editor that the list grid lays over its active cell.
#pragma once

#include "afxwin.h"
#include "ctledit.h"
#include "qvapi.h"

// Control id of the grid's editor window.
#define LIST_EDIT_ID 300

class QVCTRL_API CNewEdit : public CEdit
{
    DECLARE_DYNAMIC(CNewEdit)
public:
    CNewEdit() = default;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
