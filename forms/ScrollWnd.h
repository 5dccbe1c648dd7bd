#pragma once

#include <windef.h>
#include <wingdi.h>

#include "framework/Font.h"
#include "framework/Wnd.h"

// A child window that scrolls its contents vertically in whole lines of its own font.
// Subclasses make their children when the window is created and measure the line height.
class CScrollWnd : public CWnd
{
public:
    CScrollWnd();

    void SetColors(COLORREF background, COLORREF text, COLORREF third, COLORREF fourth);
    // The face is a string id; 0 gives the program's default face.
    void SetFont(int nHeight, UINT nFaceId);

    int GetTopLine() const { return m_topLine; }
    int GetLineHeight() const { return m_lineHeight; }

protected:
    virtual void CreateChildren() = 0;
    virtual void AfterScroll() {}

    // Scrolls by nLines (negative: up), held to the scroll range.
    void ScrollLines(int nLines);
    // The range is 0 .. line count; the line count is at least 1.
    void SetLineCount(int nLineCount);

    DECLARE_MESSAGE_MAP()
    int OnCreate(tagCREATESTRUCTA* lpCreateStruct);
    void OnPaint();
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);

    COLORREF m_backColor;
    COLORREF m_textColor;
    COLORREF m_thirdColor;
    COLORREF m_fourthColor;
    LOGFONTA m_logFont;
    CFont m_font;
    int m_topLine;
    int m_lineCount;
    int m_height;
    int m_width;
    int m_lineHeight;

private:
    int ScrollStep(UINT nSBCode, UINT nPos) const;
};
