// The real ordivo.exe driven by mouse and key messages at points computed from its layout:
// typing, editing, clearing, dragging, arrow keys, the context menu, linking an address; every
// result saved by command 103 and read back. Screenshots go to build/.
#include "document/Dokument.h"
#include "document/KalenderDatei.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "framework/GdiCanvas.h"
#include "store/TerminFixtures.h"
#include "support/WinKit.h"
#include "views/ViewLayout.h"

#include <cstring>

using namespace kit;

namespace {

Zeitpunkt AddDays(const Zeitpunkt& z, int days) { return TagFromMinutes(TagToMinutes(z) + uint32_t(days * 1440)); }
Termin On(const Zeitpunkt& day, int h, int m, int eh, int em, const char* text, uint16_t flags = 0) {
    return MachTermin(day.Jahr, day.Monat, day.Tag, h, m, eh, em, flags, text);
}

class CalendarInputE2e : public testing::Test {
protected:
    CalendarInputE2e() {
        SYSTEMTIME st;
        GetLocalTime(&st);
        today = MachZeitpunkt(st.wYear, st.wMonth, st.wDay);
        monday = AddDays(today, 1 - Wochentag(today.Jahr, today.Monat, today.Tag));
    }
    void Start(int mode, const std::vector<Termin>& records, const std::vector<Adresse>& addresses = {}) {
        FreshOrdivoSettings();
        SetUserString("Software\\kdw\\Ordivo\\View", "Mode", std::to_string(mode));
        SetUserString("Software\\kdw\\Ordivo\\View", "WindowPos", "0,0,900,700");
        file_ = MakeTempDir("input") + "\\eingabe.odv";
        doc.Neu();
        // The writer writes nothing without records: a placeholder far in the past.
        Liste.Einfuegen(MachTermin(1990, 1, 1, 8, 0, 9, 0, 0, "Alt"));
        for (const Termin& t : records) Liste.Einfuegen(t);
        for (const Adresse& a : addresses) doc.AdrListe.EinfuegenSortiert(a);
        ASSERT_TRUE(SchreibeDatei(doc, file_, ModusKalender));
        ASSERT_TRUE(program_.Start(file_));
        frame_ = program_.WaitWindow("OrdivoFrame");
        ASSERT_NE(frame_, nullptr);
        client_ = FindChild(frame_, "OrdivoCalendar");
        ASSERT_NE(client_, nullptr);
        WaitFor([&] { return program_.FindWindowOf("OrdivoStart") == nullptr; }, 8000);
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

    void Send(UINT msg, WPARAM wp, LPARAM lp) { SendMessageTimeoutA(client_, msg, wp, lp, SMTO_NORMAL, 3000, nullptr); }
    void Click(POINT p) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    void Drag(POINT from, POINT to, bool ctrl = false) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        Send(WM_MOUSEMOVE, MK_LBUTTON | (ctrl ? MK_CONTROL : 0), MAKELPARAM(to.x, to.y));
        Send(WM_LBUTTONUP, ctrl ? MK_CONTROL : 0, MAKELPARAM(to.x, to.y));
        Repaint(client_);  // the next point is hit-tested on the window as it shows the drop
    }
    HWND Editor() const { return FindChild(client_, "Edit"); }
    void Type(const std::string& text) {
        for (char c : text) SendMessageA(Editor(), WM_CHAR, WPARAM(uint8_t(c)), 0);
    }
    // Enter in the editor: it posts the end of editing; wait until the editor is gone.
    void Enter() {
        HWND edit = Editor();
        ASSERT_NE(edit, nullptr);
        SendMessageA(edit, WM_CHAR, VK_RETURN, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(edit); }, 8000));
        Sync(client_);
    }
    void Shot(const std::string& name) { Surface(client_).SavePng(name); }

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

    // The saved appointments as "day.month h:mm-h:mm text", the times as the flags leave them.
    std::vector<std::string> SavedLines() {
        std::vector<std::string> out;
        for (const Termin& t : Saved()) {
            if (t.Hat(FlagJaehrlich)) continue;  // a yearly series is checked on its own
            std::string zeit = t.Hat(FlagOhneZeit) ? "" : Format("%d:%02d ", t.Start.Stunde, t.Start.Minute);
            if (!t.Hat(FlagOhneZeit) && !t.Hat(FlagOhneEnde)) zeit.insert(zeit.size() - 1, Format("-%d:%02d", t.Ende.Stunde, t.Ende.Minute));
            out.push_back(Am(t.Start, zeit + t.Kurzbeschr));
        }
        return out;
    }
    static std::string Am(const Zeitpunkt& day, const std::string& rest) { return Format("%d.%d ", day.Tag, day.Monat) + rest; }

    static POINT Mid(const CellRect& c) { return POINT{c.X + c.Width / 2, c.Y + c.Height / 2}; }
    // Week view: the middle of the n-th line of a day's cell (0 = first appointment line).
    POINT WeekLine(int dayIndex, int n) const {
        const CellRect c = WeekCell(layout_, dayIndex);
        return POINT{c.X + c.Width / 2, c.Y + layout_.HeadingHeight + n * (layout_.RowHeight - 1) + layout_.RowHeight / 2};
    }
    // The week cell holding the middle of the magenta selection frame (-1 without one), waited
    // for: Wine copies a window's drawing to the screen a moment later.
    int FramedWeekCell(int expected) {
        int cell = -1;
        WaitFor([&] {
            const Surface shot(client_);
            long sx = 0, sy = 0, n = 0;
            for (int y = 0; y < shot.Height(); ++y)
                for (int x = 0; x < shot.Width(); ++x)
                    if (shot.Pixel(x, y) == RGB(255, 0, 255)) sx += x, sy += y, ++n;
            cell = -1;
            for (int i = 0; n && i < 7; ++i) {
                const CellRect c = WeekCell(layout_, i);
                if (sx / n >= c.X && sx / n < c.X + c.Width && sy / n >= c.Y && sy / n < c.Y + c.Height) cell = i;
            }
            return cell == expected;
        }, 2000);
        return cell;
    }
    // A pop-up menu of the program shown within `ms`, dismissed after its screenshot.
    bool ShowsMenu(POINT at, DWORD ms, const char* shot) {
        PostMessageA(client_, WM_RBUTTONDOWN, 0, MAKELPARAM(at.x, at.y));
        HWND menu = nullptr;
        if (!WaitFor([&] { return (menu = program_.FindWindowOf("#32768")) != nullptr; }, ms)) return false;
        Surface(menu, false).SavePng(shot);
        PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(WaitFor([&] { return program_.FindWindowOf("#32768") == nullptr; }));
        return true;
    }

    Zeitpunkt today, monday;
    Program program_;
    HWND frame_ = nullptr, client_ = nullptr;
    std::string file_;
    Layout layout_;
    Dokument doc;
    ClsListe& Liste = doc.Liste;
};

