#pragma once

#include "framework/String.h"

// The text in the program's code page. The MDBTools driver hands Access texts over as UTF-8;
// bytes that are not UTF-8 are taken to be in the code page already and kept as they are.
CString Utf8ToCodePage(const CString& text);
