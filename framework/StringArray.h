#pragma once

#include "framework/ArrayCore.h"
#include "framework/Object.h"
#include "framework/String.h"

// Array of strings (values).
class CStringArray : public CObject, private CArrayCore<CString>
{
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray() = default;
    CStringArray(const CStringArray&) = delete;
    CStringArray& operator=(const CStringArray&) = delete;

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

    void InsertAt(int nStartIndex, const CStringArray* pNewArray) { InsertArrayAt(nStartIndex, *pNewArray); }
    int Append(const CStringArray& src) { return AppendArray(src); }
    void Copy(const CStringArray& src) { CopyArray(src); }

    // The element count, then each string. Loading replaces the elements.
    void Serialize(CArchive& ar) override;
};
