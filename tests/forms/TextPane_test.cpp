#include "forms/TextPane.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "framework/Wnd.h"
#include "printing/LayoutEngine.h"
#include "printing/LineFormat.h"
#include "printing/PrinterOutput.h"
#include "printing/ReportOutput.h"
#include "res/resource.h"
#include "shell/OwnDesktop.h"
#include "shell/ShellTestFolder.h"
#include "shell/controls/DropQuery.h"
#include "shell/controls/DropToolbarButton.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/FontChangedFlag.h"
#include "support/PixelCanvas.h"

namespace {

constexpr int PaneHeight = 240;
const RECT PaneArea{10, 10, 310, 10 + PaneHeight};
constexpr LONG AddToMealPlan = 88;

// The form under the pane: keeps the commands and right clicks it gets, sent or posted.
class CPaneParent : public CWnd
{
public:
    struct Message
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    CPaneParent() { CreateEx(0, nullptr, "Form", WS_POPUP | WS_VISIBLE, RECT{0, 0, 500, 300}, nullptr, 0); }

    std::vector<WPARAM> Commands() const
    {
        std::vector<WPARAM> commands;
        for (const Message& m : messages)
            if (m.message == WM_COMMAND)
                commands.push_back(m.wParam);
        return commands;
    }

    std::vector<Message> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || message == WM_RBUTTONDOWN)
            messages.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class CCountingPane : public CTextPane
{
public:
    using CTextPane::CTextPane;
    int paints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
            ++paints;
        return CTextPane::WindowProc(message, wParam, lParam);
    }
};

DropFormState g_formState{5, 0};

DropFormState CurrentForm()
{
    return g_formState;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

LPARAM At(POINT point)
{
    return MAKELPARAM(point.x, point.y);
}

POINT CentreOf(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class TextPaneTest : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g_ownDesktop);
        ProgramFolderTest::SetUp();
        m_settings = std::make_unique<CAppSettings>();
        g_pAppSettings = m_settings.get();
        g_formState = {5, 0};
        SetDropFormStateProvider(&CurrentForm);
        MakePane(PaneArea);
    }

    void TearDown() override
    {
        pane.reset();
        SetDropFormStateProvider(nullptr);
        SetFontChanged(FALSE);
        g_pAppSettings = nullptr;
        m_settings.reset();
    }

    void MakePane(const RECT& area)
    {
        pane = std::make_unique<CCountingPane>(&form, area);
        // A fixed cell height of 24 makes one stored line one scroll line.
        pane->SetFont(24, IDS_FACE_SANS);
    }

    // The page as a print driver writes it: one stored line per text, "*" marking a hot spot.
    void WritePage(const std::vector<std::string>& texts)
    {
        CPrinterOutput* pOutput = OpenPrintJobOutput(pane->GetPrintInfo());
        for (const std::string& text : texts)
        {
            CLineFormat format;
            const bool hotSpot = !text.empty() && text[0] == '*';
            if (hotSpot)
                format.ParagraphStyle = CLayoutEngine::HotSpotStyle;
            pOutput->WriteText(hotSpot ? text.c_str() + 1 : text.c_str(), &format);
        }
        ClosePrintJobOutput(pOutput, 1);
    }

    void WriteLines(int nCount)
    {
        std::vector<std::string> texts;
        for (int i = 1; i <= nCount; ++i)
            texts.push_back("Line " + std::to_string(i));
        WritePage(texts);
    }

    void Paint()
    {
        pane->Invalidate(TRUE);
        pane->UpdateWindow();
    }

    void Scroll(UINT nCode, int nPos = 0) { pane->SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, nPos), 0); }

    const CLayoutEngine& Engine() const { return pane->GetPageOutput()->GetEngine(); }

    // The height of one laid-out line in the pane's font.
    int LineHeight() const
    {
        HDC hDC = ::GetDC(pane->m_hWnd);
        LOGFONTA font{};
        font.lfHeight = 24;
        HFONT hFont = ::CreateFontIndirectA(&font);
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(hDC, &metrics);
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hFont);
        ::ReleaseDC(pane->m_hWnd, hDC);
        return metrics.tmHeight + metrics.tmExternalLeading;
    }

    PrintSettings& Print() { return *g_pAppSettings->GetPrintRecord(); }

    std::unique_ptr<CAppSettings> m_settings;
    CPaneParent form;
    std::unique_ptr<CCountingPane> pane;
};

