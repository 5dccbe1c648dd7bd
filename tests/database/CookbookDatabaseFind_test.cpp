// Searches by text, by sound-alike ingredient names and by the ingredients recipes use, on a
// new cookbook made from the template; the C++ sound code against the catalogue's stored codes.
#include "database/CookbookDatabase.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "database/IngItem.h"
#include "database/MenuListItem.h"
#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "database/RecipeListItem.h"
#include "framework/MapStringToPtr.h"
#include "framework/StringList.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"

namespace {

TEST(MakeSoundCode, LetterGroupsWithoutMerging)
{
    const struct
    {
        const char* name;
        const char* code;
    } cases[] = {
        {"smith", "S530"},        {"  smith", "S530"}, {"A", "A000"},     {"", ""},
        {"BABBLE", "B114"},       {"LEE", "L000"},     {"onion", "O550"}, {"onyon", "O550"},
        {"black pepper", "B422"}, {"2% milk", "2542"}, {"   ", " 000"},   {"Tkrstuvw", "T262"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.code, CCookbookDatabase::MakeSoundCode(c.name).GetString());
    }
}

class CookbookFindTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        fixture::CookbookTest::SetUp();
        ASSERT_TRUE(m_db.OpenCookbookFile(Copy(fixture::TemplatePath(), "find.tws").c_str(), IDS_DRIVER_ACCESS,
                                          IDS_COOKBOOK_DATA_SOURCE))
            << m_boxes.GetAllTexts();
    }

    void AddRecipe(const char* id, const char* title, const char* source = "")
    {
        m_db.ExecuteSQL((std::string("INSERT INTO RECIPE (RECIPE, COOKBOOK, TITLE, SOURCE, SERVINGS) VALUES ('") + id +
                         "', '000001', '" + title + "', '" + source + "', 4)")
                            .c_str());
    }

    void AddLine(const char* recipe, const char* ingredient, int number)
    {
        m_db.ExecuteSQL((std::string("INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM) VALUES (") +
                         std::to_string(number) + ", '" + recipe + "', 'I', '" + ingredient + "')")
                            .c_str());
    }

    static std::set<std::string> Names(const CCustObList& list)
    {
        std::set<std::string> names;
        for (POSITION position = list.GetHeadPosition(); position != nullptr;)
            names.insert(static_cast<const CListItem*>(list.GetNext(position))->m_name.GetString());
        return names;
    }

    CRMDatabase m_db;
};

// Every catalogue row was coded by the generator: the program's code must agree, or a saved
// ingredient would no longer be found by its sound.
TEST_F(CookbookFindTest, SoundCodesAgreeWithTheCatalogue)
{
    CPortRecordset rs(&m_db);
    ASSERT_TRUE(rs.OpenTable("INGREDNT", "SELECT NAME, SOUND_NAME FROM INGREDNT", nullptr));
    int rows = 0;
    for (; !rs.IsEOF(); rs.MoveNext(), ++rows)
    {
        CString name;
        CString code;
        rs.GetFieldText("NAME", name);
        rs.GetFieldText("SOUND_NAME", code);
        EXPECT_STREQ(code.GetString(), CCookbookDatabase::MakeSoundCode(name).GetString()) << name.GetString();
    }
    EXPECT_GT(rows, 100);
}

TEST_F(CookbookFindTest, TemplateFindsOnionByNameAndBySound)
{
    CCustObList list;
    EXPECT_GE(m_db.SearchIngredients(list, "onion", FALSE, TRUE), 1);
    EXPECT_EQ(1u, Names(list).count("onion"));

    EXPECT_EQ(1, m_db.SearchIngredients(list, "onio", TRUE, FALSE));
    EXPECT_EQ("onion", Names(list).begin()->substr(0, 5));

    const int found = m_db.SearchIngredientsBySound(list, "onyon", TRUE, TRUE);
    EXPECT_EQ(found, list.GetCount());
    EXPECT_EQ(1u, Names(list).count("onion"));
    // Both flags set hand the call to the sound search.
    EXPECT_EQ(found, m_db.SearchIngredients(list, "onyon", TRUE, TRUE));
    EXPECT_EQ(1u, Names(list).count("onion"));
}

