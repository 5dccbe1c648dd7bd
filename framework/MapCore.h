#pragma once

#include <cassert>
#include <new>
#include <vector>
#include <windef.h>

#include "framework/FrameworkAllocator.h"
#include "framework/Position.h"

// Hash values of the maps' key types.
inline UINT HashKey(WORD key)
{
    return key;
}

inline UINT HashKey(LPCSTR key)
{
    // FNV-1a over the bytes.
    UINT hash = 2166136261u;
    for (; *key != '\0'; ++key)
        hash = (hash ^ static_cast<unsigned char>(*key)) * 16777619u;
    return hash;
}

// The one implementation behind the framework's hash maps, used as a private
// base. KEY is the stored key, ARG_KEY what callers pass (a CString key is
// passed as LPCSTR). Values are stored as they are; the map never deletes
// what a pointer value points to. Iteration order is unspecified; removing
// the element that GetNextAssoc has just returned is allowed while iterating.
template <typename KEY, typename ARG_KEY, typename VALUE>
class CMapCore
{
public:
    CMapCore(const CMapCore&) = delete;
    CMapCore& operator=(const CMapCore&) = delete;
    ~CMapCore() { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const Node* pNode = FindNode(key);
        if (pNode == nullptr)
            return FALSE;
        rValue = pNode->value;
        return TRUE;
    }

    // The value stored under key, added as a zero value when missing.
    VALUE& operator[](ARG_KEY key)
    {
        Node* pNode = FindNode(key);
        return pNode != nullptr ? pNode->value : AddNode(key)->value;
    }

    void SetAt(ARG_KEY key, VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        for (Node** ppNode = &m_buckets[BucketOf(HashKey(key))]; *ppNode != nullptr; ppNode = &(*ppNode)->pNext)
        {
            if ((*ppNode)->key == key)
            {
                Node* pNode = *ppNode;
                *ppNode = pNode->pNext;
                FreeNode(pNode);
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }

    void RemoveAll()
    {
        for (Node*& pHead : m_buckets)
        {
            while (pHead != nullptr)
            {
                Node* pNode = pHead;
                pHead = pNode->pNext;
                FreeNode(pNode);
            }
        }
        m_nCount = 0;
    }

    // Null when the map is empty.
    POSITION GetStartPosition() const { return ToPosition(FirstNodeFrom(0)); }

    // Returns the element at rNextPosition and moves it on (null at the end).
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        assert(rNextPosition != nullptr);
        const Node* pNode = reinterpret_cast<const Node*>(rNextPosition);
        rKey = pNode->key;
        rValue = pNode->value;
        const Node* pNext = pNode->pNext != nullptr ? pNode->pNext : FirstNodeFrom(BucketOf(pNode->nHash) + 1);
        rNextPosition = ToPosition(pNext);
    }

    UINT GetHashTableSize() const { return static_cast<UINT>(m_buckets.size()); }

    // Sets the number of buckets, keeping the elements.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        (void)bAllocNow;
        Rehash(nHashSize > 0 ? nHashSize : 1);
    }

protected:
    CMapCore() = default;

private:
    struct Node
    {
        Node* pNext;
        UINT nHash;
        KEY key;
        VALUE value;
    };

    static const UINT kDefaultHashSize = 17;

    static POSITION ToPosition(const Node* pNode) { return reinterpret_cast<POSITION>(const_cast<Node*>(pNode)); }
    size_t BucketOf(UINT nHash) const { return nHash % m_buckets.size(); }

    Node* FindNode(ARG_KEY key) const
    {
        if (m_buckets.empty())
            return nullptr;
        const UINT nHash = HashKey(key);
        for (Node* pNode = m_buckets[BucketOf(nHash)]; pNode != nullptr; pNode = pNode->pNext)
        {
            if (pNode->nHash == nHash && pNode->key == key)
                return pNode;
        }
        return nullptr;
    }

    const Node* FirstNodeFrom(size_t nBucket) const
    {
        for (; nBucket < m_buckets.size(); ++nBucket)
        {
            if (m_buckets[nBucket] != nullptr)
                return m_buckets[nBucket];
        }
        return nullptr;
    }

    Node* AddNode(ARG_KEY key)
    {
        // Keep chains short: grow once the map holds twice as many elements
        // as buckets.
        if (m_buckets.empty())
            Rehash(kDefaultHashSize);
        else if (static_cast<size_t>(m_nCount) >= 2 * m_buckets.size())
            Rehash(static_cast<UINT>(2 * m_buckets.size() + 1));

        CFrameworkAllocator<Node> allocator;
        Node* pNode = allocator.allocate(1);
        try
        {
            new (pNode) Node{nullptr, HashKey(key), KEY(key), VALUE()};
        }
        catch (...)
        {
            allocator.deallocate(pNode, 1);
            throw;
        }
        Node*& pHead = m_buckets[BucketOf(pNode->nHash)];
        pNode->pNext = pHead;
        pHead = pNode;
        ++m_nCount;
        return pNode;
    }

    void Rehash(UINT nHashSize)
    {
        Buckets buckets(nHashSize, nullptr);
        for (Node* pHead : m_buckets)
        {
            while (pHead != nullptr)
            {
                Node* pNode = pHead;
                pHead = pNode->pNext;
                Node*& pNewHead = buckets[pNode->nHash % nHashSize];
                pNode->pNext = pNewHead;
                pNewHead = pNode;
            }
        }
        m_buckets.swap(buckets);
    }

    static void FreeNode(Node* pNode)
    {
        pNode->~Node();
        CFrameworkAllocator<Node>().deallocate(pNode, 1);
    }

    using Buckets = std::vector<Node*, CFrameworkAllocator<Node*>>;
    Buckets m_buckets;
    int m_nCount = 0;
};
