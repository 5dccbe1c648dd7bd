#pragma once

#include <windef.h>

#include <map>

#include "database/RecordId.h"
#include "framework/String.h"

class CCookbookDatabase;
class CIngData;

// The open cookbook as a database import writes into it: ingredients named by an imported line
// are found by name or added to its catalogue, and a recipe used as an ingredient is found by
// title. Source ids never reach the target: every id a line keeps is one of the target's.
class CImportTarget
{
public:
    explicit CImportTarget(CCookbookDatabase& database) : m_database(database) {}

    // An ingredient line gets the target's id for its ingredient, which is added when the
    // target lacks it (with the line's weights, profile and basic item). FALSE when it cannot be.
    BOOL StoreIngredient(CIngData& line);
    // A recipe line names a recipe of the target by title; one the target lacks becomes a text
    // line with the title, so that no line points at an unrelated recipe.
    void ResolveRecipeLine(CIngData& line);
    // The target's basic item of that name, "000000" for none.
    CRecordId FindBasicItem(const CString& name);

    CCookbookDatabase& GetDatabase() const { return m_database; }

private:
    CCookbookDatabase& m_database;
    // Names already met (upper case) with the target's id.
    std::map<CString, CRecordId> m_ingredients;
};
