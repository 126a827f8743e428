// The settings table: defaults with an empty store, regional values, window position,
// stored values by position, sanitising of values the views cannot use, the colour
// indexes, and the save-settings command's round trip.
#include "core/MemoryConfigStore.h"
#include "settings/Appearance.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using RP = const char*;
RP General = RegPath::General, View = RegPath::View, Sound = RegPath::Sound, Print = RegPath::Print,
   Intl = RegPath::International;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { SetConfigStore(&store); }
    void TearDown() override { SetConfigStore(nullptr); }

    // Everything readable, read at its moments.
    void ReadAll(bool fileFromCommandLine = false) {
        ReadStartupSettings(settings, fileFromCommandLine);
        ReadSetupSettings(settings, mw);
    }
    // What command 408 writes for these settings, one "name=text" line each.
    std::string Saved(Settings s, const MainWindowSettings& m) {
        MemoryConfigStore out;
        SetConfigStore(&out);
        SaveSettings(s, m);
        SetConfigStore(&store);
        std::string lines;
        for (const auto& w : out.writes) lines += w.path + "\\" + w.name + "=" + w.text + "\n";
        return lines;
    }

    MemoryConfigStore store;
    Settings settings;
    MainWindowSettings mw;
};

TEST_F(SettingsTest, EmptyStoreGivesEveryDefault) {
    // Once with no key at all, once with the keys present but empty (INI path, no INI).
    for (bool keysExist : {false, true}) {
        store = MemoryConfigStore{};
        if (keysExist)
            for (RP path : {General, View, Sound, Print}) store.CreateForWrite(Hive::CurrentUser, path);
        // Wrong values in every field a reader assigns, so a forgotten field shows.
        settings.ShowMenu = settings.FirstStart = false;
        settings.AutoSave = true;
        settings.Mode = ViewMode::Month;
        settings.Day1 = settings.Day2 = {false, true};
        settings.StartAM = settings.StartPM = settings.StepAM = settings.StepPM = 99;
        settings.Look.MinStdFontHeight = settings.Look.MaxStdFontHeight = 99;
        for (AlarmSound& sound : mw.Sounds) sound = AlarmSound{true, "x"};
        mw.PrintFontHeight = 99;
        ReadAll();
        const Settings d;
        EXPECT_EQ(Saved(settings, mw), Saved(d, MainWindowSettings{})) << keysExist;
        EXPECT_EQ(settings.ShowMenu, d.ShowMenu);
        EXPECT_EQ(settings.FirstStart, d.FirstStart);
        EXPECT_STREQ(settings.DefaultFile, "");
        EXPECT_EQ(mw.Margins[0], -1);  // not set
        EXPECT_EQ(mw.PrintFontHeight, 0);
    }
}

TEST_F(SettingsTest, RegionalValues) {
    struct Case {
        const char* locale;  // nullptr: value missing
        const char* sDate;
        const char* sShortDate;
        int expLocale;
        char expSeparator;
        const char* expPattern;
        bool expDayFirst;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, 407, '.', "dd.MM.yy", true},
        {"00000409", nullptr, nullptr, 409, '/', "MM.dd.yy", false},
        {"00000407", ".", "dd.MM.yyyy", 407, '.', "dd.MM.yy", true},  // 10 characters: too long
        {"00000409", "/", "yyyy-MM-dd", 409, '/', "MM.dd.yy", false},
        {"00000407", "-", "d.M.yyyy", 407, '-', "d.M.yyyy", true},  // 8 characters fit
        {"00000409", "abcd", "M/d/yy", 409, '/', "M/d/yy", false},  // sDate buffer is 4
        {"00000407", "::", "yy.MM.dd", 407, ':', "yy.MM.dd", false},  // first character only
        {"00000407", "", "dd.MM.yy", 407, '.', "dd.MM.yy", true},  // empty keeps the default
    };
    for (const Case& c : cases) {
        store = MemoryConfigStore{};
        store.CreateForWrite(Hive::CurrentUser, Intl);
        if (c.locale) store.Put(Intl, "Locale", c.locale);
        if (c.sDate) store.Put(Intl, "sDate", c.sDate);
        if (c.sShortDate) store.Put(Intl, "sShortDate", c.sShortDate);
        const RegionalSettings r = ReadRegional();
        EXPECT_EQ(std::to_string(r.Locale) + r.DatumTrenner + r.ShortDate + "|" + std::to_string(r.TagZuerst()),
                  std::to_string(c.expLocale) + c.expSeparator + c.expPattern + "|" + std::to_string(c.expDayFirst))
            << (c.sDate ? c.sDate : "-") << " " << (c.sShortDate ? c.sShortDate : "-");
    }
}

