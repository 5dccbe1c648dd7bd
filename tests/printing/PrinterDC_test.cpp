#include "shell/settings/WindowPlacement.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/DialogDriver.h"
#include "framework/FileDialog.h"
#include "framework/PrintDialog.h"
#include "shell/settings/AppSettings.h"
#include "shell/ShellTestFolder.h"
#include "support/TestPrinter.h"

namespace {

// What the print dialog hands back for a printer: its names and its device mode, no DC.
void ChoosePrinter(CPrintDialog& dialog, const std::string& name, bool toFile)
{
    const std::string driver = "winspool";
    const std::string port = "FILE:";
    const std::size_t cb = sizeof(DEVNAMES) + driver.size() + name.size() + port.size() + 3;
    HGLOBAL hNames = ::GlobalAlloc(GHND, cb);
    auto* pNames = static_cast<DEVNAMES*>(::GlobalLock(hNames));
    char* pText = reinterpret_cast<char*>(pNames);
    WORD offset = sizeof(DEVNAMES);
    for (const auto& part :
         {std::make_pair(&DEVNAMES::wDriverOffset, driver), std::make_pair(&DEVNAMES::wDeviceOffset, name),
          std::make_pair(&DEVNAMES::wOutputOffset, port)})
    {
        pNames->*part.first = offset;
        std::memcpy(pText + offset, part.second.c_str(), part.second.size() + 1);
        offset = static_cast<WORD>(offset + part.second.size() + 1);
    }
    ::GlobalUnlock(hNames);

    HANDLE hPrinter = nullptr;
    ::OpenPrinterA(const_cast<char*>(name.c_str()), &hPrinter, nullptr);
    const LONG cbMode = ::DocumentPropertiesA(nullptr, hPrinter, const_cast<char*>(name.c_str()), nullptr, nullptr, 0);
    HGLOBAL hMode = ::GlobalAlloc(GHND, static_cast<SIZE_T>(cbMode));
    ::DocumentPropertiesA(nullptr, hPrinter, const_cast<char*>(name.c_str()),
                          static_cast<DEVMODEA*>(::GlobalLock(hMode)), nullptr, DM_OUT_BUFFER);
    ::GlobalUnlock(hMode);
    ::ClosePrinter(hPrinter);

    dialog.m_pd.hDevNames = hNames;
    dialog.m_pd.hDevMode = hMode;
    dialog.m_pd.hDC = nullptr;
    if (toFile)
        dialog.m_pd.Flags |= PD_PRINTTOFILE;
    dialog.EndDialog(IDOK);
}

class PrinterDC : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        m_settings = std::make_unique<CAppSettings>();
        g_pAppSettings = m_settings.get();
        CDialogDriver::Arm(TRUE);
    }
    void TearDown() override
    {
        DeletePrinterDC();
        CDialogDriver::Reset();
        g_pAppSettings = nullptr;
        m_settings.reset();
    }

    std::unique_ptr<CAppSettings> m_settings;
};

TEST_F(PrinterDC, ChosenPrinterGivesAUsableDCInBothOrientations)
{
    testprinter::CTestPrinter printer("Savorum Chosen Printer", PathOf("chosen.ps"));
    ASSERT_TRUE(printer.IsReady());
    for (int orientation : {0, 1})
    {
        SCOPED_TRACE(orientation);
        g_pAppSettings->GetPrintRecord()->Orientation = orientation;
        CDialogDriver::OnOpen(CPrintDialog::kTemplateId, [&](CDialog& dialog) {
            ChoosePrinter(static_cast<CPrintDialog&>(dialog), printer.Name(), false);
        });
        ASSERT_EQ(1, CreatePrinterDC());
        HDC hDC = GetPrinterDC();
        ASSERT_NE(nullptr, hDC);
        const bool wide = ::GetDeviceCaps(hDC, HORZRES) > ::GetDeviceCaps(hDC, VERTRES);
        EXPECT_EQ(orientation == 1, wide);
    }
}

TEST_F(PrinterDC, PrintToFileLeadsToTheFileChoice)
{
    testprinter::CTestPrinter printer("Savorum File Printer", PathOf("file.ps"));
    ASSERT_TRUE(printer.IsReady());
    CDialogDriver::OnOpen(CPrintDialog::kTemplateId, [&](CDialog& dialog) {
        ChoosePrinter(static_cast<CPrintDialog&>(dialog), printer.Name(), true);
    });
    const std::string file = PathOf("recipes.txt");
    CDialogDriver::OnOpen(CFileDialog::kTemplateId, [&](CDialog& dialog) {
        lstrcpyA(static_cast<CFileDialog&>(dialog).m_ofn.lpstrFile, file.c_str());
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(1, CreatePrinterDC());
    EXPECT_FALSE(CDialogDriver::HasPendingActions());
    EXPECT_STRCASEEQ(file.c_str(), GetPrintFileName());
    EXPECT_EQ(1, g_pAppSettings->GetPrintRecord()->PrintToFile);
}

}  // namespace
