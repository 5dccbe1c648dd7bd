#pragma once

#include <windef.h>

#include "shell/graphics/LogFont.h"

// The font of one control's text: which control, and the logical font.
class CControlFontSpec
{
public:
    explicit CControlFontSpec(WORD controlId = 0, int height = 24, UINT faceId = 0, int weight = FW_NORMAL);

    WORD m_controlId;
    CLogFont m_logFont;
};
