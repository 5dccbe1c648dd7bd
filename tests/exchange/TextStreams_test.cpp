#include "exchange/PlainTextStream.h"
#include "exchange/RtfStream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "support/TestDataFolder.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::string GoldenFile(const std::string& name)
{
    return ReadBytes(testdata::WindowsPath(SAVORUM_EXCHANGE_GOLDEN) + "\\" + name);
}

class TextStreams : public testing::Test
{
protected:
    std::string OutputPath(const std::string& suffix) const
    {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        return testdata::Folder() + "\\exchange." + info->name() + suffix;
    }
    static std::unique_ptr<std::ostream> OpenFile(const std::string& path)
    {
        return std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
    }
};

CLineFormat Styled(int nStyle)
{
    CLineFormat format;
    format.ParagraphStyle = nStyle;
    return format;
}

void WriteSampleDocument(CPageFormatter& output)
{
    const CLineFormat title = Styled(4);
    const CLineFormat ingredient = Styled(10);
    const CLineFormat nutrition = Styled(12);
    const CLineFormat plain = Styled(0);
    output.WriteText("Apple {Crumble}", &title);
    output.WriteText("2 cups\t   flour", &ingredient);
    output.WriteText("1 tsp C:\\salt", &ingredient);
    output.WriteText("240", &nutrition);
    output.WriteRule(0);
    output.WriteText("2 eggs", &plain);
    output.WriteText("first\r\nsecond\nthird\n", nullptr);
    output.WriteText("Caf\xe9 au lait: a text long enough to need its source line broken after a blank "
                     "somewhere past the sixty-first character",
                     nullptr);
    output.NewPage();
    output.WriteText("", nullptr);
}

TEST_F(TextStreams, RtfDocumentMatchesItsGoldenFile)
{
    const std::string path = OutputPath(".rtf");
    {
        CRtfStream output(OpenFile(path));
        WriteSampleDocument(output);
        EXPECT_EQ(0, output.IsAborted());
    }
    EXPECT_EQ(GoldenFile("sample.rtf"), ReadBytes(path));
}

TEST_F(TextStreams, EveryRtfDocumentStartsWithItsOwnStyle)
{
    const std::string first = OutputPath("1.rtf");
    const std::string second = OutputPath("2.rtf");
    const CLineFormat title = Styled(4);
    // Both open at once, as a second export may while the first is still being written.
    auto pFirst = std::make_unique<CRtfStream>(OpenFile(first));
    auto pSecond = std::make_unique<CRtfStream>(OpenFile(second));
    pFirst->WriteText("Title", &title);
    pSecond->WriteText("Title", &title);
    pFirst.reset();
    pSecond.reset();
    EXPECT_NE(std::string::npos,
              ReadBytes(second).find("\\pard\\plain \\s24\\qc\\sb240\\sa120 \\b\\f4\\fs28 Title\\par \r\n}}"));
    EXPECT_EQ(ReadBytes(first), ReadBytes(second));
}

TEST_F(TextStreams, PlainTextMatchesItsGoldenFile)
{
    const std::string path = OutputPath(".txt");
    const std::string wrappedPath = OutputPath("-wrapped.txt");
    const std::string longLine = "A line that is longer than the sixty-five characters of a page, written whole.";
    {
        CPlainTextStream unwrapped(OpenFile(path), 0);
        WriteSampleDocument(unwrapped);
        unwrapped.WriteText(longLine.c_str(), nullptr);
    }
    EXPECT_EQ(GoldenFile("unwrapped.txt"), ReadBytes(path));
    {
        CPlainTextStream wrapped(OpenFile(wrappedPath), 1);
        WriteSampleDocument(wrapped);
        wrapped.WriteText(longLine.c_str(), nullptr);
    }
    EXPECT_EQ(GoldenFile("wrapped.txt"), ReadBytes(wrappedPath));
}

TEST_F(TextStreams, BothStreamsReportAFailedWriteAsAnAbort)
{
    const std::string fullDevice = "Z:\\dev\\full";
    CPlainTextStream plain(OpenFile(fullDevice), 0);
    EXPECT_EQ(0, plain.IsAborted());
    plain.WriteText("lost", nullptr);
    EXPECT_EQ(1, plain.IsAborted());

    CRtfStream rtf(OpenFile(fullDevice));
    rtf.WriteText("lost", nullptr);
    EXPECT_EQ(1, rtf.IsAborted());
}

}  // namespace
