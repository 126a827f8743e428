// The fixed 16-colour palette (the standard VGA set) and a portable RGB value laid out
// like a Win32 COLORREF (0x00BBGGRR), so GDI code can pass Value straight through.
#pragma once
#include <cstdint>

struct Rgb {
    uint32_t Value = 0;

    constexpr Rgb() = default;
    constexpr Rgb(uint8_t r, uint8_t g, uint8_t b)
        : Value(uint32_t{r} | uint32_t{g} << 8 | uint32_t{b} << 16) {}
    constexpr uint8_t R() const { return static_cast<uint8_t>(Value); }
    constexpr uint8_t G() const { return static_cast<uint8_t>(Value >> 8); }
    constexpr uint8_t B() const { return static_cast<uint8_t>(Value >> 16); }
    friend constexpr bool operator==(Rgb a, Rgb b) { return a.Value == b.Value; }
    friend constexpr bool operator!=(Rgb a, Rgb b) { return a.Value != b.Value; }
};

constexpr int PaletteSize = 16;

constexpr bool IsPaletteIndex(int index) { return index >= 0 && index < PaletteSize; }

// Colour of palette entry `index` (0–15); other indexes give black.
Rgb PaletteColour(int index);
