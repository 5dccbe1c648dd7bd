#include "printing/CategoryExportJob.h"

#include "database/RecipeListItem.h"
#include "framework/ObList.h"

CCategoryExportJob::CCategoryExportJob(CPageFormatter* pOutput, const char* pszName, const CObList& recipes)
    : CCollectionJob(pOutput), m_name(pszName), m_recipes(recipes)
{
}

int CCategoryExportJob::Run()
{
    std::vector<CRecipeListItem*> items;
    for (POSITION position = m_recipes.GetHeadPosition(); position != nullptr;)
        items.push_back(static_cast<CRecipeListItem*>(m_recipes.GetNext(position)));
    return RunCollection(m_name, items, false);
}
