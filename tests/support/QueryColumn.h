#pragma once
// Reads back what a test wrote, straight from the tables, bypassing the code under test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CookbookDatabase.h"
#include "database/FieldValue.h"
#include "database/PortRecordset.h"
#include "support/CookbookFixture.h"

namespace fixture {

// The first column of every row the query returns, as text.
inline std::vector<std::string> QueryColumn(CCookbookDatabase& db, const std::string& sql)
{
    std::vector<std::string> values;
    CPortRecordset rs(&db);
    EXPECT_TRUE(rs.OpenTable("query", sql.c_str(), nullptr)) << sql << AllMessages();
    for (; rs.IsOpen() && !rs.IsEOF(); rs.MoveNext())
    {
        CString text;
        rs.GetFieldText(rs.GetColumn(0)->m_strName, text);
        values.push_back(text.GetString());
    }
    return values;
}

} // namespace fixture
