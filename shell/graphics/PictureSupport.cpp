#include "shell/graphics/PictureSupport.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include <windows.h>

#include "framework/File.h"
#include "framework/Palette.h"
#include "framework/String.h"
#include "shell/graphics/DecodedPicture.h"
#include "shell/graphics/DibRoutines.h"
#include "shell/graphics/GlobalLock.h"
#include "shell/settings/MediaPath.h"

namespace {

constexpr int TrueColourDepth = 24;
constexpr int PaletteDepth = 8;

// The picture as read: a packed DIB with its own palette, or decoded true-colour pixels.
struct PictureBitmap
{
    PictureBitmap() = default;
    PictureBitmap(const PictureBitmap&) = delete;
    PictureBitmap& operator=(const PictureBitmap&) = delete;
    ~PictureBitmap()
    {
        if (dib)
            ::GlobalFree(dib);
    }

    HGLOBAL dib = nullptr;
    CDecodedPicture decoded;
    CPalette ownPalette;
};

// The start of a picture block; the full path follows it, NUL-terminated, however long it is.
struct PictureBlockHeader
{
    DWORD loaded;
    PictureFileInfo info;
    PictureBitmap* pBitmap;
};

PictureBlockHeader* Header(const CGlobalLock& lock)
{
    return reinterpret_cast<PictureBlockHeader*>(lock.Get());
}

HPALETTE CreateScreenHalftonePalette()
{
    HDC screen = ::GetDC(nullptr);
    HPALETTE palette = ::CreateHalftonePalette(screen);
    ::ReleaseDC(nullptr, screen);
    return palette;
}

bool DecodePicture(const CString& path, PictureBitmap& bitmap, PictureFileInfo& info)
{
    if (!bitmap.decoded.Load(path, TRUE))
        return false;
    bitmap.ownPalette.Attach(CreateScreenHalftonePalette());
    info = {bitmap.decoded.GetWidth(), bitmap.decoded.GetHeight(), TrueColourDepth};
    return true;
}

// A bitmap file the DIB reader refuses as unknown (newer headers, packed rows) goes to the codecs.
bool ReadBitmapFile(const CString& path, PictureBitmap& bitmap, PictureFileInfo& info)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return false;
    DibFailure failure = DibFailure::None;
    bitmap.dib = ReadDibFile(file, failure);
    if (!bitmap.dib)
        return failure == DibFailure::Unreadable && DecodePicture(path, bitmap, info);
    CGlobalLock lock(bitmap.dib);
    info = {DibWidth(lock.Get()), DibHeight(lock.Get()), DibBitCount(lock.Get())};
    CreateDibPalette(bitmap.dib, bitmap.ownPalette);
    return true;
}

bool IsBitmapFile(const CString& path)
{
    CFile file;
    char mark[2]{};
    return file.Open(path, CFile::modeRead | CFile::shareDenyNone) && file.Read(mark, 2) == 2 && mark[0] == 'B' &&
           mark[1] == 'M';
}

// The file information step, reading the picture at the same time.
std::unique_ptr<PictureBitmap> ReadPicture(const CString& path, PictureFileInfo& info)
{
    auto bitmap = std::make_unique<PictureBitmap>();
    bool read = IsBitmapFile(path) ? ReadBitmapFile(path, *bitmap, info) : DecodePicture(path, *bitmap, info);
    return read ? std::move(bitmap) : nullptr;
}

// A palette bitmap to be read at a greater depth (for a screen of few colours) is decoded afresh
// to true colour; when the codecs refuse it, the bitmap stays as it was read.
void ReadAtDepth(const CString& path, PictureBitmap& bitmap, int readDepth, int fileDepth)
{
    CDecodedPicture decoded;
    if (!bitmap.dib || readDepth <= fileDepth || !decoded.Load(path, TRUE))
        return;
    bitmap.decoded = std::move(decoded);
    ::GlobalFree(bitmap.dib);
    bitmap.dib = nullptr;
    bitmap.ownPalette.DeleteObject();
    bitmap.ownPalette.Attach(CreateScreenHalftonePalette());
}

BOOL StretchPicture(HDC hdc, const RECT& rect, const PictureBitmap& bitmap)
{
    if (!bitmap.dib)
        return bitmap.decoded.Draw(hdc, rect);
    CGlobalLock lock(bitmap.dib);
    const BYTE* pDib = lock.Get();
    if (!pDib)
        return FALSE;
    int previousMode = ::SetStretchBltMode(hdc, COLORONCOLOR);
    int lines = ::StretchDIBits(hdc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, 0,
                                DibWidth(pDib), DibHeight(pDib), FindDibBits(pDib),
                                reinterpret_cast<const BITMAPINFO*>(pDib), DIB_RGB_COLORS, SRCCOPY);
    ::SetStretchBltMode(hdc, previousMode);
    return lines != 0 && lines != static_cast<int>(GDI_ERROR);
}

