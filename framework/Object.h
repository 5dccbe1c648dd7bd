#pragma once

#include <windef.h>

#include "framework/RuntimeClass.h"

class CArchive;

// Root of the framework's classes: run-time class information and archive
// serialisation. Copying is protected so that record classes may default
// their own copy operations while a bare CObject is never sliced.
class CObject
{
public:
    virtual ~CObject() = default;

    virtual CRuntimeClass* GetRuntimeClass() const;
    // Does nothing; serialisable classes write their base's part first.
    virtual void Serialize(CArchive& ar);

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    static CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// In the class body: a run-time class record (DYNAMIC), plus creation by
// name (DYNCREATE), plus archive loading with a schema number (SERIAL).
// Each leaves the following members public.
#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
    static CRuntimeClass class##class_name;                                                                            \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)                                                                                     \
    DECLARE_DYNCREATE(class_name)                                                                                      \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

// In the class's source file, matching the DECLARE_ macro used.
#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                           \
    CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), (wSchema),       \
                                                   (pfnNew),    RUNTIME_CLASS(base_class_name),       nullptr};        \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                                 \
    {                                                                                                                  \
        return RUNTIME_CLASS(class_name);                                                                              \
    }                                                                                                                  \
    static const CClassInit s_classInit##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                                 \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, CRuntimeClass::kNoSchema, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
    CObject* class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, CRuntimeClass::kNoSchema, class_name::CreateObject)

// Needs framework/Archive.h included before it.
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                                         \
    CObject* class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, (wSchema), class_name::CreateObject)                           \
    [[maybe_unused]] CArchive& operator>>(CArchive& ar, class_name*& pOb)                                              \
    {                                                                                                                  \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));                                      \
        return ar;                                                                                                     \
    }
