#include "framework/StringList.h"

#include <gtest/gtest.h>

#include "framework/Archive.h"
#include "TestFiles.h"

using testfiles::Bytes;
using testfiles::Chars;
using testfiles::operator+;

namespace {

TEST(StringList, FindComparesTheTextsCaseSensitively)
{
    CStringList list;
    list.AddTail("Soup");
    list.AddTail("soup");
    list.AddHead("Salad");
    EXPECT_EQ(list.FindIndex(2), list.Find("soup"));
    EXPECT_EQ(list.FindIndex(1), list.Find(CString("Soup")));
    EXPECT_EQ(nullptr, list.Find("SOUP"));
    EXPECT_STREQ("Salad", list.RemoveHead());
    EXPECT_STREQ("soup", list.GetTail());
}

TEST(StringList, SerializesCountThenStringsAndLoadingAppends)
{
    CStringList list;
    list.AddTail("pie");
    list.AddTail("tart");
    const Bytes bytes = testfiles::Stored([&](CArchive& ar) { list.Serialize(ar); });
    EXPECT_EQ((Bytes{0x02, 0x00} + Bytes{0x03} + Chars("pie") + Bytes{0x04} + Chars("tart")), bytes);

    testfiles::Loaded(bytes, [](CArchive& ar) {
        CStringList read;
        read.AddTail("cake");
        read.Serialize(ar);
        ASSERT_EQ(3, read.GetCount());
        POSITION position = read.GetHeadPosition();
        EXPECT_STREQ("cake", read.GetNext(position));
        EXPECT_STREQ("pie", read.GetNext(position));
        EXPECT_STREQ("tart", read.GetNext(position));
        EXPECT_EQ(nullptr, position);
    });
}

}  // namespace
