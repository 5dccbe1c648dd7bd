#pragma once

#include <windef.h>

#include "database/SlotArray.h"
#include "framework/String.h"
#include "shell/formbase/NavStack.h"

class CategoryListItem;

// One level of a category tree at a time in a list box: the level's name as the title row,
// then its children indented, each with its record id as item data (999999 on the title row).
class CCategoryBrowser
{
public:
    enum : int
    {
        kRecipeTree = 1,
        kMealPlanTree = 2,
    };
    static constexpr long kTitleRow = 999999;

    // Back at the root of the tree.
    void Start(int nTree);
    void Stop() { m_levels.Clear(); }
    int GetTree() const { return m_nTree; }
    char GetTypeLetter() const { return m_nTree == kRecipeTree ? 'R' : 'M'; }
    long GetLevelId() const;
    BOOL IsAtRoot() const { return m_levels.GetCount() <= 1; }

    void Fill(HWND hList) const;
    // A double-click on the row: a child is entered, the title row climbs. FALSE when nothing moved.
    BOOL Navigate(HWND hList, int nRow);
    void Climb();
    void Reload();
    const CategoryListItem* FindChild(long id) const;

    // The names from the root down to the category, each line two blanks further in.
    CString PathOf(long id) const;

private:
    void Enter(long id, const CString& name);

    int m_nTree = kRecipeTree;
    CNavStack m_levels;
    CSlotArray m_children;
};
