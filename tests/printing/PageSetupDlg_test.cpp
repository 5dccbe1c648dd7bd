#include "printing/PageSetupDlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/DialogDriver.h"
#include "framework/WinApp.h"
#include "printing/PrintPreferencesDlg.h"
#include "res/resource.h"
#include "shell/ShellTestFolder.h"

namespace {

class PageSetup : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        m_settings = std::make_unique<CAppSettings>();
        g_pAppSettings = m_settings.get();
        CDialogDriver::Arm(TRUE);
    }
    void TearDown() override
    {
        CDialogDriver::Reset();
        g_pAppSettings = nullptr;
        m_settings.reset();
    }

    PrintSettings& Record() { return *g_pAppSettings->GetPrintRecord(); }

    // Runs the dialog as the Page Setup command does: a choice, margins, then OK and, when a
    // message keeps it open, Cancel.
    INT_PTR RunPageSetup(int nChoice, const char* pszLeft, const char* pszRight)
    {
        CDialogDriver::OnOpen(IDD_PAGE_SETUP, [=](CDialog& dialog) {
            dialog.SendDlgItemMessage(IDC_PAGE_SIZE, LB_SETCURSEL, nChoice);
            dialog.SetDlgItemText(IDC_LEFT_MARGIN, pszLeft);
            dialog.SetDlgItemText(IDC_RIGHT_MARGIN, pszRight);
            const std::size_t nShown = m_boxes.GetShown().size();
            CDialogDriver::Press(dialog, IDOK);
            if (m_boxes.GetShown().size() != nShown)
                CDialogDriver::Press(dialog, IDCANCEL);
        });
        CPageSetupDlg dialog;
        const INT_PTR result = dialog.DoModal();
        if (result == IDOK)
            dialog.CopyPageFieldsTo(Record());
        return result;
    }

    std::unique_ptr<CAppSettings> m_settings;
    CWinApp m_app{"Savorum"};
};

TEST_F(PageSetup, MarginsThatDoNotFitKeepTheDialogOpenWithTheirMessage)
{
    struct Case
    {
        const char* left;
        const char* right;
        const char* message;
    };
    const Case cases[] = {
        {"4", "4", "Sum of left and right margins too large for page size.  Reduce size of left or right margin."},
        {"-0.5", "1", "One or more margins less than 0.  Please check all margins."},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.left);
        const PrintSettings before = Record();
        m_boxes.ClearShown();
        EXPECT_EQ(IDCANCEL, RunPageSetup(0, c.left, c.right));
        EXPECT_EQ(std::string(c.message) + "\n", std::string(m_boxes.GetAllTexts()));
        EXPECT_EQ(before.LeftMargin, Record().LeftMargin) << "Cancel changes nothing";
    }
}

TEST_F(PageSetup, TwoCardsOfSixByFourStoreTheirPage)
{
    ASSERT_EQ(IDOK, RunPageSetup(4, "0.25", "0.25"));
    EXPECT_EQ(6.0, Record().PageWidth);
    EXPECT_EQ(4.0, Record().PageHeight);
    EXPECT_EQ(2, Record().SubPages);
    EXPECT_EQ(4, Record().SelectedPageSize);
    EXPECT_EQ(0.25, Record().LeftMargin);
}

TEST_F(PageSetup, PrinterPaperComesFromTheDeviceMode)
{
    DEVMODEA mode = {};
    const struct
    {
        short paper;
        short width;
        short length;
        double expectedWidth;
        double expectedHeight;
    } cases[] = {
        {DMPAPER_LETTER, 0, 0, 8.5, 11.0},
        {DMPAPER_LEGAL, 0, 0, 8.5, 14.0},
        {DMPAPER_USER, 2159, 3556, 8.5, 14.0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.paper);
        mode.dmPaperSize = c.paper;
        mode.dmPaperWidth = c.width;
        mode.dmPaperLength = c.length;
        PrintSettings record = Record();
        CPageSetupDlg::ApplyPageChoice(record, 0, &mode);
        EXPECT_NEAR(c.expectedWidth, record.PageWidth, 0.001);
        EXPECT_NEAR(c.expectedHeight, record.PageHeight, 0.001);
    }
}

TEST_F(PageSetup, OneRecipePerPageIsStoredInverted)
{
    Record().SamePage = 1;
    CDialogDriver::OnOpen(IDD_PRINT_PREFERENCES, [](CDialog& dialog) {
        dialog.SendDlgItemMessage(IDC_ONE_RECIPE_PER_PAGE, BM_SETCHECK, BST_CHECKED);
        CDialogDriver::Press(dialog, IDOK);
    });
    CPrintPreferencesDlg dialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    dialog.CopyPreferencesTo(Record());
    EXPECT_EQ(0, Record().SamePage);
}

}  // namespace
