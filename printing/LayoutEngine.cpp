#include "printing/LayoutEngine.h"

#include <algorithm>
#include <cstring>

#include "framework/String.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "printing/PrintAbortDlg.h"
#include "res/resource.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"

namespace {

const int kHundredths = 100;
const int kPointsPerInch = 72;
const int kDefaultFontPoints = 12;
// Print fonts keep their size as tenths of a point in the width word.
const int kTenthsPerPoint = 10;
const char kDefaultFace[] = "Tms Rmn";
const char kOver[] = "(OVER)";

bool s_facesChecked = false;

// The default printer's DC, turned to landscape for the arrangement of cards side by side.
HDC CreateDefaultPrinterDC(bool landscape)
{
    char name[256];
    DWORD cch = sizeof name;
    if (!::GetDefaultPrinterA(name, &cch))
        return nullptr;
    HANDLE hPrinter = nullptr;
    if (!::OpenPrinterA(name, &hPrinter, nullptr))
        return nullptr;
    const LONG cb = ::DocumentPropertiesA(nullptr, hPrinter, name, nullptr, nullptr, 0);
    std::vector<char> buffer(static_cast<std::size_t>(std::max<LONG>(cb, sizeof(DEVMODEA))));
    DEVMODEA* pMode = reinterpret_cast<DEVMODEA*>(buffer.data());
    const bool haveMode = ::DocumentPropertiesA(nullptr, hPrinter, name, pMode, nullptr, DM_OUT_BUFFER) == IDOK;
    ::ClosePrinter(hPrinter);
    if (haveMode)
    {
        pMode->dmFields |= DM_ORIENTATION;
        pMode->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    }
    return ::CreateDCA("WINSPOOL", name, nullptr, haveMode ? pMode : nullptr);
}

bool IsCardChoice(int nChoice)
{
    return nChoice >= 1 && nChoice <= 5;
}

int ToPixels(double inches, int nPixelsPerInch)
{
    return static_cast<int>(inches * kHundredths) * nPixelsPerInch / kHundredths;
}

int CALLBACK MatchFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    *reinterpret_cast<bool*>(lParam) = true;
    return 0;
}

bool DeviceHasFace(HDC hDC, const char* pszFace)
{
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, pszFace, LF_FACESIZE);
    bool found = false;
    ::EnumFontFamiliesExA(hDC, &wanted, MatchFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// Pieces at line feeds; a CR before a line feed goes, any other CR reads as a blank.
std::vector<std::string> SplitLines(const char* pszText)
{
    std::vector<std::string> pieces(1);
    for (const char* p = pszText; *p != '\0'; ++p)
    {
        if (*p == '\n')
            pieces.emplace_back();
        else if (*p == '\r')
        {
            if (p[1] != '\n')
                pieces.back() += ' ';
        }
        else
            pieces.back() += *p;
    }
    return pieces;
}

}  // namespace

CLayoutEngine::CLayoutEngine(const char* pszDocumentName)
{
    Clear();
    m_documentName = pszDocumentName != nullptr ? pszDocumentName : "";
}

CLayoutEngine::CLayoutEngine()
{
    Clear();
}

CLayoutEngine::~CLayoutEngine()
{
    if (m_hFont != nullptr)
    {
        if (m_hDC != nullptr)
            ::SelectObject(m_hDC, m_hPreviousFont);
        ::DeleteObject(m_hFont);
    }
}

