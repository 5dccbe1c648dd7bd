#include "shell/controls/IconButton.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "ResourcePicture.h"
#include "framework/WindowTestSupport.h"

namespace {

constexpr int Width = 160;
constexpr int Height = 40;
constexpr COLORREF Untouched = RGB(1, 2, 3);
constexpr COLORREF TextColour = RGB(0, 0, 0);

// A button that also draws what it paints on screen onto a canvas the test can read.
class CCanvasIconButton : public CIconButton
{
public:
    CCanvasIconButton(const CPixelCanvas& canvas, LPCSTR lpszPicture)
        : CIconButton(CControlFontSpec(0, 16), lpszPicture, "Soup"), m_canvas(canvas)
    {
    }

    void DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct) override
    {
        ++draws;
        DRAWITEMSTRUCT onCanvas = *lpDrawItemStruct;
        onCanvas.hDC = m_canvas.Dc();
        CIconButton::DrawItem(&onCanvas);
    }

    int draws = 0;

private:
    const CPixelCanvas& m_canvas;
};

class IconButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clear();
        parent.CreateEx(0, nullptr, "Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 300, 200}, nullptr, 0);
        button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{10, 10, 10 + Width, 10 + Height}, &parent, 300);
        PumpWindowMessages();
    }

    void Clear()
    {
        RECT all{0, 0, Width, Height};
        HBRUSH brush = ::CreateSolidBrush(Untouched);
        ::FillRect(canvas.Dc(), &all, brush);
        ::DeleteObject(brush);
    }

    void Draw(UINT action, UINT state)
    {
        Clear();
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemAction = action;
        item.itemState = state;
        item.hwndItem = button.m_hWnd;
        item.hDC = canvas.Dc();
        item.rcItem = RECT{0, 0, Width, Height};
        button.DrawItem(&item);
    }

    // The picture sits at the left edge, centred from top to bottom.
    static POINT PictureCorner(const CResourcePicture& picture) { return POINT{0, (Height - picture.Size().cy) / 2}; }

    CWnd parent;
    CPixelCanvas canvas{Width, Height};
    CCanvasIconButton button{canvas, "R"};
};

TEST_F(IconButtonTest, DrawsItsPictureAndTextOnTheBackgroundOfItsState)
{
    CResourcePicture picture("R");
    ASSERT_TRUE(picture.Loaded());
    RECT textArea{picture.Size().cx, 0, Width, Height};
    RECT topEdge{0, 0, Width, 1};
    POINT clear{Width - 4, Height - 4};
    struct Case
    {
        const char* name;
        UINT action;
        UINT state;
        COLORREF background;
    };
    const Case cases[] = {
        {"normal", ODA_DRAWENTIRE, 0, ::GetSysColor(COLOR_WINDOW)},
        {"selected", ODA_SELECT, ODS_SELECTED, ::GetSysColor(COLOR_HIGHLIGHT)},
        {"focus only", ODA_FOCUS, ODS_FOCUS, Untouched},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Draw(c.action, c.state);
        EXPECT_EQ(c.background, canvas.At(clear));
        EXPECT_EQ(0, picture.DifferencesAt(canvas, PictureCorner(picture)));
        EXPECT_GT(PixelsOfColour(canvas, textArea, TextColour), 0);
        bool focusFrame = c.action == ODA_FOCUS;
        EXPECT_EQ(focusFrame, PixelsOfColour(canvas, topEdge, c.background) < Width);
    }
}

TEST_F(IconButtonTest, ANewPictureShowsAtOnce)
{
    CResourcePicture picture("CHKYES");
    ASSERT_TRUE(picture.Loaded());
    button.draws = 0;
    button.SetPicture("CHKYES");
    EXPECT_EQ(1, button.draws);
    EXPECT_EQ(0, picture.DifferencesAt(canvas, PictureCorner(picture)));
}

}  // namespace
