#include "shopping/ShopMgr.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "database/CookbookDatabase.h"
#include "database/IngData.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/MenuListItem.h"
#include "database/RecipeData.h"
#include "database/RecipeListItem.h"
#include "framework/AfxMessageBox.h"
#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "framework/Exception.h"
#include "printing/PageFormatter.h"
#include "printing/PrinterOutput.h"
#include "printing/ReportOutput.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/DiskSpace.h"
#include "shell/services/StatusPopupDlg.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/SettingsFile.h"
#include "shopping/RecipeListItem.h"
#include "shopping/ReplacingFile.h"
#include "shopping/ShoppingListItem.h"
#include "shopping/ShoppingListWriter.h"

IMPLEMENT_SERIAL(CShopMgr, CObject, 10)

CShopMgr* g_pShopMgr = nullptr;

namespace {

const char kPantryFile[] = "pantry.adf";
const char kFrequentFile[] = "frequent.adf";
const char kLegacyListFile[] = "shopping.adf";
const char kListExtension[] = ".shp";
const char kRecipeLine[] = "R";
const int kStatusRecipeLine = 2;

int CauseOf(CException* e)
{
    int cause = CArchiveException::generic;
    if (auto* pArchiveError = dynamic_cast<CArchiveException*>(e))
        cause = pArchiveError->m_cause != CArchiveException::none ? pArchiveError->m_cause : cause;
    e->Delete();
    return cause;
}

// A damaged or unreadable file of any kind is a failed load, never a crash.
int ReadFile(LPCSTR lpszPath, CObject& target)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return CArchiveException::generic;
    try
    {
        CArchive ar(&file, CArchive::load);
        target.Serialize(ar);
        ar.Close();
        return CArchiveException::none;
    }
    catch (CException* e)
    {
        return CauseOf(e);
    }
    catch (...)
    {
        return CArchiveException::generic;
    }
}

int WriteFile(LPCSTR lpszPath, CObject& source)
{
    CReplacingFile file(lpszPath);
    if (!file.Open())
        return CArchiveException::generic;
    try
    {
        CArchive ar(&file.GetFile(), CArchive::store);
        source.Serialize(ar);
        ar.Close();
        return file.Commit() ? CArchiveException::none : CArchiveException::generic;
    }
    catch (CException* e)
    {
        return CauseOf(e);
    }
    catch (...)
    {
        return CArchiveException::generic;
    }
}

int SerializeFile(LPCSTR lpszPath, CObject& object, BOOL bLoad)
{
    if (lpszPath == nullptr)
        return CArchiveException::none;
    return bLoad ? ReadFile(lpszPath, object) : WriteFile(lpszPath, object);
}

CString ResourceText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

double ScaleFactor(int servings, const CRecipeListItem& entry)
{
    const short written = static_cast<short>(entry.m_servings);
    return servings != 0 && written != 0 ? static_cast<double>(servings) / written : 1.0;
}

}  // namespace

CShopMgr::CShopMgr()
    : m_bShowRecipeNames(0), m_bShowUnassignedSections(1), m_bRemovePantryItems(0), m_bAddFrequentItems(0),
      m_layoutMode(0), m_store(0), m_bPrinting(0), m_bShowDetail(0), m_state(kNew)
{
    GetShowDetail();
    RenameOldShoppingFile();
    GetShoppingFileName();
    LoadItemLists();
}

CShopMgr::~CShopMgr()
{
    SaveItemLists();
}

void CShopMgr::SetModified(int nModified)
{
    if (nModified != 0)
        m_state = kModified;
    else if (m_state == kModified)
        m_state = kSaved;
}

