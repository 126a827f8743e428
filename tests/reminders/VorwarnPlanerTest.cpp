// The reminder scheduler with an injected clock: the plan and its status text, due
// warnings oldest first and once per due time, Cancel = again in 5 minutes, the sound on the
// second tick, no second notice while one is open, and a simulated week across a restart.
#include "reminders/VorwarnPlaner.h"
#include "store/DatumText.h"
#include "store/RecordRef.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <set>
#include <utility>

namespace {
// The calendar window as far as the scheduler sees it: change notices replan at once (the
// collection sends them synchronously), the clock is a counter, notices run a script.
class Fenster : public FakeHost, public VorwarnAnzeige {
public:
    uint32_t minute = ToMinutes(MachZeitpunkt(2026, 12, 7, 8, 0));
    int sekunde = 0;
    VorwarnPlaner* planer = nullptr;
    std::function<void(int slot)> aktion;  // what the user does in the notice
    std::function<void()> tippt;           // a line typed in the calendar, stored when editing ends
    std::vector<std::string> toene;
    std::string uhr;
    int offen = 0, tiefe = 0;  // notices open now / at most at once
    bool dialog = false;       // another dialog of the program is open

    LocalTime Now() override {
        const Zeitpunkt z = FromMinutes(minute);
        return LocalTime{z.Jahr, z.Monat, z.Tag, z.Stunde, z.Minute, sekunde};
    }
    intptr_t SendToMain(unsigned msg, uintptr_t w, intptr_t l) override {
        FakeHost::SendToMain(msg, w, l);
        if (msg == Msg::ListChanged && planer) planer->PlaneVorwarnungen();
        return 0;
    }
    void Hinweis(int slot) override {
        tiefe = std::max(tiefe, ++offen);
        if (aktion) aktion(slot);
        --offen;
    }
    void Ton(const std::string& datei) override { toene.push_back(datei); }
    void Uhr(const std::string& text) override { uhr = text; }
    void Neuzeichnen() override {
        if (auto zeile = std::exchange(tippt, nullptr)) zeile();
    }
    bool DialogOffen() const override { return dialog; }

    void Sekunden(int n) {
        sekunde += n;
        minute += uint32_t(sekunde / 60);
        sekunde %= 60;
    }
};

Termin Mit(const Zeitpunkt& start, const Zeitpunkt& warnung, const char* text, uint16_t flags = 0) {
    Termin t;
    t.Start = start;
    t.Ende = start;
    t.Vorwarnung = warnung;
    t.Flags = flags;
    t.SetzeKurzbeschr(text);
    return t;
}

// Replaces the record like the notice's OK: delete, then insert the changed copy.
void Ersetze(ClsListe& liste, int slot, const std::function<void(Termin&)>& aendern) {
    Termin t = liste.Satz(slot);
    aendern(t);
    liste.SetzeAktuell(&liste.Satz(slot));
    liste.LoescheAktuell();
    liste.Einfuegen(t);
}

class VorwarnPlanerTest : public testing::Test {
protected:
    void SetUp() override { fenster.planer = &planer; }
    void Neu(const Termin& t) {
        liste.Laedt = true;  // as loaded from a file: no change notices
        liste.Einfuegen(t);
        liste.Laedt = false;
    }
    Zeitpunkt Um(int tag, int stunde, int minute) { return MachZeitpunkt(2026, 12, tag, stunde, minute); }
    std::string Kurz(int slot) { return liste.Satz(slot).Kurzbeschr; }

    Fenster fenster;
    ClsListe liste;
    AlarmSound toene[AlarmKindCount];
    VorwarnPlaner planer{liste, fenster, fenster, toene};
};
}  // namespace

