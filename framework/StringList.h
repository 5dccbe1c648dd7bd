#pragma once

#include "framework/ListCore.h"
#include "framework/Object.h"
#include "framework/String.h"

// Doubly linked list of strings (values); Find compares case-sensitively.
class CStringList : public CObject, private CListCore<CString>
{
    DECLARE_SERIAL(CStringList)
public:
    // The block size is accepted for the callers' sake; nodes are single.
    explicit CStringList(int nBlockSize = 10);

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

    void AddHead(const CStringList* pNewList) { AddHeadList(*pNewList); }
    void AddTail(const CStringList* pNewList) { AddTailList(*pNewList); }

    // The element count, then each string. Loading appends.
    void Serialize(CArchive& ar) override;
};
