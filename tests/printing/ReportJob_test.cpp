#include "printing/ReportJob.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "database/PrintPrefs.h"
#include "printing/RecordingFormatter.h"
#include "shell/settings/AppSettings.h"
#include "shell/ShellTestFolder.h"

namespace {

using Lines = std::vector<std::string>;

// Exposes the protected state a layout would read.
class ProbeJob : public CReportJob
{
public:
    explicit ProbeJob(CPageFormatter* pOutput) : CReportJob(pOutput, 2000) {}
    void SetBlankLinesAfter(int n) { m_blankLinesAfter = n; }
    int Template() const { return m_recipeTemplate; }
    std::vector<int> Options() const
    {
        return {m_optionA, m_optionB, m_optionC, m_optionD, m_servingsOverrideOn, m_servingsOverride};
    }
};

class ReportJob : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        m_settings = std::make_unique<CAppSettings>();
        g_pAppSettings = m_settings.get();
    }
    void TearDown() override
    {
        g_pAppSettings = nullptr;
        m_settings.reset();
    }

    std::unique_ptr<CAppSettings> m_settings;
    CRecordingFormatter m_output;
};

TEST_F(ReportJob, BlankLinesFollowTheDefaultCount)
{
    ProbeJob job(&m_output);
    ASSERT_TRUE(job.IsValid());
    job.WriteBlankLines(0);
    EXPECT_TRUE(m_output.Lines.empty());

    job.SetBlankLinesAfter(1);
    job.WriteBlankLines(0);
    EXPECT_EQ(Lines{" "}, m_output.Lines);

    m_output.Lines.clear();
    job.WriteBlankLines(-2);
    job.WriteLine("text", 2);
    EXPECT_EQ((Lines{"text", " ", " "}), m_output.Lines);
}

TEST_F(ReportJob, TextLinesSplitAtRunsOfLineEnds)
{
    ProbeJob job(&m_output);
    job.WriteTextLines("a\r\n\r\nb");
    EXPECT_EQ((Lines{"a", "b"}), m_output.Lines);

    m_output.Lines.clear();
    job.WriteTextLines("");
    EXPECT_EQ(Lines{" "}, m_output.Lines);
}

TEST_F(ReportJob, NothingIsWrittenAfterAnAbort)
{
    ProbeJob job(&m_output);
    m_output.Aborted = 1;
    job.WriteLine("lost", 3);
    job.WriteTextLines("a\nb");
    EXPECT_TRUE(m_output.Lines.empty());
}

TEST_F(ReportJob, LineFormatTabTablesForNarrowAndWide)
{
    struct Case
    {
        int wide;
        std::vector<int> stops;
    };
    const Case cases[] = {
        {0, {8, -22, 22, -30, 45, 50, 55, 60, 65, 70}},
        {1, {8, -30, 31, -50, 45, 50, 55, 60, 65, 70}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.wide);
        ProbeJob job(&m_output);
        job.SetLineFormat(CLineFormat::FlagItalic | CLineFormat::Flag8, 'h', 8, 120, 10, c.wide, 3);
        const CLineFormat& format = m_output.GetLineFormat();
        EXPECT_EQ(std::vector<int>(format.TabStops, format.TabStops + 10), c.stops);
        EXPECT_EQ('h', format.Mode);
        EXPECT_EQ(10, format.TabCount);
        EXPECT_EQ(0, format.Bold);
        EXPECT_EQ(1, format.Italic);
        EXPECT_EQ(1, format.StyleFlag8);
        EXPECT_EQ(120, format.SizePercent);
        EXPECT_EQ(10, format.ParagraphStyle);
        EXPECT_EQ(3, format.StyleValue);
    }
}

TEST_F(ReportJob, OptionsLoadFromAPrintPreferenceBlockOrTheSettings)
{
    g_pAppSettings->GetPrintRecord()->PrintTemplate = 6;
    ProbeJob job(&m_output);
    EXPECT_EQ(6, job.Template());

    PrintPrefs prefs{};
    prefs.System.Units = 2;
    prefs.System.Fractional = 1;
    prefs.System.SeasoningRatio = 125;
    prefs.System.ScaleRanging = 0;
    prefs.Servings = 8;
    job.LoadPrintOptions(&prefs);
    EXPECT_EQ((std::vector<int>{2, 1, 0, 125, 1, 8}), job.Options());

    // The settings' units of 3 turn the servings override off.
    job.LoadPrintOptions(nullptr);
    EXPECT_EQ((std::vector<int>{3, 0, 1, 150, 0, 0}), job.Options());
    g_pAppSettings->GetSystemRecord()->Units = 1;
    job.LoadPrintOptions(nullptr);
    EXPECT_EQ((std::vector<int>{1, 0, 1, 150, 1, 0}), job.Options());
}

}  // namespace
