#include "shell/settings/WindowPlacement.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/String.h"
#include "framework/Wnd.h"

namespace {

TEST(WindowPlacement, PrintFileNamesChooseTheOutputKindOrAreRefused)
{
    struct Case
    {
        const char* name;
        int kind;
    };
    const Case cases[] = {
        {"c:\\out\\pxprint.txt", kPrintText},
        {"c:\\out\\recipes", kPrintText},
        {"c:\\out\\recipes.rtf", kPrintRtf},
        {"c:\\out\\recipes.mxp", kPrintMasterCook},
        {"c:\\out\\recipes.mm", kPrintMm},
        {"c:\\data\\foods.dbf", kPrintRefused},
        {"c:\\data\\foods.fpt", kPrintRefused},
        {"c:\\data\\foods.cdx", kPrintRefused},
        {"c:\\savor\\savor32.exe", kPrintRefused},
        {"c:\\savor\\lumbra32.dll", kPrintRefused},
        {"c:\\cookbks\\cookbook.tws", kPrintRefused},
        {"c:\\savor\\savor32.ini", kPrintRefused},
        {"c:\\savor.d\\notes", kPrintText},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.kind, ClassifyPrintFileName(c.name));
    }
}

// A popup window of the given size with one child, on which the scaling runs.
class ScaledWindow
{
public:
    ScaledWindow(int width, int height)
    {
        m_hWnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr, nullptr);
        m_hCombo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 63, 40, 126, 20, m_hWnd, nullptr,
                                   nullptr, nullptr);
        m_window.Attach(m_hWnd);
    }
    ~ScaledWindow()
    {
        m_window.Detach();
        DestroyWindow(m_hWnd);
    }
    ScaledWindow(const ScaledWindow&) = delete;
    ScaledWindow& operator=(const ScaledWindow&) = delete;

    RECT ChildRect() const
    {
        RECT rect;
        GetWindowRect(m_hCombo, &rect);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    CWnd m_window;
    HWND m_hWnd;
    HWND m_hCombo;
};

TEST(WindowPlacement, DialogOfTheReferenceSizeIsLeftAlone)
{
    SetReferenceFormSize(630, 395);
    ScaledWindow dialog(630, 395);
    const RECT before = dialog.ChildRect();
    ApplyDialogFont(&dialog.m_window);
    const RECT after = dialog.ChildRect();
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.right, after.right);
    RECT window;
    GetWindowRect(dialog.m_hWnd, &window);
    EXPECT_EQ(630, window.right - window.left);
}

TEST(WindowPlacement, WideDialogShrinksAndItsComboKeepsRoomForTheList)
{
    SetReferenceFormSize(630, 395);
    ScaledWindow dialog(1260, 395);
    const RECT before = dialog.ChildRect();
    ApplyDialogFont(&dialog.m_window);
    const RECT after = dialog.ChildRect();
    RECT window;
    GetWindowRect(dialog.m_hWnd, &window);
    EXPECT_EQ(630, window.right - window.left);
    EXPECT_FLOAT_EQ(0.5f, GetHorizontalScale());
    EXPECT_EQ(MulDiv(before.left, 630, 1260), after.left);
    EXPECT_EQ(MulDiv(before.right, 630, 1260), after.right);
    RECT dropped;
    SendMessageA(dialog.m_hCombo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    // The combo's height is its closed height times six; the list gets that less the closed part.
    EXPECT_GE(dropped.bottom - dropped.top, 5 * (before.bottom - before.top));
    DeleteSharedDialogFont();
}

}  // namespace
