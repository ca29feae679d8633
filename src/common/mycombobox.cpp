// CMyComboBox and the combo-box set IMyComboBox.
#include "common/mycombobox.h"

IMPLEMENT_DYNAMIC(CMyComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CMyComboBox, CComboBox)
    ON_CONTROL_REFLECT(CBN_SELCHANGE, OnSelchange)
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

void CMyComboBox::OnSelchange()
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(UM_COMBOSELECTION, 0, LPARAM(GetCurSel()));
}

// The double click goes on to the parent, at the point measured from the
// parent's window rectangle.
void CMyComboBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd* pParent = GetParent();
    if (!pParent)
        return;
    ClientToScreen(&point);
    CRect rcParent;
    pParent->GetWindowRect(&rcParent);
    point.Offset(-rcParent.left, -rcParent.top);
    pParent->SendMessage(WM_LBUTTONDBLCLK, WPARAM(nFlags | COMBO_DBLCLK_FLAG), MAKELPARAM(point.x, point.y));
}

// A double click in the box's edit field reaches the box here.
BOOL CMyComboBox::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_LBUTTONDBLCLK)
        return CComboBox::PreTranslateMessage(pMsg);
    CPoint point(short(LOWORD(pMsg->lParam)), short(HIWORD(pMsg->lParam)));
    ::MapWindowPoints(pMsg->hwnd, m_hWnd, &point, 1);
    OnLButtonDblClk(UINT(pMsg->wParam), point);
    return TRUE;
}

IMyComboBox::~IMyComboBox()
{
    FreeComboBox();
}

CMyComboBox* IMyComboBox::BoxAt(int nIndex) const
{
    if (!m_pBoxes || nIndex < 0 || nIndex >= m_nBoxCount || nIndex >= int(m_pBoxes->GetSize()))
        return nullptr;
    return m_pBoxes->GetAt(nIndex);
}

void IMyComboBox::AddBox(CMyComboBox* pBox)
{
    if (!m_pBoxes)
        m_pBoxes = new CArray<CMyComboBox*, CMyComboBox*>;
    m_pBoxes->Add(pBox);
    m_nBoxCount = int(m_pBoxes->GetSize());
}

int IMyComboBox::GetBoxIndex(int nColumn) const
{
    for (int i = 0; i < m_nBoxCount; ++i)
        if (const CMyComboBox* pBox = BoxAt(i); pBox && pBox->GetColumn() == nColumn)
            return i;
    return -1;
}

CMyComboBox* IMyComboBox::GetComboBox(int nColumn) const
{
    return BoxAt(GetBoxIndex(nColumn));
}

void IMyComboBox::HideComboBox()
{
    for (int i = 0; i < m_nBoxCount; ++i)
        if (CMyComboBox* pBox = BoxAt(i); pBox && pBox->GetSafeHwnd())
            pBox->ShowWindow(SW_HIDE);
}

void IMyComboBox::FreeComboBox()
{
    for (int i = 0; i < m_nBoxCount; ++i)
        delete BoxAt(i);
    delete m_pBoxes;
    m_pBoxes = nullptr;
    m_nBoxCount = 0;
}
