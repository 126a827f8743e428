// ORDIVO.PHD: byte layout, round trip, start-up message, and files of any length or content.
#include "FeiertagTestHelfer.h"
#include "holidays/FeiertagDatei.h"
#include "holidays/FeiertagName.h"
#include "store/Zeitpunkt.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <filesystem>

using FeiertagDatei = FeiertagFixture;

namespace {
constexpr size_t DateiGroesse = 2616;

void ZweiEintraege(Feiertage& feiertage) {
    SetzeTabelle(feiertage, {{"Einheit", "Tag der Einheit", FeiertagArt::Fest, RegelFest(10, 3),
                   FeiertagStatus::Aktiv | FeiertagStatus::Gesetzlich, 1800, 9999, 1900, 2100},
                  {"B\xFC\xDF", "Bu\xDF- und Bettag", FeiertagArt::Weihnachten, RegelVersatz(-32),
                   FeiertagStatus::Aktiv, -3, 30000, 0, 0}});
    feiertage.Berechne(2026, true);
}
}  // namespace

TEST_F(FeiertagDatei, HeaderAndEntriesAreWrittenByteExactAndReadBack) {
    TempDir dir;
    ZweiEintraege(feiertage);
    ASSERT_TRUE(SpeichereFeiertage(feiertage.Tabelle, dir.Datei("ORDIVO.PHD")));
    const std::string b = LiesBytes(dir.Datei("ORDIVO.PHD"));
    ASSERT_EQ(b.size(), DateiGroesse);
    EXPECT_EQ(b.substr(0, 16), std::string("ordhd\0\x12\x02\0\0\0\0\0\0\0\0", 16));
    // Sorted for 2026: 3 October first, then Buss- und Bettag.
    const std::string e = b.substr(16 + 52, 52);
    EXPECT_EQ(e.substr(0, 13), std::string("B\xFC\xDF\0\0\0\0\0\0\0\0\0\0", 13));
    EXPECT_EQ(e.substr(13, 24), std::string("Bu\xDF- und Bettag", 15) + std::string(9, '\0'));
    EXPECT_EQ(e.substr(37, 2), std::string("\x08\x00", 2));
    EXPECT_EQ(e.substr(39, 2), "\xE0\xFF");  // -32
    // Tag: 18 November 2026 = day 322 = 0x0142.
    EXPECT_EQ(e.substr(41, 2), "\x42\x01");
    EXPECT_EQ(e.substr(43, 1), "\x01");
    EXPECT_EQ(e.substr(44, 4), "\xFD\xFF\x30\x75");  // -3, 30000
    // Fixed rule: month byte, day byte; public-holiday years 1900-2100.
    const std::string f = b.substr(16, 52);
    EXPECT_EQ(f.substr(0, 8), std::string("Einheit\0", 8));
    EXPECT_EQ(f.substr(39, 2), "\x0A\x03");
    EXPECT_EQ(f.substr(43, 5), std::string("\x03\x08\x07\x0F\x27", 5));
    EXPECT_EQ(f.substr(48, 4), "\x6C\x07\x34\x08");
    EXPECT_EQ(b.substr(16 + 104), std::string(DateiGroesse - 16 - 104, '\0'));

    const FeiertagTabelle vorher = feiertage.Tabelle;
    SetzeTabelle(feiertage, {});
    ASSERT_TRUE(LadeFeiertage(feiertage, dir.Datei("ORDIVO.PHD")));
    EXPECT_EQ(std::memcmp(&vorher, &feiertage.Tabelle, sizeof vorher), 0);
    EXPECT_EQ(FeiertagName(feiertage, 2026, 10, 3, FeiertagAnsicht{}).Art, 1);
}

// Saving over an existing file replaces it; a failed save keeps the old file.
TEST_F(FeiertagDatei, SaveReplacesTheFileOrKeepsItWhenItFails) {
    TempDir dir;
    ZweiEintraege(feiertage);
    SchreibBytes(dir.Datei("a.phd"), "alt");
    ASSERT_TRUE(SpeichereFeiertage(feiertage.Tabelle, dir.Datei("a.phd")));
    EXPECT_EQ(LiesBytes(dir.Datei("a.phd")).substr(16, 7), "Einheit");
    EXPECT_FALSE(std::filesystem::exists(dir.Datei("a.phd.new")));
    std::filesystem::create_directory(dir.Datei("a.phd.new"));  // blocks the new file
    feiertage.Tabelle.Eintrag[0].Kurzname[0] = 'M';
    EXPECT_FALSE(SpeichereFeiertage(feiertage.Tabelle, dir.Datei("a.phd")));
    EXPECT_EQ(LiesBytes(dir.Datei("a.phd"))[16], 'E');
    EXPECT_FALSE(SpeichereFeiertage(feiertage.Tabelle, dir.Datei("fehlt/ORDIVO.PHD")));
    EXPECT_EQ(feiertage.Tabelle.Eintrag[0].Kurzname[0], 'M');
}

