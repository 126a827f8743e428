// Series dates: carried-over offsets, month and year carries, shifted end and warning,
// and the marks of a yearly series.
#include "dialogs/Serie.h"

#include <gtest/gtest.h>

namespace {
Termin Basis(int j, int m, int t, uint16_t flags = 0) {
    Termin b;
    b.Start = MachZeitpunkt(j, m, t, 10, 30);
    b.Ende = MachZeitpunkt(j, m, t, 11, 45);
    b.Flags = flags;
    return b;
}

std::vector<Zeitpunkt> Starts(const Termin& b, Schritt s, int n) {
    std::vector<Zeitpunkt> out;
    for (const Termin& t : Wiederholungen(b, s, n)) out.push_back(t.Start);
    return out;
}
}  // namespace

TEST(Serie, MonthlyFromTheEndOfAMonthCarriesTheOverflowOn) {
    Schritt monatlich;
    monatlich.Monate = 1;
    const auto s = Starts(Basis(2026, 1, 31), monatlich, 3);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0], MachZeitpunkt(2026, 3, 3, 10, 30));
    EXPECT_EQ(s[1], MachZeitpunkt(2026, 4, 3, 10, 30));
    EXPECT_EQ(s[2], MachZeitpunkt(2026, 5, 3, 10, 30));
    // In a leap year February has 29 days, so the overflow is one day less.
    EXPECT_EQ(Starts(Basis(2028, 1, 31), monatlich, 1)[0], MachZeitpunkt(2028, 3, 2, 10, 30));
}

TEST(Serie, StepsAcrossMonthAndYearEnds) {
    Schritt woechentlich;
    woechentlich.Tage = 7;
    EXPECT_EQ(Starts(Basis(2026, 12, 24), woechentlich, 2),
              (std::vector<Zeitpunkt>{MachZeitpunkt(2026, 12, 31, 10, 30), MachZeitpunkt(2027, 1, 7, 10, 30)}));

    Schritt alleZweiMonate;
    alleZweiMonate.Monate = 2;
    EXPECT_EQ(Starts(Basis(2026, 11, 15), alleZweiMonate, 2),
              (std::vector<Zeitpunkt>{MachZeitpunkt(2027, 1, 15, 10, 30), MachZeitpunkt(2027, 3, 15, 10, 30)}));

    Schritt vierteljahr;
    vierteljahr.Monate = 24;  // a multiplied step may pass more than one year
    EXPECT_EQ(Starts(Basis(2026, 5, 1), vierteljahr, 1)[0], MachZeitpunkt(2028, 5, 1, 10, 30));

    Schritt gemischt;  // one year, one month and ten days at once
    gemischt.Jahre = 1;
    gemischt.Monate = 1;
    gemischt.Tage = 10;
    EXPECT_EQ(Starts(Basis(2026, 1, 25), gemischt, 1)[0], MachZeitpunkt(2027, 3, 7, 10, 30));
}

TEST(Serie, LeapDayYearlyKeepsItsCarriedOffset) {
    Schritt jaehrlich;
    jaehrlich.Jahre = 1;
    const auto s = Starts(Basis(2024, 2, 29), jaehrlich, 4);
    EXPECT_EQ(s[0], MachZeitpunkt(2025, 3, 1, 10, 30));
    EXPECT_EQ(s[3], MachZeitpunkt(2028, 3, 1, 10, 30));  // the offset stays carried
}

TEST(Serie, EndAndWarningMoveWithTheStart) {
    Termin b = Basis(2026, 3, 31);
    b.Vorwarnung = MachZeitpunkt(2026, 3, 30, 9, 15);  // one day before
    b.VorwarnBasis = MachZeitpunkt(1999, 1, 1);
    Schritt monatlich;
    monatlich.Monate = 1;
    const auto folge = Wiederholungen(b, monatlich, 2);
    EXPECT_EQ(folge[0].Start, MachZeitpunkt(2026, 5, 1, 10, 30));
    EXPECT_EQ(folge[0].Ende, MachZeitpunkt(2026, 5, 1, 11, 45));
    // The warning keeps its lead of one day and 1:15 across the shortened month.
    EXPECT_EQ(folge[0].Vorwarnung, MachZeitpunkt(2026, 4, 30, 9, 15));
    EXPECT_EQ(folge[0].VorwarnBasis, folge[0].Vorwarnung);
    EXPECT_EQ(folge[1].Start, MachZeitpunkt(2026, 6, 1, 10, 30));
    EXPECT_EQ(folge[1].Vorwarnung, MachZeitpunkt(2026, 5, 31, 9, 15));
    EXPECT_EQ(folge[0].Flags, 0);

    // A warning in the previous year stays the evening before.
    Termin neujahr = Basis(2026, 1, 1);
    neujahr.Vorwarnung = MachZeitpunkt(2025, 12, 31, 18, 0);
    Schritt elf;
    elf.Monate = 11;
    EXPECT_EQ(Wiederholungen(neujahr, elf, 1)[0].Vorwarnung, MachZeitpunkt(2026, 11, 30, 18, 0));
}

TEST(Serie, WithoutWarningTheFieldsStayEmpty) {
    Schritt taeglich;
    taeglich.Tage = 1;
    const auto folge = Wiederholungen(Basis(2026, 6, 30), taeglich, 1);
    EXPECT_EQ(folge[0].Start, MachZeitpunkt(2026, 7, 1, 10, 30));
    EXPECT_EQ(folge[0].Vorwarnung.Jahr, 0);
    EXPECT_EQ(folge[0].VorwarnBasis.Jahr, 0);
}

TEST(Serie, YearlyOccurrencesAreCopiesWithTheBaseEnd) {
    Termin b = Basis(2026, 8, 12, FlagJaehrlich);
    b.Ende = MachZeitpunkt(1, 0, 0, 11, 45);  // the step, as the base carries it when stored
    Schritt jaehrlich;
    jaehrlich.Jahre = 1;
    const auto folge = Wiederholungen(b, jaehrlich, 19);
    ASSERT_EQ(folge.size(), 19u);
    EXPECT_EQ(folge.back().Start, MachZeitpunkt(2045, 8, 12, 10, 30));
    for (const Termin& t : folge) {
        EXPECT_EQ(t.Flags, FlagJaehrlich | FlagJahresKopie);
        EXPECT_EQ(t.Ende, b.Ende);
    }
    EXPECT_TRUE(Wiederholungen(b, jaehrlich, 0).empty());
}