BOOL CShopMgr::OpenShoppingList(LPCSTR lpszName)
{
    CString name(lpszName != nullptr ? lpszName : "");
    name.Trim();
    if (name != m_listName)
    {
        if (!IsValidFileName(name))
        {
            ShowNameRefusal(name);
            return FALSE;
        }
        if (m_state == kModified && !SaveShoppingList())
            return FALSE;
        ResetLists();
        StoreListName(name);
    }
    if (m_state != kNew)
        return TRUE;
    if (SerializeShoppingFile(ListFileName(m_listName), TRUE) != 0)
        return FALSE;
    m_state = kSaved;
    return TRUE;
}

BOOL CShopMgr::SaveShoppingList()
{
    if (m_listName.IsEmpty())
        return FALSE;
    m_currentList.Compact();
    const CString path = ListFileName(m_listName);
    if (SerializeShoppingFile(path, FALSE) != 0)
    {
        CString text;
        text.Format(ResourceText(IDS_SHOPPING_LIST_NOT_WRITTEN), path.GetString());
        AfxMessageBox(text, MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_state = kSaved;
    return TRUE;
}

void CShopMgr::ReplaceItemList(BOOL bFrequent, const CShoppingList& list)
{
    (bFrequent ? m_frequentList : m_pantryList).CopyFrom(list);
}

BOOL CShopMgr::LoadItemLists()
{
    SerializeItemFile(kPantryFile, m_pantryList, TRUE);
    SerializeItemFile(kFrequentFile, m_frequentList, TRUE);
    return TRUE;
}

BOOL CShopMgr::SaveItemLists()
{
    SerializeItemFile(kPantryFile, m_pantryList, FALSE);
    SerializeItemFile(kFrequentFile, m_frequentList, FALSE);
    return TRUE;
}

BOOL CShopMgr::SetShoppingFileName(LPCSTR lpszName)
{
    CString name(lpszName != nullptr ? lpszName : "");
    name.Trim();
    if (!name.IsEmpty() && !IsValidFileName(name))
    {
        ShowNameRefusal(name);
        return FALSE;
    }
    StoreListName(name);
    return TRUE;
}

void CShopMgr::GetShoppingFileName()
{
    CSettingsFile settings;
    settings.SetSection(IDS_SECTION_SHOPPING);
    settings.GetString(IDS_KEY_SHOPFILE, m_listName, CSettingsFile::MaxSettingValue,
                       ResourceText(IDS_DEFAULT_SHOPFILE));
}

BOOL CShopMgr::AddRecipe(const CRecipeListItem& entry, int servings, CStatusPopupDlg* pPopup)
{
    std::vector<CRecordId> recipePath;
    return AddRecipeItem(entry, servings, pPopup, recipePath);
}

BOOL CShopMgr::AddRecipeById(const CRecordId& id, int servings, CStatusPopupDlg* pPopup)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    CRecipeListItem entry;
    entry.m_id = id;
    if (pDatabase == nullptr || pDatabase->ReadRecipeListItem(&entry, 1) == 0)
        return FALSE;
    return AddRecipe(entry, servings, pPopup);
}

// Only recipe items are followed: an item of another kind carries the id of something else (a
// meal plan, or nothing), which may happen to equal a recipe's.
BOOL CShopMgr::AddMealPlan(const MenuListItem& entry, CStatusPopupDlg* pPopup)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    CMenuData menu;
    menu.m_id = entry.m_id;
    if (pDatabase == nullptr || pDatabase->LoadMenu(menu) == 2 || menu.m_id == "000000")
        return FALSE;
    if (pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr)
        pPopup->UpdateWindow();
    auto* pPlan = new MenuListItem(entry);
    pPlan->m_servings = menu.m_servings;
    m_mealPlans.Add(pPlan);
    for (POSITION at = menu.m_items.GetHeadPosition(); at != nullptr;)
    {
        const auto* pItem = static_cast<const CMenuItem*>(menu.m_items.GetNext(at));
        if (pItem == nullptr || pItem->m_type != kRecipeLine)
            continue;
        const int servings = menu.m_servings != 0 ? menu.m_servings : pItem->m_servings;
        AddRecipeById(pItem->m_itemId, servings, pPopup);
    }
    return TRUE;
}

