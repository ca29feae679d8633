// The patient form: a child window built from the framework's controls; its
// record goes in and out through an IDlgAccess table.
#include "patient_form.h"

#include "patient_record.h"
#include "page_factory.h"

namespace
{

enum : UINT
{
    IDC_AGE = 2101,
    IDC_EXPIRY_SHOWN,
    IDC_STORE,
    IDC_REVERT,
    IDC_STORED,
};

const int kLabelWidth = 300;
const int kEditWidth = 220;
const int kRowHeight = 34;
const int kRows = 10;

class CPatientForm : public CWnd, public IDlgAccess
{
public:
    BOOL CreateForm(CWnd* pParent, const RECT& rect, UINT nID);
    void FillSample();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnBirthChanged();
    afx_msg void OnStore();
    afx_msg void OnRevert();
    void PostNcDestroy() override { delete this; }

private:
    // The label of a row; returns the rectangle of its control.
    CRect AddLabel(int row, const wchar_t* label);
    void AddEdit(int row, const wchar_t* label, CEdit& edit, UINT nID, int nLimit);
    CStatic& AddNote(int row, CStatic& note, UINT nID);
    // The birth date in an 18-character identity card (characters 7 to 14,
    // yyyymmdd), checked with the identity-card rules; false when refused.
    bool TakeBirthFromIdCard();
    bool CheckExpiry();
    void ShowAge(int year, int month, int day);

    DemoPatient m_record = {};
    CFont m_font;
    CStatic m_labels[kRows];
    CEdit m_name, m_idCard, m_birth, m_expiry, m_visits, m_fee, m_weight;
    CComboBox m_city;
    CDateTimeCtrl m_admitted;
    CButton m_insured, m_store, m_revert;
    CStatic m_age, m_expiryShown, m_stored;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPatientForm, CWnd)
    ON_WM_CREATE()
    ON_EN_CHANGE(IDC_PATIENT_BIRTH, OnBirthChanged)
    ON_BN_CLICKED(IDC_STORE, OnStore)
    ON_BN_CLICKED(IDC_REVERT, OnRevert)
END_MESSAGE_MAP()

BOOL CPatientForm::CreateForm(CWnd* pParent, const RECT& rect, UINT nID)
{
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    return CreateEx(WS_EX_CONTROLPARENT, cls, L"病患資料", WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, nID);
}

int CPatientForm::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    m_font.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"新細明體");
    AddEdit(0, L"姓名", m_name, IDC_PATIENT_NAME, kPatientNameChars - 1);
    AddEdit(1, L"身份證號", m_idCard, IDC_PATIENT_IDCARD, kPatientIdCardChars - 1);
    AddEdit(2, L"出生日期 (yyyy/mm/dd)", m_birth, IDC_PATIENT_BIRTH, 10);
    AddNote(2, m_age, IDC_AGE);
    AddEdit(3, L"有效期限 (2005、200501、20050101)", m_expiry, IDC_PATIENT_EXPIRY, kPatientExpiryChars - 1);
    AddNote(3, m_expiryShown, IDC_EXPIRY_SHOWN);
    AddEdit(4, L"就診次數", m_visits, IDC_PATIENT_VISITS, 6);
    AddEdit(5, L"掛號費", m_fee, IDC_PATIENT_FEE, 12);
    AddEdit(6, L"體重 (公斤)", m_weight, IDC_PATIENT_WEIGHT, 6);

    CRect rc = AddLabel(7, L"縣市");
    m_city.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                  CRect(rc.left, rc.top, rc.right, rc.top + 200), this, IDC_PATIENT_CITY);
    m_city.SetFont(&m_font);
    for (int i = 0; kPatientCities[i] != nullptr; ++i)
        m_city.AddString(kPatientCities[i]);
    rc = AddLabel(8, L"住院日期");
    m_admitted.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | DTS_SHORTDATEFORMAT, rc, this, IDC_PATIENT_ADMITTED);
    m_admitted.SetFormat(L"yyyy/MM/dd HH:mm");
    m_admitted.SetFont(&m_font);
    rc = AddLabel(9, L"");
    m_insured.Create(L"健保身份", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, rc, this, IDC_PATIENT_INSURED);
    m_insured.SetFont(&m_font);

    int top = 16 + kRows * kRowHeight + 6, left = 16 + kLabelWidth;
    m_store.Create(L"存入", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                   CRect(left, top, left + 100, top + 28), this, IDC_STORE);
    m_revert.Create(L"還原", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                    CRect(left + 120, top, left + 220, top + 28), this, IDC_REVERT);
    m_stored.Create(L"", WS_CHILD | WS_VISIBLE, CRect(16, top + 40, lpcs->cx - 16, top + 84), this, IDC_STORED);
    for (CWnd* pWnd : {static_cast<CWnd*>(&m_store), static_cast<CWnd*>(&m_revert), static_cast<CWnd*>(&m_stored)})
        pWnd->SetFont(&m_font);

    int nCount = 0;
    CdDataMap* pMap = PatientDataMap(nCount);
    SetDataMap(pMap, nCount);
    return 0;
}

