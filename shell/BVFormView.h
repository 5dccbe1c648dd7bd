#pragma once

#include "framework/FormView.h"

// The base of every form of the program: fits itself into the 630 by 395 design area and
// answers the form manager's save check. The forms fill in what they edit.
class CBVFormView : public CFormView
{
    DECLARE_DYNAMIC(CBVFormView)
public:
    // Sizes the form's frame to the form manager's client area and the form to its frame.
    virtual void FitFrameToForm(long nReserved);
    // Rescales the form's font and children to the design area.
    virtual void ScaleChildFonts();
    // Stores the form's changes; FALSE when nothing was stored (the user has been told why).
    // The recipe edit, meal-plan edit and shopping forms put their own save here.
    virtual BOOL SaveChanges();

    // Non-zero after any change; cleared on save or when the user drops the changes.
    long m_nModified = 0;

protected:
    explicit CBVFormView(UINT nIDTemplate);
};
