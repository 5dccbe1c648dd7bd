#include "exchange/RecipeLinkImport.h"

#include <cstdlib>
#include <set>

#include "database/CookbookDatabase.h"
#include "database/CustObList.h"
#include "database/FieldValue.h"
#include "database/RecipeData.h"
#include "database/RefItemArray.h"
#include "database/RefListItem.h"
#include "exchange/Arbiter.h"
#include "exchange/SourceRecordset.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/PhotoCopy.h"

namespace {

const char kCategoryCaption[] = "Retrieving Category Info...";
const char kReferenceCaption[] = "Retrieving Reference Info...";
const int kCaptionLine = 2;
const char kNoCategory[] = "999999";
const char kKeptReferenceTypes[] = "PSTV";

// The older kind numbers its categories and they are named by number; a number past the
// table files under "PX3.x Import".
const char* const kDefaultCategoryNames[] = {"All Ingredients",
                                             "All Categories",
                                             "Cooking Methods",
                                             "Courses",
                                             "Cuisines",
                                             "Dishes",
                                             "Desserts",
                                             "Extras",
                                             "Health Interests",
                                             "Meals",
                                             "Seasons and Holidays",
                                             "PX3.x Import",
                                             "Basic Ingredients"};
const int kDefaultCategoryCount = sizeof kDefaultCategoryNames / sizeof kDefaultCategoryNames[0];
const int kLaterCategoryName = 11;

const char* DefaultCategoryName(const CString& number)
{
    const int index = atoi(number);
    return kDefaultCategoryNames[index >= 0 && index < kDefaultCategoryCount ? index : kLaterCategoryName];
}

CString ReadText(const CSourceRecordset& table, int position)
{
    CFieldValue value;
    table.ReadPosition(position, value);
    CString text;
    if (CFieldValue::IsTextType(value.m_nSqlType))
        text = value.m_strText;
    else
    {
        double number = 0.0;
        GetFieldValueDouble(value, number);
        text.Format("%.15g", number);
    }
    text.Trim();
    return text;
}

BOOL ReadId(const CSourceTable& table, const CString& column, CRecordId& id)
{
    CFieldValue value;
    table.GetValue(column, value);
    return CArbiter::ReadSourceId(value, id);
}

// "column='value'" (or another operator) for the in-memory filter.
CString Condition(const CString& column, const CString& value, const char* comparison = "=")
{
    CString quoted = value;
    quoted.Replace("'", "''");
    return column + comparison + "'" + quoted + "'";
}

BOOL IsTreeKind(int kind)
{
    return kind == IDS_SOURCE_BREVANA_IMPORT || kind == IDS_SOURCE_BREVANA_MASTER ||
           kind == IDS_SOURCE_TABLEWISE_IMPORT;
}

BOOL IsBrevanaKind(int kind)
{
    return kind == IDS_SOURCE_BREVANA_IMPORT || kind == IDS_SOURCE_BREVANA_MASTER;
}

BOOL Lists(const CCustObList& categories, const CRecordId& id)
{
    for (POSITION position = categories.GetHeadPosition(); position != nullptr;)
        if (static_cast<const CategoryListItem*>(categories.GetNext(position))->m_id == id)
            return TRUE;
    return FALSE;
}

// The file name alone: a name from the source never leads out of the target's folder.
CString BaseName(const CString& path)
{
    int cut = -1;
    for (int i = 0; i < path.GetLength(); ++i)
        if (path[i] == '\\' || path[i] == '/' || path[i] == ':')
            cut = i;
    CString name = path.Mid(cut + 1);
    name.Trim();
    return name == "." || name == ".." ? CString() : name;
}

// The folder part, with its last backslash.
CString FolderOf(const CString& path)
{
    return path.Left(path.ReverseFind('\\') + 1);
}

}  // namespace

CRecipeLinkImport::CRecipeLinkImport(CArbiter& engine) : m_engine(engine) {}

CCookbookDatabase& CRecipeLinkImport::Target() const
{
    CCookbookDatabase* pTarget = m_engine.GetTargetDatabase();
    return pTarget != nullptr ? *pTarget : *GetCurrentDatabase();
}

