#include "forms/RcpScrollWnd.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CookbookDialogTest.h"
#include "database/IngData.h"
#include "database/RecipeData.h"
#include "forms/RecipeFieldHost.h"
#include "framework/ListBox.h"
#include "shell/services/IngredientClipboardFormat.h"

namespace {

using Names = std::vector<std::string>;

const int kTitle = 10000;
const int kSubtitle = 10001;
const int kServings = 10004;
const int kYield = 10005;
const int kPrepTime = 10006;
const int kCookTime = 10007;
const int kStandTime = 10008;
const int kDate = 10012;

class CountingHost : public CRecipeFieldHost
{
public:
    void SetDirty() override { ++changes; }
    CWnd* ShowIngredientPanel(CWnd*) override { return nullptr; }
    void HideIngredientPanel() override {}
    void SetIngredientLine(CIngData*) override {}
    void EnablePageButtons(BOOL) override {}
    int changes = 0;
};

class RcpScrollWndTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        RegisterIngredientClipboardFormat();
        m_recipe.m_servings = 4;
        m_window = std::make_unique<CRcpScrollWnd>(&m_frame, RECT{0, 0, 500, 300}, &m_recipe, &m_host);
    }

    void TearDown() override
    {
        m_window->DestroyWindow();
        m_window.reset();
        CookbookDialogTest::TearDown();
    }

    HWND Field(int id) const { return ::GetDlgItem(m_window->m_hWnd, id); }

    RECT FieldRect(int id) const
    {
        RECT rect;
        ::GetWindowRect(Field(id), &rect);
        ::MapWindowPoints(nullptr, m_window->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    std::string Text(int id) const
    {
        char text[5000] = {};
        ::GetWindowTextA(Field(id), text, sizeof text);
        return text;
    }

    void Type(int id, const std::string& keys)
    {
        for (char key : keys)
            ::SendMessageA(Field(id), WM_CHAR, static_cast<unsigned char>(key), 1);
    }

    void Leave(int id)
    {
        m_window->SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(Field(id)));
    }

    int Width() const { return 500 - ::GetSystemMetrics(SM_CXVSCROLL); }

    CRecipeData m_recipe;
    CountingHost m_host;
    std::unique_ptr<CRcpScrollWnd> m_window;
};

TEST_F(RcpScrollWndTest, FieldsLieInRowsAndColumnsOfTheirLines)
{
    const int line = m_window->GetLineHeight();
    const int width = Width();
    const struct
    {
        int id;
        int left;
        int top;
        int right;
        int lines;
    } rows[] = {
        {kTitle, 0, 0, width + 2, 2},
        {kSubtitle, 0, 2 * line + 5, width + 2, 2},
        {10002, 0, 4 * line + 10, width + 2, 4},
        {kServings, 0, 8 * line + 15, width / 2 + 2, 2},
        {kYield, width / 2 + 1, 8 * line + 15, width / 2 + 1 + width / 2 + 2, 2},
        {10014, 0, 10 * line + 20, width + 2, 2},
        {10003, 0, 12 * line + 25, width + 2, 7},
        {kPrepTime, 0, 19 * line + 30, width / 3 + 2, 2},
        {kCookTime, width / 3 + 1, 19 * line + 30, 2 * (width / 3 + 1) + 1, 2},
        {kStandTime, 2 * (width / 3 + 1), 19 * line + 30, 3 * (width / 3 + 1) + 1, 2},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.id);
        const RECT rect = FieldRect(row.id);
        EXPECT_EQ(row.left, rect.left);
        EXPECT_EQ(row.top, rect.top);
        EXPECT_EQ(row.right, rect.right);
        EXPECT_EQ(row.lines * line + 6, rect.bottom - rect.top);
    }
    EXPECT_EQ(0, m_window->GetEntryTop(0));
    EXPECT_EQ(19 * line + 30, m_window->GetEntryTop(7));
}

TEST_F(RcpScrollWndTest, LoadShowsTheRecipeAndReadingTakesTheFieldsBack)
{
    m_recipe.m_title = "Apple Pie";
    m_recipe.m_yieldUnit = "1 pie";
    m_recipe.m_prepTime = "0:30";
    m_recipe.m_cost = 4.5;
    m_recipe.m_date = "1/2/96";
    auto* pLine = new CIngData;
    pLine->m_name = "apples";
    m_recipe.m_lines.AddTail(pLine);

    m_window->LoadRecipe();

    EXPECT_EQ("Apple Pie", Text(kTitle));
    EXPECT_EQ("4", Text(kServings));
    EXPECT_EQ("1 pie", Text(kYield));
    EXPECT_EQ("0:30", Text(kPrepTime));
    EXPECT_EQ("4.50", Text(10009));
    EXPECT_EQ(1, m_window->GetIngredientList().GetCount());
    ::SetWindowTextA(Field(kSubtitle), "Grandmother's");
    ::SetWindowTextA(Field(kServings), "6");
    ::SetWindowTextA(Field(10009), "7.25");
    m_window->ReadFields();
    EXPECT_EQ(std::string("Grandmother's"), static_cast<const char*>(m_recipe.m_subtitle));
    EXPECT_EQ(6, m_recipe.m_servings);
    EXPECT_DOUBLE_EQ(7.25, m_recipe.m_cost);
    EXPECT_TRUE(m_window->HasTitle());
}

