#pragma once

#include "framework/ScrollView.h"

// A view made from a dialog template, as a child dialog of its frame. It
// keeps the size the template gives it (its design size) whatever size the
// frame gives the view, and scrolls when the frame is smaller. Button clicks
// and accelerator keys whose ids are command ids go on to the frame and the
// application when the view and its document do not take them.
class CFormView : public CScrollView
{
    DECLARE_DYNAMIC(CFormView)
public:
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, void* pContext = nullptr) override;

    UINT GetTemplateId() const { return m_nIDTemplate; }
    // The size of the template in pixels, as the form was made.
    CSize GetDesignSize() const { return m_sizeDesign; }

    // Fills the controls (UpdateData(FALSE)), then the view's first update.
    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(tagMSG* pMsg) override;

protected:
    explicit CFormView(UINT nIDTemplate);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    UINT m_nIDTemplate;
    CSize m_sizeDesign;
};
