// The shopping manager's files: their bytes, damaged files, saves that fail, the legacy name,
// and the list names it accepts.
#include "shopping/ShopMgr.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "database/IngData.h"
#include "database/MenuListItem.h"
#include "database/ModelBytes.h"
#include "database/Nutrition.h"
#include "framework/FileException.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/ShellTestFolder.h"
#include "shopping/FakeCookbook.h"
#include "shopping/RecipeListItem.h"
#include "shopping/ShoppingListItem.h"

namespace {

using namespace modelbytes;
using testfiles::Bytes;

const Bytes kEmptyArray = U16(0) + U32(999999) + U32(0);

Bytes FileBytes(const std::string& path)
{
    const std::string text = shelltest::ReadFile(path);
    return Bytes(text.begin(), text.end());
}

void WriteBytes(const std::string& path, const Bytes& bytes)
{
    shelltest::WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

CString Text(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

// Fails once the whole list went into the scratch file, as a full disk would on its last block.
class CFailingShopMgr : public CShopMgr
{
public:
    void Serialize(CArchive& ar) override
    {
        CShopMgr::Serialize(ar);
        if (ar.IsStoring())
        {
            ar.Flush();
            AfxThrowFileException(CFileException::diskFull);
        }
    }
};

class ShopMgrFilesTest : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        m_db.m_recipes["000101"] = {"Pancakes", 4, {}};
        m_db.m_plans["000201"] = {6, {}};
        SetCurrentDatabase(&m_db);
    }

    void TearDown() override { SetCurrentDatabase(nullptr); }

    // Two items, one recipe and one meal plan, with the stored flags set.
    void Fill(CShopMgr& manager)
    {
        manager.AddItemCopy(Item("flour", 2.0).get());
        manager.AddItemCopy(Item("milk", 0.5).get());
        ASSERT_TRUE(manager.AddRecipe(m_db.Entry("000101"), 0, nullptr));
        MenuListItem plan;
        plan.m_id = CRecordId("000201");
        plan.m_name = "Week";
        plan.m_value = 3;
        ASSERT_TRUE(manager.AddMealPlan(plan, nullptr));
        manager.m_bShowRecipeNames = 1;
        manager.m_bAddFrequentItems = 1;
    }

    static std::unique_ptr<CShoppingListItem> Item(const char* name, double quantity)
    {
        CRecipeListItem recipe;
        recipe.m_name = "Pancakes";
        recipe.m_id = CRecordId("000101");
        return std::make_unique<CShoppingListItem>(shoptest::Ingredient(name, quantity), recipe, 1.0);
    }

    static Bytes ItemBody(const CShoppingListItem& item)
    {
        CIngData line(item.GetLine());
        return testfiles::Stored([&](CArchive& ar) { line.Serialize(ar); }) + Str("Pancakes") + Id("000101") + U32(0) +
               U32(0) + U32(0);
    }

    std::vector<std::string> ScratchFiles() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE hFind = FindFirstFileA(PathOf("*.~sv").c_str(), &found);
        if (hFind == INVALID_HANDLE_VALUE)
            return names;
        do
            names.push_back(found.cFileName);
        while (FindNextFileA(hFind, &found));
        FindClose(hFind);
        return names;
    }

    shoptest::CFakeCookbook m_db;
};

TEST_F(ShopMgrFilesTest, EmptyListAndItemFilesAreByteExact)
{
    {
        CShopMgr manager;
        EXPECT_EQ(CString("shopping"), manager.GetListName());
        ASSERT_TRUE(manager.SaveShoppingList());
        EXPECT_EQ(CShopMgr::kSaved, manager.GetState());
    }
    EXPECT_EQ(kEmptyArray + kEmptyArray + kEmptyArray + U32(0) + U32(0) + U32(0), FileBytes(PathOf("shopping.shp")));
    EXPECT_EQ(kEmptyArray, FileBytes(PathOf("pantry.adf")));
    EXPECT_EQ(kEmptyArray, FileBytes(PathOf("frequent.adf")));
    EXPECT_TRUE(ScratchFiles().empty());
}

