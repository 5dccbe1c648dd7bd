// The sorted recipe lists of chapters, contents lists and categories in each sort order, read
// one row at a time.
#include "database/VCatRecordset.h"
#include "database/VRcpRecordset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/RMDatabase.h"
#include "database/SortedRecipeListItem.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"

namespace {

struct Row
{
    std::string title;
    float sortValue;
    bool operator==(const Row& other) const { return title == other.title && sortValue == other.sortValue; }
};

std::ostream& operator<<(std::ostream& out, const Row& row)
{
    return out << row.title << "=" << row.sortValue;
}

class SortedRecipeViewsTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        fixture::CookbookTest::SetUp();
        ASSERT_TRUE(m_db.OpenCookbookFile(Copy(fixture::TemplatePath(), "sorted.tws").c_str(), IDS_DRIVER_ACCESS,
                                          IDS_COOKBOOK_DATA_SOURCE))
            << m_boxes.GetAllTexts();
        // id, title, chapter, rating, total, prep, cost; Cherry has no nutrition row.
        Add("000001", "Apple", "000001", 3, 30, 10, 2.5);
        Add("000002", "banana", "000001", 5, 20, 20, 1.0);
        Add("000003", "Cherry", "000002", 3, 30, 5, 4.0);
        Add("000004", "Date", "000002", -1, 10, 20, 1.0);  // "Skip it"
        // calories, % from fat, fat, sodium, cholesterol
        Nutrition("000001", "200, 30, 10, 100, 5");
        Nutrition("000002", "100, 40, 5, 300, 50");
        Nutrition("000004", "200, 10, 20, 50, 5");
        Media("000101", 'P', "000001");
        Media("000102", 'P', "000001");
        Media("000103", 'P', "000004");
        Media("000104", 'V', "000002");
        m_db.ExecuteSQL("INSERT INTO RCP_CAT_ITEM (CATID, ITEM) VALUES ('000050', '000001')");
        m_db.ExecuteSQL("INSERT INTO RCP_CAT_ITEM (CATID, ITEM) VALUES ('000050', '000003')");
        m_db.ExecuteSQL("INSERT INTO RCP_CAT_ITEM (CATID, ITEM) VALUES ('000051', '000003')");
    }

    void Add(const char* id, const char* title, const char* chapter, int rating, int total, int prep, double cost)
    {
        char sql[400];
        std::snprintf(sql, sizeof sql,
                      "INSERT INTO RECIPE (RECIPE, TITLE, COOKBOOK, SERVINGS, RATING, TOTAL_MIN, PREP_MIN, COST) "
                      "VALUES ('%s', '%s', '%s', 4, %d, %d, %d, %g)",
                      id, title, chapter, rating, total, prep, cost);
        m_db.ExecuteSQL(sql);
    }

    void Nutrition(const char* id, const char* values)
    {
        m_db.ExecuteSQL((std::string("INSERT INTO RCP_NUTRITION (ITEM_ID, CALORIES, PCNT_CAL_FAT, TOTAL_FAT, SODIUM, "
                                     "CHOLESTRL) VALUES ('") +
                         id + "', " + values + ")")
                            .c_str());
    }

    void Media(const char* refId, char kind, const char* recipe)
    {
        m_db.ExecuteSQL((std::string("INSERT INTO REFERENC (REFID, REFTYPE, NAME) VALUES ('") + refId + "', '" + kind +
                         "', 'media')")
                            .c_str());
        m_db.ExecuteSQL((std::string("INSERT INTO REFITEM (LINKTYPE, LINKID, REFID) VALUES ('R', '") + recipe + "', '" +
                         refId + "')")
                            .c_str());
    }

    // Every row from first to last; the last row is fetched first so that a row without a
    // value would show the buffer's previous content.
    static std::vector<Row> Rows(CVRecordset& view)
    {
        std::vector<Row> rows;
        CSortedRecipeListItem item;
        if (view.FetchLast(item) != 0)
            return rows;
        for (int status = view.FetchFirst(item); status == 0 && static_cast<long>(rows.size()) < view.GetRowCount();
             status = view.FetchNext(item))
            rows.push_back({item.m_name.GetString(), item.m_sortValue});
        return rows;
    }

    CRMDatabase m_db;
};

