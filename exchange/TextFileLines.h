#pragma once

#include <ostream>

// Text files are binary streams with CRLF line ends: a CR LF or a bare LF inside a text is
// written as one CR LF, never CR CR LF.
void WriteWithCrlf(std::ostream& stream, const char* pszText);
