#include "forms/PictureWnd.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "TestForm.h"
#include "shell/ShellTestFolder.h"
#include "support/JpegBytes.h"

namespace {

constexpr COLORREF Tomato = RGB(200, 60, 40);
constexpr COLORREF Slate = RGB(40, 70, 180);

class PictureWndTest : public shelltest::ProgramFolderTest
{
protected:
    // Paints the window as the system would after a change, and reads its pixel.
    COLORREF PaintedAt(CPictureWnd& window, int x, int y)
    {
        window.Invalidate();
        window.UpdateWindow();
        HDC dc = ::GetDC(window.m_hWnd);
        COLORREF pixel = ::GetPixel(dc, x, y);
        ::ReleaseDC(window.m_hWnd, dc);
        return pixel;
    }

    CTestForm form;
};

TEST_F(PictureWndTest, PaintsThePictureItsTextNamesOverItsWholeClientArea)
{
    shelltest::WriteFile(PathOf("tomato.jpg"), testjpeg::JpegOfBlocks({Tomato, Slate}));
    CPictureWnd window(&form, RECT{20, 20, 52, 36}, TRUE);
    window.SetWindowText(PathOf("tomato.jpg").c_str());
    struct Case
    {
        POINT at;
        COLORREF expected;
    };
    const Case cases[] = {{{3, 3}, Tomato}, {{12, 12}, Tomato}, {{20, 3}, Slate}, {{30, 14}, Slate}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y);
        COLORREF painted = PaintedAt(window, c.at.x, c.at.y);
        EXPECT_TRUE(testjpeg::IsNear(c.expected, painted)) << std::hex << painted;
    }
}

TEST_F(PictureWndTest, ADamagedPictureIsReportedOnceNotOnEveryPaint)
{
    shelltest::WriteFile(PathOf("damaged.jpg"), testjpeg::JpegOfBlocks({Tomato}).substr(0, 40));
    CPictureWnd window(&form, RECT{20, 20, 52, 36}, TRUE);
    window.SetWindowText(PathOf("damaged.jpg").c_str());
    PaintedAt(window, 0, 0);
    PaintedAt(window, 0, 0);
    ASSERT_EQ(1u, m_boxes.GetShown().size());
    EXPECT_STREQ("Couldn't load DIB.", m_boxes.GetShown()[0].text);
}

TEST_F(PictureWndTest, PassesClicksToItsParentInTheParentsCoordinates)
{
    CPictureWnd window(&form, RECT{20, 30, 52, 46}, TRUE);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP})
    {
        SCOPED_TRACE(message);
        form.clicks.clear();
        ::SendMessageA(window.m_hWnd, message, 0, MAKELPARAM(5, 6));
        ASSERT_EQ(1u, form.clicks.size());
        EXPECT_EQ(message, form.clicks[0].message);
        EXPECT_EQ(25, form.clicks[0].point.x);
        EXPECT_EQ(36, form.clicks[0].point.y);
    }
}

}  // namespace
