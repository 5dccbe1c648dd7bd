#include "database/CurrentRecipe.h"

#include "database/RecipeData.h"
#include "database/RecordId.h"

#include <gtest/gtest.h>

namespace {
int g_reads = 0;
bool g_fail = false;

int FakeLoad(CRecipeData& recipe, BYTE level)
{
    ++g_reads;
    if (g_fail)
        return 2;
    recipe.m_title.Format("Recipe %s level %d", recipe.m_recipeId.GetText(), level);
    return 0;
}
}  // namespace

TEST(CurrentRecipe, ReadsOnlyWhenIdOrLevelChange)
{
    g_reads = 0;
    g_fail = false;
    CRecipeData* pRecipe = GetCurrentRecipe(CRecordId(42UL), 0x19, FakeLoad);
    ASSERT_NE(nullptr, pRecipe);
    EXPECT_EQ(pRecipe, GetCurrentRecipe(CRecordId(42UL), 0x19, FakeLoad));
    EXPECT_EQ(1, g_reads);
    EXPECT_STREQ("Recipe 000042 level 25", pRecipe->m_title);

    GetCurrentRecipe(CRecordId(42UL), 0x1B, FakeLoad);
    EXPECT_EQ(2, g_reads);
    EXPECT_EQ(0x1B, pRecipe->m_loadLevel);

    CRecipeData* pEmpty = GetCurrentRecipe(CRecordId(0UL), 0x19, FakeLoad);
    EXPECT_EQ(2, g_reads);
    EXPECT_STREQ("", pEmpty->m_title);
    EXPECT_STREQ("000000", pEmpty->m_recipeId);
}

TEST(CurrentRecipe, FailedReadIsNotServedLater)
{
    g_reads = 0;
    g_fail = true;
    EXPECT_EQ(nullptr, GetCurrentRecipe(CRecordId(7UL), 0x19, FakeLoad));
    g_fail = false;
    CRecipeData* pRecipe = GetCurrentRecipe(CRecordId(7UL), 0x19, FakeLoad);
    ASSERT_NE(nullptr, pRecipe);
    EXPECT_EQ(2, g_reads);
    EXPECT_STREQ("Recipe 000007 level 25", pRecipe->m_title);
}
