#include "shell/app/BVWindow.h"

#include <windows.h>

#include "framework/AfxMessageBox.h"
#include "framework/Menu.h"
#include "framework/PaintDC.h"
#include "framework/StandardIds.h"
#include "res/resource.h"
#include "shell/formbase/BVFormView.h"
#include "shell/app/CookbookApp.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/HelpService.h"
#include "shell/app/ProgramObjects.h"
#include "shell/graphics/PictureSupport.h"
#include "shell/services/ProgressDlg.h"

const UINT g_nBringToTopMessage = ::RegisterWindowMessageA("BRING_TO_TOP");
const UINT g_nCommonDialogHelpMessage = ::RegisterWindowMessageA("commdlg_help");

IMPLEMENT_DYNCREATE(CBVWindow, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CBVWindow, CMDIFrameWnd)
    ON_WM_DESTROY()
    ON_WM_SYSCOMMAND()
    ON_WM_QUERYENDSESSION()
    ON_WM_PAINT()
    ON_WM_WININICHANGE()
    ON_WM_INITMENU()
    ON_REGISTERED_MESSAGE(g_nCommonDialogHelpMessage, OnCommonDialogHelp)
    ON_REGISTERED_MESSAGE(g_nBringToTopMessage, OnBringToTop)
END_MESSAGE_MAP()

namespace {

const int kFrameWidth = 640;
const int kFrameHeight = 480;

void DeleteScratchFile(UINT nNameId)
{
    CString name;
    name.LoadString(nNameId);
    ::DeleteFileA(name);
}

LRESULT AskActiveForm(UINT nCommand)
{
    CBVFormView* pForm = g_pFormManager != nullptr ? g_pFormManager->GetActiveForm() : nullptr;
    return pForm != nullptr ? pForm->SendMessage(WM_COMMAND, nCommand, 0) : 0;
}

}  // namespace

BOOL CBVWindow::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.cx = kFrameWidth;
    cs.cy = kFrameHeight;
    cs.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    cs.x = (::GetSystemMetrics(SM_CXSCREEN) - kFrameWidth) / 2;
    cs.y = (::GetSystemMetrics(SM_CYSCREEN) - kFrameHeight) / 2;
    cs.lpszClass =
        AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW), static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH)),
                            ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    return CMDIFrameWnd::PreCreateWindow(cs);
}

BOOL CBVWindow::SaveCheckPasses()
{
    return g_pFormManager == nullptr || g_pFormManager->QuerySaveChanges() != CFormManager::kSaveCancel;
}

BOOL CBVWindow::ConfirmExit()
{
    return AfxMessageBox(IDS_EXIT_QUESTION, MB_YESNO) == IDYES && SaveCheckPasses();
}

void CBVWindow::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) != SC_CLOSE)
    {
        Default();
        return;
    }
    if (lParam == 1 || ConfirmExit())
        DestroyWindow();
}

BOOL CBVWindow::OnQueryEndSession()
{
    if (!SaveCheckPasses())
        return FALSE;
    DestroyWindow();
    return TRUE;
}

void CBVWindow::OnPaint()
{
    CPaintDC dc(this);
}

void CBVWindow::OnWinIniChange(LPCSTR)
{
    Default();
    if (g_pFormManager == nullptr)
        return;
    if (CBVFormView* pToolForm = g_pFormManager->GetToolForm())
        pToolForm->FitToButtonBar();
    if (CBVFormView* pForm = g_pFormManager->GetActiveForm())
    {
        pForm->ScaleChildFonts();
        pForm->FitFrameToForm(0);
    }
}

void CBVWindow::OnInitMenu(CMenu* pMenu)
{
    Default();
    if (g_pFormManager != nullptr && pMenu != nullptr)
        UpdatePrintItems(pMenu);
}

void CBVWindow::UpdatePrintItems(CMenu* pMenu)
{
    auto set = [pMenu](UINT nID, BOOL bEnable) {
        pMenu->EnableMenuItem(nID, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_DISABLED));
    };
    switch (g_pFormManager->GetCurrentKind())
    {
    case CFormManager::kCategoryRecipes:
        set(ID_FILE_PRINT_CATEGORY, AskActiveForm(ID_FILE_PRINT_CATEGORY) != 0);
        set(ID_FILE_PRINT, TRUE);
        break;
    case CFormManager::kCategoryMealPlans:
    case CFormManager::kRecipeView:
    case CFormManager::kMealPlanView:
    case CFormManager::kShopping:
    case CFormManager::kPersonalMenu:
    case CFormManager::kRecipeFromMealPlan:
    case CFormManager::kRecipeFromPersonalMenu:
    case CFormManager::kRecipeFromLink:
    case CFormManager::kMealPlanFromLink: set(ID_FILE_PRINT, TRUE); break;
    case CFormManager::kContents: set(ID_FILE_PRINT_CHAPTER, AskActiveForm(ID_FILE_PRINT_CHAPTER) != 0); break;
    default:
        set(ID_FILE_PRINT_CATEGORY, FALSE);
        set(ID_FILE_PRINT_CHAPTER, FALSE);
        set(ID_FILE_PRINT, FALSE);
        break;
    }
}

LRESULT CBVWindow::OnCommonDialogHelp(WPARAM, LPARAM)
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
    return 0;
}

LRESULT CBVWindow::OnBringToTop(WPARAM, LPARAM)
{
    CloseSplashWindow();
    SetActiveWindow();
    return 0;
}

// While a long operation pumps messages no other command may start inside it.
BOOL CBVWindow::OnCmdMsg(Call& call)
{
    if (IsProgressRunning() && call.nCode == CMessageMap::kCodeCommand && !call.bProbe)
        return TRUE;
    return CMDIFrameWnd::OnCmdMsg(call);
}

void CBVWindow::OnDestroy()
{
    TearDown();
    CMDIFrameWnd::OnDestroy();
}

void CBVWindow::TearDown()
{
    CProgramObjects::DestroyAll();
    if (CCookbookApp* pApp = GetCookbookApp())
        pApp->DestroyRatingMenu();
    DeleteScratchFile(IDS_CHECK_FILE);
    ::DeleteFileA("ERR.001");
    ExitPictureSupport();
}
