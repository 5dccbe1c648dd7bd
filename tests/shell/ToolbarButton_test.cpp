#include "shell/controls/ToolbarButton.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "RecordingForm.h"
#include "ResourcePicture.h"
#include "shell/formbase/FormManager.h"

namespace {

constexpr UINT ButtonId = 161;

TEST(ToolbarButton, DrawsThePictureOfItsState)
{
    CToolbarButton button;
    ASSERT_TRUE(button.LoadBitmaps("RTGOOD", "RTGREAT", "RTXCLNT", "RTBAD"));
    struct Case
    {
        UINT state;
        const char* picture;
    };
    const Case cases[] = {{0, "RTGOOD"},
                          {ODS_SELECTED, "RTGREAT"},
                          {ODS_SELECTED | ODS_FOCUS, "RTGREAT"},
                          {ODS_FOCUS, "RTXCLNT"},
                          {ODS_DISABLED, "RTBAD"}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.picture);
        CResourcePicture picture(c.picture);
        ASSERT_TRUE(picture.Loaded());
        CPixelCanvas canvas(picture.Size().cx, picture.Size().cy);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = c.state;
        item.hDC = canvas.Dc();
        item.rcItem = RECT{0, 0, picture.Size().cx, picture.Size().cy};
        button.DrawItem(&item);
        EXPECT_EQ(0, picture.DifferencesAt(canvas, POINT{0, 0}));
    }
}

// A main frame whose Window menu lists two open windows below its own items.
class ToolbarButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame.CreateEx(0, nullptr, "Savorum", WS_OVERLAPPEDWINDOW, RECT{0, 0, 400, 300}, nullptr, 0);
        HMENU bar = ::CreateMenu();
        windowMenu = ::CreatePopupMenu();
        ::AppendMenuA(windowMenu, MF_STRING, 1, "&Cascade");
        ::AppendMenuA(windowMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(windowMenu, MF_STRING, 2, "&Arrange Icons");
        ::AppendMenuA(windowMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(windowMenu, MF_STRING, 3, "&1 Tomato Soup");
        ::AppendMenuA(windowMenu, MF_STRING, 4, "&2 Menu");
        ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu), "&Window");
        ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), "&Help");
        ::SetMenu(frame.m_hWnd, bar);
        manager = std::make_unique<CFormManager>(&frame);
        g_pFormManager = manager.get();

        form.CreateEx(0, nullptr, "Tools", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 300, 100}, nullptr, 0);
        button.LoadBitmaps("RTGOOD");
        button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{10, 10, 58, 26}, &form, ButtonId);
    }

    void TearDown() override { g_pFormManager = nullptr; }

    std::vector<std::string> WindowMenuItems() const
    {
        std::vector<std::string> items;
        for (int i = 0; i < ::GetMenuItemCount(windowMenu); ++i)
        {
            char text[64] = "";
            ::GetMenuStringA(windowMenu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            items.push_back(*text != '\0' ? text : "-");
        }
        return items;
    }

    CWnd frame;
    HMENU windowMenu = nullptr;
    std::unique_ptr<CFormManager> manager;
    CRecordingForm form;
    CToolbarButton button;
};

TEST_F(ToolbarButtonTest, APressTidiesTheWindowMenuThenClicksAsAButton)
{
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ((std::vector<std::string>{"&Cascade", "-", "&Arrange Icons"}), WindowMenuItems());
    EXPECT_TRUE(form.commands.empty());

    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    std::pair<WPARAM, LPARAM> click{MAKEWPARAM(ButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(button.m_hWnd)};
    EXPECT_EQ((std::vector<std::pair<WPARAM, LPARAM>>{click}), form.commands);
}

}  // namespace
