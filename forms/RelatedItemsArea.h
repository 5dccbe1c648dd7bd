#pragma once

#include <windef.h>

#include "forms/PanelPageButtons.h"
#include "forms/RelatedItemsPanel.h"

class CRecordId;
class CRefItemArray;
class CStringArray;
class CWnd;
class MenuListItem;

// The related-items panel of a viewing form with the page buttons and tabs that go with it. The
// form hands it the commands of those buttons, of the panel's pages and of its links, so that
// every viewing form shows and follows them alike.
class CRelatedItemsArea
{
public:
    // view: the form manager's kind of the form (a list form's mode); the edit forms' panel is
    // made by makeEditPanel.
    void Create(CWnd* pForm, long view, const EditPanelFactory& makeEditPanel = nullptr);
    // The panel shows the record's items; the page buttons and the tool bar's Related follow
    // what it found. pReferences: the record's references when the form has read them.
    void Load(const CRecordId& recordId, const CRefItemArray* pReferences);
    // The page buttons, the panel's information and photo pages and its links; FALSE for any
    // other command.
    BOOL OnCommand(UINT nId);
    // The nutrition page (502) or chart (503) of a recipe or, without one, of a meal plan.
    void ShowNutrition(UINT nId, const CRecordId* pRecipeId, const MenuListItem* pMealPlan);
    int GetRelatedItemNames(CStringArray& names) const;

    CRelatedItemsPanel& GetPanel() { return m_panel; }
    const CRelatedItemsPanel& GetPanel() const { return m_panel; }
    CPanelPageButtons& GetPageButtons() { return m_pageButtons; }
    const CPanelPageButtons& GetPageButtons() const { return m_pageButtons; }

private:
    void FollowLink(int index);

    CWnd* m_pForm = nullptr;
    CRelatedItemsPanel m_panel;
    CPanelPageButtons m_pageButtons;
};
