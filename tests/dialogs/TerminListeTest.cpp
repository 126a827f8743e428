// The list of the appointment dialog: line formats of both modes and the contiguous run of
// one day's records from the anchor.
#include "dialogs/TerminListe.h"
#include "store/TerminFixtures.h"
#include "store/DatumText.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

TEST(TerminListe, LineFormatsOfBothModes) {
    const Termin ganztags = MachTermin(2026, 2, 3, 0, 0, 0, 0, FlagOhneZeit | FlagOhneEnde, "Urlaub");
    const Termin offen = MachTermin(2026, 2, 3, 7, 5, 0, 0, FlagOhneEnde, "Bahn");
    const Termin voll = MachTermin(2026, 2, 3, 9, 0, 17, 30, 0, "Messe");
    EXPECT_EQ(ListenZeile(ganztags, true), "<k.A.>\t- <k.A.>\tUrlaub");
    EXPECT_EQ(ListenZeile(MachTermin(2026, 2, 3, 0, 0, 12, 0, FlagOhneZeit, "Tag"), true), "<k.A.>\t- <k.A.>\tTag");
    EXPECT_EQ(ListenZeile(offen, true), "07:05\t- <k.A.>\tBahn");
    EXPECT_EQ(ListenZeile(voll, true), "09:00\t- 17:30\tMesse");
    EXPECT_EQ(ListenZeile(ganztags, false), "03.02.2026\t<k.A.>\tUrlaub");
    EXPECT_EQ(ListenZeile(voll, false), "03.02.2026\t09:00\tMesse");
    SetzeDatumsformat('/', false);
    EXPECT_EQ(ListenZeile(offen, false), "02/03/2026\t07:05\tBahn");
    SetzeDatumsformat('.', true);
}

TEST(TerminListe, OneDayFromItsAnchorOrEverything) {
    FakeHost host;
    ClsListe liste;
    liste.Einfuegen(MachTermin(2026, 2, 2, 8, 0, 9, 0, 0, "Vortag"));
    liste.Einfuegen(MachTermin(2026, 2, 3, 14, 0, 15, 0, 0, "Nachmittag"));
    liste.Einfuegen(MachTermin(2026, 2, 3, 0, 0, 0, 0, FlagOhneZeit, "Ganztags"));
    liste.Einfuegen(MachTermin(2026, 2, 3, 9, 0, 10, 0, 0, "Vormittag"));
    liste.Einfuegen(MachTermin(2026, 2, 4, 8, 0, 9, 0, 0, "Folgetag"));
    liste.SetzeAktuell(&liste.Satz(4));

    const Zeitpunkt tag = MachZeitpunkt(2026, 2, 3);
    const ListenInhalt inhalt = ListenInhaltFuer(liste, &tag);
    EXPECT_EQ(inhalt.Anker, 1);
    ASSERT_EQ(inhalt.Zeilen.size(), 3u);
    for (size_t i = 0; i < inhalt.Zeilen.size(); ++i)
        EXPECT_EQ(inhalt.Zeilen[i], ListenZeile(liste.Satz(inhalt.Anker + int(i)), true));
    EXPECT_EQ(inhalt.Zeilen[0], "<k.A.>\t- <k.A.>\tGanztags");
    EXPECT_EQ(liste.Aktuell(), &liste.Satz(4));  // the caller's cursor survives

    const ListenInhalt alle = ListenInhaltFuer(liste, nullptr);
    EXPECT_EQ(alle.Anker, 0);
    EXPECT_EQ(alle.Zeilen.size(), 5u);
    EXPECT_EQ(alle.Zeilen.back(), "04.02.2026\t08:00\tFolgetag");

    const Zeitpunkt leer = MachZeitpunkt(2026, 2, 10);
    const ListenInhalt keiner = ListenInhaltFuer(liste, &leer);
    EXPECT_EQ(keiner.Anker, -1);
    EXPECT_TRUE(keiner.Zeilen.empty());
}
