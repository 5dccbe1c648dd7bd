#include "shell/services/BusyStatus.h"

#include "res/resource.h"
#include "shell/services/MessageUtilities.h"
#include "shell/services/WaitCursor.h"

CBusyStatus::CBusyStatus(const char* text)
    : m_status(nullptr, text, IDS_LOGO, 0, 1, 0)
{
    SetText(text);
    SetWaitCursor(1);
}

void CBusyStatus::SetText(const char* text)
{
    m_status.Show(text, 1);
    // The step that follows keeps the thread busy: the popup paints now or not at all.
    PumpWaitingMessages();
}

CBusyStatus::~CBusyStatus()
{
    SetWaitCursor(0);
}

std::unique_ptr<CBusyNotice> CBusyStatus::Make(const char* text)
{
    return std::unique_ptr<CBusyNotice>(new CBusyStatus(text));
}
