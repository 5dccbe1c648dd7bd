#include "shell/services/ErrorReporter.h"

#include <regex>

#include "database/DatabaseErrorReport.h"
#include "database/GenericRecordset.h"
#include "framework/DBException.h"
#include "framework/String.h"
#include "ShellTestFolder.h"

using shelltest::ProgramFolderTest;
using shelltest::ReadFile;
using shelltest::WriteFile;

namespace {

const char s_stamp[] = R"(Logged on \d\d/\d\d/\d\d \d\d:\d\d:\d\d\r\n)";

bool MatchesLog(const std::string& log, const std::string& pattern)
{
    return std::regex_match(log, std::regex(pattern));
}

using ErrorLog = ProgramFolderTest;

TEST_F(ErrorLog, EntriesCarryStampTextOptionalDetailAndEmptyLine)
{
    CErrorReporter reporter;
    reporter.WriteLogEntry("First trouble");
    reporter.WriteLogEntry("Second trouble", "Database error. ");

    const std::string log = ReadFile(PathOf("log.txt"));
    EXPECT_TRUE(MatchesLog(log, std::string(s_stamp) + "First trouble\r\n\r\n" + s_stamp +
                                    "Second trouble\r\nDatabase error. \r\n\r\n"))
        << log;
}

TEST_F(ErrorLog, LogOverTwentyThousandBytesStartsAfresh)
{
    const struct
    {
        size_t cbBefore;
        bool bKept;
    } cases[] = {{20000, true}, {20001, false}, {100, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.cbBefore);
        const std::string before(c.cbBefore, 'x');
        WriteFile(PathOf("log.txt"), before);

        CErrorReporter().WriteLogEntry("Entry");

        const std::string log = ReadFile(PathOf("log.txt"));
        const size_t cbKept = c.bKept ? c.cbBefore : 0;
        EXPECT_EQ(before.substr(0, cbKept), log.substr(0, cbKept));
        EXPECT_TRUE(MatchesLog(log.substr(cbKept), std::string(s_stamp) + "Entry\r\n\r\n"));
    }
}

TEST_F(ErrorLog, UnwritableLogIsSkippedAndTheBoxStillShows)
{
    CreateDirectoryA(PathOf("log.txt").c_str(), nullptr);

    CErrorReporter().ShowErrorText("Still shown");

    ASSERT_EQ(1u, m_boxes.GetShown().size());
    EXPECT_STREQ("Still shown", m_boxes.GetShown()[0].text);
}

using ErrorBox = ProgramFolderTest;

TEST_F(ErrorBox, ShowsTextUnderTheReporterCaptionAndLogsTheDetail)
{
    CErrorReporter reporter;
    EXPECT_EQ(IDOK, reporter.ShowErrorText("Disk trouble", "while saving"));
    EXPECT_EQ(IDYES, reporter.ShowErrorText("Go on?", nullptr, MB_YESNO | MB_ICONQUESTION));

    ASSERT_EQ(2u, m_boxes.GetShown().size());
    EXPECT_STREQ("Disk trouble", m_boxes.GetShown()[0].text);
    EXPECT_STREQ("Savorum Message", m_boxes.GetShown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK), m_boxes.GetShown()[0].nType);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), m_boxes.GetShown()[1].nType);
    EXPECT_TRUE(MatchesLog(ReadFile(PathOf("log.txt")), std::string(s_stamp) + "Disk trouble\r\nwhile saving\r\n\r\n" +
                                                            s_stamp + "Go on\\?\r\n\r\n"));
}

// The database layer has no box of its own once the shell's reporter is installed.
TEST_F(ErrorBox, DatabaseErrorsAreShownAndLoggedThroughTheInstalledReporter)
{
    const CDatabaseErrorReport::Reporter previous = CDatabaseErrorReport::Install(&CErrorReporter::ReportDatabaseError);
    CDBException e;
    e.m_strError = "disk I/O error";
    CGenericRecordset::ReportException(&e, "Error Deleting QUANTITY Recordset: \r\n", MB_ICONSTOP | MB_OK);
    CDatabaseErrorReport::Install(previous);

    ASSERT_EQ(1u, m_boxes.GetShown().size());
    EXPECT_STREQ("Error Deleting QUANTITY Recordset: \r\ndisk I/O error", m_boxes.GetShown()[0].text);
    EXPECT_STREQ("Savorum Message", m_boxes.GetShown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP | MB_OK), m_boxes.GetShown()[0].nType);
    const std::string log = ReadFile(PathOf("log.txt"));
    EXPECT_TRUE(MatchesLog(log, std::string(s_stamp) + "Error Deleting QUANTITY Recordset: \\s+disk I/O error\\s+"))
        << log;
}

TEST_F(ErrorBox, CodesNameTheirTextsAndCodesWithoutOneSayUnknown)
{
    const struct
    {
        int nCode;
        const char* text;
    } cases[] = {
        {0, "No errors."},
        {1, "Unknown error"},
        {2, "A general error has occured in the database."},
        {3, "Unknown error (code 3)."},
        {5, "Unknown error (code 5)."},
        {6, "Scaling has encountered an invalid Unit of Measurement."},
        {8, "An attempt to create a database object has failed.  See log.txt"},
        {21, "Unable to determine import file type."},
        {22, "Unknown error (code 22)."},
        {-1, "Unknown error (code -1)."},
    };
    CErrorReporter reporter;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nCode);
        m_boxes.ClearShown();
        reporter.ShowErrorMessage(c.nCode, "detail");
        ASSERT_EQ(1u, m_boxes.GetShown().size());
        EXPECT_STREQ(c.text, m_boxes.GetShown()[0].text);
    }
}

// A window whose tear-down leaves a mark, as the main frame's saves the settings.
LRESULT CALLBACK MarkDestructionProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_DESTROY)
        WriteFile("destroyed.txt", "yes");
    return DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

HWND CreateWindowMarkingItsDestruction()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MarkDestructionProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "FatalErrorTestFrame";
    RegisterClassA(&windowClass);
    return CreateWindowA("FatalErrorTestFrame", "Frame", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                         windowClass.hInstance, nullptr);
}

TEST_F(ErrorBox, FatalErrorLogsTearsTheWindowsDownThenEndsWithMinusOne)
{
    EXPECT_EXIT(
        {
            ASSERT_NE(nullptr, CreateWindowMarkingItsDestruction());
            CErrorReporter().ShowFatalErrorMessage(2, "at start-up");
        },
        testing::ExitedWithCode(-1), "");

    EXPECT_TRUE(
        MatchesLog(ReadFile(PathOf("log.txt")),
                   std::string(s_stamp) + "A general error has occured in the database.\r\nat start-up\r\n\r\n"));
    EXPECT_EQ("yes", ReadFile(PathOf("destroyed.txt")));
}

}  // namespace
