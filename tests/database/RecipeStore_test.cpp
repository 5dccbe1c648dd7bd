// Recipes read and written whole on fixture cookbooks: round trips, saves that fail half-way,
// deletion without orphans, and the nutrition a view computes.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <string>

#include "database/BrowseState.h"
#include "database/CategoryListItem.h"
#include "database/CookbookTransaction.h"
#include "database/IngData.h"
#include "database/MenuItem.h"
#include "database/MenuData.h"
#include "database/Nutrition.h"
#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "database/RecipeData.h"
#include "database/RecipeListItem.h"
#include "database/RefListItem.h"
#include "database/TOCListItem.h"
#include "framework/DBException.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"
#include "support/RecordedNotice.h"

namespace {

const BYTE kWhole = CRecipeData::kLoadLines | CRecipeData::kLoadCategories | CRecipeData::kLoadNutrition |
                    CRecipeData::kLoadReferences | CRecipeData::kLoadRecipeRow;

class RecipeStoreTest : public fixture::CookbookTest
{
protected:
    void Open(bool readOnly = false)
    {
        m_path = Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "cookbook.tws");
        if (readOnly)
            SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY);
        ASSERT_TRUE(m_db.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
            << m_boxes.GetAllTexts();
        if (!readOnly)
            Execute("INSERT INTO REFERENC (REFID, REFTYPE, NAME, CONTENT) VALUES ('000901', 'T', 'Crust', 'Tap the "
                    "base.')");
    }

    void TearDown() override
    {
        m_db.CloseRecordsets();
        m_db.Close();
        SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
        fixture::CookbookTest::TearDown();
    }

    void Execute(const std::string& sql)
    {
        try
        {
            m_db.ExecuteSQL(sql.c_str());
        }
        catch (CDBException* e)
        {
            ADD_FAILURE() << sql << ": " << e->m_strError.GetString();
            e->Delete();
        }
    }

    long Count(const std::string& sql)
    {
        CPortRecordset rs(&m_db);
        EXPECT_TRUE(rs.OpenTable("count", ("SELECT COUNT(*) AS N FROM " + sql).c_str(), nullptr)) << sql;
        // The driver describes an expression column by its value: read it as text or number.
        CString text;
        double number = -1.0;
        if (rs.GetFieldText("N", text) && !text.IsEmpty())
            return std::stol(text.GetString());
        rs.GetFieldDouble("N", number);
        return static_cast<long>(number);
    }

    std::string IdOf(const std::string& title)
    {
        CPortRecordset rs(&m_db);
        EXPECT_TRUE(rs.OpenTable("RECIPE", ("SELECT RECIPE FROM RECIPE WHERE TITLE='" + title + "'").c_str(), nullptr));
        CString id;
        rs.GetFieldText("RECIPE", id);
        return id.GetString();
    }

    CRecipeData Loaded(const CRecordId& id, BYTE level = kWhole)
    {
        CRecipeData recipe;
        recipe.m_recipeId = id;
        EXPECT_EQ(0, m_db.LoadRecipe(&recipe, level)) << m_boxes.GetAllTexts();
        return recipe;
    }

    // A recipe of every part: lines of the catalogue, a used recipe, two categories, a link
    // and a long direction text.
    CRecipeData Whole()
    {
        CRecipeData recipe = Loaded(CRecordId(IdOf("Irish Soda Bread").c_str()));
        recipe.m_recipeId = CRecordId();
        recipe.m_title = "Baker's Loaf";
        recipe.m_directions = std::string(10000, 'x').c_str();
        recipe.m_intro = "It's a loaf.";
        recipe.m_prepTime = "1:30";
        recipe.m_cookTime = "0:45";
        recipe.m_standTime = "0:15";
        auto* pUsed = new CIngData;
        pUsed->m_lineType = "R";
        pUsed->m_itemId = CRecordId(IdOf("Irish Soda Bread").c_str());
        pUsed->m_minQty = pUsed->m_maxQty = 0.5;
        recipe.m_lines.AddTail(pUsed);
        recipe.m_categories.DeleteAll();
        for (const char* id : {"000001", "000002"})
        {
            auto* pCategory = new CategoryListItem;
            pCategory->m_id = CRecordId(id);
            recipe.m_categories.AddTail(pCategory);
        }
        recipe.m_links.Add(new RefListItem("Crust", "Tap the base.", 901, 'T'));
        return recipe;
    }

    std::string m_path;
    CRMDatabase m_db;
};

