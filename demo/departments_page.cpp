// The departments page of the demo: a dialog whose "VORNELTREELISTCTRL"
// control becomes a CTreeList holding departments, doctors and patients.
#include "departments_page.h"

#include "departments_page_ids.h"

namespace
{

const int kHintHeight = 22;

struct Patient
{
    const wchar_t* name;
    const wchar_t* chart;
    const wchar_t* bed;
    const wchar_t* admitted;
    const wchar_t* diagnosis;
    const wchar_t* fee;
    const wchar_t* phone;
};

struct Doctor
{
    const wchar_t* name;
    Patient patients[3];
};

struct Department
{
    const wchar_t* name;
    Doctor doctors[2];
};

const Department kDepartments[] = {
    {L"內科",
     {{L"王志明 醫師",
       {{L"陳大文", L"A1203", L"床 12", L"2024/03/01", L"第二型糖尿病", L"12,800", L"02-2771-3344"},
        {L"林美玲", L"A0987", L"床 3", L"2024/03/05", L"肺炎", L"9,600", L"02-2365-8800"},
        {L"黃淑芬", L"A1555", L"床 21", L"2024/03/09", L"高血壓", L"3,100", L"02-2931-0072"}}},
      {L"李美華 醫師",
       {{L"張志強", L"A2210", L"床 9", L"2024/03/08", L"胃潰瘍", L"4,300", L"02-2706-1188"},
        {L"周家安", L"A2301", L"床 10", L"2024/03/10", L"貧血", L"2,750", L"02-2598-4411"},
        {nullptr}}}}},
    {L"外科",
     {{L"張國強 醫師",
       {{L"李建國", L"B0331", L"床 2", L"2024/03/02", L"闌尾炎術後", L"21,450", L"02-2218-7760"},
        {L"吳佩君", L"B0410", L"床 14", L"2024/03/07", L"膽結石", L"8,900", L"02-2832-5566"},
        {nullptr}}},
      {L"陳俊宏 醫師",
       {{L"劉家豪", L"B0522", L"床 7", L"2024/03/03", L"股骨骨折", L"17,300", L"02-2643-9021"},
        {nullptr},
        {nullptr}}}}},
    {L"小兒科",
     {{L"蔡雅婷 醫師",
       {{L"許小宇", L"C0017", L"床 1", L"2024/03/06", L"細支氣管炎", L"6,750", L"03-425-7788"},
        {L"鄭依依", L"C0020", L"床 11", L"2024/03/09", L"腸胃炎", L"3,980", L"03-422-1290"},
        {nullptr}}},
      {nullptr}}},
};

const struct
{
    const wchar_t* caption;
    int nFormat;   // 0 left, 1 right, 2 centre
    int nWidth;
} kColumns[] = {
    {L"科別／醫師／病患", 0, 210},
    {L"病歷號", 0, 90},
    {L"床位", 2, 70},
    {L"入院日期", 0, 110},
    {L"診斷", 0, 170},
    {L"費用", 1, 90},
    {L"電話", 0, 130},
    {L"備註", 0, 220},
};

class CDepartmentsPage : public CDialog
{
public:
    CDepartmentsPage() : CDialog(IDD_DEPARTMENTS_PAGE) {}

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    void PostNcDestroy() override { delete this; }

private:
    void Fill();
    HTREEITEM AddRow(std::initializer_list<const wchar_t*> texts, HTREEITEM hParent);

    CTreeList m_list;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDepartmentsPage, CDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CDepartmentsPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_list.SubclassDlgItem(IDC_DEPARTMENT_TREE, this))
        return TRUE;
    m_list.m_wndTree.SetFont(GetFont());
    for (int nCol = 0; nCol < int(sizeof(kColumns) / sizeof(kColumns[0])); ++nCol)
        m_list.m_wndTree.InsertColumn(nCol, kColumns[nCol].caption, kColumns[nCol].nFormat, kColumns[nCol].nWidth);
    Fill();
    return TRUE;
}

HTREEITEM CDepartmentsPage::AddRow(std::initializer_list<const wchar_t*> texts, HTREEITEM hParent)
{
    CNewTreeListCtrl& tree = m_list.m_wndTree;
    auto text = texts.begin();
    HTREEITEM hItem = tree.InsertItem(*text, hParent);
    int nCol = 1;
    for (++text; text != texts.end(); ++text, ++nCol)
        tree.SetItemText(hItem, nCol, *text);
    return hItem;
}

void CDepartmentsPage::Fill()
{
    CNewTreeListCtrl& tree = m_list.m_wndTree;
    for (const Department& department : kDepartments)
    {
        HTREEITEM hDepartment = AddRow({department.name}, TVI_ROOT);
        tree.SetItemBold(hDepartment, TRUE, FALSE);
        int nPatients = 0;
        for (const Doctor& doctor : department.doctors)
        {
            if (doctor.name == nullptr)
                continue;
            HTREEITEM hDoctor = AddRow({doctor.name}, hDepartment);
            tree.SetItemColor(hDoctor, RGB(0, 70, 140), FALSE);
            int nOwn = 0;
            for (const Patient& patient : doctor.patients)
            {
                if (patient.name == nullptr)
                    continue;
                AddRow({patient.name, patient.chart, patient.bed, patient.admitted, patient.diagnosis, patient.fee,
                        patient.phone},
                       hDoctor);
                ++nOwn;
            }
            CString strNote;
            strNote.Format(L"主治 %d 位病患", nOwn);
            tree.SetItemText(hDoctor, 7, strNote);
            nPatients += nOwn;
            m_list.Expand(hDoctor, TVE_EXPAND);
        }
        CString strNote;
        strNote.Format(L"住院 %d 人", nPatients);
        tree.SetItemText(hDepartment, 7, strNote);
    }
    // The first column carries the ascending mark: the rows follow it.
    tree.SortItems(0, TRUE, TVI_ROOT);
    m_list.SortTree(0, TRUE, tree.GetRootItem());
}

void CDepartmentsPage::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (CWnd* pHint = GetDlgItem(IDC_DEPARTMENT_HINT))
        pHint->MoveWindow(0, 0, cx, kHintHeight - 4);
    if (::IsWindow(m_list.GetSafeHwnd()))
        m_list.MoveWindow(0, kHintHeight, cx, cy - kHintHeight);
}

}   // namespace

CWnd* CreateDepartmentsPage(CWnd* pParent, const RECT& rect)
{
    // The class that the page's dialog template names, registered once per run.
    static const BOOL bRegistered = CTreeList::RegisterClass();
    if (!bRegistered)
        return nullptr;
    auto* pPage = new CDepartmentsPage;
    if (!pPage->Create(IDD_DEPARTMENTS_PAGE, pParent))
    {
        delete pPage;
        return nullptr;
    }
    pPage->MoveWindow(&rect);
    return pPage;
}
