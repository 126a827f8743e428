// ClsEditFeiertageDlg: the rule fields and options, the list of the table in date order, and
// the file that is read on opening and written on closing.
#include "dialogs/ClsEditFeiertageDlg.h"

#include "core/HelpViewer.h"
#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "holidays/FeiertagDatei.h"
#include "holidays/FeiertagTabelle.h"
#include "settings/Settings.h"

#include <cstring>
#include <utility>

namespace {
constexpr int HilfeKontext = 3601;
constexpr int JahrLaenge = 4, TageLaenge = 4, TagLaenge = 2;

// Each option with the fields that belong to it.
struct OptionFelder {
    FeiertagOption option;
    int felder[3];
};
constexpr OptionFelder Optionen[] = {
    {FeiertagOption::Fest, {IDC_FEIERTAGE_TAG, IDC_FEIERTAGE_MONAT, 0}},
    {FeiertagOption::Ostern, {IDC_FEIERTAGE_OSTERN_TAGE, 0, 0}},
    {FeiertagOption::Advent, {IDC_FEIERTAGE_ADVENT_TAGE, 0, 0}},
    {FeiertagOption::Wochentag, {IDC_FEIERTAGE_NTER, IDC_FEIERTAGE_WOCHENTAG, IDC_FEIERTAGE_MONATSLISTE}},
};
constexpr int Jahresfelder[] = {IDC_FEIERTAGE_VON, IDC_FEIERTAGE_BIS, IDC_FEIERTAGE_VON2, IDC_FEIERTAGE_BIS2};

// Everything but the computed day.
bool GleicheRegel(const Feiertag& a, const Feiertag& b) {
    Feiertag x = a;
    x.Tag = b.Tag;
    return std::memcmp(&x, &b, sizeof x) == 0;
}
}  // namespace

ClsEditFeiertageDlg::ClsEditFeiertageDlg(HWND parent, Feiertage& feiertage, Settings& settings, int jahr,
                                         std::string datei)
    : ClsListEditDlg(parent, IDD_FEIERTAGE), feiertage_(feiertage), settings_(settings), jahr_(jahr),
      datei_(std::move(datei)) {}

void ClsEditFeiertageDlg::AfterSetup() {
    // A missing file is created from the table in memory, so that closing can write it.
    dateiOffen_ = LadeFeiertage(feiertage_, datei_) || SpeichereFeiertage(feiertage_.Tabelle, datei_);
    if (!dateiOffen_) Message(IDS_FEIERTAGSDATEI_FEHLT, IDS_TITEL_FEHLER, Mb::IconExclamation | Mb::TaskModal);
    LimitText(IDC_FEIERTAGE_KURZNAME, KurznameMax);
    LimitText(IDC_FEIERTAGE_LANGNAME, LangnameMax);
    LimitText(IDC_FEIERTAGE_TAG, TagLaenge);
    LimitText(IDC_FEIERTAGE_MONAT, TagLaenge);
    LimitText(IDC_FEIERTAGE_OSTERN_TAGE, TageLaenge);
    LimitText(IDC_FEIERTAGE_ADVENT_TAGE, TageLaenge);
    for (int id : Jahresfelder) LimitText(id, JahrLaenge);
    FuelleListe(nullptr);
    for (int i = 0; i < 5; ++i) ComboAdd(IDC_FEIERTAGE_NTER, LoadResString(IDS_ERSTER + i));
    for (int i = 0; i < 7; ++i) ComboAdd(IDC_FEIERTAGE_WOCHENTAG, LoadResString(IDS_MONTAG + i));
    for (int i = 0; i < 12; ++i) ComboAdd(IDC_FEIERTAGE_MONATSLISTE, LoadResString(IDS_JANUAR + i));
    SetChecked(IDC_FEIERTAGE_TAG1, settings_.Day1.Used);
    SetChecked(IDC_FEIERTAGE_TAG1_FREI, settings_.Day1.Kind);
    SetChecked(IDC_FEIERTAGE_TAG2, settings_.Day2.Used);
    SetChecked(IDC_FEIERTAGE_TAG2_FREI, settings_.Day2.Kind);
    ZeigeOption(FeiertagOption::Fest);
}

