#pragma once

#include <windef.h>

#include "database/CustObList.h"
#include "framework/ObList.h"
#include "database/RecordId.h"
#include "database/RefItemArray.h"
#include "framework/Object.h"
#include "framework/String.h"

class NUTRITION;

// One meal plan: its MENU row, its lines (CMenuItem, in display order), its categories,
// references and an optional nutrient profile. Owns all of them.
class CMenuData : public CObject
{
    DECLARE_SERIAL(CMenuData)
public:
    CMenuData();
    CMenuData(const CMenuData& other);
    CMenuData& operator=(const CMenuData&) = delete;
    ~CMenuData() override;

    // Appends copies of the other's lists to this plan's lists as they stand.
    void Copy(const CMenuData& other);
    // Leaves a zeroed nutrient profile, never none.
    void Clear();
    BOOL HasScheduledItems() const;
    NUTRITION* GetNutrition();
    void SetNutrition(const NUTRITION* pNutrition);
    // Only name, description, id and lines travel; servings, categories and references stay.
    void Serialize(CArchive& ar) override;

    CString m_name;
    CRecordId m_id;
    CString m_description;
    WORD m_servings;
    // Only CMenuItem objects, owned.
    CObList m_items;
    NUTRITION* m_pNutrition;
    CCustObList m_categories;
    CCustObList m_ingredientLines;
    CRefItemArray m_references;

private:
    void DeleteItems();
    void LoadItems(CArchive& ar);
};
