#pragma once

#include "shell/BVFormView.h"

// Stands in for the form of a kind until that form is built: names the kind it shows and
// registers itself as the active form. It answers the questions that the application asks
// of the contents, list, recipe edit and shopping forms as those forms do with nothing
// selected.
class CPlaceholderForm : public CBVFormView
{
    DECLARE_DYNCREATE(CPlaceholderForm)
public:
    CPlaceholderForm();
    void OnInitialUpdate() override;

    // Contents form: 100 a recipe row selected, 200 a meal-plan row, 0 none.
    virtual int GetSelectedListMode() const { return 0; }
    // Contents form: reads its chapters and items again.
    virtual void RefreshContents() {}
    // Recipe list form: a recipe row is selected.
    virtual BOOL HasRecipeSelection() const { return FALSE; }
    // Recipe edit form: ingredient lines selected and the line editor closed.
    virtual BOOL CanCopyIngredients() const { return FALSE; }
    // Recipe edit form: the line editor closed.
    virtual BOOL CanPasteIngredients() const { return FALSE; }
    // Shopping form: draws its list again after a font change.
    virtual void UpdateDisplay() {}
    // Shopping form: the selected shopping item, or null.
    virtual CObject* GetSelectedItem(int nWhich) const;
};
