#include "exchange/ImportBatch.h"

#include <windows.h>

#include "database/CategoryListItem.h"
#include "database/CookbookDatabase.h"
#include "database/CookbookTransaction.h"
#include "database/RecipeData.h"
#include "exchange/RecipeImporter.h"
#include "exchange/ResourceText.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"

namespace {

const int kSaved = 0;
const int kReadOnly = 3;
const int kListedSkips = 20;
// Recipes stored in one transaction.
const std::size_t kBlockSize = 1000;
// Recipes are read far faster than anyone can read their titles, and each text shown and each
// look for Cancel costs more than reading a recipe: one recipe's texts go up about ten times a
// second, and Cancel is looked for then.
const DWORD kShowEveryMs = 100;

}  // namespace

CImportBatch::CImportBatch(CRecipeImporter& importer, const TOCListItem& chapter)
    : m_importer(importer), m_chapter(chapter), m_imported(0), m_stopped(false),
      m_importingText(LoadResourceText(IDS_IMPORTING)), m_readingText(LoadResourceText(IDS_IMPORT_READING_RECIPE)),
      m_lastShown(GetTickCount() - kShowEveryMs)
{
}

void CImportBatch::Run(const std::vector<int>& indices)
{
    CCookbookDatabase& database = *GetCurrentDatabase();
    // New catalogue entries made while reading take counted ids too.
    database.CountRecordIds(TRUE);
    for (std::size_t nStart = 0; nStart < indices.size() && !m_stopped; nStart += kBlockSize)
    {
        RecipeBlock block;
        for (std::size_t i = nStart; i < indices.size() && i < nStart + kBlockSize && !m_stopped; ++i)
            m_stopped = !ReadOne(indices[i], block);
        // What was read before a Cancel is still stored.
        if (!StoreBlock(block))
            m_stopped = true;
    }
    database.CountRecordIds(FALSE);
    m_importer.ShowRecipeSteps(TRUE);
    m_importer.SetProgressText(LoadResourceText(IDS_IMPORT_UPDATING_CATEGORIES), 2);
    database.UpdateCategoryFlags(m_categories, 'R');
    database.GetCategoryTree(0);
}

bool CImportBatch::ReadOne(int index, RecipeBlock& block)
{
    const CString title = m_importer.GetTitles()[index];
    const bool show = IsTimeToShowARecipe();
    m_importer.ShowRecipeSteps(show);
    if (show &&
        (m_importer.SetProgressText(m_importingText + title, 1) || m_importer.SetProgressText(m_readingText, 2)))
        return false;
    auto recipe = std::make_unique<CRecipeData>();
    recipe->Clear();
    recipe->m_chapterTitle = m_chapter.m_name;
    recipe->m_chapterId = m_chapter.m_id;
    if (!m_importer.ImportByIndex(index, *recipe))
    {
        if (m_importer.GetStatus() == CRecipeImporter::kAborted)
            return false;
        const CStringArray& problems = m_importer.GetProblems();
        m_skipped.push_back(problems.IsEmpty() ? title : problems[problems.GetSize() - 1]);
        return true;
    }
    block.push_back(std::move(recipe));
    return true;
}

bool CImportBatch::IsTimeToShowARecipe()
{
    const DWORD now = GetTickCount();
    if (now - m_lastShown < kShowEveryMs)
        return false;
    m_lastShown = now;
    return true;
}

bool CImportBatch::StoreBlock(const RecipeBlock& block)
{
    if (block.empty())
        return true;
    m_importer.SetProgressText(LoadResourceText(IDS_IMPORT_SAVING_RECIPE), 2);
    if (StoreTogether(block))
        return true;
    // A rolled-back block took ids it never stored: the one-by-one saves read them afresh.
    CCookbookDatabase& database = *GetCurrentDatabase();
    database.CountRecordIds(FALSE);
    const bool stored = StoreOneByOne(block);
    database.CountRecordIds(TRUE);
    return stored;
}

// Each save inside joins the block's transaction: one that fails rolls the whole block back.
// The block's rows are written together, many to a statement, before it commits. A recipe
// saved in a block that was rolled back takes a new id when it is saved again.
bool CImportBatch::StoreTogether(const RecipeBlock& block)
{
    CCookbookDatabase& database = *GetCurrentDatabase();
    {
        CCookbookTransaction transaction(database);
        database.DeferInserts();
        std::size_t saved = 0;
        while (saved < block.size() && database.InsertRecipe(*block[saved], 1) == kSaved)
            ++saved;
        const bool complete = saved == block.size();
        if (database.EndDeferredInserts(complete) && complete && transaction.Commit())
        {
            for (const auto& recipe : block)
                KeepCategories(*recipe);
            m_imported += static_cast<int>(block.size());
            return true;
        }
    }
    // The count of recipes went up for saves that were rolled back.
    database.m_nRecipeCount = -1;
    return false;
}

bool CImportBatch::StoreOneByOne(const RecipeBlock& block)
{
    for (const auto& recipe : block)
    {
        const int saved = GetCurrentDatabase()->InsertRecipe(*recipe, 1);
        if (saved != kSaved)
        {
            m_skipped.push_back(recipe->m_title + ": " + LoadResourceText(IDS_IMPORT_NOT_SAVED));
            if (saved == kReadOnly)
                return m_importer.SetStatus(CRecipeImporter::kUnknownError), false;
            continue;
        }
        KeepCategories(*recipe);
        ++m_imported;
    }
    return true;
}

// Each category once: its flag is then checked once, not once for every recipe filed in it.
void CImportBatch::KeepCategories(const CRecipeData& recipe)
{
    for (POSITION position = recipe.m_categories.GetHeadPosition(); position != nullptr;)
    {
        const auto* pItem = static_cast<const CategoryListItem*>(recipe.m_categories.GetNext(position));
        if (pItem != nullptr && pItem->m_type == 'R' && !IsKept(*pItem))
            m_categories.AddTail(pItem->Clone());
    }
}

bool CImportBatch::IsKept(const CategoryListItem& category) const
{
    for (POSITION position = m_categories.GetHeadPosition(); position != nullptr;)
        if (static_cast<const CategoryListItem*>(m_categories.GetNext(position))->m_id == category.m_id)
            return true;
    return false;
}

CString CImportBatch::Describe()
{
    CString text;
    if (m_stopped)
        text = m_importer.GetStatusText() + "\n";
    else if (m_skipped.empty())
        text = LoadResourceText(IDS_IMPORT_SUCCESSFUL) + "\n";
    CString counts;
    counts.Format(LoadResourceText(IDS_IMPORT_SUMMARY), m_imported, GetSkipped());
    text += counts;
    for (int i = 0; i < GetSkipped() && i < kListedSkips; ++i)
        text += "\n" + m_skipped[static_cast<std::size_t>(i)];
    if (GetSkipped() > kListedSkips)
    {
        CString more;
        more.Format(LoadResourceText(IDS_IMPORT_MORE_SKIPPED), GetSkipped() - kListedSkips);
        text += "\n" + more;
    }
    return text;
}
