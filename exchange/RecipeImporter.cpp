#include "exchange/RecipeImporter.h"

#include <utility>

#include "database/CategoryListItem.h"
#include "database/CookbookDatabase.h"
#include "database/IngData.h"
#include "database/IngItem.h"
#include "database/IngRec.h"
#include "database/RecipeData.h"
#include "database/SlotArray.h"
#include "database/UnitRec.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/ProgressDlg.h"
#include "shell/services/TextUtilities.h"

namespace {

const CRecordId kNoUnit("000001");

CString Lower(const CString& text)
{
    CString lower(text);
    lower.MakeLower();
    return lower;
}

}  // namespace

CRecipeImporter::CRecipeImporter() : m_cursor(0), m_catalogueLoaded(false), m_status(kOk), m_pProgress(nullptr) {}

CRecipeImporter::~CRecipeImporter()
{
    delete m_pProgress;
}

int CRecipeImporter::Open(const char* /*pszPath*/)
{
    m_titles.RemoveAll();
    return 1;
}

int CRecipeImporter::ImportByTitle(const CString& /*title*/, CRecipeData& /*recipe*/)
{
    return 0;
}

int CRecipeImporter::Rewind()
{
    return 0;
}

int CRecipeImporter::ImportNext(CRecipeData& /*recipe*/)
{
    return 0;
}

int CRecipeImporter::ImportByIndex(int /*index*/, CRecipeData& /*recipe*/)
{
    SetStatus(kBadTitle);
    return 0;
}

const TOCListItem& CRecipeImporter::GetChapterItem() const
{
    return m_chapterItem;
}

int CRecipeImporter::HasSourceChapters()
{
    return 0;
}

int CRecipeImporter::GetSourceChapters(CCustObArray& /*chapters*/)
{
    return 0;
}

int CRecipeImporter::SetStatus(int code)
{
    m_status = code >= kOk && code <= kUnknownError ? code : kUnknownError;
    return code;
}

const CString& CRecipeImporter::GetStatusText()
{
    m_statusText.LoadString(IDS_IMPORT_STATUS_BASE + static_cast<UINT>(m_status));
    return m_statusText;
}

const CStringArray& CRecipeImporter::GetTitles()
{
    ScanTitles();
    return m_titles;
}

void CRecipeImporter::StartProgress(CWnd* pParent, const char* pszCaption)
{
    EndProgress();
    SetStatus(kOk);
    m_pProgress = new CProgressDlg(pParent, pszCaption);
}

void CRecipeImporter::EndProgress()
{
    delete m_pProgress;
    m_pProgress = nullptr;
}

int CRecipeImporter::SetProgressText(const char* pszText, int nLine)
{
    if (m_pProgress == nullptr)
        return 0;
    const int aborted = m_pProgress->SetMessage(pszText, nLine);
    if (aborted)
        SetStatus(kAborted);
    return aborted;
}

int CRecipeImporter::SetProgressStep(UINT nTextId, int nLine)
{
    if (m_pProgress == nullptr || !m_bShowSteps)
        return 0;
    CString text;
    text.LoadString(nTextId);
    return SetProgressText(text, nLine);
}

int CRecipeImporter::IsAborted()
{
    if (m_pProgress == nullptr)
        return 0;
    const int aborted = m_pProgress->IsAbortRequested();
    if (aborted)
        SetStatus(kAborted);
    return aborted;
}

void CRecipeImporter::MoveNameToPreparation(CIngData& line)
{
    line.m_name += line.m_preparation.IsEmpty() ? "+" : "+, ";
    line.m_name += line.m_preparation;
    line.m_preparation = std::move(line.m_name);
    line.m_name.Empty();
}

void CRecipeImporter::GetMovedName(const CIngData& line, CString& name, CString& preparation)
{
    name = line.m_name;
    preparation = line.m_preparation;
    if (!name.IsEmpty())
        return;
    const int nLength = preparation.GetLength();
    const int nMark = preparation.Find("+, ");
    if (nLength > 1 && preparation[nLength - 1] == '+')
    {
        name = preparation.Left(nLength - 1);
        preparation.Empty();
    }
    else if (nMark > 0)
    {
        name = preparation.Left(nMark);
        preparation = preparation.Mid(nMark + 3);
    }
}

CCookbookDatabase& CRecipeImporter::Database()
{
    return *GetCurrentDatabase();
}

void CRecipeImporter::AddProblem(long nLine, const CString& title, const CString& text)
{
    CString problem;
    problem.Format("line %ld: %s: %s", nLine, title.GetString(), text.GetString());
    m_problems.Add(problem);
}

void CRecipeImporter::AddProblem(const CString& title, const CString& text)
{
    m_problems.Add(title + ": " + text);
}

CString CRecipeImporter::CategoryKey(const CategoryListItem& item)
{
    return Lower(item.m_name) + item.m_secondId.GetText();
}

