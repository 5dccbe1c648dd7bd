// Sorted recipe lists read in windows: wherever a window starts and whichever way the list is
// walked, the rows are those of the whole list ordered by one statement, ties by recipe id.
#include "database/VRecordset.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "database/RMDatabase.h"
#include "database/SortedRecipeListItem.h"
#include "database/VCatRecordset.h"
#include "database/VRcpRecordset.h"
#include "framework/OdbcStatement.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"

namespace {

using Ids = std::vector<std::string>;

// 600 recipes with few distinct titles and values (so rows tie), some values missing, one
// title missing, half without nutrition, and photos, videos and categories on some of them.
const char* const kFixture[] = {
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
    "INSERT INTO RECIPE (RECIPE, TITLE, COOKBOOK, SERVINGS, RATING, TOTAL_MIN, PREP_MIN, COST) "
    "SELECT printf('%06d', i), CASE WHEN i = 7 THEN NULL WHEN i % 4 = 0 THEN 'apple' WHEN i % 4 = 1 THEN 'Apple' "
    "WHEN i % 4 = 2 THEN 'Banana' ELSE 'Cherry ' || (i % 3) END, CASE WHEN i % 3 = 0 THEN '000002' ELSE '000001' END, "
    "4, CASE WHEN i % 11 = 0 THEN NULL ELSE i % 5 - 1 END, CASE WHEN i % 13 = 0 THEN NULL ELSE (i % 4) * 10 END, "
    "(i % 3) * 5, CASE WHEN i % 17 = 0 THEN NULL ELSE (i % 6) / 3.0 END FROM n",
    "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 2 FROM n WHERE i < 600) "
    "INSERT INTO RCP_NUTRITION (ITEM_ID, CALORIES, PCNT_CAL_FAT, TOTAL_FAT, SODIUM, CHOLESTRL) "
    "SELECT printf('%06d', i), CASE WHEN i % 10 = 4 THEN NULL ELSE (i % 7) * 100 / 3.0 END, i % 3, i % 5, i % 4, "
    "i % 6 FROM n",
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
    "INSERT INTO REFERENC (REFID, REFTYPE, NAME) SELECT printf('%06d', i), CASE WHEN i % 5 = 0 THEN 'V' ELSE 'P' END, "
    "'medium' FROM n WHERE i % 3 = 0 OR i % 5 = 0",
    "INSERT INTO REFITEM (LINKTYPE, LINKID, REFID) SELECT 'R', REFID, REFID FROM REFERENC",
    // A second photo of some recipes, which still stand in the photo list once.
    "INSERT INTO REFITEM (LINKTYPE, LINKID, REFID) SELECT 'R', printf('%06d', REFID + 3), REFID FROM REFERENC "
    "WHERE REFID % 9 = 0",
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
    "INSERT INTO RCP_CAT_ITEM (CATID, ITEM) SELECT CASE WHEN i % 5 = 0 THEN '000051' ELSE '000050' END, "
    "printf('%06d', i) FROM n WHERE i % 4 <> 0",
};

struct Source
{
    const char* id;
    bool category;
};

const Source kSources[] = {{"000000", false}, {"000001", false}, {"999996", false}, {"999997", false},
                           {"999998", false}, {"000050", true},  {"000000", true}};

class SortedListWindowsTest : public fixture::CookbookTest
{
protected:
    void Open(const std::string& path)
    {
        ASSERT_TRUE(m_db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
            << m_boxes.GetAllTexts();
    }

    std::string MakeFixture(const char* name)
    {
        const std::string path = Copy(fixture::TemplatePath(), name);
        Open(path);
        for (const char* sql : kFixture)
            m_db.ExecuteSQL(sql);
        return path;
    }

    static std::unique_ptr<CVRecordset> OpenView(CRMDatabase& db, const Source& source, int key)
    {
        std::unique_ptr<CVRecordset> view;
        if (source.category)
            view = std::make_unique<CVCatRecordset>(&db);
        else
            view = std::make_unique<CVRcpRecordset>(&db);
        EXPECT_TRUE(view->OpenList(CRecordId(source.id), key));
        return view;
    }

    // The whole list from the statement that describes it, ties broken by recipe id.
    Ids Expected(CVRecordset& view)
    {
        COdbcStatement statement(m_db);
        statement.ExecDirect(view.GetStatementText() + ",RECIPE");
        Ids ids;
        CString id;
        while (statement.Fetch())
        {
            statement.GetText(1, id);
            ids.push_back(id.GetString());
        }
        return ids;
    }

    static std::string Id(const CSortedRecipeListItem& item) { return item.m_id.GetText(); }

    // Forwards from the first row, backwards from the last.
    static void ExpectWalks(CSortedListView& view, const Ids& expected)
    {
        CSortedRecipeListItem item;
        Ids forwards;
        for (int status = view.FetchFirst(item); status == 0 && forwards.size() < expected.size();
             status = view.FetchNext(item))
            forwards.push_back(Id(item));
        EXPECT_EQ(expected, forwards);
        Ids backwards;
        for (int status = view.FetchLast(item); status == 0 && backwards.size() < expected.size();
             status = view.FetchPrev(item))
            backwards.insert(backwards.begin(), Id(item));
        EXPECT_EQ(expected, backwards);
    }

    // A jump to a row, then steps across the edges of the window read for it, both ways.
    static void ExpectJump(CSortedListView& view, const Ids& expected, long to)
    {
        SCOPED_TRACE("jump to " + std::to_string(to));
        CSortedRecipeListItem item;
        ASSERT_EQ(0, view.FetchAt(to, item));
        EXPECT_EQ(expected[to], Id(item));
        EXPECT_EQ(to, item.m_number);
        const long span = CVRecordset::kWindowRows + 6;
        for (long row = to + 1; row < static_cast<long>(expected.size()) && row <= to + span; ++row)
        {
            ASSERT_EQ(0, view.FetchNext(item));
            ASSERT_EQ(expected[row], Id(item)) << row;
        }
        ASSERT_EQ(0, view.FetchAt(to, item));
        for (long row = to - 1; row >= 0 && row >= to - span; --row)
        {
            ASSERT_EQ(0, view.FetchPrev(item));
            ASSERT_EQ(expected[row], Id(item)) << row;
        }
    }

    CRMDatabase m_db;
};

TEST_F(SortedListWindowsTest, WindowsAtTheStartMiddleAndEndAgreeWithTheWholeListForEverySourceAndKey)
{
    MakeFixture("windows.tws");
    for (const Source& source : kSources)
    {
        for (int key = 0; key <= 9; ++key)
        {
            SCOPED_TRACE(std::string(source.category ? "category " : "list ") + source.id + ", key " +
                         std::to_string(key));
            std::unique_ptr<CVRecordset> view = OpenView(m_db, source, key);
            const Ids expected = Expected(*view);
            ASSERT_EQ(static_cast<long>(expected.size()), view->GetRowCount());
            ExpectWalks(*view, expected);
            const long count = view->GetRowCount();
            for (long to : {0L, count / 2, count - 1})
            {
                if (to >= 0 && to < count)
                    ExpectJump(*view, expected, to);
            }
        }
    }
}

TEST_F(SortedListWindowsTest, AWritableOpenAddsTheMissingIndexesAndAReadOnlyCookbookListsWithoutThem)
{
    const std::string path = MakeFixture("plain.tws");
    const auto listIndexes = [this] {
        COdbcStatement statement(m_db);
        statement.ExecDirect("SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND name LIKE '%\\_LIST\\_%' "
                             "ESCAPE '\\'");
        long count = -1;
        statement.Fetch();
        statement.GetLong(1, count);
        return count;
    };
    const long templateIndexes = listIndexes();
    EXPECT_GT(templateIndexes, 0);
    {
        COdbcStatement statement(m_db);
        statement.ExecDirect(
            "SELECT name FROM sqlite_master WHERE type='index' AND name LIKE '%\\_LIST\\_%' ESCAPE '\\'");
        std::vector<CString> names(1);
        while (statement.Fetch() && statement.GetText(1, names.back()))
            names.emplace_back();
        names.pop_back();
        statement.CloseCursor();
        for (const CString& name : names)
            m_db.ExecuteSQL("DROP INDEX " + name);
    }
    ASSERT_EQ(0, listIndexes());
    m_db.Close();

    const std::string readOnly = Copy(path, "readonly.tws");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    Open(readOnly);
    EXPECT_EQ(0, listIndexes());
    for (int key : {0, 1, 2, 9})
    {
        SCOPED_TRACE(key);
        std::unique_ptr<CVRecordset> view = OpenView(m_db, kSources[1], key);
        const Ids expected = Expected(*view);
        ExpectWalks(*view, expected);
        ExpectJump(*view, expected, view->GetRowCount() / 2);
    }
    m_db.Close();
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);

    Open(path);
    EXPECT_EQ(templateIndexes, listIndexes());
}

// A new sort order of an unchanged list keeps its count; a change to the cookbook recounts it.
TEST_F(SortedListWindowsTest, ANewSortOrderAfterAChangeCountsAgain)
{
    MakeFixture("recount.tws");
    CVRcpRecordset view(&m_db);
    ASSERT_TRUE(view.OpenList(CRecordId("000001"), 0));
    const long count = view.GetRowCount();
    ASSERT_TRUE(view.OpenList(CRecordId("000001"), 9));
    EXPECT_EQ(count, view.GetRowCount());
    m_db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE, COOKBOOK, COST) VALUES ('000900', 'Added', '000001', 1)");
    ASSERT_TRUE(view.OpenList(CRecordId("000001"), 1));
    EXPECT_EQ(count + 1, view.GetRowCount());
    ExpectWalks(view, Expected(view));
}

}  // namespace
