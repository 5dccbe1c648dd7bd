#include "exchange/ExportDlg.h"

#include <gtest/gtest.h>

#include "database/TOCListItem.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/ExportFileCheck.h"
#include "framework/DialogDriver.h"
#include "framework/WinApp.h"
#include "shell/settings/WindowPlacement.h"

namespace {

using namespace exchangetest;

const char kOverwrite[] = "Export file exists. Overwrite contents?\n";

class ExportDialog : public ExchangeTest
{
protected:
    void SetUp() override
    {
        ExchangeTest::SetUp();
        CDialogDriver::Arm(TRUE);
    }
    void TearDown() override
    {
        CDialogDriver::Reset();
        ExchangeTest::TearDown();
    }

    static void Choose(CDialog& dialog, int nCombo, LPARAM nIndex)
    {
        dialog.SendDlgItemMessage(nCombo, CB_SETCURSEL, static_cast<WPARAM>(nIndex));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nCombo, CBN_CLOSEUP),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, nCombo)));
    }

    CWinApp m_app{"Savorum"};
};

TEST_F(ExportDialog, ExportAllWritesTheChapterAndLeavesPrintingAlone)
{
    TOCListItem chapter("Puddings", 0, 'T');
    ASSERT_TRUE(m_db.SaveChapter(chapter));
    CRecipeData crumble;
    MakeCrumble(crumble);
    crumble.m_chapterId = chapter.m_id;
    ASSERT_EQ(0, m_db.InsertRecipe(crumble, 0));
    const int nPrintToFile = g_pAppSettings->GetPrintRecord()->PrintToFile;
    const std::string printFile = GetPrintFileName();
    const std::string path = PathOf("puddings.mm");
    DeleteFileA(path.c_str());
    CString count;
    CDialogDriver::OnOpen(IDD_EXPORT, [&](CDialog& dialog) {
        const LRESULT nChapter = dialog.SendDlgItemMessage(
            IDC_EXCHANGE_CHAPTER, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Puddings"));
        Choose(dialog, IDC_EXCHANGE_CHAPTER, nChapter);
        Choose(dialog, IDC_EXCHANGE_TYPE, 1);
        dialog.SetDlgItemText(IDC_EXCHANGE_FILE, path.c_str());
        CDialogDriver::Press(dialog, IDC_EXPORT_ALL);
        dialog.GetDlgItemText(IDC_EXCHANGE_COUNT, count);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    CExportDlg dialog;
    dialog.DoModal();
    EXPECT_STREQ("1 of 1 Selected ", count);
    EXPECT_STREQ("1 recipes exported.\n", m_boxes.GetAllTexts());
    EXPECT_NE(std::string::npos, ReadBytes(path).find("     Title: Apple Crumble"));
    EXPECT_EQ(nPrintToFile, g_pAppSettings->GetPrintRecord()->PrintToFile);
    EXPECT_EQ(printFile, GetPrintFileName());
    EXPECT_TRUE(CDialogDriver::GetUnexpectedDialogs().empty());
}

TEST_F(ExportDialog, FileCheck)
{
    SetFileAttributesA(PathOf("locked.mm").c_str(), FILE_ATTRIBUTE_NORMAL);
    WriteFile("existing.mm", "keep me");
    WriteFile("locked.mm", "locked");
    SetFileAttributesA(PathOf("locked.mm").c_str(), FILE_ATTRIBUTE_READONLY);
    const struct
    {
        std::string path;
        int answer;
        BOOL passes;
        std::string boxes;
    } cases[] = {
        {PathOf("my recipes.mm"), 0, TRUE, ""},
        {"", 0, FALSE, "No export file specified.\n"},
        {PathOf("*"), 0, FALSE,
         "Export file name can contain only alpha and numeric characters. Character '*' not allowed.\n"
         "Export filename is invalid.\n"},
        {PathOf("?recipes"), 0, FALSE,
         "Export file name can contain only alpha and numeric characters. Character '?' not allowed.\n"
         "Export filename is invalid.\n"},
        {PathOf("locked.mm"), 0, FALSE, "Export file is read-only.\n"},
        {PathOf("existing.mm"), IDNO, FALSE, kOverwrite},
        {PathOf("existing.mm"), IDYES, TRUE, kOverwrite},
        {PathOf("no folder\\recipes.mm"), 0, FALSE, "Unable to create export file.\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.path);
        m_boxes.ClearShown();
        if (c.answer != 0)
            m_boxes.QueueAnswer(c.answer);
        EXPECT_EQ(c.passes, CheckExportFile(nullptr, c.path.c_str()));
        EXPECT_EQ(c.boxes, std::string(m_boxes.GetAllTexts()));
    }
    EXPECT_EQ("keep me", ReadBytes(PathOf("existing.mm")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf("my recipes.mm").c_str())) << "the test file is gone";
    SetFileAttributesA(PathOf("locked.mm").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
