// Byte-level checks of the picture encoders and the source reader of the image generator.
#include "../Encoders.h"
#include "../Scene.h"
#include "../Source.h"
#include "BmpReader.h"

#include <gtest/gtest.h>

#include <random>

namespace imagegen {
namespace {

using imagegen_test::DecodeRle4;
using imagegen_test::Le16;
using imagegen_test::Le32;

Image FromRows(const std::vector<std::vector<std::uint8_t>>& rows) {
    Image image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 0);
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) image.Set(static_cast<int>(x), static_cast<int>(y), rows[y][x]);
    }
    return image;
}

void ExpectRoundTrip(const Image& image) {
    const Bytes data = EncodeRle4(image);
    Image decoded;
    std::string fault;
    ASSERT_TRUE(DecodeRle4(data, image.width, image.height, decoded, fault))
        << fault << " (width " << image.width << ")";
    EXPECT_EQ(decoded.pixels, image.pixels) << "width " << image.width;
}

TEST(ImageRle4, SmallRowsEncodeToTheDocumentedCodes) {
    // Uniform run, encoded pair, odd absolute run with its pad byte, end of bitmap.
    EXPECT_EQ(EncodeRle4(FromRows({{7, 7, 7, 7, 7, 7}})), (Bytes{6, 0x77, 0, 1}));
    EXPECT_EQ(EncodeRle4(FromRows({{1, 2}})), (Bytes{2, 0x12, 0, 1}));
    EXPECT_EQ(EncodeRle4(FromRows({{1, 2, 3, 4, 5}})), (Bytes{0, 5, 0x12, 0x34, 0x50, 0, 0, 1}));
    EXPECT_EQ(EncodeRle4(FromRows({{1, 2, 3, 4}})), (Bytes{0, 4, 0x12, 0x34, 0, 1}));
    // Bottom row first, end of line between rows.
    EXPECT_EQ(EncodeRle4(FromRows({{9, 9, 9, 9}, {3, 4, 3, 4}})), (Bytes{4, 0x34, 0, 0, 4, 0x99, 0, 1}));
}

TEST(ImageRle4, RoundTripsAwkwardWidthsAndPatterns) {
    std::mt19937 random(4711);
    for (const int width : {1, 2, 3, 4, 5, 7, 20, 254, 255, 256, 257, 340, 600}) {
        Image uniform(width, 3, 11);
        ExpectRoundTrip(uniform);
        Image alternating(width, 2, 0);
        Image noisy(width, 4, 0);
        Image mixed(width, 3, 0);
        for (int x = 0; x < width; ++x) {
            alternating.Set(x, 0, x % 2 ? 5 : 12);
            alternating.Set(x, 1, static_cast<std::uint8_t>(x % 3));
            for (int y = 0; y < 4; ++y) noisy.Set(x, y, static_cast<std::uint8_t>(random() % 16));
            // Runs of varying length between noise, so literal and encoded runs interleave.
            for (int y = 0; y < 3; ++y) mixed.Set(x, y, static_cast<std::uint8_t>((x / (y + 2)) % 2 ? 7 : random() % 16));
        }
        ExpectRoundTrip(alternating);
        ExpectRoundTrip(noisy);
        ExpectRoundTrip(mixed);
    }
}

TEST(ImageRle4, UniformPictureCompresses) {
    const Image plain(340, 200, 4);
    // Two 255/85 runs and an end-of-line per row.
    EXPECT_EQ(EncodeRle4(plain).size(), 200u * 6u);
}

