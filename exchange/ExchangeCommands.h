#pragma once

#include "framework/CmdTarget.h"

// File/Import and File/Export; the application offers them the commands its own map leaves.
class CExchangeCommands : public CCmdTarget
{
protected:
    DECLARE_MESSAGE_MAP()
    void OnImport();
    void OnExport();
};
