#include "framework/StringArray.h"

#include <gtest/gtest.h>

#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "TestFiles.h"

using testfiles::Bytes;
using testfiles::Chars;
using testfiles::operator+;

namespace {

TEST(StringArray, HoldsCopiesOfTheTexts)
{
    CStringArray array;
    CString text("flour");
    array.Add(text);
    array.Add("sugar");
    text = "changed";
    array.InsertAt(1, "eggs");
    array.SetAtGrow(4, "salt");
    ASSERT_EQ(5, array.GetSize());
    EXPECT_STREQ("flour", array[0]);
    EXPECT_STREQ("eggs", array[1]);
    EXPECT_STREQ("sugar", array.GetAt(2));
    EXPECT_TRUE(array[3].IsEmpty());
    array[3] = "milk";
    array.ElementAt(4) += "y";
    EXPECT_STREQ("milk", array[3]);
    EXPECT_STREQ("salty", array[4]);
}

TEST(StringArray, SerializesCountThenStrings)
{
    CStringArray array;
    array.Add("Breakfast");
    array.Add("");
    array.Add(CString('x', 300));
    const Bytes bytes = testfiles::Stored([&](CArchive& ar) { array.Serialize(ar); });
    const Bytes expected =
        Bytes{0x03, 0x00} + Bytes{0x09} + Chars("Breakfast") + Bytes{0x00} + Bytes{0xFF, 0x2C, 0x01} + Bytes(300, 'x');
    EXPECT_EQ(expected, bytes);

    testfiles::Loaded(bytes, [&](CArchive& ar) {
        CStringArray read;
        read.Add("replaced");
        read.Serialize(ar);
        ASSERT_EQ(3, read.GetSize());
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(read[i] == array[i]);
    });
}

TEST(StringArray, CountBeyondTheDataFailsWithoutAllocating)
{
    const Bytes bytes = {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10, 0x00};
    EXPECT_EQ(CArchiveException::endOfFile, testfiles::ArchiveFailure(bytes, [](CArchive& ar) {
                  CStringArray read;
                  read.Serialize(ar);
              }));
}

}  // namespace
