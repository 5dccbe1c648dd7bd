#include "shell/app/CookbookApp.h"

#include <windows.h>

#include <initializer_list>

#include "database/BrowseState.h"
#include "database/CookbookDatabase.h"
#include "database/CustObList.h"
#include "database/IngData.h"
#include "database/ListItem.h"
#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"
#include "forms/FindDlg.h"
#include "forms/IngredientDialog.h"
#include "database/OdbcSetup.h"
#include "framework/AfxMessageBox.h"
#include "framework/CmdUI.h"
#include "framework/CommonControls.h"
#include "framework/FontDialog.h"
#include "framework/Menu.h"
#include "framework/Position.h"
#include "framework/StandardIds.h"
#include "res/resource.h"
#include "shell/app/AboutDlg.h"
#include "shell/settings/AppSettings.h"
#include "shell/formbase/BVFormView.h"
#include "shell/app/BVWindow.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/controls/DialogControls.h"
#include "shell/services/DiskSpace.h"
#include "shell/services/ErrorReporter.h"
#include "shell/graphics/FontFaces.h"
#include "shell/graphics/PictureSupport.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/HelpService.h"
#include "shell/services/IngredientClipboardFormat.h"
#include "shell/services/MessageUtilities.h"
#include "shell/app/ProgramObjects.h"
#include "shell/controls/RatingMenu.h"
#include "shell/app/SetDirectoriesDlg.h"
#include "shell/app/SplashWnd.h"
#include "shell/app/StartupCookbook.h"
#include "shell/settings/FontChangedFlag.h"
#include "shell/settings/WorkingDirectory.h"

