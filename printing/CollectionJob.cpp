#include "printing/CollectionJob.h"

#include "database/BrowseState.h"
#include "database/CookbookDatabase.h"
#include "database/PrintPrefs.h"
#include "database/RecipeListItem.h"
#include "printing/PageFormatter.h"
#include "printing/RecipePrintLayout.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"

namespace {

const int kTitleStyle = 7;
const int kIntroductionStyle = 8;
const int kHeadingSizePercent = 160;
const BYTE kCollectionLoadFlags = 31;
const int kLoadFailed = 2;

}  // namespace

CCollectionJob::CCollectionJob(CPageFormatter* pOutput) : CReportJob(pOutput, 2000), m_includeRecipePrintouts(0) {}

int CCollectionJob::Prepare()
{
    return 1;
}

int CCollectionJob::RunCollection(const char* pszHeading, const std::vector<CRecipeListItem*>& items,
                                  bool bItemServings)
{
    if (items.empty())
        return 1;
    WriteHeading(pszHeading);
    WriteTitles(items);
    if (m_includeRecipePrintouts == 0)
        return 1;
    return WriteRecipes(items, bItemServings);
}

void CCollectionJob::WriteHeading(const char* pszName)
{
    SetLineFormat(CLineFormat::FlagBold, CLineFormat::Centred, 0, kHeadingSizePercent, kTitleStyle, 0, 0);
    WriteLine(pszName, 0);
}

void CCollectionJob::WriteTitles(const std::vector<CRecipeListItem*>& items)
{
    SetLineFormat(0, CLineFormat::Plain, 0, 100, kIntroductionStyle, 0, 0);
    for (const CRecipeListItem* pItem : items)
        WriteLine(pItem->m_name, 0);
}

int CCollectionJob::WriteRecipes(const std::vector<CRecipeListItem*>& items, bool bItemServings)
{
    m_pOutput->NewPage();
    CRecipePrintLayout layout(m_pOutput);
    bool bFreshPage = true;
    for (CRecipeListItem* pItem : items)
    {
        if (m_pOutput->IsAborted())
            return 0;
        if (WriteOneRecipe(layout, *pItem, bItemServings, bFreshPage))
            bFreshPage = false;
    }
    return 1;
}

// A recipe that no longer loads is left out; the rest of the collection still prints. The
// first recipe written already stands on a fresh page: another would come out blank.
bool CCollectionJob::WriteOneRecipe(CRecipePrintLayout& layout, CRecipeListItem& item, bool bItemServings,
                                    bool bFreshPage)
{
    m_recipe.Clear();
    m_recipe.m_recipeId = item.m_id;
    if (GetCurrentDatabase()->LoadRecipe(&m_recipe, kCollectionLoadFlags) == kLoadFailed)
        return false;
    if (m_pPrintRecord->SamePage == 0 && !bFreshPage)
        m_pOutput->NewPage();
    PrintPrefs prefs;
    PrintPrefs* pPrefs = nullptr;
    if (bItemServings && g_pBrowseState != nullptr)
        pPrefs = g_pBrowseState->GetItemPrintPrefs(prefs, item);
    layout.WriteRecipe(&m_recipe, pPrefs);
    return true;
}
