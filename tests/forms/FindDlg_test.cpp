#include "forms/FindDlg.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "CookbookDialogTest.h"
#include "database/CustObList.h"
#include "database/ListItem.h"
#include "support/FindFixture.h"

namespace {

using formtest::Click;
using formtest::IsItemEnabled;
using formtest::ItemText;
using Names = std::set<std::string>;
using Texts = std::vector<std::string>;

const char kNoneFound[] = "<None found>";

class FindDlgTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        fixture::AddFindFixture(m_database);
    }

    INT_PTR Run(std::function<void(CDialog&)> action, const char* text = nullptr, BOOL bPick = FALSE)
    {
        CDialogDriver::OnOpen(IDD_FIND, std::move(action));
        CFindDlg dialog(text, bPick, nullptr);
        const INT_PTR nEnd = dialog.DoModal();
        const CListItem* pChosen = dialog.GetSelectedItem();
        chosen = pChosen != nullptr ? pChosen->m_name.GetString() : "";
        return nEnd;
    }

    // Types the text into the search field of the mode shown and presses the button.
    static void Search(CDialog& dialog, UINT nInput, const char* text, int nButton = IDC_FIND_START)
    {
        dialog.SetDlgItemText(static_cast<int>(nInput), text);
        CDialogDriver::Press(dialog, nButton);
    }

    static Texts Rows(const CDialog& dialog, int nId = IDC_FIND_RESULTS, UINT nCount = LB_GETCOUNT,
                      UINT nText = LB_GETTEXT)
    {
        Texts rows;
        const auto count = static_cast<int>(dialog.SendDlgItemMessage(nId, nCount));
        for (int i = 0; i < count; ++i)
        {
            char text[256] = "";
            dialog.SendDlgItemMessage(nId, nText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            rows.emplace_back(text);
        }
        return rows;
    }

    static Names Found(const CDialog& dialog)
    {
        const Texts rows = Rows(dialog);
        return Names(rows.begin(), rows.end());
    }

    static int CheckedRadio(const CDialog& dialog)
    {
        for (int nId : {IDC_FIND_RECIPE_CONTENTS, IDC_FIND_RECIPE_BY_CATEGORY, IDC_FIND_RECIPE_BY_INGREDIENT,
                        IDC_FIND_MEAL_PLAN_NAME, IDC_FIND_MEAL_PLAN_BY_RECIPE, IDC_FIND_INGREDIENT_NAME,
                        IDC_FIND_INGREDIENT_CATEGORY})
        {
            if (dialog.IsDlgButtonChecked(nId) == BST_CHECKED)
                return nId;
        }
        return 0;
    }

    static BOOL StillOpen(const CDialog& dialog) { return ::IsWindow(dialog.m_hWnd) && dialog.GetModalResult() == -1; }

    std::string chosen;
};