BOOL CShopMgr::AddItemCopy(const CShoppingListItem* pItem)
{
    if (pItem == nullptr || pItem->GetLine().m_name.IsEmpty())
        return FALSE;
    m_currentList.Add(new CShoppingListItem(*pItem));
    m_state = kModified;
    return TRUE;
}

void CShopMgr::AddPantryItem(const CShoppingListItem& item)
{
    AddListEntry(m_pantryList, item, IDS_PANTRY_ITEM);
}

void CShopMgr::AddFrequentItem(const CShoppingListItem& item)
{
    AddListEntry(m_frequentList, item, IDS_FREQUENT_ITEM);
}

CShoppingListItem* CShopMgr::FindItemBySerial(DWORD serial, int* pIndex) const
{
    if (CShoppingListItem* pItem = m_currentList.FindBySerial(serial, pIndex))
        return pItem;
    return m_summaryList.FindBySerial(serial, pIndex);
}

BOOL CShopMgr::DeleteItemBySerial(DWORD serial)
{
    int index = 0;
    CShoppingListItem* pItem = m_currentList.FindBySerial(serial, &index);
    if (pItem == nullptr)
        return FALSE;
    m_currentList.RemoveAt(index);
    delete pItem;
    m_state = kModified;
    return TRUE;
}

BOOL CShopMgr::RemoveRecipe(const CString& recipeName)
{
    for (int i = m_currentList.GetSize() - 1; i >= 0; --i)
    {
        CShoppingListItem* pItem = m_currentList.GetItem(i);
        if (pItem != nullptr && pItem->m_recipeName == recipeName)
        {
            m_currentList.RemoveAt(i);
            delete pItem;
        }
    }
    for (int i = 0; i < m_recipes.GetSize(); ++i)
    {
        RecipeListItem* pRecipe = m_recipes.GetRecipeAt(i);
        if (pRecipe != nullptr && pRecipe->m_name == recipeName)
        {
            m_recipes.RemoveAt(i);
            delete pRecipe;
            break;
        }
    }
    m_state = kModified;
    return TRUE;
}

BOOL CShopMgr::HasRecipe(const CRecordId& recipeId) const
{
    return m_recipes.FindById(recipeId) != nullptr;
}

BOOL CShopMgr::HasMealPlan(LONG key) const
{
    for (int i = 0; i < m_mealPlans.GetSize(); ++i)
    {
        const auto* pPlan = static_cast<const MenuListItem*>(m_mealPlans.GetAt(i));
        if (pPlan != nullptr && pPlan->m_value == key)
            return TRUE;
    }
    return FALSE;
}

void CShopMgr::ClearShoppingList()
{
    EmptyListContents();
    m_state = kModified;
}

void CShopMgr::ResetLists()
{
    EmptyListContents();
    m_bRemovePantryItems = 0;
    m_bAddFrequentItems = 0;
    m_state = kNew;
}

void CShopMgr::BuildSummary()
{
    if (m_bPrinting)
        return;
    std::vector<CShoppingListItem*> view;
    CShoppingList::BuildView(m_currentList, m_frequentList, m_bAddFrequentItems, CShoppingList::kByIngredient, view);
    // A frequent item that is not checked is not bought: merged in, it would add to an entry's
    // quantity or, first of its name, hide the whole entry.
    view.erase(std::remove_if(view.begin(), view.end(),
                              [this](const CShoppingListItem* pItem) {
                                  return !pItem->m_checked && m_frequentList.FindBySerial(pItem->GetSerial()) == pItem;
                              }),
               view.end());
    m_summaryList.DeleteAll();
    CShoppingListItem* pEntry = nullptr;
    for (CShoppingListItem* pItem : view)
    {
        if (pEntry != nullptr && pEntry->GetLine().m_name == pItem->GetLine().m_name && pEntry->MergeItem(*pItem))
            continue;
        pEntry = new CShoppingListItem(*pItem, TRUE);
        m_summaryList.Add(pEntry);
    }
}

