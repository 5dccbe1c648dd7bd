#include "forms/DuplicateRecipeDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CookbookDialogTest.h"
#include "database/CategoryListItem.h"
#include "database/IngData.h"
#include "database/RecipeData.h"
#include "database/RefListItem.h"
#include "framework/Position.h"
#include "shell/formbase/CurrentRecipe.h"
#include "support/QueryColumn.h"

namespace {

using formtest::ItemText;
using Rows = std::vector<std::string>;

const BYTE kWhole =
    CRecipeData::kLoadLines | CRecipeData::kLoadCategories | CRecipeData::kLoadReferences | CRecipeData::kLoadRecipeRow;

class DuplicateRecipeDlgTest : public formtest::CookbookDialogTest
{
protected:
    std::string SourceCookbook() const override { return fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS"; }

    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        ASSERT_TRUE(m_database.ExecuteDirect(
            "INSERT INTO REFERENC (REFID, REFTYPE, NAME, CONTENT) VALUES ('000901', 'T', 'Crust', 'Tap the base.')"));
        source = Loaded(CRecordId(Query("SELECT RECIPE FROM RECIPE WHERE TITLE='Irish Soda Bread'").at(0).c_str()));
        source.m_recipeId = CRecordId();
        source.m_title = "Baker's Loaf";
        source.m_categories.DeleteAll();
        for (const char* id : {"000001", "000002"})
        {
            auto* pCategory = new CategoryListItem;
            pCategory->m_id = CRecordId(id);
            source.m_categories.AddTail(pCategory);
        }
        source.m_links.Add(new RefListItem("Crust", "Tap the base.", 901, 'T'));
        ASSERT_EQ(0, m_database.InsertRecipe(source, FALSE)) << m_boxes.GetAllTexts();
        m_boxes.ClearShown();
    }

    Rows Query(const std::string& sql) { return fixture::QueryColumn(m_database, sql, m_boxes); }

    CRecipeData Loaded(const CRecordId& id)
    {
        CRecipeData recipe;
        recipe.m_recipeId = id;
        EXPECT_EQ(0, m_database.LoadRecipe(&recipe, kWhole)) << m_boxes.GetAllTexts();
        return recipe;
    }

    INT_PTR Run(std::function<void(CDialog&)> action, const char* proposed = "")
    {
        CDialogDriver::OnOpen(IDD_DUPLICATE_RECIPE, std::move(action));
        CDuplicateRecipeDlg dialog;
        dialog.m_sourceId = source.m_recipeId;
        dialog.m_sourceChapterId = source.m_chapterId;
        dialog.m_sourceTitle = source.m_title;
        dialog.m_proposedName = proposed;
        return dialog.DoModal();
    }

    Rows Titles() { return Query("SELECT TITLE FROM RECIPE WHERE TITLE LIKE 'Baker%' ORDER BY TITLE"); }

    static BOOL StillOpen(const CDialog& dialog) { return ::IsWindow(dialog.m_hWnd) && dialog.GetModalResult() == -1; }

    static Rows LineTexts(const CRecipeData& recipe)
    {
        Rows lines;
        for (POSITION pos = recipe.m_lines.GetHeadPosition(); pos != nullptr;)
        {
            const auto* pLine = static_cast<const CIngData*>(recipe.m_lines.GetNext(pos));
            lines.push_back(std::string(pLine->m_lineType) + pLine->m_itemId.GetText());
        }
        return lines;
    }

    static Rows CategoryIds(const CRecipeData& recipe)
    {
        Rows ids;
        for (POSITION pos = recipe.m_categories.GetHeadPosition(); pos != nullptr;)
            ids.push_back(static_cast<const CategoryListItem*>(recipe.m_categories.GetNext(pos))->m_id.GetText());
        return ids;
    }

