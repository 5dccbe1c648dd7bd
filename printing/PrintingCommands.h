#pragma once

#include "framework/CmdTarget.h"

// The print settings commands; the application offers them the commands its own map leaves.
class CPrintingCommands : public CCmdTarget
{
protected:
    DECLARE_MESSAGE_MAP()
    void OnPageSetup();
    void OnPrintPreferences();
};
