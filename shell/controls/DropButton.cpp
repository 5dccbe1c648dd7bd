#include "shell/controls/DropButton.h"

#include <windows.h>

#include "framework/MessageMap.h"
#include "shell/controls/DropQuery.h"

BEGIN_MESSAGE_MAP(CDropButton, CButton)
    ON_REGISTERED_MESSAGE(g_nDropQueryMessage, OnDropQuery)
END_MESSAGE_MAP()

CDropButton::CDropButton(LONG command) : m_command(command) {}

LRESULT CDropButton::OnDropQuery(WPARAM, LPARAM)
{
    return AnswerDropQuery(m_command, false);
}
