#pragma once

#include "database/Item.h"

// An item that points at a second record (a category's parent).
class CLinkItem : public CItem
{
    DECLARE_SERIAL(CLinkItem)
public:
    CLinkItem() = default;

    CItem* Clone() const override;

    void Clear();
    bool operator==(const CLinkItem& other) const;
    bool operator!=(const CLinkItem& other) const { return !(*this == other); }
    void Serialize(CArchive& ar) override;

    CRecordId m_secondId;
};
