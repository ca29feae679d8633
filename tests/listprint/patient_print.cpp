#include "patient_print.h"

#include <cstddef>

CfField CPatientPrint::s_fields[7] = {
    {10, L"姓名", offsetof(PatientRecord, name), FIELD_TEXT, 0, 0, 0},
    {12, L"身分證", offsetof(PatientRecord, idCard), FIELD_TEXT, 0, 0, 0},
    {10, L"生日", offsetof(PatientRecord, birth), FIELD_DATE_SLASH, 0, 0, 0},
    {4, L"備註", -1, FIELD_TEXT, 0, 0, 0},
    {10, L"費用", offsetof(PatientRecord, fee), FIELD_DOUBLE, 2, 0, 0},
    {6, L"次數", offsetof(PatientRecord, visits), FIELD_INT, 0, 0, 0},
    {6, L"健保", offsetof(PatientRecord, insured), FIELD_YESNO, 0, 0, 0},
};

CPatientPrint::CPatientPrint()
{
    SetPrintField(s_fields, 7);
    m_strTitle = L"病患清單";
}

CString CPatientPrint::GetItemText(long nRow, int nField)
{
    CString text;
    switch (nField)
    {
    case 0:
        text.Format(L"病患%04ld", nRow + 1);
        break;
    case 1:
        text.Format(L"A1%08ld", nRow + 1);
        break;
    case 2:
        text.Format(L"%04ld/%02ld/15", 1971 + nRow % 50, 1 + nRow % 12);
        break;
    case 4:
        text.Format(L"%ld.50", 100 + nRow);
        break;
    case 5:
        text.Format(L"%ld", nRow % 7);
        break;
    case 6:
        text = nRow % 2 ? L"是" : L"否";
        break;
    default:
        break;
    }
    return text;
}

void CPatientPrint::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    // Big5 makes the printer driver embed the Ming face for the Chinese text.
    m_font.DeleteObject();
    m_font.CreateFont(-GetRealFontHeight(pDC, 10), 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0,
                      L"新細明體");
    m_pOldFont = pDC->SelectObject(&m_font);
    CListPrint::OnBeginPrinting(pDC, pInfo);
}

void CPatientPrint::EndJob(CDC* pDC)
{
    if (m_pOldFont != nullptr)
        pDC->SelectObject(m_pOldFont);
    m_pOldFont = nullptr;
}

BOOL CPatientView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->m_bDirect = TRUE;   // no dialog: the default printer
    pInfo->m_strDocName = m_docName.c_str();
    return m_pPrint->OnPreparePrinting(pInfo);
}

void PrintDirect(CPatientPrint* pPrint, const std::wstring& docName)
{
    auto* frame = new CFrameWnd;
    frame->Create(nullptr, L"QV list print test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300));
    auto* view = new CPatientView(pPrint, docName);
    view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), frame, AFX_IDW_PANE_FIRST);
    frame->SetActiveView(view);
    view->OnFilePrint();
    frame->DestroyWindow();
}
