#include "shell/app/CookbookApp.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "database/BrowseState.h"
#include "database/CookbookDatabase.h"
#include "database/CustObList.h"
#include "database/ListItem.h"
#include "database/MenuData.h"
#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"
#include "forms/EditCategoriesDlg.h"
#include "forms/FindDlg.h"
#include "forms/PictureWnd.h"
#include "forms/RcpScrollWnd.h"
#include "forms/RecipeEditForm.h"
#include "forms/RecipeViewForm.h"
#include "forms/ToolForm.h"
#include "forms/IngredientDialog.h"
#include "framework/CmdUI.h"
#include "framework/DialogDriver.h"
#include "framework/Document.h"
#include "framework/FontDialog.h"
#include "framework/FrameWnd.h"
#include "framework/ListBox.h"
#include "framework/Menu.h"
#include "framework/MessageBoxScript.h"
#include "framework/StandardIds.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/formbase/BVFormView.h"
#include "shell/formbase/FormManager.h"
#include "shell/formbase/GenericDoc.h"
#include "shell/formbase/MenuDoc.h"
#include "shell/formbase/RcpDoc.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/ErrorReporter.h"
#include "shell/services/IngredientClipboardFormat.h"
#include "shell/services/ProgressDlg.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/FontChangedFlag.h"
#include "shell/settings/ProgramDirectory.h"
#include "shell/settings/SettingsFile.h"
#include "shopping/AssignSectionsDlg.h"
#include "shopping/ShopMgr.h"
#include "support/CategoryLinks.h"
#include "support/CookbookFixture.h"
#include "support/FindFixture.h"
#include "support/QueryColumn.h"
#include "ProgramKeys.h"

namespace {

CCookbookApp g_app;
using apptest::PressAltKey;
using apptest::PressKey;

std::string Text(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return static_cast<LPCSTR>(text);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Cancels every system dialog that opens on this thread while it lives: the cookbook file
// dialog is the system's own, which no dialog driver reaches.
class CSystemDialogCanceller
{
public:
    CSystemDialogCanceller() : m_hHook(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())) {}
    ~CSystemDialogCanceller() { UnhookWindowsHookEx(m_hHook); }
    CSystemDialogCanceller(const CSystemDialogCanceller&) = delete;
    CSystemDialogCanceller& operator=(const CSystemDialogCanceller&) = delete;

    static int s_cancelled;

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_ACTIVATE)
        {
            char className[16] = "";
            GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
            if (lstrcmpA(className, "#32770") == 0)
            {
                ++s_cancelled;
                PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDCANCEL, 0);
            }
        }
        return CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    HHOOK m_hHook;
};

int CSystemDialogCanceller::s_cancelled = 0;

// The program started in-process from a folder of its own, as SAVOR32.EXE would be started
// from its program directory.
class ApplicationTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        CookbookTest::SetUp();
        DeleteFileA(IniPath().c_str());
        // The recipe editor's first-time help would add its box to every count of boxes.
        WritePrivateProfileStringA("General", "FirstTime", "No", IniPath().c_str());
        CProgramDirectory::SetProgramDirectory(m_folder.c_str());
        SetCurrentDirectoryA(m_folder.c_str());
        CreateDirectoryA((m_folder + "\\resource").c_str(), nullptr);
        SetEnvironmentVariableA("TEMP", m_folder.c_str());
        CDialogDriver::Reset();
        CDialogDriver::Arm(TRUE);
        g_app.m_hInstance = GetModuleHandleA(nullptr);
        g_app.m_nCmdShow = SW_SHOW;
    }

    void TearDown() override
    {
        if (g_app.m_pMainWnd != nullptr)
            g_app.m_pMainWnd->DestroyWindow();
        g_app.m_pMainWnd = nullptr;
        DropQuitMessages();
        CDialogDriver::Reset();
        CookbookTest::TearDown();
    }

    BOOL Start(const std::string& commandLine)
    {
        m_commandLine = commandLine;
        g_app.m_lpCmdLine = &m_commandLine[0];
        return g_app.InitInstance();
    }

    // What the framework does when start-up fails: the main frame goes, and its tear-down with it.
    static void EndFailedStart()
    {
        CWnd* pFrame = g_app.m_pMainWnd;
        g_app.m_pMainWnd = nullptr;
        if (pFrame != nullptr)
            pFrame->DestroyWindow();
    }

    static void DropQuitMessages()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        {
        }
    }

    static CWnd* Frame() { return g_app.m_pMainWnd; }
    static CToolForm* ToolForm() { return static_cast<CToolForm*>(g_pFormManager->GetToolForm()); }
    static bool ToolButtonEnabled(UINT nId)
    {
        return IsWindowEnabled(GetDlgItem(ToolForm()->m_hWnd, static_cast<int>(nId))) != FALSE;
    }
    static void Command(UINT nID) { Frame()->SendMessage(WM_COMMAND, nID, 0); }
    static long Kind() { return g_pFormManager->GetCurrentKind(); }

    std::string IniPath() const { return m_folder + "\\SAVOR32.INI"; }

    std::string IniValue(const char* section, const char* key) const
    {
        char value[300];
        GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, IniPath().c_str());
        return value;
    }

    static std::string Title()
    {
        CString title;
        Frame()->GetWindowText(title);
        return static_cast<LPCSTR>(title);
    }

    std::string m_commandLine;
};

TEST_F(ApplicationTest, StartsOnTheCookbookOfTheCommandLineInAFixedFrame)
{
    const std::string cookbook = Copy(fixture::TemplatePath(), "Fixture.TWS");
    ASSERT_TRUE(Start("\"" + cookbook + "\"")) << m_boxes.GetAllTexts();

    EXPECT_EQ(0u, Frame()->GetStyle() & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    CString title;
    Frame()->GetWindowText(title);
    EXPECT_STREQ("Savorum - FIXTURE", title);
    EXPECT_EQ(CFormManager::kStart, Kind());
    ASSERT_NE(nullptr, g_pFormManager->GetActiveForm());
    ASSERT_NE(nullptr, g_pFormManager->GetToolForm());
    CRect form;
    g_pFormManager->GetActiveForm()->GetParentFrame()->GetWindowRect(&form);
    CRect tool;
    g_pFormManager->GetToolForm()->GetWindowRect(&tool);
    EXPECT_EQ(tool.bottom, form.top) << "the forms start below the tool bar";
    EXPECT_NE(nullptr, GetCurrentDatabase());
    EXPECT_NE(nullptr, g_pAppSettings);
}

TEST_F(ApplicationTest, MenuLosesNewAndOpenAndGetsTheRatingPopup)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Menu.TWS")));
    CMenu* pMenu = Frame()->GetMenu();
    CMenu* pFile = pMenu->GetSubMenu(0);
    EXPECT_EQ(static_cast<UINT>(ID_FILE_IMPORT), pFile->GetMenuItemID(0));
    EXPECT_EQ(0xFFFFFFFFu, pMenu->GetMenuState(57600, MF_BYCOMMAND));
    EXPECT_EQ(0xFFFFFFFFu, pMenu->GetMenuState(57601, MF_BYCOMMAND));

    CMenu* pTools = pMenu->GetSubMenu(3);
    CMenu* pRatings = nullptr;
    for (int i = 0; i < pTools->GetMenuItemCount() && pRatings == nullptr; ++i)
        pRatings = pTools->GetSubMenu(i);
    ASSERT_NE(nullptr, pRatings);
    const UINT expected[] = {563, 564, 565, 566, 567};
    ASSERT_EQ(5, pRatings->GetMenuItemCount());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(expected[i], pRatings->GetMenuItemID(i));
}

TEST_F(ApplicationTest, ToolsMenuDropsCalendarAndSpellCheckWhenShown)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Tools.TWS")));
    CMenu* pTools = Frame()->GetMenu()->GetSubMenu(3);
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pTools->GetSafeHmenu()), 3);
    EXPECT_EQ(0xFFFFFFFFu, pTools->GetMenuState(ID_TOOLS_ADD_TO_CALENDAR, MF_BYCOMMAND));
    EXPECT_EQ(0xFFFFFFFFu, pTools->GetMenuState(ID_TOOLS_SPELL_CHECK, MF_BYCOMMAND));
    EXPECT_NE(0xFFFFFFFFu, pTools->GetMenuState(ID_TOOLS_SERVINGS, MF_BYCOMMAND));
}

TEST_F(ApplicationTest, FormsOpenByKindWithBackAndHome)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Forms.TWS")));
    CBVFormView* pStart = g_pFormManager->GetActiveForm();

    Command(ID_VIEW_CONTENTS);
    EXPECT_EQ(CFormManager::kContents, Kind());
    EXPECT_NE(pStart, g_pFormManager->GetActiveForm());
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeView, 12);
    EXPECT_EQ(CFormManager::kRecipeView, Kind());
    EXPECT_EQ(12, g_pFormManager->GetCurrentValue());
    EXPECT_EQ(3, g_pFormManager->GetHistoryDepth());

    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
    EXPECT_EQ(CFormManager::kContents, Kind());
    Command(ID_VIEW_STARTUP_WINDOW);
    EXPECT_EQ(CFormManager::kStart, Kind());
    EXPECT_EQ(1, g_pFormManager->GetHistoryDepth());

    // Back from the start entry has nowhere to go.
    CBVFormView* pHome = g_pFormManager->GetActiveForm();
    EXPECT_EQ(1, g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0));
    EXPECT_EQ(pHome, g_pFormManager->GetActiveForm());
    EXPECT_EQ(CFormManager::kStart, Kind());
}

