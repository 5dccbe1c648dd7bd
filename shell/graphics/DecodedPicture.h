#pragma once

#include <vector>

#include <windef.h>

// A photo file (JPEG, GIF, PNG, ...) decoded by the system's imaging codecs into 32-bit pixels
// of our own, so that no codec object outlives the load.
class CDecodedPicture
{
public:
    // FALSE when the file cannot be read or decoded. Bitmap files ("BM") are refused unless
    // asked for: the DIB reader keeps their palette, and the codecs read only the kinds of
    // bitmap it does not know.
    BOOL Load(LPCSTR lpszPath, BOOL bBitmapFiles = FALSE);
    void Free();

    BOOL HasPicture() const { return !m_pixels.empty(); }
    LONG GetWidth() const { return m_width; }
    LONG GetHeight() const { return m_height; }
    // Stretches the picture over the rectangle; FALSE when nothing was drawn.
    BOOL Draw(HDC hdc, const RECT& rect) const;

private:
    std::vector<DWORD> m_pixels;  // top-down rows, blue-green-red-unused
    LONG m_width = 0;
    LONG m_height = 0;
};
