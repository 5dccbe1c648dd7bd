#pragma once

#include "database/MenuData.h"
#include "framework/Document.h"

class CRecordId;

// The document of the meal-plan forms: the meal plan shown or edited.
class CMenuDoc : public CDocument
{
    DECLARE_DYNCREATE(CMenuDoc)
public:
    BOOL OnNewDocument() override;
    // The meal plan of the id loaded from the cookbook, an empty one for "000000", or null
    // when it cannot be loaded.
    CMenuData* OpenMealPlan(const CRecordId& id);

    CMenuData m_mealPlan;
};
