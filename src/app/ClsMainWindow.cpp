// ClsMainWindow: set-up, close query, command table and private messages.
#include "app/ClsMainWindow.h"

#include "app/AboutDlg.h"
#include "app/AppName.h"
#include "app/ClsDecoratedFrame.h"
#include "app/Startup.h"
#include "core/HelpViewer.h"
#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "dialogs/ClsNeuesPasswortDlg.h"
#include "dialogs/ClsTerminDlg.h"
#include "views/Navigation.h"

#include <vector>

// Commands whose dialogs are not built yet answer with CmNotYetAvailable.
const CommandEntry<ClsMainWindow> ClsMainWindow::kCommands[] = {
    {101, 101, &ClsMainWindow::CmNew},
    {102, 102, &ClsMainWindow::CmOpen},
    {103, 103, &ClsMainWindow::CmSave},
    {104, 104, &ClsMainWindow::CmSaveAs},
    {105, 107, &ClsMainWindow::CmNotYetAvailable},
    {108, 108, &ClsMainWindow::CmNewPassword},
    {109, 109, &ClsMainWindow::CmExit},
    {201, 201, &ClsMainWindow::CmNewAppointment},
    {202, 203, &ClsMainWindow::CmNotYetAvailable},
    {301, 303, &ClsMainWindow::CmNavigate},
    {304, 304, &ClsMainWindow::CmNotYetAvailable},
    {351, 353, &ClsMainWindow::CmViewMode},
    {402, 402, &ClsMainWindow::CmMenuOnOff},
    {403, 404, &ClsMainWindow::CmNotYetAvailable},
    {405, 405, &ClsMainWindow::CmAutoSave},
    {406, 407, &ClsMainWindow::CmNotYetAvailable},
    {408, 408, &ClsMainWindow::CmSaveSettings},
    {409, 409, &ClsMainWindow::CmNotYetAvailable},
    {666, 667, &ClsMainWindow::CmNavigate},
    {750, 751, &ClsMainWindow::CmNotYetAvailable},
    {821, 821, &ClsMainWindow::CmNotYetAvailable},
    {822, 822, &ClsMainWindow::CmToggleDone},
    {823, 826, &ClsMainWindow::CmNotYetAvailable},
    {901, 902, &ClsMainWindow::CmHelp},
    {904, 904, &ClsMainWindow::CmAbout},
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
        PostMessageA(Handle(), WM_COMMAND, 402, 0);
    }
    InstallDialogSeams();
    if (doc_.Initialisieren() == Ladeausgang::NeueDatei) GetHost().PostCommand(101);
    if (settings_.FirstStart) PostMessageA(Handle(), WM_COMMAND, 904, 0);
    SetTitle();
    timerRunning_ = SetTimer(ClockTimer, 1000);
    if (!timerRunning_) Message(1102, 0, Mb::IconExclamation);
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
        const int answer = Message(1192, 0, Mb::YesNoCancel | Mb::IconExclamation);
        if (answer == Mb::IdCancel) return false;
        if (answer == Mb::IdYes) SaveSettings(settings_, windowSettings_);
    }
    CommitEdit();
    if (!doc_.Geaendert()) return true;
    if (settings_.AutoSave && !doc_.Dateiname.empty()) return SpeichereDatei(1);
    if (doc_.Leer()) return true;
    const int answer = Message(1103, 0, Mb::YesNoCancel | Mb::IconExclamation);
    if (answer == Mb::IdCancel) return false;
    if (answer == Mb::IdNo) return true;
    if (!doc_.Dateiname.empty()) return SpeichereDatei(1);
    OnCommand(104);
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
    if (DispatchWindowMessage(this, kMessages, msg, wp, lp, result)) return true;
    return ClsCalendarWindow::HandleMessage(msg, wp, lp, result);
}

void ClsMainWindow::OnTimer(UINT_PTR id) {
    if (id == ClockTimer) TimerTick();
}

void ClsMainWindow::SetTitle() {
    std::string name;
    if (doc_.Dateiname.empty()) {
        name = LoadResString(1228);
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
    CheckMenuCommand(351 + static_cast<UINT>(settings_.Mode), true);
    CheckMenuCommand(402, true);
    if (settings_.AutoSave) CheckMenuCommand(405, true);
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
    for (UINT item = 351; item <= 353; ++item) CheckMenuCommand(item, item == id);
    SetViewMode(static_cast<ViewMode>(id - 351));
    SetTitle();
}

void ClsMainWindow::CmMenuOnOff(UINT) {
    settings_.ShowMenu = !settings_.ShowMenu;
    if (settings_.ShowMenu) ShowCommandsMenu();
    else if (frame_) frame_->AssignMenu(nullptr);
}

void ClsMainWindow::CmAutoSave(UINT) {
    settings_.AutoSave = !settings_.AutoSave;
    CheckMenuCommand(405, settings_.AutoSave);
}

void ClsMainWindow::CmSaveSettings(UINT) { SaveSettings(settings_, windowSettings_); }

void ClsMainWindow::CmHelp(UINT id) {
    if (id == 901) OpenHelp(Handle(), 0);
    else OpenHelp(Handle(), HelpHelpFile, 0);
}

void ClsMainWindow::CmAbout(UINT) {
    AboutDlg dlg(Handle());
    dlg.Execute();
}

void ClsMainWindow::CmNewAppointment(UINT) {
    const SelectedDate& s = View().Selected;
    if (RunTerminDlg(Handle(), doc_, MachZeitpunkt(s.Year, s.Month, s.Day), false)) Invalidate(true);
}

void ClsMainWindow::CmNewPassword(UINT) { NeuesPasswort(Handle(), doc_.Liste); }

void ClsMainWindow::CmToggleDone(UINT) { ToggleDone(); }

void ClsMainWindow::CmNotYetAvailable(UINT) {
    GetHost().MessageText("Diese Funktion ist noch nicht verf\xFCgbar!", AppName, Mb::Ok | Mb::IconExclamation);
}

LRESULT ClsMainWindow::OnStatusText(WPARAM wp, LPARAM lp) {
    const char* text = reinterpret_cast<const char*>(lp);
    if (text) SetStatus(text);
    else if (wp == 0) SetStatus(std::string());
    return 0;
}

LRESULT ClsMainWindow::OnListChanged(WPARAM, LPARAM) {
    PlanNextWarning();
    return 0;
}

// The warning plan arrives with the reminders subsystem.
void ClsMainWindow::PlanNextWarning() {}

// Clock and warnings arrive with the reminders subsystem.
void ClsMainWindow::TimerTick() {}
