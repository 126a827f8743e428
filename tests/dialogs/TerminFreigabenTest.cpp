// Enable rules: readiness, Add/Change with and without a loaded record, yearly copies,
// series counts, the warning fields and the repetition group.
#include "dialogs/TerminFreigaben.h"

#include <gtest/gtest.h>

namespace {
FreigabeLage Bereit() {
    FreigabeLage l;
    l.DatumGefuellt = l.KurztextGefuellt = true;
    return l;
}
}  // namespace

TEST(TerminFreigaben, ReadinessNeedsDateAndShortText) {
    FreigabeLage l = Bereit();
    EXPECT_TRUE(BerechneFreigaben(l).Bereit);
    EXPECT_TRUE(BerechneFreigaben(l).Hinzufuegen);
    l.KurztextGefuellt = false;
    l.Vorwarnung = true;
    l.Jaehrlich = true;
    const Freigaben f = BerechneFreigaben(l);
    EXPECT_FALSE(f.Bereit || f.Hinzufuegen || f.Warnfelder || f.Wiederholung || f.Schritte);
    l = Bereit();
    l.DatumGefuellt = false;
    EXPECT_FALSE(BerechneFreigaben(l).Bereit);
}

TEST(TerminFreigaben, NothingLoadedKeepsChangeAsItWas) {
    FreigabeLage l = Bereit();
    l.AendernBisher = true;
    EXPECT_TRUE(BerechneFreigaben(l).Aendern);
    l.AendernBisher = false;
    l.Geaendert = true;
    EXPECT_FALSE(BerechneFreigaben(l).Aendern);
}

TEST(TerminFreigaben, LoadedRecordNeedsEditsForAddAndChange) {
    FreigabeLage l = Bereit();
    l.Geladen = true;
    Freigaben f = BerechneFreigaben(l);
    EXPECT_FALSE(f.Hinzufuegen || f.Aendern);
    l.Geaendert = true;  // the text edited: Change only
    f = BerechneFreigaben(l);
    EXPECT_FALSE(f.Hinzufuegen);
    EXPECT_TRUE(f.Aendern);
    l.DatumOderZeitGeaendert = true;  // date or time edited as well: both
    f = BerechneFreigaben(l);
    EXPECT_TRUE(f.Hinzufuegen && f.Aendern);
    l.KurztextGefuellt = false;
    EXPECT_FALSE(BerechneFreigaben(l).Aendern);
    l.KurztextGefuellt = true;

    l.AktuellJahresKopie = true;  // a yearly copy: neither
    f = BerechneFreigaben(l);
    EXPECT_FALSE(f.Hinzufuegen || f.Aendern);
    l.AktuellJahresKopie = false;

    l.Anzahl = 2;  // more members of the series from here on: no Change
    f = BerechneFreigaben(l);
    EXPECT_TRUE(f.Hinzufuegen);
    EXPECT_FALSE(f.Aendern);
}

TEST(TerminFreigaben, WarningFieldsAndRepetitionGroup) {
    FreigabeLage l = Bereit();
    l.Vorwarnung = true;
    EXPECT_TRUE(BerechneFreigaben(l).Warnfelder);
    l.ProgrammMarke = true;
    EXPECT_FALSE(BerechneFreigaben(l).Warnfelder);

    EXPECT_FALSE(BerechneFreigaben(l).Wiederholung);
    l.Anzahl = 3;
    Freigaben f = BerechneFreigaben(l);
    EXPECT_TRUE(f.Wiederholung && f.Schritte);
    l.Anzahl = 1;
    l.Jaehrlich = true;
    f = BerechneFreigaben(l);
    EXPECT_TRUE(f.Wiederholung);
    EXPECT_FALSE(f.Schritte);

    EXPECT_FALSE(BerechneFreigaben(l).Loeschen);
    l.ZeileGewaehlt = true;
    EXPECT_TRUE(BerechneFreigaben(l).Loeschen);
}
