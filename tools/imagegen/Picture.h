// In-memory pictures of the image generator: palette-indexed pixel grids plus what
// the output format needs (kind, compression, cursor hotspot).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace imagegen {

// Pixel values 0..15 index the standard 16-colour VGA palette; this one marks "no pixel".
constexpr std::uint8_t kTransparent = 16;
constexpr int kPaletteSize = 16;

struct Rgb {
    std::uint8_t r, g, b;
};

// Palette order of the Windows 16-colour default palette.
extern const Rgb kVgaPalette[kPaletteSize];

// Looks up a colour by its legend name ("black", "navy", ..., "transparent").
bool ColourByName(const std::string& name, std::uint8_t& value);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // row-major, top row first

    Image() = default;
    Image(int w, int h, std::uint8_t fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
    std::uint8_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    void Set(int x, int y, std::uint8_t v) {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<size_t>(y) * width + x] = v;
    }
};

enum class Kind { Bitmap, Icon, Cursor };
enum class Compression { Rgb, Rle4 };

struct Picture {
    Kind kind = Kind::Bitmap;
    Compression compression = Compression::Rgb;
    std::vector<Image> images;  // one for bitmaps and cursors, one per size for icons
    int hotspotX = 0;
    int hotspotY = 0;
};

}  // namespace imagegen
