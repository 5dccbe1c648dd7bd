#include "framework/ObList.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "TestFiles.h"

using testfiles::Bytes;
using testfiles::Chars;
using testfiles::operator+;

namespace {

class CListEntry : public CObject
{
    DECLARE_SERIAL(CListEntry)
public:
    explicit CListEntry(BYTE value = 0) : m_value(value) {}
    ~CListEntry() override { ++s_destroyed; }
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

int CListEntry::s_destroyed = 0;
IMPLEMENT_SERIAL(CListEntry, CObject, 5)

std::vector<CObject*> Forward(const CObList& list)
{
    std::vector<CObject*> elements;
    for (POSITION position = list.GetHeadPosition(); position != nullptr;)
        elements.push_back(list.GetNext(position));
    return elements;
}

std::vector<CObject*> Backward(const CObList& list)
{
    std::vector<CObject*> elements;
    for (POSITION position = list.GetTailPosition(); position != nullptr;)
        elements.push_back(list.GetPrev(position));
    return elements;
}

TEST(ObList, PositionsWalkBothWays)
{
    CListEntry a, b, c, d;
    CObList list;
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    list.AddTail(&b);
    const POSITION positionOfA = list.AddHead(&a);
    const POSITION positionOfD = list.AddTail(&d);
    list.InsertBefore(positionOfD, &c);
    EXPECT_EQ((std::vector<CObject*>{&a, &b, &c, &d}), Forward(list));
    EXPECT_EQ((std::vector<CObject*>{&d, &c, &b, &a}), Backward(list));
    EXPECT_EQ(&a, list.GetAt(positionOfA));
    EXPECT_EQ(&a, list.GetHead());
    EXPECT_EQ(&d, list.GetTail());
    EXPECT_EQ(4, list.GetCount());

    list.InsertAfter(positionOfA, &d);
    list.InsertBefore(nullptr, &c);  // at the head
    list.InsertAfter(nullptr, &b);   // at the tail
    EXPECT_EQ((std::vector<CObject*>{&c, &a, &d, &b, &c, &d, &b}), Forward(list));
}

TEST(ObList, FindAndFindIndex)
{
    CListEntry a, b;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&a);
    const POSITION first = list.Find(&a);
    ASSERT_NE(nullptr, first);
    const POSITION second = list.Find(&a, first);
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_EQ(nullptr, list.Find(&a, second));
    EXPECT_EQ(list.FindIndex(2), second);
    EXPECT_EQ(nullptr, list.FindIndex(3));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
    EXPECT_EQ(nullptr, list.Find(nullptr));
}

TEST(ObList, RemovingWhileWalkingAndNeverDeleting)
{
    CListEntry a, b, c;
    CListEntry::s_destroyed = 0;
    {
        CObList list;
        list.AddTail(&a);
        list.AddTail(&b);
        list.AddTail(&c);
        list.AddTail(&b);
        for (POSITION position = list.GetHeadPosition(); position != nullptr;)
        {
            const POSITION current = position;
            if (list.GetNext(position) == &b)
                list.RemoveAt(current);
        }
        EXPECT_EQ((std::vector<CObject*>{&a, &c}), Forward(list));
        EXPECT_EQ(&a, list.RemoveHead());
        EXPECT_EQ(&c, list.RemoveTail());
        EXPECT_TRUE(list.IsEmpty());
        list.AddTail(&a);
        list.SetAt(list.GetHeadPosition(), &c);
        EXPECT_EQ(&c, list.GetHead());
        list.AddTail(&a);
        list.RemoveAll();
        list.AddTail(&b);
    }
    EXPECT_EQ(0, CListEntry::s_destroyed);
}

TEST(ObList, AddListsKeepTheirOrderEvenWhenAddingItself)
{
    CListEntry a, b;
    CObList list, other;
    list.AddTail(&a);
    other.AddTail(&b);
    list.AddHead(&other);
    list.AddTail(&list);
    EXPECT_EQ((std::vector<CObject*>{&b, &a, &b, &a}), Forward(list));
    list.AddHead(&list);
    EXPECT_EQ((std::vector<CObject*>{&b, &a, &b, &a, &b, &a, &b, &a}), Forward(list));
}

TEST(ObList, SerializesCountThenObjectRecordsAndLoadingAppends)
{
    CListEntry a(7);
    CObList list;
    list.AddTail(&a);
    list.AddTail(&a);
    const Bytes bytes = testfiles::Stored([&](CArchive& ar) { list.Serialize(ar); });
    const Bytes expected = Bytes{0x02, 0x00} + Bytes{0xFF, 0xFF, 0x05, 0x00, 0x0A, 0x00} + Chars("CListEntry") +
                           Bytes{0x07} + Bytes{0x02, 0x00};
    EXPECT_EQ(expected, bytes);

    testfiles::Loaded(bytes, [&](CArchive& ar) {
        CListEntry existing;
        CObList read;
        read.AddTail(&existing);
        read.Serialize(ar);
        const std::vector<CObject*> elements = Forward(read);
        ASSERT_EQ(3u, elements.size());
        std::unique_ptr<CObject> owner(elements[1]);
        EXPECT_EQ(&existing, elements[0]);
        EXPECT_EQ(elements[1], elements[2]);
        EXPECT_EQ(7, static_cast<CListEntry*>(elements[1])->m_value);
    });
}

TEST(ObList, CountBeyondTheDataFailsAtOnce)
{
    const Bytes bytes = {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00};
    EXPECT_EQ(CArchiveException::endOfFile, testfiles::ArchiveFailure(bytes, [](CArchive& ar) {
                  CObList read;
                  read.Serialize(ar);
                  EXPECT_TRUE(read.IsEmpty());
              }));
}

}  // namespace
