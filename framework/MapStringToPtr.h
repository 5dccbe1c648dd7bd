#pragma once

#include "framework/MapCore.h"
#include "framework/Object.h"
#include "framework/String.h"

// Hash map from strings (case-sensitive) to untyped pointers; never deletes
// the values.
class CMapStringToPtr : public CObject, private CMapCore<CString, LPCSTR, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    // The block size is accepted for the callers' sake; nodes are single.
    explicit CMapStringToPtr(int nBlockSize = 10);

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
