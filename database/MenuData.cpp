#include "database/MenuData.h"

#include "database/Item.h"
#include "database/MenuItem.h"
#include "database/Nutrition.h"
#include "database/RecordArchive.h"
#include "framework/Archive.h"
#include "framework/ArchiveException.h"

IMPLEMENT_SERIAL(CMenuData, CObject, 2)

CMenuData::CMenuData() : m_servings(0), m_items(10), m_pNutrition(nullptr) {}

CMenuData::CMenuData(const CMenuData& other) : CMenuData()
{
    Copy(other);
}

CMenuData::~CMenuData()
{
    Clear();
    delete m_pNutrition;
}

void CMenuData::Copy(const CMenuData& other)
{
    m_name = other.m_name;
    m_id = other.m_id;
    m_description = other.m_description;
    m_servings = other.m_servings;
    SetNutrition(other.m_pNutrition);
    for (POSITION position = other.m_items.GetHeadPosition(); position != nullptr;)
        m_items.AddTail(new CMenuItem(*static_cast<const CMenuItem*>(other.m_items.GetNext(position))));
    CCustObList categories(other.m_categories);
    m_categories.AddTail(&categories);
    categories.RemoveAll();
    CCustObList lines(other.m_ingredientLines);
    m_ingredientLines.AddTail(&lines);
    lines.RemoveAll();
    for (int i = 0; i < other.m_references.GetSize(); ++i)
    {
        const CItem* pReference = other.m_references.GetItemAt(i);
        m_references.Add(pReference != nullptr ? pReference->Clone() : nullptr);
    }
}

void CMenuData::Clear()
{
    DeleteItems();
    m_categories.DeleteAll();
    m_ingredientLines.DeleteAll();
    m_references.DeleteAll();
    delete m_pNutrition;
    m_pNutrition = new NUTRITION;
    m_name.Empty();
    m_description.Empty();
    m_id = CRecordId();
    m_servings = 0;
}

BOOL CMenuData::HasScheduledItems() const
{
    for (POSITION position = m_items.GetHeadPosition(); position != nullptr;)
    {
        const CMenuItem* pItem = static_cast<const CMenuItem*>(m_items.GetNext(position));
        if (pItem->m_meal != 0 || pItem->m_day != 0)
            return TRUE;
    }
    return FALSE;
}

NUTRITION* CMenuData::GetNutrition()
{
    if (m_pNutrition == nullptr)
        m_pNutrition = new NUTRITION;
    return m_pNutrition;
}

void CMenuData::SetNutrition(const NUTRITION* pNutrition)
{
    delete m_pNutrition;
    m_pNutrition = pNutrition != nullptr ? new NUTRITION(*pNutrition) : nullptr;
}

void CMenuData::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_name << m_description;
        WriteRecordId(ar, m_id);
        m_items.Serialize(ar);
        return;
    }
    ar >> m_name >> m_description;
    ReadRecordId(ar, m_id);
    LoadItems(ar);
}

void CMenuData::DeleteItems()
{
    for (POSITION position = m_items.GetHeadPosition(); position != nullptr;)
        delete m_items.GetNext(position);
    m_items.RemoveAll();
}

// A damaged archive may hand out objects of another class, or one object twice: those are
// dropped without being deleted (the archive still owns them) and the load fails.
void CMenuData::LoadItems(CArchive& ar)
{
    DeleteItems();
    CObList loaded;
    loaded.Serialize(ar);
    BOOL allItems = TRUE;
    for (POSITION position = loaded.GetHeadPosition(); position != nullptr;)
    {
        CObject* pObject = loaded.GetNext(position);
        if (pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CMenuItem)) && m_items.Find(pObject) == nullptr)
            m_items.AddTail(pObject);
        else
            allItems = FALSE;
    }
    if (!allItems)
        AfxThrowArchiveException(CArchiveException::badClass);
}
