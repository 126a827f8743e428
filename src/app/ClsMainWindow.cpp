// ClsMainWindow: set-up, close query, command table and private messages.
#include "app/ClsMainWindow.h"

#include "app/AboutDlg.h"
#include "app/AppName.h"
#include "app/ClsDecoratedFrame.h"
#include "app/Diagnose.h"
#include "app/Startup.h"
#include "core/HelpViewer.h"
#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "dialogs/AdressRegeln.h"
#include "dialogs/ClsAdressenDlg.h"
#include "dialogs/ClsAlteEntfDlg.h"
#include "dialogs/ClsEditFeiertageDlg.h"
#include "dialogs/ClsEntfernenDlg.h"
#include "dialogs/ClsFarbenDlg.h"
#include "dialogs/ClsNeuesPasswortDlg.h"
#include "dialogs/ClsSchriftHoeheDlg.h"
#include "dialogs/ClsSuchenDlg.h"
#include "dialogs/ClsTagesDlg.h"
#include "dialogs/ClsTerminDlg.h"
#include "dialogs/ClsVerschiebenDlg.h"
#include "dialogs/ClsVorgabenDlg.h"
#include "document/Dokument.h"
#include "framework/Gdi.h"
#include "holidays/FeiertagDatei.h"
#include "printing/ClsDruckenDlg.h"
#include "store/JahresKopien.h"
#include "store/RecordRef.h"
#include "views/Navigation.h"

#include <vector>

// Commands whose dialogs are not built yet answer with CmNotYetAvailable.
const CommandEntry<ClsMainWindow> ClsMainWindow::kCommands[] = {
    {CM_NEU, CM_NEU, &ClsMainWindow::CmNew},
    {CM_OEFFNEN, CM_OEFFNEN, &ClsMainWindow::CmOpen},
    {CM_SPEICHERN, CM_SPEICHERN, &ClsMainWindow::CmSave},
    {CM_SPEICHERN_UNTER, CM_SPEICHERN_UNTER, &ClsMainWindow::CmSaveAs},
    {CM_DRUCKEN, CM_DRUCKEN, &ClsMainWindow::CmPrint},
    {CM_DRUCKEREINRICHTUNG, CM_DRUCKEREINRICHTUNG, &ClsMainWindow::CmPrinterSetup},
    {CM_VORGABEN, CM_VORGABEN, &ClsMainWindow::CmPreferences},
    {CM_ICAL_EXPORT, CM_ICAL_EXPORT, &ClsMainWindow::CmICalExport},
    {CM_ICAL_IMPORT, CM_ICAL_IMPORT, &ClsMainWindow::CmICalImport},
    {CM_VCARD_EXPORT, CM_VCARD_EXPORT, &ClsMainWindow::CmVCardExport},
    {CM_VCARD_IMPORT, CM_VCARD_IMPORT, &ClsMainWindow::CmVCardImport},
    {CM_KENNWORT, CM_KENNWORT, &ClsMainWindow::CmNewPassword},
    {CM_BEENDEN, CM_BEENDEN, &ClsMainWindow::CmExit},
    {CM_NEUER_TERMIN, CM_NEUER_TERMIN, &ClsMainWindow::CmNewAppointment},
    {CM_ALTE_LOESCHEN, CM_ALTE_LOESCHEN, &ClsMainWindow::CmDeleteOld},
    {CM_SUCHEN, CM_SUCHEN, &ClsMainWindow::CmSearch},
    {CM_HEUTE, CM_ZURUECK, &ClsMainWindow::CmNavigate},
    {CM_DATUM_WAEHLEN, CM_DATUM_WAEHLEN, &ClsMainWindow::CmSelectDate},
    {CM_TAG, CM_MONAT, &ClsMainWindow::CmViewMode},
    {CM_MENUELEISTE, CM_MENUELEISTE, &ClsMainWindow::CmMenuOnOff},
    {CM_FEIERTAGE, CM_FEIERTAGE, &ClsMainWindow::CmHolidays},
    {CM_ALARMTOENE, CM_ALARMTOENE, &ClsMainWindow::CmAlarmSounds},
    {CM_AUTOSPEICHERN, CM_AUTOSPEICHERN, &ClsMainWindow::CmAutoSave},
    {CM_SCHRIFTHOEHEN, CM_SCHRIFTHOEHEN, &ClsMainWindow::CmFontHeights},
    {CM_FARBEN, CM_FARBEN, &ClsMainWindow::CmColours},
    {CM_EINSTELLUNGEN_SPEICHERN, CM_EINSTELLUNGEN_SPEICHERN, &ClsMainWindow::CmSaveSettings},
    {CM_TAGESRASTER, CM_TAGESRASTER, &ClsMainWindow::CmDayGrid},
    {CM_GROSS_VORWAERTS, CM_GROSS_ZURUECK, &ClsMainWindow::CmNavigate},
    {CM_ADRESSBUCH, CM_ADRESSBUCH, &ClsMainWindow::CmAddressBook},
    {CM_NOCH_NICHT_VERFUEGBAR, CM_NOCH_NICHT_VERFUEGBAR, &ClsMainWindow::CmNotYetAvailable},
    {CM_ANMERKUNG, CM_ANMERKUNG, &ClsMainWindow::CmRemark},
    {CM_ERLEDIGT, CM_ERLEDIGT, &ClsMainWindow::CmToggleDone},
    {CM_ADRESSE, CM_ADRESSE, &ClsMainWindow::CmLinkAddress},
    {CM_VORWARNZEIT, CM_VORWARNZEIT, &ClsMainWindow::CmWarningTime},
    {CM_ENTFERNEN, CM_ENTFERNEN, &ClsMainWindow::CmRemove},
    {CM_VERSCHIEBEN, CM_VERSCHIEBEN, &ClsMainWindow::CmMove},
    {CM_HILFE, CM_HILFE_BENUTZEN, &ClsMainWindow::CmHelp},
    {CM_INFO, CM_INFO, &ClsMainWindow::CmAbout},
};