namespace {

const UINT kFontHelpContext = 2022;
const LONGLONG kTempSpaceRequired = 2097152;
const UINT kFileMenuItemsRemoved = 3;

// Kinds as bits, for the tables of where a command is available.
constexpr unsigned long Kinds(std::initializer_list<CFormManager::FormKind> kinds)
{
    unsigned long bits = 0;
    for (CFormManager::FormKind kind : kinds)
        bits |= 1UL << kind;
    return bits;
}

long CurrentKind()
{
    return g_pFormManager != nullptr ? g_pFormManager->GetCurrentKind() : CFormManager::kStart;
}

const int kRecipeRow = 100;
const int kMealPlanRow = 200;

int ContentsListMode()
{
    const CBVFormView* pForm = ActiveFormOfKind(CFormManager::kContents);
    return pForm != nullptr ? pForm->GetSelectedListMode() : 0;
}

BOOL ContentsRecipeSelected()
{
    return ContentsListMode() == kRecipeRow;
}

BOOL ShoppingItemSelected()
{
    const CBVFormView* pForm = ActiveFormOfKind(CFormManager::kShopping);
    return pForm != nullptr && pForm->GetSelectedItem(1) != nullptr;
}

BOOL RecipeListSelected()
{
    const CBVFormView* pForm = ActiveFormOfKind(CFormManager::kCategoryRecipes);
    return pForm != nullptr && pForm->HasRecipeSelection();
}

BOOL IngredientLinesSelected()
{
    const CBVFormView* pForm = ActiveFormOfKind(CFormManager::kRecipeEdit);
    return pForm != nullptr && pForm->CanCopyIngredients();
}

// A menu command that the active form performs under a command number of its own; the
// condition, when there is one, asks the form as well.
struct ForwardedCommand
{
    UINT nID;
    UINT nFormCommand;
    BOOL bWritable;
    unsigned long kinds;
    BOOL (*pCondition)();
};

const ForwardedCommand kForwarded[] = {
    {ID_FILE_PRINT, ID_FORM_PRINT, FALSE,
     Kinds({CFormManager::kCategoryRecipes, CFormManager::kCategoryMealPlans, CFormManager::kRecipeView,
            CFormManager::kMealPlanView, CFormManager::kShopping, CFormManager::kPersonalMenu,
            CFormManager::kRecipeFromMealPlan, CFormManager::kRecipeFromPersonalMenu, CFormManager::kRecipeFromLink,
            CFormManager::kMealPlanFromLink}),
     nullptr},
    {ID_TOOLS_ADD_TO_MEAL_PLAN, ID_FORM_ADD_TO_MEAL_PLAN, TRUE,
     Kinds({CFormManager::kCategoryRecipes, CFormManager::kCategoryMealPlans, CFormManager::kRecipeView,
            CFormManager::kMealPlanView, CFormManager::kContents, CFormManager::kRecipeFromMealPlan,
            CFormManager::kRecipeFromPersonalMenu, CFormManager::kRecipeFromLink, CFormManager::kMealPlanFromLink}),
     nullptr},
    {ID_TOOLS_ADD_TO_SHOPPING_LIST, ID_FORM_ADD_TO_SHOPPING_LIST, FALSE,
     Kinds({CFormManager::kCategoryRecipes, CFormManager::kCategoryMealPlans, CFormManager::kRecipeView,
            CFormManager::kMealPlanView, CFormManager::kPersonalMenu, CFormManager::kContents,
            CFormManager::kRecipeFromMealPlan, CFormManager::kRecipeFromPersonalMenu, CFormManager::kRecipeFromLink,
            CFormManager::kMealPlanFromLink}),
     nullptr},
    {ID_TOOLS_SERVINGS, ID_FORM_SERVINGS, FALSE,
     Kinds({CFormManager::kRecipeView, CFormManager::kPersonalMenu, CFormManager::kRecipeFromMealPlan,
            CFormManager::kRecipeFromPersonalMenu, CFormManager::kRecipeFromLink}),
     nullptr},
    {ID_TOOLS_ADD_TO_FREQUENT, ID_FORM_ADD_TO_FREQUENT, FALSE, Kinds({CFormManager::kShopping}), ShoppingItemSelected},
    {ID_TOOLS_ADD_TO_PANTRY, ID_FORM_ADD_TO_PANTRY, FALSE, Kinds({CFormManager::kShopping}), ShoppingItemSelected},
    {ID_FORWARD_40025, ID_FORM_COMMAND_90, TRUE,
     Kinds({CFormManager::kCategoryRecipes, CFormManager::kRecipeView, CFormManager::kContents,
            CFormManager::kRecipeFromMealPlan, CFormManager::kRecipeFromPersonalMenu, CFormManager::kRecipeFromLink}),
     nullptr},
    {ID_EDIT_CUT, ID_EDIT_CUT, FALSE, Kinds({CFormManager::kRecipeEdit}), nullptr},
    {ID_EDIT_COPY, ID_EDIT_COPY, FALSE, Kinds({CFormManager::kRecipeEdit}), nullptr},
    {ID_EDIT_PASTE, ID_EDIT_PASTE, FALSE, Kinds({CFormManager::kRecipeEdit}), nullptr},
    {ID_EDIT_DELETE_ITEM, ID_EDIT_DELETE_ITEM, FALSE, Kinds({CFormManager::kContents}), nullptr},
    {ID_EDIT_DUPLICATE_RECIPE, ID_EDIT_DUPLICATE_RECIPE, TRUE, Kinds({CFormManager::kContents}),
     ContentsRecipeSelected},
};

const ForwardedCommand* FindForwarded(UINT nID)
{
    for (const ForwardedCommand& command : kForwarded)
        if (command.nID == nID)
            return &command;
    return nullptr;
}

BOOL IsWritable()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    return pDatabase != nullptr && pDatabase->IsOpen() && pDatabase->CanUpdate();
}

LRESULT SendToActiveForm(UINT nCommand, LPARAM lParam)
{
    CBVFormView* pForm = g_pFormManager != nullptr ? g_pFormManager->GetActiveForm() : nullptr;
    return pForm != nullptr ? pForm->SendMessage(WM_COMMAND, nCommand, lParam) : 0;
}

