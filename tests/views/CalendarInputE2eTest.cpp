// The real ordivo.exe driven by mouse and key messages at coordinates computed from the
// layout of its calendar window: typing appointments into the three views, editing and
// clearing them, dragging and Ctrl-dragging, arrow keys, the context menu; every result
// is saved by command 103 and read back from the file. Screenshots go to build/.
#include "document/Dokument.h"
#include "document/KalenderDatei.h"
#include "e2e/Driver.h"
#include "framework/GdiCanvas.h"
#include "views/ViewLayout.h"

#include <gtest/gtest.h>

#include <functional>

using namespace e2e;

namespace {

constexpr const char* kGeneral = "Software\\kdw\\Ordivo\\General";
constexpr const char* kView = "Software\\kdw\\Ordivo\\View";

template <class F>
bool WaitFor(F done, DWORD ms = 8000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return false;
        Sleep(30);
    }
    return true;
}

Zeitpunkt Today() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return MachZeitpunkt(st.wYear, st.wMonth, st.wDay);
}

Zeitpunkt AddDays(const Zeitpunkt& z, int days) { return TagFromMinutes(TagToMinutes(z) + uint32_t(days * 1440)); }

Termin Appointment(const Zeitpunkt& day, int h, int m, int eh, int em, const char* text, uint16_t flags = 0) {
    Termin t;
    t.Start = MachZeitpunkt(day.Jahr, day.Monat, day.Tag, h, m);
    t.Ende = MachZeitpunkt(day.Jahr, day.Monat, day.Tag, eh, em);
    t.Flags = flags;
    t.SetzeKurzbeschr(text);
    return t;
}

class CalendarInputE2e : public testing::Test {
protected:
    void Start(int mode, const std::vector<Termin>& records) {
        mode_ = mode;
        DeleteOrdivoSettings();
        SetUserString(kGeneral, "FirstStart", "0");
        SetUserString(kView, "Mode", std::to_string(mode).c_str());
        SetUserString(kView, "WindowPos", "0,0,900,700");
        file_ = MakeTempDir("input") + "\\eingabe.odv";
        doc.Neu();
        // The writer writes nothing without records: a placeholder far in the past.
        Liste.Einfuegen(Appointment(MachZeitpunkt(1990, 1, 1), 8, 0, 9, 0, "Alt"));
        for (const Termin& t : records) Liste.Einfuegen(t);
        ASSERT_TRUE(SchreibeDatei(doc, file_, ModusKalender));
        ASSERT_TRUE(program_.Start(file_));
        frame_ = program_.WaitWindow("OrdivoFrame");
        ASSERT_NE(frame_, nullptr);
        client_ = FindChild(frame_, "OrdivoCalendar");
        ASSERT_NE(client_, nullptr);
        WaitFor([&] { return program_.FindWindowOf("OrdivoStart") == nullptr; });
        Sync(client_);
        RECT r{};
        GetClientRect(client_, &r);
        gdi::WindowDc screen(nullptr);
        GdiCanvas canvas(screen.Get());
        layout_ = ComputeLayout(ViewMode(mode), ClientRect{r.left, r.top, r.right, r.bottom}, FontLimits{}, canvas);
    }
    void TearDown() override {
        if (program_.Running()) {
            PostMessageA(frame_, WM_CLOSE, 0, 0);
            // Settings and data questions of the close: not saved.
            for (int i = 0; i < 3 && program_.Wait(1500) < 0; ++i)
                if (HWND box = program_.FindWindowOf("#32770")) ClickButton(box, IDNO);
        }
        DeleteOrdivoSettings();
    }

