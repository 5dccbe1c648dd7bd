#pragma once

#include "framework/ArrayCore.h"
#include "framework/Object.h"

// Array of CObject pointers. It does not own its elements: removing or
// destroying never deletes them (owning kinds derive from it and say so).
class CObArray : public CObject, private CArrayCore<CObject*>
{
    DECLARE_SERIAL(CObArray)
public:
    CObArray() = default;
    CObArray(const CObArray&) = delete;
    CObArray& operator=(const CObArray&) = delete;

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

    void InsertAt(int nStartIndex, const CObArray* pNewArray) { InsertArrayAt(nStartIndex, *pNewArray); }
    int Append(const CObArray& src) { return AppendArray(src); }
    void Copy(const CObArray& src) { CopyArray(src); }

    // The element count, then each element as an object record. Loading
    // replaces the elements (without deleting the old ones).
    void Serialize(CArchive& ar) override;

    // A damaged archive may hand out objects of other classes, or one object twice through a
    // back reference. Such elements are set to null without being deleted (another owner may
    // hold them), so that nothing casts them or deletes them twice. False when any was.
    bool DropForeignElements(const CRuntimeClass* pElementClass);
};
