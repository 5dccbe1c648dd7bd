#pragma once

#include "framework/ObList.h"
#include "framework/String.h"

// An owning list: a recipe's categories or its ingredient lines. Elements are deleted
// with the list; assignment copies them.
class CCustObList : public CObList
{
    DECLARE_SERIAL(CCustObList)
public:
    CCustObList();
    CCustObList(const CCustObList& other);
    CCustObList& operator=(const CCustObList& other);
    ~CCustObList() override;

    BOOL IsEmpty() const { return GetCount() == 0; }
    void DeleteAll();

    // Same count and, pair by pair, non-null elements that are equal: list items by id and
    // type letter, ingredient lines by their own equality.
    bool operator==(const CCustObList& other) const;
    bool operator!=(const CCustObList& other) const { return !(*this == other); }

    // Loading replaces the elements. Objects not of elementClass, or handed out twice by a
    // damaged archive, are dropped unowned and raise the archive's bad-class exception.
    void Load(CArchive& ar, const CRuntimeClass* elementClass);
    void Serialize(CArchive& ar) override;

private:
    bool DropForeignElements(const CRuntimeClass* elementClass);
};

// A copy of the text without its trailing white space.
CString TrimRightCopy(const char* text);
