// The patient form: a child window built from the framework's static, edit
// and button controls, checking what is typed with the library's date rules.
#include "patient_form.h"

namespace {

enum : UINT {
    IDC_NAME = 2001,
    IDC_IDCARD,
    IDC_BIRTH,
    IDC_AGE,
    IDC_EXPIRY,
    IDC_EXPIRY_SHOWN,
    IDC_CHECK,
};

const int kLabelWidth = 300;
const int kEditWidth = 220;
const int kRowHeight = 36;

class CPatientForm : public CWnd
{
public:
    BOOL CreateForm(CWnd* pParent, const RECT& rect, UINT nID);
    void FillSample();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnBirthChanged();
    afx_msg void OnCheck();
    void PostNcDestroy() override { delete this; }

private:
    void AddRow(int row, const wchar_t* label, CEdit& edit, UINT nEditID, int nLimit, CStatic* pNote, UINT nNoteID);
    // The birth date in an 18-character identity card (characters 7 to 14,
    // yyyymmdd), checked with the identity-card rules; false when refused.
    bool TakeBirthFromIdCard();
    bool CheckExpiry();
    void ShowAge(int year, int month, int day);

    CFont m_font;
    CStatic m_labels[4];
    CEdit m_name, m_idCard, m_birth, m_expiry;
    CStatic m_age, m_expiryShown;
    CButton m_check;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPatientForm, CWnd)
    ON_WM_CREATE()
    ON_EN_CHANGE(IDC_BIRTH, OnBirthChanged)
    ON_BN_CLICKED(IDC_CHECK, OnCheck)
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
    AddRow(0, L"姓名", m_name, IDC_NAME, 20, nullptr, 0);
    AddRow(1, L"身份證號", m_idCard, IDC_IDCARD, 18, nullptr, 0);
    AddRow(2, L"出生日期 (yyyy/mm/dd)", m_birth, IDC_BIRTH, 10, &m_age, IDC_AGE);
    AddRow(3, L"有效期限 (2005、200501、20050101)", m_expiry, IDC_EXPIRY, 8, &m_expiryShown, IDC_EXPIRY_SHOWN);
    CRect button(16 + kLabelWidth, 16 + 4 * kRowHeight, 16 + kLabelWidth + 100, 16 + 4 * kRowHeight + 28);
    m_check.Create(L"確定", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, button, this, IDC_CHECK);
    m_check.SetFont(&m_font);
    return 0;
}

void CPatientForm::AddRow(int row, const wchar_t* label, CEdit& edit, UINT nEditID, int nLimit, CStatic* pNote,
                          UINT nNoteID)
{
    int top = 16 + row * kRowHeight;
    m_labels[row].Create(label, WS_CHILD | WS_VISIBLE | SS_RIGHT, CRect(16, top + 4, 16 + kLabelWidth - 10, top + 26),
                         this);
    m_labels[row].SetFont(&m_font);
    int left = 16 + kLabelWidth;
    edit.CreateEx(WS_EX_CLIENTEDGE, WC_EDIT, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                  CRect(left, top, left + kEditWidth, top + 28), this, nEditID);
    edit.SetFont(&m_font);
    edit.LimitText(nLimit);
    if (pNote) {
        pNote->Create(L"", WS_CHILD | WS_VISIBLE, CRect(left + kEditWidth + 12, top + 4, left + kEditWidth + 260, top + 26),
                      this, nNoteID);
        pNote->SetFont(&m_font);
    }
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
        return true;  // a card without a birth date in it
    int year = _wtoi(card.Mid(6, 4)), month = _wtoi(card.Mid(10, 2)), day = _wtoi(card.Mid(12, 2));
    if (!CDate::AdjustBirthDate(year, month, day, 0))
        return false;
    CString birth;
    birth.Format(L"%04d/%02d/%02d", year, month, day);
    m_birth.SetWindowText(birth);  // the change runs the typed-date check and shows the age
    return true;
}

bool CPatientForm::CheckExpiry()
{
    CString text;
    m_expiry.GetWindowText(text);
    if (text.IsEmpty()) {
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

void CPatientForm::OnCheck()
{
    if (!TakeBirthFromIdCard()) {
        m_idCard.SetFocus();
        return;
    }
    if (!CheckExpiry()) {
        m_expiry.SetFocus();
        return;
    }
}

void CPatientForm::FillSample()
{
    m_name.SetWindowText(L"王小明");
    m_idCard.SetWindowText(L"110101198803150017");
    m_expiry.SetWindowText(L"202612");
    OnCheck();
}

}  // namespace

CWnd* CreatePatientForm(CWnd* pParent, const RECT& rect, UINT nID)
{
    auto* pForm = new CPatientForm;
    if (!pForm->CreateForm(pParent, rect, nID)) {
        delete pForm;
        return nullptr;
    }
    return pForm;
}

void FillPatientFormSample(CWnd* pForm)
{
    if (auto* pPatient = dynamic_cast<CPatientForm*>(pForm))
        pPatient->FillSample();
}