TEST_F(RcpScrollWndTest, ARecipeWithoutLinesGetsOneEmptyLine)
{
    m_window->LoadRecipe();

    EXPECT_EQ(1, m_recipe.m_lines.GetCount());
    EXPECT_EQ(1, m_window->GetIngredientList().GetCount());
    EXPECT_FALSE(m_window->HasTitle());
}

TEST_F(RcpScrollWndTest, TypingHoldsEachFieldToItsRules)
{
    const struct
    {
        int id;
        std::string typed;
        std::string shown;
        std::string message;
    } cases[] = {
        {kTitle, std::string(71, 't'), std::string(70, 't'), "Title must be 70 or fewer characters."},
        {kYield, std::string(21, 'y'), std::string(20, 'y'), "Yield must be 20 or fewer characters."},
        {kPrepTime, "1:3000", "1:300", "Prep Time must be 5 or fewer characters."},
        {kDate, "12/31/199", "12/31/19", "Date must be 8 or fewer characters."},
        {kServings, "1000", "1", "Servings must be single whole number between 0 and 999."},
        {kServings, "2x", "1", "Servings must be single whole number between 0 and 999."},
        {kServings, "0", "1", "Servings must be single whole number between 0 and 999."},
        {kServings, "12", "12", ""},
        {10009, "12.345", "12.345", ""},
        {10009, "1234.56", "1234.5", "Cost must be less than 999.99."},
    };
    m_window->LoadRecipe();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        ::SetWindowTextA(Field(c.id), "");
        m_boxes.ClearShown();

        Type(c.id, c.typed);

        EXPECT_EQ(c.shown, Text(c.id));
        const std::vector<CString> shown = m_boxes.GetTexts();
        ASSERT_EQ(c.message.empty() ? 0u : 1u, shown.size());
        if (!shown.empty())
        {
            EXPECT_EQ(c.message, static_cast<const char*>(shown[0]));
        }
    }
    EXPECT_EQ(12, m_recipe.m_servings);
    EXPECT_EQ(std::string("1:300"), static_cast<const char*>(m_recipe.m_prepTime));
    EXPECT_GT(m_host.changes, 0);
}

TEST_F(RcpScrollWndTest, EnterGrowsTheTitleAndLeavingTakesTheBreakOut)
{
    m_window->LoadRecipe();
    const int line = m_window->GetLineHeight();
    const int subtitleTop = FieldRect(kSubtitle).top;

    Type(kTitle, "Apple\rPie");

    EXPECT_EQ(3, m_window->GetEntryLines(0));
    EXPECT_EQ(subtitleTop + line, FieldRect(kSubtitle).top);
    Leave(kTitle);
    EXPECT_EQ("ApplePie", Text(kTitle));
    EXPECT_EQ(std::string("ApplePie"), static_cast<const char*>(m_recipe.m_title));
}

TEST_F(RcpScrollWndTest, LeavingATimeFieldWritesItAsHoursAndMinutes)
{
    m_window->LoadRecipe();
    ::SetWindowTextA(Field(kCookTime), "1:75");

    Leave(kCookTime);

    EXPECT_EQ("2:15", Text(kCookTime));
    EXPECT_EQ(std::string("2:15"), static_cast<const char*>(m_recipe.m_cookTime));
}

class RcpScrollWndLinesTest : public RcpScrollWndTest
{
protected:
    void Show(const Names& names)
    {
        for (const std::string& name : names)
        {
            auto* pLine = new CIngData;
            pLine->m_name = name.c_str();
            m_recipe.m_lines.AddTail(pLine);
        }
        m_window->LoadRecipe();
    }

    Names RecipeNames() const
    {
        Names names;
        for (POSITION at = m_recipe.m_lines.GetHeadPosition(); at != nullptr;)
            names.push_back(static_cast<const char*>(static_cast<CIngData*>(m_recipe.m_lines.GetNext(at))->m_name));
        return names;
    }

    std::vector<int> Selected() const
    {
        std::vector<int> selected;
        for (int i = 0; i < List().GetCount(); ++i)
        {
            if (List().GetSel(i) > 0)
                selected.push_back(i);
        }
        return selected;
    }

    CListBox& List() const { return m_window->GetIngredientList(); }
};

TEST_F(RcpScrollWndLinesTest, DeletingTheOnlyLineLeavesOneEmptyLine)
{
    Show({"salt"});

    m_window->DeleteLine();

    EXPECT_EQ((Names{""}), RecipeNames());
    EXPECT_EQ(1, List().GetCount());
    EXPECT_EQ(0, m_window->GetCurrentLine());
    EXPECT_EQ(1, m_host.changes);
}

