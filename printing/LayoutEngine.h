#pragma once

#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

#include "printing/LineFormat.h"

// Draws formatted lines on a device: fonts per line, wrapping and tab fields in device units,
// pages and index cards, rules and up to ten hot spots. In store mode it keeps the lines
// instead, for a window to replay them on each paint.
class CLayoutEngine
{
public:
    enum Mode
    {
        StoreMode = 0,
        WindowMode = 1,
        PrinterMode = 2,
    };

    struct StoredLine
    {
        std::string Text;
        CLineFormat Format;
    };

    struct HotSpot
    {
        RECT Rect;
        std::string Text;
        LOGFONTA Font;
        COLORREF Colours[4];
    };

    static const int MaxHotSpots = 10;
    static const int HotSpotStyle = 19;
    static const int IngredientStyle = 10;

    // A document the engine prints itself.
    explicit CLayoutEngine(const char* pszDocumentName);
    // Lines for an outside device context: stored until a window replays them.
    CLayoutEngine();
    ~CLayoutEngine();
    CLayoutEngine(const CLayoutEngine&) = delete;
    CLayoutEngine& operator=(const CLayoutEngine&) = delete;

    void SetMode(int nMode) { m_mode = nMode; }
    int GetMode() const { return m_mode; }

    // hDC null in printer mode: the chosen printer's, else the default printer's. -1 when the
    // printer document could not start. In window mode the page starts nOffset pixels above the
    // window: the part of it scrolled out of view.
    int BeginDocument(const char* pszDocumentName, HWND hWnd, HDC hDC, int nOffset);
    // Height used in device units; -1 when the document was cancelled or a line not stored.
    // A size percent lasts for one line: it is cleared in the caller's format.
    int LayoutText(const char* pszText, CLineFormat& format, HDC hDC);
    int EndDocument(int bKeep);
    // Moves on past lines laid out earlier at this height, without drawing them.
    void SkipHeight(int nHeight);
    void NewPage(int nAdvance);
    void DrawRule(int nWidth);
    void SetHotSpotColours(COLORREF normalBack, COLORREF normalText, COLORREF selectedBack, COLORREF selectedText);
    int SelectHotSpotAt(int x, int y, HDC hDC);
    const char* GetSelectedHotSpot() const;
    void FreeStoredLines();

    const std::vector<StoredLine>& GetStoredLines() const { return m_storedLines; }
    int GetWidestLine() const { return m_widestLine; }
    int GetHotSpotCount() const { return static_cast<int>(m_hotSpots.size()); }
    const HotSpot& GetHotSpot(int nIndex) const { return m_hotSpots[static_cast<std::size_t>(nIndex)]; }
    int GetTopLine() const { return m_topLine; }
    void SetTopLine(int nLine) { m_topLine = nLine; }
    int GetLineCount() const { return static_cast<int>(m_storedLines.size()); }
    HDC GetDC() const { return m_hDC; }
    int GetLinesLeft();
    int GetTextAreaWidth() const { return m_textRight - m_textLeft; }
    int GetAverageCharWidth();
    int GetUsableLines();
    const LOGFONTA& GetPrintFont() const { return m_printFont; }

private:
    enum DcOwner
    {
        BorrowedDC,
        OwnDC,
        ChosenPrinterDC,
    };

    void Clear();
    void SetUpPrinterPage();
    void SetUpWindowPage(HWND hWnd);
    void SetCardArea();
    void CheckPrintFace();
    void SelectLineFont(const CLineFormat& format);
    int LayoutLines(const std::string& text, const CLineFormat& format);
    // Lays one piece out between the given edges; returns the height used.
    int LayoutPiece(const std::string& piece, const CLineFormat& format, int nLeft, int nRight, bool bFirst);
    int StartX(int nMode, bool bFirst, int nLeft, int nRight, int nWidth) const;
    int NextTabX(int x, int nLeft, const CLineFormat& format, int nFieldWidth) const;
    int TextWidth(const std::string& text) const;
    void DrawLine(const std::string& line, const CLineFormat& format, int x, int nLeft, bool bContinuation);
    void DrawHotSpot(const HotSpot& spot, bool bSelected, HDC hDC) const;
    void EnsureRoom();
    void FlushIngredients();
    void DrawOver();
    void ReleaseDC();

    std::vector<StoredLine> m_storedLines;
    std::vector<StoredLine> m_pendingIngredients;
    int m_lineHeight;
    int m_topLine;
    int m_widestLine;
    int m_defaultFont;
    std::vector<HotSpot> m_hotSpots;
    int m_selectedHotSpot;
    bool m_hotSpotOpen;
    HDC m_hDC;
    DcOwner m_dcOwner;
    int m_mode;
    std::string m_documentName;
    bool m_pageStarted;
    int m_pageSizeChoice;
    int m_sheetWidth;
    int m_sheetHeight;
    int m_marginLeft;
    int m_marginTop;
    int m_marginRight;
    int m_marginBottom;
    int m_cardsPerSheet;
    int m_currentCard;
    int m_cardX;
    int m_cardY;
    int m_cardWidth;
    int m_cardHeight;
    int m_textLeft;
    int m_textRight;
    int m_position;
    int m_bottom;
    LOGFONTA m_printFont;
    CLineFormat m_format;
    HFONT m_hFont;
    HFONT m_hPreviousFont;
    int m_charWidths[256];
    COLORREF m_colours[4];
    int m_offsetX;
    int m_offsetY;
};
