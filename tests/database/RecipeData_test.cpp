#include "database/CatData.h"
#include "database/CategoryListItem.h"
#include "database/IngData.h"
#include "database/Nutrition.h"
#include "database/PhotoItem.h"
#include "database/RecipeData.h"
#include "database/RefListItem.h"
#include "database/TimeText.h"

#include "ModelBytes.h"

#include <gtest/gtest.h>

#include <memory>

using namespace modelbytes;
using testfiles::ArchiveFailure;
using testfiles::Loaded;
using testfiles::Stored;

namespace {
CIngData* FlourLine()
{
    CIngData* pLine = new CIngData;
    pLine->m_lineNumber = 1;
    pLine->m_itemId.SetNumber(15);
    pLine->m_name = "flour";
    pLine->m_preparation = "sifted";
    pLine->m_minQty = 2;
    pLine->m_maxQty = 2;
    pLine->m_dry = 120;
    pLine->m_groupId.SetNumber(4);
    pLine->m_groupName = "Baking";
    pLine->m_unitId.SetNumber(20);
    pLine->m_unitText = "cup";
    pLine->m_unitType = 2;
    pLine->m_unitFactor1 = 1;
    return pLine;
}

Bytes FlourLineFields()
{
    return Id("000015") + Str("flour") + Str("") + Str("sifted") + U32(0) + Str("I") + F64(2) + F64(2) + F64(0) +
           F64(0) + F64(120) + U32(0) + U32(0) + Id("000004") + Str("Baking") + Id("000000") + Str("") + Id("000020") +
           Str("cup") + U32(2) + F64(1) + F64(0) + U32(0);
}

CategoryListItem* SoupCategory()
{
    CategoryListItem* pCategory = new CategoryListItem;
    pCategory->m_id.SetNumber(12);
    pCategory->m_type = 'R';
    pCategory->m_name = "Soups";
    return pCategory;
}

void FillSoup(CRecipeData& recipe)
{
    recipe.m_loadLevel = 0x19;
    recipe.m_chapterId.SetNumber(3);
    recipe.m_chapterTitle = "Soups";
    recipe.m_recipeId.SetNumber(42);
    recipe.m_title = "Soup";
    recipe.m_rating = 4;
    recipe.m_intro = "Hot";
    recipe.m_servings = 6;
    recipe.m_yieldUnit = "bowls";
    recipe.m_prepTime = "0:10";
    recipe.m_cookTime = "1:05";
    recipe.m_source = "Gran";
    recipe.m_page = "12";
    recipe.m_directions = "Stir.";
    recipe.m_links.Add(new RefListItem("Photo", "soup.bmp", 7, 'P'));
    recipe.m_categories.AddTail(SoupCategory());
    recipe.m_lines.AddTail(FlourLine());
}

Bytes SoupBytes()
{
    return NewClass(2, "CRecipeData") + U8(0x19) + Id("000003") + Str("Soups") + Id("000042") + Str("Soup") + Str("") +
           U16(4) + Str("Hot") + U16(6) + Str("bowls") + Str("0:10") + Str("1:05") + Str("0:00") + Str("Gran") +
           Str("") + Str("12") + Str("") + Str("Stir.") +
           // links
           U16(1) + NewClass(5, "RefListItem") + Id("000007") + U8('P') + Str("Photo") + Id("000007") + U32(0) +
           Str("soup.bmp") + U32(999999) + U32(0) +
           // categories
           U16(1) + NewClass(5, "CategoryListItem") + Id("000012") + U8('R') + Id("000000") + Str("Soups") + U32(0) +
           U32(0) + U16(0) + U16(0xFFFF) + U16(0xFFFF) +
           // ingredient lines
           U16(1) + NewClass(2, "CIngData") + FlourLineFields();
}
}  // namespace

TEST(RecipeData, ArchiveFormOfARecipeWithLinesCategoriesAndAPhoto)
{
    CRecipeData recipe;
    FillSoup(recipe);
    recipe.m_totalTime = "1:15";
    recipe.m_cost = 3.5;
    recipe.m_costUnit = "USD";
    recipe.GetNutrition()->m_amount[NUTRITION::Protein] = 5;
    recipe.m_spareText = "spare";
    EXPECT_EQ(SoupBytes(), Stored([&](CArchive& ar) { ar << &recipe; }));

    std::unique_ptr<CObject> loaded;
    Loaded(SoupBytes(), [&](CArchive& ar) { loaded.reset(ar.ReadObject(nullptr)); });
    CRecipeData* pLoaded = static_cast<CRecipeData*>(loaded.get());
    EXPECT_STREQ("0:00", pLoaded->GetTotalTime());
    EXPECT_EQ(0.0, pLoaded->m_cost);
    EXPECT_FLOAT_EQ(0.0f, pLoaded->GetNutrition()->m_amount[NUTRITION::Protein]);
    EXPECT_STREQ("sifted", static_cast<CIngData*>(pLoaded->m_lines.GetHead())->m_preparation);

    pLoaded->m_totalTime = "1:15";
    pLoaded->m_cost = 3.5;
    pLoaded->m_costUnit = "USD";
    EXPECT_TRUE(*pLoaded == recipe);
}

