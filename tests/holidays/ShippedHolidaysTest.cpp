// The shipped ORDIVO.PHD: made from data/feiertage.txt, and the German holidays it gives.
#include "FeiertagTestHelfer.h"
#include "holidays/FeiertagDatei.h"
#include "holidays/FeiertagName.h"
#include "holidays/tools/FeiertagQuelle.h"
#include "store/Zeitpunkt.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

using FeiertagQuelle = FeiertagFixture;
using ShippedHolidays = FeiertagFixture;

namespace {
const std::string Daten = std::string(ORDIVO_SOURCE_DIR) + "/data/";

using Datum = std::pair<int, int>;  // month, day

// Every named day of a year as the day view shows it, special days switched on.
std::map<Datum, TagesName> NamenDesJahres(Feiertage& feiertage, int y) {
    std::map<Datum, TagesName> tage;
    const FeiertagAnsicht a{0, {true, 0}, {true, 0}};
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= TageImMonat(y, m); ++d) {
            TagesName n = FeiertagName(feiertage, y, m, d, a);
            if (!n.Text.empty()) tage[{m, d}] = n;
        }
    return tage;
}

std::string Fehler(const std::string& quelle) {
    FeiertagTabelle t;
    std::string fehler;
    EXPECT_FALSE(LeseFeiertagQuelle(quelle, t, fehler)) << quelle;
    return fehler;
}
}  // namespace

TEST_F(ShippedHolidays, FileIsGeneratedFromTheReadableTable) {
    const std::string quelle = LiesBytes(Daten + "feiertage.txt");
    ASSERT_FALSE(quelle.empty());
    std::string fehler;
    ASSERT_TRUE(LeseFeiertagQuelle(quelle, feiertage.Tabelle, fehler)) << fehler;
    TempDir dir;
    ASSERT_TRUE(SpeichereFeiertage(feiertage.Tabelle, dir.Datei("ORDIVO.PHD")));
    EXPECT_TRUE(LiesBytes(dir.Datei("ORDIVO.PHD")) == LiesBytes(Daten + "ORDIVO.PHD"))
        << "data/ORDIVO.PHD is out of date: build the target ordivo_phd";
}

TEST_F(ShippedHolidays, GermanHolidaysOf2026) {
    ASSERT_TRUE(LadeFeiertage(feiertage, Daten + "ORDIVO.PHD"));
    const std::map<Datum, TagesName> tage = NamenDesJahres(feiertage, 2026);
    const auto name = [&](int m, int d) {
        auto it = tage.find({m, d});
        return it == tage.end() ? std::string("-") : it->second.Text;
    };
    // Nationwide public holidays, and nothing else is one.
    const std::map<Datum, std::string> gesetzlich = {
        {{1, 1}, "Neujahr"},          {{4, 3}, "Karfreitag"},
        {{4, 6}, "Ostermontag"},      {{5, 1}, "Tag der Arbeit"},
        {{5, 14}, "Christi Himmelfahrt"}, {{5, 25}, "Pfingstmontag"},
        {{10, 3}, "Tag der Dt. Einheit"}, {{12, 25}, "1. Weihnachtstag"},
        {{12, 26}, "2. Weihnachtstag"}};
    for (const auto& [tag, text] : gesetzlich) EXPECT_EQ(name(tag.first, tag.second), text);
    for (const auto& [tag, n] : tage)
        EXPECT_EQ(n.Art, gesetzlich.count(tag) ? 1 : 0) << tag.first << "-" << tag.second;
    // Holidays of some states and other named days (18 November and 4 October are the
    // special days; the 2nd Advent comes before Nikolaus in the file).
    const std::map<Datum, std::string> benannt = {
        {{1, 6}, "Heilige Drei K\xF6nige"}, {{3, 8}, "Internat. Frauentag"}, {{6, 4}, "Fronleichnam"},
        {{8, 15}, "Mari\xE4 Himmelfahrt"},  {{9, 20}, "Weltkindertag"},      {{10, 31}, "Reformationstag"},
        {{11, 1}, "Allerheiligen"},         {{11, 18}, "Bu\xDF- und Bettag"}, {{4, 5}, "Ostersonntag"},
        {{5, 24}, "Pfingstsonntag"},        {{5, 10}, "Muttertag"},          {{10, 4}, "Erntedankfest"},
        {{11, 15}, "Volkstrauertag"},       {{11, 22}, "Totensonntag"},      {{11, 29}, "1. Advent"},
        {{12, 6}, "2. Advent"},             {{12, 13}, "3. Advent"},         {{12, 20}, "4. Advent"},
        {{12, 24}, "Heiligabend"},          {{12, 31}, "Silvester"}};
    for (const auto& [tag, text] : benannt) EXPECT_EQ(name(tag.first, tag.second), text);
    EXPECT_EQ(FeiertagName(feiertage, 2026, 5, 1, FeiertagAnsicht{2, {}, {}}).Text, "Maifeiertag");
}