TEST_F(RecipeStoreTest, WholeRecipeInsertedLoadsBackEqual)
{
    Open();
    CRecipeData recipe = Whole();
    ASSERT_EQ(0, m_db.InsertRecipe(recipe, FALSE)) << m_boxes.GetAllTexts();
    ASSERT_NE(0UL, recipe.m_recipeId.GetNumber());
    EXPECT_EQ(CString("2:30"), recipe.GetTotalTime());

    CRecipeData loaded = Loaded(recipe.m_recipeId);
    EXPECT_EQ(10000, loaded.m_directions.GetLength());
    EXPECT_EQ(CString("It's a loaf."), loaded.m_intro);
    EXPECT_EQ(2, loaded.m_categories.GetCount());
    EXPECT_EQ(1, loaded.m_links.GetSize());
    const CIngData* pLast = static_cast<const CIngData*>(loaded.m_lines.GetTail());
    EXPECT_EQ(CString("R"), pLast->m_lineType);
    EXPECT_EQ(CString("Irish Soda Bread"), pLast->m_name);
    EXPECT_EQ(recipe.m_lines.GetCount(), loaded.m_lines.GetCount());

    // What was loaded saves and loads back unchanged.
    CRecipeData edited(loaded);
    ASSERT_EQ(0, m_db.SaveRecipe(loaded, edited)) << m_boxes.GetAllTexts();
    EXPECT_TRUE(loaded == Loaded(recipe.m_recipeId));
}

TEST_F(RecipeStoreTest, EveryDefaultRecipeSavesBackUnchanged)
{
    Open();
    CPortRecordset ids(&m_db);
    ASSERT_TRUE(ids.OpenTable("RECIPE", "SELECT RECIPE FROM RECIPE", nullptr));
    int count = 0;
    for (; !ids.IsEOF(); ids.MoveNext(), ++count)
    {
        CString id;
        ids.GetFieldText("RECIPE", id);
        SCOPED_TRACE(id.GetString());
        CRecipeData before = Loaded(CRecordId(id));
        CRecipeData edited(before);
        ASSERT_EQ(0, m_db.SaveRecipe(before, edited)) << m_boxes.GetAllTexts();
        EXPECT_TRUE(before == Loaded(CRecordId(id)));
    }
    EXPECT_EQ(48, count);
}

TEST_F(RecipeStoreTest, SaveThatFailsHalfWayKeepsTheStoredRecipe)
{
    Open();
    const CRecordId id(IdOf("Irish Soda Bread").c_str());
    const CRecipeData before = Loaded(id);
    // The links are written last: refusing them fails the save after the row and lines.
    Execute("CREATE TRIGGER RefuseLinks BEFORE INSERT ON REFITEM BEGIN SELECT RAISE(ABORT, 'refused'); END");
    CRecipeData edited = Whole();
    edited.m_recipeId = id;
    m_boxes.ClearShown();
    EXPECT_EQ(2, m_db.SaveRecipe(before, edited));
    EXPECT_FALSE(m_boxes.GetShown().empty());
    EXPECT_TRUE(before == Loaded(id));
    EXPECT_EQ(1, Count("RECIPE WHERE RECIPE='" + std::string(id) + "'"));

    // A failed insert writes nothing and leaves the record as it was, to be retried.
    CRecipeData fresh = Whole();
    const long recipes = Count("RECIPE");
    EXPECT_EQ(2, m_db.InsertRecipe(fresh, FALSE));
    EXPECT_EQ(0UL, fresh.m_recipeId.GetNumber());
    EXPECT_EQ(recipes, Count("RECIPE"));

    // The statements that failed write the same recipe whole once nothing refuses it.
    Execute("DROP TRIGGER RefuseLinks");
    ASSERT_EQ(0, m_db.InsertRecipe(fresh, FALSE)) << m_boxes.GetAllTexts();
    EXPECT_EQ(recipes + 1, Count("RECIPE"));
    const CRecipeData stored = Loaded(fresh.m_recipeId);
    EXPECT_EQ(fresh.m_lines.GetCount(), stored.m_lines.GetCount());
    EXPECT_EQ(1, stored.m_links.GetSize());
}

