// The shopping form, opened through the form manager on the fixture cookbook, with a list
// "Weekly" that the contents' Add to Shopping List made.
#include "shopping/ShopForm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "database/CookbookDatabase.h"
#include "database/IngData.h"
#include "database/RecipeListItem.h"
#include "forms/ToolActions.h"
#include "framework/Dialog.h"
#include "framework/DialogDriver.h"
#include "framework/FileDialog.h"
#include "framework/PrintDialog.h"
#include "res/resource.h"
#include "shell/app/CookbookApp.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/ProgramDirectory.h"
#include "shell/settings/WindowPlacement.h"
#include "shopping/ShopMgr.h"
#include "shopping/ShoppingListItem.h"
#include "support/CookbookFixture.h"
#include "support/QueryColumn.h"
#include "RunningProgramTest.h"

namespace {

const char kRecipe[] = "Irish Soda Bread";

struct Row
{
    std::string text;
    LONG style;
};

class ShopFormTest : public apptest::RunningProgramTest
{
protected:
    void SetUp() override
    {
        RunningProgramTest::SetUp();
        for (const char* file : {"Weekly.shp", "pantry.adf", "frequent.adf"})
            DeleteFileA(file);
        CShopForm::s_layoutMode = CShopForm::kAllSectionsLayout;
        CShopForm::s_store = 0;
        m_path = Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "Shop.TWS");
        StartProgram();
        AddRecipeThroughTheSelectDialog();
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kShopping, 0);
        ASSERT_EQ(CFormManager::kShopping, g_pFormManager->GetCurrentKind());
        // The settings of an earlier run may have kept the detail on.
        if (!Checked(IDC_SHOPPING_DETAIL))
            Click(IDC_SHOPPING_DETAIL);
        m_boxes.ClearShown();
    }

    // What the recipe view's Add to Shopping List does: a new list "Weekly", created on Yes.
    void AddRecipeThroughTheSelectDialog()
    {
        CRecipeListItem recipe;
        recipe.m_name = kRecipe;
        recipe.m_id = CRecordId(
            fixture::QueryColumn(*GetCurrentDatabase(),
                                 std::string("SELECT RECIPE FROM RECIPE WHERE TITLE='") + kRecipe + "'", m_boxes)
                .at(0)
                .c_str());
        CDialogDriver::OnOpen(IDD_SELECT_SHOPPING_LIST, [](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_SHOPPING_LIST_NAME, "Weekly");
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SHOPPING_LIST_NAME, CBN_EDITUPDATE),
                               reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_SHOPPING_LIST_NAME)->m_hWnd));
            CDialogDriver::Press(dialog, IDOK);
        });
        CToolActions actions;
        actions.AddRecipeToShoppingList(GetCookbookApp()->m_pMainWnd, recipe);
        ASSERT_STREQ("Weekly", g_pShopMgr->GetListName());
    }

    static CBVFormView* Form() { return g_pFormManager->GetActiveForm(); }
    static HWND Item(UINT nId) { return ::GetDlgItem(Form()->m_hWnd, static_cast<int>(nId)); }
    static LRESULT Send(UINT nId, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(Item(nId), message, wParam, lParam);
    }
    static void Notify(UINT nId, UINT code)
    {
        Form()->SendMessage(WM_COMMAND, MAKEWPARAM(nId, code), reinterpret_cast<LPARAM>(Item(nId)));
    }
    static void Command(UINT nId) { Form()->SendMessage(WM_COMMAND, nId, 0); }
    static void Click(UINT nId) { Send(nId, BM_CLICK); }
    static bool Enabled(UINT nId) { return ::IsWindowEnabled(Item(nId)) != FALSE; }
    static bool Checked(UINT nId) { return Send(nId, BM_GETCHECK) == BST_CHECKED; }
    static const CScreenLine* LineAt(int nRow)
    {
        return reinterpret_cast<const CScreenLine*>(
            Send(IDC_SHOPPING_LINES, LB_GETITEMDATA, static_cast<WPARAM>(nRow)));
    }
    static std::vector<Row> Rows()
    {
        std::vector<Row> rows;
        const int count = static_cast<int>(Send(IDC_SHOPPING_LINES, LB_GETCOUNT));
        for (int i = 0; i < count; ++i)
            rows.push_back({LineAt(i)->LineText(), LineAt(i)->LineValue()});
        return rows;
    }
    static int CountStyle(LONG style)
    {
        int count = 0;
        for (const Row& row : Rows())
            count += row.style == style ? 1 : 0;
        return count;
    }
    static int FirstRowOfStyle(LONG style)
    {
        const std::vector<Row> rows = Rows();
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].style == style)
                return static_cast<int>(i);
        return -1;
    }
    static void SelectRow(int nRow)
    {
        ASSERT_GE(nRow, 0);
        Send(IDC_SHOPPING_LINES, LB_SETCURSEL, static_cast<WPARAM>(nRow));
        Notify(IDC_SHOPPING_LINES, LBN_SELCHANGE);
    }
    static void ChooseLayout(int nRow)
    {
        Send(IDC_SHOPPING_LAYOUT, CB_SETCURSEL, static_cast<WPARAM>(nRow));
        Notify(IDC_SHOPPING_LAYOUT, CBN_CLOSEUP);
    }
    static int RowsMentioning(const CString& text)
    {
        int count = 0;
        for (const Row& row : Rows())
            count += row.text.find(text.GetString()) != std::string::npos ? 1 : 0;
        return count;
    }
    std::string FileText(const char* name) const
    {
        std::string text;
        if (FILE* file = std::fopen((m_folder + "\\" + name).c_str(), "rb"))
        {
            char buffer[4096];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
                text.append(buffer, n);
            std::fclose(file);
        }
        return text;
    }
    bool FileExists(const char* name) const
    {
        return ::GetFileAttributesA((m_folder + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    static CString Text(UINT nId)
    {
        CString text;
        text.LoadString(nId);
        return text + "\n";
    }
};

TEST_F(ShopFormTest, AddToShoppingListShowsTheRecipesLinesAsSummaryAndDetailRows)
{
    ASSERT_TRUE(Form()->IsKindOf(RUNTIME_CLASS(CShopForm)));
    const CShoppingList& items = g_pShopMgr->GetCurrentList();
    ASSERT_GT(items.GetSize(), 0);
    EXPECT_EQ(items.GetSize(), CountStyle(CShopForm::kDetailRow));
    EXPECT_GT(CountStyle(CShopForm::kSummaryRow), 0);
    for (int i = 0; i < items.GetSize(); ++i)
        EXPECT_GE(RowsMentioning(items.GetItem(i)->GetLine().m_name), 2) << "in the summary and the detail";
    EXPECT_STREQ("Weekly", g_pShopMgr->GetListName());
    EXPECT_TRUE(FileExists("Weekly.shp"));
    EXPECT_EQ(CShopMgr::kSaved, g_pShopMgr->GetState());
}

TEST_F(ShopFormTest, RecipeNameLayoutTakesTheDetailBoxYetWritesTheDetailAndTheSameLayoutKeepsTheRows)
{
    ChooseLayout(CShopForm::kRecipeLayout);
    EXPECT_FALSE(Checked(IDC_SHOPPING_DETAIL));
    EXPECT_FALSE(Enabled(IDC_SHOPPING_DETAIL));
    EXPECT_FALSE(Enabled(IDC_SHOPPING_UNASSIGNED));
    EXPECT_EQ(g_pShopMgr->GetCurrentList().GetSize(), CountStyle(CShopForm::kDetailRow));

    const CScreenLine* pFirst = LineAt(0);
    ChooseLayout(CShopForm::kRecipeLayout);
    EXPECT_EQ(pFirst, LineAt(0)) << "the same layout again rewrites nothing";

    ChooseLayout(CShopForm::kAllSectionsLayout);
    EXPECT_TRUE(Enabled(IDC_SHOPPING_DETAIL));
}

TEST_F(ShopFormTest, ASummaryRowCannotBeEditedButGoesToThePantryAndOffTheList)
{
    const int nRow = FirstRowOfStyle(CShopForm::kSummaryRow);
    SelectRow(nRow);
    EXPECT_FALSE(Enabled(IDC_SHOPPING_EDIT));
    EXPECT_FALSE(Enabled(IDC_SHOPPING_DELETE));
    const auto* pItem = static_cast<const CShoppingListItem*>(Form()->GetSelectedItem(1));
    ASSERT_NE(nullptr, pItem);
    const CString name = pItem->GetLine().m_name;

    Command(IDC_SHOPPING_EDIT);
    EXPECT_STREQ(Text(IDS_SHOPPING_SELECT_DETAIL), m_boxes.GetAllTexts()) << "no item dialog for a summary row";
    m_boxes.ClearShown();
    Command(ID_FORM_ADD_TO_PANTRY);
    EXPECT_STREQ(Text(IDS_PANTRY_WILL_BE_ADDED), m_boxes.GetAllTexts());
    EXPECT_NE(nullptr, g_pShopMgr->GetPantryList().FindByName(name));

    Click(IDC_SHOPPING_NO_PANTRY);
    EXPECT_EQ(0, RowsMentioning(name)) << "in no block";

    SelectRow(FirstRowOfStyle(CShopForm::kDetailRow));
    EXPECT_TRUE(Enabled(IDC_SHOPPING_EDIT));
    EXPECT_TRUE(Enabled(IDC_SHOPPING_DELETE));
}

TEST_F(ShopFormTest, DeletingTheRecipeRowWithYesRemovesItsItemsAndSavesTheList)
{
    Click(IDC_SHOPPING_RECIPE_NAMES);
    const int nRow = FirstRowOfStyle(CShopForm::kRecipeRow);
    SelectRow(nRow);
    EXPECT_FALSE(Enabled(IDC_SHOPPING_EDIT));
    EXPECT_TRUE(Enabled(IDC_SHOPPING_DELETE));

    m_boxes.QueueAnswer(IDNO);
    Command(IDC_SHOPPING_DELETE);
    EXPECT_STREQ(Text(IDS_SHOPPING_DELETE_RECIPE), m_boxes.GetAllTexts());
    EXPECT_GT(g_pShopMgr->GetCurrentList().GetSize(), 0);

    const std::string before = FileText("Weekly.shp");
    m_boxes.QueueAnswer(IDYES);
    SelectRow(FirstRowOfStyle(CShopForm::kRecipeRow));
    Command(IDC_SHOPPING_DELETE);
    EXPECT_EQ(0, g_pShopMgr->GetCurrentList().GetSize());
    EXPECT_EQ(0, CountStyle(CShopForm::kDetailRow));
    EXPECT_EQ(CShopMgr::kSaved, g_pShopMgr->GetState());
    EXPECT_NE(before, FileText("Weekly.shp"));
}

TEST_F(ShopFormTest, SavingUnderTheNameInAnotherCaseAddsNoSecondEntry)
{
    const LRESULT count = Send(IDC_SHOPPING_NAME, CB_GETCOUNT);
    ::SetWindowTextA(Item(IDC_SHOPPING_NAME), "WEEKLY");
    Command(IDC_SHOPPING_SAVE);
    EXPECT_EQ(count, Send(IDC_SHOPPING_NAME, CB_GETCOUNT));

    ::SetWindowTextA(Item(IDC_SHOPPING_NAME), "");
    Command(IDC_SHOPPING_SAVE);
    EXPECT_STREQ(Text(IDS_SHOPPING_NAME_NEEDED), m_boxes.GetAllTexts());
}

TEST_F(ShopFormTest, ClearWithRemovalDeletesTheFileAndEmptiesTheName)
{
    Click(IDC_SHOPPING_ADD_FREQUENT);
    CDialogDriver::OnOpen(IDD_CLEAR_SHOPPING_LIST, [](CDialog& dialog) {
        EXPECT_EQ(BST_CHECKED, dialog.IsDlgButtonChecked(IDC_CLEAR_LEAVE_FILE));
        dialog.CheckRadioButton(IDC_CLEAR_LEAVE_FILE, IDC_CLEAR_REMOVE_FILE, IDC_CLEAR_REMOVE_FILE);
        CDialogDriver::Press(dialog, IDOK);
    });
    Command(IDC_SHOPPING_CLEAR);
    EXPECT_FALSE(FileExists("Weekly.shp"));
    EXPECT_STREQ("", g_pShopMgr->GetListName());
    char name[64] = "?";
    ::GetWindowTextA(Item(IDC_SHOPPING_NAME), name, sizeof name);
    EXPECT_STREQ("", name);
    EXPECT_EQ(CB_ERR,
              Send(IDC_SHOPPING_NAME, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Weekly")));
    EXPECT_EQ(0, g_pShopMgr->GetCurrentList().GetSize());
    EXPECT_STREQ(Text(IDS_FREQUENT_STILL_ADDED), m_boxes.GetAllTexts());
}

// Leaving the form with unsaved changes: No must leave the saved list as it was, also through
// the form's end, which stores the lists.
TEST_F(ShopFormTest, SaveChangesNoKeepsTheFileAndYesWritesIt)
{
    const std::string saved = FileText("Weekly.shp");
    const int items = g_pShopMgr->GetCurrentList().GetSize();
    for (int answer : {IDNO, IDYES})
    {
        SCOPED_TRACE(answer);
        if (g_pFormManager->GetCurrentKind() != CFormManager::kShopping)
            g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kShopping, 0);
        g_pShopMgr->ClearShoppingList();
        m_boxes.QueueAnswer(answer);
        g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0);
        EXPECT_EQ(CFormManager::kStart, g_pFormManager->GetCurrentKind());
        if (answer == IDNO)
        {
            EXPECT_EQ(saved, FileText("Weekly.shp"));
            EXPECT_EQ(items, g_pShopMgr->GetCurrentList().GetSize()) << "the dropped changes are gone";
        }
        else
        {
            EXPECT_NE(saved, FileText("Weekly.shp"));
            EXPECT_EQ(0, g_pShopMgr->GetCurrentList().GetSize());
        }
    }
}

TEST_F(ShopFormTest, PrintToFileWritesTheListAsShown)
{
    CDialogDriver::OnOpen(CPrintDialog::kTemplateId, [](CDialog& print) {
        static_cast<CPrintDialog&>(print).m_pd.Flags |= PD_PRINTTOFILE;
        print.EndDialog(IDOK);
    });
    const std::string file = m_folder + "\\list.txt";
    CDialogDriver::OnOpen(CFileDialog::kTemplateId, [&](CDialog& dialog) {
        lstrcpyA(static_cast<CFileDialog&>(dialog).m_ofn.lpstrFile, file.c_str());
        dialog.EndDialog(IDOK);
    });
    Command(ID_FORM_PRINT);
    const std::string text = FileText("list.txt");
    EXPECT_NE(std::string::npos, text.find("Weekly")) << text;
    for (int i = 0; i < g_pShopMgr->GetCurrentList().GetSize(); ++i)
        EXPECT_NE(std::string::npos, text.find(g_pShopMgr->GetCurrentList().GetItem(i)->GetLine().m_name.GetString()));
}

}  // namespace
