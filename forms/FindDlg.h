#pragma once

#include "framework/Dialog.h"
#include "framework/String.h"

class CCustObList;
class CListItem;

// Edit/Find: the found recipes, meal plans or ingredients, one of which the user chooses.
// The result list and the tab shown live for the whole program, so that the next opening
// and the caller after OK see them.
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
    // Without results there is nothing to choose: the dialog ends as Cancel.
    void OnOK() override;

    // The row chosen at OK, -1 when none was selected.
    int GetSelectedRow() const { return m_nSelectedRow; }
    CListItem* GetSelectedItem() const;

    static CCustObList& GetResults();
    static int GetShownTab();
    static void SetShownTab(int nTab);

private:
    CString m_searchText;
    BOOL m_bPickItem;
    int m_nSelectedRow = -1;
};
