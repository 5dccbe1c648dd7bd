#include "shell/CookbookApp.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "framework/CmdUI.h"
#include "framework/DialogDriver.h"
#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/MessageBoxScript.h"
#include "res/resource.h"
#include "shell/AppSettings.h"
#include "shell/BVFormView.h"
#include "shell/CurrentDatabase.h"
#include "shell/FormManager.h"
#include "shell/ProgramDirectory.h"
#include "shell/ProgressDlg.h"
#include "support/CookbookFixture.h"

namespace {

CCookbookApp g_app;

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
    static void Command(UINT nID) { Frame()->SendMessage(WM_COMMAND, nID, 0); }
    static long Kind() { return g_pFormManager->GetCurrentKind(); }

    std::string IniPath() const { return m_folder + "\\SAVOR32.INI"; }

    std::string m_commandLine;
};

TEST_F(ApplicationTest, StartsOnTheCookbookOfTheCommandLineInAFixedFrame)
{
    const std::string cookbook = Copy(fixture::TemplatePath(), "Fixture.TWS");
    ASSERT_TRUE(Start("\"" + cookbook + "\"")) << fixture::AllMessages();

    CRect window;
    Frame()->GetWindowRect(&window);
    EXPECT_EQ(640, window.Width());
    EXPECT_EQ(480, window.Height());
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
    g_pFormManager->GetActiveForm()->m_nModified = 1;
    boxes.QueueAnswer(IDYES);
    g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0);
    EXPECT_EQ(CFormManager::kStart, Kind());

    const std::vector<CString> texts = boxes.GetTexts();
    ASSERT_EQ(3u, texts.size());
    for (const CString& text : texts)
        EXPECT_STREQ(Text(IDS_SAVE_CHANGES).c_str(), text);
}

// Stands in for an editing form whose save is refused (a read-only cookbook, a name refused).
class CRefusingForm : public CBVFormView
{
public:
    CRefusingForm() : CBVFormView(IDD_PLACEHOLDER_FORM) {}
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

}  // namespace
