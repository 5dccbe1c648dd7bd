#pragma once
// A baseline JPEG file built byte by byte: one row of uniform 8x8 blocks, quantiser 1, only
// the DC term of each block, three components without subsampling. Decoders give each block
// back as its colour, within rounding of the colour-space conversion.
#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

namespace testjpeg {

class CBitWriter
{
public:
    void Put(unsigned bits, int count)
    {
        for (int i = count - 1; i >= 0; --i)
        {
            m_pending = (m_pending << 1) | ((bits >> i) & 1u);
            if (++m_pendingCount == 8)
                Emit();
        }
    }
    // Pads the last byte with one-bits, as the format asks.
    std::string Finish()
    {
        while (m_pendingCount != 0)
            Put(1, 1);
        return m_bytes;
    }

private:
    void Emit()
    {
        m_bytes += static_cast<char>(m_pending);
        if (m_pending == 0xFF)
            m_bytes += '\0';
        m_pending = 0;
        m_pendingCount = 0;
    }

    std::string m_bytes;
    unsigned m_pending = 0;
    int m_pendingCount = 0;
};

inline std::string Segment(unsigned char marker, const std::string& body)
{
    std::size_t length = body.size() + 2;
    return std::string{'\xFF', static_cast<char>(marker), static_cast<char>(length >> 8),
                       static_cast<char>(length & 0xFF)} +
           body;
}

// The DC coefficient of a uniform block of this level: 8 x (level - 128).
inline int DcOf(double level)
{
    return static_cast<int>(std::lround(8.0 * (level - 128.0)));
}

// Every difference category has a 4-bit code equal to the category; the only AC symbol
// (end of block) is the 1-bit code 0.
inline void PutBlock(CBitWriter& bits, int difference)
{
    int magnitude = std::abs(difference);
    int category = 0;
    while (magnitude >> category)
        ++category;
    bits.Put(static_cast<unsigned>(category), 4);
    int extra = difference >= 0 ? difference : difference + (1 << category) - 1;
    bits.Put(static_cast<unsigned>(extra), category);
    bits.Put(0, 1);
}

inline std::string JpegOfBlocks(const std::vector<COLORREF>& blocks)
{
    std::string quantiser = std::string(1, '\0') + std::string(64, '\1');
    std::size_t width = 8 * blocks.size();
    std::string frame{
        8, 0, 8, static_cast<char>(width >> 8), static_cast<char>(width & 0xFF), 3, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0};
    std::string dcTable = std::string(1, '\x00') + std::string{0, 0, 0, 12} + std::string(12, '\0');
    for (char symbol = 0; symbol < 12; ++symbol)
        dcTable += symbol;
    std::string acTable = std::string(1, '\x10') + std::string{1} + std::string(15, '\0') + std::string(1, '\0');
    std::string scan{3, 1, 0, 2, 0, 3, 0, 0, 63, 0};

    CBitWriter bits;
    int previous[3] = {0, 0, 0};
    for (COLORREF colour : blocks)
    {
        double r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
        const double levels[3] = {0.299 * r + 0.587 * g + 0.114 * b, -0.168736 * r - 0.331264 * g + 0.5 * b + 128.0,
                                  0.5 * r - 0.418688 * g - 0.081312 * b + 128.0};
        for (int component = 0; component < 3; ++component)
        {
            int dc = DcOf(levels[component]);
            PutBlock(bits, dc - previous[component]);
            previous[component] = dc;
        }
    }
    return std::string("\xFF\xD8", 2) + Segment(0xDB, quantiser) + Segment(0xC0, frame) + Segment(0xC4, dcTable) +
           Segment(0xC4, acTable) + Segment(0xDA, scan) + bits.Finish() + std::string("\xFF\xD9", 2);
}

// True when each colour component differs by at most `tolerance`.
inline bool IsNear(COLORREF expected, COLORREF actual, int tolerance = 6)
{
    return std::abs(GetRValue(expected) - GetRValue(actual)) <= tolerance &&
           std::abs(GetGValue(expected) - GetGValue(actual)) <= tolerance &&
           std::abs(GetBValue(expected) - GetBValue(actual)) <= tolerance;
}

}  // namespace testjpeg