BOOL IsAvailable(const ForwardedCommand& command)
{
    const long kind = CurrentKind();
    return (command.kinds & (1UL << kind)) != 0 && (!command.bWritable || IsWritable()) &&
           (command.pCondition == nullptr || command.pCondition());
}

// The viewing forms draw their text in the print font: they repaint after it changed.
void RedrawActiveForm()
{
    CBVFormView* pForm = g_pFormManager != nullptr ? g_pFormManager->GetActiveForm() : nullptr;
    if (pForm == nullptr)
        return;
    switch (g_pFormManager->GetCurrentKind())
    {
    case CFormManager::kRecipeView:
    case CFormManager::kMealPlanView:
    case CFormManager::kRecipeFromMealPlan:
    case CFormManager::kRecipeFromLink:
    case CFormManager::kMealPlanFromLink:
        pForm->Invalidate();
        pForm->UpdateWindow();
        break;
    case CFormManager::kShopping:
        if (CBVFormView* pShopping = ActiveFormOfKind(CFormManager::kShopping))
            pShopping->UpdateDisplay();
        break;
    default: break;
    }
}

// Print Chapter and Print Category Recipes: the form is asked first, then told to print.
const LPARAM kAsk = 0;
const LPARAM kPerform = 1;

long PrintCollectionKind(UINT nID)
{
    return nID == ID_FILE_PRINT_CHAPTER ? CFormManager::kContents : CFormManager::kCategoryRecipes;
}

void SetItemText(CCmdUI* pCmdUI, UINT nTextId, BOOL bEnable)
{
    CString text;
    text.LoadString(nTextId);
    pCmdUI->SetText(text);
    pCmdUI->Enable(bEnable);
}

}  // namespace

