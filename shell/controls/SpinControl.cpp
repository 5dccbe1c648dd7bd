#include "shell/controls/SpinControl.h"

IMPLEMENT_DYNAMIC(CSpinControl, CSpinButtonCtrl)
