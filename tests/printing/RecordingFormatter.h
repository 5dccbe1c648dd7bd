#pragma once

#include <string>
#include <vector>

#include "printing/PageFormatter.h"

// A formatter that keeps its output lines, with a page width and an abort the test sets.
class CRecordingFormatter : public CPageFormatter
{
public:
    explicit CRecordingFormatter(int nPageWidth = 65)
    {
        m_pageWidth = nPageWidth;
        RecalcMargins();
    }

    int WriteRaw(const char* pszText) override
    {
        Lines.emplace_back(pszText);
        return 1;
    }
    int IsAborted() override { return Aborted; }

    std::vector<std::string> Lines;
    int Aborted = 0;
};
