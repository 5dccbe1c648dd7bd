#include "forms/ServingsDlg.h"

#include <gtest/gtest.h>

#include <functional>

#include "DialogTest.h"
#include "res/resource.h"

namespace {

using formtest::IsItemEnabled;
using formtest::ItemText;

class ServingsDlgTest : public formtest::DialogTest
{
protected:
    // Runs the dialog for a recipe (view mode 3) with the action, returning the dialog's end.
    INT_PTR Run(int nViewMode, int nStored, int nCurrent, std::function<void(CDialog&)> action, int& nResult)
    {
        CDialogDriver::OnOpen(IDD_SERVINGS, std::move(action));
        CServingsDlg dialog(nullptr, nViewMode, nStored, nCurrent);
        const INT_PTR nEnd = dialog.DoModal();
        nResult = dialog.GetResult();
        return nEnd;
    }
};

TEST_F(ServingsDlgTest, EachChoiceGivesItsServings)
{
    struct Case
    {
        const char* name;
        int radio;
        const char* typed;
        int button;
        int expected;
    };
    const Case cases[] = {
        {"halve", IDC_SERVINGS_HALVE, nullptr, IDOK, 2},
        {"double", IDC_SERVINGS_DOUBLE, nullptr, IDOK, 10},
        {"set to", 0, "7", IDOK, 7},
        {"restore", IDC_SERVINGS_RESTORE, nullptr, IDOK, 5},
        {"cancel after typing", 0, "8", IDCANCEL, 3},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        int nResult = 0;
        const INT_PTR nEnd = Run(
            3, 5, 3,
            [&](CDialog& dialog) {
                if (c.typed != nullptr)
                    dialog.SetDlgItemText(IDC_SERVINGS_VALUE, c.typed);
                else
                    formtest::Click(dialog, c.radio);
                CDialogDriver::Press(dialog, c.button);
            },
            nResult);
        EXPECT_EQ(c.button, nEnd);
        EXPECT_EQ(c.expected, nResult);
    }
    EXPECT_TRUE(m_boxes.GetShown().empty());
}

TEST_F(ServingsDlgTest, OpensOnRestoreWithTheCurrentServingsSelected)
{
    struct Case
    {
        int current;
        const char* shown;
    };
    for (const Case& c : {Case{4, "4"}, Case{0, "1"}})
    {
        SCOPED_TRACE(c.shown);
        int nResult = 0;
        Run(
            3, 6, c.current,
            [&](CDialog& dialog) {
                EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_SERVINGS_RESTORE));
                EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_SERVINGS_SET_TO));
                EXPECT_STREQ(c.shown, ItemText(dialog, IDC_SERVINGS_VALUE));
                EXPECT_EQ(dialog.GetDlgItem(IDC_SERVINGS_VALUE)->m_hWnd, ::GetFocus());
                DWORD dwStart = 1;
                DWORD dwEnd = 0;
                ::SendMessageA(::GetFocus(), EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                               reinterpret_cast<LPARAM>(&dwEnd));
                EXPECT_EQ(0u, dwStart);
                EXPECT_EQ(strlen(c.shown), dwEnd);
                CDialogDriver::Press(dialog, IDCANCEL);
            },
            nResult);
        EXPECT_EQ(c.current, nResult);
    }
}

TEST_F(ServingsDlgTest, MoreThan999KeepsTheDialogOpenWithoutAMessage)
{
    int nResult = 0;
    BOOL bStillOpen = FALSE;
    Run(
        3, 5, 5,
        [&](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_SERVINGS_VALUE, "1000");
            CDialogDriver::Press(dialog, IDOK);
            bStillOpen = ::IsWindow(dialog.m_hWnd) && dialog.GetModalResult() == -1;
            dialog.SetDlgItemText(IDC_SERVINGS_VALUE, "999");
            CDialogDriver::Press(dialog, IDOK);
        },
        nResult);
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ(999, nResult);
    EXPECT_TRUE(m_boxes.GetShown().empty());
}

TEST_F(ServingsDlgTest, HeadingHelpAndHalvingFollowTheViewMode)
{
    struct Case
    {
        int mode;
        BOOL wholeList;
        const char* heading;
        const char* stored;
        UINT help;
    };
    const Case cases[] = {
        {3, FALSE, "Change servings for this recipe:", "(6)", 2007},
        {13, FALSE, "Change servings for this recipe:", "(6)", 2007},
        {4, FALSE, "Change servings for this recipe:", "(6)", 2008},
        {6, TRUE, "Change servings for all recipes in this meal plan:", "", 2008},
        {9, TRUE, "Change servings for all recipes in this meal plan:", "", 2008},
        {1, FALSE, "Change servings for this recipe:", "(6)", kOuterHelpContext},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.mode);
        int nResult = 0;
        Run(
            c.mode, 6, 6,
            [&](CDialog& dialog) {
                EXPECT_STREQ(c.heading, ItemText(dialog, IDC_SERVINGS_HEADING));
                EXPECT_STREQ(c.stored, ItemText(dialog, IDC_SERVINGS_STORED));
                EXPECT_EQ(!c.wholeList, IsItemEnabled(dialog, IDC_SERVINGS_HALVE));
                EXPECT_EQ(!c.wholeList, IsItemEnabled(dialog, IDC_SERVINGS_DOUBLE));
                EXPECT_EQ(c.help, GetHelpContext());
                CDialogDriver::Press(dialog, IDCANCEL);
            },
            nResult);
        EXPECT_EQ(kOuterHelpContext, GetHelpContext());
    }
}

TEST_F(ServingsDlgTest, TheSpinStepsTheFieldWithinItsRangeAndChoosesSetTo)
{
    struct Case
    {
        const char* start;
        BOOL up;
        const char* expected;
    };
    const Case cases[] = {{"5", TRUE, "6"}, {"5", FALSE, "4"}, {"999", TRUE, "999"}, {"1", FALSE, "1"}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.start);
        int nResult = 0;
        Run(
            3, 5, 5,
            [&](CDialog& dialog) {
                dialog.SetDlgItemText(IDC_SERVINGS_VALUE, c.start);
                dialog.CheckRadioButton(IDC_SERVINGS_HALVE, IDC_SERVINGS_RESTORE, IDC_SERVINGS_RESTORE);
                formtest::ClickUpDown(dialog, IDC_SERVINGS_SPIN, c.up);
                EXPECT_STREQ(c.expected, ItemText(dialog, IDC_SERVINGS_VALUE));
                CDialogDriver::Press(dialog, IDOK);
            },
            nResult);
        const BOOL bChanged = strcmp(c.start, c.expected) != 0;
        EXPECT_EQ(bChanged ? atoi(c.expected) : 5, nResult);
    }
}

}  // namespace
