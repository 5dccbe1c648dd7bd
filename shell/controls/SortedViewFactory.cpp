#include "shell/controls/SortedViewFactory.h"

#include "database/VCatRecordset.h"
#include "database/VRcpRecordset.h"
#include "shell/services/CurrentDatabase.h"

namespace {

constexpr int CategorySource = 2;

}  // namespace

std::unique_ptr<CSortedListView> MakeSortedListView(int sourceMode)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return nullptr;
    if (sourceMode == CategorySource)
        return std::make_unique<CVCatRecordset>(pDatabase);
    return std::make_unique<CVRcpRecordset>(pDatabase);
}
