#include "forms/IngredientClipboard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "CookbookDialogTest.h"
#include "database/IngData.h"
#include "database/RecipeData.h"
#include "forms/IngredientListText.h"
#include "framework/ListBox.h"
#include "shell/services/IngredientClipboardFormat.h"

namespace {

using Names = std::vector<std::string>;

const std::size_t kRecordSize = 552;
const std::size_t kNameOffset = 8;
const std::size_t kCountOffset = 548;

// A recipe's lines shown in an extended-selection list of the form, as the field window shows them.
class IngredientClipboardTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        RegisterIngredientClipboardFormat();
        m_list.Create(WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS | LBS_EXTENDEDSEL | LBS_NOTIFY, RECT{0, 0, 300, 200},
                      &m_frame, 10014);
        m_recipe.m_servings = 4;
    }

    void Show(const Names& names)
    {
        for (const std::string& name : names)
        {
            auto* pLine = new CIngData;
            pLine->m_name = name.c_str();
            m_recipe.m_lines.AddTail(pLine);
            m_list.AddString(IngredientListText(*pLine, m_recipe.m_servings));
        }
    }

    void Select(const std::vector<int>& indexes)
    {
        m_list.SetSel(-1, FALSE);
        for (int index : indexes)
            m_list.SetSel(index);
    }

    Names RecipeNames() const
    {
        Names names;
        for (POSITION at = m_recipe.m_lines.GetHeadPosition(); at != nullptr;)
            names.push_back(static_cast<const char*>(static_cast<CIngData*>(m_recipe.m_lines.GetNext(at))->m_name));
        return names;
    }

    Names ListTexts() const
    {
        Names texts;
        for (int index = 0; index < m_list.GetCount(); ++index)
        {
            CString text;
            m_list.GetText(index, text);
            texts.push_back(static_cast<const char*>(text));
        }
        return texts;
    }

    const CIngData& Line(int index) const
    {
        return *static_cast<const CIngData*>(m_recipe.m_lines.GetAt(m_recipe.m_lines.FindIndex(index)));
    }

    // Puts a block on the clipboard as another program would: text and, when given, private bytes.
    void PutOnClipboard(const char* text, const std::vector<unsigned char>* pPrivate)
    {
        ASSERT_TRUE(::OpenClipboard(m_frame.m_hWnd));
        ::EmptyClipboard();
        if (text != nullptr)
            ::SetClipboardData(CF_TEXT, Block(text, std::strlen(text) + 1));
        if (pPrivate != nullptr)
            ::SetClipboardData(GetIngredientClipboardFormat(), Block(pPrivate->data(), pPrivate->size()));
        ::CloseClipboard();
    }

    static HGLOBAL Block(const void* pData, std::size_t cb)
    {
        HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, cb);
        std::memcpy(::GlobalLock(hBlock), pData, cb);
        ::GlobalUnlock(hBlock);
        return hBlock;
    }

    std::vector<unsigned char> ClipboardBytes(UINT format)
    {
        std::vector<unsigned char> bytes;
        EXPECT_TRUE(::OpenClipboard(m_frame.m_hWnd));
        if (HANDLE hBlock = ::GetClipboardData(format))
        {
            const auto* p = static_cast<const unsigned char*>(::GlobalLock(hBlock));
            bytes.assign(p, p + ::GlobalSize(hBlock));
            ::GlobalUnlock(hBlock);
        }
        ::CloseClipboard();
        return bytes;
    }

    std::string ClipboardText()
    {
        const std::vector<unsigned char> bytes = ClipboardBytes(CF_TEXT);
        return bytes.empty() ? "" : std::string(reinterpret_cast<const char*>(bytes.data()));
    }

    CListBox m_list;
    CRecipeData m_recipe;
};

int32_t WordAt(const std::vector<unsigned char>& bytes, std::size_t offset)
{
    int32_t word = 0;
    std::memcpy(&word, bytes.data() + offset, sizeof word);
    return word;
}

std::vector<unsigned char> RecordsNamed(const Names& names, int32_t count)
{
    std::vector<unsigned char> bytes(names.size() * kRecordSize, 0);
    for (std::size_t i = 0; i < names.size(); ++i)
    {
        std::memcpy(&bytes[i * kRecordSize + kNameOffset], names[i].c_str(), names[i].size());
        std::memcpy(&bytes[i * kRecordSize + kCountOffset], &count, sizeof count);
    }
    return bytes;
}

TEST_F(IngredientClipboardTest, CopyPutsTheSelectedLinesAsRecordsAndAsText)
{
    Show({"flour", "sugar", "eggs", "milk", "salt"});
    Select({0, 2, 4});

    ASSERT_EQ(1, CIngredientClipboard(m_list, m_recipe).Copy());

    const std::vector<unsigned char> records = ClipboardBytes(GetIngredientClipboardFormat());
    ASSERT_EQ(1656u, records.size());
    const Names expected = {"flour", "eggs", "salt"};
    for (std::size_t i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(3, WordAt(records, i * kRecordSize + kCountOffset));
        EXPECT_EQ(expected[i], reinterpret_cast<const char*>(&records[i * kRecordSize + kNameOffset]));
    }
    const Names texts = ListTexts();
    EXPECT_EQ(texts[0] + "\r\n" + texts[2] + "\r\n" + texts[4] + "\r\n", ClipboardText());
}

TEST_F(IngredientClipboardTest, CopyWithNothingSelectedLeavesTheClipboardAlone)
{
    Show({"flour"});
    PutOnClipboard("kept", nullptr);

    EXPECT_EQ(1, CIngredientClipboard(m_list, m_recipe).Copy());

    EXPECT_EQ("kept", ClipboardText());
}

