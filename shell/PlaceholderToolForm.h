#pragma once

#include "shell/BVFormView.h"

// Stands in for the tool-bar form until it is built: a strip across the top of the main frame
// that registers itself as the tool form and puts the forms below itself.
class CPlaceholderToolForm : public CBVFormView
{
    DECLARE_DYNCREATE(CPlaceholderToolForm)
public:
    CPlaceholderToolForm();
    void OnInitialUpdate() override;
};
