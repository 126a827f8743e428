// Byte-exact encoders for .bmp, .ico and .cur (all little-endian, rows bottom-up,
// every row padded to a multiple of 4 bytes).
#include "Encoders.h"

#include <functional>

namespace imagegen {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle4 = 2;
constexpr int kMaxRun = 255;

void Put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t RowBytes(int width, int bitCount) {
    return static_cast<std::uint32_t>((width * bitCount + 31) / 32 * 4);
}

void PutInfoHeader(Bytes& out, int width, int height, int bitCount, std::uint32_t compression,
                   std::uint32_t imageSize) {
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);  // planes
    Put16(out, static_cast<std::uint32_t>(bitCount));
    Put32(out, compression);
    Put32(out, imageSize);
    Put32(out, 0);  // horizontal resolution: unspecified
    Put32(out, 0);  // vertical resolution: unspecified
    Put32(out, 0);  // colours used: all 2^bitCount
    Put32(out, 0);  // important colours: all
}

void PutPalette(Bytes& out, const Rgb* colours, int count) {
    for (int i = 0; i < count; ++i) {
        out.push_back(colours[i].b);
        out.push_back(colours[i].g);
        out.push_back(colours[i].r);
        out.push_back(0);
    }
}

// Uncompressed 4-bit rows; transparent pixels become index 0 (black), as icons require.
Bytes PackNibbles(const Image& image) {
    const std::uint32_t stride = RowBytes(image.width, 4);
    Bytes out;
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t v = image.At(x, y) == kTransparent ? 0 : image.At(x, y);
            row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? v << 4 : v);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// 1-bit rows, most significant bit leftmost; a bit is set where the predicate holds.
Bytes PackBits(const Image& image, const std::function<bool(std::uint8_t)>& isSet) {
    const std::uint32_t stride = RowBytes(image.width, 1);
    Bytes out;
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            if (isSet(image.At(x, y))) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// Length (up to 255) of the stretch from x that repeats the two colours p[x], p[x+1].
int AlternatingRun(const std::uint8_t* p, int x, int width) {
    const std::uint8_t first = p[x];
    const std::uint8_t second = x + 1 < width ? p[x + 1] : first;
    int n = 1;
    while (x + n < width && n < kMaxRun && p[x + n] == (n % 2 == 0 ? first : second)) ++n;
    return n;
}

void FlushLiteral(Bytes& out, std::vector<std::uint8_t>& literal) {
    const size_t n = literal.size();
    if (n == 0) return;
    if (n < 3) {
        // Absolute mode needs at least 3 pixels: one or two become an encoded run.
        out.push_back(static_cast<std::uint8_t>(n));
        out.push_back(static_cast<std::uint8_t>(literal[0] << 4 | literal[n - 1]));
    } else {
        out.push_back(0);
        out.push_back(static_cast<std::uint8_t>(n));
        for (size_t i = 0; i < n; i += 2) {
            const std::uint8_t low = i + 1 < n ? literal[i + 1] : 0;
            out.push_back(static_cast<std::uint8_t>(literal[i] << 4 | low));
        }
        if ((n + 1) / 2 % 2 != 0) out.push_back(0);  // absolute runs end on a 16-bit boundary
    }
    literal.clear();
}

}  // namespace

Bytes EncodeRle4(const Image& image) {
    Bytes out;
    std::vector<std::uint8_t> literal;
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* row = &image.pixels[static_cast<size_t>(y) * image.width];
        int x = 0;
        while (x < image.width) {
            // Four pixels is where an encoded run stops costing more than absolute mode.
            const int run = AlternatingRun(row, x, image.width);
            if (run >= 4) {
                FlushLiteral(out, literal);
                out.push_back(static_cast<std::uint8_t>(run));
                out.push_back(static_cast<std::uint8_t>(row[x] << 4 | row[x + 1]));
                x += run;
            } else {
                literal.push_back(row[x++]);
                if (literal.size() == kMaxRun) FlushLiteral(out, literal);
            }
        }
        FlushLiteral(out, literal);
        out.push_back(0);
        out.push_back(y > 0 ? 0 : 1);  // end of line, or end of bitmap after the top row
    }
    return out;
}

Bytes EncodeBmp(const Image& image, Compression compression) {
    const Bytes bits = compression == Compression::Rle4 ? EncodeRle4(image) : PackNibbles(image);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize * 4;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + static_cast<std::uint32_t>(bits.size()));
    Put32(out, 0);  // two reserved words
    Put32(out, offset);
    PutInfoHeader(out, image.width, image.height, 4, compression == Compression::Rle4 ? kBiRle4 : kBiRgb,
                  static_cast<std::uint32_t>(bits.size()));
    PutPalette(out, kVgaPalette, kPaletteSize);
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

namespace {

struct IconEntry {
    int width, height, colourCount, field4, field6;  // fields 4/6: planes/bits (icon) or hotspot (cursor)
    Bytes data;
};

// Shared container of .ico (type 1) and .cur (type 2): directory, entries, images.
Bytes WriteIconFile(std::uint32_t type, const std::vector<IconEntry>& entries) {
    Bytes out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const IconEntry& e : entries) {
        out.push_back(static_cast<std::uint8_t>(e.width));
        out.push_back(static_cast<std::uint8_t>(e.height));
        out.push_back(static_cast<std::uint8_t>(e.colourCount));
        out.push_back(0);
        Put16(out, static_cast<std::uint32_t>(e.field4));
        Put16(out, static_cast<std::uint32_t>(e.field6));
        Put32(out, static_cast<std::uint32_t>(e.data.size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(e.data.size());
    }
    for (const IconEntry& e : entries) out.insert(out.end(), e.data.begin(), e.data.end());
    return out;
}

// Icon image: info header with doubled height, palette, XOR bits, AND mask.
Bytes IconImage(const Image& image, int bitCount, const Rgb* palette, int paletteCount, const Bytes& xorBits) {
    const Bytes andBits = PackBits(image, [](std::uint8_t v) { return v == kTransparent; });
    Bytes out;
    PutInfoHeader(out, image.width, image.height * 2, bitCount, kBiRgb,
                  static_cast<std::uint32_t>(xorBits.size() + andBits.size()));
    PutPalette(out, palette, paletteCount);
    out.insert(out.end(), xorBits.begin(), xorBits.end());
    out.insert(out.end(), andBits.begin(), andBits.end());
    return out;
}

}  // namespace

Bytes EncodeIcon(const std::vector<Image>& images) {
    std::vector<IconEntry> entries;
    for (const Image& image : images) {
        entries.push_back({image.width, image.height, kPaletteSize, 1, 4,
                           IconImage(image, 4, kVgaPalette, kPaletteSize, PackNibbles(image))});
    }
    return WriteIconFile(1, entries);
}

Bytes EncodeCursor(const Image& image, int hotspotX, int hotspotY) {
    static const Rgb kMono[2] = {{0, 0, 0}, {0xFF, 0xFF, 0xFF}};
    const Bytes xorBits = PackBits(image, [](std::uint8_t v) { return v == 15; });
    return WriteIconFile(2, {{image.width, image.height, 2, hotspotX, hotspotY,
                              IconImage(image, 1, kMono, 2, xorBits)}});
}

Bytes EncodePicture(const Picture& picture) {
    switch (picture.kind) {
        case Kind::Icon:
            return EncodeIcon(picture.images);
        case Kind::Cursor:
            return EncodeCursor(picture.images.front(), picture.hotspotX, picture.hotspotY);
        case Kind::Bitmap:
            break;
    }
    return EncodeBmp(picture.images.front(), picture.compression);
}

}  // namespace imagegen