BEGIN_MESSAGE_MAP(CCookbookApp, CWinApp)
    ON_COMMAND_RANGE(ID_FILE_PRINT_CHAPTER, ID_FILE_PRINT_CHAPTER, OnPrintCollection)
    ON_COMMAND_RANGE(ID_FILE_PRINT_CATEGORY, ID_FILE_PRINT_CATEGORY, OnPrintCollection)
    ON_COMMAND(ID_EDIT_ADD_INGREDIENT, OnAddIngredient)
    ON_COMMAND(ID_EDIT_INGREDIENT, OnEditIngredient)
    ON_COMMAND(ID_EDIT_FIND, OnFind)
    ON_COMMAND(ID_FILE_SET_DIRECTORIES, OnSetDirectories)
    ON_COMMAND(ID_FILE_EXIT, OnExit)
    ON_COMMAND(ID_EDIT_ADD_RECIPE, OnAddRecipe)
    ON_COMMAND(ID_EDIT_ADD_MEAL_PLAN, OnAddMealPlan)
    ON_COMMAND(ID_VIEW_CONTENTS, OnViewContents)
    ON_COMMAND(ID_VIEW_STARTUP_WINDOW, OnViewStartup)
    ON_COMMAND(ID_HELP_CONTENTS, OnHelpContents)
    ON_COMMAND(ID_HELP_SEARCH, OnHelpSearch)
    ON_COMMAND(ID_HELP_UNUSED_INDEX, OnHelpUnusedIndex)
    ON_COMMAND(ID_HELP, OnHelp)
    ON_COMMAND(ID_HELP_USING, OnHelpOnHelp)
    ON_COMMAND(ID_VIEW_FONT, OnViewFont)
    ON_COMMAND(ID_HELP_ABOUT, OnAbout)
    ON_COMMAND(ID_UNUSED_COMMAND, OnNothing)
    ON_COMMAND(ID_TOOLS_ADD_TO_CALENDAR, OnNothing)
    ON_COMMAND(ID_TOOLS_SPELL_CHECK, OnNothing)
    ON_COMMAND_RANGE(ID_FILE_PRINT, ID_FILE_PRINT, OnForwardCommand)
    ON_COMMAND_RANGE(ID_TOOLS_ADD_TO_MEAL_PLAN, ID_TOOLS_SERVINGS, OnForwardCommand)
    ON_COMMAND_RANGE(ID_TOOLS_ADD_TO_FREQUENT, ID_TOOLS_ADD_TO_PANTRY, OnForwardCommand)
    ON_COMMAND_RANGE(ID_FORWARD_40025, ID_FORWARD_40025, OnForwardCommand)
    ON_COMMAND_RANGE(ID_EDIT_COPY, ID_EDIT_CUT, OnForwardCommand)
    ON_COMMAND_RANGE(ID_EDIT_PASTE, ID_EDIT_PASTE, OnForwardCommand)
    ON_COMMAND_RANGE(ID_EDIT_DELETE_ITEM, ID_EDIT_DELETE_ITEM, OnForwardCommand)
    ON_COMMAND_RANGE(ID_EDIT_DUPLICATE_RECIPE, ID_EDIT_DUPLICATE_RECIPE, OnForwardCommand)
    ON_COMMAND_RANGE(ID_RATING_EXCELLENT, ID_RATING_SKIP, OnRating)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdateForwarded)
    ON_UPDATE_COMMAND_UI(ID_TOOLS_ADD_TO_MEAL_PLAN, OnUpdateForwarded)
    ON_UPDATE_COMMAND_UI(ID_TOOLS_ADD_TO_SHOPPING_LIST, OnUpdateForwarded)
    ON_UPDATE_COMMAND_UI(ID_TOOLS_SERVINGS, OnUpdateForwarded)
    ON_UPDATE_COMMAND_UI(ID_TOOLS_ADD_TO_FREQUENT, OnUpdateForwarded)
    ON_UPDATE_COMMAND_UI(ID_TOOLS_ADD_TO_PANTRY, OnUpdateForwarded)
    ON_UPDATE_COMMAND_UI(ID_FORWARD_40025, OnUpdateForwarded)
    ON_UPDATE_COMMAND_UI(ID_EDIT_DUPLICATE_RECIPE, OnUpdateForwarded)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_ITEM, OnUpdateDelete)
    ON_UPDATE_COMMAND_UI(ID_FILE_IMPORT, OnUpdateWritable)
    ON_UPDATE_COMMAND_UI(ID_EDIT_ADD_RECIPE, OnUpdateWritable)
    ON_UPDATE_COMMAND_UI(ID_EDIT_ADD_MEAL_PLAN, OnUpdateWritable)
    ON_UPDATE_COMMAND_UI(ID_EDIT_ADD_INGREDIENT, OnUpdateWritable)
    ON_UPDATE_COMMAND_UI(ID_EDIT_INGREDIENT, OnUpdateWritable)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CATEGORIES, OnUpdateWritable)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CHAPTERS, OnUpdateWritable)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REFERENCES, OnUpdateWritable)
    ON_UPDATE_COMMAND_UI(ID_EDIT_STORE_SECTIONS, OnUpdateWritable)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_CHAPTER, OnUpdatePrintCollection)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_CATEGORY, OnUpdatePrintCollection)
    ON_UPDATE_COMMAND_UI(ID_TOOLS_ADD_TO_CALENDAR, OnUpdateRemoved)
    ON_UPDATE_COMMAND_UI(ID_TOOLS_SPELL_CHECK, OnUpdateRemoved)
    ON_UPDATE_COMMAND_UI(ID_UNUSED_COMMAND, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI_RANGE(ID_RATING_EXCELLENT, ID_RATING_SKIP, OnUpdateRating)
END_MESSAGE_MAP()

// After its own map the application offers a command to the feature folders' commands.
BOOL CCookbookApp::OnCmdMsg(Call& call)
{
    if (CWinApp::OnCmdMsg(call))
        return TRUE;
    CCmdTarget* const targets[] = {&m_printing, &m_shopping, &m_exchange, &m_organising};
    for (CCmdTarget* pTarget : targets)
        if (pTarget->OnCmdMsg(call))
            return TRUE;
    return FALSE;
}

CCookbookApp::CCookbookApp() : CWinApp("Savorum") {}

CCookbookApp* GetCookbookApp()
{
    return static_cast<CCookbookApp*>(AfxGetApp());
}

void CloseSplashWindow()
{
    if (CCookbookApp* pApp = GetCookbookApp())
        pApp->CloseSplash();
}

BOOL CCookbookApp::InitInstance()
{
    m_commandLine = m_lpCmdLine != nullptr ? m_lpCmdLine : "";
    m_commandLine.MakeUpper();
    RegisterCommonControls();
    InitPictureSupport();
    ShowSplash();
    if (!BuildMainFrame())
        return FALSE;
    if (!CheckTempDirectory())
        return FALSE;
    SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 0));
    if (!InstallOdbcDrivers())
        return FALSE;
    CloseSplash();
    if (!RemoveFileMenuItems() || !OpenFirstCookbook())
        return FALSE;
    GetCurrentDatabase()->m_dwColourDisplay = HasEnoughColours(256);
    CWorkingDirectory workingDirectory;
    BuildRatingMenu();
    RegisterIngredientClipboardFormat();
    SetHelpFilePath();
    CProgramObjects::CreateShared();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, 0x209, PM_REMOVE))
    {
    }
    EndWaitCursor();
    WarnIfNoResourceDirectory();
    CloseSplash();
    return TRUE;
}

