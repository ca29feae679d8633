#include "common/field.h"

#include <climits>
#include <cstring>
#include <new>

#include "afxcmn.h"
#include "common/fieldcopy.h"

namespace
{

int ClampToInt(long long nValue)
{
    return nValue > INT_MAX ? INT_MAX : (nValue < INT_MIN ? INT_MIN : static_cast<int>(nValue));
}

}   // namespace

CField::CField() : m_pField(nullptr), m_nField(0), m_nRecordLength(0), m_pRecord(nullptr) {}

CField::CField(const CField& source) : CField()
{
    CopyFrom(source);
}

CField& CField::operator=(const CField& source)
{
    if (this != &source)
    {
        FreeField();
        FreeRecord();
        CopyFrom(source);
    }
    return *this;
}

CField::~CField()
{
    FreeField();
    FreeRecord();
}

void CField::CopyFrom(const CField& source)
{
    m_pField = source.m_pField != nullptr ? CopyFields(source.m_pField, source.m_nField) : nullptr;
    m_nField = m_pField != nullptr ? source.m_nField : 0;
    if (source.m_pRecord != nullptr && SetRecordLength(source.m_nRecordLength) != nullptr)
        std::memcpy(m_pRecord, source.m_pRecord, static_cast<size_t>(m_nRecordLength));
}

CfField* CField::CopyFields(const CfField* pSource, int nCount)
{
    if (nCount <= 0)
        return nullptr;
    // Value-initialised, so a caption that cannot be copied stays null.
    CfField* pCopy = new (std::nothrow) CfField[nCount]();
    if (pCopy == nullptr)
        return nullptr;
    for (int i = 0; i < nCount; ++i)
    {
        pCopy[i] = pSource[i];
        pCopy[i].pszName = CopyCaption(pSource[i].pszName);
    }
    return pCopy;
}

void CField::Adopt(CfField* pField, int nCount)
{
    FreeField();
    if (pField == nullptr || nCount <= 0)
    {
        delete[] pField;
        return;
    }
    m_pField = pField;
    m_nField = nCount;
}

void CField::NumberColumns()
{
    long long nPos = 0;
    for (int i = 0; i < m_nField; ++i)
    {
        m_pField[i].nPos = ClampToInt(nPos);
        if (m_pField[i].nOffset != -1)
            nPos += m_pField[i].nWidth;
    }
}

void CField::SetField(CfField* pField, int nCount)
{
    ASSERT(nCount >= 0);
    ASSERT(pField != nullptr || nCount <= 0);
    // Copy before freeing: the source may be this set's own array.
    Adopt(pField != nullptr ? CopyFields(pField, nCount) : nullptr, nCount);
    NumberColumns();
}

void CField::SetField(CrField* pField, int nCount)
{
    ASSERT(nCount >= 0);
    ASSERT(pField != nullptr || nCount <= 0);
    CfField* pCopy = nullptr;
    if (pField != nullptr && nCount > 0)
        pCopy = new (std::nothrow) CfField[nCount]();
    for (int i = 0; pCopy != nullptr && i < nCount; ++i)
    {
        const CrField& source = pField[i];
        CfField& target = pCopy[i];
        target.nWidth = source.nWidth;
        target.nOffset = source.nOffset;
        target.nType = source.nType;
        target.nFormat = source.nFormat;
        target.nPos = source.nPos;
        target.nHead = source.nHead;
        if (source.nNameID != 0)
        {
            CString strCaption;
            strCaption.LoadString(source.nNameID);   // the caller's resources
            target.pszName = CopyCaption(strCaption);
        }
    }
    Adopt(pCopy, nCount);
    NumberColumns();
}

