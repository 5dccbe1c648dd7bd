#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CookbookDialogTest.h"
#include "database/CategoryListItem.h"
#include "database/RecipeData.h"
#include "forms/AttachCategoriesDlg.h"
#include "forms/EditCategoriesDlg.h"
#include "support/CategoryLinks.h"
#include "support/QueryColumn.h"

namespace {

using formtest::ItemText;
using Rows = std::vector<std::string>;

// Recipes: Breads (holds recipes), Desserts with Cakes and "Pies & Tarts". Meal plans: Picnics.
class CategoryDlgsTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        breads = Add("Breads", CRecordId(), 'R', 1);
        desserts = Add("Desserts", CRecordId(), 'R');
        cakes = Add("Cakes", desserts.m_id, 'R');
        pies = Add("Pies & Tarts", desserts.m_id, 'R');
        picnics = Add("Picnics", CRecordId(), 'M');
    }

    CategoryListItem Add(const char* name, const CRecordId& parent, char type, LONG hasRecipes = 0)
    {
        CategoryListItem item;
        item.m_name = name;
        item.m_type = type;
        item.m_secondId = parent;
        item.m_hasRecipes = hasRecipes;
        item.m_firstChild = item.m_sibling = -1;
        EXPECT_EQ(1, m_database.AddCategory(item)) << name;
        return item;
    }

    // "name parent type" of every stored category, by name.
    Rows Stored()
    {
        return fixture::QueryColumn(m_database,
                                    "SELECT NAME || ' ' || PARENTID || ' ' || TYPE FROM HICAT ORDER BY NAME", m_boxes);
    }

    static std::string Under(const CategoryListItem& parent, const char* name, char type = 'R')
    {
        return std::string(name) + " " + parent.m_id.GetText() + " " + type;
    }

    static std::string AtRoot(const char* name, char type = 'R') { return std::string(name) + " 000000 " + type; }

    static Rows ListRows(const CDialog& dialog, int nId)
    {
        Rows rows;
        const LRESULT count = dialog.SendDlgItemMessage(nId, LB_GETCOUNT);
        for (LRESULT row = 0; row < count; ++row)
        {
            char text[80] = "";
            dialog.SendDlgItemMessage(nId, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
            rows.push_back(text);
        }
        return rows;
    }

    static void Select(CDialog& dialog, int nId, int row)
    {
        dialog.SendDlgItemMessage(nId, LB_SETCURSEL, static_cast<WPARAM>(row));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nId, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(nId)->m_hWnd));
    }

    static void DoubleClick(CDialog& dialog, int row)
    {
        Select(dialog, IDC_CATEGORY_ALL, row);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CATEGORY_ALL, LBN_DBLCLK),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_CATEGORY_ALL)->m_hWnd));
    }

    static BOOL StillOpen(const CDialog& dialog) { return ::IsWindow(dialog.m_hWnd) && dialog.GetModalResult() == -1; }

    void RunEdit(std::function<void(CDialog&)> action)
    {
        CDialogDriver::OnOpen(IDD_EDIT_CATEGORIES, std::move(action));
        CEditCategoriesDlg dialog;
        dialog.DoModal();
        fixture::ExpectConsistentCategoryLinks(m_database);
    }

    CategoryListItem breads, desserts, cakes, pies, picnics;
};

const Rows kRecipeRoot = {"Recipes", "    Breads", "    Desserts"};
const Rows kDessertsLevel = {"Desserts", "    Cakes", "    Pies & Tarts"};

