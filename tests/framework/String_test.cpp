#include "framework/String.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(String, ConstructionAndAssignment)
{
    EXPECT_STREQ("", CString());
    EXPECT_STREQ("", CString(static_cast<LPCSTR>(nullptr)));
    EXPECT_STREQ("abc", CString("abc"));
    EXPECT_STREQ("ab", CString("abcdef", 2));
    EXPECT_STREQ("zzz", CString('z', 3));

    CString text("self");
    text = text.GetString() + 1;  // assigning from its own buffer
    EXPECT_STREQ("elf", text);
    text = 'q';
    EXPECT_STREQ("q", text);
}

TEST(String, CopiesAreIndependent)
{
    CString original("pie");
    CString copy(original);
    copy.SetAt(0, 't');
    copy += "s";
    EXPECT_STREQ("pie", original);
    EXPECT_STREQ("ties", copy);
}

TEST(String, IndexedAccessOutsideTheTextIsHarmless)
{
    CString text("ab");
    EXPECT_EQ('b', text[1]);
    EXPECT_EQ('b', text[1u]);
    EXPECT_EQ('\0', text.GetAt(2));
    EXPECT_EQ('\0', text.GetAt(-1));
    text.SetAt(5, 'x');
    EXPECT_STREQ("ab", text);
}

TEST(String, MidLeftRightClampTheirArguments)
{
    const CString text("recipe");
    const struct
    {
        CString actual;
        const char* expected;
    } rows[] = {
        {text.Mid(2), "cipe"},      {text.Mid(2, 3), "cip"},   {text.Mid(4, 100), "pe"}, {text.Mid(6), ""},
        {text.Mid(9), ""},          {text.Mid(-3, 2), "re"},   {text.Mid(1, -1), ""},    {text.Left(3), "rec"},
        {text.Left(0), ""},         {text.Left(99), "recipe"}, {text.Left(-1), ""},      {text.Right(2), "pe"},
        {text.Right(99), "recipe"}, {text.Right(-4), ""},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.expected);
        EXPECT_STREQ(row.expected, row.actual);
    }
}

TEST(String, FindAndReverseFind)
{
    const CString text("a cup, a cupcake");
    EXPECT_EQ(2, text.Find("cup"));
    EXPECT_EQ(9, text.Find("cup", 3));
    EXPECT_EQ(9, text.Find("cup", 9));
    EXPECT_EQ(-1, text.Find("cup", 10));
    EXPECT_EQ(-1, text.Find("tea"));
    EXPECT_EQ(0, text.Find("a", -5));
    EXPECT_EQ(5, text.Find(','));
    EXPECT_EQ(7, text.Find('a', 1));
    EXPECT_EQ(-1, text.Find('a', text.GetLength()));
    EXPECT_EQ(3, text.Find("", 3));
    EXPECT_EQ(-1, text.Find("", text.GetLength() + 1));
    EXPECT_EQ(15, text.ReverseFind('e'));
    EXPECT_EQ(-1, text.ReverseFind('z'));
    EXPECT_EQ(-1, CString().Find('a'));
}

TEST(String, CompareIsByteWiseAndCompareNoCaseIgnoresAsciiCase)
{
    EXPECT_EQ(0, CString("Salt").Compare("Salt"));
    EXPECT_LT(CString("Salt").Compare("salt"), 0);
    EXPECT_GT(CString("salt").Compare("Salt"), 0);
    EXPECT_LT(CString("Sal").Compare("Salt"), 0);
    EXPECT_GT(CString("\xE9").Compare("z"), 0);  // high bytes sort after ASCII

    EXPECT_EQ(0, CString("Salt").CompareNoCase("sALT"));
    EXPECT_LT(CString("apple").CompareNoCase("BANANA"), 0);
    EXPECT_GT(CString("Zest").CompareNoCase("yeast"), 0);
    // Compared in lower case: '_' (0x5F) comes before 'a' (0x61).
    EXPECT_LT(CString("_").CompareNoCase("A"), 0);
    EXPECT_NE(0, CString("\xC9").CompareNoCase("\xE9"));
}

TEST(String, ComparisonOperatorsWorkWithEitherSideAText)
{
    const CString salt("salt");
    EXPECT_TRUE(salt == "salt");
    EXPECT_TRUE("salt" == salt);
    EXPECT_TRUE(salt != "Salt");
    EXPECT_TRUE(salt < CString("sugar"));
    EXPECT_TRUE("pepper" < salt);
    EXPECT_TRUE(salt > "pepper");
    EXPECT_TRUE(salt <= "salt");
    EXPECT_TRUE(salt >= "salt");
}

