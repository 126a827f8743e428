// The appointment dialog from template 2838, driven in-process (DlgSkript.h). The field rules and
// Add/Change are tested natively; here the controls, their enabling and the list.
#include "dialogs/ClsTerminDlg.h"
#include "dialogs/DlgSkript.h"
#include "dialogs/TerminListe.h"
#include "document/Dokument.h"
#include "store/RecordRef.h"
#include "store/TerminFixtures.h"
#include "support/WinKit.h"

#include <functional>

namespace {
class TerminDlgWin : public testing::Test {
protected:
    void SetUp() override {
        Liste.Reserviere(ClsListe::StartKapazitaet);
        doc.AdrListe.Initialisieren();
    }
    // Runs the dialog (tag null: general mode) with the script, then Close; returns its result.
    bool Fahre(const Zeitpunkt* tag, const std::function<void(const Dlg&)>& s) {
        return ::Fahre(boxen_, s, [&] { return RunTerminDlg(nullptr, doc, tag ? *tag : MachZeitpunkt(2026, 12, 5), tag != nullptr); });
    }

    kit::BoxAnswers boxen_;
    Dokument doc;
    ClsListe& Liste = doc.Liste;
};

const Zeitpunkt Maerz14 = MachZeitpunkt(2026, 3, 14);
}  // namespace

TEST_F(TerminDlgWin, TimesAreCompletedCheckedAndAdded) {
    const bool geaendert = Fahre(&Maerz14, [&](const Dlg& d) {
        EXPECT_EQ(d.Titel() + "|" + d.Text(101), "Termine am 14.03.2026|14.03.2026");
        EXPECT_FALSE(d.An(106) || d.An(1981));  // no short text yet
        d.Fokus(102);
        d.Text(102, "7");
        d.Fokus(172);
        EXPECT_EQ(d.Text(102), "07:00");
        d.Text(172, "730");
        d.Text(103, "Fr\xFChst\xFC" "ck");
        EXPECT_TRUE(d.An(106) && d.An(1981) && d.An(160) && d.An(129));
        EXPECT_FALSE(d.An(114));  // warning fields wait for 129

        d.Klick(106);  // "730" is no time: refused with its message, nothing added
        EXPECT_TRUE(boxen_.Showed({1162}));
        EXPECT_EQ(Liste.Anzahl(), 0);
        EXPECT_EQ(d.Text(103), "Fr\xFChst\xFC" "ck");  // the fields keep what was typed

        d.Text(172, "24:00");
        d.Klick(106);
        EXPECT_EQ(d.Zeilen(), std::vector<std::string>{"07:00\t- 24:00\tFr\xFChst\xFC" "ck"});
        EXPECT_FALSE(d.An(106) || d.An(107));  // added: unchanged since; no line selected
    });
    EXPECT_TRUE(geaendert);
    EXPECT_TRUE(boxen_.Showed({}));  // closed without the unsaved-edits question
    EXPECT_EQ(Liste.Satz(0).Ende, MachZeitpunkt(2026, 3, 14, 24, 0));
}

TEST_F(TerminDlgWin, LongDescriptionWarningAndAddressAreStored) {
    Adresse a;
    Adresse::Setze(a.FIRMA, "Muster GmbH");
    Adresse::Setze(a.NAME1, "Erika Muster");
    Adresse::Setze(a.SORT, "MUSTER");
    a.ID = doc.AdrListe.NeueId();
    ASSERT_GE(doc.AdrListe.EinfuegenSortiert(a), 0);

    Fahre(nullptr, [&](const Dlg& d) {
        EXPECT_EQ(d.Titel() + "|" + d.Text(101), "Termine|");
        char zeile[128] = {};
        ASSERT_EQ(SendMessageA(d.Item(184), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(zeile)), 25);
        EXPECT_STREQ(zeile, "Muster GmbH, Erika Muster");
        d.Klick(178);  // New fills the empty date with the calendar's day
        EXPECT_FALSE(d.Text(101).empty());
        d.Text(101, "2.2.26");
        d.Text(102, "12:00");
        d.Text(103, "Mit Vorwarnung");
        d.Waehle(184, 1);
        d.Klick(163);
        d.Klick(181);
        d.Klick(129);
        EXPECT_TRUE(d.An(114) && d.An(201));
        d.Text(114, "1");
        d.Text(116, "30");
        d.Text(105, "Unterlagen #[nichtda.exe] mitbringen");
        EXPECT_FALSE(d.An(114));  // a program reference replaces the warning time
        d.Text(105, std::string(512, 'x'));
        d.Klick(106);
        EXPECT_TRUE(boxen_.Showed({}));
        EXPECT_EQ(d.Zeilen()[0], "02.02.2026\t12:00\tMit Vorwarnung");
        d.Bild("termin_dlg_allgemein");
    });
    ASSERT_EQ(Liste.Anzahl(), 1);
    Termin w = MachTermin(2026, 2, 2, 12, 0, 0, 0, FlagManuellErledigt | FlagOhneEnde, "Mit Vorwarnung");
    w.Beschr = std::string(512, 'x');
    w.Vorwarnung = MachZeitpunkt(2026, 2, 1, 11, 30);
    w.AdrId = a.ID;
    w.SetzePrioritaet(3);
    w.Id = Liste.Satz(0).Id;
    EXPECT_TRUE(SameRecord(Liste.Satz(0), w));
}