BOOL CRecipeLinkImport::Stopped(const char* text) const
{
    return m_engine.ReportProgress(text, kCaptionLine) != 0;
}

BOOL CRecipeLinkImport::ImportLinks(const CRecordId& sourceRecipeId, CRecipeData& recipe)
{
    const int kind = m_engine.GetSourceKind();
    if (kind == IDS_SOURCE_PANTRIX_IMPORT || kind == IDS_SOURCE_PANTRIX_MASTER)
        return ImportCategories(sourceRecipeId, recipe.m_categories);
    return IsTreeKind(kind) && ImportHierarchicalCategories(sourceRecipeId, recipe.m_categories) &&
           ImportReferences(sourceRecipeId, recipe.m_links);
}

BOOL CRecipeLinkImport::ImportCategoryTable(const CRecordId& recipeId, CSourceRecordset& items,
                                            std::vector<CRecordId>& ids)
{
    // A source that binds no category item columns files no recipe in a category.
    if (!items.IsPositionBound(2) || !items.IsPositionBound(3))
        return TRUE;
    if (!items.SetFilter(Condition(items.GetPositionColumn(2), "R") + " AND " +
                         Condition(items.GetPositionColumn(3), recipeId.GetText())))
        return FALSE;
    items.Requery();
    const CString idColumn = items.GetPositionColumn(1);
    for (; !items.IsEOF(); items.MoveNext())
    {
        CRecordId id;
        // An id above 999999 would collide with others as a record id: it is skipped.
        if (ReadId(items, idColumn, id))
            ids.push_back(id);
    }
    return TRUE;
}

BOOL CRecipeLinkImport::MakeKindCategory(UINT nameId)
{
    if (m_kindNameId == nameId && m_kindCategoryId != 0UL)
        return TRUE;
    CategoryListItem item;
    item.m_type = 'R';
    item.m_name.LoadString(nameId);
    if (item.m_name.IsEmpty() || !SaveCategory(item))
        return FALSE;
    m_kindNameId = nameId;
    m_kindCategoryId = item.m_id;
    return TRUE;
}

BOOL CRecipeLinkImport::SaveCategory(CategoryListItem& item)
{
    item.m_id = CRecordId();
    if (item.m_type != 'Z')
        return Target().AddCategory(item) && item.m_id != 0UL;
    const long found = Target().LookupCategoryId(&item);
    item.m_id = static_cast<unsigned long>(found);
    return found != 0;
}

BOOL CRecipeLinkImport::TranslateCategory(CategoryListItem& item)
{
    if (item.m_id == 0UL)
    {
        item.m_id = m_kindCategoryId;
        return TRUE;
    }
    const CString sourceId = item.m_id.GetText();
    const auto known = m_translated.find(sourceId);
    if (known != m_translated.end())
    {
        item = known->second;
        return TRUE;
    }
    if (!SaveCategory(item))
        return FALSE;
    m_translated.emplace(sourceId, item);
    return TRUE;
}

BOOL CRecipeLinkImport::CollectCategoryIds(const CRecordId& recipeId, std::vector<CRecordId>& ids)
{
    CSourceRecordset* pItems = m_engine.GetSourceTable(CArbiter::kCatItem);
    if (Stopped(kCategoryCaption) || !ImportCategoryTable(recipeId, *pItems, ids))
        return FALSE;
    return ids.empty() || MakeKindCategory(m_engine.GetSourceKind());
}

BOOL CRecipeLinkImport::ImportCategories(const CRecordId& recipeId, CCustObList& categories)
{
    CSourceRecordset* pCategories = m_engine.GetSourceTable(CArbiter::kCategory);
    if (pCategories == nullptr || m_engine.GetSourceTable(CArbiter::kCatItem) == nullptr)
        return TRUE;
    std::vector<CRecordId> ids;
    if (!CollectCategoryIds(recipeId, ids))
        return FALSE;
    if (ids.empty())
        return TRUE;
    if (!pCategories->IsPositionBound(0) || !pCategories->SetFilter(pCategories->GetPositionColumn(0) + "=?"))
        return FALSE;
    for (const CRecordId& id : ids)
    {
        pCategories->SetParameters({id.GetText()});
        pCategories->Requery();
        if (pCategories->IsEOF())
            continue;
        const CString number = ReadText(*pCategories, 1);
        if (number.IsEmpty())
            continue;
        CategoryListItem item;
        if (!TranslateNumberedCategory(number, item))
            return FALSE;
        if (!Lists(categories, item.m_id))
            categories.AddTail(new CategoryListItem(item));
    }
    return TRUE;
}

