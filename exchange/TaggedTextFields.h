#pragma once

#include <string>

// Fields of the tagged recipe text. A lone "|" between blanks separates fields, so a "|" inside
// a value is written doubled and read back as one.
std::string EscapeFieldText(const char* pszValue);
// The value, escaped, and the separator.
std::string FieldText(const char* pszValue);
std::string FieldNumber(const char* pszFormat, ...) __attribute__((format(gnu_printf, 1, 2)));