TEST_F(ShopMgrFilesTest, ListFileIsByteExactAndRoundTripsWithFreshSerials)
{
    CShopMgr manager;
    Fill(manager);
    ASSERT_TRUE(manager.SaveShoppingList());
    const Bytes written = FileBytes(PathOf("shopping.shp"));

    const CShoppingList& items = manager.GetCurrentList();
    const Bytes nutrition = testfiles::Stored([](CArchive& ar) { NUTRITION().WriteImage(ar); });
    ASSERT_EQ(88u, nutrition.size());
    MenuListItem plan = *static_cast<const MenuListItem*>(manager.GetMealPlans().GetAt(0));
    EXPECT_EQ(6, plan.m_servings) << "the plan's own servings";
    const Bytes planBody = testfiles::Stored([&](CArchive& ar) { plan.Serialize(ar); });
    const Bytes expected = U16(2) + NewClass(12, "CShoppingListItem") + ItemBody(*items.GetItem(0)) + SeenClass(1) +
                           ItemBody(*items.GetItem(1)) + U32(999999) + U32(0) + U16(1) + NewClass(5, "RecipeListItem") +
                           Str("Pancakes") + Id("000101") + U32(0) + U32(4) + U32(0) + Id("000000") + nutrition +
                           U32(0) + U32(999999) + U32(0) + U16(1) + NewClass(5, "MenuListItem") + planBody +
                           U32(999999) + U32(0) + U32(1) + U32(0) + U32(1);
    EXPECT_EQ(expected, written);

    CShopMgr reader;
    ASSERT_TRUE(reader.OpenShoppingList("shopping"));
    EXPECT_EQ(CShopMgr::kSaved, reader.GetState());
    ASSERT_EQ(2, reader.GetCurrentList().GetSize());
    EXPECT_NE(items.GetItem(0)->GetSerial(), reader.GetCurrentList().GetItem(0)->GetSerial());
    EXPECT_TRUE(reader.HasRecipe(CRecordId("000101")));
    EXPECT_TRUE(reader.HasMealPlan(3));
    EXPECT_EQ(1, reader.m_bShowRecipeNames);
    reader.SetModified(1);
    ASSERT_TRUE(reader.SaveShoppingList());
    EXPECT_EQ(written, FileBytes(PathOf("shopping.shp")));
}

