#include "framework/ObArray.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "TestFiles.h"

using testfiles::Bytes;
using testfiles::Chars;
using testfiles::operator+;

namespace {

// Counts its destructions, to show what the array does not delete.
class CCounted : public CObject
{
    DECLARE_SERIAL(CCounted)
public:
    explicit CCounted(BYTE value = 0) : m_value(value) {}
    ~CCounted() override { ++s_destroyed; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    BYTE m_value;
    static int s_destroyed;
};

int CCounted::s_destroyed = 0;
IMPLEMENT_SERIAL(CCounted, CObject, 1)

TEST(ObArray, NeverDeletesItsElements)
{
    CCounted a, b, c;
    CCounted::s_destroyed = 0;
    {
        CObArray array;
        array.Add(&a);
        array.Add(&b);
        array.Add(&c);
        array.RemoveAt(0);
        array.SetSize(1);
        array.RemoveAll();
        array.Add(&a);
    }
    EXPECT_EQ(0, CCounted::s_destroyed);
}

TEST(ObArray, GrowsWithNullsAndInsertsInPlace)
{
    CCounted a, b, c;
    CObArray array;
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(-1, array.GetUpperBound());
    EXPECT_EQ(0, array.Add(&a));
    array.SetAtGrow(3, &b);
    ASSERT_EQ(4, array.GetSize());
    EXPECT_EQ(nullptr, array[1]);
    EXPECT_EQ(nullptr, array.GetAt(2));
    array.InsertAt(1, &c, 2);
    EXPECT_EQ(6, array.GetCount());
    EXPECT_EQ(&c, array[1]);
    EXPECT_EQ(&c, array[2]);
    EXPECT_EQ(&b, array[5]);
    array.RemoveAt(1, 4);
    ASSERT_EQ(2, array.GetSize());
    EXPECT_EQ(&b, array[1]);
    array[0] = &c;
    array.ElementAt(1) = &a;
    EXPECT_EQ(&c, array.GetAt(0));
    EXPECT_EQ(&a, array.GetData()[1]);
}

TEST(ObArray, AppendCopyAndInsertArrayIncludingItself)
{
    CCounted a, b;
    CObArray array, other;
    array.Add(&a);
    other.Add(&b);
    EXPECT_EQ(1, array.Append(other));
    EXPECT_EQ(2, array.Append(array));
    ASSERT_EQ(4, array.GetSize());
    EXPECT_EQ(&b, array[3]);
    array.InsertAt(1, &other);
    EXPECT_EQ(&b, array[1]);
    EXPECT_EQ(5, array.GetSize());
    other.Copy(array);
    EXPECT_EQ(5, other.GetSize());
    other.Copy(other);
    EXPECT_EQ(5, other.GetSize());
}

TEST(ObArray, SerializesCountThenObjectRecords)
{
    CCounted a(0x11), b(0x22);
    CObArray array;
    array.Add(&a);
    array.Add(nullptr);
    array.Add(&a);
    array.Add(&b);
    const Bytes bytes = testfiles::Stored([&](CArchive& ar) { array.Serialize(ar); });
    const Bytes expected = Bytes{0x04, 0x00} + Bytes{0xFF, 0xFF, 0x01, 0x00, 0x08, 0x00} + Chars("CCounted") +
                           Bytes{0x11} + Bytes{0x00, 0x00} + Bytes{0x02, 0x00} + Bytes{0x01, 0x80, 0x22};
    EXPECT_EQ(expected, bytes);

    testfiles::Loaded(bytes, [](CArchive& ar) {
        CObArray read;
        read.Serialize(ar);
        ASSERT_EQ(4, read.GetSize());
        std::unique_ptr<CObject> first(read[0]), last(read[3]);
        EXPECT_EQ(nullptr, read[1]);
        EXPECT_EQ(read[0], read[2]);
        EXPECT_EQ(0x11, static_cast<CCounted*>(read[0])->m_value);
        EXPECT_EQ(0x22, static_cast<CCounted*>(read[3])->m_value);
    });
}

TEST(ObArray, ArchivedInsideAnObjectRecordAsWell)
{
    CObArray array;
    const Bytes bytes = testfiles::Stored([&](CArchive& ar) { ar << &array; });
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00} + Chars("CObArray") + Bytes{0x00, 0x00}), bytes);
}

TEST(ObArray, CountBeyondTheDataFailsWithoutAllocating)
{
    const Bytes bytes = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00};
    EXPECT_EQ(CArchiveException::endOfFile, testfiles::ArchiveFailure(bytes, [](CArchive& ar) {
                  CObArray read;
                  read.Serialize(ar);
              }));
}

}  // namespace
