#pragma once

#include "database/Item.h"
#include "framework/String.h"

// A named list entry; the value is the key that the collections search and that sorted
// insertion renumbers.
class CListItem : public CItem
{
    DECLARE_SERIAL(CListItem)
public:
    CListItem();
    CListItem(const char* name, unsigned long number, char type);

    CItem* Clone() const override;

    void Clear();
    bool operator==(const CListItem& other) const;
    bool operator!=(const CListItem& other) const { return !(*this == other); }
    void Serialize(CArchive& ar) override;

    LONG m_number;
    CString m_name;
    LONG m_value;
};
