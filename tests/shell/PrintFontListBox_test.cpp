#include "shell/controls/PrintFontListBox.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <windows.h>

#include "RecordingForm.h"
#include "ResourcePicture.h"
#include "shell/settings/AppSettings.h"
#include "shell/controls/PrintedLine.h"

namespace {

constexpr int Width = 300;
constexpr int RowHeight = 20;
constexpr COLORREF Background = RGB(255, 255, 255);
constexpr COLORREF Selection = RGB(164, 200, 240);
constexpr COLORREF Ink = RGB(0, 0, 0);

class CLine : public CPrintedLine
{
public:
    CLine(const char* text, LONG value) : m_text(text), m_value(value) {}
    LPCSTR LineText() const override { return m_text.c_str(); }
    LONG LineValue() const override { return m_value; }

private:
    std::string m_text;
    LONG m_value;
};

// The meal-plan panel's item list: white rows, a light blue selection, a print font 20 pixels high.
class PrintFontListBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrintSettings print{};
        print.FontHeight = RowHeight;
        std::strcpy(print.FontFace, "Arial");
        list.ApplyPrintFont(print);
        list.SetColors(Background, Selection);
        form.CreateEx(0, nullptr, "Meal plan", WS_OVERLAPPEDWINDOW, RECT{0, 0, 400, 300}, nullptr, 0);
        list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY,
                    RECT{0, 0, Width - 10, 250}, &form, 10203);
    }

    int AddRow(const CPrintedLine* line, const char* text)
    {
        int row = list.AddString(text);
        if (line != nullptr)
            list.SetItemDataPtr(row, const_cast<CPrintedLine*>(line));
        return row;
    }

    // Draws the row as the list box asks for it, in a rectangle of one text line on a clean canvas.
    void DrawRow(int row, UINT state)
    {
        RECT all{0, 0, Width, RowHeight};
        ::FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_LISTBOX;
        item.itemID = static_cast<UINT>(row);
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = list.m_hWnd;
        item.hDC = canvas.Dc();
        item.rcItem = all;
        item.itemData = list.GetItemData(row);
        list.DrawItem(&item);
    }

    CRecordingForm form;
    CPrintFontListBox list;
    CPixelCanvas canvas{Width, RowHeight};
};

TEST_F(PrintFontListBoxTest, RowsAreAsHighAsThePrintFontWithOnePixelRulesAndHalfLineSpacers)
{
    struct Case
    {
        const char* text;
        int height;
    };
    const Case cases[] = {{"Monday", RowHeight}, {"__", 1}, {" ", RowHeight / 2}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.height, list.GetItemHeight(list.AddString(c.text)));
    }
}

TEST_F(PrintFontListBoxTest, ALineIsDrawnTheWayItsValueSays)
{
    const CLine heading("Monday", 22);
    const CLine rule("__", 2);
    const CLine spacer(" ", 1);
    const CLine silenced("Lunch", 1);
    RECT whole{0, 0, 200, RowHeight};
    RECT belowTop{0, 1, 200, RowHeight};
    RECT ruleLine{20, 0, 200, 1};
    POINT clear{Width - 40, RowHeight / 2};
    struct Case
    {
        const char* name;
        const CPrintedLine* line;
        const char* text;
        UINT state;
        bool ink;
        bool ruled;
        COLORREF background;
    };
    const Case cases[] = {
        {"text", &heading, "Monday", 0, true, false, Background},
        {"selected text", &heading, "Monday", ODS_SELECTED, true, false, Selection},
        {"rule", &rule, "__", 0, false, true, Background},
        {"spacer", &spacer, " ", ODS_SELECTED, false, false, Selection},
        {"background only", &silenced, "Lunch", 0, false, false, Background},
        {"row without a line", nullptr, "Plain", 0, true, false, Background},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        DrawRow(AddRow(c.line, c.text), c.state);
        EXPECT_EQ(c.background, canvas.At(clear));
        EXPECT_EQ(c.ink, PixelsOfColour(canvas, belowTop, Ink) > 0);
        EXPECT_EQ(c.ruled, PixelsOfColour(canvas, ruleLine, Ink) == ruleLine.right - ruleLine.left);
        if (c.ruled)
        {
            EXPECT_NE(Ink, canvas.At(POINT{0, 0}));
        }
        else if (!c.ink)
        {
            EXPECT_EQ(0, PixelsOfColour(canvas, whole, Ink));
        }
    }
}

}  // namespace
