// The address book, holiday and day dialogs from their templates, driven in-process (DlgSkript.h);
// each run checks what was stored (file, ORDIVO.PHD, settings, registry) and leaves a screenshot.
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "dialogs/AdressRegeln.h"
#include "dialogs/ClsAdressenDlg.h"
#include "dialogs/ClsEditFeiertageDlg.h"
#include "dialogs/ClsTagesDlg.h"
#include "dialogs/DlgSkript.h"
#include "document/Dokument.h"
#include "document/KalenderDatei.h"
#include "holidays/FeiertagDatei.h"
#include "holidays/FeiertagTabelle.h"
#include "settings/Settings.h"
#include "store/TerminFixtures.h"
#include "support/TempDir.h"
#include "support/WinKit.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {
// The shared controls plus the drop-down list 140 of the list-editing dialogs.
struct ListenDlg : Dlg {
    int Zeilen() const { return int(SendMessageA(Item(IDC_LISTEDIT_AUSWAHL), CB_GETCOUNT, 0, 0)); }
    int Gewaehlt() const { return int(SendMessageA(Item(IDC_LISTEDIT_AUSWAHL), CB_GETCURSEL, 0, 0)); }
    std::string Zeile(int i) const {
        char buf[256] = {};
        SendMessageA(Item(IDC_LISTEDIT_AUSWAHL), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
        return buf;
    }
};

class ListenDialogeWin : public testing::Test {
protected:
    void SetUp() override {
        doc.Liste.Reserviere(ClsListe::StartKapazitaet);
        doc.AdrListe.Initialisieren();
    }
    // Plays the script on the dialog that `run` opens; returns what `run` returns.
    template <typename Run>
    auto Fahre(const std::function<void(const ListenDlg&)>& s, Run run) {
        return ::Fahre(boxen_, [&](const Dlg& d) { s(ListenDlg{d}); }, run);
    }
    uint16_t NeueAdresse(const char* firma, const char* name1, uint16_t flags) {
        Adresse a;
        Adresse::Setze(a.FIRMA, firma);
        Adresse::Setze(a.NAME1, name1);
        Adresse::Setze(a.SORT, SortAusNamen(a));
        a.FLAGS = flags;
        a.ID = doc.AdrListe.NeueId();
        doc.AdrListe.EinfuegenSortiert(a);
        return a.ID;
    }
    // The address list as the saved file gives it back (beside one appointment: a file of
    // addresses alone starts with the address section).
    void SpeichernUndLaden() {
        doc.Liste.Einfuegen(MachTermin(2026, 3, 14, 9, 0, 10, 0, 0, "Besuch"));
        doc.Dateiname = dir.Datei("adressen.odv");
        ASSERT_TRUE(SchreibeDatei(doc, doc.Dateiname, ModusKalender));
        ASSERT_EQ(doc.Laden(), Ladeausgang::Ok);
    }

    kit::BoxAnswers boxen_;
    TempDir dir;
    Dokument doc;
};
}  // namespace

