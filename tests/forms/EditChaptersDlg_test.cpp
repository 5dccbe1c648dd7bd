#include "forms/EditChaptersDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CookbookDialogTest.h"
#include "database/TOCListItem.h"
#include "support/QueryColumn.h"

namespace {

using formtest::ItemText;
using Rows = std::vector<std::string>;

class EditChaptersDlgTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        ASSERT_TRUE(m_database.ExecuteDirect("DELETE FROM COOKBOOK"));
        soups = AddChapter("Soups");
        salads = AddChapter("Salads");
        ASSERT_TRUE(m_database.ExecuteDirect("INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS) VALUES "
                                             "('" +
                                             CString(soups) +
                                             "', '000001', 'Tomato Soup', 4), "
                                             "('" +
                                             CString(soups) +
                                             "', '000002', 'Leek Soup', 2), "
                                             "('" +
                                             CString(salads) + "', '000003', 'Green Salad', 2)"));
    }

    CRecordId AddChapter(const char* title)
    {
        TOCListItem chapter(title, 0, 'T');
        EXPECT_TRUE(m_database.SaveChapter(chapter)) << title;
        return chapter.m_id;
    }

    void Run(std::function<void(CDialog&)> action)
    {
        CDialogDriver::OnOpen(IDD_EDIT_CHAPTERS, std::move(action));
        CEditChaptersDlg dialog;
        dialog.DoModal();
    }

    // The chapters as the cookbook holds them, "id title" in key order.
    Rows StoredChapters()
    {
        return fixture::QueryColumn(m_database, "SELECT COOKBOOK || ' ' || TITLE FROM COOKBOOK ORDER BY COOKBOOK",
                                    m_boxes);
    }

    static Rows ListRows(const CDialog& dialog)
    {
        Rows rows;
        const LRESULT count = dialog.SendDlgItemMessage(IDC_CHAPTER_LIST, LB_GETCOUNT);
        for (LRESULT row = 0; row < count; ++row)
        {
            char text[80] = "";
            dialog.SendDlgItemMessage(IDC_CHAPTER_LIST, LB_GETTEXT, static_cast<WPARAM>(row),
                                      reinterpret_cast<LPARAM>(text));
            const LRESULT id = dialog.SendDlgItemMessage(IDC_CHAPTER_LIST, LB_GETITEMDATA, static_cast<WPARAM>(row));
            rows.push_back(std::string(CRecordId(static_cast<unsigned long>(id)).GetText()) + " " + text);
        }
        return rows;
    }

    static void SelectRow(CDialog& dialog, int row)
    {
        dialog.SendDlgItemMessage(IDC_CHAPTER_LIST, LB_SETCURSEL, static_cast<WPARAM>(row));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHAPTER_LIST, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_CHAPTER_LIST)->m_hWnd));
    }

    static BOOL StillOpen(const CDialog& dialog) { return ::IsWindow(dialog.m_hWnd) && dialog.GetModalResult() == -1; }

    std::string Row(const CRecordId& id, const char* title) const { return std::string(id.GetText()) + " " + title; }

    CRecordId soups;
    CRecordId salads;
};

TEST_F(EditChaptersDlgTest, OpensWithTheChaptersAndNoRowButtons)
{
    Run([&](CDialog& dialog) {
        EXPECT_EQ(Rows({Row(soups, "Soups"), Row(salads, "Salads")}), ListRows(dialog));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CHAPTER_DELETE));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_CHAPTER_SAVE));
        EXPECT_EQ(2034u, GetHelpContext());
        SelectRow(dialog, 1);
        EXPECT_STREQ("Salads", ItemText(dialog, IDC_CHAPTER_NAME));
        EXPECT_EQ(dialog.GetDlgItem(IDC_CHAPTER_NAME)->m_hWnd, ::GetFocus());
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_CHAPTER_DELETE));
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_CHAPTER_SAVE));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(m_boxes.GetShown().empty());
}

