#include "framework/Palette.h"

#include <windows.h>

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

BOOL CPalette::CreatePalette(const LOGPALETTE* lpLogPalette)
{
    return Attach(::CreatePalette(lpLogPalette));
}

int CPalette::GetEntryCount() const
{
    WORD nEntries = 0;
    GetObject(sizeof nEntries, &nEntries);
    return nEntries;
}
