#pragma once

#include "database/LinkItem.h"
#include "framework/String.h"

// One category of a tree; the second id is its parent. The relative index is its slot in
// the tree's slot array; first child and sibling are indexes into the loaded tree, -1 none.
class CategoryListItem : public CLinkItem
{
    DECLARE_SERIAL(CategoryListItem)
public:
    CategoryListItem();

    CItem* Clone() const override;

    // Keeps the name.
    void Clear();
    bool operator==(const CategoryListItem& other) const;
    bool operator!=(const CategoryListItem& other) const { return !(*this == other); }
    void Serialize(CArchive& ar) override;

    CString m_name;
    LONG m_hasRecipes;
    LONG m_hasMenus;
    SHORT m_relIndex;
    SHORT m_firstChild;
    SHORT m_sibling;
};
