#include "framework/Time.h"

#include <vector>

namespace {
std::tm ToTm(const std::tm* pTm)
{
    return pTm != nullptr ? *pTm : std::tm{};
}

CString FormatTm(const std::tm& tm, LPCSTR pszFormat)
{
    if (pszFormat == nullptr || *pszFormat == '\0')
        return CString();
    // strftime gives 0 both for "too small" and for an empty result: grow a
    // few times, then take the result as empty.
    for (size_t size = 128; size <= 0x10000; size *= 4)
    {
        std::vector<char> buffer(size);
        const size_t length = std::strftime(buffer.data(), size, pszFormat, &tm);
        if (length > 0)
            return CString(buffer.data(), static_cast<int>(length));
    }
    return CString();
}
}  // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    std::tm tm{};
    tm.tm_year = nYear - 1900;
    tm.tm_mon = nMonth - 1;
    tm.tm_mday = nDay;
    tm.tm_hour = nHour;
    tm.tm_min = nMin;
    tm.tm_sec = nSec;
    tm.tm_isdst = nDST;
    m_time = std::mktime(&tm);
}

CTime CTime::GetCurrentTime()
{
    return CTime(std::time(nullptr));
}

std::tm CTime::LocalTm() const
{
    return ToTm(std::localtime(&m_time));
}

int CTime::GetYear() const
{
    return LocalTm().tm_year + 1900;
}
int CTime::GetMonth() const
{
    return LocalTm().tm_mon + 1;
}
int CTime::GetDay() const
{
    return LocalTm().tm_mday;
}
int CTime::GetHour() const
{
    return LocalTm().tm_hour;
}
int CTime::GetMinute() const
{
    return LocalTm().tm_min;
}
int CTime::GetSecond() const
{
    return LocalTm().tm_sec;
}
int CTime::GetDayOfWeek() const
{
    return LocalTm().tm_wday + 1;
}

CString CTime::Format(LPCSTR pszFormat) const
{
    return FormatTm(LocalTm(), pszFormat);
}

CString CTime::FormatGmt(LPCSTR pszFormat) const
{
    return FormatTm(ToTm(std::gmtime(&m_time)), pszFormat);
}
