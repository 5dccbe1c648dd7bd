#include "shell/settings/WindowPlacement.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "framework/DialogDriver.h"
#include "framework/FileDialog.h"
#include "framework/MessageBoxScript.h"
#include "framework/String.h"
#include "framework/Wnd.h"
#include "support/TestDataFolder.h"

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
        {"c:\\savor\\pantry.adf", kPrintRefused},
        {"c:\\savor\\frequent.adf", kPrintRefused},
        {"c:\\lists\\shopping.shp", kPrintRefused},
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

// Two windows larger than the reference, each with a label, scaled one after the other.
TEST(WindowPlacement, ScalingASecondDialogKeepsTheFirstOnesFontAlive)
{
    SetReferenceFormSize(630, 395);
    ScaledWindow first(800, 500);
    ScaledWindow second(900, 500);
    HWND hFirstLabel =
        CreateWindowExA(0, "STATIC", "Name", WS_CHILD, 10, 10, 100, 20, first.m_hWnd, nullptr, nullptr, nullptr);
    ApplyDialogFont(&first.m_window);
    const HGDIOBJ hFirstFont = reinterpret_cast<HGDIOBJ>(SendMessageA(hFirstLabel, WM_GETFONT, 0, 0));
    ASSERT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(hFirstFont));

    ApplyDialogFont(&second.m_window);
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(hFirstFont)) << "the first label still draws with it";
    DeleteSharedDialogFont();
}

// The file dialog answers each opening with the next name of the list; an empty name cancels.
void AnswerPrintFileDialog(const std::vector<std::string>& names)
{
    for (const std::string& name : names)
    {
        CDialogDriver::OnOpen(CFileDialog::kTemplateId, [name](CDialog& dialog) {
            lstrcpyA(static_cast<CFileDialog&>(dialog).m_ofn.lpstrFile, name.c_str());
            dialog.EndDialog(name.empty() ? IDCANCEL : IDOK);
        });
    }
}

TEST(WindowPlacement, PrintFileChoiceAsksBeforeReplacingAndRefusesProgramFiles)
{
    const std::string folder = testdata::Folder() + "\\WindowPlacement.PrintFileChoice";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string existing = folder + "\\old.rtf";
    std::ofstream(existing) << "kept";
    const std::string pantry = folder + "\\pantry.adf";
    const std::string fresh = folder + "\\new.mxp";
    DeleteFileA(fresh.c_str());
    const struct
    {
        std::vector<std::string> names;
        std::vector<int> answers;
        BOOL chosen;
        std::string file;
        int kind;
        size_t boxes;
    } cases[] = {
        {{existing, ""}, {IDNO}, FALSE, "", 0, 1},
        {{existing}, {IDYES}, TRUE, existing, kPrintRtf, 1},
        {{pantry, fresh}, {}, TRUE, fresh, kPrintMasterCook, 1},
        {{""}, {}, FALSE, "", 0, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.names.front());
        CDialogDriver::Reset();
        CDialogDriver::Arm(TRUE);
        CMessageBoxScript boxes;
        for (int answer : c.answers)
            boxes.QueueAnswer(answer);
        AnswerPrintFileDialog(c.names);
        EXPECT_EQ(c.chosen, ChoosePrintFile());
        EXPECT_FALSE(CDialogDriver::HasPendingActions()) << "the dialog opens again after No and after a refusal";
        EXPECT_EQ(c.boxes, boxes.GetTexts().size());
        if (c.chosen)
        {
            CString lower = c.file.c_str();
            lower.MakeLower();
            EXPECT_STREQ(lower, GetPrintFileName());
            EXPECT_EQ(c.kind, GetPrintOutputKind());
        }
    }
    CDialogDriver::Reset();
    std::ifstream kept(existing);
    std::string text;
    kept >> text;
    EXPECT_EQ("kept", text) << "choosing a file writes nothing yet";
}

}  // namespace