// Few colours: the halftone palette in the foreground, unrealised; 256 colours: the picture's
// own palette in the background, realised; more: none. The previous palette, or null.
HPALETTE SelectPaletteForScreen(HDC hdc, const PictureBitmap& bitmap, HPALETTE displayPalette)
{
    int depth = GetScreenDepth();
    if (depth < PaletteDepth)
        return ::SelectPalette(hdc, displayPalette, FALSE);
    HPALETTE own = static_cast<HPALETTE>(bitmap.ownPalette.GetSafeHandle());
    if (depth > PaletteDepth || !own)
        return nullptr;
    HPALETTE previous = ::SelectPalette(hdc, own, TRUE);
    ::RealizePalette(hdc);
    return previous;
}

}  // namespace

int InitPictureSupport()
{
    return 0;
}

int ExitPictureSupport()
{
    return 0;
}

HGLOBAL LoadPictureFile(LPCSTR lpszName)
{
    CString path;
    ResolveMediaPath(path, lpszName, ".cmp");
    PictureFileInfo info{};
    std::unique_ptr<PictureBitmap> bitmap = ReadPicture(path, info);
    if (!bitmap)
        return nullptr;
    int chosenDepth = ChoosePictureDepth(GetScreenDepth(), info.bitsPerPixel);
    ReadAtDepth(path, *bitmap, PictureReadDepth(chosenDepth, info.bitsPerPixel), info.bitsPerPixel);
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(PictureBlockHeader) + path.GetLength() + 1);
    CGlobalLock lock(hBlock);
    if (!lock.Get())
    {
        if (hBlock)
            ::GlobalFree(hBlock);
        return nullptr;
    }
    *Header(lock) = {1, info, bitmap.release()};
    std::memcpy(lock.Get() + sizeof(PictureBlockHeader), static_cast<LPCSTR>(path), path.GetLength());
    return hBlock;
}

void ReleasePictureBitmap(HGLOBAL hBlock)
{
    CGlobalLock lock(hBlock);
    if (!lock.Get())
        return;
    delete Header(lock)->pBitmap;
    Header(lock)->pBitmap = nullptr;
    Header(lock)->loaded = 0;
}

int PaintPicture(HWND hWnd, HDC hdc, HGLOBAL hBlock)
{
    RECT client;
    ::GetClientRect(hWnd, &client);
    return PaintPictureInto(hdc, client, hBlock);
}

int PaintPictureInto(HDC hdc, const RECT& rect, HGLOBAL hBlock)
{
    CGlobalLock lock(hBlock);
    if (!lock.Get() || Header(lock)->loaded != 1 || !Header(lock)->pBitmap)
        return 0;
    const PictureBitmap& bitmap = *Header(lock)->pBitmap;
    HPALETTE displayPalette = CreateScreenHalftonePalette();
    HPALETTE previous = SelectPaletteForScreen(hdc, bitmap, displayPalette);
    StretchPicture(hdc, rect, bitmap);
    if (previous)
        ::SelectPalette(hdc, previous, TRUE);
    ::DeleteObject(displayPalette);
    return 1;
}

BOOL GetPictureFileInfo(HGLOBAL hBlock, PictureFileInfo& info)
{
    CGlobalLock lock(hBlock);
    if (!lock.Get() || Header(lock)->loaded != 1)
        return FALSE;
    info = Header(lock)->info;
    return TRUE;
}

int GetScreenDepth()
{
    HDC screen = ::GetDC(nullptr);
    int depth = ::GetDeviceCaps(screen, BITSPIXEL) * ::GetDeviceCaps(screen, PLANES);
    ::ReleaseDC(nullptr, screen);
    return depth;
}

int ChoosePictureDepth(int screenDepth, int fileDepth)
{
    if (screenDepth <= PaletteDepth)
        return std::min(screenDepth, fileDepth);
    return fileDepth <= PaletteDepth ? fileDepth : TrueColourDepth;
}

int PictureReadDepth(int chosenDepth, int fileDepth)
{
    if (chosenDepth < PaletteDepth)
        return TrueColourDepth;
    return chosenDepth == PaletteDepth ? PaletteDepth : fileDepth;
}
