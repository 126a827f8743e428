// Reading and writing the settings table at its fixed moments.
#include "settings/Settings.h"

#include "core/ConfigText.h"
#include "core/RegAccess.h"
#include "settings/Appearance.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {
constexpr Hive User = Hive::CurrentUser;
// Flags and number lists have no buffer size of their own: room for eight numbers.
constexpr size_t FlagBuffer = 12;
constexpr size_t ListBuffer = 40;
constexpr size_t WindowPosBuffer = 40;

// Stored field order of WavAlarm and WavAlarm1–4 → alarm kind.
constexpr int WavFieldKind[AlarmKindCount] = {1, 0, 2, 3};

// WavAlarm1 … WavAlarm4 for stored fields 0–3.
std::string WavFileValue(int field) { return "WavAlarm" + std::to_string(field + 1); }

bool ReadFlag(const char* path, const char* name, const char* def) {
    char buf[FlagBuffer];
    return FlagAt(RegReadString(User, path, name, def, buf, sizeof buf), 0);
}

SpecialDayFlags ReadDayFlags(const char* name) {
    char buf[FlagBuffer];
    RegReadString(User, RegPath::View, name, "1,0", buf, sizeof buf);
    return {FlagAt(buf, 0), FlagAt(buf, 2)};
}

void WriteDayFlags(const char* name, SpecialDayFlags flags) {
    char text[8];
    std::snprintf(text, sizeof text, "%d,%d", flags.Used, flags.Kind);
    RegWriteString(User, RegPath::View, name, text);
}

// Values that would break the views (no such mode, empty slots, times outside the day)
// keep their defaults.
int ReadInRange(const char* path, const char* name, int def, int lo, int hi) {
    const int value = RegReadInt(User, path, name, def);
    return value >= lo && value <= hi ? value : def;
}

int ReadGridStart(const char* name, int defStored) {
    const int minutes = GridTimeToMinutes(RegReadInt(User, RegPath::View, name, defStored));
    return minutes >= 0 && minutes < 24 * 60 ? minutes : GridTimeToMinutes(defStored);
}

void ReadFontHeights(Appearance& look) {
    const int lo = DefaultMinStdFontHeight, hi = DefaultMaxStdFontHeight;
    look.MinStdFontHeight = ReadInRange(RegPath::View, "MinStdFontHeight", lo, lo, hi);
    look.MaxStdFontHeight = ReadInRange(RegPath::View, "MaxStdFontHeight", hi, lo, hi);
    // The same limits and order the font height dialog enforces.
    if (look.MinStdFontHeight > look.MaxStdFontHeight) {
        look.MinStdFontHeight = lo;
        look.MaxStdFontHeight = hi;
    }
}
}  // namespace

RegionalSettings ReadRegional() {
    RegionalSettings r;
    r.Locale = RegReadInt(User, RegPath::International, "Locale", 407);
    const bool us = r.Locale == 409;
    const char defSeparator[] = {us ? '/' : '.', '\0'};
    char separator[4];
    RegReadString(User, RegPath::International, "sDate", defSeparator, separator,
                  sizeof separator);
    // An empty sDate keeps the default rather than a zero separator.
    r.DatumTrenner = separator[0] != '\0' ? separator[0] : defSeparator[0];
    RegReadString(User, RegPath::International, "sShortDate", us ? "MM.dd.yy" : "dd.MM.yy",
                  r.ShortDate, sizeof r.ShortDate);
    return r;
}

WindowPos ReadWindowPos(int screenWidth, int screenHeight) {
    int v[4] = {0, 0, screenWidth, screenHeight * 37 / 40};
    char buf[WindowPosBuffer];
    RegReadString(User, RegPath::View, "WindowPos", "", buf, sizeof buf);
    ParseNumberList(buf, v, 4);
    return {v[0], v[1], v[2], v[3]};
}

void WriteWindowPos(const WindowPos& pos) {
    char text[WindowPosBuffer];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", pos.X, pos.Y, pos.Width, pos.Height);
    RegWriteString(User, RegPath::View, "WindowPos", text);
}

WindowPos UsableWindowPos(const WindowPos& stored, const ScreenArea& desktop, int screenWidth, int screenHeight) {
    constexpr int MinWidth = 200, MinHeight = 100;  // room for the menu bar and a few rows
    constexpr int64_t TitleStrip = 20;             // of the title bar that must be reachable
    WindowPos p = stored;
    const int64_t deskW = int64_t(desktop.Right) - desktop.Left, deskH = int64_t(desktop.Bottom) - desktop.Top;
    if (p.Width < MinWidth || p.Height < MinHeight || p.Width > 2 * deskW || p.Height > 2 * deskH) {
        p.Width = screenWidth;
        p.Height = screenHeight * 37 / 40;
    }
    const int64_t left = p.X, top = p.Y, right = left + p.Width;
    const bool reachable = right - TitleStrip >= desktop.Left && left + TitleStrip <= desktop.Right &&
                           top >= desktop.Top - TitleStrip / 2 && top + TitleStrip <= desktop.Bottom;
    if (!reachable) {
        p.X = desktop.Left;
        p.Y = desktop.Top;
    }
    return p;
}

