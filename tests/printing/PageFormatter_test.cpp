#include "printing/PageFormatter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/RecordingFormatter.h"

namespace {

using Lines = std::vector<std::string>;

struct WrapCase
{
    const char* name;
    int pageWidth;
    int mode;
    const char* text;
    Lines expected;
};

TEST(PageFormatter, WrapsIndentsAndCentresLines)
{
    const std::string twenty(20, 'w');
    const WrapCase cases[] = {
        {"exact width", 15, 0, "abcdefghijklmno", {"abcdefghijklmno"}},
        {"one over", 15, 0, "abcdefghij klmnop", {"abcdefghij", "klmnop"}},
        {"20-letter word at width 15", 15, 0, twenty.c_str(), {std::string(15, 'w'), std::string(5, 'w')}},
        {"blanks across the break stay on the first line",
         15,
         0,
         "abcdefghijklm    next",
         {"abcdefghijklm   ", "next"}},
        {"hanging indent 5",
         15,
         'h',
         "aaaa bbbb cccc dddd eeee ffff",
         {"aaaa bbbb cccc", "     dddd eeee", "     ffff"}},
        {"first-line indent 5", 15, 'f', "aaaa bbbb cccc dddd eeee", {"     aaaa bbbb", "cccc dddd eeee"}},
        {"centred", 15, 'c', "abc", {"      abc"}},
        {"empty text", 65, 0, "", {" "}},
        {"CR LF between two texts", 65, 0, "a\r\nb", {"a ", "b"}},
        {"tab becomes a blank", 65, 0, "a\tb", {"a b"}},
        {"text after a blank line is written", 65, 0, "a\n\nb", {"a", " ", "b"}},
        {"a final line feed opens no line", 65, 0, "a\n", {"a"}},
    };
    for (const WrapCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CRecordingFormatter output(c.pageWidth);
        const CLineFormat format(0, c.mode, 5, 100);
        output.WriteText(c.text, &format);
        EXPECT_EQ(c.expected, output.Lines);
    }
}

TEST(PageFormatter, LinesOfPagesWiderThanTheOldBufferAreWrittenWhole)
{
    CRecordingFormatter output(400);
    const std::string text(350, 'x');
    output.WriteText(text.c_str(), nullptr);
    EXPECT_EQ(Lines{text}, output.Lines);

    const CLineFormat centred(0, 'c', 5, 100);
    output.Lines.clear();
    output.WriteText("abc", &centred);
    EXPECT_EQ(Lines{std::string(198, ' ') + "abc"}, output.Lines);
}

TEST(PageFormatter, NewFormatterHasA64DashRuleAndAClearedFormat)
{
    CRecordingFormatter output;
    EXPECT_EQ(65, output.GetTextWidth());
    output.WriteRule(0);
    EXPECT_EQ(Lines{std::string(64, '-')}, output.Lines);
    const CLineFormat& format = output.GetLineFormat();
    EXPECT_EQ(0, format.Mode);
    EXPECT_EQ(0, format.TabCount);
    EXPECT_EQ(0, format.TabStops[0]);
    EXPECT_EQ(0, format.SizePercent);
}

TEST(PageFormatter, LineFormatConstructorsMapFlagsAndTabs)
{
    const CLineFormat standard;
    EXPECT_EQ(10, standard.TabCount);
    const int stops[] = {5, -30, 30, 40, -60, 60, 65, 70, 75, 80};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(stops[i], standard.TabStops[i]);
    EXPECT_EQ(100, standard.SizePercent);

    const CLineFormat styled(CLineFormat::FlagBold | CLineFormat::FlagUnderline, 'h', 7, 160);
    EXPECT_EQ('h', styled.Mode);
    EXPECT_EQ(7, styled.TabStops[0]);
    EXPECT_EQ(1, styled.Bold);
    EXPECT_EQ(0, styled.Italic);
    EXPECT_EQ(1, styled.Underline);
    EXPECT_EQ(160, styled.SizePercent);
}

TEST(PageFormatter, SpacerLineIsABlankOfStyleOne)
{
    CRecordingFormatter output;
    output.WriteSpacerLine();
    EXPECT_EQ(Lines{" "}, output.Lines);
    EXPECT_EQ(1, output.GetLineFormat().ParagraphStyle);
}

std::string Row(const std::string& a, const std::string& b, const std::string& c)
{
    // Text width 65 in three columns: 19 characters each, 4 between.
    std::string row(65, ' ');
    row.replace(0, a.size(), a);
    row.replace(23, b.size(), b);
    row.replace(46, c.size(), c);
    return row;
}

TEST(PageFormatter, SevenCheckBoxesInThreeColumnsReadDown)
{
    const char* entries[] = {"[ ] 1", "[ ] 2", "[ ] 3", "[ ] 4", "[ ] 5", "[ ] 6", "[ ] 7"};
    CRecordingFormatter output;
    output.WriteColumns(entries, 7, 3, nullptr);
    EXPECT_EQ((Lines{Row("[ ] 1", "[ ] 4", "[ ] 7"), Row("[ ] 2", "[ ] 5", ""), Row("[ ] 3", "[ ] 6", "")}),
              output.Lines);
    EXPECT_EQ(3, output.GetLineFormat().TabCount);
    EXPECT_EQ(23, output.GetLineFormat().TabStops[0]);
}

TEST(PageFormatter, HeadingIsHeldOverToTheNextColumn)
{
    const char* entries[] = {"[ ] 1", "Dairy", "[ ] 2", "  ", "[ ] 3"};
    CRecordingFormatter output;
    output.WriteColumns(entries, 5, 3, nullptr);
    EXPECT_EQ((Lines{Row("[ ] 1", "Dairy", "[ ] 3"), Row("", "[ ] 2", "")}), output.Lines)
        << "the third column skips the blank entry at its top";
}

class PagedFormatter : public CRecordingFormatter
{
public:
    PagedFormatter() { m_paged = 1; }
    int GetLinesLeft() override { return 1; }
};

TEST(PageFormatter, OneRowBlocksStillPlaceHeadings)
{
    const char* entries[] = {"Dairy", "[ ] milk", "Bakery", "[ ] bread"};
    PagedFormatter output;
    output.WriteColumns(entries, 4, 3, nullptr);
    EXPECT_EQ((Lines{Row("Dairy", "[ ] milk", "Bakery"), Row("[ ] bread", "", "")}), output.Lines);
}

TEST(PageFormatter, ShortListsAndOneColumnAreWrittenLineByLine)
{
    const char* entries[] = {"one", "two", nullptr, "never"};
    CRecordingFormatter output;
    output.WriteColumns(entries, 4, 3, nullptr);
    EXPECT_EQ((Lines{"one", "two"}), output.Lines);
}

}  // namespace
