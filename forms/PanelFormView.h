#pragma once

#include "forms/PanelPageButtons.h"
#include "forms/RelatedItemsPanel.h"
#include "shell/formbase/BVFormView.h"

class CRecordId;
class CStringArray;

// A viewing form with the related-items panel beside its list or page: the page buttons and
// tabs over the panel, the panel's nutrition, photo and information pages, its right-click
// menu, the related links the tool bar's Related lists, and context help.
class CPanelFormView : public CBVFormView
{
    DECLARE_DYNAMIC(CPanelFormView)
public:
    int GetRelatedItemNames(CStringArray& names) const override;

    const CRelatedItemsPanel& GetPanel() const { return m_panel; }
    const CPanelPageButtons& GetPageButtons() const { return m_pageButtons; }

protected:
    explicit CPanelFormView(UINT nIDTemplate);
    DECLARE_MESSAGE_MAP()
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The buttons attached and the panel made for the form kind view.
    void AttachPanel(long view, COLORREF first, COLORREF second);
    // The panel shows what belongs to the record; the page buttons and the tool bar's Related
    // follow what it found.
    void LoadPanel(const CRecordId& recordId);
    // The nutrition page (502) or chart (503) of what the form shows.
    virtual void ShowNutritionPage(BOOL bChart) = 0;
    // The context of the panel's right-click menu.
    virtual long GetItemMenuContext() const = 0;

    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnHelp();
    void OnNutritionButton();
    void OnPhotoButton();
    void OnInformationButton();
    void OnInformation(UINT nId);
    void OnPhoto(UINT nId);
    void OnRelatedLink(UINT nId);

    CPanelPageButtons m_pageButtons;
    CRelatedItemsPanel m_panel;
};