int CShopMgr::WriteShoppingList(CPageFormatter& output, BOOL bWithAdditionalItems)
{
    CShoppingListWriter(*this, output).Write(bWithAdditionalItems);
    return 1;
}

int CShopMgr::DisplayShoppingList(CPageFormatter* pPane, LONG layoutMode, LONG store)
{
    if (pPane == nullptr)
        return 0;
    m_bPrinting = 0;
    m_layoutMode = layoutMode;
    m_store = store;
    return WriteShoppingList(*pPane, FALSE);
}

int CShopMgr::PrintShoppingListToJob(CPrintInfo* pInfo, LONG layoutMode)
{
    CPrinterOutput* pOutput = pInfo != nullptr ? OpenPrintJobOutput(pInfo) : nullptr;
    if (pOutput == nullptr)
        return 0;
    m_layoutMode = layoutMode;
    WritePrinted(*pOutput, FALSE);
    return ClosePrintJobOutput(pOutput, 1);
}

int CShopMgr::PrintShoppingList(LONG layoutMode, LONG store)
{
    std::unique_ptr<CPageFormatter> output = OpenReportOutput(m_listName);
    if (output == nullptr)
        return 0;
    m_layoutMode = layoutMode;
    m_store = store;
    WritePrinted(*output, TRUE);
    return CloseReportOutput(std::move(output), 1);
}

BOOL CShopMgr::GetShowDetail()
{
    if (g_pAppSettings != nullptr)
        m_bShowDetail = g_pAppSettings->GetPrintRecord()->ShopIngredientDetail;
    return m_bShowDetail;
}

void CShopMgr::SetShowDetail(BOOL bShow)
{
    m_bShowDetail = bShow;
    if (g_pAppSettings != nullptr)
        g_pAppSettings->GetPrintRecord()->ShopIngredientDetail = bShow;
}

void CShopMgr::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    m_currentList.Serialize(ar);
    m_recipes.Serialize(ar);
    m_mealPlans.Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_bShowRecipeNames << m_bRemovePantryItems << m_bAddFrequentItems;
        return;
    }
    // The array takes any list item; the meal-plan lookups rely on meal-plan entries.
    for (int i = 0; i < m_mealPlans.GetSize(); ++i)
    {
        const CObject* pPlan = m_mealPlans.GetAt(i);
        if (pPlan != nullptr && !pPlan->IsKindOf(RUNTIME_CLASS(MenuListItem)))
            AfxThrowArchiveException(CArchiveException::badClass);
    }
    ar >> m_bShowRecipeNames >> m_bRemovePantryItems >> m_bAddFrequentItems;
}

// The printing flag stands only while the pages are written: the summary the screen shows is
// printed as it is, and rebuilt again at the next display.
void CShopMgr::WritePrinted(CPageFormatter& output, BOOL bWithAdditionalItems)
{
    m_bPrinting = 1;
    WriteShoppingList(output, bWithAdditionalItems);
    m_bPrinting = 0;
}

void CShopMgr::RenameOldShoppingFile()
{
    if (GetFileAttributesA(kLegacyListFile) != INVALID_FILE_ATTRIBUTES)
        MoveFileA(kLegacyListFile, ResourceText(IDS_DEFAULT_SHOPFILE) + kListExtension);
}

CString CShopMgr::ListFileName(const CString& listName)
{
    return listName + kListExtension;
}

int CShopMgr::SerializeShoppingFile(LPCSTR lpszPath, BOOL bLoad)
{
    const int result = SerializeFile(lpszPath, *this, bLoad);
    if (result != 0 && bLoad)
    {
        EmptyListContents();
        m_bShowRecipeNames = 0;
        m_bRemovePantryItems = 0;
        m_bAddFrequentItems = 0;
    }
    return result;
}

