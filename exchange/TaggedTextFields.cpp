#include "exchange/TaggedTextFields.h"

#include <cstdarg>
#include <cstdio>

#include "exchange/RecipeTextTags.h"

std::string EscapeFieldText(const char* pszValue)
{
    std::string escaped;
    for (const char* p = pszValue; *p != '\0'; ++p)
    {
        escaped += *p;
        if (*p == '|')
            escaped += '|';
    }
    return escaped;
}

std::string FieldText(const char* pszValue)
{
    return EscapeFieldText(pszValue) + kFieldSeparator;
}

std::string FieldNumber(const char* pszFormat, ...)
{
    char buffer[400];
    va_list args;
    va_start(args, pszFormat);
    std::vsnprintf(buffer, sizeof buffer, pszFormat, args);
    va_end(args);
    return buffer + std::string(kFieldSeparator);
}
