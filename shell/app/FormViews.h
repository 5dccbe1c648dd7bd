#pragma once

#include "shell/formbase/FormManager.h"

// The view class of each form template, the tool-bar form's first. The forms stand in as
// placeholders until they are built; a new form puts its class here.
extern CRuntimeClass* const g_formViews[CFormManager::kTemplateCount];
