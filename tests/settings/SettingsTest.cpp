// The settings table: defaults with an empty store, regional values, window position,
// sanitising of values the views cannot use, and the save-settings command.
#include "core/MemoryConfigStore.h"
#include "settings/Settings.h"
#include "settings/Appearance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using RP = const char*;
RP General = RegPath::General, View = RegPath::View, Sound = RegPath::Sound,
   Print = RegPath::Print, Intl = RegPath::International;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { SetConfigStore(&store); }
    void TearDown() override { SetConfigStore(nullptr); }

    // Everything readable, read at its moments.
    void ReadAll(bool fileFromCommandLine = false) {
        ReadStartupSettings(settings, fileFromCommandLine);
        ReadSetupSettings(settings, mw);
    }

    MemoryConfigStore store;
    Settings settings;
    MainWindowSettings mw;
};

// Puts wrong values into every field a reader assigns, so a forgotten field shows.
// (Colours and margins are read over what is held, so they stay.)
void Scramble(Settings& s, Appearance& a, MainWindowSettings& mw) {
    s.ShowMenu = false;
    s.AutoSave = true;
    s.Mode = ViewMode::Month;
    s.Day1 = {false, true};
    s.Day2 = {false, true};
    s.FirstStart = false;
    s.StartAM = s.StartPM = s.StepAM = s.StepPM = 99;
    a.MinStdFontHeight = a.MaxStdFontHeight = 99;
    for (AlarmSound& sound : mw.Sounds) {
        sound.Enabled = true;
        sound.File[0] = 'x';
        sound.File[1] = '\0';
    }
    mw.PrintFontHeight = 99;
}

TEST_F(SettingsTest, EmptyStoreGivesEveryDefault) {
    // Once with no key at all, once with the keys present but empty (INI path, no INI).
    for (bool keysExist : {false, true}) {
        store = MemoryConfigStore{};
        if (keysExist)
            for (RP path : {General, View, Sound, Print}) store.CreateForWrite(Hive::CurrentUser, path);
        mw = MainWindowSettings{};
        Scramble(settings, settings.Look, mw);
        ReadAll();
        const WindowPos pos = ReadWindowPos(1024, 768);
        const Settings& s = settings;
        struct Row {
            const char* what;
            int actual, expected;
        };
        const Row rows[] = {
            {"ShowMenu", s.ShowMenu, 1},
            {"AutoSave", s.AutoSave, 0},
            {"Mode", int(s.Mode), 1},
            {"Day1.Used", s.Day1.Used, 1},
            {"Day1.Kind", s.Day1.Kind, 0},
            {"Day2.Used", s.Day2.Used, 1},
            {"Day2.Kind", s.Day2.Kind, 0},
            {"FirstStart", s.FirstStart, 1},
            {"StartAM", s.StartAM, 0},
            {"StartPM", s.StartPM, 720},
            {"StepAM", s.StepAM, 30},
            {"StepPM", s.StepPM, 30},
            {"MinStdFontHeight", settings.Look.MinStdFontHeight, 6},
            {"MaxStdFontHeight", settings.Look.MaxStdFontHeight, 24},
            {"Feiertage red", int(settings.Look.Farben.Colour(RoleFeiertage).Value), 0x0000FF},
            {"Wochentage blue", int(settings.Look.Farben.Colour(RoleWochentage).Value), 0xFF0000},
            {"normal black", int(settings.Look.Farben.Colour(RoleTermineNormal).Value), 0},
            {"done light grey", int(settings.Look.Farben.Colour(RoleTermineErledigt).Value), 0xC0C0C0},
            {"grid white", int(settings.Look.Farben.Colour(RoleHintergrund).Value), 0xFFFFFF},
            {"WindowPos.X", pos.X, 0},
            {"WindowPos.Y", pos.Y, 0},
            {"WindowPos.Width", pos.Width, 1024},
            {"WindowPos.Height", pos.Height, 710},  // 768 × 37 / 40 = 710.4
            {"Margins[0]", mw.Margins[0], -1},     // not set
            {"PrintFontHeight", mw.PrintFontHeight, 0},
        };
        for (const Row& r : rows) EXPECT_EQ(r.actual, r.expected) << r.what << " keys=" << keysExist;
        for (int kind = 0; kind < AlarmKindCount; ++kind) {
            EXPECT_FALSE(mw.Sounds[kind].Enabled) << kind;
            EXPECT_STREQ(mw.Sounds[kind].File, "") << kind;
        }
        EXPECT_STREQ(s.DefaultFile, "");
    }
}

