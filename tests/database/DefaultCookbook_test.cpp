// The ingredient catalogue of the new-cookbook template and the content of the default
// cookbook, both built from the committed SQL: counts, the onion row, referential integrity,
// the category tree links, and one recipe's nutrition against figures worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "database/FieldValue.h"
#include "database/IngData.h"
#include "database/Nutrition.h"
#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"

namespace {

std::string DefaultCookbookPath()
{
    return fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS";
}

using Row = std::map<std::string, std::string>;

class DefaultCookbookTest : public fixture::CookbookTest
{
protected:
    void Open(const std::string& source)
    {
        ASSERT_TRUE(
            m_db.OpenCookbookFile(Copy(source, "cookbook.tws").c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
            << m_boxes.GetAllTexts();
    }

    // The rows of a statement, each column as text.
    std::vector<Row> Rows(const std::string& sql)
    {
        std::vector<Row> rows;
        CPortRecordset rs(&m_db);
        EXPECT_TRUE(rs.OpenTable("query", sql.c_str(), nullptr)) << sql << m_boxes.GetAllTexts();
        for (; rs.IsOpen() && !rs.IsEOF(); rs.MoveNext())
        {
            Row row;
            for (int i = 0; i < rs.GetColumnCount(); ++i)
            {
                const CString name = rs.GetColumn(i)->m_strName;
                row[name.GetString()] = FieldText(rs, name);
            }
            rows.push_back(row);
        }
        return rows;
    }

    // Numbers come back as their value: the recordset keeps text only for text columns.
    static std::string FieldText(CPortRecordset& rs, const CString& name)
    {
        CString text;
        rs.GetFieldText(name, text);
        if (!text.IsEmpty())
            return text.GetString();
        double number = 0.0;
        rs.GetFieldDouble(name, number);
        char formatted[32];
        snprintf(formatted, sizeof formatted, "%.10g", number);
        return formatted;
    }

    long Count(const std::string& sql)
    {
        const std::vector<Row> rows = Rows("SELECT COUNT(*) AS N FROM " + sql);
        return rows.empty() ? -1 : std::stol(rows[0].at("N"));
    }

    CRMDatabase m_db;
};

// Every reference between the catalogue's tables leads to a row.
const char* const kCatalogueOrphans[] = {
    "INGREDNT WHERE GROUPING NOT IN (SELECT ITEM FROM MISC WHERE TYPE='G')",
    "INGREDNT WHERE INGREDIENT NOT IN (SELECT ITEM FROM ING_CAT_ITEM)",
    "INGREDNT WHERE INGREDIENT NOT IN (SELECT ITEM_ID FROM ING_NUTRITION)",
    "ING_CAT_ITEM WHERE CATID NOT IN (SELECT ID FROM BASIC) OR ITEM NOT IN (SELECT INGREDIENT FROM INGREDNT)",
    "ING_NUTRITION WHERE ITEM_ID NOT IN (SELECT INGREDIENT FROM INGREDNT) OR UNIT_QTY <> 100",
    "INGREDNT WHERE SOUND_NAME IS NULL OR LENGTH(SOUND_NAME) <> 4",
    "(SELECT NAME FROM INGREDNT GROUP BY NAME HAVING COUNT(*) > 1)",
};

TEST_F(DefaultCookbookTest, TemplateCataloguesCommonIngredientsWithTheirNutrients)
{
    Open(fixture::TemplatePath());
    const long ingredients = Count("INGREDNT");
    EXPECT_GE(ingredients, 1400);
    EXPECT_LE(ingredients, 1800);
    EXPECT_EQ(ingredients, Count("ING_NUTRITION"));
    EXPECT_EQ(0, Count("RECIPE"));
    for (const char* orphans : kCatalogueOrphans)
    {
        SCOPED_TRACE(orphans);
        EXPECT_EQ(0, Count(orphans));
    }

    const std::vector<Row> onion =
        Rows("SELECT INGREDNT.*, MISC.STRING, BASIC.NAME AS BASIC_NAME, ING_NUTRITION.PROTEIN, ING_NUTRITION.CARBO,"
             " ING_NUTRITION.SODIUM, ING_NUTRITION.VITAMIN_C FROM ((INGREDNT INNER JOIN MISC ON MISC.ITEM = "
             "INGREDNT.GROUPING"
             " AND MISC.TYPE = 'G') INNER JOIN ING_CAT_ITEM ON ING_CAT_ITEM.ITEM = INGREDNT.INGREDIENT)"
             " INNER JOIN BASIC ON BASIC.ID = ING_CAT_ITEM.CATID"
             " INNER JOIN ING_NUTRITION ON ING_NUTRITION.ITEM_ID = INGREDNT.INGREDIENT WHERE INGREDNT.NAME = 'onion'");
    ASSERT_EQ(1u, onion.size());
    const Row& row = onion[0];
    EXPECT_EQ("O550", row.at("SOUND_NAME"));
    EXPECT_EQ("s", row.at("PLURAL"));
    EXPECT_EQ("Produce", row.at("STRING"));
    EXPECT_EQ("Onions", row.at("BASIC_NAME"));
    EXPECT_DOUBLE_EQ(110.0, std::stod(row.at("FRACTIONAL")));
    EXPECT_DOUBLE_EQ(160.0, std::stod(row.at("DRY")));
    EXPECT_DOUBLE_EQ(20.0, std::stod(row.at("LIQUID")));
    EXPECT_DOUBLE_EQ(1.1, std::stod(row.at("PROTEIN")));
    EXPECT_DOUBLE_EQ(9.34, std::stod(row.at("CARBO")));
    EXPECT_DOUBLE_EQ(4.0, std::stod(row.at("SODIUM")));
    EXPECT_DOUBLE_EQ(7.4, std::stod(row.at("VITAMIN_C")));
}

// The stored sound codes follow the letter groups; a sound-alike spelling lands in the same
// range as the name it imitates.
TEST_F(DefaultCookbookTest, SoundCodesOfTheCatalogueFollowTheLetterGroups)
{
    Open(fixture::TemplatePath());
    const struct
    {
        const char* name;
        const char* code;
    } cases[] = {
        {"onion", "O550"},              // vowels add nothing
        {"all-purpose flour", "A441"},  // repeated letters each count; the hyphen is no letter
        {"butter, unsalted", "B336"},
        {"black pepper", "B422"},  // the blank is skipped
        {"large egg", "L622"},
        {"2% milk", "2542"},  // a digit leads the code as it is
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::vector<Row> rows =
            Rows(std::string("SELECT SOUND_NAME FROM INGREDNT WHERE NAME = '") + c.name + "'");
        ASSERT_EQ(1u, rows.size());
        EXPECT_EQ(c.code, rows[0].at("SOUND_NAME"));
    }
    // "onyon" codes as O550 too: the range from its first letter and first grouped letter.
    const std::vector<Row> alike =
        Rows("SELECT NAME FROM INGREDNT WHERE SOUND_NAME BETWEEN 'O500' AND 'O600' AND NAME = 'onion'");
    EXPECT_EQ(1u, alike.size());
}

// Every line, category item, meal-plan item, link and store section of the default cookbook
// points at a row that exists.
const char* const kCookbookOrphans[] = {
    "RECIPE WHERE COOKBOOK NOT IN (SELECT COOKBOOK FROM COOKBOOK)",
    "RECIPE WHERE RECIPE NOT IN (SELECT ITEM_ID FROM RCP_NUTRITION)",
    "RECIPE WHERE TOTAL_MIN <> PREP_MIN + COOK_MIN + STND_MIN",
    "QUANTITY WHERE RECIPE NOT IN (SELECT RECIPE FROM RECIPE)",
    "QUANTITY WHERE TYPE = 'I' AND ITEM NOT IN (SELECT INGREDIENT FROM INGREDNT)",
    "QUANTITY WHERE TYPE = 'R' AND ITEM NOT IN (SELECT RECIPE FROM RECIPE)",
    "QUANTITY WHERE TYPE NOT IN ('I', 'R') OR MIN_QTY <= 0 OR MAX_QTY < MIN_QTY",
    "QUANTITY WHERE UNIT NOT IN (SELECT ITEM FROM MISC WHERE TYPE = 'U')",
    "RCP_CAT_ITEM WHERE CATID NOT IN (SELECT CATID FROM HICAT WHERE TYPE = 'R')"
    " OR ITEM NOT IN (SELECT RECIPE FROM RECIPE)",
    "MENU_CAT_ITEM WHERE CATID NOT IN (SELECT CATID FROM HICAT WHERE TYPE = 'M')"
    " OR ITEM NOT IN (SELECT MENU FROM MENU)",
    "MN_ITEM WHERE MENU NOT IN (SELECT MENU FROM MENU) OR TYPE <> 'R'"
    " OR STRING <> (SELECT TITLE FROM RECIPE WHERE RECIPE = MN_ITEM.ITEM)",
    "REFITEM WHERE REFID NOT IN (SELECT REFID FROM REFERENC)",
    "REFITEM WHERE (LINKTYPE = 'R' AND LINKID NOT IN (SELECT RECIPE FROM RECIPE))"
    " OR (LINKTYPE = 'M' AND LINKID NOT IN (SELECT MENU FROM MENU)) OR LINKTYPE NOT IN ('R', 'M')",
    "STORE_SEC WHERE Store NOT IN (SELECT Store FROM STORE)"
    " OR Section NOT IN (SELECT ITEM FROM MISC WHERE TYPE = 'G')",
    "HICAT WHERE HASRECIPES <> (CATID IN (SELECT CATID FROM RCP_CAT_ITEM))"
    " OR HASMENUS <> (CATID IN (SELECT CATID FROM MENU_CAT_ITEM))",
};

TEST_F(DefaultCookbookTest, DefaultCookbookHoldsAConsistentCollection)
{
    Open(DefaultCookbookPath());
    for (const char* orphans : kCatalogueOrphans)
    {
        SCOPED_TRACE(orphans);
        EXPECT_EQ(0, Count(orphans));
    }
    for (const char* orphans : kCookbookOrphans)
    {
        SCOPED_TRACE(orphans);
        EXPECT_EQ(0, Count(orphans));
    }
    EXPECT_GE(Count("RECIPE"), 40);
    EXPECT_GE(Count("COOKBOOK"), 6);
    EXPECT_EQ(3, Count("(SELECT DISTINCT MISC.SYSTEM FROM QUANTITY INNER JOIN MISC ON MISC.ITEM = QUANTITY.UNIT"
                       " AND MISC.TYPE = 'U' WHERE MISC.ITEM <> '000001')"));
    EXPECT_GE(Count("QUANTITY WHERE TYPE = 'R'"), 3);
    EXPECT_GE(Count("(SELECT DISTINCT RATING FROM RECIPE)"), 4);
    EXPECT_EQ(2, Count("MENU"));
    EXPECT_EQ(0, Count("(SELECT MENU FROM MN_ITEM GROUP BY MENU HAVING COUNT(DISTINCT DAY) < 2"
                       " OR COUNT(DISTINCT MEAL) < 2)"));
    EXPECT_GE(Count("REFERENC WHERE REFTYPE = 'K'"), 1);
    EXPECT_GE(Count("REFERENC WHERE REFTYPE = 'T'"), 1);
    EXPECT_EQ(1, Count("STORE"));
    EXPECT_EQ(Count("MISC WHERE TYPE = 'G' AND ITEM <> '000001'"), Count("STORE_SEC"));
}

// Walks one parent's children as the category browser does: first child, then siblings.
std::vector<std::string> Children(const std::map<int, Row>& slots, int first)
{
    std::vector<std::string> names;
    for (int slot = first; slot != -1 && names.size() <= slots.size();)
    {
        const auto found = slots.find(slot);
        if (found == slots.end())
            break;
        names.push_back(found->second.at("CATID"));
        slot = std::stoi(found->second.at("SIBLING"));
    }
    return names;
}

TEST_F(DefaultCookbookTest, CategoryLinksReachEveryCategoryOnceUnderItsParent)
{
    Open(DefaultCookbookPath());
    std::map<int, Row> slots;
    for (const Row& row : Rows("SELECT * FROM HICAT"))
        slots[std::stoi(row.at("REL_INDEX"))] = row;
    ASSERT_FALSE(slots.empty());

    std::multiset<std::string> reached;
    for (const std::string& top : Children(slots, slots.begin()->first))
    {
        reached.insert(top);
        EXPECT_EQ("000000", slots.begin()->second.at("PARENTID"));
    }
    for (const auto& parent : slots)
        for (const std::string& child : Children(slots, std::stoi(parent.second.at("FIRSTKID"))))
        {
            reached.insert(child);
            const auto row = std::find_if(slots.begin(), slots.end(),
                                          [&](const auto& slot) { return slot.second.at("CATID") == child; });
            EXPECT_EQ(parent.second.at("CATID"), row->second.at("PARENTID")) << child;
            EXPECT_EQ(parent.second.at("TYPE"), row->second.at("TYPE")) << child;
        }
    EXPECT_EQ(slots.size(), reached.size());
    EXPECT_EQ(reached.size(), std::set<std::string>(reached.begin(), reached.end()).size());

    // Each kind's first slot heads the top-level chain of that kind.
    for (const char* type : {"R", "M"})
    {
        const auto first =
            std::find_if(slots.begin(), slots.end(), [&](const auto& slot) { return slot.second.at("TYPE") == type; });
        ASSERT_NE(slots.end(), first);
        EXPECT_EQ("000000", first->second.at("PARENTID")) << type;
    }
}

// Irish Soda Bread, 8 servings, worked out from the USDA SR21 figures per 100 g:
// 453.6 g flour (364 kcal, 10.33 g protein, 0.98 g fat, 2 mg sodium), 441.4 g buttermilk
// (3/4 imperial pint at 245 g a cup: 40 kcal, 3.31 g, 0.88 g, 105 mg), 4.6 g baking soda
// (27360 mg sodium) and 6 g salt (38758 mg sodium).
TEST_F(DefaultCookbookTest, RecipeNutritionPerServingMatchesTheUsdaFigures)
{
    Open(DefaultCookbookPath());
    const std::vector<Row> recipe = Rows("SELECT RECIPE, SERVINGS FROM RECIPE WHERE TITLE = 'Irish Soda Bread'");
    ASSERT_EQ(1u, recipe.size());
    const std::string id = recipe[0].at("RECIPE");

    // The line factors and the profile arithmetic of the recipe model, over the stored rows.
    NUTRITION total;
    CPortRecordset lines(&m_db);
    ASSERT_TRUE(lines.OpenTable(
        "lines",
        ("SELECT ShowRcpIngredNutrition.*, ShowIngredientsNoStores.MIN_QTY, U_TYPE, U_FACTOR1, U_FACTOR2,"
         " FRACTIONAL, LIQUID, DRY FROM ShowRcpIngredNutrition"
         " INNER JOIN ShowIngredientsNoStores ON ShowIngredientsNoStores.RECIPE ="
         " ShowRcpIngredNutrition.RECIPE AND ShowIngredientsNoStores.QUANTITY ="
         " ShowRcpIngredNutrition.QUANTITY WHERE ShowRcpIngredNutrition.RECIPE = '" +
         id + "'")
            .c_str(),
        nullptr));
    int count = 0;
    for (; !lines.IsEOF(); lines.MoveNext(), ++count)
    {
        CIngData line;
        short unitType = 0;
        lines.GetFieldDouble("MIN_QTY", line.m_minQty);
        lines.GetFieldShort("U_TYPE", unitType);
        line.m_unitType = unitType;
        lines.GetFieldDouble("U_FACTOR1", line.m_unitFactor1);
        lines.GetFieldDouble("U_FACTOR2", line.m_unitFactor2);
        lines.GetFieldDouble("FRACTIONAL", line.m_fractional);
        lines.GetFieldDouble("LIQUID", line.m_liquid);
        lines.GetFieldDouble("DRY", line.m_dry);
        NUTRITION share;
        share.ReadFromRecordset(lines);
        share.MultiplyBy(static_cast<double>(line.GetNutritionFactor()));
        total.Add(share);
    }
    EXPECT_EQ(4, count);
    total.DivideBy(std::stoi(recipe[0].at("SERVINGS")));

    EXPECT_NEAR(1827.7 / 8, total.m_calories, 1827.7 / 8 * 0.05);
    EXPECT_NEAR(61.47 / 8, total.m_amount[NUTRITION::Protein], 61.47 / 8 * 0.05);
    EXPECT_NEAR(8.33 / 8, total.m_amount[NUTRITION::TotalFat], 8.33 / 8 * 0.05);
    EXPECT_NEAR(4056.6 / 8, total.m_amount[NUTRITION::Sodium], 4056.6 / 8 * 0.05);

    // The stored per-serving row is what the same arithmetic gives.
    CPortRecordset stored(&m_db);
    ASSERT_TRUE(
        stored.OpenTable("stored", ("SELECT * FROM RCP_NUTRITION WHERE ITEM_ID = '" + id + "'").c_str(), nullptr));
    ASSERT_FALSE(stored.IsEOF());
    NUTRITION saved;
    saved.ReadFromRecordset(stored);
    for (int amount = 0; amount < NUTRITION::AmountCount; ++amount)
    {
        SCOPED_TRACE(amount);
        EXPECT_NEAR(total.m_amount[amount], saved.m_amount[amount], 0.001 * (1.0 + total.m_amount[amount]));
    }
    EXPECT_NEAR(total.m_calories, saved.m_calories, 0.5);
}

}  // namespace
