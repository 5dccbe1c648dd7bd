#include "forms/RecipeEditForm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/RMDatabase.h"
#include "forms/IngredientLineDlg.h"
#include "forms/RcpScrollWnd.h"
#include "forms/TOCForm.h"
#include "framework/Dialog.h"
#include "framework/DialogDriver.h"
#include "framework/ListBox.h"
#include "framework/Menu.h"
#include "framework/MessageBoxScript.h"
#include "framework/StandardIds.h"
#include "res/resource.h"
#include "shell/app/CookbookApp.h"
#include "shell/formbase/CurrentRecipe.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "support/CookbookFixture.h"
#include "support/QueryColumn.h"
#include "ProgramKeys.h"
#include "RunningProgramTest.h"

namespace {

const CRecordId kBarleySoup(11UL);
const CRecordId kRyeBread(12UL);
const int kTitle = 10000;
const int kSubtitle = 10001;
const int kIntroduction = 10002;
const int kDirections = 10003;
const int kServings = 10004;
const int kYield = 10005;
const int kPrepTime = 10006;
const int kCookTime = 10007;
const int kStandTime = 10008;
const int kCost = 10009;
const int kCostUnit = 10010;
const int kSource = 10011;
const int kDate = 10012;
const int kPage = 10013;
const int kEditMenu = 1;

using Texts = std::vector<std::string>;

// The program started on a cookbook of two chapters, "Soups" and "Breads": "Barley Soup" in Soups
// with three lines (onion, garlic, carrot), "Rye Bread" in Breads; a leaf recipe category
// "Weeknight" and an information topic "Herbs" to attach.
class RecipeEditFormTest : public apptest::RunningProgramTest
{
protected:
    void SetUp() override
    {
        RunningProgramTest::SetUp();
        CTOCForm::ForgetPlace();
        CRecipeEditForm::ForgetDefaultChapter();
        m_path = Copy(fixture::TemplatePath(), "Edit.TWS");
        MakeFixture();
        BeforeStart();
        StartProgram();
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
    }

