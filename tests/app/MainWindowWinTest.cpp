// The calendar window inside the test process: commands reach their handlers and change
// title, check marks and menu; navigation beeps at the year limits; later commands answer
// with the not-yet-available message; menu hints reach the status bar.
#include "core/ProgramPath.h"
#include "app/ClsDecoratedFrame.h"
#include "app/ClsMainWindow.h"
#include "settings/Settings.h"
#include "support/FakeHost.h"
#include "views/ViewState.h"
#include "document/KalenderDatei.h"
#include "holidays/FeiertagTabelle.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstring>
#include <memory>

namespace {
void Pump() {
    MSG msg;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
}

void SetValue(const char* key, const char* name, const char* value) {
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), DWORD(strlen(value) + 1));
    RegCloseKey(k);
}

class MainWindow : public testing::Test {
protected:
    void Start(const char* showMenu = "1") {
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\kdw\\Ordivo");
        SetValue("Software\\kdw\\Ordivo\\General", "FirstStart", "0");
        SetValue("Software\\kdw\\Ordivo\\General", "ShowMenu", showMenu);
        ReadStartupSettings(settings, false);
        main = std::make_unique<ClsMainWindow>(doc, settings, feiertage);
        frame = std::make_unique<ClsDecoratedFrame>("Ordivo", main.get());
        main->AttachFrame(frame.get());
        frame->BuildControlBar(nullptr);
        frame->BuildStatusBar(nullptr);
        ASSERT_TRUE(frame->Create());
        Pump();
    }
    void TearDown() override {
        frame.reset();
        main.reset();
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\kdw\\Ordivo");
    }
    void Command(UINT id) {
        SendMessageA(main->Handle(), WM_COMMAND, id, 0);
        Pump();
    }
    bool Checked(UINT id) const {
        return (GetMenuState(GetMenu(frame->Handle()), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    std::string Title() const {
        char buf[300] = {};
        GetWindowTextA(frame->Handle(), buf, sizeof buf);
        return buf;
    }

    FakeHost host;
    Dokument doc;
    Settings settings;
    Feiertage feiertage;
    std::unique_ptr<ClsMainWindow> main;
    std::unique_ptr<ClsDecoratedFrame> frame;
};
}  // namespace

TEST_F(MainWindow, ViewCommandsMoveTheCheckMark) {
    Start();
    EXPECT_EQ(Title(), "Ordivo - [Unbenannt]");
    EXPECT_TRUE(Checked(352));  // week view is the default
    EXPECT_TRUE(Checked(402));
    EXPECT_FALSE(Checked(405));
    Command(351);
    EXPECT_EQ(settings.Mode, ViewMode::Day);
    EXPECT_TRUE(Checked(351));
    EXPECT_FALSE(Checked(352));
    Command(353);
    EXPECT_EQ(settings.Mode, ViewMode::Month);
    EXPECT_TRUE(Checked(353));
    EXPECT_FALSE(Checked(351));
}

TEST_F(MainWindow, MenuBarOffAndOnRestoresTheCheckMarks) {
    Start();
    Command(405);
    EXPECT_TRUE(settings.AutoSave);
    EXPECT_TRUE(Checked(405));
    Command(402);
    EXPECT_EQ(GetMenu(frame->Handle()), nullptr);
    Command(353);  // switching views without a menu is fine
    Command(402);
    ASSERT_NE(GetMenu(frame->Handle()), nullptr);
    EXPECT_TRUE(Checked(353));
    EXPECT_TRUE(Checked(402));
    EXPECT_TRUE(Checked(405));
    Command(405);
    EXPECT_FALSE(settings.AutoSave);
    EXPECT_FALSE(Checked(405));
}

TEST_F(MainWindow, StartsWithoutMenuWhenTheSettingSaysSo) {
    Start("0");
    EXPECT_EQ(GetMenu(frame->Handle()), nullptr);
    EXPECT_FALSE(settings.ShowMenu);
}

TEST_F(MainWindow, NavigationBeepsAtTheYearLimitsAndKeepsTheDate) {
    Start();
    Command(353);
    main->View().Selected = SelectedDate{3999, 12, 15};
    Command(302);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(main->View().Selected.Year, 3999);
    EXPECT_EQ(main->View().Selected.Month, 12);
    Command(303);
    EXPECT_EQ(main->View().Selected.Month, 11);
    Command(351);
    main->View().Selected = SelectedDate{1800, 1, 1};
    Command(303);
    EXPECT_EQ(host.beeps, 2);
    EXPECT_EQ(main->View().Selected.Day, 1);
    Command(666);
    EXPECT_EQ(main->View().Selected.Day, 8);
    host.now = LocalTime{2026, 12, 5, 10, 0, 0};
    Command(301);
    EXPECT_EQ(main->View().Selected.Year, 2026);
    EXPECT_EQ(main->View().Selected.Day, 5);
}

TEST_F(MainWindow, LaterCommandsSayNotYetAvailable) {
    Start();
    for (UINT id : {105u, 403u, 750u}) {
        host.messages.clear();
        Command(id);
        ASSERT_EQ(host.messages.size(), 1u) << id;
        EXPECT_EQ(host.messages[0].text, "Diese Funktion ist noch nicht verf\xFCgbar!");
        EXPECT_EQ(host.messages[0].caption, "Ordivo");
    }
}

TEST_F(MainWindow, SaveWithNothingToSaveSaysSoAndNewClearsTheTitle) {
    Start();
    Command(103);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].textId, 1109);
    EXPECT_EQ(host.messages[0].captionId, 1110);
    host.messages.clear();
    Command(104);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].textId, 1116);
    Command(101);
    EXPECT_EQ(Title(), "Ordivo - [Unbenannt]");
}

