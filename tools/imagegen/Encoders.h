// Binary writers for the Windows picture formats the program's executable embeds:
// 4-bit .bmp (uncompressed or RLE4), 4-bit .ico with AND mask, monochrome .cur.
#pragma once

#include "Picture.h"

#include <cstdint>
#include <vector>

namespace imagegen {

using Bytes = std::vector<std::uint8_t>;

// BI_RLE4 pixel data of a 4-bit image, bottom row first, ending with end-of-bitmap.
Bytes EncodeRle4(const Image& image);

// Complete .bmp file (file header, info header, palette, pixels).
Bytes EncodeBmp(const Image& image, Compression compression);

// .ico file with one 16-colour entry per image; transparent pixels go to the AND mask.
Bytes EncodeIcon(const std::vector<Image>& images);

// Monochrome .cur file: black, white and transparent pixels only.
Bytes EncodeCursor(const Image& image, int hotspotX, int hotspotY);

// Encodes a parsed picture in the format its kind asks for.
Bytes EncodePicture(const Picture& picture);

}  // namespace imagegen
