#include "exchange/RecipeImporter.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "database/IngData.h"
#include "database/IngItem.h"
#include "database/IngRec.h"
#include "database/RMDatabase.h"
#include "database/UnitRec.h"
#include "shell/services/CurrentDatabase.h"

namespace {

class BareImporter : public CRecipeImporter
{
public:
    int CheckHeader() override { return 0; }
    int ScanTitles() override { return 0; }
};

// A catalogue in memory that counts how often it is read.
class CatalogueDatabase : public CRMDatabase
{
public:
    int LoadIngredientNames(CCustObList& list) override
    {
        ++m_loads;
        list.DeleteAll();
        for (const auto& ingredient : m_ingredients)
            list.AddTail(new CIngItem(ingredient.first.c_str(), ingredient.second, 'I', ""));
        return list.GetCount();
    }
    void AddUnit(const char* id, const char* name)
    {
        auto* pUnit = new CUnitRec;
        pUnit->m_id = id;
        pUnit->m_name = name;
        m_units.AddTail(pUnit);
    }

    // Names differing only in case: the first listed is found.
    std::vector<std::pair<std::string, unsigned long>> m_ingredients{
        {"egg", 7}, {"cherries", 8}, {"Basil", 9}, {"basil", 10}, {"Crème", 11}};
    int m_loads = 0;
};

class RecipeImporterTest : public testing::Test
{
protected:
    void SetUp() override { SetCurrentDatabase(&m_db); }
    void TearDown() override { SetCurrentDatabase(nullptr); }

    CatalogueDatabase m_db;
    BareImporter m_importer;
};

TEST_F(RecipeImporterTest, StatusOutsideTheTableIsUnknown)
{
    const struct
    {
        int code;
        int stored;
    } cases[] = {{0, 0}, {25, 25}, {26, 26}, {27, 26}, {-1, 26}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(c.code, m_importer.SetStatus(c.code));
        EXPECT_EQ(c.stored, m_importer.GetStatus());
    }
    EXPECT_STREQ("An unknown error has occurred during import.", m_importer.GetStatusText());
    m_importer.SetStatus(CRecipeImporter::kAborted);
    EXPECT_STREQ("Import aborted at user request.", m_importer.GetStatusText());
}

TEST_F(RecipeImporterTest, IngredientsAreRetriedInTheirOtherNumber)
{
    const struct
    {
        const char* name;
        int found;
        const char* stored;
        const char* id;
    } cases[] = {
        {"eggs", 1, "egg", "000007"},       {"cherry", 1, "cherries", "000008"}, {"flour", 0, "flour", "000000"},
        {"  ", 1, "  ", "000000"},          {"BASIL", 1, "Basil", "000009"},     {"EGG", 1, "egg", "000007"},
        {"CRÈME", 0, "CRÈME", "000000"},    {"crème", 1, "Crème", "000011"},     {"egg ", 0, "egg ", "000000"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CIngData line;
        line.m_name = c.name;
        EXPECT_EQ(c.found, m_importer.FindIngredient(line));
        EXPECT_STREQ(c.stored, line.m_name);
        EXPECT_STREQ(c.id, line.m_itemId.GetText());
    }
    EXPECT_EQ(1, m_db.m_loads) << "the catalogue is read once";
}

TEST_F(RecipeImporterTest, UnitsMatchEitherNumberInAnyCase)
{
    m_db.AddUnit("000001", "");
    m_db.AddUnit("000004", "Cup(s)");
    m_db.AddUnit("000024", "berry(ies)");
    const struct
    {
        const char* text;
        int found;
        const char* id;
    } cases[] = {
        {"cups", 1, "000004"}, {"CUP", 1, "000004"},   {"Berries", 1, "000024"},
        {"", 1, "000001"},     {"large", 0, "000001"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        CIngData line;
        line.m_unitText = c.text;
        EXPECT_EQ(c.found, m_importer.FindUnit(line) != 0);
        EXPECT_STREQ(c.id, line.m_unitId.GetText());
        EXPECT_STREQ(c.text, line.m_unitText) << "the word stays in the line";
    }
}

TEST_F(RecipeImporterTest, MovedNamesComeBackForWriting)
{
    const struct
    {
        const char* name;
        const char* preparation;
        const char* moved;
    } cases[] = {{"quince", "", "quince+"}, {"quince", "diced", "quince+, diced"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.moved);
        CIngData line;
        line.m_name = c.name;
        line.m_preparation = c.preparation;
        CRecipeImporter::MoveNameToPreparation(line);
        EXPECT_STREQ("", line.m_name);
        EXPECT_STREQ(c.moved, line.m_preparation);
        CString name;
        CString preparation;
        CRecipeImporter::GetMovedName(line, name, preparation);
        EXPECT_STREQ(c.name, name);
        EXPECT_STREQ(c.preparation, preparation);
    }
    CIngData heading;
    heading.m_preparation = "TOPPING";
    CString name;
    CString preparation;
    CRecipeImporter::GetMovedName(heading, name, preparation);
    EXPECT_STREQ("", name);
    EXPECT_STREQ("TOPPING", preparation);
}

}  // namespace
