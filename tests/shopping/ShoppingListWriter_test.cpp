// The shopping list written in its four layouts, as the rows a page formatter receives.
#include "shopping/ShoppingListWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "database/IngData.h"
#include "database/ListItem.h"
#include "printing/RecordingFormatter.h"
#include "shell/ShellTestFolder.h"
#include "shell/services/CurrentDatabase.h"
#include "shopping/FakeCookbook.h"
#include "shopping/ShopMgr.h"
#include "shopping/ShoppingListItem.h"

namespace {

struct LineSpec
{
    const char* name;
    double quantity;
    const char* unit;
    const char* unitId;
    short unitKind;
    double unitFactor;
    const char* plural;
    const char* section;
    const char* sectionId;
    const char* preparation;
    LONG optional;
};

CIngData Line(const LineSpec& spec)
{
    CIngData line = shoptest::Ingredient(spec.name, spec.quantity);
    line.m_unitText = spec.unit;
    line.m_unitId = CRecordId(spec.unitId);
    line.m_unitType = spec.unitKind;
    line.m_unitFactor1 = spec.unitFactor;
    line.m_plural = spec.plural;
    line.m_groupName = spec.section;
    line.m_groupId = CRecordId(spec.sectionId);
    line.m_preparation = spec.preparation;
    line.m_optional = spec.optional;
    return line;
}

void AddSection(CCustObList& list, const char* id, const char* name)
{
    auto* pItem = new CListItem;
    pItem->m_id = CRecordId(id);
    pItem->m_name = name;
    list.AddTail(pItem);
}

// Each row as "format-tag text|style|value": T title, H section heading, G group heading,
// I item line, "." the caller's format; "~" a spacer, "__2" a rule of value 2. An item row's value is
// shown as the list (C current, S summary, F frequent) and name of the item with that serial.
class ShoppingListWriterTest : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        // Dairy lines carry their section id; Produce is known to the store only by name.
        m_db.m_recipes["000001"] = {
            "Pancakes",
            4,
            {Line({"flour", 2, "cup(s)", "000010", 2, 1, "", "Baking", "000023", "", 0}),
             Line({"milk", 1, "cup(s)", "000011", 1, 8, "", "Dairy", "000022", "", 0}),
             Line({"butter", 2, "tablespoon", "000012", 1, 0.5, "", "Dairy", "000022", "", 0}),
             Line({"blueberry", 1, "cup(s)", "000010", 2, 1, "-ies", "Produce", "000000", "fresh", 1})}};
        m_db.m_recipes["000002"] = {
            "Omelette",
            2,
            {Line({"egg", 3, "", "000000", 0, 0, "s", "Dairy", "000022", "", 0}),
             Line({"salt", 1, "pinch(es)", "000013", 0, 0, "", "", "000000", "", 0}),
             Line({"butter", 6, "teaspoon", "000014", 1, 1.0 / 6, "", "Dairy", "000022", "soft", 0})}};
        m_db.m_groups = {{"000021", "Produce"}, {"Produce", "000021"}, {"000022", "Dairy"},
                         {"Dairy", "000022"},   {"000023", "Baking"},  {"Baking", "000023"}};
        AddSection(m_db.m_storeList, "000007", "Corner Market");
        m_db.m_nSectionStore = 7;
        AddSection(m_db.m_sectionList, "000022", "Dairy");
        AddSection(m_db.m_sectionList, "000021", "Produce");
        SetCurrentDatabase(&m_db);
        m_manager = std::make_unique<CShopMgr>();
        m_manager->OpenShoppingList("week");
    }

    void TearDown() override
    {
        m_manager.reset();
        SetCurrentDatabase(nullptr);
    }

    // Pancakes as written, the omelette for 4: its lines doubled and adjusted. Salt is in the
    // pantry; recipe names and the detail are shown.
    void FillList()
    {
        CRecipeListItem pancakes = m_db.Entry("000001");
        pancakes.m_value = 41;
        ASSERT_TRUE(m_manager->AddRecipe(pancakes, 0, nullptr));
        ASSERT_TRUE(m_manager->AddRecipe(m_db.Entry("000002"), 4, nullptr));
        m_manager->AddPantryItem(*m_manager->GetCurrentList().FindByName("salt"));
        m_manager->m_bRemovePantryItems = 1;
        m_manager->m_bShowRecipeNames = 1;
        m_manager->SetShowDetail(TRUE);
    }

    std::vector<std::string> Display(LONG layout)
    {
        CRecordingFormatter recorder;
        EXPECT_EQ(1, m_manager->DisplayShoppingList(&recorder, layout, 7));
        return Render(recorder);
    }

    std::vector<std::string> Print(LONG layout, LONG store)
    {
        CRecordingFormatter recorder;
        m_manager->m_bPrinting = 1;
        m_manager->m_layoutMode = layout;
        m_manager->m_store = store;
        EXPECT_EQ(1, m_manager->WriteShoppingList(recorder, TRUE));
        return Render(recorder);
    }

    std::vector<std::string> Render(const CRecordingFormatter& recorder) const
    {
        std::vector<std::string> rows;
        for (const CRecordingFormatter::Call& call : recorder.Calls)
        {
            std::string text = Tag(call.format) + " ";
            if (call.kind == CRecordingFormatter::Spacer)
                text += "~";
            else if (call.kind == CRecordingFormatter::Rule)
                text += "__" + call.text;
            else
                text += call.text + "|" + std::to_string(call.format.ParagraphStyle) + "|" + Value(call.format);
            rows.push_back(text);
        }
        return rows;
    }

    static std::string Tag(const CLineFormat& format)
    {
        if (format.Bold && format.Mode == CLineFormat::Centred && format.SizePercent == 160)
            return "T";
        if (format.Bold && format.Mode == CLineFormat::Plain)
            return format.SizePercent == 140 ? "H" : format.SizePercent == 100 ? "G" : "?";
        if (!format.Bold && format.Mode == CLineFormat::HangingIndent && format.SizePercent == 100)
            return "I";
        return ".";
    }

    std::string Value(const CLineFormat& format) const
    {
        if (format.ParagraphStyle < 30)
            return std::to_string(format.StyleValue);
        const DWORD serial = static_cast<DWORD>(format.StyleValue);
        const struct
        {
            const char* tag;
            const CShoppingList& list;
        } lists[] = {{"C:", m_manager->GetCurrentList()},
                     {"S:", m_manager->GetSummaryList()},
                     {"F:", m_manager->GetFrequentList()}};
        for (const auto& searched : lists)
            if (const CShoppingListItem* pItem = searched.list.FindBySerial(serial))
                return searched.tag + std::string(pItem->GetLine().m_name.GetString());
        return "no item " + std::to_string(serial);
    }

    shoptest::CFakeCookbook m_db;
    std::unique_ptr<CShopMgr> m_manager;
};

