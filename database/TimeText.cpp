#include "database/TimeText.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
const int kMostHours = 99;
const int kMostMinutes = kMostHours * 60 + 59;
}  // namespace

CString FormatTimeText(int hours, int minutes)
{
    if (hours < 0)
        hours = 0;
    if (minutes < 0)
        minutes = 0;
    if (minutes > 59)
    {
        hours += minutes / 60;
        minutes %= 60;
    }
    if (hours > kMostHours)
        hours = kMostHours;
    CString text;
    text.Format("%d:%02d", hours, minutes);
    return text;
}

void ParseTimeText(const char* text, int& hours, int& minutes)
{
    const char* colon = strchr(text, ':');
    if (!colon)
    {
        hours = 0;
        minutes = atoi(text);
        return;
    }
    hours = atoi(text);
    minutes = colon[1] ? atoi(colon + 1) : 0;
}

// The three times and their sum are stored in 16-bit columns: each stays within what a time
// shows (99:59), so that neither a part nor the total wraps.
void ParseTimeTextToMinutes(const char* text, int& minutes)
{
    int hours = 0;
    ParseTimeText(text, hours, minutes);
    const long long total = static_cast<long long>(hours) * 60 + minutes;
    minutes = static_cast<int>(std::min<long long>(std::max<long long>(total, 0), kMostMinutes));
}