TEST_F(RecipeStoreTest, ReadOnlyCookbookRefusesSavesAndViewingWritesNothing)
{
    Open(true);
    const CRecordId id(IdOf("Irish Soda Bread").c_str());
    CRecipeData before = Loaded(id);
    CRecipeData edited(before);
    edited.m_title = "Changed";
    EXPECT_EQ(3, m_db.SaveRecipe(before, edited));
    EXPECT_EQ(CString("Irish Soda Bread"), Loaded(id).m_title);
}

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Tests run with rights that let the driver write a read-only file: only the writers' own
// refusal keeps it unchanged.
TEST_F(RecipeStoreTest, EveryWriterRefusesAReadOnlyCookbook)
{
    Open(true);
    const CRecordId recipe(IdOf("Irish Soda Bread").c_str());
    const CRecipeData loaded = Loaded(recipe);
    const CRecordId one("000001");
    CCookbookDatabase& db = m_db;

    const struct
    {
        const char* writer;
        std::function<BOOL()> write;
    } writers[] = {
        {"DeleteRecipe", [&] { return db.DeleteRecipe(recipe, TRUE); }},
        {"DeleteChapter",
         [&] {
             TOCListItem chapter;
             chapter.m_id = loaded.m_chapterId;
             return db.DeleteChapter(chapter);
         }},
        {"SetRecipeRating",
         [&] {
             CRecipeListItem item;
             item.m_id = recipe;
             item.m_rating = 3;
             return static_cast<BOOL>(db.SetRecipeRating(item));
         }},
        {"SaveMenu",
         [&] {
             CMenuData menu;
             menu.m_name = "New";
             return db.SaveMenu(menu, TRUE);
         }},
        {"RewriteMenu",
         [&] {
             CMenuData menu;
             menu.m_id = one;
             db.LoadMenu(menu);
             menu.m_name = "Renamed";
             return db.RewriteMenu(menu);
         }},
        {"DeleteMenu", [&] { return db.DeleteMenu(one, TRUE); }},
        {"AddMenuItem",
         [&] {
             CMenuItem item;
             item.m_type = "R";
             item.m_itemId = recipe;
             item.m_text = "Bread";
             return db.AddMenuItem(one, item);
         }},
        {"UpdateMenuItemText", [&] { return db.UpdateMenuItemText(CRecordId("000004"), "Pancakes"); }},
        {"SaveStore",
         [&] {
             CListItem store;
             store.m_id = one;
             store.m_name = "Renamed Market";
             return db.SaveStore(store);
         }},
        {"DeleteStore",
         [&] {
             CListItem store;
             store.m_id = one;
             return db.DeleteStore(store);
         }},
        {"SaveStoreSections", [&] { return db.SaveStoreSections(1, CCustObList()); }},
        {"DeleteReference", [&] { return db.DeleteReference(one); }},
        {"DeleteIngredient", [&] { return db.DeleteIngredient(one); }},
        {"RemoveCategory",
         [&] {
             CategoryListItem category;
             category.m_id = one;
             return static_cast<BOOL>(db.RemoveCategory(category));
         }},
        {"PurgeCategoryItems", [&] { return static_cast<BOOL>(db.PurgeCategoryItems('R')); }},
        {"UpdateCategoryFlags",
         [&] {
             CCustObList categories;
             auto* pCategory = new CategoryListItem;
             pCategory->m_id = one;
             categories.AddTail(pCategory);
             const BOOL done = db.UpdateCategoryFlags(categories, 'R');
             categories.DeleteAll();
             return done;
         }},
    };
    const std::string before = FileBytes(m_path);
    ASSERT_FALSE(before.empty());
    for (const auto& writer : writers)
    {
        SCOPED_TRACE(writer.writer);
        EXPECT_FALSE(writer.write());
        EXPECT_TRUE(before == FileBytes(m_path));
    }
}

TEST_F(RecipeStoreTest, ViewingARecipeWithoutStoredNutritionComputesIt)
{
    Open();
    const std::string id = IdOf("Irish Soda Bread");
    const NUTRITION stored = *Loaded(CRecordId(id.c_str())).GetNutrition();
    Execute("DELETE FROM RCP_NUTRITION WHERE ITEM_ID='" + id + "'");

    CRecipeData viewed = Loaded(CRecordId(id.c_str()), CRecipeData::kLoadNutrition);
    EXPECT_NEAR(stored.m_calories, viewed.GetNutrition()->m_calories, 0.5);
    EXPECT_NEAR(1827.7 / 8, viewed.GetNutrition()->m_calories, 1827.7 / 8 * 0.05);
    EXPECT_NEAR(4056.6 / 8, viewed.GetNutrition()->m_amount[NUTRITION::Sodium], 4056.6 / 8 * 0.05);
    // The computed profile was stored, never zeros.
    EXPECT_EQ(1, Count("RCP_NUTRITION WHERE ITEM_ID='" + id + "' AND CALORIES > 100"));
}