TEST_F(MainWindow, MenuHintsShowTheStatusPartOfTheString) {
    Start();
    SendMessageA(frame->Handle(), WM_MENUSELECT, MAKEWPARAM(103, MF_STRING), reinterpret_cast<LPARAM>(GetMenu(frame->Handle())));
    EXPECT_EQ(frame->Status()->Text(ClsDecoratedFrame::MessageGadget), "Speichert den Kalender");
    SendMessageA(frame->Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // menu closed
    EXPECT_EQ(frame->Status()->Text(ClsDecoratedFrame::MessageGadget), "");
}

namespace {
// An appointment that makes the file modified.
void AddOne(Dokument& doc) {
    Termin t;
    t.Start = MachZeitpunkt(2026, 12, 7, 9, 0);
    t.Ende = MachZeitpunkt(2026, 12, 7, 10, 0);
    t.SetzeKurzbeschr("Ungespeichert");
    ASSERT_TRUE(doc.Liste.Einfuegen(t));
}

std::string TempFile(const char* name) {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    DeleteFileA(path.c_str());
    return path;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
}  // namespace

TEST_F(MainWindow, CloseQueryYesSavesNoDiscardsCancelKeeps) {
    Start();
    AddOne(doc);
    doc.Dateiname = TempFile("ordivo-close.odv");
    host.answers = {Mb::IdCancel};
    EXPECT_FALSE(main->CanClose());
    EXPECT_EQ(host.messages.back().textId, 1103);
    EXPECT_EQ(doc.Liste.Anzahl(), 1);
    EXPECT_TRUE(doc.Geaendert());

    host.answers = {Mb::IdNo};
    EXPECT_TRUE(main->CanClose());
    EXPECT_FALSE(Exists(doc.Dateiname));

    host.answers = {Mb::IdYes};
    EXPECT_TRUE(main->CanClose());
    EXPECT_TRUE(Exists(doc.Dateiname));
    EXPECT_FALSE(doc.Geaendert());
    DeleteFileA(doc.Dateiname.c_str());
}

TEST_F(MainWindow, AutoSaveOnCloseWritesWithoutAsking) {
    Start();
    AddOne(doc);
    doc.Dateiname = TempFile("ordivo-auto.odv");
    settings.AutoSave = true;
    EXPECT_TRUE(main->CanClose());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(Exists(doc.Dateiname));
    DeleteFileA(doc.Dateiname.c_str());
}

TEST_F(MainWindow, UnsavedSettingsAreAskedForFirst) {
    Start();
    settings.SettingsChanged = true;
    host.answers = {Mb::IdCancel};
    EXPECT_FALSE(main->CanClose());
    EXPECT_EQ(host.messages.back().textId, 1192);
    EXPECT_TRUE(settings.SettingsChanged);
    host.answers = {Mb::IdYes};
    EXPECT_TRUE(main->CanClose());
    EXPECT_FALSE(settings.SettingsChanged);  // saved by command 408's writer
}

TEST_F(MainWindow, NewAsksBeforeDiscardingUnsavedAppointments) {
    Start();
    AddOne(doc);
    host.answers = {Mb::IdCancel};
    Command(101);
    EXPECT_EQ(host.messages.back().textId, 1103);
    EXPECT_EQ(doc.Liste.Anzahl(), 1);
    host.answers = {Mb::IdNo};
    Command(101);
    EXPECT_EQ(doc.Liste.Anzahl(), 0);
}

TEST_F(MainWindow, ExportOfAProtectedFileAsksFirst) {
    Start();
    AddOne(doc);
    std::strcpy(doc.Liste.Passwort, "geheim");
    const std::string path = TempFile("ordivo-export.dbf");
    host.answers = {Mb::IdNo};
    EXPECT_FALSE(main->SpeichereDatei(ModusTerminExport, path));
    EXPECT_EQ(host.messages.back().textId, 1111);
    EXPECT_FALSE(Exists(path));
    host.answers = {Mb::IdYes};
    EXPECT_TRUE(main->SpeichereDatei(ModusTerminExport, path));
    EXPECT_TRUE(Exists(path));
    DeleteFileA(path.c_str());
}
