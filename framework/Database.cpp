#include "framework/Database.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <cstring>

#include "framework/DBException.h"
#include "framework/HostPath.h"
#include "framework/OdbcDataSources.h"
#include "framework/OdbcStatement.h"
#include "framework/SqlDialect.h"

IMPLEMENT_DYNAMIC(CDatabase, CObject)

namespace {

// One environment for the process, as the driver manager expects; freed at exit by the system.
SQLHENV Environment()
{
    static SQLHENV env = [] {
        SQLHENV handle = SQL_NULL_HENV;
        if (!SQL_SUCCEEDED(SQLAllocEnv(&handle)))
            return SQLHENV(SQL_NULL_HENV);
        return handle;
    }();
    return env;
}

// A lock held by another connection is waited for this long before the statement fails.
const int kBusyTimeoutMs = 3000;
// SQLite's page cache, in KB, taken as pages are read: large enough that writing many recipes
// into their tables' indexes does not read the same pages from the file again and again. Only
// speed depends on it, so a connection that refuses it is used as it is.
void EnlargeSqlitePageCache(SQLHDBC hdbc)
{
    SQLHSTMT hstmt = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocStmt(hdbc, &hstmt)))
        return;
    SQLExecDirect(hstmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>("PRAGMA cache_size=-32768")), SQL_NTS);
    SQLFreeStmt(hstmt, SQL_DROP);
}

// The value of a braced attribute, read from its opening brace to just past its closing one:
// "}}" stands for "}".
CString ReadBracedValue(const CString& connect, int& at)
{
    CString value;
    for (++at; at < connect.GetLength(); ++at)
    {
        if (connect[at] == '}' && (at + 1 >= connect.GetLength() || connect[at + 1] != '}'))
        {
            ++at;
            return value;
        }
        if (connect[at] == '}')
            ++at;
        value += connect[at];
    }
    return value;
}

// The driver reads its attributes up to the next ";" and knows no braces, but it opens URI
// file names: a path reaches it whole with its special characters percent-encoded.
CString SqliteFileUri(const CString& hostPath)
{
    CString uri = "file:";
    for (int i = 0; i < hostPath.GetLength(); ++i)
    {
        const unsigned char c = static_cast<unsigned char>(hostPath[i]);
        if (c > ' ' && c < 0x7F && std::strchr("%?#;{}", c) == nullptr)
        {
            uri += static_cast<char>(c);
            continue;
        }
        CString escaped;
        escaped.Format("%%%02X", c);
        uri += escaped;
    }
    return uri;
}

BOOL IsSqliteDriver(const CString& driver)
{
    CString name = driver;
    name.MakeUpper();
    return name.Find("SQLITE") >= 0;
}

}  // namespace

CString CDatabase::GetConnectAttribute(const CString& connect, LPCSTR key)
{
    for (int at = 0; at < connect.GetLength(); ++at)
    {
        CString name;
        for (; at < connect.GetLength() && connect[at] != '=' && connect[at] != ';'; ++at)
            name += connect[at];
        CString value;
        if (at < connect.GetLength() && connect[at] == '=')
            ++at;
        while (at < connect.GetLength() && connect[at] == ' ')
            ++at;
        const BOOL braced = at < connect.GetLength() && connect[at] == '{';
        if (braced)
            value = ReadBracedValue(connect, at);
        for (; at < connect.GetLength() && connect[at] != ';'; ++at)
            value += connect[at];
        name.Trim();
        if (name.CompareNoCase(key) == 0)
        {
            if (!braced)
                value.Trim();
            return value;
        }
    }
    return CString();
}

CString CDatabase::BraceConnectValue(const CString& value)
{
    CString trimmed = value;
    trimmed.Trim();
    if (value.Find(';') < 0 && value.Find('{') < 0 && value.Find('}') < 0 && trimmed == value)
        return value;
    CString doubled = value;
    doubled.Replace("}", "}}");
    return "{" + doubled + "}";
}

CDatabase::CDatabase() : m_hdbc(nullptr), m_bUpdatable(FALSE) {}

CDatabase::~CDatabase()
{
    Close();
}