TEST_F(TextPaneTest, WithoutAPageItPaintsAndIgnoresScrollingAndClicks)
{
    pane->EnableDrag(TRUE);
    Paint();
    RECT update{};
    EXPECT_FALSE(::GetUpdateRect(pane->m_hWnd, &update, FALSE)) << "the paint was taken";
    Scroll(SB_LINEDOWN);
    pane->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    pane->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 10));
    pane->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    Pump();
    EXPECT_EQ(0, pane->GetTopLine());
    EXPECT_FALSE(pane->IsDragging());
    EXPECT_EQ(nullptr, pane->GetSelectedHotSpot());
    EXPECT_TRUE(form.Commands().empty());
}

TEST_F(TextPaneTest, TheFirstPaintSetsTheLineCountFromThePageHeight)
{
    const int nLineHeight = LineHeight();
    for (int nLines : {1, 5, 40, 200})
    {
        SCOPED_TRACE(testing::Message() << nLines << " lines");
        WriteLines(nLines);
        Paint();
        ASSERT_EQ(static_cast<std::size_t>(nLines), Engine().GetStoredLines().size());
        const int expected = std::max(1, nLines * nLineHeight / 24 - PaneHeight / 24 + 2);
        EXPECT_EQ(expected, pane->GetLineCount());
        int nMin = -1;
        int nMax = -1;
        ::GetScrollRange(pane->m_hWnd, SB_VERT, &nMin, &nMax);
        EXPECT_EQ(0, nMin);
        EXPECT_EQ(expected, nMax);
    }
}

TEST_F(TextPaneTest, ScrollCodesMoveTheTopLineWithinTheRange)
{
    WriteLines(100);
    Paint();
    const int nLast = pane->GetLineCount();
    ASSERT_GT(nLast, 20);
    struct Case
    {
        const char* name;
        int start;
        UINT code;
        int pos;
        int expected;
    };
    const Case cases[] = {
        {"line up at the top", 0, SB_LINEUP, 0, 0},
        {"line down", 0, SB_LINEDOWN, 0, 1},
        {"line up", 4, SB_LINEUP, 0, 3},
        {"page down", 0, SB_PAGEDOWN, 0, PaneHeight / 24},
        {"page up", 15, SB_PAGEUP, 0, 15 - PaneHeight / 24},
        {"page up near the top", 3, SB_PAGEUP, 0, 0},
        {"page down near the end", nLast - 2, SB_PAGEDOWN, 0, nLast},
        {"line down at the end", nLast, SB_LINEDOWN, 0, nLast},
        {"thumb position", 2, SB_THUMBPOSITION, 17, 17},
        {"thumb past the end", 2, SB_THUMBPOSITION, 5000, nLast},
        {"thumb tracking", 6, SB_THUMBTRACK, 30, 6},
        {"end scroll", 6, SB_ENDSCROLL, 0, 6},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Scroll(SB_THUMBPOSITION, c.start);
        ASSERT_EQ(c.start, pane->GetTopLine());
        Scroll(c.code, c.pos);
        EXPECT_EQ(c.expected, pane->GetTopLine());
        EXPECT_EQ(c.expected, ::GetScrollPos(pane->m_hWnd, SB_VERT));
    }
}

TEST_F(TextPaneTest, APaneUnderTwoScrollLinesHighPagesByOneLine)
{
    pane.reset();
    MakePane(RECT{10, 10, 310, 50});
    WriteLines(30);
    Paint();
    Scroll(SB_PAGEDOWN);
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ(2, pane->GetTopLine());
    Scroll(SB_PAGEUP);
    EXPECT_EQ(1, pane->GetTopLine());
}

TEST_F(TextPaneTest, ScrollingUpAtTheTopDoesNotRepaint)
{
    WriteLines(50);
    Paint();
    const int nPaints = pane->paints;
    Scroll(SB_LINEUP);
    Scroll(SB_PAGEUP);
    RECT update{};
    EXPECT_FALSE(::GetUpdateRect(pane->m_hWnd, &update, FALSE));
    EXPECT_EQ(nPaints, pane->paints);
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(nPaints + 1, pane->paints) << "a real step shows the new line at once";
}

