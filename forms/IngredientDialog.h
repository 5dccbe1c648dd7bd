#pragma once

#include "database/IngData.h"
#include "database/RecordId.h"
#include "forms/HelpContextKeeper.h"
#include "framework/Dialog.h"
#include "framework/String.h"

class CCookbookDatabase;

// Edit/Ingredient and Edit/Add/Ingredient: an ingredient of the cookbook's catalogue with its
// store section, category, weights and nutrient values. The record keeps its profile per gram;
// the fields show it for the amount typed, and the cookbook keeps it per 100 g.
class CIngredientDialog : public CDialog
{
public:
    enum : int
    {
        kAdd = 20,
        kEdit = 21,
    };

    // Any mode but kEdit adds an ingredient.
    CIngredientDialog(CWnd* pParent, const CIngData& ingredient, int nMode);

    const CIngData& GetIngredient() const { return m_ingredient; }
    int GetMode() const { return m_nMode; }

    BOOL OnInitDialog() override;

protected:
    DECLARE_MESSAGE_MAP()
    // Reads the fields into the record; a field that is not a number stops the reading.
    void DoDataExchange(CDataExchange* pDX) override;
    void OnNameCloseUp();
    void OnNameKillFocus();
    void OnNameEdited();
    void OnNewNameChange();
    void OnSectionChosen();
    void OnCategoryChosen();
    void OnAmountUpdate();
    void OnFieldChange();
    void OnCopyValues();
    void OnCopyFromCloseUp();
    void OnCopyFromKillFocus();
    void OnCopyFromEdited();
    void OnSave();
    void OnClear();
    void OnDelete();
    void OnClose();
    void OnHelpButton();
    void OnDestroy();

private:
    BOOL IsEditMode() const { return m_nMode == kEdit; }
    void FillNames(int nCombo);
    void FillSections();
    void FillCategories();
    void ShowRecord();
    void SelectSection();
    void SelectCategory();
    // The catalogue row, its profile and its category into the record.
    void LoadIngredient(const CRecordId& id);
    void ReadProfile(CIngData& ingredient);
    void CopyValuesFrom(const CRecordId& id);
    // The id of the entry of the combo that is chosen, or whose text equals the typed one.
    static long ChosenId(HWND hCombo, BOOL bByText);
    void SwitchTo(long id);
    CString TypedName() const;
    // The catalogue's ingredient of that name, letter case ignored; 0 for none.
    CRecordId FindByName(const CString& name) const;
    // The list's text has already moved on when a switch saves: the name is given.
    BOOL Save(const CString& name);
    void ClearRecord();

    CIngData m_ingredient;
    int m_nMode;
    BOOL m_bChanged = FALSE;
    // While the controls are loaded, their change notices are not edits.
    BOOL m_bLoading = FALSE;
    CRecordId m_lastLoaded;
    CString m_lastNameText;
    CString m_lastCopyText;
    CHelpContextKeeper m_helpContext;
};
