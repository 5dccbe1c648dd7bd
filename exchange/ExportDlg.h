#pragma once

#include "framework/Dialog.h"

// File/Export: writes recipes of the open cookbook to a file.
class CExportDlg : public CDialog
{
public:
    explicit CExportDlg(CWnd* pParent = nullptr);
};
