#include "framework/Archive.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/ArchiveException.h"
#include "framework/File.h"
#include "framework/Object.h"
#include "framework/PtrArray.h"
#include "TestFiles.h"

using testfiles::Bytes;
using testfiles::Chars;
using testfiles::operator+;

namespace {

// A serialisable record: a 16-bit value.
class CTestItem : public CObject
{
    DECLARE_SERIAL(CTestItem)
public:
    explicit CTestItem(WORD value = 0) : m_value(value) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    WORD m_value;
};

// A second serialisable class: a text.
class CTestNote : public CObject
{
    DECLARE_SERIAL(CTestNote)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_text;
        else
            ar >> m_text;
    }
    CString m_text;
};

// A record holding one object record (or null); the tests delete what it refers to.
class CTestNest : public CObject
{
    DECLARE_SERIAL(CTestNest)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_pInner;
        else
            ar >> m_pInner;
    }
    CObject* m_pInner = nullptr;
};

IMPLEMENT_SERIAL(CTestItem, CObject, 3)
IMPLEMENT_SERIAL(CTestNote, CObject, 1)
IMPLEMENT_SERIAL(CTestNest, CObject, 1)

const Bytes kNewTestItemClass = Bytes{0xFF, 0xFF, 0x03, 0x00, 0x09, 0x00} + Chars("CTestItem");
const Bytes kNewTestNestClass = Bytes{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00} + Chars("CTestNest");

CString Repeated(char ch, int count)
{
    return CString(ch, count);
}

TEST(Archive, ScalarsAreLittleEndianAndReadBack)
{
    const Bytes bytes = testfiles::Stored([](CArchive& ar) {
        ar << BYTE(0x81) << char('A') << WORD(0x1234) << short(-2) << int(-3) << UINT(0x89ABCDEF) << LONG(0x01020304)
           << DWORD(0xFFFFFFFE) << 1.5f << -2.0;
    });
    const Bytes expected = {0x81, 'A',  0x34, 0x12, 0xFE, 0xFF, 0xFD, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD,
                            0xAB, 0x89, 0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x00,
                            0xC0, 0x3F, 0,    0,    0,    0,    0,    0,    0x00, 0xC0};
    EXPECT_EQ(expected, bytes);

    testfiles::Loaded(bytes, [](CArchive& ar) {
        BYTE by;
        char ch;
        WORD w;
        short s;
        int i;
        UINT u;
        LONG l;
        DWORD dw;
        float f;
        double d;
        ar >> by >> ch >> w >> s >> i >> u >> l >> dw >> f >> d;
        EXPECT_EQ(0x81, by);
        EXPECT_EQ('A', ch);
        EXPECT_EQ(0x1234, w);
        EXPECT_EQ(-2, s);
        EXPECT_EQ(-3, i);
        EXPECT_EQ(0x89ABCDEFu, u);
        EXPECT_EQ(0x01020304, l);
        EXPECT_EQ(0xFFFFFFFEu, dw);
        EXPECT_EQ(1.5f, f);
        EXPECT_EQ(-2.0, d);
    });
}

TEST(Archive, StringLengthPrefixes)
{
    const struct
    {
        int length;
        Bytes prefix;
    } rows[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        // 0xFF 0xFFFE would be read as the wide-string marker.
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.length);
        const CString text = Repeated('x', row.length);
        const Bytes bytes = testfiles::Stored([&](CArchive& ar) { ar << text; });
        ASSERT_EQ(row.prefix.size() + row.length, bytes.size());
        EXPECT_EQ(row.prefix, Bytes(bytes.begin(), bytes.begin() + row.prefix.size()));
        EXPECT_EQ(Bytes(row.length, 'x'), Bytes(bytes.begin() + row.prefix.size(), bytes.end()));

        testfiles::Loaded(bytes, [&](CArchive& ar) {
            CString read("old");
            ar >> read;
            EXPECT_TRUE(read == text);
        });
    }
}

