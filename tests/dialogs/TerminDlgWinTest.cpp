// The appointment dialog from template 2838, driven in-process: a thread timer plays a script
// on the dialog's own thread, a WH_CBT hook answers and records the message boxes. Checks the
// collection after each step, saves the file and reads it back, and takes screenshots.
#include "core/ResString.h"
#include "dialogs/ClsTerminDlg.h"
#include "dialogs/DlgSkript.h"
#include "document/Dokument.h"
#include "document/KalenderDatei.h"
#include "store/TerminFixtures.h"
#include "support/TempDir.h"
#include "support/WinKit.h"

#include <cstring>
#include <functional>

namespace {
std::function<void(const Dlg&)>* skript = nullptr;
kit::BoxAnswers* boxen = nullptr;

void CALLBACK Takt(HWND, UINT, UINT_PTR id, DWORD) {
    if (!boxen->dialog) return;
    KillTimer(nullptr, id);
    const Dlg d{boxen->dialog};
    (*skript)(d);
    PostMessageA(d.h, WM_COMMAND, IDCANCEL, 0);  // Close, through the can-close question
}

class TerminDlgWin : public testing::Test {
protected:
    void SetUp() override {
        Liste.Reserviere(ClsListe::StartKapazitaet);
        AdrListe.Initialisieren();
    }

    // Runs the dialog (tag null: general mode) with the script; returns its result.
    bool Fahre(const Zeitpunkt* tag, std::function<void(const Dlg&)> s) {
        boxen_.dialog = nullptr;
        boxen_.takeDialog = true;
        skript = &s;
        boxen = &boxen_;
        SetTimer(nullptr, 0, 30, &Takt);
        return RunTerminDlg(nullptr, doc, tag ? *tag : MachZeitpunkt(2026, 12, 5), tag != nullptr);
    }

    Termin Satz(int i) { return Liste.Satz(i); }

    kit::BoxAnswers boxen_;
    Dokument doc;
    ClsListe& Liste = doc.Liste;
    ClsAdrListe& AdrListe = doc.AdrListe;
    std::string& Dateiname = doc.Dateiname;
};

const Zeitpunkt Maerz14 = MachZeitpunkt(2026, 3, 14);
}  // namespace

TEST_F(TerminDlgWin, TimesAreCompletedCheckedAndAdded) {
    const bool geaendert = Fahre(&Maerz14, [&](const Dlg& d) {
        EXPECT_EQ(d.Titel(), "Termine am 14.03.2026");
        EXPECT_EQ(d.Text(101), "14.03.2026");
        EXPECT_FALSE(d.An(106));  // no short text yet
        EXPECT_FALSE(d.An(1981));
        d.Fokus(102);
        d.Text(102, "7");
        d.Fokus(172);
        EXPECT_EQ(d.Text(102), "07:00");
        d.Text(172, "730");
        d.Fokus(103);
        EXPECT_EQ(d.Text(172), "730");  // longer texts stay as typed
        d.Text(103, "Fr\xFChst\xFC" "ck");
        EXPECT_TRUE(d.An(106) && d.An(1981) && d.An(160) && d.An(129));
        EXPECT_FALSE(d.An(114));  // warning fields wait for 129

        d.Klick(106);  // "730" is no time: refused with its message, nothing added
        EXPECT_TRUE(boxen_.Showed({1162}));
        EXPECT_EQ(Liste.Anzahl(), 0);
        EXPECT_EQ(d.Text(103), "Fr\xFChst\xFC" "ck");  // the fields keep what was typed

        d.Text(102, "23:00");
        d.Text(172, "24:00");
        d.Klick(106);
        EXPECT_TRUE(boxen_.Showed({}));
        ASSERT_EQ(Liste.Anzahl(), 1);
        ASSERT_EQ(d.Zeilen(), 1);
        EXPECT_EQ(d.Zeile(0), "23:00\t- 24:00\tFr\xFChst\xFC" "ck");
        EXPECT_FALSE(d.An(106));  // added: unchanged since
        EXPECT_FALSE(d.An(107));  // no line selected
    });
    EXPECT_TRUE(geaendert);
    EXPECT_TRUE(boxen_.Showed({}));  // closed without the unsaved-edits question
    const Termin t = Satz(0);
    EXPECT_EQ(t.Start, MachZeitpunkt(2026, 3, 14, 23, 0));
    EXPECT_EQ(t.Ende, MachZeitpunkt(2026, 3, 14, 24, 0));
    EXPECT_EQ(t.Id, 1);
}

