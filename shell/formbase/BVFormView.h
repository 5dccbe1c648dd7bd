#pragma once

#include <functional>

#include "framework/FormView.h"

class CObject;
class CStringArray;

// The base of every form of the program: every form is laid out for a client area of 630 by
// 395 below the tool bar, and answers the form manager's save check. The forms fill in what
// they edit. The application and the frame ask the active form what it has selected; a form
// answers as one with nothing selected until it overrides the question.
class CBVFormView : public CFormView
{
    DECLARE_DYNCREATE(CBVFormView)
public:
    // Sizes the main frame round the tool bar and a 630 by 395 form, the form's frame to the
    // form and the tool bar's frame to the form's width; nothing moves.
    virtual void FitFrameToForm(long nReserved);
    // Scales the form's font and children from the template's size to the design area.
    virtual void ScaleChildFonts();
    // Stores the form's changes; FALSE when nothing was stored (the user has been told why).
    // The recipe edit, meal-plan edit and shopping forms put their own save here.
    virtual BOOL SaveChanges();
    // The save check before the form is left: one of the form manager's kSave answers. By
    // default a modified form asks "Save changes now?".
    virtual int QuerySaveChanges();

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
    virtual CObject* GetSelectedItem(int) const { return nullptr; }
    // Tool-bar form: enables its buttons for the form kind shown.
    virtual void EnableButtonsForForm(long) {}
    // Tool-bar form: enables Related when the form on display has related items to offer.
    virtual void EnableRelated(BOOL) {}
    // Viewing forms: the names of their related items, which the tool bar's Related lists.
    virtual int GetRelatedItemNames(CStringArray&) const { return 0; }
    // Tool-bar form: fits itself and its frame to its buttons again (the system's metrics changed).
    virtual void FitToButtonBar() {}

    // The form's accelerator keys first, then the keys between its controls.
    BOOL PreTranslateMessage(tagMSG* pMsg) override;

    // Non-zero after any change; cleared on save or when the user drops the changes.
    long m_nModified = 0;

protected:
    CBVFormView();
    explicit CBVFormView(UINT nIDTemplate);
    DECLARE_MESSAGE_MAP()
    // The tool bar's commands 161 to 167 that reach a form go on to the tool-bar form.
    void OnToolCommand(UINT nId);
    void LoadAcceleratorTable(UINT nId);
    // "Save changes now?": Yes stores the changes, and a save that fails keeps the user where
    // the changes are, since they would be lost otherwise; No drops them.
    static int AskToSave(const std::function<BOOL()>& save, const std::function<void()>& drop);

private:
    HACCEL m_hAccelerators = nullptr;
};