    void TearDown() override
    {
        if (g_pFormManager != nullptr && g_pFormManager->GetActiveForm() != nullptr)
            g_pFormManager->GetActiveForm()->m_nModified = 0;
        RunningProgramTest::TearDown();
        SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    virtual void BeforeStart() {}

    void MakeFixture()
    {
        CRMDatabase database;
        ASSERT_TRUE(database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
        for (const char* sql :
             {"DELETE FROM COOKBOOK",
              "INSERT INTO COOKBOOK (COOKBOOK, TITLE) VALUES ('000001', 'Soups'), ('000002', 'Breads')",
              "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS, RATING) VALUES ('000001', '000011', 'Barley "
              "Soup', 4, 0), ('000002', '000012', 'Rye Bread', 8, 0)",
              "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM, MAX_QTY, MIN_QTY, UNIT, PREPARATN, OPTIONAL, SWITCH) "
              "VALUES (1, '000011', 'I', '000001', 1, 1, '000001', NULL, 0, 0), "
              "(2, '000011', 'I', '000002', 2, 2, '000002', 'minced', 0, 0), "
              "(3, '000011', 'I', '000003', 3, 3, '000003', NULL, 0, 0)",
              "INSERT INTO HICAT (CATID, PARENTID, NAME, TYPE, HASRECIPES, HASMENUS, REL_INDEX) VALUES "
              "('070000', '000000', 'Weeknight', 'R', 0, 0, 1)",
              "INSERT INTO REFERENC (REFID, REFTYPE, NAME, CONTENT) VALUES ('000501', 'T', 'Herbs', 'Fresh is best.')"})
            ASSERT_TRUE(database.ExecuteDirect(sql)) << sql;
        database.Close();
    }

    // The editor on the recipe, as Edit on the recipe view or Edit/Add/Recipe opens it.
    void Edit(const CRecordId& id)
    {
        g_pFormManager->SetEditRecipeId(id);
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeEdit, 0);
        ASSERT_EQ(CFormManager::kRecipeEdit, g_pFormManager->GetCurrentKind());
        m_boxes.ClearShown();
    }

    static CRecipeEditForm& Form() { return *static_cast<CRecipeEditForm*>(g_pFormManager->GetActiveForm()); }
    static HWND Field(int nId) { return ::GetDlgItem(Form().GetFieldWindow()->m_hWnd, nId); }
    static HWND Chapter() { return ::GetDlgItem(Form().m_hWnd, IDC_RECIPE_EDIT_CHAPTER); }
    static HWND ChapterEdit() { return ::FindWindowExA(Chapter(), nullptr, "Edit", nullptr); }
    // Types over the control's whole text, as the user does.
    static void TypeInto(HWND hEdit, const char* text)
    {
        ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
        ::SendMessageA(hEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }
    static void Type(int nId, const char* text) { TypeInto(Field(nId), text); }
    static void TypeChapter(const char* text) { TypeInto(ChapterEdit(), text); }
    static std::string Text(HWND hWnd)
    {
        char text[256] = "";
        ::GetWindowTextA(hWnd, text, sizeof text);
        return text;
    }
    static void Command(UINT nId) { Form().SendMessage(WM_COMMAND, nId, 0); }
    static CListBox& Lines() { return Form().GetFieldWindow()->GetIngredientList(); }
    static void SelectLine(int nLine)
    {
        Lines().SetSel(-1, FALSE);
        Lines().SetSel(nLine);
    }
    Texts Stored(const std::string& sql) { return fixture::QueryColumn(*GetCurrentDatabase(), sql, m_boxes); }
    std::string StoredTitle(const CRecordId& id)
    {
        const Texts titles = Stored(std::string("SELECT TITLE FROM RECIPE WHERE RECIPE='") + id.GetText() + "'");
        return titles.empty() ? std::string() : titles[0];
    }
    Texts StoredLines(const CRecordId& id)
    {
        return Stored(std::string("SELECT ITEM FROM QUANTITY WHERE RECIPE='") + id.GetText() + "' ORDER BY QUANTITY");
    }
    size_t RecipeCount() { return Stored("SELECT RECIPE FROM RECIPE").size(); }
    std::string BoxTexts() const { return m_boxes.GetAllTexts().GetString(); }
    // Every write to a recipe row fails in the driver from here on.
    void RefuseRecipeWrites()
    {
        ASSERT_TRUE(GetCurrentDatabase()->ExecuteDirect(
            "CREATE TRIGGER RefuseRecipes BEFORE INSERT ON RECIPE BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    }
};

TEST_F(RecipeEditFormTest, TheFirstOpeningShowsHowToEditALineOnce)
{
    WritePrivateProfileStringA("General", "FirstTime", "Yes", IniPath().c_str());
    g_pFormManager->SetEditRecipeId(kBarleySoup);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeEdit, 0);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeEdit, 0);
    EXPECT_EQ("To edit an ingredient line, double-click it.\n", BoxTexts());
}

TEST_F(RecipeEditFormTest, EveryFieldEditMakesTheFormDirtyAndSaveWritesEveryField)
{
    struct Case
    {
        int nId;
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {kTitle, "Pearl Barley Soup", "TITLE='Pearl Barley Soup'"},
        {kSubtitle, "with thyme", "SUBTITLE='with thyme'"},
        {kIntroduction, "A winter soup.", "INTRO='A winter soup.'"},
        {kServings, "6", "SERVINGS=6"},
        {kYield, "bowls", "YIELD_UNIT='bowls'"},
        {kDirections, "Simmer for an hour.", "DIRECTIONS='Simmer for an hour.'"},
        {kPrepTime, "0:20", "PREP_MIN=20"},
        {kCookTime, "1:10", "COOK_MIN=70"},
        {kStandTime, "0:05", "STND_MIN=5"},
        {kCost, "3.50", "COST=3.5"},
        {kCostUnit, "pot", "COST_UNIT='pot'"},
        {kSource, "Grandmother", "SOURCE='Grandmother'"},
        {kDate, "1/2/99", "DATE_FLD='1/2/99'"},
        {kPage, "12", "PAGE='12'"},
    };
    Edit(kBarleySoup);
    EXPECT_EQ(0, Form().m_nModified);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.typed);
        Form().m_nModified = 0;
        Type(c.nId, c.typed);
        EXPECT_NE(0, Form().m_nModified);
    }
    Command(IDC_RECIPE_EDIT_SAVE);
    EXPECT_EQ("", BoxTexts());
    EXPECT_EQ(0, Form().m_nModified);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(1u, Stored(std::string("SELECT RECIPE FROM RECIPE WHERE RECIPE='000011' AND ") + c.stored).size());
    }
    EXPECT_EQ("Pearl Barley Soup", std::string(GetCurrentRecipe(kBarleySoup, 0x1B)->m_title))
        << "the recipe on display is the one saved";
}

TEST_F(RecipeEditFormTest, SaveWritesTheLinesInOrderCategoriesReferencesAndTypedNutrition)
{
    Edit(kBarleySoup);
    SelectLine(0);
    Command(ID_EDIT_CUT);
    EXPECT_NE(0, Form().m_nModified);
    SelectLine(1);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(3, Lines().GetCount());

    CDialogDriver::OnOpen(IDD_ATTACH_CATEGORIES, [](CDialog& dialog) {
        const LRESULT row = dialog.SendDlgItemMessage(IDC_CATEGORY_ALL, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                      reinterpret_cast<LPARAM>("    Weeknight"));
        dialog.SendDlgItemMessage(IDC_CATEGORY_ALL, LB_SETCURSEL, static_cast<WPARAM>(row));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CATEGORY_ALL, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_CATEGORY_ALL)->m_hWnd));
        CDialogDriver::Press(dialog, IDC_CATEGORY_ATTACH);
        CDialogDriver::Press(dialog, IDOK);
    });
    CDialogDriver::OnOpen(IDD_ATTACH_REFERENCES, [](CDialog& dialog) {
        dialog.SendDlgItemMessage(IDC_REF_TOPICS, LB_SETCURSEL, 0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_REF_TOPICS, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_REF_TOPICS)->m_hWnd));
        CDialogDriver::Press(dialog, IDC_ATTACH);
        CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE);
    });
    CDialogDriver::OnOpen(IDD_NUTRITION_EDIT, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_NUTRITION_CALORIES, "321");
        dialog.CheckDlgButton(IDC_NUTRITION_KEEP_VALUES, BST_CHECKED);
        CDialogDriver::Press(dialog, IDOK);
    });
    for (UINT nId : {IDC_RECIPE_EDIT_CATEGORIES, IDC_RECIPE_EDIT_REFERENCES, ID_RECIPE_EDIT_NUTRITION})
    {
        SCOPED_TRACE(nId);
        Form().m_nModified = 0;
        Command(nId);
        EXPECT_NE(0, Form().m_nModified);
    }
    EXPECT_FALSE(CDialogDriver::HasPendingActions());
    EXPECT_TRUE(CDialogDriver::GetUnexpectedDialogs().empty());

    Command(IDC_RECIPE_EDIT_SAVE);
    EXPECT_EQ("", BoxTexts());
    EXPECT_EQ((Texts{"000002", "000001", "000003"}), StoredLines(kBarleySoup));
    EXPECT_EQ(Texts{"070000"}, Stored("SELECT CATID FROM RCP_CAT_ITEM WHERE ITEM='000011'"));
    EXPECT_EQ(Texts{"000501"}, Stored("SELECT REFID FROM REFITEM WHERE LINKTYPE='R' AND LINKID='000011'"));
    EXPECT_EQ(Texts{"321"}, Stored("SELECT CAST(CALORIES AS INTEGER) FROM RCP_NUTRITION WHERE ITEM_ID='000011'"));
}

