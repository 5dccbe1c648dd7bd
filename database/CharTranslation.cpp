#include "database/CharTranslation.h"

#include "framework/String.h"

namespace {

// A rotation of the 94 characters "!" to "~": its own inverse, so one rule serves both ways.
char Rotated(char c)
{
    const unsigned char code = static_cast<unsigned char>(c);
    if (code < '!' || code > '~')
        return c;
    return static_cast<char>('!' + (code - '!' + 47) % 94);
}

void RotateAll(CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i)
        text.SetAt(i, Rotated(text[i]));
}

}  // namespace

void TranslateCharsByOffsetTable(CString& text)
{
    RotateAll(text);
}

void TranslateCharsByTable(CString& text)
{
    RotateAll(text);
}
