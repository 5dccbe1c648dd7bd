#pragma once

#include "database/MenuListItem.h"
#include "forms/ListFormScheme.h"
#include "forms/MenuHeaderPanel.h"
#include "forms/EditFormView.h"
#include "forms/ToolActions.h"
#include "framework/BitmapButton.h"

class CDC;
class CMenuData;
class CMenuItemView;

// Creates or changes one meal plan: its name, description and servings over its items laid out
// day by day, categories and references attached, and Save. A save that fails keeps the
// changes and the form modified, so leaving it still asks.
class CMenuEditForm : public CEditFormView, public CToolActions
{
    DECLARE_DYNCREATE(CMenuEditForm)
public:
    CMenuEditForm();
    ~CMenuEditForm() override;
    void OnInitialUpdate() override;
    // Opens the plan the form manager names for editing; a zero id starts a new plan.
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    // kSaved once the plan is stored; kNotSaved when unchanged or refused (the user was told).
    int SaveMealPlan();

    // The item panel shows the current item there; it is not owned.
    void SetItemView(CMenuItemView* pView) { m_header.SetItemView(pView); }
    CMenuHeaderPanel& GetHeaderPanel() { return m_header; }
    CMenuData* GetMealPlan() const { return m_pPlan; }
    const MenuListItem& GetListItem() const { return m_listItem; }

protected:
    DECLARE_MESSAGE_MAP()
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();
    void OnSave();
    void OnCategories();
    void OnReferences();
    int SaveEdits() override { return SaveMealPlan(); }
    void NextField() override { m_header.FocusNextControl(); }
    void PreviousField() override { m_header.FocusPreviousControl(); }
    void NextLine() override { m_header.LineDown(); }
    void PreviousLine() override { m_header.LineUp(); }

private:
    void CreateHeaderPanel();
    // The document loads the plan of the list item; FALSE, with message 265, when it cannot.
    BOOL OpenListItem();
    void RemoveEmptyItems();
    void MarkModified() { m_nModified = 1; }

    MenuListItem m_listItem;
    CMenuData* m_pPlan = nullptr;
    CMenuHeaderPanel m_header;
    CListFormScheme m_scheme;
    CBitmapButton m_back;
};
