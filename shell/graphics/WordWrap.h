#pragma once

#include <string>
#include <vector>

#include <windef.h>

// Breaks a text into lines no wider than `width` with the font selected into the DC: a line
// ends at its last blank before the width is exceeded, or at the character itself when it
// has no blank; blanks that would start a line are skipped.
std::vector<std::string> WrapLines(HDC hdc, const char* text, int width);
