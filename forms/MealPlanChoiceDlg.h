#pragma once

#include "database/RecordId.h"
#include "forms/HelpContextKeeper.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/String.h"

// What Add To Meal Plan and Select Meal Plan share: the meal-plan combo that completes what is
// typed, Help, and at OK the plan named, made when it does not exist yet and the user agrees.
class CMealPlanChoiceDlg : public CDialog
{
public:
    CMealPlanChoiceDlg(UINT nIDTemplate, CWnd* pParent);

    // The chosen plan after OK.
    const CRecordId& GetChosenId() const { return m_chosenId; }
    BOOL WasCreated() const { return m_bCreated; }

protected:
    DECLARE_MESSAGE_MAP()
    void OnPlanSelected();
    void OnPlanEditUpdate();
    void OnHelpButton();
    void OnDestroy();

    // Fills the combo (list key as FillMealPlanCombo) with the form manager's current plan chosen.
    void FillPlans(int nListKey);
    // The plan named in the combo, made on request. FALSE, with the user told, when there is no
    // name or no plan to take: the dialog stays open with what was typed.
    BOOL ReadPlan();
    // Stops at a plan found by name before it is taken; TRUE lets it through.
    virtual BOOL AcceptFoundPlan(const CRecordId&) { return TRUE; }

    CHelpContextKeeper m_helpContext;
    CComboBox m_planCombo;
    CString m_name;

private:
    BOOL CreatePlan();

    CString m_completionText;
    CRecordId m_chosenId;
    BOOL m_bCreated = FALSE;
};
