#include "shell/controls/TypeAheadCombo.h"

#include <gtest/gtest.h>

#include <vector>

#include <windows.h>

#include "shell/controls/IngredientSearch.h"

namespace {

constexpr UINT ComboId = 300;

class CFakeIngredients : public CIngredientSearch
{
public:
    std::vector<IngredientMatch> Search(const CString& prefix) override
    {
        searches.push_back(prefix);
        std::vector<IngredientMatch> found;
        const IngredientMatch all[] = {{"Apple", 11}, {"Apricot", 12}, {"Basil", 13}, {"Bay leaf", 14}};
        for (const IngredientMatch& match : all)
            if (::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, match.name, prefix.GetLength(), prefix,
                                 prefix.GetLength()) == CSTR_EQUAL)
                found.push_back(match);
        return found;
    }

    std::vector<CString> searches;
};

class TypeAheadComboTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.CreateEx(0, nullptr, "Ingredient", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 300, 200}, nullptr, 0);
        combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, RECT{10, 10, 200, 150}, &form,
                     ComboId);
        combo.SetIngredientSearch(&ingredients);
    }

    // What the edit field shows after the user typed `text`.
    CString Type(LPCSTR text)
    {
        combo.SetWindowText(text);
        form.SendMessage(WM_COMMAND, MAKEWPARAM(ComboId, CBN_EDITUPDATE), reinterpret_cast<LPARAM>(combo.m_hWnd));
        form.SendMessage(WM_COMMAND, MAKEWPARAM(ComboId, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo.m_hWnd));
        CString shown;
        combo.GetWindowText(shown);
        return shown;
    }

    CWnd form;
    CTypeAheadCombo combo;
    CFakeIngredients ingredients;
};

TEST_F(TypeAheadComboTest, CompletesTheTypedBeginningWithTheFirstMatch)
{
    EXPECT_EQ(CString("Apple"), Type("a"));
    EXPECT_EQ(MAKELONG(1, 5), static_cast<LONG>(combo.GetEditSel()));
    EXPECT_EQ(CString("Apricot"), Type("apr"));
    ASSERT_EQ(1, combo.GetCount());
    EXPECT_EQ(12u, combo.GetItemData(0));
    EXPECT_EQ(CString("Bay leaf"), Type("bay"));
}

TEST_F(TypeAheadComboTest, ALongerTextAfterASearchThatFoundNothingIsNotSearched)
{
    Type("q");
    Type("qz");
    Type("qzx");
    for (const CString& search : ingredients.searches)
        EXPECT_NE(CString("qzx"), search);
    EXPECT_EQ(0, combo.GetCount());
}

}  // namespace
