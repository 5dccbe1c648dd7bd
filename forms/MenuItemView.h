#pragma once

class CMenuItem;

// Where the header panel shows the meal-plan item being edited: the item panel, which lives in
// the related-items panel beside the list.
class CMenuItemView
{
public:
    virtual void ShowItemPanel() = 0;
    virtual void HideItemPanel() = 0;
    // Null when a heading line is selected.
    virtual void LoadItem(CMenuItem* pItem) = 0;

protected:
    ~CMenuItemView() = default;
};
