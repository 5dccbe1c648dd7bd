#include "shell/app/ProgramObjects.h"

#include "database/BrowseState.h"
#include "database/BusyNotice.h"
#include "database/CookbookDatabase.h"
#include "database/DatabaseErrorReport.h"
#include "shell/settings/AppSettings.h"
#include "shell/services/BusyStatus.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/ErrorReporter.h"
#include "shell/formbase/FormManager.h"
#include "shell/app/FormViews.h"
#include "shell/settings/WindowPlacement.h"
#include "shopping/ShopMgr.h"

namespace {

template <class T>
void DeleteGlobal(T*& pObject)
{
    T* pDoomed = pObject;
    pObject = nullptr;
    delete pDoomed;
}

}  // namespace

void CProgramObjects::CreateFormManager(CWnd* pFrame)
{
    g_pFormManager = new CFormManager(pFrame);
    g_pFormManager->RegisterTemplates(g_formViews, g_toolBarFrame);
}

void CProgramObjects::CreateShared()
{
    if (g_pErrorReporter == nullptr)
        g_pErrorReporter = new CErrorReporter;
    g_pAppSettings = new CAppSettings;
    g_pBrowseState = new CBrowseState(*g_pAppSettings->GetSystemRecord());
    g_pShopMgr = new CShopMgr;
    CBusyNotice::Install(&CBusyStatus::Make);
    CDatabaseErrorReport::Install(&CErrorReporter::ReportDatabaseError);
}

// The forms go first: they still use the shared objects while they close. Each global is
// cleared before its object goes, so nothing reaches a deleted object.
void CProgramObjects::DestroyAll()
{
    if (g_pFormManager != nullptr)
        g_pFormManager->CloseForms();
    DeleteGlobal(g_pFormManager);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    SetCurrentDatabase(nullptr);
    delete pDatabase;
    DeleteGlobal(g_pBrowseState);
    DeleteGlobal(g_pAppSettings);
    DeleteGlobal(g_pErrorReporter);
    DeleteGlobal(g_pShopMgr);
    DeleteSharedDialogFont();
}
