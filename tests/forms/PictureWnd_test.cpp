#include "forms/PictureWnd.h"

#include <gtest/gtest.h>

#include <string>

#include <windows.h>

#include "TestForm.h"
#include "shell/ShellTestFolder.h"
#include "shell/graphics/PictureSupport.h"
#include "support/BitmapBytes.h"
#include "support/JpegBytes.h"

namespace {

constexpr COLORREF Tomato = RGB(200, 60, 40);
constexpr COLORREF Slate = RGB(40, 70, 180);
constexpr COLORREF Basil = RGB(30, 150, 60);
constexpr RECT Area{20, 20, 52, 36};

class PictureWndTest : public shelltest::ProgramFolderTest
{
protected:
    std::string Write(const std::string& name, const std::string& bytes)
    {
        shelltest::WriteFile(PathOf(name), bytes);
        return PathOf(name);
    }

    // Paints the window as the system would after a change, and reads its pixel.
    COLORREF PaintedAt(CPictureWnd& window, int x, int y)
    {
        window.ShowWindow(SW_SHOW);
        window.Invalidate();
        window.UpdateWindow();
        HDC dc = ::GetDC(window.m_hWnd);
        COLORREF pixel = ::GetPixel(dc, x, y);
        ::ReleaseDC(window.m_hWnd, dc);
        return pixel;
    }

    // The left half of the 32 by 16 window in one colour, the right half in the other.
    void ExpectHalves(CPictureWnd& window, COLORREF left, COLORREF right)
    {
        EXPECT_TRUE(testjpeg::IsNear(left, PaintedAt(window, 3, 3)));
        EXPECT_TRUE(testjpeg::IsNear(left, PaintedAt(window, 12, 12)));
        EXPECT_TRUE(testjpeg::IsNear(right, PaintedAt(window, 20, 3)));
        EXPECT_TRUE(testjpeg::IsNear(right, PaintedAt(window, 30, 14)));
    }

    CTestForm form;
};

TEST_F(PictureWndTest, IsCreatedHiddenAndPaintsBitmapsAndPhotosScaledOverItsClientArea)
{
    struct Case
    {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"eight.bmp", testbitmap::TwoPixelBitmap(8, Tomato, Slate)},
        {"true.bmp", testbitmap::TwoPixelBitmap(24, Tomato, Slate)},
        {"photo.jpg", testjpeg::JpegOfBlocks({Tomato, Slate})},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CPictureWnd window(&form, Area, FALSE);
        EXPECT_FALSE(window.IsWindowVisible());
        window.SetPictureFile(Write(c.name, c.bytes).c_str());
        ExpectHalves(window, Tomato, Slate);
    }
}

TEST_F(PictureWndTest, TheSameNameIsNotReadAgainAnotherNameIs)
{
    CPictureWnd window(&form, Area, FALSE);
    const std::string first = Write("first.bmp", testbitmap::TwoPixelBitmap(24, Tomato, Slate));
    window.SetPictureFile(first.c_str());
    ExpectHalves(window, Tomato, Slate);

    Write("first.bmp", testbitmap::TwoPixelBitmap(24, Basil, Basil));
    window.SetPictureFile(first.c_str());
    ExpectHalves(window, Tomato, Slate);

    window.SetPictureFile(Write("second.bmp", testbitmap::TwoPixelBitmap(8, Basil, Basil)).c_str());
    ExpectHalves(window, Basil, Basil);
}

// The placeholder is drawn no wider than it is.
TEST_F(PictureWndTest, AMissingFileShowsThePlaceholderAndADamagedOneIsReportedOnce)
{
    ::CreateDirectoryA(PathOf("resource").c_str(), nullptr);
    Write("resource\\NOTFOUND.bmp", testbitmap::TwoPixelBitmap(8, Basil, Slate));
    CPictureWnd window(&form, Area, FALSE);
    window.SetPictureFile(PathOf("missing.bmp").c_str());
    EXPECT_EQ(Basil, PaintedAt(window, 0, 10));
    EXPECT_EQ(Slate, PaintedAt(window, 1, 10));
    EXPECT_TRUE(m_boxes.GetShown().empty());

    window.SetPictureFile(Write("damaged.jpg", testjpeg::JpegOfBlocks({Tomato}).substr(0, 40)).c_str());
    PaintedAt(window, 0, 0);
    PaintedAt(window, 0, 0);
    ASSERT_EQ(1u, m_boxes.GetShown().size());
    EXPECT_STREQ("Couldn't load DIB.", m_boxes.GetShown()[0].text);
}

