// Process-wide settings and when they are read and written. Values live under
// HKEY_CURRENT_USER\Software\kdw\Ordivo; the regional values are only read.
// Reading order at start-up: ReadRegional (before ORDIVO.DLL is loaded), ReadWindowPos
// (frame construction), ReadStartupSettings (main-window creation), ReadSetupSettings and
// finally WriteFirstStartDone (calendar window set-up).
#pragma once
#include "settings/Appearance.h"
#include "settings/ViewMode.h"

namespace RegPath {
constexpr const char* General = "Software\\kdw\\Ordivo\\General";
constexpr const char* View = "Software\\kdw\\Ordivo\\View";
constexpr const char* Sound = "Software\\kdw\\Ordivo\\Sound";
constexpr const char* Print = "Software\\kdw\\Ordivo\\Print";
constexpr const char* Address = "Software\\kdw\\Ordivo\\Address";
constexpr const char* International = "Control Panel\\International";
}  // namespace RegPath

struct RegionalSettings {
    int Locale = 407;             // 409 = US English; 407 selects German start-up texts
    char DatumTrenner = '.';      // date separator
    char ShortDate[9] = "dd.MM.yy";
    bool TagZuerst() const { return ShortDate[0] == 'd'; }
};

RegionalSettings ReadRegional();

struct WindowPos {
    int X = 0, Y = 0, Width = 0, Height = 0;
};

// Defaults: 0, 0, the screen width and 37/40 of the screen height.
WindowPos ReadWindowPos(int screenWidth, int screenHeight);
void WriteWindowPos(const WindowPos& pos);

// The desktop all screens make up, in screen coordinates.
struct ScreenArea {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A stored position the window can be used at: one that is unusably small or large gets the
// default size (screen width, 37/40 of its height), and one whose title bar would be off every
// screen moves to the desktop's top left corner.
WindowPos UsableWindowPos(const WindowPos& stored, const ScreenArea& desktop, int screenWidth, int screenHeight);

struct SpecialDayFlags {
    bool Used;  // the movable special day is shown
    bool Kind;  // the kind it is given
};

// The settings of the program, owned by the application and passed to whoever needs them.
struct Settings {
    bool ShowMenu = true;
    bool AutoSave = false;
    ViewMode Mode = ViewMode::Week;
    SpecialDayFlags Day1{true, false};
    SpecialDayFlags Day2{true, false};
    char DefaultFile[256] = "";  // only read when no file came from the command line
    bool FirstStart = true;
    int StartAM = 0;    // time grid, minutes since midnight
    int StartPM = 720;
    int StepAM = 30;    // slot lengths in minutes
    int StepPM = 30;
    Appearance Look;  // colours and font heights
    // A setting that command 408 saves was changed and not yet saved.
    bool SettingsChanged = false;
};

constexpr int AlarmKindCount = 4;

struct AlarmSound {
    bool Enabled = false;
    char File[80] = "";
};

// The settings held by the calendar window (ClsMainWindow owns one of these).
struct MainWindowSettings {
    AlarmSound Sounds[AlarmKindCount];  // by alarm kind
    int Margins[4] = {-1, 0, 0, 0};     // left, right, top, bottom in 0.1 mm; -1 = not set
    int PrintFontHeight = 0;            // device units, 0 = automatic
};

// Print font height in use for the number n stored in Print\FontHeight.
int PrintFontHeightFromStored(int n);

// ShowMenu, AutoSave, Mode, Day1, Day2, DefaultFile (unless a file came from the command
// line), MinStdFontHeight, MaxStdFontHeight, Colors.
void ReadStartupSettings(Settings& s, bool fileFromCommandLine);
// FirstStart, WavAlarm, WavAlarm1–4, StartAM, StartPM, StepAM, StepPM, Margins, FontHeight.
void ReadSetupSettings(Settings& s, MainWindowSettings& mw);
void WriteFirstStartDone();
void WriteShowMenu(const Settings& s);
// Command 408: writes the saved settings in their fixed order and clears SettingsChanged.
void SaveSettings(Settings& s, const MainWindowSettings& mw);
