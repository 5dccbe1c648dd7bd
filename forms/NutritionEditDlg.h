#pragma once

#include "database/Nutrition.h"
#include "framework/Dialog.h"

class CRecipeData;

// Recipe nutrition typed in place of the values computed from the ingredients. The recipe's
// profile changes only on OK.
class CNutritionEditDlg : public CDialog
{
public:
    explicit CNutritionEditDlg(CRecipeData* pRecipe, CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    // Reads the fields back; a field that is not a number stops the reading.
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void ShowProfile();

    CRecipeData* m_pRecipe;
    NUTRITION m_profile;
};
