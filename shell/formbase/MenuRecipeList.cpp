#include "shell/formbase/MenuRecipeList.h"

#include "framework/Archive.h"
#include "framework/ArchiveException.h"
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

// A damaged list loads as an empty one: foreign or repeated entries are dropped before the
// rest are deleted, so that nothing is deleted twice.
void CMenuRecipeList::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        CObArray::Serialize(ar);
        return;
    }
    RemoveAll();
    try
    {
        CObArray::Serialize(ar);
    }
    catch (...)
    {
        DropForeignElements(RUNTIME_CLASS(CMenuRecipe));
        RemoveAll();
        throw;
    }
    if (!DropForeignElements(RUNTIME_CLASS(CMenuRecipe)))
    {
        RemoveAll();
        AfxThrowArchiveException(CArchiveException::badClass);
    }
}
