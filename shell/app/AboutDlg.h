#pragma once

#include "framework/Dialog.h"

// Help/About: the program's name and build date, centred over the main window.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
    BOOL OnInitDialog() override;
};