TEST_F(CategoryDlgsTest, EditBrowsesBothTreesLevelByLevel)
{
    RunEdit([&](CDialog& dialog) {
        EXPECT_EQ(2029u, GetHelpContext());
        EXPECT_EQ(BST_CHECKED, dialog.IsDlgButtonChecked(IDC_CATEGORY_RECIPE_TYPE));
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_MEAL_PLAN_TYPE));
        EXPECT_STREQ("All Recipe &Categories:", ItemText(dialog, IDC_CATEGORY_HEADING));
        EXPECT_EQ(kRecipeRoot, ListRows(dialog, IDC_CATEGORY_ALL));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_DELETE));
        DoubleClick(dialog, 0);
        EXPECT_EQ(kRecipeRoot, ListRows(dialog, IDC_CATEGORY_ALL));
        DoubleClick(dialog, 2);
        EXPECT_EQ(kDessertsLevel, ListRows(dialog, IDC_CATEGORY_ALL));
        Select(dialog, IDC_CATEGORY_ALL, 2);
        EXPECT_STREQ("Pies & Tarts", ItemText(dialog, IDC_CATEGORY_NAME));
        // Shown with one "&": the static control takes "&&" for it.
        EXPECT_STREQ("Recipes\r\n  Desserts\r\n    Pies && Tarts", ItemText(dialog, IDC_CATEGORY_PATH));
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_DELETE));
        DoubleClick(dialog, 0);
        EXPECT_EQ(kRecipeRoot, ListRows(dialog, IDC_CATEGORY_ALL));
        formtest::Click(dialog, IDC_CATEGORY_MEAL_PLAN_TYPE);
        EXPECT_STREQ("All Meal Plan &Categories:", ItemText(dialog, IDC_CATEGORY_HEADING));
        EXPECT_EQ(Rows({"Meal Plans", "    Picnics"}), ListRows(dialog, IDC_CATEGORY_ALL));
        formtest::Click(dialog, IDC_CATEGORY_RECIPE_TYPE);
        EXPECT_EQ(kRecipeRoot, ListRows(dialog, IDC_CATEGORY_ALL));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(m_boxes.GetShown().empty());
}

TEST_F(CategoryDlgsTest, EditKindsForOneTreeOnlyDisableTheOther)
{
    CDialogDriver::OnOpen(IDD_EDIT_CATEGORIES, [&](CDialog& dialog) {
        EXPECT_EQ(BST_CHECKED, dialog.IsDlgButtonChecked(IDC_CATEGORY_MEAL_PLAN_TYPE));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_RECIPE_TYPE));
        EXPECT_EQ(Rows({"Meal Plans", "    Picnics"}), ListRows(dialog, IDC_CATEGORY_ALL));
        CDialogDriver::Press(dialog, IDOK);
    });
    CEditCategoriesDlg dialog(nullptr, 3);
    dialog.DoModal();
}

TEST_F(CategoryDlgsTest, AddRefusesAnExistingNameAndALevelThatHoldsRecipes)
{
    Rows desserts_rows;
    RunEdit([&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_CATEGORY_NAME, "bREADS");
        CDialogDriver::Press(dialog, IDC_CATEGORY_ADD);
        DoubleClick(dialog, 1);
        dialog.SetDlgItemText(IDC_CATEGORY_NAME, "Rye");
        CDialogDriver::Press(dialog, IDC_CATEGORY_ADD);
        DoubleClick(dialog, 0);
        DoubleClick(dialog, 2);
        dialog.SetDlgItemText(IDC_CATEGORY_NAME, "Tortes");
        m_boxes.QueueAnswer(IDNO);
        CDialogDriver::Press(dialog, IDC_CATEGORY_ADD);
        dialog.SetDlgItemText(IDC_CATEGORY_NAME, "Tortes");
        CDialogDriver::Press(dialog, IDC_CATEGORY_ADD);
        desserts_rows = ListRows(dialog, IDC_CATEGORY_ALL);
        EXPECT_STREQ("", ItemText(dialog, IDC_CATEGORY_PATH));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Category already exists.\n"
                 "Cannot add a category at this level since recipes or meal plans are already attached.  Detach "
                 "recipes or meal plans and try again.\n"
                 "Add category Tortes?\nAdd category Tortes?\n",
                 m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({"Desserts", "    Cakes", "    Pies & Tarts", "    Tortes"}), desserts_rows);
    EXPECT_EQ(Rows({AtRoot("Breads"), Under(desserts, "Cakes"), AtRoot("Desserts"), AtRoot("Picnics", 'M'),
                    Under(desserts, "Pies & Tarts"), Under(desserts, "Tortes")}),
              Stored());
}

