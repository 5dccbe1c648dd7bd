#pragma once

#include "shell/formbase/BVFormView.h"

// Stands in for the form of a kind until that form is built: names the kind it shows and
// registers itself as the active form. It answers the questions of the contents, list and
// recipe edit forms as those forms do with nothing selected, and the save check as the
// editing forms do.
class CPlaceholderForm : public CBVFormView
{
    DECLARE_DYNCREATE(CPlaceholderForm)
public:
    CPlaceholderForm();
    void OnInitialUpdate() override;
    int QuerySaveChanges() override;
};
