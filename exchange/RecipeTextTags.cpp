#include "exchange/RecipeTextTags.h"

#include <cstring>

namespace {

const char* const kTags[kTagCount] = {
    "<Version:      ", "<Type:         ", "<Recipe:       ", "<Recipe Nutr:  ", "<Title:        ", "<Subtitle:     ",
    "<Introduction: ", "<Servings:     ", "<Cost:         ", "<Source:       ", "<Timings:      ", "<Yield:        ",
    "<Categories:   ", "<Directions:   ", "<Ingredient:   ", "<Qty:          ", "<Ing:          ", "<Unit:         ",
    "<IngNutr:      ", "<Reference:    ", "<Unknown:      ",
};

}  // namespace

const char kFieldSeparator[] = " | ";

void GetRecipeTextTag(char* pszBuffer, int nIndex)
{
    if (nIndex < 0 || nIndex >= kTagCount)
        nIndex = kTagUnknown;
    std::strcpy(pszBuffer, kTags[nIndex]);
    std::strcat(pszBuffer, kFieldSeparator);
}

int FindRecipeTextTag(const char* pszTag)
{
    for (int i = 0; i < kTagCount; ++i)
        if (std::strcmp(kTags[i], pszTag) == 0)
            return i;
    return -1;
}
