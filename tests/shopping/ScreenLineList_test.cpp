// The shopping list written onto the screen line list: one record per line, its kind telling
// spacers, rules and the item rows apart, its value naming the item.
#include "printing/ScreenLineList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "ShoppingDialogTest.h"
#include "database/IngData.h"
#include "shopping/ShoppingListItem.h"

namespace {

class ScreenLineListTest : public shoptest::ShoppingDialogTest
{
};

TEST_F(ScreenLineListTest, EveryWrittenLineBecomesARecordOfItsKindNamingItsItem)
{
    MakeList("Weekly", {"Irish Soda Bread"});
    g_pShopMgr->SetShowDetail(TRUE);
    CScreenLineList lines;
    ASSERT_EQ(1, g_pShopMgr->DisplayShoppingList(&lines, 0, 0));
    std::multiset<LONG> kinds;
    for (int i = 0; i < lines.GetCount(); ++i)
    {
        const CScreenLine& line = lines.GetLine(i);
        SCOPED_TRACE(line.LineText());
        kinds.insert(line.LineValue());
        if (line.LineValue() == 30 || line.LineValue() == 31)
        {
            const CShoppingListItem* pItem = g_pShopMgr->FindItemBySerial(static_cast<DWORD>(line.StyleValue()));
            ASSERT_NE(nullptr, pItem);
            EXPECT_NE(nullptr, strstr(line.LineText(), pItem->GetLine().m_name));
        }
        else
        {
            EXPECT_EQ(0, line.StyleValue());
        }
    }
    const size_t items = static_cast<size_t>(g_pShopMgr->GetCurrentList().GetSize());
    EXPECT_EQ(items, kinds.count(30));
    EXPECT_EQ(static_cast<size_t>(g_pShopMgr->GetSummaryList().GetSize()), kinds.count(31));
    EXPECT_EQ(2u, kinds.count(CScreenLine::kRule)) << "under the summary and the detail headings";
    EXPECT_LE(2u, kinds.count(CScreenLine::kSpacer));
    EXPECT_STREQ("__", lines.GetLine(2).LineText());
    lines.Clear();
    EXPECT_EQ(0, lines.GetCount());
}

}  // namespace
