// CPrintCommon::GetRecord: a record rebuilt from the texts of its cells.
#include "printcommon.h"
#include "common/fieldvalue.h"
#include <cstdint>
#include <algorithm>
#include <cwchar>

namespace
{

const wchar_t kTotalText[] = L"合計";
const wchar_t kYesText[] = L"是";
const int kNoonHour = 12;
const int kYearOnlyHour = 4;
const int kYearMonthHour = 6;
const int kCenturyBase = 2000;

// The time value of local parts; 0 when they name no valid time.
__time64_t TimeOf(int year, int month, int day, int hour, int minute, int second)
{
    const CTime t(year, month, day, hour, minute, second);
    return t.GetTime() > 0 ? t.GetTime() : 0;
}

// Only the low 32 bits of a time are stored, as the record's writers always did.
void StoreLow32(char* pTarget, __time64_t value)
{
    qvfield::WriteValue<int32_t>(pTarget, static_cast<int32_t>(value));
}

bool IsEmptyOrTotal(const CString& strText)
{
    return strText.IsEmpty() || strText == kTotalText;
}

// The bytes a value of the type occupies in the record; 0 for text (its
// length is that of the text).
long StoredSize(int nType)
{
    switch (nType)
    {
    case FIELD_BYTE2:
    case FIELD_BYTE:
        return 1;
    case FIELD_FLOAT:
    case FIELD_INT:
    case FIELD_LONG:
    case FIELD_FLAG_BIT:
    case FIELD_HOURMINUTE:
    case FIELD_DURATION:
    case FIELD_DATE:
    case FIELD_DATE_IN:
    case FIELD_DATE_SLASH:
    case FIELD_DATE_SLASH_OUT:
    case FIELD_DATEHOUR:
    case FIELD_HHMM_NUMBER:
    case FIELD_YMD_NUMBER2:
    case FIELD_YESNO:
    case FIELD_DATE_VARIABLE:
        return 4;
    case FIELD_DOUBLE:
    case FIELD_DOUBLE_TRIM:
    case FIELD_DOUBLE_IN:
    case FIELD_TIME:
        return 8;
    case FIELD_TS_DATE_SLASH:
    case FIELD_TS_YEARMONTH:
        return sizeof(TIMESTAMP_STRUCT);
    default:
        return 0;
    }
}

}   // namespace