TEST_F(ApplicationTest, CategoriesDrillDownAndBackOneLevelAtATime)
{
    ASSERT_TRUE(Start(Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "Categories.TWS")));
    CMessageBoxScript boxes;
    g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kRecipeCategories, 0);
    EXPECT_EQ(CFormManager::kRecipeCategories, Kind());
    EXPECT_STREQ("Recipes", g_pFormManager->GetCurrentEntryName());
    CBVFormView* pCategoryForm = g_pFormManager->GetActiveForm();

    // "Main Ingredient" has children: the category form shows them itself.
    EXPECT_EQ(1, g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kRecipeCategories, 1));
    EXPECT_EQ(pCategoryForm, g_pFormManager->GetActiveForm());
    EXPECT_STREQ("Main Ingredient", g_pFormManager->GetCurrentEntryName());

    // "Poultry" has recipes and no children: the list form opens.
    g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kRecipeCategories, 5);
    EXPECT_EQ(CFormManager::kCategoryRecipes, Kind());
    EXPECT_EQ(5, g_pFormManager->GetCurrentValue());
    EXPECT_EQ(4, g_pFormManager->GetHistoryDepth());

    g_pFormManager->OpenForm(CFormManager::kActionListBack, 0, 0);
    EXPECT_EQ(CFormManager::kRecipeCategories, Kind());
    EXPECT_EQ(1, g_pFormManager->GetCurrentValue());
    pCategoryForm = g_pFormManager->GetActiveForm();
    EXPECT_EQ(1, g_pFormManager->OpenForm(CFormManager::kActionCategoryBack, 0, 0));
    EXPECT_EQ(pCategoryForm, g_pFormManager->GetActiveForm());
    EXPECT_EQ(0, g_pFormManager->GetCurrentValue());
    g_pFormManager->OpenForm(CFormManager::kActionCategoryBack, 0, 0);
    EXPECT_EQ(CFormManager::kStart, Kind());
    EXPECT_TRUE(boxes.GetTexts().empty());

    g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kRecipeCategories, 0);
    EXPECT_EQ(1, g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kRecipeCategories, 999));
    EXPECT_EQ(CFormManager::kRecipeCategories, Kind());
    ASSERT_EQ(1u, boxes.GetTexts().size());
    EXPECT_STREQ("Nothing to view.", boxes.GetTexts()[0]);
}

TEST_F(ApplicationTest, SaveCheckOnAModifiedEditingForm)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Save.TWS")));
    CMessageBoxScript boxes;
    Command(ID_EDIT_ADD_RECIPE);
    ASSERT_EQ(CFormManager::kRecipeEdit, Kind());

    g_pFormManager->GetActiveForm()->m_nModified = 1;
    boxes.QueueAnswer(IDCANCEL);
    EXPECT_EQ(1, g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0));
    EXPECT_EQ(CFormManager::kRecipeEdit, Kind());

    boxes.QueueAnswer(IDNO);
    g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0);
    EXPECT_EQ(CFormManager::kStart, Kind());

    Command(ID_EDIT_ADD_RECIPE);
    // A new recipe is stored once it has a title and a chapter, made on the way.
    const int kRecipeTitleField = 10000;
    auto* pForm = static_cast<CRecipeEditForm*>(g_pFormManager->GetActiveForm());
    pForm->SetDlgItemText(IDC_RECIPE_EDIT_CHAPTER, "Soups");
    ::SetDlgItemTextA(pForm->GetFieldWindow()->m_hWnd, kRecipeTitleField, "Barley Soup");
    pForm->m_nModified = 1;
    boxes.QueueAnswer(IDYES);
    boxes.QueueAnswer(IDYES);
    g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0);
    EXPECT_EQ(CFormManager::kStart, Kind());

    const std::vector<CString> texts = boxes.GetTexts();
    ASSERT_EQ(4u, texts.size());
    for (size_t i : {0u, 1u, 2u})
        EXPECT_STREQ(Text(IDS_SAVE_CHANGES).c_str(), texts[i]);
    EXPECT_STREQ(Text(IDS_ADD_MISSING_CHAPTER).c_str(), texts[3]);
}

// Stands in for an editing form whose save is refused (a read-only cookbook, a name refused).
class CRefusingForm : public CBVFormView
{
public:
    CRefusingForm() = default;
    BOOL SaveChanges() override { return FALSE; }
};

TEST_F(ApplicationTest, FailedSaveKeepsTheUserOnTheForm)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Refused.TWS")));
    Command(ID_EDIT_ADD_MEAL_PLAN);
    ASSERT_EQ(CFormManager::kMealPlanEdit, Kind());
    CBVFormView* pForm = g_pFormManager->GetActiveForm();
    CRefusingForm refusing;
    refusing.m_nModified = 1;
    g_pFormManager->SetActiveForm(&refusing);
    CMessageBoxScript boxes;
    boxes.QueueAnswer(IDYES);

    EXPECT_EQ(1, g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0));
    EXPECT_EQ(CFormManager::kMealPlanEdit, Kind());
    EXPECT_EQ(1, refusing.m_nModified);
    ASSERT_EQ(2u, boxes.GetTexts().size());
    EXPECT_STREQ(Text(IDS_SAVE_FAILED).c_str(), boxes.GetTexts()[1]);
    g_pFormManager->SetActiveForm(pForm);
}

TEST_F(ApplicationTest, KindWithoutAFormClosesTheProgramWithoutAsking)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Missing.TWS")));
    CMessageBoxScript boxes;
    CBVFormView* pStart = g_pFormManager->GetActiveForm();
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, 8, 0);
    ASSERT_EQ(1u, boxes.GetTexts().size());
    EXPECT_STREQ("Missing a critical file.  Cannot continue.", boxes.GetTexts()[0]);
    EXPECT_EQ(pStart, g_pFormManager->GetActiveForm());

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, Frame()->m_hWnd, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
    DispatchMessageA(&msg);
    g_app.m_pMainWnd = nullptr;
    EXPECT_EQ(nullptr, g_pFormManager);
    EXPECT_EQ(1u, boxes.GetTexts().size());
}

TEST_F(ApplicationTest, ExitAsksThenTearsDownAndWritesTheSettings)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Exit.TWS")));
    std::ofstream(m_folder + "\\PX4.CHK") << "x";
    std::ofstream(m_folder + "\\ERR.001") << "x";
    CMessageBoxScript boxes;

    Command(ID_EDIT_ADD_RECIPE);
    g_pFormManager->GetActiveForm()->m_nModified = 1;

    boxes.QueueAnswer(IDNO);
    Frame()->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(IsWindow(Frame()->m_hWnd));
    boxes.QueueAnswer(IDYES);
    boxes.QueueAnswer(IDCANCEL);
    Frame()->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(IsWindow(Frame()->m_hWnd));

    boxes.QueueAnswer(IDYES);
    boxes.QueueAnswer(IDNO);
    Frame()->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    g_app.m_pMainWnd = nullptr;
    EXPECT_EQ(nullptr, g_pFormManager);
    EXPECT_EQ(nullptr, GetCurrentDatabase());
    EXPECT_EQ(nullptr, g_pAppSettings);
    EXPECT_EQ(nullptr, g_pShopMgr);
    EXPECT_TRUE(FileExists(IniPath()));
    EXPECT_FALSE(FileExists(m_folder + "\\PX4.CHK"));
    EXPECT_FALSE(FileExists(m_folder + "\\ERR.001"));
    // The tear-down asks nothing: the save check ran before it.
    const std::vector<CString> texts = boxes.GetTexts();
    ASSERT_EQ(5u, texts.size());
    for (size_t i : {0u, 1u, 3u})
        EXPECT_STREQ("Are you sure you want to exit from Savorum?", texts[i]);
    for (size_t i : {2u, 4u})
        EXPECT_STREQ(Text(IDS_SAVE_CHANGES).c_str(), texts[i]);
}

TEST_F(ApplicationTest, NoCommandRunsInsideALongOperation)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Busy.TWS")));
    {
        CProgressDlg progress(nullptr, "Importing");
        EXPECT_FALSE(Frame()->IsWindowEnabled());
        Command(ID_VIEW_CONTENTS);
        EXPECT_EQ(CFormManager::kStart, Kind());
    }
    EXPECT_TRUE(Frame()->IsWindowEnabled());
    Command(ID_VIEW_CONTENTS);
    EXPECT_EQ(CFormManager::kContents, Kind());
}

// File/Exit chosen while the categories load runs after the load, not under it.
TEST_F(ApplicationTest, ExitWaitingDuringACategoryLoadRunsAfterIt)
{
    ASSERT_TRUE(Start(Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "Stale.TWS")));
    CMessageBoxScript boxes;
    boxes.QueueAnswer(IDYES);
    GetCurrentDatabase()->GetCategoryTree(-1);
    const HWND hFrame = Frame()->m_hWnd;
    PostMessageA(hFrame, WM_COMMAND, ID_FILE_EXIT, 0);

    g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kRecipeCategories, 1);
    EXPECT_EQ(CFormManager::kRecipeCategories, Kind());
    EXPECT_TRUE(boxes.GetTexts().empty()) << boxes.GetAllTexts();

    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT)
        DispatchMessageA(&msg);
    g_app.m_pMainWnd = nullptr;
    EXPECT_FALSE(IsWindow(hFrame));
    EXPECT_EQ(nullptr, g_pFormManager);
    ASSERT_EQ(1u, boxes.GetTexts().size());
    EXPECT_STREQ("Are you sure you want to exit from Savorum?", boxes.GetTexts()[0]);
}