TEST_F(CategoryDlgsTest, AddToTheMealPlanTreeAtTheRoot)
{
    RunEdit([&](CDialog& dialog) {
        formtest::Click(dialog, IDC_CATEGORY_MEAL_PLAN_TYPE);
        dialog.SetDlgItemText(IDC_CATEGORY_NAME, "Holidays");
        CDialogDriver::Press(dialog, IDC_CATEGORY_ADD);
        EXPECT_EQ(Rows({"Meal Plans", "    Picnics", "    Holidays"}), ListRows(dialog, IDC_CATEGORY_ALL));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_EQ(Rows({AtRoot("Breads"), Under(desserts, "Cakes"), AtRoot("Desserts"), AtRoot("Holidays", 'M'),
                    AtRoot("Picnics", 'M'), Under(desserts, "Pies & Tarts")}),
              Stored());
}

TEST_F(CategoryDlgsTest, SaveRenamesTheSelectedCategory)
{
    RunEdit([&](CDialog& dialog) {
        DoubleClick(dialog, 2);
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_SAVE));
        Select(dialog, IDC_CATEGORY_ALL, 1);
        dialog.SetDlgItemText(IDC_CATEGORY_NAME, "Gateaux");
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_SAVE));
        CDialogDriver::Press(dialog, IDC_CATEGORY_SAVE);
        EXPECT_EQ(Rows({"Desserts", "    Gateaux", "    Pies & Tarts"}), ListRows(dialog, IDC_CATEGORY_ALL));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Change category name to Gateaux?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({AtRoot("Breads"), AtRoot("Desserts"), Under(desserts, "Gateaux"), AtRoot("Picnics", 'M'),
                    Under(desserts, "Pies & Tarts")}),
              Stored());
}

