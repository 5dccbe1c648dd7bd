#include "shell/controls/ToolbarButton.h"

#include <windows.h>

#include "framework/MessageMap.h"
#include "shell/formbase/FormManager.h"

IMPLEMENT_DYNCREATE(CToolbarButton, CBitmapButton)

BEGIN_MESSAGE_MAP(CToolbarButton, CBitmapButton)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void CToolbarButton::OnLButtonDown(UINT, CPoint)
{
    if (g_pFormManager)
        g_pFormManager->TrimWindowMenu();
    Default();
}