TEST_F(ApplicationTest, MissingTempEndsStartUpWithItsMessage)
{
    SetEnvironmentVariableA("TEMP", nullptr);
    CMessageBoxScript boxes;
    EXPECT_FALSE(Start(Copy(fixture::TemplatePath(), "Temp.TWS")));
    EndFailedStart();
    EXPECT_EQ(nullptr, g_pFormManager);
    ASSERT_EQ(1u, boxes.GetTexts().size());
    EXPECT_STREQ(Text(IDS_NO_TEMP_DIRECTORY).c_str(), boxes.GetTexts()[0]);
    EXPECT_STREQ("Savorum", boxes.GetShown()[0].caption);
}

// Run by its own test entry with an ODBC configuration that lists no driver.
TEST_F(ApplicationTest, DISABLED_NoCookbookDriverEndsStartUpWithItsMessage)
{
    CMessageBoxScript boxes;
    EXPECT_FALSE(Start(Copy(fixture::TemplatePath(), "Driver.TWS")));
    EndFailedStart();
    EXPECT_EQ(nullptr, g_pFormManager);
    ASSERT_EQ(1u, boxes.GetTexts().size());
    EXPECT_NE(-1, boxes.GetTexts()[0].Find("A required cookbook database driver could not be found."));
}

TEST_F(ApplicationTest, NoCookbookAndTheFileDialogCancelledEndsStartUp)
{
    CMessageBoxScript boxes;
    CSystemDialogCanceller canceller;
    CSystemDialogCanceller::s_cancelled = 0;
    EXPECT_FALSE(Start(""));
    EXPECT_EQ(1, CSystemDialogCanceller::s_cancelled);
    EXPECT_EQ(nullptr, g_app.m_pMainWnd);
    EXPECT_EQ(nullptr, g_pFormManager);
    ASSERT_FALSE(boxes.GetTexts().empty());
    EXPECT_NE(-1, boxes.GetTexts()[0].Find("Please select a cookbook file."));
}

struct SplashSearch
{
    CString title;
    HWND hFound;
};

BOOL CALLBACK MatchSplash(HWND hWnd, LPARAM lParam)
{
    auto& search = *reinterpret_cast<SplashSearch*>(lParam);
    char title[64] = "";
    GetWindowTextA(hWnd, title, sizeof title);
    if ((GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 && search.title == title)
        search.hFound = hWnd;
    return TRUE;
}

// The splash window of the application, while it is up.
HWND FindSplash()
{
    SplashSearch search{Text(IDS_PUBLISHER).c_str(), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchSplash, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

// An error box is modal to the frame, so no command starts under it, and the splash goes first.
TEST_F(ApplicationTest, ErrorBoxIsOwnedByTheFrameAndTakesTheSplashAway)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "ErrorBox.TWS")));
    g_app.ShowSplash();
    const HWND hSplash = FindSplash();
    ASSERT_NE(nullptr, hSplash);
    CMessageBoxScript boxes;
    g_pErrorReporter->ShowErrorText("Disk trouble");
    ASSERT_EQ(1u, boxes.GetShown().size());
    EXPECT_EQ(Frame()->m_hWnd, boxes.GetShown()[0].hOwner);
    EXPECT_FALSE(IsWindow(hSplash));
}

TEST_F(ApplicationTest, ViewFontKeepsThePointSizeForPrintingAndTheSettingsFile)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Font.TWS")));
    CDialogDriver::OnOpen(CFontDialog::kTemplateId, [](CDialog& dialog) {
        auto& font = static_cast<CFontDialog&>(dialog);
        font.m_lf = LOGFONTA{};
        font.m_lf.lfHeight = -20;
        font.m_lf.lfWeight = FW_BOLD;
        lstrcpyA(font.m_lf.lfFaceName, "Arial");
        font.m_cf.iPointSize = 150;
        dialog.EndDialog(IDOK);
    });
    Command(ID_VIEW_FONT);
    const PrintSettings& record = *g_pAppSettings->GetPrintRecord();
    EXPECT_EQ(-20, record.FontHeight);
    EXPECT_EQ(150, record.FontWidth) << "tenths of a point";
    EXPECT_EQ(FW_BOLD, record.FontWeight);
    EXPECT_STREQ("Arial", record.FontFace);
    EXPECT_TRUE(HasFontChanged());

    EndFailedStart();
    EXPECT_EQ("150", IniValue("Printer Info", "Font Width"));
    EXPECT_EQ("Arial", IniValue("Printer Info", "Font Face"));
}

// A cookbook whose name has a point keeps its own section; the cookbook of the name before the
// point keeps its settings.
TEST_F(ApplicationTest, CookbookNameWithAPointHasItsOwnSettingsSection)
{
    WritePrivateProfileStringA("Family", "DataPath", "D:\\Family", IniPath().c_str());
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Family.Old.TWS")));
    EXPECT_EQ("D:\\Family", IniValue("Family", "DataPath"));
    CString dataPath;
    CSettingsFile().GetDataPathSetting(dataPath);
    EXPECT_EQ(0, dataPath.CompareNoCase((m_folder + "\\").c_str())) << dataPath;
}

TEST_F(ApplicationTest, SetDirectoriesShowsTheOpenCookbooksFoldersAndWritesOnlyOnOk)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Family.Old.TWS")));
    const std::string photos = m_folder + "\\Photos";
    CreateDirectoryA(photos.c_str(), nullptr);
    CString shownMedia;
    CString shownCookbooks;
    auto readTypeAndPress = [&](int nButton) {
        return [&, nButton](CDialog& dialog) {
            dialog.GetDlgItemText(IDC_MEDIA_DIRECTORY, shownMedia);
            dialog.GetDlgItemText(IDC_COOKBOOK_DIRECTORY, shownCookbooks);
            dialog.SetDlgItemText(IDC_MEDIA_DIRECTORY, (photos + "\\").c_str());
            CDialogDriver::Press(dialog, nButton);
            // A refused OK leaves the dialog up.
            if (dialog.GetModalResult() == -1)
                CDialogDriver::Press(dialog, IDCANCEL);
        };
    };
    auto sameFolder = [](const std::string& expected, CString shown) {
        shown.TrimRight('\\');
        return shown.CompareNoCase(expected.c_str()) == 0;
    };

    CDialogDriver::OnOpen(IDD_SET_DIRECTORIES, readTypeAndPress(IDCANCEL));
    Command(ID_FILE_SET_DIRECTORIES);
    EXPECT_TRUE(sameFolder(m_folder, shownMedia)) << "photos are looked for beside the cookbook: " << shownMedia;
    EXPECT_TRUE(sameFolder(m_folder, shownCookbooks)) << shownCookbooks;
    EXPECT_EQ("<missing>", IniValue("Family.Old", "MediaPath"));
    EXPECT_EQ("<missing>", IniValue("General", "DatabaseDirectory"));

    CDialogDriver::OnOpen(IDD_SET_DIRECTORIES, readTypeAndPress(IDOK));
    Command(ID_FILE_SET_DIRECTORIES);
    EXPECT_TRUE(sameFolder(photos, IniValue("Family.Old", "MediaPath").c_str()));
    EXPECT_TRUE(sameFolder(m_folder, IniValue("General", "DatabaseDirectory").c_str()));
    EXPECT_EQ("<missing>", IniValue("Family", "MediaPath"));

    CDialogDriver::OnOpen(IDD_SET_DIRECTORIES, readTypeAndPress(IDCANCEL));
    Command(ID_FILE_SET_DIRECTORIES);
    EXPECT_TRUE(sameFolder(photos, shownMedia)) << shownMedia;
    EXPECT_FALSE(CDialogDriver::HasPendingActions());
}

// Windows ends the session: the save check runs, and only Cancel keeps the program.
TEST_F(ApplicationTest, EndOfSessionRunsTheSaveCheckAndEndsUnlessCancelled)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Session.TWS")));
    CMessageBoxScript boxes;
    Command(ID_EDIT_ADD_RECIPE);
    g_pFormManager->GetActiveForm()->m_nModified = 1;
    const HWND hFrame = Frame()->m_hWnd;

    boxes.QueueAnswer(IDCANCEL);
    EXPECT_EQ(FALSE, SendMessageA(hFrame, WM_QUERYENDSESSION, 0, 0));
    EXPECT_TRUE(IsWindow(hFrame));
    EXPECT_NE(nullptr, g_pFormManager);

    boxes.QueueAnswer(IDNO);
    EXPECT_EQ(TRUE, SendMessageA(hFrame, WM_QUERYENDSESSION, 0, 0));
    g_app.m_pMainWnd = nullptr;
    EXPECT_FALSE(IsWindow(hFrame));
    EXPECT_EQ(nullptr, g_pFormManager);
    EXPECT_EQ(nullptr, g_pAppSettings);
    EXPECT_NE("<missing>", IniValue("Printer Info", "Copies")) << "the settings are written";
    const std::vector<CString> texts = boxes.GetTexts();
    ASSERT_EQ(2u, texts.size()) << "no exit question";
    for (const CString& text : texts)
        EXPECT_STREQ(Text(IDS_SAVE_CHANGES).c_str(), text);
}

// The program started from a folder of its own beside the "CookBks" folder of the default
// cookbook, as it is installed.
class StartPathTest : public ApplicationTest
{
protected:
    void SetUp() override
    {
        ApplicationTest::SetUp();
        m_program = m_folder + "\\Savorum";
        CreateDirectoryA(m_program.c_str(), nullptr);
        CreateDirectoryA((m_program + "\\resource").c_str(), nullptr);
        CreateDirectoryA((m_folder + "\\CookBks").c_str(), nullptr);
        DeleteFileA((m_program + "\\SAVOR32.INI").c_str());
        CProgramDirectory::SetProgramDirectory(m_program.c_str());
        SetCurrentDirectoryA(m_program.c_str());
    }

