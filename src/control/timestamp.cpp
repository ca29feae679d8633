// CTimeStamp: conversions and calendar steps of a database time stamp.
#include "control/timestamp.h"

#include <cstring>

namespace
{

void SetParts(TIMESTAMP_STRUCT& stamp, int year, int month, int day, int hour, int minute, int second)
{
    stamp.year = SQLSMALLINT(year);
    stamp.month = SQLUSMALLINT(month);
    stamp.day = SQLUSMALLINT(day);
    stamp.hour = SQLUSMALLINT(hour);
    stamp.minute = SQLUSMALLINT(minute);
    stamp.second = SQLUSMALLINT(second);
}

}   // namespace

CTimeStamp::CTimeStamp()
{
    memset(&m_stamp, 0, sizeof m_stamp);
}

CTimeStamp::CTimeStamp(const TIMESTAMP_STRUCT& stamp) : m_stamp(stamp) {}

CTimeStamp::CTimeStamp(const COleDateTime& t) : CTimeStamp()
{
    SetParts(m_stamp, t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond());
}

CTimeStamp::CTimeStamp(const CTime& t) : CTimeStamp()
{
    SetParts(m_stamp, t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond());
}

CTimeStamp::CTimeStamp(const CTimeStamp& other) : m_stamp(other.m_stamp) {}

CTimeStamp& CTimeStamp::operator=(const CTimeStamp& other)
{
    m_stamp = other.m_stamp;
    return *this;
}

CTimeStamp::~CTimeStamp() = default;

void CTimeStamp::GetTime(TIMESTAMP_STRUCT& stamp) const
{
    stamp = m_stamp;
}
void CTimeStamp::SetTime(const TIMESTAMP_STRUCT& stamp)
{
    m_stamp = stamp;
}

void CTimeStamp::GetTime(CTime& t) const
{
    t = CTime(m_stamp.year, m_stamp.month, m_stamp.day, m_stamp.hour, m_stamp.minute, m_stamp.second);
}

void CTimeStamp::GetDate(CTime& t) const
{
    t = CTime(m_stamp.year, m_stamp.month, m_stamp.day, 0, 0, 0);
}

int CTimeStamp::GetTime(COleDateTime& t) const
{
    t = COleDateTime(m_stamp.year, m_stamp.month, m_stamp.day, m_stamp.hour, m_stamp.minute, m_stamp.second);
    return 1;
}

void CTimeStamp::Now()
{
    CTime now = CTime::GetCurrentTime();
    SetParts(m_stamp, now.GetYear(), now.GetMonth(), now.GetDay(), now.GetHour(), now.GetMinute(), now.GetSecond());
}

int CTimeStamp::IsNull() const
{
    return m_stamp.year == 0 ? 1 : 0;
}

void CTimeStamp::Noon()
{
    m_stamp.hour = 12;
    m_stamp.minute = 0;
    m_stamp.second = 0;
}

void CTimeStamp::MonthFirstDay()
{
    m_stamp.day = 1;
}

void CTimeStamp::NextYear(int n)
{
    if (!IsNull())
        m_stamp.year = SQLSMALLINT(m_stamp.year + n);
}

bool CTimeStamp::NextDay()
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // A month outside 1 to 12 has no length to step within: treated as missing.
    if (m_stamp.year == 0 || m_stamp.month == 0 || m_stamp.day == 0 || m_stamp.month > 12)
        return false;
    int length = kDays[m_stamp.month - 1];
    if (m_stamp.month == 2 && m_stamp.year % 4 == 0)
        length = 29;   // stamps count every fourth year as a leap year
    if (++m_stamp.day > length)
    {
        m_stamp.day = 1;
        if (++m_stamp.month > 12)
        {
            m_stamp.month = 1;
            ++m_stamp.year;
        }
    }
    return true;
}

long CTimeStamp::GetAge() const
{
    CTime now = CTime::GetCurrentTime();
    long years = now.GetYear() - m_stamp.year;
    if (now.GetMonth() < m_stamp.month)
        --years;
    return years < 0 ? 0 : years;
}

int CTimeStamp::operator>(const CTimeStamp& other) const
{
    const TIMESTAMP_STRUCT& a = m_stamp;
    const TIMESTAMP_STRUCT& b = other.m_stamp;
    const long long lhs[6] = {a.year, a.month, a.day, a.hour, a.minute, a.second};
    const long long rhs[6] = {b.year, b.month, b.day, b.hour, b.minute, b.second};
    for (int i = 0; i < 6; ++i)
        if (lhs[i] != rhs[i])
            return lhs[i] > rhs[i] ? 1 : 0;
    return 0;
}