int CShopMgr::SerializeItemFile(LPCSTR lpszPath, CShoppingList& list, BOOL bLoad)
{
    const int result = SerializeFile(lpszPath, list, bLoad);
    if (result != 0 && bLoad)
        list.DeleteAll();
    return result;
}

void CShopMgr::EmptyListContents()
{
    m_currentList.DeleteAll();
    m_recipes.DeleteAll();
    m_mealPlans.DeleteAll();
}

void CShopMgr::StoreListName(const CString& name)
{
    m_listName = name;
    CSettingsFile settings;
    settings.SetSection(IDS_SECTION_SHOPPING);
    settings.WriteString(IDS_KEY_SHOPFILE, name);
}

BOOL CShopMgr::AddRecipeItem(const CRecipeListItem& entry, int servings, CStatusPopupDlg* pPopup,
                             std::vector<CRecordId>& recipePath)
{
    m_recipes.Add(new RecipeListItem(entry));
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    CRecipeData recipe;
    recipe.m_recipeId = entry.m_id;
    if (pDatabase == nullptr || pDatabase->LoadRecipe(&recipe, CRecipeData::kLoadLines) != 0)
        return FALSE;
    if (pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr)
        pPopup->SetText(entry.m_name, kStatusRecipeLine);
    recipePath.push_back(entry.m_id);
    AddRecipeLines(entry, recipe.m_lines, servings, recipePath);
    recipePath.pop_back();
    return TRUE;
}

// A recipe used inside a recipe is scaled against its own servings; one already being followed
// (a recipe that uses itself, directly or through others) is not followed again.
void CShopMgr::AddRecipeLines(const CRecipeListItem& entry, const CObList& lines, int servings,
                              std::vector<CRecordId>& recipePath)
{
    const double factor = ScaleFactor(servings, entry);
    for (POSITION at = lines.GetHeadPosition(); at != nullptr;)
    {
        const auto* pLine = static_cast<const CIngData*>(lines.GetNext(at));
        if (pLine == nullptr)
            continue;
        if (pLine->m_lineType == kRecipeLine)
        {
            if (std::find(recipePath.begin(), recipePath.end(), pLine->m_itemId) != recipePath.end())
                continue;
            CRecipeListItem used;
            used.m_id = pLine->m_itemId;
            if (GetCurrentDatabase()->ReadRecipeListItem(&used, 1) != 0)
                AddRecipeItem(used, servings, nullptr, recipePath);
            continue;
        }
        if (pLine->m_name.IsEmpty())
            continue;
        CIngData scaled(*pLine);
        if (servings != 0)
        {
            scaled.m_maxQty *= factor;
            scaled.m_minQty *= factor;
        }
        m_currentList.Add(new CShoppingListItem(scaled, entry, factor));
    }
}

void CShopMgr::AddListEntry(CShoppingList& list, const CShoppingListItem& item, UINT nRecipeNameId)
{
    auto* pEntry = new CShoppingListItem(item, TRUE);
    pEntry->m_checked = 1;
    pEntry->m_adjusted = 0;
    pEntry->m_combined = 0;
    pEntry->m_recipeName = ResourceText(nRecipeNameId);
    pEntry->GetLine().m_preparation.Empty();
    list.Add(pEntry);
}

void CShopMgr::ShowNameRefusal(const CString& name)
{
    CString text;
    if (IsReservedDeviceName(name))
        text.Format(ResourceText(IDS_NAME_RESERVED_FOR_DEVICE), name.GetString());
    else
        text = ResourceText(IDS_SHOPPING_NAME_INVALID);
    if (LPCSTR pBad = FindInvalidFileNameChar(name))
    {
        CString tail;
        tail.Format(ResourceText(IDS_NAME_CHARACTER_NOT_ALLOWED), *pBad);
        text += tail;
    }
    AfxMessageBox(text);
}
