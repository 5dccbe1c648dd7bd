#include "shell/graphics/DibImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <windows.h>

#include "support/PixelCanvas.h"
#include "ShellTestFolder.h"
#include "support/JpegBytes.h"

namespace {

void Put16(std::string& bytes, std::uint16_t value)
{
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

void Put32(std::string& bytes, std::uint32_t value)
{
    Put16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

struct BitmapShape
{
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint32_t coloursUsed = 2;
    std::uint32_t colourEntries = 2;
    std::size_t cutFromEnd = 0;
    const char* mark = "BM";
    std::size_t gapBeforeBits = 0;  // bytes between the colour table and the bits
};

// An 8-bit bitmap with a 40-byte header: colour 0 red, colour 1 blue; the first row stored
// red, the second blue (so the top row is blue unless the rows are stored top-down).
std::string InfoBitmap(const BitmapShape& shape)
{
    std::string dib;
    Put32(dib, 40);
    Put32(dib, static_cast<std::uint32_t>(shape.width));
    Put32(dib, static_cast<std::uint32_t>(shape.height));
    Put16(dib, 1);
    Put16(dib, 8);
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 2835);
    Put32(dib, 2835);
    Put32(dib, shape.coloursUsed);
    Put32(dib, 0);
    for (std::uint32_t i = 0; i < shape.colourEntries; ++i)
        Put32(dib, i == 0 ? 0x00FF0000u : 0x000000FFu);
    dib += std::string(shape.gapBeforeBits, '\1');
    dib += std::string("\0\0\0\0\1\1\0\0", 8);
    dib.resize(dib.size() - shape.cutFromEnd);
    std::string file = shape.mark;
    Put32(file, static_cast<std::uint32_t>(14 + dib.size()));
    Put32(file, 0);
    Put32(file, static_cast<std::uint32_t>(14 + 40 + shape.colourEntries * 4 + shape.gapBeforeBits));
    return file + dib;
}

// A 1-bit bitmap with a 12-byte core header and 3-byte colour entries: white, then green.
std::string CoreBitmap()
{
    std::string dib;
    Put32(dib, 12);
    Put16(dib, 3);
    Put16(dib, 1);
    Put16(dib, 1);
    Put16(dib, 1);
    dib += std::string("\xFF\xFF\xFF\x00\xC0\x00", 6);
    dib += std::string("\x40\0\0\0", 4);
    std::string file = "BM";
    Put32(file, static_cast<std::uint32_t>(14 + dib.size()));
    Put32(file, 0);
    Put32(file, 14 + 12 + 6);
    return file + dib;
}

// A 24-bit bitmap with a version-5 header, as image tools write it by default: the top row
// red then blue, the bottom row green.
std::string VersionFiveBitmap()
{
    std::string dib;
    Put32(dib, 124);
    Put32(dib, 2);
    Put32(dib, 2);
    Put16(dib, 1);
    Put16(dib, 24);
    Put32(dib, 0);
    Put32(dib, 16);
    Put32(dib, 2835);
    Put32(dib, 2835);
    Put32(dib, 0);
    Put32(dib, 0);
    for (std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
        Put32(dib, mask);
    Put32(dib, 0x73524742);             // "sRGB"
    dib += std::string(36 + 12, '\0');  // end points and gamma, unused with sRGB
    Put32(dib, 4);                      // intent
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 0);
    dib += std::string("\0\xFF\0\0\xFF\0\0\0", 8);
    dib += std::string("\0\0\xFF\xFF\0\0\0\0", 8);
    std::string file = "BM";
    Put32(file, static_cast<std::uint32_t>(14 + dib.size()));
    Put32(file, 0);
    Put32(file, 14 + 124);
    return file + dib;
}

class DibImageTest : public shelltest::ProgramFolderTest
{
protected:
    std::string Write(const std::string& name, const std::string& bytes)
    {
        shelltest::WriteFile(PathOf(name), bytes);
        return PathOf(name);
    }

    COLORREF PixelDrawn(CDibImage& image, int x, int y)
    {
        return PixelDrawnIn(image, RECT{0, 0, image.GetWidth(), image.GetHeight()}, x, y);
    }

    COLORREF PixelDrawnIn(CDibImage& image, const RECT& area, int x, int y)
    {
        CPixelCanvas canvas(40, 40);
        EXPECT_EQ(1, image.Draw(canvas.Dc(), area));
        return canvas.At(POINT{x, y});
    }
};

TEST_F(DibImageTest, LoadsAndDrawsABitmapWithItsColourTable)
{
    CDibImage image;
    ASSERT_EQ(1, image.LoadFile(Write("two.bmp", InfoBitmap({})).c_str()));
    EXPECT_TRUE(image.IsFromLibrary());
    EXPECT_EQ(2, image.GetWidth());
    EXPECT_EQ(RGB(0, 0, 255), PixelDrawn(image, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), PixelDrawn(image, 1, 1));
}

TEST_F(DibImageTest, RowsStoredEitherWayUpAndBitsWhereTheFileHeaderSays)
{
    struct Case
    {
        const char* name;
        BitmapShape shape;
        COLORREF top;
        COLORREF bottom;
    };
    const Case cases[] = {
        {"bottom-up", {}, RGB(0, 0, 255), RGB(255, 0, 0)},
        {"top-down", {2, -2, 2, 2, 0, "BM"}, RGB(255, 0, 0), RGB(0, 0, 255)},
        {"gap before the bits", {2, 2, 2, 2, 0, "BM", 6}, RGB(0, 0, 255), RGB(255, 0, 0)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDibImage image;
        ASSERT_EQ(1, image.LoadFile(Write("rows.bmp", InfoBitmap(c.shape)).c_str()));
        EXPECT_EQ(2, image.GetHeight());
        EXPECT_EQ(c.top, PixelDrawn(image, 0, 0));
        EXPECT_EQ(c.top, PixelDrawn(image, 1, 0));
        EXPECT_EQ(c.bottom, PixelDrawn(image, 0, 1));
        EXPECT_EQ(c.bottom, PixelDrawn(image, 1, 1));
    }
}

TEST_F(DibImageTest, ABitmapWithAVersionFiveHeaderIsReadByTheCodecs)
{
    CDibImage image;
    ASSERT_EQ(1, image.LoadFile(Write("v5.bmp", VersionFiveBitmap()).c_str()));
    EXPECT_TRUE(image.IsFromLibrary());
    EXPECT_EQ(2, image.GetWidth());
    EXPECT_EQ(2, image.GetHeight());
    EXPECT_EQ(RGB(255, 0, 0), PixelDrawn(image, 0, 0));
    EXPECT_EQ(RGB(0, 0, 255), PixelDrawn(image, 1, 0));
    EXPECT_EQ(RGB(0, 255, 0), PixelDrawn(image, 1, 1));
    EXPECT_TRUE(m_boxes.GetShown().empty());
}

TEST_F(DibImageTest, ReadsACoreHeaderWithSixteenBitSizesAndThreeByteColours)
{
    CDibImage image;
    ASSERT_EQ(1, image.LoadFile(Write("core.bmp", CoreBitmap()).c_str()));
    EXPECT_EQ(3, image.GetWidth());
    EXPECT_EQ(1, image.GetHeight());
    EXPECT_EQ(RGB(255, 255, 255), PixelDrawn(image, 0, 0));
    EXPECT_EQ(RGB(0, 192, 0), PixelDrawn(image, 1, 0));
}

TEST_F(DibImageTest, RefusesAFileWhoseHeaderDisagreesWithItsBytes)
{
    struct Case
    {
        const char* name;
        BitmapShape shape;
        const char* message;
    };
    const Case cases[] = {
        {"short bits", {2, 2, 2, 2, 3, "BM"}, "Couldn't load DIB."},
        {"too many colours", {2, 2, 300, 2, 0, "BM"}, "Couldn't load DIB."},
        {"colour table past the end", {2, 2, 200, 2, 0, "BM"}, "Couldn't load DIB."},
        {"huge width", {0x7FFFFFFF, 2, 2, 2, 0, "BM"}, "DIB is too large."},
        {"width of 2^31", {INT32_MIN, 2, 2, 2, 0, "BM"}, "DIB is too large."},
        {"lowest top-down height", {2, INT32_MIN, 2, 2, 0, "BM"}, "DIB is too large."},
        {"more pixels than a picture may have", {8192, 8192, 2, 2, 0, "BM"}, "DIB is too large."},
        {"not a bitmap", {2, 2, 2, 2, 0, "XX"}, "Couldn't load DIB."},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_boxes.ClearShown();
        CDibImage image;
        EXPECT_EQ(0, image.LoadFile(Write("bad.bmp", InfoBitmap(c.shape)).c_str()));
        EXPECT_FALSE(image.HasPicture());
        ASSERT_EQ(1u, m_boxes.GetShown().size());
        EXPECT_STREQ(c.message, m_boxes.GetShown()[0].text);
    }
}

TEST_F(DibImageTest, AMissingPictureShowsThePlaceholderFromTheResourceFolder)
{
    ::CreateDirectoryA(PathOf("resource").c_str(), nullptr);
    Write("resource\\NOTFOUND.bmp", CoreBitmap());
    CDibImage image;
    EXPECT_EQ(1, image.LoadFile(PathOf("missing.bmp").c_str()));
    EXPECT_EQ(3, image.GetWidth());
    ::DeleteFileA(PathOf("resource\\NOTFOUND.bmp").c_str());
    EXPECT_EQ(0, image.LoadFile(PathOf("missing.bmp").c_str()));
    EXPECT_TRUE(m_boxes.GetShown().empty());
}

constexpr COLORREF Tomato = RGB(200, 60, 40);
constexpr COLORREF Slate = RGB(40, 70, 180);

TEST_F(DibImageTest, DrawsAPhotoThroughTheImagingCodecsIntoTheRectangle)
{
    CDibImage image;
    ASSERT_EQ(1, image.LoadFile(Write("tomato.jpg", testjpeg::JpegOfBlocks({Tomato, Slate})).c_str()));
    EXPECT_TRUE(image.IsFromLibrary());
    EXPECT_EQ(16, image.GetWidth());
    EXPECT_EQ(8, image.GetHeight());
    struct Case
    {
        RECT area;
        POINT at;
        COLORREF expected;
    };
    const Case cases[] = {
        {{0, 0, 16, 8}, {3, 3}, Tomato},
        {{0, 0, 16, 8}, {12, 5}, Slate},
        {{0, 0, 32, 16}, {14, 14}, Tomato},
        {{0, 0, 32, 16}, {18, 2}, Slate},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.area.right << " wide, at " << c.at.x << "," << c.at.y);
        COLORREF drawn = PixelDrawnIn(image, c.area, c.at.x, c.at.y);
        EXPECT_TRUE(testjpeg::IsNear(c.expected, drawn)) << std::hex << drawn;
    }
}

TEST_F(DibImageTest, APhotoTheCodecsRefuseFallsBackToTheBitmapReaderAndIsReported)
{
    const std::string photo = testjpeg::JpegOfBlocks({Tomato});
    struct Case
    {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"header only", photo.substr(0, 40)},
        {"cut inside the tables", photo.substr(0, 120)},
        {"not a picture", "just some text, not a picture at all"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_boxes.ClearShown();
        CDibImage image;
        EXPECT_EQ(0, image.LoadFile(Write("damaged.jpg", c.bytes).c_str()));
        EXPECT_FALSE(image.HasPicture());
        ASSERT_EQ(1u, m_boxes.GetShown().size());
        EXPECT_STREQ("Couldn't load DIB.", m_boxes.GetShown()[0].text);
    }
}

}  // namespace
