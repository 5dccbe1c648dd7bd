#include "database/CategoryListItem.h"
#include "database/IngItem.h"
#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"
#include "database/RefListItem.h"
#include "database/SortedRecipeListItem.h"
#include "database/TOCListItem.h"

#include "ModelBytes.h"

#include <gtest/gtest.h>

#include <memory>

using namespace modelbytes;
using testfiles::ArchiveFailure;
using testfiles::Loaded;
using testfiles::Stored;

namespace {
Bytes ListItemBytes(const char* id, char type, const char* name, unsigned long value)
{
    return Id(id) + U8(type) + Str(name) + Id(id) + U32(value);
}

// Protein 10 and nothing else: 40 calories, all from protein.
Bytes ProteinImage(DWORD headerWord)
{
    Bytes amounts;
    for (int i = 0; i < NUTRITION::AmountCount; ++i)
        amounts = amounts + F32(i == NUTRITION::Protein ? 10.0f : 0.0f);
    return U32(headerWord) + F32(40) + F32(100) + F32(0) + F32(0) + F32(0) + amounts + U32(0) + F32(0) + F32(0);
}

CRecipeListItem* SoupEntry(CRecipeListItem* pItem)
{
    pItem->m_id.SetNumber(42);
    pItem->m_type = 'R';
    pItem->m_name = "Soup";
    pItem->m_value = 7;
    pItem->m_scaledServings = 6;
    pItem->m_chapterId.SetNumber(2);
    pItem->m_nutrition.m_amount[NUTRITION::Protein] = 10;
    pItem->m_nutrition.Recalculate();
    pItem->m_servings = 4;
    return pItem;
}

struct KindCase
{
    const char* className;
    std::shared_ptr<CObject> object;
    Bytes fields;
};

std::vector<KindCase> EveryKind()
{
    auto item = std::make_shared<CItem>();
    item->m_id.SetNumber(42);
    item->m_type = 'R';

    auto listItem = std::make_shared<CListItem>("Soup", 42, 'R');
    listItem->m_value = 7;
    listItem->m_number = 99;

    auto link = std::make_shared<CLinkItem>();
    link->m_id.SetNumber(3);
    link->m_type = 'R';
    link->m_secondId.SetNumber(1);

    auto sorted = std::make_shared<CSortedRecipeListItem>();
    SoupEntry(sorted.get());
    sorted->m_sortValue = 2.5f;
    sorted->m_sortText = "b";

    auto menu = std::make_shared<MenuListItem>();
    menu->m_id.SetNumber(8);
    menu->m_type = 'M';
    menu->m_name = "Week";
    menu->m_servings = 4;

    auto category = std::make_shared<CategoryListItem>();
    category->m_id.SetNumber(12);
    category->m_type = 'R';
    category->m_name = "Soups";
    category->m_hasRecipes = 1;
    category->m_relIndex = 3;
    category->m_sibling = 5;

    const Bytes recipeFields =
        ListItemBytes("000042", 'R', "Soup", 7) + U16(6) + Id("000002") + ProteinImage(0) + U16(4);
    return {
        {"CItem", item, Id("000042") + U8('R')},
        {"CListItem", listItem, ListItemBytes("000042", 'R', "Soup", 7)},
        {"CIngItem", std::make_shared<CIngItem>("Salt", 5, 'I', "fine"),
         ListItemBytes("000005", 'I', "Salt", 0) + Str("fine")},
        {"CLinkItem", link, Id("000003") + U8('R') + Id("000001")},
        {"CRecipeListItem", std::shared_ptr<CObject>(SoupEntry(new CRecipeListItem)), recipeFields},
        {"CSortedRecipeListItem", sorted, recipeFields + F32(2.5f) + Str("b")},
        {"MenuListItem", menu, ListItemBytes("000008", 'M', "Week", 0) + U16(4)},
        {"CategoryListItem", category,
         Id("000012") + U8('R') + Id("000000") + Str("Soups") + U32(1) + U32(0) + U16(3) + U16(0xFFFF) + U16(5)},
        {"TOCListItem", std::make_shared<TOCListItem>("Desserts", 2, 'T'), ListItemBytes("000002", 'T', "Desserts", 0)},
        {"RefListItem", std::make_shared<RefListItem>("Tip", "Stir well", 9, 'K'),
         ListItemBytes("000009", 'K', "Tip", 0) + Str("Stir well")},
    };
}
}  // namespace

