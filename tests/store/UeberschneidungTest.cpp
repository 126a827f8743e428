// The overlap warning: all four cases with their borders, all-day records, text and answer.
#include "TerminFixtures.h"
#include "core/ResString.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace {
struct Fall {
    const char* name;
    Termin vorhanden, neu;
    bool ueberschneidet;
};

Termin T(int h, int mi, int eh, int emi, uint16_t flags = 0) { return MachTermin(1995, 5, 6, h, mi, eh, emi, flags, "E"); }
}  // namespace

TEST(Ueberschneidung, FourCasesAndTheirBorders) {
    const uint16_t OE = FlagOhneEnde;
    const Fall faelle[] = {
        {"starts inside", T(10, 0, 11, 0), T(10, 30, 12, 0), true},
        {"ends inside", T(10, 0, 11, 0), T(9, 0, 10, 30), true},
        {"encloses", T(10, 0, 11, 0), T(9, 0, 12, 0), true},
        {"equal", T(10, 0, 11, 0), T(10, 0, 11, 0), true},
        {"inside", T(10, 0, 11, 0), T(10, 15, 10, 45), true},
        {"starts at the end", T(10, 0, 11, 0), T(11, 0, 12, 0), false},
        {"ends at the start", T(10, 0, 11, 0), T(9, 0, 10, 0), false},
        {"other day", T(10, 0, 11, 0), MachTermin(1995, 5, 7, 10, 0, 11, 0), false},
        {"open existing at start", T(10, 0, 10, 0, OE), T(10, 0, 10, 30), true},
        {"open existing inside", T(10, 0, 10, 0, OE), T(9, 0, 10, 1), true},
        {"open existing at end", T(10, 0, 10, 0, OE), T(9, 0, 10, 0), false},
        {"open existing before", T(10, 0, 10, 0, OE), T(10, 1, 11, 0), false},
        {"open new starts inside", T(10, 0, 11, 0), T(10, 0, 10, 0, OE), true},
        {"open new at the end", T(10, 0, 11, 0), T(11, 0, 11, 0, OE), false},
        {"open new, stored end inside", T(10, 0, 11, 0), T(9, 0, 10, 30, OE), true},
        {"open new before", T(10, 0, 11, 0), T(9, 0, 9, 0, OE), false},
        {"both open, equal", T(10, 0, 10, 0, OE), T(10, 0, 12, 0, OE), true},
        {"both open, a minute apart", T(10, 0, 10, 0, OE), T(10, 1, 10, 1, OE), false},
        {"all-day existing", T(0, 0, 0, 0, FlagOhneZeit), T(0, 0, 23, 59), false},
        {"all-day new", T(10, 0, 11, 0), T(10, 0, 11, 0, FlagOhneZeit), false},
    };
    for (const Fall& f : faelle) {
        FakeHost host;
        host.answers = {Mb::IdNo};
        ClsListe liste;
        liste.Initialisieren();
        liste.Einfuegen(f.vorhanden);
        EXPECT_EQ(liste.PruefeUeberschneidung(f.neu), f.ueberschneidet) << f.name;
        EXPECT_EQ(host.messages.size(), f.ueberschneidet ? 1u : 0u) << f.name;
    }
}

TEST(Ueberschneidung, MessageNamesTheFirstOverlapAndTheAnswerDecides) {
    FakeHost host;
    ClsListe liste;
    liste.Initialisieren();
    liste.Einfuegen(MachTermin(1995, 5, 6, 8, 0, 9, 0, 0, "Fr\xFChst\xFC" "ck"));
    liste.Einfuegen(MachTermin(1995, 5, 6, 10, 0, 11, 0, 0, "Zahnarzt"));
    liste.Einfuegen(MachTermin(1995, 5, 6, 10, 30, 10, 30, FlagOhneEnde, "Anruf"));
    liste.Erster();
    liste.Naechster();
    const Termin* vorher = liste.Aktuell();

    host.answers = {Mb::IdYes};
    EXPECT_FALSE(liste.PruefeUeberschneidung(MachTermin(1995, 5, 6, 9, 30, 12, 0)));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Der Termin \xFC" "berschneidet sich mit dem Termin am 06.05.1995 um 10:00 - 11:00\n"
              "\x84Zahnarzt\x93.\n\nSoll der Termin trotzdem gespeichert werden?");
    EXPECT_EQ(host.messages[0].caption, LoadResString(1112));
    EXPECT_EQ(host.messages[0].style, Mb::YesNo | Mb::IconExclamation | Mb::TaskModal);
    EXPECT_EQ(liste.Aktuell(), vorher);  // the caller's cursor survives

    host.answers = {Mb::IdNo};
    EXPECT_TRUE(liste.PruefeUeberschneidung(MachTermin(1995, 5, 6, 10, 45, 10, 45, FlagOhneEnde)));
    // Without an end time the text has no end part.
    host.answers = {Mb::IdNo};
    liste.Leeren();
    liste.Einfuegen(MachTermin(1995, 5, 6, 7, 5, 7, 5, FlagOhneEnde, "Anruf"));
    EXPECT_TRUE(liste.PruefeUeberschneidung(MachTermin(1995, 5, 6, 7, 0, 8, 0)));
    EXPECT_EQ(host.messages.back().text,
              "Der Termin \xFC" "berschneidet sich mit dem Termin am 06.05.1995 um  7:05\n"
              "\x84" "Anruf\x93.\n\nSoll der Termin trotzdem gespeichert werden?");
}
