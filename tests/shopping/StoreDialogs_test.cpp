// The store and section dialogs on a fixture cookbook with four groups and two stores, with
// what they wrote read back from the cookbook.
#include "shopping/AssignSectionsDlg.h"
#include "shopping/EditStoresDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/CookbookDialogTest.h"
#include "support/QueryColumn.h"

namespace {

using Rows = std::vector<std::string>;

class StoreDialogsTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        for (const char* sql :
             {"DELETE FROM STORE", "DELETE FROM STORE_SEC", "DELETE FROM MISC WHERE TYPE='G' AND ITEM<>'000001'",
              "INSERT INTO MISC (TYPE, ITEM, STRING) VALUES ('G', '000011', 'Dairy'), ('G', '000012', 'Produce'), "
              "('G', '000013', 'Bakery'), ('G', '000014', 'Meat')",
              "INSERT INTO STORE (Store, Name) VALUES ('000901', 'Corner'), ('000902', 'Market')",
              "INSERT INTO STORE_SEC (Store, Section) VALUES ('000901', '000012'), ('000901', '000011'), "
              "('000902', '000014')"})
            ASSERT_TRUE(m_database.ExecuteDirect(sql)) << sql;
    }

    template <class Dialog>
    void Run(UINT nTemplate, std::function<void(CDialog&)> action)
    {
        Dialog dialog;
        Run(dialog, nTemplate, std::move(action));
    }

    static void Run(CDialog& dialog, UINT nTemplate, std::function<void(CDialog&)> action)
    {
        CDialogDriver::OnOpen(nTemplate, std::move(action));
        dialog.DoModal();
    }

    Rows StoredSections(const char* store)
    {
        return fixture::QueryColumn(
            m_database, std::string("SELECT Section FROM STORE_SEC WHERE Store='") + store + "' ORDER BY rowid",
            m_boxes);
    }

    Rows StoredStores()
    {
        return fixture::QueryColumn(m_database, "SELECT Store || ' ' || Name FROM STORE ORDER BY Store", m_boxes);
    }

    static Rows ListRows(const CDialog& dialog, int nId)
    {
        Rows rows;
        const LRESULT count = dialog.SendDlgItemMessage(nId, LB_GETCOUNT);
        for (LRESULT row = 0; row < count; ++row)
        {
            char text[80] = "";
            dialog.SendDlgItemMessage(nId, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
            rows.push_back(text);
        }
        return rows;
    }

    static void Notify(CDialog& dialog, int nId, int nCode)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nId, nCode),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(nId)->m_hWnd));
    }

    static void ChooseStore(CDialog& dialog, int nRow)
    {
        dialog.SendDlgItemMessage(IDC_STORE_COMBO, CB_SETCURSEL, static_cast<WPARAM>(nRow));
        Notify(dialog, IDC_STORE_COMBO, CBN_CLOSEUP);
    }

    static void SelectRows(CDialog& dialog, int nId, std::vector<int> rows)
    {
        dialog.SendDlgItemMessage(nId, LB_SETSEL, FALSE, -1);
        for (const int row : rows)
            dialog.SendDlgItemMessage(nId, LB_SETSEL, TRUE, row);
        Notify(dialog, nId, LBN_SELCHANGE);
    }

    static void SelectStoreRow(CDialog& dialog, int nRow)
    {
        dialog.SendDlgItemMessage(IDC_STORE_LIST, LB_SETCURSEL, static_cast<WPARAM>(nRow));
        Notify(dialog, IDC_STORE_LIST, LBN_SELCHANGE);
    }

    static BOOL StillOpen(const CDialog& dialog) { return ::IsWindow(dialog.m_hWnd) && dialog.GetModalResult() == -1; }

    static std::vector<BOOL> Enabled(const CDialog& dialog, std::vector<int> ids)
    {
        std::vector<BOOL> states;
        for (const int nId : ids)
            states.push_back(formtest::IsItemEnabled(dialog, nId));
        return states;
    }
};