    void CopyDefaultCookbook() { Copy(fixture::TemplatePath(), "CookBks\\Cookbook.TWS"); }

    void Restart()
    {
        EndFailedStart();
        DropQuitMessages();
    }

    std::string m_program;
};

TEST_F(StartPathTest, MissingCookbookIsNamedBeforeTheDefaultOpens)
{
    CopyDefaultCookbook();
    CMessageBoxScript boxes;
    ASSERT_TRUE(Start(m_folder + "\\Gone.TWS"));
    EXPECT_EQ("Savorum - Cookbook", Title());
    ASSERT_EQ(1u, boxes.GetTexts().size());
    EXPECT_NE(-1, boxes.GetTexts()[0].Find("GONE.TWS")) << boxes.GetTexts()[0];
    EXPECT_EQ(Frame()->m_hWnd, boxes.GetShown()[0].hOwner);
}

TEST_F(StartPathTest, WithoutACommandLineTheLastCookbookOpensElseTheDefault)
{
    const std::string last = Copy(fixture::TemplatePath(), "Last.TWS");
    ASSERT_TRUE(Start(last));
    Restart();
    CMessageBoxScript boxes;
    ASSERT_TRUE(Start(""));
    EXPECT_EQ("Savorum - LAST", Title());
    EXPECT_TRUE(boxes.GetTexts().empty()) << boxes.GetAllTexts();

    Restart();
    ASSERT_TRUE(DeleteFileA(last.c_str()));
    CopyDefaultCookbook();
    ASSERT_TRUE(Start(""));
    EXPECT_EQ("Savorum - Cookbook", Title());
    ASSERT_EQ(1u, boxes.GetTexts().size());
    EXPECT_NE(-1, boxes.GetTexts()[0].Find("LAST.TWS")) << boxes.GetTexts()[0];
}

}  // namespace

namespace {

// Stands in for the contents, list, recipe edit and shopping forms with what they have selected.
class CSelectingForm : public CBVFormView
{
public:
    int GetSelectedListMode() const override { return m_listMode; }
    void RefreshContents() override { ++m_refreshes; }
    BOOL HasRecipeSelection() const override { return m_bRecipeSelected; }
    BOOL CanCopyIngredients() const override { return m_bLinesSelected; }
    BOOL CanPasteIngredients() const override { return m_bCanPaste; }
    CObject* GetSelectedItem(int) const override
    {
        return m_bItemSelected ? const_cast<CSelectingForm*>(this) : nullptr;
    }
    void OnUpdate(CView*, LPARAM lHint, CObject*) override { m_hints.push_back(lHint); }

    int m_listMode = 0;
    BOOL m_bRecipeSelected = FALSE;
    BOOL m_bLinesSelected = FALSE;
    BOOL m_bCanPaste = FALSE;
    BOOL m_bItemSelected = FALSE;
    int m_refreshes = 0;
    std::vector<LPARAM> m_hints;
};

// Opens the kind, then puts the form in place of the one opened for as long as it lives.
class CFormStandIn
{
public:
    CFormStandIn(long kind, CBVFormView& form)
    {
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, kind, 0);
        m_pOpened = g_pFormManager->GetActiveForm();
        g_pFormManager->SetActiveForm(&form);
    }
    ~CFormStandIn() { g_pFormManager->SetActiveForm(m_pOpened); }
    CFormStandIn(const CFormStandIn&) = delete;
    CFormStandIn& operator=(const CFormStandIn&) = delete;

private:
    CBVFormView* m_pOpened;
};

const int kFileMenu = 0;
const int kEditMenu = 1;
const int kToolsMenu = 3;
const int kRatingMenu = -1;

struct ItemState
{
    std::string text;
    bool enabled;
};

// The item as the menu shows it once its popup has been opened.
ItemState MenuItem(int nPopup, UINT nID)
{
    CWnd* pFrame = g_app.m_pMainWnd;
    CMenu* pPopup = nPopup == kRatingMenu ? GetCookbookApp()->GetRatingMenu() : pFrame->GetMenu()->GetSubMenu(nPopup);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->GetSafeHmenu()),
                        nPopup == kRatingMenu ? 0 : nPopup);
    CString text;
    pPopup->GetMenuString(nID, text, MF_BYCOMMAND);
    const UINT state = pPopup->GetMenuState(nID, MF_BYCOMMAND);
    return {static_cast<LPCSTR>(text), (state & (MF_GRAYED | MF_DISABLED)) == 0};
}

void PutIngredientsOnClipboard(bool bIngredients)
{
    ASSERT_TRUE(OpenClipboard(g_app.m_pMainWnd->m_hWnd));
    EmptyClipboard();
    if (bIngredients)
    {
        HGLOBAL hData = GlobalAlloc(GMEM_MOVEABLE, 4);
        SetClipboardData(GetIngredientClipboardFormat(), hData);
    }
    CloseClipboard();
}

}  // namespace

TEST_F(ApplicationTest, EditMenuTextsFollowTheFormAndItsSelection)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "EditTexts.TWS")));
    const struct
    {
        long kind;
        int listMode;
        BOOL bLinesSelected;
        BOOL bCanPaste;
        bool bIngredientsOnClipboard;
        UINT cut, copy, paste, del;
        bool cutOn, copyOn, pasteOn, deleteOn;
    } rows[] = {
        {CFormManager::kStart, 0, FALSE, FALSE, false, IDS_CUT, IDS_COPY, IDS_PASTE, IDS_DELETE, false, false, false,
         false},
        {CFormManager::kContents, 100, FALSE, FALSE, false, IDS_CUT, IDS_COPY, IDS_PASTE, IDS_DELETE_RECIPE, false,
         false, false, true},
        {CFormManager::kContents, 200, FALSE, FALSE, false, IDS_CUT, IDS_COPY, IDS_PASTE, IDS_DELETE_MEAL_PLAN, false,
         false, false, true},
        {CFormManager::kContents, 0, FALSE, FALSE, false, IDS_CUT, IDS_COPY, IDS_PASTE, IDS_DELETE, false, false, false,
         false},
        {CFormManager::kRecipeEdit, 0, FALSE, FALSE, true, IDS_CUT, IDS_COPY, IDS_PASTE, IDS_DELETE, true, true, false,
         false},
        {CFormManager::kRecipeEdit, 0, FALSE, TRUE, false, IDS_CUT, IDS_COPY, IDS_PASTE, IDS_DELETE, true, true, true,
         false},
        {CFormManager::kRecipeEdit, 0, TRUE, TRUE, false, IDS_CUT_INGREDIENT, IDS_COPY_INGREDIENT, IDS_PASTE,
         IDS_DELETE, true, true, false, false},
        {CFormManager::kRecipeEdit, 0, TRUE, TRUE, true, IDS_CUT_INGREDIENT, IDS_COPY_INGREDIENT, IDS_PASTE_INGREDIENT,
         IDS_DELETE, true, true, true, false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "kind " << row.kind << " mode " << row.listMode << " lines "
                                        << row.bLinesSelected << " paste " << row.bCanPaste << " clipboard "
                                        << row.bIngredientsOnClipboard);
        PutIngredientsOnClipboard(row.bIngredientsOnClipboard);
        CSelectingForm form;
        form.m_listMode = row.listMode;
        form.m_bLinesSelected = row.bLinesSelected;
        form.m_bCanPaste = row.bCanPaste;
        CFormStandIn standIn(row.kind, form);
        const ItemState cut = MenuItem(kEditMenu, ID_EDIT_CUT);
        const ItemState copy = MenuItem(kEditMenu, ID_EDIT_COPY);
        const ItemState paste = MenuItem(kEditMenu, ID_EDIT_PASTE);
        const ItemState del = MenuItem(kEditMenu, ID_EDIT_DELETE_ITEM);
        EXPECT_EQ(Text(row.cut), cut.text);
        EXPECT_EQ(row.cutOn, cut.enabled);
        EXPECT_EQ(Text(row.copy), copy.text);
        EXPECT_EQ(row.copyOn, copy.enabled);
        EXPECT_EQ(Text(row.paste), paste.text);
        EXPECT_EQ(row.pasteOn, paste.enabled);
        EXPECT_EQ(Text(row.del), del.text);
        EXPECT_EQ(row.deleteOn, del.enabled);
    }
}

TEST_F(ApplicationTest, CommandsThatNeedASelectionAskTheForm)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Selection.TWS")));
    const struct
    {
        long kind;
        int listMode;
        BOOL bRecipeSelected;
        BOOL bItemSelected;
        int popup;
        UINT nID;
        bool enabled;
    } rows[] = {
        {CFormManager::kContents, 100, FALSE, FALSE, kEditMenu, ID_EDIT_DUPLICATE_RECIPE, true},
        {CFormManager::kContents, 200, FALSE, FALSE, kEditMenu, ID_EDIT_DUPLICATE_RECIPE, false},
        {CFormManager::kContents, 100, FALSE, FALSE, kRatingMenu, ID_RATING_EXCELLENT, true},
        {CFormManager::kContents, 0, FALSE, FALSE, kRatingMenu, ID_RATING_EXCELLENT, false},
        {CFormManager::kCategoryRecipes, 0, TRUE, FALSE, kRatingMenu, ID_RATING_SKIP, true},
        {CFormManager::kCategoryRecipes, 0, FALSE, FALSE, kRatingMenu, ID_RATING_SKIP, false},
        {CFormManager::kShopping, 0, FALSE, TRUE, kToolsMenu, ID_TOOLS_ADD_TO_FREQUENT, true},
        {CFormManager::kShopping, 0, FALSE, FALSE, kToolsMenu, ID_TOOLS_ADD_TO_PANTRY, false},
        {CFormManager::kShopping, 0, FALSE, TRUE, kToolsMenu, ID_TOOLS_ADD_TO_PANTRY, true},
        {CFormManager::kContents, 0, FALSE, FALSE, kFileMenu, ID_FILE_PRINT_CHAPTER, false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "kind " << row.kind << " command " << row.nID);
        CSelectingForm form;
        form.m_listMode = row.listMode;
        form.m_bRecipeSelected = row.bRecipeSelected;
        form.m_bItemSelected = row.bItemSelected;
        CFormStandIn standIn(row.kind, form);
        EXPECT_EQ(row.enabled, MenuItem(row.popup, row.nID).enabled);
    }
}