BOOL CDatabase::Open(LPCSTR lpszDSN, BOOL, BOOL bReadOnly, LPCSTR lpszConnect, BOOL)
{
    const CString connect = lpszConnect != nullptr ? lpszConnect : "";
    CString dataSource =
        lpszDSN != nullptr && *lpszDSN != '\0' ? CString(lpszDSN) : GetConnectAttribute(connect, "DSN");
    CString driver = GetConnectAttribute(connect, "DRIVER");
    CString path = GetConnectAttribute(connect, "DBQ");
    if (!dataSource.IsEmpty())
    {
        driver = COdbcDataSources::GetDriver(dataSource);
        if (driver.IsEmpty())
            AfxThrowDBException("Data source name not found: " + dataSource);
        path = COdbcDataSources::GetAttribute(dataSource, "DBQ");
    }
    if (driver.IsEmpty())
        AfxThrowDBException(CString("No ODBC driver was named for the connection."));
    Close();
    Connect(driver, path, dataSource, bReadOnly);
    return TRUE;
}

void CDatabase::Connect(const CString& driver, const CString& path, const CString& dataSource, BOOL bReadOnly)
{
    if (path.IsEmpty())
        AfxThrowDBException(CString("No database file was given for the connection."));
    CString hostPath;
    if (!CHostPath::Convert(path, hostPath))
        AfxThrowDBException("The database file " + path + " cannot be reached: its folder does not exist.");
    SQLHDBC hdbc = SQL_NULL_HDBC;
    if (Environment() == SQL_NULL_HENV || !SQL_SUCCEEDED(SQLAllocConnect(Environment(), &hdbc)))
        AfxThrowDBException(CString("The ODBC driver manager could not make a connection."));
    CString driverConnect;
    if (IsSqliteDriver(driver))
    {
        // NoCreat: a wrong path must fail instead of creating an empty database. Read-only
        // connections are made so by the driver too, so that nothing can change the file.
        const CString database = SqliteFileUri(hostPath) + (bReadOnly ? "?mode=ro" : "");
        driverConnect.Format("DRIVER=%s;Database=%s;NoCreat=1;Timeout=%d", BraceConnectValue(driver).GetString(),
                             database.GetString(), kBusyTimeoutMs);
    }
    else
        // Other drivers (the Jet reader) take the file by DBQ and read it up to the next ";".
        driverConnect.Format("DRIVER=%s;DBQ=%s", BraceConnectValue(driver).GetString(), hostPath.GetString());
    const SQLRETURN rc = CallWhileExecuting([&] {
        return SQLDriverConnect(hdbc, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<LPSTR>(driverConnect.GetString())),
                                SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    });
    if (!SQL_SUCCEEDED(rc))
    {
        auto* e = new CDBException(rc);
        e->BuildErrorString(hdbc, nullptr);
        if (e->m_strError.IsEmpty())
            e->m_strError = "The database file " + path + " could not be opened.";
        SQLFreeConnect(hdbc);
        throw e;
    }
    m_hdbc = hdbc;
    m_bUpdatable = !bReadOnly;
    if (IsSqliteDriver(driver))
        EnlargeSqlitePageCache(hdbc);
    m_strConnect = "ODBC;";
    if (!dataSource.IsEmpty())
        m_strConnect += "DSN=" + BraceConnectValue(dataSource) + ";";
    m_strConnect += "DBQ=" + BraceConnectValue(path) + ";DRIVER=" + BraceConnectValue(driver) + ";";
}

void CDatabase::Close()
{
    m_queryTexts.clear();
    if (m_hdbc == nullptr)
        return;
    if (m_nTransactionDepth > 0)
        SQLEndTran(SQL_HANDLE_DBC, m_hdbc, SQL_ROLLBACK);
    m_nTransactionDepth = 0;
    m_bBeginFailed = FALSE;
    SQLDisconnect(m_hdbc);
    SQLFreeConnect(m_hdbc);
    m_hdbc = nullptr;
    m_bUpdatable = FALSE;
    m_strConnect.Empty();
}

void CDatabase::BeginTrans()
{
    if (m_nTransactionDepth++ > 0)
        return;
    m_bTransactionFailed = FALSE;
    const short rc = SetAutoCommit(FALSE);
    if (!SQL_SUCCEEDED(rc))
    {
        // The level stays open but refuses every statement, so that no write of it runs on
        // its own outside a transaction; ending it rolls back.
        m_bTransactionFailed = m_bBeginFailed = TRUE;
        AfxCheckOdbc(rc, m_hdbc, nullptr);
    }
}

short CDatabase::SetAutoCommit(BOOL bOn)
{
    const ULONG_PTR value = bOn ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
    return SQLSetConnectAttr(m_hdbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(value), 0);
}