TEST_F(IngredientClipboardTest, PastedLinesComeBackWithTheirFields)
{
    Show({"plain"});
    CIngData& line = const_cast<CIngData&>(Line(0));
    line.m_itemId = CRecordId("000123");
    line.m_name = std::string(70, 'n').c_str();
    line.m_plural = "es";
    line.m_preparation = "finely chopped";
    line.m_seasoning = 1;
    line.m_lineType = "R";
    line.m_maxQty = 2.5;
    line.m_minQty = 1.5;
    line.m_fractional = 30;
    line.m_liquid = 240;
    line.m_dry = 120;
    line.m_unitValue = 8;
    line.m_brandId = CRecordId("000004");
    line.m_brandText = "brand";
    line.m_groupId = CRecordId("000005");
    line.m_groupName = "Produce";
    line.m_basicItemId = CRecordId("000006");
    line.m_basicItemName = "basic";
    line.m_unitId = CRecordId("000007");
    line.m_unitText = "cup(s)";
    line.m_unitType = 2;
    line.m_unitFactor1 = 0.25;
    line.m_unitFactor2 = 4;
    line.m_unitSystem = 1;
    Select({0});
    ASSERT_EQ(1, CIngredientClipboard(m_list, m_recipe).Copy());
    Select({});

    ASSERT_EQ(1, CIngredientClipboard(m_list, m_recipe).Paste());

    CIngData expected = line;
    expected.m_name = std::string(69, 'n').c_str();
    const CIngData& pasted = Line(1);
    EXPECT_TRUE(expected == pasted);
    EXPECT_EQ(std::string(69, 'n'), static_cast<const char*>(pasted.m_name));
    EXPECT_EQ(expected.m_brandId, pasted.m_brandId);
    EXPECT_EQ(std::string("brand"), static_cast<const char*>(pasted.m_brandText));
    EXPECT_EQ(expected.m_basicItemId, pasted.m_basicItemId);
    EXPECT_EQ(std::string("basic"), static_cast<const char*>(pasted.m_basicItemName));
    EXPECT_EQ(8.0, pasted.m_unitValue);
    EXPECT_EQ(static_cast<const char*>(IngredientListText(pasted, 4)), ListTexts()[1]);
}

TEST_F(IngredientClipboardTest, PasteGoesBeforeTheFirstSelectedLineInClipboardOrder)
{
    Show({"a", "b", "c", "d", "e"});
    Select({1, 2});
    ASSERT_EQ(1, CIngredientClipboard(m_list, m_recipe).Copy());
    Select({3, 4});

    EXPECT_EQ(2, CIngredientClipboard(m_list, m_recipe).Paste());

    const Names expected = {"a", "b", "c", "b", "c", "d", "e"};
    EXPECT_EQ(expected, RecipeNames());
    EXPECT_EQ(ListTexts().size(), expected.size());
    EXPECT_EQ(ListTexts()[3], ListTexts()[1]);
    EXPECT_GT(m_list.GetSel(5), 0);
}

TEST_F(IngredientClipboardTest, CutRemovesTheSelectedLinesAndKeepsThemForPaste)
{
    Show({"a", "b", "c", "d"});
    Select({0, 2});

    EXPECT_EQ(2, CIngredientClipboard(m_list, m_recipe).Cut());

    EXPECT_EQ((Names{"b", "d"}), RecipeNames());
    EXPECT_EQ(2, m_list.GetCount());
    Select({});
    EXPECT_EQ(2, CIngredientClipboard(m_list, m_recipe).Paste());
    EXPECT_EQ((Names{"b", "d", "a", "c"}), RecipeNames());
}

TEST_F(IngredientClipboardTest, ForeignAndDamagedBlocksPasteOnlyWhatTheyHold)
{
    std::vector<unsigned char> unterminated = RecordsNamed({""}, 1);
    std::memset(&unterminated[kNameOffset], 'x', kCountOffset - kNameOffset);
    std::vector<unsigned char> longerThanItsCount = RecordsNamed({"a", "b"}, 2);
    longerThanItsCount.resize(longerThanItsCount.size() + 100);
    const struct
    {
        const char* what;
        bool bPrivate;
        std::vector<unsigned char> bytes;
        Names pasted;
    } cases[] = {
        {"text only", false, {}, {}},
        {"block shorter than a record", true, std::vector<unsigned char>(100, 0), {}},
        {"count 0", true, RecordsNamed({"a"}, 0), {}},
        {"count beyond the block", true, RecordsNamed({"a", "b"}, 1000000), {}},
        {"count short of the block", true, RecordsNamed({"a", "b"}, 1), {}},
        {"negative count", true, RecordsNamed({"a"}, -1), {}},
        {"two records", true, RecordsNamed({"a", "b"}, 2), {"a", "b"}},
        {"spare bytes after the records", true, longerThanItsCount, {"a", "b"}},
        {"texts without their ends", true, unterminated, {std::string(70, 'x')}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        m_recipe.m_lines.DeleteAll();
        m_list.ResetContent();
        PutOnClipboard("some text", c.bPrivate ? &c.bytes : nullptr);

        EXPECT_EQ(static_cast<int>(c.pasted.size()), CIngredientClipboard(m_list, m_recipe).Paste());

        EXPECT_EQ(c.pasted, RecipeNames());
        EXPECT_EQ(static_cast<int>(c.pasted.size()), m_list.GetCount());
    }
    EXPECT_EQ(std::string(8, 'x'), static_cast<const char*>(Line(0).m_lineType));
    EXPECT_EQ(std::string(72, 'x'), static_cast<const char*>(Line(0).m_unitText));
}

}  // namespace
