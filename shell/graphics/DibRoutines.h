#pragma once

#include <cstddef>

#include <windef.h>

class CFile;
class CPalette;

// Packed device-independent bitmaps in one movable global block: a 40-byte information
// header (or a 12-byte core header), the colour table and the bits.

// Why a file's bitmap was refused.
enum class DibFailure
{
    None,
    Unreadable,  // not a bitmap file, or its sizes disagree with the bytes in it
    TooLarge,    // a width of 2^31 or more, or more pixels than a picture may have
};

// Checks a packed DIB's header fields against the `size` bytes that hold it.
DibFailure CheckPackedDib(const BYTE* pDib, std::size_t size);

// Reads an open .bmp file into a packed DIB, rows stored either way up; null (with the reason)
// when it is refused. A header this reader does not know is Unreadable.
HGLOBAL ReadDibFile(CFile& file, DibFailure& failure);
// A new movable block with the bytes of hSource; null when it cannot be made.
HGLOBAL CopyHandle(HGLOBAL hSource);

bool IsDib24Bit(HGLOBAL hDib);
WORD DibBitCount(const BYTE* pDib);
LONG DibWidth(const BYTE* pDib);
LONG DibHeight(const BYTE* pDib);  // the number of rows, whichever way up they are stored
WORD DibNumColors(const BYTE* pDib);
WORD PaletteSize(const BYTE* pDib);
const BYTE* FindDibBits(const BYTE* pDib);
bool CreateDibPalette(HGLOBAL hDib, CPalette& palette);
int PaintDib(HDC hdc, const RECT& destination, HGLOBAL hDib, const RECT& source, CPalette* pPalette);
