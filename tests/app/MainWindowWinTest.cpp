// The calendar window inside the test process: commands reach their handlers and change
// title, check marks and menu; navigation beeps at the year limits; later commands answer
// with the not-yet-available message, built ones open their dialogs; menu hints reach the
// status bar.
#include "core/ProgramPath.h"
#include "app/ClsDecoratedFrame.h"
#include "app/ClsMainWindow.h"
#include "settings/Settings.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"
#include "views/ViewState.h"
#include "document/KalenderDatei.h"
#include "holidays/FeiertagTabelle.h"
#include "support/WinKit.h"

#include <cstring>
#include <memory>
#include <utility>

namespace {
class MainWindow : public testing::Test {
protected:
    void Start(const char* showMenu = "1") {
        kit::FreshOrdivoSettings();
        kit::SetUserString("Software\\kdw\\Ordivo\\General", "ShowMenu", showMenu);
        ReadStartupSettings(settings, false);
        main = std::make_unique<ClsMainWindow>(doc, settings, feiertage);
        frame = std::make_unique<ClsDecoratedFrame>("Ordivo", main.get());
        main->AttachFrame(frame.get());
        frame->BuildControlBar(nullptr);
        frame->BuildStatusBar(nullptr);
        ASSERT_TRUE(frame->Create());
        kit::Pump(100);
    }
    void TearDown() override {
        frame.reset();
        main.reset();
        kit::DeleteOrdivoSettings();
    }
    void Command(UINT id) {
        SendMessageA(main->Handle(), WM_COMMAND, id, 0);
        kit::Pump(100);
    }
    bool Checked(UINT id) const {
        return (GetMenuState(GetMenu(frame->Handle()), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    std::string Title() const { return kit::WindowText(frame->Handle()); }

    FakeHost host;
    TempDir dir;
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
    EXPECT_TRUE(Checked(352) && Checked(402) && !Checked(405));  // week view is the default
    for (UINT id : {351u, 353u}) {
        Command(id);
        EXPECT_EQ(settings.Mode, ViewMode(id - 351));
        EXPECT_EQ(std::vector<bool>({Checked(351), Checked(352), Checked(353)}),
                  std::vector<bool>({id == 351, false, id == 353}));
    }
}

TEST_F(MainWindow, MenuBarOffAndOnRestoresTheCheckMarks) {
    Start();
    Command(405);
    EXPECT_TRUE(settings.AutoSave && Checked(405));
    Command(402);
    EXPECT_EQ(GetMenu(frame->Handle()), nullptr);
    Command(353);  // switching views without a menu is fine
    Command(402);
    ASSERT_NE(GetMenu(frame->Handle()), nullptr);
    EXPECT_TRUE(Checked(353) && Checked(402) && Checked(405));
    Command(405);
    EXPECT_FALSE(settings.AutoSave || Checked(405));
}

TEST_F(MainWindow, StartsWithoutMenuWhenTheSettingSaysSo) {
    Start("0");
    EXPECT_EQ(GetMenu(frame->Handle()), nullptr);
    EXPECT_FALSE(settings.ShowMenu);
}

// The date arithmetic has its own tests; here the commands reach it and a refusal beeps.
TEST_F(MainWindow, NavigationBeepsAtTheYearLimitsAndKeepsTheDate) {
    Start();
    Command(353);
    main->View().Selected = SelectedDate{3999, 12, 15};
    Command(302);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(main->View().Selected.Month, 12);
    Command(303);
    EXPECT_EQ(main->View().Selected.Month, 11);
    Command(301);  // today
    EXPECT_EQ(main->View().Selected.Year, 2026);
}

TEST_F(MainWindow, LaterCommandsSayNotYetAvailable) {
    Start();
    for (UINT id : {107u, 304u, 406u}) {
        host.messages.clear();
        Command(id);
        ASSERT_EQ(host.messages.size(), 1u) << id;
        EXPECT_EQ(host.messages[0].text, "Diese Funktion ist noch nicht verf\xFCgbar!");
        EXPECT_EQ(host.messages[0].caption, "Ordivo");
    }
}

TEST_F(MainWindow, EmptyCalendarAndNoHitAppointmentAnswerInsteadOfADialog) {
    Start();
    const struct {
        UINT id;
        int caption;
    } leer[] = {{202, 1120}, {203, 1121}};
    for (const auto& f : leer) {
        host.messages.clear();
        Command(f.id);
        ASSERT_EQ(host.messages.size(), 1u) << f.id;
        EXPECT_EQ(host.messages[0].textId, 1119);
        EXPECT_EQ(host.messages[0].captionId, f.caption);
    }
    host.messages.clear();
    Command(105);  // nothing to print
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].textId, 1107);
    Command(825);
    Command(826);
    EXPECT_EQ(host.beeps, 2);
}

TEST_F(MainWindow, DayGridAndAddressBookCommandsOpenTheirDialogs) {
    Start();
    kit::BoxAnswers boxen;
    for (const auto& [id, titel] : {std::pair<UINT, const char*>{409, "Tagesraster"}, {750, "Adressbuch"}}) {
        std::string gesehen;
        kit::PlayOnDialog(boxen, [&](HWND h) { gesehen = kit::WindowText(h); }, [&] { Command(id); });
        EXPECT_EQ(gesehen, titel);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainWindow, SaveWithNothingToSaveSaysSoAndNewClearsTheTitle) {
    Start();
    Command(103);
    Command(104);
    EXPECT_EQ(host.Ids(), (std::vector<int>{1109, 1116}));
    EXPECT_EQ(host.messages[0].captionId, 1110);
    Command(101);
    EXPECT_EQ(Title(), "Ordivo - [Unbenannt]");
}

TEST_F(MainWindow, MenuHintsShowTheStatusPartOfTheString) {
    Start();
    SendMessageA(frame->Handle(), WM_MENUSELECT, MAKEWPARAM(103, MF_STRING), reinterpret_cast<LPARAM>(GetMenu(frame->Handle())));
    EXPECT_EQ(frame->Status()->Text(ClsDecoratedFrame::MessageGadget), "Speichert den Kalender");
    SendMessageA(frame->Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // menu closed: the plan's text
    EXPECT_EQ(frame->Status()->Text(ClsDecoratedFrame::MessageGadget), "Keine Vorwarnung ausstehend.");
}

TEST_F(MainWindow, ClockShowsDateAndTimeWithSecondsEverySecond) {
    Start();
    ASSERT_TRUE(main->TimerRunning());
    for (const char* sekunde : {"09", "10"}) {
        host.now = LocalTime{2026, 12, 4, 21, 5, std::atoi(sekunde)};
        kit::Pump(1200);
        EXPECT_EQ(frame->Status()->Text(ClsDecoratedFrame::ClockGadget), std::string("04.12.2026  21:05:") + sekunde);
    }
}

TEST_F(MainWindow, RemarkAddressAndWarningTimeWithoutAClickedAppointmentOnlyBeep) {
    Start();
    for (UINT id : {821u, 823u, 824u}) {
        host.beeps = 0;
        Command(id);
        EXPECT_EQ(host.beeps, 1) << id;
    }
    EXPECT_TRUE(host.messages.empty());
}

namespace {
// An appointment that makes the file modified.
void AddOne(Dokument& doc) { ASSERT_TRUE(doc.Liste.Einfuegen(MachTermin(2026, 12, 7, 9, 0, 10, 0, 0, "Ungespeichert"))); }
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
}  // namespace

TEST_F(MainWindow, CloseQueryYesSavesNoDiscardsCancelKeeps) {
    Start();
    AddOne(doc);
    doc.Dateiname = dir.Datei("close.odv");
    host.answers = {Mb::IdCancel};
    EXPECT_FALSE(main->CanClose());
    EXPECT_EQ(host.messages.back().textId, 1103);
    EXPECT_TRUE(doc.Geaendert());

    host.answers = {Mb::IdNo};
    EXPECT_TRUE(main->CanClose());
    EXPECT_FALSE(Exists(doc.Dateiname));

    host.answers = {Mb::IdYes};
    EXPECT_TRUE(main->CanClose());
    EXPECT_TRUE(Exists(doc.Dateiname));
    EXPECT_FALSE(doc.Geaendert());

    // With auto-save on, the close writes without asking.
    AddOne(doc);
    DeleteFileA(doc.Dateiname.c_str());
    settings.AutoSave = true;
    host.messages.clear();
    EXPECT_TRUE(main->CanClose());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(Exists(doc.Dateiname));
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
    const std::string path = dir.Datei("export.dbf");
    host.answers = {Mb::IdNo};
    EXPECT_FALSE(main->SpeichereDatei(ModusTerminExport, path));
    EXPECT_EQ(host.messages.back().textId, 1111);
    EXPECT_FALSE(Exists(path));
    host.answers = {Mb::IdYes};
    EXPECT_TRUE(main->SpeichereDatei(ModusTerminExport, path));
    EXPECT_TRUE(Exists(path));
}