    LRESULT Send(UINT msg, WPARAM wp, LPARAM lp) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(client_, msg, wp, lp, SMTO_NORMAL, 3000, &result);
        return LRESULT(result);
    }
    void Press(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Release(int x, int y, bool ctrl = false) { Send(WM_LBUTTONUP, ctrl ? MK_CONTROL : 0, MAKELPARAM(x, y)); }
    void Click(int x, int y) {
        Press(x, y);
        Release(x, y);
    }
    void Drag(POINT from, POINT to, bool ctrl = false) {
        Press(from.x, from.y);
        Send(WM_MOUSEMOVE, MK_LBUTTON | (ctrl ? MK_CONTROL : 0), MAKELPARAM(to.x, to.y));
        Release(to.x, to.y, ctrl);
        Sync(client_);
    }
    void Key(WPARAM vk) { Send(WM_KEYDOWN, vk, 0); }
    HWND Editor() const { return FindChild(client_, "Edit"); }
    void Type(const std::string& text) {
        HWND edit = Editor();
        for (char c : text) SendMessageA(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 0);
    }
    // Enter in the editor: it posts the end of editing; wait until the editor is gone.
    void Enter() {
        HWND edit = Editor();
        ASSERT_NE(edit, nullptr);
        SendMessageA(edit, WM_CHAR, VK_RETURN, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(edit); }));
        Sync(client_);
    }
    void Shot(const std::string& name) { SavePng(CaptureWindow(client_), name); }

    // Saves with command 103 and reads the file back; the placeholder is left out.
    std::vector<Termin> Saved() {
        Send(WM_COMMAND, 103, 0);
        Sync(client_);
        doc.Dateiname = file_;
        std::vector<Termin> out;
        if (doc.Laden() != Ladeausgang::Ok) return out;
        for (int i = 0; i < Liste.Anzahl(); ++i)
            if (Liste.Satz(i).Start.Jahr != 1990) out.push_back(Liste.Satz(i));
        return out;
    }

    // Week view: the middle of the n-th line of a day's cell (0 = first appointment line).
    POINT WeekLine(int dayIndex, int n) const {
        const CellRect c = WeekCell(layout_, dayIndex);
        return POINT{c.X + c.Width / 2, c.Y + layout_.HeadingHeight + n * (layout_.RowHeight - 1) + layout_.RowHeight / 2};
    }
    int WeekIndexOf(const Zeitpunkt& d) const { return Wochentag(d.Jahr, d.Monat, d.Tag) - 1; }
    // The week cell holding the middle of the magenta selection frame; -1 without one.
    // Wine copies a window's drawing to the screen a moment later: the frame is waited for.
    int FramedWeekCell(int expected) {
        int cell = -1;
        WaitFor([&] { return (cell = FramedWeekCellNow()) == expected; }, 2000);
        return cell;
    }
    int FramedWeekCellNow() {
        const Capture shot = CaptureWindow(client_);
        long sx = 0, sy = 0, n = 0;
        for (int y = 0; y < shot.height; ++y)
            for (int x = 0; x < shot.width; ++x)
                if (shot.Pixel(x, y) == RGB(255, 0, 255)) sx += x, sy += y, ++n;
        if (n == 0) return -1;
        const int x = int(sx / n), y = int(sy / n);
        for (int i = 0; i < 7; ++i) {
            const CellRect c = WeekCell(layout_, i);
            if (x >= c.X && x < c.X + c.Width && y >= c.Y && y < c.Y + c.Height) return i;
        }
        return -1;
    }

    Program program_;
    HWND frame_ = nullptr, client_ = nullptr;
    std::string file_;
    int mode_ = 1;
    Layout layout_;
    Dokument doc;
    ClsListe& Liste = doc.Liste;
};