TEST_F(RcpScrollWndLinesTest, DeletingTheLastLineMakesThePreviousCurrent)
{
    Show({"a", "b", "c"});
    m_window->SetCurrentLine(2);

    m_window->DeleteLine();

    EXPECT_EQ((Names{"a", "b"}), RecipeNames());
    EXPECT_EQ(2, List().GetCount());
    EXPECT_EQ(1, m_window->GetCurrentLine());
    EXPECT_EQ((std::vector<int>{1}), Selected());
}

TEST_F(RcpScrollWndLinesTest, InsertingPutsAnEmptyLineBeforeTheCurrentOne)
{
    Show({"a", "b", "c"});
    m_window->SetCurrentLine(1);

    m_window->InsertLine();

    EXPECT_EQ((Names{"a", "", "b", "c"}), RecipeNames());
    EXPECT_EQ(4, List().GetCount());
    EXPECT_EQ(1, m_window->GetCurrentLine());
    EXPECT_EQ((std::vector<int>{1}), Selected());
    EXPECT_EQ(1, m_host.changes);
}

TEST_F(RcpScrollWndLinesTest, LinesCutAndPastedMoveAndTheListGrows)
{
    Show({"a", "b", "c", "d", "e", "f"});
    const int listLines = m_window->GetEntryLines(5);
    List().SetSel(-1, FALSE);
    List().SetSel(0);
    List().SetSel(1);
    ASSERT_TRUE(m_window->CanCopyIngredients());

    m_window->CutIngredients();
    EXPECT_EQ((Names{"c", "d", "e", "f"}), RecipeNames());
    List().SetSel(-1, FALSE);
    List().SetSel(3);
    m_window->PasteIngredients();
    m_window->PasteIngredients();

    EXPECT_EQ((Names{"c", "d", "e", "a", "b", "a", "b", "f"}), RecipeNames());
    EXPECT_EQ(8, List().GetCount());
    EXPECT_GT(m_window->GetEntryLines(5), listLines);
    EXPECT_EQ(3, m_host.changes);
}

TEST_F(RcpScrollWndLinesTest, CuttingEveryLineLeavesOneEmptyLine)
{
    Show({"a", "b"});
    List().SetSel(-1, TRUE);

    m_window->CutIngredients();

    EXPECT_EQ((Names{""}), RecipeNames());
    EXPECT_EQ(1, List().GetCount());
    EXPECT_FALSE(m_window->CanCopyIngredients());
}

TEST_F(RcpScrollWndLinesTest, TabAndShiftTabGoRoundTheFieldsInLayoutOrder)
{
    Show({"a", "b"});
    m_frame.ShowWindow(SW_SHOW);
    ::SetFocus(m_frame.m_hWnd);
    const int order[] = {kTitle,    kSubtitle,  10002, kServings, kYield, 10014, 10003, kPrepTime,
                         kCookTime, kStandTime, 10009, 10010,     10011,  kDate, 10013};

    for (int id : order)
    {
        SCOPED_TRACE(id);
        m_window->NextField();
        EXPECT_EQ(Field(id), ::GetFocus());
    }
    m_window->NextField();
    EXPECT_EQ(Field(kTitle), ::GetFocus());
    m_window->PreviousField();
    EXPECT_EQ(Field(10013), ::GetFocus());
    m_window->PreviousField();
    EXPECT_EQ(Field(kDate), ::GetFocus());
}

TEST_F(RcpScrollWndLinesTest, DownAndUpMoveTheCurrentLineWithinTheList)
{
    Show({"a", "b", "c"});
    m_frame.ShowWindow(SW_SHOW);
    ::SetFocus(Field(kYield));
    m_window->NextField();
    ASSERT_EQ(Field(10014), ::GetFocus());
    EXPECT_EQ(0, m_window->GetCurrentLine());

    const struct
    {
        bool bDown;
        int current;
    } steps[] = {{false, 0}, {true, 1}, {true, 2}, {true, 2}, {false, 1}};
    for (const auto& step : steps)
    {
        if (step.bDown)
            m_window->NextLine();
        else
            m_window->PreviousLine();
        EXPECT_EQ(step.current, m_window->GetCurrentLine());
        EXPECT_EQ((std::vector<int>{step.current}), Selected());
    }
}

TEST_F(RcpScrollWndLinesTest, EnteringServingsOrATimeSelectsItsWholeText)
{
    Show({"a"});
    m_frame.ShowWindow(SW_SHOW);
    ::SetWindowTextA(Field(kPrepTime), "1:30");
    ::SetFocus(Field(kCookTime));

    m_window->PreviousField();

    ASSERT_EQ(Field(kPrepTime), ::GetFocus());
    DWORD start = 1;
    DWORD end = 0;
    ::SendMessageA(Field(kPrepTime), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(4u, end);
}

}  // namespace
