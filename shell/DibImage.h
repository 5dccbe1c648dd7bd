#pragma once

#include <memory>

#include <windef.h>

class CPalette;
struct tagDRAWITEMSTRUCT;

// A .bmp picture file held as a packed DIB with its own palette.
class CDibImage
{
public:
    CDibImage();
    ~CDibImage();
    CDibImage(const CDibImage&) = delete;
    CDibImage& operator=(const CDibImage&) = delete;

    // The name is resolved as a media file with ".bmp"; a missing file gives the "!NOTFOUND"
    // placeholder. 1 when a picture was loaded; a refused file is reported in a box.
    int LoadFile(LPCSTR lpszName);
    int Draw(HDC hdc, const RECT& rect);
    void DrawOnce(tagDRAWITEMSTRUCT* pDrawItem);

    LONG GetWidth() const { return m_width; }
    LONG GetHeight() const { return m_height; }
    bool HasPicture() const { return m_dib != nullptr; }

private:
    void Free();

    HGLOBAL m_dib = nullptr;
    std::unique_ptr<CPalette> m_palette;
    LONG m_width = 0;
    LONG m_height = 0;
};
