#pragma once

#include <windef.h>

#include "framework/AnsiNames.h"
#include "framework/Object.h"

class CString;
class CWnd;
struct tagDRAWITEMSTRUCT;
struct tagMEASUREITEMSTRUCT;

// A menu. A menu made or attached by the object is permanent: it is found by
// its handle for owner-drawn items, and destroyed with the object unless it
// was detached (a menu that belongs to a window is destroyed by the window).
// FromHandle gives borrowed wrappers until the application's idle clean-up.
class CMenu : public CObject
{
    DECLARE_DYNAMIC(CMenu)
public:
    HMENU m_hMenu = nullptr;

    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu() override;

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }
    static CMenu* FromHandle(HMENU hMenu);
    static CMenu* FromHandlePermanent(HMENU hMenu);
    static void DeleteTempMap();

    BOOL Attach(HMENU hMenu);
    HMENU Detach();
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

    CMenu* GetSubMenu(int nPos) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

    // Owner-drawn items of this menu; the defaults draw and measure nothing.
    virtual void DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct);
    virtual void MeasureItem(tagMEASUREITEMSTRUCT* lpMeasureItemStruct);

    // WM_DRAWITEM / WM_MEASUREITEM of a menu item: handed to the permanent
    // menu object that holds the item itself. FALSE when there is none.
    static BOOL DrawOwnerDrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct);
    static BOOL MeasureOwnerDrawItem(tagMEASUREITEMSTRUCT* lpMeasureItemStruct);

private:
    BOOL m_bBorrowed = FALSE;
};
