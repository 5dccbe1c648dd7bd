#include "shell/SpinControl.h"

IMPLEMENT_DYNAMIC(CSpinControl, CSpinButtonCtrl)
