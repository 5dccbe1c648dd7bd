#include "database/BrowseState.h"

#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {
// The system record as the settings object makes it.
const SystemSettings kSystem = {1000, 3, 0, 150, 1, 0, 0, 0, 0, 1, 1};

// A scaling record word by word, as the report jobs read it.
std::vector<std::int32_t> Words(const PrintPrefs& prefs)
{
    std::vector<std::int32_t> words(sizeof prefs / sizeof(std::int32_t));
    std::memcpy(words.data(), &prefs, sizeof prefs);
    return words;
}

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
}  // namespace

TEST(BrowseState, StepsThroughThreeRecipes)
{
    CBrowseState browse(kSystem);
    FillThree(browse, -5);
    EXPECT_STREQ("Bread", browse.GetCurrentRecipeItem()->m_name);
    EXPECT_EQ(CCustObArray::kNoKey, browse.GetRecipeList()->m_keyWord);

    CRecipeListItem* pItem = nullptr;
    const int forward[] = {CBrowseState::kInBetween, CBrowseState::kNowLast, CBrowseState::kNoneAfter};
    for (int expected : forward)
        EXPECT_EQ(expected, browse.StepRecipeForward(pItem));
    EXPECT_STREQ("Soup", pItem->m_name);
    const int back[] = {CBrowseState::kInBetween, CBrowseState::kNowFirst, CBrowseState::kNoneBefore};
    for (int expected : back)
        EXPECT_EQ(expected, browse.StepRecipeBack(pItem));
    EXPECT_STREQ("Bread", pItem->m_name);
}

TEST(BrowseState, NavigationStateOnlyForTheCurrentEntry)
{
    CBrowseState browse(kSystem);
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
    CBrowseState browse(kSystem);
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

TEST(BrowseState, ScalingRecordIsTheSystemRecordWithTheServingsLast)
{
    CBrowseState browse(kSystem);
    PrintPrefs buffer{};
    ASSERT_EQ(&buffer, browse.GetPrintPrefs(buffer, 8));
    const std::vector<std::int32_t> expected = {1000, 3, 0, 150, 1, 0, 0, 0, 0, 1, 1, 8};
    EXPECT_EQ(expected, Words(buffer));
}

TEST(BrowseState, RecipeScalingRecordOnlyWhenTheRememberedServingsDiffer)
{
    struct Case
    {
        WORD remembered;
        WORD own;
        bool scaled;
    };
    const Case cases[] = {{0, 4, false}, {4, 4, false}, {6, 4, true}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "remembered " << c.remembered << ", own " << c.own);
        CBrowseState browse(kSystem);
        CRecipeListItem item;
        item.m_id.SetNumber(42);
        item.m_servings = c.own;
        item.m_scaledServings = c.remembered;
        browse.RememberItemValue(item);
        item.m_scaledServings = 99;
        PrintPrefs buffer{};
        EXPECT_EQ(c.scaled ? &buffer : nullptr, browse.GetItemPrintPrefs(buffer, item));
        EXPECT_EQ(c.remembered, item.m_scaledServings);
        EXPECT_EQ(c.scaled ? c.remembered : 0, buffer.Servings);
    }
}

TEST(BrowseState, MealPlanScalingRecordOnlyWhenThePlanAsksForServings)
{
    CBrowseState browse(kSystem);
    MenuListItem plan;
    PrintPrefs buffer{};
    plan.m_servings = 0;
    EXPECT_EQ(nullptr, browse.GetPrintPrefsIfSet(buffer, plan));
    plan.m_servings = 6;
    ASSERT_EQ(&buffer, browse.GetPrintPrefsIfSet(buffer, plan));
    EXPECT_EQ(6, buffer.Servings);
    EXPECT_EQ(150, buffer.System.SeasoningRatio);
}
