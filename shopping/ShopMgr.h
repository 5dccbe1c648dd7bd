#pragma once

#include <windef.h>

#include "framework/Object.h"
#include "framework/String.h"

// The program's shopping manager: the current shopping list with its name and its saved or
// modified state. Start-up makes the one instance; the main frame's tear-down deletes it.
class CShopMgr : public CObject
{
public:
    // States of the current list.
    enum : LONG
    {
        kNew = 0,
        kSaved = 1,
        kModified = 2,
    };

    // The current list takes its name from the settings; it is not loaded yet.
    CShopMgr();

    LONG GetState() const { return m_state; }
    const CString& GetListName() const { return m_listName; }
    // FALSE, and the list still modified, when the list has no name to be stored under.
    BOOL SaveShoppingList();
    // 1 marks the list modified; 0 turns a modified list back into a saved one.
    void SetModified(int nModified);

private:
    CString m_listName;
    LONG m_state = kNew;
};

extern CShopMgr* g_pShopMgr;
