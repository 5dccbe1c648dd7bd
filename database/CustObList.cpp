#include "database/CustObList.h"

#include "database/IngData.h"
#include "database/Item.h"
#include "framework/Archive.h"
#include "framework/ArchiveException.h"

#include <cctype>
#include <cstring>
#include <set>

IMPLEMENT_SERIAL(CCustObList, CObList, 5)

namespace {
// The lists hold list items or ingredient lines; nothing else can be copied.
CObject* CopyOf(const CObject* pElement)
{
    if (pElement && pElement->IsKindOf(RUNTIME_CLASS(CIngData)))
        return new CIngData(*static_cast<const CIngData*>(pElement));
    if (pElement && pElement->IsKindOf(RUNTIME_CLASS(CItem)))
        return static_cast<const CItem*>(pElement)->Clone();
    return nullptr;
}

bool SameElement(const CObject* pMine, const CObject* pTheirs)
{
    if (!pMine || !pTheirs)
        return false;
    if (pMine->IsKindOf(RUNTIME_CLASS(CIngData)) && pTheirs->IsKindOf(RUNTIME_CLASS(CIngData)))
        return *static_cast<const CIngData*>(pMine) == *static_cast<const CIngData*>(pTheirs);
    return pMine->IsKindOf(RUNTIME_CLASS(CItem)) && pTheirs->IsKindOf(RUNTIME_CLASS(CItem)) &&
           *static_cast<const CItem*>(pMine) == *static_cast<const CItem*>(pTheirs);
}
}  // namespace

CCustObList::CCustObList() : CObList(10) {}

CCustObList::CCustObList(const CCustObList& other) : CCustObList()
{
    *this = other;
}

CCustObList& CCustObList::operator=(const CCustObList& other)
{
    if (this == &other)
        return *this;
    DeleteAll();
    for (POSITION position = other.GetHeadPosition(); position;)
        AddTail(CopyOf(other.GetNext(position)));
    return *this;
}

CCustObList::~CCustObList()
{
    DeleteAll();
}

void CCustObList::DeleteAll()
{
    while (!IsEmpty())
        delete RemoveHead();
}

bool CCustObList::operator==(const CCustObList& other) const
{
    if (GetCount() != other.GetCount())
        return false;
    POSITION mine = GetHeadPosition();
    POSITION theirs = other.GetHeadPosition();
    while (mine)
    {
        if (!SameElement(GetNext(mine), other.GetNext(theirs)))
            return false;
    }
    return true;
}

void CCustObList::Load(CArchive& ar, const CRuntimeClass* elementClass)
{
    DeleteAll();
    try
    {
        CObList::Serialize(ar);
    }
    catch (...)
    {
        DropForeignElements(elementClass);
        throw;
    }
    if (!DropForeignElements(elementClass))
        AfxThrowArchiveException(CArchiveException::badClass);
}

void CCustObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        CObList::Serialize(ar);
    else
        Load(ar, RUNTIME_CLASS(CObject));
}

// Dropped elements are removed without being deleted: another owner may hold them.
bool CCustObList::DropForeignElements(const CRuntimeClass* elementClass)
{
    bool allOwn = true;
    std::set<const CObject*> seen;
    for (POSITION position = GetHeadPosition(); position;)
    {
        POSITION current = position;
        const CObject* pElement = GetNext(position);
        if (pElement && (!seen.insert(pElement).second || !pElement->IsKindOf(elementClass)))
        {
            RemoveAt(current);
            allOwn = false;
        }
    }
    return allOwn;
}

CString TrimRightCopy(const char* text)
{
    size_t length = strlen(text);
    while (length > 0 && isspace(static_cast<unsigned char>(text[length - 1])))
        --length;
    return CString(text, static_cast<int>(length));
}
