#include "shell/controls/DropToolbarButton.h"

#include <windows.h>

#include "framework/MessageMap.h"
#include "shell/controls/DropQuery.h"

BEGIN_MESSAGE_MAP(CDropToolbarButton, CToolbarButton)
    ON_REGISTERED_MESSAGE(g_nDropQueryMessage, OnDropQuery)
END_MESSAGE_MAP()

CDropToolbarButton::CDropToolbarButton(LONG command) : m_command(command) {}

LRESULT CDropToolbarButton::OnDropQuery(WPARAM, LPARAM)
{
    return AnswerDropQuery(m_command, true);
}