// Recomputes (and so sorts) the table and lists it; `auswahl`, when given, is selected at its new place.
void ClsEditFeiertageDlg::FuelleListe(const Feiertag* auswahl) {
    feiertage_.Berechne(jahr_, true);
    const bool warFuellend = Filling;
    Filling = true;
    ComboClear(IDC_LISTEDIT_AUSWAHL);
    const int anzahl = AnzahlFeiertage(feiertage_.Tabelle);
    int zeile = -1;
    for (int i = 0; i < anzahl; ++i) {
        const Feiertag& e = feiertage_.Tabelle.Eintrag[i];
        ComboAdd(IDC_LISTEDIT_AUSWAHL, FeiertagZeile(e, jahr_));
        if (auswahl && zeile < 0 && GleicheRegel(e, *auswahl)) zeile = i;
    }
    ComboSelect(IDC_LISTEDIT_AUSWAHL, zeile);
    Filling = warFuellend;
}

// Each option enables its own fields and disables those of the others.
void ClsEditFeiertageDlg::ZeigeOption(FeiertagOption option) {
    for (const OptionFelder& o : Optionen) {
        SetChecked(int(o.option), o.option == option);
        for (int id : o.felder)
            if (id) EnableItem(id, o.option == option);
    }
}

FeiertagFelder ClsEditFeiertageDlg::LeseFelder() const {
    FeiertagFelder f;
    f.Kurzname = GetItemText(IDC_FEIERTAGE_KURZNAME);
    f.Langname = GetItemText(IDC_FEIERTAGE_LANGNAME);
    f.Aktiv = IsChecked(IDC_FEIERTAGE_AKTIV);
    f.Gesetzlich = IsChecked(IDC_FEIERTAGE_GESETZLICH);
    for (const OptionFelder& o : Optionen)
        if (IsChecked(int(o.option))) f.Option = o.option;
    f.Tag = GetItemText(IDC_FEIERTAGE_TAG);
    f.Monat = GetItemText(IDC_FEIERTAGE_MONAT);
    f.OsterTage = GetItemText(IDC_FEIERTAGE_OSTERN_TAGE);
    f.AdventTage = GetItemText(IDC_FEIERTAGE_ADVENT_TAGE);
    f.N = ComboSelection(IDC_FEIERTAGE_NTER);
    f.Wochentag = ComboSelection(IDC_FEIERTAGE_WOCHENTAG);
    f.WochenMonat = ComboSelection(IDC_FEIERTAGE_MONATSLISTE);
    f.Von = GetItemText(IDC_FEIERTAGE_VON);
    f.Bis = GetItemText(IDC_FEIERTAGE_BIS);
    f.Von2 = GetItemText(IDC_FEIERTAGE_VON2);
    f.Bis2 = GetItemText(IDC_FEIERTAGE_BIS2);
    return f;
}

bool ClsEditFeiertageDlg::LoadEntry(int index) {
    if (index >= AnzahlFeiertage(feiertage_.Tabelle)) return false;
    geladen_ = index;
    const FeiertagFelder f = FelderAus(feiertage_.Tabelle.Eintrag[index]);
    const bool warFuellend = Filling;
    Filling = true;
    SetItemText(IDC_FEIERTAGE_KURZNAME, f.Kurzname);
    SetItemText(IDC_FEIERTAGE_LANGNAME, f.Langname);
    SetChecked(IDC_FEIERTAGE_AKTIV, f.Aktiv);
    SetChecked(IDC_FEIERTAGE_GESETZLICH, f.Gesetzlich);
    ZeigeOption(f.Option);
    SetItemText(IDC_FEIERTAGE_TAG, f.Tag);
    SetItemText(IDC_FEIERTAGE_MONAT, f.Monat);
    SetItemText(IDC_FEIERTAGE_OSTERN_TAGE, f.OsterTage);
    SetItemText(IDC_FEIERTAGE_ADVENT_TAGE, f.AdventTage);
    ComboSelect(IDC_FEIERTAGE_NTER, f.N);
    ComboSelect(IDC_FEIERTAGE_WOCHENTAG, f.Wochentag);
    ComboSelect(IDC_FEIERTAGE_MONATSLISTE, f.WochenMonat);
    SetItemText(IDC_FEIERTAGE_VON, f.Von);
    SetItemText(IDC_FEIERTAGE_BIS, f.Bis);
    SetItemText(IDC_FEIERTAGE_VON2, f.Von2);
    SetItemText(IDC_FEIERTAGE_BIS2, f.Bis2);
    Filling = warFuellend;
    return true;
}

