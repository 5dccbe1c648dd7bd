#pragma once

#include "database/ListItem.h"

// An ingredient list entry with one more text.
class CIngItem : public CListItem
{
    DECLARE_SERIAL(CIngItem)
public:
    CIngItem() = default;
    CIngItem(const char* name, unsigned long number, char type, const char* extraText);

    CItem* Clone() const override;

    void Clear();
    bool operator==(const CIngItem& other) const;
    bool operator!=(const CIngItem& other) const { return !(*this == other); }
    void Serialize(CArchive& ar) override;

    CString m_extraText;
};
