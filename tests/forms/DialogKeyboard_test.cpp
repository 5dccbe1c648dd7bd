// The keyboard in each dialog of the forms: the tab order, the mnemonics and Enter and Esc, all
// typed through the dialog's own message loop.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CookbookDialogTest.h"
#include "KeySteps.h"
#include "database/RecipeData.h"
#include "forms/AddToMealPlanDlg.h"
#include "forms/AttachCategoriesDlg.h"
#include "forms/AttachRefDlg.h"
#include "forms/DuplicateRecipeDlg.h"
#include "forms/EditCategoriesDlg.h"
#include "forms/EditChaptersDlg.h"
#include "forms/EditRefDlg.h"
#include "forms/FindDlg.h"
#include "forms/IngredientDialog.h"
#include "forms/NutritionEditDlg.h"
#include "forms/SelectMealPlanDlg.h"
#include "forms/ServingsDlg.h"
#include "shell/services/FindCDDlg.h"

namespace {

using formtest::KeySteps;
using Ids = std::vector<int>;

class DialogKeyboardTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        item.m_text = "Tomato Soup";
        item.m_type = "R";
        g_pFormManager->SetCurrentMealPlanId(AddMealPlan("Picnic"));
        g_pBrowseState->SetMenuList(&m_database.GetMenuList());
    }

    // Opens the dialog of the template and runs it to its end.
    INT_PTR RunDialog(UINT nTemplate)
    {
        switch (nTemplate)
        {
        case IDD_SERVINGS:
        {
            CServingsDlg dialog(nullptr, 3, 5, 5);
            const INT_PTR nEnd = dialog.DoModal();
            servings = dialog.GetResult();
            return nEnd;
        }
        case IDD_ADD_TO_MEAL_PLAN:
        {
            CAddToMealPlanDlg dialog(item, nullptr);
            return dialog.DoModal();
        }
        case IDD_SELECT_MEAL_PLAN:
        {
            CSelectMealPlanDlg dialog;
            return dialog.DoModal();
        }
        case IDD_EDIT_CHAPTERS:
        {
            CEditChaptersDlg dialog;
            return dialog.DoModal();
        }
        case IDD_EDIT_CATEGORIES:
        {
            CEditCategoriesDlg dialog;
            return dialog.DoModal();
        }
        case IDD_ATTACH_CATEGORIES:
        {
            CAttachCategoriesDlg dialog(nullptr, CAttachCategoriesDlg::kRecipe);
            return dialog.DoModal();
        }
        case IDD_NUTRITION_EDIT:
        {
            CRecipeData recipe;
            CNutritionEditDlg dialog(&recipe);
            return dialog.DoModal();
        }
        case IDD_INGREDIENT:
        {
            CIngredientDialog dialog(nullptr, CIngData(), CIngredientDialog::kAdd);
            return dialog.DoModal();
        }
        case IDD_FIND_CD:
        {
            CFindCDDlg dialog;
            return dialog.DoModal();
        }
        case IDD_ATTACH_REFERENCES:
        {
            CRecipeData recipe;
            CAttachRefDlg dialog(nullptr, FALSE);
            dialog.SetRecipe(&recipe);
            return dialog.DoModal();
        }
        case IDD_EDIT_REFERENCES:
        {
            CEditRefDlg dialog;
            return dialog.DoModal();
        }
        case IDD_FIND:
        {
            CFindDlg dialog(nullptr, FALSE, nullptr);
            return dialog.DoModal();
        }
        default:
        {
            CDuplicateRecipeDlg dialog;
            return dialog.DoModal();
        }
        }
    }

    CMenuItem item;
    int servings = 0;
};

struct Dialog
{
    UINT nTemplate;
    Ids tabOrder;                                 // from the first tab stop, Tab after Tab
    std::vector<std::pair<char, int>> mnemonics;  // of labels and choices: the control reached
};

