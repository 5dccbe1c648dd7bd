#include "shell/controls/DropButton.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>

#include "OwnDesktop.h"
#include "RecordingForm.h"
#include "shell/controls/DragPartner.h"
#include "shell/controls/DropQuery.h"
#include "shell/controls/DropToolbarButton.h"
#include "shell/controls/OwnerDrawDragList.h"

namespace {

constexpr UINT ListId = 420;
constexpr LONG AddToMealPlan = 88;
constexpr LONG AddToFrequentItems = 800;
constexpr LONG AddToPantry = 801;

DropFormState g_form{0, 0};

DropFormState CurrentForm()
{
    return g_form;
}

class CAlwaysDrag : public CDragPartner
{
public:
    BOOL CanDragSelection() override { return TRUE; }
};

class DropButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g_ownDesktop);
        SetDropFormStateProvider(&CurrentForm);
        form.CreateEx(0, nullptr, "Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 500, 300}, nullptr, 0);
    }

    void TearDown() override { SetDropFormStateProvider(nullptr); }

    CRecordingForm form;
};

TEST_F(DropButtonTest, BothButtonsAnswerTheDropQueryByFormKind)
{
    struct Case
    {
        DropFormState state;
        LONG command;
        LRESULT button;
        LRESULT toolbarButton;
    };
    const Case cases[] = {
        {{5, 0}, AddToMealPlan, AddToMealPlan, AddToMealPlan},
        {{11, 2}, AddToMealPlan, AddToMealPlan, AddToMealPlan},
        {{11, 3}, AddToMealPlan, 0, 0},
        {{7, 0}, AddToFrequentItems, 0, AddToFrequentItems},
        {{7, 0}, AddToPantry, 0, AddToPantry},
        {{7, 0}, AddToMealPlan, 0, 0},
        {{16, 0}, AddToMealPlan, 0, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.state.formKind << " command " << c.command);
        g_form = c.state;
        CDropButton button(c.command);
        CDropToolbarButton toolbarButton(c.command);
        button.Create("Add", WS_CHILD | BS_PUSHBUTTON, RECT{0, 0, 40, 20}, &form, 901);
        toolbarButton.Create("", WS_CHILD | BS_OWNERDRAW, RECT{50, 0, 90, 20}, &form, 902);
        EXPECT_EQ(c.button, button.SendMessage(g_nDropQueryMessage, 0, 0));
        EXPECT_EQ(c.toolbarButton, toolbarButton.SendMessage(g_nDropQueryMessage, 0, 0));
    }
}

// On the shopping form a row dropped on the tool bar is taken only by the Frequent Items and
// Pantry buttons; either way the form refreshes from the list's selection.
TEST_F(DropButtonTest, ARowDroppedOnAShoppingToolBarButtonPerformsOnlyTheListCommands)
{
    g_form = {7, 0};
    COwnerDrawDragList list{CControlFontSpec(0, 16)};
    list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY,
                RECT{10, 10, 160, 110}, &form, ListId);
    list.AddString("Milk");
    CAlwaysDrag partner;
    list.SetDragSource(&partner);
    const std::pair<WPARAM, LPARAM> refresh{MAKEWPARAM(ListId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list.m_hWnd)};

    struct Case
    {
        LONG command;
        bool performed;
    };
    const Case cases[] = {{AddToPantry, true}, {AddToFrequentItems, true}, {AddToMealPlan, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.command);
        CDropToolbarButton button(c.command);
        button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{300, 50, 348, 66}, &form, 903);
        RECT target;
        button.GetWindowRect(&target);
        POINT over{(target.left + target.right) / 2, (target.top + target.bottom) / 2};
        list.ScreenToClient(&over);
        list.SetFocus();
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(over.x, over.y));
        form.commands.clear();
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(over.x, over.y));

        bool performed = std::find(form.commands.begin(), form.commands.end(),
                                   std::pair<WPARAM, LPARAM>{static_cast<WPARAM>(c.command), 0}) != form.commands.end();
        EXPECT_EQ(c.performed, performed);
        EXPECT_NE(form.commands.end(), std::find(form.commands.begin(), form.commands.end(), refresh));
    }
}

}  // namespace