TEST_F(CookbookFindTest, SoundRangesOfShortAndVowelNames)
{
    m_db.ExecuteSQL("INSERT INTO INGREDNT (INGREDIENT, NAME, SOUND_NAME) VALUES ('900001', 'zaa', 'Z000')");
    m_db.ExecuteSQL("INSERT INTO INGREDNT (INGREDIENT, NAME, SOUND_NAME) VALUES ('900002', 'zoe', 'Z100')");
    m_db.ExecuteSQL("INSERT INTO INGREDNT (INGREDIENT, NAME, SOUND_NAME) VALUES ('900003', 'zebra', 'Z160')");
    m_db.ExecuteSQL("INSERT INTO INGREDNT (INGREDIENT, NAME, SOUND_NAME) VALUES ('900004', 'zrr', 'Z660')");
    CCustObList list;
    // Only vowels after the first letter: Z000 to Z100, both ends included.
    m_db.SearchIngredientsBySound(list, "zae", FALSE, TRUE);
    EXPECT_EQ((std::set<std::string>{"zaa", "zoe"}), Names(list));
    // One letter: every code that begins with it.
    m_db.SearchIngredientsBySound(list, "z", FALSE, TRUE);
    const std::set<std::string> names = Names(list);
    for (const char* name : {"zaa", "zoe", "zebra", "zrr"})
        EXPECT_EQ(1u, names.count(name)) << name;
    for (const std::string& name : names)
        EXPECT_EQ('z', name[0]) << name;
    // Without all rows only the first hit is kept.
    EXPECT_EQ(1, m_db.SearchIngredientsBySound(list, "z", FALSE, FALSE));
    EXPECT_EQ(1, list.GetCount());
    EXPECT_EQ(1, m_db.SearchIngredientsBySound(list, "", FALSE, TRUE));
    EXPECT_EQ(0, list.GetCount());
}