const MessageEntry<ClsMainWindow> ClsMainWindow::kMessages[] = {
    {Msg::StatusText, &ClsMainWindow::OnStatusText},
    {Msg::ListChanged, &ClsMainWindow::OnListChanged},
};

ClsMainWindow::ClsMainWindow(Dokument& dok, Settings& settings, Feiertage& feiertage)
    : ClsCalendarWindow(dok, settings, feiertage) {}

ClsMainWindow::~ClsMainWindow() { WriteShowMenu(settings_); }

void ClsMainWindow::SetupWindow() {
    ReadSetupSettings(settings_, windowSettings_);
    ClsCalendarWindow::SetupWindow();
    if (settings_.ShowMenu) {
        ShowCommandsMenu();
    } else {
        settings_.ShowMenu = true;
        PostMessageA(Handle(), WM_COMMAND, CM_MENUELEISTE, 0);
    }
    InstallDialogSeams();
    if (doc_.Initialisieren() == Ladeausgang::NeueDatei) GetHost().PostCommand(CM_NEU);
    if (settings_.FirstStart) PostMessageA(Handle(), WM_COMMAND, CM_INFO, 0);
    SetTitle();
    timerRunning_ = SetTimer(ClockTimer, 1000);
    if (!timerRunning_) Message(IDS_KEIN_ZEITGEBER, 0, Mb::IconExclamation);
    PlanNextWarning();
    WriteFirstStartDone();
    LoadHolidayFile(feiertage_);
}

void ClsMainWindow::CleanupWindow() {
    WinHelpA(Handle(), HelpFile().c_str(), HELP_QUIT, 0);
    if (timerRunning_) {
        KillTimer(ClockTimer);
        timerRunning_ = false;
    }
}

bool ClsMainWindow::CanClose() {
    if (settings_.SettingsChanged) {
        const int answer = Message(IDS_EINSTELLUNGEN_GEAENDERT, 0, Mb::YesNoCancel | Mb::IconExclamation);
        if (answer == Mb::IdCancel) return false;
        if (answer == Mb::IdYes) SaveSettings(settings_, windowSettings_);
    }
    CommitEdit();
    if (!doc_.Geaendert()) return true;
    if (settings_.AutoSave && !doc_.Dateiname.empty()) return SpeichereDatei(1);
    if (doc_.Leer()) return true;
    const int answer = Message(IDS_AENDERUNGEN_SPEICHERN, 0, Mb::YesNoCancel | Mb::IconExclamation);
    if (answer == Mb::IdCancel) return false;
    if (answer == Mb::IdNo) return true;
    if (!doc_.Dateiname.empty()) return SpeichereDatei(1);
    OnCommand(CM_SPEICHERN_UNTER);
    return !doc_.Geaendert();
}

bool ClsMainWindow::OnCommand(UINT id) {
    // Whatever the command does next (a dialog, another date, a save), the typed line is
    // stored first, on the day where it was typed.
    CommitEdit();
    return DispatchCommand(this, kCommands, id);
}

int ClsMainWindow::CommandState(UINT id) const { return CommandEnabled(this, kCommands, id); }

