// The demo's sort and search dialogs over the patient list.
#include "button_tools.h"

namespace
{

// The patient list's columns as fields; the offsets only tie the sort keys
// to the fields, the list itself keeps the texts.
enum PatientColumn : int
{
    kChartNo = 0,
    kName = 1,
    kCity = 3,
    kStreet = 4,
    kPhone = 5,
    kAge = 6
};

CfField kPatientFields[] = {
    {8, L"病歷號", kChartNo * 8, FIELD_TEXT, 0, 0, 0},
    {8, L"姓名", kName * 8, FIELD_TEXT, 0, 0, 0},
    {6, L"縣市", kCity * 8, FIELD_TEXT, 0, 0, 0},
    {16, L"街道", kStreet * 8, FIELD_TEXT, 0, 0, 0},
    {12, L"電話", kPhone * 8, FIELD_TEXT, 0, 0, 0},
    {4, L"年齡", kAge * 8, FIELD_INT, 0, 0, 0},
    {6, L"到診", -1, FIELD_RIGHT, 0, 0, 0},
};
const int kPatientFieldCount = static_cast<int>(sizeof(kPatientFields) / sizeof(kPatientFields[0]));

CdSortKey kPatientKeys[] = {
    {L"chart_no", FIELD_TEXT, kChartNo * 8}, {L"name", FIELD_TEXT, kName * 8}, {L"city", FIELD_TEXT, kCity * 8},
    {L"phone", FIELD_TEXT, kPhone * 8},      {L"age", FIELD_INT, kAge * 8},
};
const int kPatientKeyCount = static_cast<int>(sizeof(kPatientKeys) / sizeof(kPatientKeys[0]));

int ColumnOfKey(const CString& strKey)
{
    for (const CdSortKey& key : kPatientKeys)
        if (strKey == key.pszKey)
            return key.nOffset / 8;
    return -1;
}

}   // namespace

void PreparePatientSortDialog(CSortDlg& dialog)
{
    dialog.m_pField = kPatientFields;
    dialog.m_nField = kPatientFieldCount;
    dialog.m_pSortKey = kPatientKeys;
    dialog.m_nSortKey = kPatientKeyCount;
}

void PreparePatientSearchDialog(CSearchDlg& dialog)
{
    dialog.m_pField = kPatientFields;
    dialog.m_nField = kPatientFieldCount;
}

void RunPatientSortDialog(CWnd* pOwner, CWnd* pList, CString& strSort)
{
    auto* pGrid = static_cast<CNewListCtrl*>(pList);
    CSortDlg dialog(pOwner);
    PreparePatientSortDialog(dialog);
    dialog.m_strSort = strSort;
    if (dialog.DoModal() != IDOK)
        return;
    strSort = dialog.m_strResult;
    // The grid sorts by one column: the first key of the list.
    const int nComma = strSort.Find(L',');
    const int nColumn = ColumnOfKey(nComma >= 0 ? strSort.Left(nComma) : strSort);
    if (pGrid != nullptr && nColumn >= 0)
    {
        pGrid->Sort(nColumn, false);
        pGrid->Invalidate();
    }
}

void RunPatientSearchDialog(CWnd* pOwner, CWnd* pList)
{
    auto* pGrid = static_cast<CNewListCtrl*>(pList);
    CSearchDlg dialog(pOwner);
    PreparePatientSearchDialog(dialog);
    if (dialog.DoModal() != IDOK || pGrid == nullptr)
        return;
    if (dialog.m_nFieldIndex < 0 || dialog.m_szText[0] == L'\0')
    {
        AfxMessageBox(L"請選擇欄位並輸入要查找的內容。");
        return;
    }
    const int nColumn = kPatientFields[dialog.m_nFieldIndex].nOffset / 8;
    for (int nRow = 0; nRow < pGrid->GetItemCount(); ++nRow)
    {
        if (pGrid->GetItemText(nRow, nColumn).Find(dialog.m_szText) < 0)
            continue;
        pGrid->SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        pGrid->EnsureVisible(nRow, FALSE);
        pGrid->Invalidate();
        return;
    }
    CString strMessage;
    strMessage.Format(L"找不到「%s」。", dialog.m_szText);
    AfxMessageBox(strMessage);
}
