// Choosing, naming and creating the current shopping list, alone and before adding a recipe.
#include "shopping/SelectShoppingListDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ShoppingDialogTest.h"

namespace {

class SelectShoppingListDlgTest : public shoptest::ShoppingDialogTest
{
protected:
    void SetUp() override
    {
        ShoppingDialogTest::SetUp();
        MakeList("Weekly", {"Irish Soda Bread"});
        MakeList("Party", {});
        m_boxes.ClearShown();
    }

    INT_PTR Run(int mode, std::function<void(CDialog&)> action)
    {
        CDialogDriver::OnOpen(IDD_SELECT_SHOPPING_LIST, std::move(action));
        CSelectShoppingListDlg dialog;
        dialog.m_mode = mode;
        dialog.m_itemName = "Irish Soda Bread";
        dialog.m_recipeId = RecipeId("Irish Soda Bread");
        const INT_PTR result = dialog.DoModal();
        m_chosen = dialog.m_listName;
        return result;
    }

    static void Type(CDialog& dialog, const char* name)
    {
        dialog.SetDlgItemText(IDC_SHOPPING_LIST_NAME, name);
        Notify(dialog, IDC_SHOPPING_LIST_NAME, CBN_EDITUPDATE);
    }

    CString m_chosen;
};

TEST_F(SelectShoppingListDlgTest, ListsTheFilesAndSelectsTheCurrentList)
{
    Run(CSelectShoppingListDlg::kChoose, [&](CDialog& dialog) {
        EXPECT_EQ(2043u, GetHelpContext());
        EXPECT_STREQ("Party", formtest::ItemText(dialog, IDC_SHOPPING_LIST_NAME));
        EXPECT_EQ(2, dialog.SendDlgItemMessage(IDC_SHOPPING_LIST_NAME, CB_GETCOUNT));
        EXPECT_FALSE(dialog.GetDlgItem(IDC_SHOPPING_LIST_PROMPT)->IsWindowVisible());
        CDialogDriver::Press(dialog, IDCANCEL);
    });
}

TEST_F(SelectShoppingListDlgTest, ANewNameIsCreatedOnlyOnYes)
{
    const struct
    {
        int answer;
        BOOL created;
        const char* current;
    } cases[] = {
        {IDNO, FALSE, "Party"},
        {IDYES, TRUE, "Camping"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.answer);
        m_boxes.ClearShown();
        m_boxes.QueueAnswer(c.answer);
        Run(CSelectShoppingListDlg::kChoose, [&](CDialog& dialog) {
            Type(dialog, "  Camping ");
            CDialogDriver::Press(dialog, IDOK);
            if (StillOpen(dialog))
                CDialogDriver::Press(dialog, IDCANCEL);
        });
        EXPECT_STREQ("List 'Camping' does not exist.  Create it?\n", m_boxes.GetAllTexts());
        EXPECT_EQ(c.created, FileExists("Camping.shp"));
        EXPECT_STREQ(c.current, g_pShopMgr->GetListName());
    }
}

TEST_F(SelectShoppingListDlgTest, RefusedNamesKeepTheDialogOpen)
{
    const struct
    {
        const char* typed;
        const char* message;
    } cases[] = {
        {"", "You must provide a Shopping List name.\n"},
        {"a?b", "Shopping list name can contain only alpha and numeric characters. Character '?' not allowed.\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        m_boxes.ClearShown();
        Run(CSelectShoppingListDlg::kChoose, [&](CDialog& dialog) {
            Type(dialog, c.typed);
            CDialogDriver::Press(dialog, IDOK);
            EXPECT_TRUE(StillOpen(dialog));
            CDialogDriver::Press(dialog, IDCANCEL);
        });
        EXPECT_STREQ(c.message, m_boxes.GetAllTexts());
        EXPECT_STREQ("Party", g_pShopMgr->GetListName());
    }
}

TEST_F(SelectShoppingListDlgTest, ATypedNameIsCutAtTheLimitThatStillMakesAFileName)
{
    const std::string longName(CSelectShoppingListDlg::kMaxNameLength + 3, 'a');
    Run(CSelectShoppingListDlg::kChoose, [&](CDialog& dialog) {
        Type(dialog, longName.c_str());
        EXPECT_EQ(CSelectShoppingListDlg::kMaxNameLength,
                  formtest::ItemText(dialog, IDC_SHOPPING_LIST_NAME).GetLength());
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_STREQ("Shopping List name must be 251 or fewer characters.\n", m_boxes.GetAllTexts());
}

TEST_F(SelectShoppingListDlgTest, ARecipeAlreadyOnTheChosenListAsksAndNoKeepsTheDialogOpen)
{
    Run(CSelectShoppingListDlg::kAddRecipe, [&](CDialog& dialog) {
        EXPECT_EQ(2044u, GetHelpContext());
        EXPECT_STREQ("Irish Soda Bread will be added to the Shopping List indicated below.",
                     formtest::ItemText(dialog, IDC_SHOPPING_LIST_PROMPT));
        dialog.SendDlgItemMessage(IDC_SHOPPING_LIST_NAME, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>("Weekly"));
        Notify(dialog, IDC_SHOPPING_LIST_NAME, CBN_SELCHANGE);
        m_boxes.QueueAnswer(IDNO);
        CDialogDriver::Press(dialog, IDOK);
        EXPECT_TRUE(StillOpen(dialog));
        m_boxes.QueueAnswer(IDYES);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Irish Soda Bread  is already in the selected Shopping List.  Do you want to add it again?\n"
                 "Irish Soda Bread  is already in the selected Shopping List.  Do you want to add it again?\n",
                 m_boxes.GetAllTexts());
    EXPECT_STREQ("Weekly", m_chosen);
    EXPECT_STREQ("Weekly", g_pShopMgr->GetListName());
}

}  // namespace
