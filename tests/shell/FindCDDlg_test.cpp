#include "shell/services/FindCDDlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/DialogDriver.h"
#include "res/resource.h"
#include "shell/services/NewDatabase.h"
#include "support/CookbookFixture.h"

namespace {

using Letters = std::vector<std::string>;

// The test prefix has one CD-ROM drive, D:, over the build tree's cdrom folder.
class FindCDDlgTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        CookbookTest::SetUp();
        CDialogDriver::Reset();
        CDialogDriver::Arm(TRUE);
    }
    void TearDown() override
    {
        EXPECT_FALSE(CDialogDriver::HasPendingActions());
        EXPECT_TRUE(CDialogDriver::GetUnexpectedDialogs().empty());
        CDialogDriver::Reset();
        CookbookTest::TearDown();
    }

    static Letters Listed(const CDialog& dialog)
    {
        Letters letters;
        const LRESULT count = dialog.SendDlgItemMessage(IDC_FIND_CD_DRIVE, CB_GETCOUNT);
        for (LRESULT row = 0; row < count; ++row)
        {
            char text[8] = "";
            dialog.SendDlgItemMessage(IDC_FIND_CD_DRIVE, CB_GETLBTEXT, static_cast<WPARAM>(row),
                                      reinterpret_cast<LPARAM>(text));
            letters.push_back(text);
        }
        return letters;
    }

    // Answers the Find CD dialog: the drive's row chosen (-1 none) and the button pressed.
    static void AnswerFindCD(int row, int button, int& opened)
    {
        CDialogDriver::OnOpen(IDD_FIND_CD, [row, button, &opened](CDialog& dialog) {
            ++opened;
            dialog.SendDlgItemMessage(IDC_FIND_CD_DRIVE, CB_SETCURSEL, static_cast<WPARAM>(row));
            CDialogDriver::Press(dialog, button);
        });
    }

    std::string Missing() const { return m_folder + "\\resource\\FINDCD.TWS"; }
};

TEST_F(FindCDDlgTest, ListsTheCdRomDrivesAndGivesTheChosenLetter)
{
    ASSERT_EQ(static_cast<UINT>(DRIVE_CDROM), GetDriveTypeA("D:\\"));
    Letters listed;
    CDialogDriver::OnOpen(IDD_FIND_CD, [&](CDialog& dialog) {
        listed = Listed(dialog);
        dialog.SendDlgItemMessage(IDC_FIND_CD_DRIVE, CB_SETCURSEL, 0);
        CDialogDriver::Press(dialog, IDOK);
    });
    CFindCDDlg dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(Letters{"D"}, listed);
    EXPECT_STREQ("D", dialog.GetDriveLetter());
}

TEST_F(FindCDDlgTest, AMissingTemplateIsCopiedFromTheDisc)
{
    const std::string disc = fixture::BuildFolder() + "\\cdrom\\PX5\\RESOURCE";
    CreateDirectoryA((fixture::BuildFolder() + "\\cdrom\\PX5").c_str(), nullptr);
    CreateDirectoryA(disc.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(fixture::TemplatePath().c_str(), (disc + "\\FINDCD.TWS").c_str(), FALSE));
    const std::string made = m_folder + "\\FromDisc.tws";
    int opened = 0;
    AnswerFindCD(0, IDOK, opened);
    CNewDatabase creator;
    EXPECT_TRUE(creator.Create("Savorum Database", Missing().c_str(), made.c_str())) << m_boxes.GetAllTexts();
    EXPECT_EQ(1, opened);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(made.c_str()));
    DeleteFileA((disc + "\\FINDCD.TWS").c_str());
}

TEST_F(FindCDDlgTest, CancelAndAnEmptyChoiceEndWithoutAskingAgain)
{
    const struct
    {
        int row;
        int button;
    } cases[] = {{0, IDCANCEL}, {-1, IDOK}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.button);
        int opened = 0;
        AnswerFindCD(c.row, c.button, opened);
        CNewDatabase creator;
        EXPECT_FALSE(creator.Create("Savorum Database", Missing().c_str(), (m_folder + "\\None.tws").c_str()));
        EXPECT_EQ(1, opened);
        EXPECT_TRUE(m_boxes.GetShown().empty()) << m_boxes.GetAllTexts();
    }
}

}  // namespace
