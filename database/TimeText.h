#pragma once

#include "framework/String.h"

// Times as "h:mm": minutes over 59 carry into the hours, negative parts count as 0 and
// the hours stop at 99.
CString FormatTimeText(int hours, int minutes);

// "45" is 45 minutes, "1:" one hour, "1:30" an hour and a half; no caps are applied.
void ParseTimeText(const char* text, int& hours, int& minutes);
// The same as minutes, held to 0 ... 99:59.
void ParseTimeTextToMinutes(const char* text, int& minutes);