int CPrintCommon::GetRecord(long nRow, char* pRecord)
{
    if (nRow < 0 || nRow >= GetRecordCount() || pRecord == nullptr)
        return 0;
    const long nLength = GetRecordLength();
    for (int i = 0; i < m_nField && m_pField != nullptr; ++i)
    {
        const CfField& f = m_pField[i];
        if (f.nOffset == -1)
            continue;
        const int nType = f.nType;
        // A value that would not fit inside the record is not stored.
        if (f.nOffset < 0 || f.nOffset + StoredSize(nType) > nLength)
            continue;
        const CString strText = GetItemText(nRow, i);
        char* pTarget = pRecord + f.nOffset;
        const wchar_t* psz = strText.GetString();
        switch (nType)
        {
        case FIELD_TEXT:
        case FIELD_TEXT_IN:
        {
            // With its terminator, cut to the room left in the record.
            const long nRoom = (nLength - f.nOffset) / static_cast<long>(sizeof(wchar_t));
            if (nRoom < 1)
                break;
            const long nChars = std::min<long>(strText.GetLength(), nRoom - 1);
            memcpy(pTarget, psz, nChars * sizeof(wchar_t));
            qvfield::WriteValue<wchar_t>(pTarget + nChars * sizeof(wchar_t), 0);
            break;
        }
        case FIELD_BYTE2:
        case FIELD_BYTE:
            qvfield::WriteValue<uint8_t>(pTarget, static_cast<uint8_t>(_wtoi(psz)));
            break;
        case FIELD_FLOAT:
            qvfield::WriteValue<float>(pTarget, static_cast<float>(_wtof(psz)));
            break;
        case FIELD_DOUBLE:
        case FIELD_DOUBLE_TRIM:
        case FIELD_DOUBLE_IN:
            qvfield::WriteValue<double>(pTarget, _wtof(psz));
            break;
        case FIELD_INT:
        case FIELD_LONG:
        case FIELD_FLAG_BIT:
            qvfield::WriteValue<int32_t>(pTarget, _wtoi(psz));
            break;
        case FIELD_TIME:
        {
            int h = 0, m = 0, s = 0;
            __time64_t value = 0;
            if (!strText.IsEmpty() && swscanf(psz, L"%02d:%02d:%02d", &h, &m, &s) == 3)
                value = TimeOf(CTime::GetCurrentTime().GetYear(), 1, 1, h, m, s);
            qvfield::WriteValue<__time64_t>(pTarget, value);
            break;
        }
        case FIELD_HOURMINUTE:
        {
            int h = 0, m = 0;
            __time64_t value = 0;
            if (!strText.IsEmpty() && swscanf(psz, L"%02d時%02d分", &h, &m) == 2)
            {
                const CTime now = CTime::GetCurrentTime();
                value = TimeOf(now.GetYear(), now.GetMonth(), now.GetDay(), h, m, 0);
            }
            StoreLow32(pTarget, value);
            break;
        }
        case FIELD_DURATION:
        {
            // "hh:mm", or "-(hh:mm)" for a negative span.
            const bool bNegative = psz[0] == L'-';
            CString strDigits = strText;
            strDigits.Remove(L'-');
            strDigits.Remove(L'(');
            strDigits.Remove(L')');
            int h = 0, m = 0;
            swscanf(strDigits.GetString(), L"%d:%d", &h, &m);
            const int32_t seconds = (h * 3600 + m * 60) * (bNegative ? -1 : 1);
            qvfield::WriteValue<int32_t>(pTarget, seconds);
            break;
        }
        case FIELD_DATE:
        case FIELD_DATE_IN:
        case FIELD_DATE_SLASH:
        case FIELD_DATE_SLASH_OUT:
        {
            const bool bSlashes = nType == FIELD_DATE_SLASH || nType == FIELD_DATE_SLASH_OUT;
            int y = 0, mo = 0, d = 0;
            __time64_t value = 0;
            if (!IsEmptyOrTotal(strText) &&
                swscanf(psz, bSlashes ? L"%04d/%02d/%02d" : L"%04d%02d%02d", &y, &mo, &d) == 3)
                value = TimeOf(y, mo, d, kNoonHour, 0, 0);
            StoreLow32(pTarget, value);
            break;
        }
        case FIELD_DATEHOUR:
        {
            int y = 0, mo = 0, d = 0, h = 0, mi = 0;
            __time64_t value = 0;
            if (!strText.IsEmpty() && swscanf(psz, L"%02d.%02d.%02d,%02d:%02d", &y, &mo, &d, &h, &mi) == 5)
                value = TimeOf(kCenturyBase + y, mo, d, h, mi, 0);
            StoreLow32(pTarget, value);
            break;
        }
        case FIELD_TS_DATE_SLASH:
        {
            // Stored as the time stamp that DrawData reads back; the printed
            // "yyyy/mm/dd" and the compact "yyyymmdd" are both understood.
            TIMESTAMP_STRUCT stamp = {};
            int y = 0, mo = 0, d = 0;
            if (!strText.IsEmpty() &&
                (swscanf(psz, L"%04d/%02d/%02d", &y, &mo, &d) == 3 || swscanf(psz, L"%04d%02d%02d", &y, &mo, &d) == 3))
            {
                stamp.year = static_cast<SQLSMALLINT>(y);
                stamp.month = static_cast<SQLUSMALLINT>(mo);
                stamp.day = static_cast<SQLUSMALLINT>(d);
            }
            qvfield::WriteValue<TIMESTAMP_STRUCT>(pTarget, stamp);
            break;
        }
        case FIELD_TS_YEARMONTH:
        {
            TIMESTAMP_STRUCT stamp = {};
            int y = 0, mo = 0;
            if (!strText.IsEmpty() && swscanf(psz, L"%04d/%02d", &y, &mo) == 2)
            {
                stamp.year = static_cast<SQLSMALLINT>(y);
                stamp.month = static_cast<SQLUSMALLINT>(mo);
                stamp.day = 1;
            }
            qvfield::WriteValue<TIMESTAMP_STRUCT>(pTarget, stamp);
            break;
        }
        case FIELD_HHMM_NUMBER:
        {
            int h = 0, m = 0;
            if (!strText.IsEmpty())
                swscanf(psz, L"%02d:%02d", &h, &m);
            qvfield::WriteValue<int32_t>(pTarget, h * 100 + m);
            break;
        }
        case FIELD_YMD_NUMBER2:
        {
            const int len = strText.GetLength();
            const int y = _wtoi(psz);
            const int mo = len > 5 ? _wtoi(psz + 5) : 0;
            const int d = len > 8 ? _wtoi(psz + 8) : 0;
            qvfield::WriteValue<int32_t>(pTarget, y * 10000 + mo * 100 + d);
            break;
        }
        case FIELD_YESNO:
            qvfield::WriteValue<int32_t>(pTarget, strText == kYesText ? 1 : 0);
            break;
        case FIELD_DATE_VARIABLE:
        {
            int y = 0, mo = 0, d = 0;
            __time64_t value = 0;
            if (IsEmptyOrTotal(strText))
                value = 0;
            else if (strText.GetLength() == 4)
                value = TimeOf(_wtoi(psz), 1, 1, kYearOnlyHour, 0, 0);
            else if (strText.GetLength() == 6 && swscanf(psz, L"%04d%02d", &y, &mo) == 2)
                value = TimeOf(y, mo, 1, kYearMonthHour, 0, 0);
            else if (swscanf(psz, L"%04d%02d%02d", &y, &mo, &d) == 3)
                value = TimeOf(y, mo, d, 0, 0, 0);
            StoreLow32(pTarget, value);
            break;
        }
        default:
        {
            CString strMessage;
            strMessage.Format(L"Unknown data format %d", nType);
            AfxMessageBox(strMessage);
            ASSERT(FALSE);
            break;
        }
        }
    }
    return 1;
}
