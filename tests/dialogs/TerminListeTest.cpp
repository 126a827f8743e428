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
    const Termin tag = MachTermin(2026, 2, 3, 0, 0, 12, 0, FlagOhneZeit, "Tag");  // no time: no end either
    EXPECT_EQ((std::vector<std::string>{ListenZeile(ganztags, true), ListenZeile(tag, true), ListenZeile(offen, true),
                                        ListenZeile(voll, true), ListenZeile(ganztags, false), ListenZeile(voll, false)}),
              (std::vector<std::string>{"<k.A.>\t- <k.A.>\tUrlaub", "<k.A.>\t- <k.A.>\tTag", "07:05\t- <k.A.>\tBahn",
                                        "09:00\t- 17:30\tMesse", "03.02.2026\t<k.A.>\tUrlaub", "03.02.2026\t09:00\tMesse"}));
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
    ASSERT_TRUE(inhalt.Anker == 1 && inhalt.Zeilen.size() == 3u);
    for (size_t i = 0; i < inhalt.Zeilen.size(); ++i)
        EXPECT_EQ(inhalt.Zeilen[i], ListenZeile(liste.Satz(inhalt.Anker + int(i)), true));
    EXPECT_EQ(inhalt.Zeilen[0], "<k.A.>\t- <k.A.>\tGanztags");
    EXPECT_EQ(liste.Aktuell(), &liste.Satz(4));  // the caller's cursor survives

    const ListenInhalt alle = ListenInhaltFuer(liste, nullptr);
    ASSERT_TRUE(alle.Anker == 0 && alle.Zeilen.size() == 5u);
    EXPECT_EQ(alle.Zeilen.back(), "04.02.2026\t08:00\tFolgetag");

    const Zeitpunkt leer = MachZeitpunkt(2026, 2, 10);
    const ListenInhalt keiner = ListenInhaltFuer(liste, &leer);
    EXPECT_TRUE(keiner.Anker == -1 && keiner.Zeilen.empty());
}