void CField::SetField(CArray<void*, void*>* pFields)
{
    ASSERT(pFields != nullptr);
    int nCount = pFields != nullptr ? ClampToInt(pFields->GetSize()) : 0;
    // Copy before freeing: the elements may point into this set's own array.
    CfField* pCopy = nCount > 0 ? new (std::nothrow) CfField[nCount]() : nullptr;
    int nCopied = 0;
    for (int i = 0; pCopy != nullptr && i < nCount; ++i)
    {
        const CfField* pSource = static_cast<const CfField*>(pFields->GetAt(i));
        ASSERT(pSource != nullptr);
        if (pSource == nullptr)
            continue;
        pCopy[nCopied] = *pSource;
        pCopy[nCopied].pszName = CopyCaption(pSource->pszName);
        ++nCopied;
    }
    // The positions stay as the sources have them.
    Adopt(pCopy, nCopied);
}

int CField::AppendField(const CfField& field)
{
    CfField* pGrown = new (std::nothrow) CfField[m_nField + 1]();
    if (pGrown == nullptr)
        return m_nField;
    for (int i = 0; i < m_nField; ++i)
        pGrown[i] = m_pField[i];   // the captions move to the new array
    pGrown[m_nField] = field;
    pGrown[m_nField].pszName = CopyCaption(field.pszName);
    delete[] m_pField;
    m_pField = pGrown;
    ++m_nField;
    NumberColumns();
    return m_nField;
}

void CField::FreeField()
{
    for (int i = 0; i < m_nField && m_pField != nullptr; ++i)
        FreeCaption(m_pField[i].pszName);
    delete[] m_pField;
    m_pField = nullptr;
    m_nField = 0;
}

void CField::FreeRecord()
{
    delete[] m_pRecord;
    m_pRecord = nullptr;
    m_nRecordLength = 0;
}

long CField::GetRecordLength()
{
    return m_nRecordLength;
}

CfField* CField::GetField(int& nCount)
{
    nCount = m_nField;
    return m_pField;
}

void CField::GetField(CfField** ppField, int* pnCount) const
{
    if (ppField != nullptr)
        *ppField = m_pField;
    if (pnCount != nullptr)
        *pnCount = m_nField;
}

int CField::GetFieldCount()
{
    return m_nField;
}

CString CField::GetFieldName(int nIndex)
{
    ASSERT(nIndex >= 0 && nIndex < m_nField);
    if (nIndex < 0 || nIndex >= m_nField)
        return CString();
    return CString(m_pField[nIndex].pszName);
}

int CField::OffsetToPos(long nOffset)
{
    for (int i = 0; i < m_nField; ++i)
    {
        if (m_pField[i].nOffset == nOffset)
            return i;
    }
    return -1;
}

int CField::IsNeedNewLine(int nNumber)
{
    return nNumber == m_nField ? 1 : 0;
}

char* CField::SetRecordLength(long nLength)
{
    FreeRecord();
    if (nLength <= 0)
        return nullptr;
    m_pRecord = new (std::nothrow) char[static_cast<size_t>(nLength)];
    if (m_pRecord != nullptr)
        m_nRecordLength = nLength;
    return m_pRecord;
}

CString CField::GetString(char* pRecord, int nIndex)
{
    ASSERT(pRecord != nullptr && nIndex >= 0 && nIndex < m_nField);
    if (pRecord == nullptr || nIndex < 0 || nIndex >= m_nField)
        return CString();
    const CfField& field = m_pField[nIndex];
    if (field.nOffset < 0)
        return CString();   // a column without record data has no value
    return GetFieldString(pRecord + field.nOffset, field.nType, field.nFormat);
}

void CField::SetListHead(CListCtrl* pList)
{
    ASSERT(pList != nullptr);
    if (pList == nullptr || pList->GetSafeHwnd() == nullptr)
        return;
    for (int i = 0; i < m_nField; ++i)
    {
        const CfField& field = m_pField[i];
        int nAlign = field.nType == FIELD_DOUBLE ? LVCFMT_RIGHT : LVCFMT_LEFT;
        int nPixels = ClampToInt(static_cast<long long>(field.nWidth) * 10);
        pList->InsertColumn(i, field.pszName != nullptr ? field.pszName : L"", nAlign, nPixels, i);
    }
}
