#pragma once
// Loads LUMBRA32.DLL for each test and hosts its controls in a CFakeListHost.

#include "FakeListHost.h"

#include <gtest/gtest.h>

#include <windows.h>

class ListControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_library = LoadLibraryA("LUMBRA32.DLL");
        ASSERT_NE(nullptr, m_library);
    }

    void TearDown() override
    {
        host.Destroy();
        if (m_library)
            FreeLibrary(m_library);
    }

    // An initialised control `rows` rows high over `count` items, the log emptied.
    HWND MakeList(int count, int rows = 10, DWORD style = 0)
    {
        host.source.count = count;
        HWND control = host.Create(style, rows * CFakeListHost::RowHeight);
        SendMessageA(control, LCM_INIT, 0, 0);
        host.source.ClearLog();
        host.commands.clear();
        return control;
    }

    // Brings `item` to the top row (index mode) and empties the log.
    void StartAt(HWND control, int item)
    {
        if (item > 0)
            SendMessageA(control, LCM_ENSUREVISIBLE, 0, item);
        host.source.ClearLog();
        host.commands.clear();
    }

    int FirstRow(HWND control) const
    {
        std::vector<int> rows = host.Rows(control);
        return rows.empty() ? -1 : rows.front();
    }

    static std::vector<int> Range(int first, int count)
    {
        std::vector<int> items;
        for (int i = 0; i < count; ++i)
            items.push_back(first + i);
        return items;
    }

    static std::vector<UINT> Repeat(UINT message, int times, std::vector<UINT> tail = {})
    {
        std::vector<UINT> messages(times, message);
        messages.insert(messages.end(), tail.begin(), tail.end());
        return messages;
    }

    CFakeListHost host;
    HMODULE m_library = nullptr;
};