TEST(WindowPosition, UnusableStoredPositionsComeBackOnScreen) {
    const ScreenArea desk{0, 0, 1280, 1024};
    const struct {
        WindowPos stored, usable;
    } cases[] = {
        {{100, 50, 800, 600}, {100, 50, 800, 600}},
        {{-8, -8, 800, 600}, {-8, -8, 800, 600}},  // edges just off the screen stay
        {{-99999, -99999, 800, 600}, {0, 0, 800, 600}},
        {{1270, 50, 800, 600}, {0, 0, 800, 600}},  // only 10 pixels left on the screen
        {{100, 1010, 800, 600}, {0, 0, 800, 600}},
        {{100, 50, -5, 600}, {100, 50, 1280, 947}},
        {{100, 50, 0, 0}, {100, 50, 1280, 947}},
        {{100, 50, 150, 600}, {100, 50, 1280, 947}},
        {{2147483647, 2147483647, 2147483647, 2147483647}, {0, 0, 1280, 947}},
    };
    for (const auto& c : cases) {
        const WindowPos p = UsableWindowPos(c.stored, desk, 1280, 1024);
        EXPECT_EQ(std::vector<int>({p.X, p.Y, p.Width, p.Height}),
                  std::vector<int>({c.usable.X, c.usable.Y, c.usable.Width, c.usable.Height}))
            << c.stored.X << "," << c.stored.Y << "," << c.stored.Width << "," << c.stored.Height;
    }
}

TEST_F(SettingsTest, WindowPosReadAndWritten) {
    const auto pos = [](int w, int h) {
        const WindowPos p = ReadWindowPos(w, h);
        return std::vector<int>{p.X, p.Y, p.Width, p.Height};
    };
    EXPECT_EQ(pos(1024, 768), std::vector<int>({0, 0, 1024, 710}));  // 768 * 37 / 40 = 710.4
    store.Put(View, "WindowPos", "-8,-30,800,600");
    EXPECT_EQ(pos(1024, 768), std::vector<int>({-8, -30, 800, 600}));
    store.Put(View, "WindowPos", "10,20");  // missing fields keep their defaults
    EXPECT_EQ(pos(1280, 1024), std::vector<int>({10, 20, 1280, 947}));
    store.Put(View, "WindowPos", "1000000000,1000000000,1000000000,1000000");  // 40: too long
    EXPECT_EQ(pos(1280, 1024), std::vector<int>({0, 0, 1280, 947}));
    WriteWindowPos({-4, 5, 640, 480});
    EXPECT_EQ(store.Get(View, "WindowPos"), "-4,5,640,480");
}

TEST_F(SettingsTest, StoredValuesAreReadByPosition) {
    store.Put(General, "ShowMenu", "0");
    store.Put(General, "AutoSave", "10");  // first character decides
    store.Put(General, "FirstStart", "x");
    store.Put(View, "Day1", "0,1");
    store.Put(View, "Day2", "1");  // second flag missing: off
    store.Put(View, "StartPM", "1330");
    store.Put(View, "StartAM", "745");
    store.Put(View, "Colors", "1,2,3");
    store.Put(Sound, "WavAlarm", "1,0,0,1");  // fields: kind 1, kind 0, kind 2, kind 3
    store.Put(Sound, "WavAlarm2", "C:\\kind0.wav");
    store.Put(Print, "Margins", "100,200");
    store.Put(Print, "FontHeight", "4");
    store.Put(General, "DefaultFile", "c:\\termine.odv");
    ReadAll();
    const Settings& s = settings;
    EXPECT_EQ(std::vector<int>({s.ShowMenu, s.AutoSave, s.FirstStart, s.Day1.Used, s.Day1.Kind, s.Day2.Used, s.Day2.Kind,
                                s.StartPM, s.StartAM}),
              std::vector<int>({0, 1, 0, 0, 1, 1, 0, 810, 465}));
    EXPECT_STREQ(s.DefaultFile, "c:\\termine.odv");
    EXPECT_EQ(s.Look.Farben.IndexesText().substr(0, 6), "1,2,3,");
    const bool enabled[AlarmKindCount] = {false, true, false, true};
    for (int kind = 0; kind < AlarmKindCount; ++kind) EXPECT_EQ(mw.Sounds[kind].Enabled, enabled[kind]);
    EXPECT_STREQ(mw.Sounds[0].File, "C:\\kind0.wav");
    EXPECT_STREQ(mw.Sounds[1].File, "");
    EXPECT_EQ(std::vector<int>(mw.Margins, mw.Margins + 4), std::vector<int>({100, 200, 0, 0}));
    EXPECT_EQ(mw.PrintFontHeight, 11);

    // A file from the command line skips the default file.
    settings = Settings{};
    ReadStartupSettings(settings, true);
    EXPECT_STREQ(settings.DefaultFile, "");
}