std::vector<LPARAM> g_ratingsSent;
WNDPROC g_pfnFormProc = nullptr;

LRESULT CALLBACK RecordRating(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_COMMAND && LOWORD(wParam) == ID_FORM_ASSIGN_RATING)
        g_ratingsSent.push_back(lParam);
    return CallWindowProcA(g_pfnFormProc, hWnd, nMessage, wParam, lParam);
}

TEST_F(ApplicationTest, RatingItemsHandTheFormTheirRating)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Rating.TWS")));
    Command(ID_VIEW_CONTENTS);
    const HWND hForm = g_pFormManager->GetActiveForm()->m_hWnd;
    g_pfnFormProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hForm, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordRating)));
    const struct
    {
        UINT nID;
        LPARAM rating;
    } rows[] = {{563, 3}, {564, 2}, {565, 1}, {566, 0}, {567, -1}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.nID);
        g_ratingsSent.clear();
        Command(row.nID);
        EXPECT_EQ(std::vector<LPARAM>{row.rating}, g_ratingsSent);
    }
    SetWindowLongPtrA(hForm, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnFormProc));
}

TEST_F(ApplicationTest, MenuCommandsRunTheirDialogs)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Dialogs.TWS")));
    std::ofstream(m_folder + "\\resource\\CONFIG.MDB") << "x";
    const struct
    {
        UINT nCommand;
        UINT nDialog;
        int nButton;
    } rows[] = {
        {ID_FILE_IMPORT, IDD_IMPORT, IDCANCEL},
        {ID_FILE_EXPORT, IDD_EXPORT, IDOK},
        {ID_FILE_PAGE_SETUP, IDD_PAGE_SETUP, IDCANCEL},
        {ID_FILE_PRINT_PREFERENCES, IDD_PRINT_PREFERENCES, IDCANCEL},
        {ID_EDIT_ADD_INGREDIENT, IDD_INGREDIENT, IDCANCEL},
        {ID_EDIT_INGREDIENT, IDD_INGREDIENT, IDOK},
        {ID_EDIT_FIND, IDD_FIND, IDCANCEL},
        {ID_EDIT_CATEGORIES, IDD_EDIT_CATEGORIES, IDOK},
        {ID_EDIT_CHAPTERS, IDD_EDIT_CHAPTERS, IDCANCEL},
        {ID_EDIT_REFERENCES, IDD_EDIT_REFERENCES, IDOK},
        {ID_EDIT_STORE_SECTIONS, IDD_ASSIGN_SECTIONS, IDOK},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "command " << row.nCommand);
        int opened = 0;
        CDialogDriver::OnOpen(row.nDialog, [&](CDialog& dialog) {
            ++opened;
            if (auto* pIngredient = dynamic_cast<CIngredientDialog*>(&dialog))
            {
                EXPECT_EQ(row.nCommand == ID_EDIT_INGREDIENT ? CIngredientDialog::kEdit : CIngredientDialog::kAdd,
                          pIngredient->GetMode());
            }
            if (auto* pCategories = dynamic_cast<CEditCategoriesDlg*>(&dialog))
            {
                EXPECT_EQ(0, pCategories->GetKind());
            }
            CDialogDriver::Press(dialog, row.nButton);
        });
        Command(row.nCommand);
        EXPECT_EQ(1, opened);
        EXPECT_EQ(CFormManager::kStart, Kind());
    }
    EXPECT_TRUE(CDialogDriver::GetUnexpectedDialogs().empty());
}

TEST_F(ApplicationTest, EditMenuOrganisesCategoriesAndTheIngredientCatalogue)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Organise.TWS")));
    CCookbookDatabase& database = *GetCurrentDatabase();
    auto press = [](CDialog& dialog, int nButton) { CDialogDriver::Press(dialog, nButton); };
    auto doubleClick = [](CDialog& dialog, int nRow) {
        dialog.SendDlgItemMessage(IDC_CATEGORY_ALL, LB_SETCURSEL, static_cast<WPARAM>(nRow));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CATEGORY_ALL, LBN_DBLCLK),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_CATEGORY_ALL)->m_hWnd));
    };
    CDialogDriver::OnOpen(IDD_EDIT_CATEGORIES, [&](CDialog& dialog) {
        for (const char* name : {"Breads", "Soups"})
        {
            dialog.SetDlgItemText(IDC_CATEGORY_NAME, name);
            press(dialog, IDC_CATEGORY_ADD);
        }
        doubleClick(dialog, 1);
        dialog.SetDlgItemText(IDC_CATEGORY_NAME, "Rolls");
        press(dialog, IDC_CATEGORY_ADD);
        doubleClick(dialog, 0);
        press(dialog, IDOK);
    });
    Command(ID_EDIT_CATEGORIES);
    fixture::ExpectConsistentCategoryLinks(database);
    const std::vector<std::string> categories = fixture::QueryColumn(
        database,
        "SELECT C.NAME || ' ' || COALESCE(P.NAME, '-') FROM HICAT C LEFT JOIN HICAT P ON P.CATID = C.PARENTID "
        "ORDER BY C.NAME",
        m_boxes);
    EXPECT_EQ(std::vector<std::string>({"Breads -", "Rolls Breads", "Soups -"}), categories);

    CDialogDriver::OnOpen(IDD_INGREDIENT, [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_INGREDIENT_NEW_NAME, "Qwerty Millet");
        dialog.SetDlgItemText(IDC_NUTRIENT_PROTEIN, "11");
        press(dialog, IDC_INGREDIENT_CLOSE);
    });
    Command(ID_EDIT_ADD_INGREDIENT);
    const char* kMillet = "SELECT CAST(N.PROTEIN AS INTEGER) FROM INGREDNT I JOIN ING_NUTRITION N "
                          "ON N.ITEM_ID = I.INGREDIENT WHERE I.NAME = 'Qwerty Millet'";
    EXPECT_EQ(std::vector<std::string>({"11"}), fixture::QueryColumn(database, kMillet, m_boxes));

    CString shown;
    CDialogDriver::OnOpen(IDD_INGREDIENT, [&](CDialog& dialog) {
        dialog.SendDlgItemMessage(IDC_INGREDIENT_NAME_LIST, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>("Qwerty Millet"));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_INGREDIENT_NAME_LIST, CBN_CLOSEUP),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_INGREDIENT_NAME_LIST)->m_hWnd));
        dialog.GetDlgItemText(IDC_NUTRIENT_PROTEIN, shown);
        press(dialog, IDC_INGREDIENT_DELETE);
        press(dialog, IDC_INGREDIENT_CLOSE);
    });
    Command(ID_EDIT_INGREDIENT);
    EXPECT_STREQ("11.", shown);
    EXPECT_TRUE(fixture::QueryColumn(database, kMillet, m_boxes).empty());
    EXPECT_FALSE(CDialogDriver::HasPendingActions());
}

TEST_F(ApplicationTest, PrintDialogsCopyBackOnlyOnOk)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "PrintRecord.TWS")));
    PrintSettings& record = *g_pAppSettings->GetPrintRecord();
    record.LeftMargin = 0.5;
    record.BookRecipes = 7;
    record.MenuNutrition = 0;
    record.SamePage = 1;
    const double top = record.TopMargin;
    auto typeLeftMarginAndPress = [](int nButton) {
        return [nButton](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_LEFT_MARGIN, "1.25");
            CDialogDriver::Press(dialog, nButton);
        };
    };
    auto tickAndPress = [](int nButton) {
        return [nButton](CDialog& dialog) {
            dialog.SendDlgItemMessage(IDC_MEAL_PLAN_NUTRITION, BM_SETCHECK, BST_CHECKED);
            dialog.SendDlgItemMessage(IDC_ONE_RECIPE_PER_PAGE, BM_SETCHECK, BST_CHECKED);
            CDialogDriver::Press(dialog, nButton);
        };
    };

    CDialogDriver::OnOpen(IDD_PAGE_SETUP, typeLeftMarginAndPress(IDCANCEL));
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_EQ(0.5, record.LeftMargin);
    CDialogDriver::OnOpen(IDD_PRINT_PREFERENCES, tickAndPress(IDCANCEL));
    Command(ID_FILE_PRINT_PREFERENCES);
    EXPECT_EQ(7, record.BookRecipes);
    EXPECT_EQ(0, record.MenuNutrition);
    EXPECT_EQ(1, record.SamePage);

    CDialogDriver::OnOpen(IDD_PAGE_SETUP, typeLeftMarginAndPress(IDOK));
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_EQ(1.25, record.LeftMargin);
    EXPECT_EQ(top, record.TopMargin);
    CDialogDriver::OnOpen(IDD_PRINT_PREFERENCES, tickAndPress(IDOK));
    Command(ID_FILE_PRINT_PREFERENCES);
    EXPECT_EQ(1, record.BookRecipes) << "a flag is stored as 0 or 1";
    EXPECT_EQ(1, record.MenuNutrition);
    EXPECT_EQ(0, record.SamePage) << "one recipe per page";
    EXPECT_FALSE(CDialogDriver::HasPendingActions());
}