// Painted into a memory bitmap: the pane's colours and font, the lines above the window passed
// over, and the print record left as it was.
TEST_F(TextPaneTest, PaintsTheVisibleLinesInItsColoursAndFont)
{
    const COLORREF background = RGB(250, 240, 200);
    const COLORREF text = RGB(0, 0, 128);
    pane->SetColors(background, text, RGB(128, 0, 0), RGB(255, 255, 255));
    std::vector<std::string> texts(30, "WWWWWWWWWW");
    texts[5] = "*Soup (2 servings)";
    WritePage(texts);
    const LOGFONTA recordFont = Print().PrintFont();
    Print().DefaultFont = 1;
    Paint();

    CPixelCanvas canvas(300, PaneHeight);
    pane->Draw(canvas.Dc());
    EXPECT_EQ(background, canvas.At(POINT{200, PaneHeight - 1}));
    bool textDrawn = false;
    for (int x = 0; x < 150 && !textDrawn; ++x)
        for (int y = 0; y < 30 && !textDrawn; ++y)
            textDrawn = canvas.At(POINT{x, y}) == text;
    EXPECT_TRUE(textDrawn);
    ASSERT_EQ(1, Engine().GetHotSpotCount());
    const RECT atTop = Engine().GetHotSpot(0).Rect;
    EXPECT_EQ(background, canvas.At(POINT{atTop.left, atTop.top})) << "a hot spot not selected";

    Scroll(SB_THUMBPOSITION, 3);
    pane->Draw(canvas.Dc());
    ASSERT_EQ(1, Engine().GetHotSpotCount());
    EXPECT_EQ(atTop.top - 3 * 24, Engine().GetHotSpot(0).Rect.top);
    Scroll(SB_THUMBPOSITION, 10);
    pane->Draw(canvas.Dc());
    EXPECT_EQ(0, Engine().GetHotSpotCount()) << "the hot spot's line lies above the window";

    EXPECT_EQ(1, Print().DefaultFont);
    EXPECT_EQ(0, std::memcmp(&recordFont, &Print().PrintFont(), sizeof recordFont));
}

TEST_F(TextPaneTest, AChangedDisplayFontRepaintsTheWholePaneOnce)
{
    WriteLines(5);
    Paint();
    SetFontChanged(TRUE);
    RECT corner{0, 0, 2, 2};
    pane->InvalidateRect(&corner, FALSE);
    pane->UpdateWindow();
    EXPECT_FALSE(HasFontChanged());
}

TEST_F(TextPaneTest, AClickOnAHotSpotSelectsItAndPostsTheNotice)
{
    WritePage({"Monday", "*Soup (2 servings)", "*Bread", "Tuesday"});
    Paint();
    ASSERT_EQ(2, Engine().GetHotSpotCount());
    const POINT soup = CentreOf(Engine().GetHotSpot(0).Rect);

    pane->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, PaneHeight - 2));
    pane->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, PaneHeight - 2));
    Pump();
    EXPECT_TRUE(form.Commands().empty()) << "no hot spot there";
    EXPECT_EQ(nullptr, pane->GetSelectedHotSpot());

    pane->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(soup));
    EXPECT_TRUE(form.Commands().empty()) << "posted, not sent";
    Pump();
    EXPECT_EQ(std::vector<WPARAM>{ID_HOT_SPOT_SELECTED}, form.Commands());
    EXPECT_STREQ("Soup (2 servings)", pane->GetSelectedHotSpot());
}

TEST_F(TextPaneTest, ADoubleClickOnAHotSpotSendsView)
{
    WritePage({"Monday", "*Soup (2 servings)"});
    Paint();
    ASSERT_EQ(1, Engine().GetHotSpotCount());
    pane->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, PaneHeight - 2));
    EXPECT_TRUE(form.Commands().empty());
    pane->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(CentreOf(Engine().GetHotSpot(0).Rect)));
    EXPECT_EQ(std::vector<WPARAM>{ID_VIEW_HOT_SPOT}, form.Commands()) << "sent at once";
}

TEST_F(TextPaneTest, ARightClickReachesTheParentInItsCoordinates)
{
    pane->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON | MK_LBUTTON, MAKELPARAM(5, 6));
    Pump();
    EXPECT_TRUE(form.messages.empty()) << "not while the left button is held";
    pane->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 6));
    Pump();
    ASSERT_EQ(1u, form.messages.size());
    EXPECT_EQ(static_cast<UINT>(WM_RBUTTONDOWN), form.messages[0].message);
    EXPECT_EQ(static_cast<WPARAM>(MK_RBUTTON), form.messages[0].wParam);
    EXPECT_EQ(MAKELPARAM(PaneArea.left + 5, PaneArea.top + 6), form.messages[0].lParam);
}

