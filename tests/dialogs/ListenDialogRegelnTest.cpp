// The rules behind the address book, holiday and day dialogs: marker filter, sort key and link
// result; holiday fields checked into an entry and its list line; the
// time grid's texts and checks.
#include "addresses/ClsAdrListe.h"
#include "core/ResourceIds.h"
#include "dialogs/AdressRegeln.h"
#include "dialogs/FeiertagFelder.h"
#include "dialogs/TagesRaster.h"
#include "holidays/FeiertagTabelle.h"
#include "store/DatumText.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(AdressRegeln, FilterShowsUnmarkedAlwaysAndMarkedOnSharedBit) {
    ClsAdrListe liste;
    liste.Initialisieren();
    for (uint16_t flags : {0x00, 0x01, 0x03, 0x80}) {
        Adresse a;
        Adresse::Setze(a.SORT, "A");
        a.FLAGS = flags;
        liste.EinfuegenSortiert(a);
    }
    EXPECT_EQ(SichtbareAdressen(liste, 0xFE), (std::vector<int>{0, 2, 3}));  // marker 1 filtered out
    EXPECT_EQ(SichtbareAdressen(liste, 0x00), (std::vector<int>{0}));
    EXPECT_EQ(AdresseDerZeile({0, 2, 3}, 1), 2);
    EXPECT_EQ(AdresseDerZeile({2, 3}, 5), 0);  // past the end: the first address
}

TEST(AdressRegeln, SortKeyFromNamesAndLinkResult) {
    Adresse a;
    Adresse::Setze(a.FIRMA, "Meyer");
    Adresse::Setze(a.NAME1, "Hans");
    EXPECT_EQ(SortAusNamen(a), "Meyer, Ha");
    Adresse b;
    Adresse::Setze(b.NAME2, "Zoe");
    EXPECT_EQ(SortAusNamen(b), "Zoe");
    EXPECT_EQ(std::vector<int>({VerweisErgebnis(7, true, 3), VerweisErgebnis(0, true, 3), VerweisErgebnis(0, false, 3)}),
              std::vector<int>({7, 3, AdrNummer::KeinVerweis}));
}

TEST(FeiertagFelder, FirstBadFieldGivesItsMessage) {
    const struct {
        FeiertagOption option;
        const char *tag, *monat, *ostern, *advent, *von, *bis;
        int meldung;
    } faelle[] = {
        {FeiertagOption::Fest, "31", "2", "", "", "", "", 0},
        {FeiertagOption::Fest, "0", "13", "", "", "", "", IDS_TAG_UNGUELTIG},  // day before month
        {FeiertagOption::Fest, "x", "1", "", "", "", "", IDS_TAG_UNGUELTIG},
        {FeiertagOption::Fest, "1", "13", "", "", "", "", IDS_MONAT_UNGUELTIG},
        {FeiertagOption::Ostern, "99", "", "-100", "", "", "", 0},  // other options' fields are not read
        {FeiertagOption::Ostern, "", "", "301", "", "", "", IDS_VERSATZ_UNGUELTIG},
        {FeiertagOption::Advent, "", "", "", "-349", "", "", 0},
        {FeiertagOption::Advent, "", "", "", "7", "", "", IDS_VERSATZ_UNGUELTIG},
        {FeiertagOption::Fest, "1", "1", "", "", "10000", "", IDS_JAHR_UNGUELTIG},
        {FeiertagOption::Fest, "1", "1", "", "", "", "-1", IDS_JAHR_UNGUELTIG},
    };
    for (const auto& f : faelle) {
        FeiertagFelder felder;
        felder.Option = f.option;
        felder.Tag = f.tag, felder.Monat = f.monat, felder.OsterTage = f.ostern, felder.AdventTage = f.advent;
        felder.Von = f.von, felder.Bis = f.bis;
        Feiertag e{};
        EXPECT_EQ(PruefeFeiertag(felder, e), f.meldung) << f.tag << f.monat << f.ostern << f.advent << f.von << f.bis;
    }
    FeiertagFelder wochentag;
    wochentag.Option = FeiertagOption::Wochentag;
    wochentag.N = 1, wochentag.Wochentag = 6;
    Feiertag e{};
    EXPECT_EQ(PruefeFeiertag(wochentag, e), -1);  // a list without selection: refused silently
}

