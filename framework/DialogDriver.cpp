#include "framework/DialogDriver.h"

#include <windows.h>

#include <deque>
#include <map>

#include "framework/Dialog.h"

UINT CDialogDriver::s_nActionMessage = ::RegisterWindowMessageA("SavorumDialogDriverAction");

namespace {

struct DriverState
{
    std::map<UINT, std::deque<CDialogDriver::Action>> actions;
    std::vector<UINT> unexpected;
    BOOL bArmed = FALSE;
};

DriverState& State()
{
    static DriverState state;
    return state;
}

// The next action for nIDTemplate, or an empty one.
CDialogDriver::Action TakeAction(UINT nIDTemplate)
{
    auto it = State().actions.find(nIDTemplate);
    if (it == State().actions.end() || it->second.empty())
        return {};
    CDialogDriver::Action action = std::move(it->second.front());
    it->second.pop_front();
    return action;
}

BOOL HasActionFor(UINT nIDTemplate)
{
    auto it = State().actions.find(nIDTemplate);
    return it != State().actions.end() && !it->second.empty();
}

}  // namespace

void CDialogDriver::OnOpen(UINT nIDTemplate, Action action)
{
    State().actions[nIDTemplate].push_back(std::move(action));
}

void CDialogDriver::Arm(BOOL bArmed)
{
    State().bArmed = bArmed;
}

void CDialogDriver::Reset()
{
    State() = DriverState();
}

BOOL CDialogDriver::HasPendingActions()
{
    for (const auto& entry : State().actions)
    {
        if (!entry.second.empty())
            return TRUE;
    }
    return FALSE;
}

const std::vector<UINT>& CDialogDriver::GetUnexpectedDialogs()
{
    return State().unexpected;
}

void CDialogDriver::Press(CWnd& dialog, int nIDButton)
{
    HWND hButton = ::GetDlgItem(dialog.m_hWnd, nIDButton);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nIDButton, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
}

void CDialogDriver::DialogOpened(CDialog& dialog, BOOL bModal)
{
    // Posted, so that the action runs once the dialog's loop is going.
    if (HasActionFor(dialog.GetTemplateId()))
    {
        dialog.PostMessage(s_nActionMessage);
    }
    else if (bModal && State().bArmed)
    {
        State().unexpected.push_back(dialog.GetTemplateId());
        dialog.PostMessage(WM_COMMAND, IDCANCEL);
    }
}

void CDialogDriver::RunAction(CDialog& dialog)
{
    if (Action action = TakeAction(dialog.GetTemplateId()))
        action(dialog);
}

BOOL CDialogDriver::DriveCommonDialog(CDialog& dialog, UINT nIDTemplate)
{
    if (Action action = TakeAction(nIDTemplate))
    {
        action(dialog);
        return TRUE;
    }
    if (!State().bArmed)
        return FALSE;
    State().unexpected.push_back(nIDTemplate);
    dialog.EndDialog(IDCANCEL);
    return TRUE;
}
