#include "database/BrowseState.h"

#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"

#include <gtest/gtest.h>

namespace
{
void FillThree(CBrowseState& browse, LONG key)
{
    CCustObArray source;
    const char* names[] = {"Bread", "Cake", "Soup"};
    for (int i = 0; i < 3; ++i)
    {
        CListItem* pItem = new CListItem(names[i], 10 + i, 'R');
        pItem->m_value = i;
        source.Add(pItem);
    }
    source.Add(nullptr);
    browse.FillRecipeList(source, key);
}
}

TEST(BrowseState, StepsThroughThreeRecipes)
{
    CBrowseState browse;
    FillThree(browse, -5);
    EXPECT_STREQ("Bread", browse.GetCurrentRecipeItem()->m_name);
    EXPECT_EQ(CCustObArray::kNoKey, browse.GetRecipeList()->m_keyWord);

    CRecipeListItem* pItem = nullptr;
    const int forward[] = {CBrowseState::kInBetween, CBrowseState::kNowLast,
                           CBrowseState::kNoneAfter};
    for (int expected : forward)
        EXPECT_EQ(expected, browse.StepRecipeForward(pItem));
    EXPECT_STREQ("Soup", pItem->m_name);
    const int back[] = {CBrowseState::kInBetween, CBrowseState::kNowFirst,
                        CBrowseState::kNoneBefore};
    for (int expected : back)
        EXPECT_EQ(expected, browse.StepRecipeBack(pItem));
    EXPECT_STREQ("Bread", pItem->m_name);
}

TEST(BrowseState, NavigationStateOnlyForTheCurrentEntry)
{
    CBrowseState browse;
    CListItem other("Other", 99, 'R');
    BOOL previous = TRUE;
    BOOL next = TRUE;
    browse.GetRecipeNavState(previous, next, other);
    EXPECT_FALSE(previous || next);
    browse.GetMenuNavState(previous, next, other);
    EXPECT_FALSE(previous || next);

    FillThree(browse, 1);
    browse.GetRecipeNavState(previous, next, other);
    EXPECT_FALSE(previous || next);
    browse.GetRecipeNavState(previous, next, *browse.GetCurrentRecipeItem());
    EXPECT_TRUE(previous && next);
    FillThree(browse, 2);
    browse.GetRecipeNavState(previous, next, *browse.GetCurrentRecipeItem());
    EXPECT_TRUE(previous && !next);
}

TEST(BrowseState, RemembersServingsAndStoresTheSpecialsList)
{
    CBrowseState browse;
    CRecipeListItem item;
    item.m_id.SetNumber(42);
    item.m_scaledServings = 6;
    EXPECT_EQ(1, browse.RememberItemValue(item));
    EXPECT_EQ(6, browse.LookupItemValue("000042"));
    EXPECT_EQ(0, browse.LookupItemValue("000043"));

    CRecipeList specials;
    specials.Add(new CRecipeListItem(item));
    specials.Add(new CRecipeListItem);
    specials.SetCurrentIndex(1);
    browse.StoreSpecialsList(specials);
    specials.DeleteAll();
    ASSERT_EQ(2, browse.GetSecondList()->GetSize());
    EXPECT_EQ(browse.GetSecondList()->GetAt(1), browse.GetCurrentSecondItem());
    EXPECT_STREQ("000042", browse.GetSecondList()->GetRecipeAt(0)->m_id);
}
