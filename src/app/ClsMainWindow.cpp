// ClsMainWindow: set-up, close query, command table and private messages.
#include "app/ClsMainWindow.h"

#include "app/AppState.h"
#include "app/AboutDlg.h"
#include "app/ClsDecoratedFrame.h"
#include "app/HelpViewer.h"
#include "app/Host.h"
#include "app/Navigation.h"
#include "app/ResString.h"
#include "app/Startup.h"
#include "dialogs/ClsTerminDlg.h"
#include "store/ClsNeuesPasswortDlg.h"
#include "store/ClsListe.h"
#include "views/DisplayState.h"
#include "views/MainWindowPaint.h"

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
    {WM_LBUTTONDOWN, &ClsMainWindow::OnLeftDown},
    {WM_LBUTTONUP, &ClsMainWindow::OnLeftUp},
    {WM_LBUTTONDBLCLK, &ClsMainWindow::OnDoubleClick},
    {WM_RBUTTONDOWN, &ClsMainWindow::OnRightDown},
    {WM_MOUSEMOVE, &ClsMainWindow::OnMouseMove},
    {WM_CAPTURECHANGED, &ClsMainWindow::OnCaptureChanged},
    {WM_KEYDOWN, &ClsMainWindow::OnKeyDown},
    {WM_KEYUP, &ClsMainWindow::OnKeyUp},
    {Msg::EndEdit, &ClsMainWindow::OnEndEdit},
};

ClsMainWindow::ClsMainWindow() {
    const LocalTime now = GetHost().Now();
    Selected = SelectedDate{now.Jahr, static_cast<int8_t>(now.Monat), static_cast<int8_t>(now.Tag)};
}

ClsMainWindow::~ClsMainWindow() {
    WriteShowMenu();
    if (app::MainWindow == this) app::MainWindow = nullptr;
}

void ClsMainWindow::GetWindowClass(WNDCLASSEXA& wc) {
    Window::GetWindowClass(wc);
    wc.style |= CS_DBLCLKS;
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), "APP_ICON");
    // Wine: class brushes are never freed by the class; this one lives for the process.
    wc.hbrBackground = CreateSolidBrush(RGB(255, 255, 224));
}

void ClsMainWindow::SetupWindow() {
    ReadSetupSettings(settings_);
    Window::SetupWindow();
    if (TheSettings.ShowMenu) {
        ShowCommandsMenu();
    } else {
        TheSettings.ShowMenu = true;
        PostMessageA(Handle(), WM_COMMAND, 402, 0);
    }
    app::MainWindowHandle = Handle();
    InitialiseData();
    if (TheSettings.FirstStart) PostMessageA(Handle(), WM_COMMAND, 904, 0);
    SetTitle();
    timerRunning_ = SetTimer(ClockTimer, 1000);
    if (!timerRunning_) Message(1102, 0, Mb::IconExclamation);
    PlanNextWarning();
    WriteFirstStartDone();
    LoadHolidayFile();
}

void ClsMainWindow::CleanupWindow() {
    WinHelpA(Handle(), app::HelpFile.c_str(), HELP_QUIT, 0);
    if (timerRunning_) {
        KillTimer(ClockTimer);
        timerRunning_ = false;
    }
    app::MainWindowHandle = nullptr;
}

bool ClsMainWindow::CanClose() {
    if (SettingsChanged) {
        const int answer = Message(1192, 0, Mb::YesNoCancel | Mb::IconExclamation);
        if (answer == Mb::IdCancel) return false;
        if (answer == Mb::IdYes) SaveSettings(settings_);
    }
    EndInPlaceEditing();
    if (!DataModified()) return true;
    if (TheSettings.AutoSave && !Dateiname.empty()) return SpeichereDatei(1);
    if (DataEmpty()) return true;
    const int answer = Message(1103, 0, Mb::YesNoCancel | Mb::IconExclamation);
    if (answer == Mb::IdCancel) return false;
    if (answer == Mb::IdNo) return true;
    if (!Dateiname.empty()) return SpeichereDatei(1);
    OnCommand(104);
    return !DataModified();
}

bool ClsMainWindow::OnCommand(UINT id) { return DispatchCommand(this, kCommands, id); }

int ClsMainWindow::CommandState(UINT id) const { return CommandEnabled(this, kCommands, id); }

bool ClsMainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (DispatchMessage(this, kMessages, msg, wp, lp, result)) return true;
    return Window::HandleMessage(msg, wp, lp, result);
}