TEST_F(CalendarInputE2e, WeekViewTypeEditAndClear) {
    ASSERT_NO_FATAL_FAILURE(Start(1, {}));
    const Zeitpunkt monday = AddDays(Today(), 1 - Wochentag(Today().Jahr, Today().Monat, Today().Tag));
    const POINT mon = WeekLine(0, 0), tue = WeekLine(1, 0);
    Click(mon.x, mon.y);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(WindowText(Editor()), "");
    Type("10:15 - 11:00 Termin");
    Shot("input-e2e-week-editor");
    ASSERT_NO_FATAL_FAILURE(Enter());
    Click(tue.x, tue.y);
    Type("Meeting");
    ASSERT_NO_FATAL_FAILURE(Enter());

    std::vector<Termin> saved = Saved();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].Start, MachZeitpunkt(monday.Jahr, monday.Monat, monday.Tag, 10, 15));
    EXPECT_EQ(saved[0].Ende, MachZeitpunkt(monday.Jahr, monday.Monat, monday.Tag, 11, 0));
    EXPECT_FALSE(saved[0].Hat(FlagOhneZeit) || saved[0].Hat(FlagOhneEnde));
    EXPECT_STREQ(saved[0].Kurzbeschr, "Termin");
    EXPECT_EQ(TagToMinutes(saved[1].Start), TagToMinutes(AddDays(monday, 1)));
    EXPECT_TRUE(saved[1].Hat(FlagOhneZeit));
    EXPECT_STREQ(saved[1].Kurzbeschr, "Meeting");

    // Enter on an unchanged line keeps it; a changed line replaces it.
    Click(mon.x, mon.y);
    EXPECT_EQ(WindowText(Editor()), "10:15 - 11:00 Termin");
    ASSERT_NO_FATAL_FAILURE(Enter());
    Click(mon.x, mon.y);
    SetWindowTextTo(Editor(), "12:00 Gespr\xE4" "ch");
    ASSERT_NO_FATAL_FAILURE(Enter());
    // Clearing the text deletes the appointment.
    Click(tue.x, tue.y);
    EXPECT_EQ(WindowText(Editor()), "Meeting");
    SetWindowTextTo(Editor(), "");
    ASSERT_NO_FATAL_FAILURE(Enter());

    saved = Saved();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].Start, MachZeitpunkt(monday.Jahr, monday.Monat, monday.Tag, 12, 0));
    EXPECT_TRUE(saved[0].Hat(FlagOhneEnde));
    EXPECT_STREQ(saved[0].Kurzbeschr, "Gespr\xE4" "ch");
}

TEST_F(CalendarInputE2e, WeekViewDragMovesCopiesAndKeysWalkTheWeek) {
    const Zeitpunkt monday = AddDays(Today(), 1 - Wochentag(Today().Jahr, Today().Monat, Today().Tag));
    ASSERT_NO_FATAL_FAILURE(Start(1, {Appointment(monday, 9, 0, 10, 0, "Zahnarzt"),
                                      Appointment(AddDays(monday, 1), 14, 0, 15, 0, "Kopie")}));
    const CellRect thursday = WeekCell(layout_, 3), friday = WeekCell(layout_, 4);
    Drag(WeekLine(0, 0), POINT{thursday.X + thursday.Width / 2, thursday.Y + thursday.Height / 2});
    Drag(WeekLine(1, 0), POINT{friday.X + friday.Width / 2, friday.Y + friday.Height - 4}, true);
    // Dropped on its own day: nothing changes.
    Drag(WeekLine(1, 0), WeekLine(1, 3));
    Shot("input-e2e-week-dragged");

    const std::vector<Termin> saved = Saved();
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[0].Start, MachZeitpunkt(AddDays(monday, 1).Jahr, AddDays(monday, 1).Monat, AddDays(monday, 1).Tag, 14, 0));
    const Zeitpunkt thu = AddDays(monday, 3), fri = AddDays(monday, 4);
    EXPECT_EQ(saved[1].Start, MachZeitpunkt(thu.Jahr, thu.Monat, thu.Tag, 9, 0));
    EXPECT_EQ(saved[1].Ende, MachZeitpunkt(thu.Jahr, thu.Monat, thu.Tag, 10, 0));
    EXPECT_STREQ(saved[1].Kurzbeschr, "Zahnarzt");
    EXPECT_EQ(saved[2].Start, MachZeitpunkt(fri.Jahr, fri.Monat, fri.Tag, 14, 0));
    EXPECT_STREQ(saved[2].Kurzbeschr, "Kopie");

    // Keys: Monday -Left-> Thursday -Up-> Wednesday -Left-> Saturday -Down-> Sunday -Left-> Wednesday.
    const CellRect mondayCell = WeekCell(layout_, 0);
    Click(mondayCell.X + mondayCell.Width / 2, mondayCell.Y + 3);  // the heading: no editor
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(FramedWeekCell(0), 0);
    const struct {
        WPARAM key;
        int cell;
    } steps[] = {{VK_LEFT, 3}, {VK_UP, 2}, {VK_LEFT, 5}, {VK_DOWN, 6}, {VK_LEFT, 2}, {VK_RIGHT, 5}};
    for (const auto& s : steps) {
        Key(s.key);
        Sync(client_);
        EXPECT_EQ(FramedWeekCell(s.cell), s.cell) << s.key;
    }
}