void CLayoutEngine::Clear()
{
    m_storedLines.clear();
    m_pendingIngredients.clear();
    m_lineHeight = 1;
    m_topLine = 0;
    m_widestLine = 0;
    m_defaultFont = 0;
    m_hotSpots.clear();
    m_selectedHotSpot = -1;
    m_hotSpotOpen = false;
    m_hDC = nullptr;
    m_dcOwner = BorrowedDC;
    m_mode = StoreMode;
    m_pageStarted = false;
    m_pageSizeChoice = 0;
    m_sheetWidth = m_sheetHeight = 0;
    m_marginLeft = m_marginTop = m_marginRight = m_marginBottom = 0;
    m_cardsPerSheet = 0;
    m_currentCard = 0;
    m_cardX = m_cardY = m_cardWidth = m_cardHeight = 0;
    m_textLeft = m_textRight = m_position = m_bottom = 0;
    m_printFont = LOGFONTA();
    m_format = CLineFormat();
    m_hFont = nullptr;
    m_hPreviousFont = nullptr;
    std::fill(std::begin(m_charWidths), std::end(m_charWidths), 0);
    m_colours[0] = m_colours[2] = RGB(255, 255, 255);
    m_colours[1] = m_colours[3] = RGB(0, 0, 0);
    m_offsetX = m_offsetY = 0;
}

int CLayoutEngine::BeginDocument(const char* pszDocumentName, HWND hWnd, HDC hDC, int nOffset)
{
    if (pszDocumentName != nullptr)
        m_documentName = pszDocumentName;
    PrintSettings& print = *g_pAppSettings->GetPrintRecord();
    m_printFont = print.PrintFont();
    m_defaultFont = print.DefaultFont;
    m_hotSpots.clear();
    m_selectedHotSpot = -1;
    if (m_mode == StoreMode)
    {
        FreeStoredLines();
        m_hDC = hDC;
        return 0;
    }
    m_hDC = hDC;
    m_dcOwner = BorrowedDC;
    if (m_mode == PrinterMode && m_hDC == nullptr)
    {
        m_hDC = GetPrinterDC();
        m_dcOwner = ChosenPrinterDC;
    }
    if (m_mode == PrinterMode && m_hDC == nullptr)
    {
        m_hDC = CreateDefaultPrinterDC(print.Orientation == 1);
        m_dcOwner = OwnDC;
    }
    if (m_hDC == nullptr)
        return -1;
    CheckPrintFace();
    if (m_mode == WindowMode)
    {
        SetUpWindowPage(hWnd);
        m_position -= nOffset;
        return 0;
    }
    SetUpPrinterPage();
    CWnd* pMain = AfxGetMainWnd();
    CPrintAbortDlg::ClearCancel();
    CPrintAbortDlg::Create(pMain != nullptr ? pMain->m_hWnd : nullptr, m_documentName.c_str());
    ::SetAbortProc(m_hDC, CPrintAbortDlg::AbortProc);
    DOCINFOA info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = m_documentName.c_str();
    if (::StartDocA(m_hDC, &info) <= 0)
    {
        // Nothing will print: no DC is kept, so the caller can tell and the close does nothing.
        CPrintAbortDlg::Close();
        ReleaseDC();
        return -1;
    }
    ::StartPage(m_hDC);
    m_pageStarted = true;
    return 0;
}

void CLayoutEngine::CheckPrintFace()
{
    if (s_facesChecked)
        return;
    s_facesChecked = true;
    if (DeviceHasFace(m_hDC, m_printFont.lfFaceName))
        return;
    CString fallback;
    fallback.LoadString(IDS_FACE_SERIF_FALLBACK);
    lstrcpynA(m_printFont.lfFaceName, fallback, LF_FACESIZE);
    g_pAppSettings->GetPrintRecord()->PrintFont() = m_printFont;
}

