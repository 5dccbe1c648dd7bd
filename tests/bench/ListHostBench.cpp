// Prints what one page down of a recipe list host costs at the top, in the middle and at the
// end of long lists: the control's queries to the host, the rows read from the sorted view
// (with the host's row window emptied first), and time. None of them should grow with the
// list or with the position in it.

#include <cstdio>

#include <windows.h>

#include "../shell/FakeSortedView.h"
#include "../shell/ListHostWindow.h"
#include "database/RecordId.h"
#include "shell/controls/ItemListBox.h"

namespace {

constexpr int VisibleRows = 10;
constexpr int Repeats = 200;

class CCountingListBox : public CItemListBox
{
public:
    LRESULT OnListMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ++queries;
        return CItemListBox::OnListMessage(message, wParam, lParam);
    }

    long long queries = 0;
    // Reads start from the view again, as after the window has moved elsewhere.
    void DropCachedRows() { m_cache.Empty(); }
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void MeasureList(long count)
{
    CFakeSortedView::s_rowCount = count;
    CListHostWindow form;
    CCountingListBox list;
    HWND control = form.AddList(list, 10, VisibleRows);
    list.Initialise(0, CRecordId());
    const struct
    {
        const char* name;
        long top;
    } positions[] = {{"top", 0}, {"middle", count / 2}, {"end", count - 2 * VisibleRows}};
    for (const auto& position : positions)
    {
        long long queries = 0;
        long long fetches = 0;
        double seconds = 0;
        for (int i = 0; i < Repeats; ++i)
        {
            list.SelectItem(position.top, LCN_GETAT);
            SendMessageA(control, LCM_ENSUREVISIBLE, 0, position.top);
            list.DropCachedRows();
            list.queries = 0;
            CFakeSortedView::s_fetches = 0;
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            SendMessageA(control, LCM_PAGEDOWN, 0, 0);
            QueryPerformanceCounter(&end);
            seconds += Seconds(start, end);
            queries += list.queries;
            fetches += CFakeSortedView::s_fetches;
        }
        std::printf("%8ld rows, %-6s: %5.1f queries, %5.1f view reads, %7.1f us per page down\n", count, position.name,
                    static_cast<double>(queries) / Repeats, static_cast<double>(fetches) / Repeats,
                    seconds * 1e6 / Repeats);
    }
}

}  // namespace

int main()
{
    CRecipeListCache::SetViewFactory(&CFakeSortedView::Make);
    for (long count : {1000L, 10000L, 100000L})
        MeasureList(count);
    return 0;
}
