#pragma once

#include "framework/String.h"
#include "shell/controls/PrintedLine.h"

// One laid-out line shown as a row of a print-font list: its text, its kind (1 a spacer, 2 a
// rule, else the paragraph style it was written in) and the style's value, which names the
// thing the row shows (a shopping item's serial, a recipe entry).
class CScreenLine : public CPrintedLine
{
public:
    CScreenLine(const char* pszText, LONG kind, LONG value) : m_text(pszText), m_kind(kind), m_value(value) {}

    LPCSTR LineText() const override { return m_text; }
    LONG LineValue() const override { return m_kind; }
    LONG StyleValue() const { return m_value; }

    static constexpr LONG kSpacer = 1;
    static constexpr LONG kRule = 2;

private:
    CString m_text;
    LONG m_kind;
    LONG m_value;
};