// An unchanged Save must not touch the cookbook: any write would fail here and say so.
TEST_F(RecipeEditFormTest, AnUnchangedSaveDoesNothing)
{
    Edit(kBarleySoup);
    RefuseRecipeWrites();
    EXPECT_EQ(CEditFormView::kNotSaved, Form().SaveRecipe());
    Command(IDC_RECIPE_EDIT_SAVE);
    EXPECT_EQ("", BoxTexts());
}

TEST_F(RecipeEditFormTest, TheChapterIsFoundByItsBeginningOrMadeOnYes)
{
    struct Case
    {
        const char* typed;
        int answer;
        const char* message;
        int result;
        const char* storedChapter;
    };
    const Case cases[] = {
        {"sOU", IDYES, "", CEditFormView::kSaved, "Soups"},
        {"", 0, "Chapter name must be specified.\n", CEditFormView::kNotSaved, "Breads"},
        {"Desserts", IDNO, "Chapter does not exist.  Add it?\n", CEditFormView::kNotSaved, "Breads"},
        {"Desserts", IDYES, "Chapter does not exist.  Add it?\n", CEditFormView::kSaved, "Desserts"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.typed);
        Edit(kRyeBread);
        TypeChapter(c.typed);
        EXPECT_NE(0, Form().m_nModified);
        m_boxes.ClearShown();
        if (c.answer != 0)
            m_boxes.QueueAnswer(c.answer);
        EXPECT_EQ(c.result, Form().SaveRecipe());
        EXPECT_EQ(c.message, BoxTexts());
        EXPECT_EQ(Texts{c.storedChapter},
                  Stored("SELECT C.TITLE FROM COOKBOOK C, RECIPE R WHERE C.COOKBOOK=R.COOKBOOK AND R.RECIPE='000012'"));
        EXPECT_EQ(c.result == CEditFormView::kSaved ? c.storedChapter : c.typed, Text(Chapter()));
        Form().m_nModified = 0;
        if (c.result == CEditFormView::kSaved)
        {
            Edit(kRyeBread);
            TypeChapter("Breads");
            Form().SaveRecipe();
        }
    }
    EXPECT_EQ(Texts{"Desserts"}, Stored("SELECT TITLE FROM COOKBOOK WHERE TITLE='Desserts'"));
}

