#pragma once

#include <windef.h>

// A dialog's own help context while it is open: Set on opening, Restore on closing puts the
// context of whatever opened it back.
class CHelpContextKeeper
{
public:
    void Set(UINT nContext);
    // For a dialog that keeps the context it was opened with.
    void Save();
    void Restore();

private:
    UINT m_nPrevious = 0;
    BOOL m_bSaved = FALSE;
};
