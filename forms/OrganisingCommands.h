#pragma once

#include "framework/CmdTarget.h"

// The dialogs that organise the cookbook (categories, chapters, references); the application
// offers them the commands its own map leaves.
class COrganisingCommands : public CCmdTarget
{
protected:
    DECLARE_MESSAGE_MAP()
    void OnEditCategories();
    void OnEditChapters();
    void OnEditReferences();
};
