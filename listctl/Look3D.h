#pragma once
// The sunken 3-D look shared by every Lumbra window of the process: system colours and
// brushes loaded by the first window and released by the last.

#include <windows.h>

class CLook3D
{
public:
    static void AddUser();
    static void RemoveUser();
    static bool IsOn() { return s_on; }
    // Colours a list's device context in button colours; the brush to paint with, or none.
    static HBRUSH ColourListDC(HDC dc);
    // Draws the two frames round a control, in its parent's window.
    static void DrawBorder(HWND control);

private:
    enum
    {
        Highlight,
        Face,
        Shadow,
        Text,
        Window,
        WindowText,
        GrayText,
        WindowFrame,
        ColourCount
    };
    enum
    {
        HighlightBrush,
        FaceBrush,
        ShadowBrush,
        BrushCount
    };

    static bool ScreenHasColours();
    static bool LoadColours();
    static void DeleteBrushes(HBRUSH* brushes);
    static void DrawFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    static void FillEdge(HDC dc, int left, int top, int width, int height, COLORREF colour);

    static int s_users;
    static bool s_on;
    static WORD s_version;
    static COLORREF s_colours[ColourCount];
    static HBRUSH s_brushes[BrushCount];
};
