#pragma once

#include "framework/Button.h"

// A form button that takes a row dragged onto it: it answers the drop query with its command.
class CDropButton : public CButton
{
public:
    explicit CDropButton(LONG command);

    LONG m_command;

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT OnDropQuery(WPARAM wParam, LPARAM lParam);
};
