#pragma once
// Bitmap files of one row of two pixels, the left and right colours given, at 8 or 24 bits.
#include <cstdint>
#include <string>

#include <windows.h>

namespace testbitmap {

inline void Put(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline std::string Pixel(COLORREF colour)
{
    return {static_cast<char>(GetBValue(colour)), static_cast<char>(GetGValue(colour)),
            static_cast<char>(GetRValue(colour))};
}

inline std::string TwoPixelBitmap(int bitsPerPixel, COLORREF left, COLORREF right)
{
    const bool palette = bitsPerPixel == 8;
    std::string colours;
    std::string row;
    if (palette)
    {
        colours = Pixel(left) + '\0' + Pixel(right) + '\0';
        row = std::string("\0\1\0\0", 4);
    }
    else
        row = Pixel(left) + Pixel(right) + std::string(2, '\0');
    std::string info;
    Put(info, 40, 4);
    Put(info, 2, 4);
    Put(info, 1, 4);
    Put(info, 1, 2);
    Put(info, static_cast<std::uint32_t>(bitsPerPixel), 2);
    Put(info, 0, 4);
    Put(info, static_cast<std::uint32_t>(row.size()), 4);
    Put(info, 2835, 4);
    Put(info, 2835, 4);
    Put(info, palette ? 2 : 0, 4);
    Put(info, 0, 4);
    std::string file = "BM";
    const std::uint32_t bitsAt = static_cast<std::uint32_t>(14 + info.size() + colours.size());
    Put(file, bitsAt + static_cast<std::uint32_t>(row.size()), 4);
    Put(file, 0, 4);
    Put(file, bitsAt, 4);
    return file + info + colours + row;
}

}  // namespace testbitmap