TEST_F(SettingsTest, UnusableValuesKeepTheirDefaults) {
    const std::string defaults = Saved(Settings{}, mw);
    const std::pair<const char*, const char*> cases[] = {
        {"Mode", "3"},    {"Mode", "-1"},      {"StepAM", "0"},           {"StepPM", "-30"},
        {"StartAM", "2400"}, {"StartPM", "-5"}, {"MinStdFontHeight", "5"}, {"MaxStdFontHeight", "25"},
    };
    for (const auto& [name, stored] : cases) {
        store = MemoryConfigStore{};
        store.Put(View, name, stored);
        settings = Settings{};
        ReadAll();
        EXPECT_EQ(Saved(settings, mw), defaults) << name << "=" << stored;
    }
    // Limits that are each valid but crossed fall back together.
    store.Put(View, "MinStdFontHeight", "20");
    store.Put(View, "MaxStdFontHeight", "10");
    ReadAll();
    EXPECT_EQ(Saved(settings, mw), defaults);
}

TEST_F(SettingsTest, SavedSettingsReadBackAndClearTheFlag) {
    Settings& s = settings;
    s.AutoSave = true;
    s.Mode = ViewMode::Month;
    s.Day1 = {true, true};
    s.Day2 = {false, true};
    s.StartAM = 465;
    s.StartPM = 810;
    s.StepAM = 15;
    s.StepPM = 60;
    s.Look.MinStdFontHeight = 8;
    s.Look.MaxStdFontHeight = 20;
    s.Look.Farben.SetIndex(RoleHintergrund, 11);
    const char* files[AlarmKindCount] = {"k0.wav", "k1.wav", "", "k3.wav"};
    for (int kind = 0; kind < AlarmKindCount; ++kind) {
        mw.Sounds[kind].Enabled = kind == 1 || kind == 2;
        std::snprintf(mw.Sounds[kind].File, sizeof mw.Sounds[kind].File, "%s", files[kind]);
    }
    s.SettingsChanged = true;
    SaveSettings(s, mw);
    EXPECT_FALSE(s.SettingsChanged);
    EXPECT_FALSE(store.Has(General, "ShowMenu"));  // not saved by this command

    Settings back;
    MainWindowSettings backMw;
    ReadStartupSettings(back, false);
    ReadSetupSettings(back, backMw);
    EXPECT_EQ(Saved(back, backMw), Saved(s, mw));
    EXPECT_NE(Saved(back, backMw), Saved(Settings{}, MainWindowSettings{}));
}

TEST_F(SettingsTest, ExitAndSetUpWriters) {
    for (bool an : {false, true}) {
        settings.ShowMenu = an;
        WriteShowMenu(settings);
        EXPECT_EQ(store.Get(General, "ShowMenu"), an ? "1" : "0");
    }
    WriteFirstStartDone();
    ReadSetupSettings(settings, mw);
    EXPECT_FALSE(settings.FirstStart);
}

TEST(PrintFontHeight, StoredNumberToDeviceUnits) {
    const std::pair<int, int> cases[] = {{0, 0}, {4, 11}, {1, 2}, {-2, -7}, {1000000000, 2147483647}};
    for (const auto& [stored, height] : cases) EXPECT_EQ(PrintFontHeightFromStored(stored), height) << stored;
}

TEST(ColourTable, StoredTextAppliesOverCurrentIndexes) {
    const std::pair<const char*, const char*> cases[] = {
        // stored text, result when every role starts at 4
        {"9,12,0,7,12,2,8,15", "9,12,0,7,12,2,8,15"},
        {"1,2,3", "1,2,3,4,4,4,4,4"},
        {"", "4,4,4,4,4,4,4,4"},
        {"16,-1,3", "4,4,3,4,4,4,4,4"},  // outside the palette: unchanged
        {"1,2,3,4,5,6,7,8,9,10", "1,2,3,4,5,6,7,8"},
        {"junk", "0,4,4,4,4,4,4,4"},  // no digits read as 0, like every number
    };
    for (const auto& [stored, result] : cases) {
        ColourTable t;
        for (int r = 0; r < ColourRoleCount; ++r) t.SetIndex(r, 4);
        t.ReadIndexes(stored);
        EXPECT_EQ(t.IndexesText(), result) << stored;
    }
}
}  // namespace
