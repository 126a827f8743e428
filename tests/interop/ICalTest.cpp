// iCalendar export and import: the round trip keeps every field both sides hold, samples in
// the styles of common calendar programs import as expected, rules expand to the right
// days, damaged files insert nothing, and 10,000 events import fast.
#include "interop/ICalExport.h"
#include "interop/ICalImport.h"
#include "interop/Inhaltszeile.h"
#include "interop/Zeichensatz.h"
#include "store/JahresKopien.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {
// UTC+1 all year: UTC and TZID times show the zone arithmetic without the test machine's zone.
struct PlusEineStunde : Ortszeit {
    Zeitpunkt AusUtc(const Zeitpunkt& utc) const override { return FromMinutes(ToMinutes(utc) + 60); }
};

const Zeitpunkt Stempel = MachZeitpunkt(2026, 12, 5, 11, 0);

struct Fixture : ::testing::Test {
    Fixture() {
        liste.Reserviere(ClsListe::StartKapazitaet);
        adressen.Initialisieren();
    }
    ICalErgebnis Lies(const std::string& text) { return LiesICal(text, adressen, PlusEineStunde()); }
    FakeHost host;
    ClsListe liste;
    ClsAdrListe adressen;
};

std::string Kalender(const std::string& inhalt) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:test\r\n" + inhalt + "END:VCALENDAR\r\n";
}

std::string Zeit(const Zeitpunkt& z) {
    char b[32];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d %02d:%02d", z.Jahr, z.Monat, z.Tag, z.Stunde, z.Minute);
    return b;
}

// A web calendar: folded lines, VTIMEZONE with summer time, a weekly meeting with an
// EXDATE and a moved instance, a yearly birthday, an alarm.
const std::string Berlin =
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"
    "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nDTSTART:19700329T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nDTSTART:19701025T030000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
const std::string Web = Kalender(Berlin +
    "BEGIN:VEVENT\r\nUID:w1\r\nDTSTART;TZID=Europe/Berlin:20250320T100000\r\n"
    "DTEND;TZID=Europe/Berlin:20250320T110000\r\nRRULE:FREQ=WEEKLY;COUNT=4\r\n"
    "EXDATE;TZID=Europe/Berlin:20250327T100000\r\nSUMMARY:Teambespre\r\n chung M\xC3\xBC\r\n nchen\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:w1\r\nRECURRENCE-ID;TZID=Europe/Berlin:20250403T100000\r\n"
    "DTSTART;TZID=Europe/Berlin:20250404T140000\r\nSUMMARY:Verschoben\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:b1\r\nDTSTART;VALUE=DATE:19800229\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Geburtstag\r\nEND:VEVENT\r\n");

std::vector<std::string> Starts(const ICalErgebnis& e) {
    std::vector<std::string> s;
    for (const Termin& t : e.Termine) s.push_back(Zeit(t.Start));
    return s;
}
}  // namespace

using ICal = Fixture;