BOOL CDatabase::CommitTrans()
{
    if (m_nTransactionDepth == 0)
        return FALSE;
    if (--m_nTransactionDepth > 0)
        return !m_bTransactionFailed;
    const BOOL commit = !m_bTransactionFailed;
    EndTransaction(commit);
    return commit;
}

void CDatabase::Rollback()
{
    if (m_nTransactionDepth == 0)
        return;
    m_bTransactionFailed = TRUE;
    if (--m_nTransactionDepth == 0)
        EndTransaction(FALSE);
}

// Autocommit comes back even when ending fails, so that later statements are not left in an
// open transaction. A refused commit leaves the driver's transaction open, and turning autocommit
// on would commit it later: it is rolled back first.
void CDatabase::EndTransaction(BOOL bCommit)
{
    const BOOL begun = !m_bBeginFailed;
    m_bBeginFailed = FALSE;
    const SQLRETURN rc = begun ? SQLEndTran(SQL_HANDLE_DBC, m_hdbc, bCommit ? SQL_COMMIT : SQL_ROLLBACK) : SQL_SUCCESS;
    CDBException* pFailure = nullptr;
    if (!SQL_SUCCEEDED(rc))
    {
        pFailure = new CDBException(static_cast<short>(rc));
        pFailure->BuildErrorString(m_hdbc, nullptr);
        if (bCommit)
            SQLEndTran(SQL_HANDLE_DBC, m_hdbc, SQL_ROLLBACK);
    }
    SetAutoCommit(TRUE);
    if (pFailure != nullptr)
        throw pFailure;
}

void CDatabase::OnSetOptions(void*) {}

void CDatabase::OnWaitForDataSource(BOOL) {}

void CDatabase::CheckStatementsAllowed() const
{
    if (m_hdbc == nullptr)
        AfxThrowDBException(CString("The database is not open."));
    if (m_bBeginFailed)
        AfxThrowDBException(CString("The changes could not be started: nothing was written."));
}

void* CDatabase::AllocStatement()
{
    CheckStatementsAllowed();
    SQLHSTMT hstmt = SQL_NULL_HSTMT;
    AfxCheckOdbc(SQLAllocStmt(m_hdbc, &hstmt), m_hdbc, nullptr);
    return hstmt;
}

void CDatabase::ExecuteDirect(const CString& sql)
{
    COdbcStatement statement(*this);
    OnSetOptions(statement.GetHandle());
    statement.ExecDirect(sql);
}

void CDatabase::ExecuteSQL(LPCSTR lpszSql)
{
    const CString sql = lpszSql != nullptr ? lpszSql : "";
    CString name;
    CString viewSql;
    CString queryText;
    if (CSqlDialect::ParseDropTable(sql, name) && IsView(name))
    {
        ExecuteDirect("DROP VIEW " + name);
        ExecuteDirect("DELETE FROM QUERYTEXT WHERE NAME=" + QuoteSqlText(name));
        m_queryTexts.erase(name.GetString());
    }
    else if (CSqlDialect::AdaptParameterView(sql, name, viewSql, queryText))
    {
        ExecuteDirect(viewSql);
        ExecuteDirect("INSERT OR REPLACE INTO QUERYTEXT (NAME, SQLTEXT) VALUES (" + QuoteSqlText(name) + "," +
                      QuoteSqlText(queryText) + ")");
        m_queryTexts.erase(name.GetString());
    }
    else
    {
        ExecuteDirect(AdaptSql(sql));
    }
}

CString CDatabase::AdaptSql(const CString& sql)
{
    CString name;
    if (!CSqlDialect::ParseCall(sql, name))
        return sql;
    return LookupQueryText(name);
}

CString CDatabase::LookupQueryText(const CString& name)
{
    const auto cached = m_queryTexts.find(name.GetString());
    if (cached != m_queryTexts.end())
        return cached->second.c_str();
    COdbcStatement statement(*this);
    statement.ExecDirect("SELECT SQLTEXT FROM QUERYTEXT WHERE NAME=" + QuoteSqlText(name));
    CString text;
    if (!statement.Fetch() || !statement.GetText(1, text) || text.IsEmpty())
        AfxThrowDBException("The saved query " + name + " does not exist in this cookbook.");
    m_queryTexts[name.GetString()] = text.GetString();
    return text;
}

BOOL CDatabase::IsView(const CString& name)
{
    COdbcStatement statement(*this);
    statement.ExecDirect("SELECT type FROM sqlite_master WHERE type='view' AND name=" + QuoteSqlText(name));
    return statement.Fetch();
}
