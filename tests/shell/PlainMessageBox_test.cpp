#include "shell/services/PlainMessageBox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/MessageBoxScript.h"

namespace {

TEST(PlainMessageBox, OwnerlessBoxesGoThroughTheFrameworkService)
{
    CMessageBoxScript boxes;
    ShowInfoMessage("Chart", "Drawn.");
    ShowPlainErrorBox("Too Many/Too Few Pie Sectors!");

    ASSERT_EQ(2u, boxes.GetShown().size());
    EXPECT_EQ(nullptr, boxes.GetShown()[0].hOwner);
    EXPECT_STREQ("Chart", boxes.GetShown()[0].caption);
    EXPECT_STREQ("Drawn.", boxes.GetShown()[0].text);
    EXPECT_EQ(0x1040u, boxes.GetShown()[0].nType);
    EXPECT_EQ(nullptr, boxes.GetShown()[1].hOwner);
    EXPECT_STREQ("Error", boxes.GetShown()[1].caption);
    EXPECT_EQ(0x30u, boxes.GetShown()[1].nType);
}

TEST(PlainMessageBox, NoCaptionGetsTheProductName)
{
    CMessageBoxScript boxes;
    ShowShellMessageBox(nullptr, "Saved.", nullptr, MB_OK);

    ASSERT_EQ(1u, boxes.GetShown().size());
    EXPECT_STREQ("Savorum", boxes.GetShown()[0].caption);
}

}  // namespace
