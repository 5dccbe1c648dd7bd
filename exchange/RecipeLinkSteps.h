#pragma once

#include <windef.h>

class CRecipeData;
class CRecordId;
class CRefItemArray;

// The steps that give an imported recipe its categories and references and copy the photos they
// name. The engine calls them once a recipe's fields and ingredient lines are read.
class CRecipeLinkSteps
{
public:
    virtual ~CRecipeLinkSteps() = default;
    // A configured source: categories, then references, by the engine's source kind ("Pantrix"
    // flat categories; "Brevana" and "Tablewise Import" the tree and the references). FALSE
    // fails the recipe.
    virtual BOOL ImportLinks(const CRecordId& sourceRecipeId, CRecipeData& recipe) = 0;
    // The photo files that the references of type 'P' name, from the source's folder into the
    // target cookbook's folder (also used by the own-schema route). FALSE fails the recipe.
    virtual BOOL CopyPhotos(const CRefItemArray& references) = 0;
};
