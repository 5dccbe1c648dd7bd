#include "forms/IngredientPanel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "CookbookDialogTest.h"
#include "TestForm.h"
#include "database/IngData.h"
#include "forms/FindDlg.h"
#include "forms/IngredientDialog.h"
#include "forms/IngredientPanelOwner.h"
#include "forms/RelatedItemsPanel.h"
#include "support/FindFixture.h"
#include "support/QueryColumn.h"

namespace {

using formtest::Click;
using formtest::ItemText;

// The recipe field window as the panel sees it: it records what it is asked to do.
class FieldWindowStandIn : public CWnd, public CIngredientPanelOwner
{
public:
    explicit FieldWindowStandIn(CWnd* pForm)
    {
        CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, RECT{0, 0, 190, 250}, pForm, 0);
    }

    void DeleteLine() override { calls.push_back("delete"); }
    void InsertLine() override { calls.push_back("insert"); }
    void LineChanged(CIngData* pLine, BOOL bMarkDirty) override
    {
        calls.push_back(pLine == pShown && bMarkDirty ? "changed" : "changed (other line or clean)");
    }
    BOOL GetEditorIngredientText(CString& text) const override
    {
        text = editorText;
        return editorOpen;
    }

    std::vector<std::string> calls;
    CIngData* pShown = nullptr;
    BOOL editorOpen = FALSE;
    CString editorText;
};

// The panel as the recipe edit form gets it: made by its factory in the related-items panel's
// place, shown for the field window, a line of the recipe given to it.
class IngredientPanelTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        fixture::AddFindFixture(m_database);
        ASSERT_TRUE(m_database.ExecuteDirect("UPDATE INGREDNT SET PLURAL = 's', GROUPING = '000002', FRACTIONAL = 40, "
                                             "LIQUID = 15, DRY = 120, SEASONING = 1 WHERE INGREDIENT = '900012'"));
        form.AddPlaceholder(IDC_RELATED_PANEL, RECT{150, 10, 400, 260});
        related.Create(&form, CFormManager::kRecipeEdit, CIngredientPanel::Make);
        related.ShowIngredientPanel(&fieldWindow);
        line.m_lineType = "I";
        line.m_name = "zeppa red";
        line.m_itemId = CRecordId(900011ul);
        line.m_plural = "es";
        line.m_fractional = 7;
        Show(&line);
    }

    void TearDown() override
    {
        related.HideIngredientPanel(&form, CRecordId());
        CookbookDialogTest::TearDown();
    }

    void Show(CIngData* pLine)
    {
        fieldWindow.pShown = pLine;
        related.SetIngredientLine(pLine);
    }

    CIngredientPanel& Panel() { return static_cast<CIngredientPanel&>(related.GetEditPanel()->GetWindow()); }

    BOOL Checked(int nBox) { return Panel().IsDlgButtonChecked(nBox) == BST_CHECKED; }

    // What the line says now: "type id name plural whole liquid cup group seasoning".
    std::string Line() const
    {
        CString text;
        text.Format("%s %ld %s %s %g %g %g %ld %ld", line.m_lineType.GetString(), line.m_itemId.GetNumber(),
                    line.m_name.GetString(), line.m_plural.GetString(), line.m_fractional, line.m_liquid, line.m_dry,
                    line.m_groupId.GetNumber(), static_cast<long>(line.m_seasoning));
        return text.GetString();
    }

    // Opens the Find dialog from the panel; the action sees which tab it opened on.
    void FindFromPanel(std::function<void(CDialog&, int)> action)
    {
        CDialogDriver::OnOpen(IDD_FIND, [=](CDialog& dialog) { action(dialog, CFindDlg::GetShownTab()); });
        CDialogDriver::Press(Panel(), IDC_INGPANEL_FIND);
    }

    static void Choose(CDialog& dialog, int nInput, const char* search, const char* row)
    {
        dialog.SetDlgItemText(nInput, search);
        CDialogDriver::Press(dialog, IDC_FIND_START);
        dialog.SendDlgItemMessage(IDC_FIND_RESULTS, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(row));
        CDialogDriver::Press(dialog, IDC_FIND_VIEW);
    }

    CTestForm form;
    FieldWindowStandIn fieldWindow{&form};
    CRelatedItemsPanel related;
    CIngData line;
};