TEST_F(ICal, RoundTripKeepsEveryFieldBothSidesHold) {
    host.now = {2026, 1, 1, 12, 0, 0};  // every warning still ahead
    Adresse a;
    Adresse::Setze(a.FIRMA, "M\xFCller GmbH");
    Adresse::Setze(a.NAME1, "J\xFCrgen");
    Adresse::Setze(a.SORT, "MUELLER");
    a.ID = adressen.NeueId();
    ASSERT_GE(adressen.EinfuegenSortiert(a), 0);

    std::vector<Termin> alle;
    Termin t = MachTermin(2026, 3, 14, 9, 30, 10, 45, FlagErledigt | FlagManuellErledigt, "Gr\xFC\xDF" "e; an, alle\\");
    t.Beschr = std::string(300, 'x') + "\r\nZeile 2 \x80 #[C:\\prog.exe]";
    t.SetzePrioritaet(3);
    t.Vorwarnung = MachZeitpunkt(2026, 3, 13, 9, 30);
    t.AdrId = a.ID;
    alle.push_back(t);
    alle.push_back(MachTermin(2026, 3, 15, 0, 0, 0, 0, FlagOhneZeit | FlagOhneEnde, "Ganzer Tag"));
    Termin ohneEnde = MachTermin(2026, 3, 16, 18, 0, 0, 0, FlagOhneEnde, "Ohne Ende");
    ohneEnde.SetzePrioritaet(1);
    alle.push_back(ohneEnde);
    for (int k = 0; k < 3; ++k) {  // a series of three
        Termin s = MachTermin(2026, 4, 1 + 7 * k, 8, 0, 9, 0, 0, "Serie");
        s.Id = 5;
        s.SetzePrioritaet(2);
        alle.push_back(s);
    }
    Termin geburtstag = MachTermin(2026, 6, 2, 0, 0, 0, 0, FlagOhneZeit | FlagOhneEnde | FlagJaehrlich, "Geburtstag");
    geburtstag.Ende = MachZeitpunkt(1, 0, 0);
    geburtstag.Id = 9;
    geburtstag.Vorwarnung = geburtstag.VorwarnBasis = MachZeitpunkt(2026, 6, 1, 0, 0);
    alle.push_back(geburtstag);
    for (const Termin& k : ErzeugeKopien(geburtstag)) alle.push_back(k);
    ASSERT_TRUE(liste.EinfuegenMehrere(alle));

    const std::string ics = ICalAusListe(liste, adressen, Stempel);
    EXPECT_EQ(ics.find("BEGIN:VEVENT", ics.find("Geburtstag") + 1), std::string::npos) << "no yearly copies";
    ICalErgebnis e = Lies(ics);
    ASSERT_EQ(e.FehlerZeile, 0);
    ASSERT_EQ(e.Termine.size(), 7u);

    ClsListe zurueck;
    zurueck.Reserviere(ClsListe::StartKapazitaet);
    ASSERT_TRUE(UebernimmTermine(zurueck, e));
    ASSERT_EQ(zurueck.Anzahl(), liste.Anzahl());
    const auto bild = [](const Termin& t) {
        return Zeit(t.Start) + " " + Zeit(t.Ende) + " W " + Zeit(t.Vorwarnung) + " B " + Zeit(t.VorwarnBasis) + " f " +
               std::to_string(t.Flags) + " [" + t.Kurzbeschr + "] [" + t.Beschr + "] adr " + std::to_string(t.AdrId) +
               (t.Id ? " serie" : "");
    };
    for (int i = 0; i < liste.Anzahl(); ++i) EXPECT_EQ(bild(zurueck.Satz(i)), bild(liste.Satz(i)));
    EXPECT_EQ(zurueck.Satz(3).Id, zurueck.Satz(5).Id) << "the series stays one series";
}

TEST_F(ICal, YearlyWarningIsExportedAfterTheMastersOwnWasAnswered) {
    Termin g = MachJahresMaster(2020, 6, 2, 0, 0, 0, 0, "Geburtstag", 9);
    g.Flags |= FlagOhneZeit | FlagOhneEnde;
    g.VorwarnBasis = MachZeitpunkt(2020, 6, 1, 0, 0);  // Vorwarnung.Jahr 0: answered in 2020
    ASSERT_TRUE(liste.Einfuegen(g));
    const ICalErgebnis e = Lies(ICalAusListe(liste, adressen, Stempel));
    ASSERT_EQ(e.Termine.size(), 1u);
    EXPECT_EQ(Zeit(e.Termine[0].VorwarnBasis), "2020-06-01 00:00");
}

// Folding and CRLF are the line writer's (Inhaltszeile test).
TEST_F(ICal, ExportIsUtf8WithStableUids) {
    const Termin t = MachTermin(2026, 1, 2, 10, 0, 11, 0, 0, "\xC4rger");
    ASSERT_TRUE(liste.Einfuegen(t));
    ASSERT_TRUE(liste.Einfuegen(t));  // the same twice: still two UIDs
    const std::string ics = ICalAusListe(liste, adressen, Stempel);
    EXPECT_NE(ics.find("SUMMARY:\xC3\x84rger\r\n"), std::string::npos);
    std::vector<std::string> uids;
    for (size_t p = 0; (p = ics.find("\r\nUID:", p + 1)) != std::string::npos;)
        uids.push_back(ics.substr(p, ics.find("\r\n", p + 2) - p + 2));
    ASSERT_EQ(uids.size(), 2u);
    EXPECT_NE(uids[0], uids[1]);
    const std::string spaeter = ICalAusListe(liste, adressen, MachZeitpunkt(2027, 1, 1, 0, 0));
    for (const std::string& uid : uids) EXPECT_NE(spaeter.find(uid), std::string::npos);
}

