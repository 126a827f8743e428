// ClsTerminDlg: fills the controls, reads them back in one place (LeseFelder), applies the
// enable rules and runs Add, Change, Delete and New on the collection.
#include "dialogs/ClsTerminDlg.h"

#include "core/HelpViewer.h"
#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "core/WarteCursor.h"
#include "document/Dokument.h"
#include "dialogs/ClsEntfernenDlg.h"
#include "dialogs/ProgrammVerweis.h"
#include "dialogs/TerminAktionen.h"
#include "dialogs/TerminFreigaben.h"
#include "dialogs/TerminListe.h"
#include "dialogs/ZeitFeld.h"
#include "store/DatumText.h"

namespace {
constexpr int BereitIds[] = {IDC_TERMIN_PRIORITAET_TEXT, IDC_TERMIN_ERLEDIGT_TEXT, IDC_TERMIN_VOR_BEGINN_TEXT,
                             IDC_TERMIN_WIEDERHOLUNG_TEXT, IDC_TERMIN_MAL_TEXT, IDC_TERMIN_AUTOMATISCH,
                             IDC_TERMIN_VON_HAND, IDC_TERMIN_VORWARNUNG, IDC_TERMIN_ANZAHL_WAHL, IDC_TERMIN_ANZAHL,
                             IDC_TERMIN_JAEHRLICH, IDC_TERMIN_PRIO_NORMAL, IDC_TERMIN_PRIO_WENIGER_WICHTIG,
                             IDC_TERMIN_PRIO_WICHTIG, IDC_TERMIN_PRIO_SEHR_WICHTIG};
constexpr int WarnIds[] = {IDC_TERMIN_VOR_TAGE,  IDC_TERMIN_VOR_STUNDEN,  IDC_TERMIN_VOR_MINUTEN,
                           IDC_TERMIN_TAGE_TEXT, IDC_TERMIN_STUNDEN_TEXT, IDC_TERMIN_MINUTEN_TEXT};
constexpr int WiederholungIds[] = {IDC_TERMIN_SCHRITTWEITE_TEXT, IDC_TERMIN_SCHRITT_JAHRE, IDC_TERMIN_FAKTOR_TEXT,
                                   IDC_TERMIN_FAKTOR};
constexpr int SchrittIds[] = {IDC_TERMIN_SCHRITT_TAGE, IDC_TERMIN_SCHRITT_WOCHEN, IDC_TERMIN_SCHRITT_MONATE};
constexpr int HilfeKontext = 3604;
constexpr size_t ProgrammSuchLaenge = 174;  // the part of the description that a record holds inline
constexpr const char* KeineAdresse = "<k.A.>";

// Sets the dialog's filling flag for a scope and restores what it was.
class Fuellen {
public:
    explicit Fuellen(bool& flag) : flag_(flag), vorher_(flag) { flag = true; }
    ~Fuellen() { flag_ = vorher_; }
    Fuellen(const Fuellen&) = delete;
    Fuellen& operator=(const Fuellen&) = delete;

private:
    bool& flag_;
    bool vorher_;
};
}  // namespace

ClsTerminDlg::ClsTerminDlg(HWND parent, Dokument& dok, const Zeitpunkt& tag, bool datumGebunden)
    : Dialog(parent, IDD_TERMIN, ResourceModule()), liste_(dok.Liste), adressen_(dok.AdrListe),
      datumGebunden_(datumGebunden), tag_(datumGebunden ? MachZeitpunkt(tag.Jahr, tag.Monat, tag.Tag) : Zeitpunkt{}),
      gewaehlt_(tag) {}

bool ClsTerminDlg::Gueltig(int slot) const { return slot >= 0 && slot < liste_.Anzahl(); }