TEST_F(ShopMgrFilesTest, DamagedFilesLoadAsEmptyListsWithoutAMessage)
{
    Bytes good;
    {
        CShopMgr manager;
        Fill(manager);
        ASSERT_TRUE(manager.SaveShoppingList());
        good = FileBytes(PathOf("shopping.shp"));
    }
    Bytes schema11 = good;
    schema11[4] = 11;  // after the count and the new-class tag
    Bytes hugeCount = U16(0xFFFF) + U32(0x7FFFFFF0) + Bytes(good.begin() + 2, good.end());
    Bytes noise;
    for (unsigned i = 0; i < 300; ++i)
        noise.push_back(static_cast<BYTE>((i * 7919u + 13u) >> 3));
    const struct
    {
        const char* what;
        Bytes bytes;
        int itemFileSize;  // an item file is the first array alone
    } rows[] = {
        {"truncated in the flags", Truncated(good, 6), 2},
        {"truncated in an item", Bytes(good.begin(), good.begin() + 40), 0},
        {"item of schema 11", schema11, 0},
        {"huge count", hugeCount, 0},
        {"random bytes", noise, 0},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        WriteBytes(PathOf("shopping.shp"), row.bytes);
        WriteBytes(PathOf("pantry.adf"), row.bytes);
        WriteBytes(PathOf("frequent.adf"), row.bytes);
        CShopMgr manager;
        EXPECT_EQ(row.itemFileSize, manager.GetPantryList().GetSize());
        EXPECT_EQ(row.itemFileSize, manager.GetFrequentList().GetSize());
        EXPECT_FALSE(manager.OpenShoppingList("shopping"));
        EXPECT_TRUE(manager.IsListEmpty());
        EXPECT_EQ(0, manager.GetRecipes().GetSize());
        EXPECT_EQ(0, manager.GetMealPlans().GetSize());
        EXPECT_EQ(0, manager.m_bShowRecipeNames);
        EXPECT_EQ(0, manager.m_bAddFrequentItems);
        EXPECT_EQ(CShopMgr::kNew, manager.GetState());
    }
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

TEST_F(ShopMgrFilesTest, FailedSaveKeepsTheOldFileAndTheListAndTellsTheUser)
{
    const struct
    {
        const char* what;
        bool readOnly;
    } rows[] = {{"read-only file", true}, {"write failing half-way", false}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        {
            CShopMgr first;
            first.AddItemCopy(Item("eggs", 6).get());
            ASSERT_TRUE(first.SaveShoppingList());
        }
        const Bytes old = FileBytes(PathOf("shopping.shp"));
        if (row.readOnly)
            SetFileAttributesA(PathOf("shopping.shp").c_str(), FILE_ATTRIBUTE_READONLY);
        CMessageBoxScript boxes;
        std::unique_ptr<CShopMgr> manager(row.readOnly ? new CShopMgr : new CFailingShopMgr);
        ASSERT_TRUE(manager->OpenShoppingList("shopping"));
        Fill(*manager);
        manager->SetModified(1);
        EXPECT_FALSE(manager->SaveShoppingList());
        EXPECT_EQ(old, FileBytes(PathOf("shopping.shp")));
        EXPECT_EQ(CShopMgr::kModified, manager->GetState());
        EXPECT_EQ(3, manager->GetCurrentList().GetSize());
        EXPECT_EQ(1, manager->GetRecipes().GetSize());
        CString told;
        told.Format(Text(IDS_SHOPPING_LIST_NOT_WRITTEN), "shopping.shp");
        EXPECT_EQ(std::vector<CString>{told}, boxes.GetTexts());
        EXPECT_TRUE(ScratchFiles().empty());
        SetFileAttributesA(PathOf("shopping.shp").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(ShopMgrFilesTest, ReadOnlyPantryFileStaysAsItWas)
{
    WriteBytes(PathOf("pantry.adf"), kEmptyArray);
    SetFileAttributesA(PathOf("pantry.adf").c_str(), FILE_ATTRIBUTE_READONLY);
    DeleteFileA(PathOf("frequent.adf").c_str());
    {
        CShopMgr manager;
        manager.AddPantryItem(*Item("salt", 1));
    }
    EXPECT_EQ(kEmptyArray, FileBytes(PathOf("pantry.adf")));
    EXPECT_EQ(kEmptyArray, FileBytes(PathOf("frequent.adf"))) << "the other file is still written";
    EXPECT_TRUE(ScratchFiles().empty());
    SetFileAttributesA(PathOf("pantry.adf").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ShopMgrFilesTest, LegacyListFileIsRenamedAndOpensAsShopping)
{
    {
        CShopMgr manager;
        Fill(manager);
        ASSERT_TRUE(manager.SaveShoppingList());
    }
    ASSERT_TRUE(MoveFileA(PathOf("shopping.shp").c_str(), PathOf("shopping.adf").c_str()));
    CShopMgr manager;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf("shopping.adf").c_str()));
    ASSERT_TRUE(manager.OpenShoppingList("shopping"));
    EXPECT_EQ(2, manager.GetCurrentList().GetSize());
}

TEST_F(ShopMgrFilesTest, OpeningTheLoadedListReadsNothingAndAMissingFileIsANewList)
{
    CShopMgr manager;
    Fill(manager);
    ASSERT_TRUE(manager.SaveShoppingList());
    WriteBytes(PathOf("shopping.shp"), Bytes(5, 0xEE));
    EXPECT_TRUE(manager.OpenShoppingList("shopping"));
    EXPECT_EQ(2, manager.GetCurrentList().GetSize());

    EXPECT_FALSE(manager.OpenShoppingList("Party"));
    EXPECT_EQ(CString("Party"), manager.GetListName());
    EXPECT_TRUE(manager.IsListEmpty());
    EXPECT_EQ(CShopMgr::kNew, manager.GetState());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf("Party.shp").c_str()));
}

TEST_F(ShopMgrFilesTest, ListNamesAreCheckedBeforeAnythingChanges)
{
    CString questionMark = Text(IDS_SHOPPING_NAME_INVALID) + " Character '?' not allowed.";
    CString con;
    con.Format(Text(IDS_NAME_RESERVED_FOR_DEVICE), "CON");
    CString lpt1;
    lpt1.Format(Text(IDS_NAME_RESERVED_FOR_DEVICE), "lpt1");
    const struct
    {
        const char* name;
        const char* kept;
        CString message;
    } rows[] = {
        {"what?", "shopping", questionMark}, {"CON", "shopping", con},   {"lpt1", "shopping", lpt1},
        {"my list", "my list", ""},          {"  Party  ", "Party", ""},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        WritePrivateProfileStringA("Shopping", "ShopFile", "shopping", IniPath().c_str());
        DeleteFileA(PathOf("shopping.shp").c_str());
        CMessageBoxScript boxes;
        CShopMgr manager;
        manager.AddItemCopy(Item("eggs", 6).get());
        manager.OpenShoppingList(row.name);
        EXPECT_EQ(CString(row.kept), manager.GetListName());
        char stored[64] = "";
        GetPrivateProfileStringA("Shopping", "ShopFile", "", stored, sizeof stored, IniPath().c_str());
        EXPECT_STREQ(row.kept, stored);
        if (row.message.IsEmpty())
        {
            EXPECT_TRUE(boxes.GetTexts().empty()) << boxes.GetAllTexts();
            EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf("shopping.shp").c_str()))
                << "the changed list was saved before another was opened";
            continue;
        }
        EXPECT_EQ(std::vector<CString>{row.message}, boxes.GetTexts());
        EXPECT_EQ(1, manager.GetCurrentList().GetSize()) << "the current list keeps its items";
        EXPECT_EQ(CShopMgr::kModified, manager.GetState());
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf("shopping.shp").c_str())) << "nothing saved";
    }
}

}  // namespace