CRect CPatientForm::AddLabel(int row, const wchar_t* label)
{
    int top = 16 + row * kRowHeight;
    m_labels[row].Create(label, WS_CHILD | WS_VISIBLE | SS_RIGHT, CRect(16, top + 4, 16 + kLabelWidth - 10, top + 26),
                         this);
    m_labels[row].SetFont(&m_font);
    int left = 16 + kLabelWidth;
    return CRect(left, top, left + kEditWidth, top + 28);
}

void CPatientForm::AddEdit(int row, const wchar_t* label, CEdit& edit, UINT nID, int nLimit)
{
    CRect rc = AddLabel(row, label);
    edit.CreateEx(WS_EX_CLIENTEDGE, WC_EDIT, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, rc, this, nID);
    edit.SetFont(&m_font);
    edit.LimitText(nLimit);
}

CStatic& CPatientForm::AddNote(int row, CStatic& note, UINT nID)
{
    int top = 16 + row * kRowHeight, left = 16 + kLabelWidth + kEditWidth + 12;
    note.Create(L"", WS_CHILD | WS_VISIBLE, CRect(left, top + 4, left + 300, top + 26), this, nID);
    note.SetFont(&m_font);
    return note;
}

// Checked as typed: a full ten-character date is judged at once, so the
// message belongs to the keystroke that completed it.
void CPatientForm::OnBirthChanged()
{
    CString text;
    m_birth.GetWindowText(text);
    int year = 0, month = 0, day = 0;
    if (text.GetLength() == 10 && OnChangeBirthday(text, year, month, day))
        ShowAge(year, month, day);
    else
        m_age.SetWindowText(L"");
}

void CPatientForm::ShowAge(int year, int month, int day)
{
    long birth = year * 10000L + month * 100L + day;
    CTime now = CTime::GetCurrentTime();
    double age = CalcAge(int(birth), now);
    CString text = GetBirthAgeText(age, now, birth);
    if (age >= 1)
        text += L"歲";
    m_age.SetWindowText(text.IsEmpty() ? CString() : L"年齡：" + text);
}

bool CPatientForm::TakeBirthFromIdCard()
{
    CString card;
    m_idCard.GetWindowText(card);
    if (card.GetLength() != 18)
        return true;   // a card without a birth date in it
    int year = _wtoi(card.Mid(6, 4)), month = _wtoi(card.Mid(10, 2)), day = _wtoi(card.Mid(12, 2));
    if (!CDate::AdjustBirthDate(year, month, day, 0))
        return false;
    CString birth;
    birth.Format(L"%04d/%02d/%02d", year, month, day);
    m_birth.SetWindowText(birth);   // the change runs the typed-date check and shows the age
    return true;
}

bool CPatientForm::CheckExpiry()
{
    CString text;
    m_expiry.GetWindowText(text);
    if (text.IsEmpty())
    {
        m_expiryShown.SetWindowText(L"");
        return true;
    }
    CTime expiry;
    if (!CDate::AdjustExpiryDate(expiry, text))
        return false;
    // Shown back through the field conversion of a variable-precision date.
    __time64_t value = expiry.GetTime();
    CString shown = CField::GetFieldString(reinterpret_cast<char*>(&value), FIELD_DATE_VARIABLE, 0);
    const wchar_t* precision = expiry.GetHour() == 4 ? L"（年）" : expiry.GetHour() == 6 ? L"（年月）" : L"（日）";
    m_expiryShown.SetWindowText(L"至 " + shown + precision);
    return true;
}

// The form's own checks first, then the table's: a record is changed only
// when every field passed (the table stores into a copy).
void CPatientForm::OnStore()
{
    if (!TakeBirthFromIdCard())
    {
        m_idCard.SetFocus();
        return;
    }
    if (!CheckExpiry())
    {
        m_expiry.SetFocus();
        return;
    }
    DemoPatient typed = m_record;
    if (!GetTextData(this, &typed))
        return;   // the library showed its message and left the focus on the field
    m_record = typed;
    m_stored.SetWindowText(DescribePatient(m_record));
}

void CPatientForm::OnRevert()
{
    SetTextData(this, &m_record);
    CheckExpiry();
}

void CPatientForm::FillSample()
{
    m_record = SamplePatient();
    OnRevert();
    OnStore();
}

}   // namespace

CWnd* CreatePatientForm(CWnd* pParent, const RECT& rect, UINT nID)
{
    return CreateSelfDeletingPage(&CPatientForm::CreateForm, pParent, rect, nID);
}

void FillPatientFormSample(CWnd* pForm)
{
    if (auto* pPatient = dynamic_cast<CPatientForm*>(pForm))
        pPatient->FillSample();
}
