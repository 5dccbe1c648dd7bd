#pragma once

#include "database/IngData.h"
#include "framework/Dialog.h"

// Edit/Ingredient and Edit/Add/Ingredient: an ingredient of the cookbook's catalogue.
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

private:
    CIngData m_ingredient;
    int m_nMode;
};
