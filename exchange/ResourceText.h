#pragma once

#include <windef.h>

#include "framework/String.h"

// A string-table entry as a text.
CString LoadResourceText(UINT nId);