bool ClsMainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static const UINT diagnose = RegisterWindowMessageA(DiagnoseMessageName);
    if (msg == diagnose && diagnose != 0) {
        result = Diagnose(wp, lp);
        return true;
    }
    if (DispatchWindowMessage(this, kMessages, msg, wp, lp, result)) return true;
    return ClsCalendarWindow::HandleMessage(msg, wp, lp, result);
}

LRESULT ClsMainWindow::Diagnose(WPARAM query, LPARAM mark) {
    switch (query) {
    case DiagnoseMarke: return lastMark_ = mark;
    case DiagnoseLetzteMarke: return lastMark_;
    case DiagnoseGdiObjects: return gdi::LiveObjects();
    case DiagnoseTermine: return doc_.Liste.Anzahl();
    case DiagnoseGeaendert: return doc_.Geaendert() ? 1 : 0;
    default: return -1;
    }
}

void ClsMainWindow::OnTimer(UINT_PTR id) {
    if (id == ClockTimer) TimerTick();
}

void ClsMainWindow::SetTitle() {
    std::string name;
    if (doc_.Dateiname.empty()) {
        name = LoadResString(IDS_UNBENANNT);
    } else {
        std::vector<char> upper(doc_.Dateiname.begin(), doc_.Dateiname.end());
        upper.push_back('\0');
        CharUpperA(upper.data());
        name = upper.data();
    }
    if (frame_) frame_->SetCaption(std::string(AppName) + " - [" + name + "]");
}

void ClsMainWindow::SetStatus(const std::string& text) {
    if (frame_) frame_->SetStatusText(text);
}

void ClsMainWindow::ShowCommandsMenu() {
    if (!frame_) return;
    HMENU menu = LoadMenuA(ResourceModule(), "COMMANDS");
    frame_->AssignMenu(menu);
    if (!menu) return;
    CheckMenuCommand(CM_TAG + static_cast<UINT>(settings_.Mode), true);
    CheckMenuCommand(CM_MENUELEISTE, true);
    if (settings_.AutoSave) CheckMenuCommand(CM_AUTOSPEICHERN, true);
}

