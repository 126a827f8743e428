// Search, move, remove and delete-old dialogs from their templates, driven in-process
// (DlgSkript.h); each change is checked in the file written afterwards and read back.
#include "dialogs/ClsAlteEntfDlg.h"
#include "dialogs/ClsEntfernenDlg.h"
#include "dialogs/ClsSuchenDlg.h"
#include "dialogs/ClsVerschiebenDlg.h"
#include "dialogs/DlgSkript.h"
#include "document/Dokument.h"
#include "document/KalenderDatei.h"
#include "store/DatumText.h"
#include "store/JahresKopien.h"
#include "store/RecordRef.h"
#include "store/TerminFixtures.h"
#include "support/TempDir.h"
#include "support/WinKit.h"

#include <functional>

namespace {
void Befehl(const Dlg& d, int id, int notify = BN_CLICKED) {
    SendMessageA(d.h, WM_COMMAND, MAKEWPARAM(id, notify), reinterpret_cast<LPARAM>(d.Item(id)));
}
void Doppelklick(const Dlg& d, int liste, int zeile) {
    SendMessageA(d.Item(liste), LB_SETCURSEL, zeile, 0);
    Befehl(d, liste, LBN_DBLCLK);
}

class SammelDialoge : public testing::Test {
protected:
    void SetUp() override {
        Liste.Reserviere(ClsListe::StartKapazitaet);
        doc.AdrListe.Initialisieren();
    }
    template <class Lauf>
    auto Fahre(const std::function<void(const Dlg&)>& s, Lauf dialog) { return ::Fahre(boxen_, s, dialog); }
    bool Verschiebe(int slot, const std::string& datum, const std::string& zeit) {
        Liste.SetzeAktuell(&Liste.Satz(slot));
        return Fahre([&](const Dlg& d) {
            d.Text(101, datum);
            d.Text(102, zeit);
            Befehl(d, IDOK);
        }, [&] { return RunVerschiebenDlg(nullptr, Liste); });
    }
    bool LoescheAlte(const std::string& von, const std::string& bis) {
        return Fahre([&](const Dlg& d) {
            d.Text(101, von);
            d.Text(102, bis);
            Befehl(d, IDOK);  // a dialog that stayed open is closed after the script
        }, [&] { return RunAlteEntfDlg(nullptr, Liste); });
    }
    // Writes the file and reads it back (yearly copies are made again).
    void SpeichernUndLaden() {
        const std::string pfad = dir.Datei("sammel.odv");
        ASSERT_TRUE(SchreibeDatei(doc, pfad, ModusKalender));
        Liste.Leeren();
        doc.Dateiname = pfad;
        ASSERT_EQ(doc.Laden(), Ladeausgang::Ok);
    }
    // A yearly master on 10 June of `jahr`, 9:00-10:00, with its 19 copies.
    void Jaehrlich(int jahr) {
        Liste.Einfuegen(MachJahresMaster(jahr, 6, 10, 9, 0, 10, 0, "Jahrestag"));
        ASSERT_TRUE(ErzeugeJahresKopien(Liste));
    }

    kit::BoxAnswers boxen_;
    TempDir dir;
    Dokument doc;
    ClsListe& Liste = doc.Liste;
};
}  // namespace

