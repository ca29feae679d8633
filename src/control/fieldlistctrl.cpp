// The field-driven list set-up and the grids filled from records.
#include "control/fieldlistctrl.h"

namespace
{

const int kUnitPixels = 10;       // column pixels per character of nWidth
const int kBaseFontHeight = 16;   // enlarged grids widen their units past this font height
const UINT kFieldColumnMask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
const UINT kFirstRowState = INDEXTOSTATEIMAGEMASK(1);

// The column format of a data type: right-aligned amounts, numeric longs,
// centred months, left-aligned the rest.
int ColumnFormatOf(int nType)
{
    switch (nType)
    {
    case FIELD_DOUBLE:
    case FIELD_RIGHT:
        return LVCFMT_RIGHT;
    case FIELD_LONG:
        return LVCFMT_RIGHT | HEADFMT_DIGIT;
    case FIELD_YM01_NUMBER:
        return LVCFMT_CENTER;
    default:
        return LVCFMT_LEFT;
    }
}

}   // namespace

void SetListHead(CNewListCtrl* pList, const CfField* pFields, int nCount, DWORD crText)
{
    ASSERT(pList != nullptr);
    if (!pList || !pList->GetSafeHwnd())
        return;
    pList->SetHeaderTextColor(crText);
    if (!pFields)
        return;
    pList->DeleteAllItems();
    while (pList->GetFieldCount() > 0 && pList->DeleteColumn(0))
    {
    }
    int nUnit = kUnitPixels;
    if (pList->IsEnlarged() && pList->GetFontHeight() > kBaseFontHeight)
        nUnit = pList->GetFontHeight() * kUnitPixels / kBaseFontHeight;

    for (int i = 0; i < nCount; ++i)
    {
        const CfField& field = pFields[i];
        LVCOLUMN column{};
        column.mask = kFieldColumnMask;
        column.pszText = const_cast<LPWSTR>(field.pszName ? field.pszName : L"");
        column.iSubItem = i;
        // A field outside the record is a group caption as wide as nHead units.
        const bool bGroup = field.nOffset == -1;
        column.cx = bGroup ? 0 : field.nWidth * nUnit;
        column.iOrder = bGroup ? field.nHead * nUnit : field.nHead;
        column.fmt = ColumnFormatOf(field.nType);
        if (field.nType & FIELD_TYPE_FLAG)
        {
            column.mask |= LVCF_IMAGE;   // a check-box column
            if (field.nType == FIELD_TYPE_FLAG)
                column.fmt = LVCFMT_LEFT;
        }
        pList->InsertColumn(i, &column);
    }
}

void SetListHead(CNewListCtrl& list, const CfField* pFields, int nCount, DWORD crText)
{
    SetListHead(&list, pFields, nCount, crText);
}

IMPLEMENT_DYNAMIC(CFieldListCtrl, CNewListCtrl)

CFieldListCtrl::~CFieldListCtrl() = default;

void CFieldListCtrl::SetListHead(DWORD crText)
{
    ::SetListHead(this, m_pField, m_nField, crText);
}

void CFieldListCtrl::SetList(void*)
{
    if (GetSafeHwnd())
        DeleteAllItems();
}

void CFieldListCtrl::SetList(void* pRecords, int nRecordSize, int nCount)
{
    DeleteAllItems();
    if (!pRecords)
        return;
    const char* pRecord = static_cast<const char*>(pRecords);
    for (int i = 0; i < nCount; ++i, pRecord += nRecordSize)
    {
        const int nRow = AppendBlank(1);
        if (nRow < 0 || nRow >= GetItemCount())
            return;
        SetRowItems(nRow, pRecord);
    }
}

CString CFieldListCtrl::FieldText(const void* pRecord, int nField) const
{
    const CfField& field = m_pField[nField];
    if (!pRecord || field.nOffset < 0)
        return CString();
    char* pValue = const_cast<char*>(static_cast<const char*>(pRecord)) + field.nOffset;
    return GetFieldString(pValue, field.nType, field.nFormat);
}

int CFieldListCtrl::AddRow(const void* pRecord)
{
    const CString strFirst = m_nField > 0 ? FieldText(pRecord, 0) : CString();
    LVITEM item{};
    item.mask = LISTMASK_TEXT | LISTMASK_STATE;
    item.iItem = GetItemCount();
    item.state = kFirstRowState;
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.pszText = const_cast<LPWSTR>(strFirst.GetString());
    const int nRow = InsertItem(&item);
    if (nRow < 0)
        return nRow;
    for (int i = 1; i < m_nField; ++i)
        SetItemText(nRow, i, FieldText(pRecord, i));
    return nRow;
}

void CFieldListCtrl::SetRowItems(int nRow, const void* pRecord)
{
    if (nRow < 0 || nRow >= GetItemCount())
        return;
    for (int i = 0; i < m_nField; ++i)
        if (!SetItemText(nRow, i, FieldText(pRecord, i)))
            break;
}

IMPLEMENT_DYNAMIC(CArrayFieldListCtrl, CFieldListCtrl)

void CArrayFieldListCtrl::SetList(void* pSource)
{
    SetList(static_cast<Array<void*>*>(pSource));
}

void CArrayFieldListCtrl::SetList(Array<void*>* pRecords)
{
    DeleteAllItems();
    if (!pRecords)
        return;
    for (INT_PTR i = 0; i < pRecords->GetSize(); ++i)
        AddRow(pRecords->GetAt(i));
}
