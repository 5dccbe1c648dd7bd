#include "framework/GdiObject.h"

#include <windows.h>

#include <vector>

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace {

std::vector<std::unique_ptr<CGdiObject>>& Temps()
{
    static std::vector<std::unique_ptr<CGdiObject>> temps;
    return temps;
}

}  // namespace

CGdiObject::CGdiObject(CGdiObject&& other) noexcept
    : CObject(), m_hObject(other.m_hObject), m_bBorrowed(other.m_bBorrowed)
{
    other.m_hObject = nullptr;
}

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept
{
    if (this != &other)
    {
        DeleteObject();
        m_hObject = other.m_hObject;
        m_bBorrowed = other.m_bBorrowed;
        other.m_hObject = nullptr;
    }
    return *this;
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    m_bBorrowed = FALSE;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    HGDIOBJ hObject = Detach();
    return hObject != nullptr && !m_bBorrowed && ::DeleteObject(hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    DeleteObject();
    m_hObject = ::GetStockObject(nIndex);
    m_bBorrowed = TRUE;
    return m_hObject != nullptr;
}

int CGdiObject::GetObject(int nCount, void* lpObject) const
{
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

void CGdiObject::KeepTemp(std::unique_ptr<CGdiObject> pTemp)
{
    Temps().push_back(std::move(pTemp));
}

void CGdiObject::DeleteTempMap()
{
    Temps().clear();
}
