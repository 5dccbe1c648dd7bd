// The recipe load of the program's database object: the base load and the recipe's references.
#include "database/RMDatabase.h"

#include "database/PortRecordset.h"
#include "database/RecipeData.h"
#include "database/RefListItem.h"
#include "database/SqlText.h"
#include "res/resource.h"

int CRMDatabase::LoadRecipe(CRecipeData* pRecipe, BYTE request)
{
    const BYTE level = pRecipe->m_loadLevel;
    if (CCookbookDatabase::LoadRecipe(pRecipe, request) == 2)
        return 2;
    if ((request & CRecipeData::kLoadReferences) != 0 && (level & CRecipeData::kLoadReferences) == 0)
        LoadRecipeReferences(*pRecipe);
    pRecipe->m_loadLevel = request;
    return 0;
}

// A query that does not open leaves the links empty; the load still succeeds.
void CRMDatabase::LoadRecipeReferences(CRecipeData& recipe)
{
    recipe.m_links.DeleteAll();
    CString query;
    query.LoadString(IDS_QRY_SHOW_REFERENCES);
    CString linkId;
    linkId.LoadString(IDS_COL_REFITEM_LINKID);
    CString linkType;
    linkType.LoadString(IDS_COL_REFITEM_LINKTYPE);
    const CString condition = linkId + "=" + QuoteSqlText(recipe.m_recipeId) + " AND " + linkType + "='R'";
    CPortRecordset recordset(this);
    if (!recordset.OpenTable(query, BuildSelect(query, nullptr, condition), nullptr))
        return;
    for (; !recordset.IsEOF(); recordset.MoveNext())
    {
        auto* pLink = new RefListItem;
        recordset.GetFieldLong(IDS_COL_REFERENC_REFID, pLink->m_id);
        recordset.GetFieldText(IDS_COL_REFERENC_NAME, pLink->m_name);
        recordset.GetFieldText(IDS_COL_REFERENC_CONTENT, pLink->m_content);
        recordset.GetFieldChar(IDS_COL_REFERENC_REFTYPE, pLink->m_type);
        recipe.m_links.Add(pLink);
    }
    recordset.Close();
}
