// The editable patient grid: a CFieldListCtrl filled from patient records,
// edited in place. The page is the grid's parent: it decides which cells may
// be edited and stores what the user typed or chose when the grid says that
// editing ended.
#include "patient_edit_page.h"

#include <cstddef>

#include "patient_edit_records.h"
#include "tour.h"
#include "page_factory.h"

namespace
{

const UINT kGridId = 2401;
const UINT kDepartmentBoxId = 2402;
const UINT kStatusId = 2403;
const int kMargin = 8;
const int kLineHeight = 24;
const COLORREF kHeaderBack = RGB(212, 220, 236);
const COLORREF kHeaderText = RGB(0, 0, 96);
const wchar_t kHint[] = L"點選儲存格即可修改，Enter 到下一格；科別從清單選；點選到診方格打勾；雙擊欄名排序。";

class CPatientEditPage : public CWnd
{
public:
    BOOL CreatePage(CWnd* pParent, const RECT& rect, UINT nID);

    CFieldListCtrl& Grid() { return m_grid; }
    // A person's click and double click, posted to the grid and its header.
    void PostClick(int nRow, int nColumn, bool bOnCheckBox = false);
    void PostHeaderDoubleClick(int nColumn);
    // Selects the patient with that chart number (the chooser's answer).
    void SelectPatient(const CString& strChart);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnEndEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCheckBox(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGridClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGridReturn(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnEditQuery(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnComboSelection(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()

private:
    static bool IsTypedColumn(int nColumn);
    CString ColumnCaption(int nColumn);
    void Report(const CString& strText);

    // A click on a check box's square tells of it twice (before and after
    // NM_CLICK), elsewhere in its cell once: the page ticks once per click.
    enum class CheckClick
    {
        kNone,
        kTicked,
        kTickedAndClicked
    };

    CFieldListCtrl m_grid;
    CStatic m_hint;
    CStatic m_status;
    CFont m_font;
    CheckClick m_checkClick = CheckClick::kNone;
};

BEGIN_MESSAGE_MAP(CPatientEditPage, CWnd)
    ON_WM_CREATE()
    ON_NOTIFY(LVN_ENDLABELEDITW, kGridId, OnEndEdit)
    ON_NOTIFY(LVN_ODSTATECHANGED, kGridId, OnCheckBox)
    ON_NOTIFY(NM_CLICK, kGridId, OnGridClick)
    ON_NOTIFY(NM_RETURN, kGridId, OnGridReturn)
    ON_MESSAGE(UM_EDITQUERY, OnEditQuery)
    ON_MESSAGE(UM_COMBOSELECTION, OnComboSelection)
END_MESSAGE_MAP()

BOOL CPatientEditPage::CreatePage(CWnd* pParent, const RECT& rect, UINT nID)
{
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    return CreateEx(WS_EX_CONTROLPARENT, cls, L"病患編輯", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, pParent, nID);
}

int CPatientEditPage::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    m_font.CreateFont(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"新細明體");
    const int nRight = lpcs->cx - kMargin;
    m_hint.Create(kHint, WS_CHILD | WS_VISIBLE, CRect(kMargin, kMargin, nRight, kMargin + kLineHeight), this);
    m_status.Create(L"", WS_CHILD | WS_VISIBLE | SS_SUNKEN,
                    CRect(kMargin, lpcs->cy - kMargin - kLineHeight, nRight, lpcs->cy - kMargin), this, kStatusId);
    m_hint.SetFont(&m_font);
    m_status.SetFont(&m_font);

    // Column 0 (the chart number) is not edited: LVS_NOLABELWRAP says so.
    const CRect rcGrid(kMargin, kMargin + kLineHeight + 4, nRight, lpcs->cy - 2 * kMargin - kLineHeight);
    if (!m_grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_EDITLABELS | LVS_NOLABELWRAP, rcGrid, this,
                       kGridId))
        return -1;
    m_grid.SetField(kEditPatientFields, kEditColumnCount);
    m_grid.SetListHead(kHeaderText);
    m_grid.SetHeaderColor(kHeaderBack);
    m_grid.SetList(const_cast<EditPatient*>(kEditPatients), int(sizeof(EditPatient)), kEditPatientCount);
    if (CMyComboBox* pBox = m_grid.CreateComboBox(kDepartmentBoxId, kEditDepartment))
    {
        for (const wchar_t* const* ppName = kDepartments; *ppName; ++ppName)
            pBox->AddString(*ppName);
        pBox->ShowWindow(SW_HIDE);
    }
    CString strCount;
    strCount.Format(L"共 %d 位病患。", kEditPatientCount);
    Report(strCount);
    return 0;
}

bool CPatientEditPage::IsTypedColumn(int nColumn)
{
    return nColumn == kEditName || nColumn == kEditPhone || nColumn == kEditVisits || nColumn == kEditFee;
}

CString CPatientEditPage::ColumnCaption(int nColumn)
{
    return nColumn >= 0 && nColumn < kEditColumnCount ? CString(kEditPatientFields[nColumn].pszName) : CString();
}

void CPatientEditPage::Report(const CString& strText)
{
    m_status.SetWindowText(L" " + strText);
}

// Editing of a cell ended: typed columns take the editor's text, the
// department the text of its box; the visits only when they are a number.
void CPatientEditPage::OnEndEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    m_checkClick = CheckClick::kNone;
    const LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
    const int nRow = item.iItem, nColumn = item.iSubItem;
    if (!(item.mask & LVIF_TEXT) || nRow < 0 || nRow >= m_grid.GetItemCount())
        return;
    CString strText;
    if (nColumn == kEditDepartment)
    {
        if (CMyComboBox* pBox = m_grid.GetComboBox(nColumn))
            pBox->GetWindowText(strText);
    }
    else if (IsTypedColumn(nColumn))
        strText = item.pszText ? item.pszText : L"";
    else
        return;
    if (strText == m_grid.GetItemText(nRow, nColumn))
        return;
    if (nColumn == kEditVisits && strText.SpanIncluding(L"0123456789") != strText)
    {
        Report(L"次數只能填數字，沒有存入：" + strText);
        return;
    }
    m_grid.SetItemText(nRow, nColumn, strText);
    Report(L"已存入 " + m_grid.GetItemText(nRow, kEditChart) + L" 的" + ColumnCaption(nColumn) + L"：" + strText);
}

void CPatientEditPage::OnCheckBox(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (m_checkClick == CheckClick::kTickedAndClicked)
    {
        m_checkClick = CheckClick::kNone;   // the second notice of the same click
        return;
    }
    const auto* pNotice = reinterpret_cast<NMLVODSTATECHANGE*>(pNMHDR);
    const int nRow = pNotice->iTo, nColumn = pNotice->iFrom;
    m_grid.SetItemText(nRow, nColumn, pNotice->uNewState ? L"1" : L"0");
    m_checkClick = CheckClick::kTicked;
    Report(m_grid.GetItemText(nRow, kEditName) + (pNotice->uNewState ? L" 已到診。" : L" 未到診。"));
}

void CPatientEditPage::OnGridClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    m_checkClick = m_checkClick == CheckClick::kTicked ? CheckClick::kTickedAndClicked : CheckClick::kNone;
}

// Answering 0 lets Enter walk on to the next cell.
void CPatientEditPage::OnGridReturn(NMHDR*, LRESULT* pResult)
{
    m_checkClick = CheckClick::kNone;
    *pResult = 0;
}

// Typed columns and the department open an editor; the others do not.
LRESULT CPatientEditPage::OnEditQuery(WPARAM, LPARAM)
{
    m_checkClick = CheckClick::kNone;
    const int nColumn = m_grid.GetSelectedSubItem();
    return IsTypedColumn(nColumn) || nColumn == kEditDepartment ? 0 : EDITQUERY_REFUSE;
}

LRESULT CPatientEditPage::OnComboSelection(WPARAM wParam, LPARAM lParam)
{
    const int nColumn = int(wParam), nRow = m_grid.GetSelectedItem();
    CMyComboBox* pBox = m_grid.GetComboBox(nColumn);
    if (!pBox || nRow < 0 || lParam < 0 || lParam >= pBox->GetCount())
        return 0;
    CString strChoice;
    pBox->GetLBText(int(lParam), strChoice);
    m_grid.SetItemText(nRow, nColumn, strChoice);
    Report(m_grid.GetItemText(nRow, kEditName) + L" 改掛 " + strChoice + L"。");
    return 0;
}

void CPatientEditPage::PostClick(int nRow, int nColumn, bool bOnCheckBox)
{
    CRect rcCell;
    m_grid.GetSubItemRect(nRow, nColumn, LVIR_BOUNDS, rcCell);
    const CPoint point(bOnCheckBox ? rcCell.CenterPoint().x : rcCell.left + 12, rcCell.CenterPoint().y);
    m_grid.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    m_grid.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

void CPatientEditPage::PostHeaderDoubleClick(int nColumn)
{
    CRect rcHeader;
    CHeadWnd* pHead = m_grid.GetHeadWnd();
    if (!pHead || !m_grid.GetHeaderRect(nColumn, rcHeader))
        return;
    // The header's upper row answers double clicks.
    const LPARAM point = MAKELPARAM(rcHeader.CenterPoint().x, 4);
    pHead->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
    pHead->PostMessage(WM_LBUTTONUP, 0, point);
    pHead->PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    pHead->PostMessage(WM_LBUTTONUP, 0, point);
}

void CPatientEditPage::SelectPatient(const CString& strChart)
{
    long nStart = 0;
    const long nRow = FindItem(m_grid, kEditChart, strChart, nStart, 0);
    if (nRow < 0 || nStart == 0)
        return;   // not found: FindItem has said so
    m_grid.SetItemState(int(nRow), LVIS_SELECTED, LVIS_SELECTED);
    m_grid.EnsureVisible(int(nRow), FALSE);
    m_grid.Invalidate();
    Report(L"選了 " + m_grid.GetItemText(int(nRow), kEditName) + L"（" + strChart + L"）。");
}

CPatientEditPage* EditPageOf(CWnd* pPage)
{
    return dynamic_cast<CPatientEditPage*>(pPage);
}

// ---- the chooser ------------------------------------------------------------

// The patients by chart number, name, department and visits; a double click
// on a row closes the dialog as OK with that patient chosen.
class CPatientChooser : public CFieldListDlg
{
public:
    CPatientChooser(CWnd* pParent, bool bTour) : CFieldListDlg(FIELDLIST_TEMPLATE_ID, pParent), m_bTour(bTour) {}

    void ConfigureList() override { m_pList->SetField(kChooserFields, kChooserFieldCount); }
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strChosenChart;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    static const UINT_PTR kTourTimer = 1;
    static const int kTourRow = 3;
    static CfField kChooserFields[];
    static const int kChooserFieldCount;
    bool m_bTour;
};

CfField CPatientChooser::kChooserFields[] = {
    {8, L"病歷號", offsetof(EditPatient, chart), FIELD_TEXT, 0, 0, HEADLEVEL_FULL},
    {8, L"姓名", offsetof(EditPatient, name), FIELD_TEXT, 0, 0, HEADLEVEL_FULL},
    {8, L"科別", offsetof(EditPatient, department), FIELD_TEXT, 0, 0, HEADLEVEL_FULL},
    {6, L"就診次數", offsetof(EditPatient, visits), FIELD_LONG, 0, 0, HEADLEVEL_FULL},
};
const int CPatientChooser::kChooserFieldCount = 4;

BEGIN_MESSAGE_MAP(CPatientChooser, CFieldListDlg)
    ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CPatientChooser::OnInitDialog()
{
    CFieldListDlg::OnInitDialog();
    SetWindowText(L"選擇病患（雙擊一列）");
    for (int i = 0; i < kEditPatientCount; ++i)
        AddRow(&kEditPatients[i]);
    if (m_bTour)
        SetTimer(kTourTimer, 400, nullptr);
    return TRUE;
}

void CPatientChooser::OnOK()
{
    const int nRow = m_pList ? m_pList->GetSelectedItem() : -1;
    if (nRow >= 0)
        m_strChosenChart = m_pList->GetItemText(nRow, 0);
    CFieldListDlg::OnOK();
}

// The tour: the dialog saved as it shows, then a double click on a row.
void CPatientChooser::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kTourTimer)
        return;
    KillTimer(kTourTimer);
    SaveDemoScreenshot(m_hWnd, L"demo-field-chooser");
    const int y = m_pList->RowToYPos(kTourRow) - m_pList->GetScrollPos(SB_VERT) + m_pList->GetRowHeight() / 2;
    m_pList->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, y));
    m_pList->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, y));
    m_pList->PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, y));
}

