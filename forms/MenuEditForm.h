#pragma once

#include "database/MenuListItem.h"
#include "forms/ListFormScheme.h"
#include "forms/MenuHeaderPanel.h"
#include "forms/EditFormView.h"
#include "forms/MenuItemView.h"
#include "forms/RelatedItemsArea.h"
#include "forms/ToolActions.h"
#include "framework/BitmapButton.h"

class CDC;
class CMealPlanItemPanel;
class CMenuData;

// Creates or changes one meal plan: its name, description and servings over its items laid out
// day by day, the item chosen edited in the item panel beside them, categories and references
// attached, and Save. A save that fails keeps the changes and the form modified, so leaving it
// still asks.
class CMenuEditForm : public CEditFormView, public CToolActions, public CMenuItemView
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

    // The item panel takes the place of the related-items pages while an item line is chosen.
    void ShowItemPanel() override;
    void HideItemPanel() override;
    void LoadItem(CMenuItem* pItem) override;

    CMenuHeaderPanel& GetHeaderPanel() { return m_header; }
    CMealPlanItemPanel* GetItemPanel() const { return m_pItemPanel; }
    const CRelatedItemsArea& GetRelatedItems() const { return m_related; }
    int GetRelatedItemNames(CStringArray& names) const override { return m_related.GetRelatedItemNames(names); }
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
    void NextField() override { MoveFocus(1); }
    void PreviousField() override { MoveFocus(-1); }
    void NextLine() override { m_header.LineDown(); }
    void PreviousLine() override { m_header.LineUp(); }

private:
    void CreatePanels();
    void AttachButtons();
    void LoadRelatedItems();
    // Tab and Shift+Tab: through the header's controls and, while an item is chosen, the item panel's.
    void MoveFocus(int step);
    BOOL OnRelatedItemsCommand(UINT nId);
    // The document loads the plan of the list item; FALSE, with message 265, when it cannot.
    BOOL OpenListItem();
    void RemoveEmptyItems();
    void MarkModified() { m_nModified = 1; }

    MenuListItem m_listItem;
    CMenuData* m_pPlan = nullptr;
    CMenuHeaderPanel m_header;
    CListFormScheme m_scheme;
    CBitmapButton m_back;
    CBitmapButton m_save;
    CBitmapButton m_categories;
    CBitmapButton m_references;
    CRelatedItemsArea m_related;
    // Made through the related-items panel, which owns it.
    CMealPlanItemPanel* m_pItemPanel = nullptr;
};
