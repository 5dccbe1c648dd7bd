#include "shell/app/FormViews.h"

#include "shell/app/PlaceholderForm.h"
#include "shell/formbase/PlaceholderToolForm.h"

CRuntimeClass* const g_formViews[CFormManager::kTemplateCount] = {
    RUNTIME_CLASS(CPlaceholderToolForm), RUNTIME_CLASS(CPlaceholderForm), RUNTIME_CLASS(CPlaceholderForm),
    RUNTIME_CLASS(CPlaceholderForm),     RUNTIME_CLASS(CPlaceholderForm), RUNTIME_CLASS(CPlaceholderForm),
    RUNTIME_CLASS(CPlaceholderForm),     RUNTIME_CLASS(CPlaceholderForm), RUNTIME_CLASS(CPlaceholderForm),
    RUNTIME_CLASS(CPlaceholderForm),     RUNTIME_CLASS(CPlaceholderForm)};