const Dialog kDialogs[] = {
    // Tab enters the radio group at its checked choice.
    {IDD_SERVINGS,
     {IDC_SERVINGS_RESTORE, IDC_SERVINGS_VALUE, IDOK, IDCANCEL, IDC_HELP_BUTTON},
     {{'v', IDC_SERVINGS_HALVE}, {'s', IDC_SERVINGS_SET_TO}, {'d', IDC_SERVINGS_DOUBLE}, {'r', IDC_SERVINGS_RESTORE}}},
    {IDD_ADD_TO_MEAL_PLAN,
     {IDC_MEAL_PLAN_NAME, IDC_MEAL_PLAN_DAY, IDC_MEAL_PLAN_MEAL, IDOK, IDCANCEL, IDC_HELP_BUTTON},
     {{'p', IDC_MEAL_PLAN_NAME}, {'d', IDC_MEAL_PLAN_DAY}, {'m', IDC_MEAL_PLAN_MEAL}}},
    {IDD_SELECT_MEAL_PLAN, {IDC_MEAL_PLAN_NAME, IDOK, IDCANCEL, IDC_HELP_BUTTON}, {{'p', IDC_MEAL_PLAN_NAME}}},
    {IDD_EDIT_CHAPTERS,
     {IDC_CHAPTER_LIST, IDC_CHAPTER_NAME, IDC_CHAPTER_ADD, IDOK, IDC_HELP_BUTTON},
     {{'c', IDC_CHAPTER_LIST}, {'s', IDC_CHAPTER_NAME}}},
    // Delete and Save wait for a selection, Attach for a row of the tree, Detach and Clear for one attached.
    {IDD_EDIT_CATEGORIES,
     {IDC_CATEGORY_RECIPE_TYPE, IDC_CATEGORY_ALL, IDC_CATEGORY_NAME, IDC_CATEGORY_ADD, IDOK, IDC_HELP_BUTTON},
     {{'t', IDC_CATEGORY_RECIPE_TYPE}, {'c', IDC_CATEGORY_ALL}, {'s', IDC_CATEGORY_NAME}}},
    {IDD_ATTACH_CATEGORIES,
     {IDC_CATEGORY_ALL, IDC_CATEGORY_ATTACHED, IDOK, IDCANCEL, IDC_HELP_BUTTON},
     {{'a', IDC_CATEGORY_ALL}, {'c', IDC_CATEGORY_ATTACHED}}},
    {IDD_NUTRITION_EDIT,
     {IDC_NUTRITION_CALORIES, IDC_NUTRIENT_PROTEIN, IDC_NUTRIENT_CARBOHYDRATE, IDC_NUTRIENT_ALCOHOL,
      IDC_NUTRIENT_TOTAL_FAT, IDC_NUTRIENT_SATURATED_FAT, IDC_NUTRIENT_CHOLESTEROL, IDC_NUTRIENT_SODIUM,
      IDC_NUTRIENT_IRON, IDC_NUTRIENT_VITAMIN_C, IDC_NUTRIENT_VITAMIN_A, IDC_NUTRIENT_FIBRE, IDC_NUTRITION_CALCIUM,
      IDC_NUTRITION_SUGARS, IDC_NUTRITION_KEEP_VALUES, IDOK, IDCANCEL},
     {{'c', IDC_NUTRITION_CALORIES}, {'u', IDC_NUTRITION_CALCIUM}, {'r', IDC_NUTRITION_KEEP_VALUES}}},
    // Add mode: the name is typed, the copy source waits for its check box.
    {IDD_INGREDIENT,
     {IDC_INGREDIENT_NEW_NAME,
      IDC_INGREDIENT_SECTION,
      IDC_INGREDIENT_CATEGORY,
      IDC_INGREDIENT_SEASONING,
      IDC_INGREDIENT_PLURAL,
      IDC_INGREDIENT_AMOUNT,
      IDC_NUTRIENT_PROTEIN,
      IDC_NUTRIENT_CARBOHYDRATE,
      IDC_NUTRIENT_ALCOHOL,
      IDC_NUTRIENT_TOTAL_FAT,
      IDC_NUTRIENT_SATURATED_FAT,
      IDC_NUTRIENT_CHOLESTEROL,
      IDC_NUTRIENT_SODIUM,
      IDC_NUTRIENT_IRON,
      IDC_NUTRIENT_VITAMIN_C,
      IDC_NUTRIENT_VITAMIN_A,
      IDC_NUTRIENT_FIBRE,
      IDC_INGREDIENT_CALCIUM,
      IDC_INGREDIENT_SUGARS,
      IDC_INGREDIENT_COPY_VALUES,
      IDC_INGREDIENT_WHOLE,
      IDC_INGREDIENT_CUP,
      IDC_INGREDIENT_SAVE,
      IDC_INGREDIENT_CLEAR,
      IDC_INGREDIENT_CLOSE,
      IDCANCEL,
      IDC_HELP_BUTTON},
     {{'i', IDC_INGREDIENT_NEW_NAME},
      {'e', IDC_INGREDIENT_SECTION},
      {'x', IDC_INGREDIENT_PLURAL},
      {'v', IDC_INGREDIENT_AMOUNT},
      {'w', IDC_INGREDIENT_WHOLE},
      {'1', IDC_INGREDIENT_CUP}}},
    {IDD_FIND_CD, {IDC_FIND_CD_DRIVE, IDOK, IDCANCEL}, {{'d', IDC_FIND_CD_DRIVE}}},
    {IDD_DUPLICATE_RECIPE,
     {IDC_DUPLICATE_NAME, IDC_DUPLICATE_CHAPTER, IDOK, IDCANCEL, IDC_HELP_BUTTON},
     {{'t', IDC_DUPLICATE_NAME}, {'c', IDC_DUPLICATE_CHAPTER}}},
    // Hidden search kinds and fields, and buttons disabled with nothing found, are passed over.
    {IDD_FIND,
     {IDC_FIND_TABS, IDC_FIND_RECIPE_CONTENTS, IDC_FIND_COLUMN, IDC_FIND_TEXT, IDC_FIND_RESULTS, IDC_FIND_START,
      IDCANCEL, IDC_HELP_BUTTON},
     {{'f', IDC_FIND_RECIPE_CONTENTS}, {'n', IDC_FIND_TEXT}}},
    // Opened on the Info tab; the buttons for a selected reference are disabled.
    {IDD_EDIT_REFERENCES,
     {IDC_REF_TABS, IDC_REF_TOPICS, IDC_REF_NAME, IDC_REF_CONTENT, IDC_REF_ADD, IDOK, IDC_HELP_BUTTON},
     {{'l', IDC_REF_TOPICS}, {'n', IDC_REF_NAME}, {'x', IDC_REF_CONTENT}}},
    // Opened on the Info tab showing all topics; Attach and Detach wait for a selection.
    {IDD_ATTACH_REFERENCES,
     {IDC_REF_TABS, IDC_ATTACH_ALL_TOPICS, IDC_REF_TOPICS, IDC_REF_NAME, IDC_REF_CONTENT, IDC_REF_ADD, IDC_ATTACH_CLOSE,
      IDCANCEL, IDC_HELP_BUTTON},
     {{'l', IDC_ATTACH_ALL_TOPICS}, {'n', IDC_REF_NAME}, {'x', IDC_REF_CONTENT}, {'c', IDC_ATTACH_ATTACHED_TOPICS}}},
};

