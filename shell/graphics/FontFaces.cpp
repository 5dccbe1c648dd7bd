#include "shell/graphics/FontFaces.h"

#include <windows.h>

#include <cstring>

#include "framework/ClientDC.h"
#include "framework/String.h"
#include "res/resource.h"

namespace {

UINT s_serifFaceId = IDS_FACE_SERIF_FALLBACK;
UINT s_sansFaceId = IDS_FACE_SANS_FALLBACK;

int CALLBACK MatchFamily(const LOGFONTA* pFont, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    const char* pszWanted = reinterpret_cast<const char*>(lParam);
    return std::strcmp(pFont->lfFaceName, pszWanted) == 0 ? 0 : 1;
}

// Face names compare exactly, case included.
BOOL IsFaceInstalled(HDC hDC, UINT nFaceId)
{
    CString face;
    face.LoadString(nFaceId);
    return ::EnumFontFamiliesA(hDC, nullptr, MatchFamily, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(face))) == 0;
}

}  // namespace

void ChooseFontFaces()
{
    CClientDC screen(nullptr);
    s_serifFaceId = IsFaceInstalled(screen, IDS_PRINT_FONT_FACE) ? IDS_PRINT_FONT_FACE : IDS_FACE_SERIF_FALLBACK;
    s_sansFaceId = IsFaceInstalled(screen, IDS_FACE_SANS) ? IDS_FACE_SANS : IDS_FACE_SANS_FALLBACK;
}

UINT GetSerifFaceId()
{
    return s_serifFaceId;
}

UINT GetSansFaceId()
{
    return s_sansFaceId;
}
