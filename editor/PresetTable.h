/*
    The five presets of the preset menu, as the values their controls are set
    to. Shared by the editor's menu and the command-line tools.
*/
#pragma once

#include <array>

struct Preset
{
    int id;
    const char* name;
    float inputGain;
    float outputGain;
    bool ioLink;
    float width;
    float widthEq;
    bool widthEqSwitch;
};

inline constexpr std::array<Preset, 5> presetTable { {
    { 1, "Default", 0.0f, 0.0f, false, 0.0f, 3.0f, true },
    { 2, "Magically Wide", 0.0f, 0.0f, false, 3.0f, 3.0f, true },
    { 3, "Super Wide", 0.0f, 0.0f, false, 7.0f, 3.0f, true },
    { 4, "Extremely Wide", 0.0f, -0.5f, false, 11.0f, 3.0f, false },
    { 5, "More Color", 7.0f, -7.0f, true, 0.0f, 3.0f, true },
} };
