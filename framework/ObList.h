#pragma once

#include "framework/ListCore.h"
#include "framework/Object.h"

// Doubly linked list of CObject pointers. It does not own its elements:
// removing or destroying never deletes them (owning kinds derive from it).
class CObList : public CObject, private CListCore<CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    // The block size is accepted for the callers' sake; nodes are single.
    explicit CObList(int nBlockSize = 10);

    using CListCore::AddHead;
    using CListCore::AddTail;
    using CListCore::Find;
    using CListCore::FindIndex;
    using CListCore::GetAt;
    using CListCore::GetCount;
    using CListCore::GetHead;
    using CListCore::GetHeadPosition;
    using CListCore::GetNext;
    using CListCore::GetPrev;
    using CListCore::GetSize;
    using CListCore::GetTail;
    using CListCore::GetTailPosition;
    using CListCore::InsertAfter;
    using CListCore::InsertBefore;
    using CListCore::IsEmpty;
    using CListCore::RemoveAll;
    using CListCore::RemoveAt;
    using CListCore::RemoveHead;
    using CListCore::RemoveTail;
    using CListCore::SetAt;

    void AddHead(const CObList* pNewList) { AddHeadList(*pNewList); }
    void AddTail(const CObList* pNewList) { AddTailList(*pNewList); }

    // The element count, then each element as an object record. Loading
    // appends to the elements already there.
    void Serialize(CArchive& ar) override;
};
