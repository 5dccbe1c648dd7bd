#include "database/RecordId.h"

#include "database/RecordArchive.h"
#include "framework/ArchiveException.h"
#include "framework/String.h"
#include "framework/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using testfiles::operator+;

struct TextCase
{
    const char* label;
    CRecordId id;
    const char* text;
    long number;
};

TEST(RecordId, ConstructionAndConversion)
{
    const TextCase cases[] = {
        {"default", CRecordId(), "000000", 0},
        {"number", CRecordId(42ul), "000042", 42},
        {"highest", CRecordId(999999ul), "999999", 999999},
        {"over the highest", CRecordId(1000000ul), "888888", 888888},
        {"negative through unsigned", CRecordId(static_cast<unsigned long>(-5L)), "888888", 888888},
        {"null text", CRecordId(static_cast<const char*>(nullptr)), "000000", 0},
        {"short text normalised", CRecordId("42"), "000042", 42},
        {"digits up to a non-digit", CRecordId("4x2"), "000004", 4},
        {"no digits", CRecordId("abc"), "000000", 0},
        {"seven digits", CRecordId("1234567"), "888888", 888888},
        {"negative text", CRecordId("-5"), "888888", 888888},
        {"CString cut to six", CRecordId(CString("1234567")), "123456", 123456},
        {"CString kept as it stands", CRecordId(CString("42")), "42", 42},
    };
    for (const TextCase& c : cases)
    {
        SCOPED_TRACE(c.label);
        EXPECT_STREQ(c.text, c.id.GetText());
        EXPECT_STREQ(c.text, static_cast<const char*>(c.id));
        EXPECT_EQ(c.number, c.id.GetNumber());
        EXPECT_EQ(0, c.id.GetText()[6]);
    }
}

TEST(RecordId, TextComparisonDoesNotNormaliseButNumberComparisonDoes)
{
    CRecordId shortId(CString("42"));
    EXPECT_TRUE(shortId != "000042");
    EXPECT_TRUE(shortId == "42");
    EXPECT_TRUE(shortId == 42ul);
    EXPECT_TRUE(shortId != CRecordId(42ul));
    EXPECT_TRUE(CRecordId("000042") == CRecordId(42ul));
    EXPECT_TRUE(CRecordId() == 0ul);
    EXPECT_FALSE(CRecordId() == static_cast<const char*>(nullptr));
}

TEST(RecordId, StepsUpAndDown)
{
    CRecordId id("000041");
    EXPECT_EQ(42, ++id);
    EXPECT_STREQ("000042", id.GetText());

    CRecordId top(999999ul);
    EXPECT_EQ(888888, ++top);
    EXPECT_STREQ("888888", top.GetText());

    CRecordId zero;
    EXPECT_EQ(888888, --zero);
    EXPECT_STREQ("888888", zero.GetText());

    id = 7ul;
    EXPECT_EQ(6, --id);
}

TEST(RecordId, RawBytesRestoreTheSameText)
{
    CRecordId original(CString("4a"));
    char bytes[7];
    std::memcpy(bytes, &original, sizeof bytes);
    CRecordId restored;
    std::memcpy(&restored, bytes, sizeof bytes);
    EXPECT_TRUE(restored == original);
    EXPECT_EQ(0, std::memcmp(bytes, "4a\0\0\0\0\0", 7));
}

// An id goes into statements as it stands: one read from a file or the clipboard must be six
// digits, or the file is damaged.
TEST(RecordId, ArchiveRefusesAnIdThatIsNotSixDigits)
{
    const struct
    {
        const char* what;
        testfiles::Bytes bytes;
        int cause;
    } rows[] = {
        {"six digits", testfiles::Chars("001234") + testfiles::Bytes{0}, -1},
        {"quote injection", testfiles::Chars("1'OR'1") + testfiles::Bytes{0}, CArchiveException::badIndex},
        {"short", testfiles::Chars("12") + testfiles::Bytes{0, 0, 0, 0, 0}, CArchiveException::badIndex},
        {"letter", testfiles::Chars("00001a") + testfiles::Bytes{0}, CArchiveException::badIndex},
        {"no NUL", testfiles::Chars("1234567"), CArchiveException::badIndex},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        CRecordId id(5ul);
        EXPECT_EQ(row.cause, testfiles::ArchiveFailure(row.bytes, [&](CArchive& ar) { ReadRecordId(ar, id); }));
        EXPECT_STREQ(row.cause == -1 ? "001234" : "000005", id.GetText());
    }
}

}  // namespace
