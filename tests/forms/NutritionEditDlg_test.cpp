#include "forms/NutritionEditDlg.h"

#include <gtest/gtest.h>

#include <functional>

#include "DialogTest.h"
#include "database/Nutrition.h"
#include "database/RecipeData.h"
#include "res/resource.h"

namespace {

using formtest::ItemText;

class NutritionEditDlgTest : public formtest::DialogTest
{
protected:
    void SetUp() override
    {
        formtest::DialogTest::SetUp();
        recipe.m_title = "Leek Soup";
    }

    INT_PTR Run(std::function<void(CDialog&)> action)
    {
        CDialogDriver::OnOpen(IDD_NUTRITION_EDIT, std::move(action));
        CNutritionEditDlg dialog(&recipe);
        return dialog.DoModal();
    }

    CRecipeData recipe;
};

const int kFields[] = {IDC_NUTRITION_CALORIES,   IDC_NUTRIENT_PROTEIN,   IDC_NUTRIENT_CARBOHYDRATE,
                       IDC_NUTRIENT_ALCOHOL,     IDC_NUTRIENT_TOTAL_FAT, IDC_NUTRIENT_SATURATED_FAT,
                       IDC_NUTRIENT_CHOLESTEROL, IDC_NUTRIENT_SODIUM,    IDC_NUTRIENT_IRON,
                       IDC_NUTRIENT_VITAMIN_C,   IDC_NUTRIENT_VITAMIN_A, IDC_NUTRIENT_FIBRE,
                       IDC_NUTRITION_CALCIUM,    IDC_NUTRITION_SUGARS};

TEST_F(NutritionEditDlgTest, ARecipeWithoutNutritionOpensWithZeros)
{
    Run([&](CDialog& dialog) {
        CString caption;
        dialog.GetWindowText(caption);
        EXPECT_STREQ("Edit Recipe Nutrition", caption);
        EXPECT_STREQ("Leek Soup", ItemText(dialog, IDC_NUTRITION_RECIPE_NAME));
        for (int nId : kFields)
            EXPECT_STREQ("0", ItemText(dialog, nId)) << nId;
        EXPECT_EQ(BST_UNCHECKED, dialog.IsDlgButtonChecked(IDC_NUTRITION_KEEP_VALUES));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_EQ(NUTRITION(), *recipe.GetNutrition());
}

TEST_F(NutritionEditDlgTest, ValuesShowRoundedAndOkStoresThemSo)
{
    NUTRITION profile;
    profile.m_amount[NUTRITION::Protein] = 10.6f;
    profile.m_amount[NUTRITION::Sodium] = 240.4f;
    profile.m_amount[NUTRITION::Sugars] = 2.5f;
    recipe.SetNutrition(&profile);
    Run([&](CDialog& dialog) {
        EXPECT_STREQ("11", ItemText(dialog, IDC_NUTRIENT_PROTEIN));
        EXPECT_STREQ("240", ItemText(dialog, IDC_NUTRIENT_SODIUM));
        CDialogDriver::Press(dialog, IDOK);
    });
    const NUTRITION& saved = *recipe.GetNutrition();
    EXPECT_FLOAT_EQ(11.0f, saved.m_amount[NUTRITION::Protein]);
    EXPECT_FLOAT_EQ(240.0f, saved.m_amount[NUTRITION::Sodium]);
    EXPECT_FLOAT_EQ(2.0f, saved.m_amount[NUTRITION::Sugars]);
    EXPECT_FLOAT_EQ(44.0f, saved.m_calories);
}

TEST_F(NutritionEditDlgTest, CaloriesFollowTheAmountsUnlessKeptAsTyped)
{
    const struct
    {
        UINT keep;
        float calories;
        float proteinShare;
    } cases[] = {{BST_UNCHECKED, 40.0f, 100.0f}, {BST_CHECKED, 80.0f, 50.0f}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.keep);
        recipe.SetNutrition(nullptr);
        Run([&](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_NUTRIENT_PROTEIN, "10");
            dialog.SetDlgItemText(IDC_NUTRITION_CALORIES, "80");
            dialog.CheckDlgButton(IDC_NUTRITION_KEEP_VALUES, c.keep);
            CDialogDriver::Press(dialog, IDOK);
        });
        const NUTRITION& saved = *recipe.GetNutrition();
        EXPECT_FLOAT_EQ(c.calories, saved.m_calories);
        EXPECT_FLOAT_EQ(c.proteinShare, saved.m_share[NUTRITION::ProteinShare]);
        EXPECT_EQ(c.keep == BST_CHECKED, saved.m_caloriesFixed != 0);
    }
}

TEST_F(NutritionEditDlgTest, AFieldThatIsNotANumberIsRefusedAndCancelKeepsTheProfile)
{
    NUTRITION profile;
    profile.m_amount[NUTRITION::Iron] = 3.0f;
    recipe.SetNutrition(&profile);
    const INT_PTR nEnd = Run([&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_NUTRIENT_PROTEIN, "12");
        dialog.SetDlgItemText(IDC_NUTRIENT_IRON, "lots");
        CDialogDriver::Press(dialog, IDOK);
        EXPECT_EQ(-1, dialog.GetModalResult());
        EXPECT_EQ(dialog.GetDlgItem(IDC_NUTRIENT_IRON)->m_hWnd, ::GetFocus());
        EXPECT_STREQ("lots", ItemText(dialog, IDC_NUTRIENT_IRON));
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, nEnd);
    EXPECT_STREQ("Please enter a number.\n", m_boxes.GetAllTexts());
    EXPECT_EQ(profile, *recipe.GetNutrition());
}

}  // namespace
