#include "printing/PrinterOutput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/PrintInfo.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "printing/PrintAbortDlg.h"
#include "printing/ReportJob.h"
#include "shell/settings/AppSettings.h"
#include "shell/ShellTestFolder.h"
#include "support/TestPrinter.h"

namespace {

using testprinter::CTestPrinter;

class PrinterOutput : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        m_settings = std::make_unique<CAppSettings>();
        g_pAppSettings = m_settings.get();
        m_printer = std::make_unique<CTestPrinter>("Savorum Test Output", PathOf("out.ps"));
        ASSERT_TRUE(m_printer->IsReady()) << "the prefix has no test printer driver";
    }
    void TearDown() override
    {
        m_printer.reset();
        g_pAppSettings = nullptr;
        m_settings.reset();
    }

    PrintSettings& Record() { return *g_pAppSettings->GetPrintRecord(); }
    void UseCards(int nChoice, double width, double height, int nPerSheet)
    {
        Record().SelectedPageSize = nChoice;
        Record().PageWidth = width;
        Record().PageHeight = height;
        Record().SubPages = nPerSheet;
        Record().Orientation = nChoice == 5 ? 1 : 0;
        Record().TopMargin = Record().BottomMargin = Record().LeftMargin = Record().RightMargin = 0.5;
    }
    std::string Output() const { return testprinter::ReadBytes(m_printer->OutputFile()); }
    std::vector<std::string> Pages(int nPages) const
    {
        return testprinter::ReadPageTexts(m_printer->OutputFile(), nPages);
    }

    std::unique_ptr<CAppSettings> m_settings;
    std::unique_ptr<CTestPrinter> m_printer;
};

void WriteNumberedLines(CPageFormatter& output, int nFirst, int nLast)
{
    for (int i = nFirst; i <= nLast; ++i)
        output.WriteText(("line " + std::to_string(i)).c_str(), nullptr);
}

TEST_F(PrinterOutput, PagesHoldTheLinesTheDeviceMetricsAllow)
{
    int nPerPage = 0;
    {
        CPrinterOutput output("Lines");
        nPerPage = output.GetLinesLeft();
        ASSERT_GT(nPerPage, 10);
        WriteNumberedLines(output, 1, nPerPage + 2);
        output.WriteRule(2);
    }
    const std::string postScript = Output();
    ASSERT_EQ(2, testprinter::CountPages(postScript));
    const std::vector<std::string> pages = Pages(2);
    EXPECT_NE(std::string::npos, pages[0].find("line " + std::to_string(nPerPage) + "\n"));
    EXPECT_EQ(std::string::npos, pages[0].find("line " + std::to_string(nPerPage + 1) + "\n"));
    EXPECT_EQ(0u, pages[1].find("line " + std::to_string(nPerPage + 1) + "\n"));
}

TEST_F(PrinterOutput, ThreeCardSheetFillsThreeCardsBeforeANewPage)
{
    UseCards(3, 5.0, 3.0, 3);
    int nPerCard = 0;
    {
        CPrinterOutput output("Cards");
        nPerCard = output.GetLinesLeft();
        ASSERT_GT(nPerCard, 2);
        WriteNumberedLines(output, 1, 3 * nPerCard + 1);
    }
    ASSERT_EQ(2, testprinter::CountPages(Output()));
    const std::vector<std::string> pages = Pages(2);
    EXPECT_NE(std::string::npos, pages[0].find("line " + std::to_string(3 * nPerCard) + "\n"));
    EXPECT_EQ("line " + std::to_string(3 * nPerCard + 1) + "\n", pages[1]);
}

TEST_F(PrinterOutput, CardsSideBySidePrintOverAndIngredientsInTwoColumns)
{
    UseCards(5, 5.0, 3.0, 2);
    {
        CPrinterOutput output("Over");
        // The second card's first line stands level with the title.
        output.WriteText("Title", nullptr);
        CLineFormat ingredient;
        ingredient.ParagraphStyle = 10;
        output.WriteText("1 cup flour", &ingredient);
        output.WriteText("2 eggs", &ingredient);
        output.WriteText("1 tsp salt", &ingredient);
        CLineFormat plain;
        output.WriteText("Mix well.", &plain);
        const int nLeft = output.GetLinesLeft();
        WriteNumberedLines(output, 1, nLeft + 1);
    }
    const std::string postScript = Output();
    ASSERT_EQ(1, testprinter::CountPages(postScript));
    EXPECT_NE(std::string::npos, postScript.find("%%Orientation: Landscape")) << "landscape sheet";
    const std::string upright = m_printer->OutputFile() + ".upright.ps";
    testprinter::WriteUpright(m_printer->OutputFile(), upright);
    const std::string page = testprinter::ReadPageTexts(upright, 1)[0];
    EXPECT_NE(std::string::npos, page.find("1 cup flour 1 tsp salt\n")) << page;
    EXPECT_NE(std::string::npos, page.find("2 eggs")) << page;
    EXPECT_NE(std::string::npos, page.find("(OVER)")) << page;
}

