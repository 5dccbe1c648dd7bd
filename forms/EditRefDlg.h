#pragma once

#include "framework/Dialog.h"

// Edit/References: adds, changes and deletes the cookbook's topics and photos.
class CEditRefDlg : public CDialog
{
public:
    explicit CEditRefDlg(CWnd* pParent = nullptr);
};
