#pragma once

#include "framework/CmdTarget.h"

// The shopping commands; the application offers them the commands its own map leaves.
class CShoppingCommands : public CCmdTarget
{
protected:
    DECLARE_MESSAGE_MAP()
    void OnStoreSections();
};