TEST_F(PrinterOutput, MissingFaceFallsBackToMsSerifInTheRecord)
{
    lstrcpynA(Record().FontFace, "No Such Face Anywhere", LF_FACESIZE);
    {
        CPrinterOutput output("Face");
        output.WriteText("text", nullptr);
    }
    EXPECT_STREQ("MS Serif", Record().FontFace);
}

TEST_F(PrinterOutput, SizePercentLastsOneLine)
{
    CPrinterOutput output("Size");
    CLineFormat big;
    big.SizePercent = 160;
    output.WriteText("Big", &big);
    EXPECT_EQ(0, output.GetLineFormat().SizePercent);
}

TEST_F(PrinterOutput, CancelStopsTheJobAndEnablesTheMainWindow)
{
    CWinApp app("Savorum");
    CWnd mainWindow;
    mainWindow.m_hWnd =
        ::CreateWindowA("STATIC", "main", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    app.m_pMainWnd = &mainWindow;
    {
        auto pOutput = std::make_unique<CPrinterOutput>("Cancel");
        EXPECT_FALSE(::IsWindowEnabled(mainWindow.m_hWnd));
        pOutput->WriteText("before", nullptr);
        EXPECT_EQ(0, pOutput->IsAborted());
        ::PostMessageA(CPrintAbortDlg::GetCancelButton(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        EXPECT_EQ(1, pOutput->IsAborted());
        CReportJob job(pOutput.get(), 2000);
        job.WriteLine("after", 0);
    }
    EXPECT_TRUE(::IsWindowEnabled(mainWindow.m_hWnd));
    EXPECT_EQ(nullptr, CPrintAbortDlg::GetHandle());
    EXPECT_EQ(std::string::npos, Output().find("after"));
    app.m_pMainWnd = nullptr;
    ::DestroyWindow(mainWindow.m_hWnd);
    mainWindow.m_hWnd = nullptr;
}

TEST_F(PrinterOutput, PrintJobLinesAreStoredWithCleanTabsAndRules)
{
    CPrintInfo info;
    info.m_hDC = m_printer->CreateDC(false);
    ASSERT_NE(nullptr, info.m_hDC);
    {
        CPrinterOutput output(&info);
        EXPECT_EQ(&output, info.m_lpUserData);
        output.WriteText("a\t   b", nullptr);
        output.WriteText("end\t", nullptr);
        output.WriteRule(3);
        const auto& lines = output.GetEngine().GetStoredLines();
        ASSERT_EQ(3u, lines.size());
        EXPECT_EQ("a\tb", lines[0].Text);
        EXPECT_EQ("end", lines[1].Text);
        EXPECT_EQ('L', lines[2].Format.Mode);
        EXPECT_EQ(3, lines[2].Format.SizePercent);
    }
    // The job's DC outlives the output.
    EXPECT_NE(0, ::GetDeviceCaps(info.m_hDC, LOGPIXELSY));
    ::DeleteDC(info.m_hDC);
}

TEST_F(PrinterOutput, StoredLinesReplayInAWindowWithTenHotSpots)
{
    CLayoutEngine store;
    store.BeginDocument(nullptr, nullptr, nullptr, 0);
    CLineFormat hotSpot;
    hotSpot.ParagraphStyle = CLayoutEngine::HotSpotStyle;
    for (int i = 1; i <= 11; ++i)
        store.LayoutText(("Spot " + std::to_string(i)).c_str(), hotSpot, nullptr);
    ASSERT_EQ(11, store.GetLineCount());

    HDC hScreen = ::GetDC(nullptr);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 400, 600);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
    RECT all = {0, 0, 400, 600};
    ::FillRect(hMemory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    HWND hWnd = ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);

    CLayoutEngine window;
    window.SetMode(CLayoutEngine::WindowMode);
    window.SetHotSpotColours(RGB(0, 0, 255), RGB(255, 255, 255), RGB(255, 0, 0), RGB(255, 255, 255));
    window.BeginDocument(nullptr, hWnd, hMemory, 0);
    for (CLayoutEngine::StoredLine line : store.GetStoredLines())
        window.LayoutText(line.Text.c_str(), line.Format, hMemory);
    EXPECT_EQ(10, window.GetHotSpotCount()) << "the eleventh is plain text";

    const RECT third = window.GetHotSpot(2).Rect;
    EXPECT_EQ(RGB(0, 0, 255), ::GetPixel(hMemory, third.left + 1, third.top + 1));
    EXPECT_EQ(1, window.SelectHotSpotAt(third.left + 1, third.top + 1, hMemory));
    EXPECT_STREQ("Spot 3", window.GetSelectedHotSpot());
    EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(hMemory, third.left + 1, third.top + 1));
    const RECT tenth = window.GetHotSpot(9).Rect;
    EXPECT_EQ(0, window.SelectHotSpotAt(tenth.left + 1, tenth.bottom + 2, hMemory));

    window.EndDocument(0);
    ::DestroyWindow(hWnd);
    ::SelectObject(hMemory, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemory);
}

}  // namespace
