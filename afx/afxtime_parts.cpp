// Calendar arithmetic and the local time zone, through Win32 only.
#include "afxtime_parts.h"

namespace AfxTimeParts
{

void PartsToSystemTime(const Parts& parts, SYSTEMTIME& st)
{
    st.wYear = WORD(parts.nYear);
    st.wMonth = WORD(parts.nMonth);
    st.wDayOfWeek = WORD(parts.nDayOfWeek);
    st.wDay = WORD(parts.nDay);
    st.wHour = WORD(parts.nHour);
    st.wMinute = WORD(parts.nMinute);
    st.wSecond = WORD(parts.nSecond);
    st.wMilliseconds = 0;
}

namespace
{

constexpr long long kFirstSystemTimeYear = 1601;
constexpr long long kLastSystemTimeYear = 30827;

bool ToSystemTime(long long nWall, SYSTEMTIME& st)
{
    Parts parts = PartsFromWallSeconds(nWall);
    if (parts.nYear < kFirstSystemTimeYear || parts.nYear > kLastSystemTimeYear)
        return false;
    PartsToSystemTime(parts, st);
    return true;
}

long long WallSecondsFromSystemTime(const SYSTEMTIME& st)
{
    return WallSecondsFromParts(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

// Local wall seconds of a UTC instant.
bool LocalWallSeconds(const TIME_ZONE_INFORMATION* pZone, long long nUtc, long long& nWall)
{
    SYSTEMTIME stUtc;
    SYSTEMTIME stLocal;
    if (!ToSystemTime(nUtc, stUtc))
        return false;
    // pZone null: the system's current zone with its own yearly rules.
    if (!SystemTimeToTzSpecificLocalTime(const_cast<TIME_ZONE_INFORMATION*>(pZone), &stUtc, &stLocal))
        return false;
    nWall = WallSecondsFromSystemTime(stLocal);
    return true;
}

TIME_ZONE_INFORMATION ZoneInformation(const TIME_ZONE_INFORMATION* pZone)
{
    if (pZone != nullptr)
        return *pZone;
    TIME_ZONE_INFORMATION zone{};
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
        zone = TIME_ZONE_INFORMATION{};
    return zone;
}

bool HasDaylightTime(const TIME_ZONE_INFORMATION& zone)
{
    return zone.DaylightDate.wMonth != 0 && zone.DaylightBias != zone.StandardBias;
}

}   // namespace

long long FloorDiv(long long a, long long b)
{
    long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// The well-known era arithmetic: 400-year eras of 146097 days, years
// counted from March so that the leap day ends the year.
long long DaysFromCivil(long long nYear, int nMonth, int nDay)
{
    nYear -= nMonth <= 2 ? 1 : 0;
    long long nEra = FloorDiv(nYear, 400);
    long long nYearOfEra = nYear - nEra * 400;
    long long nDayOfYear = (153 * (nMonth > 2 ? nMonth - 3 : nMonth + 9) + 2) / 5 + nDay - 1;
    long long nDayOfEra = nYearOfEra * 365 + nYearOfEra / 4 - nYearOfEra / 100 + nDayOfYear;
    return nEra * 146097 + nDayOfEra - 719468;
}

int DaysInMonth(long long nYear, int nMonth)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    bool bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    return nMonth == 2 && bLeap ? 29 : kDays[nMonth - 1];
}

Parts PartsFromWallSeconds(long long nWall)
{
    Parts parts{};
    long long nDays = FloorDiv(nWall, kSecondsPerDay);
    long long nSecondOfDay = nWall - nDays * kSecondsPerDay;
    parts.nHour = int(nSecondOfDay / 3600);
    parts.nMinute = int(nSecondOfDay / 60 % 60);
    parts.nSecond = int(nSecondOfDay % 60);
    parts.nDayOfWeek = int((nDays + 4) - FloorDiv(nDays + 4, 7) * 7);   // 1970-01-01 was a Thursday

    long long z = nDays + 719468;
    long long nEra = FloorDiv(z, 146097);
    long long nDayOfEra = z - nEra * 146097;
    long long nYearOfEra = (nDayOfEra - nDayOfEra / 1460 + nDayOfEra / 36524 - nDayOfEra / 146096) / 365;
    long long nDayOfMarchYear = nDayOfEra - (365 * nYearOfEra + nYearOfEra / 4 - nYearOfEra / 100);
    long long nMonthFromMarch = (5 * nDayOfMarchYear + 2) / 153;
    parts.nDay = int(nDayOfMarchYear - (153 * nMonthFromMarch + 2) / 5 + 1);
    parts.nMonth = int(nMonthFromMarch < 10 ? nMonthFromMarch + 3 : nMonthFromMarch - 9);
    parts.nYear = nYearOfEra + nEra * 400 + (parts.nMonth <= 2 ? 1 : 0);
    parts.nDayOfYear = int(nDays - DaysFromCivil(parts.nYear, 1, 1));
    return parts;
}

long long WallSecondsFromParts(long long nYear, long long nMonth, long long nDay, long long nHour, long long nMinute,
                               long long nSecond)
{
    long long nMonths = nYear * 12 + (nMonth - 1);
    long long nNormalYear = FloorDiv(nMonths, 12);
    int nNormalMonth = int(nMonths - nNormalYear * 12) + 1;
    long long nDays = DaysFromCivil(nNormalYear, nNormalMonth, 1) + (nDay - 1);
    return nDays * kSecondsPerDay + nHour * 3600 + nMinute * 60 + nSecond;
}

bool UtcToLocal(const TIME_ZONE_INFORMATION* pZone, long long nUtc, Parts& local)
{
    long long nWall;
    if (!LocalWallSeconds(pZone, nUtc, nWall))
        return false;
    local = PartsFromWallSeconds(nWall);
    TIME_ZONE_INFORMATION zone = ZoneInformation(pZone);
    long long nStandardOffset = -60LL * (zone.Bias + zone.StandardBias);
    local.bDST = HasDaylightTime(zone) && nWall - nUtc != nStandardOffset;
    return true;
}

bool LocalToUtc(const TIME_ZONE_INFORMATION* pZone, long long nWall, int nDST, long long& nUtc)
{
    if (nDST >= 0)
    {
        TIME_ZONE_INFORMATION zone = ZoneInformation(pZone);
        LONG nBias = zone.Bias + (nDST > 0 && HasDaylightTime(zone) ? zone.DaylightBias : zone.StandardBias);
        nUtc = nWall + 60LL * nBias;
        SYSTEMTIME st;
        return ToSystemTime(nUtc, st);
    }
    // The offsets in force a day before and a day after: a change of offset
    // near this reading lies between them.
    long long nWallBefore;
    long long nWallAfter;
    if (!LocalWallSeconds(pZone, nWall - kSecondsPerDay, nWallBefore) ||
        !LocalWallSeconds(pZone, nWall + kSecondsPerDay, nWallAfter))
        return false;
    long long nOffsetBefore = nWallBefore - (nWall - kSecondsPerDay);
    long long nOffsetAfter = nWallAfter - (nWall + kSecondsPerDay);
    long long nUtcBefore = nWall - nOffsetBefore;
    long long nUtcAfter = nWall - nOffsetAfter;
    long long nCheck;
    bool bBeforeFits = LocalWallSeconds(pZone, nUtcBefore, nCheck) && nCheck == nWall;
    bool bAfterFits = LocalWallSeconds(pZone, nUtcAfter, nCheck) && nCheck == nWall;
    if (bBeforeFits && bAfterFits)
        nUtc = nUtcBefore < nUtcAfter ? nUtcBefore : nUtcAfter;   // a repeated hour: the earlier
    else if (bAfterFits)
        nUtc = nUtcAfter;
    else
        nUtc = nUtcBefore;   // fits, or a skipped hour: the offset before the change
    return true;
}

}   // namespace AfxTimeParts
