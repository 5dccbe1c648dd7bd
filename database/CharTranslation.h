#pragma once

class CString;

// The substitution of printable characters that older cookbook databases store their texts in.
// Reading turns a stored text into plain text; writing does the reverse, so that
// TranslateCharsByOffsetTable(TranslateCharsByTable(text)) gives text back. Blanks, control
// characters and codes above 126 stay as they are.
void TranslateCharsByOffsetTable(CString& text);
void TranslateCharsByTable(CString& text);
