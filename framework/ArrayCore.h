#pragma once

#include <cassert>
#include <vector>
#include <windef.h>

#include "framework/FrameworkAllocator.h"

// The one implementation behind the framework's arrays (of object pointers,
// plain pointers and strings), used as a private base: indexes are int, new
// elements are null / empty, and the array never deletes what its pointers
// point to. An index outside the array is a programming error (asserted).
template <typename T>
class CArrayCore
{
public:
    int GetSize() const { return static_cast<int>(m_data.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_data.empty(); }

    // nGrowBy is accepted for the callers' sake; growth is amortised anyway.
    void SetSize(int nNewSize, int nGrowBy = -1)
    {
        (void)nGrowBy;
        assert(nNewSize >= 0);
        m_data.resize(static_cast<size_t>(nNewSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const T& GetAt(int nIndex) const { return m_data[Checked(nIndex)]; }
    void SetAt(int nIndex, const T& newElement) { m_data[Checked(nIndex)] = newElement; }
    T& ElementAt(int nIndex) { return m_data[Checked(nIndex)]; }
    const T& operator[](int nIndex) const { return GetAt(nIndex); }
    T& operator[](int nIndex) { return ElementAt(nIndex); }
    const T* GetData() const { return m_data.data(); }
    T* GetData() { return m_data.data(); }

    void SetAtGrow(int nIndex, const T& newElement)
    {
        assert(nIndex >= 0);
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        m_data[static_cast<size_t>(nIndex)] = newElement;
    }

    int Add(const T& newElement)
    {
        m_data.push_back(newElement);
        return GetUpperBound();
    }

    // Elements from nIndex on move up by nCount; an nIndex past the end
    // first grows the array to it.
    void InsertAt(int nIndex, const T& newElement, int nCount = 1)
    {
        assert(nIndex >= 0 && nCount >= 0);
        if (nIndex > GetSize())
            SetSize(nIndex);
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), newElement);
    }

    void RemoveAt(int nIndex, int nCount = 1)
    {
        assert(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= GetSize());
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

protected:
    CArrayCore() = default;

    void InsertArrayAt(int nStartIndex, const CArrayCore& other)
    {
        assert(nStartIndex >= 0);
        if (nStartIndex > GetSize())
            SetSize(nStartIndex);
        // A copy first: other may be this array.
        const Storage copy(other.m_data);
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }

    // Returns the index of the first appended element.
    int AppendArray(const CArrayCore& other)
    {
        const int nOldSize = GetSize();
        InsertArrayAt(nOldSize, other);
        return nOldSize;
    }

    void CopyArray(const CArrayCore& other)
    {
        if (this != &other)
            m_data = other.m_data;
    }

private:
    using Storage = std::vector<T, CFrameworkAllocator<T>>;

    size_t Checked(int nIndex) const
    {
        assert(nIndex >= 0 && nIndex < GetSize());
        return static_cast<size_t>(nIndex);
    }

    Storage m_data;
};
