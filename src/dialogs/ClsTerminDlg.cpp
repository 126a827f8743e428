// ClsTerminDlg: fills the controls, reads them back in one place (LeseFelder), applies the
// enable rules and runs Add, Change, Delete and New on the collection.
#include "dialogs/ClsTerminDlg.h"

#include "core/HelpViewer.h"
#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "core/TextFormat.h"
#include "core/WarteCursor.h"
#include "document/Dokument.h"
#include "dialogs/ProgrammVerweis.h"
#include "dialogs/TerminAktionen.h"
#include "dialogs/TerminFreigaben.h"
#include "dialogs/TerminListe.h"
#include "dialogs/ZeitFeld.h"
#include "store/DatumText.h"

namespace {
enum : int {
    IdDatum = 101, IdBeginn = 102, IdEnde = 172, IdKurztext = 103, IdBeschreibung = 105,
    IdAdresse = 184, IdListe = 120, IdPrioritaet = 160, IdAutomatisch = 180, IdVonHand = 181,
    IdVorwarnung = 129, IdVorTage = 114, IdVorStunden = 115, IdVorMinuten = 116,
    IdAnzahlWahl = 118, IdAnzahl = 109, IdJaehrlich = 119, IdSchrittTage = 110, IdSchrittWochen = 111,
    IdSchrittMonate = 112, IdSchrittJahre = 113, IdFaktor = 134,
    IdHinzufuegen = 106, IdAendern = 133, IdLoeschen = 107, IdNeu = 178, IdHilfe = 199,
};
constexpr int BereitIds[] = {1981, 1982, 1984, 1985, 1986, IdAutomatisch, IdVonHand, IdVorwarnung,
                             IdAnzahlWahl, IdAnzahl, IdJaehrlich, 160, 161, 162, 163};
constexpr int WarnIds[] = {IdVorTage, IdVorStunden, IdVorMinuten, 201, 202, 203};
constexpr int WiederholungIds[] = {135, IdSchrittJahre, 136, IdFaktor};
constexpr int SchrittIds[] = {IdSchrittTage, IdSchrittWochen, IdSchrittMonate};
constexpr int HilfeKontext = 3604;
constexpr size_t ProgrammSuchLaenge = 174;  // the part of 105 that a record holds inline
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
    : Dialog(parent, 2838, ResourceModule()), liste_(dok.Liste), adressen_(dok.AdrListe),
      datumGebunden_(datumGebunden), tag_(datumGebunden ? MachZeitpunkt(tag.Jahr, tag.Monat, tag.Tag) : Zeitpunkt{}),
      gewaehlt_(tag) {}

bool ClsTerminDlg::Gueltig(int slot) const { return slot >= 0 && slot < liste_.Anzahl(); }

// The one place that reads the controls.
TerminFelder ClsTerminDlg::LeseFelder() const {
    TerminFelder f;
    f.Datum = GetItemText(IdDatum);
    f.Beginn = GetItemText(IdBeginn);
    f.Ende = GetItemText(IdEnde);
    f.Kurztext = GetItemText(IdKurztext);
    f.Beschreibung = GetItemText(IdBeschreibung);
    const int zeile = ComboSelection(IdAdresse);
    f.AdrId = zeile >= 0 && size_t(zeile) < adressNummern_.size() ? adressNummern_[size_t(zeile)] : 0;
    f.ManuellErledigt = IsChecked(IdVonHand);
    for (int p = 0; p < 4; ++p)
        if (IsChecked(IdPrioritaet + p)) f.Prioritaet = p;
    f.Vorwarnung = IsChecked(IdVorwarnung);
    f.VorTage = GetItemText(IdVorTage);
    f.VorStunden = GetItemText(IdVorStunden);
    f.VorMinuten = GetItemText(IdVorMinuten);
    f.Jaehrlich = IsChecked(IdJaehrlich);
    f.Anzahl = GetItemText(IdAnzahl);
    f.SchrittTage = IsChecked(IdSchrittTage);
    f.SchrittWochen = IsChecked(IdSchrittWochen);
    f.SchrittMonate = IsChecked(IdSchrittMonate);
    f.SchrittJahre = IsChecked(IdSchrittJahre);
    f.Faktor = GetItemText(IdFaktor);
    return f;
}

void ClsTerminDlg::ZeigeFelder(const TerminFelder& f) {
    Fuellen fuellen(Filling);
    SetItemText(IdDatum, f.Datum);
    SetItemText(IdBeginn, f.Beginn);
    SetItemText(IdEnde, f.Ende);
    SetItemText(IdKurztext, f.Kurztext);
    SetItemText(IdBeschreibung, f.Beschreibung);
    int zeile = -1;
    for (size_t i = 0; i < adressNummern_.size() && zeile < 0; ++i)
        if (adressNummern_[i] == f.AdrId) zeile = int(i);
    ComboSelect(IdAdresse, zeile);
    SetChecked(IdAutomatisch, !f.ManuellErledigt);
    SetChecked(IdVonHand, f.ManuellErledigt);
    for (int p = 0; p < 4; ++p) SetChecked(IdPrioritaet + p, p == f.Prioritaet);
    SetChecked(IdVorwarnung, f.Vorwarnung);
    SetItemText(IdVorTage, f.VorTage);
    SetItemText(IdVorStunden, f.VorStunden);
    SetItemText(IdVorMinuten, f.VorMinuten);
    SetChecked(IdAnzahlWahl, !f.Jaehrlich);
    SetChecked(IdJaehrlich, f.Jaehrlich);
    SetItemText(IdAnzahl, f.Anzahl);
    SetChecked(IdSchrittTage, f.SchrittTage);
    SetChecked(IdSchrittWochen, f.SchrittWochen);
    SetChecked(IdSchrittMonate, f.SchrittMonate);
    SetChecked(IdSchrittJahre, f.SchrittJahre);
    SetItemText(IdFaktor, f.Faktor);
}

// Date-bound mode: the title names the working record's day; with mitDatumsfeld 101 shows it too.
void ClsTerminDlg::ZeigeTag(bool mitDatumsfeld) {
    if (!datumGebunden_) return;
    const std::string datum = DatumText(tag_, DatumStil::Kurz);
    SetWindowTextA(Handle(), Format(LoadResString(1235), datum.c_str()).c_str());
    if (!mitDatumsfeld) return;
    Fuellen fuellen(Filling);
    SetItemText(IdDatum, datum);
}

void ClsTerminDlg::SetupWindow() {
    geaendert_ = geladen_ = sammlungGeaendert_ = datumOderZeit_ = false;
    Fuellen fuellen(Filling);
    ZeigeTag(true);
    FuelleListe();
    LimitText(IdKurztext, TerminBild::KurzbeschrLaenge - 1);
    LimitText(IdBeschreibung, 32000);
    LimitText(IdBeginn, int(ZeitFeldLaenge));
    LimitText(IdEnde, int(ZeitFeldLaenge));
    for (int id : {IdVorTage, IdVorStunden, IdVorMinuten, IdAnzahl, IdFaktor}) LimitText(id, 4);
    FuelleAdressen();
    TerminFelder standard;
    standard.Datum = GetItemText(IdDatum);
    ZeigeFelder(standard);
    Freigeben();
}

void ClsTerminDlg::FuelleListe() {
    WarteCursor warten;
    const ListenInhalt inhalt = ListenInhaltFuer(liste_, datumGebunden_ ? &tag_ : nullptr);
    HWND liste = Item(IdListe);
    SendMessageA(liste, WM_SETREDRAW, FALSE, 0);
    ListClear(IdListe);
    INT stops[2] = {datumGebunden_ ? 22 : 41, datumGebunden_ ? 48 : 64};
    SendMessageA(liste, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(stops));
    bool voll = false;
    for (const std::string& zeile : inhalt.Zeilen) {
        // Choice: a full list box is reported once per filling, not once per line.
        if (ListAdd(IdListe, zeile) == LB_ERRSPACE && !voll) {
            voll = true;
            Message(1154, 0, Mb::Ok | Mb::IconExclamation);
        }
    }
    anker_ = inhalt.Anker;
    auswahl_ = -1;
    SendMessageA(liste, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(liste, nullptr, TRUE);
    ListSelect(IdListe, -1);
}

// One line per address in list order, after a first line for "no address" (choice: so that a
// link can be removed again in a drop-down list).
void ClsTerminDlg::FuelleAdressen() {
    HWND combo = Item(IdAdresse);
    SendMessageA(combo, WM_SETREDRAW, FALSE, 0);
    ComboClear(IdAdresse);
    adressNummern_.assign(1, 0);
    ComboAdd(IdAdresse, KeineAdresse);
    for (int i = 0; i < adressen_.Anzahl(); ++i) {
        ComboAdd(IdAdresse, ClsAdrListe::Zeile(adressen_.Satz(i), false));
        adressNummern_.push_back(adressen_.Satz(i).ID);
    }
    SendMessageA(combo, WM_SETREDRAW, TRUE, 0);
    ComboSelect(IdAdresse, -1);
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
    lage.DatumGefuellt = !GetItemText(IdDatum).empty();
    lage.KurztextGefuellt = !GetItemText(IdKurztext).empty();
    lage.Geladen = geladen_;
    lage.DatumOderZeitGeaendert = datumOderZeit_;
    lage.Geaendert = geaendert_;
    lage.AktuellJahresKopie = Gueltig(aktuell_) && liste_.Satz(aktuell_).Hat(FlagJahresKopie);
    lage.AendernBisher = IsWindowEnabled(Item(IdAendern)) != FALSE;
    lage.Anzahl = FeldZahl(GetItemText(IdAnzahl));
    lage.Jaehrlich = IsChecked(IdJaehrlich);
    lage.Vorwarnung = IsChecked(IdVorwarnung);
    lage.ProgrammMarke = HatProgrammMarke(GetItemText(IdBeschreibung).substr(0, ProgrammSuchLaenge));
    lage.ZeileGewaehlt = ListSelection(IdListe) >= 0;
    const Freigaben f = BerechneFreigaben(lage);

    for (int id : BereitIds) EnableItem(id, f.Bereit);
    for (int id : WarnIds) EnableItem(id, f.Warnfelder);
    for (int id : WiederholungIds) EnableItem(id, f.Wiederholung);
    for (int id : SchrittIds) EnableItem(id, f.Schritte);
    for (int id : SchrittIds)
        if (!f.Schritte) SetChecked(id, false);
    if (!f.Wiederholung) SetChecked(IdSchrittJahre, false);
    EnableItem(IdHinzufuegen, f.Hinzufuegen);
    EnableItem(IdAendern, f.Aendern && Gueltig(aktuell_));  // nothing to change without a record
    EnableItem(IdLoeschen, f.Loeschen);
    // Keyboard focus must not stay on a control that was just disabled.
    HWND fokus = GetFocus();
    if (fokus && GetParent(fokus) == Handle() && !IsWindowEnabled(fokus)) FocusItem(IdDatum);
}

bool ClsTerminDlg::DarfVerwerfen() {
    return !geaendert_ || Message(1152, 1153, Mb::YesNo | Mb::IconQuestion) == Mb::IdYes;
}

bool ClsTerminDlg::CanClose() { return DarfVerwerfen(); }

void ClsTerminDlg::OnCancel() {
    if (DarfVerwerfen()) CloseDialog(sammlungGeaendert_ ? 1 : 0);
}

bool ClsTerminDlg::OnCommand(int id, int notify, HWND) {
    switch (id) {
    case IDOK: return true;  // Enter adds nothing and does not close
    case IDCANCEL: return false;  // Close runs through OnCancel
    case IdHinzufuegen: Hinzufuegen(); return true;
    case IdAendern: Aendern(); return true;
    case IdLoeschen: Loeschen(); return true;
    case IdNeu: Neu(); return true;
    case IdHilfe: OpenHelp(Handle(), HilfeKontext); return true;
    case IdListe:
        if (notify == LBN_SELCHANGE) ListenAuswahl();
        return true;
    default: break;
    }
    if (notify == EN_KILLFOCUS && (id == IdBeginn || id == IdEnde)) {
        ZeitVerlassen(id);
        return true;
    }
    // Choice: picking an address counts as an edit like typing does.
    if (notify == EN_CHANGE || notify == BN_CLICKED || (id == IdAdresse && notify == CBN_SELCHANGE)) {
        if (!Filling) Bearbeitet(id);
        return true;
    }
    return false;
}

void ClsTerminDlg::Bearbeitet(int id) {
    if (id == IdDatum || id == IdBeginn || id == IdEnde) datumOderZeit_ = true;
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
    const int zeile = ListSelection(IdListe);
    if (zeile < 0) {
        Freigeben();
        return;
    }
    if (!DarfVerwerfen()) {
        ListSelect(IdListe, auswahl_);
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
    FocusItem(IdDatum);
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

// Until the remove dialog exists, Delete removes the selected record alone after a question.
void ClsTerminDlg::Loeschen() {
    const int zeile = ListSelection(IdListe);
    const int slot = anker_ + zeile;
    if (zeile < 0 || anker_ < 0 || !Gueltig(slot)) return;
    liste_.SetzeAktuell(&liste_.Satz(slot));
    const Zeitpunkt start = liste_.Satz(slot).Start;
    if (Message(1165, 1153, Mb::YesNo | Mb::IconQuestion) != Mb::IdYes) return;
    liste_.LoescheAktuell();
    sammlungGeaendert_ = true;
    // Choice: a deleted loaded record leaves nothing loaded, so Change cannot hit its successor.
    if (aktuell_ == slot) {
        aktuell_ = -1;
        geladen_ = false;
    } else if (aktuell_ > slot) {
        --aktuell_;
    }
    if (Gueltig(aktuell_)) liste_.SetzeAktuell(&liste_.Satz(aktuell_));
    tag_ = MachZeitpunkt(start.Jahr, start.Monat, start.Tag);
    FuelleListe();
    Freigeben();
}

void ClsTerminDlg::Neu() {
    if (!DarfVerwerfen()) return;
    geladen_ = datumOderZeit_ = false;
    {
        Fuellen fuellen(Filling);
        if (GetItemText(IdDatum).empty())
            SetItemText(IdDatum, DatumText(gewaehlt_.Tag, gewaehlt_.Monat, gewaehlt_.Jahr, DatumStil::Leer));
        for (int id : {IdBeginn, IdEnde, IdKurztext, IdBeschreibung}) SetItemText(id, "");
        ComboSelect(IdAdresse, 0);
        SetChecked(IdAutomatisch, true);
        SetChecked(IdVonHand, false);
        for (int p = 0; p < 4; ++p) SetChecked(IdPrioritaet + p, p == 0);
        // Choice: a new appointment starts as a single one, not as yearly like the last.
        SetChecked(IdAnzahlWahl, true);
        SetChecked(IdJaehrlich, false);
        SetItemText(IdAnzahl, "1");
        SetItemText(IdFaktor, "1");
    }
    Freigeben();
    geaendert_ = false;
}

bool RunTerminDlg(HWND owner, Dokument& dok, const Zeitpunkt& tag, bool datumGebunden) {
    ClsTerminDlg dlg(owner, dok, tag, datumGebunden);
    return dlg.Execute() > 0;
}