TEST(ImageBmp, UncompressedHeaderAndPaddedRows) {
    Image image(5, 3, 7);
    image.Set(0, 0, 9);  // top-left: last row in the file
    image.Set(4, 2, 1);  // bottom-right: first row in the file
    const Bytes bmp = EncodeBmp(image, Compression::Rgb);
    const size_t stride = 4;  // 5 nibbles = 3 bytes, padded to 4
    ASSERT_EQ(bmp.size(), 14u + 40u + 64u + 3 * stride);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Le32(bmp, 2), bmp.size());
    EXPECT_EQ(Le32(bmp, 10), 118u);
    EXPECT_EQ(Le32(bmp, 14), 40u);
    EXPECT_EQ(Le32(bmp, 18), 5u);
    EXPECT_EQ(Le32(bmp, 22), 3u);
    EXPECT_EQ(Le16(bmp, 26), 1u);
    EXPECT_EQ(Le16(bmp, 28), 4u);
    EXPECT_EQ(Le32(bmp, 30), 0u);
    EXPECT_EQ(Le32(bmp, 34), 3 * stride);
    // Palette: blue, green, red, reserved; silver is entry 7, red entry 9.
    EXPECT_EQ((Bytes{bmp[54 + 28], bmp[55 + 28], bmp[56 + 28], bmp[57 + 28]}), (Bytes{0xC0, 0xC0, 0xC0, 0}));
    EXPECT_EQ((Bytes{bmp[54 + 36], bmp[55 + 36], bmp[56 + 36]}), (Bytes{0, 0, 0xFF}));
    const Bytes bottom(bmp.begin() + 118, bmp.begin() + 118 + stride);
    EXPECT_EQ(bottom, (Bytes{0x77, 0x77, 0x10, 0}));
    const Bytes top(bmp.end() - stride, bmp.end());
    EXPECT_EQ(top, (Bytes{0x97, 0x77, 0x70, 0}));
}

TEST(ImageBmp, Rle4HeaderDescribesCompressedData) {
    Image image(30, 4, 2);
    image.Set(3, 1, 14);
    const Bytes bmp = EncodeBmp(image, Compression::Rle4);
    EXPECT_EQ(Le32(bmp, 30), 2u);
    const Bytes data(bmp.begin() + Le32(bmp, 10), bmp.end());
    EXPECT_EQ(Le32(bmp, 34), data.size());
    EXPECT_EQ(data, EncodeRle4(image));
}

TEST(ImageIcon, DirectoryEntriesAndMaskPadding) {
    Image large(32, 32, 4);
    Image small(16, 16, 15);
    small.Set(0, 0, kTransparent);  // top-left transparent: last mask row, top bit
    const Bytes ico = EncodeIcon({large, small});
    EXPECT_EQ(Le16(ico, 0), 0u);
    EXPECT_EQ(Le16(ico, 2), 1u);
    ASSERT_EQ(Le16(ico, 4), 2u);
    const size_t largeSize = 40 + 64 + 32 * 16 + 32 * 4;
    const size_t smallSize = 40 + 64 + 16 * 8 + 16 * 4;  // 16-pixel mask rows pad to 4 bytes
    EXPECT_EQ(ico[6], 32);
    EXPECT_EQ(ico[8], 16);  // colour count
    EXPECT_EQ(Le16(ico, 10), 1u);
    EXPECT_EQ(Le16(ico, 12), 4u);
    EXPECT_EQ(Le32(ico, 14), largeSize);
    EXPECT_EQ(Le32(ico, 18), 38u);
    EXPECT_EQ(ico[22], 16);
    EXPECT_EQ(Le32(ico, 30), smallSize);
    EXPECT_EQ(Le32(ico, 34), 38u + largeSize);
    ASSERT_EQ(ico.size(), 38u + largeSize + smallSize);

    const size_t img = 38 + largeSize;
    EXPECT_EQ(Le32(ico, img + 4), 16u);
    EXPECT_EQ(Le32(ico, img + 8), 32u);  // XOR and AND halves
    EXPECT_EQ(Le16(ico, img + 14), 4u);
    EXPECT_EQ(Le32(ico, img + 20), smallSize - 104);
    const size_t xorTop = img + 104 + 15 * 8;
    EXPECT_EQ(ico[xorTop], 0x0F);  // transparent pixel is black in the XOR image
    const size_t andStart = img + 104 + 16 * 8;
    for (int row = 0; row < 16; ++row) {
        const Bytes expect = row == 15 ? Bytes{0x80, 0, 0, 0} : Bytes{0, 0, 0, 0};
        EXPECT_EQ(Bytes(ico.begin() + andStart + row * 4, ico.begin() + andStart + row * 4 + 4), expect) << row;
    }
}