// Typing, clearing, and typed text stored on its day before any command.
TEST_F(CalendarInputE2e, WeekViewTypeClearAndStoreBeforeCommands) {
    ASSERT_NO_FATAL_FAILURE(Start(1, {}));
    const POINT mon = WeekLine(0, 0), tue = WeekLine(1, 0);
    Click(mon);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(WindowText(Editor()), "");
    Type("10:15 - 11:00 Termin");
    Shot("input-e2e-week-editor");
    ASSERT_NO_FATAL_FAILURE(Enter());
    Click(tue);
    Type("Meeting");
    ASSERT_NO_FATAL_FAILURE(Enter());

    const Zeitpunkt tuesday = AddDays(monday, 1);
    EXPECT_EQ(SavedLines(), (std::vector<std::string>{Am(monday, "10:15-11:00 Termin"), Am(tuesday, "Meeting")}));

    // A click on a line opens it; cleared, it is deleted (the commit rules are pinned natively).
    Click(tue);
    EXPECT_EQ(WindowText(Editor()), "Meeting");
    SetText(Editor(), "");
    ASSERT_NO_FATAL_FAILURE(Enter());

    // Typed, not entered, then the next week: the line belongs to this week's Monday.
    Click(WeekLine(0, 1));
    Type("9:00 Vor dem Wechsel");
    Send(WM_COMMAND, 302, 0);
    Sync(client_);
    EXPECT_EQ(Editor(), nullptr);
    // Typed, then the appointment dialog: its list already holds the line.
    Send(WM_COMMAND, 303, 0);
    Click(tue);
    SetText(Editor(), "9:00 Gespr\xE4" "ch");  // an umlaut through the edit control into the file
    PostMessageA(client_, WM_COMMAND, 201, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = program_.FindWindowOf("#32770")) != nullptr; }));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 120), LB_GETCOUNT, 0, 0), 4);  // with the placeholder
    ClickButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

    EXPECT_EQ(SavedLines(), (std::vector<std::string>{Am(monday, "9:00 Vor dem Wechsel"), Am(monday, "10:15-11:00 Termin"),
                                                     Am(tuesday, "9:00 Gespr\xE4" "ch")}));
}

