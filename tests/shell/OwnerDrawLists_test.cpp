#include "shell/controls/OwnerDrawDragList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include <windows.h>

#include "OwnDesktop.h"
#include "RecordingForm.h"

#include "shell/settings/AppSettings.h"
#include "shell/controls/CheckItemList.h"
#include "shell/controls/CheckableItem.h"
#include "shell/controls/DragPartner.h"
#include "shell/controls/DropButton.h"
#include "shell/controls/DropQuery.h"
#include "shell/graphics/FormColors.h"
#include "shell/controls/PrintFontListBox.h"
#include "shell/controls/StateBitmapButton.h"

namespace {

constexpr UINT ListId = 410;
constexpr LONG AddToShoppingList = 91;

class CAlwaysDrag : public CDragPartner
{
public:
    BOOL CanDragSelection() override { return TRUE; }
};

DropFormState RecipeForm()
{
    return {5, 0};
}

class OwnerDrawListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g_ownDesktop);
        form.CreateEx(0, nullptr, "Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 500, 300}, nullptr, 0);
    }

    void MakeList(int height)
    {
        list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY,
                    RECT{10, 10, 160, 10 + height}, &form, ListId);
    }

    void Fill(int rows)
    {
        list.ResetContent();
        for (int row = 0; row < rows; ++row)
            list.AddString("Row");
    }

    CRecordingForm form;
    COwnerDrawDragList list{CControlFontSpec(0, 16)};
};

TEST_F(OwnerDrawListTest, RestoringTheScrollStateOfAListThatShrankShowsItsLastRows)
{
    MakeList(40);
    struct Case
    {
        int rowsBefore;
        int top;
        int selection;
        int rowsAfter;
        int expectedTop;
        int expectedSelection;
    };
    const Case cases[] = {
        {30, 12, 14, 5, 3, -1},
        {30, 12, 12, 30, 12, 12},
        {30, 12, 2, 1, 0, -1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.rowsBefore << " rows to " << c.rowsAfter);
        Fill(c.rowsBefore);
        list.SetTopIndex(c.top);
        list.SetCurSel(c.selection);
        list.SaveScrollState();
        Fill(c.rowsAfter);
        list.RestoreScrollState();
        EXPECT_EQ(c.expectedTop, list.GetTopIndex());
        EXPECT_EQ(c.expectedSelection, list.GetCurSel());
    }
}

TEST_F(OwnerDrawListTest, ARowIsAsHighAsItsWrappedLines)
{
    MakeList(200);
    list.AddString("Salt");
    list.AddString("A rather long ingredient note that wraps over several lines of this narrow list");
    int oneLine = list.GetItemHeight(0);
    EXPECT_GT(oneLine, 0);
    EXPECT_GE(list.GetItemHeight(1), 3 * oneLine);
    EXPECT_EQ(0, list.GetItemHeight(1) % oneLine);
}

TEST_F(OwnerDrawListTest, ASelectionDroppedOnAButtonPerformsItsCommandAndRefreshesTheForm)
{
    SetDropFormStateProvider(&RecipeForm);
    MakeList(100);
    Fill(3);
    CAlwaysDrag partner;
    list.SetDragSource(&partner);
    CDropButton button(AddToShoppingList);
    button.Create("Shop", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, RECT{300, 50, 400, 90}, &form, 901);
    list.SetFocus();

    RECT target;
    button.GetWindowRect(&target);
    POINT over{(target.left + target.right) / 2, (target.top + target.bottom) / 2};
    list.ScreenToClient(&over);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(list.IsDragging());
    list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(over.x, over.y));
    form.commands.clear();
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(over.x, over.y));
    SetDropFormStateProvider(nullptr);

    EXPECT_FALSE(list.IsDragging());
    ASSERT_FALSE(form.commands.empty());
    EXPECT_EQ(static_cast<WPARAM>(AddToShoppingList), form.commands[0].first);
    std::pair<WPARAM, LPARAM> refresh{MAKEWPARAM(ListId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list.m_hWnd)};
    EXPECT_NE(form.commands.end(), std::find(form.commands.begin(), form.commands.end(), refresh));
}

TEST(OwnerDrawDragList, RowKindsPickTheirPictures)
{
    struct Case
    {
        WORD kind;
        const char* picture;
    };
    const Case cases[] = {{100, "R"}, {101, "RP"}, {200, "M"}, {300, "C"}, {0, ""}, {400, ""}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.kind);
        EXPECT_STREQ(c.picture, COwnerDrawDragList::PictureOfKind(c.kind));
    }
}