// Importers hand over lines that name catalogue ingredients and units but carry none of their
// weights or conversions: the profile stored must be the one the stored lines give.
TEST_F(RecipeStoreTest, ImportedLinesWithoutWeightsStoreTheProfileOfTheStoredLines)
{
    Open();
    for (const BOOL counting : {FALSE, TRUE})
    {
        SCOPED_TRACE(counting);
        CRecipeData imported = Loaded(CRecordId(IdOf("Irish Soda Bread").c_str()));
        imported.m_recipeId = CRecordId();
        imported.m_loadLevel = 0;
        for (POSITION position = imported.m_lines.GetHeadPosition(); position != nullptr;)
        {
            auto* pLine = static_cast<CIngData*>(imported.m_lines.GetNext(position));
            pLine->m_unitType = 0;
            pLine->m_unitFactor1 = pLine->m_unitFactor2 = 0.0;
            pLine->m_fractional = pLine->m_liquid = pLine->m_dry = 0.0;
        }
        m_db.CountRecordIds(counting);
        ASSERT_EQ(0, m_db.InsertRecipe(imported, TRUE)) << m_boxes.GetAllTexts();
        m_db.CountRecordIds(FALSE);

        CRecipeData stored = Loaded(imported.m_recipeId, CRecipeData::kLoadLines | CRecipeData::kLoadRecipeRow);
        ASSERT_TRUE(m_db.ComputeRecipeNutrition(stored, TRUE, TRUE));
        CRecipeData saved = Loaded(imported.m_recipeId, CRecipeData::kLoadNutrition);
        EXPECT_GT(saved.GetNutrition()->m_calories, 100.0f);
        EXPECT_EQ(stored.GetNutrition()->m_calories, saved.GetNutrition()->m_calories);
        for (int i = 0; i < NUTRITION::AmountCount; ++i)
            EXPECT_EQ(stored.GetNutrition()->m_amount[i], saved.GetNutrition()->m_amount[i]) << i;
    }
}

TEST_F(RecipeStoreTest, ViewingOnAReadOnlyCookbookWritesNoNutritionRow)
{
    Open();
    const std::string id = IdOf("Irish Soda Bread");
    Execute("DELETE FROM RCP_NUTRITION WHERE ITEM_ID='" + id + "'");
    m_db.CloseRecordsets();
    m_db.Close();
    SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(m_db.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));

    CRecipeData viewed = Loaded(CRecordId(id.c_str()), CRecipeData::kLoadNutrition);
    EXPECT_GT(viewed.GetNutrition()->m_calories, 100.0f);
    EXPECT_EQ(0, Count("RCP_NUTRITION WHERE ITEM_ID='" + id + "'"));
}

TEST_F(RecipeStoreTest, StoredNutritionKeepsAFixedCalorieValueAndNeverWritesNaN)
{
    Open();
    const CRecordId id("000777");
    NUTRITION profile;
    profile.m_amount[NUTRITION::Protein] = 10.0f;
    profile.m_amount[NUTRITION::Sodium] = std::numeric_limits<float>::quiet_NaN();
    profile.m_caloriesFixed = 1;
    profile.m_calories = 500.0f;
    // Update mode with no row inserts it.
    ASSERT_TRUE(m_db.SaveNutrition(profile, 'R', id, TRUE)) << m_boxes.GetAllTexts();
    EXPECT_EQ(1, Count("RCP_NUTRITION WHERE ITEM_ID='000777' AND SODIUM = 0"));
    EXPECT_FALSE(m_db.SaveNutrition(profile, 'M', id, FALSE));

    CRecipeData recipe;
    recipe.m_recipeId = id;
    ASSERT_TRUE(m_db.ReadRecipeNutrition(recipe));
    EXPECT_EQ(500.0f, recipe.GetNutrition()->m_calories);
    EXPECT_EQ(1, recipe.GetNutrition()->m_caloriesFixed);
}

TEST_F(RecipeStoreTest, MealPlanNutritionIsPerDayAndNotAddedTwice)
{
    Open();
    const std::string id = IdOf("Irish Soda Bread");
    const float perServing = Loaded(CRecordId(id.c_str())).GetNutrition()->m_calories;
    Execute("INSERT INTO MENU (MENU, NAME) VALUES ('000901', 'Two days')");
    for (const char* day : {"1", "2", "2"})
        Execute("INSERT INTO MN_ITEM (MENU, TYPE, ITEM, DAY) VALUES ('000901', 'R', '" + id + "', " + day + ")");
    CMenuData menu;
    menu.m_id = CRecordId("000901");
    ASSERT_TRUE(m_db.ComputeMenuNutrition(menu));
    ASSERT_TRUE(m_db.ComputeMenuNutrition(menu));
    EXPECT_NEAR(perServing * 1.5f, menu.GetNutrition()->m_calories, 0.01f * perServing);
}

