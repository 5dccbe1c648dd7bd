#include "printing/ReportOutput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "exchange/PlainTextStream.h"
#include "exchange/RtfStream.h"
#include "framework/PrintInfo.h"
#include "printing/PrintAbortDlg.h"
#include "printing/PrinterOutput.h"
#include "shell/ShellTestFolder.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"
#include "support/TestPrinter.h"

namespace {

class ReportOutput : public shelltest::ProgramFolderTest
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
        SetPrintFile("pxprint.txt", kPrintText);
        g_pAppSettings = nullptr;
        m_settings.reset();
    }

    void PrintToFile(const std::string& name, int nKind)
    {
        g_pAppSettings->GetPrintRecord()->PrintToFile = 1;
        SetPrintFile(PathOf(name).c_str(), nKind);
    }

    std::unique_ptr<CAppSettings> m_settings;
};

TEST_F(ReportOutput, PrintToFileWritesPlainTextOrRtfByTheOutputKind)
{
    PrintToFile("out.txt", kPrintText);
    shelltest::WriteFile(PathOf("out.txt"), "an older and much longer print file");
    std::unique_ptr<CPageFormatter> plain = OpenReportOutput("recipes");
    ASSERT_NE(nullptr, dynamic_cast<CPlainTextStream*>(plain.get()));
    plain->WriteText("a line far longer than the sixty-five characters of a page, never wrapped", nullptr);
    EXPECT_EQ(7, CloseReportOutput(std::move(plain), 7));
    EXPECT_EQ("a line far longer than the sixty-five characters of a page, never wrapped\r\n",
              shelltest::ReadFile(PathOf("out.txt")));

    PrintToFile("out.rtf", kPrintRtf);
    std::unique_ptr<CPageFormatter> rtf = OpenReportOutput("recipes");
    ASSERT_NE(nullptr, dynamic_cast<CRtfStream*>(rtf.get()));
    rtf->WriteText("Soup", nullptr);
    CloseReportOutput(std::move(rtf), 1);
    const std::string text = shelltest::ReadFile(PathOf("out.rtf"));
    EXPECT_EQ(0u, text.find("{\\rtf"));
    EXPECT_NE(std::string::npos, text.find("Soup"));
    EXPECT_EQ('}', text.substr(text.find_last_not_of("\r\n")).front()) << "the document is closed";
}

TEST_F(ReportOutput, UnopenableFileIsReportedAndGivesNoOutput)
{
    PrintToFile("no such folder\\out.txt", kPrintText);
    EXPECT_EQ(nullptr, OpenReportOutput("recipes"));
    ASSERT_EQ(1u, m_boxes.GetShown().size());
    EXPECT_STREQ(("Unable to open file:  " + PathOf("no such folder\\out.txt")).c_str(), m_boxes.GetTexts()[0]);
}

// The default printer named by the user's profile has gone: no document can start on it.
class CGoneDefaultPrinter
{
public:
    CGoneDefaultPrinter()
    {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kWindowsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr);
        char previous[512] = {};
        DWORD cb = sizeof previous;
        if (::RegQueryValueExA(m_hKey, "Device", nullptr, nullptr, reinterpret_cast<BYTE*>(previous), &cb) ==
            ERROR_SUCCESS)
            m_previous = previous;
        SetDevice("Savorum Gone Printer,winspool,FILE:");
    }
    ~CGoneDefaultPrinter()
    {
        if (m_previous.empty())
            ::RegDeleteValueA(m_hKey, "Device");
        else
            SetDevice(m_previous);
        ::RegCloseKey(m_hKey);
    }

private:
    static constexpr const char* kWindowsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

    void SetDevice(const std::string& value)
    {
        ::RegSetValueExA(m_hKey, "Device", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
    }

    HKEY m_hKey = nullptr;
    std::string m_previous;
};

TEST_F(ReportOutput, PrinterDocumentThatCannotStartGivesNoOutput)
{
    CGoneDefaultPrinter gone;
    g_pAppSettings->GetPrintRecord()->PrintToFile = 0;
    EXPECT_EQ(nullptr, OpenReportOutput("recipes"));
    EXPECT_EQ(nullptr, CPrintAbortDlg::GetHandle());
}

TEST_F(ReportOutput, PrintJobOutputStaysWithTheJobAfterTheClose)
{
    testprinter::CTestPrinter printer("Savorum Test Output", PathOf("out.ps"));
    ASSERT_TRUE(printer.IsReady());
    CPrintInfo info;
    info.m_hDC = printer.CreateDC(false);
    CPrinterOutput* pOutput = OpenPrintJobOutput(&info);
    EXPECT_EQ(pOutput, info.m_lpUserData);
    pOutput->WriteText("kept", nullptr);
    EXPECT_EQ(3, ClosePrintJobOutput(pOutput, 3));
    ASSERT_EQ(1u, pOutput->GetEngine().GetStoredLines().size());
    EXPECT_EQ("kept", pOutput->GetEngine().GetStoredLines()[0].Text);
    delete pOutput;
    EXPECT_NE(0, ::GetDeviceCaps(info.m_hDC, LOGPIXELSY)) << "the job's DC outlives its output";
    ::DeleteDC(info.m_hDC);
}

}  // namespace