class TextPaneDrop : public TextPaneTest
{
protected:
    void SetUp() override
    {
        TextPaneTest::SetUp();
        WritePage({"Soup"});
        Paint();
        pane->EnableDrag(TRUE);
        button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{400, 50, 448, 66}, &form, 903);
        plain.Create(nullptr, "", WS_CHILD | WS_VISIBLE, RECT{400, 100, 448, 116}, &form, 904);
    }

    // Presses in the pane and lets go over the centre of the target.
    void DragTo(const CWnd& target)
    {
        RECT rect;
        target.GetWindowRect(&rect);
        POINT over = CentreOf(rect);
        pane->ScreenToClient(&over);
        pane->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
        pane->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(over));
        pane->SendMessage(WM_LBUTTONUP, 0, At(over));
        Pump();
    }

    CDropToolbarButton button{AddToMealPlan};
    CWnd plain;
};

TEST_F(TextPaneDrop, ADropOnAToolBarButtonCarriesItsCommand)
{
    pane->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    EXPECT_TRUE(pane->IsDragging());
    pane->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    EXPECT_FALSE(pane->IsDragging());
    EXPECT_TRUE(form.Commands().empty()) << "let go over the pane itself";
    DragTo(button);
    EXPECT_FALSE(pane->IsDragging());
    EXPECT_EQ(std::vector<WPARAM>{AddToMealPlan}, form.Commands());
}

TEST_F(TextPaneDrop, ADropThatIsNotAnsweredCarriesNothing)
{
    DragTo(plain);
    g_formState = {7, 0};
    DragTo(button);
    EXPECT_TRUE(form.Commands().empty());
}

constexpr char PartnerTitle[] = "Drop partner";

// Another program's window, which would take any drop: its command numbers mean nothing here.
TEST_F(TextPaneDrop, ADropOnAnotherProgramsWindowCarriesNothing)
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" --gtest_filter=TextPanePartner.*";
    std::string desktop = OwnDesktopName();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop.data();
    PROCESS_INFORMATION process{};
    ::SetEnvironmentVariableA("SAVORUM_DESKTOP_PARTNER", "1");
    const BOOL started =
        ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    ::SetEnvironmentVariableA("SAVORUM_DESKTOP_PARTNER", nullptr);
    ASSERT_TRUE(started);
    HWND hPartner = nullptr;
    for (int i = 0; i < 200 && hPartner == nullptr; ++i)
    {
        ::Sleep(50);
        hPartner = ::FindWindowA(nullptr, PartnerTitle);
    }
    if (hPartner != nullptr)
    {
        EXPECT_EQ(AddToMealPlan, ::SendMessageA(hPartner, g_nDropQueryMessage, 0, 0)) << "it would take the drop";
        RECT area;
        ::GetWindowRect(hPartner, &area);
        EXPECT_EQ(hPartner, ::WindowFromPoint(CentreOf(area))) << "it lies on top where the drop is let go";
        CWnd partner;
        partner.Attach(hPartner);
        DragTo(partner);
        partner.Detach();
        ::PostMessageA(hPartner, WM_CLOSE, 0, 0);
    }
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ASSERT_NE(nullptr, hPartner) << "the partner program showed no window";
    EXPECT_TRUE(form.Commands().empty());
}

// Not a test of its own: the partner program of the test above, started by it.
TEST(TextPanePartner, AnswersEveryDropUntilClosed)
{
    if (std::getenv("SAVORUM_DESKTOP_PARTNER") == nullptr)
        GTEST_SKIP() << "runs only as the partner of a drop test";
    struct CPartner : CWnd
    {
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == g_nDropQueryMessage)
                return AddToMealPlan;
            if (message == WM_DESTROY)
                ::PostQuitMessage(0);
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } partner;
    partner.CreateEx(WS_EX_TOPMOST, nullptr, PartnerTitle, WS_POPUP | WS_VISIBLE, RECT{400, 150, 480, 200}, nullptr, 0);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
}

TEST_F(TextPaneDrop, WithoutDraggingEnabledNothingIsDropped)
{
    pane->EnableDrag(FALSE);
    DragTo(button);
    EXPECT_FALSE(pane->IsDragging());
    EXPECT_TRUE(form.Commands().empty());
}

}  // namespace