TEST_F(RecipeStoreTest, ChaptersListFirstAndAreReusedByTitleAndDeletedWithTheirRecipes)
{
    Open();
    const CCustObArray& entries = m_db.BuildContentsEntries();
    const long chapters = Count("COOKBOOK");
    ASSERT_EQ(chapters + 5, entries.GetSize());
    EXPECT_EQ(CString("All Recipes"), static_cast<const TOCListItem*>(entries.GetAt(chapters))->m_name);
    EXPECT_EQ(CString("All Meal Plan Categories"),
              static_cast<const TOCListItem*>(entries.GetAt(chapters + 4))->m_name);

    TOCListItem existing(static_cast<const TOCListItem*>(entries.GetAt(0))->m_name, 0, 'T');
    ASSERT_TRUE(m_db.SaveChapter(existing));
    EXPECT_EQ(static_cast<const TOCListItem*>(entries.GetAt(0))->m_id, existing.m_id);
    TOCListItem added("Preserves", 0, 'T');
    ASSERT_TRUE(m_db.SaveChapter(added)) << m_boxes.GetAllTexts();
    EXPECT_EQ(chapters + 1, Count("COOKBOOK"));
    EXPECT_EQ(CString("Preserves"), m_db.GetContentsEntryName(added.m_id));

    const TOCListItem first = *static_cast<const TOCListItem*>(m_db.BuildContentsEntries().GetAt(0));
    const std::string chapter = first.m_id.GetText();
    const long recipes = Count("RECIPE WHERE COOKBOOK='" + chapter + "'");
    ASSERT_GT(recipes, 0);
    {
        CNoticeRecording recording;
        ASSERT_TRUE(m_db.DeleteChapter(first));
    }
    const std::vector<std::string>& shown = CRecordedNotice::Shown();
    ASSERT_EQ(static_cast<size_t>(recipes) + 1, shown.size());
    EXPECT_EQ("Now deleting chapter recipes...", shown[0]);
    EXPECT_EQ(0u, shown[1].find("Chapter: " + std::string(first.m_name) + "\r\n Recipe: ")) << shown[1];
    EXPECT_EQ(0, CRecordedNotice::Showing());
    EXPECT_EQ(0, Count("RECIPE WHERE COOKBOOK='" + chapter + "'"));
    EXPECT_EQ(0, Count("COOKBOOK WHERE COOKBOOK='" + chapter + "'"));
    EXPECT_EQ(0, Count("QUANTITY WHERE RECIPE NOT IN (SELECT RECIPE FROM RECIPE)"));
    EXPECT_FALSE(m_db.DeleteChapter(TOCListItem("All Recipes", 0, 'T')));
}

// The profile read before (another ingredient's) does not stay behind.
TEST_F(RecipeStoreTest, IngredientWithoutStoredProfileReadsZeros)
{
    Open();
    CIngData line;
    line.m_itemId = CRecordId("999990");
    line.GetNutrition()->m_amount[NUTRITION::Protein] = 3.0f;
    line.GetNutrition()->m_calories = 40.0f;
    EXPECT_FALSE(m_db.ReadIngredientNutrition(line));
    EXPECT_EQ(0.0f, line.GetNutrition()->m_amount[NUTRITION::Protein]);
    EXPECT_EQ(0.0f, line.GetNutrition()->m_calories);
}

