#include "database/CategoryListItem.h"
#include "database/CustObList.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "database/RefItemArray.h"
#include "database/RefListItem.h"
#include "database/SlotArray.h"

#include "ModelBytes.h"

#include <gtest/gtest.h>

#include <memory>

using namespace modelbytes;
using testfiles::ArchiveFailure;
using testfiles::Loaded;
using testfiles::Stored;

namespace {
CListItem* Named(const char* name, LONG value = 0)
{
    CListItem* pItem = new CListItem(name, 1, 'R');
    pItem->m_value = value;
    return pItem;
}

CString Names(const CCustObArray& array)
{
    CString names;
    for (int i = 0; i < array.GetSize(); ++i)
        names += static_cast<CListItem*>(array.GetAt(i))->m_name + ";";
    return names;
}

CategoryListItem* Category(int slot, const char* name)
{
    CategoryListItem* pItem = new CategoryListItem;
    pItem->m_id.SetNumber(100 + slot);
    pItem->m_type = 'R';
    pItem->m_relIndex = static_cast<SHORT>(slot);
    pItem->m_name = name;
    return pItem;
}
}  // namespace

TEST(Collections, InsertSortedKeepsByteOrderAndArrivalOrder)
{
    CCustObArray array;
    array.InsertSorted(Named("soup"), FALSE);
    EXPECT_STREQ("soup;", Names(array));
    array.InsertSorted(Named("Soup"), FALSE);
    array.InsertSorted(Named("bread"), FALSE);
    CListItem* pSecondSoup = Named("soup");
    array.InsertSorted(pSecondSoup, FALSE);
    EXPECT_STREQ("Soup;bread;soup;soup;", Names(array));
    EXPECT_EQ(pSecondSoup, array.GetAt(3));

    array.InsertSorted(Named("cake", 40), TRUE);
    const LONG values[] = {0, 0, 2, 3, 4};
    for (int i = 0; i < array.GetSize(); ++i)
        EXPECT_EQ(values[i], static_cast<CListItem*>(array.GetAt(i))->m_value) << i;
}

TEST(Collections, KeysAndCurrentIndex)
{
    CRecipeList list;
    for (LONG value : {5, 7, 5})
    {
        CRecipeListItem* pItem = new CRecipeListItem;
        pItem->m_value = value;
        list.Add(pItem);
    }
    list.SetCurrentByKey(5);
    EXPECT_EQ(2, list.GetCurrentIndex());
    EXPECT_EQ(list.GetAt(0), list.FindByKey(5));
    EXPECT_EQ(nullptr, list.FindByKey(9));
    list.SetCurrentByKey(9);
    EXPECT_EQ(2, list.GetCurrentIndex());

    list.SetCurrentIndex(1);
    list.SetCurrentIndex(3);
    list.SetCurrentIndex(-1);
    EXPECT_EQ(1, list.GetCurrentIndex());

    list.SetAt(1, nullptr);
    list.Compact();
    EXPECT_EQ(2, list.GetSize());
}

TEST(Collections, AssignmentCopiesTheElements)
{
    CCustObArray source;
    source.Add(Named("soup"));
    CCustObArray copy;
    copy.Add(Named("old"));
    copy = source;
    ASSERT_EQ(1, copy.GetSize());
    EXPECT_NE(source.GetAt(0), copy.GetAt(0));
    EXPECT_TRUE(copy == source);
    static_cast<CListItem*>(copy.GetAt(0))->m_id.SetNumber(2);
    EXPECT_TRUE(copy != source);

    CRefItemArray links;
    links.Add(new RefListItem("Tip", "Stir", 9, 'K'));
    CRefItemArray linkCopy;
    linkCopy.Copy(links);
    EXPECT_NE(links.GetAt(0), linkCopy.GetAt(0));
    EXPECT_STREQ("Stir", linkCopy.GetRefAt(0)->m_content);

    CCustObList categories;
    categories.AddTail(Category(1, "Soups"));
    CCustObList categoryCopy;
    categoryCopy = categories;
    EXPECT_NE(categories.GetHead(), categoryCopy.GetHead());
    EXPECT_TRUE(categories == categoryCopy);
}

TEST(Collections, SlotArrayFindsEveryElementUnderItsSlot)
{
    CSlotArray slots;
    slots.DeleteAll();
    EXPECT_EQ(-1, slots.GetHighestSlot());

    EXPECT_EQ(0, slots.AddAtSlot(Category(0, "Root")));
    EXPECT_EQ(1, slots.AddAtSlot(Category(4, "Soups")));
    EXPECT_EQ(4, slots.GetHighestSlot());
    EXPECT_STREQ("Soups", slots.GetAtSlot(4)->m_name);
    EXPECT_EQ(nullptr, slots.GetAtSlot(2));

    slots.ReplaceAtSlot(Category(4, "Stews"));
    EXPECT_EQ(2, slots.GetSize());
    EXPECT_STREQ("Stews", slots.GetAtSlot(4)->m_name);

    CategoryListItem* pStored = slots.GetAtSlot(0);
    EXPECT_EQ(1, slots.SetAtSlot(0, Category(0, "Everything")));
    EXPECT_EQ(pStored, slots.GetAtSlot(0));
    EXPECT_STREQ("Everything", pStored->m_name);

    CSlotArray copy;
    copy.Copy(slots);
    EXPECT_NE(slots.GetAtSlot(4), copy.GetAtSlot(4));
    EXPECT_STREQ("Stews", copy.GetAtSlot(4)->m_name);
    EXPECT_EQ(4, copy.GetHighestSlot());

    copy.InsertRange(1, slots);
    EXPECT_EQ(4, copy.GetSize());
    EXPECT_EQ(copy.GetAt(2), copy.GetAtSlot(4));
}

