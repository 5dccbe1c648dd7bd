#include "shell/graphics/LogFont.h"

#include <cstring>

#include <windows.h>

#include "framework/String.h"
#include "shell/graphics/FontFaces.h"

CLogFont::CLogFont() : LOGFONTA{}
{
    lfHeight = 24;
    lfWeight = FW_NORMAL;
    lfOutPrecision = OUT_TT_ONLY_PRECIS;
    SetFace(0);
}

void CLogFont::SetFace(UINT nFaceId)
{
    CString face;
    face.LoadString(nFaceId != 0 ? nFaceId : GetSansFaceId());
    std::memset(lfFaceName, 0, sizeof lfFaceName);
    std::strncpy(lfFaceName, face, sizeof lfFaceName - 1);
}
