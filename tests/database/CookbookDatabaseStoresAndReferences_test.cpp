// References with their links, and stores with their ordered sections.
#include "database/CookbookDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/FieldValue.h"
#include "database/ListItem.h"
#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "database/RefItemArray.h"
#include "database/RefListItem.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"
#include "support/QueryColumn.h"

namespace {

class StoresAndReferencesTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        fixture::CookbookTest::SetUp();
        ASSERT_TRUE(m_db.OpenCookbookFile(Copy(fixture::TemplatePath(), "stores.tws").c_str(), IDS_DRIVER_ACCESS,
                                          IDS_COOKBOOK_DATA_SOURCE))
            << m_boxes.GetAllTexts();
    }

    std::vector<std::string> Column(const std::string& sql) { return fixture::QueryColumn(m_db, sql, m_boxes); }

    static std::vector<std::string> Ids(const CCustObList& list)
    {
        std::vector<std::string> ids;
        for (POSITION position = list.GetHeadPosition(); position != nullptr;)
            ids.push_back(static_cast<const CListItem*>(list.GetNext(position))->m_id.GetText());
        return ids;
    }

    static CCustObList Sections(std::initializer_list<const char*> ids)
    {
        CCustObList list;
        for (const char* id : ids)
        {
            auto* pItem = new CListItem;
            pItem->m_id = CRecordId(id);
            list.AddTail(pItem);
        }
        return list;
    }

    CRMDatabase m_db;
};

TEST_F(StoresAndReferencesTest, NewReferenceInsertsThenUpdatesTheSameRow)
{
    const std::vector<std::string> before = Column("SELECT REFID FROM REFERENC");
    RefListItem reference("Tip", "Don't stir", 0, 'T');
    ASSERT_TRUE(m_db.SaveReference(reference)) << m_boxes.GetAllTexts();
    const std::string id = reference.m_id.GetText();
    EXPECT_NE("000000", id);
    reference.m_content = "Stir once";
    ASSERT_TRUE(m_db.SaveReference(reference));
    EXPECT_EQ(id, reference.m_id.GetText());
    EXPECT_EQ(std::vector<std::string>{"Stir once"}, Column("SELECT CONTENT FROM REFERENC WHERE REFID='" + id + "'"));
    EXPECT_EQ(before.size() + 1, Column("SELECT REFID FROM REFERENC").size());

    CRefItemArray byType;
    EXPECT_EQ(1, m_db.LoadReferencesByType(byType, 'T'));
    EXPECT_EQ("Stir once", byType.GetRefAt(0)->m_content);
}

// A failed insert leaves the item new, so that a retry inserts instead of updating nothing.
TEST_F(StoresAndReferencesTest, FailedInsertKeepsTheReferenceNew)
{
    m_db.ExecuteSQL("CREATE TRIGGER refuse BEFORE INSERT ON REFERENC BEGIN SELECT RAISE(ABORT, 'refused'); END");
    RefListItem reference("Tip", "text", 0, 'T');
    EXPECT_FALSE(m_db.SaveReference(reference));
    EXPECT_STREQ("000000", reference.m_id.GetText());
    EXPECT_NE(-1, m_boxes.GetAllTexts().Find("Database error"));
}

TEST_F(StoresAndReferencesTest, DeletingAReferenceRemovesEveryLink)
{
    m_db.ExecuteSQL("INSERT INTO REFERENC (REFID, REFTYPE, NAME) VALUES ('000701', 'P', 'photo')");
    for (const char* link : {"('R', '000001', '000701')", "('R', '000002', '000701')", "('M', '000001', '000701')"})
        m_db.ExecuteSQL((std::string("INSERT INTO REFITEM (LINKTYPE, LINKID, REFID) VALUES ") + link).c_str());
    CRefItemArray references;
    EXPECT_EQ(1, m_db.LoadReferences(references, 1, 'R'));
    EXPECT_EQ(1, m_db.LoadMenuReferences(references, 1));
    EXPECT_EQ("photo", references.GetRefAt(0)->m_name);
    EXPECT_EQ('P', references.GetRefAt(0)->m_type);
    EXPECT_EQ(0, m_db.LoadReferences(references, 3, 'R'));
    EXPECT_EQ(3, references.m_keyWord);

    EXPECT_FALSE(m_db.DeleteReference(CRecordId()));
    ASSERT_TRUE(m_db.DeleteReference(CRecordId("000701")));
    EXPECT_TRUE(Column("SELECT REFID FROM REFITEM WHERE REFID='000701'").empty());
    EXPECT_TRUE(Column("SELECT REFID FROM REFERENC WHERE REFID='000701'").empty());
}