TEST_F(ICal, SamplesInTheStylesOfCommonProgramsImport) {
    ICalErgebnis e = Lies(Web);
    ASSERT_EQ(e.FehlerZeile, 0);
    // 10:00 Berlin is 09:00 UTC in winter (10:00 here) and 08:00 UTC in summer (09:00 here).
    EXPECT_EQ(Starts(e), (std::vector<std::string>{"2025-03-20 10:00", "2025-04-10 09:00", "2025-04-04 13:00",
                                                    "1980-02-29 00:00"}));
    EXPECT_STREQ(e.Termine[0].Kurzbeschr, "Teambesprechung M\xFCnchen");
    EXPECT_EQ(Zeit(e.Termine[0].Vorwarnung), "2025-03-20 09:45");
    EXPECT_EQ(e.Termine[0].Ende.Stunde, 11);
    EXPECT_TRUE(e.Termine[0].Id == e.Termine[1].Id && e.Termine[0].Id != 0);
    EXPECT_EQ(e.Termine[3].Flags, FlagOhneZeit | FlagOhneEnde | FlagJaehrlich);
    // 02:30 in the spring gap counts as 01:30 UTC; TZID=UTC needs no VTIMEZONE (local time here is UTC+1).
    e = Lies(Kalender(Berlin + "BEGIN:VEVENT\r\nDTSTART;TZID=Europe/Berlin:20250330T023000\r\nEND:VEVENT\r\n"
                               "BEGIN:VEVENT\r\nDTSTART;TZID=UTC:20250330T100000\r\nEND:VEVENT\r\n"));
    EXPECT_EQ(Starts(e), (std::vector<std::string>{"2025-03-30 02:30", "2025-03-30 11:00"}));
    EXPECT_EQ(e.OhneZone, 0);

    // A desktop mail program: quoted TZID, UTC times, LF line ends, a multi-day event, a task.
    const std::string desktop =
        "BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nDTSTART:20250701T220000Z\nDTEND:20250703T080000Z\n"
        "SUMMARY:Reise\nPRIORITY:1\nEND:VEVENT\nBEGIN:VEVENT\nDTSTART;VALUE=DATE:20250801\n"
        "DTEND;VALUE=DATE:20250802\nSUMMARY:Urlaubstag\nDESCRIPTION:a\\nb\\, c\nEND:VEVENT\n"
        "BEGIN:VTODO\nSUMMARY:Aufgabe\nEND:VTODO\nEND:VCALENDAR\n";
    e = Lies(desktop);
    ASSERT_EQ(e.FehlerZeile, 0);
    EXPECT_EQ(Starts(e), (std::vector<std::string>{"2025-07-01 23:00", "2025-08-01 00:00"}));
    EXPECT_EQ(e.Termine[0].Flags, FlagOhneEnde | 0xC000);
    EXPECT_EQ(e.Termine[1].Beschr, "a\r\nb, c");
    EXPECT_EQ(e.Mehrtaegig, 1);
    EXPECT_EQ(e.Ausgelassen[AuslassungAufgabe], 1);
}

TEST_F(ICal, RulesExpandToTheRightDays) {
    const struct {
        const char* start;
        const char* regel;
        std::vector<std::string> erwartet;
    } faelle[] = {
        {"20250303T090000", "FREQ=WEEKLY;BYDAY=MO,WE;COUNT=4",
         {"2025-03-03 09:00", "2025-03-05 09:00", "2025-03-10 09:00", "2025-03-12 09:00"}},
        {"20250131T090000", "FREQ=MONTHLY;COUNT=3", {"2025-01-31 09:00", "2025-03-31 09:00", "2025-05-31 09:00"}},
        {"20250131T090000", "FREQ=MONTHLY;BYDAY=-1FR;COUNT=3",
         {"2025-01-31 09:00", "2025-02-28 09:00", "2025-03-28 09:00"}},
        {"20250101T080000", "FREQ=DAILY;INTERVAL=2;UNTIL=20250105T080000",
         {"2025-01-01 08:00", "2025-01-03 08:00", "2025-01-05 08:00"}},
        {"20240229T080000", "FREQ=YEARLY;COUNT=2", {"2024-02-29 08:00", "2028-02-29 08:00"}},
        {"20250510T080000", "FREQ=YEARLY;BYMONTH=5;BYDAY=2SU;COUNT=2", {"2025-05-10 08:00", "2025-05-11 08:00"}},
        {"20250101T080000", "FREQ=YEARLY;INTERVAL=1000;UNTIL=99991231T235959Z", {"2025-01-01 08:00", "3025-01-01 08:00"}},
        {"20250101T080000Z", "FREQ=DAILY;UNTIL=20250102T073000Z", {"2025-01-01 09:00"}},  // both in UTC
    };
    for (const auto& f : faelle) {
        const ICalErgebnis e = Lies(Kalender(std::string("BEGIN:VEVENT\r\nDTSTART:") + f.start + "\r\nRRULE:" + f.regel +
                                             "\r\nSUMMARY:x\r\nEND:VEVENT\r\n"));
        EXPECT_EQ(Starts(e), f.erwartet) << f.regel;
    }
    // Over the cap: the starts more than a year back (today is 5 December 2026) give way first.
    for (const auto& [start, erste] : {std::pair{"20150105T090000", "2025-12-08 09:00"}, {"20260601T090000", "2026-06-01 09:00"}}) {
        const ICalErgebnis endlos = Lies(Kalender(std::string("BEGIN:VEVENT\r\nDTSTART:") + start +
                                                  "\r\nRRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\n"));
        ASSERT_EQ(endlos.Termine.size(), size_t(MaxWiederholungen));
        EXPECT_EQ(Zeit(endlos.Termine[0].Start), erste);
        EXPECT_EQ(endlos.Abgeschnitten, 1);
    }
}

