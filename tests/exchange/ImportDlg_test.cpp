#include "exchange/ImportDlg.h"

#include <gtest/gtest.h>

#include <functional>

#include "database/CustObArray.h"
#include "database/PortRecordset.h"
#include "database/TOCListItem.h"
#include "exchange/DatabaseImporter.h"
#include "exchange/ConfiguredSource.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/OwnCookbookSource.h"
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

    static void ChooseSourceChapter(CDialog& dialog, const char* name)
    {
        const LRESULT nIndex = dialog.SendDlgItemMessage(IDC_IMPORT_SOURCE_CHAPTER, CB_FINDSTRINGEXACT,
                                                         static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
        ASSERT_NE(nIndex, CB_ERR) << name;
        dialog.SendDlgItemMessage(IDC_IMPORT_SOURCE_CHAPTER, CB_SETCURSEL, static_cast<WPARAM>(nIndex));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_IMPORT_SOURCE_CHAPTER, CBN_CLOSEUP),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, IDC_IMPORT_SOURCE_CHAPTER)));
    }

    static std::vector<std::string> Items(CDialog& dialog, int nId, UINT countMessage, UINT textMessage)
    {
        std::vector<std::string> items;
        const int nCount = static_cast<int>(dialog.SendDlgItemMessage(nId, countMessage));
        for (int i = 0; i < nCount; ++i)
        {
            char text[256] = "";
            dialog.SendDlgItemMessage(nId, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }

    // The titles of the cookbook's recipes in the named chapter.
    std::vector<std::string> RecipesInChapter(const char* name)
    {
        std::vector<std::string> titles;
        CCustObArray chapters;
        m_db.LoadChapters(chapters);
        for (int i = 0; i < chapters.GetSize(); ++i)
        {
            const auto* pChapter = static_cast<const TOCListItem*>(chapters.GetAt(i));
            if (pChapter->m_name != name)
                continue;
            CPortRecordset recipes(&m_db);
            const CString sql =
                "SELECT TITLE FROM RECIPE WHERE COOKBOOK='" + CString(pChapter->m_id.GetText()) + "' ORDER BY TITLE";
            EXPECT_TRUE(recipes.OpenTable("RECIPE", sql, nullptr));
            for (; !recipes.IsEOF(); recipes.MoveNext())
            {
                CString title;
                recipes.GetFieldText("TITLE", title);
                titles.push_back(title.GetString());
            }
        }
        return titles;
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

TEST_F(ImportDialog, AnOlderCookbookOfTheProgramIsReadByChapter)
{
    const std::string path = Copy(fixture::TemplatePath(), "older.tws");
    WriteSoupsCookbook(path, "1.2");
    Run([&](CImportDlg& dialog) {
        ChooseType(dialog, 1);
        ReadTitles(dialog, path);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, IDC_IMPORT_SOURCE_CHAPTER)));
        EXPECT_EQ(Items(dialog, IDC_IMPORT_SOURCE_CHAPTER, CB_GETCOUNT, CB_GETLBTEXT),
                  (std::vector<std::string>{"Soups", "Sweets"}));
        EXPECT_EQ(Items(dialog, IDC_EXCHANGE_RECIPES, LB_GETCOUNT, LB_GETTEXT),
                  (std::vector<std::string>{"Bone Stock", "Mum's Soup", "Plain Water"}));
        ChooseSourceChapter(dialog, "Sweets");
        EXPECT_EQ(Items(dialog, IDC_EXCHANGE_RECIPES, LB_GETCOUNT, LB_GETTEXT), (std::vector<std::string>{"Fudge"}));
        ChooseSourceChapter(dialog, "Soups");
        dialog.SetDlgItemText(IDC_EXCHANGE_CHAPTER, "Old Soups");
        CDialogDriver::Press(dialog, IDC_IMPORT_ALL);
    });
    EXPECT_EQ(RecipesInChapter("Old Soups"), (std::vector<std::string>{"Bone Stock", "Mum's Soup", "Plain Water"}));
    EXPECT_STREQ("The import was successful.\n3 imported, 0 skipped.", m_boxes.GetShown().back().text);
}

TEST_F(ImportDialog, AFoxProCookbookIsReadByChapter)
{
    CreateDirectoryA((m_folder + "\\RESOURCE").c_str(), nullptr);
    const std::string config = Copy(fixture::BuildFolder() + "\\resource\\CONFIG.MDB", "RESOURCE\\CONFIG.MDB");
    const std::string chosen = SoupsSource(SourceKind::Brevana, PathOf("brevana"), config, "Brevana leeks").Write();
    Run([&](CImportDlg& dialog) {
        ChooseType(dialog, 3);
        ReadTitles(dialog, chosen);
        EXPECT_EQ(Items(dialog, IDC_IMPORT_SOURCE_CHAPTER, CB_GETCOUNT, CB_GETLBTEXT),
                  (std::vector<std::string>{"Soups", "Cakes"}));
        ChooseSourceChapter(dialog, "Cakes");
        EXPECT_EQ(Items(dialog, IDC_EXCHANGE_RECIPES, LB_GETCOUNT, LB_GETTEXT), (std::vector<std::string>{"Sponge"}));
        ChooseSourceChapter(dialog, "Soups");
        EXPECT_EQ(Items(dialog, IDC_EXCHANGE_RECIPES, LB_GETCOUNT, LB_GETTEXT),
                  (std::vector<std::string>{"Leek Soup", "Crouton Mix", "Empty Soup"}));
        dialog.SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_SETSEL, TRUE, 0);
        dialog.SetDlgItemText(IDC_EXCHANGE_CHAPTER, "Brevana");
        CDialogDriver::Press(dialog, IDC_IMPORT_SELECTED);
    });
    EXPECT_EQ(RecipesInChapter("Brevana"), (std::vector<std::string>{"Leek Soup"}));
    EXPECT_STREQ("The import was successful.\n1 imported, 0 skipped.", m_boxes.GetShown().back().text);
}

}  // namespace
