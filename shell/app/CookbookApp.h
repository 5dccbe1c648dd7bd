#pragma once

#include "exchange/ExchangeCommands.h"
#include "forms/OrganisingCommands.h"
#include "framework/WinApp.h"
#include "printing/PrintingCommands.h"
#include "shopping/ShoppingCommands.h"

class CCmdUI;
class CIngData;
class CRecordId;
class CMenu;
class CSplashWnd;

// The program's application object: its start-up builds the main frame, the forms and the
// program-wide objects and opens a cookbook; afterwards it is the last stop of the menu
// commands, performing them, handing them to the active form, or offering them to the
// feature folders' commands.
class CCookbookApp : public CWinApp
{
public:
    CCookbookApp();

    BOOL InitInstance() override;
    void ShowSplash();
    BOOL OnCmdMsg(Call& call) override;
    void CloseSplash();
    void DestroyRatingMenu();
    CMenu* GetRatingMenu() const { return m_pRatingMenu; }

protected:
    DECLARE_MESSAGE_MAP()
    void OnPrintCollection(UINT nID);
    void OnAddIngredient();
    void OnEditIngredient();
    void OnFind();
    void OnSetDirectories();
    void OnExit();
    void OnAddRecipe();
    void OnAddMealPlan();
    void OnViewContents();
    void OnViewStartup();
    void OnHelpContents();
    void OnHelpSearch();
    void OnHelpUnusedIndex();
    void OnHelp();
    void OnHelpOnHelp();
    void OnViewFont();
    void OnAbout();
    void OnForwardCommand(UINT nID);
    void OnRating(UINT nID);
    void OnNothing();

    void OnUpdateWritable(CCmdUI* pCmdUI);
    void OnUpdateCut(CCmdUI* pCmdUI);
    void OnUpdateCopy(CCmdUI* pCmdUI);
    void OnUpdatePaste(CCmdUI* pCmdUI);
    void OnUpdateDelete(CCmdUI* pCmdUI);
    void OnUpdateForwarded(CCmdUI* pCmdUI);
    void OnUpdateRemoved(CCmdUI* pCmdUI);
    void OnUpdateDisabled(CCmdUI* pCmdUI);
    void OnUpdateRating(CCmdUI* pCmdUI);
    void OnUpdatePrintCollection(CCmdUI* pCmdUI);

private:
    BOOL BuildMainFrame();
    BOOL CheckTempDirectory();
    BOOL RemoveFileMenuItems();
    BOOL OpenFirstCookbook();
    void BuildRatingMenu();
    void SetHelpFilePath();
    void WarnIfNoResourceDirectory();
    void AddNewRecord(long kind);
    void RunIngredientDialog(const CIngData& ingredient, int nMode);
    void ShowFoundRecipe(int nRow);
    void ShowFoundMealPlan(const CRecordId& id);

    CMenu* m_pRatingMenu = nullptr;
    CSplashWnd* m_pSplash = nullptr;
    CString m_commandLine;
    CPrintingCommands m_printing;
    CShoppingCommands m_shopping;
    CExchangeCommands m_exchange;
    COrganisingCommands m_organising;
};

CCookbookApp* GetCookbookApp();
// Takes the splash window away (error boxes must not sit under it).
void CloseSplashWindow();

