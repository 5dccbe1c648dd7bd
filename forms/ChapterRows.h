#pragma once

#include <windows.h>

#include "database/RecordId.h"

// The open cookbook's chapters as the rows of a list box or a combo box, each with its numeric
// record id as item data. Returns the row of the chapter selectId, or -1.
int AddChapterRows(HWND hControl, BOOL bCombo, const CRecordId& selectId);