TEST(FeiertagFelder, EveryOptionSurvivesTheRoundTripAndEmptyYearsAreOpen) {
    FeiertagFelder f;
    f.Kurzname = "Muttertag", f.Langname = "Muttertag", f.Aktiv = true;
    f.Option = FeiertagOption::Wochentag, f.N = 1, f.Wochentag = 6, f.WochenMonat = 4;
    Feiertag e{};
    ASSERT_EQ(PruefeFeiertag(f, e), 0);
    EXPECT_EQ(std::vector<int>({uint16_t(e.Regel), e.VonJahr, e.BisJahr, e.Status}),  // copies: the record is packed
              std::vector<int>({RegelWochentag(2, 7, 5), 0, 9999, FeiertagStatus::Aktiv}));
    for (FeiertagOption o : {FeiertagOption::Fest, FeiertagOption::Ostern, FeiertagOption::Advent, FeiertagOption::Wochentag}) {
        FeiertagFelder g = f;
        g.Option = o, g.Tag = "24", g.Monat = "12", g.OsterTage = "49", g.AdventTage = "-21", g.Gesetzlich = true;
        ASSERT_EQ(PruefeFeiertag(g, e), 0);
        const FeiertagFelder zurueck = FelderAus(e);
        EXPECT_EQ(zurueck.Option, o);
        Feiertag wieder{};
        ASSERT_EQ(PruefeFeiertag(zurueck, wieder), 0);
        EXPECT_EQ(std::memcmp(&wieder, &e, sizeof e), 0);
    }
}

TEST(FeiertagFelder, ListLineShowsTheCountedThroughDate) {
    Feiertage f;
    FeiertagFelder felder;
    felder.Langname = "Spaet", felder.Kurzname = "S", felder.Tag = "31", felder.Monat = "2";
    ASSERT_EQ(PruefeFeiertag(felder, f.Tabelle.Eintrag[0]), 0);
    f.Berechne(2024, true);  // 2026 in the dialog's run
    SetzeDatumsformat('/', false);
    EXPECT_EQ(FeiertagZeile(f.Tabelle.Eintrag[0], 2024), "(03/02/2024)            Spaet");
    SetzeDatumsformat('.', true);
}

TEST(TagesRaster, TimeTextsAndTheFourChecksInOrder) {
    // "830" is whole hours: 830:00.
    EXPECT_EQ(std::vector<int>({LiesRasterZeit("8:30", true), LiesRasterZeit("830", true), LiesRasterZeit("8", true),
                                LiesRasterZeit("15", false), LiesRasterZeit("8.30", true), LiesRasterZeit("8:5", true)}),
              std::vector<int>({510, -1, 480, 15, -1, -1}));
    EXPECT_EQ(RasterEnde(480, 30), "19:30");
    const struct {
        const char *startAM, *stepAM, *startPM, *stepPM;
        int meldung;
    } faelle[] = {
        {"8:00", "30", "20:00", "10", 0},
        {"12:00", "30", "20:00", "10", IDS_RASTER_START_AM},
        {"8:00", "31", "20:00", "10", IDS_RASTER_SCHRITT_AM},
        {"8:00", "0", "20:00", "10", IDS_RASTER_SCHRITT_AM},
        {"8:00", "30", "19:59", "10", IDS_RASTER_START_PM},
        {"0", "1", "24:00", "1", IDS_RASTER_START_PM_SPAET},
        {"8:00", "30", "20:00", "11", IDS_RASTER_SCHRITT_PM},
        {"0", "1", "23:59", "0", IDS_RASTER_SCHRITT_PM},
    };
    for (const auto& f : faelle) {
        TagesRaster r;
        EXPECT_EQ(PruefeRaster(f.startAM, f.stepAM, f.startPM, f.stepPM, r), f.meldung) << f.startAM << " " << f.stepAM
                                                                                         << " " << f.startPM << " " << f.stepPM;
    }
    TagesRaster r;
    ASSERT_EQ(PruefeRaster("8", "30", "20", "10", r), 0);
    EXPECT_EQ(std::vector<int>({r.StartAM, r.StartPM, r.StepPM}), std::vector<int>({480, 1200, 10}));
}
