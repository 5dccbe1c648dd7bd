#pragma once
// A bitmap resource of the program copied onto a canvas of its own size, to compare with what
// a control drew.
#include <windows.h>

#include "support/PixelCanvas.h"

class CResourcePicture
{
public:
    explicit CResourcePicture(LPCSTR name)
        : m_bitmap(::LoadBitmapA(::GetModuleHandleA(nullptr), name)), m_size(SizeOf(m_bitmap)),
          m_canvas(m_size.cx, m_size.cy)
    {
        HDC source = ::CreateCompatibleDC(m_canvas.Dc());
        HGDIOBJ previous = ::SelectObject(source, m_bitmap);
        ::BitBlt(m_canvas.Dc(), 0, 0, m_size.cx, m_size.cy, source, 0, 0, SRCCOPY);
        ::SelectObject(source, previous);
        ::DeleteDC(source);
    }
    ~CResourcePicture() { ::DeleteObject(m_bitmap); }
    CResourcePicture(const CResourcePicture&) = delete;
    CResourcePicture& operator=(const CResourcePicture&) = delete;

    bool Loaded() const { return m_bitmap != nullptr; }
    SIZE Size() const { return m_size; }

    // How many pixels of `drawn` with the picture's top left corner at `at` differ from it.
    int DifferencesAt(const CPixelCanvas& drawn, POINT at) const
    {
        int differences = 0;
        for (int y = 0; y < m_size.cy; ++y)
            for (int x = 0; x < m_size.cx; ++x)
                if (drawn.At(POINT{at.x + x, at.y + y}) != m_canvas.At(POINT{x, y}))
                    ++differences;
        return differences;
    }

private:
    static SIZE SizeOf(HBITMAP bitmap)
    {
        BITMAP info{};
        ::GetObjectA(bitmap, sizeof info, &info);
        return SIZE{info.bmWidth, info.bmHeight};
    }

    HBITMAP m_bitmap;
    SIZE m_size;
    CPixelCanvas m_canvas;
};

// How many pixels of the rectangle have the colour.
inline int PixelsOfColour(const CPixelCanvas& canvas, const RECT& area, COLORREF colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.At(POINT{x, y}) == colour)
                ++count;
    return count;
}