    CRecipeData source;
};

TEST_F(DuplicateRecipeDlgTest, TheCopyInTheSourcesChapterKeepsLinesCategoriesAndReferences)
{
    CRecipeData* pShown = GetCurrentRecipe(source.m_recipeId, kWhole);
    ASSERT_NE(nullptr, pShown);
    EXPECT_EQ(IDOK, Run(
                        [&](CDialog& dialog) {
                            EXPECT_STREQ("Baker's Loaf", ItemText(dialog, IDC_DUPLICATE_SOURCE));
                            EXPECT_STREQ(source.m_chapterTitle, ItemText(dialog, IDC_DUPLICATE_CHAPTER));
                            EXPECT_STREQ("Baker's Loaf II", ItemText(dialog, IDC_DUPLICATE_NAME));
                            EXPECT_EQ(2045u, GetHelpContext());
                            CDialogDriver::Press(dialog, IDOK);
                        },
                        "Baker's Loaf II"));
    CString question;
    question.Format("Create duplicate Recipe: Baker's Loaf II in Chapter: %s?\n",
                    static_cast<LPCSTR>(source.m_chapterTitle));
    EXPECT_STREQ(question, m_boxes.GetAllTexts());
    const Rows copies = Query("SELECT RECIPE FROM RECIPE WHERE TITLE='Baker''s Loaf II'");
    ASSERT_EQ(1u, copies.size());
    const CRecipeData copy = Loaded(CRecordId(copies[0].c_str()));
    EXPECT_TRUE(copy.m_chapterId == source.m_chapterId);
    EXPECT_FALSE(LineTexts(source).empty());
    EXPECT_EQ(LineTexts(source), LineTexts(copy));
    EXPECT_EQ(Rows({"000001", "000002"}), CategoryIds(copy));
    ASSERT_EQ(1, copy.m_links.GetSize());
    EXPECT_TRUE(pShown == GetCurrentRecipe(source.m_recipeId, kWhole));
    EXPECT_TRUE(pShown->m_recipeId == source.m_recipeId);
    EXPECT_STREQ("Baker's Loaf", pShown->m_title);
}

TEST_F(DuplicateRecipeDlgTest, AnEmptyNameNeverReachesTheCookbook)
{
    BOOL bStillOpen = FALSE;
    EXPECT_EQ(IDCANCEL, Run([&](CDialog& dialog) {
                  CDialogDriver::Press(dialog, IDOK);
                  bStillOpen = StillOpen(dialog);
                  CDialogDriver::Press(dialog, IDCANCEL);
              }));
    EXPECT_TRUE(bStillOpen);
    EXPECT_STREQ("Name for duplicate recipe must be provided.\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({"Baker's Loaf"}), Titles());
}

TEST_F(DuplicateRecipeDlgTest, CancelAtTheQuestionKeepsTheTypedName)
{
    CString kept;
    EXPECT_EQ(IDCANCEL, Run([&](CDialog& dialog) {
                  dialog.SetDlgItemText(IDC_DUPLICATE_NAME, "Second Loaf");
                  m_boxes.QueueAnswer(IDCANCEL);
                  CDialogDriver::Press(dialog, IDOK);
                  kept = ItemText(dialog, IDC_DUPLICATE_NAME);
                  CDialogDriver::Press(dialog, IDCANCEL);
              }));
    EXPECT_STREQ("Second Loaf", kept);
    EXPECT_EQ(Rows({"Baker's Loaf"}), Titles());
}

TEST_F(DuplicateRecipeDlgTest, AReadOnlyCookbookIsReportedAndTheDialogStays)
{
    m_database.Close();
    ::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(m_database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
    m_boxes.ClearShown();
    BOOL bStillOpen = FALSE;
    EXPECT_EQ(IDCANCEL, Run([&](CDialog& dialog) {
                  dialog.SetDlgItemText(IDC_DUPLICATE_NAME, "Second Loaf");
                  CDialogDriver::Press(dialog, IDOK);
                  bStillOpen = StillOpen(dialog);
                  CDialogDriver::Press(dialog, IDCANCEL);
              }));
    EXPECT_TRUE(bStillOpen);
    ASSERT_FALSE(m_boxes.GetShown().empty());
    EXPECT_STREQ("The selected Cookbook is Read-Only.\r\nChanges will not be saved.", m_boxes.GetTexts().back());
    EXPECT_EQ(Rows({"Baker's Loaf"}), Titles());
}

}  // namespace
