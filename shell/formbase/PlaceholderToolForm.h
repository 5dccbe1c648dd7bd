#pragma once

#include "shell/formbase/BVFormView.h"

// Stands in for the tool-bar form until it is built: a strip across the top of the main frame
// that registers itself as the tool form, puts the forms below itself and keeps which of the
// tool-bar buttons the form on display allows.
class CPlaceholderToolForm : public CBVFormView
{
    DECLARE_DYNCREATE(CPlaceholderToolForm)
public:
    CPlaceholderToolForm();
    void OnInitialUpdate() override;

    // Called by the form manager for every form it opens.
    void EnableButtonsForForm(long kind);
    BOOL IsButtonEnabled(UINT nButtonId) const;
    // Sizes the strip and its frame to the button bar and tells the form manager its height.
    void FitToButtonBar();

private:
    unsigned m_disabledButtons = 0;
};
