// ClsAdressenDlg: fields of the working record, the marker filter, and the address-list
// operations behind the list-editing buttons.
#include "dialogs/ClsAdressenDlg.h"

#include "addresses/ClsAdrListe.h"
#include "core/HelpViewer.h"
#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"

#include <cstring>

namespace {
constexpr int HilfeKontext = 3606;

// The one-line fields with their record members and lengths.
struct Textfeld {
    int id;
    char* (*zeiger)(Adresse&);
    int laenge;
};
#define ORDIVO_FELD(ID, NAME) {ID, [](Adresse& a) { return a.NAME; }, int(sizeof(Adresse::NAME) - 1)}
const Textfeld Textfelder[] = {
    ORDIVO_FELD(IDC_ADRESSEN_FIRMA, FIRMA),     ORDIVO_FELD(IDC_ADRESSEN_ANREDE, ANREDE),
    ORDIVO_FELD(IDC_ADRESSEN_NAME1, NAME1),     ORDIVO_FELD(IDC_ADRESSEN_NAME2, NAME2),
    ORDIVO_FELD(IDC_ADRESSEN_STRASSE, STRASSE), ORDIVO_FELD(IDC_ADRESSEN_PLZORT, PLZORT),
    ORDIVO_FELD(IDC_ADRESSEN_LAND, LAND),       ORDIVO_FELD(IDC_ADRESSEN_TELEFON, TELEFON),
    ORDIVO_FELD(IDC_ADRESSEN_FAX, FAX),         ORDIVO_FELD(IDC_ADRESSEN_BTX, BTX),
    ORDIVO_FELD(IDC_ADRESSEN_SORT, SORT),
};
#undef ORDIVO_FELD

std::string Text(const char* feld, int laenge) { return std::string(feld, strnlen(feld, size_t(laenge) + 1)); }
}  // namespace

ClsAdressenDlg::ClsAdressenDlg(HWND parent, ClsAdrListe& liste, ClsListe& termine, uint16_t nummer)
    : ClsListEditDlg(parent, IDD_ADRESSEN), liste_(liste), termine_(termine), start_(nummer), aktuell_(nummer) {}

void ClsAdressenDlg::AfterSetup() {
    for (int k = 0; k < Marken; ++k) {
        const std::string name = MarkenBeschriftung(MarkenName(k + 1));
        SetItemText(IDC_ADRESSEN_FILTER1 + k, name);
        SetItemText(IDC_ADRESSEN_MARKE1 + k, name);
        SetChecked(IDC_ADRESSEN_FILTER1 + k, true);
        filter_[k].Binde(Item(IDC_ADRESSEN_FILTER1 + k));
    }
    FuelleAdressen(start_);
    if (start_ >= 1 && start_ <= AdrNummer::KeinVerweis) LadeAdresse(start_);
    for (const Textfeld& f : Textfelder) LimitText(f.id, f.laenge);
}

uint16_t ClsAdressenDlg::FilterMaske() const {
    uint16_t maske = 0;
    for (int i = 0; i < Marken; ++i)
        if (IsChecked(IDC_ADRESSEN_FILTER1 + i)) maske |= uint16_t(1u << i);
    return maske;
}

void ClsAdressenDlg::FuelleAdressen(uint16_t nummer) {
    const bool warFuellend = Filling;
    Filling = true;
    HWND box = Item(IDC_LISTEDIT_AUSWAHL);
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    ComboClear(IDC_LISTEDIT_AUSWAHL);
    sichtbar_ = SichtbareAdressen(liste_, FilterMaske());
    int gewaehlt = -1;
    bool voll = false;
    for (size_t zeile = 0; zeile < sichtbar_.size(); ++zeile) {
        const Adresse& a = liste_.Satz(sichtbar_[zeile]);
        // Choice: a full box is reported once per filling, not once per line.
        if (ComboAdd(IDC_LISTEDIT_AUSWAHL, ClsAdrListe::Zeile(a, false)) == CB_ERRSPACE && !voll) {
            voll = true;
            Message(IDS_ADRESSLISTE_VOLL, 0, Mb::IconExclamation);
        }
        if (a.ID == nummer && gewaehlt < 0) gewaehlt = int(zeile);
    }
    ComboSelect(IDC_LISTEDIT_AUSWAHL, gewaehlt);
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
    SetItemText(IDC_ADRESSEN_ANZAHL, Format("%d", int(sichtbar_.size())));
    Filling = warFuellend;
}

int ClsAdressenDlg::ZeilenAdresse() const {
    const int zeile = ComboSelection(IDC_LISTEDIT_AUSWAHL);
    if (zeile < 0 || sichtbar_.empty()) return -1;
    return AdresseDerZeile(sichtbar_, zeile);
}

bool ClsAdressenDlg::LadeAdresse(uint16_t nummer) {
    const Adresse* a = liste_.Finde(nummer);
    const bool ohne = nummer == 0 || nummer == AdrNummer::Adressbuch;
    if (!a && !ohne) {
        Message(IDS_ADRESSE_FEHLT, 0, Mb::IconExclamation);
        return false;
    }
    arbeit_ = a && !ohne ? *a : Adresse{};
    const bool warFuellend = Filling;
    Filling = true;
    for (const Textfeld& f : Textfelder) SetItemText(f.id, Text(f.zeiger(arbeit_), f.laenge));
    SetItemText(IDC_ADRESSEN_BEMERK, arbeit_.BEMERK);
    for (int i = 0; i < Marken; ++i) SetChecked(IDC_ADRESSEN_MARKE1 + i, (arbeit_.FLAGS >> i & 1) != 0);
    Filling = warFuellend;
    return true;
}