TEST(Archive, StringKeepsEmbeddedZerosAndHighBytes)
{
    const CString text("a\0\xE9z", 4);
    const Bytes bytes = testfiles::Stored([&](CArchive& ar) { ar << text; });
    EXPECT_EQ((Bytes{0x04, 'a', 0x00, 0xE9, 'z'}), bytes);
    testfiles::Loaded(bytes, [&](CArchive& ar) {
        CString read;
        ar >> read;
        EXPECT_EQ(4, read.GetLength());
        EXPECT_EQ(0, memcmp(read.GetString(), "a\0\xE9z", 4));
    });
}

TEST(Archive, ReadsWideStringMarker)
{
    const Bytes bytes = {0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 'b', 0, 'c', 0};
    testfiles::Loaded(bytes, [](CArchive& ar) {
        CString read;
        ar >> read;
        EXPECT_STREQ("abc", read);
    });
}

TEST(Archive, CountPrefixes)
{
    const struct
    {
        DWORD count;
        Bytes bytes;
    } rows[] = {
        {0, {0x00, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
        {0x12345678, {0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.count);
        EXPECT_EQ(row.bytes, testfiles::Stored([&](CArchive& ar) { ar.WriteCount(row.count); }));
        testfiles::Loaded(row.bytes, [&](CArchive& ar) { EXPECT_EQ(row.count, ar.ReadCount()); });
    }
}

TEST(Archive, ObjectRecordsNameAClassOnceAndReferToObjectsByIndex)
{
    CTestItem first(0x0102);
    CTestItem second(0x0304);
    const Bytes bytes =
        testfiles::Stored([&](CArchive& ar) { ar << &first << &second << &first << static_cast<CObject*>(nullptr); });
    // Indexes: 1 the class, 2 the first object, 3 the second.
    const Bytes expected = kNewTestItemClass + Bytes{0x02, 0x01} +  // new class, first
                           Bytes{0x01, 0x80, 0x04, 0x03} +          // class 1, second
                           Bytes{0x02, 0x00} +                      // object 2 again
                           Bytes{0x00, 0x00};                       // null
    EXPECT_EQ(expected, bytes);

    testfiles::Loaded(bytes, [](CArchive& ar) {
        CTestItem* pFirst = nullptr;
        CTestItem* pSecond = nullptr;
        CTestItem* pAgain = nullptr;
        CTestItem sentinel;
        CObject* pNull = &sentinel;
        ar >> pFirst >> pSecond >> pAgain >> pNull;
        std::unique_ptr<CTestItem> owner1(pFirst), owner2(pSecond);
        ASSERT_NE(nullptr, pFirst);
        ASSERT_NE(nullptr, pSecond);
        EXPECT_EQ(0x0102, pFirst->m_value);
        EXPECT_EQ(0x0304, pSecond->m_value);
        EXPECT_EQ(pFirst, pAgain);
        EXPECT_EQ(nullptr, pNull);
    });
}

TEST(Archive, IndexesFrom0x7FFFUseTheBigTag)
{
    // 1 class + 0x7FFE objects fill indexes 1..0x7FFF; the next class and
    // object references need the 32-bit form.
    std::vector<CTestItem> items(0x7FFE);
    CTestNote note;
    note.m_text = "n";
    const Bytes bytes = testfiles::Stored([&](CArchive& ar) {
        for (CTestItem& item : items)
            ar << &item;
        ar << &note;  // new class 0x8000, object 0x8001
        CTestNote second;
        ar << &second;  // class 0x8000 again
        ar << &items.back() << &note << &items.front();
    });
    const Bytes expected = Bytes{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00} + Chars("CTestNote") + Bytes{0x01, 'n'} +
                           Bytes{0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80, 0x00}  // class 0x8000
                           + Bytes{0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00}      // object 0x7FFF
                           + Bytes{0xFF, 0x7F, 0x01, 0x80, 0x00, 0x00}      // object 0x8001
                           + Bytes{0x02, 0x00};                             // object 2
    ASSERT_GT(bytes.size(), expected.size());
    EXPECT_EQ(expected, Bytes(bytes.end() - expected.size(), bytes.end()));

    testfiles::Loaded(bytes, [&](CArchive& ar) {
        std::vector<std::unique_ptr<CObject>> owned;
        for (size_t i = 0; i < items.size(); ++i)
            owned.emplace_back(ar.ReadObject(RUNTIME_CLASS(CTestItem)));
        CObject* pNote = ar.ReadObject(nullptr);
        owned.emplace_back(pNote);
        owned.emplace_back(ar.ReadObject(RUNTIME_CLASS(CTestNote)));
        EXPECT_EQ(owned[items.size() - 1].get(), ar.ReadObject(nullptr));
        EXPECT_EQ(pNote, ar.ReadObject(nullptr));
        EXPECT_EQ(owned.front().get(), ar.ReadObject(nullptr));
        ASSERT_TRUE(pNote->IsKindOf(RUNTIME_CLASS(CTestNote)));
        EXPECT_STREQ("n", static_cast<CTestNote*>(pNote)->m_text);
    });
}

TEST(Archive, DamagedObjectRecordsRaiseTheirCause)
{
    const struct
    {
        const char* what;
        Bytes bytes;
        int cause;
    } rows[] = {
        {"other schema", Bytes{0xFF, 0xFF, 0x04, 0x00, 0x09, 0x00} + Chars("CTestItem") + Bytes{0, 0},
         CArchiveException::badSchema},
        {"unknown class", Bytes{0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00} + Chars("CNoSuch"), CArchiveException::badClass},
        {"class name of 64 chars", Bytes{0xFF, 0xFF, 0x01, 0x00, 0x40, 0x00} + Bytes(64, 'C'),
         CArchiveException::badClass},
        {"class that cannot be created", Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x09, 0x00} + Chars("CPtrArray"),
         CArchiveException::badClass},
        {"object not read yet", Bytes{0x05, 0x00}, CArchiveException::badIndex},
        {"class not read yet", Bytes{0x01, 0x80}, CArchiveException::badIndex},
        {"class reference to an object", kNewTestItemClass + Bytes{0, 0, 0x02, 0x80}, CArchiveException::badIndex},
        {"object reference to a class", kNewTestItemClass + Bytes{0, 0, 0x01, 0x00}, CArchiveException::badIndex},
        {"object holding itself", kNewTestNestClass + Bytes{0x02, 0x00}, CArchiveException::badIndex},
        {"big reference past the end", Bytes{0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}, CArchiveException::badIndex},
        {"name cut short", Bytes{0xFF, 0xFF, 0x03, 0x00, 0x09, 0x00} + Chars("CTest"), CArchiveException::endOfFile},
        {"object data cut short", kNewTestItemClass + Bytes{0x01}, CArchiveException::endOfFile},
        {"empty", Bytes{}, CArchiveException::endOfFile},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(row.cause, testfiles::ArchiveFailure(row.bytes, [](CArchive& ar) {
                      std::vector<std::unique_ptr<CObject>> owned;
                      for (;;)
                          owned.emplace_back(ar.ReadObject(nullptr));
                  }));
    }
}

// Each level reads the next through the stack: a bound keeps a crafted file from exhausting it.
TEST(Archive, ObjectRecordsNestOnlyToABoundedDepth)
{
    const struct
    {
        int levels;
        int cause;
    } rows[] = {{CArchive::kMaxObjectDepth, -1},
                {CArchive::kMaxObjectDepth + 1, CArchiveException::generic},
                {20000, CArchiveException::generic}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.levels);
        Bytes bytes = kNewTestNestClass;
        for (int level = 1; level < row.levels; ++level)
            bytes.insert(bytes.end(), {0x01, 0x80});
        bytes.insert(bytes.end(), {0x00, 0x00});
        EXPECT_EQ(row.cause, testfiles::ArchiveFailure(bytes, [](CArchive& ar) {
                      for (CObject* pOb = ar.ReadObject(nullptr); pOb != nullptr;)
                      {
                          CObject* pInner = static_cast<CTestNest*>(pOb)->m_pInner;
                          delete pOb;
                          pOb = pInner;
                      }
                  }));
    }
}

TEST(Archive, RecordOfAnotherClassThanRequestedIsBadClass)
{
    const Bytes bytes = kNewTestItemClass + Bytes{0x07, 0x00} + Bytes{0x02, 0x00};
    EXPECT_EQ(CArchiveException::badClass, testfiles::ArchiveFailure(bytes, [](CArchive& ar) {
                  CTestNote* pNote = nullptr;
                  ar >> pNote;
              }));
    // A back-reference is checked as well.
    EXPECT_EQ(CArchiveException::badClass, testfiles::ArchiveFailure(bytes, [](CArchive& ar) {
                  std::unique_ptr<CObject> item(ar.ReadObject(RUNTIME_CLASS(CTestItem)));
                  ar.ReadObject(RUNTIME_CLASS(CTestNote));
              }));
}

TEST(Archive, EveryTruncationRaisesEndOfFile)
{
    CTestItem item(7);
    CTestNote note;
    note.m_text = Repeated('t', 300);
    const Bytes whole = testfiles::Stored([&](CArchive& ar) {
        ar << &item << &note << &item;
        ar << 2.5 << CString("end");
    });
    for (size_t length = 0; length < whole.size(); ++length)
    {
        SCOPED_TRACE(length);
        const Bytes cut(whole.begin(), whole.begin() + length);
        EXPECT_EQ(CArchiveException::endOfFile, testfiles::ArchiveFailure(cut, [](CArchive& ar) {
                      std::unique_ptr<CObject> first(ar.ReadObject(nullptr));
                      std::unique_ptr<CObject> second(ar.ReadObject(nullptr));
                      ar.ReadObject(nullptr);
                      double d;
                      CString text;
                      ar >> d >> text;
                  }));
    }
}

TEST(Archive, HugeLengthsFailBeforeAllocating)
{
    const Bytes hugeString = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b', 'c'};
    EXPECT_EQ(CArchiveException::endOfFile, testfiles::ArchiveFailure(hugeString, [](CArchive& ar) {
                  CString text;
                  ar >> text;
              }));
    const Bytes hugeWideString = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0};
    EXPECT_EQ(CArchiveException::endOfFile, testfiles::ArchiveFailure(hugeWideString, [](CArchive& ar) {
                  CString text;
                  ar >> text;
              }));
}

