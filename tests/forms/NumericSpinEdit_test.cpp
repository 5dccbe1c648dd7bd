#include "forms/NumericSpinEdit.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "framework/String.h"

namespace {

constexpr UINT kEditId = 300;

// Counts the beeps instead of sounding them.
class CCountingSpinEdit : public CNumericSpinEdit
{
public:
    int m_nBeeps = 0;

protected:
    void Beep() override { ++m_nBeeps; }
};

// The edit's parent: records the bad-input commands and answers them as told.
class CSpinParent : public CWnd
{
public:
    CSpinParent() { CreateEx(0, nullptr, "Parent", WS_POPUP, RECT{0, 0, 200, 100}, nullptr, 0); }

    LRESULT m_answer = 0;
    int m_nBadInputs = 0;
    LPARAM m_lastLParam = 0;

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT OnBadInput(LPARAM lParam)
    {
        ++m_nBadInputs;
        m_lastLParam = lParam;
        return m_answer;
    }
};

BEGIN_MESSAGE_MAP(CSpinParent, CWnd)
    ON_COMMAND_RESULT(kEditId, OnBadInput)
END_MESSAGE_MAP()

enum class Act
{
    Char,
    Spin
};

struct Case
{
    const char* name;
    UINT mask;
    int minimum;
    int maximum;
    const char* start;
    Act act;
    UINT code;  // the character, or the scroll code
    const char* expected;
    int beeps;
};

const Case kCases[] = {
    {"letter under digits", 1, 1, 999, "12", Act::Char, 'a', "12", 1},
    {"digit under digits", 1, 1, 999, "12", Act::Char, '7', "127", 0},
    {"backspace passes", 1, 1, 999, "12", Act::Char, VK_BACK, "1", 0},
    {"digit under letters", 2, 1, 999, "ab", Act::Char, '5', "ab", 1},
    {"letter under letters", 2, 1, 999, "ab", Act::Char, 'Z', "abZ", 0},
    {"sign under other", 4, 1, 999, "", Act::Char, '-', "-", 0},
    {"letter under other", 4, 1, 999, "", Act::Char, 'q', "", 1},
    {"up within range", 1, 1, 999, "998", Act::Spin, SB_LINEUP, "999", 0},
    {"up at maximum", 1, 1, 999, "999", Act::Spin, SB_LINEUP, "999", 1},
    {"down at minimum", 1, 1, 999, "1", Act::Spin, SB_LINEDOWN, "1", 1},
    {"down within range", 1, 1, 999, "10", Act::Spin, SB_LINEDOWN, "9", 0},
    {"empty text with up", 1, 1, 999, "", Act::Spin, SB_LINEUP, "", 1},
    {"text that is no number", 7, 1, 999, "x", Act::Spin, SB_LINEUP, "x", 1},
    {"day zero up", 1, 0, 30, "0", Act::Spin, SB_LINEUP, "1", 0},
    {"day zero down", 1, 0, 30, "0", Act::Spin, SB_LINEDOWN, "0", 1},
    {"day thirty up", 1, 0, 30, "30", Act::Spin, SB_LINEUP, "30", 1},
    {"other scroll codes do nothing", 1, 0, 30, "5", Act::Spin, SB_THUMBPOSITION, "5", 0},
};

CString Text(const CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

TEST(NumericSpinEdit, KeysAndSpinsUnderMasksAndRanges)
{
    for (const Case& c : kCases)
    {
        SCOPED_TRACE(c.name);
        CSpinParent parent;
        CCountingSpinEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | c.mask, RECT{0, 0, 80, 20}, &parent, kEditId));
        edit.SetRange(c.minimum, c.maximum);
        edit.SetWindowText(c.start);
        const int nEnd = static_cast<int>(strlen(c.start));
        edit.SetSel(nEnd, nEnd);
        if (c.act == Act::Char)
            edit.SendMessage(WM_CHAR, c.code, 1);
        else
            edit.SendMessage(WM_VSCROLL, MAKEWPARAM(c.code, 0), 0);
        EXPECT_STREQ(c.expected, Text(edit));
        EXPECT_EQ(c.beeps, edit.m_nBeeps);
        EXPECT_EQ(c.beeps, parent.m_nBadInputs);
    }
}

TEST(NumericSpinEdit, BadInputTellsTheParentWithTheMarkedHandleAndMinusOneSilencesTheBeep)
{
    CSpinParent parent;
    CCountingSpinEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | CNumericSpinEdit::kDigits, RECT{0, 0, 80, 20}, &parent, kEditId));
    edit.SendMessage(WM_CHAR, 'x', 1);
    EXPECT_EQ(static_cast<LPARAM>(reinterpret_cast<UINT_PTR>(edit.m_hWnd) | 0x80000000u), parent.m_lastLParam);
    EXPECT_EQ(1, edit.m_nBeeps);

    parent.m_answer = -1;
    edit.SendMessage(WM_CHAR, 'x', 1);
    EXPECT_EQ(2, parent.m_nBadInputs);
    EXPECT_EQ(1, edit.m_nBeeps);
}

TEST(NumericSpinEdit, SpinSelectsTheWholeTextAndTakesTheFocus)
{
    CSpinParent parent;
    CCountingSpinEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | CNumericSpinEdit::kDigits, RECT{0, 0, 80, 20}, &parent, kEditId));
    parent.ShowWindow(SW_SHOW);
    edit.SetWindowText("41");
    edit.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), 0);
    int nStart = -1;
    int nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(2, nEnd);
    EXPECT_EQ(edit.m_hWnd, ::GetFocus());
}

TEST(NumericSpinEdit, AttachNeedsTheItem)
{
    CSpinParent parent;
    ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, parent.m_hWnd,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), ::GetModuleHandleA(nullptr), nullptr);
    CCountingSpinEdit missing;
    EXPECT_FALSE(missing.Attach(kEditId + 1, &parent, CNumericSpinEdit::kDigits));
    CCountingSpinEdit edit;
    ASSERT_TRUE(edit.Attach(kEditId, &parent, CNumericSpinEdit::kLetters));
    edit.SendMessage(WM_CHAR, '1', 1);
    EXPECT_EQ(1, edit.m_nBeeps);
}

}  // namespace
