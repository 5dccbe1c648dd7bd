#pragma once

#include <windef.h>

class CCmdTarget;
class CMenu;

// The state of one menu item, handed to the update handlers of its command
// while its popup opens. Items are addressed by position, so that a popup
// item (whose command is its submenu's first item) is set as well.
class CCmdUI
{
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;  // set when the item opens a submenu

    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetText(LPCSTR lpszText);

    // Offers the item to pTarget's route; an item that has neither an update
    // nor a command handler is greyed when bDisableIfNoHandler.
    void DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    // Runs the update handlers of every item of a popup that is about to open.
    static void UpdateMenu(CMenu* pPopup, CCmdTarget* pTarget);

private:
    BOOL m_bEnableChanged = FALSE;
};
