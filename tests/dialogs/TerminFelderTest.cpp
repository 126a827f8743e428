// Reading the dialog fields into a record: time checks and completion, the long text, the
// program reference, warning and yearly flag, the overlap refusal, and showing a record.
#include "dialogs/ProgrammVerweis.h"
#include "dialogs/TerminFelder.h"
#include "dialogs/ZeitFeld.h"
#include "store/DatumText.h"
#include "store/RecordRef.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
TerminFelder Felder(const std::string& beginn, const std::string& ende) {
    TerminFelder f;
    f.Datum = "14.03.2026";
    f.Beginn = beginn;
    f.Ende = ende;
    f.Kurztext = "Zahnarzt";
    return f;
}

class TerminFelderTest : public testing::Test {
protected:
    bool Lies(const TerminFelder& f) { return LeseTermin(f, liste, t); }

    FakeHost host;
    ClsListe liste;
    Termin t;
};
}  // namespace

TEST(ZeitFeld, CompletionWhenTheFieldIsLeft) {
    const std::pair<const char*, const char*> faelle[] = {{"7", "07:00"}, {"14", "14:00"}, {"730", "730"}, {"9:30", "9:30"}, {"", ""}};
    for (const auto& [getippt, ergaenzt] : faelle) EXPECT_EQ(ErgaenzeZeit(getippt), ergaenzt);
    for (const char* gueltig : {"23:59", ""}) EXPECT_TRUE(ZeitZeichenGueltig(gueltig));
    for (const char* falsch : {"9.30", "9 30"}) EXPECT_FALSE(ZeitZeichenGueltig(falsch));
}

TEST_F(TerminFelderTest, TimeRangeBordersAndMessages) {
    struct Fall {
        const char *beginn, *ende;
        int meldung;  // 0: accepted
    } const faelle[] = {
        {"24:00", "", 0},       {"24:01", "", 1162},    {"23:60", "", 1162},   {"730", "", 1162},
        {"10:00", "10:00", 1163}, {"10:00", "09:59", 1163}, {"10:00", "24:00", 0}, {"", "11:00", 0},
        {"9.30", "", 1160},     {"10:00", "11h", 1161}, {"", "", 0},           {"8", "9:5", 0},
    };
    for (const Fall& f : faelle) {
        host.messages.clear();
        EXPECT_EQ(Lies(Felder(f.beginn, f.ende)), f.meldung == 0) << f.beginn << "-" << f.ende;
        EXPECT_EQ(host.Ids(), f.meldung ? std::vector<int>{f.meldung} : std::vector<int>{}) << f.beginn;
        EXPECT_TRUE(!f.meldung || host.messages[0].captionId == 1153);
    }
    // Missing times set their flags.
    const struct {
        const char *beginn, *ende;
        Termin erwartet;
    } gelesen[] = {{"8", "9:5", MachTermin(2026, 3, 14, 8, 0, 9, 5, 0, "Zahnarzt")},
                   {"", "", MachTermin(2026, 3, 14, 0, 0, 0, 0, FlagOhneZeit | FlagOhneEnde, "Zahnarzt")},
                   {"10:15", "", MachTermin(2026, 3, 14, 10, 15, 0, 0, FlagOhneEnde, "Zahnarzt")}};
    for (const auto& g : gelesen) {
        ASSERT_TRUE(Lies(Felder(g.beginn, g.ende)));
        EXPECT_TRUE(SameRecord(t, g.erwartet)) << g.beginn;
    }
}

TEST_F(TerminFelderTest, BadDateIsReportedByTheParserOnly) {
    TerminFelder f = Felder("10:00", "11:00");
    f.Datum = "31.02.2026";
    EXPECT_FALSE(Lies(f));
    EXPECT_EQ(host.Ids(), std::vector<int>{1113});
}

TEST_F(TerminFelderTest, WarningPriorityDoneStateAndAddress) {
    TerminFelder f = Felder("10:00", "11:00");
    f.Vorwarnung = true;
    f.VorTage = "1";
    f.VorStunden = "2";
    f.VorMinuten = "30";
    f.Prioritaet = 3;
    f.ManuellErledigt = true;
    f.AdrId = 7;
    ASSERT_TRUE(Lies(f));
    EXPECT_EQ(std::make_pair(t.Vorwarnung, t.VorwarnBasis), std::make_pair(MachZeitpunkt(2026, 3, 13, 7, 30), Zeitpunkt{}));
    EXPECT_TRUE(t.Prioritaet() == 3 && (t.Flags & ~PrioritaetMaske) == FlagManuellErledigt && t.AdrId == 7);

    f.Jaehrlich = true;
    ASSERT_TRUE(Lies(f));
    EXPECT_TRUE(t.Hat(FlagJaehrlich) && t.VorwarnBasis == t.Vorwarnung);

    f.Vorwarnung = false;  // the numbers stay in the fields but count only with 129
    ASSERT_TRUE(Lies(f));
    EXPECT_EQ(t.Vorwarnung.Jahr, 0);
}

