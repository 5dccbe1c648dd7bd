#pragma once
// A memory device context on a 32-bit bitmap, so that every colour drawn reads back exactly.
#include <windows.h>

class CPixelCanvas
{
public:
    CPixelCanvas(int width, int height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_dc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_previous = ::SelectObject(m_dc, m_bitmap);
    }
    ~CPixelCanvas()
    {
        ::SelectObject(m_dc, m_previous);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    COLORREF At(POINT point) const { return ::GetPixel(m_dc, point.x, point.y); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous;
};
