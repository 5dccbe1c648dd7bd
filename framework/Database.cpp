#include "framework/Database.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

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

// The value of KEY= in a connect string ("ODBC;DSN=x;DBQ=y;"), braces removed; empty when absent.
CString ConnectAttribute(const CString& connect, LPCSTR key)
{
    CString upper = connect;
    upper.MakeUpper();
    const CString wanted = CString(key) + "=";
    for (int at = upper.Find(wanted); at >= 0; at = upper.Find(wanted, at + 1))
    {
        if (at != 0 && connect[at - 1] != ';')
            continue;
        const int start = at + wanted.GetLength();
        const int end = connect.Find(';', start);
        CString value = end < 0 ? connect.Mid(start) : connect.Mid(start, end - start);
        value.Trim();
        value.TrimLeft('{');
        value.TrimRight('}');
        return value;
    }
    return CString();
}

CString Quoted(const CString& text)
{
    CString doubled = text;
    doubled.Replace("'", "''");
    return "'" + doubled + "'";
}

} // namespace

CDatabase::CDatabase()
    : m_hdbc(nullptr), m_bUpdatable(FALSE)
{
}

CDatabase::~CDatabase()
{
    Close();
}

BOOL CDatabase::Open(LPCSTR lpszDSN, BOOL, BOOL bReadOnly, LPCSTR lpszConnect, BOOL)
{
    const CString connect = lpszConnect != nullptr ? lpszConnect : "";
    CString dataSource = lpszDSN != nullptr && *lpszDSN != '\0' ? CString(lpszDSN) : ConnectAttribute(connect, "DSN");
    CString driver = ConnectAttribute(connect, "DRIVER");
    CString path = ConnectAttribute(connect, "DBQ");
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
    // NoCreat: a wrong path must fail instead of creating an empty database.
    const CString driverConnect = "DRIVER={" + driver + "};Database=" + hostPath + ";NoCreat=1";
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
    m_strConnect = "ODBC;";
    if (!dataSource.IsEmpty())
        m_strConnect += "DSN=" + dataSource + ";";
    m_strConnect += "DBQ=" + path + ";DRIVER={" + driver + "};";
}

void CDatabase::Close()
{
    m_queryTexts.clear();
    if (m_hdbc == nullptr)
        return;
    if (m_nTransactionDepth > 0)
        SQLEndTran(SQL_HANDLE_DBC, m_hdbc, SQL_ROLLBACK);
    m_nTransactionDepth = 0;
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
    const SQLRETURN rc = SQLSetConnectAttr(m_hdbc, SQL_ATTR_AUTOCOMMIT,
                                           reinterpret_cast<SQLPOINTER>(static_cast<ULONG_PTR>(SQL_AUTOCOMMIT_OFF)), 0);
    if (!SQL_SUCCEEDED(rc))
    {
        m_nTransactionDepth = 0;
        AfxCheckOdbc(rc, m_hdbc, nullptr);
    }
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
// open transaction.
void CDatabase::EndTransaction(BOOL bCommit)
{
    const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, m_hdbc, bCommit ? SQL_COMMIT : SQL_ROLLBACK);
    SQLSetConnectAttr(m_hdbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(static_cast<ULONG_PTR>(SQL_AUTOCOMMIT_ON)),
                      0);
    AfxCheckOdbc(static_cast<short>(rc), m_hdbc, nullptr);
}

void CDatabase::OnSetOptions(void*)
{
}

void CDatabase::OnWaitForDataSource(BOOL)
{
}

void* CDatabase::AllocStatement()
{
    if (m_hdbc == nullptr)
        AfxThrowDBException(CString("The database is not open."));
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
        ExecuteDirect("DELETE FROM QUERYTEXT WHERE NAME=" + Quoted(name));
        m_queryTexts.erase(name.GetString());
    }
    else if (CSqlDialect::AdaptParameterView(sql, name, viewSql, queryText))
    {
        ExecuteDirect(viewSql);
        ExecuteDirect("INSERT OR REPLACE INTO QUERYTEXT (NAME, SQLTEXT) VALUES (" + Quoted(name) + ","
                      + Quoted(queryText) + ")");
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
    statement.ExecDirect("SELECT SQLTEXT FROM QUERYTEXT WHERE NAME=" + Quoted(name));
    CString text;
    if (!statement.Fetch() || !statement.GetText(1, text) || text.IsEmpty())
        AfxThrowDBException("The saved query " + name + " does not exist in this cookbook.");
    m_queryTexts[name.GetString()] = text.GetString();
    return text;
}

BOOL CDatabase::IsView(const CString& name)
{
    COdbcStatement statement(*this);
    statement.ExecDirect("SELECT type FROM sqlite_master WHERE type='view' AND name=" + Quoted(name));
    return statement.Fetch();
}