using Rows = std::vector<std::string>;

const Rows kRecipesIncluded = {"H ~", "H Recipes Included|0|0", "H __2", ". ~", ". Pancakes|28|41", ". Omelette|28|0"};
const char kOptionalNote[] = ". + All or part of the item is optional.  See Detail Listing for more information.|0|0";

Rows Heading(const char* text)
{
    return {"H ~", std::string("H ") + text + "|0|0", "H __2"};
}

Rows Group(const char* key)
{
    return {"G ~", std::string("G ") + key + "|0|0"};
}

Rows Join(std::initializer_list<Rows> parts)
{
    Rows rows;
    for (const Rows& part : parts)
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

// Salt, checked in the pantry, is hidden from every block, its group heading included.
TEST_F(ShoppingListWriterTest, EveryLayoutWritesItsBlocksWithThePantryItemsHidden)
{
    FillList();
    const Rows summaryLines = {"I [ ]\tblueberry, fresh, 1 cup+|31|S:blueberry", "I [ ]\tbutter, 3/8 cup|31|S:butter",
                               "I [ ]\teggs, 6|31|S:egg", "I [ ]\tflour, 2 cups|31|S:flour",
                               "I [ ]\tmilk, 1 cup|31|S:milk"};
    const Rows detailLines = {"I blueberry, fresh, 1 cup  (Pancakes), Optional|30|C:blueberry",
                              "I butter, 2 tablespoon  (Pancakes)|30|C:butter",
                              "I butter, soft, 1/4 cup  (Omelette)|30|C:butter",
                              "I eggs, 6  (Omelette)|30|C:egg",
                              "I flour, 2 cups  (Pancakes)|30|C:flour",
                              "I milk, 1 cup  (Pancakes)|30|C:milk"};
    const struct
    {
        LONG layout;
        Rows expected;
    } layouts[] = {
        {0, Join({Heading("Summary of Ingredients"),
                  Group("BAKING"),
                  {summaryLines[3]},
                  Group("DAIRY"),
                  {summaryLines[1], summaryLines[2], summaryLines[4]},
                  Group("PRODUCE"),
                  {summaryLines[0]},
                  {". ~", kOptionalNote},
                  Heading("Ingredient Detail"),
                  Group("BAKING"),
                  {detailLines[4]},
                  Group("DAIRY"),
                  {detailLines[1], detailLines[2], detailLines[3], detailLines[5]},
                  Group("PRODUCE"),
                  {detailLines[0]}})},
        {1, Join({Heading("Summary of Ingredients"),
                  summaryLines,
                  {". ~", kOptionalNote},
                  Heading("Ingredient Detail"),
                  detailLines})},
        {2, Join({Heading("Ingredient Detail"),
                  Group("OMELETTE"),
                  {"I butter, soft, 1/4 cup|30|C:butter", "I eggs, 6|30|C:egg"},
                  Group("PANCAKES"),
                  {"I blueberry, fresh, 1 cup+|30|C:blueberry", "I butter, 2 tablespoon|30|C:butter",
                   "I flour, 2 cups|30|C:flour", "I milk, 1 cup|30|C:milk"}})},
        // Produce is resolved by its name; the detail keeps the order of the list.
        {3, Join({Heading("Summary of Ingredients"),
                  Group("DAIRY"),
                  {summaryLines[1], summaryLines[2], summaryLines[4]},
                  Group("PRODUCE"),
                  {summaryLines[0]},
                  Heading("Items In Unassigned Store Sections"),
                  Group("BAKING"),
                  {summaryLines[3]},
                  {". ~", kOptionalNote},
                  Heading("Ingredient Detail"),
                  Group("BAKING"),
                  {detailLines[4]},
                  Group("DAIRY"),
                  {detailLines[5], detailLines[1]},
                  Group("PRODUCE"),
                  {detailLines[0]},
                  Group("DAIRY"),
                  {detailLines[3], detailLines[2]}})},
    };
    for (const auto& row : layouts)
    {
        SCOPED_TRACE(row.layout);
        EXPECT_EQ(Join({kRecipesIncluded, row.expected}), Display(row.layout));
    }
}

TEST_F(ShoppingListWriterTest, AnEmptyListWritesTheCheckedFrequentItems)
{
    m_manager->AddFrequentItem(CShoppingListItem(
        Line({"coffee", 1, "pound(s)", "000030", 4, 16, "", "Drinks", "000024", "", 0}), m_db.Entry("000001"), 1.0));
    m_manager->AddFrequentItem(CShoppingListItem(Line({"tea", 1, "", "000000", 0, 0, "", "Drinks", "000024", "", 0}),
                                                 m_db.Entry("000001"), 1.0));
    m_manager->GetFrequentList().GetItem(1)->m_checked = 0;
    m_manager->m_bAddFrequentItems = 1;
    m_manager->SetShowDetail(TRUE);
    const Rows summary =
        Join({Heading("Summary of Ingredients"), Group("DRINKS"), {"I [ ]\tcoffee, 1 pound ++|32|S:coffee"}});
    const Rows unassigned = Join({Heading("Summary of Ingredients"),
                                  Heading("Items In Unassigned Store Sections"),
                                  Group("DRINKS"),
                                  {"I [ ]\tcoffee, 1 pound ++|32|S:coffee"}});
    const Rows detail =
        Join({Heading("Ingredient Detail"), Group("DRINKS"), {"I coffee, 1 pound  (Frequent Item)|32|F:coffee"}});
    const struct
    {
        LONG layout;
        Rows expected;
    } layouts[] = {
        {0, Join({summary, detail})},
        {1, Join({Heading("Summary of Ingredients"),
                  {"I [ ]\tcoffee, 1 pound ++|32|S:coffee"},
                  Heading("Ingredient Detail"),
                  {"I coffee, 1 pound  (Frequent Item)|32|F:coffee"}})},
        {2, Join({Heading("Ingredient Detail"), Group("FREQUENT ITEM"), {"I coffee, 1 pound ++|32|F:coffee"}})},
        {3, Join({unassigned, detail})},
    };
    for (const auto& row : layouts)
    {
        SCOPED_TRACE(row.layout);
        EXPECT_EQ(row.expected, Display(row.layout));
    }
}

TEST_F(ShoppingListWriterTest, NothingToBuyIsSaidWithTheAdditionalItemsOnlyInPrint)
{
    m_manager->SetAdditionalItems("bread");
    m_manager->m_bAddFrequentItems = 1;
    EXPECT_EQ(Rows({". ~", ". No shopping items.|0|0"}), Display(0)) << "an empty frequent list adds nothing";
    EXPECT_EQ(
        Join({{"T week|0|0", ". ~", ". No shopping items.|0|0"}, Heading("Additional Items"), {". ~", ". bread|0|0"}}),
        Print(1, 0));
}

TEST_F(ShoppingListWriterTest, PrintingAddsTheTitleAndTheAdditionalItemsBeforeTheDetail)
{
    FillList();
    Display(0);  // printing writes the summary the screen has built
    m_manager->SetAdditionalItems("bread\nwine");
    const struct
    {
        LONG layout;
        LONG store;
        const char* title;
    } rows[] = {
        {0, 7, "T week|0|0"},
        {3, 7, "T week - Corner Market|0|0"},
        {3, 9, "T week|0|0"},
    };
    const Rows additional =
        Join({Heading("Additional Items"), {". ~", ". bread\nwine|0|0"}, Heading("Ingredient Detail")});
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.title);
        const Rows printed = Print(row.layout, row.store);
        ASSERT_FALSE(printed.empty());
        EXPECT_EQ(row.title, printed[0]);
        EXPECT_NE(printed.end(), std::search(printed.begin(), printed.end(), additional.begin(), additional.end()));
    }
    const Rows shown = Display(0);
    EXPECT_EQ(shown.end(), std::find(shown.begin(), shown.end(), "H Additional Items|0|0"));
}