// The mnemonic letters of the dialog's shown controls, in lower case (the controls of another
// tab are hidden).
std::vector<char> Mnemonics(HWND hDialog)
{
    std::vector<char> letters;
    for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if ((::GetWindowLongA(hChild, GWL_STYLE) & WS_VISIBLE) == 0)
            continue;
        char text[128] = "";
        ::GetWindowTextA(hChild, text, sizeof text);
        const char* pAmpersand = strchr(text, '&');
        if (pAmpersand != nullptr && pAmpersand[1] != '\0')
            letters.push_back(static_cast<char>(tolower(static_cast<unsigned char>(pAmpersand[1]))));
    }
    return letters;
}

TEST_F(DialogKeyboardTest, TabFollowsTheReadingOrderAndShiftTabGoesBack)
{
    for (const Dialog& d : kDialogs)
    {
        SCOPED_TRACE(d.nTemplate);
        Ids forward;
        Ids backward;
        CDialogDriver::OnOpen(d.nTemplate, [&](CDialog& dialog) {
            HWND hDialog = dialog.m_hWnd;
            std::vector<KeySteps::Step> steps;
            steps.push_back([=] { ::SetFocus(::GetNextDlgTabItem(hDialog, nullptr, FALSE)); });
            for (size_t i = 0; i < d.tabOrder.size(); ++i)
                steps.push_back([&, hDialog] {
                    forward.push_back(KeySteps::FocusedControlId(hDialog));
                    KeySteps::PostKey(VK_TAB);
                });
            steps.push_back([&, hDialog] {
                forward.push_back(KeySteps::FocusedControlId(hDialog));
                KeySteps::PostKey(VK_TAB, TRUE);
            });
            steps.push_back([&, hDialog] {
                backward.push_back(KeySteps::FocusedControlId(hDialog));
                KeySteps::PostKey(VK_ESCAPE);
            });
            KeySteps::Run(steps);
        });
        EXPECT_EQ(IDCANCEL, RunDialog(d.nTemplate));
        Ids expected = d.tabOrder;
        expected.push_back(d.tabOrder.front());
        EXPECT_EQ(expected, forward);
        EXPECT_EQ(Ids({d.tabOrder.back()}), backward);
    }
}

