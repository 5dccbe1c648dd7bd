#pragma once

// The tags that open every line of the tagged recipe text, each 15 characters wide.
enum RecipeTextTag
{
    kTagVersion,
    kTagType,
    kTagRecipe,
    kTagRecipeNutrition,
    kTagTitle,
    kTagSubtitle,
    kTagIntroduction,
    kTagServings,
    kTagCost,
    kTagSource,
    kTagTimings,
    kTagYield,
    kTagCategories,
    kTagDirections,
    kTagIngredient,
    kTagQuantity,
    kTagIngredientName,
    kTagUnit,
    kTagIngredientNutrition,
    kTagReference,
    kTagUnknown,
    kTagCount,
    // Not a tag: a line that starts with ">" ends a block or a record.
    kTagEnd = 22
};

// Between the fields of a line; a lone "|" in a value is written doubled.
extern const char kFieldSeparator[];

// The tag of the index (kTagUnknown outside the table) and the separator: 18 characters.
void GetRecipeTextTag(char* pszBuffer, int nIndex);
// The index of a tag text without its separator; -1 when it is none of them.
int FindRecipeTextTag(const char* pszTag);
