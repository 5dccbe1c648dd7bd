#include "framework/MapWordToPtr.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(MapWordToPtr, SlotsMapToTheirPointersAndIterateOnce)
{
    int items[300];
    CMapWordToPtr map;
    for (WORD slot = 0; slot < 300; ++slot)
        map[slot] = &items[slot];
    map.SetAt(0xFFFF, &items[0]);
    EXPECT_EQ(301, map.GetCount());

    void* value = nullptr;
    ASSERT_TRUE(map.Lookup(123, value));
    EXPECT_EQ(&items[123], value);
    EXPECT_FALSE(map.Lookup(300, value));
    EXPECT_TRUE(map.RemoveKey(123));
    EXPECT_FALSE(map.Lookup(123, value));

    std::set<WORD> seen;
    for (POSITION position = map.GetStartPosition(); position != nullptr;)
    {
        WORD slot = 0;
        map.GetNextAssoc(position, slot, value);
        EXPECT_TRUE(seen.insert(slot).second);
        EXPECT_EQ(slot == 0xFFFF ? &items[0] : &items[slot], value);
    }
    EXPECT_EQ(300u, seen.size());
}

}  // namespace
