#include "framework/RuntimeClass.h"

#include <cstring>

namespace {
// Zero-initialised before any dynamic initialisation, so registrations from
// every translation unit's start-up code find a valid (empty) list.
CRuntimeClass* s_pFirstClass = nullptr;
}  // namespace

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass)
    {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    for (CRuntimeClass* pClass = s_pFirstClass; pClass != nullptr; pClass = pClass->m_pNextClass)
    {
        if (std::strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    return nullptr;
}

CClassInit::CClassInit(CRuntimeClass* pNewClass)
{
    pNewClass->m_pNextClass = s_pFirstClass;
    s_pFirstClass = pNewClass;
}
