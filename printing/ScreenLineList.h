#pragma once

#include <memory>
#include <vector>

#include "printing/PageFormatter.h"
#include "shell/controls/ScreenLine.h"

// A page formatter for the screen: it has no pages and wraps nothing, and keeps every line
// written to it as a line record that a print-font list box shows as one row. The records
// live until the list is cleared, so the rows' item data stays valid while they are shown.
class CScreenLineList : public CPageFormatter
{
public:
    void NewPage() override {}
    int WriteSpacerLine() override;
    int WriteText(const char* pszText, const CLineFormat* pFormat) override;
    int WriteRule(int nValue) override;
    int WriteRaw(const char* /*pszText*/) override { return 1; }

    void Clear() { m_lines.clear(); }
    int GetCount() const { return static_cast<int>(m_lines.size()); }
    const CScreenLine& GetLine(int index) const { return *m_lines[static_cast<size_t>(index)]; }

private:
    std::vector<std::unique_ptr<CScreenLine>> m_lines;
};