BOOL CCookbookApp::BuildMainFrame()
{
    auto* pFrame = new CBVWindow;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr))
        return FALSE;
    m_pMainWnd = pFrame;
    ChooseFontFaces();
    BeginWaitCursor();
    CProgramObjects::CreateFormManager(pFrame);
    g_pFormManager->OpenForm(CFormManager::kActionStart, 0, 0);
    if (CBVFormView* pForm = g_pFormManager->GetActiveForm())
        pForm->FitFrameToForm(0);
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    return TRUE;
}

BOOL CCookbookApp::CheckTempDirectory()
{
    char temp[MAX_PATH] = "";
    const DWORD length = ::GetEnvironmentVariableA("TEMP", temp, sizeof temp);
    if (length == 0 || length >= sizeof temp)
    {
        CloseSplash();
        EndWaitCursor();
        CString text;
        text.LoadString(IDS_NO_TEMP_DIRECTORY);
        AfxShowMessageBox(m_pMainWnd->m_hWnd, text, nullptr, MB_OK);
        return FALSE;
    }
    CheckFreeDiskSpace(m_pMainWnd->m_hWnd, temp, kTempSpaceRequired);
    return TRUE;
}

BOOL CCookbookApp::RemoveFileMenuItems()
{
    CMenu* pMenu = m_pMainWnd->GetMenu();
    CMenu* pFile = pMenu != nullptr ? pMenu->GetSubMenu(0) : nullptr;
    if (pFile == nullptr)
        return FALSE;
    for (UINT i = 0; i < kFileMenuItemsRemoved; ++i)
        pFile->DeleteMenu(0, MF_BYPOSITION);
    return TRUE;
}

BOOL CCookbookApp::OpenFirstCookbook()
{
    const CString path = CommandLinePath(m_commandLine);
    if (!path.IsEmpty() && OpenCookbookFromPath(m_pMainWnd, path))
        return TRUE;
    if (OpenStartupCookbook(m_pMainWnd))
        return TRUE;
    // The frame's tear-down deletes what start-up made; the frame deletes itself.
    CWnd* pFrame = m_pMainWnd;
    m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
    return FALSE;
}

