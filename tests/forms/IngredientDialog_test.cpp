#include "forms/IngredientDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CookbookDialogTest.h"
#include "database/Nutrition.h"
#include "support/QueryColumn.h"

namespace {

using formtest::ItemText;
using Rows = std::vector<std::string>;

// Two ingredients of the catalogue beside the template's: their profiles kept per 100 g.
class IngredientDialogTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        oats = AddIngredient("Qwerty Oats", 10.0f, 0.0f, 30.0);
        rye = AddIngredient("Qwerty Rye", 6.0f, 2.0f, 0.0);
    }

    CIngData AddIngredient(const char* name, float protein, float fat, double wholeGrams)
    {
        CIngData ingredient;
        ingredient.m_name = name;
        ingredient.m_plural = "s";
        ingredient.m_groupId = CRecordId("000002");
        ingredient.m_basicItemId = CRecordId("000002");
        ingredient.m_fractional = wholeGrams;
        ingredient.m_dry = 80.0;
        NUTRITION profile;
        profile.m_amount[NUTRITION::Protein] = protein;
        profile.m_amount[NUTRITION::TotalFat] = fat;
        profile.m_unitQuantity = 100.0f;
        profile.Recalculate();
        ingredient.SetNutrition(&profile);
        EXPECT_TRUE(m_database.SaveIngredient(ingredient, FALSE)) << name;
        return ingredient;
    }

    INT_PTR Run(const CIngData& ingredient, int nMode, std::function<void(CDialog&)> action)
    {
        CDialogDriver::OnOpen(IDD_INGREDIENT, std::move(action));
        CIngredientDialog dialog(nullptr, ingredient, nMode);
        return dialog.DoModal();
    }

    static CIngData Found(const CIngData& ingredient)
    {
        CIngData found;
        found.m_itemId = ingredient.m_itemId;
        found.m_name = ingredient.m_name;
        return found;
    }

    // "name protein×100 unit-qty whole cup" as the cookbook keeps them.
    Rows Stored(const char* name)
    {
        return fixture::QueryColumn(
            m_database,
            std::string("SELECT I.NAME || ' ' || CAST(ROUND(N.PROTEIN * 100) AS INTEGER) || ' ' || "
                        "CAST(N.UNIT_QTY AS INTEGER) || ' ' || CAST(I.FRACTIONAL AS INTEGER) || "
                        "' ' || CAST(I.DRY AS INTEGER) FROM INGREDNT I JOIN ING_NUTRITION N ON "
                        "N.ITEM_ID = I.INGREDIENT WHERE I.NAME = '") +
                name + "'",
            m_boxes);
    }

    static void Choose(CDialog& dialog, int nCombo, const char* name)
    {
        dialog.SendDlgItemMessage(nCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nCombo, CBN_CLOSEUP),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(nCombo)->m_hWnd));
    }

    static BOOL HasName(const CDialog& dialog, const char* name)
    {
        return dialog.SendDlgItemMessage(IDC_INGREDIENT_NAME_LIST, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(name)) != CB_ERR;
    }

    static BOOL StillOpen(const CDialog& dialog) { return ::IsWindow(dialog.m_hWnd) && dialog.GetModalResult() == -1; }

    CIngData oats;
    CIngData rye;
};

TEST_F(IngredientDialogTest, AFoundIngredientShowsItsCatalogueFiguresPer100Grams)
{
    const INT_PTR nEnd = Run(Found(oats), CIngredientDialog::kEdit, [&](CDialog& dialog) {
        EXPECT_EQ(2015u, GetHelpContext());
        CString caption;
        dialog.GetWindowText(caption);
        EXPECT_STREQ("Edit Ingredient", caption);
        EXPECT_FALSE(::IsWindowVisible(dialog.GetDlgItem(IDC_INGREDIENT_NEW_NAME)->m_hWnd));
        EXPECT_TRUE(HasName(dialog, "Qwerty Rye"));
        EXPECT_STREQ("Qwerty Oats", ItemText(dialog, IDC_INGREDIENT_NAME_LIST));
        EXPECT_STREQ("100.", ItemText(dialog, IDC_INGREDIENT_AMOUNT));
        EXPECT_STREQ("10.", ItemText(dialog, IDC_NUTRIENT_PROTEIN));
        EXPECT_STREQ("40.", ItemText(dialog, IDC_INGREDIENT_CALORIES));
        EXPECT_STREQ("30.", ItemText(dialog, IDC_INGREDIENT_WHOLE));
        EXPECT_STREQ("80.", ItemText(dialog, IDC_INGREDIENT_CUP));
        EXPECT_STREQ("s", ItemText(dialog, IDC_INGREDIENT_PLURAL));
        EXPECT_STREQ("Produce", ItemText(dialog, IDC_INGREDIENT_SECTION));
        EXPECT_STREQ("Acerola", ItemText(dialog, IDC_INGREDIENT_CATEGORY));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_INGREDIENT_COPY_FROM));
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    EXPECT_EQ(IDC_INGREDIENT_CLOSE, nEnd);
    EXPECT_TRUE(m_boxes.GetShown().empty()) << m_boxes.GetAllTexts();
}

