#include "shell/controls/ItemListBox.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <windows.h>

#include "FakeSortedView.h"
#include "ListHostWindow.h"
#include "database/RecordId.h"
#include "framework/FileException.h"
#include "shell/controls/ListControlLibrary.h"

namespace {

constexpr int VisibleRows = 10;

std::vector<CString> ShownNames(HWND control)
{
    std::vector<CString> names;
    LRESULT count = ::SendMessageA(control, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row)
    {
        char text[64] = "";
        ::SendMessageA(control, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
        names.push_back(text);
    }
    return names;
}

std::vector<CString> Names(long first, long count)
{
    std::vector<CString> names;
    for (long row = first; row < first + count; ++row)
        names.push_back(CFakeSortedView::NameOf(row));
    return names;
}

class ItemListBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CFakeSortedView::s_rowCount = 10000;
        CRecipeListCache::SetViewFactory(&CFakeSortedView::Make);
    }

    HWND MakeList(CItemListBox& list)
    {
        HWND control = form.AddList(list, 10, VisibleRows);
        list.Initialise(0, CRecordId());
        return control;
    }

    CListHostWindow form;
};

TEST_F(ItemListBoxTest, ScrollsToTheEndOfTenThousandRowsAndBack)
{
    CItemListBox list;
    HWND control = MakeList(list);
    EXPECT_EQ(Names(0, VisibleRows), ShownNames(control));

    ASSERT_TRUE(list.SelectItem(0, LCN_GETLAST));
    EXPECT_EQ(Names(10000 - VisibleRows, VisibleRows), ShownNames(control));
    EXPECT_EQ(9999, list.GetCurSel());

    ::SendMessageA(control, LCM_PAGEUP, 0, 0);
    EXPECT_EQ(Names(10000 - 2 * VisibleRows, VisibleRows), ShownNames(control));

    ASSERT_TRUE(list.SelectItem(0, LCN_GETFIRST));
    EXPECT_EQ(Names(0, VisibleRows), ShownNames(control));
    EXPECT_EQ(0, list.GetCurSel());
}

TEST_F(ItemListBoxTest, ReadsTheSameNumberOfRowsPerPageAtTheTopAndAtTheEnd)
{
    CItemListBox list;
    HWND control = MakeList(list);
    auto fetchesForPageDown = [&](long top) {
        list.SelectItem(top, LCN_GETAT);
        ::SendMessageA(control, LCM_ENSUREVISIBLE, 0, top);
        CFakeSortedView::s_fetches = 0;
        ::SendMessageA(control, LCM_PAGEDOWN, 0, 0);
        return CFakeSortedView::s_fetches;
    };
    int atTop = fetchesForPageDown(0);
    EXPECT_GT(atTop, 0);
    EXPECT_EQ(atTop, fetchesForPageDown(5000));
    EXPECT_EQ(atTop, fetchesForPageDown(10000 - 3 * VisibleRows));
}

TEST_F(ItemListBoxTest, EachOfTwoListsAnswersOnlyItsOwnControl)
{
    CItemListBox first;
    CItemListBox second;
    HWND firstControl = MakeList(first);
    CFakeSortedView::s_rowCount = 3;
    HWND secondControl = form.AddList(second, 250, VisibleRows);
    second.Initialise(0, CRecordId());
    EXPECT_EQ(Names(0, 3), ShownNames(secondControl));
    EXPECT_EQ(Names(0, VisibleRows), ShownNames(firstControl));
}

TEST(ListControlLibrary, StaysLoadedUntilTheLastHostIsGone)
{
    ASSERT_EQ(0, CListControlLibrary::GetHostCount());
    auto first = std::make_unique<CItemListBox>();
    auto second = std::make_unique<CItemListBox>();
    EXPECT_EQ(2, CListControlLibrary::GetHostCount());
    first.reset();
    EXPECT_TRUE(CListControlLibrary::IsLoaded());
    second.reset();
    EXPECT_FALSE(CListControlLibrary::IsLoaded());
    EXPECT_EQ(0, CListControlLibrary::GetHostCount());
}

// Without the library beside the program, a host cannot be made and counts for nothing. The
// check runs in a copy of this test program in a folder of its own, so that tests running at
// the same time keep their library.
TEST(ListControlLibrary, AFailedLoadCountsNoHost)
{
    if (std::getenv("SAVORUM_NO_LIST_LIBRARY"))
    {
        bool thrown = false;
        try
        {
            CItemListBox list;
        }
        catch (CFileException* e)
        {
            thrown = e->m_cause == CFileException::fileNotFound;
            e->Delete();
        }
        EXPECT_TRUE(thrown);
        EXPECT_EQ(0, CListControlLibrary::GetHostCount());
        EXPECT_FALSE(CListControlLibrary::IsLoaded());
        return;
    }
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const char* data = std::getenv("SAVORUM_TEST_DATA");
    CString folder = CString(data ? data : ".") + "\\no-list-library";
    ::CreateDirectoryA(folder, nullptr);
    CString copy = folder + "\\shell_tests.exe";
    ASSERT_TRUE(::CopyFileA(path, copy, FALSE));
    ::SetEnvironmentVariableA("SAVORUM_NO_LIST_LIBRARY", "1");
    CString command = "\"" + copy + "\" --gtest_filter=ListControlLibrary.AFailedLoadCountsNoHost";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    BOOL started = ::CreateProcessA(nullptr, command.GetBuffer(command.GetLength()), nullptr, nullptr, FALSE, 0,
                                    nullptr, folder, &startup, &process);
    ::SetEnvironmentVariableA("SAVORUM_NO_LIST_LIBRARY", nullptr);
    ASSERT_TRUE(started);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    EXPECT_EQ(0u, exitCode);
}

}  // namespace
