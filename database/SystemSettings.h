#pragma once

#include <cstdint>

// Quantity and display preferences: fixed values, never stored. The settings object holds
// the program's record; the browse state and the report jobs copy it.
struct SystemSettings
{
    std::int32_t Version;
    std::int32_t Units;
    std::int32_t Fractional;
    std::int32_t SeasoningRatio;
    std::int32_t ScaleRanging;
    std::int32_t Left;
    std::int32_t Top;
    std::int32_t Right;
    std::int32_t Bottom;
    std::int32_t Sound;
    std::int32_t Status;
};