TEST_F(RecipeEditFormTest, AChapterNameOverThirtyCharactersGives34AndKeepsThirty)
{
    Edit(kRyeBread);
    const std::string thirty(30, 'c');
    TypeChapter(thirty.c_str());
    EXPECT_EQ("", BoxTexts());
    ::SendMessageA(ChapterEdit(), EM_SETSEL, 30, 30);
    ::SendMessageA(ChapterEdit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("d"));
    EXPECT_EQ("Chapter names must be 30 or fewer characters.\n", BoxTexts());
    EXPECT_EQ(thirty, Text(Chapter()));
}

TEST_F(RecipeEditFormTest, ANewTitleInUseAsks245AndNoSavesNothing)
{
    Edit(CRecordId());
    TypeChapter("Breads");
    Type(kTitle, "Rye Bread");
    const size_t recipes = RecipeCount();
    m_boxes.QueueAnswer(IDNO);
    EXPECT_EQ(CEditFormView::kDeclined, Form().SaveRecipe());
    EXPECT_EQ("Recipe title Rye Bread already in use.  Do you wish to use this name again?\n", BoxTexts());
    EXPECT_EQ(recipes, RecipeCount());
    EXPECT_NE(0, Form().m_nModified);

    m_boxes.QueueAnswer(IDYES);
    EXPECT_EQ(CEditFormView::kSaved, Form().SaveRecipe());
    EXPECT_EQ(recipes + 1, RecipeCount());
    EXPECT_NE(0UL, Form().GetWorkingCopy().m_recipeId.GetNumber());
}

TEST_F(RecipeEditFormTest, AMissingTitleGives32AndKeepsTheEdits)
{
    Edit(kBarleySoup);
    Type(kTitle, "");
    Type(kSubtitle, "nameless");
    EXPECT_EQ(CEditFormView::kNotSaved, Form().SaveRecipe());
    EXPECT_EQ("Unable to save.  Recipe must have a title.\n", BoxTexts());
    EXPECT_EQ("Barley Soup", StoredTitle(kBarleySoup));
    EXPECT_NE(0, Form().m_nModified);
    EXPECT_EQ("nameless", Text(Field(kSubtitle)));
}