TEST_F(SammelDialoge, MoveCarriesEndAndWarningAlong) {
    Termin t = MachTermin(1995, 5, 3, 10, 0, 11, 0, 0, "Zahnarzt");
    t.Vorwarnung = MachZeitpunkt(1995, 5, 3, 9, 45);
    Liste.Einfuegen(t);
    Liste.Einfuegen(MachTermin(1995, 5, 4, 8, 0, 9, 0, 0, "Davor"));
    Liste.SetzeAktuell(&Liste.Satz(0));
    EXPECT_TRUE(Fahre([&](const Dlg& d) {
        EXPECT_EQ(d.Text(101) + " " + d.Text(102), "03.05.1995 10:00");
        d.Bild("verschieben");
        d.Text(101, "5.5.95");
        d.Text(102, "14");
        Befehl(d, IDOK);
    }, [&] { return RunVerschiebenDlg(nullptr, Liste); }));
    EXPECT_TRUE(boxen_.Showed({}));
    SpeichernUndLaden();
    ASSERT_EQ(Texte(Liste), (std::vector<std::string>{"Davor", "Zahnarzt"}));  // in its sorted place
    Termin e = MachTermin(1995, 5, 5, 14, 0, 15, 0, 0, "Zahnarzt");
    e.Vorwarnung = MachZeitpunkt(1995, 5, 5, 13, 45);
    EXPECT_TRUE(SameRecord(Liste.Satz(1), e));

    EXPECT_TRUE(Verschiebe(1, "6.5.1995", ""));  // no time of day: the end moves by the difference to midnight
    SpeichernUndLaden();
    EXPECT_EQ(std::make_pair(Liste.Satz(1).Start, Liste.Satz(1).Ende), std::make_pair(MachZeitpunkt(1995, 5, 6), MachZeitpunkt(1995, 5, 6, 1, 0)));
    EXPECT_EQ(Liste.Satz(1).Flags, FlagOhneZeit);

    EXPECT_FALSE(Verschiebe(1, "31.02.1995", "9"));  // closes with the message, nothing moves
    EXPECT_TRUE(boxen_.Showed({1131}));
    EXPECT_EQ(Liste.Satz(1).Start, MachZeitpunkt(1995, 5, 6, 0, 0));
}

TEST_F(SammelDialoge, RemoveSingleAndYearlyMasterWithTheCopiesAfterIt) {
    Liste.Einfuegen(MachTermin(2026, 3, 1, 8, 0, 9, 0, 0, "Einzeln"));
    Jaehrlich(2026);
    Liste.Einfuegen(MachTermin(2027, 1, 1, 8, 0, 9, 0, 0, "Bleibt"));
    EXPECT_TRUE(Fahre([&](const Dlg& d) {
        EXPECT_EQ(d.Text(101), "1.03.2026   8:00 -  9:00");
        EXPECT_TRUE(d.Zeilen(103).empty() && d.Zeilen(104).empty());
        Befehl(d, IDOK);
    }, [&] { return RunEntfernenDlg(nullptr, Liste, 0); }));
    ASSERT_EQ(Liste.Anzahl(), 21);

    EXPECT_TRUE(Fahre([&](const Dlg& d) {
        EXPECT_EQ(d.Text(102), "Jahrestag");
        ASSERT_EQ(d.Zeilen(104).size(), 19u);
        EXPECT_EQ(d.Zeilen(104)[0], "10.06.2027   9:00 - 10:00");
        EXPECT_FALSE(d.An(106));
        Doppelklick(d, 104, 0);  // refused with a beep
        EXPECT_EQ(d.Zeilen(104).size(), 19u);
        d.Bild("entfernen-jaehrlich");
        Befehl(d, IDOK);
    }, [&] { return RunEntfernenDlg(nullptr, Liste, 0); }));
    SpeichernUndLaden();
    EXPECT_EQ(Texte(Liste), std::vector<std::string>{"Bleibt"});
}

