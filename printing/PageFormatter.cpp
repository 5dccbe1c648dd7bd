#include "printing/PageFormatter.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "framework/String.h"
#include "res/resource.h"
#include "shell/services/ErrorReporter.h"

namespace {

const int kDefaultPageWidth = 65;
const int kDefaultPageLength = 66;
const int kMaxColumns = 5;
// Column grids set the tab stops after the first one.
const int kGridTabStops = 4;

bool IsIndentingMode(int nMode)
{
    return nMode == CLineFormat::HangingIndent || nMode == CLineFormat::Indented ||
           nMode == CLineFormat::IndentedContinuation;
}

int FirstLineMode(int nMode)
{
    if (nMode == CLineFormat::FirstLineIndent)
        return CLineFormat::Indented;
    if (nMode == CLineFormat::HangingIndent || nMode == CLineFormat::IndentedContinuation)
        return CLineFormat::Plain;
    return nMode;
}

// Tabs become blanks; line feeds separate pieces. A CR before a line feed and a line feed
// that opens the text read as blanks. A final line feed closes the last piece without
// opening an empty one.
std::vector<std::string> SplitIntoPieces(const char* pszText)
{
    std::string text(pszText);
    if (!text.empty() && text[0] == '\n')
        text[0] = ' ';
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        if (c == '\n')
            pieces.emplace_back();
        else if (c == '\t' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            pieces.back() += ' ';
        else
            pieces.back() += c;
    }
    if (pieces.size() > 1 && pieces.back().empty())
        pieces.pop_back();
    return pieces;
}

bool IsBlankEntry(const char* pszEntry)
{
    return std::all_of(pszEntry, pszEntry + std::strlen(pszEntry), [](char c) { return c == ' '; });
}

std::size_t CountEntries(const char* const* ppszEntries, int nCount)
{
    std::size_t n = 0;
    while (static_cast<int>(n) < nCount && ppszEntries[n] != nullptr)
        ++n;
    return n;
}

int CeilDiv(std::size_t n, int d)
{
    return static_cast<int>((n + d - 1) / d);
}

}  // namespace

CPageFormatter::CPageFormatter()
    : m_lineFormat(CLineFormat::Cleared()), m_leftMargin(0), m_topMargin(0), m_pageWidth(kDefaultPageWidth),
      m_pageLength(kDefaultPageLength), m_leftEdge(0), m_topEdge(0), m_textWidth(kDefaultPageWidth), m_columnCount(1),
      m_columnWidth(kDefaultPageWidth), m_columnGap(ColumnGap), m_usableLines(kDefaultPageLength), m_paged(0),
      m_linesLeft(kDefaultPageLength)
{
}

void CPageFormatter::NewPage() {}

int CPageFormatter::WriteSpacerLine()
{
    m_lineFormat.ParagraphStyle = 1;
    WriteText(" ", nullptr);
    return 1;
}

int CPageFormatter::WriteText(const char* pszText, const CLineFormat* pFormat)
{
    if (pFormat != nullptr)
        m_lineFormat = *pFormat;
    RecalcMargins();
    const std::vector<std::string> pieces = SplitIntoPieces(pszText);
    int nMode = FirstLineMode(m_lineFormat.Mode);
    for (const std::string& piece : pieces)
    {
        // An empty piece is a blank line of its own; the text goes on after it.
        if (piece.empty())
        {
            WriteRaw(" ");
            nMode = m_lineFormat.Mode;
            continue;
        }
        for (std::size_t nStart = 0; nStart < piece.size();)
        {
            nStart = WriteOutputLine(piece, nStart, nMode);
            nMode = m_lineFormat.Mode;
        }
    }
    return 1;
}

std::size_t CPageFormatter::WriteOutputLine(const std::string& piece, std::size_t nStart, int nMode)
{
    RecalcMargins();
    int nIndent = 0;
    std::size_t nWidth = static_cast<std::size_t>(m_textWidth);
    if (IsIndentingMode(nMode))
    {
        // An indent as wide as the page still leaves one character a line.
        nIndent = std::max(0, std::min(m_lineFormat.Indent(), m_textWidth - 1));
        nWidth -= static_cast<std::size_t>(nIndent);
    }

    std::size_t nLength = piece.size() - nStart;
    std::size_t nNext = piece.size();
    if (nLength > nWidth)
    {
        const std::size_t nBreak = nStart + nWidth;
        if (piece[nBreak] == ' ')
        {
            // The run of blanks at the break stays on this line; the next starts at the word.
            std::size_t nLastBlank = nBreak;
            while (nLastBlank + 1 < piece.size() && piece[nLastBlank + 1] == ' ')
                ++nLastBlank;
            nLength = nLastBlank - nStart;
            nNext = nLastBlank + 1;
        }
        else
        {
            std::size_t nBlank = nBreak - 1;
            while (nBlank > nStart && piece[nBlank] != ' ')
                --nBlank;
            nLength = nBlank > nStart ? nBlank - nStart : nWidth;
            nNext = nBlank > nStart ? nBlank + 1 : nBreak;
        }
    }

    if (nMode == CLineFormat::Centred)
        nIndent = std::max(0, (static_cast<int>(nWidth) - static_cast<int>(nLength)) / 2);
    // Sized to the line: a page of any width never runs past the line's buffer.
    const std::string line = std::string(static_cast<std::size_t>(nIndent), ' ') + piece.substr(nStart, nLength);
    WriteRaw(line.c_str());
    return nNext;
}

