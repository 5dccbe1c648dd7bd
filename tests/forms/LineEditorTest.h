#pragma once
// The recipe field window in a test frame with its line editor: a host that records what the
// field window asks of its form, a stand-in for the ingredient panel, and keys through a loop
// that pre-translates them as the program's loop does.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CookbookDialogTest.h"
#include "KeySteps.h"
#include "database/IngData.h"
#include "database/RecipeData.h"
#include "forms/IngredientLineDlg.h"
#include "forms/RcpScrollWnd.h"
#include "forms/RecipeFieldHost.h"
#include "framework/ListBox.h"

namespace formtest {

// Records the commands the line editor passes on to the ingredient panel.
class PanelStandIn : public CWnd
{
public:
    std::vector<WPARAM> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back(wParam);
        return TRUE;
    }
};

class RecordingHost : public CRecipeFieldHost
{
public:
    void SetDirty() override { ++changes; }
    CWnd* ShowIngredientPanel(CWnd* pOwner) override
    {
        panelOwner = pOwner;
        panelShown = TRUE;
        return pPanel;
    }
    void HideIngredientPanel() override { panelShown = FALSE; }
    void SetIngredientLine(CIngData* pLine) override { pPanelLine = pLine; }
    void EnablePageButtons(BOOL bEnable) override { pageButtons = bEnable; }

    int changes = 0;
    CWnd* pPanel = nullptr;
    CWnd* panelOwner = nullptr;
    BOOL panelShown = FALSE;
    CIngData* pPanelLine = nullptr;
    BOOL pageButtons = TRUE;
};

class LineEditorTest : public CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        m_frame.MoveWindow(0, 0, 600, 500);
        m_panel.CreateEx(0, nullptr, "", WS_CHILD, RECT{0, 0, 10, 10}, &m_frame, 0);
        m_host.pPanel = &m_panel;
        m_recipe.m_servings = 4;
        m_window = std::make_unique<CRcpScrollWnd>(&m_frame, RECT{0, 0, 500, 400}, &m_recipe, &m_host);
        m_frame.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_frame.m_hWnd);
        ::SetFocus(m_frame.m_hWnd);
    }

    void TearDown() override
    {
        m_window->DestroyWindow();
        m_window.reset();
        m_panel.DestroyWindow();
        KeySteps::SetModifiers(FALSE, FALSE);
        CookbookDialogTest::TearDown();
    }

    // Lines of "name" with no unit and no quantity, and the window loaded.
    void Show(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
        {
            auto* pLine = new CIngData;
            pLine->m_name = name.c_str();
            m_recipe.m_lines.AddTail(pLine);
        }
        m_window->LoadRecipe();
    }

    CIngData& Line(int nIndex) const { return *m_window->GetLineAt(nIndex); }
    CListBox& List() const { return m_window->GetIngredientList(); }

    std::string Text(int nIndex) const
    {
        char text[600] = {};
        List().SendMessage(LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text));
        return text;
    }

    // As a double click on the line would.
    CIngredientLineDlg& Open(int nIndex)
    {
        List().SetSel(-1, FALSE);
        List().SetSel(nIndex);
        List().SendMessage(LB_SETCARETINDEX, static_cast<WPARAM>(nIndex));
        m_window->SendMessage(WM_COMMAND, MAKEWPARAM(10014, LBN_DBLCLK), reinterpret_cast<LPARAM>(List().m_hWnd));
        EXPECT_TRUE(m_window->IsLineEditorOpen());
        return *m_window->GetLineEditor();
    }

    CIngredientLineDlg& Editor() const { return *m_window->GetLineEditor(); }

    void Set(int nId, const char* text) const { Editor().SetDlgItemText(nId, text); }

    std::string Shown(int nId) const
    {
        CString text;
        Editor().GetDlgItem(nId)->GetWindowText(text);
        return static_cast<const char*>(text);
    }

    int FocusedControl() const { return KeySteps::FocusedControlId(Editor().m_hWnd); }

    // A mouse click on list line nIndex.
    void Click(int nIndex)
    {
        RECT item{};
        List().GetItemRect(nIndex, &item);
        const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
        List().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        List().SendMessage(WM_LBUTTONUP, 0, at);
    }

    // The cookbook with recipes in it.
    std::string SourceCookbook() const override { return fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS"; }

    // A unit whose name carries a plural marker; before the editor first reads the units.
    void AddUnit(const char* id, const char* name)
    {
        CString sql;
        sql.Format("INSERT INTO MISC (TYPE, SYSTEM, ITEM, STRING, VALUE, U_TYPE, U_FACTOR1, U_FACTOR2) "
                   "VALUES ('U', 0, '%s', '%s', 90.0, 2, 0.5, 0.0)",
                   id, name);
        ASSERT_TRUE(m_database.ExecuteDirect(sql));
    }

    CRecordId AddIngredient(const char* name)
    {
        CIngData ingredient;
        ingredient.m_name = name;
        ingredient.m_plural = "s";
        ingredient.m_dry = 80.0;
        EXPECT_TRUE(m_database.SaveIngredient(ingredient, FALSE)) << name;
        return ingredient.m_itemId;
    }

    // Posts the key to the focused window and runs it through the loop.
    static void Press(UINT vk, BOOL bShift = FALSE)
    {
        KeySteps::PostKey(vk, bShift);
        Pump();
        KeySteps::SetModifiers(FALSE, FALSE);
    }

    // The program's loop: each window from the message's up to the top may take it first.
    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (!PreTranslated(msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }

    static BOOL PreTranslated(MSG& msg)
    {
        for (HWND hWnd = msg.hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
        {
            CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
            if (pWnd != nullptr && pWnd->PreTranslateMessage(&msg))
                return TRUE;
        }
        return FALSE;
    }

    CRecipeData m_recipe;
    RecordingHost m_host;
    PanelStandIn m_panel;
    std::unique_ptr<CRcpScrollWnd> m_window;
};

}  // namespace formtest
