#pragma once

#include "framework/GdiObject.h"

struct tagLOGPALETTE;

class CPalette : public CGdiObject
{
    DECLARE_DYNAMIC(CPalette)
public:
    static CPalette* FromHandle(HPALETTE hPalette) { return TempFromHandle<CPalette>(hPalette); }
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }

    BOOL CreatePalette(const tagLOGPALETTE* lpLogPalette);
    int GetEntryCount() const;
};