// A write that fails keeps the user on the form with the edits, and the cookbook and the recipe
// on display as they were.
TEST_F(RecipeEditFormTest, AFailedWriteGives33AndKeepsTheFormAndItsEdits)
{
    Edit(kBarleySoup);
    RefuseRecipeWrites();
    Type(kTitle, "Changed Soup");
    m_boxes.QueueAnswer(IDYES);
    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
    EXPECT_NE(std::string::npos, BoxTexts().find("Unable to save recipe.  Recipe name may already be in use.\n"))
        << BoxTexts();
    EXPECT_EQ(CFormManager::kRecipeEdit, g_pFormManager->GetCurrentKind());
    EXPECT_NE(0, Form().m_nModified);
    EXPECT_EQ("Changed Soup", Text(Field(kTitle)));
    EXPECT_EQ("Barley Soup", StoredTitle(kBarleySoup));
    EXPECT_EQ((Texts{"000001", "000002", "000003"}), StoredLines(kBarleySoup));
    EXPECT_EQ("Barley Soup", std::string(GetCurrentRecipe(kBarleySoup, 0x1B)->m_title));
}

class RecipeEditFormReadOnlyTest : public RecipeEditFormTest
{
protected:
    void BeforeStart() override { SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY); }
};

TEST_F(RecipeEditFormReadOnlyTest, AReadOnlyCookbookGives597AndTheFormKeepsItsEdits)
{
    Edit(kBarleySoup);
    Type(kTitle, "Changed Soup");
    EXPECT_EQ(CEditFormView::kDeclined, Form().SaveRecipe());
    EXPECT_EQ("The selected Cookbook is Read-Only.\r\nChanges will not be saved.\n", BoxTexts());
    EXPECT_FALSE(Form().SaveChanges());
    EXPECT_NE(0, Form().m_nModified);
    EXPECT_EQ("Changed Soup", Text(Field(kTitle)));
    EXPECT_EQ("Barley Soup", StoredTitle(kBarleySoup));
}

TEST_F(RecipeEditFormTest, SaveChangesNowOnEveryWayOutSavesDropsOrStays)
{
    const UINT kBack = 1;
    const UINT kOtherForm = 2;
    const UINT kAddRecipe = 3;
    struct Case
    {
        UINT way;
        int answer;
        const char* storedTitle;
        bool stays;
    };
    const Case cases[] = {
        {kBack, IDCANCEL, "Barley Soup", true},   {kBack, IDNO, "Barley Soup", false},
        {kBack, IDYES, "Changed", false},         {kOtherForm, IDCANCEL, "Barley Soup", true},
        {kOtherForm, IDNO, "Barley Soup", false}, {kOtherForm, IDYES, "Changed", false},
        {kAddRecipe, IDCANCEL, "Barley Soup", true}, {kAddRecipe, IDNO, "Barley Soup", false},
        {kAddRecipe, IDYES, "Changed", false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "way " << c.way << " answer " << c.answer);
        GetCurrentDatabase()->ExecuteDirect("UPDATE RECIPE SET TITLE='Barley Soup' WHERE RECIPE='000011'");
        GetCurrentRecipe(CRecordId(), 0);
        if (g_pFormManager->GetCurrentKind() == CFormManager::kRecipeEdit)
            Form().m_nModified = 0;
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
        Edit(kBarleySoup);
        Type(kTitle, "Changed");
        m_boxes.QueueAnswer(c.answer);
        if (c.way == kBack)
            Command(IDC_EDIT_FORM_BACK);
        else if (c.way == kOtherForm)
            g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
        else
            GetCookbookApp()->m_pMainWnd->SendMessage(WM_COMMAND, ID_EDIT_ADD_RECIPE, 0);
        EXPECT_EQ("Save changes now?\n", BoxTexts());
        EXPECT_EQ(c.storedTitle, StoredTitle(kBarleySoup));
        const bool onTheRecipe = g_pFormManager->GetCurrentKind() == CFormManager::kRecipeEdit &&
                                 Form().GetWorkingCopy().m_recipeId == kBarleySoup;
        EXPECT_EQ(c.stays, onTheRecipe);
        if (c.stays)
        {
            EXPECT_EQ("Changed", Text(Field(kTitle)));
        }
    }
}