TEST_F(ICal, DamagedFilesInsertNothingAndSkippedEventsAreReported) {
    const struct {
        std::string text;
        int zeile;
    } kaputt[] = {
        {"", 1},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20250101\r\nEND:VEVENT\r\n", 4},  // cut off
        {Kalender("BEGIN:VEVENT\r\nDTSTART:20250101\r\nkein Doppelpunkt\r\nEND:VEVENT\r\n"), 6},
        {Kalender("BEGIN:VEVENT\r\nDTSTART:20250101\r\nEND:VTODO\r\n"), 6},
        {"BEGIN:VCARD\r\nEND:VCARD\r\n", 1},
    };
    for (const auto& k : kaputt) {
        const ICalErgebnis e = Lies(k.text);
        EXPECT_EQ(e.FehlerZeile, k.zeile) << k.text;
        EXPECT_TRUE(e.Termine.empty());
    }
    for (size_t n = 0; n + 2 < Web.size(); ++n) {  // a file cut anywhere gives nothing
        const ICalErgebnis e = Lies(Web.substr(0, n));
        ASSERT_TRUE(e.FehlerZeile > 0 && e.Termine.empty()) << n;
    }

    ICalErgebnis e = Lies(Kalender(
        "BEGIN:VEVENT\r\nSUMMARY:ohne Beginn\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART:20251301T100000\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART:17000101T100000\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART:99990101T100000\r\nDTEND:99990101T110000\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART:20250101T100000\r\nRRULE:FREQ=HOURLY\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART:20250101T100000\r\nSTATUS:CANCELLED\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART:20250101T100000\r\nSUMMARY:" + std::string(60, 'z') + "\r\nEND:VEVENT\r\n"));
    EXPECT_EQ(e.Ausgelassen[AuslassungOhneBeginn], 2);
    EXPECT_EQ(e.Ausgelassen[AuslassungBereich], 2);
    EXPECT_EQ(e.Ausgelassen[AuslassungRegel], 1);
    EXPECT_EQ(e.Ausgelassen[AuslassungAbgesagt], 1);
    EXPECT_EQ(e.Gekuerzt, 1);
    ASSERT_EQ(e.Termine.size(), 1u);

    host.answers = {Mb::IdNo};
    EXPECT_FALSE(UebernimmTermine(liste, e));
    EXPECT_EQ(liste.Anzahl(), 0);
    EXPECT_EQ(host.messages.back().text, "1 Termin importieren?");
    EXPECT_TRUE(UebernimmTermine(liste, e));
    EXPECT_EQ(liste.Anzahl(), 1);
    EXPECT_EQ(host.messages.back().text,
              "1 Termin gelesen.\n2 Termine ohne g\xFCltigen Beginn ausgelassen.\n"
              "2 Termine au\xDF" "erhalb der Jahre 1800 bis 3999 ausgelassen.\n"
              "1 Termin mit unbekannter Wiederholungsregel ausgelassen.\n1 abgesagter Termin ausgelassen.\n"
              "1 Kurztext auf 49 Zeichen gek\xFCrzt.");
}

// The host's clock stands at 5 December 2026, 12:00.
TEST_F(ICal, RemindersAlreadyPastAreNotTakenOver) {
    const std::string alarm = "BEGIN:VALARM\r\nTRIGGER:-PT45M\r\nEND:VALARM\r\nEND:VEVENT\r\n";
    ICalErgebnis e = Lies(Kalender("BEGIN:VEVENT\r\nDTSTART:20261205T124500\r\n" + alarm +
                                   "BEGIN:VEVENT\r\nDTSTART:20261205T124600\r\n" + alarm));
    ASSERT_TRUE(UebernimmTermine(liste, e));
    EXPECT_EQ(liste.Satz(0).Vorwarnung.Jahr, 0);
    EXPECT_EQ(Zeit(liste.Satz(1).Vorwarnung), "2026-12-05 12:01");
}

