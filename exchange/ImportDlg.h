#pragma once

#include "framework/Dialog.h"

// File/Import: imports recipes into the open cookbook.
class CImportDlg : public CDialog
{
public:
    explicit CImportDlg(CWnd* pParent = nullptr);
};
