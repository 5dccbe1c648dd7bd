#pragma once

#include <functional>
#include <vector>

#include "forms/PaintedEdit.h"
#include "framework/Font.h"
#include "framework/Wnd.h"
#include "printing/ScreenLineList.h"
#include "shell/controls/PrintFontListBox.h"

class CMenuData;
class CMenuItem;
class CMenuItemView;
class MenuListItem;

// The top of the meal-plan edit form: the plan's name, description and servings, and below
// them its items laid out day by day as the meal-plan report writes them. Selecting an item
// line shows it in the item panel; leaving a changed line checks it.
class CMenuHeaderPanel : public CWnd
{
public:
    explicit CMenuHeaderPanel(std::function<void()> markModified);

    BOOL Create(CWnd* pForm, const RECT& area);
    void SetItemView(CMenuItemView* pView) { m_pItemView = pView; }
    // Shows the plan (not owned), adding one empty text line to a plan without items.
    void LoadMealPlan(CMenuData* pPlan);
    // The name and description fields into the plan.
    void StoreFields();
    void FocusName();
    // Tab and Shift+Tab among the fields and the list.
    void FocusNextControl();
    void FocusPreviousControl();
    // Down (and Enter) and Up: between the fields, or from line to line once a line is chosen.
    void LineDown();
    void LineUp();
    // The item panel changed the current item: an "M" entry is merged in or refused; any other
    // line shows its new text, and pending says whether it must be checked when left.
    void ApplyItemEntry(BOOL bPending);
    void DeleteLine();
    void InsertLine();
    // The form saved or dropped the plan: the list shows it as it now stands.
    void RebuildList();

    // Where the focus goes while no item line is chosen.
    void FocusLines();
    // A plan that adjusts every recipe to its own servings leaves the items' servings unused.
    BOOL AreItemServingsFixed() const;

    CMenuItem* GetCurrentItem() const { return m_pCurrentItem; }
    BOOL IsItemPanelShown() const { return m_itemPanelShown; }

protected:
    DECLARE_MESSAGE_MAP()
    int OnCreate(tagCREATESTRUCTA* pCreate);
    void OnNameUpdate();
    void OnDescriptionUpdate();
    void OnServingsUpdate();
    void OnFieldFocus();
    void OnListFocus();
    void OnListSelChange();

private:
    // The three fields one under the other; returns the bottom of the last.
    int CreateFields(int width);
    void ShowServings();
    void ShowServingsNotAdjusted();
    void MoveFocus(int step);
    long SelectedItemIndex() const;
    void IndexRows();
    long ItemIndexOfRow(int row) const;
    CMenuItem* PlanItemAt(long index) const;
    // The first item line at or after the row (before it when moving up); -1 when none.
    int ItemRowFrom(int row, int step) const;
    int RowOfItem(long index) const;
    void SelectItemRow(int row);
    // Refills the list from the plan, selecting the line of the item index (none for -1).
    void ShowLines(long selectIndex);
    void AddEmptyItem(const CMenuItem* pLike, CMenuItem* pBefore);
    void ShowItemPanel();
    void StepLine(int step);
    // Item check of a line being left: a recipe takes its id and servings, a meal plan is
    // merged in; one that does not exist becomes text.
    void CheckCurrentItem();
    void CheckRecipeItem();
    void CheckMealPlanItem();
    // Every path that merges comes here, and the plan being edited is never merged into itself.
    void MergeNamedPlan(const MenuListItem& found);
    void MergeMealPlan(const MenuListItem& found);
    void RefuseMealPlanEntry(UINT nMessageId);

    std::function<void()> m_markModified;
    CMenuData* m_pPlan = nullptr;
    CMenuItemView* m_pItemView = nullptr;
    CPaintedEdit m_name;
    CPaintedEdit m_description;
    CPaintedEdit m_servings;
    CPrintFontListBox m_list;
    CScreenLineList m_lines;
    // The item index each row shows, -1 for none.
    std::vector<long> m_rowItems;
    CFont m_font;
    CMenuItem* m_pCurrentItem = nullptr;
    BOOL m_itemPanelShown = FALSE;
    BOOL m_changePending = FALSE;
    // Set while the program itself writes the fields, whose updates are then no edits.
    BOOL m_loading = FALSE;
};
