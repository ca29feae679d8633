// Grids whose columns and rows come from field descriptors: SetListHead turns
// a CfField array into columns; CFieldListCtrl fills rows from records laid
// out one after the other; CArrayFieldListCtrl from an array of record pointers.
#pragma once

#include "afxwin.h"
#include "afxtempl.h"
#include "qvapi.h"
#include "common/field.h"
#include "common/listctrl.h"

// Makes one column per field (the grid's window must exist): captions,
// widths of nWidth characters, group captions for fields not stored in the
// record, alignment and check boxes by data type. A null array only sets the
// header's text colour.
QVCTRL_API void SetListHead(CNewListCtrl* pList, const CfField* pFields, int nCount, DWORD crText);
QVCTRL_API void SetListHead(CNewListCtrl& list, const CfField* pFields, int nCount, DWORD crText);

class QVCTRL_API CFieldListCtrl : public CNewListCtrl, public CField
{
    DECLARE_DYNAMIC(CFieldListCtrl)
public:
    CFieldListCtrl() = default;
    ~CFieldListCtrl() override;

    // Deletes every row (when the window exists); subclasses fill it again.
    virtual void SetList(void* pSource);

    void SetListHead(DWORD crText);
    // Rows from nCount records nRecordSize bytes apart.
    void SetList(void* pRecords, int nRecordSize, int nCount);
    // A new last row (with state image 1) from a record; answers its index.
    int AddRow(const void* pRecord);
    // The texts of an existing row from a record.
    void SetRowItems(int nRow, const void* pRecord);

protected:
    // The text of field i of a record; empty for fields not stored in it.
    CString FieldText(const void* pRecord, int nField) const;
};

// The library's growable array, as the field-driven lists take record pointers.
template <class TYPE> class Array : public CArray<TYPE, TYPE>
{
};

class QVCTRL_API CArrayFieldListCtrl : public CFieldListCtrl
{
    DECLARE_DYNAMIC(CArrayFieldListCtrl)
public:
    using CFieldListCtrl::SetList;
    // pSource is an Array<void*>*.
    void SetList(void* pSource) override;
    virtual void SetList(Array<void*>* pRecords);
};
