#pragma once

#include "framework/Dialog.h"

// Edit/Chapters: adds, renames and deletes the cookbook's chapters.
class CEditChaptersDlg : public CDialog
{
public:
    explicit CEditChaptersDlg(CWnd* pParent = nullptr);
};