TEST_F(ListenDialogeWin, AddressBookFiltersAddsAndChangesInPlace) {
    NeueAdresse("Alpha", "", 0x01);
    const uint16_t beta = NeueAdresse("Beta", "", 0);
    const INT_PTR ergebnis = Fahre([&](const ListenDlg& d) {
        EXPECT_EQ(d.Text(IDC_ADRESSEN_ANZAHL) + "|" + d.Text(IDC_ADRESSEN_FILTER1), "2|1");
        EXPECT_TRUE(d.Markiert(IDC_ADRESSEN_FILTER1 + 7));
        d.Klick(IDC_ADRESSEN_FILTER1);  // marker 1 filtered out: only the unmarked address stays
        EXPECT_EQ(d.Zeilen() == 1 ? d.Zeile(0) : "", "Beta");
        d.Klick(IDC_ADRESSEN_ALLE);
        EXPECT_EQ(d.Zeilen(), 2);

        EXPECT_FALSE(d.An(IDC_LISTEDIT_HINZUFUEGEN));
        d.Text(IDC_ADRESSEN_FIRMA, "Meyer");
        d.Text(IDC_ADRESSEN_NAME1, "Hans");
        d.Klick(IDC_ADRESSEN_MARKE1 + 2);
        EXPECT_TRUE(d.An(IDC_LISTEDIT_HINZUFUEGEN) && !d.An(IDC_LISTEDIT_AENDERN));
        d.Klick(IDC_LISTEDIT_HINZUFUEGEN);
        ASSERT_EQ(d.Zeilen(), 3);
        EXPECT_EQ(d.Zeile(d.Gewaehlt()), "Meyer, Hans");
        d.Bild("adressbuch");

        d.Waehle(IDC_LISTEDIT_AUSWAHL, 2);  // Meyer, after Alpha and Beta
        EXPECT_EQ(d.Text(IDC_ADRESSEN_NAME1), "Hans");
        d.Text(IDC_ADRESSEN_FIRMA, "Aachen");
        d.Text(IDC_ADRESSEN_SORT, "");
        EXPECT_TRUE(d.An(IDC_LISTEDIT_AENDERN));
        d.Klick(IDC_LISTEDIT_AENDERN);
        EXPECT_EQ(d.Zeile(d.Gewaehlt()), "Aachen, Hans");
        EXPECT_TRUE(boxen_.Showed({}));  // Change asked nothing

        boxen_.answers = {IDNO};
        d.Text(IDC_ADRESSEN_TELEFON, "0711");
        d.Waehle(IDC_LISTEDIT_AUSWAHL, 2);  // refused: the fields still hold Aachen, which Change replaces
        d.Klick(IDC_LISTEDIT_AENDERN);
        EXPECT_TRUE(boxen_.Showed({IDS_AENDERUNGEN_VERWERFEN}));
    }, [&] { return RunAdressenDlg(nullptr, doc.AdrListe, doc.Liste, AdrNummer::Adressbuch); });
    EXPECT_EQ(ergebnis, 0);
    SpeichernUndLaden();
    ASSERT_EQ(doc.AdrListe.Anzahl(), 3);
    EXPECT_NE(doc.AdrListe.Finde(beta), nullptr);
    const ::Adresse& a = doc.AdrListe.Satz(0);  // its number from Add, kept by Change
    EXPECT_EQ(std::string(a.SORT) + "|" + std::to_string(a.ID) + "|" + std::to_string(a.FLAGS) + "|" + a.TELEFON,
              "Aachen, H|3|4|0711");
}