TEST_F(CalendarInputE2e, MonthViewTypesIntoADayCell) {
    ASSERT_NO_FATAL_FAILURE(Start(2, {}));
    const Zeitpunkt today = Today();
    const int first = Wochentag(today.Jahr, today.Monat, 1);
    const CellRect c15 = MonthCell(layout_, first, 15);
    const int x = c15.X + c15.Width / 2, y = c15.Y + layout_.HeadingHeight + layout_.RowHeight / 2;
    Click(x, y);
    ASSERT_NE(Editor(), nullptr);
    Type("Meeting");
    Shot("input-e2e-month-editor");
    ASSERT_NO_FATAL_FAILURE(Enter());
    Click(x, y + layout_.RowHeight);  // the next free line
    Type("9:30 Zahnarzt");
    ASSERT_NO_FATAL_FAILURE(Enter());
    const std::vector<Termin> saved = Saved();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].Start, MachZeitpunkt(today.Jahr, today.Monat, 15));
    EXPECT_TRUE(saved[0].Hat(FlagOhneZeit));
    EXPECT_STREQ(saved[0].Kurzbeschr, "Meeting");
    EXPECT_EQ(saved[1].Start, MachZeitpunkt(today.Jahr, today.Monat, 15, 9, 30));
    EXPECT_TRUE(saved[1].Hat(FlagOhneEnde));
}

TEST_F(CalendarInputE2e, DayViewRowsUntimedAreaAndDragToIt) {
    ASSERT_NO_FATAL_FAILURE(Start(0, {}));
    const Layout& l = layout_;
    const int rowY = l.GridTop + l.RowHeight * 3 / 2 + 20 * (l.RowHeight - 1) + l.RowHeight / 2;  // row 10:00
    const int rowX = l.GridLeft + l.CellWidth / 2;
    const int untimedY = l.GridBottom - 6;
    Click(rowX, rowY);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(WindowText(Editor()), "10:00");
    Type(" Arzt");
    Shot("input-e2e-day-editor");
    ASSERT_NO_FATAL_FAILURE(Enter());
    Click(rowX, untimedY);
    EXPECT_EQ(WindowText(Editor()), "");
    Type("Urlaub");
    ASSERT_NO_FATAL_FAILURE(Enter());

    std::vector<Termin> saved = Saved();
    const Zeitpunkt today = Today();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_STREQ(saved[0].Kurzbeschr, "Urlaub");
    EXPECT_TRUE(saved[0].Hat(FlagOhneZeit));
    EXPECT_EQ(saved[0].Start, today);
    EXPECT_STREQ(saved[1].Kurzbeschr, "Arzt");
    EXPECT_EQ(saved[1].Start, MachZeitpunkt(today.Jahr, today.Monat, today.Tag, 10, 0));

    Drag(POINT{rowX, rowY}, POINT{l.GridLeft + l.CellWidth + 40, untimedY});
    saved = Saved();
    ASSERT_EQ(saved.size(), 2u);
    for (const Termin& t : saved) EXPECT_TRUE(t.Hat(FlagOhneZeit)) << t.Kurzbeschr;
}

// Whether a pop-up menu of the program shows within `ms`.
HWND WaitMenu(const Program& p, DWORD ms) {
    HWND menu = nullptr;
    WaitFor([&] { return (menu = p.FindWindowOf("#32768")) != nullptr; }, ms);
    return menu;
}