TEST_F(SettingsTest, RegionalValues) {
    struct Case {
        const char* locale;      // nullptr: value missing
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
        {"00000407", ".", "dd.MM.yyyy", 407, '.', "dd.MM.yy", true},   // 10 characters: too long
        {"00000409", "/", "yyyy-MM-dd", 409, '/', "MM.dd.yy", false},
        {"00000407", "-", "d.M.yyyy", 407, '-', "d.M.yyyy", true},     // 8 characters fit
        {"00000409", "abcd", "M/d/yy", 409, '/', "M/d/yy", false},     // sDate buffer is 4
        {"00000407", "::", "yy.MM.dd", 407, ':', "yy.MM.dd", false},   // first character only
        {"00000407", "", "dd.MM.yy", 407, '.', "dd.MM.yy", true},      // empty keeps the default
    };
    for (const Case& c : cases) {
        store = MemoryConfigStore{};
        store.CreateForWrite(Hive::CurrentUser, Intl);
        if (c.locale) store.Put(Intl, "Locale", c.locale);
        if (c.sDate) store.Put(Intl, "sDate", c.sDate);
        if (c.sShortDate) store.Put(Intl, "sShortDate", c.sShortDate);
        const RegionalSettings r = ReadRegional();
        const std::string label = std::string(c.locale ? c.locale : "-") + " " +
                                  (c.sDate ? c.sDate : "-") + " " +
                                  (c.sShortDate ? c.sShortDate : "-");
        EXPECT_EQ(r.Locale, c.expLocale) << label;
        EXPECT_EQ(r.DatumTrenner, c.expSeparator) << label;
        EXPECT_STREQ(r.ShortDate, c.expPattern) << label;
        EXPECT_EQ(r.TagZuerst(), c.expDayFirst) << label;
    }
    // A too-long pattern falls back to the INI entry when there is one.
    store = MemoryConfigStore{};
    store.Put(Intl, "sShortDate", "dd.MM.yyyy");
    store.PutFallback("sShortDate", "d.M.yy");
    EXPECT_STREQ(ReadRegional().ShortDate, "d.M.yy");
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
    store.Put(View, "WindowPos", "-8,-30,800,600");
    WindowPos p = ReadWindowPos(1024, 768);
    EXPECT_EQ(std::vector<int>({p.X, p.Y, p.Width, p.Height}), std::vector<int>({-8, -30, 800, 600}));

    store.Put(View, "WindowPos", "10,20");  // missing fields keep their defaults
    p = ReadWindowPos(1280, 1024);
    EXPECT_EQ(std::vector<int>({p.X, p.Y, p.Width, p.Height}), std::vector<int>({10, 20, 1280, 947}));

    store.Put(View, "WindowPos", "1000000000,1000000000,1000000000,1000000");  // 40: too long
    p = ReadWindowPos(1280, 1024);
    EXPECT_EQ(std::vector<int>({p.X, p.Y, p.Width, p.Height}), std::vector<int>({0, 0, 1280, 947}));

    WriteWindowPos({-4, 5, 640, 480});
    EXPECT_EQ(store.Get(View, "WindowPos"), "-4,5,640,480");
    p = ReadWindowPos(1, 1);
    EXPECT_EQ(std::vector<int>({p.X, p.Y, p.Width, p.Height}), std::vector<int>({-4, 5, 640, 480}));
}

TEST_F(SettingsTest, StoredValuesAreReadByPosition) {
    store.Put(General, "ShowMenu", "0");
    store.Put(General, "AutoSave", "10");  // first character decides
    store.Put(General, "FirstStart", "x");
    store.Put(View, "Day1", "0,1");
    store.Put(View, "Day2", "1");          // second flag missing: off
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
    EXPECT_FALSE(s.ShowMenu);
    EXPECT_TRUE(s.AutoSave);
    EXPECT_FALSE(s.FirstStart);
    EXPECT_FALSE(s.Day1.Used);
    EXPECT_TRUE(s.Day1.Kind);
    EXPECT_TRUE(s.Day2.Used);
    EXPECT_FALSE(s.Day2.Kind);
    EXPECT_EQ(s.StartPM, 810);
    EXPECT_EQ(s.StartAM, 465);
    EXPECT_STREQ(s.DefaultFile, "c:\\termine.odv");
    const ColourTable defaults;
    for (int r = 0; r < ColourRoleCount; ++r)
        EXPECT_EQ(settings.Look.Farben.Role(r).Index, r < 3 ? r + 1 : defaults.Role(r).Index) << r;
    const bool enabled[AlarmKindCount] = {false, true, false, true};
    for (int kind = 0; kind < AlarmKindCount; ++kind) EXPECT_EQ(mw.Sounds[kind].Enabled, enabled[kind]);
    EXPECT_STREQ(mw.Sounds[0].File, "C:\\kind0.wav");
    EXPECT_STREQ(mw.Sounds[1].File, "");
    EXPECT_EQ(std::vector<int>(mw.Margins, mw.Margins + 4), std::vector<int>({100, 200, 0, 0}));
    EXPECT_EQ(mw.PrintFontHeight, 11);
}

TEST_F(SettingsTest, FileFromCommandLineSkipsDefaultFile) {
    store.Put(General, "DefaultFile", "c:\\termine.odv");
    ReadStartupSettings(settings, true);
    EXPECT_STREQ(settings.DefaultFile, "");
}

