// The pantry and frequent-item lists and the item dialog, on the fixture cookbook's units,
// ingredients and groups.
#include "shopping/ItemListDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ShoppingDialogTest.h"
#include "database/IngData.h"
#include "framework/PrintDialog.h"
#include "shell/ShellTestFolder.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"
#include "shopping/ItemListRows.h"
#include "shopping/ShoppingListItem.h"

namespace {

using shoptest::Rows;

class ItemListDlgTest : public shoptest::ShoppingDialogTest
{
protected:
    void SetUp() override
    {
        ShoppingDialogTest::SetUp();
        MakeList("Weekly", {});
        for (const char* name : {"flour", "sugar", "salt"})
        {
            CShoppingListItem item;
            item.GetLine().m_name = name;
            g_pShopMgr->AddPantryItem(item);
        }
        g_pShopMgr->ReplaceItemList(TRUE, g_pShopMgr->GetPantryList());
        for (int i = 0; i < 3; ++i)
            m_serials.push_back(g_pShopMgr->GetPantryList().GetItem(i)->GetSerial());
        m_boxes.ClearShown();
    }

    void Run(int kind, std::function<void(CDialog&)> action, BOOL* pChanged = nullptr)
    {
        CDialogDriver::OnOpen(IDD_ITEM_LIST, std::move(action));
        CItemListDlg dialog(kind);
        dialog.DoModal();
        if (pChanged != nullptr)
            *pChanged = dialog.m_bChanged;
    }

    static Rows Names(const CShoppingList& list)
    {
        Rows names;
        for (int i = 0; i < list.GetSize(); ++i)
            names.push_back(list.GetItem(i)->GetLine().m_name.GetString());
        return names;
    }

    static void Select(CDialog& dialog, int nRow)
    {
        dialog.SendDlgItemMessage(IDC_ITEM_LIST, LB_SETCURSEL, static_cast<WPARAM>(nRow));
    }

    void PrintToFile(const char* name)
    {
        g_pAppSettings->GetPrintRecord()->PrintToFile = 1;
        SetPrintFile((m_folder + "\\" + name).c_str(), kPrintText);
    }

