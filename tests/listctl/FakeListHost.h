#pragma once
// A visible top-level window that hosts Lumbra controls for tests and the benchmark: it
// answers their queries from a CFakeItemSource and records the other traffic it gets.

#include "FakeItemSource.h"

#include <vector>

#include <windows.h>

class CFakeListHost
{
public:
    static constexpr int ListId = 10404;
    static constexpr int RowHeight = 16;

    CFakeListHost();
    ~CFakeListHost();
    CFakeListHost(const CFakeListHost&) = delete;
    CFakeListHost& operator=(const CFakeListHost&) = delete;

    HWND Window() const { return m_hwnd; }
    void Destroy();
    // An owner-drawn text list unless the style says otherwise; rows are RowHeight high.
    HWND Create(DWORD style, int height, int id = ListId);
    static HWND Child(HWND control);
    std::vector<int> Rows(HWND control) const;  // the loaded items, as indices
    static int SelectedRow(HWND control);
    static int Thumb(HWND control);
    static bool BarShown(HWND control);

    CFakeItemSource source;
    int measureHeight = RowHeight;
    std::vector<UINT> ownerDrawIds;
    std::vector<HWND> ownerDrawWindows;
    std::vector<WPARAM> commands;
    // While handling this notice the host asks the control for the text of askTextItem, as a
    // parent may; 0 asks nothing.
    UINT askTextOn = 0;
    int askTextItem = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void RecordOwnerDraw(UINT ctlId, HWND item);
    void AskText(WPARAM ctlId);

    HWND m_hwnd = nullptr;
};
