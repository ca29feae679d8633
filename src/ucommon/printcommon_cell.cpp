// CPrintCommon::DrawData and Draw: a value's text by data type, in its cell.
#include "printcommon.h"
#include "common/fieldvalue.h"
#include <cstdint>
#include <cstdlib>

namespace
{

// Alignments handed to Draw (DrawText's DT_LEFT, DT_CENTER, DT_RIGHT).
const UINT kLeft = DT_LEFT;
const UINT kCentre = DT_CENTER;
const UINT kRight = DT_RIGHT;
// Draw adds vertical centring on one line.
const UINT kCellFormat = DT_VCENTER | DT_SINGLELINE;
// The hour of a type 35 time that says how much of the date is known.
const int kYearOnlyHour = 4;
const int kYearMonthHour = 6;
const int kFirstStampYear = 1900;
const double kSmallestAmount = 0.0001;

struct StampDate
{
    int year, month, day, hour;
};

StampDate ReadStamp(const void* pValue)
{
    const auto stamp = qvfield::ReadValue<TIMESTAMP_STRUCT>(pValue);
    return {stamp.year, stamp.month, stamp.day, stamp.hour};
}

bool IsPrintableStamp(const StampDate& s)
{
    return s.hour < 25 && s.month < 13 && s.day < 32 && s.year > kFirstStampYear - 1;
}

// "%%.%df" with the parameter: that many decimals.
CString Decimals(double value, int nDecimals, bool bLongFormat)
{
    CString strFormat, strText;
    strFormat.Format(bLongFormat ? L"%%.%dlf" : L"%%.%df", nDecimals);
    strText.Format(strFormat, value);
    return strText;
}

}   // namespace

void CPrintCommon::Draw(CDC* pDC, const CString& strText, CRect rect, UINT nFormat)
{
    pDC->MoveTo(rect.right, rect.top);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->DrawText(strText, &rect, nFormat | kCellFormat);
}

void CPrintCommon::DrawData(CDC* pDC, CRect rect, int nType, void* pValue, int nFormat)
{
    nType &= ~FIELD_TYPE_FLAG;
    CString strText;
    UINT nAlign = kLeft;
    switch (nType)
    {
    case FIELD_TEXT:
        strText = static_cast<const wchar_t*>(pValue);
        break;
    case FIELD_TEXT_IN:
        strText = static_cast<const wchar_t*>(pValue);
        nAlign = kCentre;
        break;
    case FIELD_BYTE2:
        strText.Format(L"%02d", qvfield::ReadValue<int8_t>(pValue));
        break;
    case FIELD_BYTE:
    {
        const int value = qvfield::ReadValue<int8_t>(pValue);
        if (value >= 1)
            strText.Format(L"%d", value);
        break;
    }
    case FIELD_INT:
    case FIELD_LONG:
    {
        const int32_t value = qvfield::ReadValue<int32_t>(pValue);
        if (value != 0)
            strText.Format(nType == FIELD_INT ? L"%d" : L"%ld", value);
        nAlign = kRight;
        break;
    }
    case FIELD_YESNO:
        strText = qvfield::ReadValue<int32_t>(pValue) != 0 ? L"是" : L"否";
        break;
    case FIELD_FLOAT:
        strText = Decimals(qvfield::ReadValue<float>(pValue), nFormat, false);
        nAlign = kRight;
        break;
    case FIELD_DOUBLE:
    {
        const double value = qvfield::ReadValue<double>(pValue);
        if (value == 0)
            return;   // nothing at all, not even the cell's edge
        strText = Decimals(value, nFormat, true);
        nAlign = kRight;
        break;
    }
    case FIELD_DOUBLE_TRIM:
    {
        const double value = qvfield::ReadValue<double>(pValue);
        if (value == 0)
            return;
        if (static_cast<long>(value * 10) % 10 == 0)
            strText.Format(L"%.0lf  ", value);
        else
            strText = Decimals(value, nFormat, true);
        nAlign = kRight;
        break;
    }
    case FIELD_DOUBLE_IN:
    {
        const double value = qvfield::ReadValue<double>(pValue);
        if (value >= kSmallestAmount)
        {
            if (static_cast<long>(value) % 100 == 0)
                strText.Format(static_cast<long>(value * 10) % 10 == 0 ? L"%.0lf" : L"%.1lf", value);
            else
                strText = Decimals(value, nFormat, true);
        }
        nAlign = kRight;
        break;
    }
    case FIELD_TIME:
    {
        const CTime t(qvfield::ReadValue<__time64_t>(pValue));
        if (t.GetTime() > 0)
            strText.Format(L"%02d:%02d:%02d", t.GetHour(), t.GetMinute(), t.GetSecond());
        break;
    }
    case FIELD_HOURMINUTE:
    {
        const CTime t(qvfield::ReadValue<__time64_t>(pValue));
        if (t.GetTime() > 0)
            strText.Format(L"%02d時%02d分", t.GetHour(), t.GetMinute());
        break;
    }
    case FIELD_DURATION:
    {
        const long long s = qvfield::ReadValue<long long>(pValue);
        const long long a = s < 0 ? -s : s;
        if (s > 0)
            strText.Format(L"%02d:%02d", static_cast<int>(a / 3600), static_cast<int>((a / 60) % 60));
        else if (s < 0)
            strText.Format(L"-(%2d:%2d)", static_cast<int>(a / 3600), static_cast<int>((a / 60) % 60));
        nAlign = kCentre;
        break;
    }
    case FIELD_DATE:
    case FIELD_DATE_SLASH:
    {
        const CTime t(qvfield::ReadValue<__time64_t>(pValue));
        if (t.GetTime() != 0)
            strText.Format(L"%04d%02d%02d", t.GetYear(), t.GetMonth(), t.GetDay());
        else if (m_bTotalRow)
            strText = L"合計";
        break;
    }
    case FIELD_DATE_IN:
    {
        const CTime t(qvfield::ReadValue<__time64_t>(pValue));
        if (t.GetTime() != 0)
            strText.Format(L"%02d%02d%02d", t.GetYear() % 100, t.GetMonth(), t.GetDay());
        break;
    }
    case FIELD_DATE_VARIABLE:
    {
        const CTime t(qvfield::ReadValue<__time64_t>(pValue));
        if (t.GetTime() == 0)
            break;
        if (t.GetHour() == kYearOnlyHour)
            strText.Format(L"%04d", t.GetYear());
        else if (t.GetHour() == kYearMonthHour)
            strText.Format(L"%04d/%02d", t.GetYear(), t.GetMonth());
        else
            strText.Format(L"%02d/%02d/%02d", t.GetYear() % 100, t.GetMonth(), t.GetDay());
        break;
    }
    case FIELD_DATEHOUR:
    {
        const CTime t(qvfield::ReadValue<__time64_t>(pValue));
        if (t.GetTime() != 0)
            strText.Format(L"%04d.%02d.%02d,%02d", t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour());
        break;
    }
    case FIELD_TS_DATE_SLASH:
    case FIELD_TS_YEARMONTH:
    {
        const StampDate s = ReadStamp(pValue);
        if (IsPrintableStamp(s))
        {
            if (nType == FIELD_TS_DATE_SLASH)
                strText.Format(L"%04d/%02d/%02d", s.year, s.month, s.day);
            else
                strText.Format(L"%04d/%02d", s.year, s.month);
        }
        break;
    }
    default:
    {
        CString strMessage;
        strMessage.Format(L"Data Type %d is unknown in file %s", nType, L"ucommon/printcommon");
        AfxMessageBox(strMessage);
        return;
    }
    }
    Draw(pDC, strText, rect, nAlign);
}
