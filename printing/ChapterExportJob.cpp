#include "printing/ChapterExportJob.h"

#include "database/CookbookDatabase.h"
#include "database/ListItem.h"
#include "database/SortedRecipeListItem.h"
#include "shell/services/CurrentDatabase.h"

namespace {

const int kChapterSource = 0;
const int kTitleOrder = 0;
const int kFilled = 0;

}  // namespace

CChapterExportJob::CChapterExportJob(CPageFormatter* pOutput, const CListItem& chapter, SortedListViewFactory makeView)
    : CCollectionJob(pOutput), m_chapterId(chapter.m_id), m_filled(false), m_makeView(makeView)
{
}

int CChapterExportJob::Run()
{
    if (!m_filled)
        ReadRecipes();
    std::vector<CRecipeListItem*> items;
    for (INT_PTR i = 0; i < m_recipes.GetSize(); ++i)
        items.push_back(m_recipes.GetRecipeAt(static_cast<int>(i)));
    if (items.empty())
        return 1;
    return RunCollection(GetCurrentDatabase()->GetContentsEntryName(m_chapterId), items, true);
}

void CChapterExportJob::ReadRecipes()
{
    m_filled = true;
    std::unique_ptr<CSortedListView> view = m_makeView(kChapterSource);
    if (view == nullptr || !view->OpenList(m_chapterId, kTitleOrder))
        return;
    CSortedRecipeListItem row;
    for (int status = view->FetchFirst(row); status == kFilled; status = view->FetchNext(row))
        m_recipes.Add(row.Clone());
}
