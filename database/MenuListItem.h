#pragma once

#include "database/ListItem.h"

// A meal plan as the lists show it.
class MenuListItem : public CListItem
{
    DECLARE_SERIAL(MenuListItem)
public:
    MenuListItem();

    CItem* Clone() const override;

    void Clear();
    bool operator==(const MenuListItem& other) const;
    bool operator!=(const MenuListItem& other) const { return !(*this == other); }
    void Serialize(CArchive& ar) override;

    WORD m_servings;
};
