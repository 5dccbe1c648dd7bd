#pragma once

#include "shell/controls/SortedViewFactory.h"

class CListItem;
class CMenuData;
class CObList;
class CPrintInfo;
class CRecipeData;
class CRecipeList;
class CRecordId;
class NUTRITION;
struct PrintPrefs;

// One call prints one thing. The ...ToJob drivers lay it out on a framework print job; the
// others print a document of their own, or write the print file when print to file is on.
// Every driver returns 0, having written nothing, when its output cannot be opened.

// The recipe as the view shows it, with its embedded recipes when the print record asks.
int PrintRecipeToJob(CRecipeData* pRecipe, CPrintInfo* pInfo, PrintPrefs* pPrefs);
// The recipe in the print template (or in the text format of the print file), with its
// embedded recipes when the print record asks.
int PrintRecipeList(CRecipeData* pRecipe, PrintPrefs* pPrefs);

int PrintRecipeNutritionToJob(const CRecordId& recipeId, CPrintInfo* pInfo);
int PrintMealPlanNutritionToJob(CMenuData& menu, CPrintInfo* pInfo);
int PrintBlankNutritionLabelToJob(CPrintInfo* pInfo);
// nPanel != 0: the facts panel; 0: the short list.
int PrintNutritionLabelToJob(const NUTRITION& profile, int nPanel, CPrintInfo* pInfo);
// nPanel != 0: the wide table; 0: the short list.
int PrintNutritionTableToJob(const NUTRITION& profile, int nPanel, CPrintInfo* pInfo);

int PrintMealPlanToJob(CMenuData* pMenu, CPrintInfo* pInfo, PrintPrefs* pPrefs);
// With the meal plan's recipes when the print record asks.
int PrintMealPlan(CMenuData* pMenu, PrintPrefs* pPrefs);
int PrintSpecialsToJob(CPrintInfo* pInfo, const CRecipeList& list, PrintPrefs* pPrefs);
// With the Specials recipes when the print record asks.
int PrintSpecials(const CRecipeList& list, PrintPrefs* pPrefs);

// The copies of the print record; recipes in full when the print record asks. makeView: the
// sorted chapter list the titles are read from.
int PrintChapter(const CListItem& chapter, SortedListViewFactory makeView = MakeSortedListView);
// recipes: the category's CRecipeListItem elements.
int PrintCategory(const CListItem& category, const CObList& recipes);
