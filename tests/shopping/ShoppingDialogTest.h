#pragma once
// Shopping dialog tests on a copy of the fixture cookbook (recipes with ingredient lines, groups,
// units), with the program's shopping manager working in the test's folder.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/CookbookDialogTest.h"
#include "shopping/ShopMgr.h"
#include "support/QueryColumn.h"

namespace shoptest {

using Rows = std::vector<std::string>;

class ShoppingDialogTest : public formtest::CookbookDialogTest
{
protected:
    std::string SourceCookbook() const override { return fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS"; }

    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        ::GetCurrentDirectoryA(MAX_PATH, m_previousDirectory);
        ::SetCurrentDirectoryA(m_folder.c_str());
        DeleteFiles("*.shp");
        DeleteFiles("*.adf");
        m_shopping = std::make_unique<CShopMgr>();
        g_pShopMgr = m_shopping.get();
    }

    void TearDown() override
    {
        g_pShopMgr = nullptr;
        m_shopping.reset();
        ::SetCurrentDirectoryA(m_previousDirectory);
        CookbookDialogTest::TearDown();
    }

    Rows Query(const std::string& sql) { return fixture::QueryColumn(m_database, sql, m_boxes); }

    CRecordId RecipeId(const char* title)
    {
        return CRecordId(Query(std::string("SELECT RECIPE FROM RECIPE WHERE TITLE='") + title + "'").at(0).c_str());
    }

    // A saved list of that name, holding the recipes, which stays current.
    void MakeList(const char* name, std::vector<const char*> recipes)
    {
        // A list without a file opens empty, reported as not read.
        g_pShopMgr->OpenShoppingList(name);
        ASSERT_STREQ(name, g_pShopMgr->GetListName());
        for (const char* title : recipes)
            ASSERT_TRUE(g_pShopMgr->AddRecipeById(RecipeId(title), 0, nullptr)) << title;
        ASSERT_TRUE(g_pShopMgr->SaveShoppingList());
    }

    BOOL FileExists(const std::string& name) const
    {
        return ::GetFileAttributesA((m_folder + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // The folder outlives a run: lists of an earlier run go first.
    static void DeleteFiles(const char* pattern)
    {
        WIN32_FIND_DATAA found;
        const HANDLE search = ::FindFirstFileA(pattern, &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do
            ::DeleteFileA(found.cFileName);
        while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }

    static void Notify(CDialog& dialog, int nId, int nCode)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nId, nCode),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(nId)->m_hWnd));
    }

    static BOOL StillOpen(const CDialog& dialog) { return ::IsWindow(dialog.m_hWnd) && dialog.GetModalResult() == -1; }

    std::unique_ptr<CShopMgr> m_shopping;
    char m_previousDirectory[MAX_PATH] = "";
};

}  // namespace shoptest
