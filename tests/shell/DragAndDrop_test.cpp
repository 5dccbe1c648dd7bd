#include "shell/controls/DrawnItemListBox.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "FakeSortedView.h"
#include "ListHostWindow.h"
#include "database/RecordId.h"
#include "shell/controls/DragPartner.h"
#include "shell/controls/DropButton.h"
#include "shell/controls/DropQuery.h"

namespace {

constexpr LONG AddToMealPlan = 88;
constexpr LONG AddToPantry = 801;

class CAlwaysDrag : public CDragPartner
{
public:
    BOOL CanDragSelection() override { return TRUE; }
};

DropFormState g_formState{3, 0};

DropFormState CurrentForm()
{
    return g_formState;
}

class DragAndDropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g_ownDesktop);
        CFakeSortedView::s_rowCount = 100;
        CRecipeListCache::SetViewFactory(&CFakeSortedView::Make);
        SetDropFormStateProvider(&CurrentForm);
        g_formState = {3, 0};
        control = form.AddList(list, 10, 10);
        list.Initialise(0, CRecordId());
        list.SetDragPartner(&partner);
        RECT area{300, 50, 400, 90};
        button.Create("Meal plan", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, area, CWnd::FromHandle(form.m_hWnd), 900);
    }

    void TearDown() override { SetDropFormStateProvider(nullptr); }

    HWND Inner() const { return ::GetWindow(control, GW_CHILD); }

    // A point of the inner list's client area that lies over the centre of `target`.
    LPARAM PointOver(HWND target) const
    {
        RECT rect;
        ::GetWindowRect(target, &rect);
        POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ::ScreenToClient(Inner(), &point);
        return MAKELPARAM(point.x, point.y);
    }

    void DragRowTo(int row, HWND target)
    {
        ::SendMessageA(Inner(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, row * 16 + 5));
        ::SendMessageA(Inner(), WM_MOUSEMOVE, MK_LBUTTON, PointOver(target));
        ::SendMessageA(Inner(), WM_LBUTTONUP, 0, PointOver(target));
    }

    CListHostWindow form;
    CDrawnItemListBox list;
    CAlwaysDrag partner;
    CDropButton button{AddToMealPlan};
    HWND control = nullptr;
};

TEST_F(DragAndDropTest, ARowDroppedOnAButtonPerformsTheCommandTheButtonAnswers)
{
    DragRowTo(2, button.m_hWnd);
    EXPECT_EQ(2, list.GetCurSel());
    EXPECT_FALSE(list.IsDragging());
    EXPECT_EQ(std::vector<WPARAM>{AddToMealPlan}, form.commands);
    EXPECT_EQ(1, form.buttonUps);
}

TEST_F(DragAndDropTest, ADropThatIsRefusedPerformsNothingButTheFormSeesTheButtonUp)
{
    g_formState = {7, 0};
    DragRowTo(1, button.m_hWnd);
    EXPECT_TRUE(form.commands.empty());
    EXPECT_EQ(1, form.buttonUps);
}

TEST_F(DragAndDropTest, AMouseMessageReachesOnlyTheListItHappenedIn)
{
    CDrawnItemListBox other;
    HWND otherControl = form.AddList(other, 250, 5);
    other.Initialise(0, CRecordId());
    other.SetDragPartner(&partner);
    ::SendMessageA(::GetWindow(otherControl, GW_CHILD), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 16 + 5));
    EXPECT_TRUE(other.IsDragging());
    EXPECT_FALSE(list.IsDragging());
    EXPECT_EQ(1, other.GetCurSel());
    EXPECT_EQ(-1, list.GetCurSel());
    ::SendMessageA(::GetWindow(otherControl, GW_CHILD), WM_LBUTTONUP, 0, MAKELPARAM(5, 16 + 5));
    EXPECT_FALSE(other.IsDragging());
}

TEST(DropQuery, AnswersByFormKind)
{
    struct Case
    {
        DropFormState state;
        LONG command;
        bool toolbar;
        LRESULT expected;
    };
    const Case cases[] = {
        {{3, 0}, AddToMealPlan, false, AddToMealPlan},
        {{15, 0}, AddToMealPlan, false, AddToMealPlan},
        {{11, 1}, AddToMealPlan, false, AddToMealPlan},
        {{11, 0}, AddToMealPlan, false, 0},
        {{7, 0}, AddToPantry, true, AddToPantry},
        {{7, 0}, AddToPantry, false, 0},
        {{7, 0}, AddToMealPlan, true, 0},
        {{1, 0}, AddToMealPlan, false, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.state.formKind << " command " << c.command);
        g_formState = c.state;
        SetDropFormStateProvider(&CurrentForm);
        EXPECT_EQ(c.expected, AnswerDropQuery(c.command, c.toolbar));
    }
    SetDropFormStateProvider(nullptr);
}

TEST(DropQuery, IsRegisteredBeforeAnyDropTargetExists)
{
    EXPECT_NE(0u, g_nDropQueryMessage);
    EXPECT_EQ(::RegisterWindowMessageA("WM_DROPQUERY"), g_nDropQueryMessage);
}

}  // namespace