TEST_F(SammelDialoge, DeleteOldKeepsWhatEndsAfterTheLastDayAndHandsYearlySeriesOn) {
    Liste.Einfuegen(MachTermin(1995, 3, 1, 9, 0, 10, 0, 0, "Alt"));
    Liste.Einfuegen(MachTermin(1995, 12, 31, 21, 0, 22, 0, 0, "Endet 22 Uhr"));
    Liste.Einfuegen(MachTermin(1995, 12, 31, 23, 59, 23, 59, 0, "Beginnt 23:59"));
    Liste.Einfuegen(MachTermin(1996, 1, 2, 9, 0, 10, 0, 0, "Danach"));
    EXPECT_FALSE(LoescheAlte("1.1.1995", "31.12"));  // stays open with 1147
    EXPECT_TRUE(boxen_.Showed({1147}));
    EXPECT_TRUE(Fahre([&](const Dlg& d) {
        EXPECT_EQ(d.Text(101), "01.03.1995");
        d.Bild("alte-loeschen");
        d.Text(101, "1.1.1995");
        d.Text(102, "31.12.1995");
        Befehl(d, IDOK);
    }, [&] { return RunAlteEntfDlg(nullptr, Liste); }));
    EXPECT_EQ(boxen_.texts, std::vector<std::string>{"Sollen alle Termine vom 01.01.1995 bis zum 31.12.1995 gel\xF6scht werden?"});
    boxen_.texts.clear();
    SpeichernUndLaden();
    EXPECT_EQ(Texte(Liste), (std::vector<std::string>{"Beginnt 23:59", "Danach"}));

    Liste.Leeren();
    Jaehrlich(2026);
    EXPECT_TRUE(LoescheAlte("1.1.2026", "31.12.2026"));
    EXPECT_TRUE(Liste.Satz(0).IstJahresMaster() && Liste.Satz(0).Start.Jahr == 2027);
    SpeichernUndLaden();
    ASSERT_EQ(Liste.Anzahl(), 20);  // the new master and its copies
    EXPECT_TRUE(Liste.Satz(0).IstJahresMaster() && Liste.Satz(0).Start == MachZeitpunkt(2027, 6, 10, 9, 0));
}

TEST_F(SammelDialoge, SearchListsMatchesSortsAndGoesToTheChosenLine) {
    SetzeDatumsformat('/', false);
    Liste.Einfuegen(MachTermin(1995, 12, 24, 18, 0, 19, 0, 0, "bescherung"));
    Liste.Einfuegen(MachTermin(1995, 12, 1, 9, 0, 10, 0, 0, "Zahnarzt"));
    Liste.Einfuegen(MachTermin(1995, 11, 5, 9, 0, 10, 0, 0, "Bescherung"));
    Liste.Einfuegen(MachTermin(1996, 1, 7, 9, 0, 10, 0, 0, "Bescherung"));
    const Zeitpunkt ziel = Fahre([&](const Dlg& d) {
        Befehl(d, 102);  // the empty text matches every appointment
        EXPECT_EQ(d.Zeilen(104).size(), 4u);
        d.Text(101, "Besch");
        Befehl(d, 102);  // case-sensitive: not "bescherung"
        EXPECT_EQ(d.Zeilen(104), (std::vector<std::string>{"11/05/1995  Bescherung", "01/07/1996  Bescherung"}));
        d.Text(101, "e");
        Befehl(d, 102);
        d.Klick(105);  // re-sorted by text; equal texts keep date order
        EXPECT_EQ(d.Zeilen(104), (std::vector<std::string>{"11/05/1995  Bescherung", "12/24/1995  bescherung",
                                                            "01/07/1996  Bescherung"}));
        d.Text(101, "Urlaub");
        Befehl(d, 102);
        EXPECT_TRUE(boxen_.Showed({1151}));
        d.Text(101, "Besch");
        Befehl(d, 102);
        d.Bild("suchen");
        Doppelklick(d, 104, 1);  // the second "Bescherung": its own date
    }, [&] { return RunSuchenDlg(nullptr, Liste); });
    SetzeDatumsformat('.', true);
    EXPECT_EQ(ziel, MachZeitpunkt(1996, 1, 7));
}

// Enter in the hit list reaches the dialog as the default button, Search: it goes to the hit.
TEST_F(SammelDialoge, EnterOnAHitGoesToIt) {
    Liste.Einfuegen(MachTermin(1996, 1, 7, 9, 0, 10, 0, 0, "Bescherung"));
    const Zeitpunkt ziel = Fahre([&](const Dlg& d) {
        Befehl(d, 102);
        d.Fokus(104);
        SendMessageA(d.Item(104), LB_SETCURSEL, 0, 0);
        Befehl(d, 102);
    }, [&] { return RunSuchenDlg(nullptr, Liste); });
    EXPECT_EQ(ziel, MachZeitpunkt(1996, 1, 7));
}
