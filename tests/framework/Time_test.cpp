#include "framework/Time.h"

#include <gtest/gtest.h>

namespace {

TEST(Time, PartsOfALocalTimeReadBack)
{
    const CTime time(2024, 2, 29, 13, 45, 7);
    EXPECT_EQ(2024, time.GetYear());
    EXPECT_EQ(2, time.GetMonth());
    EXPECT_EQ(29, time.GetDay());
    EXPECT_EQ(13, time.GetHour());
    EXPECT_EQ(45, time.GetMinute());
    EXPECT_EQ(7, time.GetSecond());
    EXPECT_EQ(5, time.GetDayOfWeek());  // a Thursday
    EXPECT_STREQ("2024-02-29 13:45:07", time.Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_STREQ("", time.Format(""));
}

TEST(Time, FormatGmtUsesUtc)
{
    const CTime time(static_cast<time_t>(86400 * 365));
    EXPECT_STREQ("1971-01-01 00:00", time.FormatGmt("%Y-%m-%d %H:%M"));
}

TEST(Time, ComparesByTheInstant)
{
    const CTime earlier(2001, 1, 1, 0, 0, 0);
    const CTime later(2001, 1, 1, 0, 0, 1);
    EXPECT_TRUE(earlier < later);
    EXPECT_TRUE(later > earlier);
    EXPECT_TRUE(earlier <= CTime(earlier.GetTime()));
    EXPECT_TRUE(earlier == CTime(earlier.GetTime()));
    EXPECT_TRUE(earlier != later);
    EXPECT_EQ(1, later.GetTime() - earlier.GetTime());
}

}  // namespace
