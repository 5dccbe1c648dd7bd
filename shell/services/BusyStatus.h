#pragma once

#include <memory>

#include "database/BusyNotice.h"
#include "shell/services/StatusMessage.h"

// The shell's busy notice: a status popup with the text, painted before the step goes on,
// and the wait cursor until the notice ends. Installed by start-up as the notices' maker.
class CBusyStatus : public CBusyNotice
{
public:
    explicit CBusyStatus(const char* text);
    ~CBusyStatus() override;

    static std::unique_ptr<CBusyNotice> Make(const char* text);

    void SetText(const char* text) override;

    CStatusPopupDlg* GetPopup() const { return m_status.GetPopup(); }

private:
    void PaintPopup() const;

    CStatusMessage m_status;
};
