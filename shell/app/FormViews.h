#pragma once

#include "shell/formbase/FormManager.h"

// The view class of each form template, the tool-bar form's first. The forms not built yet
// stand in as placeholders; a new form puts its class here.
extern CRuntimeClass* const g_formViews[CFormManager::kTemplateCount];
// The frame class of the tool-bar form.
extern CRuntimeClass* const g_toolBarFrame;
