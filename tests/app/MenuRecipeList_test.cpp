#include "shell/formbase/MenuRecipeList.h"

#include <gtest/gtest.h>

#include "database/ModelBytes.h"
#include "framework/Archive.h"
#include "framework/File.h"
#include "framework/TestFiles.h"
#include "shell/formbase/MenuRecipe.h"

namespace {

using namespace modelbytes;
using testfiles::ArchiveFailure;
using testfiles::Loaded;
using testfiles::Stored;

TEST(MenuRecipeList, ArchivesEachEntryAsNameIdAndNumber)
{
    CMenuRecipeList list;
    EXPECT_EQ(0, list.AddRecipe("Tea", CRecordId("000042"), 3));
    EXPECT_EQ(1, list.AddRecipe("", CRecordId(), -1));

    const Bytes bytes = Stored([&](CArchive& ar) { list.Serialize(ar); });
    const Bytes expected = U16(2) + NewClass(1, "CMenuRecipe") + Str("Tea") + Id("000042") + U32(3) + SeenClass(1) +
                           Str("") + Id("000000") + U32(0xFFFFFFFF);
    EXPECT_EQ(expected, bytes);

    CMenuRecipeList loaded;
    loaded.AddRecipe("old", CRecordId("000001"), 9);
    Loaded(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(2, loaded.GetSize());
    const auto* pFirst = static_cast<const CMenuRecipe*>(loaded.GetAt(0));
    EXPECT_STREQ("Tea", pFirst->m_name);
    EXPECT_STREQ("000042", pFirst->m_recipeId.GetText());
    EXPECT_EQ(3, pFirst->m_number);
    EXPECT_EQ(-1, static_cast<const CMenuRecipe*>(loaded.GetAt(1))->m_number);
}

TEST(MenuRecipeList, AnEntryTakesItsNamePlusElevenBytes)
{
    const CMenuRecipe entry("Soup", CRecordId("000007"), 1);
    const Bytes bytes = Stored([&](CArchive& ar) { const_cast<CMenuRecipe&>(entry).Serialize(ar); });
    EXPECT_EQ(Str("Soup").size() + 11, bytes.size());
}

TEST(MenuRecipeList, ADamagedListLoadsEmptyWithEachEntryDeletedOnce)
{
    const Bytes tea = NewClass(1, "CMenuRecipe") + Str("Tea") + Id("000042") + U32(3);
    struct Case
    {
        const char* name;
        Bytes bytes;
        int cause;
    };
    const Case cases[] = {
        // Object index 2 is the entry just read (index 1 is its class).
        {"the same entry twice", U16(2) + tea + U16(2), CArchiveException::badClass},
        {"an object of another class", U16(2) + tea + NewClass(0, "CObArray") + U16(0), CArchiveException::badClass},
        {"cut inside the second entry", U16(2) + tea + SeenClass(1) + Str("Soup"), CArchiveException::endOfFile},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CMenuRecipeList loaded;
        loaded.AddRecipe("old", CRecordId("000001"), 9);
        EXPECT_EQ(c.cause, ArchiveFailure(c.bytes, [&](CArchive& ar) { loaded.Serialize(ar); }));
        EXPECT_EQ(0, loaded.GetSize());
    }
}

}  // namespace
