#include "shell/formbase/BVFormView.h"

#include <windows.h>

#include "framework/AfxMessageBox.h"
#include "framework/FrameWnd.h"
#include "framework/MessageMap.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/formbase/FormManager.h"
#include "shell/settings/WindowPlacement.h"

IMPLEMENT_DYNCREATE(CBVFormView, CFormView)

BEGIN_MESSAGE_MAP(CBVFormView, CFormView)
    ON_COMMAND_RANGE(IDC_TOOL_START, IDC_TOOL_PRINT, OnToolCommand)
END_MESSAGE_MAP()

namespace {

const int kDesignWidth = 630;
const int kDesignHeight = 395;
const UINT kResizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

CSize NonClientSize(const CWnd& window)
{
    CRect outer;
    window.GetWindowRect(&outer);
    CRect client;
    window.GetClientRect(&client);
    return CSize(outer.Width() - client.Width(), outer.Height() - client.Height());
}

void Resize(CWnd* pWindow, CSize size)
{
    if (pWindow != nullptr)
        pWindow->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, kResizeOnly);
}

}  // namespace

CBVFormView::CBVFormView() : CFormView(IDD_START_FORM) {}

CBVFormView::CBVFormView(UINT nIDTemplate) : CFormView(nIDTemplate) {}

void CBVFormView::FitFrameToForm(long)
{
    CRect form(0, 0, kDesignWidth, kDesignHeight);
    CalcWindowRect(&form);
    CWnd* pMain = AfxGetMainWnd();
    CBVFormView* pToolForm = g_pFormManager != nullptr ? g_pFormManager->GetToolForm() : nullptr;
    CFrameWnd* pToolFrame = pToolForm != nullptr ? pToolForm->GetParentFrame() : nullptr;
    CRect toolFrame;
    if (pToolFrame != nullptr)
        pToolFrame->GetWindowRect(&toolFrame);
    if (pMain != nullptr)
    {
        const CSize border = NonClientSize(*pMain);
        Resize(pMain, CSize(form.Width() + border.cx, toolFrame.Height() + form.Height() + border.cy));
    }
    Resize(GetParentFrame(), form.Size());
    Resize(pToolFrame, CSize(kDesignWidth, toolFrame.Height()));
    if (g_pFormManager != nullptr)
        g_pFormManager->SetClientArea(CRect(0, toolFrame.Height(), form.Width(), toolFrame.Height() + form.Height()));
}

void CBVFormView::ScaleChildFonts()
{
    ScaleFormToReference(this, GetDesignSize());
}

BOOL CBVFormView::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelerators != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccelerators, pMsg))
        return TRUE;
    return CFormView::PreTranslateMessage(pMsg);
}

void CBVFormView::LoadAcceleratorTable(UINT nId)
{
    m_hAccelerators = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nId));
}

// The tool-bar form takes its own commands first; those it leaves stop here.
void CBVFormView::OnToolCommand(UINT nId)
{
    CBVFormView* pToolForm = g_pFormManager != nullptr ? g_pFormManager->GetToolForm() : nullptr;
    if (pToolForm != nullptr && pToolForm != this)
        pToolForm->SendMessage(WM_COMMAND, nId, 0);
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
