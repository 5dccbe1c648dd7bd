#pragma once

#include "forms/HelpContextKeeper.h"
#include "framework/Brush.h"
#include "framework/Dialog.h"
#include "framework/String.h"
#include "framework/TabCtrl.h"
#include "shell/controls/CookbookIngredientSearch.h"
#include "shell/controls/TypeAheadCombo.h"

class CCustObList;
class CListItem;
struct tagNMHDR;

// Edit/Find: searches the cookbook for recipes, meal plans or ingredients, narrows the found
// list with a second search and lets the user choose one found item. The found list, the tab
// shown, each tab's search kind and the remembered search texts live for the whole program, so
// that the next opening and the caller after OK see them.
class CFindDlg : public CDialog
{
public:
    // The tabs, which are also the kinds of result.
    enum : int
    {
        kRecipes = 0,
        kMealPlans = 1,
        kIngredients = 2,
    };

    // pszText: the search text a panel looks for; bPickItem: the panel takes the chosen item.
    CFindDlg(const char* pszText, BOOL bPickItem, CWnd* pParent);

    BOOL OnInitDialog() override;
    // Enter on no button chooses as View does.
    void OnOK() override;

    // The row chosen at OK, -1 when none was.
    int GetSelectedRow() const { return m_nSelectedRow; }
    CListItem* GetSelectedItem() const;

    static CCustObList& GetResults();
    static int GetShownTab();
    static void SetShownTab(int nTab);

protected:
    DECLARE_MESSAGE_MAP()
    void OnTabChange(tagNMHDR* pHeader, LRESULT* pResult);
    void OnModeChosen(UINT nID);
    void OnColumnFocus();
    void OnCategoryChosen();
    void OnIngredientChosen();
    void OnStartSearch();
    void OnSearchFoundList();
    void OnView();
    void OnHelpButton();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();

private:
    void KeepOrDropPreviousResults();
    void FillColumnCombo();
    void FillTabs();
    void FillHistoryCombo();
    void ShowTab();
    void ShowMode();
    void FillCategoryCombo();
    void FillResultList();
    void Search(BOOL bNarrow);
    UINT InputOfMode() const;
    void PutChosenTextIntoInput(UINT nCombo);
    void RememberSearchText();

    CString m_searchText;
    BOOL m_bPickItem;
    int m_nMode = 1;
    int m_nSelectedRow = -1;
    CTabCtrl m_tabs;
    CTypeAheadCombo m_ingredients;
    CCookbookIngredientSearch m_ingredientSearch;
    CBrush m_brush;
    CHelpContextKeeper m_helpContext;
};
