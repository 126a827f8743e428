// The committed picture resources: regenerated from their sources they must come out
// byte for byte the same, and they must have the shapes the program's .rc expects.
#include "../ImageGen.h"
#include "../Source.h"
#include "BmpReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace imagegen {
namespace {

namespace fs = std::filesystem;
using imagegen_test::Bytes;
using imagegen_test::DecodeRle4;
using imagegen_test::Le16;
using imagegen_test::Le32;

const fs::path kAppDir = fs::path(ORDIVO_SOURCE_DIR) / "resources" / "app";
const int kButtonIds[] = {701, 702, 703, 704, 705, 706, 708, 709, 710, 711, 712,
                          716, 717, 718, 719, 720, 721, 728};

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ButtonName(int id) { return "bmp" + std::to_string(id) + ".bmp"; }

class TempDir {
public:
    TempDir() : path_(fs::temp_directory_path() / ("ordivo-imagegen-" + std::to_string(getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

TEST(ImageResources, RegeneratedFilesEqualTheCommittedOnes) {
    TempDir out;
    std::vector<std::string> written;
    std::string error;
    ASSERT_TRUE(GenerateAll((kAppDir / "src").string(), out.Path().string(), written, error)) << error;

    std::vector<std::string> expected = {"ordivo.ico", "splash.bmp", "move.cur", "copy.cur"};
    for (const int id : kButtonIds) expected.push_back(ButtonName(id));
    std::sort(expected.begin(), expected.end());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, expected);
    for (const std::string& name : written) {
        const Bytes committed = ReadFile(kAppDir / name);
        EXPECT_FALSE(committed.empty()) << name << " is not committed";
        EXPECT_TRUE(committed == ReadFile(out.Path() / name)) << name << " differs from its source: run imagegen";
    }
}

TEST(ImageResources, ButtonsAre20By20SixteenColoursOnButtonFace) {
    for (const int id : kButtonIds) {
        const Bytes bmp = ReadFile(kAppDir / ButtonName(id));
        ASSERT_EQ(bmp.size(), 118u + 20 * 12) << id;
        EXPECT_EQ(Le32(bmp, 18), 20u) << id;
        EXPECT_EQ(Le32(bmp, 22), 20u) << id;
        EXPECT_EQ(Le16(bmp, 28), 4u) << id;
        EXPECT_EQ(Le32(bmp, 30), 0u) << id;
        // All four corners are silver (palette index 7), so the picture blends with the bar.
        for (const size_t row : {118u, 118u + 19 * 12}) {
            EXPECT_EQ(bmp[row] >> 4, 7) << id;
            EXPECT_EQ(bmp[row + 9] & 0x0F, 7) << id;
        }
    }
}

TEST(ImageResources, SplashIsRle4AndDecodesToItsSource) {
    const Bytes bmp = ReadFile(kAppDir / "splash.bmp");
    ASSERT_GT(bmp.size(), 118u);
    EXPECT_EQ(Le32(bmp, 18), 340u);
    EXPECT_EQ(Le32(bmp, 22), 200u);
    EXPECT_EQ(Le16(bmp, 28), 4u);
    EXPECT_EQ(Le32(bmp, 30), 2u);
    EXPECT_EQ(Le32(bmp, 34), bmp.size() - Le32(bmp, 10));
    EXPECT_LT(bmp.size(), 118u + 170u * 200u) << "no smaller than uncompressed";

    const Bytes source = ReadFile(kAppDir / "src" / "splash.txt");
    Picture picture;
    std::string error;
    ASSERT_TRUE(ParseSource(std::string(source.begin(), source.end()), picture, error)) << error;
    Image decoded;
    ASSERT_TRUE(DecodeRle4(Bytes(bmp.begin() + Le32(bmp, 10), bmp.end()), 340, 200, decoded, error)) << error;
    EXPECT_TRUE(decoded.pixels == picture.images[0].pixels);
}

TEST(ImageResources, IconAndCursorsHaveTheirSizes) {
    const Bytes ico = ReadFile(kAppDir / "ordivo.ico");
    ASSERT_GE(ico.size(), 38u);
    ASSERT_EQ(Le16(ico, 4), 2u);
    EXPECT_EQ(ico[6], 32);
    EXPECT_EQ(ico[22], 16);
    EXPECT_EQ(Le16(ico, 12), 4u);
    EXPECT_EQ(Le16(ico, 28), 4u);

    for (const char* name : {"move.txt", "copy.txt"}) {
        const Bytes source = ReadFile(kAppDir / "src" / name);
        Picture picture;
        std::string error;
        ASSERT_TRUE(ParseSource(std::string(source.begin(), source.end()), picture, error)) << error;
        const Image& image = picture.images[0];
        EXPECT_EQ(image.width, 32) << name;
        EXPECT_EQ(image.height, 32) << name;
        // The hotspot is the arrow tip: a drawn pixel with nothing drawn above or left of it.
        const int hx = picture.hotspotX, hy = picture.hotspotY;
        EXPECT_NE(image.At(hx, hy), kTransparent) << name;
        for (int y = 0; y < hy; ++y) EXPECT_EQ(image.At(hx, y), kTransparent) << name;
        for (int x = 0; x < hx; ++x) EXPECT_EQ(image.At(x, hy), kTransparent) << name;
    }
}

}  // namespace
}  // namespace imagegen