TEST_F(TerminDlgWin, LongDescriptionsWarningAndAddressAreStored) {
    Adresse a;
    std::strcpy(a.FIRMA, "Muster GmbH");
    std::strcpy(a.NAME1, "Erika Muster");
    std::strcpy(a.SORT, "MUSTER");
    a.ID = AdrListe.NeueId();
    ASSERT_GE(AdrListe.EinfuegenSortiert(a), 0);

    Fahre(nullptr, [&](const Dlg& d) {
        EXPECT_EQ(d.Titel(), "Termine");
        EXPECT_EQ(d.Text(101), "");
        ASSERT_EQ(SendMessageA(d.Item(184), CB_GETCOUNT, 0, 0), 2);
        char zeile[128] = {};
        SendMessageA(d.Item(184), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(zeile));
        EXPECT_STREQ(zeile, "Muster GmbH, Erika Muster");
        d.Klick(178);  // New fills the empty date with the calendar's day
        EXPECT_FALSE(d.Text(101).empty());
        d.Text(101, "2.2.26");
        int stunde = 8;
        for (size_t laenge : {174u, 175u, 512u}) {
            d.Text(102, std::to_string(stunde++) + ":00");
            d.Text(103, "Text " + std::to_string(laenge));
            d.Text(105, std::string(laenge, 'x'));
            d.Klick(106);
            d.Klick(178);  // New keeps the date
        }
        EXPECT_TRUE(boxen_.Showed({}));
        EXPECT_EQ(d.Text(101), "2.2.26");  // re-shown in date-bound mode only
        d.Text(102, "12:00");
        d.Text(103, "Mit Vorwarnung");
        SendMessageA(d.Item(184), CB_SETCURSEL, 1, 0);
        SendMessageA(d.h, WM_COMMAND, MAKEWPARAM(184, CBN_SELCHANGE), reinterpret_cast<LPARAM>(d.Item(184)));
        d.Klick(163);
        d.Klick(181);
        d.Klick(129);
        EXPECT_TRUE(d.An(114) && d.An(201));
        d.Text(114, "1");
        d.Text(116, "30");
        d.Text(105, "Unterlagen #[nichtda.exe] mitbringen");
        EXPECT_FALSE(d.An(114));  // a program reference replaces the warning time
        d.Text(105, "Unterlagen mitbringen");
        d.Klick(106);
        ASSERT_EQ(d.Zeilen(), 4);
        EXPECT_EQ(d.Zeile(3), "02.02.2026\t12:00\tMit Vorwarnung");
        d.Bild("termin_dlg_allgemein");
    });
    ASSERT_EQ(Liste.Anzahl(), 4);
    EXPECT_EQ(Satz(0).Blocks(), 0);
    EXPECT_EQ(Satz(1).Blocks(), 1);
    EXPECT_EQ(Satz(2).Blocks(), 3);
    EXPECT_EQ(Satz(2).Beschr, std::string(512, 'x'));
    const Termin w = Satz(3);
    EXPECT_EQ(w.Vorwarnung, MachZeitpunkt(2026, 2, 1, 11, 30));
    EXPECT_EQ(w.AdrId, a.ID);
    EXPECT_EQ(w.Prioritaet(), 3);
    EXPECT_EQ(w.Flags & ~PrioritaetMaske, FlagManuellErledigt | FlagOhneEnde);
}