// Categories of the same number are one category of the target.
BOOL CRecipeLinkImport::TranslateNumberedCategory(const CString& number, CategoryListItem& item)
{
    const auto known = m_translated.find(number);
    if (known != m_translated.end())
    {
        item = known->second;
        return TRUE;
    }
    item.m_type = 'R';
    item.m_name = DefaultCategoryName(number);
    item.m_secondId = m_kindCategoryId;
    if (!SaveCategory(item))
        return FALSE;
    m_translated.emplace(number, item);
    return TRUE;
}

BOOL CRecipeLinkImport::ImportHierarchicalCategories(const CRecordId& recipeId, CCustObList& categories)
{
    CSourceRecordset* pTree = m_engine.GetSourceTable(CArbiter::kHiCat);
    if (pTree == nullptr || m_engine.GetSourceTable(CArbiter::kCatItem) == nullptr)
        return TRUE;
    categories.DeleteAll();
    std::vector<CRecordId> ids;
    if (!CollectCategoryIds(recipeId, ids))
        return FALSE;
    if (ids.empty())
        return TRUE;
    if (Stopped(kCategoryCaption))
        return FALSE;
    ImportCategoryType(*pTree);
    for (const CRecordId& id : ids)
    {
        std::vector<CategoryListItem> chain = ChainOf(id);
        if (chain.empty())
            continue;
        if (!SaveChain(chain))
            return FALSE;
        if (!Lists(categories, chain.back().m_id))
            categories.AddTail(new CategoryListItem(chain.back()));
    }
    return TRUE;
}

void CRecipeLinkImport::ImportCategoryType(CSourceRecordset& tree)
{
    if (!m_sourceCategories.empty() || !tree.IsPositionBound(0))
        return;
    const int kind = m_engine.GetSourceKind();
    CString typeColumn;
    typeColumn.LoadString(IDS_COL_HICAT_TYPE);
    CString filter = Condition(tree.GetPositionColumn(0), kNoCategory, "<>");
    if (!IsBrevanaKind(kind))
        filter = Condition(typeColumn, "R") + " AND " + filter;
    if (!tree.SetFilter(filter))
        return;
    tree.Requery();
    for (; !tree.IsEOF(); tree.MoveNext())
    {
        CFieldValue value;
        CategoryListItem item;
        tree.ReadPosition(0, value);
        if (!CArbiter::ReadSourceId(value, item.m_id) || item.m_id == 0UL)
            continue;
        tree.ReadPosition(1, value);
        CArbiter::ReadSourceId(value, item.m_secondId);
        item.m_name = ReadText(tree, 2);
        item.m_type = 'R';
        if (kind == IDS_SOURCE_TABLEWISE_IMPORT)
        {
            tree.GetValue(typeColumn, value);
            value.m_strText.Trim();
            if (CFieldValue::IsTextType(value.m_nSqlType) && !value.m_strText.IsEmpty())
                item.m_type = value.m_strText[0];
        }
        m_sourceCategories.emplace(item.m_id.GetNumber(), item);
    }
}

std::vector<CategoryListItem> CRecipeLinkImport::ChainOf(const CRecordId& id) const
{
    std::vector<CategoryListItem> chain;
    std::set<long> met;
    // A parent loop in the source ends where it meets a category again.
    for (long number = id.GetNumber(); number != 0 && met.insert(number).second;)
    {
        const auto found = m_sourceCategories.find(number);
        if (found == m_sourceCategories.end())
            break;
        chain.insert(chain.begin(), found->second);
        number = found->second.m_secondId.GetNumber();
    }
    return chain;
}

// From the top down, each category under the one above it and the top under the kind's.
BOOL CRecipeLinkImport::SaveChain(std::vector<CategoryListItem>& chain)
{
    CRecordId parent = m_kindCategoryId;
    for (CategoryListItem& node : chain)
    {
        node.m_secondId = parent;
        node.m_firstChild = node.m_sibling = -1;
        if (!TranslateCategory(node) || Stopped(kCategoryCaption))
            return FALSE;
        parent = node.m_id;
    }
    return TRUE;
}