void ClsMainWindow::CheckMenuCommand(UINT id, bool on) {
    HMENU menu = frame_ ? frame_->Menu() : nullptr;
    if (menu) CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void ClsMainWindow::CmExit(UINT) {
    if (frame_) PostMessageA(frame_->Handle(), WM_CLOSE, 0, 0);
}

void ClsMainWindow::CmNavigate(UINT id) {
    if (Navigate(id)) SetTitle();
}

void ClsMainWindow::CmViewMode(UINT id) {
    for (UINT item = CM_TAG; item <= CM_MONAT; ++item) CheckMenuCommand(item, item == id);
    SetViewMode(static_cast<ViewMode>(id - CM_TAG));
    SetTitle();
}

void ClsMainWindow::CmMenuOnOff(UINT) {
    settings_.ShowMenu = !settings_.ShowMenu;
    if (settings_.ShowMenu) ShowCommandsMenu();
    else if (frame_) frame_->AssignMenu(nullptr);
}

void ClsMainWindow::CmAutoSave(UINT) {
    settings_.AutoSave = !settings_.AutoSave;
    CheckMenuCommand(CM_AUTOSPEICHERN, settings_.AutoSave);
}

void ClsMainWindow::CmSaveSettings(UINT) { SaveSettings(settings_, windowSettings_); }

void ClsMainWindow::CmHelp(UINT id) {
    if (id == CM_HILFE) OpenHelp(Handle(), 0);
    else OpenHelp(Handle(), HelpHelpFile, 0);
}

void ClsMainWindow::CmAbout(UINT) {
    AboutDlg dlg(Handle());
    dlg.Execute();
}

void ClsMainWindow::CmNewAppointment(UINT) {
    if (RunTerminDlg(Handle(), doc_, ActiveDay(View().Selected, settings_.Mode), false)) Invalidate(true);
}

void ClsMainWindow::CmNewPassword(UINT) { NeuesPasswort(Handle(), doc_.Liste); }

void ClsMainWindow::CmToggleDone(UINT) { ToggleDone(); }

void ClsMainWindow::CmSearch(UINT) {
    if (doc_.Liste.Anzahl() == 0) {
        Message(IDS_KALENDER_LEER, IDS_TITEL_SUCHEN, Mb::Ok | Mb::IconExclamation);
        return;
    }
    const Zeitpunkt ziel = RunSuchenDlg(Handle(), doc_.Liste);
    if (ziel.Jahr == 0) return;
    View().Selected = SelectedDate{ziel.Jahr, ziel.Monat, ziel.Tag};
    SetTitle();
    Invalidate(true);
}

void ClsMainWindow::CmDeleteOld(UINT) {
    if (doc_.Liste.Anzahl() == 0) {
        Message(IDS_KALENDER_LEER, IDS_TITEL_ALTE_LOESCHEN, Mb::Ok | Mb::IconExclamation);
        return;
    }
    if (RunAlteEntfDlg(Handle(), doc_.Liste)) Invalidate(true);
}

int ClsMainWindow::ClickedSlot() {
    const RecordRef& hit = HitAppointment();
    const int slot = hit.Empty() || hit.Copy.Hat(FlagJahresKopie) ? -1 : Locate(doc_.Liste, hit);
    if (slot < 0) GetHost().Beep();
    else doc_.Liste.SetzeAktuell(&doc_.Liste.Satz(slot));
    return slot;
}

void ClsMainWindow::ChangedInPlace(int slot) {
    ClsListe& liste = doc_.Liste;
    liste.SetzeGeaendert();
    // The copies lie in later years, behind the master: its slot stays.
    if (liste.Satz(slot).IstJahresMaster()) {
        const Termin master = liste.Satz(slot);
        ErneuereKopien(liste, master.Id, master);
    }
    HitAppointment() = RefTo(liste, slot);
}

void ClsMainWindow::CmMove(UINT) {
    if (ClickedSlot() < 0 || !RunVerschiebenDlg(Handle(), doc_.Liste)) return;
    doc_.Liste.SetzeGeaendert();
    Invalidate(true);
}

void ClsMainWindow::CmRemove(UINT) {
    const int slot = ClickedSlot();
    if (slot < 0 || !RunEntfernenDlg(Handle(), doc_.Liste, slot)) return;
    doc_.Liste.SetzeGeaendert();
    Invalidate(true);
}

void ClsMainWindow::CmHolidays(UINT) {
    RunFeiertageDlg(Handle(), feiertage_, settings_, View().Selected.Year, FeiertagDateiPfad(ProgramDirectory() + "\\"));
    Invalidate(true);
}

void ClsMainWindow::CmDayGrid(UINT) {
    if (RunTagesDlg(Handle(), settings_)) Invalidate(true);
}

void ClsMainWindow::CmAddressBook(UINT) { RunAdressenDlg(Handle(), doc_.AdrListe, doc_.Liste, AdrNummer::Adressbuch); }

// The address book in link mode for the clicked appointment: 0 leaves its link, 65534
// removes it, any other number becomes its address.
void ClsMainWindow::CmLinkAddress(UINT) {
    const int slot = ClickedSlot();
    if (slot < 0) return;
    const INT_PTR ergebnis = RunAdressenDlg(Handle(), doc_.AdrListe, doc_.Liste, doc_.Liste.Satz(slot).AdrId);
    if (ergebnis <= 0) return;  // 0: unchanged; -1: the dialog did not open
    // Looked up again: a notice may have changed the collection while the dialog was open.
    const int now = Locate(doc_.Liste, HitAppointment());
    if (now < 0) return;
    const auto nummer = static_cast<uint16_t>(ergebnis);
    doc_.Liste.Satz(now).AdrId = nummer == AdrNummer::KeinVerweis ? 0 : nummer;
    ChangedInPlace(now);
    Invalidate(true);
}

void ClsMainWindow::CmPrint(UINT) {
    PrintCommand(Handle(), printer_, doc_, feiertage_, settings_, windowSettings_, View());
}

void ClsMainWindow::CmPrinterSetup(UINT) { printer_.Setup(Handle()); }

// Date picker and appearance dialogs.
void ClsMainWindow::CmSelectDate(UINT) { OpenDatePicker(); }

void ClsMainWindow::CmPreferences(UINT) { RunVorgabenDlg(Handle()); }

void ClsMainWindow::CmFontHeights(UINT) {
    if (RunSchriftHoeheDlg(Handle(), settings_, View().Grid.RowHeight)) Invalidate(true);
}

void ClsMainWindow::CmColours(UINT) {
    if (RunFarbenDlg(Handle(), settings_)) Invalidate(true);
}

void ClsMainWindow::CmNotYetAvailable(UINT) {
    GetHost().MessageText("Diese Funktion ist noch nicht verf\xFCgbar!", AppName, Mb::Ok | Mb::IconExclamation);
}

LRESULT ClsMainWindow::OnStatusText(WPARAM wp, LPARAM lp) {
    const char* text = reinterpret_cast<const char*>(lp);
    if (text) SetStatus(text);
    else if (wp == 0) SetStatus(planer_.StandardStatusText());
    return 0;
}

LRESULT ClsMainWindow::OnListChanged(WPARAM, LPARAM) {
    PlanNextWarning();
    return 0;
}
