#pragma once

#include <memory>

#include <windef.h>

class CPalette;
class CString;
struct tagDRAWITEMSTRUCT;

// A picture file: read through the picture functions (a photo or a bitmap file), or else, for a
// missing file, the placeholder bitmap held as a packed DIB with its own palette.
class CDibImage
{
public:
    CDibImage();
    ~CDibImage();
    CDibImage(const CDibImage&) = delete;
    CDibImage& operator=(const CDibImage&) = delete;

    // The picture functions are tried first; otherwise the name is resolved as a media file with
    // ".bmp", and a missing file gives the "!NOTFOUND" placeholder. 1 when a picture was loaded;
    // a refused bitmap is reported in a box.
    int LoadFile(LPCSTR lpszName);
    int Draw(HDC hdc, const RECT& rect);
    void DrawOnce(tagDRAWITEMSTRUCT* pDrawItem);

    LONG GetWidth() const { return m_width; }
    LONG GetHeight() const { return m_height; }
    bool HasPicture() const { return m_dib != nullptr || m_fromLibrary; }
    bool IsFromLibrary() const { return m_fromLibrary; }

private:
    void Free();
    bool LoadFromLibrary(LPCSTR lpszName);

    HGLOBAL m_dib = nullptr;
    std::unique_ptr<CPalette> m_palette;
    LONG m_width = 0;
    LONG m_height = 0;
    bool m_fromLibrary = false;
    HGLOBAL m_libraryPicture = nullptr;
};
