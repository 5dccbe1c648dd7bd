#include "shell/services/BusyStatus.h"

#include <windows.h>

#include "res/resource.h"
#include "shell/services/MessageUtilities.h"
#include "shell/services/StatusPopupDlg.h"
#include "shell/services/WaitCursor.h"

CBusyStatus::CBusyStatus(const char* text) : m_status(nullptr, text, IDS_LOGO, 0, 1, 0)
{
    SetText(text);
    SetWaitCursor(1);
}

void CBusyStatus::SetText(const char* text)
{
    m_status.Show(text, 1);
    PaintPopup();
}

// The step that follows keeps the thread busy: the popup paints now or not at all. Only the popup
// is painted: a waiting command dispatched here would run inside the step, under its feet.
void CBusyStatus::PaintPopup() const
{
    const CStatusPopupDlg* pPopup = m_status.GetPopup();
    if (pPopup != nullptr && pPopup->m_hWnd != nullptr)
        ::RedrawWindow(pPopup->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

CBusyStatus::~CBusyStatus()
{
    SetWaitCursor(0);
}

std::unique_ptr<CBusyNotice> CBusyStatus::Make(const char* text)
{
    return std::unique_ptr<CBusyNotice>(new CBusyStatus(text));
}
