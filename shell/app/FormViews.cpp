#include "shell/app/FormViews.h"

#include "forms/CategoryForm.h"
#include "forms/FirstForm.h"
#include "forms/MenuEditForm.h"
#include "forms/PersonalMenuForm.h"
#include "forms/RecipeEditForm.h"
#include "forms/RecipeListForm.h"
#include "forms/RecipeViewForm.h"
#include "forms/TOCForm.h"
#include "forms/ToolForm.h"
#include "forms/ToolbarFrame.h"
#include "shopping/ShopForm.h"

CRuntimeClass* const g_formViews[CFormManager::kTemplateCount] = {
    RUNTIME_CLASS(CToolForm),        RUNTIME_CLASS(CFirstForm),       RUNTIME_CLASS(CTOCForm),
    RUNTIME_CLASS(CCategoryForm),    RUNTIME_CLASS(CRecipeListForm),  RUNTIME_CLASS(CRecipeViewForm),
    RUNTIME_CLASS(CRecipeViewForm),  RUNTIME_CLASS(CShopForm),        RUNTIME_CLASS(CPersonalMenuForm),
    RUNTIME_CLASS(CRecipeEditForm),  RUNTIME_CLASS(CMenuEditForm)};

CRuntimeClass* const g_toolBarFrame = RUNTIME_CLASS(CToolbarFrame);
