#include "shell/app/StartupCookbook.h"

#include <gtest/gtest.h>

#include "framework/String.h"

namespace {

TEST(StartupCookbook, ConnectStringGivesPathAndCookbookName)
{
    struct Case
    {
        const char* connect;
        BOOL found;
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"ODBC;DSN=Savorum Database;DBQ=C:\\BOOKS\\Family.Tws;DRIVER={SQLite3};", TRUE, "C:\\BOOKS\\Family.Tws",
         "Family"},
        {"ODBC;DSN=x;DefaultDir=D:\\DATA;", TRUE, "D:\\DATA", "DATA"},
        {"ODBC;dbq=C:\\A.B\\My.Book.TWS", TRUE, "C:\\A.B\\My.Book.TWS", "My.Book"},
        {"ODBC;DSN=Savorum Database;", FALSE, "", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.connect);
        CString path;
        CString name;
        EXPECT_EQ(c.found, GetConnectStringDirectory(c.connect, path, name));
        EXPECT_STREQ(c.path, path);
        EXPECT_STREQ(c.name, name);
    }
}

TEST(StartupCookbook, CommandLineLosesBlanksAndQuotes)
{
    const char* const cases[][2] = {
        {"C:\\BOOKS\\FAMILY.TWS", "C:\\BOOKS\\FAMILY.TWS"},
        {"  \"C:\\MY BOOKS\\FAMILY.TWS\"  ", "C:\\MY BOOKS\\FAMILY.TWS"},
        {"\"", "\""},
        {"", ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c[0]);
        EXPECT_STREQ(c[1], CommandLinePath(c[0]));
    }
}

}  // namespace
