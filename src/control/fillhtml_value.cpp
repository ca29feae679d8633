// Field lookup and value texts of the HTML filler.
#include "control/fillhtml_value.h"

#include <windows.h>
#include <cstdint>
#include "common/fieldvalue.h"

namespace qvhtml {

namespace {

// FIELD_TEXT_YEAR takes its year from the record's time value at this offset.
const int kRecordYearOffset = 16;

}  // namespace

CaptionTable::CaptionTable(const CfField* pField, int nCount)
{
    if (pField == nullptr || nCount <= 0)
        return;
    m_captions.reserve(nCount);
    for (int i = 0; i < nCount; ++i) {
        const wchar_t* pszName = pField[i].pszName;
        if (pszName != nullptr && *pszName != 0)
            m_captions.push_back({&pField[i], int(wcslen(pszName))});
    }
}

const CfField* CaptionTable::Find(const wchar_t* pszName, int nName, bool bIgnoreCase) const
{
    if (nName <= 0)
        return nullptr;
    for (const Caption& caption : m_captions) {
        if (caption.nLength != nName)
            continue;
        if (::CompareStringOrdinal(pszName, nName, caption.pField->pszName, nName, bIgnoreCase) == CSTR_EQUAL)
            return caption.pField;
    }
    return nullptr;
}

CString MarkerValue(const CfField& field, char* pRecord)
{
    // A field that is not stored in the record has no value.
    if (pRecord == nullptr || field.nOffset < 0)
        return CString();
    char* pValue = pRecord + field.nOffset;
    if (field.nType != FIELD_TEXT_YEAR)
        return CField::GetFieldString(pValue, field.nType, field.nFormat);
    CString strText = CField::GetFieldString(pValue, FIELD_TEXT, field.nFormat);
    __time64_t t = qvfield::ReadValue<__time64_t>(pRecord + kRecordYearOffset);
    if (t <= 0)
        return strText;
    CString strYear;
    strYear.Format(L"%02ld-%s", long(CTime(t).GetYear() % 100), strText);
    return strYear;
}

CString HtmlText(const CString& strValue)
{
    CString strHtml;
    for (int i = 0; i < strValue.GetLength(); ++i) {
        wchar_t ch = strValue[i];
        switch (ch) {
        case L'&': strHtml += L"&amp;"; break;
        case L'<': strHtml += L"&lt;"; break;
        case L'>': strHtml += L"&gt;"; break;
        case L'"': strHtml += L"&quot;"; break;
        default: strHtml += ch; break;
        }
    }
    return strHtml;
}

}  // namespace qvhtml
