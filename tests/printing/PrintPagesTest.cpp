// The printed pages on the recording canvas: week bands and titles, the month grid and its
// week numbers, and the list with date headings, tab stops, wrapped addresses and page breaks.
#include "printing/PrintPages.h"

#include "addresses/ClsAdrListe.h"
#include "views/ViewFixture.h"

#include <cstring>
#include <vector>

namespace {

using Kind = RecordingCanvas::Kind;

// Where the pages break: the index of the first call of each further page.
struct CountingFeed : PageFeed {
    explicit CountingFeed(const RecordingCanvas& c) : canvas(c) {}
    void NextPage() override { breaks.push_back(int(canvas.calls.size())); }
    const RecordingCanvas& canvas;
    std::vector<int> breaks;
};

class PrintPagesTest : public ViewFixture {
protected:
    void Print(PrintKind kind, const Zeitpunkt& date, const PageRect& area, int fontHeight = 0,
               const Zeitpunkt& end = Zeitpunkt{}) {
        canvas.calls.clear();
        PrintOptions o;
        o.Kind = kind, o.Date = date, o.EndDate = end, o.FontHeight = fontHeight;
        PrintPage(ctx, adressen, canvas, o, area, feed);
    }
    // Tops of the horizontal lines starting at x.
    std::vector<int> RulesFrom(int x) const {
        std::vector<int> out;
        for (const auto& c : canvas.Of(Kind::Line))
            if (c.y0 == c.y1 && c.x0 == x) out.push_back(c.y0);
        return out;
    }
    ClsAdrListe adressen;
    CountingFeed feed{canvas};
};

// The page is 1000 high: the week unit is 20, the bands start 40 below the top.
TEST_F(PrintPagesTest, WeekBandsInOneAndTwoColumns) {
    const PageRect area{100, 50, 800, 1000};
    Print(PrintKind::Week, MachZeitpunkt(2026, 12, 9), area);
    EXPECT_EQ(RulesFrom(100), (std::vector<int>{90, 250, 410, 570, 730, 890, 970}));
    EXPECT_EQ(canvas.Text(100 + 21 / 4, 971), "13 ");  // Sunday in the last band (rows 21 high)

    Print(PrintKind::WeekTwoColumns, MachZeitpunkt(2026, 12, 9), area);
    EXPECT_EQ(RulesFrom(100), (std::vector<int>{90, 410, 730}));
    EXPECT_EQ(RulesFrom(500), (std::vector<int>{90, 410, 730, 890}));
    EXPECT_EQ(canvas.Text(500 + 21 / 4, 91), "10 ");  // Thursday heads the right column
}

TEST_F(PrintPagesTest, WeekTitleNamesBothMonths) {
    const struct {
        Zeitpunkt date;
        const char* title;
    } faelle[] = {
        {MachZeitpunkt(2026, 12, 9), "Dezember"},
        {MachZeitpunkt(2026, 11, 30), "November/Dezember"},
        {MachZeitpunkt(2026, 12, 2), "November/Dezember"},  // mid-week: the week from its Monday
        {MachZeitpunkt(2026, 12, 28), "Dezember/Januar"},
    };
    for (const auto& f : faelle) {
        Print(PrintKind::Week, f.date, PageRect{0, 0, 800, 1000});
        EXPECT_EQ(canvas.Text(400, 1), f.title);
    }
}

// March 2026 starts on a Sunday: six rows, week numbers 9 to 14 of that month whatever the
// screen shows.
TEST_F(PrintPagesTest, MonthStartingOnSunday) {
    view.Selected = SelectedDate{2026, 1, 1};
    Print(PrintKind::Month, MachZeitpunkt(2026, 3, 1), PageRect{0, 0, 728, 1040});  // u = 20
    EXPECT_EQ(canvas.Text(364, 1), "M\xE4rz 2026");
    std::vector<std::string> numbers;
    for (const auto& c : canvas.Of(Kind::Text))
        if (c.align == TextAlign::Right && c.text.back() == '.') numbers.push_back(c.text);
    EXPECT_EQ(numbers, (std::vector<std::string>{" 9.", "10.", "11.", "12.", "13.", "14."}));
    // "88. " in the heading font (27 high, 13 wide) is 52; columns (728 - 52) / 7 = 96.
    EXPECT_EQ(canvas.Text(52 + 6 * 96 + 3, 81), " 1 ");  // cell rows 14 high: inset 3
    EXPECT_EQ(RulesFrom(52).size(), 6u);
}

// Lines 10 high on a page 100 high: the fifth day's heading and line run past the page,
// the sixth day starts the next page at its top.
TEST_F(PrintPagesTest, ListHeadingsTabsAndPageBreak) {
    int n = 0;
    for (int d : {1, 1, 2, 3, 4, 5, 6}) {
        ++n;
        Add(MachTermin(2026, 12, d, 8 + n, 0, 10, 30, 0, "T" + std::to_string(n)));
    }
    Add(MachTermin(2026, 12, 20, 9, 0, 10, 30, 0, "later"));
    Print(PrintKind::List, MachZeitpunkt(2026, 12, 1), PageRect{0, 0, 400, 100}, 10, MachZeitpunkt(2026, 12, 6));

    EXPECT_EQ(canvas.Text(2, 5), "1.12.2026  Di");   // heading half a line down, beside the first line
    EXPECT_EQ(canvas.Text(90, 10), " 9:00 - 10:30");  // tab stop a: 18 characters
    EXPECT_EQ(canvas.Text(175, 10), "T1");            // tab stop b: 17 more
    EXPECT_EQ(canvas.Text(175, 20), "T2");            // same day, no second heading
    EXPECT_EQ(canvas.Text(2, 35), "2.12.2026  Mi");
    ASSERT_EQ(feed.breaks.size(), 1u);
    const size_t next = size_t(feed.breaks[0]);  // the new page starts with a rule at its top
    ASSERT_LT(next + 1, canvas.calls.size());
    EXPECT_TRUE(canvas.calls[next].kind == Kind::Line && canvas.calls[next].y0 == 5);
    EXPECT_EQ(canvas.calls[next + 1].text, "6.12.2026  So");
    EXPECT_EQ(canvas.TextStartingWith("later"), nullptr);
}

TEST_F(PrintPagesTest, AddressWrapsOnlyAfterCommaBlank) {
    Adresse a;
    for (const auto& [feld, text] : {std::pair{a.FIRMA, "Firma Beispiel"}, {a.NAME1, "Hans Meier"}, {a.STRASSE, "Lange Strasse 12"},
                                     {a.PLZORT, "10115 Berlin"}, {a.TELEFON, "030 1234"}, {a.SORT, "MEIER"}})
        std::strcpy(feld, text);
    a.ID = 7;
    ASSERT_GE(adressen.EinfuegenSortiert(a), 0);
    Termin t = MachTermin(2026, 12, 1, 9, 0, 0, 0, FlagOhneEnde, "Besuch");
    t.AdrId = 7;
    Add(t);
    // Column e = 201 + 9 characters = 246; 154 wide = 30 characters.
    Print(PrintKind::ListWithAddresses, MachZeitpunkt(2026, 12, 1), PageRect{0, 0, 400, 600}, 10,
          MachZeitpunkt(2026, 12, 1));
    EXPECT_EQ(canvas.Text(201, 20), "Adresse:");
    EXPECT_EQ((std::vector<std::string>{canvas.Text(246, 20), canvas.Text(246, 30), canvas.Text(246, 40)}),
              (std::vector<std::string>{"Firma Beispiel, Hans Meier,", "Lange Strasse 12,", "10115 Berlin, Tel. 030 1234"}));
}

TEST_F(PrintPagesTest, EmptyRangePrintsOnlyTheClosingLine) {
    Add(MachTermin(2026, 12, 1, 9, 0, 10, 0, 0, "before"));
    Add(MachTermin(2026, 12, 9, 9, 0, 10, 0, 0, "after"));
    const Termin* cursor = Liste.Erster();
    Print(PrintKind::List, MachZeitpunkt(2026, 12, 2), PageRect{0, 0, 400, 600}, 10, MachZeitpunkt(2026, 12, 8));
    EXPECT_EQ(canvas.Count(Kind::Text), 0);
    ASSERT_EQ(canvas.Count(Kind::Line), 1);
    EXPECT_EQ(canvas.Of(Kind::Line)[0].y0, 5);
    EXPECT_EQ(Liste.Aktuell(), cursor);  // cursor restored
}

}  // namespace
