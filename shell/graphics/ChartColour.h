#pragma once

#include <windef.h>

// Series colours of the charts: entries 0-63 of a fixed table; any other
// index gives entry 0 (black).
COLORREF GetChartColour(int nIndex);
