#pragma once

#include <windef.h>

class CIngData;
class CWnd;

// What the recipe field window needs of the form that edits the recipe.
class CRecipeFieldHost
{
public:
    // Every change the user makes to the recipe reaches here.
    virtual void SetDirty() = 0;

    // While a line is edited in place the form shows the ingredient panel, which reports to
    // pOwner (the field window). Returns the panel's window, or null when the form has none.
    virtual CWnd* ShowIngredientPanel(CWnd* pOwner) = 0;
    // Back to the recipe's own page (nutrition, photo or information).
    virtual void HideIngredientPanel() = 0;
    // The panel shows the options of this line.
    virtual void SetIngredientLine(CIngData* pLine) = 0;
    // The Nutrition, Photo and Info buttons: all off while a line is edited; on again by what
    // the recipe has to show.
    virtual void EnablePageButtons(BOOL bEnable) = 0;

protected:
    ~CRecipeFieldHost() = default;
};
