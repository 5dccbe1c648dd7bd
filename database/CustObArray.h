#pragma once

#include "framework/ObArray.h"

class CItem;
class CListItem;
class CRecordId;

// An owning array of list items with a key word and a current position. Elements are
// deleted with the array; assignment copies them.
class CCustObArray : public CObArray
{
    DECLARE_SERIAL(CCustObArray)
public:
    enum : LONG
    {
        kNoKey = 999999
    };

    CCustObArray();
    CCustObArray(const CCustObArray& other);
    CCustObArray& operator=(const CCustObArray& other);
    ~CCustObArray() override;

    // Deletes every element; the current index goes back to 0.
    virtual void DeleteAll();

    // Inserts before the first element whose name is greater (byte order), so equal
    // names keep their arrival order. With renumber, the item and every element after
    // it take their index as their value.
    void InsertSorted(CListItem* pItem, BOOL renumber);
    // The last element whose value is key becomes current.
    void SetCurrentByKey(LONG key);
    // Ignored outside the array.
    void SetCurrentIndex(int index);
    int GetCurrentIndex() const { return m_currentIndex; }
    BOOL IsEmpty() const { return GetSize() < 1; }

    // Same size and, pair by pair, the same id and type letter.
    bool operator==(const CCustObArray& other) const;
    bool operator!=(const CCustObArray& other) const { return !(*this == other); }

    void Compact();
    CItem* FindById(const CRecordId& id) const;
    CItem* GetItemAt(int index) const;

    void Serialize(CArchive& ar) override;

    LONG m_keyWord;

protected:
    // The class that every element of a loaded array must be of.
    virtual const CRuntimeClass* GetElementClass() const;

private:
    LONG m_currentIndex;
};
