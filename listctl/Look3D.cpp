#include "listctl/Look3D.h"

int CLook3D::s_users = 0;
bool CLook3D::s_on = false;
WORD CLook3D::s_version = 0;
COLORREF CLook3D::s_colours[ColourCount] = {};
HBRUSH CLook3D::s_brushes[BrushCount] = {};

void CLook3D::AddUser()
{
    if (s_users++ > 0)
        return;
    DWORD version = GetVersion();
    s_version = static_cast<WORD>((LOBYTE(LOWORD(version)) << 8) | HIBYTE(LOWORD(version)));
    s_on = ScreenHasColours() && LoadColours();
}

void CLook3D::RemoveUser()
{
    if (s_users == 0 || --s_users > 0)
        return;
    DeleteBrushes(s_brushes);
    s_on = false;
}

HBRUSH CLook3D::ColourListDC(HDC dc)
{
    if (!s_on)
        return nullptr;
    SetTextColor(dc, s_colours[Text]);
    SetBkColor(dc, s_colours[Face]);
    return s_brushes[FaceBrush];
}

void CLook3D::DrawBorder(HWND control)
{
    if (!s_on)
        return;
    HWND parent = GetParent(control);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    // The control's own paint DC is clipped to it, so the frames go through the parent's DC.
    HDC dc = GetDC(parent);
    InflateRect(&rect, 1, 1);
    DrawFrame(dc, rect, s_colours[WindowFrame], s_colours[Face]);
    InflateRect(&rect, 1, 1);
    DrawFrame(dc, rect, s_colours[Shadow], s_colours[Highlight]);
    ReleaseDC(parent, dc);
}

bool CLook3D::ScreenHasColours()
{
    HDC screen = GetDC(nullptr);
    int colourBits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    bool ega = GetDeviceCaps(screen, HORZRES) == 640 && GetDeviceCaps(screen, VERTRES) == 350;
    ReleaseDC(nullptr, screen);
    return colourBits > 3 && !ega;
}

bool CLook3D::LoadColours()
{
    static const int systemColours[ColourCount] = {
        COLOR_BTNHIGHLIGHT, COLOR_BTNFACE,    COLOR_BTNSHADOW, COLOR_BTNTEXT,
        COLOR_WINDOW,       COLOR_WINDOWTEXT, COLOR_GRAYTEXT,  COLOR_WINDOWFRAME,
    };
    COLORREF colours[ColourCount];
    for (int i = 0; i < ColourCount; ++i)
        colours[i] = GetSysColor(systemColours[i]);
    if (s_version == 0x0300)
        colours[Highlight] = RGB(255, 255, 255);
    if (colours[GrayText] == 0 || colours[GrayText] == colours[Face])
        colours[GrayText] = colours[Face] == RGB(128, 128, 128) ? RGB(0, 0, 0) : RGB(128, 128, 128);

    HBRUSH brushes[BrushCount] = {
        CreateSolidBrush(colours[Highlight]),
        CreateSolidBrush(colours[Face]),
        CreateSolidBrush(colours[Shadow]),
    };
    if (!brushes[HighlightBrush] || !brushes[FaceBrush] || !brushes[ShadowBrush])
    {
        DeleteBrushes(brushes);
        return false;
    }
    DeleteBrushes(s_brushes);
    for (int i = 0; i < BrushCount; ++i)
        s_brushes[i] = brushes[i];
    for (int i = 0; i < ColourCount; ++i)
        s_colours[i] = colours[i];
    return true;
}

void CLook3D::DeleteBrushes(HBRUSH* brushes)
{
    for (int i = 0; i < BrushCount; ++i)
    {
        if (brushes[i])
            DeleteObject(brushes[i]);
        brushes[i] = nullptr;
    }
}

void CLook3D::DrawFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight)
{
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    FillEdge(dc, rect.left, rect.top, 1, height, topLeft);
    FillEdge(dc, rect.left, rect.top, width, 1, topLeft);
    FillEdge(dc, rect.right - 1, rect.top, 1, height, bottomRight);
    FillEdge(dc, rect.left, rect.bottom - 1, width, 1, bottomRight);
}

// An opaque empty text output fills a rectangle in the background colour without a brush.
void CLook3D::FillEdge(HDC dc, int left, int top, int width, int height, COLORREF colour)
{
    RECT edge = {left, top, left + width, top + height};
    COLORREF previous = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &edge, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}
