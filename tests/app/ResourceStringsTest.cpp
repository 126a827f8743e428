// The string table of the resource library: parsing and the ids the code relies on.
#include "support/RcStringTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <regex>

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

    const std::regex number("(LoadResString|\\bMessage)\\(\\s*\\d+|\\bMessage\\(\\s*\\w+\\s*,\\s*[1-9]\\d*");
    for (const auto& e : std::filesystem::recursive_directory_iterator(ORDIVO_SOURCE_DIR "/src")) {
        const std::string text = e.is_regular_file() ? LiesBytes(e.path().string()) : "";
        for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it)
            ADD_FAILURE() << e.path().filename().string() << ": string by number: " << it->str();
    }
}
