#include "shell/graphics/FormColors.h"

#include <cctype>
#include <cstring>

#include <windows.h>

#include "framework/String.h"

namespace {

// A component of three digits; a short or broken text gives 0 for what is missing.
int Component(const char* digits, std::size_t first)
{
    int value = 0;
    for (std::size_t i = first; i < first + 3 && i < std::strlen(digits); ++i)
    {
        if (!std::isdigit(static_cast<unsigned char>(digits[i])))
            return 0;
        value = value * 10 + (digits[i] - '0');
    }
    return value > 255 ? 255 : value;
}

}  // namespace

CFormColors::CFormColors(const UINT* pStringIds, int count) : m_colours(static_cast<std::size_t>(count), 0)
{
    for (int i = 0; i < count; ++i)
    {
        if (pStringIds[i] == 0)
            continue;
        CString digits;
        digits.LoadString(pStringIds[i]);
        m_colours[static_cast<std::size_t>(i)] = ParseColour(digits);
    }
}

COLORREF CFormColors::ParseColour(const char* digits)
{
    return RGB(Component(digits, 0), Component(digits, 3), Component(digits, 6));
}
