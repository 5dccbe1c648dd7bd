#pragma once

#include <windef.h>

class CArchive;
class CObject;

// Run-time class record: one static instance per class that uses the
// DECLARE_/IMPLEMENT_ macros of Object.h. An aggregate, so that every record
// is constant-initialised and usable before any constructor of the program
// runs; the macros also add it to the registry searched by FromName.
struct CRuntimeClass
{
    enum : UINT
    {
        kNoSchema = 0xFFFF
    };  // not serialisable

    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                   // archive schema, or kNoSchema
    CObject* (*m_pfnCreateObject)();  // null: no dynamic creation
    CRuntimeClass* m_pBaseClass;      // null only for CObject
    CRuntimeClass* m_pNextClass;      // registry link, set at start-up

    // A new object of this class, or null when the class is not creatable.
    CObject* CreateObject() const;
    // TRUE when this class is pBaseClass or derives from it.
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // The registered class of that exact (case-sensitive) name, or null.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
};

// Adds a class record to the registry; the IMPLEMENT_ macros make one per class.
struct CClassInit
{
    explicit CClassInit(CRuntimeClass* pNewClass);
};
