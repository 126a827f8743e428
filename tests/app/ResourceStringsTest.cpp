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

TEST(RcStringTable, ResolvesNamedIdsThroughDefines) {
    RcNames names;
    ParseDefines("#pragma once\n// IDS_ALT 1\n#define IDS_A 1101\n#define ENDE_B 12\n#define IDS_C IDS_A\n", names);
    EXPECT_EQ(names, (RcNames{{"IDS_A", 1101}, {"ENDE_B", 12}}));
    RcStrings s;
    ParseRcStringTables("STRINGTABLE\nBEGIN\n  IDS_A, \"a\"\n  ENDE_B, \"b\"\n  UNBEKANNT, \"u\"\n  13, \"c\"\nEND\n",
                        s, names);
    EXPECT_EQ(s, (RcStrings{{1101, "a"}, {12, "b"}, {13, "c"}}));
}

TEST(ResourceStrings, NamesOfWeekdaysAndMonthsAreGerman1252) {
    EXPECT_STREQ(LoadResString(1201), "Mo");
    EXPECT_STREQ(LoadResString(1217), "Sonntag");
    EXPECT_STREQ(LoadResString(1248), "M\xE4rz");
    for (int id = 1201; id <= 1207; ++id) EXPECT_EQ(std::string(LoadResString(id)).size(), 2u);
    for (int id = 1211; id <= 1217; ++id) EXPECT_LE(std::string(LoadResString(id)).size(), 10u);
    for (int id = 1246; id <= 1257; ++id) EXPECT_FALSE(std::string(LoadResString(id)).empty());
}

// Every string name of the header has its text, and the code names the strings it passes to
// LoadResString or Message instead of giving their numbers.
TEST(ResourceStrings, EveryNamedIdExistsAndTheCodeUsesNames) {
    const RcStrings strings = ReadRcStrings(ORDIVO_SOURCE_DIR);
    const RcNames names = ReadRcNames(ORDIVO_SOURCE_DIR);
    size_t named = 0;
    for (const auto& [name, id] : names) {
        if (name.compare(0, 4, "IDS_") != 0) continue;
        ++named;
        EXPECT_TRUE(strings.count(id)) << "missing string " << name;
    }
    EXPECT_GT(named, 40u);

    std::vector<std::string> files;
    CollectSources(std::string(ORDIVO_SOURCE_DIR) + "/src", files);
    ASSERT_FALSE(files.empty());
    const std::regex number("(LoadResString|\\bMessage)\\(\\s*\\d+|\\bMessage\\(\\s*\\w+\\s*,\\s*[1-9]\\d*");
    for (const auto& f : files) {
        std::ifstream in(f);
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string text = ss.str();
        for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it)
            ADD_FAILURE() << f << ": string by number: " << it->str();
    }
}
