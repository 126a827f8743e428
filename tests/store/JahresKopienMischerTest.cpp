// Copies merged in while reading must give exactly the collection of appending every record
// and then generating the copies: same records, same order, same numbers and counters.
#include "TerminFixtures.h"
#include "store/JahresKopienMischer.h"
#include "store/RecordRef.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {
// Starts from a few dates and times over a few years, so that records, copies of different
// masters and 29 February meet at equal starts; every flag that decides the order is random.
std::vector<Termin> Zufallsdatei(std::mt19937& zufall, bool sortiert, bool ohneIds) {
    static const int Tage[][2] = {{2, 28}, {2, 29}, {3, 1}, {6, 15}};
    std::vector<Termin> v(size_t(zufall() % 60));
    for (Termin& t : v) {
        const auto& tag = Tage[zufall() % 4];
        t.Start = MachZeitpunkt(1996 + int(zufall() % 30), tag[0], tag[1], 9 + int(zufall() % 2), 0);
        t.Ende = t.Start;
        t.Flags = uint16_t(zufall() % 3 == 0 ? FlagOhneEnde : 0);
        t.SetzeKurzbeschr(std::to_string(zufall() % 1000));
        if (zufall() % 3 == 0) {
            t.Flags |= FlagJaehrlich | (zufall() % 2 ? FlagErledigt : 0);
            t.Ende = MachZeitpunkt(1, 0, 0, 10, 0);
            t.Id = uint16_t(ohneIds && zufall() % 4 == 0 ? 0 : 2 + zufall() % 20);
            if (zufall() % 2) t.Beschr = std::string(size_t(zufall() % 300), 'b');
        }
    }
    if (sortiert)
        std::stable_sort(v.begin(), v.end(), [](const Termin& a, const Termin& b) { return a.Start < b.Start; });
    return v;
}
}  // namespace

TEST(JahresKopienMischer, SameCollectionAsAppendingThenGenerating) {
    FakeHost host;
    std::mt19937 zufall(4711);
    for (int fall = 0; fall < 1000; ++fall) {
        const bool sortiert = fall % 10 != 0, ohneIds = fall % 7 == 0;
        const std::vector<Termin> datei = Zufallsdatei(zufall, sortiert, ohneIds);
        ClsListe erwartet, gemischt;
        erwartet.Initialisieren();
        gemischt.Initialisieren();
        erwartet.Laedt = gemischt.Laedt = true;
        JahresKopienMischer mischer(gemischt);
        for (const Termin& t : datei) {
            ASSERT_TRUE(erwartet.Anhaengen(t));
            ASSERT_TRUE(mischer.Anhaengen(t));
        }
        ASSERT_TRUE(ErzeugeJahresKopien(erwartet));
        ASSERT_TRUE(mischer.Abschliessen());
        ASSERT_EQ(gemischt.Anzahl(), erwartet.Anzahl()) << fall;
        for (int i = 0; i < erwartet.Anzahl(); ++i)
            ASSERT_TRUE(SameRecord(gemischt.Satz(i), erwartet.Satz(i))) << "case " << fall << ", slot " << i;
        EXPECT_EQ(gemischt.Kapazitaet(), erwartet.Kapazitaet());
        EXPECT_EQ(gemischt.Geaendert, erwartet.Geaendert);
    }
    EXPECT_TRUE(host.messages.empty());
}
