#pragma once

#include "framework/SpinButtonCtrl.h"

// The forms' spin control.
class CSpinControl : public CSpinButtonCtrl
{
    DECLARE_DYNAMIC(CSpinControl)
};
