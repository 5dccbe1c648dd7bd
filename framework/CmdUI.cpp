#include "framework/CmdUI.h"

#include <windows.h>

#include "framework/CmdTarget.h"
#include "framework/Menu.h"

void CCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    if (m_pMenu != nullptr)
        ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr)
        ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    if (m_pMenu == nullptr)
        return;
    HMENU hMenu = m_pMenu->m_hMenu;
    // For a popup item the high byte holds the submenu's item count.
    const UINT state = ::GetMenuState(hMenu, m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    if (m_pSubMenu != nullptr)
        ::ModifyMenuA(hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | MF_POPUP | state,
                      reinterpret_cast<UINT_PTR>(m_pSubMenu->m_hMenu), lpszText);
    else
        ::ModifyMenuA(hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, lpszText);
}

void CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    m_bEnableChanged = FALSE;
    CCmdTarget::Call update = {m_nID, CMessageMap::kCodeUpdateUI, 0, this, FALSE, 0};
    if (pTarget->OnCmdMsg(update) || !bDisableIfNoHandler || m_bEnableChanged)
        return;
    CCmdTarget::Call probe = {m_nID, CMessageMap::kCodeCommand, 0, nullptr, TRUE, 0};
    Enable(pTarget->OnCmdMsg(probe));
}

void CCmdUI::UpdateMenu(CMenu* pPopup, CCmdTarget* pTarget)
{
    const UINT kFirstSystemCommand = 0xF000;
    CCmdUI state;
    state.m_pMenu = pPopup;
    HMENU hMenu = pPopup->m_hMenu;
    int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i)
    {
        state.m_nIndex = static_cast<UINT>(i);
        HMENU hSub = ::GetSubMenu(hMenu, i);
        state.m_pSubMenu = hSub != nullptr ? AfxMenuFromHandle(hSub) : nullptr;
        state.m_nID = ::GetMenuItemID(hSub != nullptr ? hSub : hMenu, hSub != nullptr ? 0 : i);
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1) || state.m_nID >= kFirstSystemCommand)
            continue;
        state.DoUpdate(pTarget, hSub == nullptr);
        // A handler may delete its own item (or others before it): go on
        // with the item that now follows.
        const int newCount = ::GetMenuItemCount(hMenu);
        if (newCount < count)
        {
            i -= count - newCount;
            count = newCount;
        }
    }
}
