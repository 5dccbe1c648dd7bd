#include "forms/HelpContextKeeper.h"

#include "shell/services/HelpService.h"

void CHelpContextKeeper::Save()
{
    if (!m_bSaved)
        m_nPrevious = GetHelpContext();
    m_bSaved = TRUE;
}

void CHelpContextKeeper::Set(UINT nContext)
{
    Save();
    SetHelpContext(nContext);
}

void CHelpContextKeeper::Restore()
{
    if (m_bSaved)
        SetHelpContext(m_nPrevious);
    m_bSaved = FALSE;
}
