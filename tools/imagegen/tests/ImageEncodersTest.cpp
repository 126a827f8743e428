// The picture encoders: an RLE4 round trip through a strict decoder, the byte layouts of
// bitmap, icon and cursor, and the source reader's refusals.
#include "../Encoders.h"
#include "../Source.h"
#include "BmpReader.h"

#include <gtest/gtest.h>

#include <random>

namespace imagegen {
namespace {

using imagegen_test::Le16;
using imagegen_test::Le32;

TEST(ImageRle4, RoundTripsAwkwardWidthsAndPatterns) {
    std::mt19937 random(4711);
    for (const int width : {1, 2, 3, 4, 5, 7, 20, 254, 255, 256, 257, 340, 600}) {
        // Uniform, alternating, noise, and runs between noise, so literal and encoded runs interleave.
        Image image(width, 5, 11);
        for (int x = 0; x < width; ++x) {
            image.Set(x, 1, x % 2 ? 5 : 12);
            image.Set(x, 2, static_cast<std::uint8_t>(random() % 16));
            for (int y = 3; y < 5; ++y) image.Set(x, y, static_cast<std::uint8_t>((x / y) % 2 ? 7 : random() % 16));
        }
        Image decoded;
        std::string fault;
        ASSERT_TRUE(imagegen_test::DecodeRle4(EncodeRle4(image), width, 5, decoded, fault)) << fault << " " << width;
        EXPECT_EQ(decoded.pixels, image.pixels) << width;
    }
}

TEST(ImageBmp, HeaderPaletteAndPaddedRowsBottomUp) {
    Image image(5, 3, 7);
    image.Set(0, 0, 9);  // top-left: last row in the file
    image.Set(4, 2, 1);  // bottom-right: first row in the file
    const Bytes bmp = EncodeBmp(image, Compression::Rgb);
    ASSERT_EQ(bmp.size(), 14u + 40u + 64u + 3 * 4);  // 5 nibbles padded to 4 bytes
    EXPECT_EQ((std::vector<std::uint32_t>{bmp[0], bmp[1], Le32(bmp, 2), Le32(bmp, 10), Le32(bmp, 18), Le32(bmp, 22),
                                          Le16(bmp, 28), Le32(bmp, 30), Le32(bmp, 34)}),
              (std::vector<std::uint32_t>{'B', 'M', uint32_t(bmp.size()), 118, 5, 3, 4, 0, 12}));
    EXPECT_EQ(Bytes(bmp.begin() + 54 + 36, bmp.begin() + 58 + 36), (Bytes{0, 0, 0xFF, 0}));  // red, entry 9
    EXPECT_EQ(Bytes(bmp.begin() + 118, bmp.begin() + 122), (Bytes{0x77, 0x77, 0x10, 0}));
    EXPECT_EQ(Bytes(bmp.end() - 4, bmp.end()), (Bytes{0x97, 0x77, 0x70, 0}));

    const Bytes rle = EncodeBmp(image, Compression::Rle4);
    EXPECT_EQ(Le32(rle, 30), 2u);
    EXPECT_EQ(Bytes(rle.begin() + Le32(rle, 10), rle.end()), EncodeRle4(image));
    EXPECT_EQ(Le32(rle, 34), rle.size() - Le32(rle, 10));
}

TEST(ImageIcon, DirectoryEntriesAndMaskPadding) {
    Image small(16, 16, 15);
    small.Set(0, 0, kTransparent);  // top-left transparent: last mask row, top bit
    const Bytes ico = EncodeIcon({Image(32, 32, 4), small});
    const size_t largeSize = 40 + 64 + 32 * 16 + 32 * 4, smallSize = 40 + 64 + 16 * 8 + 16 * 4;
    ASSERT_EQ(ico.size(), 38u + largeSize + smallSize);
    EXPECT_EQ((std::vector<std::uint32_t>{Le16(ico, 2), Le16(ico, 4), ico[6], ico[8], Le16(ico, 12), Le32(ico, 14),
                                          Le32(ico, 18), ico[22], Le32(ico, 30), Le32(ico, 34)}),
              (std::vector<std::uint32_t>{1, 2, 32, 16, 4, uint32_t(largeSize), 38, 16, uint32_t(smallSize),
                                          uint32_t(38 + largeSize)}));
    const size_t img = 38 + largeSize;
    EXPECT_EQ(Le32(ico, img + 8), 32u);  // XOR and AND halves
    EXPECT_EQ(ico[img + 104 + 15 * 8], 0x0F);  // transparent pixel is black in the XOR image
    const size_t andStart = img + 104 + 16 * 8;  // 16-pixel mask rows pad to 4 bytes
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(Bytes(ico.begin() + andStart + row * 4, ico.begin() + andStart + row * 4 + 4),
                  row == 15 ? (Bytes{0x80, 0, 0, 0}) : Bytes(4, 0)) << row;
}

TEST(ImageCursor, MonochromeWithHotspot) {
    Image image(32, 32, kTransparent);
    image.Set(0, 0, 0);
    image.Set(1, 0, 15);
    const Bytes cur = EncodeCursor(image, 1, 2);
    const size_t img = Le32(cur, 18);
    EXPECT_EQ((std::vector<std::uint32_t>{Le16(cur, 2), Le16(cur, 10), Le16(cur, 12), Le16(cur, img + 14),
                                          Le32(cur, img + 44)}),
              (std::vector<std::uint32_t>{2, 1, 2, 1, 0xFFFFFF}));  // hotspot 1,2; 1 bit; black, white
    ASSERT_EQ(cur.size(), img + 48u + 128u + 128u);
    EXPECT_EQ(cur[img + 48 + 31 * 4], 0x40);  // white pixel at x=1
    const size_t andTop = img + 48 + 32 * 4 + 31 * 4;
    EXPECT_EQ(Bytes(cur.begin() + andTop, cur.begin() + andTop + 4), (Bytes{0x3F, 0xFF, 0xFF, 0xFF}));
}

TEST(ImageSource, RejectsMalformedSources) {
    const std::string head = "type bitmap\ncolour . silver\ncolour K black\n";
    const std::pair<std::string, std::string> cases[] = {
        {head + "image 3 2\n.K.\n.K\n", "line 6: row has 2 characters"},
        {head + "image 3 2\n.K.\n.X.\n", "line 6: character not in legend"},
        {head + "image 3 2\n.K.\n", "ends 1 rows early"},
        {head + "colour K white\n", "line 4: character defined twice"},
        {"type bitmap\ncolour . transparent\nimage 1 1\n.\n", "no transparency"},
        {"type cursor\ncolour r red\nimage 1 1\nr\n", "cursors are black"},
        {"type cursor\nhotspot 2 0\ncolour K black\nimage 2 1\nKK\n", "hotspot outside"},
        {"type icon\ncompression rle4\ncolour K black\nimage 1 1\nK\n", "only bitmaps are compressed"},
        {"type scene\nsize 10 10 navy\ntext left 0 0 white 0 1 \"Ä\"\n", "line 3: no glyph"},
        {"type scene\nsize 10 10 navy\nblur 1 2\n", "unknown command"},
        {"type picture\n", "unknown type"},
    };
    for (const auto& [text, reason] : cases) {
        Picture picture;
        std::string error;
        EXPECT_FALSE(ParseSource(text, picture, error)) << text;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace imagegen