TEST_F(RecipeStoreTest, DeletingARecipeLeavesNoOrphans)
{
    Open();
    CRecipeData used = Whole();
    ASSERT_EQ(0, m_db.InsertRecipe(used, FALSE));
    const std::string id = used.m_recipeId.GetText();
    CRecipeData user = Whole();
    static_cast<CIngData*>(user.m_lines.GetTail())->m_itemId = used.m_recipeId;
    ASSERT_EQ(0, m_db.InsertRecipe(user, FALSE));
    Execute("INSERT INTO MN_ITEM (MENU, TYPE, ITEM, STRING) VALUES ('000001', 'R', '" + id + "', 'x')");
    Execute("INSERT INTO CALENDAR (CalendarId, ItemId, ItemType) VALUES ('000001', '" + id + "', 'R')");
    ASSERT_EQ(1, Count("HICAT WHERE CATID='000001' AND HASRECIPES=1"));
    const long count = m_db.GetRecipeCount();

    ASSERT_TRUE(m_db.DeleteRecipe(used.m_recipeId, TRUE));
    for (const char* table :
         {"RECIPE WHERE RECIPE", "QUANTITY WHERE RECIPE", "QUANTITY WHERE TYPE='R' AND ITEM", "RCP_CAT_ITEM WHERE ITEM",
          "REFITEM WHERE LINKID", "RCP_NUTRITION WHERE ITEM_ID", "MN_ITEM WHERE ITEM", "CALENDAR WHERE ItemId"})
    {
        SCOPED_TRACE(table);
        EXPECT_EQ(0, Count(std::string(table) + "='" + id + "'"));
    }
    EXPECT_EQ(count - 1, m_db.GetRecipeCount());
    EXPECT_EQ(user.m_lines.GetCount() - 1, Loaded(user.m_recipeId).m_lines.GetCount());

    // The one-table writers take one table's rows of the other recipe and keep its row.
    const std::string userId = user.m_recipeId.GetText();
    // A refused delete says which table it failed on.
    const struct
    {
        std::string table;
        const char* rows;
        std::function<int()> remove;
    } singles[] = {
        {"QUANTITY", "RECIPE", [&] { return m_db.DeleteIngredientLines(user.m_recipeId); }},
        {"RCP_CAT_ITEM", "ITEM", [&] { return m_db.DeleteCategoryItems(user.m_recipeId, 'R'); }},
        {"REFITEM", "LINKTYPE='R' AND LINKID", [&] { return m_db.DeleteReferenceLinks(user.m_recipeId, 'R'); }},
    };
    for (const auto& single : singles)
    {
        SCOPED_TRACE(single.table);
        const std::string rows = single.table + " WHERE " + single.rows + "='" + userId + "'";
        const long stored = Count(rows);
        ASSERT_GT(stored, 0);
        Execute("CREATE TRIGGER Refuse BEFORE DELETE ON " + single.table +
                " BEGIN SELECT RAISE(ABORT, 'refused'); END");
        m_boxes.ClearShown();
        EXPECT_EQ(0, single.remove());
        EXPECT_NE(-1, m_boxes.GetAllTexts().Find(("Error Deleting " + single.table + " Recordset: \r\n").c_str()))
            << m_boxes.GetAllTexts();
        EXPECT_EQ(stored, Count(rows));
        Execute("DROP TRIGGER Refuse");
        EXPECT_NE(0, single.remove());
        EXPECT_EQ(0, Count(rows));
    }
    CRecipeListItem rated;
    rated.m_id = user.m_recipeId;
    rated.m_rating = 4;
    EXPECT_EQ(1, m_db.SetRecipeRating(rated));
    EXPECT_EQ(4, Loaded(user.m_recipeId, CRecipeData::kLoadRecipeRow).m_rating);
}

// Deleting every line is an edit like any other: the stored lines go too.
TEST_F(RecipeStoreTest, RecipeSavedWithoutAnyLineKeepsNone)
{
    Open();
    const CRecordId id(IdOf("Irish Soda Bread").c_str());
    const CRecipeData before = Loaded(id);
    ASSERT_EQ(4, before.m_lines.GetCount());
    CRecipeData emptied(before);
    emptied.m_lines.DeleteAll();

    EXPECT_EQ(0, m_db.SaveRecipe(before, emptied)) << m_boxes.GetAllTexts();
    EXPECT_EQ(0, Count("QUANTITY WHERE RECIPE='" + std::string(id.GetText()) + "'"));
    EXPECT_EQ(0, Loaded(id).m_lines.GetCount());
}

// Lines go many to a statement where they write the same columns: more lines than one
// statement takes, some with a preparation and some without, come back whole and in order.
TEST_F(RecipeStoreTest, ManyLinesOfMixedColumnsComeBackInOrder)
{
    Open();
    CRecipeData recipe = Loaded(CRecordId(IdOf("Irish Soda Bread").c_str()));
    recipe.m_recipeId = CRecordId();
    const CIngData first = *static_cast<const CIngData*>(recipe.m_lines.GetHead());
    recipe.m_lines.DeleteAll();
    const int kLines = 150;
    for (int i = 0; i < kLines; ++i)
    {
        auto* pLine = new CIngData(first);
        pLine->m_minQty = pLine->m_maxQty = i + 0.25;
        pLine->m_preparation = i % 3 == 0 ? CString() : CString(std::to_string(i).c_str());
        recipe.m_lines.AddTail(pLine);
    }
    ASSERT_EQ(0, m_db.InsertRecipe(recipe, FALSE)) << m_boxes.GetAllTexts();

    const CRecipeData loaded = Loaded(recipe.m_recipeId, CRecipeData::kLoadLines);
    ASSERT_EQ(kLines, loaded.m_lines.GetCount());
    int i = 0;
    for (POSITION position = loaded.m_lines.GetHeadPosition(); position != nullptr; ++i)
    {
        const auto* pLine = static_cast<const CIngData*>(loaded.m_lines.GetNext(position));
        SCOPED_TRACE(i);
        EXPECT_EQ(i + 0.25, pLine->m_minQty);
        EXPECT_STREQ(i % 3 == 0 ? "" : std::to_string(i).c_str(), pLine->m_preparation);
        EXPECT_EQ(first.m_itemId, pLine->m_itemId);
    }
    EXPECT_EQ(kLines / 3, Count("QUANTITY WHERE RECIPE='" + std::string(recipe.m_recipeId.GetText()) +
                                "' AND PREPARATN IS NULL"));
}