// Choice: New also selects the fixed-date option, so that the fields always have one.
void ClsEditFeiertageDlg::ClearFields() {
    const bool warFuellend = Filling;
    Filling = true;
    for (int id : {IDC_FEIERTAGE_KURZNAME, IDC_FEIERTAGE_LANGNAME}) SetItemText(id, "");
    for (int id : Jahresfelder) SetItemText(id, "");
    SetChecked(IDC_FEIERTAGE_AKTIV, false);
    SetChecked(IDC_FEIERTAGE_GESETZLICH, false);
    ZeigeOption(FeiertagOption::Fest);
    ComboSelect(IDC_LISTEDIT_AUSWAHL, -1);
    Filling = warFuellend;
    geladen_ = -1;
}

int ClsEditFeiertageDlg::Pruefe(Feiertag& e) const {
    const int meldung = PruefeFeiertag(LeseFelder(), e);
    if (meldung > 0) Message(meldung, IDS_TITEL_FEHLER, Mb::IconExclamation | Mb::TaskModal);
    return meldung;
}

bool ClsEditFeiertageDlg::FieldsValid() {
    Feiertag e;
    return Pruefe(e) == 0;
}

bool ClsEditFeiertageDlg::AddFromFields() {
    if (FeiertageVoll(feiertage_.Tabelle)) {
        Message(IDS_FEIERTAGE_VOLL, IDS_TITEL_FRAGE, Mb::IconExclamation);
        return false;
    }
    Feiertag e;
    if (Pruefe(e) != 0 || !FuegeFeiertagAn(feiertage_.Tabelle, e)) return false;
    FuelleListe(&e);  // selected, so that a Change acts on it
    geladen_ = ComboSelection(IDC_LISTEDIT_AUSWAHL);
    return true;
}

void ClsEditFeiertageDlg::DeleteEntry() {
    // Change replaces the entry in the fields, also when a refused pick moved the selection.
    const int index = ChangeMode() ? geladen_ : ComboSelection(IDC_LISTEDIT_AUSWAHL);
    if (index < 0) {
        GetHost().Beep();
        return;
    }
    if (!ChangeMode() && GetHost().MessageText(LoadResString(IDS_FEIERTAG_LOESCHEN), "Ordivo",
                                               Mb::YesNo | Mb::IconQuestion) != Mb::IdYes)
        return;
    EntferneFeiertag(feiertage_.Tabelle, index);
    geladen_ = -1;
    SetChanged();
    FuelleListe(nullptr);
}

bool ClsEditFeiertageDlg::OnCommand(int id, int notify, HWND control) {
    for (const OptionFelder& o : Optionen)
        if (id == int(o.option) && notify == BN_CLICKED) ZeigeOption(o.option);
    // A pick in the weekday rule's lists edits the entry like typing does.
    const bool regelListe =
        id == IDC_FEIERTAGE_NTER || id == IDC_FEIERTAGE_WOCHENTAG || id == IDC_FEIERTAGE_MONATSLISTE;
    if (regelListe && notify == CBN_SELCHANGE && !Filling) MarkModified();
    return ClsListEditDlg::OnCommand(id, notify, control);
}

void ClsEditFeiertageDlg::OnCancel() {
    if (dateiOffen_ && !SpeichereFeiertage(feiertage_.Tabelle, datei_))
        Message(IDS_FEIERTAGSDATEI_FEHLT, IDS_TITEL_FEHLER, Mb::IconExclamation | Mb::TaskModal);
    settings_.Day1 = {IsChecked(IDC_FEIERTAGE_TAG1), IsChecked(IDC_FEIERTAGE_TAG1_FREI)};
    settings_.Day2 = {IsChecked(IDC_FEIERTAGE_TAG2), IsChecked(IDC_FEIERTAGE_TAG2_FREI)};
    settings_.SettingsChanged = true;
    feiertage_.Geaendert();
    ClsListEditDlg::OnCancel();
}

void ClsEditFeiertageDlg::Help() { OpenHelp(Handle(), HilfeKontext); }

void RunFeiertageDlg(HWND owner, Feiertage& feiertage, Settings& settings, int jahr, const std::string& datei) {
    ClsEditFeiertageDlg dlg(owner, feiertage, settings, jahr, datei);
    dlg.Execute();
}