void ClsMainWindow::OnTimer(UINT_PTR id) {
    if (id == ClockTimer) TimerTick();
}

void ClsMainWindow::Paint(HDC dc, bool, const RECT&) { PaintCalendar(Handle(), dc); }

void ClsMainWindow::OnSize(int, int) { CalendarResized(Handle()); }

void ClsMainWindow::SetTitle() {
    std::string name;
    if (Dateiname.empty()) {
        name = LoadResString(1228);
    } else {
        std::vector<char> upper(Dateiname.begin(), Dateiname.end());
        upper.push_back('\0');
        CharUpperA(upper.data());
        name = upper.data();
    }
    if (app::MainFrame) app::MainFrame->SetCaption(std::string(app::AppName) + " - [" + name + "]");
}

void ClsMainWindow::SetStatus(const std::string& text) {
    if (app::MainFrame) app::MainFrame->SetStatusText(text);
}

void ClsMainWindow::ShowCommandsMenu() {
    if (!app::MainFrame) return;
    HMENU menu = LoadMenuA(app::ResourceLibrary, "COMMANDS");
    app::MainFrame->AssignMenu(menu);
    if (!menu) return;
    CheckMenuCommand(351 + TheSettings.Mode, true);
    CheckMenuCommand(402, true);
    if (TheSettings.AutoSave) CheckMenuCommand(405, true);
}

void ClsMainWindow::CheckMenuCommand(UINT id, bool on) {
    HMENU menu = app::MainFrame ? app::MainFrame->Menu() : nullptr;
    if (menu) CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void ClsMainWindow::CmExit(UINT) {
    if (app::MainFrame) PostMessageA(app::MainFrame->Handle(), WM_CLOSE, 0, 0);
}

void ClsMainWindow::CmNavigate(UINT id) {
    const LocalTime now = GetHost().Now();
    const SelectedDate today{now.Jahr, static_cast<int8_t>(now.Monat), static_cast<int8_t>(now.Tag)};
    if (!StepDate(Selected, TheSettings.Mode, id, today)) {
        GetHost().Beep();
        return;
    }
    const bool big = id == Cmd::BigForward || id == Cmd::BigBack;
    if (!big) EndInPlaceEditing();
    SetTitle();
    Invalidate(true);
}

void ClsMainWindow::CmViewMode(UINT id) {
    EndInPlaceEditing();
    for (UINT item = 351; item <= 353; ++item) CheckMenuCommand(item, item == id);
    TheSettings.Mode = static_cast<int>(id - 351);
    SetTitle();
    Invalidate(true);
}

void ClsMainWindow::CmMenuOnOff(UINT) {
    TheSettings.ShowMenu = !TheSettings.ShowMenu;
    if (TheSettings.ShowMenu) ShowCommandsMenu();
    else if (app::MainFrame) app::MainFrame->AssignMenu(nullptr);
}

void ClsMainWindow::CmAutoSave(UINT) {
    TheSettings.AutoSave = !TheSettings.AutoSave;
    CheckMenuCommand(405, TheSettings.AutoSave);
}

void ClsMainWindow::CmSaveSettings(UINT) { SaveSettings(settings_); }

void ClsMainWindow::CmHelp(UINT id) {
    if (id == 901) OpenHelp(Handle(), app::HelpFile, 0);
    else OpenHelp(Handle(), "WINHELP.HLP", 0);
}

void ClsMainWindow::CmAbout(UINT) {
    AboutDlg dlg(Handle());
    dlg.Execute();
}

void ClsMainWindow::CmNewAppointment(UINT) {
    if (!RunTerminDlg(Handle(), nullptr)) return;
    EndInPlaceEditing();
    Invalidate(true);
}

void ClsMainWindow::CmNewPassword(UINT) { NeuesPasswort(Handle()); }

void ClsMainWindow::CmNotYetAvailable(UINT) {
    GetHost().MessageText("Diese Funktion ist noch nicht verf\xFCgbar!", app::AppName, Mb::Ok | Mb::IconExclamation);
}

LRESULT ClsMainWindow::OnStatusText(WPARAM wp, LPARAM lp) {
    const char* text = reinterpret_cast<const char*>(lp);
    if (text) SetStatus(text);
    else if (wp == 0) SetStatus(defaultStatus_);
    return 0;
}

LRESULT ClsMainWindow::OnListChanged(WPARAM, LPARAM) {
    PlanNextWarning();
    return 0;
}
