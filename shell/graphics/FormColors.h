#pragma once

#include <vector>

#include <windef.h>

// A form's colours, each read from a string of nine digits: three each for red, green, blue.
class CFormColors
{
public:
    // A string id of 0 leaves its colour unset (black).
    CFormColors(const UINT* pStringIds, int count);

    static COLORREF ParseColour(const char* digits);
    COLORREF GetColour(int index) const { return m_colours.at(static_cast<std::size_t>(index)); }

private:
    std::vector<COLORREF> m_colours;
};