void CRecipeImporter::LoadCategoryMap()
{
    CSlotArray& tree = Database().GetCategoryTree(0);
    PumpProgressMessages();
    for (int slot = 0; slot <= tree.GetHighestSlot(); ++slot)
    {
        const CategoryListItem* pItem = tree.GetAtSlot(slot);
        if (pItem != nullptr)
            m_categoryMap[CategoryKey(*pItem)] = pItem->m_id;
    }
}

int CRecipeImporter::FindCategory(CategoryListItem& item)
{
    if (m_categoryMap.empty())
        LoadCategoryMap();
    const auto found = m_categoryMap.find(CategoryKey(item));
    item.m_id = found != m_categoryMap.end() ? found->second : CRecordId();
    return found != m_categoryMap.end();
}

int CRecipeImporter::AddCategory(CategoryListItem& item)
{
    CategoryListItem copy(item);
    const int added = Database().AddCategory(copy);
    if (added)
        m_categoryMap[CategoryKey(copy)] = copy.m_id;
    else
        copy.m_id = CRecordId();
    item = copy;
    return added;
}

int CRecipeImporter::FindOrAddCategory(CategoryListItem& item)
{
    return FindCategory(item) || AddCategory(item);
}

void CRecipeImporter::AddRecipeCategory(CRecipeData& recipe, const CString& name)
{
    auto* pItem = new CategoryListItem;
    pItem->m_name = name;
    pItem->m_type = 'R';
    pItem->m_secondId = m_importCategoryId;
    FindOrAddCategory(*pItem);
    recipe.m_categories.AddTail(pItem);
}

void CRecipeImporter::UseImportCategory(const char* pszName)
{
    if (GetCurrentDatabase() == nullptr)
        return;
    CategoryListItem item;
    item.m_name = pszName;
    item.m_type = 'R';
    FindOrAddCategory(item);
    m_importCategoryId = item.m_id;
}

// The catalogue compares names without regard to the case of ASCII letters only.
CString CRecipeImporter::CatalogueKey(const CString& name)
{
    CString key(name);
    FoldCatalogueCase(key);
    return key;
}

void CRecipeImporter::FoldCatalogueCase(CString& key)
{
    for (int i = 0; i < key.GetLength(); ++i)
        if (key[i] >= 'A' && key[i] <= 'Z')
            key.SetAt(i, static_cast<char>(key[i] - 'A' + 'a'));
}

// The whole catalogue once, not one query per line: a name shared by several entries finds
// the first, as a query would.
void CRecipeImporter::LoadCatalogue()
{
    m_catalogueLoaded = true;
    CCustObList names;
    Database().LoadIngredientNames(names);
    for (POSITION position = names.GetHeadPosition(); position != nullptr;)
    {
        const auto* pItem = static_cast<const CIngItem*>(names.GetNext(position));
        m_ingredients.emplace(CatalogueKey(pItem->m_name), std::make_pair(pItem->m_name, pItem->m_id));
    }
}

int CRecipeImporter::LookUpIngredientName(CIngData& line, const CString& name)
{
    if (!m_catalogueLoaded)
        LoadCatalogue();
    m_lookupKey = name;
    FoldCatalogueCase(m_lookupKey);
    const auto known = m_ingredients.find(m_lookupKey);
    if (known == m_ingredients.end())
        return 0;
    line.m_name = known->second.first;
    line.m_itemId = known->second.second;
    return 1;
}

void CRecipeImporter::RememberIngredient(const CIngData& line)
{
    m_ingredients[CatalogueKey(line.m_name)] = std::make_pair(line.m_name, line.m_itemId);
}

int CRecipeImporter::FindIngredient(CIngData& line)
{
    line.m_itemId = CRecordId();
    if (IsBlank(line.m_name))
        return 1;
    if (LookUpIngredientName(line, line.m_name))
        return 1;
    const int nLength = line.m_name.GetLength();
    const char last = line.m_name[nLength - 1];
    if (last == 's')
        return LookUpIngredientName(line, line.m_name.Left(nLength - 1));
    if (last == 'y')
        return LookUpIngredientName(line, line.m_name.Left(nLength - 1) + "ies");
    return 0;
}

void CRecipeImporter::LoadUnitMap()
{
    CCustObList& units = Database().LoadUnits();
    for (POSITION position = units.GetHeadPosition(); position != nullptr;)
    {
        const auto* pUnit = static_cast<const CUnitRec*>(units.GetNext(position));
        for (double quantity : {1.0, 2.0})
        {
            CString name = Lower(pUnit->m_name);
            ApplyPluralParentheses(name, quantity);
            m_unitMap[name] = pUnit->m_id;
        }
    }
}

int CRecipeImporter::FindUnit(CIngData& line)
{
    if (m_unitMap.empty())
        LoadUnitMap();
    const auto found = m_unitMap.find(Lower(line.m_unitText));
    line.m_unitId = found != m_unitMap.end() ? found->second : kNoUnit;
    return found != m_unitMap.end();
}
