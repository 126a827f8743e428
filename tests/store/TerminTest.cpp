// The record: derived Blocks, priority bits, the short text and the done rule.
#include "TerminFixtures.h"

#include <gtest/gtest.h>

TEST(Termin, BlocksFollowTheLengthOfTheLongText) {
    Termin t;
    // 174 characters fit the record with its zero; 256 need 257 bytes.
    for (const auto& [laenge, bloecke] : {std::pair{0, 0}, {174, 0}, {175, 1}, {255, 1}, {256, 2}}) {
        t.Beschr.assign(size_t(laenge), 'x');
        EXPECT_EQ(t.Blocks(), bloecke) << laenge;
    }
    Termin kopie = t;  // value semantics: the copy owns its own text
    kopie.Beschr[0] = 'y';
    EXPECT_EQ(t.Beschr[0], 'x');
}

TEST(Termin, PriorityUsesTheTopTwoBitsOnly) {
    Termin t;
    t.Flags = FlagOhneEnde | FlagJaehrlich;
    t.SetzePrioritaet(3);
    EXPECT_EQ(t.Flags, 0xC000 | FlagOhneEnde | FlagJaehrlich);
    t.SetzePrioritaet(1);
    EXPECT_EQ(t.Prioritaet(), 1);
    EXPECT_EQ(t.Flags & 0x3FFF, FlagOhneEnde | FlagJaehrlich);
}

TEST(Termin, ShortTextIsCutTo49Characters) {
    Termin t;
    t.SetzeKurzbeschr(std::string(60, 'a'));
    EXPECT_EQ(std::string(t.Kurzbeschr), std::string(49, 'a'));
    t.SetzeKurzbeschr("kurz");
    EXPECT_STREQ(t.Kurzbeschr, "kurz");
    EXPECT_EQ(t.Kurzbeschr[5], '\0');  // the old text is cleared
}

TEST(Termin, DoneRule) {
    const Zeitpunkt jetzt = MachZeitpunkt(1996, 6, 1, 12, 0);
    // Ends at now: done (1); one minute later: not done.
    EXPECT_EQ(IsDrawnDone(MachTermin(1996, 6, 1, 11, 0, 12, 0), jetzt), 1);
    EXPECT_EQ(IsDrawnDone(MachTermin(1996, 6, 1, 11, 0, 12, 1), jetzt), 0);
    // Without end or time the end is 23:59 of the start day.
    EXPECT_EQ(IsDrawnDone(MachTermin(1996, 6, 1, 8, 0, 9, 0, FlagOhneEnde), jetzt), 0);
    EXPECT_EQ(IsDrawnDone(MachTermin(1996, 6, 1, 8, 0, 9, 0, FlagOhneZeit), jetzt), 0);
    EXPECT_EQ(IsDrawnDone(MachTermin(1996, 5, 31, 8, 0, 9, 0, FlagOhneZeit), jetzt), 1);
    // Manual-only: past but not flagged stays open; flagged is done either way.
    EXPECT_EQ(IsDrawnDone(MachTermin(1996, 5, 1, 8, 0, 9, 0, FlagManuellErledigt), jetzt), 0);
    EXPECT_EQ(IsDrawnDone(MachTermin(1996, 5, 1, 8, 0, 9, 0, FlagManuellErledigt | FlagErledigt), jetzt), 1);
    EXPECT_EQ(IsDrawnDone(MachTermin(1996, 7, 1, 8, 0, 9, 0, FlagErledigt), jetzt), 2);
    // A yearly record's step in Ende's date does not matter.
    Termin jaehrlich = MachTermin(1996, 7, 1, 8, 0, 9, 0, FlagJaehrlich);
    jaehrlich.Ende = MachZeitpunkt(1, 0, 0, 9, 0);
    EXPECT_EQ(IsDrawnDone(jaehrlich, jetzt), 0);
}