TEST(ProgrammVerweis, NameAfterTheMarkCutAtTheLastBlank) {
    std::string name;
    EXPECT_FALSE(ProgrammName("kein Programm", name));
    const std::pair<const char*, const char*> faelle[] = {
        {"Sicherung #[C:\\bin\\sich.exe /all] starten", "C:\\bin\\sich.exe"},
        {"#[notepad.exe", "notepad.exe"},  // no "]": up to the end
        {"#[a b c]", "a b"},
        {"#[ prog]", " prog"},  // a leading blank is not a cut
    };
    for (const auto& [text, programm] : faelle) EXPECT_TRUE(ProgrammName(text, name) && name == programm) << text;
    EXPECT_TRUE(HatProgrammMarke("x#[y"));
    EXPECT_FALSE(HatProgrammMarke("x# [y"));
}

TEST_F(TerminFelderTest, ProgramReferenceIsCheckedOnDisk) {
    TempDir dir;
    const std::string datei = dir.Datei("prog.exe");
    SchreibBytes(datei, "MZ");
    TerminFelder f = Felder("10:00", "11:00");
    f.Vorwarnung = true;
    f.VorStunden = "5";
    f.Beschreibung = "#[" + datei + " --quiet]";
    ASSERT_TRUE(Lies(f));
    EXPECT_TRUE(t.Hat(FlagProgramm) && t.Vorwarnung == t.Start);  // a program starts at the start itself
    std::filesystem::remove(datei);

    host.answers = {Mb::IdNo};
    EXPECT_FALSE(Lies(f));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find(datei), std::string::npos);
    EXPECT_EQ(host.messages[0].style & 0x0F, Mb::YesNo);
    host.answers = {Mb::IdYes};
    ASSERT_TRUE(Lies(f));
    EXPECT_TRUE(!t.Hat(FlagProgramm) && t.Vorwarnung == MachZeitpunkt(2026, 3, 14, 5, 0));

    f.Beschreibung += std::string(200, ' ');  // held outside the record: not searched
    host.messages.clear();
    ASSERT_TRUE(Lies(f));
    EXPECT_TRUE(host.messages.empty());
}

TEST(FelderAus, ShowsARecordAsTheDialogWouldReadItBack) {
    FakeHost host;
    Termin r = MachTermin(2026, 7, 4, 9, 5, 17, 0, FlagManuellErledigt, "Sommerfest");
    r.Vorwarnung = MachZeitpunkt(2026, 7, 2, 8, 0);  // 2 days, 1 hour, 5 minutes before
    r.SetzePrioritaet(2);
    r.Beschr = std::string(300, 'b');
    r.AdrId = 4;
    r.Id = 9;
    TerminFelder f = FelderAus(r, 3);
    EXPECT_EQ(f.Datum + "|" + f.Beginn + "|" + f.Ende + "|" + f.VorTage + "/" + f.VorStunden + "/" + f.VorMinuten + "|" + f.Anzahl,
              "04.07.2026|09:05|17:00|2/1/5|3");
    EXPECT_TRUE(f.Vorwarnung && f.ManuellErledigt && !f.Jaehrlich && f.Prioritaet == 2);

    ClsListe leer;
    Termin zurueck;
    ASSERT_TRUE(LeseTermin(f, leer, zurueck));
    Termin ohneNummer = r;  // the series number is the collection's
    ohneNummer.Id = 0;
    EXPECT_TRUE(SameRecord(zurueck, ohneNummer));

    r.Vorwarnung = MachZeitpunkt(2026, 7, 4, 9, 10);  // put off past the start
    f = FelderAus(r, 0);
    EXPECT_EQ(f.VorTage + "/" + f.VorStunden + "/" + f.VorMinuten, "0/0/0");

    r.Flags = FlagOhneZeit | FlagJaehrlich;
    r.Vorwarnung = Zeitpunkt{};
    f = FelderAus(r, 20);
    EXPECT_EQ(f.Beginn + "|" + f.Ende + "|" + f.Anzahl + "|" + f.VorTage, "|17:00|1|0");
    EXPECT_TRUE(f.Jaehrlich && f.SchrittJahre && !f.Vorwarnung);

    SetzeDatumsformat('/', false);
    EXPECT_EQ(FelderAus(r, 0).Datum, "07/04/2026");
    SetzeDatumsformat('.', true);
}
