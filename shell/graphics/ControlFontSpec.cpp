#include "shell/graphics/ControlFontSpec.h"

CControlFontSpec::CControlFontSpec(WORD controlId, int height, UINT faceId, int weight) : m_controlId(controlId)
{
    m_logFont.lfHeight = height;
    m_logFont.lfWeight = weight;
    m_logFont.SetFace(faceId);
}
