#include "database/SlotArray.h"

#include "database/CategoryListItem.h"
#include "framework/Archive.h"

namespace {
WORD SlotKey(const CategoryListItem* pItem)
{
    return static_cast<WORD>(pItem->m_relIndex);
}
}  // namespace

CSlotArray::CSlotArray() : m_slotMap(10), m_highestSlot(-1) {}

CSlotArray::CSlotArray(const CSlotArray& other) : CSlotArray()
{
    Copy(other);
}

CSlotArray& CSlotArray::operator=(const CSlotArray& other)
{
    Copy(other);
    return *this;
}

CategoryListItem* CSlotArray::GetAtSlot(int slot) const
{
    void* pElement = nullptr;
    if (!m_slotMap.Lookup(static_cast<WORD>(slot), pElement))
        return nullptr;
    return static_cast<CategoryListItem*>(pElement);
}

int CSlotArray::AddAtSlot(CategoryListItem* pItem)
{
    MapElement(pItem);
    return Add(pItem);
}

void CSlotArray::ReplaceAtSlot(CategoryListItem* pItem)
{
    CategoryListItem* pOld = GetAtSlot(pItem->m_relIndex);
    int index = FindIndex(pOld);
    if (index < 0)
    {
        AddAtSlot(pItem);
        return;
    }
    SetAt(index, pItem);
    delete pOld;
    MapElement(pItem);
}

int CSlotArray::SetAtSlot(int index, CategoryListItem* pItem)
{
    CategoryListItem* pExisting = index >= 0 && index < GetSize() ? GetCategoryAt(index) : nullptr;
    if (pExisting)
    {
        m_slotMap.RemoveKey(SlotKey(pExisting));
        *pExisting = *pItem;
        delete pItem;
        MapElement(pExisting);
    }
    else if (index >= 0 && index < GetSize())
    {
        SetAt(index, pItem);
        MapElement(pItem);
    }
    else
    {
        AddAtSlot(pItem);
    }
    return 1;
}

void CSlotArray::InsertRange(int start, const CSlotArray& other)
{
    CSlotArray copies;
    copies.Copy(other);
    for (int i = 0; i < copies.GetSize(); ++i)
    {
        CategoryListItem* pItem = copies.GetCategoryAt(i);
        InsertAt(start + i, pItem);
        MapElement(pItem);
    }
    // The copies now belong to this array.
    copies.RemoveAll();
}

void CSlotArray::Copy(const CSlotArray& other)
{
    if (this == &other)
        return;
    DeleteAll();
    for (int i = 0; i < other.GetSize(); ++i)
    {
        const CategoryListItem* pItem = other.GetCategoryAt(i);
        if (pItem)
            AddAtSlot(new CategoryListItem(*pItem));
    }
}

void CSlotArray::DeleteAll()
{
    if (IsEmpty())
        return;
    CCustObArray::DeleteAll();
    m_slotMap.RemoveAll();
    m_highestSlot = -1;
}

void CSlotArray::Serialize(CArchive& ar)
{
    CCustObArray::Serialize(ar);
    if (ar.IsLoading())
        RebuildMap();
}

const CRuntimeClass* CSlotArray::GetElementClass() const
{
    return RUNTIME_CLASS(CategoryListItem);
}

CategoryListItem* CSlotArray::GetCategoryAt(int index) const
{
    return static_cast<CategoryListItem*>(GetAt(index));
}

int CSlotArray::FindIndex(const CObject* pElement) const
{
    for (int i = 0; pElement && i < GetSize(); ++i)
    {
        if (GetAt(i) == pElement)
            return i;
    }
    return -1;
}

void CSlotArray::MapElement(CategoryListItem* pItem)
{
    m_slotMap.SetAt(SlotKey(pItem), pItem);
    if (pItem->m_relIndex > m_highestSlot)
        m_highestSlot = pItem->m_relIndex;
}

// The archive carries no map: it is rebuilt from the elements' own slot numbers.
void CSlotArray::RebuildMap()
{
    m_slotMap.RemoveAll();
    m_highestSlot = -1;
    for (int i = 0; i < GetSize(); ++i)
    {
        CategoryListItem* pItem = GetCategoryAt(i);
        if (pItem)
            MapElement(pItem);
    }
}
