#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "printing/PageFormatter.h"

// Report lines as a Rich Text document whose paragraph styles follow the lines' formats.
// Owns its stream; the document is closed when the stream is deleted. A failed write turns
// into an abort so that the jobs stop writing.
class CRtfStream : public CPageFormatter
{
public:
    explicit CRtfStream(std::unique_ptr<std::ostream> stream);
    ~CRtfStream() override;

    void NewPage() override;
    int WriteText(const char* pszText, const CLineFormat* pFormat) override;
    int WriteRule(int nValue) override;
    int IsAborted() override;
    int WriteRaw(const char* pszText) override;

private:
    void WriteHeader();
    void WriteParagraphStyle(const CLineFormat* pFormat);
    // Tabs, backslashes and braces in RTF; line feeds end paragraphs.
    void WriteConverted(const std::string& text);

    std::unique_ptr<std::ostream> m_stream;
    // Each document starts without a style, whatever other documents wrote.
    std::optional<int> m_lastStyle;
};
