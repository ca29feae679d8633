// CNewEdit: the grid's editor scrolls its text sideways instead of stopping
// at the cell's right edge.
#include "common/newedit.h"

IMPLEMENT_DYNAMIC(CNewEdit, CEdit)

BOOL CNewEdit::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= ES_AUTOHSCROLL;
    return CEdit::PreCreateWindow(cs);
}