TEST_F(FindDlgTest, EachModeSearchesItsKindOnTheFixture)
{
    struct Case
    {
        int nTab;
        int nRadio;
        UINT nInput;
        int nColumn;  // of the recipe contents
        const char* text;
        Names found;
        const char* prompt;
        const char* heading;
        UINT nHelpContext;
    };
    const Case cases[] = {
        {0,
         IDC_FIND_RECIPE_CONTENTS,
         IDC_FIND_TEXT,
         0,
         "zeppa",
         {"Zeppa Bread", "Zeppa Soup"},
         "E&nter recipe name or partial name:",
         "Recipes found:",
         2016},
        {0,
         IDC_FIND_RECIPE_CONTENTS,
         IDC_FIND_TEXT,
         3,
         "KNEAD",
         {"Zeppa Bread", "Morrow Loaf"},
         "E&nter recipe name or partial name:",
         "Recipes found:",
         2016},
        {0,
         IDC_FIND_RECIPE_CONTENTS,
         IDC_FIND_TEXT,
         0,
         "knead",
         {kNoneFound},
         "E&nter recipe name or partial name:",
         "Recipes found:",
         2016},
        {0,
         IDC_FIND_RECIPE_BY_CATEGORY,
         IDC_FIND_CATEGORY,
         0,
         "zEPPA fAMILY",
         {"Zeppa Bread", "Zeppa Soup"},
         "E&nter ingredient category name:",
         "Recipes found:",
         2016},
        {0,
         IDC_FIND_RECIPE_BY_CATEGORY,
         IDC_FIND_CATEGORY,
         0,
         "Zeppa",
         {kNoneFound},
         "E&nter ingredient category name:",
         "Recipes found:",
         2016},
        {0,
         IDC_FIND_RECIPE_BY_INGREDIENT,
         IDC_FIND_INGREDIENT,
         0,
         "morrow",
         {"Zeppa Bread", "Morrow Loaf"},
         "E&nter ingredient name or partial name:",
         "Recipes found:",
         2016},
        {1,
         IDC_FIND_MEAL_PLAN_NAME,
         IDC_FIND_TEXT,
         0,
         "zeppa",
         {"Zeppa Picnic"},
         "E&nter meal plan name or partial name:",
         "Meal Plans found:",
         2017},
        {1,
         IDC_FIND_MEAL_PLAN_BY_RECIPE,
         IDC_FIND_TEXT,
         0,
         "zeppa",
         {"Zeppa Picnic", "Winter Table"},
         "E&nter recipe name or partial name:",
         "Meal Plans found:",
         2017},
        {2,
         IDC_FIND_INGREDIENT_NAME,
         IDC_FIND_INGREDIENT,
         0,
         "zeppa",
         {"zeppa red", "zeppa white"},
         "E&nter ingredient name or partial name:",
         "Ingredients found:",
         2018},
        {2,
         IDC_FIND_INGREDIENT_CATEGORY,
         IDC_FIND_CATEGORY,
         0,
         "morrow family",
         {"morrow grain"},
         "E&nter ingredient category name:",
         "Ingredients found:",
         2018},
    };
    std::vector<std::string> boxes;
    EXPECT_EQ(IDCANCEL, Run([&](CDialog& dialog) {
                  for (const Case& c : cases)
                  {
                      SCOPED_TRACE(c.text);
                      m_boxes.ClearShown();
                      formtest::ClickTab(dialog, IDC_FIND_TABS, c.nTab);
                      EXPECT_EQ(c.nHelpContext, GetHelpContext());
                      EXPECT_STREQ(c.heading, ItemText(dialog, IDC_FIND_HEADING));
                      Click(dialog, c.nRadio);
                      EXPECT_STREQ(c.prompt, ItemText(dialog, IDC_FIND_PROMPT));
                      EXPECT_NE(0u, dialog.GetDlgItem(static_cast<int>(c.nInput))->GetStyle() & WS_VISIBLE);
                      dialog.SendDlgItemMessage(IDC_FIND_COLUMN, CB_SETCURSEL, static_cast<WPARAM>(c.nColumn));
                      Search(dialog, c.nInput, c.text);
                      EXPECT_EQ(c.found, Found(dialog));
                      const BOOL bNone = c.found.count(kNoneFound) != 0;
                      EXPECT_STREQ(bNone ? "0" : std::to_string(c.found.size()).c_str(),
                                   ItemText(dialog, IDC_FIND_COUNT));
                      EXPECT_STREQ(bNone ? "None found.\n" : "", m_boxes.GetAllTexts());
                  }
                  CDialogDriver::Press(dialog, IDCANCEL);
              }));
}