TEST_F(SortedRecipeViewsTest, EachSortOrderWithTiesByTitle)
{
    const struct
    {
        int key;
        std::vector<Row> rows;
    } cases[] = {
        {0, {{"Apple", 0}, {"banana", 0}, {"Cherry", 0}, {"Date", 0}}},
        {1, {{"banana", 5}, {"Apple", 3}, {"Cherry", 3}, {"Date", -1}}},
        {2, {{"Cherry", 0}, {"banana", 100}, {"Apple", 200}, {"Date", 200}}},
        {3, {{"Cherry", 0}, {"Date", 10}, {"Apple", 30}, {"banana", 40}}},
        {4, {{"Cherry", 0}, {"banana", 5}, {"Apple", 10}, {"Date", 20}}},
        {5, {{"Cherry", 0}, {"Date", 50}, {"Apple", 100}, {"banana", 300}}},
        {6, {{"Cherry", 0}, {"Apple", 5}, {"Date", 5}, {"banana", 50}}},
        {7, {{"Date", 10}, {"banana", 20}, {"Apple", 30}, {"Cherry", 30}}},
        {8, {{"Cherry", 5}, {"Apple", 10}, {"banana", 20}, {"Date", 20}}},
        {9, {{"banana", 1}, {"Date", 1}, {"Apple", 2.5f}, {"Cherry", 4}}},
        {42, {{"Apple", 0}, {"banana", 0}, {"Cherry", 0}, {"Date", 0}}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE("key " + std::to_string(c.key));
        CVRcpRecordset view(&m_db);
        ASSERT_TRUE(view.OpenList(CRecordId(), c.key)) << m_boxes.GetAllTexts();
        EXPECT_EQ(4, view.GetRowCount());
        EXPECT_EQ(c.rows, Rows(view));
    }
}

TEST_F(SortedRecipeViewsTest, ChapterListsAndStepsPastTheEnds)
{
    CVRcpRecordset view(&m_db);
    ASSERT_TRUE(view.OpenList(CRecordId("000002"), 1));
    EXPECT_EQ(2, view.GetRowCount());
    CSortedRecipeListItem item;
    ASSERT_EQ(0, view.FetchAt(1, item));
    EXPECT_EQ("Date", item.m_name);
    EXPECT_EQ(1, item.m_number);
    EXPECT_STREQ("000002", item.m_chapterId.GetText());
    EXPECT_EQ(4, item.m_servings);
    EXPECT_EQ('R', item.m_type);
    ASSERT_EQ(0, view.FetchNext(item));
    EXPECT_EQ("Date", item.m_name);
    ASSERT_EQ(0, view.FetchFirst(item));
    ASSERT_EQ(0, view.FetchPrev(item));
    EXPECT_EQ("Cherry", item.m_name);
    EXPECT_EQ(3, view.FetchAt(5, item));

    ASSERT_TRUE(view.OpenList(CRecordId("000099"), 0));
    EXPECT_EQ(0, view.GetRowCount());
    EXPECT_EQ(3, view.FetchFirst(item));
}

// A recipe with two photos is one entry of the photo list, and the count says so.
TEST_F(SortedRecipeViewsTest, MediaListsHoldOneRowPerRecipe)
{
    const struct
    {
        const char* list;
        std::vector<Row> rows;
    } cases[] = {
        {"999996", {{"Date", 10}, {"Apple", 30}}},
        {"999997", {{"banana", 40}}},
        {"999998", {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.list);
        CVRcpRecordset view(&m_db);
        ASSERT_TRUE(view.OpenList(CRecordId(c.list), 3)) << m_boxes.GetAllTexts();
        EXPECT_EQ(static_cast<long>(c.rows.size()), view.GetRowCount());
        EXPECT_EQ(c.rows, Rows(view));
    }
    CVRcpRecordset view(&m_db);
    ASSERT_TRUE(view.OpenList(CRecordId("999997"), 3));
    EXPECT_EQ("SELECT DISTINCT RECIPE,TITLE,COOKBOOK,SERVINGS,RATING,PCNT_CAL_FAT FROM ShowSortedRecipesWithMediaTypes "
              "WHERE REFTYPE='V' ORDER BY PCNT_CAL_FAT,TITLE",
              view.GetStatementText());
}

TEST_F(SortedRecipeViewsTest, CategoryListsInSortOrder)
{
    CVCatRecordset view(&m_db);
    ASSERT_TRUE(view.OpenList(CRecordId("000050"), 2)) << m_boxes.GetAllTexts();
    EXPECT_EQ(2, view.GetRowCount());
    EXPECT_EQ((std::vector<Row>{{"Cherry", 0}, {"Apple", 200}}), Rows(view));
    CSortedRecipeListItem item;
    EXPECT_EQ(2, view.FetchNext(item));
    ASSERT_EQ(0, view.FetchAt(1, item));
    EXPECT_EQ("Apple", item.m_name);

    // Every filed recipe once, though Cherry is filed twice.
    ASSERT_TRUE(view.OpenList(CRecordId(), 0));
    EXPECT_EQ((std::vector<Row>{{"Apple", 0}, {"Cherry", 0}}), Rows(view));
}

}  // namespace