// Rows written together leave out a column only where every one of them holds its default:
// each value reads back as written, of the type written.
TEST_F(RecipeStoreTest, ZerosLeftToTheColumnDefaultsReadBackAsWritten)
{
    Open();
    const CRecipeData source = Loaded(CRecordId(IdOf("Irish Soda Bread").c_str()));
    const CIngData first = *static_cast<const CIngData*>(source.m_lines.GetHead());
    const struct
    {
        double quantities[3];
        LONG optional[3];
    } recipes[] = {{{0.0, 2.5, 0.0}, {0, 0, 1}}, {{0.0, 0.0, 0.0}, {0, 0, 0}}};
    for (const auto& written : recipes)
    {
        CRecipeData recipe = source;
        recipe.m_recipeId = CRecordId();
        recipe.m_lines.DeleteAll();
        for (int i = 0; i < 3; ++i)
        {
            auto* pLine = new CIngData(first);
            pLine->m_minQty = pLine->m_maxQty = written.quantities[i];
            pLine->m_optional = written.optional[i];
            recipe.m_lines.AddTail(pLine);
        }
        ASSERT_EQ(0, m_db.InsertRecipe(recipe, FALSE)) << m_boxes.GetAllTexts();

        const std::string lines = "QUANTITY WHERE RECIPE='" + std::string(recipe.m_recipeId.GetText()) + "'";
        EXPECT_EQ(3, Count(lines + " AND typeof(MAX_QTY)='real' AND typeof(OPTIONAL)='integer'"));
        const CRecipeData loaded = Loaded(recipe.m_recipeId, CRecipeData::kLoadLines);
        ASSERT_EQ(3, loaded.m_lines.GetCount());
        int i = 0;
        for (POSITION position = loaded.m_lines.GetHeadPosition(); position != nullptr; ++i)
        {
            const auto* pLine = static_cast<const CIngData*>(loaded.m_lines.GetNext(position));
            EXPECT_EQ(written.quantities[i], pLine->m_maxQty) << i;
            EXPECT_EQ(written.optional[i], pLine->m_optional) << i;
        }
    }
}

// A recipe read with its row and categories only keeps the profile its stored lines give.
TEST_F(RecipeStoreTest, SavingARecipeReadWithoutItsLinesKeepsItsNutrition)
{
    Open();
    const std::string id = IdOf("Irish Soda Bread");
    const float calories = Loaded(CRecordId(id.c_str())).GetNutrition()->m_calories;
    ASSERT_GT(calories, 100.0f);
    CRecipeData partial;
    partial.m_recipeId = CRecordId(id.c_str());
    ASSERT_EQ(0, m_db.LoadRecipe(&partial, CRecipeData::kLoadRecipeRow | CRecipeData::kLoadCategories));
    CRecipeData retitled(partial);
    retitled.m_title = "Soda Bread";

    ASSERT_EQ(0, m_db.SaveRecipe(partial, retitled)) << m_boxes.GetAllTexts();
    EXPECT_EQ(1, Count("RCP_NUTRITION WHERE ITEM_ID='" + id + "' AND CALORIES > 100"));
    EXPECT_NEAR(calories, Loaded(CRecordId(id.c_str())).GetNutrition()->m_calories, 0.5);
}

TEST_F(RecipeStoreTest, CategoryLosesItsFlagWhenItsLastRecipeGoes)
{
    Open();
    Execute("INSERT INTO HICAT (CATID, PARENTID, NAME, TYPE, REL_INDEX) VALUES ('000900', '000000', 'Solo', 'R', 900)");
    CRecipeData recipe = Whole();
    recipe.m_categories.DeleteAll();
    auto* pSolo = new CategoryListItem;
    pSolo->m_id = CRecordId("000900");
    recipe.m_categories.AddTail(pSolo);
    ASSERT_EQ(0, m_db.InsertRecipe(recipe, FALSE));
    EXPECT_EQ(1, Count("HICAT WHERE CATID='000900' AND HASRECIPES=1"));

    // Leaving the category by a save clears the flag; so does deletion.
    CRecipeData moved(recipe);
    moved.m_categories.DeleteAll();
    ASSERT_EQ(0, m_db.SaveRecipe(recipe, moved));
    EXPECT_EQ(1, Count("HICAT WHERE CATID='000900' AND HASRECIPES=0"));
    ASSERT_EQ(0, m_db.SaveRecipe(moved, recipe));
    EXPECT_EQ(1, Count("HICAT WHERE CATID='000900' AND HASRECIPES=1"));
    ASSERT_TRUE(m_db.DeleteRecipe(recipe.m_recipeId, FALSE));
    EXPECT_EQ(1, Count("HICAT WHERE CATID='000900' AND HASRECIPES=0"));
}