// Quotes, "%" and "_" in the search text match themselves only.
TEST_F(CookbookFindTest, TextSearchesMatchQuotesAndWildcardsLiterally)
{
    AddRecipe("000101", "Grandma''s Pie", "Aunt May");
    AddRecipe("000102", "Grandmas Pie");
    AddRecipe("000103", "100% Rye");
    AddRecipe("000104", "1000 Rye");
    AddRecipe("000105", "Rye_Bread");
    AddRecipe("000106", "RyeXBread", "Aunt_May");
    const struct
    {
        const char* text;
        int field;
        std::set<std::string> titles;
    } cases[] = {
        {"ma's", 0, {"Grandma's Pie"}},
        {"0%", 0, {"100% Rye"}},
        {"e_B", 0, {"Rye_Bread"}},
        {"grandma", 7, {"Grandma's Pie", "Grandmas Pie"}},  // an unknown field searches titles
        {"t_m", 4, {"RyeXBread"}},
        {"%", 0, {"100% Rye"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        CCustObList list;
        EXPECT_TRUE(m_db.SearchRecipes(list, c.text, c.field));
        EXPECT_EQ(c.titles, Names(list));
    }
    CCustObList list;
    list.AddTail(new CRecipeListItem);
    EXPECT_TRUE(m_db.SearchRecipes(list, "", 0));
    EXPECT_TRUE(list.IsEmpty());
}

TEST_F(CookbookFindTest, MealPlansFoundByName)
{
    m_db.ExecuteSQL("INSERT INTO MENU (MENU, NAME, SERVINGS) VALUES ('000201', 'Sunday''s 50% Brunch', 6)");
    m_db.ExecuteSQL("INSERT INTO MENU (MENU, NAME, SERVINGS) VALUES ('000202', 'Sunday 500 Brunch', 2)");
    CCustObList list;
    EXPECT_TRUE(m_db.SearchMenus(list, "y's 50%"));
    ASSERT_EQ(1, list.GetCount());
    const auto* pMenu = static_cast<const MenuListItem*>(list.GetHead());
    EXPECT_STREQ("000201", pMenu->m_id.GetText());
    EXPECT_EQ(6, pMenu->m_servings);
    EXPECT_EQ(0, pMenu->m_value);
}

// A plan is found by the text of its recipe lines, in any case and literally; ingredient and
// free-text lines, and plans with no matching line, are not.
TEST_F(CookbookFindTest, MealPlansFoundByTheirRecipeLines)
{
    m_db.ExecuteSQL("INSERT INTO MENU (MENU, NAME, SERVINGS) VALUES ('000211', 'Picnic', 4)");
    m_db.ExecuteSQL("INSERT INTO MENU (MENU, NAME, SERVINGS) VALUES ('000212', 'Supper', 2)");
    m_db.ExecuteSQL("INSERT INTO MENU (MENU, NAME, SERVINGS) VALUES ('000213', 'Larder', 2)");
    const char* lines[][4] = {{"1", "000211", "R", "Tomato Soup"},
                              {"2", "000211", "R", "Apple 50% Pie"},
                              {"3", "000212", "R", "Green Soup"},
                              {"4", "000213", "I", "tomato"},
                              {"5", "000213", "E", "Soup of the day"}};
    for (const auto& line : lines)
        m_db.ExecuteSQL((std::string("INSERT INTO MN_ITEM (MN_ITEM, MENU, TYPE, ITEM, STRING) VALUES (") + line[0] +
                         ", '" + line[1] + "', '" + line[2] + "', '000101', '" + line[3] + "')")
                            .c_str());
    const struct
    {
        const char* text;
        std::set<std::string> plans;
    } cases[] = {
        {"SOUP", {"Picnic", "Supper"}}, {"tomato", {"Picnic"}}, {"50%", {"Picnic"}}, {"5%", {}}, {"day", {}}, {"", {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        CCustObList list;
        list.AddTail(new MenuListItem);
        EXPECT_TRUE(m_db.SearchMenusByRecipe(list, c.text));
        EXPECT_EQ(c.plans, Names(list));
    }
}

TEST_F(CookbookFindTest, RecipesByIngredientCategoryAndByIngredients)
{
    AddRecipe("000301", "Three Onion Soup");
    AddRecipe("000302", "Plain Toast");
    m_db.ExecuteSQL("INSERT INTO INGREDNT (INGREDIENT, NAME) VALUES ('900011', 'red onion')");
    m_db.ExecuteSQL("INSERT INTO INGREDNT (INGREDIENT, NAME) VALUES ('900012', 'white onion')");
    m_db.ExecuteSQL("INSERT INTO INGREDNT (INGREDIENT, NAME) VALUES ('900013', 'shallot')");
    m_db.ExecuteSQL("INSERT INTO INGREDNT (INGREDIENT, NAME) VALUES ('900014', 'bread')");
    for (const char* item : {"900011", "900012", "900013"})
        m_db.ExecuteSQL(
            (std::string("INSERT INTO ING_CAT_ITEM (CATID, ITEM) VALUES ('990001', '") + item + "')").c_str());
    AddLine("000301", "900011", 1);
    AddLine("000301", "900012", 2);
    AddLine("000301", "900013", 3);
    AddLine("000302", "900014", 1);

    CStringList inCategory;
    EXPECT_EQ(0, m_db.GetIngredientsInCategory(inCategory, CRecordId()));
    m_db.GetIngredientsInCategory(inCategory, CRecordId("990001"));
    EXPECT_EQ(3, inCategory.GetCount());

    CMapStringToPtr map;
    ASSERT_TRUE(m_db.SearchRecipesByIngredient(CRecordId("990001"), map));
    ASSERT_EQ(1, map.GetCount()) << m_boxes.GetAllTexts();

    void* pValue = nullptr;
    ASSERT_TRUE(map.Lookup("000301", pValue));
    EXPECT_STREQ("Three Onion Soup", static_cast<CRecipeListItem*>(pValue)->m_name.GetString());
    ASSERT_TRUE(m_db.SearchRecipesByIngredient(CRecordId("990002"), map));
    EXPECT_EQ(0, map.GetCount());

    CMapStringToPtr used;
    CStringList ids;
    EXPECT_FALSE(m_db.FindRecipesUsingItem(ids, used));
    ids.AddTail("");
    ids.AddTail("900013");
    ids.AddTail("900014");
    EXPECT_TRUE(m_db.FindRecipesUsingItem(ids, used));
    EXPECT_EQ(2, used.GetCount());
    EXPECT_TRUE(used.Lookup("000302", pValue));
}

}  // namespace