TEST_F(IngredientPanelTest, TheFactoryMakesTheSevenControlsInAHiddenBorderedChild)
{
    CIngredientPanel& panel = Panel();
    EXPECT_EQ(&form, panel.GetParent());
    EXPECT_TRUE(panel.GetStyle() & WS_BORDER);
    EXPECT_TRUE(panel.IsWindowVisible());
    related.HideIngredientPanel(&form, CRecordId());
    EXPECT_FALSE(panel.IsWindowVisible());

    struct Case
    {
        int nId;
        const char* text;
        RECT rect;
    };
    const Case cases[] = {
        {IDC_INGPANEL_OPTIONAL, "&Optional Ingredient", {10, 4, 200, 22}},
        {IDC_INGPANEL_PREP_BEFORE, "Preparation Before Ingre&dient", {10, 26, 200, 44}},
        {IDC_INGPANEL_USE_RECIPE, "Use Recipe as Ingredient", {10, 48, 206, 66}},
        {IDC_INGPANEL_DELETE, "Delete Ingredient", {21, 140, 121, 164}},
        {IDC_INGPANEL_INSERT, "Insert Ingredient", {131, 140, 231, 164}},
        {IDC_INGPANEL_NEW, "New Ingredient", {21, 172, 121, 196}},
        {IDC_INGPANEL_FIND, "Find Ingredient", {131, 172, 231, 196}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        CWnd* pControl = panel.GetDlgItem(c.nId);
        ASSERT_NE(nullptr, pControl);
        EXPECT_STREQ(c.text, ItemText(panel, c.nId));
        RECT at;
        pControl->GetWindowRect(&at);
        panel.ScreenToClient(&at);
        EXPECT_EQ(c.rect.left, at.left);
        EXPECT_EQ(c.rect.top, at.top);
        EXPECT_EQ(c.rect.right, at.right);
        EXPECT_EQ(c.rect.bottom, at.bottom);
        EXPECT_EQ(panel.GetDlgItem(IDC_INGPANEL_OPTIONAL)->GetFont()->m_hObject, pControl->GetFont()->m_hObject);
    }
    LOGFONTA font = {};
    panel.GetDlgItem(IDC_INGPANEL_FIND)->GetFont()->GetLogFont(&font);
    EXPECT_EQ(14, font.lfHeight);
    EXPECT_NE('\0', font.lfFaceName[0]);
}

TEST_F(IngredientPanelTest, TheBoxesShowTheLinesFlagsAndKind)
{
    struct Case
    {
        LONG optional;
        LONG before;
        const char* type;
    };
    for (const Case& c : {Case{1, 0, "I"}, Case{0, 1, "R"}, Case{0, 0, "I"}, Case{1, 1, "R"}})
    {
        SCOPED_TRACE(std::to_string(c.optional) + std::to_string(c.before) + c.type);
        line.m_optional = c.optional;
        line.m_switch = c.before;
        line.m_lineType = c.type;
        Show(&line);
        EXPECT_EQ(c.optional != 0, Checked(IDC_INGPANEL_OPTIONAL) != FALSE);
        EXPECT_EQ(c.before != 0, Checked(IDC_INGPANEL_PREP_BEFORE) != FALSE);
        EXPECT_EQ(*c.type == 'R', Checked(IDC_INGPANEL_USE_RECIPE) != FALSE);
    }
    Show(nullptr);
    EXPECT_FALSE(Checked(IDC_INGPANEL_OPTIONAL) || Checked(IDC_INGPANEL_PREP_BEFORE) || Checked(IDC_INGPANEL_USE_RECIPE));
    Click(Panel(), IDC_INGPANEL_OPTIONAL);
    CDialogDriver::Press(Panel(), IDC_INGPANEL_FIND);
    EXPECT_TRUE(fieldWindow.calls.empty()) << "no line: nothing to change";
}

// The recipe editor's Alt+O and Alt+D arrive through the line editor as commands with code 1.
TEST_F(IngredientPanelTest, KeysToggleTheBoxesAndFlagsAsClicksDo)
{
    struct Case
    {
        int nBox;
        LONG CIngData::*flag;
    };
    for (const Case& c : {Case{IDC_INGPANEL_OPTIONAL, &CIngData::m_optional},
                          Case{IDC_INGPANEL_PREP_BEFORE, &CIngData::m_switch}})
    {
        SCOPED_TRACE(c.nBox);
        fieldWindow.calls.clear();
        Click(Panel(), c.nBox);
        EXPECT_TRUE(Checked(c.nBox));
        EXPECT_EQ(1, line.*c.flag);
        Panel().SendMessage(WM_COMMAND, MAKEWPARAM(c.nBox, 1), 0);
        EXPECT_FALSE(Checked(c.nBox));
        EXPECT_EQ(0, line.*c.flag);
        Panel().SendMessage(WM_COMMAND, MAKEWPARAM(c.nBox, 1), 0);
        EXPECT_TRUE(Checked(c.nBox));
        EXPECT_EQ(1, line.*c.flag);
        Click(Panel(), c.nBox);
        EXPECT_FALSE(Checked(c.nBox));
        EXPECT_EQ(0, line.*c.flag);
        EXPECT_EQ(std::vector<std::string>(4, "changed"), fieldWindow.calls);
    }
    EXPECT_EQ("I", std::string(line.m_lineType));
}

TEST_F(IngredientPanelTest, UseRecipeSetsTheKindAndTheButtonsAskTheFieldWindow)
{
    Click(Panel(), IDC_INGPANEL_USE_RECIPE);
    EXPECT_EQ("R", std::string(line.m_lineType));
    Click(Panel(), IDC_INGPANEL_USE_RECIPE);
    EXPECT_EQ("I", std::string(line.m_lineType));
    CDialogDriver::Press(Panel(), IDC_INGPANEL_DELETE);
    CDialogDriver::Press(Panel(), IDC_INGPANEL_INSERT);
    EXPECT_EQ(std::vector<std::string>({"changed", "changed", "delete", "insert"}), fieldWindow.calls);
}

TEST_F(IngredientPanelTest, NewIngredientGivesTheLineOnlyASavedIngredient)
{
    const std::string before = Line();
    fieldWindow.editorOpen = TRUE;
    fieldWindow.editorText = "zeppa rye";
    // Cancel, and Close declining to save, leave the line as it was.
    CDialogDriver::OnOpen(IDD_INGREDIENT, [&](CDialog& dialog) {
        EXPECT_EQ(CIngredientDialog::kAdd, static_cast<CIngredientDialog&>(dialog).GetMode());
        EXPECT_STREQ("zeppa rye", ItemText(dialog, IDC_INGREDIENT_NEW_NAME));
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    CDialogDriver::Press(Panel(), IDC_INGPANEL_NEW);
    CDialogDriver::OnOpen(IDD_INGREDIENT, [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_INGREDIENT_WHOLE, "55");
        m_boxes.QueueAnswer(IDNO);
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    CDialogDriver::Press(Panel(), IDC_INGPANEL_NEW);
    EXPECT_STREQ("Save changes before closing?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(before, Line());
    EXPECT_TRUE(fieldWindow.calls.empty());

    line.m_lineType = "R";
    Show(&line);
    CDialogDriver::OnOpen(IDD_INGREDIENT, [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_INGREDIENT_NEW_NAME, "zeppa barley");
        dialog.SetDlgItemText(IDC_INGREDIENT_PLURAL, "s");
        dialog.SetDlgItemText(IDC_INGREDIENT_WHOLE, "55");
        dialog.SetDlgItemText(IDC_INGREDIENT_CUP, "160");
        CDialogDriver::Press(dialog, IDC_INGREDIENT_SAVE);
        CDialogDriver::Press(dialog, IDC_INGREDIENT_CLOSE);
    });
    CDialogDriver::Press(Panel(), IDC_INGPANEL_NEW);
    const std::vector<std::string> stored =
        fixture::QueryColumn(m_database, "SELECT INGREDIENT FROM INGREDNT WHERE NAME = 'zeppa barley'", m_boxes);
    ASSERT_EQ(1u, stored.size());
    EXPECT_EQ("I " + std::to_string(std::stoul(stored[0])) + " zeppa barley s 55 20 160 0 0", Line());
    EXPECT_FALSE(Checked(IDC_INGPANEL_USE_RECIPE));
    EXPECT_EQ(std::vector<std::string>({"changed"}), fieldWindow.calls);
}

TEST_F(IngredientPanelTest, FindTakesAnIngredientWithItsCatalogueFiguresOrARecipeAsItIs)
{
    const std::string before = Line();
    fieldWindow.editorOpen = TRUE;
    fieldWindow.editorText = "zeppa";
    // Closed without a choice, or a meal plan chosen: the line stays.
    FindFromPanel([&](CDialog& dialog, int nTab) {
        EXPECT_EQ(CFindDlg::kIngredients, nTab);
        EXPECT_STREQ("zeppa", ItemText(dialog, IDC_FIND_INGREDIENT));
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    FindFromPanel([&](CDialog& dialog, int) {
        formtest::ClickTab(dialog, IDC_FIND_TABS, CFindDlg::kMealPlans);
        Choose(dialog, IDC_FIND_TEXT, "zeppa", "Zeppa Picnic");
    });
    EXPECT_EQ(before, Line());
    EXPECT_TRUE(fieldWindow.calls.empty());

    FindFromPanel([&](CDialog& dialog, int) { Choose(dialog, IDC_FIND_INGREDIENT, "zeppa", "zeppa white"); });
    EXPECT_EQ("I 900012 zeppa white s 40 15 120 2 1", Line());

    Click(Panel(), IDC_INGPANEL_USE_RECIPE);
    fieldWindow.calls.clear();
    FindFromPanel([&](CDialog& dialog, int nTab) {
        EXPECT_EQ(CFindDlg::kRecipes, nTab);
        EXPECT_STREQ("zeppa", ItemText(dialog, IDC_FIND_TEXT));
        Choose(dialog, IDC_FIND_TEXT, "zeppa", "Zeppa Bread");
    });
    EXPECT_EQ("R 302 Zeppa Bread s 40 15 120 2 1", Line()) << "the ingredient's figures are left";
    EXPECT_TRUE(Checked(IDC_INGPANEL_USE_RECIPE));
    EXPECT_EQ(std::vector<std::string>({"changed"}), fieldWindow.calls);
}

}  // namespace
