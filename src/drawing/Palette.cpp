// The 16 palette colours, in index order.
#include "drawing/Palette.h"

namespace {
constexpr Rgb Colours[PaletteSize] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
    {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};
}  // namespace

Rgb PaletteColour(int index) { return IsPaletteIndex(index) ? Colours[index] : Rgb{}; }
