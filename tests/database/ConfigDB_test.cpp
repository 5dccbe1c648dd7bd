#include "database/ConfigDB.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "support/CookbookFixture.h"

namespace {

using ConfigDBTest = fixture::CookbookTest;

TEST_F(ConfigDBTest, SelectDriverKnowsTwoSourceKinds)
{
    CConfigDB source;
    source.m_strSelectedDriver = "before";
    EXPECT_FALSE(source.SelectDriver(IDS_DRIVER_ACCESS));
    EXPECT_EQ("before", source.m_strSelectedDriver);
    // No FoxPro driver is installed here: the choice still succeeds, with no driver name.
    EXPECT_TRUE(source.SelectDriver(IDS_DRIVER_FOXPRO));
    EXPECT_TRUE(source.m_strSelectedDriver.IsEmpty());
    EXPECT_TRUE(source.SelectDriver(IDS_DRIVER_ACCESS_DATA));
}

TEST_F(ConfigDBTest, UnknownSourceLeavesTheConnectionUnopened)
{
    CConfigDB source("No Such Source");
    EXPECT_FALSE(source.m_bOpened);
    EXPECT_FALSE(source.IsOpen());
}

}  // namespace
