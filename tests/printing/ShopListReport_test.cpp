#include "printing/ShopListReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/PrintPrefs.h"
#include "printing/ReportFixture.h"

namespace {

using printtest::IngredientLine;
using Texts = std::vector<std::string>;

class ShopListReport : public printtest::ReportTest
{
protected:
    // Each recipe prints at its own servings.
    void TurnServingsOverrideOff() { m_settings->GetSystemRecord()->Units = 3; }

    Texts WriteLines(const CCustObList& lines, int nServings, PrintPrefs* pPrefs)
    {
        CShopListReport report(&m_output, lines, nServings);
        EXPECT_EQ(1, report.WriteList(pPrefs));
        return m_output.Texts();
    }
};

TEST_F(ShopListReport, LinesShowQuantityUnitNamePreparationAndOptionalMark)
{
    struct Case
    {
        CIngData line;
        std::string expected;
    };
    CIngData range = IngredientLine("1", "clove(s)", "garlic", "");
    range.m_maxQty = 2;
    CIngData single = IngredientLine("1", "", "egg", "");
    single.m_plural = "s";
    CIngData recipeLine = IngredientLine("1", "", "Sweet Crust", "");
    recipeLine.m_lineType = "R";
    CIngData headingLike = IngredientLine("0", "", "", "for the glaze");
    const std::string longPreparation(300, 'p');
    CIngData longLine = IngredientLine("1", "", "salt", longPreparation.c_str());
    const Case cases[] = {
        {IngredientLine("2", "cup(s)", "flour", "sifted"), "2 cups flour, sifted\n"},
        {IngredientLine("1", "cup(s)", "milk", ""), "1 cup milk\n"},
        {range, "1 to 2 cloves garlic\n"},
        {single, "1 egg\n"},
        {recipeLine, "1 SWEET CRUST\n"},
        {headingLike, "for the glaze\n"},
        {longLine, "1 salt, " + longPreparation + "\n"},
    };
    TurnServingsOverrideOff();
    CCustObList lines;
    Texts expected;
    for (const Case& c : cases)
    {
        lines.AddTail(new CIngData(c.line));
        expected.push_back(c.expected);
    }
    EXPECT_EQ(expected, WriteLines(lines, 4, nullptr));
}

TEST_F(ShopListReport, TheFixtureRecipeAtItsOwnAndAtDoubleServings)
{
    const CRecipeData recipe = printtest::FixtureRecipe();
    TurnServingsOverrideOff();
    EXPECT_EQ((Texts{"2 cups flour, sifted\n", "1 lemon, (optional)\n", "3 beaten eggs\n", "1 SWEET CRUST\n"}),
              WriteLines(recipe.m_lines, 4, nullptr));

    m_output.Calls.clear();
    PrintPrefs eight{*m_settings->GetSystemRecord(), 8};
    EXPECT_EQ((Texts{"4 cups flour, sifted\n", "2 lemons, (optional)\n", "6 beaten eggs\n", "2 SWEET CRUST\n"}),
              WriteLines(recipe.m_lines, 4, &eight));
}

TEST_F(ShopListReport, AnEmptyListWritesNothing)
{
    CCustObList lines;
    CShopListReport report(&m_output, lines, 4);
    EXPECT_EQ(0, report.WriteList(nullptr));
    EXPECT_TRUE(m_output.Calls.empty());
}

}  // namespace