TEST_F(RecipeStoreTest, EmbeddedLinesMergeByLineNumber)
{
    Open();
    const std::string id = IdOf("Irish Soda Bread");
    Execute("DELETE FROM QUANTITY WHERE RECIPE='" + id + "'");
    for (const auto& row : {std::pair<int, const char*>{1, "I"}, {2, "I"}, {5, "I"}, {2, "R"}, {3, "R"}, {6, "R"}})
        Execute("INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM, UNIT) VALUES (" + std::to_string(row.first) +
                ", '" + id + "', '" + row.second + "', '" + (row.second[0] == 'R' ? id : std::string("000066")) +
                "', '000000')");
    const CRecipeData recipe = Loaded(CRecordId(id.c_str()), CRecipeData::kLoadLines);
    std::string order;
    for (POSITION position = recipe.m_lines.GetHeadPosition(); position != nullptr;)
    {
        const auto* pLine = static_cast<const CIngData*>(recipe.m_lines.GetNext(position));
        order += std::to_string(pLine->m_lineNumber) + pLine->m_lineType.GetString() + " ";
    }
    EXPECT_EQ("1I 2I 2R 3R 5I 6R ", order);
}

TEST_F(RecipeStoreTest, MissingRecipeRowFailsTheLoad)
{
    Open();
    CRecipeData recipe;
    recipe.m_recipeId = CRecordId("099999");
    EXPECT_EQ(2, m_db.LoadRecipe(&recipe, CRecipeData::kLoadRecipeRow));
    recipe.m_recipeId = CRecordId();
    EXPECT_EQ(0, m_db.LoadRecipe(&recipe, kWhole));
}

// The program's browse state for one test; none again afterwards.
class BrowseStateInUse
{
public:
    BrowseStateInUse() : m_browse(SystemSettings{}) { g_pBrowseState = &m_browse; }
    ~BrowseStateInUse() { g_pBrowseState = nullptr; }
    CBrowseState m_browse;
};

TEST_F(RecipeStoreTest, ListEntryReadsByTitleOrIdWithTheServingsChosenThisRun)
{
    Open();
    const std::string id = IdOf("Irish Soda Bread");
    Execute("UPDATE RECIPE SET TITLE='Granny''s Loaf', SERVINGS=4 WHERE RECIPE='" + id + "'");
    CRecipeListItem item;
    item.m_name = "Granny's Loaf";
    item.m_scaledServings = 3;
    EXPECT_EQ(1, m_db.ReadRecipeListItem(&item, 0));
    EXPECT_STREQ(id.c_str(), item.m_id);
    EXPECT_EQ(4, item.m_servings);
    EXPECT_EQ(0, item.m_scaledServings) << "no browse state: nothing chosen";

    BrowseStateInUse browse;
    item.m_scaledServings = 6;
    browse.m_browse.RememberItemValue(item);
    CRecipeListItem byId;
    byId.m_id = CRecordId(id.c_str());
    EXPECT_EQ(1, m_db.ReadRecipeListItem(&byId, 1));
    EXPECT_EQ(CString("Granny's Loaf"), byId.m_name);
    EXPECT_EQ(6, byId.m_scaledServings);

    byId.m_name = "No Such Loaf";
    EXPECT_EQ(0, m_db.ReadRecipeListItem(&byId, 0));
    EXPECT_EQ(0, m_db.ReadRecipeListItem(&byId, 2));
    EXPECT_EQ(0, m_db.ReadRecipeListItem(nullptr, 1));
}

TEST_F(RecipeStoreTest, InnerRollbackUndoesTheOuterTransaction)
{
    Open();
    const long before = Count("COOKBOOK");
    {
        CCookbookTransaction outer(m_db);
        Execute("INSERT INTO COOKBOOK (COOKBOOK, TITLE) VALUES ('000555', 'Probe')");
        {
            CCookbookTransaction inner(m_db);
            EXPECT_EQ(before + 1, Count("COOKBOOK"));
        }
        EXPECT_FALSE(outer.Commit());
    }
    EXPECT_EQ(before, Count("COOKBOOK"));
}

}  // namespace