TEST_F(CategoryDlgsTest, DeleteAsksByChildrenAndTakesTheSubtree)
{
    RunEdit([&](CDialog& dialog) {
        DoubleClick(dialog, 2);
        Select(dialog, IDC_CATEGORY_ALL, 1);
        CDialogDriver::Press(dialog, IDC_CATEGORY_DELETE);
        EXPECT_EQ(Rows({"Desserts", "    Pies & Tarts"}), ListRows(dialog, IDC_CATEGORY_ALL));
        EXPECT_STREQ("", ItemText(dialog, IDC_CATEGORY_NAME));
        DoubleClick(dialog, 0);
        Select(dialog, IDC_CATEGORY_ALL, 2);
        m_boxes.QueueAnswer(IDNO);
        CDialogDriver::Press(dialog, IDC_CATEGORY_DELETE);
        CDialogDriver::Press(dialog, IDC_CATEGORY_DELETE);
        EXPECT_EQ(Rows({"Recipes", "    Breads"}), ListRows(dialog, IDC_CATEGORY_ALL));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Delete category Cakes?\nDelete category Desserts and all its sub-categories?\n"
                 "Delete category Desserts and all its sub-categories?\n",
                 m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({AtRoot("Breads"), AtRoot("Picnics", 'M')}), Stored());
}

TEST_F(CategoryDlgsTest, DeleteOnTheTitleRowClimbsBelowTheRootAndIsIdleAtIt)
{
    Rows afterDelete;
    RunEdit([&](CDialog& dialog) {
        Select(dialog, IDC_CATEGORY_ALL, 1);
        Select(dialog, IDC_CATEGORY_ALL, 0);
        CDialogDriver::Press(dialog, IDC_CATEGORY_DELETE);
        EXPECT_TRUE(m_boxes.GetShown().empty());
        DoubleClick(dialog, 2);
        Select(dialog, IDC_CATEGORY_ALL, 1);
        Select(dialog, IDC_CATEGORY_ALL, 0);
        CDialogDriver::Press(dialog, IDC_CATEGORY_DELETE);
        afterDelete = ListRows(dialog, IDC_CATEGORY_ALL);
        DoubleClick(dialog, 1);
        EXPECT_EQ(Rows({"Breads"}), ListRows(dialog, IDC_CATEGORY_ALL));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Delete category Desserts and all its sub-categories?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({"Recipes", "    Breads"}), afterDelete);
    EXPECT_EQ(Rows({AtRoot("Breads"), AtRoot("Picnics", 'M')}), Stored());
}

TEST_F(CategoryDlgsTest, CloseWithAnUnsavedNameAsks)
{
    BOOL bOpenAfterCancel = FALSE;
    RunEdit([&](CDialog& dialog) {
        Select(dialog, IDC_CATEGORY_ALL, 1);
        dialog.SetDlgItemText(IDC_CATEGORY_NAME, "Loaves");
        m_boxes.QueueAnswer(IDCANCEL);
        CDialogDriver::Press(dialog, IDOK);
        bOpenAfterCancel = StillOpen(dialog);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(bOpenAfterCancel);
    EXPECT_STREQ("Save changes before closing?\nSave changes before closing?\nChange category name to Loaves?\n",
                 m_boxes.GetAllTexts());
    EXPECT_EQ(AtRoot("Loaves"), Stored()[2]);
}

class AttachCategoriesTest : public CategoryDlgsTest
{
protected:
    void SetUp() override
    {
        CategoryDlgsTest::SetUp();
        recipe.m_title = "Soda Bread";
        recipe.m_categories.AddTail(breads.Clone());
    }

    INT_PTR RunAttach(int nKind, std::function<void(CDialog&)> action)
    {
        CDialogDriver::OnOpen(IDD_ATTACH_CATEGORIES, std::move(action));
        CAttachCategoriesDlg dialog(nullptr, nKind);
        if (nKind == CAttachCategoriesDlg::kRecipe)
            dialog.SetRecipe(&recipe);
        else
            dialog.SetMealPlan(&plan);
        const INT_PTR nEnd = dialog.DoModal();
        bChanged = dialog.IsChanged();
        return nEnd;
    }

    // "name id flags" of the attached list.
    static Rows Attached(const CCustObList& list)
    {
        Rows rows;
        for (POSITION position = list.GetHeadPosition(); position != nullptr;)
        {
            const auto* pCategory = static_cast<const CategoryListItem*>(list.GetNext(position));
            rows.push_back(std::string(pCategory->m_name) + " " + pCategory->m_id.GetText() + " " +
                           std::to_string(pCategory->m_hasRecipes) + std::to_string(pCategory->m_hasMenus));
        }
        return rows;
    }

    static std::string Entry(const CategoryListItem& category, const char* flags)
    {
        return std::string(category.m_name) + " " + category.m_id.GetText() + " " + flags;
    }

    CRecipeData recipe;
    CMenuData plan;
    BOOL bChanged = FALSE;
};

TEST_F(AttachCategoriesTest, AttachesLeavesOnlyAndOkBringsTheListInLine)
{
    const INT_PTR nEnd = RunAttach(CAttachCategoriesDlg::kRecipe, [&](CDialog& dialog) {
        EXPECT_EQ(2023u, GetHelpContext());
        EXPECT_STREQ("Attach Categories:  Soda Bread", ItemText(dialog, IDC_CATEGORY_PATH));
        EXPECT_EQ(kRecipeRoot, ListRows(dialog, IDC_CATEGORY_ALL));
        EXPECT_EQ(Rows({"Breads"}), ListRows(dialog, IDC_CATEGORY_ATTACHED));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_ATTACH));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_DETACH));
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_CLEAR));
        Select(dialog, IDC_CATEGORY_ALL, 0);
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_ATTACH));
        Select(dialog, IDC_CATEGORY_ALL, 2);
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_ATTACH));
        CDialogDriver::Press(dialog, IDC_CATEGORY_ATTACH);
        Select(dialog, IDC_CATEGORY_ALL, 1);
        CDialogDriver::Press(dialog, IDC_CATEGORY_ATTACH);
        EXPECT_EQ(Rows({"Breads"}), ListRows(dialog, IDC_CATEGORY_ATTACHED));
        DoubleClick(dialog, 2);
        Select(dialog, IDC_CATEGORY_ALL, 2);
        CDialogDriver::Press(dialog, IDC_CATEGORY_ATTACH);
        EXPECT_EQ(Rows({"Breads", "Pies & Tarts"}), ListRows(dialog, IDC_CATEGORY_ATTACHED));
        Select(dialog, IDC_CATEGORY_ATTACHED, 1);
        EXPECT_STREQ("Recipes\r\n  Desserts\r\n    Pies && Tarts", ItemText(dialog, IDC_CATEGORY_PATH));
        Select(dialog, IDC_CATEGORY_ATTACHED, 0);
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_DETACH));
        m_boxes.QueueAnswer(IDCANCEL);
        CDialogDriver::Press(dialog, IDC_CATEGORY_DETACH);
        CDialogDriver::Press(dialog, IDC_CATEGORY_DETACH);
        EXPECT_EQ(Rows({"Pies & Tarts"}), ListRows(dialog, IDC_CATEGORY_ATTACHED));
        EXPECT_STREQ("", ItemText(dialog, IDC_CATEGORY_PATH));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_DETACH));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_EQ(IDOK, nEnd);
    EXPECT_TRUE(bChanged);
    EXPECT_STREQ("Category has sub-categories -- can't attach recipe at this level.\n"
                 "Remove selected item from the Attached Categories list?\n"
                 "Remove selected item from the Attached Categories list?\n",
                 m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({Entry(pies, "10")}), Attached(recipe.m_categories));
}

