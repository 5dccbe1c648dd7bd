#pragma once

#include <windef.h>

// Set when the user chose another display font; the text panes clear it after they laid their
// page out again in the new font.
BOOL HasFontChanged();
void SetFontChanged(BOOL bChanged);
