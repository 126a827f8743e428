// Colours, font height and preferences dialogs from their templates, driven in-process: the
// sample repaints, refused input keeps the dialog open, the default file lands in the registry.
#include "dialogs/ClsFarbenDlg.h"
#include "dialogs/ClsSchriftHoeheDlg.h"
#include "dialogs/ClsVorgabenDlg.h"
#include "dialogs/DlgSkript.h"
#include "settings/Settings.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"
#include "support/WinKit.h"

namespace {
class DarstellungDlg : public testing::Test {
protected:
    void SetUp() override { kit::FreshOrdivoSettings(); }
    void TearDown() override { kit::DeleteOrdivoSettings(); }
    // Plays the script on the dialog that `oeffne` opens; true when it ended with OK.
    bool Spiele(const std::function<void(const Dlg&)>& skript, bool (*oeffne)(Settings&)) {
        return Fahre(boxen, skript, [&] { return oeffne(settings); });
    }
    static void Ok(const Dlg& d) { SendMessageA(d.h, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(d.Item(IDOK))); }

    FakeHost host;
    kit::BoxAnswers boxen;
    Settings settings;
};

// The share of the sample window's pixels in `farbe`, as the screen shows it.
double Anteil(HWND muster, COLORREF farbe) {
    kit::Repaint(muster);
    kit::Pump(200);
    const kit::Surface bild(muster);
    return double(bild.Count(farbe)) / (bild.Width() * bild.Height());
}
}  // namespace

TEST_F(DarstellungDlg, ColourClickRepaintsTheSampleAndCancelKeepsTheCalendarColours) {
    EXPECT_FALSE(Spiele([&](const Dlg& d) {
        ShowWindow(d.h, SW_SHOWNORMAL);  // the dialog loop shows it only once idle
        SendMessageA(d.Item(121), LB_SETCURSEL, RoleHintergrund, 0);
        SendMessageA(d.h, WM_COMMAND, MAKEWPARAM(121, LBN_SELCHANGE), reinterpret_cast<LPARAM>(d.Item(121)));
        EXPECT_TRUE(d.Markiert(115));  // white
        EXPECT_GT(Anteil(d.Item(116), RGB(255, 255, 255)), 0.5);
        d.Klick(104);
        EXPECT_TRUE(d.Markiert(104) && !d.Markiert(115));
        EXPECT_GT(Anteil(d.Item(116), RGB(0, 0, 128)), 0.5);
        d.Bild("farben");
    }, [](Settings& s) { return RunFarbenDlg(nullptr, s); }));
    EXPECT_EQ(settings.Look.Farben.Role(RoleHintergrund).Index, 15);
    EXPECT_TRUE(settings.SettingsChanged);  // a click counts even when cancelled

    EXPECT_TRUE(Spiele([&](const Dlg& d) {
        d.Klick(101);  // role 0 is selected at the start
        Ok(d);
    }, [](Settings& s) { return RunFarbenDlg(nullptr, s); }));
    EXPECT_EQ(settings.Look.Farben.Role(RoleFeiertage).Index, 1);
}

TEST_F(DarstellungDlg, RefusedHeightsKeepTheDialogOpenAndChangeNothing) {
    settings.Look.MinStdFontHeight = 8;
    settings.Look.MaxStdFontHeight = 20;
    const auto hoehen = [&](std::initializer_list<std::pair<const char*, const char*>> versuche) {
        return Spiele([&](const Dlg& d) {
            EXPECT_EQ(d.Text(101) + " " + d.Text(102) + " " + d.Text(103), "17 8 20");
            for (const auto& [min, max] : versuche) {
                d.Text(102, min);
                d.Text(103, max);
                Ok(d);
            }
        }, [](Settings& s) { return RunSchriftHoeheDlg(nullptr, s, 17); });
    };
    EXPECT_FALSE(hoehen({{"5", "25"}, {"20", "10"}}));  // still open for the closing Cancel
    EXPECT_EQ(host.Ids(), (std::vector<int>{1168, 1169}));
    EXPECT_EQ(host.messages[0].captionId, 1167);
    EXPECT_EQ(std::vector<int>({settings.Look.MinStdFontHeight, settings.Look.MaxStdFontHeight}), std::vector<int>({8, 20}));
    EXPECT_FALSE(settings.SettingsChanged);

    EXPECT_TRUE(hoehen({{"6", "24"}}));
    EXPECT_EQ(std::vector<int>({settings.Look.MinStdFontHeight, settings.Look.MaxStdFontHeight}), std::vector<int>({6, 24}));
    EXPECT_TRUE(settings.SettingsChanged);
}

TEST_F(DarstellungDlg, DefaultFileMustExistUnlessEmpty) {
    TempDir dir;
    SchreibBytes(dir.Datei("termine.odv"), "");
    char vorher[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof vorher, vorher);
    SetCurrentDirectoryA(dir.Datei("").c_str());
    const std::string General = "Software\\kdw\\Ordivo\\General";
    const auto vorgabe = [&](const char* text, const char* gezeigt) {
        return Spiele([&](const Dlg& d) {
            EXPECT_EQ(d.Text(101), gezeigt);
            d.Text(101, text);
            Ok(d);
        }, [](Settings&) { return RunVorgabenDlg(nullptr); });
    };
    kit::SetUserString(General, "DefaultFile", "alt.odv");
    EXPECT_FALSE(vorgabe("Fehlt", "alt.odv"));
    ASSERT_EQ(host.Ids(), (std::vector<int>{1139}));
    EXPECT_EQ(host.messages[0].captionId, 1166);
    EXPECT_TRUE(vorgabe("alt.odv", "alt.odv"));  // unchanged: no check
    EXPECT_TRUE(vorgabe("Termine", "alt.odv"));
    EXPECT_EQ(kit::UserString(General, "DefaultFile"), "termine.odv");
    EXPECT_TRUE(vorgabe("", "termine.odv"));
    EXPECT_EQ(kit::UserString(General, "DefaultFile"), "");
    EXPECT_EQ(host.messages.size(), 1u);
    SetCurrentDirectoryA(vorher);
}