TEST_F(TerminDlgWin, YearlyMakesTwentyRecordsAndItsCopiesAreLocked) {
    Fahre(&Maerz14, [&](const Dlg& d) {
        d.Text(102, "18:00");
        d.Text(103, "Geburtstag Anna");
        EXPECT_FALSE(d.An(113));
        d.Klick(119);
        EXPECT_TRUE(d.An(113) && d.An(134));
        EXPECT_FALSE(d.An(110) || d.An(111) || d.An(112));
        d.Klick(113);
        d.Klick(106);
        EXPECT_TRUE(boxen_.Showed({}));
        EXPECT_EQ(d.Zeilen(), 1);  // the day shows the master only
        // Added last was the 20th record, a copy: neither Add nor Change.
        d.Text(103, "Geburtstag Anna!");
        EXPECT_FALSE(d.An(106) || d.An(133));
        d.Bild("termin_dlg_datum");
    });
    EXPECT_TRUE(boxen_.Showed({1152}));  // closed with the edited short text
    ASSERT_EQ(Liste.Anzahl(), 20);
    EXPECT_EQ(Satz(0).Flags, FlagJaehrlich | FlagOhneEnde);
    EXPECT_EQ(Satz(19).Flags, FlagJaehrlich | FlagOhneEnde | FlagJahresKopie);
    EXPECT_EQ(Satz(19).Start, MachZeitpunkt(2045, 3, 14, 18, 0));
    EXPECT_EQ(Satz(19).Id, Satz(0).Id);

    const Zeitpunkt spaeter = MachZeitpunkt(2030, 3, 14);
    Fahre(&spaeter, [&](const Dlg& d) {
        ASSERT_EQ(d.Zeilen(), 1);
        d.Waehle(0);
        EXPECT_TRUE(d.Markiert(119) && d.Markiert(113));
        d.Fokus(102);
        d.Text(102, "19:00");
        d.Text(103, "Kopie");
        EXPECT_FALSE(d.An(106) || d.An(133));
        boxen_.answers = {IDYES};  // discard on closing
    });
    EXPECT_TRUE(boxen_.Showed({1152}));
    EXPECT_EQ(Liste.Anzahl(), 20);

    // The master itself can be changed and stays one series with its copies.
    Fahre(&Maerz14, [&](const Dlg& d) {
        d.Waehle(0);
        d.Text(103, "Geburtstag Anna Schmidt");
        EXPECT_TRUE(d.An(133));
        EXPECT_FALSE(d.An(106));  // neither date nor time edited
        d.Klick(133);
        EXPECT_EQ(d.Zeile(0), "18:00\t- <k.A.>\tGeburtstag Anna Schmidt");
    });
    EXPECT_EQ(std::string(Satz(0).Kurzbeschr), "Geburtstag Anna Schmidt");
    EXPECT_EQ(Satz(0).Id, 1);
    EXPECT_EQ(Satz(0).Flags, FlagJaehrlich | FlagOhneEnde);
}