// The one place that reads the controls.
TerminFelder ClsTerminDlg::LeseFelder() const {
    TerminFelder f;
    f.Datum = GetItemText(IDC_TERMIN_DATUM);
    f.Beginn = GetItemText(IDC_TERMIN_BEGINN);
    f.Ende = GetItemText(IDC_TERMIN_ENDE);
    f.Kurztext = GetItemText(IDC_TERMIN_KURZTEXT);
    f.Beschreibung = GetItemText(IDC_TERMIN_BESCHREIBUNG);
    const int zeile = ComboSelection(IDC_TERMIN_ADRESSE);
    f.AdrId = zeile >= 0 && size_t(zeile) < adressNummern_.size() ? adressNummern_[size_t(zeile)] : 0;
    f.ManuellErledigt = IsChecked(IDC_TERMIN_VON_HAND);
    for (int p = 0; p < 4; ++p)
        if (IsChecked(IDC_TERMIN_PRIO_NORMAL + p)) f.Prioritaet = p;
    f.Vorwarnung = IsChecked(IDC_TERMIN_VORWARNUNG);
    f.VorTage = GetItemText(IDC_TERMIN_VOR_TAGE);
    f.VorStunden = GetItemText(IDC_TERMIN_VOR_STUNDEN);
    f.VorMinuten = GetItemText(IDC_TERMIN_VOR_MINUTEN);
    f.Jaehrlich = IsChecked(IDC_TERMIN_JAEHRLICH);
    f.Anzahl = GetItemText(IDC_TERMIN_ANZAHL);
    f.SchrittTage = IsChecked(IDC_TERMIN_SCHRITT_TAGE);
    f.SchrittWochen = IsChecked(IDC_TERMIN_SCHRITT_WOCHEN);
    f.SchrittMonate = IsChecked(IDC_TERMIN_SCHRITT_MONATE);
    f.SchrittJahre = IsChecked(IDC_TERMIN_SCHRITT_JAHRE);
    f.Faktor = GetItemText(IDC_TERMIN_FAKTOR);
    return f;
}

void ClsTerminDlg::ZeigeFelder(const TerminFelder& f) {
    Fuellen fuellen(Filling);
    SetItemText(IDC_TERMIN_DATUM, f.Datum);
    SetItemText(IDC_TERMIN_BEGINN, f.Beginn);
    SetItemText(IDC_TERMIN_ENDE, f.Ende);
    SetItemText(IDC_TERMIN_KURZTEXT, f.Kurztext);
    SetItemText(IDC_TERMIN_BESCHREIBUNG, f.Beschreibung);
    int zeile = -1;
    for (size_t i = 0; i < adressNummern_.size() && zeile < 0; ++i)
        if (adressNummern_[i] == f.AdrId) zeile = int(i);
    ComboSelect(IDC_TERMIN_ADRESSE, zeile);
    SetChecked(IDC_TERMIN_AUTOMATISCH, !f.ManuellErledigt);
    SetChecked(IDC_TERMIN_VON_HAND, f.ManuellErledigt);
    for (int p = 0; p < 4; ++p) SetChecked(IDC_TERMIN_PRIO_NORMAL + p, p == f.Prioritaet);
    SetChecked(IDC_TERMIN_VORWARNUNG, f.Vorwarnung);
    SetItemText(IDC_TERMIN_VOR_TAGE, f.VorTage);
    SetItemText(IDC_TERMIN_VOR_STUNDEN, f.VorStunden);
    SetItemText(IDC_TERMIN_VOR_MINUTEN, f.VorMinuten);
    SetChecked(IDC_TERMIN_ANZAHL_WAHL, !f.Jaehrlich);
    SetChecked(IDC_TERMIN_JAEHRLICH, f.Jaehrlich);
    SetItemText(IDC_TERMIN_ANZAHL, f.Anzahl);
    SetChecked(IDC_TERMIN_SCHRITT_TAGE, f.SchrittTage);
    SetChecked(IDC_TERMIN_SCHRITT_WOCHEN, f.SchrittWochen);
    SetChecked(IDC_TERMIN_SCHRITT_MONATE, f.SchrittMonate);
    SetChecked(IDC_TERMIN_SCHRITT_JAHRE, f.SchrittJahre);
    SetItemText(IDC_TERMIN_FAKTOR, f.Faktor);
}

// Date-bound mode: the title names the working record's day; with mitDatumsfeld the date field shows it too.
void ClsTerminDlg::ZeigeTag(bool mitDatumsfeld) {
    if (!datumGebunden_) return;
    const std::string datum = DatumText(tag_, DatumStil::Kurz);
    SetWindowTextA(Handle(), Format(LoadResString(IDS_TERMINE_AM), datum.c_str()).c_str());
    if (!mitDatumsfeld) return;
    Fuellen fuellen(Filling);
    SetItemText(IDC_TERMIN_DATUM, datum);
}

