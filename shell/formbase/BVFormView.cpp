#include "shell/formbase/BVFormView.h"

#include <windows.h>

#include "framework/AfxMessageBox.h"
#include "framework/FrameWnd.h"
#include "res/resource.h"
#include "shell/formbase/FormManager.h"
#include "shell/settings/WindowPlacement.h"

IMPLEMENT_DYNAMIC(CBVFormView, CFormView)

CBVFormView::CBVFormView(UINT nIDTemplate) : CFormView(nIDTemplate) {}

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

int CBVFormView::QuerySaveChanges()
{
    if (m_nModified == 0)
        return CFormManager::kSaveGoOn;
    return AskToSave([this] { return SaveChanges(); }, [this] { m_nModified = 0; });
}

int CBVFormView::AskToSave(const std::function<BOOL()>& save, const std::function<void()>& drop)
{
    switch (AfxMessageBox(IDS_SAVE_CHANGES, MB_YESNOCANCEL))
    {
    case IDYES:
        if (save())
            return CFormManager::kSaveGoOn;
        AfxMessageBox(IDS_SAVE_FAILED, MB_ICONEXCLAMATION);
        return CFormManager::kSaveCancel;
    case IDNO: drop(); return CFormManager::kSaveDropped;
    default: return CFormManager::kSaveCancel;
    }
}