TEST(Archive, DirectionIsChecked)
{
    EXPECT_EQ(CArchiveException::readOnly, testfiles::ArchiveFailure(Bytes{1}, [](CArchive& ar) { ar << BYTE(1); }));

    const std::string path = testfiles::PathFor("out");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    try
    {
        BYTE by;
        ar >> by;
        ADD_FAILURE() << "no exception";
    }
    catch (CArchiveException* e)
    {
        EXPECT_EQ(CArchiveException::writeOnly, e->m_cause);
        e->Delete();
    }
}

TEST(Archive, ObjectOfClassWithoutSchemaIsNotWritten)
{
    CPtrArray notSerialisable;
    int cause = -1;
    const Bytes bytes = testfiles::Stored([&](CArchive& ar) {
        try
        {
            ar << &notSerialisable;
        }
        catch (CArchiveException* e)
        {
            cause = e->m_cause;
            e->Delete();
        }
    });
    EXPECT_EQ(CArchiveException::badClass, cause);
    EXPECT_TRUE(bytes.empty());
}

TEST(Archive, DestructorFlushesWhatCloseWasNotCalledFor)
{
    const std::string path = testfiles::PathFor("unclosed");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << DWORD(0x04030201);
    }
    EXPECT_EQ((Bytes{1, 2, 3, 4}), testfiles::ReadAll(path));
}

TEST(Archive, LoadingFlushPutsTheFileAtTheLogicalPosition)
{
    const std::string path = testfiles::PathFor("flush");
    testfiles::WriteAll(path, Bytes(1000, 9));
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load, 256);
    BYTE bytes[10];
    ar.Read(bytes, sizeof bytes);
    EXPECT_EQ(990u, ar.GetBytesRemaining());
    ar.Flush();
    EXPECT_EQ(10u, file.GetPosition());
}

}  // namespace
