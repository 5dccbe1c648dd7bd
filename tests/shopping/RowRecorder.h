#pragma once
// A page formatter that keeps each call instead of laying it out: text rows with the format
// they were written in, spacer lines and rules.
#include <string>
#include <vector>

#include "printing/PageFormatter.h"

namespace shoptest {

struct Row
{
    enum Kind
    {
        Text,
        Spacer,
        Rule,
    };
    Kind kind;
    std::string text;
    CLineFormat format;
};

class CRowRecorder : public CPageFormatter
{
public:
    int WriteText(const char* pszText, const CLineFormat* pFormat) override
    {
        m_rows.push_back({Row::Text, pszText, pFormat != nullptr ? *pFormat : m_lineFormat});
        return 1;
    }
    int WriteSpacerLine() override
    {
        m_rows.push_back({Row::Spacer, "", m_lineFormat});
        return 1;
    }
    int WriteRule(int /*nValue*/) override
    {
        m_rows.push_back({Row::Rule, "", m_lineFormat});
        return 1;
    }
    int WriteRaw(const char* /*pszText*/) override { return 1; }

    std::vector<Row> m_rows;
};

}  // namespace shoptest
