#pragma once

#include "database/RecipeList.h"
#include "database/RecordId.h"
#include "database/SortedListView.h"
#include "printing/CollectionJob.h"

class CListItem;

// Prints a chapter: its name, the titles of its recipes and, when asked, the recipes at the
// servings the browse state keeps for them. The titles are read from the cookbook once, on
// the first copy.
class CChapterExportJob : public CCollectionJob
{
public:
    // makeView: the sorted chapter list the titles come from.
    CChapterExportJob(CPageFormatter* pOutput, const CListItem& chapter, SortedListViewFactory makeView);

    // 1 to go on with the next copy.
    int Run() override;

private:
    void ReadRecipes();

    CRecordId m_chapterId;
    CRecipeList m_recipes;
    bool m_filled;
    SortedListViewFactory m_makeView;
};