TEST(String, Concatenation)
{
    const CString a("bread");
    EXPECT_STREQ("bread crumbs", a + " crumbs");
    EXPECT_STREQ("rye bread", "rye " + a);
    EXPECT_STREQ("breads", a + 's');
    EXPECT_STREQ("(bread", '(' + a);
    EXPECT_STREQ("breadbread", a + a);
}

TEST(String, FormatProducesTextOfAnyLength)
{
    CString text;
    text.Format("%s has %d servings, %.2f cups", "Stew", 4, 1.5);
    EXPECT_STREQ("Stew has 4 servings, 1.50 cups", text);

    const CString longPart('w', 10000);
    text.Format("<%s|%s>", longPart.GetString(), longPart.GetString());
    ASSERT_EQ(20003, text.GetLength());
    EXPECT_EQ('<', text[0]);
    EXPECT_EQ('|', text[10001]);
    EXPECT_EQ('>', text[20002]);

    // An argument that is the string itself.
    text = "abc";
    text.Format("%s-%s", text.GetString(), text.GetString());
    EXPECT_STREQ("abc-abc", text);

    text.Format("%06lu", 42ul);
    EXPECT_STREQ("000042", text);
}

TEST(String, TrimRemovesWhiteSpaceOrTheGivenCharacters)
{
    const struct
    {
        const char* input;
        const char* left;
        const char* right;
        const char* both;
    } rows[] = {
        {"  \t a b \r\n", "a b \r\n", "  \t a b", "a b"},
        {"", "", "", ""},
        {" \t\n", "", "", ""},
        {"x", "x", "x", "x"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.input);
        CString left(row.input), right(row.input), both(row.input);
        left.TrimLeft();
        right.TrimRight();
        both.Trim();
        EXPECT_STREQ(row.left, left);
        EXPECT_STREQ(row.right, right);
        EXPECT_STREQ(row.both, both);
    }
    CString text("--12.50--");
    text.TrimLeft('-');
    text.TrimRight("-0");
    EXPECT_STREQ("12.5", text);
}

TEST(String, CaseAndReversal)
{
    // Letters beyond ASCII (code-page bytes) stay as they are.
    CString text("Cr\xE8me Br\xFBl\xE9\x65 2");
    text.MakeUpper();
    EXPECT_STREQ("CR\xE8ME BR\xFBL\xE9\x45 2", text);
    text.MakeLower();
    EXPECT_STREQ("cr\xE8me br\xFBl\xE9\x65 2", text);
    text = "abc";
    text.MakeReverse();
    EXPECT_STREQ("cba", text);
}

TEST(String, ReplaceRemoveInsertDelete)
{
    CString text("a cup and a cup");
    EXPECT_EQ(2, text.Replace("cup", "tablespoon"));
    EXPECT_STREQ("a tablespoon and a tablespoon", text);
    EXPECT_EQ(0, text.Replace("", "x"));
    EXPECT_EQ(2, text.Replace("tablespoon", ""));
    EXPECT_STREQ("a  and a ", text);
    EXPECT_EQ(4, text.Replace(' ', '_'));
    EXPECT_STREQ("a__and_a_", text);
    EXPECT_EQ(4, text.Remove('_'));
    EXPECT_STREQ("aanda", text);

    // Replacements are not scanned again.
    text = "aaa";
    EXPECT_EQ(3, text.Replace("a", "aa"));
    EXPECT_STREQ("aaaaaa", text);

    text = "ac";
    EXPECT_EQ(3, text.Insert(1, 'b'));
    EXPECT_EQ(6, text.Insert(99, "def"));
    EXPECT_STREQ("abcdef", text);
    EXPECT_EQ(4, text.Delete(1, 2));
    EXPECT_STREQ("adef", text);
    EXPECT_EQ(3, text.Delete(3, 10));
    EXPECT_STREQ("ade", text);
}

TEST(String, BufferAccess)
{
    CString text("old");
    char* buffer = text.GetBuffer(10);
    std::strcpy(buffer, "new text");
    text.ReleaseBuffer();
    EXPECT_STREQ("new text", text);
    EXPECT_EQ(8, text.GetLength());

    buffer = text.GetBuffer(0);
    buffer[3] = '\0';
    text.ReleaseBuffer();
    EXPECT_STREQ("new", text);

    buffer = text.GetBufferSetLength(5);
    std::memcpy(buffer, "a\0b\0c", 5);
    EXPECT_EQ(5, text.GetLength());
    text.ReleaseBuffer(3);
    EXPECT_EQ(3, text.GetLength());
    EXPECT_EQ('b', text[2]);
}

TEST(String, LoadStringOfAMissingIdFailsAndEmpties)
{
    CString text("before");
    EXPECT_FALSE(text.LoadString(65000));
    EXPECT_TRUE(text.IsEmpty());
}

}  // namespace