TEST_F(RecipeEditFormTest, SaveChangesNowAtExitSavesOrStays)
{
    Edit(kBarleySoup);
    Type(kTitle, "Changed");
    m_boxes.QueueAnswer(IDYES);
    m_boxes.QueueAnswer(IDCANCEL);
    GetCookbookApp()->m_pMainWnd->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_NE(nullptr, g_pFormManager);
    EXPECT_EQ("Are you sure you want to exit from Savorum?\nSave changes now?\n", BoxTexts());
    EXPECT_EQ("Changed", Text(Field(kTitle)));
    EXPECT_EQ("Barley Soup", StoredTitle(kBarleySoup));

    m_boxes.QueueAnswer(IDYES);
    m_boxes.QueueAnswer(IDYES);
    GetCookbookApp()->m_pMainWnd->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    GetCookbookApp()->m_pMainWnd = nullptr;
    ASSERT_EQ(nullptr, g_pFormManager);
    CRMDatabase database;
    ASSERT_TRUE(database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
    EXPECT_EQ(Texts{"Changed"}, fixture::QueryColumn(database, "SELECT TITLE FROM RECIPE WHERE RECIPE='000011'", m_boxes));
    database.Close();
}

TEST_F(RecipeEditFormTest, ANewRecipeStartsInTheChapterOfTheLastSave)
{
    Edit(CRecordId());
    EXPECT_EQ("", Text(Chapter()));
    EXPECT_EQ(1, Lines().GetCount()) << "one empty line to start on";
    Edit(kRyeBread);
    Type(kSubtitle, "dark");
    Command(IDC_RECIPE_EDIT_SAVE);
    EXPECT_EQ(2L, CRecipeEditForm::GetDefaultChapter().GetNumber());

    GetCookbookApp()->m_pMainWnd->SendMessage(WM_COMMAND, ID_EDIT_ADD_RECIPE, 0);
    EXPECT_EQ(0UL, Form().GetWorkingCopy().m_recipeId.GetNumber());
    EXPECT_EQ("Breads", Text(Chapter()));
    Type(kTitle, "Oat Bread");
    Command(IDC_RECIPE_EDIT_SAVE);
    EXPECT_EQ("", BoxTexts());
    EXPECT_EQ(Texts{"000002"}, Stored("SELECT COOKBOOK FROM RECIPE WHERE TITLE='Oat Bread'"));
}

std::string Load(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return static_cast<LPCSTR>(text);
}

// The item as the Edit menu shows it once its popup has been opened.
std::string EditMenuItem(UINT nId, bool& enabled)
{
    CWnd* pFrame = GetCookbookApp()->m_pMainWnd;
    CMenu* pPopup = pFrame->GetMenu()->GetSubMenu(kEditMenu);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->GetSafeHmenu()), kEditMenu);
    CString text;
    pPopup->GetMenuString(nId, text, MF_BYCOMMAND);
    enabled = (pPopup->GetMenuState(nId, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
    return static_cast<LPCSTR>(text);
}

TEST_F(RecipeEditFormTest, TheEditMenuFollowsTheSelectedLinesAndCutTakesTextWithoutThem)
{
    Edit(kBarleySoup);
    Lines().SetSel(-1, FALSE);
    bool enabled = false;
    EXPECT_EQ(Load(IDS_CUT), EditMenuItem(ID_EDIT_CUT, enabled));
    SelectLine(1);
    EXPECT_EQ(Load(IDS_CUT_INGREDIENT), EditMenuItem(ID_EDIT_CUT, enabled));
    EXPECT_TRUE(enabled);
    EXPECT_EQ(Load(IDS_COPY_INGREDIENT), EditMenuItem(ID_EDIT_COPY, enabled));
    Command(ID_EDIT_COPY);
    EXPECT_EQ(Load(IDS_PASTE_INGREDIENT), EditMenuItem(ID_EDIT_PASTE, enabled));
    EXPECT_TRUE(enabled);

    Lines().SetSel(-1, FALSE);
    ::SetFocus(Field(kSubtitle));
    Type(kSubtitle, "cut me");
    ::SendMessageA(Field(kSubtitle), EM_SETSEL, 0, -1);
    Command(ID_EDIT_CUT);
    EXPECT_EQ("", Text(Field(kSubtitle)));
    EXPECT_EQ(3, Lines().GetCount());
}

TEST_F(RecipeEditFormTest, TheFormsKeysSaveMoveAndOpenTheAttachDialogsAndEscDoesNothing)
{
    Edit(kBarleySoup);
    ::SetForegroundWindow(GetCookbookApp()->m_pMainWnd->m_hWnd);
    ::SetFocus(Field(kTitle));
    Type(kTitle, "Keyed Soup");
    apptest::PressKey(VK_ESCAPE);
    EXPECT_EQ(CFormManager::kRecipeEdit, g_pFormManager->GetCurrentKind());
    EXPECT_NE(0, Form().m_nModified);
    apptest::PressAltKey('V');
    EXPECT_EQ(0, Form().m_nModified);
    EXPECT_EQ("Keyed Soup", StoredTitle(kBarleySoup));

    ::SetFocus(Field(kTitle));
    apptest::PressKey(VK_TAB);
    EXPECT_EQ(Field(kSubtitle), ::GetFocus());
    apptest::PressKey(VK_TAB, false);
    EXPECT_EQ(Field(kIntroduction), ::GetFocus());
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    apptest::PressKey(VK_TAB);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(Field(kSubtitle), ::GetFocus());

    ::SetFocus(Lines().m_hWnd);
    Form().GetFieldWindow()->SetCurrentLine(0);
    apptest::PressKey(VK_DOWN);
    EXPECT_EQ(1, Form().GetFieldWindow()->GetCurrentLine());
    apptest::PressKey(VK_UP);
    EXPECT_EQ(0, Form().GetFieldWindow()->GetCurrentLine());

    apptest::PressAltKey('Y');
    ::SetFocus(Field(kTitle));
    apptest::PressAltKey('X');
    EXPECT_EQ((std::vector<UINT>{IDD_ATTACH_CATEGORIES, IDD_ATTACH_REFERENCES}), CDialogDriver::GetUnexpectedDialogs());
    EXPECT_EQ("", BoxTexts());
}

}  // namespace

