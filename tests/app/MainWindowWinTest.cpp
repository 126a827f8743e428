// The calendar window inside the test process: commands reach their handlers (check marks,
// menu, beeps, messages, dialogs), the status bar, the date picker and go-to, the close questions.
#include "core/ProgramPath.h"
#include "core/ResourceIds.h"
#include "app/ClsDecoratedFrame.h"
#include "app/ClsMainWindow.h"
#include "settings/Settings.h"
#include "store/JahresKopien.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"
#include "views/ViewState.h"
#include "document/KalenderDatei.h"
#include "holidays/FeiertagTabelle.h"
#include "support/WinKit.h"
#include "dialogs/DlgSkript.h"
#include "framework/GdiCanvas.h"
#include "views/DatePicker.h"

#include <cstring>
#include <memory>
#include <utility>

namespace {
// The main window with the clicked appointment open to the test.
struct OpenMainWindow : ClsMainWindow {
    using ClsMainWindow::ClsMainWindow;
    using ClsMainWindow::HitAppointment;
};

class MainWindow : public testing::Test {
protected:
    void SetUp() override { Start(); }
    void Start(const char* showMenu = "1") {
        frame.reset();
        main.reset();
        kit::FreshOrdivoSettings();
        kit::SetUserString("Software\\kdw\\Ordivo\\General", "ShowMenu", showMenu);
        ReadStartupSettings(settings, false);
        main = std::make_unique<OpenMainWindow>(doc, settings, feiertage);
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
    std::unique_ptr<OpenMainWindow> main;
    std::unique_ptr<ClsDecoratedFrame> frame;
};
}  // namespace

TEST_F(MainWindow, ViewAndMenuBarCommandsMoveTheCheckMarksAndTheSettingHidesTheMenu) {
    EXPECT_EQ(Title(), "Ordivo - [Unbenannt]");
    EXPECT_TRUE(Checked(352) && Checked(402) && !Checked(405));  // week view is the default
    for (UINT id : {351u, 353u}) {
        Command(id);
        EXPECT_EQ(settings.Mode, ViewMode(id - 351));
        EXPECT_EQ(std::vector<bool>({Checked(351), Checked(352), Checked(353)}),
                  std::vector<bool>({id == 351, false, id == 353}));
    }
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
    Start("0");  // the setting says no menu
    EXPECT_TRUE(GetMenu(frame->Handle()) == nullptr && !settings.ShowMenu);
}

// The date arithmetic has its own tests; here the commands reach it and a refusal beeps.
TEST_F(MainWindow, NavigationBeepsAtTheYearLimitsAndKeepsTheDate) {
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

// Not yet built, nothing to work on or no clicked appointment: a message (text, caption) or a beep.
TEST_F(MainWindow, CommandsWithNothingToActOnAnswerInstead) {
    const struct {
        UINT id;
        int text, caption;  // text 0: a beep; caption 0: not checked
    } faelle[] = {{202, 1119, 1120}, {203, 1119, 1121}, {105, 1107, 0}, {103, 1109, 1110}, {104, 1116, 0},
                  {CM_ICAL_EXPORT, IDS_KALENDER_LEER, IDS_TITEL_EXPORT}, {CM_VCARD_EXPORT, IDS_ADRESSBUCH_LEER, IDS_TITEL_EXPORT},
                  {821, 0, 0}, {823, 0, 0}, {824, 0, 0}, {825, 0, 0}, {826, 0, 0}};
    for (const auto& f : faelle) {
        host.messages.clear();
        host.beeps = 0;
        Command(f.id);
        EXPECT_EQ(host.Ids(), f.text ? std::vector<int>{f.text} : std::vector<int>{}) << f.id;
        if (f.caption) { EXPECT_EQ(host.messages.at(0).captionId, f.caption) << f.id; }
        if (!f.text) { EXPECT_EQ(host.beeps, 1) << f.id; }
    }
    host.messages.clear();
    Command(751);  // the placeholder command itself; every other one is built
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text + "|" + host.messages[0].caption, "Diese Funktion ist noch nicht verf\xFCgbar!|Ordivo");
    for (UINT id = CM_ICAL_EXPORT; id <= CM_VCARD_IMPORT; ++id)  // the file menu lists all four
        EXPECT_NE(GetMenuState(GetMenu(frame->Handle()), id, MF_BYCOMMAND), UINT(-1)) << id;
}

TEST_F(MainWindow, DialogCommandsOpenTheirDialogs) {
    kit::BoxAnswers boxen;
    for (const auto& [id, titel] : {std::pair<UINT, const char*>{409, "Tagesraster"},
                                     {750, "Adressbuch"},
                                     {406, "Schrifth\xF6hen"},
                                     {407, "Farben"},
                                     {107, "Vorgaben"}}) {
        std::string gesehen;
        kit::PlayOnDialog(boxen, [&](HWND h) { gesehen = kit::WindowText(h); }, [&] { Command(id); });
        EXPECT_EQ(gesehen, titel);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainWindow, StatusBarShowsMenuHintsThePlanAndTheClockEverySecond) {
    SendMessageA(frame->Handle(), WM_MENUSELECT, MAKEWPARAM(103, MF_STRING), reinterpret_cast<LPARAM>(GetMenu(frame->Handle())));
    EXPECT_EQ(frame->Status()->Text(ClsDecoratedFrame::MessageGadget), "Speichert den Kalender");
    SendMessageA(frame->Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // menu closed: the plan's text
    EXPECT_EQ(frame->Status()->Text(ClsDecoratedFrame::MessageGadget), "Keine Vorwarnung ausstehend.");
    ASSERT_TRUE(main->TimerRunning());
    for (const char* sekunde : {"09", "10"}) {
        host.now = LocalTime{2026, 12, 4, 21, 5, std::atoi(sekunde)};
        kit::Pump(1200);
        EXPECT_EQ(frame->Status()->Text(ClsDecoratedFrame::ClockGadget), std::string("04.12.2026  21:05:") + sekunde);
    }
}

namespace {
// An appointment that makes the file modified.
void AddOne(Dokument& doc) { ASSERT_TRUE(doc.Liste.Einfuegen(MachTermin(2026, 12, 7, 9, 0, 10, 0, 0, "Ungespeichert"))); }
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
}  // namespace

TEST_F(MainWindow, UnsavedWorkIsAskedForBeforeCloseNewAndAProtectedExport) {
    settings.SettingsChanged = true;  // asked for first
    host.answers = {Mb::IdCancel, Mb::IdYes};
    EXPECT_FALSE(main->CanClose());
    EXPECT_TRUE(settings.SettingsChanged);
    EXPECT_TRUE(main->CanClose());
    EXPECT_FALSE(settings.SettingsChanged);  // saved by command 408's writer
    EXPECT_EQ(host.Ids(), (std::vector<int>{1192, 1192}));

    AddOne(doc);
    doc.Dateiname = dir.Datei("close.odv");
    host.answers = {Mb::IdCancel, Mb::IdNo, Mb::IdYes};
    EXPECT_FALSE(main->CanClose());
    EXPECT_EQ(host.messages.back().textId, 1103);
    EXPECT_TRUE(main->CanClose());  // No: discarded
    EXPECT_FALSE(Exists(doc.Dateiname));
    EXPECT_TRUE(main->CanClose());  // Yes: saved
    EXPECT_TRUE(Exists(doc.Dateiname) && !doc.Geaendert());

    AddOne(doc);  // with auto-save on, the close writes without asking
    DeleteFileA(doc.Dateiname.c_str());
    settings.AutoSave = true;
    host.messages.clear();
    EXPECT_TRUE(main->CanClose());
    EXPECT_TRUE(host.messages.empty() && Exists(doc.Dateiname));
    settings.AutoSave = false;

    std::strcpy(doc.Liste.Passwort, "geheim");  // the export of a protected file asks first
    const std::string path = dir.Datei("export.dbf");
    host.answers = {Mb::IdNo, Mb::IdYes};
    EXPECT_FALSE(main->SpeichereDatei(ModusTerminExport, path));
    EXPECT_EQ(host.messages.back().textId, 1111);
    EXPECT_FALSE(Exists(path));
    EXPECT_TRUE(main->SpeichereDatei(ModusTerminExport, path));
    EXPECT_TRUE(Exists(path));

    doc.Liste.Geaendert = true;  // New asks before discarding
    host.answers = {Mb::IdCancel, Mb::IdNo};
    Command(101);
    EXPECT_EQ(host.messages.back().textId, 1103);
    EXPECT_EQ(doc.Liste.Anzahl(), 2);
    Command(101);
    EXPECT_EQ(doc.Liste.Anzahl(), 0);
}

namespace {
// A point of the picker's client area on a day, found with the picker's own hit test.
bool FindeTag(HWND picker, POINT& p, YearCalendarHitResult& hit) {
    RECT r{};
    GetClientRect(picker, &r);
    gdi::WindowDc dc(picker);
    GdiCanvas canvas(dc.Get());
    const PickerClient client{r.right, r.bottom, 14 * HIWORD(GetDialogBaseUnits()) / 8};
    for (p.y = r.bottom / 3; p.y < r.bottom; p.y += 3)
        for (p.x = r.right * 3 / 5; p.x < r.right; p.x += 3)
            if ((hit = DatePickerHit(canvas, client, 2026, p.x, p.y)).Month != 0) return true;
    return false;
}
}  // namespace

TEST_F(MainWindow, DatePickerOpensOnceNearTheEdgeAndAClickShowsTheDay) {
    const int breite = GetSystemMetrics(SM_CXSCREEN);  // the picker reads the frame position when it opens
    kit::SetUserString("Software\\kdw\\Ordivo\\View", "WindowPos", std::to_string(breite - 300) + ",40,300,300");
    Command(304);
    const HWND picker = main->DatePicker();
    ASSERT_NE(picker, nullptr);
    RECT r{};
    GetWindowRect(picker, &r);
    EXPECT_EQ(std::vector<long>({r.left, r.top, r.right - r.left, r.bottom - r.top}), std::vector<long>({10, 50, 620, 420}));
    SetFocus(main->Handle());
    Command(304);
    EXPECT_EQ(main->DatePicker(), picker);
    EXPECT_EQ(GetActiveWindow(), picker);

    kit::Repaint(picker);
    kit::Pump(300);
    const kit::Surface bild(picker);
    EXPECT_GT(bild.Count(RGB(192, 192, 192)), bild.Width() * bild.Height() / 2);  // painted; red days are pinned natively
    EXPECT_TRUE(bild.SavePng("datumswahl"));

    POINT p{};
    YearCalendarHitResult hit;
    ASSERT_TRUE(FindeTag(picker, p, hit));
    EXPECT_EQ(hit.Year, 2027);  // the right-hand calendar
    SendMessageA(picker, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    kit::Pump(100);
    EXPECT_EQ(main->DatePicker(), nullptr);
    const SelectedDate& s = main->View().Selected;
    EXPECT_EQ(std::vector<int>({s.Year, s.Month, s.Day}), std::vector<int>({hit.Year, hit.Month, hit.Day}));
}

TEST_F(MainWindow, GoToKeepsItsDialogOpenOnABadDateAndShowsAGoodOne) {
    Command(304);
    const HWND picker = main->DatePicker();
    ASSERT_NE(picker, nullptr);
    kit::BoxAnswers boxen;
    kit::PlayOnDialog(boxen, [&](HWND h) {
        ShowWindow(h, SW_SHOWNORMAL);  // the dialog loop shows it only once idle
        const Dlg d{h};
        d.Text(101, "30.02.2028");
        SendMessageA(h, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(IsWindowVisible(h));  // an ended dialog is hidden at once
        d.Text(101, "29.02.2028");
        SendMessageA(h, WM_COMMAND, IDOK, 0);
    }, [&] { SendMessageA(picker, WM_COMMAND, 801, 0); });
    EXPECT_EQ(host.Ids(), (std::vector<int>{1113}));
    EXPECT_EQ(main->DatePicker(), nullptr);
    const SelectedDate& s = main->View().Selected;
    EXPECT_EQ(std::vector<int>({s.Year, s.Month, s.Day}), std::vector<int>({2028, 2, 29}));
}

// A remark or an address given to a yearly master reaches its copies: a save writes the first
// record of the series in range, which for an old master is a copy.
TEST_F(MainWindow, RemarkAndAddressOfAYearlyMasterReachItsCopies) {
    ASSERT_TRUE(doc.Liste.Einfuegen(MachJahresMaster(2020, 3, 7, 9, 0, 10, 0, "Geburtstag", 5)));
    ASSERT_TRUE(ErzeugeJahresKopien(doc.Liste));
    Adresse a;
    Adresse::Setze(a.SORT, "Muster");
    a.ID = 7;
    ASSERT_GE(doc.AdrListe.EinfuegenSortiert(a), 0);
    kit::BoxAnswers boxen;
    main->HitAppointment() = RefTo(doc.Liste, 0);
    kit::PlayOnDialog(boxen, [&](HWND h) {
        Dlg{h}.Text(105, "Torte");
        SendMessageA(h, WM_COMMAND, IDOK, 0);
    }, [&] { Command(CM_ANMERKUNG); });
    main->HitAppointment() = RefTo(doc.Liste, 0);
    kit::PlayOnDialog(boxen, [&](HWND h) {
        HWND box = GetDlgItem(h, 140);
        SendMessageA(box, CB_SETCURSEL, 0, 0);
        SendMessageA(h, WM_COMMAND, MAKEWPARAM(140, CBN_SELCHANGE), LPARAM(box));
        SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
    }, [&] { Command(CM_ADRESSE); });
    ASSERT_EQ(doc.Liste.Anzahl(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(doc.Liste.Satz(i).Beschr + std::to_string(doc.Liste.Satz(i).AdrId), "Torte7") << i;
}
