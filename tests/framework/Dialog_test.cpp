#include "framework/Dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/DataExchange.h"
#include "framework/DialogDriver.h"
#include "framework/FileDialog.h"
#include "framework/FrameworkTestIds.h"
#include "framework/AfxMessageBox.h"
#include "framework/MessageBoxScript.h"
#include "framework/WindowTestSupport.h"

namespace {

class CTestDialog : public CDialog
{
public:
    CTestDialog() : CDialog(IDD_TEST_DIALOG) {}

    CString m_name = "start";
    int m_nCount = 3;
    double m_amount = 1.5;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_NAME, m_name);
        DDX_Text(pDX, IDC_TEST_COUNT, m_nCount);
        DDX_Text(pDX, IDC_TEST_AMOUNT, m_amount);
    }
};

class DialogFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CDialogDriver::Reset();
        CDialogDriver::Arm(TRUE);
    }
    void TearDown() override
    {
        EXPECT_FALSE(CDialogDriver::HasPendingActions());
        EXPECT_TRUE(CDialogDriver::GetUnexpectedDialogs().empty());
        CDialogDriver::Reset();
        PumpWindowMessages();
    }
};

CString ItemText(CDialog& dialog, int nID)
{
    CString text;
    dialog.GetDlgItemText(nID, text);
    return text;
}

TEST_F(DialogFixture, DriverSeesLoadedFieldsAndModalRunReturnsTypedValues)
{
    CString shownName;
    CDialogDriver::OnOpen(IDD_TEST_DIALOG, [&](CDialog& dialog) {
        shownName = ItemText(dialog, IDC_TEST_NAME);
        dialog.SetDlgItemText(IDC_TEST_NAME, "Lasagne");
        dialog.SetDlgItemText(IDC_TEST_COUNT, " 12 ");
        dialog.SetDlgItemText(IDC_TEST_AMOUNT, "2.25");
        CDialogDriver::Press(dialog, IDOK);
    });
    CTestDialog dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("start", shownName);
    EXPECT_STREQ("Lasagne", dialog.m_name);
    EXPECT_EQ(12, dialog.m_nCount);
    EXPECT_DOUBLE_EQ(2.25, dialog.m_amount);
}

TEST_F(DialogFixture, CancelKeepsTheMembers)
{
    CDialogDriver::OnOpen(IDD_TEST_DIALOG, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_TEST_NAME, "changed");
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    CTestDialog dialog;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_STREQ("start", dialog.m_name);
}

TEST_F(DialogFixture, BadNumberShowsOneMessageAndKeepsTheDialogOpen)
{
    const struct
    {
        int nField;
        const char* text;
        const char* message;
    } cases[] = {
        {IDC_TEST_COUNT, "12x", "Please enter a whole number."},
        {IDC_TEST_COUNT, "", "Please enter a whole number."},
        {IDC_TEST_COUNT, "99999999999", "Please enter a whole number."},
        {IDC_TEST_AMOUNT, "1.5.2", "Please enter a number."},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        CMessageBoxScript boxes;
        BOOL bStillOpen = FALSE;
        HWND hFocusAfterRefusal = nullptr;
        CDialogDriver::OnOpen(IDD_TEST_DIALOG, [&](CDialog& dialog) {
            dialog.SetDlgItemText(c.nField, c.text);
            CDialogDriver::Press(dialog, IDOK);
            bStillOpen = ::IsWindow(dialog.m_hWnd);
            hFocusAfterRefusal = ::GetFocus();
            dialog.SetDlgItemText(c.nField, "4");
            CDialogDriver::Press(dialog, IDOK);
        });
        CTestDialog dialog;
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_TRUE(bStillOpen);
        EXPECT_EQ(std::vector<CString>{c.message}, boxes.GetTexts());
        EXPECT_NE(nullptr, hFocusAfterRefusal);
    }
}

TEST_F(DialogFixture, UnexpectedModalDialogIsCancelledAndRecorded)
{
    CTestDialog dialog;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(std::vector<UINT>{IDD_TEST_DIALOG}, CDialogDriver::GetUnexpectedDialogs());
    CDialogDriver::Reset();
}

TEST_F(DialogFixture, CommonFileDialogIsAnsweredByTheDriver)
{
    CDialogDriver::OnOpen(CFileDialog::kTemplateId, [](CDialog& dialog) {
        auto& files = static_cast<CFileDialog&>(dialog);
        lstrcpyA(files.m_ofn.lpstrFile, "C:\\recipes\\print.rtf");
        dialog.EndDialog(IDOK);
    });
    CFileDialog files(FALSE, nullptr, "pxprint.txt", OFN_HIDEREADONLY,
                      "Text Files(*.TXT)|*.txt|RTF Files(*.RTF)|*.rtf|");
    EXPECT_EQ(IDOK, files.DoModal());
    EXPECT_STREQ("C:\\recipes\\print.rtf", files.GetPathName());
    EXPECT_STREQ("print.rtf", files.GetFileName());
    EXPECT_STREQ("rtf", files.GetFileExt());
}

TEST(MessageBoxScript, AnswersFromTheQueueAndRecordsTexts)
{
    CMessageBoxScript boxes;
    boxes.QueueAnswer(IDNO);
    EXPECT_EQ(IDNO, AfxMessageBox("Save changes now?", MB_YESNOCANCEL));
    EXPECT_EQ(IDOK, AfxMessageBox("Nothing to view."));
    ASSERT_EQ(2u, boxes.GetShown().size());
    EXPECT_STREQ("Save changes now?", boxes.GetShown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL), boxes.GetShown()[0].nType);
    EXPECT_STREQ("Nothing to view.", boxes.GetShown()[1].text);
}

TEST(MessageBoxScript, UnansweredBoxTakesItsDefaultButton)
{
    const struct
    {
        UINT nType;
        int nAnswer;
    } cases[] = {
        {MB_OK, IDOK},
        {MB_YESNO, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_OKCANCEL | MB_ICONEXCLAMATION, IDOK},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nType);
        EXPECT_EQ(c.nAnswer, CMessageBoxScript::DefaultAnswer(c.nType));
    }
}

TEST(MessageBoxScript, WindowMessageBoxesGoThroughTheSameService)
{
    CMessageBoxScript boxes;
    boxes.QueueAnswer(IDYES);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(IDYES, wnd.MessageBox("Are you sure?", "Savorum", MB_YESNO));
    ASSERT_EQ(1u, boxes.GetShown().size());
    EXPECT_STREQ("Savorum", boxes.GetShown()[0].caption);
    EXPECT_EQ(wnd.GetSafeHwnd(), boxes.GetShown()[0].hOwner);
}

}  // namespace