void CLayoutEngine::SetUpPrinterPage()
{
    const PrintSettings& print = *g_pAppSettings->GetPrintRecord();
    const int dpiX = ::GetDeviceCaps(m_hDC, LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(m_hDC, LOGPIXELSY);
    m_pageSizeChoice = print.SelectedPageSize;
    double width = print.PageWidth;
    double height = print.PageHeight;
    if (m_pageSizeChoice == 3 || m_pageSizeChoice == 4)
        width = 8.5, height = 11.0;
    else if (m_pageSizeChoice == 5)
        width = 11.0, height = 8.5;
    m_sheetWidth = ToPixels(width, dpiX);
    m_sheetHeight = ToPixels(height, dpiY);
    m_offsetX = std::max(0, (m_sheetWidth - ::GetDeviceCaps(m_hDC, HORZRES)) / 2);
    m_offsetY = std::max(0, (m_sheetHeight - ::GetDeviceCaps(m_hDC, VERTRES)) / 2);
    m_cardsPerSheet = 0;
    m_cardWidth = m_sheetWidth;
    m_cardHeight = m_sheetHeight;
    if (IsCardChoice(m_pageSizeChoice))
    {
        m_cardsPerSheet = print.SubPages < 2 ? 0 : print.SubPages;
        m_cardWidth = ToPixels(print.PageWidth, dpiX);
        m_cardHeight = ToPixels(print.PageHeight, dpiY);
    }
    m_marginTop = ToPixels(print.TopMargin, dpiY);
    m_marginBottom = ToPixels(print.BottomMargin, dpiY);
    m_marginLeft = ToPixels(print.LeftMargin, dpiX);
    m_marginRight = ToPixels(print.RightMargin, dpiX);
    m_currentCard = 0;
    m_cardX = m_cardY = 0;
    SetCardArea();
}

// The text area of the current card (or page) in the device's printable coordinates.
void CLayoutEngine::SetCardArea()
{
    m_textLeft = m_cardX + m_marginLeft - m_offsetX;
    m_textRight = m_cardX + m_cardWidth - m_marginRight - m_offsetX;
    m_position = m_cardY + m_marginTop - m_offsetY;
    m_bottom = m_cardY + m_cardHeight - m_marginBottom - m_offsetY;
}

void CLayoutEngine::SetUpWindowPage(HWND hWnd)
{
    RECT client = {0, 0, 0, 0};
    if (hWnd != nullptr)
        ::GetClientRect(hWnd, &client);
    SelectLineFont(m_format);
    TEXTMETRICA metrics;
    ::GetTextMetricsA(m_hDC, &metrics);
    m_pageSizeChoice = 0;
    m_cardsPerSheet = 0;
    m_offsetX = m_offsetY = 0;
    m_cardX = m_cardY = 0;
    m_cardWidth = client.right;
    m_cardHeight = 2 * client.bottom;
    m_marginLeft = m_marginRight = metrics.tmAveCharWidth;
    m_marginTop = m_lineHeight / 4;
    m_marginBottom = 0;
    SetCardArea();
}

void CLayoutEngine::SelectLineFont(const CLineFormat& format)
{
    LOGFONTA font = m_printFont;
    const int dpiY = ::GetDeviceCaps(m_hDC, LOGPIXELSY);
    if (m_defaultFont)
    {
        font = LOGFONTA();
        lstrcpynA(font.lfFaceName, kDefaultFace, LF_FACESIZE);
        font.lfPitchAndFamily = FF_ROMAN;
        font.lfHeight = -::MulDiv(kDefaultFontPoints, dpiY, kPointsPerInch);
    }
    else if (font.lfHeight < 0)
    {
        font.lfHeight = -::MulDiv(font.lfWidth, dpiY, kPointsPerInch * kTenthsPerPoint);
        font.lfWidth = 0;
    }
    font.lfWeight = format.Bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = format.Italic ? 1 : 0;
    font.lfUnderline = format.Underline ? 1 : 0;
    if (format.SizePercent > 0)
        font.lfHeight = ::MulDiv(font.lfHeight, format.SizePercent, 100);

    HFONT hFont = ::CreateFontIndirectA(&font);
    HGDIOBJ hOld = ::SelectObject(m_hDC, hFont);
    if (m_hFont != nullptr)
        ::DeleteObject(m_hFont);
    else
        m_hPreviousFont = static_cast<HFONT>(hOld);
    m_hFont = hFont;

    TEXTMETRICA metrics;
    ::GetTextMetricsA(m_hDC, &metrics);
    m_lineHeight = std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
    if (!::GetCharWidth32A(m_hDC, 0, 255, m_charWidths))
        std::fill(std::begin(m_charWidths), std::end(m_charWidths), static_cast<int>(metrics.tmAveCharWidth));
}

int CLayoutEngine::LayoutText(const char* pszText, CLineFormat& format, HDC hDC)
{
    if (m_mode == StoreMode)
    {
        m_storedLines.push_back({pszText, format});
        m_widestLine = std::max(m_widestLine, static_cast<int>(std::strlen(pszText)) + 1);
        return 0;
    }
    if (hDC != nullptr)
        m_hDC = hDC;
    if (m_hDC == nullptr)
        return 0;
    if (CPrintAbortDlg::IsCancelled())
        return -1;
    const bool twoColumns = m_mode == PrinterMode && m_pageSizeChoice == 5;
    if (twoColumns && format.ParagraphStyle == IngredientStyle)
    {
        m_pendingIngredients.push_back({pszText, format});
        format.SizePercent = 0;
        return 0;
    }
    FlushIngredients();
    int nHeight = 0;
    if (format.Mode == CLineFormat::Rule)
    {
        DrawRule(format.SizePercent);
        nHeight = format.SizePercent;
    }
    else
        nHeight = LayoutLines(pszText, format);
    format.SizePercent = 0;
    return CPrintAbortDlg::IsCancelled() ? -1 : nHeight;
}

int CLayoutEngine::LayoutLines(const std::string& text, const CLineFormat& format)
{
    m_format = format;
    SelectLineFont(format);
    if (format.ParagraphStyle != HotSpotStyle)
        m_hotSpotOpen = false;
    if (text.empty())
    {
        EnsureRoom();
        m_position += m_lineHeight;
        return m_lineHeight;
    }
    int nHeight = 0;
    bool first = true;
    for (const std::string& piece : SplitLines(text.c_str()))
    {
        nHeight += LayoutPiece(piece, format, m_textLeft, m_textRight, first);
        first = false;
    }
    if (format.ParagraphStyle == HotSpotStyle)
        m_hotSpotOpen = false;
    return nHeight;
}

int CLayoutEngine::TextWidth(const std::string& text) const
{
    int nWidth = 0;
    for (unsigned char c : text)
        nWidth += m_charWidths[c];
    return nWidth;
}

int CLayoutEngine::StartX(int nMode, bool bFirst, int nLeft, int nRight, int nWidth) const
{
    const int nIndent = m_format.Indent() * m_charWidths[static_cast<unsigned char>('c')];
    if (nMode == CLineFormat::Centred)
        return nLeft + std::max(0, (nRight - nLeft - nWidth) / 2);
    if (bFirst)
        return nMode == CLineFormat::FirstLineIndent ? nLeft + nIndent : nLeft;
    if (nMode == CLineFormat::Plain || nMode == CLineFormat::FirstLineIndent)
        return nLeft;
    return nLeft + nIndent;
}

int CLayoutEngine::NextTabX(int x, int nLeft, const CLineFormat& format, int nFieldWidth) const
{
    const int nCharC = m_charWidths[static_cast<unsigned char>('c')];
    const int nCount = std::min(format.TabCount, static_cast<std::int32_t>(CLineFormat::MaxTabStops));
    for (int i = 0; i < nCount; ++i)
    {
        const int nStop = format.TabStops[i];
        const int nTarget = nStop < 0 ? nLeft - nStop * nCharC - nFieldWidth : nLeft + nStop * nCharC;
        if (nTarget > x)
            return nTarget;
    }
    return x + 2 * nCharC;
}

int CLayoutEngine::LayoutPiece(const std::string& piece, const CLineFormat& format, int nLeft, int nRight, bool bFirst)
{
    int nHeight = 0;
    std::size_t nStart = 0;
    do
    {
        // The longest run from nStart that fits, broken after its last blank.
        const int x0 = StartX(format.Mode, bFirst, nLeft, nRight, 0);
        int x = x0;
        std::size_t nEnd = nStart;
        std::size_t nLastBlank = std::string::npos;
        for (; nEnd < piece.size(); ++nEnd)
        {
            const char c = piece[nEnd];
            const int nNext =
                c == '\t' ? NextTabX(x, nLeft, format, 0) : x + m_charWidths[static_cast<unsigned char>(c)];
            if (nNext > nRight && nEnd > nStart)
                break;
            if (c == ' ')
                nLastBlank = nEnd;
            x = nNext;
        }
        std::size_t nNextStart = nEnd;
        if (nEnd < piece.size() && nLastBlank != std::string::npos && nLastBlank > nStart)
        {
            nEnd = nLastBlank;
            nNextStart = nLastBlank + 1;
        }
        const std::string line = piece.substr(nStart, nEnd - nStart);
        EnsureRoom();
        const int xLine = format.Mode == CLineFormat::Centred
                              ? StartX(format.Mode, bFirst, nLeft, nRight, TextWidth(line))
                              : StartX(format.Mode, bFirst, nLeft, nRight, 0);
        m_format = format;
        DrawLine(line, format, xLine, nLeft, !bFirst);
        m_position += m_lineHeight;
        nHeight += m_lineHeight;
        nStart = nNextStart;
        bFirst = false;
    } while (nStart < piece.size());
    return nHeight;
}

void CLayoutEngine::DrawLine(const std::string& line, const CLineFormat& format, int x, int nLeft, bool bContinuation)
{
    if (format.ParagraphStyle == HotSpotStyle && line.find('\t') == std::string::npos)
    {
        const int nWidth = TextWidth(line);
        if (bContinuation && m_hotSpotOpen && !m_hotSpots.empty())
        {
            HotSpot& spot = m_hotSpots.back();
            spot.Rect.bottom += m_lineHeight;
            spot.Text += " " + line;
            DrawHotSpot(spot, false, m_hDC);
            return;
        }
        if (static_cast<int>(m_hotSpots.size()) < MaxHotSpots)
        {
            HotSpot spot;
            spot.Rect = {x, m_position, x + nWidth, m_position + m_lineHeight};
            spot.Text = line;
            ::GetObjectA(m_hFont, sizeof spot.Font, &spot.Font);
            std::copy(std::begin(m_colours), std::end(m_colours), spot.Colours);
            m_hotSpots.push_back(spot);
            m_hotSpotOpen = true;
            DrawHotSpot(m_hotSpots.back(), false, m_hDC);
            return;
        }
    }
    // Tab fields each start at their stop; the rest of the line is drawn as it comes.
    std::size_t nStart = 0;
    while (nStart <= line.size())
    {
        const std::size_t nTab = line.find('\t', nStart);
        const std::string field = line.substr(nStart, nTab == std::string::npos ? std::string::npos : nTab - nStart);
        ::TextOutA(m_hDC, x, m_position, field.c_str(), static_cast<int>(field.size()));
        if (nTab == std::string::npos)
            break;
        x += TextWidth(field);
        const std::size_t nNextTab = line.find('\t', nTab + 1);
        const std::string next =
            line.substr(nTab + 1, nNextTab == std::string::npos ? std::string::npos : nNextTab - nTab - 1);
        x = NextTabX(x, nLeft, format, TextWidth(next));
        nStart = nTab + 1;
    }
}

void CLayoutEngine::DrawHotSpot(const HotSpot& spot, bool bSelected, HDC hDC) const
{
    const COLORREF back = spot.Colours[bSelected ? 2 : 0];
    const COLORREF text = spot.Colours[bSelected ? 3 : 1];
    HBRUSH hBrush = ::CreateSolidBrush(back);
    ::FillRect(hDC, &spot.Rect, hBrush);
    ::DeleteObject(hBrush);
    HFONT hFont = ::CreateFontIndirectA(&spot.Font);
    HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
    const COLORREF oldBack = ::SetBkColor(hDC, back);
    const COLORREF oldText = ::SetTextColor(hDC, text);
    const UINT oldAlign = ::SetTextAlign(hDC, TA_CENTER | TA_TOP);
    ::TextOutA(hDC, (spot.Rect.left + spot.Rect.right) / 2, spot.Rect.top, spot.Text.c_str(),
               static_cast<int>(spot.Text.size()));
    ::SetTextAlign(hDC, oldAlign);
    ::SetTextColor(hDC, oldText);
    ::SetBkColor(hDC, oldBack);
    ::SelectObject(hDC, hOldFont);
    ::DeleteObject(hFont);
}

void CLayoutEngine::EnsureRoom()
{
    if (m_mode == PrinterMode && m_position + m_lineHeight > m_bottom)
        NewPage(1);
}

void CLayoutEngine::FlushIngredients()
{
    if (m_pendingIngredients.empty())
        return;
    std::vector<StoredLine> lines;
    lines.swap(m_pendingIngredients);
    const int nGap = ::GetDeviceCaps(m_hDC, LOGPIXELSX) / 4;
    const int nColumnWidth = (m_textRight - m_textLeft - nGap) / 2;
    const std::size_t nFirstColumn = (lines.size() + 1) / 2;
    const int nTop = m_position;
    int nFirstBottom = nTop;
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        if (i == nFirstColumn)
        {
            nFirstBottom = m_position;
            m_position = nTop;
        }
        const int nLeft = i < nFirstColumn ? m_textLeft : m_textLeft + nColumnWidth + nGap;
        m_format = lines[i].Format;
        SelectLineFont(lines[i].Format);
        for (const std::string& piece : SplitLines(lines[i].Text.c_str()))
            LayoutPiece(piece, lines[i].Format, nLeft, nLeft + nColumnWidth, true);
    }
    m_position = std::max(m_position, nFirstBottom);
}