TEST_F(TerminDlgWin, SeriesOverlapNoInsertsNothingAndMembersWithFollowersCannotChange) {
    Liste.Einfuegen(MachTermin(2026, 3, 28, 9, 30, 10, 30, 0, "Belegt"));

    Fahre(&Maerz14, [&](const Dlg& d) {
        d.Text(102, "09:00");
        d.Text(172, "10:00");
        d.Text(103, "Kurs");
        d.Text(109, "3");
        EXPECT_FALSE(d.An(133));
        EXPECT_TRUE(d.An(110) && d.An(111) && d.An(113));
        d.Klick(111);
        boxen_.answers = {IDNO};  // the third week meets "Belegt"
        d.Klick(106);
        ASSERT_EQ(boxen_.texts.size(), 1u);
        EXPECT_NE(boxen_.texts[0].find("Belegt"), std::string::npos) << boxen_.texts[0];
        boxen_.texts.clear();
        EXPECT_EQ(Liste.Anzahl(), 1);
        d.Text(172, "09:15");
        d.Klick(106);
        EXPECT_TRUE(boxen_.Showed({}));
    });
    ASSERT_EQ(Liste.Anzahl(), 4);

    Fahre(nullptr, [&](const Dlg& d) {
        ASSERT_EQ(d.Zeilen(), 4);
        d.Waehle(0);  // first of three members
        EXPECT_EQ(d.Text(109), "3");
        d.Text(103, "Kurs (Raum 2)");
        EXPECT_FALSE(d.An(133));
        EXPECT_FALSE(d.An(106));
        d.Text(101, "15.03.2026");  // a new date: only Add
        EXPECT_TRUE(d.An(106));

        boxen_.answers = {IDNO};  // keep the edits
        d.Waehle(2);
        EXPECT_TRUE(boxen_.Showed({1152}));
        EXPECT_EQ(SendMessageA(d.Item(120), LB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(d.Text(103), "Kurs (Raum 2)");

        boxen_.answers = {IDYES};
        d.Waehle(2);  // the last member: changeable
        EXPECT_TRUE(boxen_.Showed({1152}));
        EXPECT_EQ(d.Text(109), "1");
        EXPECT_EQ(d.Text(101), "28.03.2026");
        d.Text(103, "Kurs, letzter Termin");
        EXPECT_TRUE(d.An(133));
        d.Klick(133);
        EXPECT_TRUE(boxen_.Showed({}));  // its own slot is not an overlap
        EXPECT_EQ(d.Zeile(2), "28.03.2026\t09:00\tKurs, letzter Termin");

        d.Waehle(3);
        EXPECT_TRUE(d.An(107));
        boxen_.answers = {IDOK};  // the remove dialog, for a single appointment
        d.Klick(107);
        ASSERT_EQ(boxen_.texts.size(), 1u);
        EXPECT_NE(boxen_.texts[0].find("Serie"), std::string::npos) << boxen_.texts[0];
        boxen_.texts.clear();
        EXPECT_EQ(d.Zeilen(), 3);
    });
    ASSERT_EQ(Liste.Anzahl(), 3);
    EXPECT_EQ(std::string(Satz(2).Kurzbeschr), "Kurs, letzter Termin");
    EXPECT_EQ(Satz(2).Id, 0);
    EXPECT_EQ(Satz(0).Id, Satz(1).Id);
}

TEST_F(TerminDlgWin, SavedFileHoldsWhatTheDialogMade) {
    Fahre(&Maerz14, [&](const Dlg& d) {
        d.Text(102, "08:00");
        d.Text(103, "Jahrestag");
        d.Text(105, std::string(300, 'j'));
        d.Klick(119);
        d.Klick(113);
        d.Klick(106);
        d.Klick(178);
        d.Text(103, "Ganzer Tag");
        d.Klick(106);
    });
    ASSERT_EQ(Liste.Anzahl(), 21);
    TempDir dir;
    const std::string pfad = dir.Datei("termin.odv");
    ASSERT_TRUE(SchreibeDatei(doc, pfad, ModusKalender));
    const std::string bytes = LiesBytes(pfad);
    ASSERT_GT(bytes.size(), 865u);
    EXPECT_EQ(bytes.substr(0, 4), "ordv");
    EXPECT_EQ(uint8_t(bytes[4]) | uint8_t(bytes[5]) << 8, 2);  // copies are not written
    EXPECT_NE(bytes.find("Ganzer Tag"), std::string::npos);
    EXPECT_NE(bytes.find(std::string(300, 'j')), std::string::npos);

    Liste.Leeren();
    Dateiname = pfad;
    ASSERT_EQ(doc.Laden(), Ladeausgang::Ok);
    ASSERT_EQ(Liste.Anzahl(), 21);  // the master's copies are made again
    EXPECT_EQ(std::string(Satz(0).Kurzbeschr), "Ganzer Tag");
    EXPECT_EQ(Satz(0).Flags, FlagOhneZeit | FlagOhneEnde);
    EXPECT_EQ(Satz(1).Beschr, std::string(300, 'j'));
    EXPECT_EQ(Satz(1).Flags, FlagJaehrlich | FlagOhneEnde);
    EXPECT_EQ(Satz(1).Id, Satz(20).Id);
}
