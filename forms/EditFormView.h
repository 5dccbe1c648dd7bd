#pragma once

#include "shell/formbase/BVFormView.h"

// What the recipe and meal-plan editors share: Back, help and a quiet Esc, the keys of their
// accelerator table that move between fields and lines, and the one answer that counts as saved
// when the form manager asks them to store their edits before the user leaves.
class CEditFormView : public CBVFormView
{
    DECLARE_DYNAMIC(CEditFormView)
public:
    // Answers of SaveEdits.
    enum : int
    {
        kSaved = 6,
        kNotSaved = 2,
        kDeclined = 7,
    };

    // TRUE only once the edits are stored: otherwise the user stays on the form with them.
    BOOL SaveChanges() override;

protected:
    explicit CEditFormView(UINT nIDTemplate);
    DECLARE_MESSAGE_MAP()
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // kSaved once stored; kNotSaved when unchanged or refused, kDeclined when the user chose not
    // to save (the user was told why).
    virtual int SaveEdits() = 0;
    // Tab and Shift+Tab, Down and Up.
    virtual void NextField() = 0;
    virtual void PreviousField() = 0;
    virtual void NextLine() = 0;
    virtual void PreviousLine() = 0;

    void OnBack();
    void OnHelp();
    void OnNothing();
};