void RunChooser(CWnd* pOwner, CWnd* pPage, bool bTour)
{
    CPatientChooser chooser(pOwner, bTour);
    if (chooser.DoModal() != IDOK || chooser.m_strChosenChart.IsEmpty())
        return;
    if (CPatientEditPage* pEditPage = EditPageOf(pPage))
        pEditPage->SelectPatient(chooser.m_strChosenChart);
}

}   // namespace

CWnd* CreatePatientEditPage(CWnd* pParent, const RECT& rect, UINT nID)
{
    return CreateSelfDeletingPage(&CPatientEditPage::CreatePage, pParent, rect, nID);
}

void RunPatientChooser(CWnd* pOwner, CWnd* pPage)
{
    RunChooser(pOwner, pPage, false);
}

// ---- the tour -----------------------------------------------------------------

void ShowGridEditorSample(CWnd* pPage)
{
    CPatientEditPage* pEditPage = EditPageOf(pPage);
    if (!pEditPage)
        return;
    pEditPage->PostClick(1, kEditName);
    PumpDemoMessages(200);
    // A new name typed over the old one (the editor selected it all).
    if (HWND hFocus = ::GetFocus())
        for (const wchar_t* p = L"李美華"; *p; ++p)
            ::PostMessageW(hFocus, WM_CHAR, *p, 1);
}