TEST_F(ShoppingListWriterTest, TheRecipeLayoutWritesTheDetailEvenWithDetailOff)
{
    FillList();
    m_manager->SetShowDetail(FALSE);
    const struct
    {
        LONG layout;
        bool detail;
    } rows[] = {{0, false}, {1, false}, {2, true}, {3, false}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.layout);
        const Rows shown = Display(row.layout);
        EXPECT_EQ(row.detail, std::find(shown.begin(), shown.end(), "H Ingredient Detail|0|0") != shown.end());
    }
}

TEST_F(ShoppingListWriterTest, ThePaneKeepsItsFormatAndNoPaneWritesNothing)
{
    FillList();
    CRecordingFormatter recorder;
    recorder.SetLineFormat(CLineFormat(CLineFormat::FlagItalic, CLineFormat::Indented, 9, 120));
    recorder.SetParagraphStyle(19, 5);
    const CLineFormat before = recorder.GetLineFormat();
    ASSERT_EQ(1, m_manager->DisplayShoppingList(&recorder, 0, 0));
    EXPECT_EQ(0, std::memcmp(&before, &recorder.GetLineFormat(), sizeof before));
    EXPECT_EQ(0, m_manager->DisplayShoppingList(nullptr, 0, 0));
}

}  // namespace
