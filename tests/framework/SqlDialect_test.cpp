#include "framework/SqlDialect.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlDialect, CallsAndDropsAreRecognised)
{
    CString name;
    EXPECT_TRUE(CSqlDialect::ParseCall(" {call NewShowIngredients(?)} ", name));
    EXPECT_STREQ("NewShowIngredients", name);
    EXPECT_FALSE(CSqlDialect::ParseCall("SELECT * FROM X", name));
    EXPECT_FALSE(CSqlDialect::ParseCall("{call X()}", name));
    EXPECT_TRUE(CSqlDialect::ParseDropTable("DROP TABLE NewShowIngredients", name));
    EXPECT_STREQ("NewShowIngredients", name);
    EXPECT_FALSE(CSqlDialect::ParseDropTable("DROP VIEW X", name));
}

TEST(SqlDialect, ParameterViewsBecomeAViewAndAParameterQuery)
{
    const struct
    {
        const char* access;
        const char* view;
        const char* query;
    } cases[] = {
        {"CREATE VIEW V AS SELECT [RcpId] AS RcpItem,Q.A FROM Q WHERE ((Q.RECIPE=[RcpId]) AND (Q.TYPE='I')) "
         "ORDER BY Q.QUANTITY",
         "CREATE VIEW V AS SELECT Q.RECIPE AS RcpItem,Q.A FROM Q WHERE ((1=1) AND (Q.TYPE='I'))",
         "SELECT * FROM V WHERE RcpItem=? ORDER BY QUANTITY"},
        {"CREATE VIEW W AS SELECT V.A,M.S AS G FROM V LEFT OUTER JOIN M ON V.B=M.I WHERE ((V.RcpItem=[RECIPE])) "
         "ORDER BY V.QUANTITY",
         "CREATE VIEW W AS SELECT V.RcpItem,V.A,M.S AS G FROM V LEFT OUTER JOIN M ON V.B=M.I WHERE ((1=1))",
         "SELECT * FROM W WHERE RcpItem=? ORDER BY QUANTITY"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.access);
        CString name;
        CString view;
        CString query;
        ASSERT_TRUE(CSqlDialect::AdaptParameterView(c.access, name, view, query));
        EXPECT_STREQ(c.view, view);
        EXPECT_STREQ(c.query, query);
    }
    CString name;
    CString view;
    CString query;
    EXPECT_FALSE(CSqlDialect::AdaptParameterView("CREATE VIEW V AS SELECT A FROM T", name, view, query));
    EXPECT_FALSE(CSqlDialect::AdaptParameterView("CREATE VIEW V AS SELECT [A] FROM T WHERE B=[P]", name, view, query));
}

}  // namespace
