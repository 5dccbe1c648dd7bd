#pragma once

#include <windef.h>

#include <memory>

class CPrintInfo;
class CWnd;

// What the related-items panel asks of the window that shows a laid-out page in its place: a print
// driver lays the page out on the view's print job, and the view shows what the job recorded.
// Destroying the view destroys its window.
class CTextPageView
{
public:
    virtual ~CTextPageView() = default;

    virtual CPrintInfo* GetPrintInfo() = 0;
    virtual void SetColors(COLORREF background, COLORREF text, COLORREF third, COLORREF fourth) = 0;
    virtual void SetFont(int nHeight, UINT nFaceId) = 0;
};

using TextPageViewFactory = std::unique_ptr<CTextPageView> (*)(CWnd* pParent, const RECT& rect);