// Through Edit/Find: a search on a tab, a row chosen, View; the kind opened follows the tab.
TEST_F(ApplicationTest, FindOpensTheChosenResult)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Find.TWS")));
    fixture::AddFindFixture(*GetCurrentDatabase());
    auto findAndView = [](int nTab, const char* text, const char* row) {
        return [=](CDialog& dialog) {
            HWND hTabs = dialog.GetDlgItem(IDC_FIND_TABS)->m_hWnd;
            RECT tab = {};
            ::SendMessageA(hTabs, TCM_GETITEMRECT, static_cast<WPARAM>(nTab), reinterpret_cast<LPARAM>(&tab));
            const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
            ::SendMessageA(hTabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
            ::SendMessageA(hTabs, WM_LBUTTONUP, 0, at);
            dialog.SetDlgItemText(nTab == CFindDlg::kIngredients ? IDC_FIND_INGREDIENT : IDC_FIND_TEXT, text);
            CDialogDriver::Press(dialog, IDC_FIND_START);
            if (row == nullptr)
            {
                // View with no row chosen does nothing: Close is still needed.
                CDialogDriver::Press(dialog, IDC_FIND_VIEW);
                CDialogDriver::Press(dialog, IDCANCEL);
                return;
            }
            dialog.SendDlgItemMessage(IDC_FIND_RESULTS, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(row));
            CDialogDriver::Press(dialog, IDC_FIND_VIEW);
        };
    };

    CDialogDriver::OnOpen(IDD_FIND, findAndView(CFindDlg::kRecipes, "zeppa", nullptr));
    Command(ID_EDIT_FIND);
    EXPECT_EQ(CFormManager::kStart, Kind());
    EXPECT_EQ(nullptr, g_pBrowseState->GetCurrentRecipeItem());

    CDialogDriver::OnOpen(IDD_FIND, findAndView(CFindDlg::kRecipes, "zeppa", "Zeppa Bread"));
    Command(ID_EDIT_FIND);
    EXPECT_EQ(CFormManager::kRecipeView, Kind());
    EXPECT_EQ(302, g_pFormManager->GetCurrentValue());
    ASSERT_NE(nullptr, g_pBrowseState->GetCurrentRecipeItem());
    EXPECT_STREQ("Zeppa Bread", g_pBrowseState->GetCurrentRecipeItem()->m_name);
    const auto* pRecipeView = dynamic_cast<CRecipeViewForm*>(g_pFormManager->GetActiveForm());
    ASSERT_NE(nullptr, pRecipeView);
    ASSERT_NE(nullptr, pRecipeView->GetRecipeItem());
    EXPECT_STREQ("Zeppa Bread", pRecipeView->GetRecipeItem()->m_name);

    CDialogDriver::OnOpen(IDD_FIND, findAndView(CFindDlg::kMealPlans, "table", "Winter Table"));
    Command(ID_EDIT_FIND);
    EXPECT_EQ(CFormManager::kMealPlanView, Kind());
    EXPECT_EQ(1, g_pFormManager->GetCurrentValue()) << "its place in the cookbook's meal plans";
    const auto* pView = dynamic_cast<CRecipeViewForm*>(g_pFormManager->GetActiveForm());
    ASSERT_NE(nullptr, pView);
    ASSERT_NE(nullptr, pView->GetMealPlanItem());
    EXPECT_STREQ("Winter Table", pView->GetMealPlanItem()->m_name);

    CDialogDriver::OnOpen(IDD_FIND, findAndView(CFindDlg::kIngredients, "zeppa", "zeppa white"));
    CString ingredient;
    CDialogDriver::OnOpen(IDD_INGREDIENT, [&](CDialog& dialog) {
        const auto& found = static_cast<CIngredientDialog&>(dialog);
        EXPECT_EQ(CIngredientDialog::kEdit, found.GetMode());
        EXPECT_EQ(900012, found.GetIngredient().m_itemId.GetNumber());
        ingredient = found.GetIngredient().m_name;
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    Command(ID_EDIT_FIND);
    EXPECT_STREQ("zeppa white", ingredient);
    EXPECT_EQ(CFormManager::kMealPlanView, Kind());
    EXPECT_FALSE(CDialogDriver::HasPendingActions());
}

TEST_F(ApplicationTest, DialogsTellTheFormShownWhatChanged)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Changed.TWS")));
    {
        CSelectingForm contents;
        CFormStandIn standIn(CFormManager::kContents, contents);
        Command(ID_EDIT_CHAPTERS);
        EXPECT_EQ(1, contents.m_refreshes);
    }
    CSelectingForm shopping;
    CFormStandIn standIn(CFormManager::kShopping, shopping);
    CDialogDriver::OnOpen(IDD_ASSIGN_SECTIONS, [](CDialog& dialog) {
        static_cast<CAssignSectionsDlg&>(dialog).m_bSectionsSaved = TRUE;
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    Command(ID_EDIT_STORE_SECTIONS);
    EXPECT_TRUE(shopping.m_hints.empty());
    CDialogDriver::OnOpen(IDD_ASSIGN_SECTIONS, [](CDialog& dialog) {
        static_cast<CAssignSectionsDlg&>(dialog).m_bSectionsSaved = TRUE;
        CDialogDriver::Press(dialog, IDOK);
    });
    Command(ID_EDIT_STORE_SECTIONS);
    EXPECT_EQ(std::vector<LPARAM>{2}, shopping.m_hints);
}

TEST_F(ApplicationTest, FormKindsGetTheirDocumentAndToolBarButtons)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Kinds.TWS")));
    const UINT buttons[] = {IDC_TOOL_START,      IDC_TOOL_CONTENTS, ID_EDIT_FIND,  IDC_TOOL_RELATED,
                            IDC_TOOL_MEAL_PLANS, IDC_TOOL_SHOPPING, IDC_TOOL_PRINT};
    const struct
    {
        long kind;
        CRuntimeClass* pDocument;
        std::vector<UINT> disabled;
    } rows[] = {
        {CFormManager::kStart, RUNTIME_CLASS(CGenericDoc), {IDC_TOOL_START, IDC_TOOL_RELATED, IDC_TOOL_PRINT}},
        {CFormManager::kRecipeCategories, RUNTIME_CLASS(CGenericDoc), {IDC_TOOL_RELATED, IDC_TOOL_PRINT}},
        {CFormManager::kCategoryRecipes, RUNTIME_CLASS(CGenericDoc), {IDC_TOOL_RELATED}},
        {CFormManager::kRecipeView, RUNTIME_CLASS(CRcpDoc), {IDC_TOOL_RELATED}},
        {CFormManager::kMealPlanView, RUNTIME_CLASS(CMenuDoc), {IDC_TOOL_RELATED, IDC_TOOL_MEAL_PLANS}},
        {CFormManager::kShopping, RUNTIME_CLASS(CGenericDoc), {IDC_TOOL_RELATED, IDC_TOOL_SHOPPING}},
        {CFormManager::kContents, RUNTIME_CLASS(CGenericDoc), {IDC_TOOL_CONTENTS, IDC_TOOL_RELATED, IDC_TOOL_PRINT}},
        {CFormManager::kRecipeEdit, RUNTIME_CLASS(CRcpDoc), {IDC_TOOL_RELATED, IDC_TOOL_PRINT}},
        {CFormManager::kMealPlanEdit, RUNTIME_CLASS(CMenuDoc), {IDC_TOOL_RELATED, IDC_TOOL_MEAL_PLANS, IDC_TOOL_PRINT}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "kind " << row.kind);
        if (row.kind != Kind())
        {
            ToolForm()->EnableRelated(TRUE);
            g_pFormManager->OpenForm(CFormManager::kActionGoTo, row.kind, 0);
        }
        ASSERT_EQ(row.kind, Kind());
        EXPECT_TRUE(g_pFormManager->GetActiveForm()->GetDocument()->IsKindOf(row.pDocument));
        for (UINT button : buttons)
        {
            const bool disabled = std::find(row.disabled.begin(), row.disabled.end(), button) != row.disabled.end();
            EXPECT_EQ(!disabled, ToolButtonEnabled(button)) << "button " << button;
        }
    }
}

TEST_F(ApplicationTest, ChangedShoppingListIsSavedOnlyUnderAName)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Shopping.TWS")));
    CMessageBoxScript boxes;
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kShopping, 0);
    EXPECT_EQ(0, g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0)) << "nothing changed: nothing asked";
    EXPECT_TRUE(boxes.GetTexts().empty());

    const struct
    {
        const char* listName;
        int answer;
        long kindAfter;
        LONG stateAfter;
    } rows[] = {
        {"shopping", IDCANCEL, CFormManager::kShopping, CShopMgr::kModified},
        {"shopping", IDNO, CFormManager::kStart, CShopMgr::kSaved},
        {"shopping", IDYES, CFormManager::kStart, CShopMgr::kSaved},
        {"", IDYES, CFormManager::kShopping, CShopMgr::kModified},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "name \"" << row.listName << "\" answer " << row.answer);
        WritePrivateProfileStringA("Shopping", "ShopFile", row.listName, IniPath().c_str());
        delete g_pShopMgr;
        g_pShopMgr = new CShopMgr;
        if (Kind() != CFormManager::kShopping)
            g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kShopping, 0);
        g_pShopMgr->SetModified(1);
        boxes.QueueAnswer(row.answer);
        g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0);
        EXPECT_EQ(row.kindAfter, Kind());
        EXPECT_EQ(row.stateAfter, g_pShopMgr->GetState());
    }
    const std::vector<CString> texts = boxes.GetTexts();
    ASSERT_EQ(5u, texts.size());
    EXPECT_STREQ(Text(IDS_SAVE_FAILED).c_str(), texts[4]) << "a list without a name is not saved";
    g_pShopMgr->SetModified(0);
}