TEST_F(AttachCategoriesTest, AttachingAnAttachedCategoryChangesNothing)
{
    RunAttach(CAttachCategoriesDlg::kRecipe, [&](CDialog& dialog) {
        Select(dialog, IDC_CATEGORY_ALL, 1);
        CDialogDriver::Press(dialog, IDC_CATEGORY_ATTACH);
        EXPECT_EQ(Rows({"Breads"}), ListRows(dialog, IDC_CATEGORY_ATTACHED));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_FALSE(bChanged);
    EXPECT_EQ(Rows({Entry(breads, "10")}), Attached(recipe.m_categories));
}

TEST_F(AttachCategoriesTest, ClearAsksAndCancelLeavesTheRecipeAsItWas)
{
    const INT_PTR nEnd = RunAttach(CAttachCategoriesDlg::kRecipe, [&](CDialog& dialog) {
        m_boxes.QueueAnswer(IDCANCEL);
        CDialogDriver::Press(dialog, IDC_CATEGORY_CLEAR);
        EXPECT_EQ(Rows({"Breads"}), ListRows(dialog, IDC_CATEGORY_ATTACHED));
        CDialogDriver::Press(dialog, IDC_CATEGORY_CLEAR);
        EXPECT_TRUE(ListRows(dialog, IDC_CATEGORY_ATTACHED).empty());
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_CLEAR));
        DoubleClick(dialog, 2);
        Select(dialog, IDC_CATEGORY_ALL, 1);
        CDialogDriver::Press(dialog, IDC_CATEGORY_ATTACH);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, nEnd);
    EXPECT_EQ(Rows({Entry(breads, "10")}), Attached(recipe.m_categories));
}

TEST_F(AttachCategoriesTest, AMealPlanBrowsesItsOwnTree)
{
    plan.m_name = "Summer";
    RunAttach(CAttachCategoriesDlg::kMealPlan, [&](CDialog& dialog) {
        EXPECT_EQ(Rows({"Meal Plans", "    Picnics"}), ListRows(dialog, IDC_CATEGORY_ALL));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CATEGORY_CLEAR));
        Select(dialog, IDC_CATEGORY_ALL, 1);
        CDialogDriver::Press(dialog, IDC_CATEGORY_ATTACH);
        Select(dialog, IDC_CATEGORY_ATTACHED, 0);
        EXPECT_STREQ("Meal Plans\r\n  Picnics", ItemText(dialog, IDC_CATEGORY_PATH));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(bChanged);
    EXPECT_EQ(Rows({Entry(picnics, "01")}), Attached(plan.m_categories));
}

}  // namespace