TEST_F(StoresAndReferencesTest, StoresAreCachedAfterTheirRowsAreWritten)
{
    const size_t stores = m_db.LoadStores().GetCount();
    CListItem store("Corner Shop", 0, '\0');
    ASSERT_TRUE(m_db.SaveStore(store));
    const CRecordId id = store.m_id;
    EXPECT_EQ(stores + 1, static_cast<size_t>(m_db.LoadStores().GetCount()));
    store.m_name = "Corner Market";
    ASSERT_TRUE(m_db.SaveStore(store));
    EXPECT_EQ(id, store.m_id);
    CString name;
    ASSERT_TRUE(m_db.GetStoreName(id.GetNumber(), name));
    EXPECT_EQ("Corner Market", name);
    EXPECT_FALSE(m_db.GetStoreName(999990, name));

    m_db.ExecuteSQL("CREATE TRIGGER refuse BEFORE INSERT ON STORE BEGIN SELECT RAISE(ABORT, 'refused'); END");
    CListItem refused("Refused", 0, '\0');
    EXPECT_FALSE(m_db.SaveStore(refused));
    EXPECT_STREQ("000000", refused.m_id.GetText());
    EXPECT_EQ(stores + 1, static_cast<size_t>(m_db.LoadStores().GetCount()));

    ASSERT_TRUE(m_db.SaveStoreSections(id.GetNumber(), Sections({"000012"})));
    ASSERT_TRUE(m_db.DeleteStore(store));
    EXPECT_FALSE(m_db.GetStoreName(id.GetNumber(), name));
    EXPECT_TRUE(Column(std::string("SELECT Section FROM STORE_SEC WHERE Store='") + id.GetText() + "'").empty());
}

TEST_F(StoresAndReferencesTest, SectionsAreRewrittenInOrderAndCachedPerStore)
{
    m_db.ExecuteSQL("INSERT INTO STORE (Store, Name) VALUES ('000905', 'Five')");
    m_db.ExecuteSQL("INSERT INTO STORE (Store, Name) VALUES ('000907', 'Seven')");
    m_db.ExecuteSQL("INSERT INTO STORE_SEC (Store, Section) VALUES ('000905', '000001')");
    m_db.ExecuteSQL("INSERT INTO STORE_SEC (Store, Section) VALUES ('000907', '000002')");
    EXPECT_EQ(std::vector<std::string>{"000002"}, Ids(m_db.LoadStoreSections(907)));
    EXPECT_EQ(std::vector<std::string>{"000001"}, Ids(m_db.LoadStoreSections(905)));
    m_db.ExecuteSQL("DELETE FROM STORE_SEC WHERE Store='000905'");
    EXPECT_EQ(std::vector<std::string>{"000001"}, Ids(m_db.LoadStoreSections(905)));

    const CCustObList three = Sections({"000031", "000011", "000021"});
    ASSERT_TRUE(m_db.SaveStoreSections(907, three)) << m_boxes.GetAllTexts();
    const std::vector<std::string> expected = {"000031", "000011", "000021"};
    EXPECT_EQ(expected, Column("SELECT Section FROM STORE_SEC WHERE Store='000907' ORDER BY rowid"));
    EXPECT_EQ(expected, Ids(m_db.LoadStoreSections(907)));

    // An empty list leaves the store without sections.
    ASSERT_TRUE(m_db.SaveStoreSections(907, CCustObList()));
    EXPECT_TRUE(Column("SELECT Section FROM STORE_SEC WHERE Store='000907'").empty());
    EXPECT_TRUE(m_db.LoadStoreSections(907).IsEmpty());

    // A failed insert keeps the old rows.
    ASSERT_TRUE(m_db.SaveStoreSections(907, three));
    m_db.ExecuteSQL("CREATE TRIGGER refuse BEFORE INSERT ON STORE_SEC WHEN NEW.Section = '000666' "
                    "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_FALSE(m_db.SaveStoreSections(907, Sections({"000001", "000666"})));
    EXPECT_EQ(expected, Column("SELECT Section FROM STORE_SEC WHERE Store='000907' ORDER BY rowid"));
    EXPECT_EQ(expected, Ids(m_db.LoadStoreSections(907)));
}

}  // namespace