void CCookbookApp::BuildRatingMenu()
{
    m_pRatingMenu = new CRatingMenu;
    CMenu* pMenu = m_pMainWnd->GetMenu();
    CString text;
    pMenu->GetMenuString(ID_TOOLS_ASSIGN_RATING, text, MF_BYCOMMAND);
    pMenu->ModifyMenu(ID_TOOLS_ASSIGN_RATING, MF_BYCOMMAND | MF_POPUP,
                      reinterpret_cast<UINT_PTR>(m_pRatingMenu->GetSafeHmenu()), text);
}

void CCookbookApp::DestroyRatingMenu()
{
    CMenu* pMenu = m_pRatingMenu;
    m_pRatingMenu = nullptr;
    delete pMenu;
}

void CCookbookApp::SetHelpFilePath()
{
    const int slash = m_strHelpFilePath.ReverseFind('\\');
    if (slash < 0)
        return;
    CString name;
    name.LoadString(IDS_HELP_FILE);
    m_strHelpFilePath = m_strHelpFilePath.Left(slash + 1) + name;
}

void CCookbookApp::WarnIfNoResourceDirectory()
{
    CString name;
    name.LoadString(IDS_RESOURCE_DIR);
    const DWORD attributes = ::GetFileAttributesA(name);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return;
    CString text;
    text.LoadString(IDS_NO_RESOURCE_DIR);
    CString caption;
    caption.LoadString(IDS_APP_TITLE);
    AfxShowMessageBox(nullptr, text, caption, MB_ICONEXCLAMATION);
}

void CCookbookApp::ShowSplash()
{
    CloseSplash();
    CString publisher;
    publisher.LoadString(IDS_PUBLISHER);
    m_pSplash = new CSplashWnd(m_pszAppName, publisher, WS_VISIBLE);
    CErrorReporter::InstallSplashCloser(&CloseSplashWindow);
    if (m_pSplash->m_hWnd == nullptr)
        CloseSplash();
    else
        m_pSplash->UpdateWindow();
}

void CCookbookApp::CloseSplash()
{
    CSplashWnd* pSplash = m_pSplash;
    m_pSplash = nullptr;
    if (pSplash == nullptr)
        return;
    pSplash->DestroyWindow();
    delete pSplash;
}

void CCookbookApp::OnPrintCollection(UINT nID)
{
    if (CurrentKind() == PrintCollectionKind(nID))
        SendToActiveForm(nID, kPerform);
}

void CCookbookApp::OnAddIngredient()
{
    RunIngredientDialog(CIngData(), CIngredientDialog::kAdd);
}

void CCookbookApp::OnEditIngredient()
{
    RunIngredientDialog(CIngData(), CIngredientDialog::kEdit);
}

void CCookbookApp::RunIngredientDialog(const CIngData& ingredient, int nMode)
{
    CIngredientDialog dialog(m_pMainWnd, ingredient, nMode);
    dialog.DoModal();
}

// OK with no row chosen opens nothing: there is no found item to go to.
void CCookbookApp::OnFind()
{
    CFindDlg dialog(nullptr, FALSE, nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    const CListItem* pChosen = dialog.GetSelectedItem();
    if (pChosen == nullptr)
        return;
    switch (CFindDlg::GetShownTab())
    {
    case CFindDlg::kRecipes: ShowFoundRecipe(dialog.GetSelectedRow()); break;
    case CFindDlg::kMealPlans: ShowFoundMealPlan(pChosen->m_id); break;
    case CFindDlg::kIngredients:
    {
        CIngData ingredient;
        ingredient.m_itemId = pChosen->m_id;
        ingredient.m_name = pChosen->m_name;
        RunIngredientDialog(ingredient, CIngredientDialog::kEdit);
        break;
    }
    default: break;
    }
}

void CCookbookApp::ShowFoundRecipe(int nRow)
{
    CCustObArray found;
    const CCustObList& results = CFindDlg::GetResults();
    for (POSITION pos = results.GetHeadPosition(); pos != nullptr;)
        found.Add(static_cast<const CItem*>(results.GetNext(pos))->Clone());
    g_pBrowseState->FillRecipeList(found, nRow);
    if (const CRecipeListItem* pCurrent = g_pBrowseState->GetCurrentRecipeItem())
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeView,
                                 static_cast<long>(pCurrent->m_id.GetNumber()));
}

