#include "framework/Database.h"

#include <gtest/gtest.h>

#include "framework/DBException.h"
#include "framework/FieldExchange.h"
#include "framework/OdbcStatement.h"
#include "framework/Recordset.h"
#include "support/CookbookFixture.h"

namespace {

// Reads a text column and then m_nFields - 1 number columns of whatever statement it is opened on.
class CPairRecordset : public CRecordset
{
public:
    explicit CPairRecordset(CDatabase* pDatabase, UINT nFields = 2) : CRecordset(pDatabase), m_numbers(nFields - 1)
    {
        m_nFields = nFields;
    }
    CString GetDefaultSQL() override { return "DBVERSION"; }
    void DoFieldExchange(CFieldExchange* pFX) override
    {
        if (m_nParams > 0)
        {
            pFX->SetFieldType(CFieldExchange::param);
            RFX_Text(pFX, "param", m_param);
        }
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Text(pFX, "text", m_text);
        for (long& number : m_numbers)
            RFX_Long(pFX, "number", number);
        m_number = m_numbers[0];
    }
    CString m_param;
    CString m_text;
    std::vector<long> m_numbers;
    long m_number = 0;
};

class DatabaseTest : public fixture::CookbookTest
{
protected:
    void OpenCopy()
    {
        m_path = Copy(fixture::TemplatePath(), "db.tws");
        m_db.Open(nullptr, FALSE, FALSE, ("ODBC;DRIVER={SQLite3};DBQ=" + m_path + ";").c_str());
    }
    std::string m_path;
    CDatabase m_db;
};

CString ErrorOf(void (*action)(CDatabase&), CDatabase& db)
{
    try
    {
        action(db);
    }
    catch (CDBException* e)
    {
        CString text = e->m_strError;
        e->Delete();
        return text;
    }
    return "";
}

TEST_F(DatabaseTest, OpensAFileAndReportsItsPathInTheConnectString)
{
    OpenCopy();
    EXPECT_TRUE(m_db.IsOpen());
    EXPECT_TRUE(m_db.CanUpdate());
    EXPECT_NE(-1, m_db.GetConnect().Find(("DBQ=" + m_path + ";").c_str()));
}

TEST(ConnectString, AttributesReadWholeBracedValues)
{
    const struct
    {
        const char* connect;
        const char* key;
        const char* value;
    } rows[] = {
        {"ODBC;DSN=Book;DBQ=C:\\a\\b.tws;", "DBQ", "C:\\a\\b.tws"},
        {"ODBC;DSN=Book;DBQ=C:\\a\\b.tws;", "dsn", "Book"},
        {"ODBC;DBQ={C:\\Mine;Yours.tws};DRIVER={SQLite3};", "DBQ", "C:\\Mine;Yours.tws"},
        {"ODBC;DBQ={C:\\Mine;Yours.tws};DRIVER={SQLite3};", "DRIVER", "SQLite3"},
        {"ODBC;DSN={a}}b;c};DBQ=x", "DSN", "a}b;c"},
        {"ODBC;DSN={a}}b;c};DBQ=x", "DBQ", "x"},
        {"ODBC;XDBQ=wrong;DBQ=right;", "DBQ", "right"},
        {"ODBC;DSN=Book;", "DBQ", ""},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.connect);
        EXPECT_STREQ(row.value, CDatabase::GetConnectAttribute(row.connect, row.key));
    }
    for (const char* value : {"plain", "C:\\Mine;Yours.tws", "a}b", " padded "})
    {
        SCOPED_TRACE(value);
        const CString connect = "ODBC;DBQ=" + CDatabase::BraceConnectValue(value) + ";DSN=x;";
        EXPECT_STREQ(value, CDatabase::GetConnectAttribute(connect, "DBQ"));
    }
}

// The driver cuts its attributes at ";": "Mine;Yours.tws" must not open "Mine".
TEST_F(DatabaseTest, APathWithASemicolonOpensThatFile)
{
    const std::string mine = Copy(fixture::TemplatePath(), "Mine");
    const std::string yours = Copy(fixture::TemplatePath(), "Mine;Yours.tws");
    {
        CDatabase db;
        db.Open(nullptr, FALSE, FALSE, ("ODBC;DRIVER={SQLite3};DBQ=" + mine + ";").c_str());
        db.ExecuteSQL("UPDATE DBVERSION SET VERSION='mine'");
    }
    m_db.Open(nullptr, FALSE, FALSE, ("ODBC;DRIVER={SQLite3};DBQ={" + yours + "};").c_str());
    EXPECT_STREQ(yours.c_str(), CDatabase::GetConnectAttribute(m_db.GetConnect(), "DBQ"));
    CPairRecordset rs(&m_db);
    rs.Open(CRecordset::snapshot, "SELECT VERSION, 0 FROM DBVERSION");
    EXPECT_STREQ("1.3", rs.m_text);
}

// A commit refused while another connection reads must leave nothing pending: the next
// commit of this connection keeps only its own change.
TEST_F(DatabaseTest, ARefusedCommitIsRolledBack)
{
    OpenCopy();
    CDatabase reader;
    reader.Open(nullptr, FALSE, FALSE, ("ODBC;DRIVER={SQLite3};DBQ=" + m_path + ";").c_str());
    reader.BeginTrans();
    {
        CPairRecordset held(&reader);
        held.Open(CRecordset::snapshot, "SELECT VERSION, 0 FROM DBVERSION");
    }
    m_db.BeginTrans();
    m_db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, SERVINGS) VALUES ('000001', 1)");
    EXPECT_NE("", ErrorOf([](CDatabase& db) { db.CommitTrans(); }, m_db));
    reader.Rollback();

    m_db.BeginTrans();
    m_db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, SERVINGS) VALUES ('000002', 2)");
    EXPECT_TRUE(m_db.CommitTrans());
    CPairRecordset rs(&reader);
    rs.Open(CRecordset::snapshot, "SELECT RECIPE, SERVINGS FROM RECIPE ORDER BY RECIPE");
    std::vector<std::string> recipes;
    for (; !rs.IsEOF(); rs.MoveNext())
        recipes.push_back(rs.m_text.GetString());
    EXPECT_EQ(std::vector<std::string>{"000002"}, recipes);
}

