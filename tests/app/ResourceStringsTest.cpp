// The string table of the resource library: parsing and the ids the code relies on.
#include "core/ResString.h"
#include "support/RcStringTable.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {
void CollectSources(const std::string& dir, std::vector<std::string>& out) {
    DIR* d = opendir(dir.c_str());
    if (!d) return;
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        std::string path = dir + "/" + name;
        if (e->d_type == DT_DIR) CollectSources(path, out);
        else if (std::regex_search(name, std::regex("\\.(cpp|h)$"))) out.push_back(path);
    }
    closedir(d);
}
}  // namespace

TEST(RcStringTable, ParsesEscapesQuotesAndUtf8) {
    RcStrings s;
    ParseRcStringTables("STRINGTABLE\nBEGIN\n  7, \"a\\nb\"\n  // note\n  8, \"say \"\"hi\"\"\"\n"
                        "  9, \"Gr\xC3\xBC\xC3\x9F\xC3\xA9 \xE2\x82\xAC\"\nEND\n",
                        s);
    EXPECT_EQ(s[7], "a\nb");
    EXPECT_EQ(s[8], "say \"hi\"");
    EXPECT_EQ(s[9], "Gr\xFC\xDF\xE9 \x80");  // Windows-1252 bytes
}

TEST(ResourceStrings, NamesOfWeekdaysAndMonthsAreGerman1252) {
    EXPECT_STREQ(LoadResString(1201), "Mo");
    EXPECT_STREQ(LoadResString(1217), "Sonntag");
    EXPECT_STREQ(LoadResString(1248), "M\xE4rz");
    for (int id = 1201; id <= 1207; ++id) EXPECT_EQ(std::string(LoadResString(id)).size(), 2u);
    for (int id = 1211; id <= 1217; ++id) EXPECT_LE(std::string(LoadResString(id)).size(), 10u);
    for (int id = 1246; id <= 1257; ++id) EXPECT_FALSE(std::string(LoadResString(id)).empty());
}

// Every string number that the code passes to LoadResString or Message must exist.
TEST(ResourceStrings, EveryIdUsedByTheCodeExists) {
    const RcStrings strings = ReadRcStrings(ORDIVO_SOURCE_DIR);
    std::vector<std::string> files;
    CollectSources(std::string(ORDIVO_SOURCE_DIR) + "/src", files);
    ASSERT_FALSE(files.empty());
    const std::regex load("LoadResString\\(\\s*(\\d+)\\s*\\)");
    const std::regex msg("\\bMessage\\(\\s*(\\d+)\\s*,\\s*(\\d+)");
    std::set<std::string> missing;
    size_t seen = 0;
    for (const auto& f : files) {
        std::ifstream in(f);
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string text = ss.str();
        for (std::sregex_iterator it(text.begin(), text.end(), load), end; it != end; ++it, ++seen)
            if (!strings.count(std::stoi((*it)[1]))) missing.insert(f + ": " + (*it)[1].str());
        for (std::sregex_iterator it(text.begin(), text.end(), msg), end; it != end; ++it, ++seen)
            for (int g = 1; g <= 2; ++g) {
                int id = std::stoi((*it)[g]);
                if (id != 0 && !strings.count(id)) missing.insert(f + ": " + (*it)[g].str());
            }
    }
    EXPECT_GT(seen, 0u);
    for (const auto& m : missing) ADD_FAILURE() << "missing string " << m;
}