namespace {

// Leaving with a line that fails its check keeps the user on the line, as typed; a line that
// passes is committed and saved with the rest.
TEST_F(RecipeEditFormTest, LeavingCommitsTheOpenLineFirst)
{
    Edit(kBarleySoup);
    SelectLine(0);
    Command(IDOK);
    CIngredientLineDlg* pEditor = Form().GetFieldWindow()->GetLineEditor();
    ASSERT_NE(nullptr, pEditor);
    pEditor->SetDlgItemText(IDC_LINE_UNIT, "handful");
    Command(IDC_EDIT_FORM_BACK);
    EXPECT_EQ("Invalid unit.  Select from list.\n", BoxTexts());
    EXPECT_EQ(CFormManager::kRecipeEdit, g_pFormManager->GetCurrentKind());
    ASSERT_TRUE(Form().GetFieldWindow()->IsLineEditorOpen());
    EXPECT_EQ("handful", Text(pEditor->GetDlgItem(IDC_LINE_UNIT)->m_hWnd));

    m_boxes.ClearShown();
    pEditor->SetDlgItemText(IDC_LINE_UNIT, "teaspoon");
    Form().m_nModified = 1;
    m_boxes.QueueAnswer(IDYES);
    Command(IDC_EDIT_FORM_BACK);
    EXPECT_EQ("Save changes now?\n", BoxTexts());
    EXPECT_NE(CFormManager::kRecipeEdit, g_pFormManager->GetCurrentKind());
    EXPECT_EQ(Texts{"000002"}, Stored("SELECT UNIT FROM QUANTITY WHERE RECIPE='000011' AND QUANTITY=1"));
}

}  // namespace