TEST_F(SettingsTest, UnusableValuesKeepTheirDefaults) {
    struct Case {
        RP path;
        const char* name;
        const char* stored;
    };
    const Case cases[] = {
        {View, "Mode", "3"},      {View, "Mode", "-1"},     {View, "StepAM", "0"},
        {View, "StepPM", "-30"},  {View, "StartAM", "2400"}, {View, "StartPM", "-5"},
        {View, "MinStdFontHeight", "5"}, {View, "MaxStdFontHeight", "25"},
    };
    for (const Case& c : cases) {
        store = MemoryConfigStore{};
        store.Put(c.path, c.name, c.stored);
        settings = Settings{};
        ReadAll();
        const Settings& s = settings;
        EXPECT_EQ(s.Mode, ViewMode::Week) << c.name << "=" << c.stored;
        EXPECT_EQ(s.StepAM, 30) << c.name << "=" << c.stored;
        EXPECT_EQ(s.StepPM, 30) << c.name << "=" << c.stored;
        EXPECT_EQ(s.StartAM, 0) << c.name << "=" << c.stored;
        EXPECT_EQ(s.StartPM, 720) << c.name << "=" << c.stored;
        EXPECT_EQ(settings.Look.MinStdFontHeight, 6) << c.name << "=" << c.stored;
        EXPECT_EQ(settings.Look.MaxStdFontHeight, 24) << c.name << "=" << c.stored;
    }
    // Limits that are each valid but crossed fall back together.
    store.Put(View, "MinStdFontHeight", "20");
    store.Put(View, "MaxStdFontHeight", "10");
    ReadStartupSettings(settings, false);
    EXPECT_EQ(settings.Look.MinStdFontHeight, 6);
    EXPECT_EQ(settings.Look.MaxStdFontHeight, 24);
}

TEST_F(SettingsTest, SaveSettingsWritesTheListInOrderAndClearsTheFlag) {
    Settings& s = settings;
    s.AutoSave = true;
    s.Mode = ViewMode::Month;
    s.Day1 = {true, true};
    s.Day2 = {false, true};
    s.StartAM = 465;
    s.StartPM = 810;
    s.StepAM = 15;
    s.StepPM = 60;
    s.ShowMenu = false;  // not saved by this command
    settings.Look.MinStdFontHeight = 8;
    settings.Look.MaxStdFontHeight = 20;
    settings.Look.Farben.SetIndex(RoleHintergrund, 11);
    const char* files[AlarmKindCount] = {"k0.wav", "k1.wav", "", "k3.wav"};
    for (int kind = 0; kind < AlarmKindCount; ++kind) {
        mw.Sounds[kind].Enabled = kind == 1 || kind == 2;
        std::snprintf(mw.Sounds[kind].File, sizeof mw.Sounds[kind].File, "%s", files[kind]);
    }
    settings.SettingsChanged = true;

    SaveSettings(settings, mw);

    using W = MemoryConfigStore::Write;
    const std::vector<W> expected = {
        {Sound, "WavAlarm", "1,0,1,0"},
        {Sound, "WavAlarm1", "k1.wav"},
        {Sound, "WavAlarm2", "k0.wav"},
        {Sound, "WavAlarm3", ""},
        {Sound, "WavAlarm4", "k3.wav"},
        {View, "StartAM", "745"},
        {View, "StartPM", "1330"},
        {View, "StepAM", "15"},
        {View, "StepPM", "60"},
        {General, "AutoSave", "1"},
        {View, "Mode", "2"},
        {View, "Day1", "1,1"},
        {View, "Day2", "0,1"},
        {View, "MinStdFontHeight", "8"},
        {View, "MaxStdFontHeight", "20"},
        {View, "Colors", "9,12,0,7,12,2,8,11"},
    };
    ASSERT_EQ(store.writes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(store.writes[i].name, expected[i].name) << i;
        EXPECT_EQ(store.writes[i].text, expected[i].text) << expected[i].name;
        EXPECT_TRUE(store.Has(expected[i].path, expected[i].name)) << expected[i].name;
    }
    EXPECT_FALSE(settings.SettingsChanged);
}

TEST_F(SettingsTest, ExitAndSetUpWriters) {
    settings.ShowMenu = false;
    WriteShowMenu(settings);
    EXPECT_EQ(store.Get(General, "ShowMenu"), "0");
    settings.ShowMenu = true;
    WriteShowMenu(settings);
    EXPECT_EQ(store.Get(General, "ShowMenu"), "1");
    WriteFirstStartDone();
    EXPECT_EQ(store.Get(General, "FirstStart"), "0");
    ReadSetupSettings(settings, mw);
    EXPECT_FALSE(settings.FirstStart);
}

TEST(PrintFontHeight, StoredNumberToDeviceUnits) {
    const std::pair<int, int> cases[] = {{0, 0}, {4, 11}, {1, 2}, {-2, -7}, {1000000000, 2147483647}};
    for (const auto& [stored, height] : cases) EXPECT_EQ(PrintFontHeightFromStored(stored), height) << stored;
}
}  // namespace
