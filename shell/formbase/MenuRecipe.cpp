#include "shell/formbase/MenuRecipe.h"

#include "database/RecordArchive.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(CMenuRecipe, CObject, 1)

CMenuRecipe::CMenuRecipe(const CString& name, const CRecordId& recipeId, long number)
    : m_name(name), m_recipeId(recipeId), m_number(number)
{
}

void CMenuRecipe::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name;
        WriteRecordId(ar, m_recipeId);
        ar << static_cast<LONG>(m_number);
    }
    else
    {
        LONG number = 0;
        ar >> m_name;
        ReadRecordId(ar, m_recipeId);
        ar >> number;
        m_number = number;
    }
}