    std::vector<DWORD> m_serials;
};

TEST_F(ItemListDlgTest, CancelDropsTheDeletionsAndOkCopiesTheListBackWithItsSerials)
{
    const struct
    {
        int button;
        Rows names;
    } cases[] = {
        {IDCANCEL, {"flour", "sugar", "salt"}},
        {IDOK, {"flour", "salt"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.button);
        Run(CItemListDlg::kPantry, [&](CDialog& dialog) {
            EXPECT_EQ(2042u, GetHelpContext());
            Select(dialog, 1);
            m_boxes.QueueAnswer(IDCANCEL);
            CDialogDriver::Press(dialog, IDC_ITEM_DELETE);
            EXPECT_EQ(3, dialog.SendDlgItemMessage(IDC_ITEM_LIST, LB_GETCOUNT));
            CDialogDriver::Press(dialog, IDC_ITEM_DELETE);
            EXPECT_EQ(2, dialog.SendDlgItemMessage(IDC_ITEM_LIST, LB_GETCOUNT));
            CDialogDriver::Press(dialog, c.button);
        });
        EXPECT_EQ(c.names, Names(g_pShopMgr->GetPantryList()));
    }
    EXPECT_EQ(m_serials[2], g_pShopMgr->GetPantryList().GetItem(1)->GetSerial());
}

TEST_F(ItemListDlgTest, ToggleFlipsTheMarkAndNewAppendsACheckedEntryOfTheKind)
{
    CDialogDriver::OnOpen(IDD_SHOP_ITEM, [&](CDialog& item) {
        item.SetDlgItemText(IDC_SHOP_INGREDIENT, "napkins");
        item.SetDlgItemText(IDC_SHOP_QUANTITY, "2");
        item.SetDlgItemText(IDC_SHOP_UNIT, "cup");
        CDialogDriver::Press(item, IDOK);
        if (StillOpen(item))
            CDialogDriver::Press(item, IDCANCEL);
    });
    Run(CItemListDlg::kFrequent, [&](CDialog& dialog) {
        EXPECT_EQ(2041u, GetHelpContext());
        EXPECT_FALSE(dialog.GetDlgItem(IDC_ITEM_ADD_TO_SHOP)->IsWindowVisible());
        Select(dialog, 0);
        CDialogDriver::Press(dialog, IDC_ITEM_TOGGLE);
        CDialogDriver::Press(dialog, IDC_ITEM_NEW);
        CDialogDriver::Press(dialog, IDOK);
    });
    const CShoppingList& frequent = g_pShopMgr->GetFrequentList();
    ASSERT_EQ(Rows({"flour", "sugar", "salt", "napkins"}), Names(frequent)) << m_boxes.GetAllTexts();
    EXPECT_EQ(0, frequent.GetItem(0)->m_checked);
    EXPECT_EQ(1, frequent.GetItem(3)->m_checked);
    EXPECT_STREQ("Frequent Item", frequent.GetItem(3)->m_recipeName);
    EXPECT_DOUBLE_EQ(2.0, frequent.GetItem(3)->GetLine().m_maxQty);
    EXPECT_STREQ("cup", frequent.GetItem(3)->GetLine().m_unitText);
}

TEST_F(ItemListDlgTest, AnUnknownUnitKeepsTheItemDialogOpen)
{
    CDialogDriver::OnOpen(IDD_SHOP_ITEM, [&](CDialog& item) {
        item.SetDlgItemText(IDC_SHOP_UNIT, "no such unit");
        CDialogDriver::Press(item, IDOK);
        EXPECT_TRUE(StillOpen(item));
        CDialogDriver::Press(item, IDCANCEL);
    });
    Run(CItemListDlg::kPantry, [&](CDialog& dialog) {
        CDialogDriver::Press(dialog, IDC_ITEM_EDIT);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_STREQ("The unit chosen is not in the database.  Please select one from the list.\n", m_boxes.GetAllTexts());
}

TEST_F(ItemListDlgTest, AddToShopPutsACopyOnTheCurrentListUnderPantry)
{
    BOOL bChanged = FALSE;
    Run(
        CItemListDlg::kPantry,
        [&](CDialog& dialog) {
            Select(dialog, -1);
            CDialogDriver::Press(dialog, IDC_ITEM_ADD_TO_SHOP);
            Select(dialog, 1);
            CDialogDriver::Press(dialog, IDC_ITEM_ADD_TO_SHOP);
            CDialogDriver::Press(dialog, IDOK);
        },
        &bChanged);
    EXPECT_STREQ("You must select an item to add to the current shopping list.\n"
                 "The selectected item was successfully added to the current shopping list.\n",
                 m_boxes.GetAllTexts());
    EXPECT_TRUE(bChanged);
    EXPECT_EQ(Rows({"sugar"}), Names(g_pShopMgr->GetCurrentList()));
    EXPECT_STREQ("Pantry", g_pShopMgr->GetCurrentList().GetItem(0)->m_recipeName);
    EXPECT_STREQ("Pantry", g_pShopMgr->GetPantryList().GetItem(1)->m_recipeName);
}

TEST_F(ItemListDlgTest, PrintAfterACancelledPrinterChoicePrintsNothing)
{
    PrintToFile("pantry.txt");
    CDialogDriver::OnOpen(CPrintDialog::kTemplateId, [&](CDialog& print) { print.EndDialog(IDCANCEL); });
    Run(CItemListDlg::kPantry, [&](CDialog& dialog) {
        CDialogDriver::Press(dialog, IDC_ITEM_PRINT);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(FileExists("pantry.txt"));
}

TEST_F(ItemListDlgTest, TheListPrintsUnderTheTitleOfItsKindAndAnEmptyListNotAtAll)
{
    CShoppingList frequent;
    frequent.CopyFrom(g_pShopMgr->GetFrequentList());
    frequent.GetItem(0)->m_recipeName = "Pantry";
    frequent.GetItem(1)->m_checked = 0;
    PrintToFile("frequent.txt");
    ASSERT_TRUE(PrintItemList(nullptr, frequent, TRUE));
    EXPECT_EQ("Frequent Items List\r\n[\tx\t]\tflour\r\n[\t \t]\tsugar\r\n[\tx\t]\tsalt\r\n",
              shelltest::ReadFile(m_folder + "\\frequent.txt"));

    PrintToFile("empty.txt");
    EXPECT_FALSE(PrintItemList(nullptr, CShoppingList(), FALSE));
    EXPECT_STREQ("This list contains no items.  Nothing will be printed.\n", m_boxes.GetAllTexts());
    EXPECT_FALSE(FileExists("empty.txt"));
}

}  // namespace

namespace {

TEST_F(ItemListDlgTest, ChoosingAnIngredientSelectsItsSection)
{
    const Rows found = Query("SELECT INGREDNT.NAME || '|' || MISC.STRING FROM INGREDNT INNER JOIN MISC ON "
                             "MISC.ITEM = INGREDNT.GROUPING AND MISC.TYPE = 'G' WHERE INGREDNT.GROUPING <> '000001' "
                             "ORDER BY INGREDNT.NAME LIMIT 1");
    ASSERT_EQ(1u, found.size());
    const std::string ingredient = found[0].substr(0, found[0].find('|'));
    const std::string section = found[0].substr(found[0].find('|') + 1);
    CString shown;
    CDialogDriver::OnOpen(IDD_SHOP_ITEM, [&](CDialog& item) {
        item.SetDlgItemText(IDC_SHOP_INGREDIENT, ingredient.c_str());
        Notify(item, IDC_SHOP_INGREDIENT, CBN_EDITCHANGE);
        Notify(item, IDC_SHOP_INGREDIENT, CBN_CLOSEUP);
        shown = formtest::ItemText(item, IDC_SHOP_SECTION);
        CDialogDriver::Press(item, IDCANCEL);
    });
    Run(CItemListDlg::kPantry, [&](CDialog& dialog) {
        CDialogDriver::Press(dialog, IDC_ITEM_EDIT);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_STREQ(section.c_str(), shown);
}

}  // namespace
