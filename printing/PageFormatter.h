#pragma once

#include <cstddef>
#include <string>

#include "printing/LineFormat.h"

// The line sink under every printed page and every text or RTF file: writers hand it one
// logical line at a time with its format; it wraps, indents, centres, lays lists out in
// columns and passes each finished output line to WriteRaw. It counts in characters and lines;
// an output that draws with fonts recomputes its widths from its device in RecalcMargins.
class CPageFormatter
{
public:
    CPageFormatter();
    virtual ~CPageFormatter() = default;
    CPageFormatter(const CPageFormatter&) = delete;
    CPageFormatter& operator=(const CPageFormatter&) = delete;

    virtual void NewPage();
    virtual int WriteSpacerLine();
    // A null format keeps the current one.
    virtual int WriteText(const char* pszText, const CLineFormat* pFormat);
    // The list ends at nCount entries or at a null entry, whichever comes first.
    virtual int WriteColumns(const char* const* ppszEntries, int nCount, int nColumns, const CLineFormat* pFormat);
    virtual int WriteRule(int nValue);
    virtual int IsAborted();
    // -1: no page limit.
    virtual int GetLinesLeft();
    virtual void RecalcMargins();
    // One finished output line, without its line end.
    virtual int WriteRaw(const char* pszText) = 0;

    int SetLineFormat(const CLineFormat& format);
    CLineFormat& GetLineFormat() { return m_lineFormat; }
    void SetParagraphStyle(int nStyle, int nValue);

    int GetTextWidth() const { return m_textWidth; }

protected:
    static const int ColumnGap = 4;
    static const int MinTextWidth = 15;

    CLineFormat m_lineFormat;
    int m_leftMargin;
    int m_topMargin;
    int m_pageWidth;
    int m_pageLength;
    int m_leftEdge;
    int m_topEdge;
    int m_textWidth;
    int m_columnCount;
    int m_columnWidth;
    int m_columnGap;
    int m_usableLines;
    int m_paged;
    int m_linesLeft;

private:
    // Writes one output line of the piece from nStart; returns where the next line starts.
    std::size_t WriteOutputLine(const std::string& piece, std::size_t nStart, int nMode);
    void SetColumnGrid(int nColumns);
    // Fills up to nRows rows of the grid from entry nNext on; returns the next entry.
    std::size_t FillBlock(std::string& block, int nRows, const char* const* ppszEntries, std::size_t nCount,
                          std::size_t nNext) const;
    void WriteColumnBlocks(const char* const* ppszEntries, std::size_t nCount);
};
