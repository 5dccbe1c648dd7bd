#pragma once

#include <ctime>
// Included here, ahead of every user of this header, so that the function-like
// GetCurrentTime macro of <winbase.h> can be removed once and for all: it
// would otherwise rename CTime::GetCurrentTime wherever <windows.h> follows.
#include <windows.h>
#undef GetCurrentTime

#include "framework/String.h"

// A point in time in whole seconds (a C time_t), read and built in local time.
class CTime
{
public:
    CTime() = default;
    CTime(time_t time) : m_time(time) {}
    // Local time; nDST < 0 lets the C runtime decide on daylight saving.
    // A date the runtime cannot represent gives the time -1.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

    static CTime GetCurrentTime();

    time_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;  // 1-12
    int GetDay() const;    // 1-31
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday ... 7 = Saturday

    // strftime codes, in local time / in UTC.
    CString Format(LPCSTR pszFormat) const;
    CString FormatGmt(LPCSTR pszFormat) const;

    bool operator==(CTime other) const { return m_time == other.m_time; }
    bool operator!=(CTime other) const { return m_time != other.m_time; }
    bool operator<(CTime other) const { return m_time < other.m_time; }
    bool operator>(CTime other) const { return m_time > other.m_time; }
    bool operator<=(CTime other) const { return m_time <= other.m_time; }
    bool operator>=(CTime other) const { return m_time >= other.m_time; }

private:
    // All fields 0 when the runtime cannot convert the time.
    std::tm LocalTm() const;

    time_t m_time = 0;
};
