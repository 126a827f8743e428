// The appointment writer: byte layout of header and record, export form, long texts,
// password bytes and the yearly roll-forward.
#include "addresses/ClsAdrListe.h"
#include "store/ClsListe.h"
#include "store/DateiTestHilfe.h"
#include "store/JahresKopien.h"
#include "document/KalenderDatei.h"
#include "store/Passwort.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
class ListeSpeichern : public DateiTest {
protected:
    std::string Speichere(int modus) {
        const std::string pfad = dir.Datei("t.odv");
        EXPECT_TRUE(SchreibeDatei(doc, pfad, modus));
        return LiesBytes(pfad);
    }
};

std::string Blanks(size_t n) { return std::string(n, ' '); }

Termin Mai1995() {
    Termin t = MachTermin(1995, 5, 14, 9, 30, 10, 0, 0, "Zahnarzt");
    t.Beschr = "Kontrolle";
    t.VorwarnBasis = MachZeitpunkt(1995, 5, 13, 8, 5);
    t.Id = 7;
    t.Flags = 0x8011;  // priority 2, done, no time
    return t;
}
}  // namespace

TEST_F(ListeSpeichern, GoldenRecordAndNativeHeader) {
    ASSERT_TRUE(Liste.Einfuegen(Mai1995()));
    std::strcpy(Liste.Passwort, "abc");
    const std::string f = Speichere(ModusKalender);
    ASSERT_EQ(f.size(), 865u + 290u + 1u);

    // Count 1, header 865, record 290, no hint, version 500, the scrambled password.
    EXPECT_EQ(f.substr(0, 32), std::string("ordv\x01\0\0\0\x61\x03\x22\x01\0\0\0\0\xF4\x01\xE1\xE3\xE5", 21) + std::string(11, '\0'));

    // Descriptor 13 (BESCHR) and the terminator.
    EXPECT_EQ(f.substr(32 + 13 * 32, 18), std::string("BESCHR\0\0\0\0\0C\0\0\0\0\xAE\0", 18));
    EXPECT_EQ(f[864], '\x0D');

    const std::string erwartet = " " "199505140930" "199505141000" "Zahnarzt" + Blanks(41) + "00000" "000" +
                                 "Kontrolle" + Blanks(165) + "000000000000" "199505130805" "00007" "32785";
    EXPECT_EQ(f.substr(865, 290), erwartet);
    EXPECT_EQ(f.back(), '\x1A');
    EXPECT_FALSE(Liste.Geaendert);
}

TEST_F(ListeSpeichern, ExportIsPlainDbaseWithOemTextsAndTodaysDate) {
    Termin a = MachTermin(2026, 3, 1, 8, 0, 9, 0, 0, "Gr\xFC\xDF" "e an B\xE4rbel");
    a.Beschr = std::string(180, 'x');  // long: cut to 174 in the export
    ASSERT_TRUE(Liste.Einfuegen(a));
    ASSERT_TRUE(Liste.Einfuegen(MachTermin(2026, 3, 2, 8, 0, 9, 0)));
    std::strcpy(Liste.Passwort, "geheim");
    const std::string f = Speichere(ModusTerminExport);

    ASSERT_EQ(f.size(), 1446u);
    EXPECT_EQ(f.substr(0, 8), std::string("\x03\x1A\x0C\x05\x02\0\0\0", 8));  // 3, 26-12-05, 2 records
    EXPECT_EQ(f.substr(14, 18), std::string(18, '\0'));
    const std::string satz = f.substr(865, 290);
    EXPECT_EQ(satz.substr(25, 15), "Gr\x81\xE1" "e an B\x84rbel");
    EXPECT_EQ(satz.substr(79, 3), "001");  // BLOCKS keeps the stored count
    EXPECT_EQ(satz.substr(82, 174), std::string(174, 'x'));
    EXPECT_EQ(f.substr(865 + 290 + 25, 49), Blanks(49));  // empty short text
    EXPECT_TRUE(Liste.Geaendert);  // an export leaves the modified flag
}

TEST_F(ListeSpeichern, LongDescriptionTakesWholeBlocks) {
    Termin t = MachTermin(2026, 1, 2, 10, 0, 11, 0);
    t.Beschr = std::string(299, 'a') + "z";
    ASSERT_TRUE(Liste.Einfuegen(t));
    Termin kurz = MachTermin(2026, 1, 3, 10, 0, 11, 0);
    kurz.Beschr = std::string(174, 'k');  // the longest text that stays in the record
    ASSERT_TRUE(Liste.Einfuegen(kurz));
    const std::string f = Speichere(ModusKalender);

    ASSERT_EQ(f.size(), 865u + (290u - 174u + 512u) + 290u + 1u);
    const std::string satz = f.substr(865);
    EXPECT_EQ(satz.substr(79, 3), "002");
    EXPECT_EQ(satz.substr(82, 512), t.Beschr + Blanks(212));
    EXPECT_EQ(satz.substr(82 + 512, 12), "000000000000");
    const std::string zweiter = f.substr(865 + 290 - 174 + 512, 290);
    EXPECT_EQ(zweiter.substr(79, 3 + 174), "000" + kurz.Beschr);
}

TEST_F(ListeSpeichern, PasswordScrambling) {
    unsigned char s[PasswortBytes];
    Verschluessele("abc", s);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(s), 4), std::string("\xE1\xE3\xE5\0", 4));
    EXPECT_EQ(Entschluessele(s), "abc");

    const std::string hoch = "\xFF\xFE\x80ZzAa9 \xE4";  // wraps around 256
    Verschluessele(hoch.c_str(), s);
    EXPECT_EQ(Entschluessele(s), hoch);

    // Code 128 - i at position i scrambles to the zero byte; more than 13 characters do not fit.
    const std::pair<std::string, int> stellen[] = {{"\x80", 0},  {"a\x7F", 1}, {"Sommerzeit", 6},
                                                   {"\x7F", -1}, {"", -1},     {std::string(14, 'a'), 13}};
    for (const auto& [passwort, stelle] : stellen) EXPECT_EQ(NichtSpeicherbareStelle(passwort), stelle) << passwort;
}

TEST_F(ListeSpeichern, YearlyMasterRollsForwardWithCountAndHint) {
    host.now = {1996, 6, 1, 12, 0, 0};
    const Termin master = MachJahresMaster(1994, 3, 10, 9, 0, 10, 0, "Jahrestag", 3);
    ASSERT_TRUE(Liste.Einfuegen(master));
    ASSERT_TRUE(Liste.Einfuegen(MachTermin(1996, 7, 1, 9, 0, 10, 0, 0, "Einzeln")));
    ASSERT_TRUE(ErzeugeJahresKopien(Liste));
    ASSERT_EQ(Liste.Anzahl(), 21);
    const std::string f = Speichere(ModusKalender);

    ASSERT_EQ(f.size(), 865u + 2 * 290u + 1u);
    EXPECT_EQ(f.substr(4, 4), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(f.substr(14, 2), std::string("\x02\0", 2));  // (21 - 2) / 19 + 1
    EXPECT_EQ(f.substr(866, 12), "199603100900");            // the 1996 copy is the master now
    EXPECT_EQ(f.substr(865 + 285, 5), "00064");              // FlagJaehrlich only
    EXPECT_EQ(f.substr(865 + 290 + 1, 12), "199607010900");
}
