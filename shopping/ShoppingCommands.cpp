#include "shopping/ShoppingCommands.h"

#include <windows.h>

#include "res/resource.h"
#include "shell/formbase/BVFormView.h"
#include "shell/formbase/FormManager.h"
#include "shopping/AssignSectionsDlg.h"

BEGIN_MESSAGE_MAP(CShoppingCommands, CCmdTarget)
    ON_COMMAND(ID_EDIT_STORE_SECTIONS, OnStoreSections)
END_MESSAGE_MAP()

void CShoppingCommands::OnStoreSections()
{
    CAssignSectionsDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    if (CBVFormView* pForm = ActiveFormOfKind(CFormManager::kShopping))
        pForm->OnUpdate(nullptr, (dialog.m_bStoresChanged ? 1 : 0) + (dialog.m_bSectionsSaved ? 2 : 0), nullptr);
}
