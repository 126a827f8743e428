// Backup names and dialog filters.
#include "core/FileNames.h"
#include "core/ResString.h"

#include <gtest/gtest.h>

TEST(FileNames, BackupReplacesTheExtensionOfTheLastComponentOnly) {
    EXPECT_EQ(BackupName("c:\\termine\\privat.odv"), "c:\\termine\\privat.BAK");
    EXPECT_EQ(BackupName("c:\\daten.alt\\kalender"), "c:\\daten.alt\\kalender.BAK");
    EXPECT_EQ(BackupName("c:\\a.b\\c.d.odv"), "c:\\a.b\\c.d.BAK");
    EXPECT_EQ(BackupName("kalender"), "kalender.BAK");
    EXPECT_EQ(BackupName("c:kal.odv"), "c:kal.BAK");
    EXPECT_EQ(BackupName("Z:/tmp/x.y/datei"), "Z:/tmp/x.y/datei.BAK");
}

TEST(FileNames, FilterSeparatorIsTheLastCharacter) {
    const std::string f = DialogFilter("Ordivo (*.odv)|*.odv|");
    EXPECT_EQ(f, std::string("Ordivo (*.odv)\0*.odv\0\0", 22));
    // The save-as filter lists three types in the order own file, appointments, addresses.
    const std::string saveAs = DialogFilter(LoadResString(1229));
    size_t parts = 0;
    for (size_t i = 0; i + 1 < saveAs.size(); ++i) parts += saveAs[i] == '\0';
    EXPECT_EQ(parts, 6u);
    EXPECT_NE(saveAs.find("*.odv"), std::string::npos);
}