// Typed ingredient names complete from the cookbook; the column list taking the focus goes back
// to the recipe contents, keeping what was found.
TEST_F(FindDlgTest, IngredientNamesCompleteAndTheColumnListChoosesRecipeContents)
{
    Run([&](CDialog& dialog) {
        Click(dialog, IDC_FIND_RECIPE_BY_CATEGORY);
        EXPECT_GT(dialog.SendDlgItemMessage(IDC_FIND_CATEGORY, CB_GETCOUNT), 1);
        EXPECT_EQ(0, dialog.SendDlgItemMessage(IDC_FIND_CATEGORY, CB_GETCURSEL));
        Click(dialog, IDC_FIND_RECIPE_BY_INGREDIENT);
        HWND hCombo = dialog.GetDlgItem(IDC_FIND_INGREDIENT)->m_hWnd;
        ::SetWindowTextA(hCombo, "zeppa w");
        for (WORD code : {CBN_EDITUPDATE, CBN_EDITCHANGE})
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FIND_INGREDIENT, code), reinterpret_cast<LPARAM>(hCombo));
        EXPECT_STREQ("zeppa white", ItemText(dialog, IDC_FIND_INGREDIENT));
        CDialogDriver::Press(dialog, IDC_FIND_START);
        EXPECT_EQ(Names({"Zeppa Soup", "Zeppa Bread"}), Found(dialog));

        dialog.GetDlgItem(IDC_FIND_COLUMN)->SetFocus();
        EXPECT_EQ(IDC_FIND_RECIPE_CONTENTS, CheckedRadio(dialog));
        EXPECT_STREQ("E&nter recipe name or partial name:", ItemText(dialog, IDC_FIND_PROMPT));
        EXPECT_NE(0u, dialog.GetDlgItem(IDC_FIND_TEXT)->GetStyle() & WS_VISIBLE);
        EXPECT_EQ(Names({"Zeppa Soup", "Zeppa Bread"}), Found(dialog));
        CDialogDriver::Press(dialog, IDCANCEL);
    });
}

TEST_F(FindDlgTest, NarrowingKeepsWhatEverySearchFoundAndRefusesEmptyInput)
{
    EXPECT_EQ(IDCANCEL, Run([&](CDialog& dialog) {
                  Search(dialog, IDC_FIND_TEXT, "");
                  EXPECT_STREQ("Please enter a name to search for.\n", m_boxes.GetAllTexts());
                  m_boxes.ClearShown();
                  Search(dialog, IDC_FIND_TEXT, "a");
                  EXPECT_EQ(Names({"Zeppa Soup", "Zeppa Bread", "Morrow Loaf"}), Found(dialog));
                  Search(dialog, IDC_FIND_TEXT, "o", IDC_FIND_AGAIN);
                  EXPECT_EQ(Names({"Zeppa Soup", "Morrow Loaf"}), Found(dialog));
                  // Alone, "zeppa" finds the bread too.
                  Search(dialog, IDC_FIND_TEXT, "zeppa", IDC_FIND_AGAIN);
                  EXPECT_EQ(Names({"Zeppa Soup"}), Found(dialog));
                  EXPECT_STREQ("", m_boxes.GetAllTexts());

                  Search(dialog, IDC_FIND_TEXT, "nothing like it");
                  EXPECT_EQ(Names({kNoneFound}), Found(dialog));
                  m_boxes.ClearShown();
                  // The button is disabled with nothing found; a press that reaches it anyway is refused.
                  EXPECT_FALSE(IsItemEnabled(dialog, IDC_FIND_AGAIN));
                  Search(dialog, IDC_FIND_TEXT, "zeppa", IDC_FIND_AGAIN);
                  EXPECT_STREQ("Can't search again.  The found list is empty.\n", m_boxes.GetAllTexts());
                  EXPECT_EQ(Names({kNoneFound}), Found(dialog));
                  CDialogDriver::Press(dialog, IDCANCEL);
              }));
}

// A panel's pick: the button reads Paste; it and a double-click choose only a selected row.
TEST_F(FindDlgTest, ViewChoosesOnlyASelectedRow)
{
    EXPECT_EQ(IDOK, Run(
                        [&](CDialog& dialog) {
                            EXPECT_STREQ("Past&e", ItemText(dialog, IDC_FIND_VIEW));
                            EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_FIND_ALL_COOKBOOKS));
                            EXPECT_FALSE(IsItemEnabled(dialog, IDC_FIND_ALL_COOKBOOKS));
                            EXPECT_EQ(Texts({kNoneFound}), Rows(dialog));
                            EXPECT_FALSE(IsItemEnabled(dialog, IDC_FIND_VIEW));
                            EXPECT_FALSE(IsItemEnabled(dialog, IDC_FIND_AGAIN));
                            Search(dialog, IDC_FIND_TEXT, "zeppa");
                            EXPECT_TRUE(IsItemEnabled(dialog, IDC_FIND_VIEW));
                            EXPECT_TRUE(IsItemEnabled(dialog, IDC_FIND_AGAIN));
                            CDialogDriver::Press(dialog, IDC_FIND_VIEW);
                            EXPECT_TRUE(StillOpen(dialog));
                            HWND hList = dialog.GetDlgItem(IDC_FIND_RESULTS)->m_hWnd;
                            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FIND_RESULTS, LBN_DBLCLK),
                                               reinterpret_cast<LPARAM>(hList));
                            EXPECT_TRUE(StillOpen(dialog));
                            const Texts rows = Rows(dialog);
                            const auto nBread = std::find(rows.begin(), rows.end(), "Zeppa Bread") - rows.begin();
                            dialog.SendDlgItemMessage(IDC_FIND_RESULTS, LB_SETCURSEL, static_cast<WPARAM>(nBread));
                            CDialogDriver::Press(dialog, IDC_FIND_VIEW);
                        },
                        "zeppa", TRUE));
    EXPECT_EQ("Zeppa Bread", chosen);
    EXPECT_EQ(2, CFindDlg::GetResults().GetCount());
}