// Clicking the department ends the name's edit (the page stores it) and
// shows the department's box over the cell, dropped down.
void ShowGridComboSample(CWnd* pPage)
{
    CPatientEditPage* pEditPage = EditPageOf(pPage);
    if (!pEditPage)
        return;
    pEditPage->PostClick(2, kEditDepartment);
    PumpDemoMessages(200);
    if (CMyComboBox* pBox = pEditPage->Grid().GetComboBox(kEditDepartment))
        pBox->ShowDropDown(TRUE);
}

// A click on a department in the dropped list, Enter to walk on to the
// phone; a box is ticked; a double click on the name's caption sorts by
// name (the first sort of a column is descending).
void ShowGridEditedSample(CWnd* pPage)
{
    CPatientEditPage* pEditPage = EditPageOf(pPage);
    if (!pEditPage)
        return;
    if (CMyComboBox* pBox = pEditPage->Grid().GetComboBox(kEditDepartment))
    {
        COMBOBOXINFO info{sizeof(info)};
        if (::GetComboBoxInfo(pBox->m_hWnd, &info) && ::IsWindowVisible(info.hwndList))
        {
            const int nEntry = 2;
            const int nItemHeight = int(::SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
            const LPARAM point = MAKELPARAM(10, nEntry * nItemHeight + nItemHeight / 2);
            ::PostMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, point);
            ::PostMessageW(info.hwndList, WM_LBUTTONUP, 0, point);
            PumpDemoMessages(150);
        }
    }
    if (HWND hFocus = ::GetFocus())
        ::PostMessageW(hFocus, WM_KEYDOWN, VK_RETURN, 1);
    PumpDemoMessages(100);
    pEditPage->PostClick(3, kEditArrived, true);
    PumpDemoMessages(100);
    pEditPage->PostHeaderDoubleClick(kEditName);
    PumpDemoMessages(100);
}

void ShowChooserSample(CWnd* pPage)
{
    RunChooser(pPage ? pPage->GetParent() : nullptr, pPage, true);
}
