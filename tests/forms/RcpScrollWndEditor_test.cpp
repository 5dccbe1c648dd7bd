#include "forms/RcpScrollWnd.h"

#include <gtest/gtest.h>

#include <string>

#include "LineEditorTest.h"
#include "framework/Edit.h"

namespace {

using formtest::LineEditorTest;

const char kInvalidUnit[] = "Invalid unit.  Select from list.\n";

class RcpScrollWndEditorTest : public LineEditorTest
{
protected:
    HWND Field(int nId) const { return ::GetDlgItem(m_window->m_hWnd, nId); }

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
};

TEST_F(RcpScrollWndEditorTest, OpeningShowsThePanelAndClosingCommitsAndHidesIt)
{
    Show({"flour", "salt"});
    List().SetSel(-1, FALSE);
    List().SetSel(1);
    ASSERT_TRUE(m_window->CanCopyIngredients());

    Open(1);
    EXPECT_EQ(1, Editor().GetLineIndex());
    EXPECT_EQ("salt", Shown(IDC_LINE_INGREDIENT));
    EXPECT_TRUE(m_host.panelShown);
    EXPECT_EQ(m_window.get(), m_host.panelOwner);
    EXPECT_EQ(&Line(1), m_host.pPanelLine);
    EXPECT_FALSE(m_host.pageButtons);
    EXPECT_FALSE(m_window->CanCopyIngredients());
    RECT line{};
    List().GetItemRect(1, &line);
    List().ClientToScreen(&line);
    RECT editor{};
    Editor().GetWindowRect(&editor);
    EXPECT_EQ(line.bottom, editor.top);

    Set(IDC_LINE_QUANTITY, "2");
    Press(VK_ESCAPE);

    EXPECT_FALSE(m_window->IsLineEditorOpen());
    EXPECT_DOUBLE_EQ(2.0, Line(1).m_minQty);
    EXPECT_EQ("2 salt", Text(1));
    EXPECT_FALSE(m_host.panelShown);
    EXPECT_TRUE(m_host.pageButtons);
    EXPECT_GT(m_host.changes, 0);
}

TEST_F(RcpScrollWndEditorTest, AClickOnAnotherLineCommitsTheLineLeftFirst)
{
    Show({"flour", "salt", "sugar"});
    Open(0);
    Set(IDC_LINE_UNIT, "cup");

    Click(2);

    EXPECT_STREQ("cup", Line(0).m_unitText);
    EXPECT_EQ(2, Editor().GetLineIndex());
    EXPECT_EQ("sugar", Shown(IDC_LINE_INGREDIENT));
    EXPECT_EQ((std::vector<int>{2}), Selected());
    EXPECT_EQ(&Line(2), m_host.pPanelLine);
}

TEST_F(RcpScrollWndEditorTest, AFailingLineKeepsTheEditorWhenAnotherLineIsClicked)
{
    Show({"flour", "salt", "sugar"});
    Open(0);
    Set(IDC_LINE_UNIT, "furlong");

    Click(2);

    EXPECT_EQ(kInvalidUnit, std::string(m_boxes.GetAllTexts()));
    EXPECT_EQ(0, Editor().GetLineIndex());
    EXPECT_EQ(0, m_window->GetCurrentLine());
    EXPECT_EQ((std::vector<int>{0}), Selected());
    EXPECT_EQ("furlong", Shown(IDC_LINE_UNIT));
    EXPECT_EQ("flour", Shown(IDC_LINE_INGREDIENT));
}

TEST_F(RcpScrollWndEditorTest, EnteringATextFieldClosesTheEditorUnlessItsLineFails)
{
    Show({"flour"});
    Open(0);
    Set(IDC_LINE_UNIT, "furlong");

    ::SetFocus(Field(10000));

    EXPECT_EQ(kInvalidUnit, std::string(m_boxes.GetAllTexts()));
    ASSERT_TRUE(m_window->IsLineEditorOpen());
    EXPECT_EQ(IDC_LINE_UNIT, FocusedControl());
    EXPECT_EQ("furlong", Shown(IDC_LINE_UNIT));

    Set(IDC_LINE_UNIT, "cup");
    ::SetFocus(Field(10000));

    EXPECT_FALSE(m_window->IsLineEditorOpen());
    EXPECT_STREQ("cup", Line(0).m_unitText);
    EXPECT_EQ(Field(10000), ::GetFocus());
}

TEST_F(RcpScrollWndEditorTest, CloseAndEscapeKeepAFailingLineOpen)
{
    Show({"flour"});
    Open(0);
    Set(IDC_LINE_UNIT, "furlong");

    CDialogDriver::Press(Editor(), IDC_LINE_CLOSE);
    Pump();
    EXPECT_TRUE(m_window->IsLineEditorOpen());
    EXPECT_FALSE(m_window->CloseLineEditor());
    EXPECT_FALSE(m_window->CommitLineEditor());

    EXPECT_TRUE(m_window->IsLineEditorOpen());
    EXPECT_EQ("furlong", Shown(IDC_LINE_UNIT));
    EXPECT_STREQ("", Line(0).m_unitText);
}

TEST_F(RcpScrollWndEditorTest, ThePanelsChangeReachesTheEditorAndKeepsOtherTyping)
{
    Show({"flour", "salt"});
    Open(1);
    Set(IDC_LINE_UNIT, "cup");
    const int changes = m_host.changes;

    Line(1).m_name = "sea salt";
    m_window->LineChanged(&Line(1), TRUE);

    EXPECT_EQ("sea salt", Shown(IDC_LINE_INGREDIENT));
    EXPECT_EQ("cup", Shown(IDC_LINE_UNIT));
    EXPECT_EQ("sea salt", Text(1));
    EXPECT_EQ(changes + 1, m_host.changes);
    EXPECT_TRUE(Editor().Commit());
    EXPECT_STREQ("sea salt", Line(1).m_name);
    EXPECT_STREQ("cup", Line(1).m_unitText);
}

TEST_F(RcpScrollWndEditorTest, DeletingAndInsertingMoveTheEditorWithTheCurrentLine)
{
    Show({"flour", "salt", "sugar"});
    Open(1);

    m_window->DeleteLine();
    EXPECT_EQ("sugar", Shown(IDC_LINE_INGREDIENT));
    EXPECT_EQ(&Line(1), Editor().GetLine());

    Set(IDC_LINE_UNIT, "furlong");
    m_window->InsertLine();
    EXPECT_EQ(2, static_cast<int>(m_recipe.m_lines.GetCount()));
    EXPECT_EQ(kInvalidUnit, std::string(m_boxes.GetAllTexts()));

    Set(IDC_LINE_UNIT, "cup");
    m_window->InsertLine();
    EXPECT_EQ(3, static_cast<int>(m_recipe.m_lines.GetCount()));
    EXPECT_STREQ("cup", Line(2).m_unitText);
    EXPECT_EQ(&Line(1), Editor().GetLine());
    EXPECT_EQ("", Shown(IDC_LINE_INGREDIENT));
}

TEST_F(RcpScrollWndEditorTest, MovingDownKeepsTheEditedLineInsideTheWindow)
{
    Show({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p"});
    Open(0);
    ASSERT_EQ(0, m_window->GetTopLine());
    for (int i = 0; i < 15; ++i)
        Press(VK_DOWN);
    ASSERT_EQ(15, Editor().GetLineIndex());

    RECT window{};
    m_window->GetWindowRect(&window);
    RECT line{};
    List().GetItemRect(15, &line);
    List().ClientToScreen(&line);
    EXPECT_GT(m_window->GetTopLine(), 0);
    EXPECT_GE(line.top, window.top);
    EXPECT_LE(line.bottom, window.bottom);
    RECT editor{};
    Editor().GetWindowRect(&editor);
    EXPECT_EQ(line.bottom, editor.top);
}

}  // namespace
