#include "shell/formbase/MenuDoc.h"

#include <gtest/gtest.h>

#include "shell/services/CurrentDatabase.h"

namespace {

TEST(MenuDoc, NewMealPlanIsEmptyWithoutTheCookbook)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    SetCurrentDatabase(nullptr);
    CMenuDoc* pDocument = static_cast<CMenuDoc*>(RUNTIME_CLASS(CMenuDoc)->CreateObject());
    pDocument->m_mealPlan.m_name = "Old plan";
    CMenuData* pPlan = pDocument->OpenMealPlan(CRecordId("000000"));
    EXPECT_EQ(&pDocument->m_mealPlan, pPlan);
    EXPECT_STREQ("", pPlan->m_name);
    EXPECT_EQ(nullptr, pDocument->OpenMealPlan(CRecordId("000012"))) << "no cookbook to load it from";
    delete pDocument;
    SetCurrentDatabase(pDatabase);
}

}  // namespace