BOOL CRecipeLinkImport::ImportReferences(const CRecordId& recipeId, CRefItemArray& references)
{
    if (Stopped(kReferenceCaption))
        return FALSE;
    CSourceRecordset* pReferences = m_engine.GetSourceTable(CArbiter::kReference);
    CSourceRecordset* pLinks = m_engine.GetSourceTable(CArbiter::kRefItem);
    if (pReferences == nullptr || pLinks == nullptr)
        return TRUE;
    // The older kind's link table has no id column of its own.
    const int first = IsBrevanaKind(m_engine.GetSourceKind()) ? 0 : 1;
    const CString referenceColumn = pLinks->GetBoundColumn(first + 2);
    // A source that binds no reference columns keeps no references.
    if (referenceColumn.IsEmpty() || !pReferences->IsPositionBound(0))
        return TRUE;
    if (!pLinks->SetFilter(Condition(pLinks->GetBoundColumn(first), "R") + " AND " +
                           Condition(pLinks->GetBoundColumn(first + 1), recipeId.GetText())) ||
        !pReferences->SetFilter(pReferences->GetPositionColumn(0) + "=?"))
        return FALSE;
    pLinks->Requery();
    std::vector<CRecordId> ids;
    for (; !pLinks->IsEOF(); pLinks->MoveNext())
    {
        CRecordId id;
        if (ReadId(*pLinks, referenceColumn, id))
            ids.push_back(id);
    }
    for (const CRecordId& id : ids)
        if (!ImportReference(*pReferences, id, references))
            return FALSE;
    return CopyPhotos(references);
}

// A reference of a kind this program keeps is saved in the target and joins the list.
BOOL CRecipeLinkImport::ImportReference(CSourceRecordset& references, const CRecordId& id, CRefItemArray& list)
{
    references.SetParameters({id.GetText()});
    references.Requery();
    if (references.IsEOF())
        return TRUE;
    const CString type = ReadText(references, 1);
    if (type.IsEmpty() || CString(kKeptReferenceTypes).Find(type[0]) < 0)
        return TRUE;
    CString content = ReadText(references, 3);
    if (type[0] == 'P')
        content = BaseName(content);
    auto* pItem = new RefListItem(ReadText(references, 2), content, 0, type[0]);
    pItem->m_id = CRecordId();
    if (!Target().SaveReference(*pItem))
    {
        delete pItem;
        return FALSE;
    }
    list.Add(pItem);
    return TRUE;
}

CString CRecipeLinkImport::PhotoFolder() const
{
    const CString folder = FolderOf(m_engine.GetSourcePath());
    return IsBrevanaKind(m_engine.GetSourceKind()) ? folder + "BITMAPS\\" : folder;
}

BOOL CRecipeLinkImport::CopyPhotos(const CRefItemArray& references)
{
    const CString sourceFolder = FolderOf(m_engine.GetSourcePath());
    const CString photoFolder = PhotoFolder();
    const CString targetFolder = FolderOf(CDatabase::GetConnectAttribute(Target().GetConnect(), "DBQ"));
    if (sourceFolder.IsEmpty() || targetFolder.IsEmpty())
        return FALSE;
    for (int i = 0; i < references.GetSize(); ++i)
    {
        const RefListItem* pReference = references.GetRefAt(i);
        const CString name = pReference != nullptr && pReference->m_type == 'P' ? BaseName(pReference->m_content) : "";
        if (name.IsEmpty())
            continue;
        const CString target = targetFolder + name;
        CString source = photoFolder + name;
        int status = CopyPhotoFile(target, source);
        // A photo that is not in its own folder is looked for beside the tables.
        if ((status == copySourceNotFound || status == copySourceUnreadable) && photoFolder != sourceFolder)
        {
            source = sourceFolder + name;
            status = CopyPhotoFile(target, source);
        }
        if (status == copyDone)
            continue;
        ShowCopyError(status, source, target);
        if (status != copySourceNotFound && status != copySourceUnreadable)
            return FALSE;
    }
    return TRUE;
}