TEST_F(CalendarInputE2e, ContextMenuAndYearlyCopies) {
    const Zeitpunkt monday = AddDays(Today(), 1 - Wochentag(Today().Jahr, Today().Monat, Today().Tag));
    // The master a year before this week's Sunday: not older than a year, so it is written
    // as it is, and this year's record on Sunday is a generated copy.
    const Zeitpunkt sunday = AddDays(monday, 6);
    Termin yearly = Appointment(MachZeitpunkt(sunday.Jahr - 1, sunday.Monat, sunday.Tag), 8, 0, 9, 0, "Geburtstag",
                                FlagJaehrlich);
    yearly.Ende = MachZeitpunkt(1, 0, 0, 9, 0);
    const bool leapDay = sunday.Monat == 2 && sunday.Tag == 29;
    ASSERT_NO_FATAL_FAILURE(Start(1, {yearly, Appointment(AddDays(monday, 1), 9, 0, 10, 0, "Normal")}));

    const CellRect wednesday = WeekCell(layout_, 2);
    PostMessageA(client_, WM_RBUTTONDOWN, 0, MAKELPARAM(wednesday.X + 30, wednesday.Y + wednesday.Height - 5));
    EXPECT_EQ(WaitMenu(program_, 1500), nullptr);  // empty space: no menu

    const POINT normal = WeekLine(1, 0);
    PostMessageA(client_, WM_RBUTTONDOWN, 0, MAKELPARAM(normal.x, normal.y));
    HWND menu = WaitMenu(program_, 5000);
    ASSERT_NE(menu, nullptr);
    SavePng(CaptureWindow(menu, false), "input-e2e-context-menu");
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitFor([&] { return program_.FindWindowOf("#32768") == nullptr; }));

    if (leapDay) return;  // no copy of 29 February in this year
    const POINT copy = WeekLine(6, 0);
    PostMessageA(client_, WM_RBUTTONDOWN, 0, MAKELPARAM(copy.x, copy.y));
    menu = WaitMenu(program_, 5000);
    ASSERT_NE(menu, nullptr);
    SavePng(CaptureWindow(menu, false), "input-e2e-context-menu-yearly-copy");
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitFor([&] { return program_.FindWindowOf("#32768") == nullptr; }));

    // A left click on the copy refuses the editor with message 1105.
    PostMessageA(client_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(copy.x, copy.y));
    HWND box = program_.WaitDialog(5000);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find("j\xE4hrlich"), std::string::npos);
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return program_.FindWindowOf("#32770") == nullptr; }));
    PostMessageA(client_, WM_LBUTTONUP, 0, MAKELPARAM(copy.x, copy.y));
    Sync(client_);
    EXPECT_EQ(Editor(), nullptr);
}

}  // namespace

namespace {
TEST_F(CalendarInputE2e, TypedTextIsStoredOnItsDayBeforeAnyCommand) {
    ASSERT_NO_FATAL_FAILURE(Start(1, {}));
    const Zeitpunkt monday = AddDays(Today(), 1 - Wochentag(Today().Jahr, Today().Monat, Today().Tag));
    const POINT mon = WeekLine(0, 0);
    // Typed, not entered, then the next week: the line belongs to this week's Monday.
    Click(mon.x, mon.y);
    Type("9:00 Vor dem Wechsel");
    Send(WM_COMMAND, 302, 0);
    Sync(client_);
    EXPECT_EQ(Editor(), nullptr);
    // Typed, then the appointment dialog: its list already holds the line.
    Send(WM_COMMAND, 303, 0);
    const POINT tue = WeekLine(1, 0);
    Click(tue.x, tue.y);
    SetWindowTextTo(Editor(), "9:00 Im Dialog");
    PostMessageA(client_, WM_COMMAND, 201, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = program_.FindWindowOf("#32770")) != nullptr; }));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 120), LB_GETCOUNT, 0, 0), 3);  // with the placeholder
    ClickButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

    const std::vector<Termin> saved = Saved();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].Start, MachZeitpunkt(monday.Jahr, monday.Monat, monday.Tag, 9, 0));
    EXPECT_STREQ(saved[0].Kurzbeschr, "Vor dem Wechsel");
    EXPECT_STREQ(saved[1].Kurzbeschr, "Im Dialog");
}
}  // namespace
