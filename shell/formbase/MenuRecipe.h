#pragma once

#include "database/RecordId.h"
#include "framework/Object.h"
#include "framework/String.h"

// One recipe entry of the personal menu.
class CMenuRecipe : public CObject
{
    DECLARE_SERIAL(CMenuRecipe)
public:
    CMenuRecipe() = default;
    CMenuRecipe(const CString& name, const CRecordId& recipeId, long number);

    // The name, the id's seven raw bytes, then the number as four bytes.
    void Serialize(CArchive& ar) override;

    CString m_name;
    CRecordId m_recipeId;
    long m_number = 0;
};