TEST(StateBitmapButton, ShowsTheBitmapOfItsTwoStates)
{
    CStateBitmapButton button;
    button.SetBitmaps("RTGOOD", "RTGREAT", "RTBAD", "RTXCLNT");
    EXPECT_EQ(CString("RTGOOD"), button.GetShownBitmap());
    struct Case
    {
        BOOL first;
        BOOL second;
        const char* shown;
    };
    const Case cases[] = {
        {FALSE, FALSE, "RTBAD"}, {FALSE, TRUE, "RTGOOD"}, {TRUE, FALSE, "RTXCLNT"}, {TRUE, TRUE, "RTGREAT"}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.shown);
        button.SetFirstState(c.first);
        button.SetSecondState(c.second);
        EXPECT_EQ(CString(c.shown), button.GetShownBitmap());
    }
}

TEST(FormColors, NineDigitsAreRedGreenAndBlue)
{
    struct Case
    {
        const char* digits;
        COLORREF expected;
    };
    const Case cases[] = {{"255128000", RGB(255, 128, 0)},
                          {"000000255", RGB(0, 0, 255)},
                          {"999000000", RGB(255, 0, 0)},
                          {"12", RGB(12, 0, 0)}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.digits);
        EXPECT_EQ(c.expected, CFormColors::ParseColour(c.digits));
    }
}

}  // namespace

namespace {

class CShoppingRow : public CCheckableItem
{
public:
    LONG& CheckMark() override { return mark; }
    LONG mark = 0;
};

class CheckItemListTest : public OwnerDrawListTest
{
protected:
    void SetUp() override
    {
        OwnerDrawListTest::SetUp();
        checks.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY,
                      RECT{200, 10, 400, 200}, &form, ListId + 1);
        for (CShoppingRow& row : rows)
            checks.SetItemDataPtr(checks.AddString("Milk"), &row);
        checks.AddString("No item");
    }

    void ClickRow(int row, int x)
    {
        RECT rect;
        checks.GetItemRect(row, &rect);
        LPARAM point = MAKELPARAM(rect.left + x, rect.top + 2);
        checks.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
        checks.SendMessage(WM_LBUTTONUP, 0, point);
    }

    CShoppingRow rows[2];
    CCheckItemList checks;
};

TEST_F(CheckItemListTest, AClickOnTheSelectedRowsBoxFlipsItsMark)
{
    ClickRow(1, 5);
    EXPECT_EQ(1, checks.GetCurSel());
    EXPECT_FALSE(checks.IsChecked(1));
    ClickRow(1, 5);
    EXPECT_TRUE(checks.IsChecked(1));
    EXPECT_EQ(1, rows[1].mark);
    ClickRow(1, 25);
    EXPECT_TRUE(checks.IsChecked(1));
    EXPECT_FALSE(checks.IsChecked(0));
}

TEST_F(CheckItemListTest, ARowWithoutAnItemIsUncheckedAndToggleNeedsASelection)
{
    EXPECT_FALSE(checks.ToggleCurrent());
    checks.SetChecked(2, TRUE);
    EXPECT_FALSE(checks.IsChecked(2));
    checks.SetCurSel(0);
    EXPECT_TRUE(checks.ToggleCurrent());
    EXPECT_TRUE(checks.IsChecked(0));
}

}  // namespace

namespace {

int LineHeightOf(int height, const char* face)
{
    HDC hdc = ::GetDC(nullptr);
    HFONT font = ::CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, face);
    HGDIOBJ previous = ::SelectObject(hdc, font);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(hdc, &metrics);
    ::SelectObject(hdc, previous);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, hdc);
    return metrics.tmHeight;
}

TEST_F(OwnerDrawListTest, PrintFontRowsFollowThePrintFontWithRulesAndHalfLines)
{
    PrintSettings print{};
    print.FontHeight = -1;
    print.FontWidth = -120;
    std::strcpy(print.FontFace, "Arial");
    CPrintFontListBox printList;
    printList.ApplyPrintFont(print);
    printList.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
                     RECT{10, 10, 300, 200}, &form, ListId + 2);
    printList.AddString("Text");
    printList.AddString("__");
    printList.AddString(" ");

    HDC screen = ::GetDC(nullptr);
    int twelvePoints = -::MulDiv(12, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    int line = LineHeightOf(twelvePoints, "Arial");
    EXPECT_EQ(line, printList.GetItemHeight(0));
    EXPECT_EQ(1, printList.GetItemHeight(1));
    EXPECT_EQ(line / 2, printList.GetItemHeight(2));
}

}  // namespace