TEST_F(ListenDialogeWin, AddressBookSortKeyDeleteAndLinkResults) {
    const uint16_t alpha = NeueAdresse("Alpha", "Anna", 0x01);
    const uint16_t beta = NeueAdresse("Beta", "Bert", 0);
    // Link mode shows the linked address; filtering it away and back selects it again.
    EXPECT_EQ(Fahre([&](const ListenDlg& d) {
        EXPECT_EQ(d.Text(IDC_ADRESSEN_NAME1), "Anna");
        d.Klick(IDC_ADRESSEN_KEINE);
        EXPECT_EQ(d.Gewaehlt(), -1);
        d.Klick(IDC_ADRESSEN_FILTER1);
        EXPECT_EQ(d.Gewaehlt(), 0);
    }, [&] { return RunAdressenDlg(nullptr, doc.AdrListe, doc.Liste, alpha); }), alpha);
    // New without a line: 65534, which unlinks. Closing over typed fields asks first; No stays.
    boxen_.answers = {IDNO};
    EXPECT_EQ(Fahre([&](const ListenDlg& d) {
        d.Klick(IDC_LISTEDIT_NEU);
        d.Text(IDC_ADRESSEN_FIRMA, "Gamma");
        SendMessageA(d.h, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(IsWindow(d.h) ? d.Text(IDC_ADRESSEN_FIRMA) : "", "Gamma");
    }, [&] { return RunAdressenDlg(nullptr, doc.AdrListe, doc.Liste, beta); }), AdrNummer::KeinVerweis);
    EXPECT_TRUE(boxen_.Showed({IDS_AENDERUNGEN_VERWERFEN, IDS_AENDERUNGEN_VERWERFEN}));
    // Deleting asks with the name; the deleted address is not handed back, and a new one does
    // not take over its number while an appointment still links to it.
    Termin besuch = MachTermin(2026, 3, 13, 9, 0, 10, 0, 0, "Bert");
    besuch.AdrId = beta;
    doc.Liste.Einfuegen(besuch);
    boxen_.answers = {IDNO, IDYES};
    EXPECT_EQ(Fahre([&](const ListenDlg& d) {
        EXPECT_EQ(d.Gewaehlt(), 1);
        d.Klick(IDC_LISTEDIT_LOESCHEN);  // No: kept
        EXPECT_EQ(d.Zeilen(), 2);
        d.Klick(IDC_LISTEDIT_LOESCHEN);  // Yes
        EXPECT_EQ(d.Zeilen(), 1);
        EXPECT_EQ(d.Gewaehlt(), -1);
        d.Klick(IDC_LISTEDIT_NEU);
        d.Text(IDC_ADRESSEN_FIRMA, "Delta");
        d.Klick(IDC_LISTEDIT_HINZUFUEGEN);
        EXPECT_EQ(doc.AdrListe.Finde(beta), nullptr);
        d.Klick(IDC_LISTEDIT_NEU);
    }, [&] { return RunAdressenDlg(nullptr, doc.AdrListe, doc.Liste, beta); }), AdrNummer::KeinVerweis);
    const std::string frage = "Soll die Adresse \x84" "Bert\x93 gel\xF6scht werden?";
    EXPECT_EQ(boxen_.texts, (std::vector<std::string>{frage, frage}));
    boxen_.texts.clear();
    SpeichernUndLaden();
    ASSERT_EQ(doc.AdrListe.Anzahl(), 2);
    EXPECT_EQ(doc.AdrListe.Satz(0).ID, alpha);
}

TEST_F(ListenDialogeWin, MarkerLabelIsEditedAtTheClickAndStored) {
    kit::SavedValue gemerkt("Software\\kdw\\Ordivo\\Address", "SelectionMarker2");
    kit::SetUserString("Software\\kdw\\Ordivo\\Address", "SelectionMarker2", "F&E");
    Fahre([&](const ListenDlg& d) {
        EXPECT_EQ(d.Text(IDC_ADRESSEN_MARKE1 + 1), "F&&E");  // shows the '&' instead of underlining E
        boxen_.answers = {IDOK};
        SendMessageA(d.Item(IDC_ADRESSEN_FILTER1 + 1), WM_RBUTTONUP, 0, MAKELPARAM(3, 4));
        EXPECT_EQ(kit::UserString("Software\\kdw\\Ordivo\\Address", "SelectionMarker2"), "F&E");
        SetWindowTextA(d.Item(IDC_ADRESSEN_FILTER1 + 1), "Privatleute");  // longer than a label
        boxen_.answers = {IDOK};  // the pop-up's OK
        SendMessageA(d.Item(IDC_ADRESSEN_FILTER1 + 1), WM_RBUTTONUP, 0, MAKELPARAM(3, 4));
        EXPECT_EQ(d.Text(IDC_ADRESSEN_FILTER1 + 1), "Privatleu");
        boxen_.texts.clear();
    }, [&] { return RunAdressenDlg(nullptr, doc.AdrListe, doc.Liste, AdrNummer::Adressbuch); });
    EXPECT_EQ(kit::UserString("Software\\kdw\\Ordivo\\Address", "SelectionMarker2"), "Privatleu");
}

namespace {
class FeiertageWin : public ListenDialogeWin {
protected:
    // The dialog on a file of `anzahl` fixed-date entries.
    void Datei(int anzahl) {
        Feiertage f;
        for (int i = 0; i < anzahl; ++i) {
            Feiertag& e = f.Tabelle.Eintrag[i];
            std::snprintf(e.Kurzname, sizeof e.Kurzname, "F%d", i);
            std::snprintf(e.Langname, sizeof e.Langname, "Fest %d", i);
            e.Art = FeiertagArt::Fest;
            e.Regel = RegelFest(1 + i % 12, 1 + i / 12);
            e.Status = FeiertagStatus::Aktiv;
            e.BisJahr = 9999;
        }
        ASSERT_TRUE(SpeichereFeiertage(f.Tabelle, pfad));
    }
    void Fahre(const std::function<void(const ListenDlg&)>& s) {
        ListenDialogeWin::Fahre(s, [&] { RunFeiertageDlg(nullptr, feiertage, settings, 2026, pfad); return 0; });
    }
    // The table as ORDIVO.PHD holds it now.
    FeiertagTabelle Gespeichert() {
        Feiertage f;
        EXPECT_TRUE(LadeFeiertage(f, pfad));
        return f.Tabelle;
    }
    void Eintrag(const ListenDlg& d, const char* name, int option, const std::string& wert) {
        d.Klick(IDC_LISTEDIT_NEU);
        d.Text(IDC_FEIERTAGE_KURZNAME, name);
        d.Text(IDC_FEIERTAGE_LANGNAME, name);
        d.Klick(option);
        if (option == IDC_FEIERTAGE_FEST) {
            d.Text(IDC_FEIERTAGE_TAG, wert);
            d.Text(IDC_FEIERTAGE_MONAT, "2");
        } else {
            d.Text(IDC_FEIERTAGE_ADVENT_TAGE, wert);
        }
        d.Klick(IDC_LISTEDIT_HINZUFUEGEN);
    }
    std::string pfad = dir.Datei("ORDIVO.PHD");
    Feiertage feiertage;
    Settings settings;
};

int ZeileMit(const ListenDlg& d, const std::string& text) {
    for (int i = 0; i < d.Zeilen(); ++i)
        if (d.Zeile(i).find(text) != std::string::npos) return i;
    return -1;
}
}  // namespace

TEST_F(FeiertageWin, FullTableRefusesThenEntriesAreAddedLoadedAndWritten) {
    Datei(48);
    boxen_.answers = {IDYES};
    Fahre([&](const ListenDlg& d) {
        EXPECT_EQ(d.Zeilen(), 48);
        EXPECT_EQ(d.Zeile(0), "(01.01.2026)            Fest 0");
        EXPECT_FALSE(d.An(IDC_FEIERTAGE_OSTERN_TAGE));
        Eintrag(d, "Neu", IDC_FEIERTAGE_FEST, "1");
        EXPECT_TRUE(boxen_.Showed({IDS_FEIERTAGE_VOLL}));
        EXPECT_EQ(d.Zeilen(), 48);
        d.Klick(IDC_LISTEDIT_NEU);  // the refused fields are still unsaved: Yes discards them
        EXPECT_TRUE(boxen_.Showed({IDS_AENDERUNGEN_VERWERFEN}));

        boxen_.answers = {IDYES};
        d.Waehle(IDC_LISTEDIT_AUSWAHL, 0);
        d.Klick(IDC_LISTEDIT_LOESCHEN);
        EXPECT_TRUE(boxen_.Showed({IDS_FEIERTAG_LOESCHEN}));
        EXPECT_EQ(d.Zeilen(), 47);
        Eintrag(d, "Spaet", IDC_FEIERTAGE_FEST, "31");  // 31 February
        EXPECT_EQ(d.Zeile(d.Gewaehlt()), "(03.03.2026)            Spaet");  // selected at its sorted place
        EXPECT_TRUE(boxen_.Showed({}));

        d.Waehle(IDC_LISTEDIT_AUSWAHL, 0);
        d.Klick(IDC_LISTEDIT_LOESCHEN);
        EXPECT_TRUE(boxen_.Showed({IDS_FEIERTAG_LOESCHEN}));
        Eintrag(d, "Advent", IDC_FEIERTAGE_ADVENT, "-21");
        d.Klick(IDC_FEIERTAGE_TAG1);
        d.Bild("feiertage");
        d.Waehle(IDC_LISTEDIT_AUSWAHL, ZeileMit(d, "Advent"));
        EXPECT_TRUE(d.Markiert(IDC_FEIERTAGE_ADVENT) && !d.Markiert(IDC_FEIERTAGE_FEST));
        EXPECT_EQ(d.Text(IDC_FEIERTAGE_ADVENT_TAGE), "-21");
        EXPECT_TRUE(d.An(IDC_FEIERTAGE_ADVENT_TAGE) && !d.An(IDC_FEIERTAGE_TAG));
    });
    const FeiertagTabelle t = Gespeichert();
    EXPECT_EQ(AnzahlFeiertage(t), 48);
    EXPECT_TRUE(!settings.Day1.Used && settings.SettingsChanged);
    const auto advent = std::find_if(t.Eintrag, t.Eintrag + 48, [](const Feiertag& e) { return std::strcmp(e.Kurzname, "Advent") == 0; });
    ASSERT_NE(advent, t.Eintrag + 48);
    EXPECT_EQ(advent->Art, FeiertagArt::Weihnachten);
    EXPECT_EQ(Versatz(advent->Regel), -21);
}

TEST_F(FeiertageWin, ChangeMovesTheEntryWithoutQuestionAndBadFieldsKeepIt) {
    Datei(3);
    Fahre([&](const ListenDlg& d) {
        d.Waehle(IDC_LISTEDIT_AUSWAHL, 0);
        d.Text(IDC_FEIERTAGE_MONAT, "13");
        d.Klick(IDC_LISTEDIT_AENDERN);
        EXPECT_TRUE(boxen_.Showed({IDS_MONAT_UNGUELTIG}));
        EXPECT_EQ(d.Zeilen(), 3);
        d.Text(IDC_FEIERTAGE_MONAT, "12");
        d.Klick(IDC_LISTEDIT_AENDERN);
        EXPECT_TRUE(boxen_.Showed({}));
        EXPECT_EQ(d.Zeile(2), "(01.12.2026)            Fest 0");
        d.Klick(IDC_FEIERTAGE_NTER_WOCHENTAG);  // first Monday of December
        for (int id : {IDC_FEIERTAGE_NTER, IDC_FEIERTAGE_WOCHENTAG}) d.Waehle(id, 0);
        d.Waehle(IDC_FEIERTAGE_MONATSLISTE, 11);
        d.Klick(IDC_LISTEDIT_AENDERN);
        d.Waehle(IDC_FEIERTAGE_NTER, 1);  // a pick in a rule list alone is an edit
        EXPECT_TRUE(d.An(IDC_LISTEDIT_AENDERN));
        d.Klick(IDC_LISTEDIT_AENDERN);
        EXPECT_EQ(d.Zeile(2), "(14.12.2026)            Fest 0");

        boxen_.answers = {IDNO};
        d.Text(IDC_FEIERTAGE_LANGNAME, "Fest X");
        d.Waehle(IDC_LISTEDIT_AUSWAHL, 0);  // refused: the fields still hold Fest 0, which Change replaces
        d.Klick(IDC_LISTEDIT_AENDERN);
        EXPECT_TRUE(boxen_.Showed({IDS_AENDERUNGEN_VERWERFEN}));
        EXPECT_EQ(d.Zeile(0) + "|" + d.Zeile(2), "(01.02.2026)            Fest 1|(14.12.2026)            Fest X");
    });
    EXPECT_EQ(WochentagN(Gespeichert().Eintrag[2].Regel), 2);
}

TEST_F(ListenDialogeWin, DayGridShowsEndsAndChecksInOrder) {
    Settings s;
    s.StartAM = 480;
    const bool gespeichert = Fahre([&](const ListenDlg& d) {
        EXPECT_EQ(d.Text(IDC_RASTER_START_AM), "8:00");
        EXPECT_EQ(d.Text(IDC_RASTER_ENDE_AM), "19:30");
        d.Text(IDC_RASTER_START_PM, "19:59");
        d.Text(IDC_RASTER_SCHRITT_PM, "10");
        EXPECT_EQ(d.Text(IDC_RASTER_ENDE_PM), "23:49");
        d.Bild("tagesraster");
        d.Klick(IDOK);  // the checks are pinned natively; one refusal keeps the dialog open
        EXPECT_TRUE(boxen_.Showed({IDS_RASTER_START_PM}));
        EXPECT_FALSE(s.SettingsChanged);
        d.Text(IDC_RASTER_START_PM, "20");
        d.Klick(IDOK);
    }, [&] { return RunTagesDlg(nullptr, s); });
    EXPECT_TRUE(gespeichert);
    EXPECT_EQ(s.StartPM, 1200);
    EXPECT_EQ(s.StepPM, 10);
    EXPECT_TRUE(s.SettingsChanged);
}