TEST_F(VorwarnPlanerTest, PlanTakesTheEarliestFutureWarningOfOpenRecords) {
    struct Fall {
        const char* name;
        std::vector<Termin> termine;
        const char* status;  // Windows-1252
    };
    const Fall faelle[] = {
        {"empty", {}, "Keine Vorwarnung ausstehend."},
        {"done and warning-less records are skipped",
         {Mit(Um(9, 10, 0), Um(7, 9, 0), "Erledigt", FlagErledigt), Mit(Um(9, 11, 0), {}, "Ohne"),
          Mit(Um(9, 12, 0), Um(8, 7, 5), "Offen")},
         "N\xE4" "chste Vorwarnung: 07:05 Uhr am 08.12.2026 \x96 Offen"},
        {"ties name the last record in collection order",
         {Mit(Um(9, 10, 0), Um(8, 9, 0), "Erster"), Mit(Um(10, 10, 0), Um(8, 9, 0), "Zweiter"),
          Mit(Um(11, 10, 0), Um(8, 9, 1), "Spaeter")},
         "N\xE4" "chste Vorwarnung: 09:00 Uhr am 08.12.2026 \x96 Zweiter"},
        {"a later start with an earlier warning wins",
         {Mit(Um(9, 10, 0), Um(9, 9, 0), "Frueh"), Mit(Um(20, 10, 0), Um(8, 23, 59), "Spaet")},
         "N\xE4" "chste Vorwarnung: 23:59 Uhr am 08.12.2026 \x96 Spaet"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        liste.Leeren();
        liste.Reserviere(ClsListe::StartKapazitaet);
        for (const Termin& t : f.termine) Neu(t);
        fenster.posted.clear();
        planer.PlaneVorwarnungen();
        EXPECT_EQ(planer.StandardStatusText(), f.status);
        EXPECT_EQ(planer.NaechsteVorwarnung().Jahr, f.termine.empty() ? KeineVorwarnung : 2026);
        ASSERT_EQ(fenster.posted.size(), 1u);
        const FakeHost::Posted& p = fenster.posted[0];
        EXPECT_TRUE(p.msg == Msg::StatusText && p.wParam == 0 && p.lParam == 0);
    }
    EXPECT_EQ(fenster.tiefe, 0);
}

TEST_F(VorwarnPlanerTest, TickShowsTheFirstOfTwoEqualWarningsAndTheReplanTheSecondAtOnce) {
    Neu(Mit(Um(7, 9, 0), Um(7, 8, 1), "Erster"));
    Neu(Mit(Um(7, 9, 30), Um(7, 8, 1), "Zweiter"));
    std::vector<std::string> gezeigt;
    fenster.aktion = [&](int slot) {
        gezeigt.push_back(Kurz(slot));
        Ersetze(liste, slot, [](Termin& t) { t.Flags |= FlagErledigt | FlagManuellErledigt; });
    };
    planer.PlaneVorwarnungen();
    for (int sekunden : {0, 59}) {
        fenster.Sekunden(sekunden);
        planer.Takt();
        EXPECT_TRUE(gezeigt.empty());
    }
    fenster.Sekunden(1);
    planer.Takt();
    EXPECT_EQ(gezeigt, (std::vector<std::string>{"Erster", "Zweiter"}));
    EXPECT_EQ(planer.NaechsteVorwarnung().Jahr, KeineVorwarnung);
    EXPECT_TRUE(liste.Geaendert);
}

TEST_F(VorwarnPlanerTest, CancelRemindsAgainFiveMinutesLaterAndNotBefore) {
    Neu(Mit(Um(7, 9, 0), Um(7, 8, 0), "Zahnarzt"));
    std::vector<uint32_t> gezeigtUm;
    fenster.aktion = [&](int) { gezeigtUm.push_back(fenster.minute); };  // Cancel: nothing changed
    planer.PlaneVorwarnungen();
    for (int s = 0; s < 11 * 60; ++s) {
        planer.Takt();
        fenster.Sekunden(1);
    }
    const uint32_t acht = ToMinutes(Um(7, 8, 0));
    EXPECT_EQ(gezeigtUm, (std::vector<uint32_t>{acht, acht + 5, acht + 10}));
    EXPECT_EQ(liste.Satz(0).Vorwarnung, Um(7, 8, 15));
}

// Like the calendar's editor: the typed line replaces the record it was opened on, or is
// inserted as a new one when that record has changed meanwhile.
TEST_F(VorwarnPlanerTest, LineTypedIntoADueAppointmentIsStoredBeforeItsNotice) {
    Neu(Mit(Um(7, 9, 0), Um(7, 8, 0), "Post holen"));
    const Termin geoeffnet = liste.Satz(0);
    fenster.tippt = [&] {
        Termin getippt = geoeffnet;
        getippt.SetzeKurzbeschr("Post holen Briefe");
        int slot = 0;
        while (slot < liste.Anzahl() && !SameRecord(liste.Satz(slot), geoeffnet)) ++slot;
        if (slot < liste.Anzahl()) Ersetze(liste, slot, [&](Termin& t) { t = getippt; });
        else liste.Einfuegen(getippt);
    };
    std::vector<std::string> gezeigt;
    fenster.aktion = [&](int slot) {
        gezeigt.push_back(Kurz(slot));
        Ersetze(liste, slot, [](Termin& t) { t.Flags |= FlagErledigt | FlagManuellErledigt; });
    };
    fenster.minute = ToMinutes(Um(7, 7, 59));
    planer.PlaneVorwarnungen();
    for (int i = 0; i < 3; ++i) {
        fenster.Sekunden(60);
        planer.Takt();
    }
    EXPECT_EQ(gezeigt, std::vector<std::string>{"Post holen Briefe"});
    ASSERT_EQ(liste.Anzahl(), 1);
    EXPECT_TRUE(liste.Satz(0).Hat(FlagErledigt));
}

// An open dialog may hold records that a notice would replace: the notice waits for it.
TEST_F(VorwarnPlanerTest, DueWarningWaitsUntilAnotherDialogIsClosed) {
    Neu(Mit(Um(7, 9, 0), Um(7, 8, 0), "Zahnarzt"));
    std::vector<std::string> gezeigt;
    fenster.aktion = [&](int slot) { gezeigt.push_back(Kurz(slot)); };
    fenster.dialog = true;
    planer.PlaneVorwarnungen();
    for (int i = 0; i < 3; ++i) planer.Takt();
    EXPECT_TRUE(gezeigt.empty());
    fenster.dialog = false;
    planer.Takt();
    EXPECT_EQ(gezeigt, std::vector<std::string>{"Zahnarzt"});
}

TEST_F(VorwarnPlanerTest, SoundOnTheSecondTickOfTheNoticeByPriority) {
    struct Fall {
        int prioritaet;
        bool an;
        const char* datei;
        std::vector<std::string> erwartet;
    };
    const Fall faelle[] = {
        {2, true, "C:\\klang\\wichtig.wav", {"C:\\klang\\wichtig.wav"}},
        {0, true, "", {""}},  // empty file: three system beeps
        {3, false, "C:\\aus.wav", {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.prioritaet);
        liste.Leeren();
        liste.Reserviere(ClsListe::StartKapazitaet);
        for (AlarmSound& t : toene) t = AlarmSound{};
        toene[f.prioritaet].Enabled = f.an;
        std::snprintf(toene[f.prioritaet].File, sizeof toene[0].File, "%s", f.datei);
        Termin t = Mit(Um(7, 9, 0), Um(7, 8, 0), "Ton");
        t.SetzePrioritaet(f.prioritaet);
        Neu(t);
        fenster.toene.clear();
        std::vector<size_t> nachTakt;
        fenster.aktion = [&](int slot) {
            for (int i = 0; i < 4; ++i) {  // ticks keep arriving while the notice is open
                fenster.Sekunden(1);
                planer.Takt();
                nachTakt.push_back(fenster.toene.size());
            }
            Ersetze(liste, slot, [](Termin& r) { r.Vorwarnung.Jahr = 0; });
        };
        planer.PlaneVorwarnungen();
        EXPECT_EQ(fenster.toene, f.erwartet);
        const size_t n = f.erwartet.size();
        EXPECT_EQ(nachTakt, (std::vector<size_t>{0, n, n, n}));
        EXPECT_EQ(fenster.tiefe, 1);
    }
}

TEST_F(VorwarnPlanerTest, ChangesAndTicksDuringANoticeOpenNoSecondNotice) {
    Neu(Mit(Um(7, 9, 0), Um(7, 7, 0), "Erster"));
    Neu(Mit(Um(7, 9, 30), Um(7, 7, 30), "Zweiter"));
    std::vector<std::string> gezeigt;
    fenster.aktion = [&](int slot) {
        gezeigt.push_back(Kurz(slot));
        // A new due appointment and a replaced record while the notice is open.
        if (gezeigt.size() == 1) liste.Einfuegen(Mit(Um(7, 10, 0), Um(7, 6, 0), "Neu"));
        for (int i = 0; i < 3; ++i) {
            fenster.Sekunden(1);
            planer.Takt();
        }
        int jetzt = 0;  // the insert may have moved the record
        while (Kurz(jetzt) != gezeigt.back()) ++jetzt;
        Ersetze(liste, jetzt, [](Termin& t) { t.Vorwarnung.Jahr = 0; });
    };
    planer.PlaneVorwarnungen();
    EXPECT_EQ(fenster.tiefe, 1);
    EXPECT_EQ(gezeigt, (std::vector<std::string>{"Erster", "Neu", "Zweiter"}));
    EXPECT_EQ(planer.NaechsteVorwarnung().Jahr, KeineVorwarnung);
}

TEST_F(VorwarnPlanerTest, ClockTextFollowsTheRegionalOrderEverySecond) {
    struct Fall {
        char trenner;
        bool tagZuerst;
        const char* text;
    };
    for (const Fall& f : {Fall{'.', true, "07.12.2026  08:00:09"}, Fall{'/', false, "12/07/2026  08:00:09"}}) {
        SetzeDatumsformat(f.trenner, f.tagZuerst);
        fenster.sekunde = 9;
        planer.Takt();
        EXPECT_EQ(fenster.uhr, f.text);
    }
    SetzeDatumsformat('.', true);
}

// 1,000 warnings over a week, ticks every 20 seconds, the program closed for ten hours
// in the middle: every warning is shown exactly once per due time, on time while the
// program runs, and the ones that fell due while it was closed oldest first at start.
TEST_F(VorwarnPlanerTest, SimulatedWeekShowsEachWarningOncePerDueTimeAcrossARestart) {
    constexpr int Anzahl = 1000;
    std::mt19937 zufall(1000);
    const uint32_t beginn = fenster.minute;
    for (int id = 1; id <= Anzahl; ++id) {
        const uint32_t warnung = beginn + 1 + zufall() % (7 * 1440 - 120);
        Termin t = Mit(FromMinutes(warnung + zufall() % 120), FromMinutes(warnung), "Woche");
        t.AdrId = uint16_t(id);  // identifies the record across replacements
        t.SetzePrioritaet(id % 4);
        Neu(t);
    }
    std::map<std::pair<int, uint32_t>, int> gezeigt;  // (id, due minute) -> times shown
    std::map<int, int> anzahl;
    std::vector<uint32_t> nachholung;  // due minutes shown by the catch-up at start
    bool beimStart = false;
    int zuSpaet = 0;
    fenster.aktion = [&](int slot) {
        const Termin& t = liste.Satz(slot);
        const uint32_t faellig = ToMinutes(t.Vorwarnung);
        ++gezeigt[{t.AdrId, faellig}];
        if (beimStart) nachholung.push_back(faellig);
        else zuSpaet += fenster.minute > faellig + 1;  // several due in one minute may spill over
        fenster.Sekunden(1);
        fenster.planer->Takt();
        const int id = t.AdrId;
        if (anzahl[id]++ > 0 || id % 4 == 0) {
            Ersetze(liste, slot, [](Termin& r) { r.Flags |= FlagErledigt | FlagManuellErledigt; });
        } else if (id % 4 == 1) {
            // Cancel: left as it is.
        } else if (id % 4 == 2) {
            const uint32_t jetzt = fenster.minute;
            Ersetze(liste, slot, [&](Termin& r) { r.Vorwarnung = FromMinutes(jetzt + 90); });
        } else {
            Ersetze(liste, slot, [](Termin& r) { r.Vorwarnung.Jahr = 0; });
        }
    };

    auto laufe = [&](VorwarnPlaner& p, uint32_t bis) {
        while (fenster.minute < bis) {
            p.Takt();
            fenster.Sekunden(20);
        }
    };
    planer.PlaneVorwarnungen();
    const uint32_t geschlossen = beginn + 3 * 1440 + 600;
    laufe(planer, geschlossen);

    // Restart: the collection stays as saved, the clock runs on while nothing ticks.
    fenster.minute += 600;
    {
        VorwarnPlaner neu(liste, fenster, fenster, toene);
        fenster.planer = &neu;
        beimStart = true;
        neu.PlaneVorwarnungen();
        beimStart = false;
        laufe(neu, beginn + 8 * 1440);
        fenster.planer = &planer;
    }

    for (const auto& [schluessel, mal] : gezeigt) EXPECT_EQ(mal, 1) << "id " << schluessel.first;
    for (int id = 1; id <= Anzahl; ++id) EXPECT_EQ(anzahl[id], id % 4 == 0 || id % 4 == 3 ? 1 : 2) << id;
    EXPECT_FALSE(nachholung.empty());
    EXPECT_TRUE(std::is_sorted(nachholung.begin(), nachholung.end()));
    EXPECT_EQ(zuSpaet, 0);
    EXPECT_EQ(fenster.tiefe, 1);
    for (int i = 0; i < liste.Anzahl(); ++i) EXPECT_TRUE(liste.Satz(i).Hat(FlagErledigt) || liste.Satz(i).Vorwarnung.Jahr == 0);
}
