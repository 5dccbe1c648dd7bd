#pragma once

#include "framework/Dialog.h"

// Edit/Categories: adds, renames and deletes the cookbook's categories.
class CEditCategoriesDlg : public CDialog
{
public:
    // Kinds: 0 recipe categories, 1 meal-plan categories (both offered); 2 and 3 the one only.
    explicit CEditCategoriesDlg(CWnd* pParent = nullptr, int nKind = 0);

    int GetKind() const { return m_nKind; }

private:
    int m_nKind;
};
