// The 16-colour palette shared by every generated picture.
#include "Picture.h"

namespace imagegen {

const Rgb kVgaPalette[kPaletteSize] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

bool ColourByName(const std::string& name, std::uint8_t& value) {
    static const char* const kNames[kPaletteSize + 1] = {
        "black", "darkred", "darkgreen", "olive", "navy", "purple", "teal", "silver",
        "grey", "red", "green", "yellow", "blue", "magenta", "cyan", "white", "transparent"};
    for (int i = 0; i <= kPaletteSize; ++i) {
        if (name == kNames[i]) {
            value = static_cast<std::uint8_t>(i);
            return true;
        }
    }
    return false;
}

}  // namespace imagegen
