#include "shell/BVFormView.h"

#include <windows.h>

#include "framework/FrameWnd.h"
#include "shell/FormManager.h"
#include "shell/WindowPlacement.h"

IMPLEMENT_DYNAMIC(CBVFormView, CFormView)

CBVFormView::CBVFormView(UINT nIDTemplate) : CFormView(nIDTemplate)
{
}

void CBVFormView::FitFrameToForm(long)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr || g_pFormManager == nullptr)
        return;
    const CRect area = g_pFormManager->GetClientArea();
    pFrame->MoveWindow(0, area.top, area.Width(), area.Height());
    CRect client;
    pFrame->GetClientRect(&client);
    MoveWindow(&client);
}

void CBVFormView::ScaleChildFonts()
{
    ScaleFormFont(this);
}

BOOL CBVFormView::SaveChanges()
{
    m_nModified = 0;
    return TRUE;
}
