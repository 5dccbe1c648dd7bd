#pragma once

#include <memory>
#include <ostream>

#include "printing/PageFormatter.h"

// Report lines as a plain text file. Owns its stream; a failed write turns into an abort so
// that the jobs stop writing.
class CPlainTextStream : public CPageFormatter
{
public:
    // bWrap 0 writes every line as it is given; otherwise the formatter wraps it.
    CPlainTextStream(std::unique_ptr<std::ostream> stream, int bWrap);

    void NewPage() override;
    int WriteText(const char* pszText, const CLineFormat* pFormat) override;
    int IsAborted() override;
    int WriteRaw(const char* pszText) override;

private:
    std::unique_ptr<std::ostream> m_stream;
    int m_wrap;
};