TEST_F(PictureWndTest, PaintsAPictureWhosePathIsLongerThanTheOldPathField)
{
    std::string folder = PathOf("photos");
    ::CreateDirectoryA(folder.c_str(), nullptr);
    while (folder.size() < 180)
    {
        folder += "\\a-rather-long-folder-name";
        ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    }
    const std::string path = folder + "\\tomato-and-slate.bmp";
    ASSERT_GE(path.size(), 200u);
    shelltest::WriteFile(path, testbitmap::TwoPixelBitmap(24, Tomato, Slate));
    CPictureWnd window(&form, Area, FALSE);
    window.SetPictureFile(path.c_str());
    ExpectHalves(window, Tomato, Slate);
}

TEST_F(PictureWndTest, TheDepthFollowsTheScreen)
{
    struct Case
    {
        int screenDepth;
        int fileDepth;
        int chosen;
        int read;
    };
    const Case cases[] = {
        {4, 8, 4, 24}, {4, 24, 4, 24}, {8, 8, 8, 8}, {8, 24, 8, 8}, {24, 8, 8, 8}, {24, 24, 24, 24},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "screen " << c.screenDepth << ", file " << c.fileDepth);
        int chosen = ChoosePictureDepth(c.screenDepth, c.fileDepth);
        EXPECT_EQ(c.chosen, chosen);
        EXPECT_EQ(c.read, PictureReadDepth(chosen, c.fileDepth));
    }
}

TEST_F(PictureWndTest, ALoadedPictureGivesItsSizeAndDepthAndIsPaintedOnlyWhileItHoldsABitmap)
{
    HGLOBAL block = LoadPictureFile(Write("eight.bmp", testbitmap::TwoPixelBitmap(8, Tomato, Slate)).c_str());
    ASSERT_NE(nullptr, block);
    PictureFileInfo info{};
    ASSERT_TRUE(GetPictureFileInfo(block, info));
    EXPECT_EQ(2, info.width);
    EXPECT_EQ(1, info.height);
    EXPECT_EQ(8, info.bitsPerPixel);
    HDC dc = ::GetDC(form.m_hWnd);
    EXPECT_EQ(1, PaintPicture(form.m_hWnd, dc, block));
    ReleasePictureBitmap(block);
    EXPECT_EQ(0, PaintPicture(form.m_hWnd, dc, block));
    ::ReleaseDC(form.m_hWnd, dc);
    ::GlobalFree(block);
    EXPECT_EQ(nullptr, LoadPictureFile(PathOf("missing.cmp").c_str()));
}

TEST_F(PictureWndTest, ARightClickAlwaysReachesTheParentALeftReleaseOnlyWhenForwarded)
{
    struct Case
    {
        BOOL forward;
        UINT message;
        bool passed;
    };
    const Case cases[] = {
        {TRUE, WM_LBUTTONUP, true},    {FALSE, WM_LBUTTONUP, false},  {TRUE, WM_RBUTTONDOWN, true},
        {FALSE, WM_RBUTTONDOWN, true}, {TRUE, WM_LBUTTONDOWN, false}, {TRUE, WM_RBUTTONUP, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.message << (c.forward ? " forwarded" : " kept"));
        CPictureWnd window(&form, RECT{20, 30, 52, 46}, c.forward);
        form.clicks.clear();
        ::SendMessageA(window.m_hWnd, c.message, MK_SHIFT, MAKELPARAM(5, 6));
        ASSERT_EQ(c.passed ? 1u : 0u, form.clicks.size());
        if (!c.passed)
            continue;
        EXPECT_EQ(c.message, form.clicks[0].message);
        EXPECT_EQ(25, form.clicks[0].point.x);
        EXPECT_EQ(36, form.clicks[0].point.y);
    }
}

}  // namespace
