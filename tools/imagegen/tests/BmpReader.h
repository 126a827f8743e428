// Independent readers used by the image tests: little-endian fields and a strict
// BI_RLE4 decoder that rejects anything a careful Windows decoder would misread.
#pragma once

#include "../Picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace imagegen_test {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t Le16(const Bytes& b, size_t at) { return b.at(at) | b.at(at + 1) << 8; }
inline std::uint32_t Le32(const Bytes& b, size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }

// Decodes RLE4 data into a top-down image. Absolute runs skip their pad byte (so an
// unpadded run derails the decoding); no row may overflow or end short, no delta
// escapes, and end-of-bitmap must be the last command.
inline bool DecodeRle4(const Bytes& data, int width, int height, imagegen::Image& image, std::string& fault) {
    image = imagegen::Image(width, height, imagegen::kTransparent);
    int x = 0, row = 0;  // row counts from the bottom
    auto put = [&](std::uint8_t v) {
        if (x >= width || row >= height) return false;
        image.Set(x++, height - 1 - row, v);
        return true;
    };
    size_t i = 0;
    while (i + 1 < data.size()) {
        const std::uint8_t count = data[i], value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k) {
                if (!put(k % 2 == 0 ? value >> 4 : value & 0x0F)) {
                    fault = "encoded run overflows row " + std::to_string(row);
                    return false;
                }
            }
        } else if (value == 0 || value == 1) {
            if (x != width) {
                fault = "row " + std::to_string(row) + " ends after " + std::to_string(x) + " pixels";
                return false;
            }
            x = 0;
            ++row;
            if (value == 1) {
                if (row != height || i != data.size()) {
                    fault = "end of bitmap early or not last";
                    return false;
                }
                return true;
            }
        } else if (value == 2) {
            fault = "delta escape";
            return false;
        } else {
            const size_t bytes = (value + 1u) / 2u;
            if (i + bytes > data.size()) {
                fault = "absolute run past the end";
                return false;
            }
            for (int k = 0; k < value; ++k) {
                const std::uint8_t b = data[i + k / 2];
                if (!put(k % 2 == 0 ? b >> 4 : b & 0x0F)) {
                    fault = "absolute run overflows row " + std::to_string(row);
                    return false;
                }
            }
            i += bytes + bytes % 2;
        }
    }
    fault = "no end of bitmap";
    return false;
}

}  // namespace imagegen_test
