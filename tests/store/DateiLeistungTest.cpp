// 100,000 appointments written and read back: both must stay well under a second in an
// optimised build; the times are printed (this debug build runs under the sanitizers).
#include "addresses/ClsAdrListe.h"
#include "store/ClsListe.h"
#include "store/DateiTestHilfe.h"
#include "store/KalenderDatei.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <iostream>

TEST(DateiLeistung, HunderttausendTermine) {
    FakeHost host;
    TestVerzeichnis dir;
    Liste.Leeren();
    ASSERT_TRUE(Liste.Reserviere(100050));
    std::memset(Liste.Passwort, 0, sizeof Liste.Passwort);
    AdrListe.Initialisieren();
    for (int i = 0; i < 100000; ++i) {
        const int tag = i / 20;  // in file order: 20 a day, 28 days a month
        Termin t = MachTermin(2000 + tag / 336, 1 + tag / 28 % 12, 1 + tag % 28, i % 20, 0, 23, 59, 0, "Termin");
        if (i % 100 == 0) t.Beschr = std::string(300, 'b');
        ASSERT_TRUE(Liste.Anhaengen(std::move(t)));
    }
    const std::string pfad = dir.Datei("gross.odv");
    using Uhr = std::chrono::steady_clock;
    const auto t0 = Uhr::now();
    ASSERT_TRUE(SchreibeDatei(pfad, ModusKalender));
    const auto t1 = Uhr::now();
    Dateiname = pfad;
    ASSERT_TRUE(Liste.Laden());
    const auto t2 = Uhr::now();
    EXPECT_EQ(Liste.Anzahl(), 100000);
    EXPECT_EQ(Liste.Satz(99999).Start, MachZeitpunkt(2014, 11, 16, 19, 0));
    const auto ms = [](auto d) { return std::chrono::duration_cast<std::chrono::milliseconds>(d).count(); };
    std::cout << "[ timing ] write " << ms(t1 - t0) << " ms, read " << ms(t2 - t1) << " ms, "
              << std::filesystem::file_size(pfad) / 1024 << " KiB\n";
    EXPECT_LT(ms(t1 - t0), 10000);
    EXPECT_LT(ms(t2 - t1), 10000);
    Liste.Leeren();
    AdrListe.Leeren();
    Dateiname.clear();
}
