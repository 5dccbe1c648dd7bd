// Prints what one page down of a Lumbra control costs at the top, in the middle and at the
// end of long lists: parent queries and time. Neither should grow with the list.

#include "FakeListHost.h"

#include <cstdio>

#include <windows.h>

namespace {

constexpr int VisibleRows = 10;
constexpr int Repeats = 500;

struct Cost
{
    double queries;
    double walkMicroseconds;   // the queries and the row changes
    double paintMicroseconds;  // repainting the control afterwards
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Cost PageDownCost(CFakeListHost& host, HWND control, int top)
{
    HWND child = CFakeListHost::Child(control);
    long long queries = 0;
    double walk = 0;
    double paint = 0;
    for (int i = 0; i < Repeats; ++i)
    {
        SendMessageA(control, LCM_ENSUREVISIBLE, 0, top);
        UpdateWindow(control);
        host.source.ClearLog();
        LARGE_INTEGER start, walked, painted;
        QueryPerformanceCounter(&start);
        SendMessageA(child, WM_VSCROLL, SB_PAGEDOWN, 0);
        QueryPerformanceCounter(&walked);
        UpdateWindow(control);
        QueryPerformanceCounter(&painted);
        walk += Seconds(start, walked);
        paint += Seconds(walked, painted);
        queries += host.source.QueryCount();
    }
    return {static_cast<double>(queries) / Repeats, walk * 1e6 / Repeats, paint * 1e6 / Repeats};
}

void MeasureList(int count)
{
    CFakeListHost host;
    host.source.count = count;
    HWND control = host.Create(0, VisibleRows * CFakeListHost::RowHeight);
    SendMessageA(control, LCM_INIT, 0, 0);
    const struct
    {
        const char* name;
        int top;
    } positions[] = {{"top", 0}, {"middle", count / 2}, {"end", count - 2 * VisibleRows}};
    std::printf("Page down in a list of %d items (%d visible rows, mean of %d):\n", count, VisibleRows, Repeats);
    std::printf("  %-8s %8s %10s %10s  (microseconds)\n", "where", "queries", "walk", "paint");
    for (const auto& position : positions)
    {
        Cost cost = PageDownCost(host, control, position.top);
        std::printf("  %-8s %8.1f %10.1f %10.1f\n", position.name, cost.queries, cost.walkMicroseconds,
                    cost.paintMicroseconds);
    }
}

}  // namespace

int main()
{
    HMODULE library = LoadLibraryA("LUMBRA32.DLL");
    if (!library)
    {
        std::fprintf(stderr, "LUMBRA32.DLL not found beside the benchmark\n");
        return 1;
    }
    MeasureList(1000);
    MeasureList(1000000);
    FreeLibrary(library);
    return 0;
}
