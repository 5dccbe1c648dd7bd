#include "shopping/ShopMgr.h"

#include "res/resource.h"
#include "shell/settings/SettingsFile.h"

CShopMgr* g_pShopMgr = nullptr;

CShopMgr::CShopMgr()
{
    CString defaultName;
    defaultName.LoadString(IDS_DEFAULT_SHOPFILE);
    CSettingsFile settings;
    settings.SetSection(IDS_SECTION_SHOPPING);
    settings.GetString(IDS_KEY_SHOPFILE, m_listName, CSettingsFile::MaxSettingValue, defaultName);
}

BOOL CShopMgr::SaveShoppingList()
{
    if (m_listName.IsEmpty())
        return FALSE;
    m_state = kSaved;
    return TRUE;
}

void CShopMgr::SetModified(int nModified)
{
    if (nModified != 0)
        m_state = kModified;
    else if (m_state == kModified)
        m_state = kSaved;
}