void CLayoutEngine::SkipHeight(int nHeight)
{
    m_position += nHeight;
    m_hotSpotOpen = false;
}

void CLayoutEngine::DrawOver()
{
    const int nWidth = TextWidth(kOver);
    ::TextOutA(m_hDC, m_textRight - nWidth, m_bottom - m_lineHeight, kOver, static_cast<int>(std::strlen(kOver)));
}

void CLayoutEngine::NewPage(int /*nAdvance*/)
{
    if (m_mode != PrinterMode || m_hDC == nullptr)
        return;
    const bool singleCards = m_pageSizeChoice == 1 || m_pageSizeChoice == 2;
    const int nPrintableHeight = ::GetDeviceCaps(m_hDC, VERTRES);
    if (singleCards && m_cardY + 2 * m_cardHeight - m_offsetY <= nPrintableHeight)
    {
        m_cardY += m_cardHeight;
    }
    else if (m_cardsPerSheet > 1 && m_currentCard + 1 < m_cardsPerSheet)
    {
        if (m_pageSizeChoice == 5)
        {
            DrawOver();
            m_cardX += m_cardWidth;
        }
        else
            m_cardY += m_cardHeight;
        ++m_currentCard;
    }
    else
    {
        ::EndPage(m_hDC);
        ::StartPage(m_hDC);
        m_currentCard = 0;
        m_cardX = m_cardY = 0;
        // A new page starts with the device's default objects.
        if (m_hFont != nullptr)
            ::SelectObject(m_hDC, m_hFont);
    }
    SetCardArea();
}

