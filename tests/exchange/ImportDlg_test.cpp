#include "exchange/ImportDlg.h"

#include <gtest/gtest.h>

#include <functional>

#include "database/CustObArray.h"
#include "database/TOCListItem.h"
#include "exchange/DatabaseImporter.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/MealMasterImporter.h"
#include "exchange/TaggedTextImporter.h"
#include "framework/DialogDriver.h"
#include "framework/WinApp.h"

namespace {

using namespace exchangetest;

std::string MealMasterRecipe(const char* title)
{
    return std::string("---------- Recipe via Meal-Master (tm) v8.02\n\n      Title: ") + title +
           "\n Categories: Main\n   Servings: 4\n\n      1 c  milk\n\nStir.\n-----\n";
}

class ImportDialog : public ExchangeTest
{
protected:
    void SetUp() override
    {
        ExchangeTest::SetUp();
        CDialogDriver::Arm(TRUE);
    }
    void TearDown() override
    {
        CDialogDriver::Reset();
        ExchangeTest::TearDown();
    }

    static void ChooseType(CDialog& dialog, int nType)
    {
        dialog.SendDlgItemMessage(IDC_EXCHANGE_TYPE, CB_SETCURSEL, static_cast<WPARAM>(nType));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EXCHANGE_TYPE, CBN_CLOSEUP),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, IDC_EXCHANGE_TYPE)));
    }

    static void ReadTitles(CDialog& dialog, const std::string& path)
    {
        dialog.SetDlgItemText(IDC_EXCHANGE_FILE, path.c_str());
        CDialogDriver::Press(dialog, IDC_IMPORT_READ_TITLES);
    }

    static CString Text(CDialog& dialog, int nId)
    {
        CString text;
        dialog.GetDlgItemText(nId, text);
        return text;
    }

    void Run(std::function<void(CImportDlg&)> action)
    {
        CDialogDriver::OnOpen(IDD_IMPORT, [&](CDialog& dialog) {
            action(static_cast<CImportDlg&>(dialog));
            CDialogDriver::Press(dialog, IDCANCEL);
        });
        CImportDlg dialog;
        dialog.DoModal();
        EXPECT_TRUE(CDialogDriver::GetUnexpectedDialogs().empty());
    }

    bool HasChapter(const char* name)
    {
        CCustObArray chapters;
        m_db.LoadChapters(chapters);
        for (int i = 0; i < chapters.GetSize(); ++i)
            if (static_cast<const TOCListItem*>(chapters.GetAt(i))->m_name == name)
                return true;
        return false;
    }

    CWinApp m_app{"Savorum"};
};

TEST_F(ImportDialog, EachTypeHasItsOwnImporter)
{
    Run([&](CImportDlg& dialog) {
        EXPECT_NE(nullptr, dynamic_cast<CTaggedTextImporter*>(dialog.GetImporter()));
        ChooseType(dialog, 6);
        EXPECT_NE(nullptr, dynamic_cast<CMealMasterImporter*>(dialog.GetImporter()));
        EXPECT_STREQ("recipes.mm", Text(dialog, IDC_EXCHANGE_FILE));
        ChooseType(dialog, 3);
        EXPECT_NE(nullptr, dynamic_cast<CDatabaseImporter*>(dialog.GetImporter()));
        EXPECT_STREQ("px4001.dbf", Text(dialog, IDC_EXCHANGE_FILE));
        ChooseType(dialog, 0);
        EXPECT_NE(nullptr, dynamic_cast<CTaggedTextImporter*>(dialog.GetImporter()));
    });
}

TEST_F(ImportDialog, FilesThatCannotBeReadAreNamed)
{
    WriteFile("recipes.mm", MealMasterRecipe("Milk"));
    Run([&](CImportDlg& dialog) {
        ReadTitles(dialog, PathOf("recipes.mm"));
        ReadTitles(dialog, PathOf("missing.bvt"));
        CDialogDriver::Press(dialog, IDC_IMPORT_ALL);
        EXPECT_STREQ("0 of 0 Selected ", Text(dialog, IDC_EXCHANGE_COUNT));
    });
    EXPECT_EQ("Can't open: " + PathOf("recipes.mm") + "\nCan't open: " + PathOf("missing.bvt") +
                  "\n\nVerify Import File Type.\n",
              std::string(m_boxes.GetAllTexts()));
    EXPECT_FALSE(HasChapter("Import"));
}

TEST_F(ImportDialog, ImportAllBringsInTheReadableRecipesAndNamesTheRest)
{
    WriteFile("recipes.mm",
              MealMasterRecipe("First") + MealMasterRecipe("Second") +
                  "---------- Meal-Master\n\n      Title: Cut\n Categories: Main\n 4\n\n      1 c  milk\n");
    m_boxes.QueueAnswer(IDNO);
    Run([&](CImportDlg& dialog) {
        ChooseType(dialog, 6);
        ReadTitles(dialog, PathOf("recipes.mm"));
        EXPECT_STREQ("0 of 3 Selected ", Text(dialog, IDC_EXCHANGE_COUNT));
        CDialogDriver::Press(dialog, IDC_IMPORT_ALL);
        EXPECT_FALSE(HasChapter("Import")) << "made only on Yes";
        CDialogDriver::Press(dialog, IDC_IMPORT_ALL);
        EXPECT_STREQ("3 of 3 Selected ", Text(dialog, IDC_EXCHANGE_COUNT));
    });
    EXPECT_TRUE(HasChapter("Import"));
    const auto& shown = m_boxes.GetShown();
    ASSERT_EQ(3u, shown.size());
    EXPECT_STREQ("Import into this chapter:  Import", shown[0].text);
    EXPECT_STREQ("2 imported, 1 skipped.\nline 23: Cut: The end of the file was encountered unexpectedly.",
                 shown[2].text);
}

}  // namespace
