// The visit search page: two pickers, the range's conditions, the visits in it.
#include "visit_search_page.h"
#include "page_factory.h"

namespace
{

enum : UINT
{
    IDC_FROM = 2301,
    IDC_TO,
    IDC_SEARCH,
    IDC_CONDITION,
    IDC_FILTER,
    IDC_VISITS,
};

const int kMargin = 16;
const int kLineHeight = 28;
// The column the conditions are written for.
const wchar_t kTimeColumn[] = L"VisitTime";

struct SampleVisit
{
    const wchar_t* patient;
    int year, month, day, hour, minute;
};
const SampleVisit kVisits[] = {
    {L"王小明", 2026, 2, 27, 9, 10},  {L"陳美玲", 2026, 3, 1, 8, 30},  {L"林志強", 2026, 3, 3, 14, 0},
    {L"張淑芬", 2026, 3, 5, 10, 45},  {L"李建宏", 2026, 3, 7, 23, 50}, {L"黃雅婷", 2026, 3, 8, 0, 5},
    {L"吳家豪", 2026, 3, 12, 16, 20},
};

class CVisitSearchPage : public CWnd
{
public:
    BOOL CreatePage(CWnd* pParent, const RECT& rect, UINT nID);
    void ShowRange(const CTime& from, const CTime& to);

    afx_msg void OnSearch();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    void PostNcDestroy() override { delete this; }

private:
    void ClearResults();

    CDateRange m_range;
    CFont m_font;
    CStatic m_fromLabel, m_toLabel, m_conditionLabel, m_filterLabel, m_condition, m_filter;
    CDateTimeCtrl m_from, m_to;
    CButton m_search;
    CListBox m_visits;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CVisitSearchPage, CWnd)
    ON_WM_CREATE()
    ON_BN_CLICKED(IDC_SEARCH, OnSearch)
END_MESSAGE_MAP()

BOOL CVisitSearchPage::CreatePage(CWnd* pParent, const RECT& rect, UINT nID)
{
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    return CreateEx(WS_EX_CONTROLPARENT, cls, L"就診查詢", WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, nID);
}

int CVisitSearchPage::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    m_font.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"新細明體");
    const DWORD label = WS_CHILD | WS_VISIBLE;
    int y = kMargin;
    m_fromLabel.Create(L"就診日期　從", label | SS_RIGHT, CRect(kMargin, y + 4, 130, y + 26), this);
    m_from.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(140, y, 300, y + kLineHeight), this, IDC_FROM);
    m_toLabel.Create(L"至", label | SS_CENTER, CRect(310, y + 4, 340, y + 26), this);
    m_to.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(350, y, 510, y + kLineHeight), this, IDC_TO);
    m_search.Create(L"查詢", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(530, y, 630, y + kLineHeight),
                    this, IDC_SEARCH);
    y += kLineHeight + 20;
    const int right = lpcs->cx - kMargin;
    m_conditionLabel.Create(L"查詢條件：", label, CRect(kMargin, y, 180, y + 22), this);
    m_condition.Create(L"", label | SS_SUNKEN, CRect(180, y, right, y + 24), this, IDC_CONDITION);
    y += kLineHeight + 4;
    m_filterLabel.Create(L"篩選條件：", label, CRect(kMargin, y, 180, y + 22), this);
    m_filter.Create(L"", label | SS_SUNKEN, CRect(180, y, right, y + 24), this, IDC_FILTER);
    y += kLineHeight + 16;
    m_visits.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                    CRect(kMargin, y, right, lpcs->cy - kMargin), this, IDC_VISITS);
    for (CWnd* pWnd :
         std::initializer_list<CWnd*>{&m_fromLabel, &m_from, &m_toLabel, &m_to, &m_search, &m_conditionLabel,
                                      &m_condition, &m_filterLabel, &m_filter, &m_visits})
        pWnd->SetFont(&m_font);
    // The two pickers are found by their class and their places: the left one begins the range.
    m_range.NormalFormat(this);
    return 0;
}

void CVisitSearchPage::ClearResults()
{
    m_condition.SetWindowText(L"");
    m_filter.SetWindowText(L"");
    m_visits.ResetContent();
}

void CVisitSearchPage::OnSearch()
{
    ClearResults();
    if (!m_range.GetDateRange(this))
        return;   // the library said what is wrong with the range
    m_condition.SetWindowText(m_range.PrepareLongTimeCondition(kTimeColumn));
    m_filter.SetWindowText(m_range.PrepareRangeFilter(kTimeColumn));
    // The visits the condition selects: from the first day's 00:00 to the end of the last day.
    __time64_t from = CDateRange::ToCTime(m_range.GetBegin()).GetTime();
    __time64_t to = CDateRange::ToCTime(m_range.GetEnd()).GetTime() + 24 * 60 * 60;
    for (const SampleVisit& visit : kVisits)
    {
        CTime t(visit.year, visit.month, visit.day, visit.hour, visit.minute, 0);
        if (t.GetTime() < from || t.GetTime() >= to)
            continue;
        CString line;
        line.Format(L"%s　%04d/%02d/%02d %02d:%02d　%s=%d", visit.patient, visit.year, visit.month, visit.day,
                    visit.hour, visit.minute, kTimeColumn, int(t.GetTime()));
        m_visits.AddString(line);
    }
    if (m_visits.GetCount() == 0)
        m_visits.AddString(L"（這段期間沒有就診記錄）");
}

void CVisitSearchPage::ShowRange(const CTime& from, const CTime& to)
{
    m_from.SetTime(from);
    m_to.SetTime(to);
}

}   // namespace

CWnd* CreateVisitSearchPage(CWnd* pParent, const RECT& rect, UINT nID)
{
    return CreateSelfDeletingPage(&CVisitSearchPage::CreatePage, pParent, rect, nID);
}

void SearchVisitSample(CWnd* pPage)
{
    if (auto* pSearch = dynamic_cast<CVisitSearchPage*>(pPage))
    {
        pSearch->ShowRange(CTime(2026, 3, 1, 9, 0, 0), CTime(2026, 3, 7, 9, 0, 0));
        pSearch->OnSearch();
    }
}

void SearchReversedRange(CWnd* pPage)
{
    if (auto* pSearch = dynamic_cast<CVisitSearchPage*>(pPage))
    {
        pSearch->ShowRange(CTime(2026, 3, 10, 9, 0, 0), CTime(2026, 3, 1, 9, 0, 0));
        pSearch->PostMessage(WM_COMMAND, MAKEWPARAM(IDC_SEARCH, BN_CLICKED),
                             reinterpret_cast<LPARAM>(pSearch->GetDlgItem(IDC_SEARCH)->GetSafeHwnd()));
    }
}