void CLayoutEngine::DrawRule(int nWidth)
{
    if (m_hDC == nullptr)
        return;
    EnsureRoom();
    HPEN hPen = ::CreatePen(PS_SOLID, std::max(1, nWidth), m_colours[1]);
    HGDIOBJ hOld = ::SelectObject(m_hDC, hPen);
    ::MoveToEx(m_hDC, m_textLeft, m_position, nullptr);
    ::LineTo(m_hDC, m_textRight, m_position);
    ::SelectObject(m_hDC, hOld);
    ::DeleteObject(hPen);
    m_position += std::max(1, nWidth);
}

int CLayoutEngine::EndDocument(int bKeep)
{
    if (!bKeep && m_mode == PrinterMode && m_hDC != nullptr)
    {
        FlushIngredients();
        if (CPrintAbortDlg::IsCancelled())
            ::AbortDoc(m_hDC);
        else
        {
            if (m_pageStarted)
                ::EndPage(m_hDC);
            ::EndDoc(m_hDC);
            CPrintAbortDlg::Close();
        }
        m_pageStarted = false;
        ReleaseDC();
    }
    // A window lends its DC for one paint only.
    if (m_mode == WindowMode)
        ReleaseDC();
    CPrintAbortDlg::ClearCancel();
    return 0;
}