// The browsed meal plans are the cookbook's own entries, numbered as the cookbook numbers
// them: the chosen one is made current by its id and opened by its place in the cookbook.
void CCookbookApp::ShowFoundMealPlan(const CRecordId& id)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return;
    g_pBrowseState->FillMenuList(*pDatabase, CFindDlg::GetResults(), 0);
    CCustObArray* pMealPlans = g_pBrowseState->GetMenuList();
    for (int i = 0; i < pMealPlans->GetSize(); ++i)
    {
        if (pMealPlans->GetItemAt(i)->m_id != id)
            continue;
        pMealPlans->SetCurrentIndex(i);
        g_pFormManager->SetEditMealPlanId(id);
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kMealPlanView,
                                 static_cast<const CListItem*>(pMealPlans->GetItemAt(i))->m_value);
        return;
    }
}

void CCookbookApp::OnSetDirectories()
{
    CSetDirectoriesDlg dialog(m_pMainWnd);
    dialog.DoModal();
}

void CCookbookApp::OnExit()
{
    if (CBVWindow::ConfirmExit())
        m_pMainWnd->DestroyWindow();
}

void CCookbookApp::OnAddRecipe()
{
    AddNewRecord(CFormManager::kRecipeEdit);
}

void CCookbookApp::OnAddMealPlan()
{
    AddNewRecord(CFormManager::kMealPlanEdit);
}

void CCookbookApp::AddNewRecord(long kind)
{
    if (g_pFormManager == nullptr)
        return;
    const CRecordId empty;
    auto setEditId = [kind, &empty]() {
        if (kind == CFormManager::kRecipeEdit)
            g_pFormManager->SetEditRecipeId(empty);
        else
            g_pFormManager->SetEditMealPlanId(empty);
    };
    if (g_pFormManager->GetCurrentKind() != kind)
    {
        setEditId();
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, kind, 0);
        return;
    }
    if (g_pFormManager->QuerySaveChanges() == CFormManager::kSaveCancel)
        return;
    setEditId();
    if (CBVFormView* pForm = g_pFormManager->GetActiveForm())
        pForm->OnUpdate(nullptr, 0, nullptr);
}

void CCookbookApp::OnViewContents()
{
    if (CurrentKind() != CFormManager::kContents)
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
}

void CCookbookApp::OnViewStartup()
{
    if (CurrentKind() != CFormManager::kStart)
        g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0);
}

void CCookbookApp::OnHelpContents()
{
    ShowHelp(HELP_FINDER, 0, IDS_HELP_FILE);
}

void CCookbookApp::OnHelpSearch()
{
    ShowHelp(HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>(""), IDS_HELP_FILE);
}

void CCookbookApp::OnHelpUnusedIndex()
{
    BeginWaitCursor();
    ShowHelp(HELP_INDEX, 0, IDS_UNUSED_HELP_FILE);
    EndWaitCursor();
}

void CCookbookApp::OnHelp()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CCookbookApp::OnHelpOnHelp()
{
    ShowHelp(HELP_HELPONHELP, 0, IDS_HELP_FILE);
}

void CCookbookApp::OnViewFont()
{
    if (g_pAppSettings == nullptr)
        return;
    PrintSettings* pPrint = g_pAppSettings->GetPrintRecord();
    CFontDialog dialog(&pPrint->PrintFont(), CF_BOTH | CF_SHOWHELP | CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS, nullptr,
                       m_pMainWnd);
    dialog.m_cf.rgbColors = RGB(0, 255, 255);
    dialog.m_cf.nFontType = SCREEN_FONTTYPE;
    const UINT previousContext = SetHelpContext(kFontHelpContext);
    const INT_PTR result = dialog.DoModal();
    SetHelpContext(previousContext);
    if (result != IDOK)
        return;
    dialog.GetCurrentFont(&pPrint->PrintFont());
    // The record keeps the point size (tenths) where the font's width would be: printing sizes
    // the font from it.
    pPrint->FontWidth = dialog.GetSize();
    pPrint->DefaultFont = 0;
    SetFontChanged(TRUE);
    RedrawActiveForm();
}