TEST_F(FeiertagDatei, ShortFilesLeaveTheRestOfTheTable) {
    TempDir dir;
    ZweiEintraege(feiertage);
    const FeiertagTabelle vorher = feiertage.Tabelle;
    // Header only, less than a header, empty: the table is untouched.
    for (size_t n : {size_t(0), size_t(10), size_t(16)}) {
        SchreibBytes(dir.Datei("kurz.phd"), std::string("XXXXXXXXXXXXXXXX", n));
        ASSERT_TRUE(LadeFeiertage(feiertage, dir.Datei("kurz.phd"))) << n;
        EXPECT_EQ(std::memcmp(&vorher, &feiertage.Tabelle, sizeof vorher), 0) << n;
    }
    // Header plus 30 bytes: only the first 30 bytes of entry 0 change.
    SchreibBytes(dir.Datei("kurz.phd"), std::string(16, '\0') + "Neu" + std::string(27, '\0'));
    ASSERT_TRUE(LadeFeiertage(feiertage, dir.Datei("kurz.phd")));
    EXPECT_STREQ(feiertage.Tabelle.Eintrag[0].Kurzname, "Neu");
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&vorher) + 30,
                          reinterpret_cast<const char*>(&feiertage.Tabelle) + 30, sizeof vorher - 30),
              0);
    // Longer than the format: the rest is ignored.
    SchreibBytes(dir.Datei("lang.phd"), std::string(DateiGroesse, '\0') + "ueberhang");
    ASSERT_TRUE(LadeFeiertage(feiertage, dir.Datei("lang.phd")));
    EXPECT_EQ(AnzahlFeiertage(feiertage.Tabelle), 0);
}

// Every rule kind with every parameter value computes (ASan/UBSan watch); files of garbage
// are in the corpus of the holiday file's fuzz target.
TEST_F(FeiertagDatei, EveryRuleParameterComputes) {
    FakeHost host;
    FeiertagTabelle& t = feiertage.Tabelle;
    for (int16_t art : {FeiertagArt::Fest, FeiertagArt::Ostern, FeiertagArt::Wochentag, FeiertagArt::Weihnachten})
        for (int basis = 0; basis < 65536; basis += MaxFeiertage) {
            for (int i = 0; i < MaxFeiertage; ++i)
                t.Eintrag[i] = MachEintrag({"R", "Regel", art, static_cast<uint16_t>(basis + i)});
            feiertage.Berechne(2026, true);
        }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FeiertagDatei, StartUpReadsTheFileBesideTheProgramAndReportsItMissing) {
    EXPECT_EQ(FeiertagDateiPfad("C:\\Programme\\Ordivo\\ORDIVO.EXE"), "C:\\Programme\\Ordivo\\ORDIVO.PHD");
    EXPECT_EQ(FeiertagDateiPfad("/opt/ordivo/ordivo.exe"), "/opt/ordivo/ORDIVO.PHD");
    EXPECT_EQ(FeiertagDateiPfad("ordivo.exe"), "ORDIVO.PHD");

    TempDir dir;
    ZweiEintraege(feiertage);
    ASSERT_TRUE(SpeichereFeiertage(feiertage.Tabelle, dir.Datei("ORDIVO.PHD")));
    SetzeTabelle(feiertage, {});
    FakeHost host;
    EXPECT_TRUE(LadeFeiertageBeimStart(feiertage, dir.Datei("ordivo.exe")));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(AnzahlFeiertage(feiertage.Tabelle), 2);

    // Missing: one message and no holidays.
    std::filesystem::remove(dir.Datei("ORDIVO.PHD"));
    SetzeTabelle(feiertage, {});
    EXPECT_FALSE(LadeFeiertageBeimStart(feiertage, dir.Datei("ordivo.exe")));
    EXPECT_EQ(host.Ids(), std::vector<int>{1185});
    EXPECT_EQ(host.messages[0].captionId, 1134);
    EXPECT_EQ(host.messages[0].style, Mb::IconExclamation | Mb::TaskModal);
    EXPECT_EQ(AnzahlFeiertage(feiertage.Tabelle), 0);
    EXPECT_EQ(FeiertagName(feiertage, 2026, 1, 1, FeiertagAnsicht{}).Text, "");
}