TEST(ImageCursor, MonochromeWithHotspot) {
    Image image(32, 32, kTransparent);
    image.Set(0, 0, 0);
    image.Set(1, 0, 15);
    const Bytes cur = EncodeCursor(image, 1, 2);
    EXPECT_EQ(Le16(cur, 2), 2u);
    EXPECT_EQ(Le16(cur, 4), 1u);
    EXPECT_EQ(Le16(cur, 10), 1u);  // hotspot x
    EXPECT_EQ(Le16(cur, 12), 2u);  // hotspot y
    const size_t img = Le32(cur, 18);
    EXPECT_EQ(Le32(cur, 14), cur.size() - img);
    EXPECT_EQ(Le32(cur, img + 8), 64u);
    EXPECT_EQ(Le16(cur, img + 14), 1u);
    EXPECT_EQ(Le32(cur, img + 40 + 4), 0xFFFFFFu);  // palette: black, white
    const size_t xorTop = img + 48 + 31 * 4;
    const size_t andTop = img + 48 + 32 * 4 + 31 * 4;
    EXPECT_EQ(cur[xorTop], 0x40);      // white pixel at x=1
    EXPECT_EQ(cur[andTop], 0x3F);      // black and white opaque, the rest transparent
    EXPECT_EQ(cur[andTop + 3], 0xFF);
    EXPECT_EQ(cur.size(), img + 48u + 128u + 128u);
}

TEST(ImageSource, ReadsLegendGridsAndHotspot) {
    Picture picture;
    std::string error;
    ASSERT_TRUE(ParseSource("# arrow\ntype cursor\nhotspot 1 0\ncolour . transparent\ncolour K black\n"
                            "colour W white\nimage 3 2\n.KW\nKK.\n",
                            picture, error))
        << error;
    EXPECT_EQ(picture.kind, Kind::Cursor);
    EXPECT_EQ(picture.hotspotX, 1);
    ASSERT_EQ(picture.images.size(), 1u);
    EXPECT_EQ(picture.images[0].pixels, (std::vector<std::uint8_t>{kTransparent, 0, 15, 0, 0, kTransparent}));
    EXPECT_STREQ(ExtensionFor(picture.kind), ".cur");
}

TEST(ImageSource, RejectsMalformedSources) {
    const std::string head = "type bitmap\ncolour . silver\ncolour K black\n";
    const struct {
        std::string text;
        std::string reason;
    } cases[] = {
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
    for (const auto& c : cases) {
        Picture picture;
        std::string error;
        EXPECT_FALSE(ParseSource(c.text, picture, error)) << c.text;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

TEST(ImageScene, DrawsShapesAndText) {
    Picture picture;
    std::string error;
    ASSERT_TRUE(ParseSource("type scene\ncompression rle4\nsize 12 12 navy\nfill 1 1 3 2 red\n"
                            "frame 0 5 12 7 white\nline 0 11 11 0 yellow\ntext left 6 6 black 0 1 \"i\"\n",
                            picture, error))
        << error;
    const Image& c = picture.images[0];
    EXPECT_EQ(picture.compression, Compression::Rle4);
    EXPECT_EQ(c.At(0, 0), 4);
    EXPECT_EQ(c.At(3, 2), 9);
    EXPECT_EQ(c.At(4, 2), 4);
    EXPECT_EQ(c.At(11, 8), 15);   // frame edge
    EXPECT_EQ(c.At(5, 8), 4);     // frame inside stays
    EXPECT_EQ(c.At(3, 8), 11);    // diagonal line
    EXPECT_EQ(c.At(6, 6), 0);     // dot of the i
    EXPECT_EQ(c.At(6, 7), 4);     // gap under the dot
    EXPECT_EQ(c.At(6, 8), 0);     // stem
}

TEST(ImageScene, Scale2xRoundsDiagonals) {
    EXPECT_EQ(Scale2x({"#.", ".#"}), (std::vector<std::string>{"##..", "###.", ".###", "..##"}));
    // Convex corners are cut; a straight edge stays straight.
    EXPECT_EQ(Scale2x({"##", "##"}), (std::vector<std::string>{".##.", "####", "####", ".##."}));
    EXPECT_EQ(Scale2x({"###"}), (std::vector<std::string>{"######", "######"}));
}

}  // namespace
}  // namespace imagegen