// The found list outlives the dialog; a reopening keeps it only on the tab it was found on and
// for the same text.
TEST_F(FindDlgTest, ReopeningKeepsTheResultsOnlyForTheSameTabAndText)
{
    struct Case
    {
        int nTab;
        const char* text;
        Names found;
        int nRadio;
        UINT nInput;
        const char* shownText;
    };
    const Case cases[] = {
        {CFindDlg::kRecipes,
         nullptr,
         {"Zeppa Bread", "Morrow Loaf"},
         IDC_FIND_RECIPE_BY_INGREDIENT,
         IDC_FIND_INGREDIENT,
         "morrow"},
        {CFindDlg::kRecipes,
         "morrow",
         {"Zeppa Bread", "Morrow Loaf"},
         IDC_FIND_RECIPE_BY_INGREDIENT,
         IDC_FIND_INGREDIENT,
         "morrow"},
        {CFindDlg::kRecipes, "Morrow", {kNoneFound}, IDC_FIND_RECIPE_CONTENTS, IDC_FIND_TEXT, "Morrow"},
        {CFindDlg::kMealPlans, "morrow", {kNoneFound}, IDC_FIND_MEAL_PLAN_NAME, IDC_FIND_TEXT, "morrow"},
        {CFindDlg::kIngredients, nullptr, {kNoneFound}, IDC_FIND_INGREDIENT_NAME, IDC_FIND_INGREDIENT, ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nTab);
        SCOPED_TRACE(c.text != nullptr ? c.text : "(none)");
        CFindDlg::SetShownTab(CFindDlg::kRecipes);
        Run([&](CDialog& dialog) {
            Click(dialog, IDC_FIND_RECIPE_BY_INGREDIENT);
            Search(dialog, IDC_FIND_INGREDIENT, "morrow");
            CDialogDriver::Press(dialog, IDCANCEL);
        });
        CFindDlg::SetShownTab(c.nTab);
        Run(
            [&](CDialog& dialog) {
                EXPECT_EQ(c.found, Found(dialog));
                EXPECT_EQ(c.nRadio, CheckedRadio(dialog));
                EXPECT_STREQ(c.shownText, ItemText(dialog, static_cast<int>(c.nInput)));
                CDialogDriver::Press(dialog, IDCANCEL);
            },
            c.text);
    }
}

TEST_F(FindDlgTest, TheNinthSearchTextDropsTheOldest)
{
    Run([&](CDialog& dialog) {
        for (int i = 1; i <= 9; ++i)
            Search(dialog, IDC_FIND_TEXT, ("text " + std::to_string(i)).c_str());
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    const Texts expected = {"text 9", "text 8", "text 7", "text 6", "text 5", "text 4", "text 3", "text 2"};
    Run([&](CDialog& dialog) {
        EXPECT_EQ(expected, Rows(dialog, IDC_FIND_TEXT, CB_GETCOUNT, CB_GETLBTEXT));
        EXPECT_STREQ("text 9", ItemText(dialog, IDC_FIND_TEXT));
        CDialogDriver::Press(dialog, IDCANCEL);
    });
}

}  // namespace
