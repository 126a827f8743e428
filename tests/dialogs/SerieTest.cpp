// Series dates: carried-over offsets, month and year carries, shifted end and warning
// (the marks of a yearly series are pinned with the Add that makes it).
#include "dialogs/Serie.h"
#include "store/RecordRef.h"
#include "store/TerminFixtures.h"

#include <gtest/gtest.h>

namespace {
// The base of every series here runs from 10:30 to 11:45.
Termin Basis(int j, int m, int t, uint16_t flags = 0) { return MachTermin(j, m, t, 10, 30, 11, 45, flags); }

std::vector<Zeitpunkt> Starts(const Termin& b, Schritt s, int n) {
    std::vector<Zeitpunkt> out;
    for (const Termin& t : Wiederholungen(b, s, n)) out.push_back(t.Start);
    return out;
}
}  // namespace

TEST(Serie, StartsCarryOverflowsAcrossMonthAndYearEnds) {
    struct Case {
        const char* name;
        int j, m, t;
        Schritt step;
        std::vector<Zeitpunkt> starts;  // all at 10:30
    };
    const auto Z = [](int j, int m, int t) { return MachZeitpunkt(j, m, t, 10, 30); };
    const Case cases[] = {
        // The overflow from the 31st is carried on: 31 January, 3 March, 3 April, 3 May.
        {"monthly from 31 January", 2026, 1, 31, {0, 1, 0}, {Z(2026, 3, 3), Z(2026, 4, 3), Z(2026, 5, 3)}},
        {"monthly in a leap year", 2028, 1, 31, {0, 1, 0}, {Z(2028, 3, 2)}},
        {"weekly over the year end", 2026, 12, 24, {0, 0, 7}, {Z(2026, 12, 31), Z(2027, 1, 7)}},
        {"two-monthly over the year end", 2026, 11, 15, {0, 2, 0}, {Z(2027, 1, 15), Z(2027, 3, 15)}},
        {"24 months pass two years", 2026, 5, 1, {0, 24, 0}, {Z(2028, 5, 1)}},
        {"year, month and ten days at once", 2026, 1, 25, {1, 1, 10}, {Z(2027, 3, 7)}},
        {"yearly from a leap day", 2024, 2, 29, {1, 0, 0}, {Z(2025, 3, 1)}},
        {"daily over a month end", 2026, 6, 30, {0, 0, 1}, {Z(2026, 7, 1)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Starts(Basis(c.j, c.m, c.t), c.step, int(c.starts.size())), c.starts) << c.name;
    // The leap day's offset stays carried, even into the next leap year.
    EXPECT_EQ(Starts(Basis(2024, 2, 29), {1, 0, 0}, 4)[3], Z(2028, 3, 1));
}

TEST(Serie, EndAndWarningMoveWithTheStart) {
    Termin b = Basis(2026, 3, 31);
    b.Vorwarnung = MachZeitpunkt(2026, 3, 30, 9, 15);  // one day before
    b.VorwarnBasis = MachZeitpunkt(1999, 1, 1);
    const Schritt monatlich{0, 1, 0};
    const auto folge = Wiederholungen(b, monatlich, 2);
    // The warning keeps its lead of one day and 1:15 across the shortened month.
    Termin e = Basis(2026, 5, 1);
    e.Vorwarnung = e.VorwarnBasis = MachZeitpunkt(2026, 4, 30, 9, 15);
    EXPECT_TRUE(SameRecord(folge[0], e));
    EXPECT_EQ(std::make_pair(folge[1].Start, folge[1].Vorwarnung), std::make_pair(MachZeitpunkt(2026, 6, 1, 10, 30), MachZeitpunkt(2026, 5, 31, 9, 15)));
    // Without a warning the warning fields stay empty.
    const auto ohne = Wiederholungen(Basis(2026, 6, 30), monatlich, 1);
    EXPECT_EQ(ohne[0].Vorwarnung.Jahr + ohne[0].VorwarnBasis.Jahr, 0);

    // A warning in the previous year stays the evening before.
    Termin neujahr = Basis(2026, 1, 1);
    neujahr.Vorwarnung = MachZeitpunkt(2025, 12, 31, 18, 0);
    EXPECT_EQ(Wiederholungen(neujahr, {0, 11, 0}, 1)[0].Vorwarnung, MachZeitpunkt(2026, 11, 30, 18, 0));
}
