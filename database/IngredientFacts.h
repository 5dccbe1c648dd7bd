#pragma once

#include "database/Nutrition.h"

// What the nutrition of a recipe being stored needs of one catalogue ingredient: the weights
// its quantities convert by, and its stored profile per 100 g when it has one.
struct CIngredientFacts
{
    double m_fractional = 0.0;
    double m_liquid = 0.0;
    double m_dry = 0.0;
    bool m_hasProfile = false;
    NUTRITION m_profile;
};