TEST_F(CalendarInputE2e, DayViewRowsUntimedAreaAndDragToIt) {
    ASSERT_NO_FATAL_FAILURE(Start(0, {}));
    const Layout& l = layout_;
    const POINT row{l.GridLeft + l.CellWidth / 2, l.GridTop + l.RowHeight * 3 / 2 + 20 * (l.RowHeight - 1) + l.RowHeight / 2};
    const int untimedY = l.GridBottom - 6;
    Click(row);  // the 10:00 row
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(WindowText(Editor()), "10:00");
    Type(" Arzt");
    Shot("input-e2e-day-editor");
    ASSERT_NO_FATAL_FAILURE(Enter());
    Click(POINT{row.x, untimedY});
    EXPECT_EQ(WindowText(Editor()), "");
    Type("Urlaub");
    ASSERT_NO_FATAL_FAILURE(Enter());

    EXPECT_EQ(SavedLines(), (std::vector<std::string>{Am(today, "Urlaub"), Am(today, "10:00 Arzt")}));
    Drag(row, POINT{l.GridLeft + l.CellWidth + 40, untimedY});
    const std::vector<Termin> saved = Saved();
    ASSERT_EQ(saved.size(), 2u);
    for (const Termin& t : saved) EXPECT_TRUE(t.Hat(FlagOhneZeit)) << t.Kurzbeschr;
}

