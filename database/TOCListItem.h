#pragma once

#include "database/ListItem.h"

// A table-of-contents entry: a chapter or one of the fixed "All ..." entries.
class TOCListItem : public CListItem
{
    DECLARE_SERIAL(TOCListItem)
public:
    TOCListItem() = default;
    TOCListItem(const char* name, unsigned long number, char type);

    CItem* Clone() const override;
};
