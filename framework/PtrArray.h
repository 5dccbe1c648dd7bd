#pragma once

#include "framework/ArrayCore.h"
#include "framework/Object.h"

// Array of untyped pointers; never deletes what they point to. Not
// serialisable: pointers mean nothing in a file.
class CPtrArray : public CObject, private CArrayCore<void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;
    CPtrArray(const CPtrArray&) = delete;
    CPtrArray& operator=(const CPtrArray&) = delete;

    using CArrayCore::Add;
    using CArrayCore::ElementAt;
    using CArrayCore::FreeExtra;
    using CArrayCore::GetAt;
    using CArrayCore::GetCount;
    using CArrayCore::GetData;
    using CArrayCore::GetSize;
    using CArrayCore::GetUpperBound;
    using CArrayCore::InsertAt;
    using CArrayCore::IsEmpty;
    using CArrayCore::RemoveAll;
    using CArrayCore::RemoveAt;
    using CArrayCore::SetAt;
    using CArrayCore::SetAtGrow;
    using CArrayCore::SetSize;
    using CArrayCore::operator[];

    void InsertAt(int nStartIndex, const CPtrArray* pNewArray) { InsertArrayAt(nStartIndex, *pNewArray); }
    int Append(const CPtrArray& src) { return AppendArray(src); }
    void Copy(const CPtrArray& src) { CopyArray(src); }
};
