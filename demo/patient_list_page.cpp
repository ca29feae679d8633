// The patient list page: a CNewListCtrl filled with sample patients.
#include "patient_list_page.h"

namespace
{

struct SamplePatient
{
    const wchar_t* chartNo;
    const wchar_t* name;
    const wchar_t* city;
    const wchar_t* street;
    const wchar_t* phone;
    const wchar_t* age;
    const wchar_t* arrived;   // "1" ticked, "0" not
    bool overdue;             // an unpaid receipt: the name shows in red
};

// Sorted by city, and every city has at least two patients, so that each
// run of equal cities combines into one block.
const SamplePatient kPatients[] = {
    {L"A00125", L"王小明", L"台北市", L"中山北路二段45號", L"02-2511-3344", L"42", L"1", false},
    {L"A00131", L"李美玲", L"台北市", L"民生東路三段8號", L"02-2717-0021", L"35", L"0", true},
    {L"A00207", L"陳志豪", L"台北市", L"羅斯福路四段1號", L"02-2363-9090", L"58", L"1", false},
    {L"B01002", L"林怡君", L"新竹市", L"光復路二段101號", L"03-571-2121", L"29", L"1", false},
    {L"B01017", L"黃建國", L"新竹市", L"東大路一段2號", L"03-532-8800", L"67", L"0", false},
    {L"C02210", L"張淑芬", L"台中市", L"台灣大道三段99號", L"04-2258-1234", L"51", L"1", true},
    {L"C02245", L"吳俊傑", L"台中市", L"公益路二段51號", L"04-2328-7766", L"8", L"0", false},
    {L"E03301", L"蔡雅婷", L"高雄市", L"中正四路211號", L"07-281-5566", L"44", L"1", false},
    {L"E03388", L"鄭文雄", L"高雄市", L"博愛二路77號", L"07-556-3030", L"73", L"1", false},
};

enum Column : int
{
    kChartNo,
    kName,
    kAddress,
    kCity,
    kStreet,
    kPhone,
    kAge,
    kArrived,
};

const COLORREF kElderRow = RGB(255, 244, 214);   // patients of 65 and over
const COLORREF kChildRow = RGB(226, 240, 255);   // patients under 12
const COLORREF kOverdueText = RGB(200, 0, 0);

class CPatientListPage : public CNewListCtrl
{
public:
    void Fill();

protected:
    void PostNcDestroy() override { delete this; }

private:
    void AddColumn(int nColumn, const wchar_t* pszCaption, int nWidth, int nFormat, int nLevel, UINT nMask);
};

void CPatientListPage::AddColumn(int nColumn, const wchar_t* pszCaption, int nWidth, int nFormat, int nLevel,
                                 UINT nMask)
{
    LVCOLUMN column{};
    column.mask = nMask;
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = const_cast<LPWSTR>(pszCaption);
    column.iOrder = nLevel;   // the header level travels in iOrder
    InsertColumn(nColumn, &column);
}

void CPatientListPage::Fill()
{
    const UINT kText = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    AddColumn(kChartNo, L"病歷號", 80, LVCFMT_LEFT, HEADLEVEL_FULL, kText);
    AddColumn(kName, L"姓名", 80, LVCFMT_LEFT, HEADLEVEL_FULL, kText);
    // A zero-width group caption spanning the two address columns below it.
    AddColumn(kAddress, L"住址", 0, LVCFMT_LEFT, 70 + 170, kText);
    AddColumn(kCity, L"縣市", 70, LVCFMT_LEFT, HEADLEVEL_LOWER, kText);
    AddColumn(kStreet, L"街道", 170, LVCFMT_LEFT, HEADLEVEL_LOWER, kText);
    AddColumn(kPhone, L"電話", 110, LVCFMT_LEFT, HEADLEVEL_FULL, kText);
    AddColumn(kAge, L"年齡", 50, LVCFMT_LEFT | HEADFMT_DIGIT, HEADLEVEL_FULL, kText);
    AddColumn(kArrived, L"到診", 50, LVCFMT_CENTER, HEADLEVEL_FULL, kText | LVCF_IMAGE);
    SetHeaderColor(RGB(212, 220, 236));
    SetColumnColor(kChartNo, RGB(240, 240, 240));

    for (const SamplePatient& patient : kPatients)
    {
        const int nRow = AppendBlank(1);
        SetItemText(nRow, kChartNo, patient.chartNo);
        SetItemText(nRow, kName, patient.name);
        SetItemText(nRow, kCity, patient.city);
        SetItemText(nRow, kStreet, patient.street);
        SetItemText(nRow, kPhone, patient.phone);
        SetItemText(nRow, kAge, patient.age);
        SetItemText(nRow, kArrived, patient.arrived);
        const int nAge = _wtoi(patient.age);
        if (nAge >= 65)
            SetColor(nRow, kElderRow, 0);
        else if (nAge < 12)
            SetColor(nRow, kChildRow, 0);
        if (patient.overdue)
            SetItemColor(nRow, kName, kOverdueText);
    }
    SetCombineSwitch(1);
    SetCombine(kCity, kCity);
    SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
}

}   // namespace

CWnd* CreatePatientListPage(CWnd* pParent, const RECT& rect, UINT nID)
{
    CPatientListPage* pPage = new CPatientListPage;
    if (!pPage->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, nID))
    {
        delete pPage;
        return nullptr;
    }
    pPage->Fill();
    return pPage;
}

bool GetPatientRow(CWnd* pPage, int nRow, PatientRowTexts& row)
{
    auto* pList = dynamic_cast<CPatientListPage*>(pPage);
    if (pList == nullptr || nRow < 0 || nRow >= pList->GetItemCount())
        return false;
    row.strChartNo = pList->GetItemText(nRow, kChartNo);
    row.strName = pList->GetItemText(nRow, kName);
    row.strCity = pList->GetItemText(nRow, kCity);
    row.strStreet = pList->GetItemText(nRow, kStreet);
    row.strPhone = pList->GetItemText(nRow, kPhone);
    row.strAge = pList->GetItemText(nRow, kAge);
    return true;
}

int GetSelectedPatientRow(CWnd* pPage)
{
    auto* pList = dynamic_cast<CPatientListPage*>(pPage);
    if (pList == nullptr || pList->GetItemCount() == 0)
        return -1;
    const int nRow = pList->GetSelectedItem();
    return nRow >= 0 && nRow < pList->GetItemCount() ? nRow : 0;
}