TEST_F(TerminDlgWin, YearlyCopiesAreLockedAndTheMasterChanges) {
    Fahre(&Maerz14, [&](const Dlg& d) {
        d.Text(102, "18:00");
        d.Text(103, "Geburtstag Anna");
        EXPECT_FALSE(d.An(113));
        d.Klick(119);
        EXPECT_TRUE(d.An(113) && d.An(134) && !d.An(110) && !d.An(111) && !d.An(112));
        d.Klick(113);
        d.Klick(106);
        EXPECT_EQ(d.Zeilen().size(), 1u);  // the day shows the master only
        // Added last was the 20th record, a copy: neither Add nor Change.
        d.Text(103, "Geburtstag Anna!");
        EXPECT_FALSE(d.An(106) || d.An(133));
        d.Bild("termin_dlg_datum");
    });
    EXPECT_TRUE(boxen_.Showed({1152}));  // closed with the edited short text
    ASSERT_EQ(Liste.Anzahl(), 20);

    const Zeitpunkt spaeter = MachZeitpunkt(2030, 3, 14);
    Fahre(&spaeter, [&](const Dlg& d) {
        d.Waehle(0);
        EXPECT_TRUE(d.Markiert(119) && d.Markiert(113));
        d.Text(103, "Kopie");
        EXPECT_FALSE(d.An(106) || d.An(133));
        boxen_.answers = {IDYES};  // discard on closing
    });
    EXPECT_TRUE(boxen_.Showed({1152}));

    Fahre(&Maerz14, [&](const Dlg& d) {
        d.Waehle(0);
        d.Text(103, "Geburtstag Anna Schmidt");
        EXPECT_TRUE(d.An(133));
        EXPECT_FALSE(d.An(106));  // neither date nor time edited
        d.Klick(133);
        EXPECT_EQ(d.Zeilen()[0], "18:00\t- <k.A.>\tGeburtstag Anna Schmidt");
    });
    EXPECT_STREQ(Liste.Satz(0).Kurzbeschr, "Geburtstag Anna Schmidt");
    EXPECT_EQ(Liste.Anzahl(), 20);
}

TEST_F(TerminDlgWin, SeriesMembersWithFollowersCannotChangeAndSelectingAsksFirst) {
    Fahre(&Maerz14, [&](const Dlg& d) {
        d.Text(102, "09:00");
        d.Text(103, "Kurs");
        d.Text(109, "3");
        EXPECT_TRUE(d.An(110) && d.An(111) && d.An(113));
        d.Klick(111);
        d.Klick(106);
    });
    ASSERT_EQ(Liste.Anzahl(), 3);

    Fahre(nullptr, [&](const Dlg& d) {
        d.Waehle(0);  // first of three members
        EXPECT_EQ(d.Text(109), "3");
        d.Text(103, "Kurs (Raum 2)");
        EXPECT_FALSE(d.An(133) || d.An(106));
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
        d.Text(103, "Kurs, letzter Termin");
        d.Klick(133);
        EXPECT_TRUE(boxen_.Showed({}));  // its own slot is not an overlap
        EXPECT_EQ(d.Zeilen()[2], "28.03.2026\t09:00\tKurs, letzter Termin");

        d.Waehle(2);
        boxen_.answers = {IDOK};  // the remove dialog, for a single appointment
        d.Klick(107);
        ASSERT_EQ(boxen_.texts.size(), 1u);
        EXPECT_NE(boxen_.texts[0].find("Serie"), std::string::npos) << boxen_.texts[0];
        boxen_.texts.clear();
        EXPECT_EQ(d.Zeilen().size(), 2u);
    });
    ASSERT_EQ(Liste.Anzahl(), 2);
    EXPECT_EQ(Liste.Satz(0).Id, Liste.Satz(1).Id);
}

// The widest text of each list column ends before the next tab stop in the list's font
// (a tab stop is in quarters of the font's average character width).
TEST_F(TerminDlgWin, ListColumnsHoldTheirWidestTexts) {
    Fahre(&Maerz14, [&](const Dlg& d) {
        HWND liste = d.Item(120);
        HDC dc = GetDC(liste);
        HGDIOBJ alt = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(liste, WM_GETFONT, 0, 0)));
        auto breite = [&](const char* s) {
            SIZE g;
            GetTextExtentPoint32A(dc, s, lstrlenA(s), &g);
            return int(g.cx);
        };
        const int zeichen = (breite("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) / 2;
        const struct {
            int von, bis;
            const char* text;
        } spalten[] = {{0, TabStopsTag[0], "<k.A.>"},           {TabStopsTag[0], TabStopsTag[1], "- <k.A.>"},
                       {TabStopsTag[0], TabStopsTag[1], "- 00:00"}, {0, TabStopsAlle[0], "00.00.0000"},
                       {TabStopsAlle[0], TabStopsAlle[1], "<k.A.>"}};
        for (const auto& s : spalten)
            EXPECT_LE(breite(s.text) + 2, (s.bis - s.von) * zeichen / 4) << s.text;
        SelectObject(dc, alt);
        ReleaseDC(liste, dc);
    });
}
