// The string table of the resource library: parsing and the ids the code relies on.
#include "core/ResourceIds.h"
#include "core/ResString.h"
#include "support/RcStringTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <sstream>

TEST(RcStringTable, ParsesEscapesUtf8AndNamedIds) {
    RcNames names;
    ParseDefines("#pragma once\n// IDS_ALT 1\n#define IDS_A 1101\n#define ENDE_B 12\n#define IDS_C IDS_A\n", names);
    EXPECT_EQ(names, (RcNames{{"IDS_A", 1101}, {"ENDE_B", 12}}));
    RcStrings s;
    ParseRcStringTables("STRINGTABLE\nBEGIN\n  IDS_A, \"a\\nb \\\"c\\\"\"\n  // note\n  ENDE_B, \"b\"\n  UNBEKANNT, \"u\"\n"
                        "  13, \"Gr\xC3\xBC\xC3\x9F\xC3\xA9 \xE2\x82\xAC\"\nEND\n", s, names);
    EXPECT_EQ(s, (RcStrings{{1101, "a\nb \"c\""}, {12, "b"}, {13, "Gr\xFC\xDF\xE9 \x80"}}));  // Windows-1252 bytes
}

// Every string name of the header has its text, and the code names the strings it passes to
// LoadResString or Message instead of giving their numbers.
TEST(ResourceStrings, EveryNamedIdExistsAndTheCodeUsesNames) {
    const RcStrings strings = ReadRcStrings(ORDIVO_SOURCE_DIR);
    const RcNames names = ReadRcNames(ORDIVO_SOURCE_DIR);
    size_t named = 0;
    std::map<int, std::string> owner;  // one name per number: a second one means two texts wanted
    for (const auto& [name, id] : names) {
        if (name.compare(0, 4, "IDS_") != 0) continue;
        ++named;
        EXPECT_TRUE(strings.count(id)) << "missing string " << name;
        EXPECT_TRUE(owner.emplace(id, name).second) << name << " and " << owner[id] << " share " << id;
    }
    EXPECT_GT(named, 40u);

    const std::regex number("(LoadResString|\\bMessage)\\(\\s*\\d+|\\bMessage\\(\\s*\\w+\\s*,\\s*[1-9]\\d*");
    for (const auto& e : std::filesystem::recursive_directory_iterator(ORDIVO_SOURCE_DIR "/src")) {
        const std::string text = e.is_regular_file() ? LiesBytes(e.path().string()) : "";
        for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it)
            ADD_FAILURE() << e.path().filename().string() << ": string by number: " << it->str();
    }
}

// Dates follow the regional order and separator: a message giving an example date of its own
// would be misread under another order, and the date fields would refuse it as typed.
TEST(ResourceStrings, NoMessageShowsAFixedDate) {
    const std::regex datum("\\d{1,2}\\.\\d{1,2}\\.\\d{2,4}");
    for (const auto& [id, text] : ReadRcStrings(ORDIVO_SOURCE_DIR)) EXPECT_FALSE(std::regex_search(text, datum)) << id;
}

// The file messages, referred to by name: present, with the file name as their only
// argument where they take one, and short enough for the 256-character buffer.
TEST(ResourceStrings, FileMessagesByName) {
    const struct {
        int id;
        size_t dateinamen;
    } meldungen[] = {
        {IDS_DATEI_BESCHAEDIGT, 1},
        {IDS_SCHREIBFEHLER, 1},
        {IDS_ADRESSEN_BESCHAEDIGT, 1},
    };
    for (const auto& m : meldungen) {
        const std::string text = LoadResString(m.id);
        EXPECT_TRUE(!text.empty() && text.size() < 256u) << m.id;
        EXPECT_EQ(size_t(std::count(text.begin(), text.end(), '%')), m.dateinamen) << m.id;
        EXPECT_EQ(text.find("%s") != std::string::npos, m.dateinamen == 1) << m.id;
    }
}

// The menu bar and each of its menus give every item a mnemonic of its own (Alt+letter
// reaches exactly one item). The menu is two levels deep: a POPUP opens the next menu.
TEST(ResourceMenu, EveryItemHasItsOwnMnemonicInItsMenu) {
    std::istringstream rc(LiesBytes(ORDIVO_SOURCE_DIR "/resources/menu.rc"));
    const std::regex item("(POPUP|MENUITEM)\\s+\"([^\"]*)\"");
    std::map<std::string, std::string> keys;  // menu ("" = the bar) -> its mnemonics
    std::string line, menu;
    for (std::smatch m; std::getline(rc, line);) {
        if (!std::regex_search(line, m, item)) continue;
        const std::string text = m[2], kind = m[1];
        const size_t amp = text.find('&');
        ASSERT_LT(amp + 1, text.size()) << text;
        const char key = char(std::tolower(static_cast<unsigned char>(text[amp + 1])));
        std::string& seen = keys[kind == "POPUP" ? "" : menu];
        EXPECT_EQ(seen.find(key), std::string::npos) << menu << ": " << text;
        seen += key;
        if (kind == "POPUP") menu = text;
    }
    EXPECT_EQ(keys.size(), 6u);  // the bar and its five menus
}

// Save and save as refuse a file of addresses alone, and save as then offers no dBase export
// either: the refusal names the vCard export, which works without appointments.
TEST(ResourceStrings, AddressOnlyRefusalNamesAWayThatWorks) {
    const std::string text = LoadResString(IDS_NUR_ADRESSEN);
    EXPECT_NE(text.find("Adressen als vCard exportieren"), std::string::npos) << text;
    EXPECT_EQ(text.find("dBase"), std::string::npos) << text;
}
