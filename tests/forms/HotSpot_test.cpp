#include "forms/HotSpot.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>

#include "TestForm.h"
#include "forms/PictureWnd.h"
#include "res/resource.h"
#include "shell/ShellTestFolder.h"
#include "support/PixelCanvas.h"

namespace {

constexpr int AreaId = 101;
constexpr int PictureId = 102;
constexpr int CaptionId = 103;
constexpr RECT Area{10, 10, 200, 150};
constexpr RECT Picture{240, 20, 304, 52};
constexpr RECT Caption{10, 160, 200, 200};
constexpr COLORREF Paper = RGB(0, 0, 128);
constexpr COLORREF CaptionColour = RGB(255, 255, 0);
constexpr COLORREF Grey = RGB(128, 128, 128);
constexpr COLORREF White = RGB(255, 255, 255);

class HotSpotTest : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        placeholders[0] = form.AddPlaceholder(AreaId, Area);
        placeholders[1] = form.AddPlaceholder(PictureId, Picture);
        placeholders[2] = form.AddPlaceholder(CaptionId, Caption);
    }

    CTestForm form;
    HWND placeholders[3]{};
};

bool SameRect(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

TEST_F(HotSpotTest, TakesItsPlacesFromPlaceholdersAndHidesThem)
{
    CHotSpot spot(&form, AreaId, PictureId, IDS_NOT_FOUND_PICTURE, CaptionId, IDS_PRODUCT_NAME, CaptionColour, FALSE);
    EXPECT_TRUE(SameRect(Area, spot.GetArea()));
    EXPECT_TRUE(SameRect(Picture, spot.GetPictureArea()));
    EXPECT_TRUE(SameRect(Caption, spot.GetCaptionArea()));
    for (HWND placeholder : placeholders)
        EXPECT_FALSE(::IsWindowVisible(placeholder));
    ASSERT_NE(nullptr, spot.GetPictureWnd());
    EXPECT_FALSE(spot.GetPictureWnd()->IsWindowVisible());

    CHotSpot withoutArea(&form, 999, 0, "photo.jpg");
    EXPECT_TRUE(::IsRectEmpty(&withoutArea.GetArea()));
    EXPECT_EQ(nullptr, withoutArea.GetPictureWnd());
}

TEST_F(HotSpotTest, ShowDrawsASunkenFrameAndTheCentredCaptionAndShowsThePicture)
{
    CHotSpot spot(&form, AreaId, PictureId, IDS_NOT_FOUND_PICTURE, CaptionId, IDS_PRODUCT_NAME, CaptionColour, FALSE);
    CPixelCanvas canvas(400, 300);
    RECT all{0, 0, 400, 300};
    HBRUSH paper = ::CreateSolidBrush(Paper);
    ::FillRect(canvas.Dc(), &all, paper);
    ::DeleteObject(paper);
    spot.Show(canvas.Dc());

    const LONG middleX = (Picture.left + Picture.right) / 2;
    const LONG middleY = (Picture.top + Picture.bottom) / 2;
    struct Case
    {
        const char* edge;
        POINT at;
        COLORREF expected;
    };
    const Case cases[] = {
        {"left", {Picture.left - 1, middleY}, Grey},
        {"left outer", {Picture.left - 2, middleY}, Grey},
        {"top", {middleX, Picture.top - 1}, Grey},
        {"top outer", {middleX, Picture.top - 2}, Grey},
        {"right", {Picture.right, middleY}, White},
        {"right outer", {Picture.right + 1, middleY}, White},
        {"bottom", {middleX, Picture.bottom}, White},
        {"bottom outer", {middleX, Picture.bottom + 1}, White},
        {"past the frame", {Picture.left - 3, middleY}, Paper},
        {"caption background", {Caption.left, Caption.top}, Paper},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.edge);
        EXPECT_EQ(c.expected, canvas.At(c.at));
    }

    LONG firstInk = Caption.right;
    LONG lastInk = Caption.left - 1;
    for (LONG y = Caption.top; y < Caption.bottom; ++y)
        for (LONG x = Caption.left; x < Caption.right; ++x)
            if (canvas.At(POINT{x, y}) == CaptionColour)
            {
                firstInk = std::min(firstInk, x);
                lastInk = std::max(lastInk, x);
            }
    ASSERT_LT(firstInk, lastInk);
    EXPECT_NEAR(firstInk - Caption.left, Caption.right - 1 - lastInk, 3);

    EXPECT_TRUE(spot.GetPictureWnd()->IsWindowVisible());
    EXPECT_EQ(CString("!NOTFOUND"), spot.GetPictureWnd()->GetPictureFile());
}

TEST_F(HotSpotTest, HitTestAnswersForTheAreaAndThePictureOnceShown)
{
    CHotSpot spot(&form, AreaId, PictureId, IDS_NOT_FOUND_PICTURE, CaptionId, IDS_PRODUCT_NAME, CaptionColour, FALSE);
    struct Case
    {
        const char* place;
        POINT at;
        bool hitOnceShown;
    };
    const Case cases[] = {
        {"area", {15, 100}, true},
        {"picture", {250, 30}, true},
        {"caption", {15, 170}, false},
        {"elsewhere", {350, 250}, false},
    };
    CPixelCanvas canvas(400, 300);
    for (bool shown : {false, true})
    {
        if (shown)
            spot.Show(canvas.Dc());
        for (const Case& c : cases)
        {
            SCOPED_TRACE(testing::Message() << c.place << (shown ? " shown" : " not shown"));
            EXPECT_EQ(shown && c.hitOnceShown, spot.HitTest(c.at));
        }
    }
}

TEST_F(HotSpotTest, DestroyPictureRemovesThePictureWindow)
{
    CHotSpot spot(&form, AreaId, PictureId, IDS_NOT_FOUND_PICTURE, CaptionId, IDS_PRODUCT_NAME, CaptionColour, TRUE);
    CPixelCanvas canvas(400, 300);
    spot.Show(canvas.Dc());
    HWND picture = spot.GetPictureWnd()->m_hWnd;
    spot.DestroyPicture();
    EXPECT_FALSE(::IsWindow(picture));
    EXPECT_EQ(nullptr, spot.GetPictureWnd());
    EXPECT_FALSE(spot.HitTest(POINT{250, 30}));
    EXPECT_TRUE(spot.HitTest(POINT{15, 100}));
    spot.DestroyPicture();
    spot.Show(canvas.Dc());
    EXPECT_EQ(Grey, canvas.At(POINT{Picture.left - 1, Picture.top + 5}));
}

}  // namespace
