#pragma once

#include "database/CustObArray.h"
#include "framework/MapWordToPtr.h"

class CategoryListItem;

// Category items addressed by their slot number (the relative index of each item).
// Invariant: every element stands in the array once and is mapped under its own slot
// number, so elements are deleted through the array and found through the map.
class CSlotArray : public CCustObArray
{
public:
    CSlotArray();
    CSlotArray(const CSlotArray& other);
    CSlotArray& operator=(const CSlotArray& other);

    CategoryListItem* GetAtSlot(int slot) const;
    // Takes ownership; returns the item's array index.
    int AddAtSlot(CategoryListItem* pItem);
    // Takes ownership; an element already at the item's slot is deleted.
    void ReplaceAtSlot(CategoryListItem* pItem);
    // Takes ownership. An element already at index takes over the item's fields (and
    // the item is deleted); otherwise the item is stored there or appended. Returns 1.
    int SetAtSlot(int index, CategoryListItem* pItem);
    // Inserts copies of the other array's elements at start.
    void InsertRange(int start, const CSlotArray& other);
    // Replaces the elements with copies of the other array's.
    void Copy(const CSlotArray& other);

    // Does nothing on an empty array.
    void DeleteAll() override;
    int GetHighestSlot() const { return m_highestSlot; }

    void Serialize(CArchive& ar) override;

protected:
    const CRuntimeClass* GetElementClass() const override;

private:
    CategoryListItem* GetCategoryAt(int index) const;
    int FindIndex(const CObject* pElement) const;
    void MapElement(CategoryListItem* pItem);
    void RebuildMap();

    CMapWordToPtr m_slotMap;
    int m_highestSlot;
};