TEST_F(EditChaptersDlgTest, AddWritesTheChapterAndCloseThenAsksNothing)
{
    Rows shown;
    Run([&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_CHAPTER_NAME, "Breads");
        CDialogDriver::Press(dialog, IDC_CHAPTER_ADD);
        shown = ListRows(dialog);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Add chapter Breads?\n", m_boxes.GetAllTexts());
    const Rows stored = StoredChapters();
    ASSERT_EQ(3u, stored.size());
    EXPECT_EQ(stored.back().substr(7), "Breads");
    EXPECT_EQ(Rows({Row(soups, "Soups"), Row(salads, "Salads"), stored.back()}), shown);
}

TEST_F(EditChaptersDlgTest, AddRefusesANameThatDiffersOnlyInCase)
{
    Run([&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_CHAPTER_NAME, "sOUPS");
        CDialogDriver::Press(dialog, IDC_CHAPTER_ADD);
        EXPECT_EQ(2, dialog.SendDlgItemMessage(IDC_CHAPTER_LIST, LB_GETCOUNT));
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_STREQ("Chapter already exists.\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({Row(soups, "Soups"), Row(salads, "Salads")}), StoredChapters());
}

TEST_F(EditChaptersDlgTest, SaveRenamesInPlaceKeepingTheId)
{
    Rows shown;
    Run([&](CDialog& dialog) {
        SelectRow(dialog, 0);
        dialog.SetDlgItemText(IDC_CHAPTER_NAME, "Hot Soups");
        CDialogDriver::Press(dialog, IDC_CHAPTER_SAVE);
        shown = ListRows(dialog);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Change chapter name to Hot Soups?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({Row(soups, "Hot Soups"), Row(salads, "Salads")}), shown);
    EXPECT_EQ(shown, StoredChapters());
}

TEST_F(EditChaptersDlgTest, DeleteRemovesTheChapterWithItsRecipes)
{
    Rows shown;
    Run([&](CDialog& dialog) {
        CDialogDriver::Press(dialog, IDC_CHAPTER_DELETE);
        EXPECT_TRUE(m_boxes.GetShown().empty());
        SelectRow(dialog, 0);
        CDialogDriver::Press(dialog, IDC_CHAPTER_DELETE);
        shown = ListRows(dialog);
        EXPECT_STREQ("", ItemText(dialog, IDC_CHAPTER_NAME));
        CDialogDriver::Press(dialog, IDOK);
    });
    ASSERT_FALSE(m_boxes.GetShown().empty());
    EXPECT_STREQ("Delete chapter Soups and all its contents?", m_boxes.GetTexts().front());
    EXPECT_EQ(Rows({Row(salads, "Salads")}), shown);
    EXPECT_EQ(shown, StoredChapters());
    EXPECT_EQ(Rows({"Green Salad"}), fixture::QueryColumn(m_database, "SELECT TITLE FROM RECIPE", m_boxes));
}

TEST_F(EditChaptersDlgTest, AChapterTheCookbookRefusesToDeleteStaysListed)
{
    Refuse("DELETE", "COOKBOOK");
    Rows shown;
    Run([&](CDialog& dialog) {
        SelectRow(dialog, 1);
        CDialogDriver::Press(dialog, IDC_CHAPTER_DELETE);
        shown = ListRows(dialog);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_EQ(Rows({Row(soups, "Soups"), Row(salads, "Salads")}), shown);
    EXPECT_EQ(shown, StoredChapters());
}

TEST_F(EditChaptersDlgTest, CloseAfterAnUnsavedEditAsks)
{
    BOOL bOpenAfterCancel = FALSE;
    Run([&](CDialog& dialog) {
        SelectRow(dialog, 1);
        dialog.SetDlgItemText(IDC_CHAPTER_NAME, "Cold Salads");
        m_boxes.QueueAnswer(IDCANCEL);
        CDialogDriver::Press(dialog, IDOK);
        bOpenAfterCancel = StillOpen(dialog);
        m_boxes.QueueAnswer(IDNO);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(bOpenAfterCancel);
    EXPECT_STREQ("Save changes before closing?\nSave changes before closing?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({Row(soups, "Soups"), Row(salads, "Salads")}), StoredChapters());
}

TEST_F(EditChaptersDlgTest, CloseAfterAnUnsavedEditCanSaveIt)
{
    Run([&](CDialog& dialog) {
        SelectRow(dialog, 1);
        dialog.SetDlgItemText(IDC_CHAPTER_NAME, "Cold Salads");
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Save changes before closing?\nChange chapter name to Cold Salads?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({Row(soups, "Soups"), Row(salads, "Cold Salads")}), StoredChapters());
}

}  // namespace