// Only a DC the engine owns is deleted; the chosen printer's goes through the shell, which
// forgets it, and a borrowed one is left to its owner.
void CLayoutEngine::ReleaseDC()
{
    if (m_hFont != nullptr)
    {
        ::SelectObject(m_hDC, m_hPreviousFont);
        ::DeleteObject(m_hFont);
        m_hFont = nullptr;
    }
    if (m_dcOwner == OwnDC)
        ::DeleteDC(m_hDC);
    else if (m_dcOwner == ChosenPrinterDC)
        DeletePrinterDC();
    m_hDC = nullptr;
}

void CLayoutEngine::SetHotSpotColours(COLORREF normalBack, COLORREF normalText, COLORREF selectedBack,
                                      COLORREF selectedText)
{
    m_colours[0] = normalBack;
    m_colours[1] = normalText;
    m_colours[2] = selectedBack;
    m_colours[3] = selectedText;
}

int CLayoutEngine::SelectHotSpotAt(int x, int y, HDC hDC)
{
    const POINT point = {x, y};
    for (std::size_t i = 0; i < m_hotSpots.size(); ++i)
    {
        if (!::PtInRect(&m_hotSpots[i].Rect, point))
            continue;
        if (m_selectedHotSpot >= 0 && hDC != nullptr)
            DrawHotSpot(m_hotSpots[static_cast<std::size_t>(m_selectedHotSpot)], false, hDC);
        m_selectedHotSpot = static_cast<int>(i);
        if (hDC != nullptr)
            DrawHotSpot(m_hotSpots[i], true, hDC);
        return 1;
    }
    return 0;
}

