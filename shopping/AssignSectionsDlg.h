#pragma once

#include "framework/Dialog.h"

// Edit/Store Sections: which sections a store has and in which order. After OK its caller
// reads what changed, so that the shopping form can lay its list out again.
class CAssignSectionsDlg : public CDialog
{
public:
    explicit CAssignSectionsDlg(CWnd* pParent = nullptr);

    BOOL m_bStoresChanged = FALSE;
    BOOL m_bSectionsSaved = FALSE;
};
