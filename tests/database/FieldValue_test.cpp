#include "database/FieldValue.h"

#include <gtest/gtest.h>

#include "database/RecordId.h"

namespace {

CFieldValue Typed(short type)
{
    CFieldValue value;
    value.m_nSqlType = type;
    return value;
}

CFieldValue Text(const char* text)
{
    CFieldValue value = Typed(CFieldValue::typeVarChar);
    value.SetText(text);
    return value;
}

TEST(FieldValue, FloatReadingClearsNegativeAndHugeValues)
{
    const struct
    {
        const char* text;
        float expected;
    } cases[] = {{"-3", 0.0f}, {"1e13", 0.0f}, {"2.5", 2.5f}, {"999999995904", 999999995904.0f}, {"", 0.0f}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        float out = 7.0f;
        GetFieldValueFloat(Text(c.text), out);
        EXPECT_EQ(c.expected, out);
    }
}

TEST(FieldValue, NumbersConvertByStoredType)
{
    CFieldValue real = Typed(CFieldValue::typeReal);
    real.SetFloat(-2.9f);
    CFieldValue integer = Typed(CFieldValue::typeInteger);
    integer.SetLong(65536 + 65);
    CFieldValue tiny = Typed(CFieldValue::typeTinyInt);
    tiny.SetChar('\xC8');
    short s = 0;
    int i = 0;
    double d = 0;
    GetFieldValueShort(real, s);
    GetFieldValueInt(real, i);
    EXPECT_EQ(-2, s);
    EXPECT_EQ(-2, i);
    GetFieldValueShort(integer, s);
    EXPECT_EQ(65, s);
    GetFieldValueDouble(tiny, d);
    EXPECT_EQ(200.0, d);
}

TEST(FieldValue, RecordIdsFromNumbersAndTexts)
{
    const struct
    {
        CFieldValue value;
        const char* expected;
    } cases[] = {{Text(""), "000000"}, {Text("000123"), "000123"}, {Text("1234567"), "888888"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.expected);
        CRecordId id("000555");
        GetFieldValueLong(c.value, id);
        EXPECT_STREQ(c.expected, id);
    }
    CRecordId untouched("000555");
    GetFieldValueLong(Typed(CFieldValue::typeBinary), untouched);
    EXPECT_STREQ("000555", untouched);
}

TEST(FieldValue, SettersStoreOnlyIntoTypesThatTakeThem)
{
    CFieldValue tiny = Typed(CFieldValue::typeTinyInt);
    tiny.SetLong(5);
    EXPECT_EQ(0, tiny.m_byValue);
    CFieldValue text = Text("old");
    text.SetDouble(1.5);
    EXPECT_TRUE(text.m_strText.IsEmpty());
    CFieldValue small = Typed(CFieldValue::typeSmallInt);
    small.SetWord(0xFFFF);
    EXPECT_EQ(-1, small.m_nValue);
    CFieldValue copy(text);
    copy.SetNull();
    EXPECT_TRUE(copy.m_bNull);
    copy.SetText("x");
    EXPECT_FALSE(copy.m_bNull);
}

}  // namespace
