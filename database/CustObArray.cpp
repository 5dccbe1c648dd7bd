#include "database/CustObArray.h"

#include "database/ListItem.h"
#include "framework/Archive.h"
#include "framework/ArchiveException.h"

IMPLEMENT_SERIAL(CCustObArray, CObArray, 5)

CCustObArray::CCustObArray() : m_keyWord(kNoKey), m_currentIndex(0) {}

CCustObArray::CCustObArray(const CCustObArray& other) : CCustObArray()
{
    *this = other;
}

CCustObArray& CCustObArray::operator=(const CCustObArray& other)
{
    if (this == &other)
        return *this;
    DeleteAll();
    for (int i = 0; i < other.GetSize(); ++i)
    {
        const CItem* pItem = other.GetItemAt(i);
        Add(pItem ? pItem->Clone() : nullptr);
    }
    return *this;
}

CCustObArray::~CCustObArray()
{
    CCustObArray::DeleteAll();
}

void CCustObArray::DeleteAll()
{
    for (int i = 0; i < GetSize(); ++i)
        delete GetAt(i);
    RemoveAll();
    m_currentIndex = 0;
}

void CCustObArray::InsertSorted(CListItem* pItem, BOOL renumber)
{
    int index = 0;
    while (index < GetSize() && static_cast<CListItem*>(GetAt(index))->m_name.Compare(pItem->m_name) <= 0)
        ++index;
    InsertAt(index, pItem);
    if (!renumber)
        return;
    for (int i = index; i < GetSize(); ++i)
        static_cast<CListItem*>(GetAt(i))->m_value = i;
}

void CCustObArray::SetCurrentByKey(LONG key)
{
    for (int i = GetSize() - 1; i >= 0; --i)
    {
        const CListItem* pItem = static_cast<const CListItem*>(GetAt(i));
        if (pItem && pItem->m_value == key)
        {
            m_currentIndex = i;
            return;
        }
    }
}

void CCustObArray::SetCurrentIndex(int index)
{
    if (index >= 0 && index < GetSize())
        m_currentIndex = index;
}

bool CCustObArray::operator==(const CCustObArray& other) const
{
    if (GetSize() != other.GetSize())
        return false;
    for (int i = 0; i < GetSize(); ++i)
    {
        const CItem* pMine = GetItemAt(i);
        const CItem* pTheirs = other.GetItemAt(i);
        if (pMine != pTheirs && (!pMine || !pTheirs || *pMine != *pTheirs))
            return false;
    }
    return true;
}

void CCustObArray::Compact()
{
    for (int i = GetSize() - 1; i >= 0; --i)
    {
        if (!GetAt(i))
            RemoveAt(i);
    }
}

CItem* CCustObArray::FindById(const CRecordId& id) const
{
    for (int i = 0; i < GetSize(); ++i)
    {
        CItem* pItem = GetItemAt(i);
        if (pItem && pItem->m_id == id)
            return pItem;
    }
    return nullptr;
}

CItem* CCustObArray::GetItemAt(int index) const
{
    return static_cast<CItem*>(GetAt(index));
}

const CRuntimeClass* CCustObArray::GetElementClass() const
{
    return RUNTIME_CLASS(CItem);
}

void CCustObArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        CObArray::Serialize(ar);
        ar << m_keyWord << m_currentIndex;
        return;
    }
    DeleteAll();
    try
    {
        CObArray::Serialize(ar);
    }
    catch (...)
    {
        DropForeignElements(GetElementClass());
        throw;
    }
    if (!DropForeignElements(GetElementClass()))
        AfxThrowArchiveException(CArchiveException::badClass);
    ar >> m_keyWord >> m_currentIndex;
    if (m_currentIndex < 0 || m_currentIndex >= GetSize())
        m_currentIndex = 0;
}
