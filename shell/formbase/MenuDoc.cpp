#include "shell/formbase/MenuDoc.h"

#include "database/CookbookDatabase.h"
#include "shell/services/CurrentDatabase.h"

IMPLEMENT_DYNCREATE(CMenuDoc, CDocument)

namespace {
const int kLoadFailed = 2;
}

BOOL CMenuDoc::OnNewDocument()
{
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}

CMenuData* CMenuDoc::OpenMealPlan(const CRecordId& id)
{
    m_mealPlan.Clear();
    if (id.GetNumber() == 0)
        return &m_mealPlan;
    m_mealPlan.m_id = id;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || pDatabase->LoadMenu(m_mealPlan) == kLoadFailed)
        return nullptr;
    return &m_mealPlan;
}