TEST_F(DatabaseTest, RefusesEmptyUnreachableAndMissingFiles)
{
    const std::string missing = m_folder + "\\none.tws";
    const std::string unreachable = m_folder + "\\no folder\\x.tws";
    for (const std::string& path : {std::string(), missing, unreachable})
    {
        SCOPED_TRACE(path);
        CDatabase db;
        try
        {
            db.Open(nullptr, FALSE, FALSE, ("ODBC;DRIVER={SQLite3};DBQ=" + path + ";").c_str());
            ADD_FAILURE() << "opened";
        }
        catch (CDBException* e)
        {
            EXPECT_FALSE(e->m_strError.IsEmpty());
            e->Delete();
        }
        EXPECT_FALSE(db.IsOpen());
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(missing.c_str()));
}

TEST_F(DatabaseTest, DriverErrorsCarryTheDriversText)
{
    OpenCopy();
    CString error = ErrorOf([](CDatabase& db) { db.ExecuteSQL("SELECT * FROM NOSUCH"); }, m_db);
    EXPECT_NE(-1, error.Find("no such table: NOSUCH")) << error.GetString();
}

TEST_F(DatabaseTest, RecordsetWalksRowsAndReadsLongTextWhole)
{
    OpenCopy();
    const std::string directions(10000, 'd');
    m_db.ExecuteSQL(
        ("INSERT INTO RECIPE (RECIPE, DIRECTIONS, SERVINGS) VALUES ('000001', '" + directions + "', 4)").c_str());
    m_db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, DIRECTIONS, SERVINGS) VALUES ('000002', 'short', 2)");
    CPairRecordset rs(&m_db);
    rs.Open(CRecordset::snapshot, "SELECT DIRECTIONS, SERVINGS FROM RECIPE ORDER BY RECIPE");
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(directions, rs.m_text.GetString());
    EXPECT_EQ(4, rs.m_number);
    rs.MoveNext();
    EXPECT_STREQ("short", rs.m_text);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

// One statement run again and again: each run writes what it was given, whatever the last run
// bound in that place (a number, a text of another length, NULL).
TEST_F(DatabaseTest, APreparedStatementRunAgainWritesEachRunsValues)
{
    OpenCopy();
    const CString longText(CString('x', 300) + "end");
    struct Run
    {
        const char* id;
        const CString* pDirections;  // null: NULL
        long servings;
        bool nullServings;
    };
    const CString shortText("short");
    const Run runs[] = {
        {"000001", &shortText, 4, false},
        {"000002", &longText, 0, true},
        {"000003", nullptr, 6, false},
        {"000004", &shortText, 0, true},
    };
    COdbcStatement statement(m_db);
    statement.Prepare("INSERT INTO RECIPE (RECIPE, DIRECTIONS, SERVINGS) VALUES (?, ?, ?)");
    for (const Run& run : runs)
    {
        statement.BindText(1, run.id);
        if (run.pDirections != nullptr)
            statement.BindText(2, *run.pDirections);
        else
            statement.BindNull(2);
        if (run.nullServings)
            statement.BindNull(3);
        else
            statement.BindLong(3, run.servings);
        statement.Execute();
    }
    COdbcStatement query(m_db);
    query.ExecDirect("SELECT COALESCE(DIRECTIONS, 'NULL'), COALESCE(SERVINGS, -1) FROM RECIPE ORDER BY RECIPE");
    for (const Run& run : runs)
    {
        ASSERT_TRUE(query.Fetch()) << run.id;
        CString directions;
        long servings = 0;
        query.GetText(1, directions);
        query.GetLong(2, servings);
        EXPECT_EQ(run.pDirections != nullptr ? *run.pDirections : CString("NULL"), directions) << run.id;
        EXPECT_EQ(run.nullServings ? -1 : run.servings, servings) << run.id;
    }
    EXPECT_FALSE(query.Fetch());
}

TEST_F(DatabaseTest, SavedQueryCallRunsWithItsParameter)
{
    OpenCopy();
    m_db.ExecuteSQL(
        "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM, UNIT) VALUES (2, '000007', 'I', '000001', '000001')");
    m_db.ExecuteSQL(
        "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM, UNIT) VALUES (1, '000007', 'I', '000002', '000009')");
    m_db.ExecuteSQL(
        "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM, UNIT) VALUES (1, '000008', 'I', '000003', '000001')");
    CPairRecordset rs(&m_db, 3);
    rs.m_nParams = 1;
    rs.m_param = "000007";
    rs.Open(CRecordset::snapshot, "{call NewShowIngredients(?)}");
    std::vector<long> lines;
    for (; !rs.IsEOF(); rs.MoveNext())
        lines.push_back(rs.m_numbers[1]);
    EXPECT_EQ((std::vector<long>{1, 2}), lines);
    rs.m_param = "000008";
    rs.Requery();
    EXPECT_FALSE(rs.IsEOF());
    EXPECT_EQ("000008", std::string(rs.m_text));
}

}  // namespace
