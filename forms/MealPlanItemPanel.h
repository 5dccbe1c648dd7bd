#pragma once

#include "forms/EditPanelSlot.h"
#include "forms/NumericSpinEdit.h"
#include "framework/Brush.h"
#include "framework/Font.h"
#include "framework/Wnd.h"
#include "shell/controls/SpinControl.h"

class CDC;
class CMenuHeaderPanel;
class CMenuItem;
struct tagNMHDR;

// The meal-plan item chosen in the meal-plan editor's list: its day, meal, name, kind and
// servings, with Delete, Insert and Find Item. Every change goes straight into the item and is
// reported to the header panel, which owns the plan.
class CMealPlanItemPanel : public CWnd, public CEditPanelSlot
{
public:
    // Made hidden over rect of pForm.
    CMealPlanItemPanel(CWnd* pForm, const RECT& rect);
    ~CMealPlanItemPanel() override;

    CWnd& GetWindow() override { return *this; }
    // The header panel of the meal-plan editor; any other window leaves the panel without one.
    void SetOwner(CWnd* pOwner) override;
    // Null empties and disables the fields.
    void SetItem(CMenuItem* pItem);
    CMenuItem* GetItem() const { return m_pItem; }

    // Tab (step 1) and Shift+Tab (-1) among the panel's controls; FALSE when the focus is not in
    // the panel or would leave it.
    BOOL FocusNextControl(int step);
    // The focus comes into the panel from outside: its first control going forward, else its last.
    BOOL FocusEdge(int step);

protected:
    DECLARE_MESSAGE_MAP()
    int OnCreate(tagCREATESTRUCTA* pCreate);
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDayUpdate();
    void OnServingsUpdate();
    void OnNameUpdate();
    void OnMealChosen();
    void OnRecipeType();
    void OnMealPlanType();
    void OnTextType();
    void OnDeleteItem();
    void OnInsertItem();
    void OnFindItem();
    void OnDaySpin(tagNMHDR* pHeader, LRESULT* pResult);
    void OnServingsSpin(tagNMHDR* pHeader, LRESULT* pResult);

private:
    void CreateControls();
    void CreateSpin(CSpinControl& spin, UINT nId, const RECT& rect, CNumericSpinEdit& buddy, int lower, int upper);
    void EnableFields(BOOL bEnable);
    void LoadControls();
    void ShowKind();
    void FillMeals();
    void SetKind(const char* pszKind);
    // The field shows value with its whole text selected, as a written program value, not an edit.
    void ResetNumber(UINT nId, int value);
    // The header panel hears of the change; pending says whether the item must be checked when
    // its line is left.
    void NotifyOwner(BOOL bPending);
    BOOL HasFocusedControl(int& index) const;
    BOOL FocusFrom(int index, int step);
    // FALSE, after telling the user, when the found name is no recipe's title.
    BOOL TakeFoundRecipe();

    CBrush m_brush;
    CFont m_font;
    CMenuHeaderPanel* m_pOwner = nullptr;
    CMenuItem* m_pItem = nullptr;
    CNumericSpinEdit m_day;
    CSpinControl m_daySpin;
    CNumericSpinEdit m_servings;
    CSpinControl m_servingsSpin;
    // Set while the program itself writes the controls, whose notifications are then no edits.
    BOOL m_loading = FALSE;
};