namespace {

const UINT kToolButtons[] = {IDC_TOOL_START,      IDC_TOOL_CONTENTS, ID_EDIT_FIND,  IDC_TOOL_RELATED,
                             IDC_TOOL_MEAL_PLANS, IDC_TOOL_SHOPPING, IDC_TOOL_PRINT};

CRect WindowRectOf(const CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

}  // namespace

TEST_F(ApplicationTest, FramesHoldTheToolBarAboveADesignAreaOf630By395)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Frames.TWS")));
    CBVFormView* pForm = g_pFormManager->GetActiveForm();
    ASSERT_NE(nullptr, pForm);
    ASSERT_TRUE(ToolForm()->IsKindOf(RUNTIME_CLASS(CToolForm)));
    CRect formWindow(0, 0, 630, 395);
    pForm->CalcWindowRect(&formWindow);

    const CRect toolFrame = WindowRectOf(ToolForm()->GetParentFrame());
    CRect client;
    Frame()->GetClientRect(&client);
    EXPECT_EQ(formWindow.Width(), client.Width());
    EXPECT_EQ(toolFrame.Height() + formWindow.Height(), client.Height());
    const CRect formFrame = WindowRectOf(pForm->GetParentFrame());
    EXPECT_TRUE(formWindow.Size() == formFrame.Size());
    EXPECT_EQ(toolFrame.bottom, formFrame.top);
    EXPECT_EQ(630, toolFrame.Width());
    EXPECT_EQ(WindowRectOf(ToolForm()->GetDlgItem(IDC_TOOL_START)).Height(), toolFrame.Height())
        << "the bar is as high as its buttons";

    // A form opened later takes the same place.
    Command(ID_VIEW_CONTENTS);
    EXPECT_TRUE(formFrame == WindowRectOf(g_pFormManager->GetActiveForm()->GetParentFrame()));

    // New system settings fit the bar to its buttons and the frames round the form again.
    Frame()->SendMessage(WM_WININICHANGE, 0, 0);
    CRect bar = WindowRectOf(ToolForm()->GetParentFrame());
    ToolForm()->GetParentFrame()->GetParent()->ScreenToClient(&bar);
    EXPECT_TRUE(CRect(0, 0, 630, toolFrame.Height()) == bar);
    EXPECT_EQ(toolFrame.Height(), g_pFormManager->GetClientArea().top);
}

TEST_F(ApplicationTest, ToolBarButtonsStandSideBySideInTheirOrder)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Buttons.TWS")));
    int left = 0;
    for (UINT nId : kToolButtons)
    {
        SCOPED_TRACE(testing::Message() << "button " << nId);
        CWnd* pButton = ToolForm()->GetDlgItem(static_cast<int>(nId));
        ASSERT_NE(nullptr, pButton);
        CRect rect = WindowRectOf(pButton);
        ToolForm()->ScreenToClient(&rect);
        EXPECT_EQ(left, rect.left);
        EXPECT_EQ(0, rect.top);
        EXPECT_GT(rect.Width(), 0);
        EXPECT_TRUE(pButton->IsWindowVisible());
        left = rect.right;
    }
    EXPECT_LE(left, 630);
    EXPECT_FALSE(ToolForm()->GetDlgItem(IDC_TOOL_CALENDAR)->IsWindowVisible()) << "Calendar has a key only";
}

TEST_F(ApplicationTest, ToolBarEnablesItsButtonsForEveryFormKind)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Enabling.TWS")));
    const std::vector<UINT> none;
    const std::vector<UINT> print = {IDC_TOOL_PRINT};
    const std::vector<UINT> mealPlans = {IDC_TOOL_MEAL_PLANS};
    const std::vector<UINT> disabledByKind[] = {
        {IDC_TOOL_START, IDC_TOOL_PRINT},
        print,
        print,
        none,
        none,
        none,
        mealPlans,
        {IDC_TOOL_SHOPPING},
        none,
        none,
        none,
        {IDC_TOOL_CONTENTS, IDC_TOOL_PRINT},
        none,
        none,
        none,
        mealPlans,
        print,
        {IDC_TOOL_MEAL_PLANS, IDC_TOOL_PRINT},
    };
    for (long kind = 0; kind <= 17; ++kind)
    {
        SCOPED_TRACE(testing::Message() << "kind " << kind);
        ToolForm()->EnableRelated(TRUE);
        ToolForm()->EnableButtonsForForm(kind);
        const std::vector<UINT>& disabled = disabledByKind[kind];
        for (UINT nId : kToolButtons)
        {
            const bool expected = nId != IDC_TOOL_RELATED && std::count(disabled.begin(), disabled.end(), nId) == 0;
            EXPECT_EQ(expected, ToolButtonEnabled(nId)) << "button " << nId;
        }
    }
}

TEST_F(ApplicationTest, ToolBarCommandsOpenTheirForms)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "ToolCommands.TWS")));
    CMessageBoxScript boxes;
    auto toolCommand = [](UINT nId) { ToolForm()->SendMessage(WM_COMMAND, nId, 0); };

    toolCommand(IDC_TOOL_CONTENTS);
    EXPECT_EQ(CFormManager::kContents, Kind());
    CBVFormView* pContents = g_pFormManager->GetActiveForm();
    toolCommand(IDC_TOOL_CONTENTS);
    EXPECT_EQ(pContents, g_pFormManager->GetActiveForm()) << "Contents on the contents form does nothing";
    EXPECT_EQ(2, g_pFormManager->GetHistoryDepth());

    toolCommand(IDC_TOOL_SHOPPING);
    EXPECT_EQ(CFormManager::kShopping, Kind());
    toolCommand(IDC_TOOL_START);
    EXPECT_EQ(CFormManager::kStart, Kind());
    EXPECT_EQ(1, g_pFormManager->GetHistoryDepth());

    // Meal Plans: the chosen plan's view, by its place in the cookbook's list.
    CMenuData breakfast;
    breakfast.m_name = "Breakfast";
    ASSERT_TRUE(GetCurrentDatabase()->SaveMenu(breakfast, TRUE));
    CMenuData picnic;
    picnic.m_name = "Picnic";
    ASSERT_TRUE(GetCurrentDatabase()->SaveMenu(picnic, TRUE));
    g_pBrowseState->SetMenuList(&GetCurrentDatabase()->GetMenuList());
    CDialogDriver::OnOpen(IDD_SELECT_MEAL_PLAN, [](CDialog& dialog) { CDialogDriver::Press(dialog, IDCANCEL); });
    toolCommand(IDC_TOOL_MEAL_PLANS);
    EXPECT_EQ(CFormManager::kStart, Kind()) << "Cancel opens nothing";
    CDialogDriver::OnOpen(IDD_SELECT_MEAL_PLAN, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_MEAL_PLAN_NAME, "Picnic");
        CDialogDriver::Press(dialog, IDOK);
    });
    toolCommand(IDC_TOOL_MEAL_PLANS);
    EXPECT_EQ(CFormManager::kMealPlanView, Kind());
    EXPECT_EQ(1, g_pFormManager->GetCurrentValue());
    EXPECT_TRUE(g_pFormManager->GetEditMealPlanId() == picnic.m_id);
    EXPECT_TRUE(boxes.GetTexts().empty()) << boxes.GetAllTexts();
    EXPECT_FALSE(CDialogDriver::HasPendingActions());
}

TEST_F(ApplicationTest, ToolBarExitAsksFirstAndHonoursTheSaveCheck)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "ToolExit.TWS")));
    CMessageBoxScript boxes;
    Command(ID_EDIT_ADD_RECIPE);
    g_pFormManager->GetActiveForm()->m_nModified = 1;

    boxes.QueueAnswer(IDNO);
    ToolForm()->SendMessage(WM_COMMAND, ID_TOOL_EXIT, 0);
    ASSERT_TRUE(IsWindow(Frame()->m_hWnd));
    boxes.QueueAnswer(IDYES);
    boxes.QueueAnswer(IDCANCEL);
    ToolForm()->SendMessage(WM_COMMAND, ID_TOOL_EXIT, 0);
    ASSERT_TRUE(IsWindow(Frame()->m_hWnd)) << "the save check was cancelled";

    boxes.QueueAnswer(IDYES);
    boxes.QueueAnswer(IDNO);
    ToolForm()->SendMessage(WM_COMMAND, ID_TOOL_EXIT, 0);
    g_app.m_pMainWnd = nullptr;
    EXPECT_EQ(nullptr, g_pFormManager);
    const std::vector<CString> texts = boxes.GetTexts();
    ASSERT_EQ(5u, texts.size());
    for (size_t i : {0u, 1u, 3u})
        EXPECT_STREQ(Text(IDS_EXIT_QUESTION).c_str(), texts[i]);
    for (size_t i : {2u, 4u})
        EXPECT_STREQ(Text(IDS_SAVE_CHANGES).c_str(), texts[i]);
}

