#pragma once

#include "framework/MapCore.h"
#include "framework/Object.h"

// Hash map from 16-bit keys to untyped pointers; never deletes the values.
class CMapWordToPtr : public CObject, private CMapCore<WORD, WORD, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    // The block size is accepted for the callers' sake; nodes are single.
    explicit CMapWordToPtr(int nBlockSize = 10);

    using CMapCore::GetCount;
    using CMapCore::GetHashTableSize;
    using CMapCore::GetNextAssoc;
    using CMapCore::GetSize;
    using CMapCore::GetStartPosition;
    using CMapCore::InitHashTable;
    using CMapCore::IsEmpty;
    using CMapCore::Lookup;
    using CMapCore::RemoveAll;
    using CMapCore::RemoveKey;
    using CMapCore::SetAt;
    using CMapCore::operator[];
};