TEST_F(ShippedHolidays, YearRangesOfTheDaysOfGermanUnity) {
    ASSERT_TRUE(LadeFeiertage(feiertage, Daten + "ORDIVO.PHD"));
    // year, month, day: shown, public holiday (2017: 500 years of the Reformation)
    const int faelle[][5] = {{1989, 10, 3, 0, 0}, {1989, 6, 17, 1, 1}, {1990, 6, 17, 1, 1}, {1990, 10, 3, 1, 1},
                             {1991, 6, 17, 0, 0}, {1953, 6, 17, 0, 0}, {2017, 10, 31, 1, 1}, {2018, 10, 31, 1, 0}};
    for (const auto& f : faelle) {
        const TagesName n = FeiertagName(feiertage, f[0], f[1], f[2], FeiertagAnsicht{});
        EXPECT_EQ(std::vector<int>({!n.Text.empty(), n.Art}), std::vector<int>({f[3], f[4]})) << f[0] << "-" << f[1];
    }
}

TEST_F(ShippedHolidays, ChristmasEveOnTheFourthAdventSunday) {
    ASSERT_TRUE(LadeFeiertage(feiertage, Daten + "ORDIVO.PHD"));
    EXPECT_EQ(FeiertagName(feiertage, 2023, 12, 24, FeiertagAnsicht{}).Text, "Heiligabend");
    EXPECT_EQ(FeiertagName(feiertage, 2023, 12, 17, FeiertagAnsicht{}).Text, "3. Advent");
}

TEST_F(FeiertagQuelle, ParsesEveryRuleKind) {
    FeiertagTabelle t;
    std::string fehler;
    ASSERT_TRUE(LeseFeiertagQuelle("# comment\n\n"
                                   "Gr\xC3\xBCn | Gr\xC3\xBCner Tag | fest 29.2 | 1990-2000 | -\n"
                                   "O | Ostern | ostern -46 | 0-32767 | 1995-1996\r\n"
                                   "Zwoelf Zeich | Dreiundzwanzig Zeichen! | wochentag 5 7 12 | 1-2 | -\n"
                                   "A | | weihnachten +7 | 1-2 | -\n",
                                   t, fehler))
        << fehler;
    EXPECT_EQ(AnzahlFeiertage(t), 4);
    EXPECT_EQ(std::vector<int>({t.Eintrag[0].Regel, t.Eintrag[0].Status, t.Eintrag[1].Art, Versatz(t.Eintrag[1].Regel),
                                t.Eintrag[1].Status, t.Eintrag[1].BisJahr, t.Eintrag[1].BisJahr2, t.Eintrag[2].Regel,
                                Versatz(t.Eintrag[3].Regel)}),
              std::vector<int>({RegelFest(2, 29), FeiertagStatus::Aktiv, FeiertagArt::Ostern, -46,
                                FeiertagStatus::Aktiv | FeiertagStatus::Gesetzlich, 32767, 1996, RegelWochentag(5, 7, 12), 7}));
    // Both names of the third at their limit.
    EXPECT_EQ(std::string(t.Eintrag[0].Kurzname) + "|" + t.Eintrag[2].Kurzname + "|" + t.Eintrag[2].Langname + "|" +
                  t.Eintrag[3].Langname,
              "Gr\xFCn|Zwoelf Zeich|Dreiundzwanzig Zeichen!|");
}

TEST_F(FeiertagQuelle, RejectsWhatTheFileCannotHold) {
    EXPECT_EQ(Fehler("ok | ok | fest 1.1 | 1-2 | -\nzu | kurz | fest 1.1 | 1-2\n"),
              "line 2: expected 5 fields separated by |");
    EXPECT_NE(Fehler("Dreizehn Zchn | x | fest 1.1 | 1-2 | -").find("longer than 12"), std::string::npos);
    EXPECT_NE(Fehler("x | Vierundzwanzig Zeichen!! | fest 1.1 | 1-2 | -").find("longer than 23"),
              std::string::npos);
    EXPECT_NE(Fehler("\xE2\x82\xAC | x | fest 1.1 | 1-2 | -").find("Latin-1"), std::string::npos);
    EXPECT_NE(Fehler("\xC3 | x | fest 1.1 | 1-2 | -").find("Latin-1"), std::string::npos);
    for (const char* regel : {"fest 30.2", "fest 1.13", "fest 1", "ostern", "ostern 40000",
                              "ostern 1x", "wochentag 6 1 1", "wochentag 1 0 1", "mond 3"})
        EXPECT_NE(Fehler(std::string("x | x | ") + regel + " | 1-2 | -").find("bad rule"),
                  std::string::npos)
            << regel;
    for (const char* jahre : {"2000-1999", "-5-3", "1990", "1990-40000"})
        EXPECT_NE(Fehler(std::string("x | x | fest 1.1 | ") + jahre + " | -").find("bad year"),
                  std::string::npos)
            << jahre;
    EXPECT_NE(Fehler("| x | fest 1.1 | 1-2 | -").find("empty short name"), std::string::npos);
    std::string voll;
    for (int i = 0; i <= MaxFeiertage; ++i) voll += "x | x | fest 1.1 | 1-2 | -\n";
    EXPECT_EQ(Fehler(voll), "line 51: more than 50 entries");
}