namespace {

// The start page's pictures from the build's resource directory, where the program finds them.
void CopyFormPictures(const std::string& folder)
{
    for (const char* name : {"TITLE256", "TITLE16", "BVSTRIPE", "LOGO", "CAT256", "CAT16"})
    {
        const std::string file = std::string("\\resource\\") + name + ".bmp";
        EXPECT_TRUE(CopyFileA((fixture::BuildFolder() + file).c_str(), (folder + file).c_str(), FALSE)) << name;
    }
}

// The pictures the form's hot spots show, by the names they were given.
std::vector<std::string> ShownPictures(CWnd* pForm)
{
    pForm->RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    std::vector<std::string> names;
    for (HWND hChild = GetWindow(pForm->m_hWnd, GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        const auto* pPicture = dynamic_cast<CPictureWnd*>(CWnd::FromHandlePermanent(hChild));
        if (pPicture != nullptr && IsWindowVisible(hChild))
            names.push_back(pPicture->GetPictureFile().GetString());
    }
    std::sort(names.begin(), names.end());
    return names;
}

POINT CentreOf(CWnd* pForm, int nId)
{
    CRect rect = WindowRectOf(pForm->GetDlgItem(nId));
    pForm->ScreenToClient(&rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace

TEST_F(ApplicationTest, StartPageShowsItsPicturesForTheScreenDepth)
{
    CopyFormPictures(m_folder);
    ForceScreenColourBits(4);
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Pictures.TWS")));
    const std::vector<std::string> fewColours = {"!BVSTRIPE", "!LOGO", "!TITLE16"};
    EXPECT_EQ(fewColours, ShownPictures(g_pFormManager->GetActiveForm()));

    ForceScreenColourBits(8);
    Command(ID_VIEW_CONTENTS);
    Command(ID_VIEW_STARTUP_WINDOW);
    const std::vector<std::string> manyColours = {"!BVSTRIPE", "!LOGO", "!TITLE256"};
    EXPECT_EQ(manyColours, ShownPictures(g_pFormManager->GetActiveForm()));
    ForceScreenColourBits(0);
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

TEST_F(ApplicationTest, StartPageCaptionsOpenTheCategoryTreesWhereTheButtonIsReleased)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "Captions.TWS")));
    const struct
    {
        int nArea;
        long kind;
    } rows[] = {{IDC_START_RECIPES_AREA, CFormManager::kRecipeCategories},
                {IDC_START_MEAL_PLANS_AREA, CFormManager::kMealPlanCategories}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "area " << row.nArea);
        Command(ID_VIEW_STARTUP_WINDOW);
        CBVFormView* pStart = g_pFormManager->GetActiveForm();
        pStart->RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const POINT recipes = CentreOf(pStart, IDC_START_RECIPES_AREA);
        const POINT mealPlans = CentreOf(pStart, IDC_START_MEAL_PLANS_AREA);
        const LPARAM between = MAKELPARAM((recipes.x + mealPlans.x) / 2, recipes.y);

        pStart->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, between);
        pStart->SendMessage(WM_LBUTTONUP, 0, between);
        EXPECT_EQ(CFormManager::kStart, Kind()) << "a release outside both captions";

        const POINT inside = CentreOf(pStart, row.nArea);
        pStart->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, between);
        pStart->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
        EXPECT_EQ(row.kind, Kind());
        EXPECT_EQ(2, g_pFormManager->GetHistoryDepth());
    }
}

TEST_F(ApplicationTest, StartPageKeysThroughTheProgramsMessageLoop)
{
    ASSERT_TRUE(Start(Copy(fixture::TemplatePath(), "StartKeys.TWS")));
    const struct
    {
        char letter;
        long kind;
    } rows[] = {{'R', CFormManager::kRecipeCategories},
                {'M', CFormManager::kMealPlanCategories},
                {'C', CFormManager::kContents},
                {'S', CFormManager::kShopping},
                {'G', CFormManager::kStart}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "Alt+" << row.letter);
        Command(ID_VIEW_STARTUP_WINDOW);
        g_pFormManager->GetActiveForm()->SetFocus();
        PressAltKey(row.letter);
        EXPECT_EQ(row.kind, Kind());
    }
}

namespace {

std::string ItemText(const CWnd* pForm, int nId)
{
    CString text;
    pForm->GetDlgItemText(nId, text);
    return static_cast<LPCSTR>(text);
}

LRESULT SelectedRow(const CWnd* pForm)
{
    return pForm->SendDlgItemMessage(IDC_CATEGORY_LIST, LB_GETCURSEL);
}

void SelectRowAndPress(CWnd* pForm, int nRow, int nButton)
{
    pForm->SendDlgItemMessage(IDC_CATEGORY_LIST, LB_SETCURSEL, static_cast<WPARAM>(nRow));
    pForm->SendDlgItemMessage(nButton, BM_CLICK);
}

// A tree of the default cookbook: a branch of the top level and a category without
// sub-categories below it.
struct CategoryTree
{
    long kind;
    const char* topName;
    int branchRow;
    const char* branchName;
    const char* firstChildRow;
    int leafRow;
    long listKind;
};

const CategoryTree kTrees[] = {
    {CFormManager::kRecipeCategories, "Recipes", 1, "Main Ingredient", "    Poultry", 1,
     CFormManager::kCategoryRecipes},
    {CFormManager::kMealPlanCategories, "Meal Plans", 2, "Entertaining", "    Holiday Dinners", 1,
     CFormManager::kCategoryMealPlans},
};

}  // namespace

TEST_F(ApplicationTest, CategoryFormDescendsClimbsAndOpensTheListOfALeaf)
{
    ASSERT_TRUE(Start(Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "CategoryForm.TWS")));
    for (const CategoryTree& tree : kTrees)
    {
        SCOPED_TRACE(tree.topName);
        Command(ID_VIEW_STARTUP_WINDOW);
        g_pFormManager->OpenForm(CFormManager::kActionDrillDown, tree.kind, 0);
        CBVFormView* pForm = g_pFormManager->GetActiveForm();
        ASSERT_EQ(tree.kind, Kind());
        EXPECT_EQ(tree.topName, ItemText(pForm, IDC_CATEGORY_TITLE));
        EXPECT_EQ(1, SelectedRow(pForm));

        SelectRowAndPress(pForm, tree.branchRow, IDC_CATEGORY_SHOW);
        ASSERT_EQ(pForm, g_pFormManager->GetActiveForm()) << "a category with sub-categories stays on the form";
        EXPECT_EQ(tree.branchName, ItemText(pForm, IDC_CATEGORY_TITLE));
        EXPECT_EQ(1, SelectedRow(pForm)) << "descending selects the first sub-category";
        CString firstChild;
        static_cast<CListBox*>(pForm->GetDlgItem(IDC_CATEGORY_LIST))->GetText(1, firstChild);
        EXPECT_STREQ(tree.firstChildRow, firstChild);

        for (int nClimb : {IDC_CATEGORY_BACK, IDC_CATEGORY_SHOW})
        {
            SCOPED_TRACE(nClimb == IDC_CATEGORY_BACK ? "Back" : "Show on the first row");
            SelectRowAndPress(pForm, 0, nClimb);
            EXPECT_EQ(tree.topName, ItemText(pForm, IDC_CATEGORY_TITLE));
            EXPECT_EQ(tree.branchRow, SelectedRow(pForm)) << "climbing selects the remembered row";
            SelectRowAndPress(pForm, tree.branchRow, IDC_CATEGORY_SHOW);
        }

        SelectRowAndPress(pForm, tree.leafRow, IDC_CATEGORY_SHOW);
        EXPECT_EQ(tree.listKind, Kind());
        g_pFormManager->OpenForm(CFormManager::kActionListBack, 0, 0);
        ASSERT_EQ(tree.kind, Kind());
        EXPECT_EQ(tree.leafRow, SelectedRow(g_pFormManager->GetActiveForm())) << "back from the list";
    }
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

TEST_F(ApplicationTest, CategoryFormBackFromTheTopReturnsToTheStartPage)
{
    ASSERT_TRUE(Start(Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "CategoryTop.TWS")));
    g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kMealPlanCategories, 0);
    SelectRowAndPress(g_pFormManager->GetActiveForm(), 0, IDC_CATEGORY_BACK);
    EXPECT_EQ(CFormManager::kStart, Kind());
    EXPECT_EQ(1, g_pFormManager->GetHistoryDepth());
}

TEST_F(ApplicationTest, CategoryFormKeysThroughTheProgramsMessageLoop)
{
    ASSERT_TRUE(Start(Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "CategoryKeys.TWS")));
    g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kRecipeCategories, 0);
    CBVFormView* pForm = g_pFormManager->GetActiveForm();
    ASSERT_EQ(IDC_CATEGORY_LIST, GetDlgCtrlID(GetFocus()));

    for (int nExpected : {IDC_CATEGORY_SHOW, IDC_CATEGORY_BACK, IDC_CATEGORY_LIST})
    {
        PressKey(VK_TAB);
        EXPECT_EQ(nExpected, GetDlgCtrlID(GetFocus())) << "tab order";
    }
    PressKey(VK_RETURN);
    EXPECT_EQ("Main Ingredient", ItemText(pForm, IDC_CATEGORY_TITLE)) << "Enter shows the selected row";
    PressAltKey('B');
    EXPECT_EQ("Recipes", ItemText(pForm, IDC_CATEGORY_TITLE));
    PressAltKey('V');
    EXPECT_EQ("Main Ingredient", ItemText(pForm, IDC_CATEGORY_TITLE));
    PressAltKey('C');
    EXPECT_EQ(CFormManager::kContents, Kind()) << "the tool bar's keys";
}
