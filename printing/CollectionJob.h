#pragma once

#include <vector>

#include "database/RecipeData.h"
#include "printing/ReportJob.h"

class CRecipeListItem;
class CRecipePrintLayout;

// What the chapter and category printouts share: a centred heading, the titles of the
// recipes and, when asked, every recipe in full in the print template.
class CCollectionJob : public CReportJob
{
public:
    int Prepare() override;
    void SetIncludeRecipePrintouts(int bInclude) { m_includeRecipePrintouts = bInclude; }

protected:
    explicit CCollectionJob(CPageFormatter* pOutput);

    // Nothing for an empty collection. 1 to go on; 0 when the output was aborted.
    // bItemServings: each recipe at the servings the browse state keeps for it.
    int RunCollection(const char* pszHeading, const std::vector<CRecipeListItem*>& items, bool bItemServings);

private:
    void WriteHeading(const char* pszName);
    void WriteTitles(const std::vector<CRecipeListItem*>& items);
    int WriteRecipes(const std::vector<CRecipeListItem*>& items, bool bItemServings);
    // False when the recipe did not load.
    bool WriteOneRecipe(CRecipePrintLayout& layout, CRecipeListItem& item, bool bItemServings, bool bFreshPage);

    int m_includeRecipePrintouts;
    CRecipeData m_recipe;
};
