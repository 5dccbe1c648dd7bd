#include "shell/FormViews.h"

#include "shell/PlaceholderForm.h"
#include "shell/PlaceholderToolForm.h"

CRuntimeClass* const g_formViews[CFormManager::kTemplateCount] = {
    RUNTIME_CLASS(CPlaceholderToolForm), RUNTIME_CLASS(CPlaceholderForm), RUNTIME_CLASS(CPlaceholderForm),
    RUNTIME_CLASS(CPlaceholderForm),     RUNTIME_CLASS(CPlaceholderForm), RUNTIME_CLASS(CPlaceholderForm),
    RUNTIME_CLASS(CPlaceholderForm),     RUNTIME_CLASS(CPlaceholderForm), RUNTIME_CLASS(CPlaceholderForm),
    RUNTIME_CLASS(CPlaceholderForm),     RUNTIME_CLASS(CPlaceholderForm)};
