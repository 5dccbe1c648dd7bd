#include "framework/Object.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/Archive.h"

namespace {

class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
};

class CSquare : public CShape
{
    DECLARE_SERIAL(CSquare)
};

IMPLEMENT_DYNAMIC(CShape, CObject)
IMPLEMENT_DYNCREATE(CCircle, CShape)
IMPLEMENT_SERIAL(CSquare, CShape, 4)

TEST(Object, RuntimeClassRecordsDescribeTheClass)
{
    const CRuntimeClass* pClass = RUNTIME_CLASS(CSquare);
    EXPECT_STREQ("CSquare", pClass->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(CSquare)), pClass->m_nObjectSize);
    EXPECT_EQ(4u, pClass->m_wSchema);
    EXPECT_EQ(RUNTIME_CLASS(CShape), pClass->m_pBaseClass);
    EXPECT_EQ(RUNTIME_CLASS(CObject), RUNTIME_CLASS(CShape)->m_pBaseClass);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->m_pBaseClass);
}

TEST(Object, IsKindOfFollowsTheBaseClasses)
{
    CCircle circle;
    const CObject& object = circle;
    EXPECT_EQ(RUNTIME_CLASS(CCircle), object.GetRuntimeClass());
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(object.IsKindOf(RUNTIME_CLASS(CSquare)));
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
}

TEST(Object, OnlyCreatableClassesAreCreated)
{
    std::unique_ptr<CObject> circle(RUNTIME_CLASS(CCircle)->CreateObject());
    ASSERT_NE(nullptr, circle);
    EXPECT_EQ(RUNTIME_CLASS(CCircle), circle->GetRuntimeClass());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());
}

TEST(Object, OnlyClassesWithASchemaAreSerializable)
{
    CCircle circle;
    CSquare square;
    EXPECT_FALSE(circle.IsSerializable());
    EXPECT_TRUE(square.IsSerializable());
}

TEST(Object, ClassesAreFoundByTheirExactName)
{
    EXPECT_EQ(RUNTIME_CLASS(CSquare), CRuntimeClass::FromName("CSquare"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName("CObject"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("csquare"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CNoSuchClass"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(nullptr));
}

}  // namespace
