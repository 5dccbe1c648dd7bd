#pragma once
// The category tree as the cookbook stores it, and a walk of its links.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "database/CategoryListItem.h"
#include "database/CookbookDatabase.h"
#include "database/PortRecordset.h"

namespace fixture {

struct CategoryNode
{
    std::string id;
    std::string parent;
    int firstKid;
    int sibling;
};

// The HICAT rows by slot.
inline std::map<int, CategoryNode> CategorySlots(CCookbookDatabase& database)
{
    std::map<int, CategoryNode> slots;
    CPortRecordset rs(&database);
    EXPECT_TRUE(rs.OpenTable("HICAT", "SELECT * FROM HICAT", nullptr));
    for (; !rs.IsEOF(); rs.MoveNext())
    {
        CategoryListItem item;
        database.ReadCategoryFields(item, rs);
        slots[item.m_relIndex] = {item.m_id.GetText(), item.m_secondId.GetText(), item.m_firstChild, item.m_sibling};
    }
    return slots;
}

// Walks the top-level chain and every FIRSTKID/SIBLING chain: each category is reached once,
// under its own parent.
inline void ExpectConsistentCategoryLinks(CCookbookDatabase& database)
{
    const std::map<int, CategoryNode> slots = CategorySlots(database);
    std::multiset<std::string> reached;
    auto walk = [&](int slot, const std::string& parent) {
        for (int steps = 0; slot >= 0 && steps <= static_cast<int>(slots.size()); ++steps)
        {
            const auto found = slots.find(slot);
            ASSERT_NE(slots.end(), found) << "dangling link to slot " << slot;
            EXPECT_EQ(parent, found->second.parent) << found->second.id;
            reached.insert(found->second.id);
            slot = found->second.sibling;
        }
    };
    const auto top =
        std::find_if(slots.begin(), slots.end(), [](const auto& s) { return s.second.parent == "000000"; });
    if (top != slots.end())
        walk(top->first, "000000");
    for (const auto& parent : slots)
        walk(parent.second.firstKid, parent.second.id);
    EXPECT_EQ(slots.size(), reached.size());
    EXPECT_EQ(reached.size(), std::set<std::string>(reached.begin(), reached.end()).size());
}

}  // namespace fixture