bool ClsAdressenDlg::LoadEntry(int) {
    const int index = ZeilenAdresse();
    if (index < 0) return false;
    aktuell_ = liste_.Satz(index).ID;
    return LadeAdresse(aktuell_);
}

void ClsAdressenDlg::ClearFields() {
    const bool warFuellend = Filling;
    Filling = true;
    ComboSelect(IDC_LISTEDIT_AUSWAHL, -1);
    for (const Textfeld& f : Textfelder) SetItemText(f.id, "");
    SetItemText(IDC_ADRESSEN_BEMERK, "");
    for (int i = 0; i < Marken; ++i) SetChecked(IDC_ADRESSEN_MARKE1 + i, IsChecked(IDC_ADRESSEN_FILTER1 + i));
    Filling = warFuellend;
    arbeit_ = Adresse{};
}

bool ClsAdressenDlg::CanAdd() {
    return !GetItemText(IDC_ADRESSEN_FIRMA).empty() || !GetItemText(IDC_ADRESSEN_NAME1).empty();
}

// The one place that reads the fields.
bool ClsAdressenDlg::AddFromFields() {
    const uint16_t vorher = arbeit_.ID;
    Adresse neu;
    for (const Textfeld& f : Textfelder) {
        const std::string text = GetItemText(f.id).substr(0, size_t(f.laenge));
        std::memcpy(f.zeiger(neu), text.c_str(), text.size() + 1);
    }
    neu.BEMERK = GetItemText(IDC_ADRESSEN_BEMERK);
    if (neu.SORT[0] == '\0') Adresse::Setze(neu.SORT, SortAusNamen(neu));
    for (int i = 0; i < Marken; ++i)
        if (IsChecked(IDC_ADRESSEN_MARKE1 + i)) neu.FLAGS |= uint16_t(1u << i);
    neu.ID = ChangeMode() && vorher != 0 ? vorher : liste_.NeueId(VerknuepfteAdressen(termine_));
    if (liste_.EinfuegenSortiert(neu) < 0) return false;
    arbeit_ = neu;
    aktuell_ = neu.ID;
    FuelleAdressen(neu.ID);
    FocusItem(IDC_ADRESSEN_FIRMA);
    return true;
}

int ClsAdressenDlg::GeladeneAdresse() {
    for (int i = 0; i < liste_.Anzahl(); ++i)
        if (liste_.Satz(i).ID == arbeit_.ID) return i;
    return -1;
}

void ClsAdressenDlg::DeleteEntry() {
    // Change replaces the address in the fields: a refused pick or the filter may have moved
    // the selection to another line, or to none.
    const int index = ChangeMode() ? GeladeneAdresse() : ZeilenAdresse();
    if (index < 0) {
        GetHost().Beep();
        return;
    }
    if (!ChangeMode()) {
        const std::string text = Format(LoadResString(IDS_ADRESSE_LOESCHEN), Text(liste_.Satz(index).NAME1, int(sizeof(Adresse::NAME1) - 1)).c_str());
        if (GetHost().MessageText(text, LoadResString(IDS_TITEL_ADRESSE_LOESCHEN), Mb::YesNo | Mb::IconQuestion) !=
            Mb::IdYes)
            return;
    }
    // Choice: a deleted address is no longer handed back as the link (Change keeps its number).
    if (!ChangeMode() && arbeit_.ID == liste_.Satz(index).ID) arbeit_.ID = 0;
    liste_.SetzeCursor(index);
    liste_.LoescheAktuelle();
    SetChanged();
    aktuell_ = 0;
    FuelleAdressen(aktuell_);
}

void ClsAdressenDlg::Filter(bool an) {
    for (int i = 0; i < Marken; ++i) SetChecked(IDC_ADRESSEN_FILTER1 + i, an);
    FuelleAdressen(aktuell_);
}

bool ClsAdressenDlg::OnCommand(int id, int notify, HWND control) {
    if (notify == BN_CLICKED) {
        if (id == IDC_ADRESSEN_ALLE || id == IDC_ADRESSEN_KEINE) {
            Filter(id == IDC_ADRESSEN_ALLE);
            return true;
        }
        if (id >= IDC_ADRESSEN_FILTER1 && id < IDC_ADRESSEN_FILTER1 + Marken) {
            FuelleAdressen(aktuell_);
            return true;
        }
    }
    return ClsListEditDlg::OnCommand(id, notify, control);
}

void ClsAdressenDlg::Help() { OpenHelp(Handle(), HilfeKontext); }

INT_PTR ClsAdressenDlg::Result() {
    if (start_ == AdrNummer::Adressbuch) return 0;
    const int index = ZeilenAdresse();
    return VerweisErgebnis(arbeit_.ID, index >= 0, index >= 0 ? liste_.Satz(index).ID : 0);
}

INT_PTR RunAdressenDlg(HWND owner, ClsAdrListe& liste, ClsListe& termine, uint16_t nummer) {
    ClsAdressenDlg dlg(owner, liste, termine, nummer);
    return dlg.Execute();
}