void CCookbookApp::OnAbout()
{
    CAboutDlg dialog;
    dialog.DoModal();
}

void CCookbookApp::OnForwardCommand(UINT nID)
{
    if (const ForwardedCommand* pCommand = FindForwarded(nID))
        SendToActiveForm(pCommand->nFormCommand, 0);
}

void CCookbookApp::OnRating(UINT nID)
{
    SendToActiveForm(ID_FORM_ASSIGN_RATING, CRatingMenu::RatingOf(nID));
}

void CCookbookApp::OnNothing() {}

void CCookbookApp::OnUpdateForwarded(CCmdUI* pCmdUI)
{
    const ForwardedCommand* pCommand = FindForwarded(pCmdUI->m_nID);
    pCmdUI->Enable(pCommand != nullptr && IsAvailable(*pCommand));
}

void CCookbookApp::OnUpdateWritable(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsWritable());
}

void CCookbookApp::OnUpdateCut(CCmdUI* pCmdUI)
{
    SetItemText(pCmdUI, IngredientLinesSelected() ? IDS_CUT_INGREDIENT : IDS_CUT,
                CurrentKind() == CFormManager::kRecipeEdit);
}

void CCookbookApp::OnUpdateCopy(CCmdUI* pCmdUI)
{
    SetItemText(pCmdUI, IngredientLinesSelected() ? IDS_COPY_INGREDIENT : IDS_COPY,
                CurrentKind() == CFormManager::kRecipeEdit);
}

// With ingredient lines selected only copied lines can be pasted over them; otherwise plain
// text is taken too. A clipboard that cannot be opened leaves the form's answer.
void CCookbookApp::OnUpdatePaste(CCmdUI* pCmdUI)
{
    const CBVFormView* pForm = ActiveFormOfKind(CFormManager::kRecipeEdit);
    BOOL bEnable = pForm != nullptr && pForm->CanPasteIngredients();
    UINT nTextId = IDS_PASTE;
    if (bEnable && ::OpenClipboard(m_pMainWnd->m_hWnd))
    {
        if (pForm->CanCopyIngredients())
        {
            bEnable = ::IsClipboardFormatAvailable(GetIngredientClipboardFormat());
            nTextId = bEnable ? IDS_PASTE_INGREDIENT : IDS_PASTE;
        }
        ::CloseClipboard();
    }
    SetItemText(pCmdUI, nTextId, bEnable);
}

void CCookbookApp::OnUpdateDelete(CCmdUI* pCmdUI)
{
    switch (ContentsListMode())
    {
    case kRecipeRow: SetItemText(pCmdUI, IDS_DELETE_RECIPE, TRUE); break;
    case kMealPlanRow: SetItemText(pCmdUI, IDS_DELETE_MEAL_PLAN, TRUE); break;
    default: SetItemText(pCmdUI, IDS_DELETE, FALSE); break;
    }
}

void CCookbookApp::OnUpdatePrintCollection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CurrentKind() == PrintCollectionKind(pCmdUI->m_nID) && SendToActiveForm(pCmdUI->m_nID, kAsk) != 0);
}

void CCookbookApp::OnUpdateRemoved(CCmdUI* pCmdUI)
{
    if (pCmdUI->m_pMenu != nullptr)
        pCmdUI->m_pMenu->DeleteMenu(pCmdUI->m_nIndex, MF_BYPOSITION);
}

void CCookbookApp::OnUpdateDisabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CCookbookApp::OnUpdateRating(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsWritable() && (ContentsRecipeSelected() || RecipeListSelected()));
}
