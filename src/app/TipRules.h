// The rules of the tooltip box: its size from the measured text, the show delay and the
// placement near the pointer within the screen.
#pragma once
#include <cstdint>

namespace TipStyle {
constexpr int Rounded = 1;  // rounded corners, placed 1 pixel larger on every side
constexpr int Shadow = 2;   // square box with a dithered shadow (4 more pixels each way)
}

struct TipRect {
    int Left, Top, Width, Height;
};

// 100 ms when the previous tip was hidden in this same tick (the pointer moved on from
// one button to the next), else 700 ms.
inline unsigned TipDelay(uint32_t nowTick, uint32_t hideTick) { return nowTick == hideTick ? 100u : 700u; }

// Box of a tip whose text measures textWidth × textHeight, for the pointer at (x, y).
TipRect PlaceTip(int x, int y, int textWidth, int textHeight, int style, int screenWidth, int screenHeight);