TEST(ListItems, ArchiveFormOfEachKind)
{
    for (const KindCase& kind : EveryKind())
    {
        SCOPED_TRACE(kind.className);
        const Bytes expected = NewClass(5, kind.className) + kind.fields;
        EXPECT_EQ(expected, Stored([&](CArchive& ar) { ar << kind.object.get(); }));

        std::unique_ptr<CObject> loaded;
        Loaded(expected, [&](CArchive& ar) { loaded.reset(ar.ReadObject(nullptr)); });
        ASSERT_TRUE(loaded);
        EXPECT_STREQ(kind.className, loaded->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(expected, Stored([&](CArchive& ar) { ar << loaded.get(); }));
    }
}

TEST(ListItems, DamagedArchivesRaiseArchiveExceptions)
{
    for (const KindCase& kind : EveryKind())
    {
        SCOPED_TRACE(kind.className);
        const Bytes whole = NewClass(5, kind.className) + kind.fields;
        auto read = [](CArchive& ar) { delete ar.ReadObject(nullptr); };
        EXPECT_EQ(CArchiveException::endOfFile, ArchiveFailure(Truncated(whole, 1), read));
        EXPECT_EQ(-1, ArchiveFailure(whole, read));
    }
    Bytes unknownClass = NewClass(5, "CNoSuchItem") + Id("000001");
    EXPECT_EQ(CArchiveException::badClass,
              ArchiveFailure(unknownClass, [](CArchive& ar) { delete ar.ReadObject(nullptr); }));
}

TEST(ListItems, NutritionImageNeverTakesTheStoredHeaderWord)
{
    const Bytes fields =
        ListItemBytes("000042", 'R', "Soup", 7) + U16(6) + Id("000002") + ProteinImage(0xDEADBEEF) + U16(4);
    CRecipeListItem loaded;
    Loaded(fields, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(RUNTIME_CLASS(NUTRITION), loaded.m_nutrition.GetRuntimeClass());
    EXPECT_FLOAT_EQ(40.0f, loaded.m_nutrition.m_calories);
    EXPECT_EQ(4, loaded.m_servings);

    CRecipeListItem expected;
    SoupEntry(&expected);
    EXPECT_TRUE(loaded == expected);
}

TEST(ListItems, ListItemKeepsTheSecondIdAndNotItsNumber)
{
    const Bytes fields = Id("000001") + U8('R') + Str("Soup") + Id("000002") + U32(7);
    CListItem fresh;
    Loaded(fields, [&](CArchive& ar) { fresh.Serialize(ar); });
    EXPECT_STREQ("000002", fresh.m_id);
    EXPECT_EQ(0, fresh.m_number);
    EXPECT_EQ(7, fresh.m_value);
}

TEST(ListItems, EqualityAndClearing)
{
    CListItem recipe("Soup", 42, 'R');
    CListItem menu("Soup", 42, 'M');
    EXPECT_TRUE(recipe != menu);
    EXPECT_TRUE(static_cast<CItem&>(recipe) != static_cast<CItem&>(menu));

    CRecipeListItem a;
    SoupEntry(&a);
    CRecipeListItem b = a;
    EXPECT_TRUE(a == b);
    b.m_nutrition.m_amount[NUTRITION::Iron] = 1;
    EXPECT_TRUE(a != b);

    CategoryListItem category;
    category.m_name = "Soups";
    category.m_firstChild = 2;
    category.m_relIndex = 4;
    category.Clear();
    EXPECT_STREQ("Soups", category.m_name);
    EXPECT_EQ(-1, category.m_firstChild);
    EXPECT_EQ(-1, category.m_sibling);
    EXPECT_EQ(0, category.m_relIndex);
    EXPECT_EQ('Z', category.m_type);
}
