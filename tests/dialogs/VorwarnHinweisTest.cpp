// The warning notice's rules without its window: set-up values, OK (moving, two-digit
// years, warn again, done, refused input) and the program reference; the lead-time fields.
#include "dialogs/VorwarnHinweis.h"

#include "core/ResourceIds.h"
#include "reminders/ReminderIds.h"
#include "store/DatumText.h"
#include "store/TerminFixtures.h"

#include <gtest/gtest.h>

namespace {
const Zeitpunkt Jetzt12 = MachZeitpunkt(2026, 12, 5, 12, 0);

Termin Beispiel() {
    Termin t = MachTermin(2026, 12, 7, 14, 30, 15, 45, 0, "Besprechung");
    t.Vorwarnung = MachZeitpunkt(2026, 12, 5, 11, 0);
    return t;
}

HinweisEingabe Eingabe(const std::string& datum, const std::string& zeit) {
    HinweisEingabe e;
    e.Datum = datum;
    e.Zeit = zeit;
    return e;
}
}  // namespace

TEST(VorwarnHinweis, SetupShowsTheTimeLeftAndPreChecksDoneWhenTheStartHasPassed) {
    const struct {
        const char* name;
        Zeitpunkt start, warnung;
        long tage, stunden, minuten;
        bool erledigt;
    } faelle[] = {
        {"future start", MachZeitpunkt(2026, 12, 7, 14, 30), MachZeitpunkt(2026, 12, 5, 11, 0), 2, 2, 30, false},
        {"one minute left", MachZeitpunkt(2026, 12, 5, 12, 1), MachZeitpunkt(2026, 12, 5, 11, 0), 0, 0, 1, false},
        {"start now", MachZeitpunkt(2026, 12, 5, 12, 0), MachZeitpunkt(2026, 12, 5, 11, 0), 0, 0, 0, true},
        {"start passed", MachZeitpunkt(2026, 12, 4, 9, 0), MachZeitpunkt(2026, 12, 4, 8, 0), 0, 0, 0, true},
        {"no warning", MachZeitpunkt(2026, 12, 9, 9, 0), Zeitpunkt{}, 0, 0, 0, true},
    };
    for (const auto& f : faelle) {
        Termin t = Beispiel();
        t.Start = f.start;
        t.Vorwarnung = f.warnung;
        const HinweisAnzeige a = ZeigeHinweis(t, Jetzt12);
        EXPECT_EQ(std::vector<long>({a.Rest.Tage, a.Rest.Stunden, a.Rest.Minuten, a.Erledigt}),
                  std::vector<long>({f.tage, f.stunden, f.minuten, f.erledigt})) << f.name;
    }
}

TEST(VorwarnHinweis, SetupTextsPriorityAndAddressButton) {
    Termin t = MachTermin(2026, 3, 7, 9, 5, 10, 0);
    HinweisAnzeige a = ZeigeHinweis(t, Jetzt12);
    EXPECT_EQ(a.Datum + "|" + a.Zeit + "|" + std::to_string(a.Adresse), " 7.03.2026|09:05|0");
    t.Flags = FlagOhneZeit;
    t.AdrId = 4;
    a = ZeigeHinweis(t, Jetzt12);
    EXPECT_EQ(a.Zeit + "|" + std::to_string(a.Adresse), "|1");
    const int texte[4] = {IDS_PRIO_NORMAL, IDS_PRIO_WENIGER_WICHTIG, IDS_PRIO_WICHTIG, IDS_PRIO_SEHR_WICHTIG};
    for (int p = 0; p < 4; ++p) {
        t.SetzePrioritaet(p);
        EXPECT_EQ(ZeigeHinweis(t, Jetzt12).PrioritaetText, texte[p]);
    }
}

TEST(VorwarnHinweis, OkMovesTheEndWithTheStartAndReadsTwoDigitYears) {
    const struct {
        const char *datum, *zeit;
        Zeitpunkt start, ende;
        bool ohneZeit;
    } faelle[] = {
        {"8.12.2026", "14:30", MachZeitpunkt(2026, 12, 8, 14, 30), MachZeitpunkt(2026, 12, 8, 15, 45), false},
        {"7.12.95", "9.5", MachZeitpunkt(1995, 12, 7, 9, 5), MachZeitpunkt(1995, 12, 7, 10, 20), false},
        {"7.12.05", "", MachZeitpunkt(2005, 12, 7, 0, 0), MachZeitpunkt(2005, 12, 7, 1, 15), true},
        {"7.12.100", "14-30", MachZeitpunkt(100, 12, 7, 14, 30), MachZeitpunkt(100, 12, 7, 15, 45), false},
    };
    for (const auto& f : faelle) {
        Termin neu;
        ASSERT_EQ(UebernimmHinweis(Beispiel(), Eingabe(f.datum, f.zeit), Jetzt12, neu), HinweisOk::Gespeichert) << f.datum;
        EXPECT_EQ(std::make_pair(neu.Start, neu.Ende), std::make_pair(f.start, f.ende)) << f.datum;
        EXPECT_TRUE(neu.Hat(FlagOhneZeit) == f.ohneZeit && std::string(neu.Kurzbeschr) == "Besprechung") << f.datum;
        EXPECT_EQ(neu.Vorwarnung.Jahr, 0) << f.datum;  // warn again unchecked
    }
}

