#include "shell/formbase/MenuRecipeList.h"

#include "framework/Archive.h"
#include "shell/formbase/MenuRecipe.h"

IMPLEMENT_SERIAL(CMenuRecipeList, CObArray, 1)

CMenuRecipeList::~CMenuRecipeList()
{
    RemoveAll();
}

int CMenuRecipeList::AddRecipe(const CString& name, const CRecordId& recipeId, long number)
{
    return Add(new CMenuRecipe(name, recipeId, number));
}

void CMenuRecipeList::RemoveAll()
{
    for (int i = 0; i < GetSize(); ++i)
        delete GetAt(i);
    CObArray::RemoveAll();
}

void CMenuRecipeList::Serialize(CArchive& ar)
{
    if (!ar.IsStoring())
        RemoveAll();
    CObArray::Serialize(ar);
}
