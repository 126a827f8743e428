// The committed picture resources: regenerated from their sources they come out byte for
// byte the same, in the sizes and formats the program's .rc expects.
#include "../ImageGen.h"
#include "../Source.h"
#include "BmpReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace imagegen {
namespace {

using imagegen_test::Bytes;
using imagegen_test::Le16;
using imagegen_test::Le32;

TEST(ImageResources, RegeneratedFilesEqualTheCommittedOnes) {
    const std::string app = std::string(ORDIVO_SOURCE_DIR) + "/resources/app/";
    TempDir out;
    std::vector<std::string> written;
    std::string error;
    ASSERT_TRUE(GenerateAll(app + "src", out.Datei(""), written, error)) << error;

    // name -> width, height, bits per pixel, compression (icon: both sizes)
    std::vector<std::pair<std::string, std::vector<std::uint32_t>>> expected = {
        {"ordivo.ico", {32, 16, 4, 4}}, {"splash.bmp", {340, 200, 4, 2}}, {"move.cur", {32, 64, 1}}, {"copy.cur", {32, 64, 1}}};
    for (const int id : {701, 702, 703, 704, 705, 706, 708, 709, 710, 711, 712, 716, 717, 718, 719, 720, 721, 728})
        expected.push_back({"bmp" + std::to_string(id) + ".bmp", {20, 20, 4, 0, 7, 7, 7, 7}});  // silver corners
    std::sort(expected.begin(), expected.end());
    std::sort(written.begin(), written.end());
    ASSERT_EQ(written.size(), expected.size());
    for (size_t i = 0; i < written.size(); ++i) {
        const std::string& name = written[i];
        EXPECT_EQ(name, expected[i].first);
        const std::string committed = LiesBytes(app + name);
        EXPECT_TRUE(committed == LiesBytes(out.Datei(name))) << name << " differs from its source: run imagegen";
        const Bytes b(committed.begin(), committed.end());
        ASSERT_GT(b.size(), 70u) << name;
        std::vector<std::uint32_t> shape =
            name.back() == 'o'   ? std::vector<std::uint32_t>{b[6], b[22], Le16(b, 12), Le16(b, 28)}
            : name.back() == 'r' ? std::vector<std::uint32_t>{Le32(b, 26), Le32(b, 30), Le16(b, 36)}
                                 : std::vector<std::uint32_t>{Le32(b, 18), Le32(b, 22), Le16(b, 28), Le32(b, 30)};
        if (name[0] == 'b')
            for (const int corner : {b[118] >> 4, b[127] & 15, b[346] >> 4, b[355] & 15}) shape.push_back(std::uint32_t(corner));
        EXPECT_EQ(shape, expected[i].second) << name;
        if (name.back() != 'r') continue;
        // The hotspot is the arrow tip: a drawn pixel with nothing drawn above or left of it.
        Picture cursor;
        ASSERT_TRUE(ParseSource(LiesBytes(app + "src/" + name.substr(0, 4) + ".txt"), cursor, error)) << error;
        const Image& c = cursor.images[0];
        const int hx = cursor.hotspotX, hy = cursor.hotspotY;
        EXPECT_NE(c.At(hx, hy), kTransparent) << name;
        for (int k = 0; k < std::max(hx, hy); ++k)
            EXPECT_TRUE((k >= hy || c.At(hx, k) == kTransparent) && (k >= hx || c.At(k, hy) == kTransparent)) << name;
    }
}

}  // namespace
}  // namespace imagegen