int PrintFontHeightFromStored(int n) {
    if (n == 0) return 0;
    const long long height = static_cast<long long>(n) * 3 - 1;
    return static_cast<int>(std::clamp<long long>(height, INT_MIN, INT_MAX));
}

void ReadStartupSettings(Settings& s, bool fileFromCommandLine) {
    s.ShowMenu = ReadFlag(RegPath::General, "ShowMenu", "1");
    s.AutoSave = ReadFlag(RegPath::General, "AutoSave", "0");
    s.Mode = static_cast<ViewMode>(ReadInRange(RegPath::View, "Mode", 1, 0, 2));
    s.Day1 = ReadDayFlags("Day1");
    s.Day2 = ReadDayFlags("Day2");
    if (!fileFromCommandLine)
        RegReadString(User, RegPath::General, "DefaultFile", "", s.DefaultFile,
                      sizeof s.DefaultFile);
    ReadFontHeights(s.Look);
    char colors[ListBuffer];
    s.Look.Farben.ReadIndexes(
        RegReadString(User, RegPath::View, "Colors", "", colors, sizeof colors));
}

void ReadSetupSettings(Settings& s, MainWindowSettings& mw) {
    s.FirstStart = ReadFlag(RegPath::General, "FirstStart", "1");

    char flags[FlagBuffer];
    RegReadString(User, RegPath::Sound, "WavAlarm", "0,0,0,0", flags, sizeof flags);
    for (int field = 0; field < AlarmKindCount; ++field) {
        AlarmSound& sound = mw.Sounds[WavFieldKind[field]];
        sound.Enabled = FlagAt(flags, static_cast<size_t>(field) * 2);
        RegReadString(User, RegPath::Sound, WavFileValue(field).c_str(), "", sound.File,
                      sizeof sound.File);
    }

    s.StartAM = ReadGridStart("StartAM", 0);
    s.StartPM = ReadGridStart("StartPM", 1200);
    s.StepAM = ReadInRange(RegPath::View, "StepAM", 30, 1, 24 * 60);
    s.StepPM = ReadInRange(RegPath::View, "StepPM", 30, 1, 24 * 60);

    char margins[ListBuffer];
    ParseNumberList(RegReadString(User, RegPath::Print, "Margins", "", margins, sizeof margins),
                    mw.Margins, 4);
    mw.PrintFontHeight = PrintFontHeightFromStored(RegReadInt(User, RegPath::Print, "FontHeight", 0));
}

void WriteFirstStartDone() { RegWriteString(User, RegPath::General, "FirstStart", "0"); }

void WriteShowMenu(const Settings& s) { RegWriteInt(User, RegPath::General, "ShowMenu", s.ShowMenu); }

void SaveSettings(Settings& s, const MainWindowSettings& mw) {
    char text[ListBuffer];
    const AlarmSound* sounds = mw.Sounds;
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", sounds[WavFieldKind[0]].Enabled,
                  sounds[WavFieldKind[1]].Enabled, sounds[WavFieldKind[2]].Enabled,
                  sounds[WavFieldKind[3]].Enabled);
    RegWriteString(User, RegPath::Sound, "WavAlarm", text);
    for (int field = 0; field < AlarmKindCount; ++field) {
        RegWriteString(User, RegPath::Sound, WavFileValue(field).c_str(),
                       sounds[WavFieldKind[field]].File);
    }
    RegWriteInt(User, RegPath::View, "StartAM", MinutesToGridTime(s.StartAM));
    RegWriteInt(User, RegPath::View, "StartPM", MinutesToGridTime(s.StartPM));
    RegWriteInt(User, RegPath::View, "StepAM", s.StepAM);
    RegWriteInt(User, RegPath::View, "StepPM", s.StepPM);
    RegWriteInt(User, RegPath::General, "AutoSave", s.AutoSave);
    RegWriteInt(User, RegPath::View, "Mode", static_cast<int>(s.Mode));
    WriteDayFlags("Day1", s.Day1);
    WriteDayFlags("Day2", s.Day2);
    RegWriteInt(User, RegPath::View, "MinStdFontHeight", s.Look.MinStdFontHeight);
    RegWriteInt(User, RegPath::View, "MaxStdFontHeight", s.Look.MaxStdFontHeight);
    RegWriteString(User, RegPath::View, "Colors", s.Look.Farben.IndexesText().c_str());
    s.SettingsChanged = false;
}