TEST_F(ICal, OldYearlyEventMovesOnToTheCurrentYears) {
    ICalErgebnis e = Lies(Kalender("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:19800312\r\nRRULE:FREQ=YEARLY\r\n"
                                   "BEGIN:VALARM\r\nTRIGGER:-P1D\r\nEND:VALARM\r\nEND:VEVENT\r\n"));
    ASSERT_TRUE(UebernimmTermine(liste, e));
    ASSERT_EQ(liste.Anzahl(), 20);
    EXPECT_EQ(Zeit(liste.Satz(0).Start), "2026-03-12 00:00");  // the first since a year ago
    EXPECT_EQ(Zeit(liste.Satz(0).VorwarnBasis), "2026-03-11 00:00");
    EXPECT_EQ(Zeit(liste.Satz(19).Vorwarnung), "2045-03-11 00:00");
    // A 29 February birthday keeps its day: its master stays in the last leap year.
    e = Lies(Kalender("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:19800229\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"));
    ASSERT_TRUE(UebernimmTermine(liste, e));
    EXPECT_EQ(Zeit(liste.Satz(0).Start), "2024-02-29 00:00");
}

TEST_F(ICal, TenThousandEventsImportWellUnderASecond) {
    std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    for (int i = 0; i < 10000; ++i) {
        const Zeitpunkt z = FromMinutes(ToMinutes(MachZeitpunkt(2025, 1, 1, 8, 0)) + uint32_t(i) * 97);
        char zeile[200];
        std::snprintf(zeile, sizeof zeile,
                      "BEGIN:VEVENT\r\nUID:%d@x\r\nDTSTART:%04d%02d%02dT%02d%02d00Z\r\nSUMMARY:Termin %d\r\n"
                      "BEGIN:VALARM\r\nTRIGGER:-PT10M\r\nEND:VALARM\r\nEND:VEVENT\r\n",
                      i, z.Jahr, z.Monat, z.Tag, z.Stunde, z.Minute, i);
        text += zeile;
    }
    text += "END:VCALENDAR\r\n";
    const auto anfang = std::chrono::steady_clock::now();
    ICalErgebnis e = Lies(text);
    ASSERT_TRUE(UebernimmTermine(liste, e));
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - anfang).count();
    EXPECT_EQ(liste.Anzahl(), 10000);
    EXPECT_LT(ms, 1000) << "sanitizer build; the release build is several times faster";
}

TEST(Zeichensatz, EveryWindows1252ByteSurvivesUtf8) {
    std::string alle;
    for (int b = 1; b < 256; ++b) alle += char(b);
    EXPECT_EQ(AnsiAusUtf8(Utf8AusAnsi(alle)), alle);
    EXPECT_EQ(Utf8AusAnsi("\x80\xFC"), "\xE2\x82\xAC\xC3\xBC");
    EXPECT_EQ(AnsiAusUtf8("\xE2\x98\x83 \xFC \xC3"), "? \xFC \xC3");  // no 1252 snowman; stray bytes as 1252
}

TEST(Inhaltszeile, FoldingKeepsUtf8SequencesWholeAndUnfoldsBack) {
    ZeilenSchreiber w;
    const std::string wert = std::string(62, 'a') + "\xC3\xBC\xE2\x82\xAC" + std::string(80, 'b');
    w.Zeile("DESCRIPTION", wert);  // the umlaut would end at octet 76: it starts the next line
    EXPECT_EQ(w.Text().substr(0, 79), "DESCRIPTION:" + std::string(62, 'a') + "\r\n \xC3\xBC");
    for (const char* ende : {"\r\n", "\n"}) {
        std::string text = w.Text();
        if (std::string(ende) == "\n")
            for (size_t p; (p = text.find("\r\n")) != std::string::npos;) text.erase(p, 1);
        const Zeilenliste zl = ZerlegeZeilen(text);
        ASSERT_EQ(zl.Zeilen.size(), 1u);
        EXPECT_EQ(zl.Zeilen[0].Wert, wert);
    }
    const Zeilenliste p = ZerlegeZeilen("item1.TEL;TYPE=\"fax,work\";X=1:12\r\n");
    ASSERT_EQ(p.Zeilen.size(), 1u);
    EXPECT_EQ(p.Zeilen[0].Name, "TEL");
    EXPECT_TRUE(p.Zeilen[0].HatTyp("FAX"));
    EXPECT_EQ(p.Zeilen[0].Param("X"), "1");
    EXPECT_EQ(ZerlegeZeilen("\xEF\xBB\xBF" "BEGIN:VCARD\r\n").Zeilen.at(0).Name, "BEGIN");  // byte order mark
}