void ClsTerminDlg::SetupWindow() {
    geaendert_ = geladen_ = sammlungGeaendert_ = datumOderZeit_ = false;
    Fuellen fuellen(Filling);
    ZeigeTag(true);
    FuelleListe();
    LimitText(IDC_TERMIN_KURZTEXT, TerminBild::KurzbeschrLaenge - 1);
    LimitText(IDC_TERMIN_BESCHREIBUNG, 32000);
    LimitText(IDC_TERMIN_BEGINN, int(ZeitFeldLaenge));
    LimitText(IDC_TERMIN_ENDE, int(ZeitFeldLaenge));
    for (int id :
         {IDC_TERMIN_VOR_TAGE, IDC_TERMIN_VOR_STUNDEN, IDC_TERMIN_VOR_MINUTEN, IDC_TERMIN_ANZAHL, IDC_TERMIN_FAKTOR})
        LimitText(id, 4);
    FuelleAdressen();
    TerminFelder standard;
    standard.Datum = GetItemText(IDC_TERMIN_DATUM);
    ZeigeFelder(standard);
    Freigeben();
}

void ClsTerminDlg::FuelleListe() {
    WarteCursor warten;
    const ListenInhalt inhalt = ListenInhaltFuer(liste_, datumGebunden_ ? &tag_ : nullptr);
    HWND liste = Item(IDC_TERMIN_LISTE);
    SendMessageA(liste, WM_SETREDRAW, FALSE, 0);
    ListClear(IDC_TERMIN_LISTE);
    const int* tab = datumGebunden_ ? TabStopsTag : TabStopsAlle;
    INT stops[2] = {tab[0], tab[1]};
    SendMessageA(liste, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(stops));
    bool voll = false;
    for (const std::string& zeile : inhalt.Zeilen) {
        // Choice: a full list box is reported once per filling, not once per line.
        if (ListAdd(IDC_TERMIN_LISTE, zeile) == LB_ERRSPACE && !voll) {
            voll = true;
            Message(IDS_LISTE_VOLL, 0, Mb::Ok | Mb::IconExclamation);
        }
    }
    anker_ = inhalt.Anker;
    auswahl_ = -1;
    SendMessageA(liste, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(liste, nullptr, TRUE);
    ListSelect(IDC_TERMIN_LISTE, -1);
}

// One line per address in list order, after a first line for "no address" (choice: so that a
// link can be removed again in a drop-down list).
void ClsTerminDlg::FuelleAdressen() {
    HWND combo = Item(IDC_TERMIN_ADRESSE);
    SendMessageA(combo, WM_SETREDRAW, FALSE, 0);
    ComboClear(IDC_TERMIN_ADRESSE);
    adressNummern_.assign(1, 0);
    ComboAdd(IDC_TERMIN_ADRESSE, KeineAdresse);
    for (int i = 0; i < adressen_.Anzahl(); ++i) {
        ComboAdd(IDC_TERMIN_ADRESSE, ClsAdrListe::Zeile(adressen_.Satz(i), false));
        adressNummern_.push_back(adressen_.Satz(i).ID);
    }
    SendMessageA(combo, WM_SETREDRAW, TRUE, 0);
    ComboSelect(IDC_TERMIN_ADRESSE, -1);
}

void ClsTerminDlg::LadeZeile(int index) {
    const int slot = anker_ + index;
    if (anker_ < 0 || !Gueltig(slot)) return;
    Termin& t = liste_.Satz(slot);
    liste_.SetzeAktuell(&t);
    ZeigeFelder(FelderAus(t, t.Id != 0 ? liste_.ZaehleId(t.Id) : 0));
    aktuell_ = slot;
    geladen_ = true;
    geaendert_ = datumOderZeit_ = false;
    Freigeben();
}

void ClsTerminDlg::Freigeben() {
    FreigabeLage lage;
    lage.DatumGefuellt = !GetItemText(IDC_TERMIN_DATUM).empty();
    lage.KurztextGefuellt = !GetItemText(IDC_TERMIN_KURZTEXT).empty();
    lage.Geladen = geladen_;
    lage.DatumOderZeitGeaendert = datumOderZeit_;
    lage.Geaendert = geaendert_;
    lage.AktuellJahresKopie = Gueltig(aktuell_) && liste_.Satz(aktuell_).Hat(FlagJahresKopie);
    lage.AendernBisher = IsWindowEnabled(Item(IDC_TERMIN_AENDERN)) != FALSE;
    lage.Anzahl = FeldZahl(GetItemText(IDC_TERMIN_ANZAHL));
    lage.Jaehrlich = IsChecked(IDC_TERMIN_JAEHRLICH);
    lage.Vorwarnung = IsChecked(IDC_TERMIN_VORWARNUNG);
    lage.ProgrammMarke = HatProgrammMarke(GetItemText(IDC_TERMIN_BESCHREIBUNG).substr(0, ProgrammSuchLaenge));
    lage.ZeileGewaehlt = ListSelection(IDC_TERMIN_LISTE) >= 0;
    const Freigaben f = BerechneFreigaben(lage);

    for (int id : BereitIds) EnableItem(id, f.Bereit);
    for (int id : WarnIds) EnableItem(id, f.Warnfelder);
    for (int id : WiederholungIds) EnableItem(id, f.Wiederholung);
    for (int id : SchrittIds) EnableItem(id, f.Schritte);
    for (int id : SchrittIds)
        if (!f.Schritte) SetChecked(id, false);
    if (!f.Wiederholung) SetChecked(IDC_TERMIN_SCHRITT_JAHRE, false);
    EnableItem(IDC_TERMIN_HINZUFUEGEN, f.Hinzufuegen);
    EnableItem(IDC_TERMIN_AENDERN, f.Aendern && Gueltig(aktuell_));  // nothing to change without a record
    EnableItem(IDC_TERMIN_LOESCHEN, f.Loeschen);
    // Keyboard focus must not stay on a control that was just disabled.
    HWND fokus = GetFocus();
    if (fokus && GetParent(fokus) == Handle() && !IsWindowEnabled(fokus)) FocusItem(IDC_TERMIN_DATUM);
}

bool ClsTerminDlg::DarfVerwerfen() {
    return !geaendert_ ||
           Message(IDS_AENDERUNGEN_VERWERFEN, IDS_TITEL_TERMIN, Mb::YesNo | Mb::IconQuestion) == Mb::IdYes;
}

bool ClsTerminDlg::CanClose() { return DarfVerwerfen(); }

void ClsTerminDlg::OnCancel() {
    if (DarfVerwerfen()) CloseDialog(sammlungGeaendert_ ? 1 : 0);
}

bool ClsTerminDlg::OnCommand(int id, int notify, HWND) {
    switch (id) {
    case IDOK: return true;  // Enter adds nothing and does not close
    case IDCANCEL: return false;  // Close runs through OnCancel
    case IDC_TERMIN_HINZUFUEGEN: Hinzufuegen(); return true;
    case IDC_TERMIN_AENDERN: Aendern(); return true;
    case IDC_TERMIN_LOESCHEN: Loeschen(); return true;
    case IDC_TERMIN_NEU: Neu(); return true;
    case IDC_TERMIN_HILFE: OpenHelp(Handle(), HilfeKontext); return true;
    case IDC_TERMIN_LISTE:
        if (notify == LBN_SELCHANGE) ListenAuswahl();
        return true;
    default: break;
    }
    if (notify == EN_KILLFOCUS && (id == IDC_TERMIN_BEGINN || id == IDC_TERMIN_ENDE)) {
        ZeitVerlassen(id);
        return true;
    }
    // Choice: picking an address counts as an edit like typing does.
    if (notify == EN_CHANGE || notify == BN_CLICKED || (id == IDC_TERMIN_ADRESSE && notify == CBN_SELCHANGE)) {
        if (!Filling) Bearbeitet(id);
        return true;
    }
    return false;
}

void ClsTerminDlg::Bearbeitet(int id) {
    if (id == IDC_TERMIN_DATUM || id == IDC_TERMIN_BEGINN || id == IDC_TERMIN_ENDE) datumOderZeit_ = true;
    geaendert_ = true;
    Freigeben();
}

void ClsTerminDlg::ZeitVerlassen(int id) {
    const std::string text = GetItemText(id);
    const std::string ergaenzt = ErgaenzeZeit(text);
    if (ergaenzt != text) {
        Fuellen fuellen(Filling);
        SetItemText(id, ergaenzt);
    }
    datumOderZeit_ = true;
    Freigeben();
}

// Choice: when the user keeps unsaved edits, the previous line is selected again.
void ClsTerminDlg::ListenAuswahl() {
    const int zeile = ListSelection(IDC_TERMIN_LISTE);
    if (zeile < 0) {
        Freigeben();
        return;
    }
    if (!DarfVerwerfen()) {
        ListSelect(IDC_TERMIN_LISTE, auswahl_);
        return;
    }
    auswahl_ = zeile;
    LadeZeile(zeile);
}

void ClsTerminDlg::Hinzufuegen() {
    Termin basis;
    const int slot = FuegeHinzu(liste_, LeseFelder(), basis);
    if (slot < 0) return;
    tag_ = MachZeitpunkt(basis.Start.Jahr, basis.Start.Monat, basis.Start.Tag);
    aktuell_ = slot;
    liste_.SetzeAktuell(&liste_.Satz(slot));
    FuelleListe();
    ZeigeTag(true);
    geladen_ = true;
    geaendert_ = false;
    datumOderZeit_ = basis.Hat(FlagOhneZeit);
    sammlungGeaendert_ = true;
    Freigeben();
    FocusItem(IDC_TERMIN_DATUM);
}

void ClsTerminDlg::Aendern() {
    if (!Gueltig(aktuell_)) return;
    const bool ok = Aendere(liste_, aktuell_, LeseFelder());
    if (!ok) return;
    const Zeitpunkt& start = liste_.Satz(aktuell_).Start;
    tag_ = MachZeitpunkt(start.Jahr, start.Monat, start.Tag);
    FuelleListe();
    ZeigeTag(false);
    geaendert_ = false;
    sammlungGeaendert_ = true;
    Freigeben();
}

// The remove dialog runs for the selected line's record; the list is refilled for its date.
void ClsTerminDlg::Loeschen() {
    const int zeile = ListSelection(IDC_TERMIN_LISTE);
    const int slot = anker_ + zeile;
    if (zeile < 0 || anker_ < 0 || !Gueltig(slot)) return;
    liste_.SetzeAktuell(&liste_.Satz(slot));
    const Zeitpunkt start = liste_.Satz(slot).Start;
    if (!RunEntfernenDlg(Handle(), liste_, slot)) return;
    sammlungGeaendert_ = true;
    // Choice: after a removal nothing stays loaded (several records may have moved), so
    // Change cannot hit another record.
    aktuell_ = -1;
    geladen_ = false;
    tag_ = MachZeitpunkt(start.Jahr, start.Monat, start.Tag);
    FuelleListe();
    Freigeben();
}

void ClsTerminDlg::Neu() {
    if (!DarfVerwerfen()) return;
    geladen_ = datumOderZeit_ = false;
    {
        Fuellen fuellen(Filling);
        if (GetItemText(IDC_TERMIN_DATUM).empty())
            SetItemText(IDC_TERMIN_DATUM, DatumText(gewaehlt_.Tag, gewaehlt_.Monat, gewaehlt_.Jahr, DatumStil::Leer));
        for (int id : {IDC_TERMIN_BEGINN, IDC_TERMIN_ENDE, IDC_TERMIN_KURZTEXT, IDC_TERMIN_BESCHREIBUNG})
            SetItemText(id, "");
        ComboSelect(IDC_TERMIN_ADRESSE, 0);
        SetChecked(IDC_TERMIN_AUTOMATISCH, true);
        SetChecked(IDC_TERMIN_VON_HAND, false);
        for (int p = 0; p < 4; ++p) SetChecked(IDC_TERMIN_PRIO_NORMAL + p, p == 0);
        // Choice: a new appointment starts as a single one, not as yearly like the last.
        SetChecked(IDC_TERMIN_ANZAHL_WAHL, true);
        SetChecked(IDC_TERMIN_JAEHRLICH, false);
        SetItemText(IDC_TERMIN_ANZAHL, "1");
        SetItemText(IDC_TERMIN_FAKTOR, "1");
    }
    Freigeben();
    geaendert_ = false;
}

bool RunTerminDlg(HWND owner, Dokument& dok, const Zeitpunkt& tag, bool datumGebunden) {
    ClsTerminDlg dlg(owner, dok, tag, datumGebunden);
    return dlg.Execute() > 0;
}
