#include "shell/services/TextUtilities.h"

#include <cstring>

#include "framework/String.h"

namespace {

BOOL IsNumberChar(char c)
{
    return c != '\0' && std::strchr("0123456789.", c) != nullptr;
}

BOOL IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

char* TrimLeadingBlanks(char* text)
{
    if (text == nullptr)
        return text;
    const char* start = SkipBlanks(text);
    std::memmove(text, start, std::strlen(start) + 1);
    return text;
}

char* TrimTrailingBlanks(char* text)
{
    if (text == nullptr)
        return text;
    size_t length = std::strlen(text);
    while (length > 0 && text[length - 1] == ' ')
        text[--length] = '\0';
    return text;
}

BOOL IsBlank(LPCSTR text)
{
    return text == nullptr || *SkipBlanks(text) == '\0';
}

LPCSTR SkipBlanks(LPCSTR text)
{
    while (text != nullptr && *text == ' ')
        ++text;
    return text;
}

LPCSTR NextNumberStart(LPCSTR text)
{
    while (IsNumberChar(*text))
        ++text;
    while (*text != '\0' && !IsDigit(*text))
        ++text;
    return text;
}

void ApplyPluralParentheses(CString& word, double quantity)
{
    const int open = word.Find('(');
    const int close = word.Find(')', open + 1);
    if (open < 0 || close < 0)
        return;
    const CString marker = word.Mid(open + 1, close - open - 1);
    if (quantity <= 1.0)
        word = word.Left(open);
    else if (marker.GetLength() >= 3)
        word = word.Left(open > 0 ? open - 1 : 0) + marker;
    else
        word = word.Left(open) + marker + word.Mid(close + 1);
}

void FormatMinutes(int minutes, CString& out)
{
    if (minutes < 0)
        minutes = 0;
    int hours = minutes / 60;
    if (hours > 99)
        hours = 99;
    out.Format("%d:%02d", hours, minutes % 60);
}
