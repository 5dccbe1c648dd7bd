#pragma once

#include "shell/controls/ToolbarButton.h"

// A tool-bar button that takes a row dragged onto it: it answers the drop query with its
// command (on the shopping form only the Frequent Items and Pantry buttons do).
class CDropToolbarButton : public CToolbarButton
{
public:
    explicit CDropToolbarButton(LONG command);

    LONG m_command;

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT OnDropQuery(WPARAM wParam, LPARAM lParam);
};
