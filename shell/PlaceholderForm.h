#pragma once

#include "shell/BVFormView.h"

// Stands in for the form of a kind until that form is built: names the kind it shows and
// registers itself as the active form.
class CPlaceholderForm : public CBVFormView
{
    DECLARE_DYNCREATE(CPlaceholderForm)
public:
    CPlaceholderForm();
    void OnInitialUpdate() override;
};