TEST(RecipeData, SmallRecordArchiveForms)
{
    CPhotoItem photo;
    photo.m_id.SetNumber(7);
    photo.m_text[0] = "soup.bmp";
    const Bytes photoBytes = NewClass(1, "CPhotoItem") + Str("000007") + Str("soup.bmp") + Str("") + Str("");
    EXPECT_EQ(photoBytes, Stored([&](CArchive& ar) { ar << &photo; }));
    std::unique_ptr<CObject> loaded;
    Loaded(photoBytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject(nullptr)); });
    EXPECT_STREQ("000007", static_cast<CPhotoItem*>(loaded.get())->m_id);

    CCatData category;
    category.m_text[0] = "a";
    category.m_text[2] = "c";
    const Bytes categoryBytes = NewClass(2, "CCatData") + Str("a") + Str("") + Str("c");
    EXPECT_EQ(categoryBytes, Stored([&](CArchive& ar) { ar << &category; }));
    Loaded(categoryBytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject(nullptr)); });
    EXPECT_TRUE(*static_cast<CCatData*>(loaded.get()) == category);
}

TEST(RecipeData, DamagedArchivesRaiseArchiveExceptions)
{
    auto read = [](CArchive& ar) { delete ar.ReadObject(nullptr); };
    const Bytes whole = SoupBytes();
    for (size_t cut : {1, 10, 40, 60, 120, 200})
    {
        SCOPED_TRACE(cut);
        EXPECT_EQ(CArchiveException::endOfFile, ArchiveFailure(Truncated(whole, cut), read));
    }

    // An ingredient line where the categories belong.
    CRecipeData recipe;
    recipe.m_categories.AddTail(FlourLine());
    const Bytes foreign = Stored([&](CArchive& ar) { ar << &recipe; });
    EXPECT_EQ(CArchiveException::badClass, ArchiveFailure(foreign, read));

    // A photo's id stands in statements as it is read.
    const Bytes injected = NewClass(1, "CPhotoItem") + Str("1'OR'1") + Str("soup.bmp") + Str("") + Str("");
    EXPECT_EQ(CArchiveException::badIndex, ArchiveFailure(injected, read));
}

TEST(RecipeData, EqualityIgnoresNutritionAndSpareText)
{
    CRecipeData a;
    FillSoup(a);
    CRecipeData b = a;
    EXPECT_TRUE(a == b);
    b.m_spareText = "x";
    b.GetNutrition()->m_amount[NUTRITION::Sodium] = 3;
    EXPECT_TRUE(a == b);
    b.m_totalTime = "2:00";
    EXPECT_TRUE(a != b);

    CRecipeData c = a;
    static_cast<RefListItem*>(c.m_links.GetAt(0))->m_content = "other.bmp";
    EXPECT_TRUE(a != c);
    CRecipeData d = a;
    static_cast<CIngData*>(d.m_lines.GetHead())->m_minQty = 3;
    EXPECT_TRUE(a != d);
}

TEST(RecipeData, AssignmentCopiesDeeplyAndClearResets)
{
    CRecipeData a;
    FillSoup(a);
    a.m_spareText = "spare";
    a.m_totalTime = "1:15";
    a.GetNutrition()->m_amount[NUTRITION::Protein] = 5;
    CRecipeData b;
    b = a;
    EXPECT_NE(a.m_lines.GetHead(), b.m_lines.GetHead());
    EXPECT_NE(a.m_links.GetAt(0), b.m_links.GetAt(0));
    EXPECT_NE(a.GetNutrition(), b.GetNutrition());
    EXPECT_FLOAT_EQ(5.0f, b.GetNutrition()->m_amount[NUTRITION::Protein]);
    EXPECT_STREQ("", b.m_spareText);

    a.Clear();
    EXPECT_EQ(1, a.m_servings);
    EXPECT_STREQ("1:15", a.GetTotalTime());
    EXPECT_STREQ("0:00", a.GetCookTime());
    EXPECT_STREQ("000000", a.m_recipeId);
    EXPECT_TRUE(a.m_lines.IsEmpty());
    EXPECT_EQ(0, a.m_links.GetSize());
    EXPECT_STREQ("flour", static_cast<CIngData*>(b.m_lines.GetHead())->m_name);
}

TEST(TimeText, FormatsAndParsesHoursAndMinutes)
{
    struct Format
    {
        int hours;
        int minutes;
        const char* expected;
    };
    const Format formats[] = {{1, 75, "2:15"},  {-3, -5, "0:00"},   {120, 0, "99:00"},
                              {0, 135, "2:15"}, {0, 6000, "99:00"}, {0, 5, "0:05"}};
    for (const Format& f : formats)
    {
        SCOPED_TRACE(f.expected);
        EXPECT_STREQ(f.expected, FormatTimeText(f.hours, f.minutes));
    }
    EXPECT_STREQ("1:00 0:30", FormatTimeText(1, 0) + " " + FormatTimeText(0, 30));

    struct Parse
    {
        const char* text;
        int hours;
        int minutes;
    };
    const Parse parses[] = {{"45", 0, 45}, {"1:", 1, 0}, {"1:30", 1, 30}, {"", 0, 0}};
    for (const Parse& p : parses)
    {
        SCOPED_TRACE(p.text);
        int hours = -1;
        int minutes = -1;
        ParseTimeText(p.text, hours, minutes);
        EXPECT_EQ(p.hours, hours);
        EXPECT_EQ(p.minutes, minutes);
    }
    // The minutes stored are those a time shows back: none below 0, none past 99:59.
    const struct
    {
        const char* text;
        int minutes;
    } stored[] = {{"2:05", 125}, {"-5", 0}, {"-1:30", 0}, {"99:59", 5999}, {"100:00", 5999}, {"40000", 5999}};
    for (const auto& s : stored)
    {
        SCOPED_TRACE(s.text);
        int minutes = -1;
        ParseTimeTextToMinutes(s.text, minutes);
        EXPECT_EQ(s.minutes, minutes);
    }
}
