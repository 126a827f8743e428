// The per-day lookup: year ranges, public-holiday ranges, view modes, equal days and
// the two computed special days.
#include "FeiertagTestHelfer.h"
#include "core/ResString.h"
#include "holidays/FeiertagName.h"
#include "store/Zeitpunkt.h"

#include <gtest/gtest.h>

#include <cstddef>

class FeiertagNameTest : public FeiertagFixture {
protected:
    // "name|kind" as the view gets it (kind 1: public holiday).
    std::string Name(int y, int m, int d, const FeiertagAnsicht& a) {
        const TagesName n = FeiertagName(feiertage, y, m, d, a);
        return n.Text + "|" + std::to_string(n.Art);
    }
};

namespace {
const FeiertagAnsicht Tagesansicht{0, {}, {}};
const FeiertagAnsicht Monatsansicht{2, {}, {}};
}  // namespace

TEST_F(FeiertagNameTest, YearRangeAndPublicHolidayRange) {
    SetzeTabelle(feiertage, {{"Einheit", "Tag der Einheit", FeiertagArt::Fest, RegelFest(10, 3),
                              FeiertagStatus::Aktiv | FeiertagStatus::Gesetzlich, 1990, 9999, 1990, 1994},
                             {"Aus", "Ausgeschaltet", FeiertagArt::Fest, RegelFest(10, 4), FeiertagStatus::Gesetzlich,
                              1800, 9999, 1800, 9999}});
    EXPECT_EQ(Name(1994, 10, 3, Tagesansicht), "Tag der Einheit|1");
    EXPECT_EQ(Name(1995, 10, 3, Tagesansicht), "Tag der Einheit|0");
    EXPECT_EQ(Name(1989, 10, 3, Tagesansicht), "|0");
    EXPECT_EQ(Name(1990, 10, 3, Tagesansicht), "Tag der Einheit|1");
    EXPECT_EQ(Name(1990, 10, 2, Tagesansicht), "|0");
    EXPECT_EQ(Name(1995, 10, 4, Tagesansicht), "|0");  // status bit 0 clear: never shown
    // Long names in the day and week views, short ones in the month view.
    EXPECT_EQ(FeiertagName(feiertage, 2000, 10, 3, FeiertagAnsicht{1, {}, {}}).Text, "Tag der Einheit");
    EXPECT_EQ(FeiertagName(feiertage, 2000, 10, 3, Monatsansicht).Text, "Einheit");
}

TEST_F(FeiertagNameTest, LookupFollowsTheYearAsked) {
    SetzeTabelle(feiertage, {{"Ostern", "Ostersonntag", FeiertagArt::Ostern, RegelVersatz(0)}});
    EXPECT_EQ(FeiertagName(feiertage, 1995, 4, 16, Tagesansicht).Text, "Ostersonntag");
    EXPECT_EQ(FeiertagName(feiertage, 1996, 4, 7, Tagesansicht).Text, "Ostersonntag");
    EXPECT_EQ(FeiertagName(feiertage, 1996, 4, 16, Tagesansicht).Text, "");
    EXPECT_EQ(FeiertagName(feiertage, 1995, 4, 16, Tagesansicht).Text, "Ostersonntag");
}

TEST_F(FeiertagNameTest, OnEqualDaysTheEarlierEntryWins) {
    constexpr uint8_t gesetzlich = FeiertagStatus::Aktiv | FeiertagStatus::Gesetzlich;
    SetzeTabelle(feiertage, {{"Erster", "Erster", FeiertagArt::Fest, RegelFest(5, 1), FeiertagStatus::Aktiv,
                   1800, 2000},
                  {"Zweiter", "Zweiter", FeiertagArt::Fest, RegelFest(5, 1), gesetzlich, 1800,
                   9999, 1800, 9999},
                  {"Frueher", "Frueher", FeiertagArt::Fest, RegelFest(4, 1)}});
    EXPECT_EQ(Name(2000, 5, 1, Tagesansicht), "Erster|0");
    // An entry outside its years does not hide a later one on the same day.
    EXPECT_EQ(Name(2008, 5, 1, Tagesansicht), "Zweiter|1");
}

TEST_F(FeiertagNameTest, NamesWithoutTerminatingZeroAreCutToTheirField) {
    SetzeTabelle(feiertage, {{"x", "y", FeiertagArt::Fest, RegelFest(7, 7)}});
    Feiertag& e = feiertage.Tabelle.Eintrag[0];
    std::memset(&e, 'K', offsetof(Feiertag, Art));  // both names, no zero anywhere
    EXPECT_EQ(FeiertagName(feiertage, 2001, 7, 7, Monatsansicht).Text, std::string(12, 'K'));
    EXPECT_EQ(FeiertagName(feiertage, 2001, 7, 7, Tagesansicht).Text, std::string(23, 'K'));
}

TEST_F(FeiertagNameTest, SecondSpecialDayIsTheWednesdayFrom16To22November) {
    SetzeTabelle(feiertage, {});
    FeiertagAnsicht a{0, {}, {true, 1}};
    // 1 November 1995 is a Wednesday.
    EXPECT_EQ(Name(1995, 11, 22, a), std::string(LoadResString(31045)) + "|1");
    EXPECT_STRNE(LoadResString(31045), "");
    EXPECT_EQ(FeiertagName(feiertage, 1995, 11, 15, a).Text, "");
    a.Modus = 2;
    EXPECT_EQ(FeiertagName(feiertage, 1995, 11, 22, a).Text, LoadResString(31044));
    // Every year: exactly one day, a Wednesday between the 16th and the 22nd.
    for (int y = 1990; y <= 2030; ++y) {
        int treffer = 0;
        for (int d = 1; d <= 30; ++d) {
            if (FeiertagName(feiertage, y, 11, d, a).Text.empty()) continue;
            ++treffer;
            EXPECT_EQ(Wochentag(y, 11, d), 3) << y;
            EXPECT_TRUE(d >= 16 && d <= 22) << y << "-11-" << d;
        }
        EXPECT_EQ(treffer, 1) << y;
    }
    a.Day2.Benutzt = false;
    EXPECT_EQ(FeiertagName(feiertage, 1995, 11, 22, a).Text, "");
    // A table entry on the same day hides the special day.
    SetzeTabelle(feiertage, {{"Eintrag", "Eintrag", FeiertagArt::Fest, RegelFest(11, 22)}});
    EXPECT_EQ(Name(1995, 11, 22, FeiertagAnsicht{0, {}, {true, 1}}), "Eintrag|0");
}

TEST_F(FeiertagNameTest, FirstSpecialDayIsTheFirstSundayFrom29September) {
    SetzeTabelle(feiertage, {});
    FeiertagAnsicht a{0, {true, 0}, {}};
    EXPECT_EQ(Name(2026, 10, 4, a), std::string(LoadResString(31037)) + "|0");  // 29 September 2026 is a Tuesday
    EXPECT_EQ(FeiertagName(feiertage, 2024, 9, 29, a).Text, LoadResString(31037));  // itself a Sunday
    EXPECT_EQ(FeiertagName(feiertage, 2024, 10, 6, a).Text, "");
    a.Modus = 2;
    EXPECT_EQ(FeiertagName(feiertage, 2026, 10, 4, a).Text, LoadResString(31036));
    a.Day1.Benutzt = false;
    EXPECT_EQ(FeiertagName(feiertage, 2026, 10, 4, a).Text, "");
}
