#pragma once

#include <windef.h>

#include "database/RecordId.h"
#include "framework/Object.h"
#include "framework/String.h"

class CPortRecordset;

// One line of a meal plan: a recipe ("R"), an ingredient ("I"), another meal plan ("M") or
// free text ("E", id "000000"), with its servings and an optional meal and day (0 = none).
class CMenuItem : public CObject
{
    DECLARE_SERIAL(CMenuItem)
public:
    CMenuItem();
    CMenuItem(const CMenuItem& other);
    CMenuItem& operator=(const CMenuItem& other);

    // From a RECIPE row.
    virtual void ReadRecipeRow(CPortRecordset& row);
    // From an INGREDNT row.
    virtual void ReadIngredientRow(CPortRecordset& row);
    // From an MN_ITEM row.
    virtual void ReadRecord(CPortRecordset& row);
    void Serialize(CArchive& ar) override;

    CString m_text;
    CString m_type;
    CRecordId m_itemId;
    WORD m_servings;
    WORD m_meal;
    WORD m_day;
};
