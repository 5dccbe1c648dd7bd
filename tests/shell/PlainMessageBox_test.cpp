#include "shell/PlainMessageBox.h"

#include "framework/AfxMessageBox.h"

#include "ShellTestFolder.h"

namespace {

TEST(PlainMessageBox, OwnerlessBoxesGoThroughTheFrameworkService)
{
    using shelltest::RecordedBoxes;
    RecordedBoxes().clear();
    const AfxMessageBoxHandler pfnPrevious = AfxSetMessageBoxHandler(shelltest::RecordBox);
    ShowInfoMessage("Chart", "Drawn.");
    ShowPlainErrorBox("Too Many/Too Few Pie Sectors!");
    AfxSetMessageBoxHandler(pfnPrevious);

    ASSERT_EQ(2u, RecordedBoxes().size());
    EXPECT_EQ(nullptr, RecordedBoxes()[0].hOwner);
    EXPECT_EQ("Chart", RecordedBoxes()[0].caption);
    EXPECT_EQ("Drawn.", RecordedBoxes()[0].text);
    EXPECT_EQ(0x1040u, RecordedBoxes()[0].nStyle);
    EXPECT_EQ(nullptr, RecordedBoxes()[1].hOwner);
    EXPECT_EQ("Error", RecordedBoxes()[1].caption);
    EXPECT_EQ(0x30u, RecordedBoxes()[1].nStyle);
}

TEST(PlainMessageBox, NoCaptionGetsTheProductName)
{
    using shelltest::RecordedBoxes;
    RecordedBoxes().clear();
    const AfxMessageBoxHandler pfnPrevious = AfxSetMessageBoxHandler(shelltest::RecordBox);
    ShowShellMessageBox(nullptr, "Saved.", nullptr, MB_OK);
    AfxSetMessageBoxHandler(pfnPrevious);

    ASSERT_EQ(1u, RecordedBoxes().size());
    EXPECT_EQ("Savorum", RecordedBoxes()[0].caption);
}

}  // namespace
