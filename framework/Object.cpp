#include "framework/Object.h"

CRuntimeClass CObject::classCObject = {
    "CObject", static_cast<int>(sizeof(CObject)), CRuntimeClass::kNoSchema, nullptr, nullptr, nullptr};

static const CClassInit s_classInitCObject(RUNTIME_CLASS(CObject));

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

void CObject::Serialize(CArchive&) {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != CRuntimeClass::kNoSchema;
}
