// Catches a broken ODBC install at once: Wine's odbc32 -> unixODBC -> the SQLite3 driver.
#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string HostPath(const std::string& windowsPath)
{
    using ToUnix = char*(CDECL*)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return windowsPath;
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unixPath = toUnix(wide.c_str());
    std::string result = unixPath ? unixPath : "";
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

void Exec(SQLHSTMT statement, const char* sql)
{
    ASSERT_TRUE(SQL_SUCCEEDED(SQLExecDirect(statement, (SQLCHAR*)sql, SQL_NTS))) << sql;
    SQLFreeStmt(statement, SQL_CLOSE);
}

TEST(OdbcSmoke, SqliteDriverWritesAndReadsBack)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string file = std::string(folder) + "odbc-smoke.db";
    DeleteFileA(file.c_str());

    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC connection = SQL_NULL_HDBC;
    SQLHSTMT statement = SQL_NULL_HSTMT;
    ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)));
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
    ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &connection)));
    std::string connect = "DRIVER={SQLite3};Database=" + HostPath(file);
    ASSERT_TRUE(SQL_SUCCEEDED(SQLDriverConnect(connection, nullptr, (SQLCHAR*)connect.c_str(), SQL_NTS, nullptr, 0,
                                               nullptr, SQL_DRIVER_NOPROMPT)))
        << connect;
    ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection, &statement)));

    Exec(statement, "CREATE TABLE T (A TEXT)");
    Exec(statement, "INSERT INTO T VALUES ('salt')");
    ASSERT_TRUE(SQL_SUCCEEDED(SQLExecDirect(statement, (SQLCHAR*)"SELECT A FROM T", SQL_NTS)));
    ASSERT_TRUE(SQL_SUCCEEDED(SQLFetch(statement)));
    char value[16] = {};
    SQLLEN length = 0;
    ASSERT_TRUE(SQL_SUCCEEDED(SQLGetData(statement, 1, SQL_C_CHAR, value, sizeof value, &length)));
    EXPECT_STREQ("salt", value);

    SQLFreeHandle(SQL_HANDLE_STMT, statement);
    SQLDisconnect(connection);
    SQLFreeHandle(SQL_HANDLE_DBC, connection);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(file.c_str()));
    DeleteFileA(file.c_str());
}

}  // namespace
