#pragma once

#include <cstddef>
#include <cstdint>

#include "database/SystemSettings.h"

// The scaling record printing takes for a recipe or a meal plan: a copy of the program's
// system record with the servings to scale to after it. The report jobs read it by 32-bit
// word, so the layout is fixed: the eleven system words, then the servings as word 11.
struct PrintPrefs
{
    SystemSettings System;
    std::int32_t Servings;
};

static_assert(offsetof(PrintPrefs, Servings) == 11 * 4 && sizeof(PrintPrefs) == 12 * 4,
              "the servings are the last word after the system record");
