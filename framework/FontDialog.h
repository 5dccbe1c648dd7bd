#pragma once

#include <windows.h>
#include <commdlg.h>

#include "framework/Dialog.h"

class CDC;

// The common font dialog, started from a LOGFONT. The dialog driver answers
// it under the id kTemplateId.
class CFontDialog : public CDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    enum : UINT
    {
        kTemplateId = 1543
    };

    explicit CFontDialog(const LOGFONTA* lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;
    void GetCurrentFont(LOGFONTA* lplf) const { *lplf = m_lf; }
    // The chosen size in tenths of a point.
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;
};