TEST(Collections, ArrayArchiveFormRoundTrips)
{
    CCustObArray array;
    array.Add(Named("bread", 1));
    array.Add(Named("soup", 2));
    array.m_keyWord = 12;
    array.SetCurrentIndex(1);
    const Bytes expected = NewClass(5, "CCustObArray") + U16(2) + NewClass(5, "CListItem") + Id("000001") + U8('R') +
                           Str("bread") + Id("000001") + U32(1) + SeenClass(3) + Id("000001") + U8('R') + Str("soup") +
                           Id("000001") + U32(2) + U32(12) + U32(1);
    EXPECT_EQ(expected, Stored([&](CArchive& ar) { ar << &array; }));

    std::unique_ptr<CObject> loaded;
    Loaded(expected, [&](CArchive& ar) { loaded.reset(ar.ReadObject(nullptr)); });
    CCustObArray* pLoaded = static_cast<CCustObArray*>(loaded.get());
    EXPECT_EQ(12, pLoaded->m_keyWord);
    EXPECT_EQ(1, pLoaded->GetCurrentIndex());
    EXPECT_STREQ("bread;soup;", Names(*pLoaded));
}

TEST(Collections, RecipeListAndObjectListArchiveForms)
{
    CRecipeList recipes;
    recipes.Add(new CRecipeListItem);
    const Bytes recipeRecord = NewClass(5, "CRecipeListItem") + Id("000000") + U8('Z') + Str("") + Id("000000") +
                               U32(0) + U16(0) + Id("000000") + U32(0) + Bytes(84, 0) + U16(0);
    EXPECT_EQ(NewClass(5, "CRecipeList") + U16(1) + recipeRecord + U32(999999) + U32(0),
              Stored([&](CArchive& ar) { ar << &recipes; }));

    CCustObList list;
    list.AddTail(Category(2, "Soups"));
    list.AddTail(static_cast<CObject*>(nullptr));
    const Bytes listBytes = NewClass(5, "CCustObList") + U16(2) + NewClass(5, "CategoryListItem") + Id("000102") +
                            U8('R') + Id("000000") + Str("Soups") + U32(0) + U32(0) + U16(2) + U16(0xFFFF) +
                            U16(0xFFFF) + U16(0);
    EXPECT_EQ(listBytes, Stored([&](CArchive& ar) { ar << &list; }));
    std::unique_ptr<CObject> loaded;
    Loaded(listBytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject(nullptr)); });
    EXPECT_EQ(2, static_cast<CCustObList*>(loaded.get())->GetCount());
}

TEST(Collections, LoadedSlotArrayRebuildsItsMap)
{
    CSlotArray slots;
    slots.AddAtSlot(Category(0, "Root"));
    slots.AddAtSlot(Category(3, "Soups"));
    const Bytes bytes = Stored([&](CArchive& ar) { slots.Serialize(ar); });

    CSlotArray loaded;
    Loaded(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_NE(nullptr, loaded.GetAtSlot(3));
    EXPECT_STREQ("Soups", loaded.GetAtSlot(3)->m_name);
    EXPECT_EQ(3, loaded.GetHighestSlot());
    loaded.DeleteAll();
    EXPECT_EQ(nullptr, loaded.GetAtSlot(3));
}

TEST(Collections, DamagedArchivesRaiseArchiveExceptions)
{
    CRecipeList recipes;
    recipes.Add(new CRecipeListItem);
    const Bytes whole = Stored([&](CArchive& ar) { recipes.Serialize(ar); });
    auto loadRecipes = [](CArchive& ar) {
        CRecipeList list;
        list.Serialize(ar);
    };
    EXPECT_EQ(CArchiveException::endOfFile, ArchiveFailure(Truncated(whole, 1), loadRecipes));
    EXPECT_EQ(CArchiveException::endOfFile, ArchiveFailure(Truncated(whole, 20), loadRecipes));

    // A list item where recipe list items belong.
    CCustObArray plain;
    plain.Add(Named("soup"));
    const Bytes foreign = Stored([&](CArchive& ar) { plain.Serialize(ar); });
    EXPECT_EQ(CArchiveException::badClass, ArchiveFailure(foreign, loadRecipes));

    // The same element twice: a back reference to object index 2.
    const Bytes twice = U16(2) + NewClass(5, "CListItem") + Id("000001") + U8('R') + Str("a") + Id("000001") + U32(0) +
                        U16(2) + U32(999999) + U32(0);
    EXPECT_EQ(CArchiveException::badClass, ArchiveFailure(twice, [](CArchive& ar) {
                  CCustObArray array;
                  array.Serialize(ar);
              }));
}

TEST(Collections, TrimRightCopyDropsOnlyTrailingWhiteSpace)
{
    const struct
    {
        const char* text;
        const char* trimmed;
    } cases[] = {{"", ""}, {"   ", ""}, {"cup \t\r\n", "cup"}, {"  two words  ", "  two words"}, {"cup", "cup"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        EXPECT_STREQ(c.trimmed, TrimRightCopy(c.text));
    }
}
