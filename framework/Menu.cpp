#include "framework/Menu.h"

#include <windows.h>

#include <memory>
#include <unordered_map>

#include "framework/String.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace {

std::unordered_map<HMENU, CMenu*>& PermanentMap()
{
    static std::unordered_map<HMENU, CMenu*> map;
    return map;
}

std::unordered_map<HMENU, std::unique_ptr<CMenu>>& TempMap()
{
    static std::unordered_map<HMENU, std::unique_ptr<CMenu>> map;
    return map;
}

BOOL HoldsItemDirectly(HMENU hMenu, UINT nID)
{
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i)
    {
        if (::GetSubMenu(hMenu, i) == nullptr && ::GetMenuItemID(hMenu, i) == nID)
            return TRUE;
    }
    return FALSE;
}

}  // namespace

CMenu* AfxMenuFromHandle(HMENU hMenu)
{
    return CMenu::FromHandle(hMenu);
}

CMenu::~CMenu()
{
    if (!m_bBorrowed)
        DestroyMenu();
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu)
{
    auto it = PermanentMap().find(hMenu);
    return it != PermanentMap().end() ? it->second : nullptr;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    if (CMenu* pMenu = FromHandlePermanent(hMenu))
        return pMenu;
    std::unique_ptr<CMenu>& temp = TempMap()[hMenu];
    if (!temp)
    {
        temp = std::make_unique<CMenu>();
        temp->m_hMenu = hMenu;
        temp->m_bBorrowed = TRUE;
    }
    return temp.get();
}

void CMenu::DeleteTempMap()
{
    TempMap().clear();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    m_hMenu = hMenu;
    m_bBorrowed = FALSE;
    PermanentMap()[hMenu] = this;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr && !m_bBorrowed && FromHandlePermanent(hMenu) == this)
        PermanentMap().erase(hMenu);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource)));
}

BOOL CMenu::DestroyMenu()
{
    HMENU hMenu = Detach();
    return hMenu != nullptr && ::IsMenu(hMenu) && ::DestroyMenu(hMenu);
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

int CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const int nLength = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    const int nCopied = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLength), nLength + 1, nFlags);
    rString.ReleaseBuffer(nCopied);
    return nCopied;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->m_hWnd, lpRect);
}

void CMenu::DrawItem(DRAWITEMSTRUCT*) {}

void CMenu::MeasureItem(MEASUREITEMSTRUCT*) {}

BOOL CMenu::DrawOwnerDrawItem(DRAWITEMSTRUCT* lpDrawItemStruct)
{
    CMenu* pMenu = FromHandlePermanent(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem));
    if (pMenu == nullptr)
        return FALSE;
    pMenu->DrawItem(lpDrawItemStruct);
    return TRUE;
}

BOOL CMenu::MeasureOwnerDrawItem(MEASUREITEMSTRUCT* lpMeasureItemStruct)
{
    // The request names only the item: find the menu object that holds it
    // itself, not one that holds it through a submenu.
    for (const auto& entry : PermanentMap())
    {
        if (HoldsItemDirectly(entry.first, lpMeasureItemStruct->itemID))
        {
            entry.second->MeasureItem(lpMeasureItemStruct);
            return TRUE;
        }
    }
    return FALSE;
}