// One run in the week view: the context menu (none on empty space), the address command
// linking the right-clicked appointment, dragging and Ctrl-dragging, the arrow keys, and a
// yearly copy, which has a menu but no editor.
TEST_F(CalendarInputE2e, WeekViewContextMenuAddressDragKeysAndYearlyCopies) {
    // The master a year before this week's Sunday, late in the day: not older than a year even
    // when the run is on that Sunday, so it is written as it is, and this year's record on
    // Sunday is a generated copy.
    const Zeitpunkt sunday = AddDays(monday, 6);
    const Termin yearly = MachJahresMaster(sunday.Jahr - 1, sunday.Monat, sunday.Tag, 23, 58, 23, 59, "Geburtstag");
    Adresse muster;
    Adresse::Setze(muster.FIRMA, "Muster GmbH");
    Adresse::Setze(muster.SORT, "Muster");
    muster.ID = 7;
    ASSERT_NO_FATAL_FAILURE(Start(1, {yearly, On(monday, 9, 0, 10, 0, "Besuch"), On(AddDays(monday, 1), 14, 0, 15, 0, "Kopie")}, {muster}));

    const CellRect wednesday = WeekCell(layout_, 2);
    EXPECT_FALSE(ShowsMenu(POINT{wednesday.X + 30, wednesday.Y + wednesday.Height - 5}, 1500, "unused"));  // empty space
    EXPECT_TRUE(ShowsMenu(WeekLine(1, 0), 5000, "input-e2e-context-menu"));
    ASSERT_TRUE(ShowsMenu(WeekLine(0, 0), 5000, "unused"));  // the right click picks "Besuch"
    PostMessageA(client_, WM_COMMAND, 823, 0);
    HWND dialog = program_.WaitDialog(5000);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Adressbuch");
    HWND box = GetDlgItem(dialog, 140);
    SendMessageA(box, CB_SETCURSEL, 0, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(140, CBN_SELCHANGE), LPARAM(box));
    ClickButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

    const CellRect friday = WeekCell(layout_, 4);
    Drag(WeekLine(0, 0), Mid(WeekCell(layout_, 3)));
    Drag(WeekLine(1, 0), POINT{friday.X + friday.Width / 2, friday.Y + friday.Height - 4}, true);
    Drag(WeekLine(1, 0), WeekLine(1, 3));  // dropped on its own day: nothing changes
    Shot("input-e2e-week-dragged");
    EXPECT_EQ(SavedLines(), (std::vector<std::string>{Am(AddDays(monday, 1), "14:00-15:00 Kopie"), Am(AddDays(monday, 3), "9:00-10:00 Besuch"),
                                                     Am(AddDays(monday, 4), "14:00-15:00 Kopie")}));
    for (const Termin& t : Saved()) EXPECT_EQ(t.AdrId, std::strcmp(t.Kurzbeschr, "Besuch") ? 0 : 7) << t.Kurzbeschr;

    // Keys: Monday -Left-> Thursday -Up-> Wednesday -Left-> Saturday -Down-> Sunday -Left-> Wednesday.
    const CellRect mondayCell = WeekCell(layout_, 0);
    Click(POINT{mondayCell.X + mondayCell.Width / 2, mondayCell.Y + 3});  // the heading: no editor
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(FramedWeekCell(0), 0);
    const std::pair<WPARAM, int> steps[] = {{VK_LEFT, 3}, {VK_UP, 2}, {VK_LEFT, 5}, {VK_DOWN, 6}, {VK_LEFT, 2}, {VK_RIGHT, 5}};
    for (const auto& [key, cell] : steps) {
        Send(WM_KEYDOWN, key, 0);
        Sync(client_);
        EXPECT_EQ(FramedWeekCell(cell), cell) << key;
    }
    // A right click selects its day like a left click (an empty line: no menu).
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(mondayCell.X + mondayCell.Width / 2, mondayCell.Y + mondayCell.Height - 5));
    Sync(client_);
    EXPECT_EQ(FramedWeekCell(0), 0);
    if (sunday.Monat == 2 && sunday.Tag == 29) return;  // no copy of 29 February in this year
    const POINT copy = WeekLine(6, 0);
    EXPECT_TRUE(ShowsMenu(copy, 5000, "input-e2e-context-menu-yearly-copy"));
    // A left click on the copy refuses the editor with message 1105.
    PostMessageA(client_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(copy.x, copy.y));
    HWND msg = program_.WaitDialog(5000);
    ASSERT_NE(msg, nullptr);
    EXPECT_NE(MessageBoxText(msg).find("j\xE4hrlich"), std::string::npos);
    ClickButton(msg, IDOK);
    ASSERT_TRUE(WaitFor([&] { return program_.FindWindowOf("#32770") == nullptr; }));
    PostMessageA(client_, WM_LBUTTONUP, 0, MAKELPARAM(copy.x, copy.y));
    Sync(client_);
    EXPECT_EQ(Editor(), nullptr);

    // The date picker without the mouse: Enter runs the go-to dialog, whose end closes the
    // picker; Escape closes it.
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageA(client_, WM_COMMAND, CM_DATUM_WAEHLEN, 0);
        HWND picker = program_.WaitWindow("OrdivoSelectDate", 5000);
        ASSERT_NE(picker, nullptr);
        PostMessageA(picker, WM_KEYDOWN, key, 0);
        if (key == VK_RETURN) {
            HWND go = program_.WaitDialog(5000);
            ASSERT_NE(go, nullptr);
            ClickButton(go, IDCANCEL);
        }
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(picker); }, 5000)) << key;
    }
}
}  // namespace
