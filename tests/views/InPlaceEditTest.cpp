// The in-place editor's text: the initial line of an appointment, the parse of a typed
// line, and what committing it does to the collection (new, changed, deleted, declined).
#include "views/InPlaceCommit.h"
#include "views/InPlaceText.h"
#include "views/ViewFixture.h"

#include "core/TextFormat.h"
#include "store/JahresKopien.h"

namespace {

const Zeitpunkt Day = MachZeitpunkt(2026, 12, 7);

Termin Parsed(const std::string& text, Termin t = Termin{}) {
    ParseEditText(text, t);
    return t;
}

std::string Times(const Termin& t) {
    std::string s = Format("%d:%02d", t.Start.Stunde, t.Start.Minute);
    if (!t.Hat(FlagOhneEnde)) s += Format("-%d:%02d", t.Ende.Stunde, t.Ende.Minute);
    if (t.Hat(FlagOhneZeit)) s = "untimed";
    return s + "|" + t.Kurzbeschr;
}

TEST(InPlaceText, TypedLines) {
    const std::pair<const char*, const char*> cases[] = {
        {"Meeting", "untimed|Meeting"},
        {"9:30 Dentist", "9:30|Dentist"},
        {"9:30-10:15 Dentist", "9:30-10:15|Dentist"},
        {"9:30 - 10:15 Dentist", "9:30-10:15|Dentist"},
        {"14 Call", "14:00|Call"},
        {"  8:05 --  9 Fr\xFChst\xFC" "ck", "8:05-9:00|Fr\xFChst\xFC" "ck"},
        {"1430", "99:00|"},  // kept at 99, the most the file keeps
        {"14:", "14:00|"},
        {"9:30 -", "9:30|"},
        {"9:30 -   ", "9:30|"},
        {"10 Call   ", "10:00|Call   "},  // trailing blanks belong to the text
        {"9.30 Dentist", "9:00|.30 Dentist"},  // only ':' parts the minutes
        {"99:99 x", "99:99|x"},  // no range test
        {"-5 minus", "untimed|-5 minus"},
    };
    for (const auto& [line, parsed] : cases) EXPECT_EQ(Times(Parsed(line)), parsed) << line;
    EXPECT_TRUE(IsEmptyEditText("") && IsEmptyEditText("    ") && !IsEmptyEditText("  x"));
}

TEST(InPlaceText, MissingMinutesKeepThePreviousOnes) {
    Termin old;
    old.Start = MachZeitpunkt(2026, 12, 7, 10, 30);
    old.Ende = MachZeitpunkt(2026, 12, 7, 11, 45);
    EXPECT_EQ(Times(Parsed("14 - 15 Call", old)), "14:30-15:45|Call");
    EXPECT_EQ(Times(Parsed("14: - 15: Call", old)), "14:30-15:45|Call");
    // Date fields are not touched.
    EXPECT_EQ(Parsed("14 Call", old).Start.Tag, 7);
}

TEST(InPlaceText, LongTextsAreCut) {
    const std::string fifty(50, 'x');
    EXPECT_EQ(std::string(Parsed("8 " + fifty).Kurzbeschr), std::string(49, 'x'));
    // Only 63 characters are read: the times take 14 of them here, so 49 remain.
    const std::string line = "10:00 - 11:00 " + std::string(60, 'y');
    EXPECT_EQ(std::string(Parsed(line).Kurzbeschr).size(), 49u);
    // A start beyond the 63 characters is not read at all.
    EXPECT_EQ(Times(Parsed(std::string(63, ' ') + "9 late")), "untimed|");
}

TEST(InPlaceText, InitialTextOfAnAppointmentParsesBackToIt) {
    Termin t;
    t.Start = MachZeitpunkt(2026, 12, 7, 9, 5);
    t.Ende = MachZeitpunkt(2026, 12, 7, 10, 0);
    t.SetzeKurzbeschr("Zahnarzt");
    EXPECT_EQ(Times(Parsed(EditorText(t), t)), "9:05-10:00|Zahnarzt");
    for (const auto& [flags, text] : {std::pair<uint16_t, const char*>{0, " 9:05 - 10:00 Zahnarzt"}, {FlagOhneEnde, " 9:05 Zahnarzt"},
                                      {FlagOhneEnde | FlagOhneZeit, "Zahnarzt"}}) {
        t.Flags = flags;
        EXPECT_EQ(EditorText(t), text);
    }
    EXPECT_EQ(RowTimeText(MachZeitpunkt(2026, 12, 7, 7, 30)), " 7:30");
}

class InPlaceCommitTest : public ViewFixture {
protected:
    RecordRef EditOf(int slot) { return RefTo(Liste, slot); }
    // The editor opened on `edited` (or on a free line) and left with `text`.
    RecordRef Commit(const RecordRef& edited, const std::string& text, const std::string& opened = "") {
        return StoreEditText(Liste, edited, text, edited.Empty() ? opened : EditorText(edited.Copy), Day);
    }
};

TEST_F(InPlaceCommitTest, ANewLineBecomesAnAppointmentOfTheDay) {
    EXPECT_TRUE(Commit(RecordRef{}, "").Empty() && Commit(RecordRef{}, "   ").Empty());  // empty lines store nothing
    EXPECT_FALSE(Liste.Anzahl() || Liste.Geaendert);
    EXPECT_EQ(Commit(RecordRef{}, "9:30 - 10:15 Zahnarzt").Slot, 0);
    Commit(RecordRef{}, "Meeting");
    Termin t = MachTermin(2026, 12, 7, 9, 30, 10, 15, 0, "Zahnarzt");
    t.Id = 1;  // NeueId of an empty collection
    ASSERT_EQ(Liste.Anzahl(), 2);
    EXPECT_TRUE(SameRecord(Liste.Satz(1), t));
    EXPECT_TRUE(Liste.Satz(0).Hat(FlagOhneZeit) && Liste.Geaendert);
    EXPECT_EQ(std::string(Liste.Satz(0).Kurzbeschr) + std::to_string(Liste.Satz(0).Id), "Meeting2");
}

TEST_F(InPlaceCommitTest, AnUnchangedLineKeepsTheAppointment) {
    Add(MachTermin(2026, 12, 7, 10, 0, 11, 0, 0, "Besprechung"));
    Termin& t = Liste.Satz(0);
    t.Id = 17;
    t.Beschr = std::string(300, 'L');
    t.AdrId = 4;
    Liste.Geaendert = false;
    const RecordRef edited = EditOf(0);
    EXPECT_EQ(Commit(edited, EditorText(edited.Copy)).Slot, 0);
    ASSERT_EQ(Liste.Anzahl(), 1);
    EXPECT_TRUE(SameRecord(Liste.Satz(0), edited.Copy));
    EXPECT_FALSE(Liste.Geaendert);

    // Untimed "3 Bücher" would read as 3:00 "Bücher" if parsed again; a time row left as
    // it was opened makes no appointment.
    Liste.Satz(0).Flags = FlagOhneZeit | FlagOhneEnde;
    Liste.Satz(0).SetzeKurzbeschr("3 B\xFC" "cher");
    Commit(EditOf(0), "3 B\xFC" "cher");
    EXPECT_TRUE(Liste.Satz(0).Hat(FlagOhneZeit));
    EXPECT_TRUE(Commit(RecordRef{}, "9:00", "9:00").Empty());
    EXPECT_EQ(Liste.Anzahl(), 1);
}

TEST_F(InPlaceCommitTest, AChangedLineReplacesAndAClearedOneDeletes) {
    Add(MachTermin(2026, 12, 7, 8, 0, 9, 0, 0, "Early"));
    Add(MachTermin(2026, 12, 7, 10, 0, 11, 0, 0, "Late"));
    Commit(EditOf(1), "7:15 Moved");
    ASSERT_EQ(Liste.Anzahl(), 2);
    const Termin& m = Liste.Satz(0);  // sorted in front
    EXPECT_TRUE(std::string(m.Kurzbeschr) == "Moved" && m.Start == MachZeitpunkt(2026, 12, 7, 7, 15) && m.Hat(FlagOhneEnde));

    EXPECT_TRUE(Commit(EditOf(1), "").Empty());
    EXPECT_EQ(Texte(Liste), std::vector<std::string>{"Moved"});
}

// A yearly master's copies take its new line, and go with it when it is cleared.
TEST_F(InPlaceCommitTest, AYearlyMastersCopiesFollowItsLine) {
    Add(MachJahresMaster(2024, 12, 7, 9, 0, 10, 0, "Geburtstag", 5));
    ASSERT_TRUE(ErzeugeJahresKopien(Liste));
    Commit(EditOf(0), "8:00 Hochzeitstag");
    ASSERT_EQ(Liste.Anzahl(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(std::string(Liste.Satz(i).Kurzbeschr) + std::to_string(Liste.Satz(i).Start.Stunde), "Hochzeitstag8") << i;
    Commit(EditOf(0), "");
    EXPECT_EQ(Liste.Anzahl(), 0);
}

TEST_F(InPlaceCommitTest, DecliningTheOverlapWarningKeepsTheOriginal) {
    Add(MachTermin(2026, 12, 7, 9, 0, 10, 0, 0, "Other"));
    Add(MachTermin(2026, 12, 7, 12, 0, 13, 0, 0, "Mine"));
    Liste.Geaendert = false;
    const RecordRef edited = EditOf(1);
    host.answers = {Mb::IdNo};
    const RecordRef back = Commit(edited, "9:30 - 10:30 Mine moved");
    ASSERT_EQ(host.messages.size(), 1u);  // the overlap question was asked
    ASSERT_EQ(Liste.Anzahl(), 2);
    EXPECT_TRUE(SameRecord(Liste.Satz(1), edited.Copy));
    EXPECT_FALSE(back.Slot != 1 || Liste.Geaendert);

    // Answered Yes the change is stored despite the overlap.
    host.answers = {Mb::IdYes};
    Commit(edited, "9:30 - 10:30 Mine moved");
    EXPECT_EQ(std::string(Liste.Satz(1).Kurzbeschr), "Mine moved");
    EXPECT_TRUE(Liste.Geaendert);
}

TEST_F(InPlaceCommitTest, TheEditedRecordIsFoundAfterTheCollectionMoved) {
    Add(MachTermin(2026, 12, 7, 12, 0, 13, 0, 0, "Mine"));
    const RecordRef edited = EditOf(0);
    Add(MachTermin(2026, 12, 7, 8, 0, 9, 0, 0, "Inserted before"));  // Mine now sits in slot 1
    Commit(edited, "");
    EXPECT_EQ(Texte(Liste), std::vector<std::string>{"Inserted before"});
}

}  // namespace