int CPageFormatter::WriteColumns(const char* const* ppszEntries, int nCount, int nColumns, const CLineFormat* pFormat)
{
    if (pFormat != nullptr)
        m_lineFormat = *pFormat;
    const std::size_t nEntries = CountEntries(ppszEntries, nCount);
    if (nColumns <= 1 || nEntries < 3)
    {
        for (std::size_t i = 0; i < nEntries; ++i)
            WriteText(ppszEntries[i], nullptr);
        return 1;
    }
    SetColumnGrid(nColumns);
    try
    {
        WriteColumnBlocks(ppszEntries, nEntries);
    }
    catch (const std::bad_alloc&)
    {
        CString text;
        CString function;
        text.LoadString(IDS_COLUMNS_NO_MEMORY);
        function.LoadString(IDS_COLUMNS_FUNCTION);
        g_pErrorReporter->ShowErrorText(text, function);
    }
    return 1;
}

void CPageFormatter::SetColumnGrid(int nColumns)
{
    RecalcMargins();
    m_columnCount = std::min(nColumns, kMaxColumns);
    m_lineFormat.TabCount = m_columnCount;
    m_columnWidth = (m_textWidth - ColumnGap * (m_columnCount - 1)) / m_columnCount;
    for (int i = 0; i < kGridTabStops; ++i)
        m_lineFormat.TabStops[i] = (i + 1) * (m_columnWidth + ColumnGap);
}

void CPageFormatter::WriteColumnBlocks(const char* const* ppszEntries, std::size_t nCount)
{
    std::size_t nNext = 0;
    while (nNext < nCount)
    {
        int nRows = CeilDiv(nCount - nNext, m_columnCount);
        if (m_paged)
        {
            const int nLinesLeft = GetLinesLeft();
            if (nLinesLeft > 0)
                nRows = std::min(nRows, nLinesLeft);
        }
        std::string block;
        nNext = FillBlock(block, nRows, ppszEntries, nCount, nNext);
        WriteText(block.c_str(), nullptr);
    }
}

std::size_t CPageFormatter::FillBlock(std::string& block, int nRows, const char* const* ppszEntries, std::size_t nCount,
                                      std::size_t nNext) const
{
    const std::size_t nRowLength = static_cast<std::size_t>(m_textWidth) + 1;
    block.assign(static_cast<std::size_t>(nRows) * nRowLength - 1, ' ');
    for (int nRow = 1; nRow < nRows; ++nRow)
        block[nRow * nRowLength - 1] = '\n';

    for (int nColumn = 0; nColumn < m_columnCount; ++nColumn)
    {
        while (nNext < nCount && IsBlankEntry(ppszEntries[nNext]))
            ++nNext;
        for (int nRow = 0; nRow < nRows && nNext < nCount; ++nRow)
        {
            const char* pszEntry = ppszEntries[nNext];
            // A heading never stands alone at the foot of a column, but a column whose only
            // row is its foot takes it, or it could never be placed.
            if (nRow == nRows - 1 && nRow > 0 && pszEntry[0] != '[')
                break;
            const std::size_t nCell = nRow * nRowLength + nColumn * static_cast<std::size_t>(m_columnWidth + ColumnGap);
            const std::size_t nLength = std::min(std::strlen(pszEntry), static_cast<std::size_t>(m_columnWidth));
            block.replace(nCell, nLength, pszEntry, nLength);
            ++nNext;
        }
    }
    return nNext;
}

int CPageFormatter::WriteRule(int /*nValue*/)
{
    RecalcMargins();
    WriteRaw(std::string(static_cast<std::size_t>(m_textWidth - 1), '-').c_str());
    return 1;
}

int CPageFormatter::IsAborted()
{
    return 0;
}

int CPageFormatter::GetLinesLeft()
{
    return -1;
}

void CPageFormatter::RecalcMargins()
{
    m_leftEdge = m_leftMargin;
    m_topEdge = m_topMargin;
    m_textWidth = std::max(m_pageWidth - m_leftMargin, MinTextWidth);
    m_usableLines = m_pageLength - m_topMargin;
}

int CPageFormatter::SetLineFormat(const CLineFormat& format)
{
    m_lineFormat = format;
    return 1;
}

void CPageFormatter::SetParagraphStyle(int nStyle, int nValue)
{
    m_lineFormat.ParagraphStyle = nStyle;
    m_lineFormat.StyleValue = nValue;
}
