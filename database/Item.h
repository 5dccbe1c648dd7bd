#pragma once

#include "database/RecordId.h"
#include "framework/Object.h"

// One row of a list the program shows or keeps: the record's id and a type letter
// ('R' recipe, 'M' meal plan, 'T' chapter, 'I' ingredient, 'Z' cleared).
class CItem : public CObject
{
    DECLARE_SERIAL(CItem)
public:
    CItem();

    // A new copy of the same class; the owning collections copy their elements with it.
    virtual CItem* Clone() const;

    void Clear();
    bool operator==(const CItem& other) const;
    bool operator!=(const CItem& other) const { return !(*this == other); }
    void Serialize(CArchive& ar) override;

    CRecordId m_id;
    char m_type;
};