TEST_F(DialogKeyboardTest, EachMnemonicIsUniqueAndAltReachesItsControl)
{
    for (const Dialog& d : kDialogs)
    {
        SCOPED_TRACE(d.nTemplate);
        Ids reached;
        std::vector<char> letters;
        CDialogDriver::OnOpen(d.nTemplate, [&](CDialog& dialog) {
            HWND hDialog = dialog.m_hWnd;
            letters = Mnemonics(hDialog);
            std::vector<KeySteps::Step> steps;
            steps.push_back([=] { KeySteps::PostAlt(d.mnemonics.front().first); });
            for (size_t i = 1; i <= d.mnemonics.size(); ++i)
                steps.push_back([&, hDialog, i] {
                    reached.push_back(KeySteps::FocusedControlId(hDialog));
                    if (i < d.mnemonics.size())
                        KeySteps::PostAlt(d.mnemonics[i].first);
                    else
                        KeySteps::PostKey(VK_ESCAPE);
                });
            KeySteps::Run(steps);
        });
        EXPECT_EQ(IDCANCEL, RunDialog(d.nTemplate));
        EXPECT_EQ(letters.size(), std::set<char>(letters.begin(), letters.end()).size());
        Ids expected;
        for (const auto& mnemonic : d.mnemonics)
            expected.push_back(mnemonic.second);
        EXPECT_EQ(expected, reached);
    }
}

TEST_F(DialogKeyboardTest, EnterIsOkInServingsAndSelectMealPlan)
{
    CDialogDriver::OnOpen(IDD_SERVINGS, [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_SERVINGS_VALUE, "12");
        KeySteps::Run({[] { KeySteps::PostKey(VK_RETURN); }});
    });
    EXPECT_EQ(IDOK, RunDialog(IDD_SERVINGS));
    EXPECT_EQ(12, servings);

    CDialogDriver::OnOpen(IDD_SELECT_MEAL_PLAN,
                          [&](CDialog&) { KeySteps::Run({[] { KeySteps::PostKey(VK_RETURN); }}); });
    EXPECT_EQ(IDOK, RunDialog(IDD_SELECT_MEAL_PLAN));
}

// Enter in the search field starts the search and the dialog stays; Esc is Close.
TEST_F(DialogKeyboardTest, EnterSearchesInFindAndEscCloses)
{
    CDialogDriver::OnOpen(IDD_FIND, [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_FIND_TEXT, "nothing of the kind");
        dialog.GetDlgItem(IDC_FIND_TEXT)->SetFocus();
        KeySteps::Run({[] { KeySteps::PostKey(VK_RETURN); }, [] { KeySteps::PostKey(VK_ESCAPE); }});
    });
    EXPECT_EQ(IDCANCEL, RunDialog(IDD_FIND));
    EXPECT_STREQ("None found.\n", m_boxes.GetAllTexts());
}

}  // namespace