TEST_F(IngredientDialogTest, AnAmountOutsideOneTo999IsPutBackTo100)
{
    for (const char* typed : {"0", "1000"})
    {
        SCOPED_TRACE(typed);
        m_boxes.ClearShown();
        Run(Found(oats), CIngredientDialog::kEdit, [&](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_INGREDIENT_AMOUNT, typed);
            EXPECT_STREQ("100.", ItemText(dialog, IDC_INGREDIENT_AMOUNT));
            CDialogDriver::Press(dialog, IDCANCEL);
        });
        EXPECT_STREQ("Value must be between 1 and 999.\n", m_boxes.GetAllTexts());
    }
}

TEST_F(IngredientDialogTest, AddSavesValuesTypedFor50GramsPer100)
{
    CIngData fresh;
    fresh.m_name = "Qwerty Spelt";
    Rows reopened;
    Run(fresh, CIngredientDialog::kAdd, [&](CDialog& dialog) {
        CString caption;
        dialog.GetWindowText(caption);
        EXPECT_STREQ("Add Ingredient", caption);
        EXPECT_STREQ("Qwerty Spelt", ItemText(dialog, IDC_INGREDIENT_NEW_NAME));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_INGREDIENT_DELETE));
        dialog.SetDlgItemText(IDC_INGREDIENT_AMOUNT, "50");
        dialog.SetDlgItemText(IDC_NUTRIENT_PROTEIN, "7");
        dialog.SetDlgItemText(IDC_INGREDIENT_WHOLE, "12");
        CDialogDriver::Press(dialog, IDC_INGREDIENT_SAVE);
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    EXPECT_TRUE(m_boxes.GetShown().empty()) << m_boxes.GetAllTexts();
    EXPECT_EQ(Rows({"Qwerty Spelt 1400 50 12 0"}), Stored("Qwerty Spelt"));
    CIngData spelt;
    spelt.m_name = "Qwerty Spelt";
    spelt.m_itemId =
        fixture::QueryColumn(m_database, "SELECT INGREDIENT FROM INGREDNT WHERE NAME = 'Qwerty Spelt'", m_boxes)
            .at(0)
            .c_str();
    Run(spelt, CIngredientDialog::kEdit, [&](CDialog& dialog) {
        EXPECT_STREQ("50.", ItemText(dialog, IDC_INGREDIENT_AMOUNT));
        EXPECT_STREQ("7.", ItemText(dialog, IDC_NUTRIENT_PROTEIN));
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
}

TEST_F(IngredientDialogTest, SaveRefusesAMissingOrTakenName)
{
    CIngData fresh;
    Run(fresh, CIngredientDialog::kAdd, [&](CDialog& dialog) {
        CDialogDriver::Press(dialog, IDC_INGREDIENT_SAVE);
        dialog.SetDlgItemText(IDC_INGREDIENT_NEW_NAME, "qwerty RYE");
        CDialogDriver::Press(dialog, IDC_INGREDIENT_SAVE);
        EXPECT_TRUE(StillOpen(dialog));
        m_boxes.QueueAnswer(IDNO);
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    EXPECT_STREQ("Ingredient name must be specified.\n"
                 "An ingredient by that name already exists.  Please specify a different name.\n"
                 "Save changes before closing?\n",
                 m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({"Qwerty Rye 600 100 0 80"}), Stored("Qwerty Rye"));
}

TEST_F(IngredientDialogTest, SwitchingWithChangesAsksAndYesSavesFirst)
{
    Run(Found(oats), CIngredientDialog::kEdit, [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_INGREDIENT_WHOLE, "35");
        Choose(dialog, IDC_INGREDIENT_NAME_LIST, "Qwerty Rye");
        EXPECT_STREQ("6.", ItemText(dialog, IDC_NUTRIENT_PROTEIN));
        EXPECT_STREQ("0.", ItemText(dialog, IDC_INGREDIENT_WHOLE));
        Choose(dialog, IDC_INGREDIENT_NAME_LIST, "Qwerty Oats");
        EXPECT_STREQ("35.", ItemText(dialog, IDC_INGREDIENT_WHOLE));
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    EXPECT_STREQ("Save changes before switching ingredients?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({"Qwerty Oats 1000 100 35 80"}), Stored("Qwerty Oats"));
}

TEST_F(IngredientDialogTest, CopyNutrientValuesTakesAnotherIngredientsFigures)
{
    Run(Found(oats), CIngredientDialog::kEdit, [&](CDialog& dialog) {
        formtest::Click(dialog, IDC_INGREDIENT_COPY_VALUES);
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_INGREDIENT_COPY_FROM));
        EXPECT_STREQ("Qwerty Oats", ItemText(dialog, IDC_INGREDIENT_COPY_FROM));
        Choose(dialog, IDC_INGREDIENT_COPY_FROM, "Qwerty Rye");
        EXPECT_STREQ("6.", ItemText(dialog, IDC_NUTRIENT_PROTEIN));
        EXPECT_STREQ("2.", ItemText(dialog, IDC_NUTRIENT_TOTAL_FAT));
        EXPECT_STREQ("0.", ItemText(dialog, IDC_INGREDIENT_WHOLE));
        EXPECT_STREQ("Qwerty Oats", ItemText(dialog, IDC_INGREDIENT_NAME_LIST));
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    EXPECT_STREQ("Save changes before closing?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({"Qwerty Oats 600 100 0 80"}), Stored("Qwerty Oats"));
}

TEST_F(IngredientDialogTest, ClearEmptiesTheFieldsWithoutAsking)
{
    Run(Found(oats), CIngredientDialog::kEdit, [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_INGREDIENT_PLURAL, "es");
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLEAR);
        EXPECT_STREQ("", ItemText(dialog, IDC_INGREDIENT_NAME_LIST));
        EXPECT_STREQ("0.", ItemText(dialog, IDC_NUTRIENT_PROTEIN));
        EXPECT_STREQ("0.", ItemText(dialog, IDC_INGREDIENT_CUP));
        EXPECT_STREQ("", ItemText(dialog, IDC_INGREDIENT_SECTION));
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    EXPECT_TRUE(m_boxes.GetShown().empty()) << m_boxes.GetAllTexts();
    EXPECT_EQ(Rows({"Qwerty Oats 1000 100 30 80"}), Stored("Qwerty Oats"));
}

TEST_F(IngredientDialogTest, DeleteTakesTheNameOutOfTheList)
{
    BOOL bListed = TRUE;
    Run(Found(rye), CIngredientDialog::kEdit, [&](CDialog& dialog) {
        m_boxes.QueueAnswer(IDNO);
        CDialogDriver::Press(dialog, IDC_INGREDIENT_DELETE);
        CDialogDriver::Press(dialog, IDC_INGREDIENT_DELETE);
        bListed = HasName(dialog, "Qwerty Rye");
        EXPECT_STREQ("", ItemText(dialog, IDC_INGREDIENT_NAME_LIST));
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    EXPECT_FALSE(bListed);
    EXPECT_STREQ("Delete ingredient: Qwerty Rye?\nDelete ingredient: Qwerty Rye?\n", m_boxes.GetAllTexts());
    EXPECT_TRUE(Stored("Qwerty Rye").empty());
    EXPECT_EQ(1u, Stored("Qwerty Oats").size());
}

TEST_F(IngredientDialogTest, ADeleteTheCookbookRefusesIsReported)
{
    Refuse("DELETE", "INGREDNT");
    Run(Found(rye), CIngredientDialog::kEdit, [&](CDialog& dialog) {
        CDialogDriver::Press(dialog, IDC_INGREDIENT_DELETE);
        EXPECT_TRUE(HasName(dialog, "Qwerty Rye"));
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    EXPECT_STREQ("Delete ingredient: Qwerty Rye?\nUnable to delete ingredient.\n", m_boxes.GetAllTexts());
    EXPECT_EQ(1u, Stored("Qwerty Rye").size());
}

TEST_F(IngredientDialogTest, CloseWithChangesAsksAndCancelStays)
{
    BOOL bOpenAfterCancel = FALSE;
    const INT_PTR nEnd = Run(Found(oats), CIngredientDialog::kEdit, [&](CDialog& dialog) {
        formtest::Click(dialog, IDC_INGREDIENT_SEASONING);
        m_boxes.QueueAnswer(IDCANCEL);
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
        bOpenAfterCancel = StillOpen(dialog);
        m_boxes.QueueAnswer(IDNO);
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    EXPECT_TRUE(bOpenAfterCancel);
    EXPECT_EQ(IDC_INGREDIENT_CLOSE, nEnd);
    EXPECT_EQ(Rows({"Qwerty Oats"}),
              fixture::QueryColumn(m_database, "SELECT NAME FROM INGREDNT WHERE SEASONING = 0 AND NAME = 'Qwerty Oats'",
                                   m_boxes));
}

}  // namespace
