// Dropping an appointment: the moved copy's times and flags per view, and the collection
// afterwards for a move, a Ctrl copy and an original that vanished meanwhile.
#include "views/DragDrop.h"
#include "views/ViewFixture.h"

#include "store/JahresKopien.h"

#include <map>

namespace {

class DragDropTest : public ViewFixture {
protected:
    static Termin Dentist() {
        Termin t = MachTermin(2026, 12, 8, 9, 0, 10, 30, 0, "Zahnarzt");
        t.Vorwarnung = MachZeitpunkt(2026, 12, 8, 8, 45);
        t.Beschr = std::string(400, 'B');  // a long text of its own block
        return t;
    }
};

TEST_F(DragDropTest, WeekAndMonthViewsMoveTheDateAndKeepTheTime) {
    for (int mode : {1, 2}) {
        Termin moved;
        ASSERT_TRUE(DroppedCopy(Dentist(), MachZeitpunkt(2026, 12, 10), ViewMode(mode), moved));
        Termin e = Dentist();
        e.Start.Tag = e.Ende.Tag = e.Vorwarnung.Tag = 10;
        EXPECT_TRUE(SameRecord(moved, e));
        // On another appointment's line the target time is that line's, the time stays ours.
        ASSERT_TRUE(DroppedCopy(Dentist(), MachZeitpunkt(2027, 1, 2, 16, 0), ViewMode(mode), moved));
        EXPECT_EQ(moved.Start, MachZeitpunkt(2027, 1, 2, 9, 0));
        EXPECT_FALSE(DroppedCopy(Dentist(), MachZeitpunkt(2026, 12, 8, 14, 0), ViewMode(mode), moved));  // same day
    }
}

TEST_F(DragDropTest, DayViewTakesTheTargetTimeAndItsUntimedArea) {
    Termin moved;
    EXPECT_FALSE(DroppedCopy(Dentist(), MachZeitpunkt(2026, 12, 8, 9, 0), ViewMode(0), moved));  // its own start
    ASSERT_TRUE(DroppedCopy(Dentist(), MachZeitpunkt(2026, 12, 8, 14, 0), ViewMode(0), moved));
    Termin e = Dentist();
    e.Start.Stunde = 14;
    e.Ende.Stunde = 15;
    e.Vorwarnung.Stunde = 13;
    EXPECT_TRUE(SameRecord(moved, e));

    ASSERT_TRUE(DroppedCopy(Dentist(), MachZeitpunkt(2026, 12, 8), ViewMode(0), moved));  // the untimed area
    EXPECT_TRUE(moved.Hat(FlagOhneZeit) && moved.Ende == MachZeitpunkt(2026, 12, 8, 1, 30));

    Termin untimed = MachTermin(2026, 12, 8, 0, 0, 0, 0, FlagOhneZeit | FlagOhneEnde, "Ganztags");
    ASSERT_TRUE(DroppedCopy(untimed, MachZeitpunkt(2026, 12, 8, 11, 30), ViewMode(0), moved));
    untimed.Flags = FlagOhneEnde;
    untimed.Start = MachZeitpunkt(2026, 12, 8, 11, 30);  // without end the end stays
    EXPECT_TRUE(SameRecord(moved, untimed));
}

TEST_F(DragDropTest, YearlyMasterKeepsItsYearStep) {
    Termin master = Dentist();
    master.Flags = FlagJaehrlich;
    master.Ende = MachZeitpunkt(1, 0, 0, 10, 30);
    master.VorwarnBasis = master.Vorwarnung;
    Termin moved;
    ASSERT_TRUE(DroppedCopy(master, MachZeitpunkt(2026, 12, 9), ViewMode(1), moved));
    EXPECT_EQ(std::make_pair(moved.Ende, moved.VorwarnBasis), std::make_pair(MachZeitpunkt(1, 0, 0, 10, 30), MachZeitpunkt(2026, 12, 9, 8, 45)));
    ASSERT_TRUE(DroppedCopy(master, MachZeitpunkt(2026, 12, 8, 23, 0), ViewMode(0), moved));
    EXPECT_EQ(moved.Ende, MachZeitpunkt(1, 0, 0, 0, 30));  // the time wraps past midnight
}

// A moved yearly master takes its copies to the new day; a Ctrl copy is a series of its own,
// since a save writes one record per series number.
TEST_F(DragDropTest, YearlyMasterTakesItsCopiesAlongAndItsCopyIsANewSeries) {
    Add(MachJahresMaster(2024, 3, 7, 9, 0, 10, 0, "Geburtstag", 5));
    ASSERT_TRUE(ErzeugeJahresKopien(Liste));
    for (bool copy : {false, true}) {
        const RecordRef original = RefTo(Liste, 0);
        Termin moved;
        ASSERT_TRUE(DroppedCopy(original.Copy, MachZeitpunkt(2024, 3, copy ? 11 : 9), ViewMode::Week, moved));
        ASSERT_TRUE(PlaceDrop(Liste, original, moved, copy));
    }
    std::map<std::pair<int, int>, int> serien;  // (number, day) -> records
    for (int i = 0; i < Liste.Anzahl(); ++i) ++serien[{Liste.Satz(i).Id, Liste.Satz(i).Start.Tag}];
    EXPECT_EQ(serien, (std::map<std::pair<int, int>, int>{{{5, 9}, 20}, {{2, 11}, 20}}));  // 2: the first free number
}

// With every series number taken, the copied master stays unnumbered and other unnumbered
// yearly records stay too.
TEST_F(DragDropTest, CopiedMasterWithoutAFreeNumberLeavesTheOthers) {
    for (int id = 1; id <= 65535; ++id) {
        Termin t = MachTermin(2025, 1, 1, 8, 0, 9, 0);
        t.Id = uint16_t(id);
        Liste.Anhaengen(t);
    }
    Add(MachJahresMaster(2024, 3, 7, 9, 0, 10, 0, "Ohne Nummer"));
    const RecordRef original = RefTo(Liste, 0);
    Termin moved;
    ASSERT_TRUE(DroppedCopy(original.Copy, MachZeitpunkt(2024, 3, 9), ViewMode::Week, moved));
    ASSERT_TRUE(PlaceDrop(Liste, original, moved, true));
    EXPECT_EQ(Texte(Liste).front() + Texte(Liste)[1], "Ohne NummerOhne Nummer");
    EXPECT_EQ(Liste.Anzahl(), 65537);
}

TEST_F(DragDropTest, MoveCopyAndVanishedOriginal) {
    Add(Dentist());
    Add(MachTermin(2026, 12, 9, 8, 0, 9, 0, 0, "Anderer"));
    const RecordRef original = RefTo(Liste, 0);
    Termin moved;
    ASSERT_TRUE(DroppedCopy(original.Copy, MachZeitpunkt(2026, 12, 10), ViewMode(1), moved));

    ASSERT_TRUE(PlaceDrop(Liste, original, moved, true));  // Ctrl: a copy beside the original
    ASSERT_EQ(Liste.Anzahl(), 3);
    EXPECT_TRUE(SameRecord(Liste.Satz(0), original.Copy));
    EXPECT_TRUE(SameRecord(Liste.Satz(2), moved));

    Liste.SetzeAktuell(&Liste.Satz(2));
    Liste.LoescheAktuell();
    ASSERT_TRUE(PlaceDrop(Liste, original, moved, false));  // a move
    ASSERT_EQ(Texte(Liste), (std::vector<std::string>{"Anderer", "Zahnarzt"}));
    EXPECT_TRUE(SameRecord(Liste.Satz(1), moved));

    // The original is gone now: nothing is inserted a second time.
    EXPECT_FALSE(PlaceDrop(Liste, original, moved, false));
    EXPECT_EQ(Liste.Anzahl(), 2);
}

}  // namespace
