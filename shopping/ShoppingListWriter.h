#pragma once

#include <windef.h>

#include <vector>

#include "framework/String.h"

class CPageFormatter;
class CShopMgr;
class CShoppingListItem;

// Writes the manager's current shopping list, in its layout mode, onto a page formatter: one
// logical line per call, each item line carrying its paragraph style and serial so that the
// screen pane can tell the rows apart. Lives for one writing.
class CShoppingListWriter
{
public:
    CShoppingListWriter(CShopMgr& manager, CPageFormatter& output);

    void Write(BOOL bWithAdditionalItems);
    // An item's line without its tail: the ingredient for its quantity, the preparation, the
    // quantity and unit; a summary line begins with an empty check box.
    static CString ItemText(const CShoppingListItem& item, bool summary);

private:
    using ItemView = std::vector<CShoppingListItem*>;

    void WriteBlocks(BOOL bWithAdditionalItems);
    void WriteTitle();
    void MarkHiddenItems();
    void WriteRecipesIncluded();
    void WriteSummary();
    void WriteByStore();
    void WriteAdditionalItems(BOOL bWithAdditionalItems);
    void WriteDetail();

    void WriteSectionHeading(UINT nTextId);
    void WriteText(const CString& text, int nStyle, int nValue);
    void WriteStringText(UINT nTextId);
    // Group headings and lines of one block; a block starts with no group.
    void WriteItemBlock(const ItemView& view, bool summary);
    void WriteOptionalNote(const ItemView& view);
    void WriteGroupHeading(const CShoppingListItem& item, CString& lastKey);
    CString GroupKey(const CShoppingListItem& item) const;
    void WriteItemLine(const CShoppingListItem& item, bool summary);
    CString ItemTail(const CShoppingListItem& item, bool summary) const;

    CShopMgr& m_manager;
    CPageFormatter& m_output;
};
