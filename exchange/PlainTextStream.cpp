#include "exchange/PlainTextStream.h"

#include <utility>

#include "exchange/TextFileLines.h"

namespace {

const char kFormFeed[] = "\f";

}  // namespace

CPlainTextStream::CPlainTextStream(std::unique_ptr<std::ostream> stream, int bWrap)
    : m_stream(std::move(stream)), m_wrap(bWrap)
{
}

void CPlainTextStream::NewPage()
{
    if (m_paged)
        WriteRaw(kFormFeed);
}

int CPlainTextStream::WriteText(const char* pszText, const CLineFormat* pFormat)
{
    if (m_wrap)
        return CPageFormatter::WriteText(pszText, pFormat);
    WriteRaw(pszText);
    return 1;
}

int CPlainTextStream::IsAborted()
{
    return m_stream->fail() || m_stream->bad();
}

int CPlainTextStream::WriteRaw(const char* pszText)
{
    WriteWithCrlf(*m_stream, pszText);
    WriteWithCrlf(*m_stream, "\n");
    m_stream->flush();
    return 1;
}
