#include "framework/MapStringToPtr.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

void* AsValue(int n)
{
    return reinterpret_cast<void*>(static_cast<INT_PTR>(n));
}

TEST(MapStringToPtr, SetLookUpAndRemove)
{
    CMapStringToPtr map;
    void* value = AsValue(99);
    EXPECT_FALSE(map.Lookup("000001", value));
    EXPECT_EQ(AsValue(99), value);

    map.SetAt("000001", AsValue(4));
    map["000002"] = AsValue(6);
    map.SetAt("000001", AsValue(8));
    EXPECT_EQ(2, map.GetCount());
    ASSERT_TRUE(map.Lookup("000001", value));
    EXPECT_EQ(AsValue(8), value);
    EXPECT_FALSE(map.Lookup("00000", value));

    // operator[] of a missing key adds it with a null value.
    EXPECT_EQ(nullptr, map["000003"]);
    EXPECT_EQ(3, map.GetCount());

    EXPECT_TRUE(map.RemoveKey("000002"));
    EXPECT_FALSE(map.RemoveKey("000002"));
    EXPECT_FALSE(map.Lookup("000002", value));
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(MapStringToPtr, KeysAreCaseSensitive)
{
    CMapStringToPtr map;
    map["Soup"] = AsValue(1);
    void* value = nullptr;
    EXPECT_FALSE(map.Lookup("soup", value));
}

TEST(MapStringToPtr, IterationVisitsEveryElementOnceAfterGrowth)
{
    CMapStringToPtr map;
    std::map<std::string, void*> expected;
    for (int i = 0; i < 500; ++i)
    {
        CString key;
        key.Format("%06d", i * 7);
        map[key] = AsValue(i);
        expected[key.GetString()] = AsValue(i);
    }
    EXPECT_EQ(500, map.GetCount());

    std::map<std::string, void*> seen;
    for (POSITION position = map.GetStartPosition(); position != nullptr;)
    {
        CString key;
        void* value = nullptr;
        map.GetNextAssoc(position, key, value);
        EXPECT_TRUE(seen.emplace(key.GetString(), value).second) << key.GetString();
    }
    EXPECT_EQ(expected, seen);
}

TEST(MapStringToPtr, TheElementJustVisitedMayBeRemoved)
{
    CMapStringToPtr map;
    for (int i = 0; i < 40; ++i)
    {
        CString key;
        key.Format("k%d", i);
        map[key] = AsValue(i);
    }
    int visited = 0;
    for (POSITION position = map.GetStartPosition(); position != nullptr;)
    {
        CString key;
        void* value = nullptr;
        map.GetNextAssoc(position, key, value);
        EXPECT_TRUE(map.RemoveKey(key));
        ++visited;
    }
    EXPECT_EQ(40, visited);
    EXPECT_TRUE(map.IsEmpty());
}

TEST(MapStringToPtr, InitHashTableKeepsTheElements)
{
    CMapStringToPtr map;
    map["a"] = AsValue(1);
    map["b"] = AsValue(2);
    map.InitHashTable(101);
    EXPECT_EQ(101u, map.GetHashTableSize());
    void* value = nullptr;
    ASSERT_TRUE(map.Lookup("b", value));
    EXPECT_EQ(AsValue(2), value);
}

}  // namespace
