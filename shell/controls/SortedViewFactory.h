#pragma once

#include "database/SortedListView.h"

// The sorted view of a source mode on the current cookbook: the category view for mode 2, the
// chapter view otherwise; null without a cookbook.
std::unique_ptr<CSortedListView> MakeSortedListView(int sourceMode);
