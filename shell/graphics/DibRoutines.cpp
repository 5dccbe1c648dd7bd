#include "shell/graphics/DibRoutines.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include <windows.h>

#include "framework/File.h"
#include "framework/Palette.h"
#include "shell/graphics/GlobalLock.h"

namespace {

constexpr DWORD InfoHeaderSize = sizeof(BITMAPINFOHEADER);
constexpr DWORD CoreHeaderSize = sizeof(BITMAPCOREHEADER);
constexpr WORD BitmapFileMark = 0x4D42;
constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t PixelOffsetField = 10;
// A bitmap with more pixels than this is refused before its bits are read: drawing one would
// fail anyway, after a long read.
constexpr unsigned long long MaxPixels = 1ull << 25;

DWORD HeaderSize(const BYTE* pDib)
{
    DWORD size;
    std::memcpy(&size, pDib, sizeof size);
    return size;
}

bool IsCore(const BYTE* pDib)
{
    return HeaderSize(pDib) == CoreHeaderSize;
}

const BITMAPINFOHEADER& Info(const BYTE* pDib)
{
    return *reinterpret_cast<const BITMAPINFOHEADER*>(pDib);
}

const BITMAPCOREHEADER& Core(const BYTE* pDib)
{
    return *reinterpret_cast<const BITMAPCOREHEADER*>(pDib);
}

bool IsKnownBitCount(WORD bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool IsTopDown(const BYTE* pDib)
{
    return !IsCore(pDib) && Info(pDib).biHeight < 0;
}

// Bytes of the pixel rows: each row padded to 4 bytes.
unsigned long long BitsSize(const BYTE* pDib)
{
    unsigned long long rowBytes = (static_cast<unsigned long long>(DibWidth(pDib)) * DibBitCount(pDib) + 31) / 32 * 4;
    return rowBytes * static_cast<unsigned long long>(DibHeight(pDib));
}

}  // namespace

WORD DibBitCount(const BYTE* pDib)
{
    return IsCore(pDib) ? Core(pDib).bcBitCount : Info(pDib).biBitCount;
}

LONG DibWidth(const BYTE* pDib)
{
    return IsCore(pDib) ? Core(pDib).bcWidth : Info(pDib).biWidth;
}

LONG DibHeight(const BYTE* pDib)
{
    if (IsCore(pDib))
        return Core(pDib).bcHeight;
    return IsTopDown(pDib) ? -Info(pDib).biHeight : Info(pDib).biHeight;
}

WORD DibNumColors(const BYTE* pDib)
{
    if (!IsCore(pDib) && Info(pDib).biClrUsed != 0)
        return static_cast<WORD>(Info(pDib).biClrUsed);
    switch (DibBitCount(pDib))
    {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

WORD PaletteSize(const BYTE* pDib)
{
    return static_cast<WORD>(DibNumColors(pDib) * (IsCore(pDib) ? sizeof(RGBTRIPLE) : sizeof(RGBQUAD)));
}

const BYTE* FindDibBits(const BYTE* pDib)
{
    return pDib + HeaderSize(pDib) + PaletteSize(pDib);
}

namespace {

DibFailure CheckDibHeader(const BYTE* pDib, std::size_t size)
{
    if (size < CoreHeaderSize)
        return DibFailure::Unreadable;
    DWORD header = HeaderSize(pDib);
    if (header != CoreHeaderSize && (header != InfoHeaderSize || size < InfoHeaderSize))
        return DibFailure::Unreadable;
    // Rows stored top-down have a negative height; the lowest number has no positive twin.
    if (DibWidth(pDib) < 0 || (!IsCore(pDib) && Info(pDib).biHeight == LONG_MIN))
        return DibFailure::TooLarge;
    unsigned long long pixels = static_cast<unsigned long long>(DibWidth(pDib)) * DibHeight(pDib);
    return pixels > MaxPixels ? DibFailure::TooLarge : DibFailure::None;
}

}  // namespace

DibFailure CheckPackedDib(const BYTE* pDib, std::size_t size)
{
    DibFailure failure = CheckDibHeader(pDib, size);
    if (failure != DibFailure::None)
        return failure;
    WORD bits = DibBitCount(pDib);
    if (!IsKnownBitCount(bits) || DibWidth(pDib) == 0 || DibHeight(pDib) == 0)
        return DibFailure::Unreadable;
    if (!IsCore(pDib))
    {
        const BITMAPINFOHEADER& info = Info(pDib);
        if (info.biPlanes != 1 || info.biCompression != BI_RGB || info.biClrUsed > 256)
            return DibFailure::Unreadable;
        if (bits <= 8 && info.biClrUsed > (1u << bits))
            return DibFailure::Unreadable;
    }
    unsigned long long needed = HeaderSize(pDib) + PaletteSize(pDib) + BitsSize(pDib);
    return needed <= size ? DibFailure::None : DibFailure::Unreadable;
}

namespace {

HGLOBAL GlobalCopyOf(const BYTE* pBytes, std::size_t size)
{
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    CGlobalLock lock(hCopy);
    if (!lock.Get())
    {
        if (hCopy)
            ::GlobalFree(hCopy);
        return nullptr;
    }
    std::memcpy(lock.Get(), pBytes, size);
    return hCopy;
}

// The file header's pixel offset may leave a gap after the colour table (0 means none). The
// gap is cut out, so that the packed DIB's bits follow its colour table. False when the
// offset points into the header or the colour table, or past the end.
bool CloseGapBeforeBits(std::vector<BYTE>& dib, DWORD pixelOffset)
{
    if (pixelOffset == 0)
        return true;
    std::size_t bitsAt = static_cast<std::size_t>(FindDibBits(dib.data()) - dib.data());
    if (pixelOffset < FileHeaderSize || pixelOffset - FileHeaderSize < bitsAt ||
        pixelOffset - FileHeaderSize > dib.size())
        return false;
    dib.erase(dib.begin() + static_cast<std::ptrdiff_t>(bitsAt),
              dib.begin() + static_cast<std::ptrdiff_t>(pixelOffset - FileHeaderSize));
    return true;
}

}  // namespace

HGLOBAL ReadDibFile(CFile& file, DibFailure& failure)
{
    failure = DibFailure::Unreadable;
    BYTE fileHeader[FileHeaderSize];
    if (file.Read(fileHeader, FileHeaderSize) != FileHeaderSize)
        return nullptr;
    WORD mark;
    std::memcpy(&mark, fileHeader, sizeof mark);
    DWORD pixelOffset;
    std::memcpy(&pixelOffset, fileHeader + PixelOffsetField, sizeof pixelOffset);
    DWORD length = file.GetLength();
    if (mark != BitmapFileMark || length <= FileHeaderSize)
        return nullptr;
    // The sizes are checked before the rest of a file that may be very large is read.
    std::vector<BYTE> dib(std::min<std::size_t>(length - FileHeaderSize, InfoHeaderSize));
    if (file.Read(dib.data(), static_cast<UINT>(dib.size())) != dib.size())
        return nullptr;
    failure = CheckDibHeader(dib.data(), dib.size());
    if (failure != DibFailure::None)
        return nullptr;
    failure = DibFailure::Unreadable;
    std::size_t headerBytes = dib.size();
    dib.resize(length - FileHeaderSize);
    UINT rest = static_cast<UINT>(dib.size() - headerBytes);
    if (file.Read(dib.data() + headerBytes, rest) != rest || !CloseGapBeforeBits(dib, pixelOffset))
        return nullptr;
    failure = CheckPackedDib(dib.data(), dib.size());
    if (failure != DibFailure::None)
        return nullptr;
    HGLOBAL hDib = GlobalCopyOf(dib.data(), dib.size());
    if (!hDib)
        failure = DibFailure::Unreadable;
    return hDib;
}

HGLOBAL CopyHandle(HGLOBAL hSource)
{
    CGlobalLock lock(hSource);
    return lock.Get() ? GlobalCopyOf(lock.Get(), ::GlobalSize(hSource)) : nullptr;
}

bool IsDib24Bit(HGLOBAL hDib)
{
    CGlobalLock lock(hDib);
    return lock.Get() && DibBitCount(lock.Get()) == 24;
}

bool CreateDibPalette(HGLOBAL hDib, CPalette& palette)
{
    CGlobalLock lock(hDib);
    const BYTE* pDib = lock.Get();
    WORD colours = pDib ? DibNumColors(pDib) : 0;
    if (colours == 0)
        return false;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + colours * sizeof(PALETTEENTRY));
    auto* logPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = colours;
    const BYTE* table = pDib + HeaderSize(pDib);
    std::size_t entrySize = IsCore(pDib) ? sizeof(RGBTRIPLE) : sizeof(RGBQUAD);
    for (WORD i = 0; i < colours; ++i)
    {
        const BYTE* entry = table + i * entrySize;
        logPalette->palPalEntry[i] = PALETTEENTRY{entry[2], entry[1], entry[0], 0};
    }
    return palette.CreatePalette(logPalette) != FALSE;
}

int PaintDib(HDC hdc, const RECT& destination, HGLOBAL hDib, const RECT& source, CPalette* pPalette)
{
    CGlobalLock lock(hDib);
    const BYTE* pDib = lock.Get();
    if (!pDib)
        return 0;
    HPALETTE previous = nullptr;
    if (pPalette && pPalette->GetSafeHandle())
    {
        previous = ::SelectPalette(hdc, static_cast<HPALETTE>(pPalette->GetSafeHandle()), TRUE);
        ::RealizePalette(hdc);
    }
    ::SetStretchBltMode(hdc, COLORONCOLOR);
    int width = std::min<LONG>(destination.right - destination.left, DibWidth(pDib));
    int result = ::StretchDIBits(hdc, destination.left, destination.top, width, destination.bottom - destination.top,
                                 source.left, source.top, source.right - source.left, source.bottom - source.top,
                                 FindDibBits(pDib), reinterpret_cast<const BITMAPINFO*>(pDib), DIB_RGB_COLORS, SRCCOPY);
    if (previous)
        ::SelectPalette(hdc, previous, TRUE);
    return result;
}
