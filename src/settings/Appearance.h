// Appearance settings: the colour role table and the view font heights.
#pragma once
#include "settings/ColourTable.h"

constexpr int DefaultMinStdFontHeight = 6;
constexpr int DefaultMaxStdFontHeight = 24;

struct Appearance {
    ColourTable Farben;
    int MinStdFontHeight = DefaultMinStdFontHeight;  // views clamp their row height to these
    int MaxStdFontHeight = DefaultMaxStdFontHeight;
};
