#pragma once

#include "framework/String.h"
#include "printing/CollectionJob.h"

class CObList;

// Prints a category: its name, the titles of its recipes and, when asked, the recipes.
class CCategoryExportJob : public CCollectionJob
{
public:
    // recipes: CRecipeListItem elements, borrowed for the job's life.
    CCategoryExportJob(CPageFormatter* pOutput, const char* pszName, const CObList& recipes);

    // 1 to go on with the next copy.
    int Run() override;

private:
    CString m_name;
    const CObList& m_recipes;
};
