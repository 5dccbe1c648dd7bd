#pragma once

#include <cassert>
#include <new>
#include <windef.h>

#include "framework/FrameworkAllocator.h"
#include "framework/Position.h"

// The one implementation behind the framework's doubly linked lists, used as
// a private base. A POSITION names a node; it stays valid until that node is
// removed. The list never deletes what its pointer elements point to. Using
// an element of an empty list or a null POSITION is a programming error.
template <typename T>
class CListCore
{
public:
    CListCore(const CListCore&) = delete;
    CListCore& operator=(const CListCore&) = delete;
    ~CListCore() { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    T& GetHead() { return NodeAt(Head())->data; }
    const T& GetHead() const { return NodeAt(Head())->data; }
    T& GetTail() { return NodeAt(Tail())->data; }
    const T& GetTail() const { return NodeAt(Tail())->data; }

    T RemoveHead()
    {
        T data = GetHead();
        RemoveAt(Head());
        return data;
    }
    T RemoveTail()
    {
        T data = GetTail();
        RemoveAt(Tail());
        return data;
    }

    POSITION AddHead(const T& newElement) { return InsertBefore(Head(), newElement); }
    POSITION AddTail(const T& newElement) { return InsertAfter(Tail(), newElement); }

    void RemoveAll()
    {
        while (m_pHead != nullptr)
            RemoveAt(Head());
    }

    POSITION GetHeadPosition() const { return Head(); }
    POSITION GetTailPosition() const { return Tail(); }

    // Return the element at rPosition and move rPosition on (null at the end).
    T& GetNext(POSITION& rPosition) { return Step(rPosition, &Node::pNext)->data; }
    const T& GetNext(POSITION& rPosition) const { return Step(rPosition, &Node::pNext)->data; }
    T& GetPrev(POSITION& rPosition) { return Step(rPosition, &Node::pPrev)->data; }
    const T& GetPrev(POSITION& rPosition) const { return Step(rPosition, &Node::pPrev)->data; }

    T& GetAt(POSITION position) { return NodeAt(position)->data; }
    const T& GetAt(POSITION position) const { return NodeAt(position)->data; }
    void SetAt(POSITION position, const T& newElement) { NodeAt(position)->data = newElement; }

    void RemoveAt(POSITION position)
    {
        Node* pNode = NodeAt(position);
        (pNode->pPrev != nullptr ? pNode->pPrev->pNext : m_pHead) = pNode->pNext;
        (pNode->pNext != nullptr ? pNode->pNext->pPrev : m_pTail) = pNode->pPrev;
        --m_nCount;
        FreeNode(pNode);
    }

    // A null position inserts at the head / the tail.
    POSITION InsertBefore(POSITION position, const T& newElement)
    {
        Node* pNext = position != nullptr ? NodeAt(position) : m_pHead;
        return Link(pNext != nullptr ? pNext->pPrev : m_pTail, pNext, newElement);
    }
    POSITION InsertAfter(POSITION position, const T& newElement)
    {
        Node* pPrev = position != nullptr ? NodeAt(position) : m_pTail;
        return Link(pPrev, pPrev != nullptr ? pPrev->pNext : m_pHead, newElement);
    }

    // The first element equal to searchValue after startAfter (from the
    // head when null), or null.
    POSITION Find(const T& searchValue, POSITION startAfter = nullptr) const
    {
        Node* pNode = startAfter != nullptr ? NodeAt(startAfter)->pNext : m_pHead;
        while (pNode != nullptr && !(pNode->data == searchValue))
            pNode = pNode->pNext;
        return ToPosition(pNode);
    }

    // The position of the nIndex-th element, or null when there is none.
    POSITION FindIndex(int nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        Node* pNode = m_pHead;
        while (nIndex-- > 0)
            pNode = pNode->pNext;
        return ToPosition(pNode);
    }

protected:
    CListCore() = default;

    void AddHeadList(const CListCore& other)
    {
        // Walk backwards so that the other list keeps its order; safe when
        // other is this list, as only the new head grows.
        POSITION position = other.GetTailPosition();
        for (int n = other.GetCount(); n > 0; --n)
            AddHead(other.GetPrev(position));
    }
    void AddTailList(const CListCore& other)
    {
        POSITION position = other.GetHeadPosition();
        for (int n = other.GetCount(); n > 0; --n)
            AddTail(other.GetNext(position));
    }

private:
    struct Node
    {
        Node* pNext;
        Node* pPrev;
        T data;
    };

    static POSITION ToPosition(Node* pNode) { return reinterpret_cast<POSITION>(pNode); }
    static Node* NodeAt(POSITION position)
    {
        assert(position != nullptr);
        return reinterpret_cast<Node*>(position);
    }
    POSITION Head() const { return ToPosition(m_pHead); }
    POSITION Tail() const { return ToPosition(m_pTail); }

    static Node* Step(POSITION& rPosition, Node* Node::*pLink)
    {
        Node* pNode = NodeAt(rPosition);
        rPosition = ToPosition(pNode->*pLink);
        return pNode;
    }

    POSITION Link(Node* pPrev, Node* pNext, const T& newElement)
    {
        CFrameworkAllocator<Node> allocator;
        Node* pNode = allocator.allocate(1);
        try
        {
            new (pNode) Node{pNext, pPrev, newElement};
        }
        catch (...)
        {
            allocator.deallocate(pNode, 1);
            throw;
        }
        (pPrev != nullptr ? pPrev->pNext : m_pHead) = pNode;
        (pNext != nullptr ? pNext->pPrev : m_pTail) = pNode;
        ++m_nCount;
        return ToPosition(pNode);
    }

    static void FreeNode(Node* pNode)
    {
        pNode->~Node();
        CFrameworkAllocator<Node>().deallocate(pNode, 1);
    }

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    int m_nCount = 0;
};
