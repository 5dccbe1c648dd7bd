#include "forms/IngredientLineDlg.h"

#include <gtest/gtest.h>

#include <string>

#include "LineEditorTest.h"
#include "database/IngRec.h"
#include "database/RecordId.h"
#include "framework/StandardIds.h"

namespace {

using formtest::LineEditorTest;

const char kQuantityTooLarge[] = "Quantity too large.";
const char kInvalidUnit[] = "Invalid unit.  Select from list.";
const char kAddIngredient[] = "Ingredient name not found.  Add it now?";

std::string Texts(const std::vector<CString>& texts)
{
    std::string all;
    for (const CString& text : texts)
        all += std::string(text) + "\n";
    return all;
}

TEST_F(LineEditorTest, AQuantityRangeIsReadAndShownAgainAsARange)
{
    const struct
    {
        const char* typed;
        double low;
        double high;
        const char* shown;
    } cases[] = {
        {"2 to 3", 2.0, 3.0, "2 to 3"},  {"1 TO 2", 1.0, 2.0, "1 to 2"}, {"1-2", 1.0, 2.0, "1 to 2"},
        {" 1 1/2 ", 1.5, 1.5, "1 1/2"}, {"3/4", 0.75, 0.75, "3/4"},     {"", 0.0, 0.0, ""},
    };
    Show({"flour"});
    Open(0);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        Set(IDC_LINE_QUANTITY, c.typed);

        ASSERT_TRUE(Editor().Commit());

        EXPECT_DOUBLE_EQ(c.low, Line(0).m_minQty);
        EXPECT_DOUBLE_EQ(c.high, Line(0).m_maxQty);
        EXPECT_EQ(c.shown, Shown(IDC_LINE_QUANTITY));
    }
    EXPECT_TRUE(m_boxes.GetShown().empty()) << m_boxes.GetAllTexts();
}

TEST_F(LineEditorTest, ABadQuantitySaysSoAtCommitAndCountsAsNone)
{
    Show({"flour"});
    Line(0).m_minQty = 5.0;
    Line(0).m_maxQty = 5.0;
    Open(0);
    // A range on its way: no message while typing.
    for (char key : std::string("1 t"))
        Editor().GetDlgItem(IDC_LINE_QUANTITY)->SendMessage(WM_CHAR, static_cast<unsigned char>(key), 1);
    EXPECT_TRUE(m_boxes.GetShown().empty()) << m_boxes.GetAllTexts();

    for (const char* typed : {"1 t", "2 cups", "1//2", "abc", "3000000000", "1 to 2147483647"})
    {
        SCOPED_TRACE(typed);
        Line(0).m_minQty = 5.0;
        Line(0).m_maxQty = 5.0;
        Set(IDC_LINE_QUANTITY, typed);
        m_boxes.ClearShown();

        EXPECT_TRUE(Editor().Commit());

        EXPECT_EQ(std::string(kQuantityTooLarge) + "\n", Texts(m_boxes.GetTexts()));
        EXPECT_EQ("", Shown(IDC_LINE_QUANTITY));
        EXPECT_EQ(0.0, Line(0).m_minQty);
        EXPECT_EQ(0.0, Line(0).m_maxQty);
    }
}

