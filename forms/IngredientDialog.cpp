#include "forms/IngredientDialog.h"

#include "res/resource.h"

CIngredientDialog::CIngredientDialog(CWnd* pParent, const CIngData& ingredient, int nMode)
    : CDialog(IDD_INGREDIENT, pParent), m_ingredient(ingredient), m_nMode(nMode)
{
}
