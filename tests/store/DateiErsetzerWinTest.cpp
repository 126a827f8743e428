// The product's rename for saving: it must take the place of an existing file, which the
// C runtime's rename refuses on Windows.
#include "store/DateiSchreiber.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {
void Schreib(const std::string& pfad, const std::string& text) { std::ofstream(pfad, std::ios::binary) << text; }
std::string Lies(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

TEST(DateiErsetzerWin, ReplacesAnExistingFile) {
    char temp[MAX_PATH] = {};
    ASSERT_NE(GetTempPathA(sizeof temp, temp), 0u);
    const std::string neu = std::string(temp) + "ordivo-ersetzen.~tmp", ziel = std::string(temp) + "ordivo-ersetzen.BAK";
    Schreib(neu, "neu");
    Schreib(ziel, "alt");
    EXPECT_NE(std::rename(neu.c_str(), ziel.c_str()), 0);  // what the default cannot do here

    InstalliereDateiErsetzer();
    EXPECT_TRUE(DateiSchreiber::Ersetze(neu, ziel));
    SetzeDateiErsetzer(nullptr);
    EXPECT_EQ(Lies(ziel), "neu");
    EXPECT_EQ(GetFileAttributesA(neu.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(ziel.c_str());
}