TEST_F(LineEditorTest, AUnitIsFoundByItsNameOrItsPluralInAnyCase)
{
    AddUnit("000090", "scoop(s)");
    Show({"flour"});
    Open(0);

    const struct
    {
        const char* typed;
        const char* stored;
        const char* id;
        double factor;
    } cases[] = {
        {"SCOOP(S)", "scoop(s)", "000090", 0.5}, {"Scoops", "scoops", "000090", 0.5}, {"", "", "000001", 1.0},
        {"CUP", "cup", "000004", 8.0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        Set(IDC_LINE_UNIT, c.typed);

        ASSERT_TRUE(Editor().Commit()) << m_boxes.GetAllTexts();

        EXPECT_STREQ(c.stored, Line(0).m_unitText);
        EXPECT_STREQ(c.id, Line(0).m_unitId.GetText());
        EXPECT_DOUBLE_EQ(c.factor, Line(0).m_unitFactor1);
        EXPECT_EQ(c.stored, Shown(IDC_LINE_UNIT));
    }
}

TEST_F(LineEditorTest, AnUnknownUnitWritesNothingAndKeepsTheTyping)
{
    const CRecordId rye = AddIngredient("Qwerty Rye");
    Show({"flour"});
    Line(0).m_unitText = "";
    Line(0).m_preparation = "sifted";
    const CIngData before = Line(0);
    Open(0);
    Set(IDC_LINE_QUANTITY, "7");
    Set(IDC_LINE_UNIT, "furlong");
    Set(IDC_LINE_INGREDIENT, "Qwerty Rye");
    Set(IDC_LINE_PREPARATION, "chopped");

    EXPECT_FALSE(Editor().Commit());

    EXPECT_EQ(std::string(kInvalidUnit) + "\n", Texts(m_boxes.GetTexts()));
    EXPECT_TRUE(before == Line(0));
    EXPECT_STREQ("flour", Line(0).m_name);
    EXPECT_STREQ("sifted", Line(0).m_preparation);
    EXPECT_EQ("furlong", Shown(IDC_LINE_UNIT));
    EXPECT_EQ("Qwerty Rye", Shown(IDC_LINE_INGREDIENT));
    EXPECT_EQ("7", Shown(IDC_LINE_QUANTITY));
    EXPECT_EQ(IDC_LINE_UNIT, FocusedControl());

    Set(IDC_LINE_UNIT, "");
    EXPECT_TRUE(Editor().Commit());
    EXPECT_STREQ("Qwerty Rye", Line(0).m_name);
    EXPECT_STREQ(rye.GetText(), Line(0).m_itemId.GetText());
    EXPECT_STREQ("chopped", Line(0).m_preparation);
    EXPECT_DOUBLE_EQ(7.0, Line(0).m_minQty);
}

TEST_F(LineEditorTest, NoToAMissingIngredientKeepsTheFocusInTheIngredientBox)
{
    Show({"flour"});
    const CIngData before = Line(0);
    Open(0);
    Set(IDC_LINE_INGREDIENT, "Qwerty Spelt");
    m_boxes.QueueAnswer(IDNO);

    EXPECT_FALSE(Editor().Commit());

    EXPECT_EQ(std::string(kAddIngredient) + "\n", Texts(m_boxes.GetTexts()));
    EXPECT_TRUE(before == Line(0));
    EXPECT_EQ(IDC_LINE_INGREDIENT, FocusedControl());
}

TEST_F(LineEditorTest, YesToAMissingIngredientAddsItAndTheLineTakesItsId)
{
    Show({"flour"});
    Open(0);
    Set(IDC_LINE_INGREDIENT, "Qwerty Spelt");
    m_boxes.QueueAnswer(IDYES);
    CDialogDriver::OnOpen(IDD_INGREDIENT, [](CDialog& dialog) {
        EXPECT_STREQ("Qwerty Spelt", formtest::ItemText(dialog, IDC_INGREDIENT_NEW_NAME));
        dialog.SetDlgItemText(IDC_INGREDIENT_WHOLE, "12");
        CDialogDriver::Press(dialog, IDC_INGREDIENT_SAVE);
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });

    EXPECT_TRUE(Editor().Commit()) << m_boxes.GetAllTexts();

    CIngRec stored;
    stored.m_name = "Qwerty Spelt";
    ASSERT_TRUE(m_database.LoadIngredients(stored));
    EXPECT_STREQ(stored.m_id.GetText(), Line(0).m_itemId.GetText());
    EXPECT_STREQ("Qwerty Spelt", Line(0).m_name);
    EXPECT_DOUBLE_EQ(12.0, Line(0).m_fractional);
}

TEST_F(LineEditorTest, AddIngredientClosedWithoutSavingLeavesTheLine)
{
    Show({"flour"});
    Open(0);
    Set(IDC_LINE_INGREDIENT, "Qwerty Spelt");
    m_boxes.QueueAnswer(IDYES);
    CDialogDriver::OnOpen(IDD_INGREDIENT, [](CDialog& dialog) { dialog.EndDialog(IDC_INGREDIENT_CLOSE); });

    EXPECT_FALSE(Editor().Commit());

    EXPECT_STREQ("flour", Line(0).m_name);
    EXPECT_EQ(IDC_LINE_INGREDIENT, FocusedControl());
}

TEST_F(LineEditorTest, ARecipeLineNamesItsRecipeInTheNameEdit)
{
    Show({"Biscuits"});
    Line(0).m_lineType = "R";
    Line(0).m_unitText = "cup";
    Open(0);
    EXPECT_TRUE(Editor().GetDlgItem(IDC_LINE_RECIPE)->IsWindowVisible());
    EXPECT_FALSE(Editor().GetDlgItem(IDC_LINE_INGREDIENT)->IsWindowVisible());
    EXPECT_EQ("Biscuits", Shown(IDC_LINE_RECIPE));
    EXPECT_EQ("Biscuits", std::string(Editor().GetIngredientText()));

    Set(IDC_LINE_RECIPE, "No Such Loaf");
    EXPECT_FALSE(Editor().Commit());
    EXPECT_EQ("Recipe not found.  Retype the name or use the Find Ingredient button to locate the recipe. \n",
              Texts(m_boxes.GetTexts()));
    EXPECT_EQ(IDC_LINE_RECIPE, FocusedControl());
    EXPECT_STREQ("Biscuits", Line(0).m_name);

    Set(IDC_LINE_RECIPE, "Irish Soda Bread");
    EXPECT_TRUE(Editor().Commit());
    EXPECT_STREQ("Irish Soda Bread", Line(0).m_name);
    EXPECT_NE(0UL, Line(0).m_itemId.GetNumber());
    EXPECT_STREQ("", Line(0).m_unitText);
}

TEST_F(LineEditorTest, EnterOnTheLastLineAddsOneAndUpOnTheFirstStays)
{
    Show({"flour", "salt"});
    Open(1);
    Set(IDC_LINE_QUANTITY, "2");

    Press(VK_RETURN);

    EXPECT_DOUBLE_EQ(2.0, Line(1).m_minQty);
    EXPECT_EQ(3, List().GetCount());
    EXPECT_EQ(3, static_cast<int>(m_recipe.m_lines.GetCount()));
    EXPECT_EQ(2, Editor().GetLineIndex());
    EXPECT_EQ(2, m_window->GetCurrentLine());
    EXPECT_EQ(IDC_LINE_QUANTITY, FocusedControl());
    EXPECT_EQ(&Line(2), m_host.pPanelLine);

    Press(VK_UP);
    Press(VK_UP);
    EXPECT_EQ(0, Editor().GetLineIndex());
    Set(IDC_LINE_QUANTITY, "3");
    Press(VK_UP);
    EXPECT_EQ(0, Editor().GetLineIndex());
    EXPECT_DOUBLE_EQ(3.0, Line(0).m_minQty);
}

TEST_F(LineEditorTest, AnUnknownUnitBlocksDownAndTab)
{
    Show({"flour", "salt"});
    Open(0);
    Set(IDC_LINE_UNIT, "furlong");

    Press(VK_DOWN);
    EXPECT_EQ(0, Editor().GetLineIndex());
    EXPECT_EQ(IDC_LINE_UNIT, FocusedControl());
    Press(VK_TAB);
    EXPECT_EQ(IDC_LINE_UNIT, FocusedControl());

    EXPECT_EQ(std::string(kInvalidUnit) + "\n" + kInvalidUnit + "\n", Texts(m_boxes.GetTexts()));
    Set(IDC_LINE_UNIT, "");
    Press(VK_TAB);
    EXPECT_EQ(IDC_LINE_INGREDIENT, FocusedControl());
    Press(VK_TAB, TRUE);
    EXPECT_EQ(IDC_LINE_UNIT, FocusedControl());
}

TEST_F(LineEditorTest, ClipboardKeysAreIgnoredAndTheCheckBoxKeysReachThePanel)
{
    Show({"flour"});
    Open(0);
    Editor().SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    Editor().SendMessage(WM_COMMAND, MAKEWPARAM(ID_RATING_EXCELLENT, 1));
    Editor().SendMessage(WM_COMMAND, MAKEWPARAM(ID_RATING_GREAT, 1));

    EXPECT_EQ(1, static_cast<int>(m_recipe.m_lines.GetCount()));
    EXPECT_EQ((std::vector<WPARAM>{MAKEWPARAM(ID_RATING_EXCELLENT, 1), MAKEWPARAM(ID_RATING_GREAT, 1)}),
              m_panel.commands);
}

}  // namespace