TEST(VorwarnHinweis, OkRefusesUnreadableDatesAndTimesAndWarnAgainWithDone) {
    Termin neu = Beispiel();
    for (const char* datum : {"7.12", "", "7..2026", "31.2.2026", "1.13.2026"})
        EXPECT_EQ(UebernimmHinweis(Beispiel(), Eingabe(datum, "10:00"), Jetzt12, neu), HinweisOk::Ungueltig) << datum;
    EXPECT_EQ(UebernimmHinweis(Beispiel(), Eingabe("7.12.2026", "24:10"), Jetzt12, neu), HinweisOk::Ungueltig);
    HinweisEingabe e = Eingabe("7.12.2026", "14:30");
    e.Wieder = e.Erledigt = true;
    EXPECT_EQ(UebernimmHinweis(Beispiel(), e, Jetzt12, neu), HinweisOk::WiederUndErledigt);
    EXPECT_EQ(neu.Start, Beispiel().Start);  // untouched
}

TEST(VorwarnHinweis, WarnAgainSetsTheLeadBeforeTheNewStartButNeverAnAlreadyDueTime) {
    const struct {
        const char *tage, *stunden, *minuten;
        Zeitpunkt warnung;
    } faelle[] = {
        {"0", "1", "30", MachZeitpunkt(2026, 12, 7, 13, 0)},
        {"2", "0", "0", MachZeitpunkt(2026, 12, 5, 14, 30)},
        {"2", "2", "30", MachZeitpunkt(2026, 12, 5, 12, 5)},   // now: again in 5 minutes
        {"9", "0", "0", MachZeitpunkt(2026, 12, 5, 12, 5)},    // in the past
        {"x", "", "-5", MachZeitpunkt(2026, 12, 7, 14, 30)},   // no digits, negative: 0
    };
    for (const auto& f : faelle) {
        HinweisEingabe e = Eingabe("7.12.2026", "14:30");
        e.Wieder = true;
        e.Tage = f.tage;
        e.Stunden = f.stunden;
        e.Minuten = f.minuten;
        Termin neu;
        ASSERT_EQ(UebernimmHinweis(Beispiel(), e, Jetzt12, neu), HinweisOk::Gespeichert);
        EXPECT_EQ(neu.Vorwarnung, f.warnung) << f.tage << "/" << f.stunden << "/" << f.minuten;
    }
}

TEST(VorwarnHinweis, DoneSetsBothFlagsAndUncheckedClearsOnlyTheDoneFlag) {
    Termin alt = Beispiel();
    alt.Flags = FlagManuellErledigt | FlagErledigt;
    Termin neu;
    ASSERT_EQ(UebernimmHinweis(alt, Eingabe("7.12.2026", "14:30"), Jetzt12, neu), HinweisOk::Gespeichert);
    EXPECT_EQ(neu.Flags, FlagManuellErledigt);
    HinweisEingabe e = Eingabe("7.12.2026", "14:30");
    e.Erledigt = true;
    alt.Flags = 0;
    ASSERT_EQ(UebernimmHinweis(alt, e, Jetzt12, neu), HinweisOk::Gespeichert);
    EXPECT_EQ(neu.Flags, FlagManuellErledigt | FlagErledigt);
}

TEST(VorwarnHinweis, MonthFirstOrderReadsTheMonthFirst) {
    SetzeDatumsformat('/', false);
    Termin neu;
    const HinweisOk ok = UebernimmHinweis(Beispiel(), Eingabe("12/8/2026", "14:30"), Jetzt12, neu);
    SetzeDatumsformat('.', true);
    ASSERT_EQ(ok, HinweisOk::Gespeichert);
    EXPECT_EQ(neu.Start, MachZeitpunkt(2026, 12, 8, 14, 30));
}

TEST(VorwarnHinweis, ProgramReferenceEndsDoneWithoutWarningAndItsStartResultsHaveMessages) {
    Termin t = Beispiel();
    t.Flags = FlagProgramm | FlagOhneEnde;
    ProgrammVerweisErledigt(t);
    EXPECT_TRUE(t.Flags == (FlagOhneEnde | FlagManuellErledigt | FlagErledigt) && t.Vorwarnung.Jahr == 0);
    const std::pair<unsigned, int> faelle[] = {{0, IDS_PROG_KEIN_SPEICHER}, {2, IDS_DATEI_NICHT_GEFUNDEN},
                                               {3, IDS_PROG_PFAD_FEHLT},    {5, IDS_PROG_FEHLER},
                                               {31, IDS_PROG_FEHLER},       {32, 0}};
    for (const auto& [ergebnis, meldung] : faelle) EXPECT_EQ(ProgrammStartMeldung(ergebnis), meldung) << ergebnis;
}

// The lead-time split and read-back are pinned through the notice above.
TEST(Vorlauf, HugeLeadStopsAtYearOneNotYearZero) {
    EXPECT_EQ(WarnungVor(MachZeitpunkt(2026, 12, 7, 14, 30), VorlaufMinuten("99999999", "0", "0")), MachZeitpunkt(1, 1, 1));
}