TEST_F(StoreDialogsTest, AssignedSectionsKeepTheirOrderAndAreNeverInTheAllList)
{
    Run<CAssignSectionsDlg>(IDD_ASSIGN_SECTIONS, [&](CDialog& dialog) {
        ChooseStore(dialog, 1);
        ChooseStore(dialog, 0);
        EXPECT_EQ(2046u, GetHelpContext());
        EXPECT_EQ(Rows({"Produce", "Dairy"}), ListRows(dialog, IDC_ASSIGNED_SECTIONS));
        EXPECT_EQ(Rows({"Bakery", "Meat"}), ListRows(dialog, IDC_ALL_SECTIONS));
        EXPECT_EQ(std::vector<BOOL>({FALSE, FALSE, FALSE, FALSE}),
                  Enabled(dialog, {IDC_SECTION_UP, IDC_SECTION_DOWN, IDC_SECTION_ADD, IDC_SECTION_REMOVE}));
        ChooseStore(dialog, 1);
        EXPECT_EQ(Rows({"Meat"}), ListRows(dialog, IDC_ASSIGNED_SECTIONS));
        EXPECT_EQ(Rows({"Dairy", "Produce", "Bakery"}), ListRows(dialog, IDC_ALL_SECTIONS));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(m_boxes.GetShown().empty());
}

TEST_F(StoreDialogsTest, OnlyTheFirstSelectedRowMovesAndOkWithYesWritesTheOrder)
{
    Run<CAssignSectionsDlg>(IDD_ASSIGN_SECTIONS, [&](CDialog& dialog) {
        ChooseStore(dialog, 0);
        SelectRows(dialog, IDC_ASSIGNED_SECTIONS, {1});
        EXPECT_EQ(std::vector<BOOL>({TRUE, FALSE, TRUE}),
                  Enabled(dialog, {IDC_SECTION_UP, IDC_SECTION_DOWN, IDC_SECTION_REMOVE}));
        SelectRows(dialog, IDC_ALL_SECTIONS, {0, 1});
        CDialogDriver::Press(dialog, IDC_SECTION_ADD);
        EXPECT_EQ(Rows({"Produce", "Dairy", "Bakery", "Meat"}), ListRows(dialog, IDC_ASSIGNED_SECTIONS));
        SelectRows(dialog, IDC_ASSIGNED_SECTIONS, {0, 2});
        EXPECT_EQ(std::vector<BOOL>({FALSE, TRUE}), Enabled(dialog, {IDC_SECTION_UP, IDC_SECTION_DOWN}));
        CDialogDriver::Press(dialog, IDC_SECTION_DOWN);
        EXPECT_EQ(Rows({"Dairy", "Produce", "Bakery", "Meat"}), ListRows(dialog, IDC_ASSIGNED_SECTIONS));
        EXPECT_EQ(1, dialog.SendDlgItemMessage(IDC_ASSIGNED_SECTIONS, LB_GETSELCOUNT));
        EXPECT_GT(dialog.SendDlgItemMessage(IDC_ASSIGNED_SECTIONS, LB_GETSEL, 1), 0);
        m_boxes.QueueAnswer(IDCANCEL);
        CDialogDriver::Press(dialog, IDOK);
        EXPECT_TRUE(StillOpen(dialog));
        m_boxes.QueueAnswer(IDYES);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_EQ(Rows({"000011", "000012", "000013", "000014"}), StoredSections("000901"));
    EXPECT_STREQ("Save changes before closing dialog?\nSave changes before closing dialog?\n", m_boxes.GetAllTexts());
}

TEST_F(StoreDialogsTest, SwitchingStoresWritesUnsavedEditsOnlyOnYes)
{
    const struct
    {
        int answer;
        Rows stored;
    } cases[] = {
        {IDNO, {"000012", "000011"}},
        {IDYES, {"000011"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.answer);
        m_boxes.ClearShown();
        Run<CAssignSectionsDlg>(IDD_ASSIGN_SECTIONS, [&](CDialog& dialog) {
            ChooseStore(dialog, 0);
            SelectRows(dialog, IDC_ASSIGNED_SECTIONS, {0});
            CDialogDriver::Press(dialog, IDC_SECTION_REMOVE);
            m_boxes.QueueAnswer(c.answer);
            ChooseStore(dialog, 1);
            ChooseStore(dialog, 0);
            EXPECT_EQ(c.stored.size(), ListRows(dialog, IDC_ASSIGNED_SECTIONS).size());
            CDialogDriver::Press(dialog, IDOK);
        });
        EXPECT_STREQ("Save changes before switching stores?\n", m_boxes.GetAllTexts());
        EXPECT_EQ(c.stored, StoredSections("000901"));
    }
}

TEST_F(StoreDialogsTest, AddingAStoreThatCopiesAnotherGivesItTheSameSectionsInOrder)
{
    Run<CEditStoresDlg>(IDD_EDIT_STORES, [&](CDialog& dialog) {
        EXPECT_EQ(2047u, GetHelpContext());
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_STORE_COMBO));
        dialog.CheckDlgButton(IDC_COPY_FROM_STORE, BST_CHECKED);
        Notify(dialog, IDC_COPY_FROM_STORE, BN_CLICKED);
        EXPECT_STREQ("Corner", formtest::ItemText(dialog, IDC_STORE_COMBO));
        dialog.SetDlgItemText(IDC_STORE_NAME, "Depot");
        CDialogDriver::Press(dialog, IDC_STORE_ADD);
        EXPECT_EQ(Rows({"Corner", "Market", "Depot"}), ListRows(dialog, IDC_STORE_LIST));
        EXPECT_EQ(3, dialog.SendDlgItemMessage(IDC_STORE_COMBO, CB_GETCOUNT));
        dialog.SetDlgItemText(IDC_STORE_NAME, "Market");
        CDialogDriver::Press(dialog, IDC_STORE_ADD);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Add store Depot?\nStore already exists.\n", m_boxes.GetAllTexts());
    const Rows stores = StoredStores();
    ASSERT_EQ(3u, stores.size());
    EXPECT_EQ("Depot", stores.back().substr(7));
    EXPECT_EQ(Rows({"000012", "000011"}), StoredSections(stores.back().substr(0, 6).c_str()));
}

TEST_F(StoreDialogsTest, RenameKeepsTheIdAndDeleteRemovesTheRowsAndDisablesTheButtons)
{
    Run<CEditStoresDlg>(IDD_EDIT_STORES, [&](CDialog& dialog) {
        SelectStoreRow(dialog, 1);
        EXPECT_STREQ("Market", formtest::ItemText(dialog, IDC_STORE_NAME));
        dialog.SetDlgItemText(IDC_STORE_NAME, "Farm Market");
        CDialogDriver::Press(dialog, IDC_STORE_SAVE);
        EXPECT_EQ(Rows({"Corner", "Farm Market"}), ListRows(dialog, IDC_STORE_LIST));
        SelectStoreRow(dialog, 0);
        CDialogDriver::Press(dialog, IDC_STORE_DELETE);
        EXPECT_EQ(Rows({"Farm Market"}), ListRows(dialog, IDC_STORE_LIST));
        EXPECT_STREQ("", formtest::ItemText(dialog, IDC_STORE_NAME));
        EXPECT_EQ(std::vector<BOOL>({FALSE, FALSE}), Enabled(dialog, {IDC_STORE_DELETE, IDC_STORE_SAVE}));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Change store name to Farm Market?\nDelete store Corner?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({"000902 Farm Market"}), StoredStores());
    EXPECT_TRUE(StoredSections("000901").empty());
}

TEST_F(StoreDialogsTest, EditStoresFromTheSectionsDialogRefillsItsStoresAndReportsTheChange)
{
    CDialogDriver::OnOpen(IDD_EDIT_STORES, [&](CDialog& stores) {
        stores.SetDlgItemText(IDC_STORE_NAME, "Depot");
        CDialogDriver::Press(stores, IDC_STORE_ADD);
        CDialogDriver::Press(stores, IDOK);
    });
    CAssignSectionsDlg dialog;
    Run(dialog, IDD_ASSIGN_SECTIONS, [&](CDialog& sections) {
        CDialogDriver::Press(sections, IDC_EDIT_STORES);
        EXPECT_EQ(3, sections.SendDlgItemMessage(IDC_STORE_COMBO, CB_GETCOUNT));
        CDialogDriver::Press(sections, IDOK);
    });
    EXPECT_TRUE(dialog.m_bStoresChanged);
    EXPECT_FALSE(dialog.m_bSectionsSaved);
}

}  // namespace
