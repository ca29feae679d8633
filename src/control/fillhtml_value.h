// The pieces of the HTML filler shared by its forms: finding the field that
// a marker names and the text of its value. Internal to the HTML filler.
#pragma once

#include <vector>
#include "afxstr.h"
#include "common/field.h"

namespace qvhtml {

// The captions of a field array, ready for many lookups.
class CaptionTable
{
public:
    CaptionTable(const CfField* pField, int nCount);
    // The first field whose caption equals the name (ignoring case when
    // bIgnoreCase), or null. An empty name matches nothing.
    const CfField* Find(const wchar_t* pszName, int nName, bool bIgnoreCase) const;

private:
    struct Caption
    {
        const CfField* pField;
        int nLength;
    };
    std::vector<Caption> m_captions;
};

// The text that replaces a marker of this field: the field's value in the
// record as field text; for FIELD_TEXT_YEAR the text prefixed with the
// two-digit year of the record's time at byte 16, when that time is set.
CString MarkerValue(const CfField& field, char* pRecord);

// The value as HTML text: "&", "<", ">" and '"' become entities.
CString HtmlText(const CString& strValue);

}  // namespace qvhtml
