#pragma once

#include "framework/GdiObject.h"

class CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor);

    static CBrush* FromHandle(HBRUSH hBrush) { return TempFromHandle<CBrush>(hBrush); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

    BOOL CreateSolidBrush(COLORREF crColor);
};
