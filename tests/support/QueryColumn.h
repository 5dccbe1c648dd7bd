#pragma once
// Reads back what a test wrote, straight from the tables, bypassing the code under test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CookbookDatabase.h"
#include "database/FieldValue.h"
#include "database/PortRecordset.h"
#include "framework/MessageBoxScript.h"

namespace fixture {

// The first column of every row the query returns, as text.
// A failed query adds the boxes shown so far to its failure.
inline std::vector<std::string> QueryColumn(CCookbookDatabase& db, const std::string& sql,
                                            const CMessageBoxScript& boxes)
{
    std::vector<std::string> values;
    CPortRecordset rs(&db);
    EXPECT_TRUE(rs.OpenTable("query", sql.c_str(), nullptr)) << sql << boxes.GetAllTexts();
    for (; rs.IsOpen() && !rs.IsEOF(); rs.MoveNext())
    {
        CString text;
        rs.GetFieldText(rs.GetColumn(0)->m_strName, text);
        values.push_back(text.GetString());
    }
    return values;
}

}  // namespace fixture