const char* CLayoutEngine::GetSelectedHotSpot() const
{
    return m_selectedHotSpot >= 0 ? m_hotSpots[static_cast<std::size_t>(m_selectedHotSpot)].Text.c_str() : nullptr;
}

void CLayoutEngine::FreeStoredLines()
{
    m_storedLines.clear();
    m_widestLine = 0;
    m_topLine = 0;
}

int CLayoutEngine::GetLinesLeft()
{
    if (m_hDC == nullptr)
        return -1;
    if (m_hFont == nullptr)
        SelectLineFont(m_format);
    return (m_bottom - m_position) / m_lineHeight;
}

int CLayoutEngine::GetAverageCharWidth()
{
    if (m_hDC == nullptr)
        return 1;
    if (m_hFont == nullptr)
        SelectLineFont(m_format);
    TEXTMETRICA metrics;
    ::GetTextMetricsA(m_hDC, &metrics);
    return std::max(1, static_cast<int>(metrics.tmAveCharWidth));
}

int CLayoutEngine::GetUsableLines()
{
    if (m_hDC == nullptr)
        return 0;
    if (m_hFont == nullptr)
        SelectLineFont(m_format);
    return (m_bottom - (m_cardY + m_marginTop - m_offsetY)) / m_lineHeight;
}
